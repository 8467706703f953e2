#include "editors/logic/LoginPageEditor.h"

#include "editors/logic/EditorHost.h"
#include "editors/logic/ProcedureAssigner.h"
#include "entities/LoginPage.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"

namespace
{
constexpr const char* procedureCaption = "Assigned Procedure :";
} // namespace

LoginPageEditor::LoginPageEditor(ForgeonProject& project, EditorHost& host)
    : m_project(project), m_host(host)
{
    m_states.SetText(IDC_PROCEDURE_LABEL, procedureCaption);
    m_states.SetText(IDC_EMPLOYEE_LABEL, "Employee Field :");
    m_states.SetText(IDC_DESIGNATION_LABEL, "Designation Field :");
}

void LoginPageEditor::Load()
{
    const Module* module = m_project.GetCurrentModule();
    m_page = module != nullptr ? module->GetLoginPage() : nullptr;
    if (m_page == nullptr)
        return;
    if (m_page->GetLoginProcedure() != nullptr)
        ShowProcedure();
    if (const Field* field = m_page->GetUserNameField())
        m_states.SetText(IDC_EMPLOYEE_LABEL, "Employee Field :" + field->GetFieldName());
    if (const Field* field = m_page->GetDesignationField())
        m_states.SetText(IDC_DESIGNATION_LABEL, "Designation Field :" + field->GetFieldName());
}

void LoginPageEditor::ShowProcedure()
{
    const Procedure* procedure = m_page->GetLoginProcedure();
    m_states.SetText(IDC_PROCEDURE_LABEL, procedureCaption + procedure->GetName());
    std::vector<CString> names;
    for (std::size_t i = 0; i < procedure->GetOutputColumns().size(); ++i)
    {
        const Field* field = procedure->GetOutputFieldAt(static_cast<int>(i));
        names.push_back(field != nullptr ? field->GetFieldName() : CString());
    }
    m_states.SetItems(IDC_OUTPUT_FIELDS, std::move(names));
}

void LoginPageEditor::AssignProcedure()
{
    if (m_page == nullptr)
        return;
    if (m_page->GetLoginProcedure() != nullptr &&
        !m_host.ConfirmWarning("Do you really want to replace the existing procedure?"))
        return;
    ProcedureAssigner assigner(m_project, m_page, m_page->GetLoginCall(), true);
    if (!m_host.AssignProcedure(assigner))
        return;
    if (ProcedureInvokation* made = assigner.ReleaseInvocation())
        m_page->SetLoginCall(made);
    if (m_page->GetLoginProcedure() != nullptr)
        ShowProcedure();
}

CString LoginPageEditor::AssignField(const char* caption, bool employee)
{
    CString text = caption;
    const int index = m_states.GetSelection(IDC_OUTPUT_FIELDS);
    const Procedure* procedure = m_page != nullptr ? m_page->GetLoginProcedure() : nullptr;
    Field* field = procedure != nullptr ? procedure->GetOutputFieldAt(index) : nullptr;
    if (index >= 0 && field != nullptr)
    {
        if (employee)
            m_page->SetUserNameField(field);
        else
            m_page->SetDesignationField(field);
        text += field->GetFieldName();
    }
    m_states.Select(IDC_OUTPUT_FIELDS, -1);
    return text;
}

void LoginPageEditor::AssignEmployeeField()
{
    m_states.SetText(IDC_EMPLOYEE_LABEL, AssignField("UserName Field :", true));
}

void LoginPageEditor::AssignDesignationField()
{
    m_states.SetText(IDC_DESIGNATION_LABEL, AssignField("DesignationField :", false));
}
