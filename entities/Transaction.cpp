#include "entities/Transaction.h"

#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/ClassInvokation.h"
#include "entities/DerivedField.h"
#include "entities/DetailTableReport.h"
#include "entities/Form.h"
#include "entities/MenuInterface.h"
#include "entities/ProcedureInvokation.h"
#include "entities/UniquenessProcedureTable.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/DependenciesDlg.h"
#include "model/EventRecmpFields.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ListAccess.h"
#include "model/Module.h"
#include "model/Ownership.h"
#include "model/ProjectDiagnostics.h"
#include "model/RefField.h"
#include "model/ReferenceList.h"
#include "model/Table.h"

#include <algorithm>

IMPLEMENT_SERIAL(Transaction, FormInterface, 0)

int Transaction::ms_lastId = 0;

namespace
{

// The title a basic table gets by default: its name without "_basic".
CString BasicTableTitle(const Table* table)
{
    CString title = table->GetTableName();
    title.Replace("_basic", "");
    return title;
}

} // namespace

Transaction::Transaction() : m_id(++ms_lastId) {}

Transaction::Transaction(const Transaction* source)
    : m_id(++ms_lastId), m_basicTable(source->m_basicTable), m_detailTables(source->m_detailTables)
{
    CopyFrom(source);
}

Transaction::~Transaction()
{
    m_basicTable = nullptr;
    m_detailTables.clear();
    DeleteAll(m_detailTableReports);
    m_tableTitles.clear();
}

void Transaction::Serialize(CArchive& ar)
{
    FormInterface::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteObject(m_basicTable);
        WriteObjectList(ar, m_detailTables);
        WriteObjectList(ar, m_detailTableReports);
        ar << static_cast<int>(m_tableTitles.size());
        for (const TableTitleEntry& entry : m_tableTitles)
        {
            ar.WriteObject(entry.table);
            ar << entry.title;
        }
        WriteBoolInt(ar, m_customProcedureNames);
        return;
    }

    const int version = ArchiveVersion();
    m_basicTable = ReadRef<Table>(ar);
    ReadObjectList(ar, m_detailTables);
    // Uniqueness entries of old files; the page's own list replaced them.
    if (version < 28)
        DropOwnedList<UniquenessProcedureTable>(ar);
    ReadOwnedList(ar, m_detailTableReports);
    EnsureDefaultVariables();
    CreateDefaultAspFiles(ProjectOutputKind());
    if (version > 48)
    {
        const int count = ReadCount(ar);
        for (int i = 0; i < count; ++i)
        {
            TableTitleEntry entry;
            entry.table = ReadRef<Table>(ar);
            ar >> entry.title;
            m_tableTitles.push_back(entry);
        }
    }
    EnsureTableTitles();
    if (version > 63)
        m_customProcedureNames = ReadBoolInt(ar);
}

void Transaction::CreateDefaultAspFiles(int outputKind)
{
    constexpr int ownerKind = 1;
    if (outputKind == 0)
    {
        EnsureAspFilesOfKinds(*this, {1, 2, 3, 4}, ownerKind);
        constexpr int detailFileKind = 9;
        const auto isDetailFile = [](const AspFile* file)
        { return file->GetFileKind() == detailFileKind; };
        auto detailFiles = std::count_if(m_aspFiles.begin(), m_aspFiles.end(), isDetailFile);
        const auto detailTables = static_cast<decltype(detailFiles)>(m_detailTables.size());
        for (; detailFiles < detailTables; ++detailFiles)
            CreateAspFile(detailFileKind, ownerKind);
        for (; detailFiles > detailTables; --detailFiles)
            DeleteAspFile(FindAspFileByType(detailFileKind));
    }
    else if (outputKind == 1)
        EnsureAspFilesOfKinds(*this, {1, 3}, ownerKind);
}

void Transaction::SetBasicTable(Table* table)
{
    m_basicTable = table;
    if (table != nullptr)
        AddTitleUnlessTitled(table, BasicTableTitle(table));
}

void Transaction::AddDetailTable(Table* table)
{
    m_detailTables.push_back(table);
    AddTitleUnlessTitled(table, table->GetTableName());
}

