#include "gen_web/PageHeaderWriter.h"

#include "entities/AspFile.h"
#include "entities/FormInterface.h"
#include "entities/LinkControl.h"
#include "entities/Menu.h"
#include "entities/RDLCReport.h"
#include "gen_web/ASPXMenuWriter.h"
#include "model/ForgeonProject.h"
#include "model/Identifiers.h"
#include "model/Module.h"
#include "model/ProjectNameCheck.h"
#include "model/TextFile.h"
#include "platform/core/LiteralEscaping.h"

namespace
{
const AspFile* TargetFile(const LinkControl& link)
{
    return link.GetTarget() != nullptr ? link.GetTarget()->GetAspFile() : nullptr;
}
} // namespace

PageHeaderWriter::PageHeaderWriter(ForgeonProject& project, FormInterface& page, TextFile& out)
    : m_project(project), m_page(page), m_out(out)
{
}

void PageHeaderWriter::WritePageTop(const CString& heading)
{
    WriteAccountLinks(0);
    WriteMenuBarMarkup(m_out, 0);
    m_out.Write(0, "\n");
    m_out.Write(0, "<br/>\n");
    m_out.Write(0, "<h3 class=\"heading\">%s</h3>\n", EscapeHtmlText(heading));
}

void PageHeaderWriter::WriteAccountLinks(int indent)
{
    const CString module = EscapeXml(GetLoginModuleName(m_project, m_page));
    m_out.Write(indent, "<table cellpadding = \"0\" cellspacing= \"0\" style=\"width:100%%\">\n");
    m_out.Write(indent, "<tr>\n");
    m_out.Write(indent, "<td align=\"Right\" valign=\"middle\" class=\"LinkControl\" "
                        "style=\"width:100%%; height: 14px\">");
    m_out.Write(0,
                "<asp:HyperLink CssClass= \"Back_LogoutLink\" id= \"MyAccountLink\" "
                "runat=\"server\" NavigateUrl=\"../../%s/UI/ChangePassword_formUpdate.aspx\">My "
                "Account</asp:HyperLink>&nbsp;&nbsp;",
                module);
    m_out.Write(0,
                "<asp:HyperLink CssClass= \"Back_LogoutLink\" id= \"LogoutLink\" runat=\"server\" "
                "NavigateUrl=\"../../%s/UI/Login.aspx\">Logout</asp:HyperLink>\n",
                module);
    m_out.Write(indent, "</td>\n");
    m_out.Write(indent, "</tr>\n");
    m_out.Write(indent, "</table>\n");
}

void PageHeaderWriter::WriteMessageContainer(int indent)
{
    m_out.Write(indent, "<table class=\"MessageContainerTable\" width=\"98.8%%\">\n");
    m_out.Write(indent + 1, "<tr>\n");
    m_out.Write(indent + 2, "<td colspan = \"4\" align=\"center\" valign=\"middle\">\n");
    if (!m_page.HasFileUploadControl() && dynamic_cast<RDLCReport*>(&m_page) == nullptr)
        m_out.Write(indent + 3, "<div id = \"messageDiv\" class = \"MessageClass\"> </div>\n");
    else
        m_out.Write(indent + 3, "<asp:Label ID=\"MessageLabel\" runat=\"server\" "
                                "CssClass=\"ErrMessageStyle\"></asp:Label>\n");
    m_out.Write(indent + 2, "</td>\n");
    m_out.Write(indent + 1, "</tr>\n");
    m_out.Write(indent, "</table>\n");
}

void PageHeaderWriter::WriteThreeColumnTable(const std::vector<LinkControl*>& links, int indent)
{
    if (links.empty())
        return;
    m_out.Write(indent, "<table align=\"center\" width=\"98%%\">\n");
    m_out.Write(indent, "<tr>\n");
    for (int column = LinkControl::Left; column <= LinkControl::Right; ++column)
        WriteLinkCell(links, indent + 1, column);
    m_out.Write(indent + 1, "</tr>\n");
    m_out.Write(indent, "</table>\n");
}

void PageHeaderWriter::WriteLinkCell(const std::vector<LinkControl*>& links, int indent, int column)
{
    std::vector<const LinkControl*> cell;
    for (const LinkControl* link : links)
    {
        if (link != nullptr && TargetFile(*link) != nullptr && link->GetAlignment() == column)
            cell.push_back(link);
    }
    if (cell.empty())
    {
        m_out.Write(indent, "<td></td>\n");
        return;
    }
    static const char* const alignments[] = {"left", "center", "right"};
    m_out.Write(indent, "<td align=\"%s\" style = \"width:33%%\" class=\"LinkControl\">",
                alignments[column]);
    bool first = true;
    for (const LinkControl* link : cell)
    {
        if (!OpensWrittenPage(*link))
            continue;
        if (!first)
            m_out.Write(0, "&nbsp;&nbsp;");
        first = false;
        m_out.Write(0,
                    "<asp:HyperLink ID =\"%s\" CssClass= \"Back_LogoutLink\" runat=\"server\" "
                    "NavigateUrl=\"%s\">%s</asp:HyperLink>",
                    EscapeXml(MakeLinkControlId(link->GetCaption())),
                    EscapeXml(link->GetTargetUrl()), EscapeHtmlText(link->GetCaption()));
    }
    m_out.Write(0, "</td>\n");
}

bool PageHeaderWriter::OpensWrittenPage(const LinkControl& link) const
{
    const auto* report = dynamic_cast<const RDLCReport*>(TargetFile(link)->GetOwnerPage());
    return report == nullptr || report->FilesExist(&m_project);
}

void PageHeaderWriter::WriteManageLinkVisibility(const std::vector<LinkControl*>& links, int indent)
{
    m_out.Write(indent, "void ManageLinkVisibility()\n");
    m_out.Write(indent, "{\n");
    m_out.Write(indent + 1, "ASPXMenuWriter writer = new ASPXMenuWriter();\n");
    for (const LinkControl* link : links)
    {
        // A link the page does not show (its report page is not written) has no control.
        const AspFile* file = link != nullptr ? TargetFile(*link) : nullptr;
        if (file == nullptr || !OpensWrittenPage(*link))
            continue;
        m_out.Write(indent + 1, "this.%s.Visible = writer.IsFileAssigned(m_role, \"%s\");\n",
                    MakeLinkControlId(link->GetCaption()),
                    EscapeCSharpString(file->GetFileName(FALSE)));
        m_out.Write(0, "\n");
    }
    m_out.Write(indent, "}\n");
}

void PageHeaderWriter::WriteLinkDeclarations(const std::vector<LinkControl*>& links, int indent)
{
    for (const LinkControl* link : links)
    {
        if (link == nullptr)
            continue;
        m_out.Write(indent, "protected global::System.Web.UI.WebControls.HyperLink %s;\n",
                    MakeLinkControlId(link->GetCaption()));
        m_out.Write(0, "\n");
    }
}

CString PageHeaderWriter::MakeLinkControlId(CString caption)
{
    return LinkControlId(caption);
}

CString GetLoginModuleName(const ForgeonProject& project, const FormInterface& page)
{
    const Module* module = project.GetBaseModule();
    if (module == nullptr)
        module = page.GetModule();
    return module != nullptr ? module->GetName() : CString();
}
