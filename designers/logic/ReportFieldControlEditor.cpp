#include "designers/logic/ReportFieldControlEditor.h"
#include "designers/logic/DesignerTexts.h"

#include "designers/logic/OutputColumns.h"
#include "designers/logic/ReportDialogsHost.h"
#include "editors/logic/ListLookup.h"
#include "editors/logic/ProcedureAssigner.h"
#include "entities/ApplicationReport.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ReportField.h"
#include "entities/ReportFieldControlProperty.h"
#include "entities/ReportGroup.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "platform/core/MessageBox.h"

namespace
{
constexpr int buttonKind = FieldRepData::Button;

// What feeds the parameter: the source column's display name, else the source control's field
// name, else the source variable's name.
CString BindingText(const ReportFieldBinding* binding)
{
    if (binding == nullptr)
        return "";
    if (binding->m_sourceColumn != nullptr)
        return OutputColumns::DisplayName(binding->m_sourceColumn);
    if (binding->m_sourceControl != nullptr)
        return ControlFieldName(binding->m_sourceControl);
    return binding->m_sourceVariable != nullptr ? binding->m_sourceVariable->GetFieldName()
                                                : CString();
}

std::vector<Variable*> ReportVariablesOf(const ReportGroup& group)
{
    std::vector<Variable*> variables;
    if (group.GetReport() != nullptr)
        group.GetReport()->GetVariables(variables, true);
    return variables;
}
} // namespace

ReportFieldControlEditor::ReportFieldControlEditor(ReportGroup& group, ReportField& column,
                                                   ForgeonProject& project, ReportDialogsHost& host)
    : m_group(group), m_column(column), m_project(project), m_host(host)
{
}

std::vector<ListColumn> ReportFieldControlEditor::ParameterHeadings()
{
    return {{"Procedure Parameter", 35}, {"Report Parameter", 30}};
}

std::vector<ListColumn> ReportFieldControlEditor::SourceHeadings()
{
    return OutputColumns::ListColumns("Variable");
}

void ReportFieldControlEditor::Open()
{
    m_property = m_column.GetControlProperty();
    if (m_property == nullptr)
    {
        m_property = new ReportFieldControlProperty;
        m_column.SetControlProperty(m_property);
        m_created = true;
    }
    m_states.SetItems(IDC_SOURCE_KIND, {"Report Variables", "Hidden Controls", "Procedure Fields"});
    ChooseSourceKind(ReportVariables);
    Refresh();
}

bool ReportFieldControlEditor::IsButton() const
{
    return m_property->GetControlKind() == buttonKind;
}

std::vector<Variable*> ReportFieldControlEditor::Parameters() const
{
    std::vector<Variable*> parameters;
    if (const Procedure* procedure = m_property->GetProcedure())
    {
        for (const FieldVariableMap& parameter : procedure->GetFieldParameters())
        {
            if (parameter.variable != nullptr)
                parameters.push_back(parameter.variable);
        }
    }
    return parameters;
}

void ReportFieldControlEditor::Refresh()
{
    const bool button = IsButton();
    for (const int id : {IDC_ASSIGN_PROCEDURE, IDC_PARAMETERS, IDC_SOURCES, IDC_SOURCE_KIND,
                         IDC_PROCEDURE_NAME, IDC_ASSIGN, IDC_REMOVE})
        m_states.Enable(id, button);
    const Procedure* procedure = m_property->GetProcedure();
    m_states.SetText(IDC_PROCEDURE_NAME, procedure != nullptr ? procedure->GetName() : CString());
    m_parameterRows.clear();
    for (Variable* parameter : Parameters())
        m_parameterRows.push_back(
            {{parameter->GetFieldName(), BindingText(m_property->FindBinding(parameter))}});
}

