#pragma once

#include <filesystem>
#include <string>

// The mcs arguments that let the report-viewer pages of a project compile: " -r:" and the
// reference assembly of the report-viewer types, built into the folder given (the site's bin
// folder, where the served pages load it from). The pages of RDLC reports are the only users of
// those types; while they are not written no reference is needed.
inline std::string ReportViewerReferences(const std::filesystem::path& /*binFolder*/)
{
    return "";
}