bool Transaction::UsesTable(const Table* table) const
{
    return table == m_basicTable ||
           std::find(m_detailTables.begin(), m_detailTables.end(), table) != m_detailTables.end();
}

void Transaction::AddTitleUnlessTitled(Table* table, const CString& title)
{
    const bool titled = std::any_of(m_tableTitles.begin(), m_tableTitles.end(),
                                    [table](const TableTitleEntry& e)
                                    { return e.table == table && !e.title.IsEmpty(); });
    if (!titled)
        m_tableTitles.push_back(TableTitleEntry{table, title});
}

void Transaction::EnsureTableTitles()
{
    if (!m_tableTitles.empty())
        return;
    if (m_basicTable != nullptr)
        m_tableTitles.push_back(TableTitleEntry{m_basicTable, BasicTableTitle(m_basicTable)});
    for (Table* table : m_detailTables)
    {
        if (table != nullptr)
            m_tableTitles.push_back(TableTitleEntry{table, table->GetTableName()});
    }
}

void Transaction::EnsureDefaultVariables()
{
    if (!m_fieldVariableMaps.empty())
        return;
    if (m_basicTable != nullptr)
        AddVariablesForTable(m_basicTable);
    for (Table* table : m_detailTables)
    {
        if (table != nullptr)
            AddVariablesForTable(table);
    }
}

void Transaction::DeleteAspFile(AspFile* file)
{
    const auto found = std::find(m_aspFiles.begin(), m_aspFiles.end(), file);
    if (found == m_aspFiles.end())
        return;
    m_aspFiles.erase(found);
    delete file;
}

Table* Transaction::GetDetailTableAt(int index) const
{
    return ItemAt(m_detailTables, index);
}

int Transaction::GetDetailTableIndex(const Table* table) const
{
    const auto found = std::find(m_detailTables.begin(), m_detailTables.end(), table);
    return found == m_detailTables.end() ? -1 : static_cast<int>(found - m_detailTables.begin());
}

Table* Transaction::FindDetailTable(Table* table) const
{
    return table != nullptr && Contains(m_detailTables, table) ? table : nullptr;
}

bool Transaction::HasDetailTableNamed(const CString& name) const
{
    return std::any_of(m_detailTables.begin(), m_detailTables.end(),
                       [&name](const Table* table)
                       { return table != nullptr && table->GetTableName() == name; });
}

Table* Transaction::FindTableById(int id) const
{
    if (m_basicTable != nullptr && m_basicTable->GetId() == id)
        return m_basicTable;
    return FindFirst(m_detailTables,
                     [id](const Table* table) { return table != nullptr && table->GetId() == id; });
}

bool Transaction::IsBasicTableField(const Field* field) const
{
    return m_basicTable != nullptr && field != nullptr && m_basicTable->ContainsField(field);
}

bool Transaction::IsFieldInDetailTables(const Field* field) const
{
    return field != nullptr &&
           std::any_of(m_detailTables.begin(), m_detailTables.end(),
                       [field](const Table* table)
                       { return table != nullptr && table->ContainsField(field); });
}

Field* Transaction::FindLinkField(Table* detail) const
{
    if (detail == nullptr)
        return nullptr;
    return FindFirst(
        detail->GetFields(), [this](const Field* field)
        { return field->IsForeignKey() && IsBasicTableField(field->GetForeignField()); });
}

Table* Transaction::TableOfField(Field* field) const
{
    if (field == nullptr)
        return nullptr;
    return field->GetTable() != nullptr ? field->GetTable() : GetRefOrDerivedFieldTable(field);
}

int Transaction::GetDetailIndexOfField(Field* field) const
{
    const Table* table = TableOfField(field);
    if (table == nullptr || table == m_basicTable)
        return -1;
    return GetDetailTableIndex(table);
}

void Transaction::MoveDetailTableUp(int index)
{
    if (index >= 1 && IsValidIndex(m_detailTables, index))
        std::swap(m_detailTables[index], m_detailTables[index - 1]);
}