void ReportFieldControlEditor::AssignControl()
{
    FieldRep* control = m_property->GetControl();
    if (control == nullptr)
    {
        // A column's own control starts as a button; the control properties may change it.
        control = new FieldRep;
        control->SetFieldRepData(new FieldRepData);
        control->GetFieldRepData()->SetControlKind(buttonKind);
        m_property->SetControl(control);
    }
    if (ApplicationReport* report = m_group.GetReport())
        m_host.EditControlProperties(*report, *control);
    if (!IsButton())
    {
        m_property->SetProcedure(nullptr);
        while (!m_property->GetBindings().empty())
            m_property->RemoveBinding(m_property->GetBindings().front());
    }
    Refresh();
}

void ReportFieldControlEditor::AssignProcedure()
{
    if (m_property->GetProcedure() != nullptr &&
        AfxMessageBox("Do you really want to change the procedure?", MB_YESNO) != IDYES)
        return;
    ProcedureInvokation invocation;
    invocation.SetProcedure(m_property->GetProcedure());
    ProcedureAssigner assigner(m_project, m_group.GetReport(), &invocation, true);
    m_host.AssignProcedure(assigner);
    if (invocation.GetProcedure() != m_property->GetProcedure())
        m_property->SetProcedure(invocation.GetProcedure());
    FillSources();
    Refresh();
}

void ReportFieldControlEditor::ChooseSourceKind(int index)
{
    m_states.Select(IDC_SOURCE_KIND, index);
    FillSources();
}

void ReportFieldControlEditor::FillSources()
{
    m_sourceRows.clear();
    m_selectedSource = -1;
    switch (m_states.GetSelection(IDC_SOURCE_KIND))
    {
    case ReportVariables:
        for (const Variable* variable : ReportVariablesOf(m_group))
            m_sourceRows.push_back({{"", variable->GetFieldName()}});
        break;
    case HiddenControls:
        for (const FieldRep* control : m_group.GetFilters())
            m_sourceRows.push_back({{"", ControlFieldName(control)}});
        break;
    case ProcedureFields:
        if (m_property != nullptr && m_property->GetProcedure() != nullptr)
            m_sourceRows = OutputColumns::Rows(m_property->GetProcedure()->GetOutputColumns());
        break;
    default:
        break;
    }
}

void ReportFieldControlEditor::Assign()
{
    Variable* parameter = ItemAt(Parameters(), m_selectedParameter);
    if (parameter == nullptr || m_selectedSource < 0)
        return;
    ReportFieldBinding source;
    switch (m_states.GetSelection(IDC_SOURCE_KIND))
    {
    case ReportVariables:
        source.m_sourceVariable = ItemAt(ReportVariablesOf(m_group), m_selectedSource);
        break;
    case HiddenControls:
        source.m_sourceControl = m_group.GetFilterAt(m_selectedSource);
        break;
    case ProcedureFields:
        source.m_sourceColumn =
            ItemAt(m_property->GetProcedure()->GetOutputColumns(), m_selectedSource);
        break;
    default:
        break;
    }
    if (source.m_sourceVariable == nullptr && source.m_sourceControl == nullptr &&
        source.m_sourceColumn == nullptr)
        return;
    ReportFieldBinding* binding = m_property->FindBinding(parameter);
    if (binding == nullptr)
    {
        binding = new ReportFieldBinding;
        binding->m_target = parameter;
        m_property->AddBinding(binding);
    }
    binding->m_sourceVariable = source.m_sourceVariable;
    binding->m_sourceControl = source.m_sourceControl;
    binding->m_sourceColumn = source.m_sourceColumn;
    Refresh();
}

void ReportFieldControlEditor::Remove()
{
    Variable* parameter = ItemAt(Parameters(), m_selectedParameter);
    if (ReportFieldBinding* binding =
            parameter != nullptr ? m_property->FindBinding(parameter) : nullptr)
        m_property->RemoveBinding(binding);
    Refresh();
}

bool ReportFieldControlEditor::Ok()
{
    if (IsButton() && m_property->GetProcedure() == nullptr)
    {
        AfxMessageBox("Please Select a Procedure.");
        return false;
    }
    return true;
}

void ReportFieldControlEditor::Cancel()
{
    if (!m_created)
        return;
    m_column.SetControlProperty(nullptr);
    m_property = nullptr;
}
