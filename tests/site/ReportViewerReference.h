#pragma once

#include "tests/gen_web/ReportViewerAssembly.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

// The mcs arguments that let the report-viewer pages of a project compile: " -r:" and the
// stand-in of the report viewer's assembly, built into the folder given (the site's bin folder,
// where the served pages load it from).
inline std::string ReportViewerReferences(const std::filesystem::path& binFolder)
{
    const ToolResult built = BuildReportViewerAssembly(binFolder);
    EXPECT_EQ(0, built.exitCode) << built.output;
    return " -r:" + ShellQuoted(binFolder / "Microsoft.ReportViewer.WebForms.dll");
}
