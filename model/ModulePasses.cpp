#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "entities/LoginPage.h"
#include "entities/MapForm.h"
#include "entities/MultiPageReport.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ProcedureTable.h"
#include "entities/RDLCReport.h"
#include "entities/ReportCollector.h"
#include "entities/Transaction.h"
#include "entities/UniquenessProcedureTable.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/Module.h"
#include "model/Table.h"

#include <vector>

// The repairs the project store runs on every module after a project file has been read.

namespace
{
// The mapped variable of every map whose field passes the test becomes a page variable.
template <class Test> void MarkVariablesOfFields(const FormInterface& page, Test isKey)
{
    for (const FieldVariableMap* map : page.GetFieldVariableMaps())
    {
        if (map != nullptr && map->field != nullptr && map->variable != nullptr &&
            isKey(map->field))
            map->variable->SetKind(Variable::pageKind);
    }
}

void DetachKeyFieldData(const FormInterface& page)
{
    for (FieldRep* rep : page.GetFieldReps())
    {
        if (rep->GetField() != nullptr && rep->GetField()->IsKeyOrDeletedFlag())
            rep->SetFieldRepData(nullptr);
    }
}

template <class Page>
void CleanUpFilesOf(const std::vector<Page*>& pages, MenuLeafIndex& leafIndex, bool dropDuplicates,
                    bool dropNullLinks)
{
    for (const Page* page : pages)
    {
        for (AspFile* file : page->GetAspFiles())
        {
            file->CleanUpMenuVariableMaps(leafIndex, dropDuplicates);
            if (dropNullLinks)
                file->RemoveNullLinks();
        }
    }
}

// The invocations of a page that can call a write procedure with its parameters.
std::vector<ProcedureInvokation*> ParameterCalls(const FormInterface& page)
{
    std::vector<ProcedureInvokation*> calls{page.GetProcedureCall()};
    for (const ProcedureTable* entry : page.GetProcedureTables())
        calls.push_back(entry->GetInvocation());
    for (const UniquenessProcedureTable* entry : page.GetUniquenessProcedureTables())
        calls.push_back(entry->GetInvocation());
    return calls;
}

void LinkDetailProcedures(Module& module, const Transaction& transaction, Table* detail)
{
    Field* linkField = detail->FindForeignKeyFieldTo(transaction.GetBasicTable());
    Field* filterField = transaction.FindLinkField(detail);
    std::vector<Procedure*> procedures;
    module.GetProceduresOfTable(detail, procedures);
    for (Procedure* procedure : procedures)
    {
        if (procedure->IsUpdateProcedure() && linkField != nullptr)
            module.RemoveFieldParameter(procedure, linkField);
        else if (procedure->IsSelectAllProcedure() && filterField != nullptr &&
                 procedure->FindFieldFilterByField(filterField) == nullptr)
            procedure->AddFieldFilter(filterField);
    }
}

template <class Page> void RemoveInvalidControls(const std::vector<Page*>& pages)
{
    for (Page* page : pages)
        page->RemoveInvalidFieldReps();
}

template <class Page> void VisitEventFields(const std::vector<Page*>& pages)
{
    for (Page* page : pages)
        page->VisitDefaultEventRecmpFields();
}

template <class Page> void SyncTableFlagsOf(const std::vector<Page*>& pages)
{
    for (Page* page : pages)
        page->SyncTableFlags();
}

void SyncControlsWithTable(FormInterface& page, Table* table)
{
    if (table == nullptr)
        return;
    page.SyncFieldRepsWithTable(table);
    page.AddVariablesForTable(table);
}

// A master-detail form's controls of its basic and detail tables.
void SyncTransactionControls(Transaction& transaction)
{
    SyncControlsWithTable(transaction, transaction.GetBasicTable());
    for (Table* detail : transaction.GetDetailTables())
        SyncControlsWithTable(transaction, detail);
}

void ClearSyncFlag(const FieldRep* rep)
{
    if (rep->GetFieldRepData() != nullptr)
        rep->GetFieldRepData()->SetAddedBySync(false);
}

void DeleteControlsAddedBySync(FormInterface& page)
{
    std::vector<FieldRep*> unconfirmed;
    for (FieldRep* rep : page.GetFieldReps())
    {
        if (rep->GetFieldRepData() != nullptr && rep->GetFieldRepData()->IsAddedBySync())
            unconfirmed.push_back(rep);
    }
    for (FieldRep* rep : unconfirmed)
        page.DeleteFieldRep(rep);
}
} // namespace

// The procedure and its derived procedures lose the field's parameter. Calls of the procedure on
// the module's pages lose the pair at the parameter's place, so that no pair keeps the
// variable, which is then freed unless it is shared or a filter of the procedure still compares
// with it.
void Module::RemoveFieldParameter(Procedure* procedure, Field* field) const
{
    const std::vector<FieldVariableMap>& parameters = procedure->GetFieldParameters();
    int index = 0;
    while (index < static_cast<int>(parameters.size()) && parameters[index].field != field)
        ++index;
    if (index == static_cast<int>(parameters.size()))
        return;
    const FieldVariableMap parameter = parameters[index];
    procedure->RemoveFieldParameterAt(index);
    for (Procedure* derived : procedure->GetDerivedProcedures())
        derived->RemoveFieldParameter(parameter);

    std::vector<FormInterface*> pages;
    GetAllPages(pages);
    for (const FormInterface* page : pages)
    {
        for (ProcedureInvokation* call : ParameterCalls(*page))
        {
            if (call != nullptr && call->GetProcedure() == procedure)
                call->RemoveVariablePairAt(index);
        }
    }
    Variable* variable = parameter.variable;
    if (variable != nullptr && variable->GetKind() != Variable::sharedKind &&
        !procedure->HasFilterOnVariable(variable) && !procedure->HasVariable(variable))
        delete variable;
}