void Transaction::MoveDetailTableDown(int index)
{
    if (IsValidIndex(m_detailTables, index + 1) && index >= 0)
        std::swap(m_detailTables[index], m_detailTables[index + 1]);
}

void Transaction::RemoveTableFromPage(Table* table)
{
    if (table == nullptr)
        return;
    const auto ofTable = [this, table](Field* field)
    { return field != nullptr && TableOfField(field) == table; };
    for (int index = static_cast<int>(m_fieldVariableMaps.size()) - 1; index >= 0; --index)
    {
        if (ofTable(m_fieldVariableMaps[index]->field))
            RemoveFieldVariableMapAt(index);
    }
    std::vector<FieldRep*> controls;
    std::copy_if(m_fieldReps.begin(), m_fieldReps.end(), std::back_inserter(controls),
                 [&ofTable](const FieldRep* rep) { return ofTable(rep->GetField()); });
    for (FieldRep* rep : controls)
        DeleteFieldRep(rep);
    DeleteMatching(m_refFields,
                   [table](const RefField* refField) { return refField->GetTable() == table; });
    DeleteMatching(m_derivedFields, [table](const DerivedField* derivedField)
                   { return derivedField->GetTable() == table; });
}

void Transaction::RemoveBasicTable()
{
    RemoveTableFromPage(m_basicTable);
    RemoveTableTitle(m_basicTable);
    m_basicTable = nullptr;
}

void Transaction::RemoveDetailTable(Table* table)
{
    RemoveTableFromPage(table);
    EraseFirst(m_detailTables, table);
    RemoveTableTitle(table);
}

void Transaction::RemoveAllDetailTables()
{
    for (Table* table : m_detailTables)
    {
        RemoveTableFromPage(table);
        RemoveTableTitle(table);
        RemoveDetailTableReport(FindDetailTableReport(table));
    }
    m_detailTables.clear();
}

void Transaction::GetTableTitleEntry(Table* table, TableTitleEntry& out) const
{
    const auto found = std::find_if(m_tableTitles.begin(), m_tableTitles.end(),
                                    [table](const TableTitleEntry& e) { return e.table == table; });
    if (found != m_tableTitles.end())
        out = *found;
}

CString Transaction::GetTableTitle(Table* table) const
{
    TableTitleEntry entry;
    GetTableTitleEntry(table, entry);
    entry.title.Replace("_", " ");
    return entry.title.MakeUpper();
}

void Transaction::SetTableTitle(Table* table, const CString& title)
{
    const auto found = std::find_if(m_tableTitles.begin(), m_tableTitles.end(),
                                    [table](const TableTitleEntry& e) { return e.table == table; });
    if (found != m_tableTitles.end())
        found->title = title;
}

void Transaction::SwapTableTitles(const Table* first, const Table* second)
{
    const auto entryOf = [this](const Table* table)
    {
        return std::find_if(m_tableTitles.begin(), m_tableTitles.end(),
                            [table](const TableTitleEntry& e) { return e.table == table; });
    };
    const auto firstEntry = entryOf(first);
    const auto secondEntry = entryOf(second);
    if (firstEntry != m_tableTitles.end() && secondEntry != m_tableTitles.end())
        std::iter_swap(firstEntry, secondEntry);
}

void Transaction::RemoveTableTitle(Table* table)
{
    const auto found = std::find_if(m_tableTitles.begin(), m_tableTitles.end(),
                                    [table](const TableTitleEntry& e) { return e.table == table; });
    if (found != m_tableTitles.end())
        m_tableTitles.erase(found);
}

void Transaction::RemoveTableTitleAt(int index)
{
    EraseAt(m_tableTitles, index);
}

void Transaction::GetFieldRepsOfTable(Table* table, std::vector<FieldRep*>& out)
{
    out.clear();
    for (int index = 0; FieldRep* rep = GetFieldRep(index); ++index)
    {
        Field* field = rep->GetField();
        if (field == nullptr)
            continue;
        if (field->GetTable() == table)
        {
            out.push_back(rep);
            continue;
        }
        if (field->GetTable() != nullptr)
            continue;
        const RefField* refField = FindRefFieldByField(field);
        if (refField != nullptr && refField->GetTable() == table)
            out.push_back(rep);
        const DerivedField* derivedField = FindDerivedFieldByField(field);
        if (derivedField != nullptr && derivedField->GetTable() == table)
            out.push_back(rep);
    }
}

