#include "model/Module.h"

#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/LoginPage.h"
#include "entities/MapForm.h"
#include "entities/Menu.h"
#include "entities/MultiPageReport.h"
#include "entities/Procedure.h"
#include "entities/RDLCReport.h"
#include "entities/ReportCollector.h"
#include "entities/ReportGroup.h"
#include "entities/Transaction.h"
#include "model/ArchiveIO.h"
#include "model/EntityUsageSet.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/Ownership.h"
#include "model/ProjectDiagnostics.h"
#include "model/Table.h"
#include "model/TextFile.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_SERIAL(Module, CObject, 0)

namespace
{
// The output kind a transaction read from a file makes its page files for.
constexpr int transactionFileOutputKind = 1;
// Classes are stored from this version on, RDLC reports from the next.
constexpr int lastVersionWithoutClasses = 65;
constexpr int lastVersionWithoutRDLCReports = 73;

CString NameOf(const Table* table)
{
    return table->GetTableName();
}
CString NameOf(const FormInterface* page)
{
    return page->GetFormName();
}
CString NameOf(const Menu* menu)
{
    return menu->GetName();
}
CString NameOf(const Procedure* procedure)
{
    return procedure->GetName();
}

// Ascending by name in the collation of the current locale.
template <class T> void SortByName(std::vector<T*>& list)
{
    std::stable_sort(list.begin(), list.end(),
                     [](const T* a, const T* b)
                     { return std::strcoll(NameOf(a).GetString(), NameOf(b).GetString()) < 0; });
}

template <class T> bool Holds(const std::vector<T*>& list, const T* item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

void Trace(const char* line)
{
    DebugReport().Write(0, line);
}

// Frees the list, then traces the line.
template <class T> void FreeAndTrace(std::vector<T*>& list, const char* line)
{
    DeleteAll(list);
    Trace(line);
}

// Frees the pages of the list one by one, tracing each name before it goes.
template <class T> void FreeNamedPages(std::vector<T*>& list)
{
    for (T* page : list)
    {
        DebugReport().Write(0, "%s\n", page->GetFormName());
        delete page;
    }
    list.clear();
}

// Opened while static objects are initialised, so that each run starts the trace empty.
const TextFile& debugReportAtStartUp = DebugReport();
} // namespace

TextFile& DebugReport()
{
    static TextFile report("C:\\temp\\KestraneWeavoDebugReport.txt", true, '=', 60, false, false);
    return report;
}

Module::Module() = default;

Module::Module(CString name) : m_name(name) {}

Module::~Module()
{
    Trace("Start of KestraneWeavoProject destructor\n");
    FreeAndTrace(m_menus, "Menus destructed\n");
    FreeAndTrace(m_mapForms, "Map forms destructed\n");
    FreeAndTrace(m_transactions, "Transactions destructed\n");
    FreeAndTrace(m_masterTables, "Master tables destructed\n");
    FreeAndTrace(m_transactionTables, "Transaction tables destructed\n");
    FreeAndTrace(m_masterForms, "Master forms destructed\n");
    FreeAndTrace(m_designations, "Designations destructed\n");
    FreeAndTrace(m_dashBoards, "Dashboards destructed\n");
    FreeAndTrace(m_procedures, "Procedures destructed\n");
    FreeNamedPages(m_reports);
    Trace("Reports destructed\n");
    FreeNamedPages(m_rdlcReports);
    Trace("RDLC Reports destructed\n");
    FreeAndTrace(m_mapTables, "Map tables destructed\n");
    DeleteAll(m_dashBoardPages);
    FreeAndTrace(m_reportCollectors, "Report collector destructed\n");
    DeleteAll(m_multiPageReports);
    DeleteAll(m_classes);
    delete m_loginPage;
    m_loginPage = nullptr;
    Trace("Multipage report destructed\n");
    Trace("login page destructed\n");
    Trace("Global field variables destructed\n");
    Trace("End of KestraneWeavoProject destructor\n");
    DebugReport().WriteSeparator(0);
}

void Module::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        Store(ar);
    else
        Load(ar);
}

