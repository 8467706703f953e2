#pragma once

#include "tests/gen_web/GenWebProject.h"
#include "tests/gen_web/ToolRun.h"

#include <filesystem>

// The report viewer's assembly is not on this machine. Its stand-in declares only the types and
// members the generated report pages use, in their code and in their markup, with their
// signatures, so that a page that names one wrongly does not compile; it renders nothing.
inline const char* const reportViewerDeclarations = R"(using System;
using System.Web.UI;
using System.Web.UI.WebControls;

namespace Microsoft.Reporting.WebForms
{
    public sealed class Warning
    {
    }

    public sealed class ReportDataSource
    {
        private string name;
        private object value;
        private string dataSourceId;

        public ReportDataSource()
        {
        }

        public string Name
        {
            get { return name; }
            set { name = value; }
        }

        public object Value
        {
            get { return value; }
            set { this.value = value; }
        }

        public string DataSourceId
        {
            get { return dataSourceId; }
            set { dataSourceId = value; }
        }
    }

    public sealed class ReportDataSourceCollection
        : System.Collections.ObjectModel.Collection<ReportDataSource>
    {
    }

    public sealed class LocalReport
    {
        private readonly ReportDataSourceCollection dataSources = new ReportDataSourceCollection();
        private string reportPath;

        public string ReportPath
        {
            get { return reportPath; }
            set { reportPath = value; }
        }

        [PersistenceMode(PersistenceMode.InnerProperty)]
        public ReportDataSourceCollection DataSources
        {
            get { return dataSources; }
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

    [ParseChildren(true)]
    [PersistChildren(false)]
    public class ReportViewer : WebControl
    {
        private readonly LocalReport localReport = new LocalReport();

        [PersistenceMode(PersistenceMode.InnerProperty)]
        public LocalReport LocalReport
        {
            get { return localReport; }
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
