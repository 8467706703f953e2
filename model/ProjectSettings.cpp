#include "model/ProjectSettings.h"

#include "model/ArchiveIO.h"
#include "model/FileUtilities.h"
#include "platform/core/HostPath.h"

IMPLEMENT_SERIAL(ProjectSettings, CObject, 0)

void ProjectSettings::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_dateFormat << m_databaseName << m_serverName << m_userId << m_password;
        ar << m_connectionStringMode << m_connectionString << m_reservedText << m_projectPath;
        ar << m_databaseKind << m_projectName << m_pageTemplate << m_sqlServerAuthentication;
        WriteBoolInt(ar, m_confirmations);
        ar << m_themeName << m_colorSchemeName << m_visualStudioVersion << m_masterPageFile;
        ar << m_databaseServerEdition;
        return;
    }
    const int version = ArchiveVersion();
    ar >> m_dateFormat >> m_databaseName >> m_serverName >> m_userId >> m_password;
    ar >> m_connectionStringMode >> m_connectionString >> m_reservedText >> m_projectPath;
    ar >> m_databaseKind >> m_projectName;
    if (version > 79)
        ar >> m_pageTemplate >> m_sqlServerAuthentication;
    if (version > 81)
        m_confirmations = ReadBoolInt(ar);
    if (version > 84)
        ar >> m_themeName >> m_colorSchemeName >> m_visualStudioVersion;
    if (version > 85)
        ar >> m_masterPageFile;
    if (version > 86)
        ar >> m_databaseServerEdition;
}

void ProjectSettings::SetProjectPath(CString path)
{
    if (path.IsEmpty() || path.GetAt(path.GetLength() - 1) != '\\')
        path += '\\';
    m_projectPath = path;
    CreateProjectPathFolders();
    const CString projectFolder = m_projectPath + m_projectName;
    CreateFolderIfMissing(projectFolder);
    CreateFolderIfMissing(projectFolder + "\\" + m_projectName);
}

void ProjectSettings::CreateProjectPathFolders()
{
    EnsureFolderChain(m_projectPath);
}

CString ProjectSettings::GetTemplatePath() const
{
    CString path(ProgramFolder());
    if (m_pageTemplate < 3)
        path += "\\_system\\Templates\\Template1.aspx";
    else if (m_pageTemplate < 6)
        path += "\\_system\\Templates\\Template2.aspx";
    return path;
}

CString ProjectSettings::GetClassicTemplatePath()
{
    return CString(ProgramFolder()) + "\\_system\\Templates\\Template.asp";
}

void ProjectSettings::GetReportViewerVersion(CString& version) const
{
    version = m_visualStudioVersion == 3 ? "9.0.0.0" : "8.0.0.0";
}