void Module::Store(CArchive& ar) const
{
    ar << m_name << m_number;
    WriteObjectList(ar, m_masterTables);
    WriteObjectList(ar, m_transactionTables);
    // A form is written through its page part.
    ar << static_cast<int>(m_masterForms.size());
    for (const Form* form : m_masterForms)
        ar.WriteObject(static_cast<const FormInterface*>(form));
    WriteObjectList(ar, m_designations);
    WriteObjectList(ar, m_menus);
    WriteObjectList(ar, m_dashBoards);
    WriteObjectList(ar, m_procedures);
    WriteObjectList(ar, m_transactions);
    WriteObjectList(ar, m_reports);
    WriteObjectList(ar, m_mapTables);
    WriteObjectList(ar, m_mapForms);
    WriteObjectList(ar, m_dashBoardPages);
    ar.WriteObject(m_loginPage);
    WriteObjectList(ar, m_multiPageReports);
    WriteObjectList(ar, m_reportCollectors);
    WriteObjectList(ar, m_classes);
    WriteObjectList(ar, m_rdlcReports);
}

template <class T> void Module::ReadInto(CArchive& ar, std::vector<T*>& list)
{
    ReadObjectList(ar, list, true);
}

template <class T> void Module::ReadPagesInto(CArchive& ar, std::vector<T*>& list)
{
    const std::size_t first = list.size();
    ReadInto(ar, list);
    for (std::size_t i = first; i < list.size(); ++i)
        list[i]->SetModule(this);
}

void Module::ReadTransactions(CArchive& ar)
{
    const int count = ReadCount(ar);
    for (int i = 0; i < count; ++i)
    {
        Transaction* transaction = ReadRef<Transaction>(ar);
        if (transaction == nullptr)
            continue;
        m_transactions.push_back(transaction);
        transaction->CreateDefaultAspFiles(transactionFileOutputKind);
        transaction->SetModule(this);
    }
}

// A class without a table is not kept. It is not freed either: pages may call its functions
// through references read before it.
void Module::ReadClasses(CArchive& ar)
{
    m_classes.clear();
    const int count = ReadCount(ar);
    for (int i = 0; i < count; ++i)
    {
        Class* dataClass = ReadRef<Class>(ar);
        if (dataClass != nullptr && dataClass->GetTable() != nullptr)
            m_classes.push_back(dataClass);
    }
}

void Module::Load(CArchive& ar)
{
    ar >> m_name >> m_number;
    ReadInto(ar, m_masterTables);
    ReadInto(ar, m_transactionTables);
    ReadPagesInto(ar, m_masterForms);
    ReadInto(ar, m_designations);
    ReadInto(ar, m_menus);
    ReadPagesInto(ar, m_dashBoards);
    ReadInto(ar, m_procedures);
    ReadTransactions(ar);
    ReadPagesInto(ar, m_reports);
    ReadInto(ar, m_mapTables);
    ReadPagesInto(ar, m_mapForms);
    ReadPagesInto(ar, m_dashBoardPages);
    SortLists();
    ReplaceOwned(m_loginPage, ReadRef<LoginPage>(ar));
    ReadPagesInto(ar, m_multiPageReports);
    ReadPagesInto(ar, m_reportCollectors);
    const int version = ArchiveVersion();
    if (version > lastVersionWithoutClasses)
        ReadClasses(ar);
    if (version > lastVersionWithoutRDLCReports)
        ReadPagesInto(ar, m_rdlcReports);
}

void Module::AppendMasterTable(Table* table)
{
    m_masterTables.push_back(table);
}

void Module::AppendTransactionTable(Table* table)
{
    m_transactionTables.push_back(table);
}

void Module::AppendMapTable(Table* table)
{
    m_mapTables.push_back(table);
}

void Module::Append(Form* form)
{
    m_masterForms.push_back(form);
    form->SetModule(this);
}

void Module::Append(Designation* designation)
{
    m_designations.push_back(designation);
}

void Module::Append(Transaction* transaction)
{
    m_transactions.push_back(transaction);
    transaction->SetModule(this);
}

void Module::Append(Menu* menu)
{
    m_menus.push_back(menu);
}

void Module::Append(DashBoard* dashBoard)
{
    m_dashBoards.push_back(dashBoard);
    dashBoard->SetModule(this);
}

void Module::Append(Procedure* procedure)
{
    m_procedures.push_back(procedure);
}

void Module::Append(ApplicationReport* report)
{
    m_reports.push_back(report);
    report->SetModule(this);
}

void Module::Append(RDLCReport* report)
{
    m_rdlcReports.push_back(report);
    report->SetModule(this);
}

