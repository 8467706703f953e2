#include "gen_web/ProjectItemCheck.h"

#include "gen_web/ProjectFolder.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
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
} // namespace

void ReportMissingProjectItems(const ForgeonProject& project, GenerationReport& report)
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
        if (named.contains(NormalHostPath(path)))
            continue;
        std::error_code error;
        const std::filesystem::file_status status =
            std::filesystem::status(ToHostPath(path), error);
        if (error && error != std::errc::no_such_file_or_directory)
            report.AddUnwrittenFile(path, error.message().c_str());
        else if (!std::filesystem::is_regular_file(status))
            report.AddUnwrittenFile(path, "listed in the project file but not written");
    }
}
