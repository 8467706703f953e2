#pragma once

#include "tests/gen_web/GenWebProject.h"
#include "tests/gen_web/ToolRun.h"

#include <filesystem>

// The report viewer's assembly is not on this machine. Its stand-in declares only the types and
// members the generated report pages use, with their signatures, so that a page that names one
// wrongly does not compile; nothing of it runs.
inline const char* const reportViewerDeclarations = R"(using System;
using System.Web.UI.WebControls;

namespace Microsoft.Reporting.WebForms
{
    public sealed class Warning
    {
    }

    public sealed class ReportDataSource
    {
        public ReportDataSource()
        {
        }

        public string Name
        {
            get { return null; }
            set { }
        }

        public object Value
        {
            get { return null; }
            set { }
        }
    }

    public sealed class ReportDataSourceCollection
    {
        public void Add(ReportDataSource item)
        {
        }

        public void Clear()
        {
        }
    }

    public sealed class LocalReport
    {
        public ReportDataSourceCollection DataSources
        {
            get { return null; }
        }

        public void Refresh()
        {
        }

        public byte[] Render(string format, string deviceInfo, out string mimeType,
                             out string encoding, out string fileNameExtension,
                             out string[] streams, out Warning[] warnings)
        {
            throw new NotSupportedException();
        }
    }

    public class ReportViewer : WebControl
    {
        public LocalReport LocalReport
        {
            get { return null; }
        }
    }
}
)";

// The stand-in compiled as Microsoft.ReportViewer.WebForms.dll into the folder.
inline ToolResult BuildReportViewerAssembly(const std::filesystem::path& folder)
{
    const std::filesystem::path source = folder / "ReportViewerDeclarations.cs";
    WriteHostFile(source, reportViewerDeclarations);
    return RunTool("mcs -warnaserror -target:library -r:System.Web -out:" +
                   ShellQuoted(folder / "Microsoft.ReportViewer.WebForms.dll") + " " +
                   ShellQuoted(source));
}