void Module::Append(MapForm* mapForm)
{
    m_mapForms.push_back(mapForm);
    mapForm->SetModule(this);
}

void Module::Append(DashBoardPage* page)
{
    m_dashBoardPages.push_back(page);
    page->SetModule(this);
}

void Module::Append(MultiPageReport* report)
{
    m_multiPageReports.push_back(report);
    report->SetModule(this);
}

void Module::Append(ReportCollector* collector)
{
    m_reportCollectors.push_back(collector);
    collector->SetModule(this);
}

void Module::Append(Class* dataClass)
{
    m_classes.push_back(dataClass);
}

std::vector<Table*>* Module::TableListOfKind(const Table* table)
{
    if (table == nullptr)
        return nullptr;
    switch (table->GetKind())
    {
    case Table::masterKind:
        return &m_masterTables;
    case Table::masterDetailKind:
        return &m_transactionTables;
    case Table::mapKind:
        return &m_mapTables;
    default:
        return nullptr;
    }
}

bool Module::AddTable(Table* table)
{
    if (table != nullptr && ContainsTable(table))
        return true;
    std::vector<Table*>* list = TableListOfKind(table);
    if (list != nullptr)
        list->push_back(table);
    SortLists();
    return list != nullptr;
}

bool Module::RemoveTable(Table* table)
{
    std::vector<Table*>* list = TableListOfKind(table);
    if (list == nullptr || std::erase(*list, table) == 0)
        return false;
    std::erase_if(m_procedures, [table](const Procedure* procedure)
                  { return procedure->GetMainTable() == table && procedure->GetKind() == 0; });
    return true;
}

bool Module::AddReport(ApplicationReport* report)
{
    if (report == nullptr)
        return false;
    const bool listed = std::any_of(m_reports.begin(), m_reports.end(),
                                    [report](const ApplicationReport* other)
                                    { return other->GetId() == report->GetId(); });
    if (listed)
        return true;
    Append(report);
    SortLists();
    return true;
}

bool Module::RemoveReport(ApplicationReport* report)
{
    return std::erase(m_reports, report) > 0;
}

Class* Module::GetClassForTable(Table* table, bool create)
{
    if (table == nullptr)
        return nullptr;
    const auto found = std::find_if(m_classes.begin(), m_classes.end(),
                                    [table](const Class* dataClass)
                                    { return dataClass->GetTable() == table; });
    if (found != m_classes.end())
        return *found;
    if (!create)
        return nullptr;
    auto* dataClass = new Class;
    dataClass->SetName("_" + table->GetTableName());
    dataClass->SetTable(table);
    m_classes.push_back(dataClass);
    return dataClass;
}

void Module::AdoptLoginPage(LoginPage* page)
{
    m_loginPage = page;
    if (page != nullptr)
        page->SetModule(this);
}

void Module::RemoveFunctionParameterReferences(Function* function, Parameter* parameter)
{
    ProjectDiagnostics& diagnostics = TheProjectDiagnostics();
    diagnostics.PushUsageSet();
    const auto ask = [function, parameter](const auto& pages)
    {
        for (FormInterface* page : pages)
            page->IsFunctionParameterUsed(function, parameter);
    };
    ask(m_masterForms);
    ask(m_transactions);
    ask(m_reports);
    ask(m_rdlcReports);
    ask(m_dashBoards);
    diagnostics.GetCurrentUsageSet().RemoveFunctionParameterReferences(function, parameter);
    diagnostics.PopUsageSet();
}

bool Module::DetachDesignation(Designation* designation)
{
    const auto found = std::find(m_designations.begin(), m_designations.end(), designation);
    if (found == m_designations.end())
        return false;
    m_designations.erase(found);
    return true;
}

bool Module::ContainsTable(const Table* table) const
{
    return Holds(m_masterTables, table) || Holds(m_transactionTables, table) ||
           Holds(m_mapTables, table);
}

bool Module::ContainsTopLevelMenu(const Menu* menu) const
{
    return Holds(m_menus, menu);
}

Menu* Module::FindMenuByName(const CString& name) const
{
    for (Menu* menu : m_menus)
    {
        if (menu->GetName() == name)
            return menu;
        if (Menu* found = menu->FindSubMenuByName(name))
            return found;
    }
    return nullptr;
}

