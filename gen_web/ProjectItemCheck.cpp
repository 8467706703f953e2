#include "gen_web/ProjectItemCheck.h"

#include "entities/AspFile.h"
#include "entities/FormInterface.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/XSDInfo.h"
#include "gen_web/AspNetPages.h"
#include "gen_web/ProjectFolder.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/Module.h"
#include "model/OutputRoot.h"
#include "platform/core/CFile.h"
#include "platform/core/HostPath.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <system_error>
#include <unordered_map>
#include <vector>

namespace
{
// The attribute value with the entities of the project file's writer resolved.
std::string UnescapedAttribute(const std::string& value)
{
    static const std::pair<std::string_view, char> entities[] = {
        {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}, {"&amp;", '&'}};
    std::string text;
    for (std::size_t at = 0; at < value.size();)
    {
        const auto* entity =
            std::ranges::find_if(entities, [&value, at](const auto& pair)
                                 { return value.compare(at, pair.first.size(), pair.first) == 0; });
        if (entity != std::end(entities))
        {
            text += entity->second;
            at += entity->first.size();
        }
        else
            text += value[at++];
    }
    return text;
}

// The Include values of the Compile and Content items, in file order.
std::vector<std::string> CheckedIncludes(const std::string& projectFile)
{
    static constexpr std::string_view include = " Include=\"";
    std::vector<std::string> includes;
    for (std::size_t at = projectFile.find(include); at != std::string::npos;
         at = projectFile.find(include, at))
    {
        const std::size_t tag = projectFile.rfind('<', at);
        const std::string_view name = std::string_view(projectFile).substr(tag + 1, at - tag - 1);
        at += include.size();
        const std::size_t end = projectFile.find('"', at);
        if (end == std::string::npos)
            break;
        if (tag != std::string::npos && (name == "Compile" || name == "Content"))
            includes.push_back(UnescapedAttribute(projectFile.substr(at, end - at)));
    }
    return includes;
}

// The include of a data set's code file: its path without ".xsd", then ".Designer.cs".
std::string CodeOf(const XSDInfo& dataSet)
{
    const CString& name = dataSet.GetName();
    return std::string(name.Left(name.GetLength() - 4)) + ".Designer.cs";
}

// The files that the run writes for the pages, data classes and data sets of the modules it
// writes, in their folders. The code of a data set is the run's only when the data set is one
// the run writes for a table (status 0, named table + "_SelectAllRecords"): the others are the
// user's, made in the web project. The files that are not the run's are looked for on disk.
class FilesOfTheRun
{
public:
    FilesOfTheRun(const ForgeonProject& project, const Module* writtenModule)
    {
        for (const Module* module : project.GetModules())
        {
            if (writtenModule == nullptr || module == writtenModule)
                m_folders.push_back(std::string(module->GetName()) + "\\");
            for (const RDLCReport* report : module->GetRDLCReports())
            {
                if (report->GetXSDInfo() != nullptr)
                    AddDataSet(*report->GetXSDInfo());
            }
        }
        for (const XSDInfo* dataSet : project.GetXSDInfos())
            AddDataSet(*dataSet);
    }

    bool Contains(const std::string& include) const
    {
        if (std::ranges::none_of(m_folders, [&include](const std::string& folder)
                                 { return include.starts_with(folder); }))
            return false;
        const auto code = m_dataSetCode.find(include);
        return code == m_dataSetCode.end() || code->second;
    }

private:
    void AddDataSet(const XSDInfo& dataSet)
    {
        m_dataSetCode.emplace(
            CodeOf(dataSet), dataSet.GetStatus() == 0 &&
                                 std::string(dataSet.GetName()).ends_with("_SelectAllRecords.xsd"));
    }

    std::vector<std::string> m_folders;
    // Whether the run writes the code file of each data set.
    std::unordered_map<std::string, bool> m_dataSetCode;
};

// The pages that need the files of the modules' folders: the RDLC reports by the code files of
// their data sets, the pages by their files in their module's "UI" folder. Indexed once, at the
// first file missing.
class PagesNeedingFiles
{
public:
    explicit PagesNeedingFiles(const ForgeonProject& project) : m_project(project) {}

    CString ReasonFor(const std::string& include)
    {
        if (!m_indexed)
            Index();
        CString reason = "listed in the project file but not written";
        auto found = m_pages.find(include);
        if (found == m_pages.end())
            found = m_pages.find(include.substr(0, include.find(".aspx")));
        if (found != m_pages.end())
            reason += "; the page " + found->second + " needs it";
        return reason;
    }

private:
    void Index()
    {
        m_indexed = true;
        for (const Module* module : m_project.GetModules())
        {
            for (const RDLCReport* report : module->GetRDLCReports())
            {
                if (report->GetXSDInfo() != nullptr)
                    m_pages.emplace(CodeOf(*report->GetXSDInfo()), report->GetFormName());
                if (report->GetRDLCInfo() == nullptr)
                    continue;
                for (const RDLCDataSetEntry& entry : report->GetRDLCInfo()->GetEntries())
                {
                    if (const XSDInfo* dataSet =
                            m_project.FindXSDInfoMatchingName(entry.m_dataSetName + ".xsd"))
                        m_pages.emplace(CodeOf(*dataSet), report->GetFormName());
                }
            }
        }
        for (const Module* module : m_project.GetModules())
        {
            const std::string folder = std::string(module->GetName()) + "\\UI\\";
            for (const FormInterface* page : PagesWithAspNetWriter(*module))
            {
                for (const AspFile* file : page->GetAspFiles())
                {
                    const std::string fileName(file->GetDefaultFileName());
                    if (fileName.empty())
                        continue;
                    const std::string stem = folder + fileName.substr(0, fileName.find(".aspx"));
                    m_pages.emplace(stem, page->GetFormName());
                    m_pages.emplace(stem + "_Print", page->GetFormName());
                }
            }
        }
    }

    const ForgeonProject& m_project;
    bool m_indexed = false;
    std::unordered_map<std::string, CString> m_pages;
};
} // namespace

void ReportMissingProjectItems(const ForgeonProject& project, GenerationReport& report,
                               const Module* writtenModule)
{
    const CString root = GetOutputRoot(project);
    std::string refusal;
    const std::optional<std::string> text =
        ReadRegularFile(ToHostPath(root + project.GetProjectName() + ".csproj"), refusal);
    if (!text)
        return;
    // A file that the run named already is not named twice.
    std::set<std::string> named;
    for (const GenerationReport::Entry& entry : report.GetUnwrittenFiles())
        named.insert(NormalHostPath(entry.name));
    PagesNeedingFiles pages(project);
    const FilesOfTheRun filesOfTheRun(project, writtenModule);
    for (const std::string& include : CheckedIncludes(*text))
    {
        const CString path = root + include.c_str();
        if (named.contains(NormalHostPath(path)) || report.HasAccountedFor(path))
            continue;
        // A file of the last run still on disk is no file of this one.
        if (filesOfTheRun.Contains(include))
        {
            report.AddUnwrittenFile(path, pages.ReasonFor(include));
            continue;
        }
        std::error_code error;
        const std::filesystem::file_status status =
            std::filesystem::status(ToHostPath(path), error);
        if (error && error != std::errc::no_such_file_or_directory)
            report.AddUnwrittenFile(path, error.message().c_str());
        else if (!std::filesystem::is_regular_file(status))
            report.AddUnwrittenFile(path, pages.ReasonFor(include));
    }
}