FieldVariableMap* Transaction::FindKeyFieldVariableMap(Table* table) const
{
    return table == nullptr ? nullptr : FindKeyFieldMap(*this, table);
}

bool Transaction::IsRefFieldFromDetailTable(Field* field) const
{
    return field != nullptr &&
           std::any_of(m_refFields.begin(), m_refFields.end(),
                       [this, field](const RefField* refField) {
                           return refField->GetField() == field &&
                                  FindDetailTable(refField->GetTable()) != nullptr;
                       });
}

DetailTableReport* Transaction::FindDetailTableReport(Table* table) const
{
    return FindFirst(m_detailTableReports, [table](const DetailTableReport* entry)
                     { return entry->GetTable() == table; });
}

ApplicationReport* Transaction::FindDetailTableReportByReportId(int id) const
{
    const DetailTableReport* entry =
        FindFirst(m_detailTableReports, [id](const DetailTableReport* e)
                  { return e->GetReport() != nullptr && e->GetReport()->GetId() == id; });
    return entry == nullptr ? nullptr : entry->GetReport();
}

const std::vector<ReportVariableMap*>*
Transaction::GetReportVariablePairs(ApplicationReport* report) const
{
    const DetailTableReport* entry =
        report == nullptr ? nullptr
                          : FindFirst(m_detailTableReports, [report](const DetailTableReport* e)
                                      { return e->GetReport() == report; });
    return entry == nullptr ? nullptr : &entry->GetVariablePairs();
}

void Transaction::RemoveDetailTableReport(DetailTableReport* entry)
{
    if (entry == nullptr || !Contains(m_detailTableReports, entry))
        return;
    RemoveTableFlags(entry->GetTable());
    EraseAndDelete(m_detailTableReports, entry);
}

void Transaction::RemoveDetailTableReportsOf(ApplicationReport* report)
{
    if (report == nullptr)
        return;
    const std::vector<DetailTableReport*> entries = m_detailTableReports;
    for (DetailTableReport* entry : entries)
    {
        if (entry->GetReport() == report)
            RemoveDetailTableReport(entry);
    }
}

void Transaction::RemoveReportVariablePairsOf(Variable* variable)
{
    ReferenceList list({variable});
    for (DetailTableReport* entry : m_detailTableReports)
    {
        if (entry->GetReport() != nullptr)
            entry->ListReferences(list);
    }
    list.Release({variable});
}

void Transaction::Validate()
{
    ProjectDiagnostics& diagnostics = TheProjectDiagnostics();
    for (Table* detail : m_detailTables)
    {
        if (detail != nullptr && FindLinkField(detail) == nullptr)
        {
            diagnostics.AddError("Table is not having reference to basic table\n\t" + m_name +
                                 "\n\t" + detail->GetTableName());
            break;
        }
    }
    FormInterface::Validate();
    for (const DetailTableReport* entry : m_detailTableReports)
    {
        if (entry->GetReport() == nullptr)
            continue;
        std::vector<Variable*> reportVariables;
        entry->GetReport()->GetVariables(reportVariables, false);
        if (reportVariables.size() > entry->GetVariablePairs().size())
            diagnostics.AddError("Report variables are not mapped!\n\t" + CString(" - ") + m_name);
    }
}

