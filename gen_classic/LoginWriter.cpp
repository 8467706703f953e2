#include "gen_classic/LoginWriter.h"

#include "entities/AspFile.h"
#include "entities/DashBoardPage.h"
#include "entities/Designation.h"
#include "entities/LoginPage.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "gen_classic/ClassicText.h"
#include "gen_classic/PageCheck.h"
#include "gen_classic/PageWriteInfo.h"
#include "model/Field.h"
#include "model/FieldFilter.h"
#include "model/GenerationReport.h"
#include "model/Module.h"

namespace
{

CString MapVariableName(const FormInterface* page, int index)
{
    const FieldVariableMap* map = page != nullptr ? page->GetFieldVariableMapAt(index) : nullptr;
    return map != nullptr && map->variable != nullptr ? VbsVariableName(*map->variable) : CString();
}

// The procedure's select has a condition "field = @variable": only selects with a main table
// write their conditions.
bool ComparesWith(const Procedure& procedure, const Variable* variable)
{
    if (variable == nullptr || procedure.GetMainTable() == nullptr ||
        procedure.IsInsertProcedure() || procedure.IsUpdateProcedure() ||
        procedure.IsDeleteProcedure())
        return false;
    for (const FieldFilter* filter : procedure.GetFilters())
        if (filter->GetVariable() == variable && filter->GetField() != nullptr &&
            filter->GetComparisonKind() == 0)
            return true;
    return false;
}

// Why the login call cannot tell one user from another, or empty when it can: its procedure
// must compare the user name and the password the page passes it, and the page must name the
// result fields that hold the user's id and role.
CString LoginCheckFault(const LoginPage& page, const ProcedureInvokation& call)
{
    const Procedure* procedure = call.GetProcedure();
    if (procedure == nullptr)
        return "the login call names no procedure";
    const char* values[] = {"user name", "password"};
    for (int index = 0; index < 2; ++index)
    {
        const FieldVariableMap* map = page.GetFieldVariableMapAt(index);
        const Variable* passed = map != nullptr && map->variable != nullptr
                                     ? call.FindProcedureVariableOf(map->variable)
                                     : nullptr;
        if (!ComparesWith(*procedure, passed))
            return "the login procedure " + procedure->GetName() + " does not compare the " +
                   values[index];
    }
    if (page.GetUserNameField() == nullptr)
        return "the login page has no employee field";
    if (page.GetDesignationField() == nullptr)
        return "the login page has no designation field";
    return CString();
}

} // namespace

LoginWriter::LoginWriter(const CString& folder, AspFile* file, const CString& templatePath,
                         FormInterface* page, bool noTemplate, const Module* module,
                         GenerationReport& report)
    : BaseWriter(folder, file, templatePath, noTemplate, report),
      m_loginPage(dynamic_cast<LoginPage*>(page)), m_module(module)
{
}

void LoginWriter::FillList(std::vector<FieldVariableMap*>& list, int kind)
{
    if (m_loginPage == nullptr)
        return;
    for (FieldVariableMap* map : m_loginPage->GetFieldVariableMaps())
        if (map != nullptr && map->variable != nullptr && map->variable->GetKind() == kind)
            list.push_back(map);
}

void LoginWriter::FillListA()
{
    FillList(m_current->listA, Variable::pageKind);
}

void LoginWriter::FillListB()
{
    FillList(m_current->listB, Variable::parameterKind);
}

void LoginWriter::SetPageCaption()
{
    m_current->caption = "Login Page";
}

void LoginWriter::SetLayoutGrid()
{
    if (m_loginPage != nullptr)
        m_current->grid = m_loginPage->BuildLayoutGrid();
}

void LoginWriter::SetOwningPage()
{
    m_current->page = m_loginPage;
}

CString LoginWriter::GetOutputAddress() const
{
    return m_file != nullptr ? m_file->GetClassicFileName(FALSE) : CString();
}

void LoginWriter::Write()
{
    BuildPageData();
    if (!LoadTemplate())
        return;
    m_body.Write(0, "%s", m_templateText);
    SavePage();
    if (m_file != nullptr)
    {
        const int kind = m_file->GetFileKind();
        m_file->SetFileKind(2);
        LoginActionWriter(m_folder, m_file, m_current, m_module, m_report).WritePage();
        m_file->SetFileKind(kind);
    }
    WriteLogoutPage();
}

void LoginWriter::WriteLogoutPage()
{
    TextFile out(/*disabled=*/false, /*flush=*/false, '=', 60);
    out.Write(0, "<%%@ LANGUAGE=\"VBScript\" %%>\n");
    out.Write(0, "<!-- #include file = \"../_system/includes/functions.asp\" -->\n\n");
    out.Write(0, "<%%\n");
    out.Write(1, "On Error Resume Next\n");
    out.Write(1, "call Logout\n");
    out.Write(1, "Err_Trap()\n");
    out.Write(1, "Response.redirect(\"../Login/login.asp\")\n");
    out.Write(1, "Err_Trap()\n");
    out.Write(0, "%%>\n");
    SaveClassicPage(m_folder + "Logout.asp", out.GetBuffer(), m_report);
}