bool Module::IsEmpty() const
{
    return m_masterTables.empty() && m_transactionTables.empty() && m_mapTables.empty() &&
           m_masterForms.empty() && m_designations.empty() && m_transactions.empty() &&
           m_menus.empty() && m_dashBoards.empty() && m_procedures.empty() && m_reports.empty() &&
           m_mapForms.empty() && m_dashBoardPages.empty() && m_multiPageReports.empty() &&
           m_reportCollectors.empty();
}

void Module::SortLists()
{
    SortByName(m_masterTables);
    SortByName(m_transactionTables);
    SortByName(m_masterForms);
    SortByName(m_transactions);
    SortByName(m_dashBoards);
    SortByName(m_reports);
    SortByName(m_multiPageReports);
    SortByName(m_menus);
    SortByName(m_procedures);
}

namespace
{
// A control without a caption takes the display name of its field.
void FillEmptyCaption(FieldRep* control)
{
    FieldRepData* data = control->GetFieldRepData();
    if (data != nullptr && control->GetField() != nullptr && data->GetCaption().IsEmpty())
        data->SetCaption(control->GetField()->GetDisplayName());
}

void FillEmptyCaptions(const std::vector<FieldRep*>& controls)
{
    for (FieldRep* control : controls)
        FillEmptyCaption(control);
}

// The master table of that exact name, or null.
Table* FindMasterTableNamed(const std::vector<Table*>& tables, const char* name)
{
    const auto found =
        std::find_if(tables.begin(), tables.end(),
                     [name](const Table* table) { return table->GetTableName() == name; });
    return found == tables.end() ? nullptr : *found;
}

void EnsureFrontField(Table* table, const char* fieldName)
{
    if (table == nullptr || table->GetFrontField() != nullptr)
        return;
    if (Field* field = table->FindFieldByName(fieldName))
        field->SetFrontField(true);
}
} // namespace

void Module::MarkKeyFieldVariables() {}

void Module::DetachKeyFieldReps() {}

void Module::CleanUpPageFiles() {}

void Module::LinkDetailTableProcedures() {}

void Module::FillEmptyCaptions()
{
    for (const Form* form : m_masterForms)
        ::FillEmptyCaptions(form->GetFieldReps());
    for (const Transaction* transaction : m_transactions)
        ::FillEmptyCaptions(transaction->GetFieldReps());
    for (const MapForm* mapForm : m_mapForms)
        ::FillEmptyCaptions(mapForm->GetFieldReps());
    for (const ApplicationReport* report : m_reports)
    {
        for (const ReportGroup* group : report->GetReportGroups())
            ::FillEmptyCaptions(group->GetFilters());
    }
}

void Module::RemoveInvalidFieldReps() {}

void Module::AddFormKeyVariables() {}

void Module::AddMissingAliasColumns() {}

void Module::RenamePageVariablesForAllTables() {}

void Module::VisitPageEventFields() {}

void Module::CreateMapFormInputFields() {}

void Module::SyncPageTableFlags() {}

void Module::SyncPageControlsWithTables() {}

void Module::ClearMapFormSyncFlags() {}

void Module::CleanPageClassRecomputes()
{
    for (Form* form : m_masterForms)
        form->CleanEmptyClassRecomputes();
    for (MapForm* mapForm : m_mapForms)
        mapForm->CleanEmptyClassRecomputes();
    for (Transaction* transaction : m_transactions)
        transaction->CleanEmptyClassRecomputes();
}

void Module::EnsureLoginTableClasses(ForgeonProject&) {}

void Module::AddDefaultClassFunctionsUpTo(Table*) {}

void Module::AddTableFieldsToAllClassFunctions() {}

void Module::RenameClassesAfterTables()
{
    for (Class* dataClass : m_classes)
    {
        if (dataClass->GetTable() != nullptr)
            dataClass->SetName("_" + dataClass->GetTable()->GetTableName());
    }
}

void Module::DeleteUnconfirmedFieldReps() {}

void Module::SetLoginTableFrontFields(ForgeonProject& project)
{
    if (project.GetBaseModule() != this)
        return;
    EnsureFrontField(FindMasterTableNamed(m_masterTables, "personnel_role"), "role_name");
    EnsureFrontField(FindMasterTableNamed(m_masterTables, "useraccount"), "username");
}

void Module::CreateLoginPage() {}

void Module::EnsureDefaultDesignation() {}