bool Transaction::MoveToModule(Module* from, Module* to)
{
    if (from == nullptr || to == nullptr)
        return false;
    std::vector<DependencyRecord> records;
    const auto addRecord = [&records, from](const Table* table)
    {
        const bool listed = std::any_of(records.begin(), records.end(),
                                        [table](const DependencyRecord& record)
                                        { return record.number == table->GetId(); });
        if (!listed)
            records.push_back({table->GetTableName(), from->GetName(), table->GetId(),
                               DependencyRecord::kTable, false});
    };
    if (m_basicTable != nullptr)
        addRecord(m_basicTable);
    for (const Table* table : m_detailTables)
    {
        if (table != nullptr)
            addRecord(table);
    }
    if (records.empty())
        return false;

    CString heading;
    heading.Format("Moving Master-Detail Form '%s' from %s to %s", m_name, from->GetName(),
                   to->GetName());
    if (!AskForDependencies(records, heading))
        return false;
    for (const DependencyRecord& record : records)
    {
        Table* table = record.selected ? FindTableById(record.number) : nullptr;
        if (table != nullptr)
            MoveTableBetweenModules(table, from, to);
    }
    return true;
}

bool Transaction::IsFieldRepMappedToReportVariable(FieldRep* fieldRep)
{
    if (fieldRep == nullptr)
        return false;
    const CString text = ControlName(fieldRep) + "_Var";
    return std::any_of(m_detailTableReports.begin(), m_detailTableReports.end(),
                       [&text](const DetailTableReport* entry)
                       { return PageVariableNameContains(entry->GetVariablePairs(), text); });
}

void Transaction::GetTables(std::vector<Table*>& out)
{
    if (m_basicTable != nullptr)
        out.push_back(m_basicTable);
    out.insert(out.end(), m_detailTables.begin(), m_detailTables.end());
}

void Transaction::ListReferences(ReferenceList& list)
{
    list.AddSlot(m_basicTable);
    for (Table* table : m_detailTables)
        list.Add(table, [this, table] { RemoveDetailTable(table); });
    for (DetailTableReport* entry : m_detailTableReports)
    {
        list.Add(entry->GetTable(), [this, entry] { RemoveDetailTableReport(entry); });
        ApplicationReport* report = entry->GetReport();
        list.Add(report, [this, report] { RemoveDetailTableReportsOf(report); });
        entry->ListReferences(list);
    }
    FormInterface::ListReferences(list);
}

void Transaction::ReleaseFieldVariableMap(FieldVariableMap* map)
{
    ReleaseReportVariablesOf(map);
    FormInterface::ReleaseFieldVariableMap(map);
}

bool Transaction::IsMasterLinkField(Field* field)
{
    return field != nullptr && IsBasicTableField(field->GetForeignField());
}

void Transaction::CollectReportVariableUsage(Variable* variable, CString& list)
{
    if (variable == nullptr)
        return;
    for (DetailTableReport* entry : m_detailTableReports)
    {
        if (entry->GetReport() != nullptr && ReferenceList::Reaches(*entry, {variable}))
            ListReportVariableUsage(*this, list);
    }
}

CString Transaction::GetCopyNamePrefix() const
{
    if (m_module == nullptr)
        return NumberedCopyPrefix(0);
    return NumberedCopyPrefix(static_cast<int>(
        std::ranges::count_if(m_module->GetTransactions(), [this](const Transaction* other)
                              { return other->GetBasicTable() == m_basicTable; })));
}

void Transaction::SyncTableFlags()
{
    for (const DetailTableReport* entry : m_detailTableReports)
        EnsureTableFlagsRecord(*this, entry->GetTable());
}

TableTitleEntry Transaction::GetTableTitleAt(int index) const
{
    return IsValidIndex(m_tableTitles, index) ? m_tableTitles[index] : TableTitleEntry{};
}

