#include "gen_web/DashBoardPageCodeBehindWriter.h"

#include "entities/AspFile.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/DashBoardPage.h"
#include "entities/Menu.h"
#include "gen_web/CodeBehindFragments.h"
#include "gen_web/DashBoardPageNames.h"
#include "gen_web/PageReach.h"
#include "model/ForgeonProject.h"
#include "model/Identifiers.h"
#include "model/ProjectSettings.h"
#include "platform/core/LiteralEscaping.h"

DashBoardPageCodeBehindWriter::DashBoardPageCodeBehindWriter(ForgeonProject* project,
                                                             DashBoardPage& page,
                                                             GenerationReport& report)
    : AspxWriter(project, &page, report), m_dashBoardPage(page),
      m_fileName(DashBoardPageFileName(page)),
      m_className(CSharpIdentifier(DashBoardPageClassName(page)))
{
}

void DashBoardPageCodeBehindWriter::Write()
{
    if (m_fileName.IsEmpty())
        return;
    WriteUsings();
    WriteClassHead();
    WritePreInit();
    WritePageLoad();
    WriteManageLinkVisibility();
    WriteClassFoot();
    SaveFile(m_fileName + ".cs", GetRelativeFolder(true) + "\\UI");
}

void DashBoardPageCodeBehindWriter::WriteClassHead()
{
    m_textFile.Write(0, "namespace %s\n{\n", CSharpIdentifier(m_project->GetProjectName()));
    m_textFile.Write(1, "public partial class %s : System.Web.UI.Page\n", m_className);
    m_textFile.Write(1, "{\n");
}

void DashBoardPageCodeBehindWriter::WritePreInit()
{
    m_textFile.Write(2, "void Page_PreInit(Object sender, EventArgs e)\n");
    m_textFile.Write(2, "{\n");
    m_textFile.Write(3, "this.Title = \"%s\";\n", EscapeCSharpString(m_dashBoardPage.GetHeader()));
    m_textFile.Write(2, "}\n");
    m_textFile.Write(2, "String m_role = \"\";\n");
    m_textFile.Write(0, "\n");
}

void DashBoardPageCodeBehindWriter::WritePageLoad()
{
    m_textFile.Write(2, "protected void Page_Load(object sender, EventArgs e)\n");
    m_textFile.Write(2, "{\n");
    CodeBehindFragments(*m_project, m_dashBoardPage, m_textFile, "").WriteRoleCheck(3);
    m_textFile.Write(3, "ManageLinkVisibility();\n");
    m_textFile.Write(2, "}\n");
}

void DashBoardPageCodeBehindWriter::WriteManageLinkVisibility()
{
    m_textFile.Write(2, "void ManageLinkVisibility()\n");
    m_textFile.Write(2, "{\n");
    m_textFile.Write(3, "ASPXMenuWriter writer = new ASPXMenuWriter();\n");
    for (const DashBoardCellInfo* panel : CollectDashBoardLinks(m_dashBoardPage))
    {
        const AspFile* file = panel->GetMenu()->GetAspFile();
        if (file == nullptr)
            continue;
        const CString id = DashBoardLinkId(*panel);
        const std::vector<const Menu*> menus = DashBoardCellMenus(*m_project, *panel->GetMenu());
        if (menus.size() == 1)
            m_textFile.Write(3, "this.%s.Visible = writer.IsFileAssigned(m_role, \"%s\");\n", id,
                             EscapeCSharpString(file->GetFileName(FALSE)));
        else
        {
            // A role without the cell's page is led to its first page of the same menu.
            CString urls;
            for (const Menu* menu : menus)
                urls += ", \"" +
                        EscapeCSharpString(menu->GetAspFile()->GetRelativeUrl(TRUE, FALSE)) + "\"";
            m_textFile.Write(3, "this.%s.NavigateUrl = writer.FirstAssignedUrl(m_role%s);\n", id,
                             urls);
            m_textFile.Write(3, "this.%s.Visible = this.%s.NavigateUrl != \"\";\n", id, id);
        }
        m_textFile.Write(0, "\n");
    }
    m_textFile.Write(2, "}\n");
}

void DashBoardPageCodeBehindWriter::WriteClassFoot()
{
    m_textFile.Write(1, "}\n");
    m_textFile.Write(0, "}\n");
}

DashBoardPageDesignerWriter::DashBoardPageDesignerWriter(ForgeonProject* project,
                                                         DashBoardPage& page,
                                                         GenerationReport& report)
    : AspxWriter(project, &page, report), m_dashBoardPage(page),
      m_pageTemplate(project->GetProjectSettings()->GetPageTemplate()),
      m_fileName(DashBoardPageFileName(page)),
      m_className(CSharpIdentifier(DashBoardPageClassName(page)))
{
}

void DashBoardPageDesignerWriter::Write()
{
    if (m_fileName.IsEmpty())
        return;
    m_textFile.Write(0, "namespace %s\n", CSharpIdentifier(m_project->GetProjectName()));
    m_textFile.Write(0, "{\n");
    m_textFile.Write(1, "public partial class %s\n", m_className);
    m_textFile.Write(1, "{\n");
    if (m_pageTemplate >= 3 && m_pageTemplate <= 5)
        m_textFile.Write(2, "protected global::System.Web.UI.WebControls.Label LabelUsername;\n");
    for (const DashBoardCellInfo* panel : CollectDashBoardLinks(m_dashBoardPage))
    {
        m_textFile.Write(2, "protected global::System.Web.UI.WebControls.HyperLink %s;\n",
                         DashBoardLinkId(*panel));
        m_textFile.Write(0, "\n");
    }
    m_textFile.Write(1, "}\n");
    m_textFile.Write(0, "}\n");
    SaveFile(m_fileName + ".designer.cs", GetRelativeFolder(true) + "\\UI");
}
