#include "gen_classic/DashBoardPageWriter.h"

#include "entities/AspFile.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/DashBoardPage.h"
#include "entities/DashBoardPageData.h"
#include "entities/Grid.h"
#include "entities/GridCell.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "gen_classic/ClassicText.h"
#include "gen_classic/PagePrologue.h"
#include "model/Field.h"
#include "model/FieldFilter.h"
#include "model/GenerationReport.h"
#include "model/Identifiers.h"
#include "platform/core/LiteralEscaping.h"

namespace
{
const char* const dashBoardTableOpen =
    "<TABLE align=center cellPadding=2 cellSpacing=1 class=tableborder2 width=\"98%%\">\n";
const char* const cellOpen = "<TD align = center valign = middle bgColor = white class = menutitle "
                             "width = \"23%\">";

// The VBScript function of the page that shows the dashboard, by the prefix of its kind.
CString FunctionName(const char* prefix, const DashBoard& dashBoard)
{
    CString name = dashBoard.GetFormName();
    name.Replace(' ', '_');
    return VBScriptIdentifier(prefix + name);
}

bool HasProcedure(const ProcedureInvokation* call)
{
    return call != nullptr && call->GetProcedure() != nullptr;
}
} // namespace

DashBoardPageWriter::DashBoardPageWriter(ForgeonProject* project, DashBoardPage* page,
                                         GenerationReport& generation)
    : ClassicPageWriter(project, page, generation), m_page(page)
{
}

void DashBoardPageWriter::Write()
{
    AspFile* file = m_page->GetAspFileAt(0);
    if (file == nullptr)
    {
        m_report.AddSkippedPage(m_page->GetFormName(), "the dashboard page has no page file");
        return;
    }
    if (!LoadClassicTemplate())
        m_report.AddSkippedPage(m_page->GetFormName(), "the classic page template is missing");
    std::vector<FieldVariableMap*> maps;
    std::vector<FieldRep*> reads;
    for (FieldVariableMap* map : m_page->GetFieldVariableMaps())
    {
        if (map->field != nullptr && map->field->GetFieldName() == "Is_Deleted")
            continue;
        maps.push_back(map);
        if (FieldRep* control = m_page->GetFieldRepForField(map->field))
            reads.push_back(control);
    }
    m_textFile.Write(2, "<%%\n");
    Prologue(file).WritePagePrologue({}, maps, reads, 0);
    m_textFile.Write(2, "%%>\n");
    // The page's text goes past the client functions to the page's own marker.
    const int position = FindIncludePosition(InsertAtNextMarker(0));

    m_textFile.Write(6, dashBoardTableOpen);
    for (const DashBoardPageData* placement : m_page->GetPlacements())
    {
        if (placement->GetDashBoard() == nullptr)
            continue;
        m_textFile.Write(6, "<%%\n");
        m_textFile.Write(7, "call %s\n",
                         FunctionName(HasProcedure(placement->GetProcedureInvokation())
                                          ? "ShowFromProcedure_"
                                          : "ShowOnceDashBoard_",
                                      *placement->GetDashBoard()));
        m_textFile.Write(6, "%%>\n\n");
        m_textFile.Write(6, "<BR>\n");
    }
    m_textFile.Write(6, "</TABLE>\n");
    for (const DashBoardPageData* placement : m_page->GetPlacements())
    {
        if (placement->GetDashBoard() == nullptr)
            continue;
        if (HasProcedure(placement->GetProcedureInvokation()))
            WriteShowFromProcedure(*placement->GetDashBoard(),
                                   *placement->GetProcedureInvokation());
        else
            WriteShowOnce(*placement->GetDashBoard());
    }
    const int end = InsertAtNextMarker(position);
    m_textFile.Write(0, "<%%\n");
    m_textFile.Write(0, "CloseConnection()\n\n");
    m_textFile.Write(0, "%%>\n");
    InsertAtNextMarker(end);
    SaveInModule(file->GetFileName(FALSE));
}

