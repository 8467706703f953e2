#include "model/ProjectSettings.h"

#include "model/VersionHistory.h"
#include "platform/core/CFile.h"
#include "platform/core/HostPath.h"

#include "tests/support/ArchiveBytes.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace
{
// A settings record as a file of the given version holds it, every field different from its
// default; fields the version does not hold are left out.
std::vector<BYTE> RecordBytes(int version)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    ar << CString("dd.mm.yyyy") << CString("shop") << CString("db01") << CString("sa")
       << CString("secret");
    ar << 0 << CString("Server=db01") << CString("reserved") << CString("D:\\Out\\") << 0
       << CString("Shop");
    if (version > 79)
        ar << 6 << 1;
    if (version > 81)
        ar << 0;
    if (version > 84)
        ar << CString("theme2") << CString("scheme3") << 3;
    if (version > 85)
        ar << CString("Site.master");
    if (version > 86)
        ar << 1;
    ar.Close();
    return file.GetBytes();
}

void ExpectAlwaysHeldFields(const ProjectSettings& settings)
{
    EXPECT_EQ(CString("dd.mm.yyyy"), settings.GetDateFormat());
    EXPECT_EQ(CString("shop"), settings.GetDatabaseName());
    EXPECT_EQ(CString("db01"), settings.GetServerName());
    EXPECT_EQ(CString("sa"), settings.GetUserId());
    EXPECT_EQ(CString("secret"), settings.GetPassword());
    EXPECT_EQ(0, settings.GetConnectionStringMode());
    EXPECT_EQ(CString("Server=db01"), settings.GetConnectionString());
    EXPECT_EQ(CString("D:\\Out\\"), settings.GetProjectPath());
    EXPECT_EQ(0, settings.GetDatabaseKind());
    EXPECT_EQ(CString("Shop"), settings.GetProjectName());
    EXPECT_TRUE(settings.GetProjectFilePath().IsEmpty());
}

struct GatedFields
{
    int version;
    int pageTemplate;
    int sqlServerAuthentication;
    bool confirmations;
    const char* theme;
    const char* colorScheme;
    int visualStudioVersion;
    const char* masterPageFile;
    int databaseServerEdition;
};

const GatedFields kGatedFields[] = {
    {79, 3, 0, true, "theme1", "scheme1", 0, "", 0},
    {81, 6, 1, true, "theme1", "scheme1", 0, "", 0},
    {84, 6, 1, false, "theme1", "scheme1", 0, "", 0},
    {85, 6, 1, false, "theme2", "scheme3", 3, "", 0},
    {86, 6, 1, false, "theme2", "scheme3", 3, "Site.master", 0},
    {87, 6, 1, false, "theme2", "scheme3", 3, "Site.master", 1},
};

class ProjectSettingsFoldersTest : public ::testing::Test
{
protected:
    TempFolder m_temp{"WeavoSettings"};
};

TEST(ProjectSettingsTest, TemplatePathAndReportViewerVersionFollowTheSettings)
{
    const CString folder(ProgramFolder());
    ASSERT_FALSE(folder.IsEmpty());
    ProjectSettings settings;
    EXPECT_EQ(folder + "\\_system\\Templates\\Template2.aspx", settings.GetTemplatePath());
    const std::pair<int, const char*> templates[] = {{2, "\\_system\\Templates\\Template1.aspx"},
                                                     {5, "\\_system\\Templates\\Template2.aspx"},
                                                     {6, ""}};
    for (const auto& [pageTemplate, path] : templates)
    {
        settings.SetPageTemplate(pageTemplate);
        EXPECT_EQ(folder + path, settings.GetTemplatePath()) << pageTemplate;
    }

    CString version;
    settings.GetReportViewerVersion(version);
    EXPECT_EQ(CString("8.0.0.0"), version);
    settings.SetVisualStudioVersion(3);
    settings.GetReportViewerVersion(version);
    EXPECT_EQ(CString("9.0.0.0"), version);
}

