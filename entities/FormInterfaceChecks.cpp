#include "entities/FormInterface.h"

#include "entities/ApplicationReport.h"
#include "entities/FormInterfaceParts.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"
#include "entities/UniquenessProcedureTable.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ListAccess.h"
#include "model/ProjectDiagnostics.h"
#include "model/Table.h"

namespace
{
// A warning is filed once, and never when the user ignores it.
void AddWarningOnce(const CString& text)
{
    ProjectDiagnostics& diagnostics = TheProjectDiagnostics();
    if (!diagnostics.IsWarning(text) && !diagnostics.IsIgnoredWarning(text))
        diagnostics.AddWarning(text);
}
} // namespace

void FormInterface::CheckExtraProcedureMapping(Procedure*) {}

void FormInterface::CheckProcedureMapping(Procedure* procedure)
{
    const UniquenessProcedureTable* entry =
        FindFirst(m_uniquenessProcedureTables, [procedure](const UniquenessProcedureTable* item)
                  { return CallsProcedure(item->GetInvocation(), procedure); });
    if (entry != nullptr)
        CheckInvocationMapping(entry->GetInvocation());
    CheckExtraProcedureMapping(procedure);
}

void FormInterface::CheckInvocationMapping(ProcedureInvokation* invocation)
{
    Procedure* procedure = CalledProcedure(invocation);
    if (procedure == nullptr)
        return;
    for (const VariablePair* pair : invocation->GetVariablePairs())
    {
        if (pair == nullptr || pair->first == nullptr)
            continue;
        Variable* procedureVariable = pair->first;
        Variable* pageVariable = pair->second;
        FieldVariableMap parameter;
        procedure->FindFieldParameterByVariable(parameter, procedureVariable);
        const Field* pageField = GetMappedFieldOfVariable(pageVariable);
        if (parameter.field == nullptr)
            AddWarningOnce("No field mapped with procedure variable" + CString("\n\t ") + m_name +
                           " - in " + procedure->GetName() + "\n\t\t" +
                           procedureVariable->GetFieldName());
        else if (pageVariable != nullptr && pageField == nullptr &&
                 pageVariable->GetKind() != Variable::pageKind &&
                 pageVariable->GetKind() != Variable::sharedKind)
            AddWarningOnce("No field mapped with form variable " + CString("\n\t ") + m_name +
                           " - " + pageVariable->GetFieldName());
        else if (GetKeyFieldOf(parameter.field) == nullptr)
            AddWarningOnce("Field mapped with this variable is not primary field." +
                           CString("\n\t ") + m_name + " - " + procedure->GetName() + "\n\t\t" +
                           procedureVariable->GetFieldName() + " - " +
                           (pageVariable == nullptr ? CString() : pageVariable->GetFieldName()));
    }
}

bool FormInterface::ValidateTableAndReport(const Table* table, ApplicationReport* report,
                                           std::size_t reportVariableMapCount)
{
    ProjectDiagnostics& diagnostics = TheProjectDiagnostics();
    if (table == nullptr)
    {
        diagnostics.AddError("Invalid Form!\n\t" + CString(" - ") + m_name);
        return false;
    }
    Validate();
    if (report == nullptr)
        return true;
    std::vector<Variable*> reportVariables;
    report->GetVariables(reportVariables, false);
    if (reportVariables.size() != reportVariableMapCount)
        diagnostics.AddError("Report variables are not mapped!\n\t" + CString(" - ") + m_name +
                             " - ");
    return true;
}

void FormInterface::Validate()
{
    ProjectDiagnostics& diagnostics = TheProjectDiagnostics();
    for (const UniquenessProcedureTable* entry : m_uniquenessProcedureTables)
    {
        const ProcedureInvokation* invocation = entry->GetInvocation();
        const Procedure* procedure = CalledProcedure(invocation);
        if (procedure != nullptr &&
            invocation->GetVariablePairs().size() != procedure->GetFieldParameters().size())
            diagnostics.AddError("Uniqueness Procedure variables are not mapped!\n\t" +
                                 CString(" - ") + m_name);
    }
    for (const FieldRep* rep : m_fieldReps)
    {
        const FieldRepData* data = rep->GetFieldRepData();
        if (data == nullptr || data->GetDataProcedure() == nullptr)
            continue;
        if (data->GetFrontField() == nullptr || data->GetBackField() == nullptr)
            diagnostics.AddError(
                "Field is not having front or back field for the assigned procedure!\n\t" + m_name +
                " - " + (rep->GetField() == nullptr ? CString() : rep->GetField()->GetFieldName()));
    }
}
