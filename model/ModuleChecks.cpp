#include "entities/ApplicationReport.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "entities/MapForm.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "entities/Transaction.h"
#include "entities/XSDInfo.h"
#include "model/EntityUsageSet.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/Module.h"
#include "model/ProjectDiagnostics.h"
#include "model/Relation.h"
#include "model/Table.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace
{
void AddError(const CString& text)
{
    TheProjectDiagnostics().AddError(text);
}

// Files the finding and records the page in the current usage set.
void AddUsageError(const CString& text, FormInterface* page)
{
    AddError(text);
    TheProjectDiagnostics().GetCurrentUsageSet().AddFormInterface(page);
}

// Neither table of the relation has a foreign key to the other.
bool HasNoResolvedKey(const Relation* relation)
{
    const Table* first = relation->GetFirstTable();
    const Table* second = relation->GetSecondTable();
    return first != nullptr && second != nullptr && !first->HasForeignKeyTo(second) &&
           !second->HasForeignKeyTo(first);
}

// A procedure with n variation variables has 2^n derived procedures.
bool HasAllDerivedProcedures(const Procedure& procedure)
{
    const std::size_t variations = procedure.GetVariationVariables().size();
    if (variations == 0)
        return true;
    constexpr std::size_t widestShift = sizeof(std::size_t) * 8 - 1;
    return variations <= widestShift &&
           procedure.GetDerivedProcedures().size() == (std::size_t{1} << variations);
}

template <class Page> void CheckMappingOf(const std::vector<Page*>& pages, Procedure* procedure)
{
    for (Page* page : pages)
        page->CheckProcedureMapping(procedure);
}

void CheckForeignFieldsOf(const std::vector<Table*>& tables)
{
    for (const Table* table : tables)
    {
        for (const Field* field : table->GetFields())
        {
            if (field->IsForeignKey() && field->GetForeignField() == nullptr)
                AddError("A field in the table is not having proper foreign field!\n\t" +
                         table->GetTableName() + " - " + field->GetFieldName());
        }
    }
}

// Where a control finding points: module, page kind and name, field, separated by line breaks.
CString ControlLocation(const Module& module, FieldRep* fieldRep, FormInterface* page)
{
    const CString fieldName =
        fieldRep->GetField() != nullptr ? fieldRep->GetField()->GetFieldName() : CString();
    return "Module Name: " + module.GetName() + "\n" + page->GetClassName() +
           " Name: " + page->GetFormName() + "\n" + "Field Name: " + fieldName;
}

bool IsLookupControl(const CString& kind)
{
    return kind == "Combo Box" || kind == "Multiple Combo Box";
}

// A control of the page has the column's field as front or back field and calls the procedure.
bool UsesColumnInControls(FormInterface& page, Procedure* procedure, Field* field)
{
    return field != nullptr && page.FindFieldRepDataUsingField(field, procedure) != nullptr;
}

bool ShowsColumn(const ApplicationReport& report, Procedure* procedure, ProcedureFieldInfo* column)
{
    Field* field = column->GetField();
    return std::ranges::any_of(report.GetReportGroups(),
                               [procedure, column, field](const ReportGroup* group)
                               {
                                   return (field != nullptr && group->HasFilterOnField(field)) ||
                                          (group->CallsProcedure(procedure) &&
                                           group->HasColumnForOutputField(column));
                               });
}

bool FiltersOnField(const ApplicationReport& report, Field* field)
{
    return std::ranges::any_of(report.GetReportGroups(), [field](const ReportGroup* group)
                               { return group->HasFilterOnField(field); });
}

constexpr const char* procedureFieldUse = "Procedure Field is used in ";

// The control and visibility findings of a master form or transaction.
void CheckPageColumnUse(FormInterface& page, Procedure* procedure, ProcedureFieldInfo* column,
                        bool withVisibility)
{
    if (UsesColumnInControls(page, procedure, column->GetField()))
        AddUsageError(procedureFieldUse + page.GetFormName(), &page);
    if (withVisibility && page.CheckVisibilityDataUse(column))
        AddError(procedureFieldUse + page.GetFormName() + " as VisibilityData");
}

// The RDLC reports' uses of a report or dataset description go to the usage report under the
// description's name; when there are any, the reports recorded meanwhile drop it.
template <class Info>
void ReportDescriptionUse(Module& module, Info* info,
                          bool (RDLCReport::*collect)(const Info*, CString&),
                          void (EntityUsageSet::*drop)(Info*))
{
    CString usage;
    for (RDLCReport* report : module.GetRDLCReports())
        (report->*collect)(info, usage);
    if (!module.ReportUsage(info->GetName(), usage))
        (TheProjectDiagnostics().GetCurrentUsageSet().*drop)(info);
}
} // namespace

void Module::CheckProcedures()
{
    for (Procedure* procedure : m_procedures)
    {
        const CString& name = procedure->GetName();
        if (procedure->GetMainTable() == nullptr)
            AddError("Main Tables is not present for procedure\n\t" + name);
        CheckMappingOf(m_transactions, procedure);
        CheckMappingOf(m_dashBoards, procedure);
        CheckMappingOf(m_reports, procedure);
        CheckMappingOf(m_dashBoardPages, procedure);
        for (const Relation* relation : procedure->GetRelations())
        {
            if (HasNoResolvedKey(relation))
                AddError("Relation Tables are not having resolved primary keys\n\t" + name);
        }
        if (!HasAllDerivedProcedures(*procedure))
            AddError("num derived procedure != 2^num Variating Params!\n\t" + name + "\n\t");
    }
}