TEST_F(ProjectSettingsFoldersTest, SetProjectPathMakesTheWholeChainAndTheProjectFolders)
{
    const CString modelFolder = m_temp.ModelPath();
    ProjectSettings settings;
    settings.SetProjectName("Shop");
    settings.SetProjectPath(modelFolder + "\\A\\Work\\Out");

    EXPECT_EQ(modelFolder + "\\A\\Work\\Out\\", settings.GetProjectPath());
    EXPECT_TRUE(fs::is_directory(m_temp.Path() / "A/Work/Out/Shop/Shop"));

    settings.SetProjectPath(modelFolder + "\\B\\");
    EXPECT_EQ(modelFolder + "\\B\\", settings.GetProjectPath());
    EXPECT_TRUE(fs::is_directory(m_temp.Path() / "B/Shop/Shop"));

    settings.SetProjectPath((m_temp.Path() / "Work/Out").string());
    EXPECT_EQ(CString((m_temp.Path() / "Work/Out").string()) + "\\", settings.GetProjectPath());
    EXPECT_TRUE(fs::is_directory(m_temp.Path() / "Work/Out/Shop/Shop"));
}

TEST(ProjectSettingsRecordTest, StoresEveryFieldInRecordOrderAndReadsItBack)
{
    const int current = TheVersionHistory().GetCurrentVersion();
    ScopedArchiveVersion version(current);
    ProjectSettings settings;
    CMemFile stored(RecordBytes(current));
    {
        CArchive ar(&stored, CArchive::load);
        settings.Serialize(ar);
    }
    settings.SetProjectFilePath("D:\\Projects\\shop.wvt");

    const std::vector<BYTE> saved = SaveObject(&settings);
    const std::string className = "ProjectSettings";
    std::vector<BYTE> expected = {0xFF, 0xFF, 0, 0, static_cast<BYTE>(className.size()), 0};
    expected.insert(expected.end(), className.begin(), className.end());
    const std::vector<BYTE> record = RecordBytes(current);
    expected.insert(expected.end(), record.begin(), record.end());
    EXPECT_EQ(expected, saved);

    const std::unique_ptr<ProjectSettings> read(LoadObject<ProjectSettings>(saved));
    ASSERT_NE(nullptr, read);
    ExpectAlwaysHeldFields(*read);
    EXPECT_FALSE(read->GetConfirmations());
    EXPECT_EQ(1, read->GetDatabaseServerEdition());
}

TEST(ProjectSettingsRecordTest, OlderRecordsKeepTheDefaultsOfFieldsTheyDoNotHold)
{
    for (const GatedFields& fields : kGatedFields)
    {
        SCOPED_TRACE(fields.version);
        ScopedArchiveVersion version(fields.version);
        CMemFile file(RecordBytes(fields.version));
        CArchive ar(&file, CArchive::load);
        ProjectSettings settings;
        settings.Serialize(ar);

        BYTE beyond = 0;
        EXPECT_EQ(0u, ar.Read(&beyond, 1));
        ExpectAlwaysHeldFields(settings);
        EXPECT_EQ(fields.pageTemplate, settings.GetPageTemplate());
        EXPECT_EQ(fields.sqlServerAuthentication, settings.GetSqlServerAuthentication());
        EXPECT_EQ(fields.confirmations, settings.GetConfirmations());
        EXPECT_EQ(CString(fields.theme), settings.GetThemeName());
        EXPECT_EQ(CString(fields.colorScheme), settings.GetColorSchemeName());
        EXPECT_EQ(fields.visualStudioVersion, settings.GetVisualStudioVersion());
        EXPECT_EQ(CString(fields.masterPageFile), settings.GetMasterPageFile());
        EXPECT_EQ(fields.databaseServerEdition, settings.GetDatabaseServerEdition());
    }
}

} // namespace
