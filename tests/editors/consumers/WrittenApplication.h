#pragma once

#include "tests/gen_web/GenWebProject.h"
#include "tests/gen_web/ReportViewerAssembly.h"
#include "tests/gen_web/UtilLibrary.h"

#include <filesystem>
#include <string>

// Compiles every C# file Write All wrote below the application folder, with the report viewer's
// stand-in, into the given library, warnings as errors but those of the numbers given; the
// result of mcs, or of the stand-in's build when that fails.
inline ToolResult CompileWrittenApplication(const std::filesystem::path& application,
                                            const std::filesystem::path& library,
                                            const std::string& allowedWarnings = "169,219,414")
{
    const ToolResult viewer = BuildReportViewerAssembly(application);
    if (viewer.exitCode != 0)
        return viewer;
    std::string sources;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(application))
    {
        if (entry.path().extension() == ".cs" &&
            entry.path().filename() != "ReportViewerDeclarations.cs")
            sources += " " + ShellQuoted(entry.path());
    }
    return RunTool(
        "mcs -warnaserror -nowarn:" + allowedWarnings + " -target:library -out:" + ShellQuoted(library) +
        references + " -r:" + ShellQuoted(application / "Microsoft.ReportViewer.WebForms.dll") +
        sources);
}