void Module::ValidateTransactions()
{
    for (Transaction* transaction : m_transactions)
        transaction->Validate();
}

void Module::CheckForeignFields()
{
    CheckForeignFieldsOf(m_masterTables);
    CheckForeignFieldsOf(m_transactionTables);
    CheckForeignFieldsOf(m_mapTables);
}

void Module::CheckAllFieldReps()
{
    const auto checkPage = [this](FormInterface* page)
    {
        const int count = static_cast<int>(page->GetFieldReps().size());
        for (int index = 0; index < count; ++index)
        {
            if (FieldRep* rep = page->GetFieldRep(index))
                CheckFieldRep(rep, page);
        }
    };
    for (Form* form : m_masterForms)
        checkPage(form);
    for (Transaction* transaction : m_transactions)
        checkPage(transaction);
    for (MapForm* mapForm : m_mapForms)
        checkPage(mapForm);
    for (ApplicationReport* report : m_reports)
    {
        for (const ReportGroup* group : report->GetReportGroups())
        {
            for (FieldRep* filter : group->GetFilters())
                CheckFieldRep(filter, report);
        }
    }
}

void Module::CheckFieldRep(FieldRep* fieldRep, FormInterface* page)
{
    const FieldRepData* data = fieldRep->GetFieldRepData();
    if (data == nullptr)
        return;
    const CString kind = fieldRep->GetControlTypeName();
    if (IsLookupControl(kind))
    {
        if (data->GetDataProcedure() != nullptr &&
            (data->GetFrontField() == nullptr || data->GetBackField() == nullptr))
            AddError("A front or back field in the fieldRep is not proper!\n\t" +
                     ControlLocation(*this, fieldRep, page) + "\n");
        return;
    }
    if (kind != "Radio Button")
        return;
    std::vector<CString> texts;
    std::vector<CString> values;
    data->GetHardCodedStrings(texts, values);
    if (texts.size() == values.size())
        return;
    AddError("A display or value string in the fieldRep(radio button) is not proper!\n\t" +
             ControlLocation(*this, fieldRep, page));
}

void Module::CheckReportProcedures()
{
    for (const ApplicationReport* report : m_reports)
    {
        for (const ReportGroup* group : report->GetReportGroups())
        {
            const ProcedureInvokation* call = group->GetProcedureCall();
            if (call != nullptr && call->GetProcedure() == nullptr)
                AddError("Procedure in report is not proper!\n\t" + report->GetFormName());
        }
    }
}

void Module::ValidateForms()
{
    for (Form* form : m_masterForms)
        form->Validate();
}

void Module::ValidateMapForms()
{
    for (MapForm* mapForm : m_mapForms)
        mapForm->Validate();
}

void Module::ValidateReports()
{
    for (ApplicationReport* report : m_reports)
        report->CheckGroups();
}

void Module::CheckProcedureFieldUse(Procedure* procedure, ProcedureFieldInfo* column)
{
    if (column == nullptr)
        return;
    Field* field = column->GetField();
    for (Form* form : m_masterForms)
        CheckPageColumnUse(*form, procedure, column, true);
    for (MapForm* mapForm : m_mapForms)
        CheckPageColumnUse(*mapForm, procedure, column, false);
    for (Transaction* transaction : m_transactions)
        CheckPageColumnUse(*transaction, procedure, column, true);
    for (DashBoard* dashBoard : m_dashBoards)
    {
        if (field != nullptr && dashBoard->IsFieldUsedInCells(field))
            AddUsageError(procedureFieldUse + dashBoard->GetFormName(), dashBoard);
    }
    for (ApplicationReport* report : m_reports)
    {
        if (ShowsColumn(*report, procedure, column))
            AddUsageError(procedureFieldUse + report->GetFormName(), report);
    }
}

// The pages are searched for the field alone, whichever function outputs it.
void Module::CheckFunctionFieldUse(Function*, Field* field)
{
    if (field == nullptr)
        return;
    const CString functionFieldUse = "Function Field is used in ";
    const auto check = [&functionFieldUse, field](FormInterface* page)
    {
        if (page->IsFrontOrBackFieldOfAnyControl(field))
            AddUsageError(functionFieldUse + page->GetFormName(), page);
    };
    for (Form* form : m_masterForms)
        check(form);
    for (Transaction* transaction : m_transactions)
        check(transaction);
    for (ApplicationReport* report : m_reports)
    {
        if (FiltersOnField(*report, field))
            AddUsageError(functionFieldUse + report->GetFormName(), report);
    }
}

bool Module::CanDeleteRDLCInfo(RDLCInfo* info)
{
    ReportDescriptionUse(*this, info, &RDLCReport::CollectRDLCInfoUsage,
                         &EntityUsageSet::RemoveRDLCInfoReferences);
    return true;
}

bool Module::CanDeleteXSDInfo(XSDInfo* info)
{
    ReportDescriptionUse(*this, info, &RDLCReport::CollectXSDInfoUsage,
                         &EntityUsageSet::RemoveXSDInfoReferences);
    return true;
}
