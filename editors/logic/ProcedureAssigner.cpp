#include "editors/logic/ProcedureAssigner.h"

#include "editors/logic/ModuleCombo.h"
#include "entities/ApplicationReport.h"
#include "entities/FormInterface.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "platform/core/MessageBox.h"

#include <algorithm>

namespace
{
bool IsValidIndex(int index, std::size_t count)
{
    return index >= 0 && static_cast<std::size_t>(index) < count;
}

CString VariableName(const Variable* variable)
{
    return variable != nullptr ? variable->GetFieldName() : CString();
}
} // namespace

ProcedureAssigner::ProcedureAssigner(ForgeonProject& project, FormInterface* page,
                                     ProcedureInvokation* invocation, bool allowChange)
    : m_project(project), m_page(page), m_invocation(invocation), m_allowChange(allowChange)
{
}

ProcedureAssigner::~ProcedureAssigner() = default;

const std::vector<ListColumn>& ProcedureAssigner::VariableColumns()
{
    static const std::vector<ListColumn> columns{{"", 0}, {"Variable", 64}};
    return columns;
}

const std::vector<ListColumn>& ProcedureAssigner::MappingColumns()
{
    static const std::vector<ListColumn> columns{{"Procedure Variable", 35},
                                                 {"Assigned Variable", 30}};
    return columns;
}

void ProcedureAssigner::Open()
{
    if (m_invocation == nullptr)
    {
        m_created = std::make_unique<ProcedureInvokation>();
        m_invocation = m_created.get();
    }
    m_module = FillModuleCombo(m_states, IDC_MODULE, m_project);
    m_variableRows.clear();
    if (m_page != nullptr)
    {
        for (const FieldVariableMap* map : m_page->GetFieldVariableMaps())
            m_variableRows.push_back({{"", VariableName(map->variable)}});
    }
    FillProcedures();
    if (!m_allowChange)
    {
        m_states.Enable(IDC_PROCEDURE, false);
        const Procedure* current = m_invocation->GetProcedure();
        m_states.SetText(IDC_PROCEDURE_NAME, current != nullptr ? current->GetName() : CString());
    }
    FillMappings();
    ApplyPreselection();
    m_states.SetCheck(IDC_MAP_INPUT, true);
    m_states.SetCheck(IDC_MAP_OUTPUT, false);
}

void ProcedureAssigner::FillProcedures()
{
    m_procedures.clear();
    std::vector<CString> names;
    int selected = -1;
    if (m_module != nullptr)
    {
        for (Procedure* procedure : m_module->GetProcedures())
        {
            if (procedure->IsInsertProcedure() || procedure->IsUpdateProcedure() ||
                procedure->IsDeleteProcedure())
                continue;
            if (procedure == m_invocation->GetProcedure())
                selected = static_cast<int>(names.size());
            m_procedures.push_back(procedure);
            names.push_back(procedure->GetName());
        }
    }
    m_states.SetItems(IDC_PROCEDURE, std::move(names));
    m_states.Select(IDC_PROCEDURE, selected);
}

void ProcedureAssigner::ApplyPreselection()
{
    if (m_preselected == nullptr)
        return;
    const auto found = std::find(m_procedures.begin(), m_procedures.end(), m_preselected);
    if (found == m_procedures.end())
        m_states.Select(IDC_PROCEDURE, -1);
    else
        ChooseProcedure(static_cast<int>(found - m_procedures.begin()));
}

void ProcedureAssigner::FillMappings()
{
    m_mappingRows.clear();
    const Procedure* procedure = m_invocation->GetProcedure();
    if (procedure != nullptr && m_outputMapping)
    {
        for (const ProcedureFieldInfo* column : procedure->GetOutputColumns())
        {
            Field* field = column->GetField();
            const FieldVariableMap* map = m_invocation->FindFieldVariableMap(field);
            m_mappingRows.push_back({{field != nullptr ? field->GetFieldName() : CString(),
                                      map != nullptr ? VariableName(map->variable) : CString()}});
        }
    }
    else if (procedure != nullptr)
    {
        for (const FieldVariableMap& parameter : procedure->GetFieldParameters())
        {
            const VariablePair* pair = m_invocation->FindVariablePair(parameter.variable);
            m_mappingRows.push_back(
                {{VariableName(parameter.variable),
                  pair != nullptr ? VariableName(pair->second) : CString("NOT_ASSIGNED")}});
        }
    }
    const int count = static_cast<int>(m_mappingRows.size());
    if (m_selectedMapping < 0 || m_selectedMapping >= count)
        m_selectedMapping = count - 1;
}

