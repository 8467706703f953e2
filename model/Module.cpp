#include "model/Module.h"

#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/LoginPage.h"
#include "entities/MapForm.h"
#include "entities/Menu.h"
#include "entities/MultiPageReport.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/RDLCReport.h"
#include "entities/ReportCollector.h"
#include "entities/ReportField.h"
#include "entities/ReportFieldControlProperty.h"
#include "entities/ReportGroup.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/DefaultNames.h"
#include "model/EntityUsageSet.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/ListAccess.h"
#include "model/MainFrameAccess.h"
#include "model/NameUtilities.h"
#include "model/Ownership.h"
#include "model/ProjectDiagnostics.h"
#include "model/Relation.h"
#include "model/Table.h"
#include "model/TextFile.h"
#include "platform/core/FileWriters.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace
{
// The kind of file written here and the rules its writer keeps.
const FileWriterRegistration debugReportWriter("debug report",
                                               replacesLinks | usersOwnOnly | usersOwnFolderOnly);
} // namespace

IMPLEMENT_SERIAL(Module, CObject, 0)

namespace
{
// The output kind a transaction read from a file makes its page files for.
constexpr int transactionFileOutputKind = 1;
// Classes are stored from this version on, RDLC reports from the next.
constexpr int lastVersionWithoutClasses = 65;
constexpr int lastVersionWithoutRDLCReports = 73;

decltype(auto) NameOf(const Table* table)
{
    return table->GetTableName();
}
decltype(auto) NameOf(const FormInterface* page)
{
    return page->GetFormName();
}
decltype(auto) NameOf(const Menu* menu)
{
    return menu->GetName();
}
decltype(auto) NameOf(const Procedure* procedure)
{
    return procedure->GetName();
}
decltype(auto) NameOf(const Designation* designation)
{
    return designation->GetName();
}

// The order of the sorted lists: the byte order of the names, as the "C" locale collates them,
// whatever locale the process runs in, so that a saved project is the same on every machine.
template <class T> bool NameBefore(const T* a, const T* b)
{
    return NameOf(a).Compare(NameOf(b)) < 0;
}

// Stable: equal names keep their order. A list that is in order but for its last entry, as an
// add leaves it, only moves that entry to its place.
template <class T> void SortByName(std::vector<T*>& list)
{
    const auto unsorted = std::is_sorted_until(list.begin(), list.end(), NameBefore<T>);
    if (unsorted == list.end())
        return;
    if (unsorted + 1 == list.end())
        std::rotate(std::upper_bound(list.begin(), unsorted, *unsorted, NameBefore<T>), unsorted,
                    list.end());
    else
        std::stable_sort(list.begin(), list.end(), NameBefore<T>);
}

template <class T> bool Holds(const std::vector<T*>& list, const T* item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

template <class T> T* FindById(const std::vector<T*>& list, int id)
{
    return FindFirst(list, [id](const T* item) { return item->GetId() == id; });
}

template <class T> T* FindByExactName(const std::vector<T*>& list, const CString& name)
{
    return FindFirst(list, [&name](const T* item) { return NameOf(item) == name; });
}

template <class T> T* FindByNameNoCase(const std::vector<T*>& list, const CString& name)
{
    return FindFirst(list, [&name](const T* item)
                     { return NameOf(item).CompareNoCase(name.GetString()) == 0; });
}

// The first entity built on the table; null for a null table.
template <class T> T* FindByTable(const std::vector<T*>& list, const Table* table)
{
    return table == nullptr
               ? nullptr
               : FindFirst(list, [table](const T* item) { return item->GetTable() == table; });
}

template <class T> bool Remove(std::vector<T*>& list, const T* item)
{
    return std::erase(list, item) > 0;
}

// Takes the entity remembered in the slot as a new copy and empties the slot.
template <class T> T* TakeCopy(T*& slot)
{
    if (slot == nullptr)
        return nullptr;
    T* copy = new T(slot);
    slot = nullptr;
    return copy;
}

// The open project's output kind; 1, as in a new project, while none is open.
int OutputKind()
{
    const ForgeonProject* project = MainFrameAccess::GetProject();
    return project == nullptr ? 1 : project->GetOutputKind();
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
    DeleteAll(m_unboundClasses);
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
    ReadOwnedList(ar, list);
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
        Transaction* transaction = ReadOwned<Transaction>(ar);
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
        if (Class* dataClass = ReadOwned<Class>(ar))
            m_classes.push_back(dataClass);
    }
    SetAsideUnboundClasses();
}

void Module::SetAsideUnboundClasses()
{
    std::erase_if(m_classes,
                  [this](Class* dataClass)
                  {
                      if (dataClass->GetTable() != nullptr)
                          return false;
                      m_unboundClasses.push_back(dataClass);
                      return true;
                  });
    m_classIndex.Reset();
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
    ReplaceOwned(m_loginPage, ReadOwned<LoginPage>(ar));
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

template <class T> bool Module::AddPage(T* page, bool listed)
{
    if (page == nullptr)
        return false;
    if (!listed)
    {
        Append(page);
        SortLists();
    }
    return true;
}

template <class T> bool Module::AddPageById(const std::vector<T*>& list, T* page)
{
    return AddPage(page, page != nullptr && FindById(list, page->GetId()) != nullptr);
}

template <class T>
bool Module::AddPageWithFiles(const std::vector<T*>& list, T* page, bool withFiles)
{
    if (!AddPageById(list, page))
        return false;
    if (withFiles)
    {
        page->CreateDefaultAspFiles(OutputKind());
        AddDefaultMenuEntries(page);
    }
    return true;
}

bool Module::AddMasterForm(Form* form, bool withFiles)
{
    return AddPageWithFiles(m_masterForms, form, withFiles);
}

bool Module::AddTransaction(Transaction* transaction, bool withFiles)
{
    return AddPageWithFiles(m_transactions, transaction, withFiles);
}

bool Module::AddReport(ApplicationReport* report, bool withFiles)
{
    return AddPageWithFiles(m_reports, report, withFiles);
}

bool Module::AddRDLCReport(RDLCReport* report, bool withFiles)
{
    return AddPageWithFiles(m_rdlcReports, report, withFiles);
}

bool Module::AddDashBoardPage(DashBoardPage* page, bool withFiles)
{
    if (!AddPageById(m_dashBoardPages, page))
        return false;
    if (withFiles)
    {
        page->CreateAspFile(OutputKind());
        AddDashboardPageMenuEntry(page);
    }
    return true;
}

bool Module::AddDashBoard(DashBoard* dashBoard, bool withFiles)
{
    if (!AddPage(dashBoard, Holds(m_dashBoards, dashBoard)))
        return false;
    if (withFiles)
        dashBoard->CreateAspFile(OutputKind());
    return true;
}

bool Module::AddMapForm(MapForm* mapForm, bool withFiles)
{
    if (mapForm == nullptr)
        return false;
    if (withFiles)
        mapForm->EnsureReportFiles();
    Append(mapForm);
    AddMapFormSelectParameter(mapForm);
    SortLists();
    return true;
}

bool Module::AddMultiPageReport(MultiPageReport* report)
{
    if (report != nullptr && report->GetAspFiles().empty())
        report->CreatePageFile(OutputKind());
    return AddPage(report, false);
}

bool Module::AddReportCollector(ReportCollector* collector)
{
    if (collector != nullptr)
        collector->CreateDefaultAspFiles(OutputKind());
    return AddPage(collector, false);
}

bool Module::AddMenu(Menu* menu)
{
    if (menu == nullptr)
        return false;
    Append(menu);
    SortLists();
    return true;
}

bool Module::AddProcedure(Procedure* procedure)
{
    if (procedure == nullptr)
        return false;
    if (!Holds(m_procedures, procedure))
    {
        Append(procedure);
        SortLists();
    }
    return true;
}

bool Module::SetLoginPage(LoginPage* page)
{
    AdoptLoginPage(page);
    return true;
}

bool Module::DeleteLoginPage(LoginPage* page)
{
    if (page == nullptr || page != m_loginPage)
        return false;
    delete m_loginPage;
    m_loginPage = nullptr;
    return true;
}

bool Module::RemoveTable(Table* table)
{
    std::vector<Table*>* list = TableListOfKind(table);
    if (list == nullptr || !Remove(*list, table))
        return false;
    std::erase_if(m_procedures, [table](const Procedure* procedure)
                  { return procedure->GetMainTable() == table && procedure->GetKind() == 0; });
    return true;
}

bool Module::RemoveMasterTable(Table* table)
{
    return table != nullptr && table->GetKind() == Table::masterKind && RemoveTable(table);
}

bool Module::RemoveTransactionTable(Table* table)
{
    return table != nullptr && table->GetKind() == Table::masterDetailKind && RemoveTable(table);
}

bool Module::RemoveMapTable(Table* table)
{
    return table != nullptr && table->GetKind() == Table::mapKind && RemoveTable(table);
}

bool Module::RemoveMasterForm(Form* form)
{
    return Remove(m_masterForms, form);
}

bool Module::RemoveTransaction(Transaction* transaction)
{
    return Remove(m_transactions, transaction);
}

bool Module::RemoveReport(ApplicationReport* report)
{
    return Remove(m_reports, report);
}

bool Module::RemoveRDLCReport(RDLCReport* report)
{
    return Remove(m_rdlcReports, report);
}

bool Module::RemoveMenu(Menu* menu)
{
    return Remove(m_menus, menu);
}

bool Module::RemoveDashBoard(DashBoard* dashBoard)
{
    return Remove(m_dashBoards, dashBoard);
}

bool Module::RemoveDashBoardPage(DashBoardPage* page)
{
    return Remove(m_dashBoardPages, page);
}

Table* Module::GetMasterTableAt(int index) const
{
    return ItemAt(m_masterTables, index);
}

Table* Module::GetTransactionTableAt(int index) const
{
    return ItemAt(m_transactionTables, index);
}

Table* Module::GetMapTableAt(int index) const
{
    return ItemAt(m_mapTables, index);
}

Transaction* Module::GetTransactionAt(int index) const
{
    return ItemAt(m_transactions, index);
}

Menu* Module::GetMenuAt(int index) const
{
    return ItemAt(m_menus, index);
}

Procedure* Module::GetProcedureAt(int index) const
{
    return ItemAt(m_procedures, index);
}

DashBoard* Module::GetDashBoardAt(int index) const
{
    return ItemAt(m_dashBoards, index);
}

DashBoardPage* Module::GetDashBoardPageAt(int index) const
{
    return ItemAt(m_dashBoardPages, index);
}

ApplicationReport* Module::GetReportAt(int index) const
{
    return ItemAt(m_reports, index);
}

RDLCReport* Module::GetRDLCReportAt(int index) const
{
    return ItemAt(m_rdlcReports, index);
}

MapForm* Module::GetMapFormAt(int index) const
{
    return ItemAt(m_mapForms, index);
}

MultiPageReport* Module::GetMultiPageReportAt(int index) const
{
    return ItemAt(m_multiPageReports, index);
}

ReportCollector* Module::GetReportCollectorAt(int index) const
{
    return ItemAt(m_reportCollectors, index);
}

int Module::GetReportCollectorCount() const
{
    return static_cast<int>(m_reportCollectors.size());
}

int Module::CountUserProcedures() const
{
    return static_cast<int>(std::count_if(m_procedures.begin(), m_procedures.end(),
                                          [](const Procedure* procedure)
                                          { return procedure->GetKind() == 0; }));
}

Table* Module::FindMasterTableById(int id) const
{
    return FindById(m_masterTables, id);
}

Table* Module::FindTransactionTableById(int id) const
{
    return FindById(m_transactionTables, id);
}

Table* Module::FindMapTableById(int id) const
{
    return FindById(m_mapTables, id);
}

Table* Module::FindTableById(int id) const
{
    if (Table* table = FindMasterTableById(id))
        return table;
    if (Table* table = FindTransactionTableById(id))
        return table;
    return FindMapTableById(id);
}

Form* Module::FindMasterFormById(int id) const
{
    return FindById(m_masterForms, id);
}

Transaction* Module::FindTransactionById(int id) const
{
    return FindById(m_transactions, id);
}

Procedure* Module::FindProcedureById(int id) const
{
    return FindById(m_procedures, id);
}

ApplicationReport* Module::FindReportById(int id) const
{
    return FindById(m_reports, id);
}

RDLCReport* Module::FindRDLCReportById(int id) const
{
    return FindById(m_rdlcReports, id);
}

DashBoard* Module::FindDashBoardById(int id) const
{
    return FindById(m_dashBoards, id);
}

DashBoardPage* Module::FindDashBoardPageById(int id) const
{
    return FindById(m_dashBoardPages, id);
}

MapForm* Module::FindMapFormById(int id) const
{
    return FindById(m_mapForms, id);
}

MultiPageReport* Module::FindMultiPageReportById(int id) const
{
    return FindById(m_multiPageReports, id);
}

ReportCollector* Module::FindReportCollectorById(int id) const
{
    return FindById(m_reportCollectors, id);
}

Menu* Module::FindMenuById(int id) const
{
    for (Menu* menu : m_menus)
    {
        if (menu->GetId() == id)
            return menu;
        if (Menu* found = menu->FindSubMenuById(id))
            return found;
    }
    return nullptr;
}

Table* Module::FindTableByName(CString& name) const
{
    name.MakeLower();
    if (Table* table = FindByNameNoCase(m_masterTables, name))
        return table;
    if (Table* table = FindByNameNoCase(m_mapTables, name))
        return table;
    return FindByNameNoCase(m_transactionTables, name);
}

Table* Module::FindMasterTableByName(const CString& name) const
{
    return FindByNameNoCase(m_masterTables, name);
}

Table* Module::FindMasterTableByNameExact(const CString& name) const
{
    return FindByExactName(m_masterTables, name);
}

Form* Module::FindMasterFormByName(const CString& name) const
{
    return FindByExactName(m_masterForms, name);
}

MapForm* Module::FindMapFormByName(const CString& name) const
{
    return FindByExactName(m_mapForms, name);
}

Transaction* Module::FindTransactionByName(const CString& name) const
{
    return FindByExactName(m_transactions, name);
}

DashBoard* Module::FindDashBoardByName(const CString& name) const
{
    return FindByExactName(m_dashBoards, name);
}

DashBoardPage* Module::FindDashBoardPageByName(const CString& name) const
{
    return FindByExactName(m_dashBoardPages, name);
}

ReportCollector* Module::FindReportCollectorByName(const CString& name) const
{
    return FindByExactName(m_reportCollectors, name);
}

MultiPageReport* Module::FindMultiPageReportByName(const CString& name) const
{
    return FindByExactName(m_multiPageReports, name);
}

Procedure* Module::FindProcedureByName(const CString& name) const
{
    return FindByExactName(m_procedures, name);
}

Designation* Module::FindDesignationByName(const CString& name) const
{
    return FindByExactName(m_designations, name);
}

Menu* Module::FindMenuByFullName(const CString& fullName) const
{
    for (Menu* menu : m_menus)
    {
        if (menu->GetFullName() == fullName)
            return menu;
        if (Menu* found = menu->FindByFullName(fullName))
            return found;
    }
    return nullptr;
}

Procedure* Module::FindProcedureByNameNoCase(const CString& name) const
{
    return FindByNameNoCase(m_procedures, name);
}

ApplicationReport* Module::FindReportByName(const CString& name) const
{
    return FindByNameNoCase(m_reports, name);
}

RDLCReport* Module::FindRDLCReportByName(const CString& name) const
{
    return FindByNameNoCase(m_rdlcReports, name);
}

Form* Module::FindMasterFormForTable(const Table* table) const
{
    return FindByTable(m_masterForms, table);
}

Transaction* Module::FindTransactionByTable(const Table* table) const
{
    return table == nullptr ? nullptr
                            : FindFirst(m_transactions, [table](const Transaction* transaction)
                                        { return transaction->UsesTable(table); });
}

FormInterface* Module::FindFormOfTable(const Table* table) const
{
    if (table == nullptr)
        return nullptr;
    if (table->GetKind() == Table::masterKind)
        return FindMasterFormForTable(table);
    if (table->GetKind() == Table::mapKind)
        return FindMapFormByTable(table);
    return nullptr;
}

Form* Module::GetMasterFormForTable(Table* table, bool create) const
{
    Form* form = FindMasterFormForTable(table);
    if (form != nullptr || !create || table == nullptr)
        return form;
    form = new Form;
    form->SetTable(table);
    return form;
}

ApplicationReport* Module::FindReportForTable(const Table* table) const
{
    return FindFirst(m_reports, [table](const ApplicationReport* report)
                     { return report->IsSearchReportOfTable(table); });
}

RDLCReport* Module::FindRDLCReportForTable(const Table* table) const
{
    return FindByTable(m_rdlcReports, table);
}

bool Module::ContainsMasterForm(const Form* form) const
{
    return Holds(m_masterForms, form);
}

bool Module::ContainsDesignation(const Designation* designation) const
{
    return Holds(m_designations, designation);
}

bool Module::ContainsProcedure(const Procedure* procedure) const
{
    return Holds(m_procedures, procedure);
}

bool Module::ContainsDashBoard(const DashBoard* dashBoard) const
{
    return Holds(m_dashBoards, dashBoard);
}

bool Module::ContainsDashBoardPage(const DashBoardPage* page) const
{
    return Holds(m_dashBoardPages, page);
}

void Module::GetAllTables(std::vector<Table*>& out) const
{
    out = m_masterTables;
    out.insert(out.end(), m_transactionTables.begin(), m_transactionTables.end());
    out.insert(out.end(), m_mapTables.begin(), m_mapTables.end());
}

void Module::GetProceduresOfTable(const Table* table, std::vector<Procedure*>& out) const
{
    out.clear();
    std::copy_if(m_procedures.begin(), m_procedures.end(), std::back_inserter(out),
                 [table](const Procedure* procedure)
                 { return procedure->GetKind() == 0 && procedure->GetMainTable() == table; });
}

void Module::CollectSystemTables(std::vector<Table*>& out) const
{
    out.clear();
    std::copy_if(m_masterTables.begin(), m_masterTables.end(), std::back_inserter(out),
                 [](const Table* table) { return table->IsSystemTable(); });
}

void Module::GetUserFunctionsOfTable(const Table* table, std::vector<Function*>& out) const
{
    out.clear();
    for (const Class* dataClass : m_classes)
    {
        if (dataClass->GetTable() != table)
            continue;
        std::copy_if(dataClass->GetFunctions().begin(), dataClass->GetFunctions().end(),
                     std::back_inserter(out),
                     [](const Function* function) { return function->GetKind() == 1; });
    }
}

int Module::CountUserFunctions() const
{
    int count = 0;
    for (const Class* dataClass : m_classes)
        count += dataClass->GetUserDefinedFunctionCount();
    return count;
}

int Module::GetDesignationIndex(const Designation* designation) const
{
    const auto found = std::find(m_designations.begin(), m_designations.end(), designation);
    return found == m_designations.end() ? -1 : static_cast<int>(found - m_designations.begin());
}

Designation* Module::GetDirectorDesignation() const
{
    return FindDesignationByName("Director");
}

void Module::CollectMenus(std::vector<Menu*>& out, const Menu* excluded) const
{
    for (Menu* menu : m_menus)
    {
        if (menu == excluded)
            continue;
        menu->CollectSubMenus(out, excluded);
        out.push_back(menu);
    }
}

void Module::RenameAllVariablesAfterFields()
{
    const auto rename = [](const auto& pages)
    {
        for (FormInterface* page : pages)
            page->RenameVariablesAfterFields();
    };
    rename(m_masterForms);
    rename(m_transactions);
    rename(m_reports);
    rename(m_dashBoardPages);
    rename(m_mapForms);
}

void Module::PrepareForWriteAll()
{
    RenameAllVariablesAfterFields();
    for (RDLCReport* report : m_rdlcReports)
    {
        if (report->GetMode() != 0)
            continue;
        // Both first: the data set's files take their names from the description's record.
        report->SetDefaultXSDInfo();
        report->SetDefaultRDLCInfo();
    }
    const auto fillTitles = [](const auto& pages)
    {
        for (FormInterface* page : pages)
        {
            for (AspFile* file : page->GetAspFiles())
                file->GetPageTitle();
        }
    };
    fillTitles(m_masterForms);
    fillTitles(m_transactions);
}

void Module::RefreshFieldRepData(FormInterface* page)
{
    if (page == nullptr)
        return;
    for (FieldRep* control : page->GetFieldReps())
        control->SetFieldRepData(control->GetFieldRepData());
}

void Module::AddMissingFieldsToTableReport(const Table* table) const
{
    if (ApplicationReport* report = FindReportForTable(table))
        report->AddMissingFieldsToGroups();
}

void Module::MoveMenuUp(Menu* menu)
{
    const auto found = std::find(m_menus.begin(), m_menus.end(), menu);
    if (found != m_menus.end() && found != m_menus.begin())
        std::iter_swap(found, found - 1);
}

void Module::MoveMenuDown(Menu* menu)
{
    const auto found = std::find(m_menus.begin(), m_menus.end(), menu);
    if (found != m_menus.end() && found + 1 != m_menus.end())
        std::iter_swap(found, found + 1);
}

namespace
{
bool EndsWith(const CString& text, const char* suffix)
{
    const int length = static_cast<int>(std::strlen(suffix));
    return text.GetLength() >= length && text.Right(length) == suffix;
}

void AddTableWhenMissing(Procedure& procedure, Table* table)
{
    if (procedure.FindTable(table) == nullptr)
        procedure.AddTable(table);
}

// A relation from the first table to the second joining the first's key field and the field,
// appended unless the procedure joins the two tables already.
void AddRelationWhenMissing(Procedure& procedure, Table* first, Table* second, Field* field)
{
    if (procedure.HasRelation(first, second))
        return;
    auto* relation = new Relation;
    relation->SetFirstTable(first);
    relation->SetSecondTable(second);
    if (Field* key = first->GetPrimaryKeyField())
        relation->AddJoinField(key);
    if (field != nullptr && !relation->ContainsField(field))
        relation->AddJoinField(field);
    procedure.AddRelation(relation);
}

void FillSelectAll(Table* mapTable, const MapForm& mapForm, Procedure& procedure)
{
    Field* firstBottomField = mapForm.GetBottomFieldAt(0);
    for (Field* field : mapTable->GetFields())
    {
        Field* foreign = field->GetForeignField();
        if (field->IsKeyOrDeletedFlag() || foreign == nullptr || foreign->GetTable() == nullptr ||
            foreign->GetTable() == mapTable)
            continue;
        if (field == firstBottomField && procedure.FindFieldFilterByField(field) == nullptr)
            procedure.AddFieldFilter(field);
        AddTableWhenMissing(procedure, foreign->GetTable());
        AddRelationWhenMissing(procedure, foreign->GetTable(), mapTable, field);
    }
}

void FillSelectRecord(Table* mapTable, const MapForm& mapForm, Procedure& procedure)
{
    const Form* masterForm = mapForm.GetBottomMasterForm();
    if (masterForm == nullptr || masterForm->GetTable() == nullptr)
        return;
    procedure.ResetTablesRelationsFilters();
    AddTableWhenMissing(procedure, masterForm->GetTable());
    AddRelationWhenMissing(procedure, masterForm->GetTable(), mapTable,
                           mapForm.GetBottomFieldAt(0));
}
} // namespace

void Module::FillMapTableProcedure(Table* mapTable, Procedure* procedure)
{
    if (mapTable == nullptr || procedure == nullptr || mapTable->GetKind() != Table::mapKind)
        return;
    const MapForm* mapForm = FindMapFormByTable(mapTable);
    if (mapForm == nullptr)
        return;
    if (EndsWith(procedure->GetName(), "_SelectAll"))
        FillSelectAll(mapTable, *mapForm, *procedure);
    else if (EndsWith(procedure->GetName(), "_SelectRecord"))
        FillSelectRecord(mapTable, *mapForm, *procedure);
}

Table* Module::TakePastedTable()
{
    return TakeCopy(m_pastedTable);
}

ApplicationReport* Module::TakePastedReport()
{
    return TakeCopy(m_pastedReport);
}

Transaction* Module::TakePastedTransaction()
{
    return TakeCopy(m_pastedTransaction);
}

Form* Module::TakePastedForm()
{
    if (m_pastedForm == nullptr)
        return nullptr;
    Form* copy = new Form(*m_pastedForm);
    m_pastedForm = nullptr;
    return copy;
}

namespace
{
// A search report lists neither key, deletion-flag and foreign-key columns nor the user
// account's password.
bool IsSearchReportColumn(const Table* table, const ProcedureFieldInfo* column)
{
    const Field* field = column->GetField();
    if (field == nullptr)
        return true;
    if (field->IsKeyOrDeletedFlag() || field->IsForeignKey())
        return false;
    return !(table->GetTableName() == userAccountTableName &&
             field->GetFieldName().CompareNoCase("password") == 0);
}

// The first column opens the page's edit file with the first column's value in the page's first
// variable.
void LinkFirstColumnToPage(ReportGroup& group, const FormInterface& page,
                           ProcedureFieldInfo* firstOutputColumn)
{
    if (group.GetReportFields().empty())
        return;
    std::vector<Variable*> variables;
    page.GetVariables(variables, true);
    ReportField* first = group.GetReportFields().front();
    first->ClearBindings();
    first->SetAspFile(page.GetAspFileAt(1));
    auto* binding = new ReportFieldBinding;
    binding->m_target = variables.empty() ? nullptr : variables.front();
    binding->m_sourceColumn = firstOutputColumn;
    first->AddBinding(binding);
}
} // namespace

ApplicationReport* Module::CreateSearchReport(Table* table)
{
    Class* dataClass = GetClassForTable(table, false);
    if (dataClass == nullptr)
        return nullptr;
    auto* report = new ApplicationReport;
    report->SetName(table->GetTableName() + " Report");
    report->SetTitle(MakeCaption("Search " + table->GetTableName()));
    Function* function = dataClass->FindFunctionByName("SelectAllRecords");
    auto* call = new ClassInvokation;
    call->SetFunction(dataClass, function);
    report->SetClassCall(call);
    auto* group = new ReportGroup(report, new ClassInvokation(call));
    report->AddReportGroup(group);

    FormInterface* page = nullptr;
    if (table->GetKind() == Table::masterKind)
        page = FindMasterFormForTable(table);
    else
        page = FindTransactionByTable(table);
    if (page == nullptr)
        return report;
    if (function != nullptr && !function->GetOutputFields().empty())
    {
        for (ProcedureFieldInfo* column : function->GetOutputFields())
        {
            if (IsSearchReportColumn(table, column))
                group->AddReportField(new ReportField(column));
        }
        LinkFirstColumnToPage(*group, *page, function->GetOutputFields().front());
    }
    AddReport(report, true);
    return report;
}

Class* Module::GetClassForTable(Table* table, bool create)
{
    if (table == nullptr)
        return nullptr;
    if (Class* found = m_classIndex.Find(m_classes, table))
        return found;
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

void Module::CleanPageClassRecomputes()
{
    for (Form* form : m_masterForms)
        form->CleanEmptyClassRecomputes();
    for (MapForm* mapForm : m_mapForms)
        mapForm->CleanEmptyClassRecomputes();
    for (Transaction* transaction : m_transactions)
        transaction->CleanEmptyClassRecomputes();
}

void Module::RenameClassesAfterTables()
{
    for (Class* dataClass : m_classes)
    {
        if (dataClass->GetTable() != nullptr)
            dataClass->SetName("_" + dataClass->GetTable()->GetTableName());
    }
}

void Module::SetLoginTableFrontFields(ForgeonProject& project)
{
    if (project.GetBaseModule() != this)
        return;
    EnsureFrontField(FindMasterTableNamed(m_masterTables, roleTableName), "role_name");
    EnsureFrontField(FindMasterTableNamed(m_masterTables, userAccountTableName), "username");
}