void Module::MarkKeyFieldVariables()
{
    for (const Form* form : m_masterForms)
        MarkVariablesOfFields(*form, [](const Field* field) { return field->IsKey(); });
    for (const Transaction* transaction : m_transactions)
    {
        const Table* basic = transaction->GetBasicTable();
        MarkVariablesOfFields(*transaction, [basic](const Field* field)
                              { return field->IsKey() && field->GetTable() == basic; });
    }
}

void Module::DetachKeyFieldReps()
{
    for (const Form* form : m_masterForms)
        DetachKeyFieldData(*form);
    for (const Transaction* transaction : m_transactions)
        DetachKeyFieldData(*transaction);
}

void Module::CleanUpPageFiles()
{
    MenuLeafIndex leafIndex;
    CleanUpFilesOf(m_masterForms, leafIndex, true, false);
    CleanUpFilesOf(m_transactions, leafIndex, true, true);
    CleanUpFilesOf(m_reports, leafIndex, true, false);
    CleanUpFilesOf(m_mapForms, leafIndex, false, false);
    CleanUpFilesOf(m_dashBoardPages, leafIndex, true, false);
    // The files of every other page kind too: none may keep a map of a deleted menu.
    CleanUpFilesOf(m_rdlcReports, leafIndex, true, false);
    CleanUpFilesOf(m_dashBoards, leafIndex, true, false);
    CleanUpFilesOf(m_multiPageReports, leafIndex, true, false);
    CleanUpFilesOf(m_reportCollectors, leafIndex, true, false);
    if (m_loginPage != nullptr)
        CleanUpFilesOf(std::vector<LoginPage*>{m_loginPage}, leafIndex, true, false);
}

void Module::LinkDetailTableProcedures()
{
    for (const Transaction* transaction : m_transactions)
    {
        for (Table* detail : transaction->GetDetailTables())
        {
            if (detail != nullptr)
                LinkDetailProcedures(*this, *transaction, detail);
        }
    }
}

void Module::RemoveInvalidFieldReps()
{
    RemoveInvalidControls(m_masterForms);
    RemoveInvalidControls(m_transactions);
    RemoveInvalidControls(m_reports);
    RemoveInvalidControls(m_mapForms);
}

void Module::RenamePageVariablesForAllTables()
{
    for (Table* table : m_masterTables)
        RenamePageVariablesForTable(table);
    for (Table* table : m_mapTables)
        RenamePageVariablesForTable(table);
    for (Table* table : m_transactionTables)
        RenamePageVariablesForTable(table);
}

void Module::VisitPageEventFields()
{
    VisitEventFields(m_masterForms);
    VisitEventFields(m_transactions);
    VisitEventFields(m_reports);
    VisitEventFields(m_mapForms);
}

void Module::CreateMapFormInputFields()
{
    for (MapForm* mapForm : m_mapForms)
        mapForm->CreateFieldsForInputControls();
}

void Module::SyncPageTableFlags()
{
    SyncTableFlagsOf(m_masterForms);
    SyncTableFlagsOf(m_transactions);
    SyncTableFlagsOf(m_mapForms);
}

void Module::SyncPageControlsWithTables()
{
    for (Form* form : m_masterForms)
        SyncControlsWithTable(*form, form->GetTable());
    for (MapForm* mapForm : m_mapForms)
        SyncControlsWithTable(*mapForm, mapForm->GetMappingTable());
    for (Transaction* transaction : m_transactions)
        SyncTransactionControls(*transaction);
}

void Module::SettlePastedPage(FormInterface& page)
{
    if (auto* form = dynamic_cast<Form*>(&page))
    {
        form->SyncTableFlags();
        SyncControlsWithTable(*form, form->GetTable());
        DeleteControlsAddedBySync(*form);
    }
    else if (auto* transaction = dynamic_cast<Transaction*>(&page))
    {
        transaction->EnsureTableTitles();
        transaction->SyncTableFlags();
        SyncTransactionControls(*transaction);
        DeleteControlsAddedBySync(*transaction);
    }
    // The category items its menu entries made take their places.
    SortLists();
}

// A map form without bottom controls keeps its bottom part as it is.
void Module::ClearMapFormSyncFlags()
{
    for (MapForm* mapForm : m_mapForms)
    {
        std::vector<FieldRep*> controls;
        mapForm->GetTopFieldReps(controls);
        for (const FieldRep* rep : controls)
            ClearSyncFlag(rep);
        mapForm->GetBottomFieldReps(controls);
        if (!controls.empty())
            ClearSyncFlag(controls.front());
    }
}

void Module::DeleteUnconfirmedFieldReps()
{
    for (Form* form : m_masterForms)
        DeleteControlsAddedBySync(*form);
    for (Transaction* transaction : m_transactions)
        DeleteControlsAddedBySync(*transaction);
}