// A pass of the dashboard's query for each record of the placement's query; the dashboard's
// arguments are the values of the fields its procedure filters on.
void DashBoardPageWriter::WriteShowFromProcedure(const DashBoard& dashBoard,
                                                 const ProcedureInvokation& placement)
{
    m_textFile.Write(0, "<%%\n");
    m_textFile.Write(0, "Function %s\n", FunctionName("ShowFromProcedure_", dashBoard));
    m_textFile.Write(1, "set rsDashboardPage = Server.CreateObject(\"ADODB.Recordset\")\n");
    WriteProcedureCallText(m_textFile, placement, "strQry", 1,
                           [](const VariablePair& pair) { return VbsVariableName(*pair.second); });
    m_textFile.Write(1, "rsDashboardPage.Open strQry, glb_con, 1, 2\n");
    m_textFile.Write(1, "If rsDashboardPage.EOF Then\n");
    m_textFile.Write(1, "%%>\n");
    m_textFile.Write(1, "<%%\n");
    m_textFile.Write(2, "Else\n");
    m_textFile.Write(3, "set rsDashboard = Server.CreateObject(\"ADODB.Recordset\")\n");
    m_textFile.Write(3, "While Not rsDashboardPage.EOF\n");
    if (const ProcedureInvokation* own = dashBoard.GetProcedureInvokation(); HasProcedure(own))
    {
        const Procedure* procedure = own->GetProcedure();
        WriteProcedureCallText(
            m_textFile, *own, "strQryDashBoard", 4,
            [procedure](const VariablePair& pair)
            {
                const FieldFilter* filter = procedure != nullptr
                                                ? procedure->FindFieldFilterByVariable(pair.first)
                                                : nullptr;
                const Field* field = filter != nullptr ? filter->GetField() : nullptr;
                return "rsDashboardPage(\"" +
                       (field != nullptr ? field->GetFieldName() : CString()) + "\")";
            });
    }
    m_textFile.Write(4, "rsDashboard.Open strQryDashBoard, glb_con, 1, 2\n");
    m_textFile.Write(1, "%%>\n");
    WriteBody(dashBoard, 4);
    m_textFile.Write(1, "<%%\n");
    m_textFile.Write(4, "rsDashboard.close\n");
    m_textFile.Write(4, "rsDashboardPage.MoveNext\n");
    m_textFile.Write(3, "wend\n");
    m_textFile.Write(2, "End If\n");
    m_textFile.Write(2, "Set rsDashboard = nothing\n");
    m_textFile.Write(2, "Set rsDashboardPage = nothing\n");
    m_textFile.Write(0, "End Function\n");
    m_textFile.Write(0, "%%>\n");
}

void DashBoardPageWriter::WriteShowOnce(const DashBoard& dashBoard)
{
    m_textFile.Write(0, "<%%\n");
    m_textFile.Write(0, "Function %s\n", FunctionName("ShowOnceDashBoard_", dashBoard));
    if (const ProcedureInvokation* own = dashBoard.GetProcedureInvokation(); HasProcedure(own))
    {
        m_textFile.Write(1, "set rsDashBoard = Server.CreateObject(\"ADODB.Recordset\")\n");
        WriteProcedureCallText(m_textFile, *own, "strQry", 1,
                               [](const VariablePair& pair)
                               { return VbsVariableName(*pair.second); });
        m_textFile.Write(1, "rsDashBoard.Open strQry, glb_con, 1, 2\n");
    }
    m_textFile.Write(0, "%%>\n");
    WriteBody(dashBoard, 0);
    m_textFile.Write(0, "<%%\n");
    m_textFile.Write(0, "End Function\n");
    m_textFile.Write(0, "%%>\n");
}