void ProcedureAssigner::ChooseModule(int index)
{
    if (!IsValidIndex(index, m_project.GetModules().size()))
        return;
    m_states.Select(IDC_MODULE, index);
    m_module = m_project.GetModules()[index];
    FillProcedures();
    FillMappings();
    ApplyPreselection();
}

void ProcedureAssigner::ChooseProcedure(int index)
{
    if (!IsValidIndex(index, m_procedures.size()))
        return;
    m_states.Select(IDC_PROCEDURE, index);
    Procedure* procedure = m_procedures[index];
    if (procedure == m_invocation->GetProcedure())
        return;
    m_invocation->SetProcedure(procedure);
    m_invocation->ClearVariablePairs();
    m_invocation->SyncWithProcedure();
    FillMappings();
}

void ProcedureAssigner::Assign()
{
    Procedure* procedure = m_invocation->GetProcedure();
    if (procedure == nullptr || m_page == nullptr ||
        !IsValidIndex(m_selectedMapping, m_mappingRows.size()) ||
        !IsValidIndex(m_selectedVariable, m_page->GetFieldVariableMaps().size()))
        return;
    Variable* pageVariable = m_page->GetFieldVariableMaps()[m_selectedVariable]->variable;
    if (m_outputMapping)
    {
        m_invocation->AddFieldVariableMap(
            new FieldVariableMap{procedure->GetOutputFieldAt(m_selectedMapping), pageVariable});
    }
    else
    {
        Variable* parameter = procedure->GetFieldParameterVariableAt(m_selectedMapping);
        if (VariablePair* pair = m_invocation->FindVariablePair(parameter))
            pair->second = pageVariable;
        else
        {
            auto* made = new VariablePair{parameter, pageVariable};
            if (IsValidIndex(m_selectedMapping, m_invocation->GetVariablePairs().size()))
                m_invocation->SetVariablePairAt(m_selectedMapping, made);
            else
                m_invocation->AddVariablePair(made);
        }
    }
    FillMappings();
}

void ProcedureAssigner::DeleteMapping()
{
    Procedure* procedure = m_invocation->GetProcedure();
    if (procedure == nullptr || !IsValidIndex(m_selectedMapping, m_mappingRows.size()))
        return;
    if (m_outputMapping)
        m_invocation->RemoveFieldVariableMapOfField(procedure->GetOutputFieldAt(m_selectedMapping));
    else
        m_invocation->ClearVariablePairOf(
            procedure->GetFieldParameterVariableAt(m_selectedMapping));
    FillMappings();
}

void ProcedureAssigner::MapOutputFields()
{
    m_outputMapping = true;
    m_states.SetCheck(IDC_MAP_OUTPUT, true);
    m_states.SetCheck(IDC_MAP_INPUT, false);
    FillMappings();
}

void ProcedureAssigner::MapInputVariables()
{
    m_outputMapping = false;
    m_states.SetCheck(IDC_MAP_OUTPUT, false);
    m_states.SetCheck(IDC_MAP_INPUT, true);
    FillMappings();
}

bool ProcedureAssigner::Ok()
{
    const Procedure* procedure = m_invocation != nullptr ? m_invocation->GetProcedure() : nullptr;
    if (m_outputMapping || procedure == nullptr)
        return true;
    const std::vector<VariablePair*>& pairs = m_invocation->GetVariablePairs();
    const bool complete =
        procedure->GetFieldParameters().size() == pairs.size() &&
        std::all_of(pairs.begin(), pairs.end(),
                    [](const VariablePair* pair) {
                        return pair != nullptr && pair->first != nullptr && pair->second != nullptr;
                    });
    if (complete || dynamic_cast<ApplicationReport*>(m_page) != nullptr)
        return true;
    AfxMessageBox("Please map the proc vars with corresponding form vars.");
    return false;
}
