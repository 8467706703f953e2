#pragma once

#include "gen_web/AspxWriteAll.h"
#include "gen_web/ProjectFolder.h"
#include "model/ForgeonProject.h"
#include "model/ProjectSettings.h"
#include "platform/core/HostPath.h"

#include "tests/gen_web/GenWebProject.h"
#include "tests/gen_web/PreparedProjectFolder.h"
#include "tests/gen_web/ToolRun.h"
#include "tests/site/ReportViewerReference.h"
#include "tests/site/ServedSite.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <vector>

#ifndef WEAVO_NODE_TESTS
#error "WEAVO_NODE_TESTS names the folder of the browser tests and their node modules"
#endif

namespace served_site
{
namespace fs = std::filesystem;

inline std::string Lowered(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The project's items of one kind ("Content", "Compile" ...), "\" as "/", XML entities resolved.
inline std::vector<std::string> Items(const std::string& projectFile, const std::string& kind)
{
    const std::regex item("<(" + kind + R"re()\s+Include="([^"]*)")re");
    std::vector<std::string> items;
    for (auto it = std::sregex_iterator(projectFile.begin(), projectFile.end(), item);
         it != std::sregex_iterator(); ++it)
    {
        std::string include = std::regex_replace((*it)[2].str(), std::regex("&amp;"), "&");
        std::ranges::replace(include, '\\', '/');
        items.push_back(include);
    }
    return items;
}

// The written files below the folder by their relative path in lower case.
inline std::map<std::string, fs::path> WrittenFiles(const fs::path& folder)
{
    std::map<std::string, fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[Lowered(entry.path().lexically_relative(folder).generic_string())] = entry.path();
    return files;
}

// The configuration as served here: without the report viewer's handler, assemblies and build
// provider, which the site does not load, and with the request path check of Mono's runtime
// letting "&" through (a module name, and so a folder, may hold one) and its check of the
// posted values following the pages' setting, as the ASP.NET 2.0 runtime that the projects
// target does.
inline std::string ServedConfiguration(const std::string& config)
{
    std::string served;
    std::size_t start = 0;
    while (start < config.size())
    {
        std::size_t end = config.find('\n', start);
        end = end == std::string::npos ? config.size() : end + 1;
        const std::string line = config.substr(start, end - start);
        if (line.find("ReportViewer") == std::string::npos)
            served += line;
        if (line.find("<system.web>") != std::string::npos)
            served += "<httpRuntime requestValidationMode=\"2.0\" "
                      "requestPathInvalidCharacters=\"&lt;,&gt;,*,%,:,\\,?\" />\r\n";
        start = end;
    }
    return served;
}

// A project written by Write All, its site served by Mono's FastCGI server behind nginx.
class GeneratedSite
{
public:
    GeneratedSite(ForgeonProject& project, const fs::path& root) : m_project(project), m_root(root)
    {
        ProjectSettings* settings = project.GetProjectSettings();
        settings->SetThemeName("theme1");
        settings->SetColorSchemeName("scheme1");
        settings->SetMasterPageFile("Main.Master");
    }

    // Folder set-up, theme copy and Write All as the shell runs them.
    void Write()
    {
        PrepareProjectFolder(m_project);
        AspxWriteAll writeAll(&m_project);
        ASSERT_TRUE(writeAll.Run(nullptr)) << writeAll.GetReport().GetText();
        const std::string name = m_project.GetProjectName().GetString();
        m_application = m_root / name / name;
        m_projectFile = ReadHostFile(m_application / (name + ".csproj"));
        ASSERT_FALSE(m_projectFile.empty());
    }

    // Every Include of the project file names a written file (case aside); the Compile items
    // are compiled with mcs into bin/<project>.dll, a file of the replacements (by Include in
    // lower case) in place of the written one. The sources go to mcs in a response file, a line
    // each, as a site's list may be longer than one argument of a command may be.
    void CheckAndCompile(const std::map<std::string, fs::path>& replacements = {})
    {
        const std::map<std::string, fs::path> written = WrittenFiles(m_application);
        for (const char* kind : {"Content", "Compile", "None", "EmbeddedResource"})
            for (const std::string& include : Items(m_projectFile, kind))
                EXPECT_TRUE(written.contains(Lowered(include))) << kind << " " << include;
        std::string sources;
        for (const std::string& include : Items(m_projectFile, "Compile"))
        {
            if (const auto replacement = replacements.find(Lowered(include));
                replacement != replacements.end())
                sources += "\"" + replacement->second.string() + "\"\n";
            else if (const auto file = written.find(Lowered(include)); file != written.end())
                sources += "\"" + file->second.string() + "\"\n";
        }
        const fs::path sourceList = m_root / "sources.rsp";
        WriteHostFile(sourceList, sources);
        const std::string name = m_project.GetProjectName().GetString();
        fs::create_directories(m_application / "bin");
        const ToolResult compile =
            RunTool("mcs -nowarn:169,219,414,162 -target:library -out:" +
                    ShellQuoted(m_application / "bin" / (name + ".dll")) +
                    " -r:System -r:System.Data -r:System.Xml -r:System.Web -r:System.Configuration"
                    " -r:System.Drawing" +
                    ReportViewerReferences(m_application / "bin") + " @" + ShellQuoted(sourceList));
        ASSERT_EQ(0, compile.exitCode) << compile.output;
    }

    // The pages of the project file, relative to the application folder.
    std::vector<std::string> Pages() const
    {
        std::vector<std::string> pages;
        for (const std::string& include : Items(m_projectFile, "Content"))
            if (include.ends_with(".aspx"))
                pages.push_back(include);
        return pages;
    }

    // Serves the application and runs the browser tests' script on it, given the site's
    // address and the arguments.
    ToolResult Serve(const std::string& script, const std::vector<std::string>& arguments)
    {
        const fs::path run = m_root / "served";
        fs::create_directories(run / "aspnet");
        WriteHostFile(m_application / "Web.config",
                      ServedConfiguration(ReadHostFile(m_application / "Web.config")));
        const int fastCgiPort = FreeLoopbackPort();
        ServerProcess mono({"fastcgi-mono-server4", "--applications=/:" + m_application.string(),
                            "--socket=tcp:127.0.0.1:" + std::to_string(fastCgiPort)},
                           {"TMPDIR=" + (run / "aspnet").string(), "HOME=" + run.string()},
                           run / "mono.log");
        if (!mono.WaitForPort(fastCgiPort, 60))
            return {-1,
                    "the FastCGI server did not start:\n" + ReadHostFileIfAny(run / "mono.log")};
        const int webPort = FreeLoopbackPort();
        WriteHostFile(run / "nginx.conf", NginxConfiguration(run, webPort, fastCgiPort));
        ServerProcess nginx({"nginx", "-c", (run / "nginx.conf").string(), "-p", run.string()}, {},
                            run / "nginx.log");
        if (!nginx.WaitForPort(webPort, 20))
            return {-1, "nginx did not start:\n" + ReadHostFileIfAny(run / "nginx.log") +
                            ReadHostFileIfAny(run / "error.log")};
        std::string command = "node " + ShellQuoted(fs::path(WEAVO_NODE_TESTS) / script) +
                              " http://127.0.0.1:" + std::to_string(webPort);
        for (const std::string& argument : arguments)
            command += " " + ShellQuoted(argument);
        ToolResult check = RunTool(command);
        if (check.exitCode != 0)
            check.output += "\nFastCGI server log:\n" + ReadHostFileIfAny(run / "mono.log");
        return check;
    }

private:
    static std::string NginxConfiguration(const fs::path& run, int webPort, int fastCgiPort)
    {
        const std::string folder = run.string();
        return "daemon off;\n"
               "worker_processes 1;\n"
               "pid " +
               folder +
               "/nginx.pid;\n"
               "error_log " +
               folder +
               "/error.log;\n"
               "events { worker_connections 64; }\n"
               "http {\n"
               "    access_log " +
               folder +
               "/access.log;\n"
               "    client_body_temp_path " +
               folder +
               "/body;\n"
               "    fastcgi_temp_path " +
               folder +
               "/fastcgi;\n"
               "    proxy_temp_path " +
               folder +
               "/proxy;\n"
               "    uwsgi_temp_path " +
               folder +
               "/uwsgi;\n"
               "    scgi_temp_path " +
               folder +
               "/scgi;\n"
               "    # Requests as large as the application takes, kept in memory: the workers\n"
               "    # may not write into the test's folder.\n"
               "    client_max_body_size 16m;\n"
               "    client_body_buffer_size 16m;\n"
               "    # A busy machine answers a page slowly (the first request of a page compiles\n"
               "    # it): the gateway waits for it as long as a test's limit allows.\n"
               "    fastcgi_read_timeout 300s;\n"
               "    fastcgi_send_timeout 300s;\n"
               "    server {\n"
               "        listen 127.0.0.1:" +
               std::to_string(webPort) +
               ";\n"
               "        # The assemblies' folder, refused as IIS refuses it.\n"
               "        location ^~ /bin/ {\n"
               "            return 404;\n"
               "        }\n"
               "        location / {\n"
               "            include /etc/nginx/fastcgi_params;\n"
               "            fastcgi_param SCRIPT_FILENAME $document_root$fastcgi_script_name;\n"
               "            fastcgi_param PATH_INFO \"\";\n"
               "            fastcgi_pass 127.0.0.1:" +
               std::to_string(fastCgiPort) +
               ";\n"
               "        }\n"
               "    }\n"
               "}\n";
    }

    ForgeonProject& m_project;
    fs::path m_root;
    fs::path m_application;
    std::string m_projectFile;
};
} // namespace served_site
