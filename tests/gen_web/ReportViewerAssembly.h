#pragma once

#include "tests/gen_web/GenWebProject.h"
#include "tests/gen_web/ToolRun.h"

#include <filesystem>

// The report viewer's assembly is not on this machine. Its stand-in declares only the types and
// members the generated report pages use, in their code and in their markup, with their
// signatures, so that a page that names one wrongly does not compile; it renders a one-page PDF
// document that lists the rows of its data sources, one line each.
inline const char* const reportViewerDeclarations = R"(using System;
using System.Data;
using System.Text;
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
            mimeType = "application/pdf";
            encoding = null;
            fileNameExtension = "pdf";
            streams = new string[0];
            warnings = new Warning[0];
            StringBuilder text = new StringBuilder("BT /F1 10 Tf 36 756 Td 12 TL");
            foreach (ReportDataSource source in dataSources)
            {
                DataTable table = source.Value as DataTable;
                if (table == null)
                    continue;
                foreach (DataRow row in table.Rows)
                {
                    StringBuilder line = new StringBuilder();
                    foreach (object item in row.ItemArray)
                        line.Append(item).Append(" | ");
                    text.Append(" (").Append(PdfText(line.ToString())).Append(") '");
                }
            }
            text.Append(" ET");
            return PdfDocument(text.ToString());
        }

        static string PdfText(string text)
        {
            StringBuilder escaped = new StringBuilder();
            foreach (char c in text)
            {
                if (c == '(' || c == ')' || c == '\\')
                    escaped.Append('\\');
                escaped.Append(c < ' ' || c > '~' ? '?' : c);
            }
            return escaped.ToString();
        }

        // A letter-size page showing the content stream in Helvetica.
        static byte[] PdfDocument(string content)
        {
            string[] objects = {
                "<< /Type /Catalog /Pages 2 0 R >>",
                "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Contents 4 0 R " +
                    "/Resources << /Font << /F1 5 0 R >> >> >>",
                "<< /Length " + content.Length + " >>\nstream\n" + content + "\nendstream",
                "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>",
            };
            StringBuilder pdf = new StringBuilder("%PDF-1.4\n");
            StringBuilder offsets = new StringBuilder();
            for (int i = 0; i < objects.Length; i++)
            {
                offsets.Append(pdf.Length.ToString("D10")).Append(" 00000 n \n");
                pdf.Append(i + 1).Append(" 0 obj\n").Append(objects[i]).Append("\nendobj\n");
            }
            int xref = pdf.Length;
            pdf.Append("xref\n0 ").Append(objects.Length + 1).Append("\n0000000000 65535 f \n");
            pdf.Append(offsets).Append("trailer\n<< /Size ").Append(objects.Length + 1);
            pdf.Append(" /Root 1 0 R >>\nstartxref\n").Append(xref).Append("\n%%EOF\n");
            return Encoding.ASCII.GetBytes(pdf.ToString());
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
    return RunTool("mcs -warnaserror -target:library -r:System.Web -r:System.Data -out:" +
                   ShellQuoted(folder / "Microsoft.ReportViewer.WebForms.dll") + " " +
                   ShellQuoted(source));
}
