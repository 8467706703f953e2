#pragma once

#include "gen_web/ProjectWriterSet.h"

#include "tests/gen_web/ToolRun.h"

#include <filesystem>
#include <string>

// The references of an ASP.NET 2.0 web application project.
inline const char* const references =
    " -r:System -r:System.Data -r:System.Xml -r:System.Web -r:System.Configuration"
    " -r:System.Drawing";

// The Visual Studio files and the six Util classes, through the driver's writer set.
inline void WriteUtilClasses(ProjectWriterSet& writers)
{
    writers.WriteVSProject();
    for (const char* name : {"DBHandler.cs", "ControlFieldHandler.cs", "UtilHandler.cs",
                             "CSSHandler.cs", "ReportXMLWriter.cs"})
        writers.WriteUtilClass(name);
    writers.WriteMenus();
}

// The project's Util classes with its AssemblyInfo.cs, compiled into Util.dll beside them.
inline ToolResult CompileUtilLibrary(const std::filesystem::path& application)
{
    const std::filesystem::path util = application / "Util";
    std::string sources;
    for (const char* name : {"DBHandler.cs", "ControlFieldHandler.cs", "UtilHandler.cs",
                             "CSSHandler.cs", "ReportXMLWriter.cs", "Menus.cs"})
        sources += " " + ShellQuoted(util / name);
    sources += " " + ShellQuoted(application / "Properties" / "AssemblyInfo.cs");
    return RunTool("mcs -warnaserror -target:library -out:" + ShellQuoted(util / "Util.dll") +
                   references + sources);
}
