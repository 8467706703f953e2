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

// The data set whose code file the include names: its path without ".xsd", then ".Designer.cs".
bool IsCodeOfDataSet(const std::string& include, const XSDInfo& dataSet)
{
    const CString& name = dataSet.GetName();
    return include == std::string(name.Left(name.GetLength() - 4)) + ".Designer.cs";
}

// Every data set the project lists, its own and those of the RDLC reports.
std::vector<const XSDInfo*> DataSetsOf(const ForgeonProject& project)
{
    std::vector<const XSDInfo*> dataSets(project.GetXSDInfos().begin(),
                                         project.GetXSDInfos().end());
    for (const Module* module : project.GetModules())
    {
        for (const RDLCReport* report : module->GetRDLCReports())
        {
            if (report->GetXSDInfo() != nullptr)
                dataSets.push_back(report->GetXSDInfo());
        }
    }
    return dataSets;
}

// A file that the run writes for the pages, data classes and data sets of a module it writes,
// in that module's folder. The code of a data set is the run's only when the data set is one
// the run writes for a table (status 0, named table + "_SelectAllRecords"): the others are the
// user's, made in the web project. The files that are not the run's are looked for on disk.
bool IsWrittenByTheRun(const ForgeonProject& project, const Module* writtenModule,
                       const std::string& include)
{
    const bool inWrittenModule =
        std::ranges::any_of(project.GetModules(),
                            [writtenModule, &include](const Module* module)
                            {
                                return (writtenModule == nullptr || module == writtenModule) &&
                                       include.starts_with(std::string(module->GetName()) + "\\");
                            });
    if (!inWrittenModule)
        return false;
    for (const XSDInfo* dataSet : DataSetsOf(project))
    {
        if (IsCodeOfDataSet(include, *dataSet))
            return dataSet->GetStatus() == 0 &&
                   std::string(dataSet->GetName()).ends_with("_SelectAllRecords.xsd");
    }
    return true;
}

// The RDLC report whose data set has the code file, or the page whose files the module's "UI"
// folder holds under the include; empty when none.
CString PageNeeding(const ForgeonProject& project, const std::string& include)
{
    for (const Module* module : project.GetModules())
    {
        for (const RDLCReport* report : module->GetRDLCReports())
        {
            const XSDInfo* own = report->GetXSDInfo();
            const RDLCInfo* layout = report->GetRDLCInfo();
            if ((own != nullptr && IsCodeOfDataSet(include, *own)) ||
                (layout != nullptr &&
                 std::ranges::any_of(layout->GetEntries(),
                                     [&project, &include](const RDLCDataSetEntry& entry)
                                     {
                                         const XSDInfo* dataSet = project.FindXSDInfoMatchingName(
                                             entry.m_dataSetName + ".xsd");
                                         return dataSet != nullptr &&
                                                IsCodeOfDataSet(include, *dataSet);
                                     })))
                return report->GetFormName();
        }
        const std::string folder = std::string(module->GetName()) + "\\UI\\";
        if (!include.starts_with(folder))
            continue;
        const std::string fileName = include.substr(folder.size());
        const std::string stem = fileName.substr(0, fileName.find(".aspx"));
        for (const FormInterface* page : PagesWithAspNetWriter(*module))
        {
            for (const AspFile* file : page->GetAspFiles())
            {
                const CString own = file->GetDefaultFileName();
                const std::string ownStem(
                    own.Left(own.Find(".aspx") < 0 ? own.GetLength() : own.Find(".aspx")));
                if (!ownStem.empty() && (stem == ownStem || stem == ownStem + "_Print"))
                    return page->GetFormName();
            }
        }
    }
    return CString();
}

CString NotWrittenReason(const ForgeonProject& project, const std::string& include)
{
    const CString page = PageNeeding(project, include);
    CString reason = "listed in the project file but not written";
    if (!page.IsEmpty())
        reason += "; the page " + page + " needs it";
    return reason;
}
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
    for (const std::string& include : CheckedIncludes(*text))
    {
        const CString path = root + include.c_str();
        if (named.contains(NormalHostPath(path)) || report.HasAccountedFor(path))
            continue;
        // A file of the last run still on disk is no file of this one.
        if (IsWrittenByTheRun(project, writtenModule, include))
        {
            report.AddUnwrittenFile(path, NotWrittenReason(project, include));
            continue;
        }
        std::error_code error;
        const std::filesystem::file_status status =
            std::filesystem::status(ToHostPath(path), error);
        if (error && error != std::errc::no_such_file_or_directory)
            report.AddUnwrittenFile(path, error.message().c_str());
        else if (!std::filesystem::is_regular_file(status))
            report.AddUnwrittenFile(path, NotWrittenReason(project, include));
    }
}
