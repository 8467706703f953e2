#include "gen_web/ProjectItemCheck.h"

#include "gen_web/ProjectFolder.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "platform/core/HostPath.h"

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace
{
// The attribute value with the entities of the project file's writer resolved.
std::string UnescapedAttribute(std::string value)
{
    static const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, character] : entities)
        value = std::regex_replace(value, std::regex(entity), character);
    return value;
}
} // namespace

void ReportMissingProjectItems(const ForgeonProject& project, GenerationReport& report)
{
    const CString root = GetOutputRoot(project);
    std::ifstream file(ToHostPath(root + project.GetProjectName() + ".csproj"), std::ios::binary);
    if (!file)
        return;
    std::ostringstream text;
    text << file.rdbuf();
    const std::string projectFile = text.str();
    static const std::regex item(R"re(<(Compile|Content)\s+Include="([^"]*)")re");
    for (auto it = std::sregex_iterator(projectFile.begin(), projectFile.end(), item);
         it != std::sregex_iterator(); ++it)
    {
        const CString path = root + UnescapedAttribute((*it)[2].str()).c_str();
        if (!std::filesystem::is_regular_file(ToHostPath(path)))
            report.AddUnwrittenFile(path, "listed in the project file but not written");
    }
}
