#include "gen_web/DashBoardPageMarkupWriter.h"

#include "entities/AspFile.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/DashBoardPage.h"
#include "entities/Grid.h"
#include "entities/GridCell.h"
#include "entities/Menu.h"
#include "gen_web/DashBoardPageNames.h"
#include "gen_web/PageHeaderWriter.h"
#include "model/ForgeonProject.h"
#include "platform/core/LiteralEscaping.h"

#include <algorithm>

DashBoardPageMarkupWriter::DashBoardPageMarkupWriter(ForgeonProject* project, DashBoardPage& page,
                                                     GenerationReport& report)
    : AspxWriter(project, &page, report), m_dashBoardPage(page),
      m_fileName(DashBoardPageFileName(page)), m_className(DashBoardPageClassName(page))
{
}

void DashBoardPageMarkupWriter::Write()
{
    if (m_fileName.IsEmpty())
        return;
    WriteContentPageOpening(m_fileName, m_className);
    WriteScriptIncludes(1);
    WriteScriptBlock();
    PageHeaderWriter(*m_project, m_dashBoardPage, m_textFile).WriteAccountLinks(1);
    WriteHeading();
    WriteDashBoards();
    m_textFile.Write(1, "</asp:Content>\n");
    SaveFile(m_fileName, GetRelativeFolder(true) + "\\UI");
}

void DashBoardPageMarkupWriter::WriteScriptBlock()
{
    m_textFile.Write(1, "<script type=\"text/javascript\" language=\"javascript\">\n");
    m_textFile.Write(0, "\n");
    m_textFile.Write(1, "</script>\n");
    m_textFile.Write(0, "\n");
}

void DashBoardPageMarkupWriter::WriteHeading()
{
    CString header = m_dashBoardPage.GetHeader();
    header.Replace('_', ' ');
    m_textFile.Write(0, "\n");
    m_textFile.Write(0, "<br/>\n");
    m_textFile.Write(0, "<h3 class=\"heading\">%s</h3>\n", EscapeHtmlText(header));
}

void DashBoardPageMarkupWriter::WriteDashBoards()
{
    m_textFile.Write(1, "<div id = \"messageDiv\" class = \"MessageClass\"> </div>\n");
    m_textFile.Write(1, "<table class=\"TableClass\" cellspacing=\"1\" >\n");
    for (int i = 0; i < static_cast<int>(m_dashBoardPage.GetPlacements().size()); ++i)
    {
        const DashBoard* dashBoard = m_dashBoardPage.GetDashBoardAt(i);
        m_textFile.Write(2, "<tr><td>\n");
        if (dashBoard != nullptr && dashBoard->GetGrid() != nullptr)
            WriteDashBoardGrid(*dashBoard->GetGrid(), 2, dashBoard->GetHeader());
        m_textFile.Write(2, "</td></tr>\n");
        m_textFile.Write(2, "<tr><td>&nbsp;</td></tr>\n");
    }
    m_textFile.Write(1, "</table>\n");
}

void DashBoardPageMarkupWriter::WriteDashBoardGrid(const Grid& grid, int indent,
                                                   const CString& name)
{
    m_openGrids.push_back(&grid);
    const int rows = grid.GetRowCount();
    const int columns = grid.GetColumnCount();
    const int width = columns > 0 ? 100 / columns : 100;
    m_textFile.Write(indent, "<table class=\"DashBoardTable\" cellspacing=\"1\">\n");
    if (!name.IsEmpty())
        m_textFile.Write(indent + 1,
                         "<tr><td class=\"DashBoardNameTD\" colspan=\"%d\">%s</td></tr>\n",
                         std::max(columns, 1), EscapeHtmlText(name));
    for (int row = 0; row < rows; ++row)
    {
        m_textFile.Write(indent + 1, "<tr>\n");
        for (int column = 0; column < columns; ++column)
            WriteCell(grid.GetCellAt(row, column), indent + 2, width);
        m_textFile.Write(indent + 1, "</tr>\n");
    }
    m_textFile.Write(indent, "</table>\n");
    m_openGrids.pop_back();
}

void DashBoardPageMarkupWriter::WriteCell(const GridCell* cell, int indent, int width)
{
    const DashBoardCellInfo* panel = cell != nullptr ? cell->GetDashBoardCellInfo() : nullptr;
    const Grid* nested = cell != nullptr ? cell->GetSubGrid() : nullptr;
    if (panel != nullptr && panel->IsStaticText())
    {
        m_textFile.Write(indent, "<td class = \"DashBoardCell\" width=\"%d%%\"> %s </td>\n", width,
                         EscapeHtmlText(panel->GetCaption()));
    }
    else if (panel != nullptr && panel->GetMenu() != nullptr)
    {
        const AspFile* file = panel->GetMenu()->GetAspFile();
        if (file == nullptr)
            return;
        m_textFile.Write(indent,
                         "<td class = \"DashBoardCell\" width=\"%d%%\"><asp:HyperLink ID=\"%s\" "
                         "CssClass= \"LinkControl\" runat=\"server\" NavigateUrl=\"%s\">%s"
                         "</asp:HyperLink></td>\n",
                         width, EscapeXml(DashBoardLinkId(*panel)),
                         EscapeXml(file->GetRelativeUrl(TRUE, FALSE)),
                         EscapeHtmlText(DashBoardLinkText(*panel)));
    }
    else if (panel != nullptr && !panel->GetDisplayFields().empty())
    {
        m_textFile.Write(indent, "<td class = \"DashBoardCell\" width=\"%d%%\"> ", width);
        m_textFile.Write(0, " </td>\n");
    }
    else if (panel == nullptr && nested != nullptr &&
             std::find(m_openGrids.begin(), m_openGrids.end(), nested) == m_openGrids.end())
    {
        m_textFile.Write(indent, "<td class = \"DashBoardCell\" width=\"%d%%\">\n", width);
        WriteDashBoardGrid(*nested, indent + 1, "");
        m_textFile.Write(indent, "</td>\n");
    }
    else
    {
        m_textFile.Write(indent, "<td class = \"DashBoardCell\" width=\"%d%%\"> &nbsp; </td>\n",
                         width);
    }
}