Transaction* Transaction::CreateOtherForm(Module& module) const
{
    CString name;
    for (int number = 1;; ++number)
    {
        name.Format("%s%d", m_name.GetString(), number);
        if (module.FindTransactionByName(name) == nullptr)
            break;
    }
    auto* other = new Transaction;
    other->m_name = name;
    other->m_isCopy = true;
    if (m_basicTable != nullptr)
        other->SetBasicTable(m_basicTable);
    for (Table* detail : m_detailTables)
        other->AddDetailTable(detail);
    for (const RefField* refField : m_refFields)
        other->m_refFields.push_back(new RefField(*refField));
    for (const FieldVariableMap* map : m_fieldVariableMaps)
    {
        Field* field = other->OtherFormField(map->field);
        if (map->variable == nullptr || IsSharedVariableMap(map) ||
            (map->field != nullptr && field == nullptr))
            continue;
        other->m_fieldVariableMaps.push_back(
            new FieldVariableMap{field, new Variable(map->variable)});
    }
    std::vector<std::pair<const FieldRep*, FieldRep*>> copies;
    for (const FieldRep* source : m_fieldReps)
    {
        Field* field = other->OtherFormField(source->GetField());
        if (source->GetField() != nullptr && field == nullptr)
            continue;
        FieldRep* copy =
            CopyControl(*source, field,
                        [other](Field* sourceField) { return other->OtherFormField(sourceField); });
        if (FieldRepData* data = copy->GetFieldRepData())
            data->SetVariable(other->OtherFormVariable(source->GetFieldRepData()->GetVariable()));
        other->m_fieldReps.push_back(copy);
        copies.emplace_back(source, copy);
    }
    for (const auto& [source, copy] : copies)
        other->CopyProcedureRecomputes(*source, *copy);
    if (!module.AddTransaction(other, /*withFiles=*/true))
    {
        delete other;
        return nullptr;
    }
    other->CopyTopMenus(*this);
    return other;
}

Field* Transaction::OtherFormField(Field* sourceField) const
{
    if (sourceField == nullptr || sourceField->GetTable() != nullptr)
        return sourceField;
    const RefField* refField = GetRefFieldByName(sourceField->GetFieldName());
    return refField != nullptr ? refField->GetField() : nullptr;
}

Variable* Transaction::OtherFormVariable(Variable* sourceVariable) const
{
    if (sourceVariable == nullptr || sourceVariable->GetKind() == Variable::sharedKind)
        return sourceVariable;
    return FindVariableByName(sourceVariable->GetFieldName());
}

void Transaction::CopyProcedureRecomputes(const FieldRep& source, FieldRep& copy) const
{
    const FieldRepData* sourceData = source.GetFieldRepData();
    FieldRepData* copyData = copy.GetFieldRepData();
    if (sourceData == nullptr || copyData == nullptr)
        return;
    for (const EventRecmpFields* sourceList : sourceData->GetEventRecmpFieldsList())
    {
        auto* list = new EventRecmpFields(*sourceList);
        for (const EventProcedureRecompute* recompute : sourceList->GetProcedureRecomputes())
        {
            const Field* field =
                recompute->fieldRep != nullptr ? recompute->fieldRep->GetField() : nullptr;
            FieldRep* target =
                field != nullptr ? FindFieldRepByFieldName(field->GetFieldName()) : nullptr;
            if (target == nullptr)
                continue;
            ProcedureInvokation* call = nullptr;
            if (recompute->invokation != nullptr)
            {
                call = new ProcedureInvokation(recompute->invokation);
                for (const VariablePair* pair : recompute->invokation->GetVariablePairs())
                    call->AddVariablePair(
                        pair == nullptr
                            ? nullptr
                            : new VariablePair{pair->first, OtherFormVariable(pair->second)});
            }
            list->AddProcedureRecompute(target, call);
        }
        copyData->AddEventRecmpFields(list);
    }
}

void Transaction::CopyTopMenus(const Transaction& source)
{
    for (const AspFile* sourceFile : source.m_aspFiles)
    {
        AspFile* file = FindAspFileByType(sourceFile->GetFileKind());
        if (file == nullptr || sourceFile->GetTopMenu() == nullptr)
            continue;
        file->SetTopMenu(sourceFile->GetTopMenu());
        file->DeleteTopMenuVariableMaps();
        for (const MenuVariableMap& sourceMap : sourceFile->GetTopMenuVariableMaps())
        {
            std::vector<MenuVariableMap::VariablePair> pairs;
            for (const auto& [menuFileVariable, fileVariable] : sourceMap.GetVariablePairs())
                pairs.emplace_back(menuFileVariable, OtherFormVariable(fileVariable));
            file->AddTopMenuVariableMap(MenuVariableMap(sourceMap.m_menu, std::move(pairs)));
        }
    }
}
