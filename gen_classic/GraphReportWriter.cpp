#include "gen_classic/GraphReportWriter.h"

#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/Function.h"
#include "entities/GraphData.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ReportGroup.h"
#include "entities/Variable.h"
#include "gen_classic/ClassicText.h"
#include "gen_classic/FormControlWriter.h"
#include "gen_classic/PagePrologue.h"
#include "model/FieldRep.h"
#include "model/GenerationReport.h"
#include "platform/core/LiteralEscaping.h"

#include <algorithm>

namespace
{
const int chartDataFileKind = 11;

Procedure* FirstGroupProcedure(const ApplicationReport& report)
{
    const auto& groups = report.GetReportGroups();
    const ProcedureInvokation* call = groups.empty() ? nullptr : groups.front()->GetProcedureCall();
    return call != nullptr ? call->GetProcedure() : nullptr;
}

// Why the chart data page cannot be written from the report's first group: a report made in
// the report designer fills its groups through functions of the data classes, which only the
// ASP.NET application has.
CString NoChartQueryReason(const ApplicationReport& report)
{
    const auto& groups = report.GetReportGroups();
    const ClassInvokation* call = groups.empty() ? nullptr : groups.front()->GetClassCall();
    if (call == nullptr || call->GetFunction() == nullptr)
        return "the chart data page needs a procedure in the report's first group";
    const CString className = call->GetClass() != nullptr ? call->GetClass()->GetFieldName() : "";
    return "the report's first group calls the function " + className + "." +
           call->GetFunction()->GetFieldName() +
           ", which no classic page can run; the chart data page needs a procedure";
}
} // namespace

GraphReportWriter::GraphReportWriter(ForgeonProject* project, ApplicationReport* report,
                                     GenerationReport& generation)
    : ClassicPageWriter(project, report, generation), m_page(report)
{
}

// Only the pages written are saved: a page file of another kind may share the graph page's
// name.
void GraphReportWriter::Write()
{
    if (m_page->FindAspFileByType(chartDataFileKind) == nullptr)
    {
        const CString reason = FirstGroupProcedure(*m_page) == nullptr
                                   ? NoChartQueryReason(*m_page)
                                   : "the report has no page file for its chart data";
        m_report.AddSkippedPage(m_page->GetFormName() + " (chart data page)", reason);
    }
    for (AspFile* file : m_page->GetAspFiles())
    {
        bool written = false;
        if (file->GetFileKind() == 0)
        {
            WriteGraphPage(file);
            written = true;
        }
        else if (file->GetFileKind() == chartDataFileKind)
            written = WriteChartDataPage(*file);
        if (written)
            SaveInModule(file->GetFileName(FALSE));
    }
}

void GraphReportWriter::WriteGraphPage(AspFile* file)
{
    if (!LoadClassicTemplate())
        m_report.AddSkippedPage(m_page->GetFormName(), "the classic page template is missing");
    std::vector<FieldVariableMap*> maps;
    std::vector<FieldRep*> reads;
    CollectPostedFields(maps, reads);
    if (GraphData* chart = m_page->GetChartData())
    {
        m_textFile.Write(0, "<%%\n");
        Prologue(file).WritePagePrologue({}, maps, reads, 0);
        if (AspFile* data = m_page->FindAspFileByType(chartDataFileKind))
        {
            m_textFile.Write(1, "strDataURL = \"%s\"\n", PageAddress(data, true));
            m_textFile.Write(1, "strGraph = \"./Charts/%s.swf?chartWidth=350&chartHeight=300\"\n\n",
                             chart->GetChartTypeName());
        }
        m_textFile.Write(0, "%%>\n");
    }
    int position = InsertAtNextMarker(0);

    std::vector<FieldRep*> filters;
    for (const ReportGroup* group : m_page->GetReportGroups())
        for (FieldRep* filter : group->GetFilters())
            if (std::find(filters.begin(), filters.end(), filter) == filters.end())
                filters.push_back(filter);
    FormControlWriter controls(file);
    controls.WriteReportScripts(m_page, m_page->GetFormName(), filters, 0, m_textFile);
    position = InsertAtNextMarker(position);

    const CString formName = "frm" + ScriptNamePart(m_page->GetFormName());
    controls.WriteFormOpen(formName, m_textFile, m_page->GetFormName(), 0, "strInfo");
    WriteFilterBlock(file, filters, formName, 4, 4, 1);
    WriteChartBlock();
    controls.WriteFormClose(m_textFile, 0, true);
    InsertAtNextMarker(position);
}