void DashBoardPageWriter::WriteBody(const DashBoard& dashBoard, int indent)
{
    const Grid* grid = dashBoard.GetGrid();
    if (grid == nullptr)
        return;
    m_textFile.Write(indent, dashBoardTableOpen);
    m_textFile.Write(indent + 1, "<TR>\n");
    m_textFile.Write(indent + 1,
                     "<TD colspan = \"%d\" class = \"menutitle\" align = \"center\" bgcolor = "
                     "\"<%%=glb_bgBlank%%>\"> %s </TD>\n",
                     grid->GetColumnCount(), EscapeHtmlText(dashBoard.GetFormName()));
    m_textFile.Write(indent + 1, "</TR>\n");
    m_textFile.Write(indent, "</TABLE>\n");
    WriteGrid(*grid, indent);
    m_textFile.Write(indent, dashBoardTableOpen);
    m_textFile.Write(indent + 1, "<TR>\n");
    m_textFile.Write(indent + 2,
                     "<TD bgcolor = \"<%%=glb_bgControl%%>\" colspan = \"10\"> &nbsp; </TD>\n");
    m_textFile.Write(indent + 1, "</TR>\n");
    m_textFile.Write(indent, "</TABLE>\n");
}

void DashBoardPageWriter::WriteGrid(const Grid& grid, int indent)
{
    m_textFile.Write(indent, dashBoardTableOpen);
    for (int row = 0; row < grid.GetRowCount(); ++row)
    {
        m_textFile.Write(indent + 1, "<TR>\n");
        for (int column = 0; column < grid.GetColumnCount(); ++column)
            WriteCell(grid.GetCellAt(row, column), indent + 2);
        m_textFile.Write(indent + 1, "</TR>\n");
    }
    m_textFile.Write(indent, "</TABLE>\n");
}

void DashBoardPageWriter::WriteCell(const GridCell* cell, int indent)
{
    const DashBoardCellInfo* info = cell != nullptr ? cell->GetDashBoardCellInfo() : nullptr;
    if (info == nullptr && cell != nullptr && cell->GetSubGrid() != nullptr)
    {
        m_textFile.Write(indent, "%s\n", cellOpen);
        WriteGrid(*cell->GetSubGrid(), indent);
        m_textFile.Write(indent, "</TD>\n");
        return;
    }
    if (info != nullptr && info->IsStaticText())
    {
        m_textFile.Write(indent, "%s %s </TD>\n", cellOpen, EscapeHtmlText(info->GetCaption()));
        return;
    }
    if (info != nullptr && info->GetMenu() != nullptr)
    {
        // A link to a menu item that opens no page has nothing to show.
        const AspFile* target = info->GetMenu()->GetAspFile();
        if (target == nullptr)
            return;
        m_textFile.Write(indent, "%s <A href = \"%s\" class = link7> ", cellOpen,
                         PageAddress(target, true));
        if (!info->GetDisplayFields().empty())
            WriteValues(*info);
        else
            m_textFile.Write(0, "%s ",
                             EscapeHtmlText(info->GetCaption().IsEmpty()
                                                ? info->GetMenu()->GetName()
                                                : info->GetCaption()));
        m_textFile.Write(0, "</A> </TD>\n");
        return;
    }
    if (info != nullptr && !info->GetDisplayFields().empty())
    {
        m_textFile.Write(indent, "%s ", cellOpen);
        WriteValues(*info);
        m_textFile.Write(0, " </TD>\n");
        return;
    }
    m_textFile.Write(indent, "%s &nbsp; </TD>\n", cellOpen);
}

void DashBoardPageWriter::WriteValues(const DashBoardCellInfo& info)
{
    m_textFile.Write(0, "<%%=");
    const auto& values = info.GetDisplayFields();
    for (std::size_t i = 0; i < values.size(); ++i)
    {
        if (i > 0)
            m_textFile.Write(0, " & \" / \" & ");
        CString field;
        if (values[i].fieldInfo != nullptr)
            values[i].fieldInfo->GetDisplayName(field);
        if (values[i].caption.IsEmpty())
            m_textFile.Write(0, "rsDashBoard(\"%s\")", VbsLiteral(field));
        else
            m_textFile.Write(0, "\"%s &nbsp;\"&(rsDashBoard(\"%s\"))",
                             VbsLiteral(EscapeHtmlText(values[i].caption)), VbsLiteral(field));
    }
    m_textFile.Write(0, "%%>");
}