LoginActionWriter::LoginActionWriter(const CString& folder, AspFile* file, PageWriteInfo* info,
                                     const Module* module, GenerationReport& report)
    : ActionWriter(folder, file, report),
      m_loginPage(file != nullptr ? dynamic_cast<LoginPage*>(file->GetOwnerPage()) : nullptr),
      m_module(module)
{
    AddPageWriteInfo(info);
    SetOwnsInfos(false);
}

CString LoginActionWriter::GetOutputAddress() const
{
    return m_file != nullptr ? m_file->GetClassicFileName(FALSE) : CString();
}

CString LoginActionWriter::GetErrorRedirectPage()
{
    return "../Login/Login.asp";
}

bool LoginActionWriter::IsPassedBack(const FieldVariableMap& map)
{
    return m_loginPage == nullptr || m_loginPage->GetFieldVariableMapAt(1) != &map;
}

void LoginActionWriter::WriteValidateCall(int indent)
{
    m_body.Write(indent, "call ValidateData()\n");
}

void LoginActionWriter::WriteDimLines(int indent)
{
    m_body.Write(indent, "Dim strQry, rsQry\n");
    m_body.Write(indent, "Dim redir, redirString\n");
}

void LoginActionWriter::WriteLoginFailure(int indent)
{
    m_body.Write(indent, "sInfo = \"Login Failed : Invalid Username or Password.\"\n");
    m_body.Write(indent, "redir = \"../Login/Login.asp?\" & redirString & \"&strInfo=\" & %s\n",
                 UrlEncoded("sInfo"));
}

void LoginActionWriter::WriteExecuteQuery(int indent)
{
    m_body.Write(indent, "Function ExecuteQuery()\n\n");
    const ProcedureInvokation* call =
        m_loginPage != nullptr ? m_loginPage->GetLoginCall() : nullptr;
    const CString fault = call != nullptr ? LoginCheckFault(*m_loginPage, *call) : CString();
    if (call == nullptr || !fault.IsEmpty())
    {
        // A user that cannot be checked does not get in; a login call that cannot check is
        // reported.
        if (!fault.IsEmpty())
        {
            m_body.Write(indent + 1, "' No user is let in: %s\n", fault);
            m_report.AddSkippedPage(m_loginPage->GetFormName() + " (" + GetOutputAddress() + ")",
                                    "it lets no user in: " + fault);
        }
        WriteLoginFailure(indent + 1);
        m_body.Write(indent, "End Function\n\n");
        WriteDecideDashboard(indent);
        return;
    }
    WriteProcedureCallString(*call, "strQry", indent + 1, false);
    m_body.Write(indent + 1, "set rsQry = server.CreateObject(\"ADODB.RecordSet\")\n\n");
    m_body.Write(indent + 1, "rsQry.Open strQry, glb_con, 1, 2\n");
    m_body.Write(indent + 1, "If rsQry.EOF Then\n");
    WriteLoginFailure(indent + 2);
    m_body.Write(indent + 1, "Else\n");
    const CString employee = FieldNameOrEmpty(m_loginPage->GetUserNameField());
    const CString role = FieldNameOrEmpty(m_loginPage->GetDesignationField());
    const int level = indent + 2;
    m_body.Write(level, "Response.cookies(\"username\") = %s\n", MapVariableName(m_loginPage, 0));
    m_body.Write(level, "Response.cookies(\"password\") = \"\"\n");
    m_body.Write(level, "Response.cookies(\"glb_EmployeeId\") = rsQry(\"%s\")\n", employee);
    m_body.Write(level, "Response.cookies(\"glb_DesigId\") = rsQry(\"%s\")\n", role);
    m_body.Write(level, "Session(\"glb_EmployeeId\") = rsQry(\"%s\")\n", employee);
    m_body.Write(level, "Session(\"glb_DesigId\") = rsQry(\"%s\")\n", role);
    m_body.Write(level, "redir = DecideDashboard(rsQry(\"%s\"))\n", role);
    m_body.Write(indent + 1, "End if\n");
    m_body.Write(indent, "End Function\n\n");
    WriteDecideDashboard(indent);
}

void LoginActionWriter::WriteDecideDashboard(int indent)
{
    if (m_module == nullptr)
        return;
    m_body.Write(indent, "Function DecideDashboard(DesigId)\n\n");
    const char* prefix = "";
    for (const Designation* role : m_module->GetDesignations())
    {
        m_body.Write(indent + 1, "%sIf DesigId = %d Then\n", prefix, role->GetId());
        prefix = "Else";
        const DashBoardPage* page = role->GetDashBoardPage();
        const AspFile* file = page != nullptr ? page->GetAspFileAt(0) : nullptr;
        if (file != nullptr)
            m_body.Write(indent + 2, "DecideDashboard = \"%s\"\n", ClassicAddress(file, true));
    }
    if (!m_module->GetDesignations().empty())
        m_body.Write(indent + 1, "End If\n");
    m_body.Write(indent, "End Function\n");
}