void GraphReportWriter::WriteChartBlock()
{
    m_textFile.Write(1, "<TR>\n");
    m_textFile.Write(
        2, "<TD colspan = %d align=right bgColor=<%%=glb_bgBlank%%> width = \"25%%\">\n", 4);
    m_textFile.Write(3, "<div align=\"center\" class=\"pagetext\" >\n");
    m_textFile.Write(4, "<OBJECT classid=\"\" codebase=\"\" WIDTH=\"450\" HEIGHT=\"300\" "
                        "ALIGN=\"\" VIEWASTEXT>\n");
    m_textFile.Write(5, "<PARAM NAME=\"FlashVars\" value=\"&dataURL=<%%=strDataURL%%>\">\n");
    m_textFile.Write(5, "<PARAM NAME=movie VALUE=\"<%%=strGraph%%>\">\n");
    m_textFile.Write(5, "<PARAM NAME=quality VALUE=high>\n");
    m_textFile.Write(5, "<EMBED src=\"<%%=strGraph%%>\" FlashVars=\"&dataURL=<%%=strDataURL%%>\" "
                        "quality=high bgcolor=#FFFFFF WIDTH=\"450\" HEIGHT=\"300\" ALIGN=\"\" "
                        "TYPE=\"application/x-shockwave-flash\" ></EMBED>\n");
    m_textFile.Write(4, "</OBJECT>\n");
    m_textFile.Write(3, "</div>\n");
    m_textFile.Write(2, "</TD>\n");
    m_textFile.Write(1, "</TR>\n");
}

bool GraphReportWriter::WriteChartDataPage(const AspFile& file)
{
    const Procedure* procedure = FirstGroupProcedure(*m_page);
    if (procedure == nullptr)
    {
        m_report.AddSkippedPage(m_page->GetFormName() + " (" + file.GetFileName(FALSE) + ")",
                                NoChartQueryReason(*m_page));
        return false;
    }
    const GraphData* chart = m_page->GetChartData();
    m_pageText.Empty();
    m_textFile.Write(0, "<%%@ LANGUAGE = \"VBScript\" %%>\n");
    m_textFile.Write(0, "<!-- #include file = \"../_system/includes/functions.asp\"-->\n");
    m_textFile.Write(0, "<!-- #include file = \"../_system/includes/FuncProc.asp\"-->\n");
    m_textFile.Write(0, "<!-- #INCLUDE FILE = \"../_system/includes/FC_Colors.asp\" -->\n");
    m_textFile.Write(0, "\n<%%\n");
    m_textFile.Write(1, "Dim strDataURL\n");
    m_textFile.Write(1, "Dim strXMLData\n");
    m_textFile.Write(1,
                     "strXMLData = \"<graph caption='%s' shownames='1' showvalues='1' "
                     "decimalPrecision='0' numberPrefix='' >\" & vbCrlf\n",
                     VbsLiteral(EscapeXml(chart != nullptr ? chart->GetCaption() : CString())));
    m_textFile.Write(1, "OpenConnection()\n");
    m_textFile.Write(1, "Set oRs = Server.CreateObject(\"ADODB.Recordset\")\n");
    m_textFile.Write(1, "strSQL = \"%s\"\n", ProcedureCallName(procedure->GetName()));
    m_textFile.Write(1, "oRs.Open strSQL, glb_con,1,2\n");
    m_textFile.Write(1, "intCounter=0\n");
    m_textFile.Write(1, "While not oRs.EOF\n");
    m_textFile.Write(2, "intCounter=intCounter+1\n");
    m_textFile.Write(2, "strXMLData = strXMLData & \"<set name='\" & ors(0) & \"' value='\" & "
                        "ors(1) & \"' color='\" & arr_FCColors(intCounter mod intFCColors_count) "
                        "& \"'/>\" & vbCrlf\n");
    m_textFile.Write(2, "oRs.MoveNext()\n");
    m_textFile.Write(1, "Wend\n");
    m_textFile.Write(1, "strXMLData = strXMLData & \"</graph>\"\n");
    m_textFile.Write(1, "Response.Write(strXMLData)\n");
    m_textFile.Write(1, "Response.End()\n");
    m_textFile.Write(0, "%%>\n");
    InsertGeneratedText(0);
    return true;
}
