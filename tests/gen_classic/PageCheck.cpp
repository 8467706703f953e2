#include "tests/gen_classic/PageCheck.h"

#include <fstream>
#include <regex>
#include <sstream>

std::vector<std::string> CheckIncludes(const std::string& page, const std::filesystem::path& folder)
{
    std::vector<std::string> problems;
    const std::regex include(R"re(<!--\s*#include\s+file\s*=\s*"([^"]*)"\s*-->)re",
                             std::regex::icase);
    for (auto it = std::sregex_iterator(page.begin(), page.end(), include);
         it != std::sregex_iterator(); ++it)
    {
        const std::string name = (*it)[1];
        if (!std::filesystem::is_regular_file(folder / name))
            problems.push_back("include " + name + " does not resolve from " + folder.string());
    }
    return problems;
}

std::vector<std::string> CheckPageFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {"cannot read " + path.string()};
    std::ostringstream text;
    text << in.rdbuf();
    const std::string page = text.str();
    std::vector<std::string> problems = CheckPageText(page);
    for (const std::string& problem : CheckIncludes(page, path.parent_path()))
        problems.push_back(problem);
    return problems;
}

std::vector<std::string> PageScripts(const std::string& page)
{
    std::vector<std::string> scripts;
    const std::regex element(R"(<script[^>]*>([\s\S]*?)</script\s*>)", std::regex::icase);
    const std::regex island(R"(<%[\s\S]*?%>)");
    for (auto it = std::sregex_iterator(page.begin(), page.end(), element);
         it != std::sregex_iterator(); ++it)
        scripts.push_back(std::regex_replace((*it)[1].str(), island, "0"));
    return scripts;
}
