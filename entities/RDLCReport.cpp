#include "entities/RDLCReport.h"

#include "entities/AspFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/Function.h"
#include "entities/Parameter.h"
#include "entities/RDLCInfo.h"
#include "entities/ReportPageFiles.h"
#include "entities/TableAdapter.h"
#include "entities/XSDInfo.h"
#include "model/ArchiveIO.h"
#include "model/EventRecmpFields.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/FileUtilities.h"
#include "model/ForgeonProject.h"
#include "model/ListAccess.h"
#include "model/MainFrameAccess.h"
#include "model/Module.h"
#include "model/ProjectSettings.h"
#include "model/ReferenceList.h"
#include "model/Table.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <string_view>

IMPLEMENT_SERIAL(RDLCReport, FormInterface, 0)

namespace
{

// The date style of CONVERT: 103 for "dd/mm/yyyy", 101 for every other format.
const char* DateStyleEnding(const CString& dateFormat)
{
    return dateFormat == "dd/mm/yyyy" ? ", 103) AS " : ", 101) AS ";
}

// The open project's date format; empty while no project with settings is open.
CString ProjectDateFormat()
{
    const ForgeonProject* project = MainFrameAccess::GetProject();
    return project != nullptr && project->GetProjectSettings() != nullptr ? project->GetDateFormat()
                                                                          : CString();
}

// The open project's "SelectAllRecords" function of the table's class, or null.
Function* SelectAllRecordsFunction(Table* table)
{
    const ForgeonProject* project = MainFrameAccess::GetProject();
    Class* dataClass = project != nullptr ? project->GetClassForTable(table, false) : nullptr;
    return dataClass != nullptr ? dataClass->FindFunctionByName("SelectAllRecords") : nullptr;
}

// The query of an adapter of the table's class function: select list, joins and the
// soft-delete filter; the names of the result columns go to the adapter.
CString SelectAllRecordsStatement(const Table& table, TableAdapter& adapter,
                                  const CString& dateFormat)
{
    const CString tableName = table.GetTableName();
    CString selectList;
    CString fromPart = " FROM " + tableName;
    const CString wherePart = table.GetKind() == Table::masterKind
                                  ? " WHERE " + tableName + ".Is_Deleted = 'N'"
                                  : CString();
    int aliasCounter = 0;
    for (const Field* field : table.GetFields())
    {
        if (field->IsDeletedFlagField())
            continue;
        const CString fieldName = field->GetFieldName();
        const bool isDate = field->GetTypeCode() == FieldTypeDateTime;
        const CString ownColumn = tableName + "." + fieldName;
        selectList += isDate ? "CONVERT(varchar(10), " + ownColumn + DateStyleEnding(dateFormat) +
                                   fieldName + ", "
                             : ownColumn + ", ";
        const Field* referred = field->IsForeignKey() ? field->GetForeignField() : nullptr;
        const Table* referredTable = referred != nullptr ? referred->GetTable() : nullptr;
        const Field* display =
            referredTable != nullptr ? referredTable->GetDisplayField() : nullptr;
        if (display == nullptr)
        {
            adapter.AddColumnName(fieldName);
            continue;
        }
        CString alias;
        alias.Format("tbl%d", aliasCounter++);
        const CString shownColumn = alias + "." + display->GetFieldName();
        selectList += isDate ? "CONVERT(varchar(10), " + shownColumn + DateStyleEnding(dateFormat) +
                                   fieldName + "_, "
                             : shownColumn + " AS " + fieldName + "_, ";
        adapter.AddColumnName(fieldName + "_");
        fromPart += field->IsAllowNull() ? " LEFT OUTER JOIN " : " INNER JOIN ";
        fromPart += referredTable->GetTableName() + " " + alias + " ON" + " " + ownColumn + " = " +
                    alias + "." + referred->GetFieldName();
    }
    if (selectList.GetLength() >= 2)
        selectList = selectList.Left(selectList.GetLength() - 2);
    return "SELECT " + selectList + fromPart + wherePart;
}

// The data sets the report names (its own file, its definition's entries) and how many of them
// are the data set.
struct DataSetCount
{
    std::size_t named = 0;
    std::size_t matching = 0;
};

DataSetCount CountDataSet(const RDLCReport& report, const CString& dataSet)
{
    DataSetCount count;
    if (const XSDInfo* file = report.GetXSDInfo())
    {
        ++count.named;
        count.matching += RDLCReport::IsDataSetFile(file, dataSet) ? 1 : 0;
    }
    if (const RDLCInfo* layout = report.GetRDLCInfo())
    {
        count.named += layout->GetEntries().size();
        count.matching += static_cast<std::size_t>(
            std::ranges::count_if(layout->GetEntries(), [&dataSet](const RDLCDataSetEntry& entry)
                                  { return entry.IsDataSet(dataSet); }));
    }
    return count;
}

} // namespace

int RDLCReport::s_idCounter = 0;

RDLCReport::RDLCReport() : m_id(++s_idCounter) {}

void RDLCReport::DeleteFieldRep(FieldRep* fieldRep)
{
    if (fieldRep != nullptr)
        RemoveFieldMapping(fieldRep->GetField());
    FormInterface::DeleteFieldRep(fieldRep);
}

void RDLCReport::Serialize(CArchive& ar)
{
    FormInterface::Serialize(ar);
    if (ar.IsStoring())
    {
        ar << m_header;
        ar.WriteObject(m_rdlcInfo);
        ar << static_cast<int>(m_tableAdapterMaps.size());
        for (const TableAdapterMap& map : m_tableAdapterMaps)
        {
            ar.WriteObject(map.m_tableAdapter);
            ar << static_cast<int>(map.m_pairs.size());
            for (const ColumnFieldPair& pair : map.m_pairs)
            {
                ar << pair.m_column;
                ar.WriteObject(pair.m_field);
            }
        }
        ar << m_mode;
        ar.WriteObject(m_xsdInfo);
        ar.WriteObject(m_table);
        return;
    }
    ar >> m_header;
    m_rdlcInfo = ReadRef<RDLCInfo>(ar);
    const int mapCount = ReadCount(ar);
    for (int i = 0; i < mapCount; ++i)
    {
        TableAdapterMap map;
        map.m_tableAdapter = ReadRef<TableAdapter>(ar);
        const int pairCount = ReadCount(ar);
        for (int j = 0; j < pairCount; ++j)
        {
            ColumnFieldPair pair;
            ar >> pair.m_column;
            pair.m_field = ReadRef<Field>(ar);
            map.m_pairs.push_back(pair);
        }
        m_tableAdapterMaps.push_back(map);
    }
    if (ArchiveVersion() > 81)
    {
        ar >> m_mode;
        m_xsdInfo = ReadRef<XSDInfo>(ar);
        m_table = ReadRef<Table>(ar);
    }
}

AspFile* RDLCReport::CreateDefaultAspFiles(int mode)
{
    return MainPageFileOrNew(*this, mode, AspFile::rdlcReportOwner);
}

int RDLCReport::FindTableAdapterMapIndex(const TableAdapter* adapter) const
{
    const auto found =
        std::ranges::find_if(m_tableAdapterMaps, [adapter](const TableAdapterMap& map)
                             { return map.m_tableAdapter == adapter; });
    return found == m_tableAdapterMaps.end() ? -1
                                             : static_cast<int>(found - m_tableAdapterMaps.begin());
}

int RDLCReport::FindTableAdapterMapIndexByName(const CString& name) const
{
    const auto found =
        std::ranges::find_if(m_tableAdapterMaps,
                             [&name](const TableAdapterMap& map)
                             {
                                 return map.m_tableAdapter != nullptr &&
                                        map.m_tableAdapter->GetName().CompareNoCase(name) == 0;
                             });
    return found == m_tableAdapterMaps.end() ? -1
                                             : static_cast<int>(found - m_tableAdapterMaps.begin());
}

bool RDLCReport::HasTableAdapterMap(const TableAdapter* adapter) const
{
    return FindTableAdapterMapIndex(adapter) >= 0;
}

TableAdapterMap* RDLCReport::GetTableAdapterMapAt(int index)
{
    return IsValidIndex(m_tableAdapterMaps, index)
               ? &m_tableAdapterMaps[static_cast<std::size_t>(index)]
               : nullptr;
}

void RDLCReport::AddTableAdapterColumnMap(TableAdapter* adapter, ColumnFieldPair pair)
{
    TableAdapterMap* map = GetTableAdapterMapAt(FindTableAdapterMapIndex(adapter));
    if (map == nullptr)
    {
        m_tableAdapterMaps.push_back(TableAdapterMap{adapter, {pair}});
        return;
    }
    if (!IsTableAdapterColumnMapped(adapter, pair.m_column))
        map->m_pairs.push_back(pair);
}

bool RDLCReport::IsTableAdapterColumnMapped(const TableAdapter* adapter,
                                            const CString& column) const
{
    const int index = FindTableAdapterMapIndex(adapter);
    return index >= 0 &&
           std::ranges::any_of(m_tableAdapterMaps[static_cast<std::size_t>(index)].m_pairs,
                               [&column](const ColumnFieldPair& pair)
                               { return pair.m_column == column; });
}

bool RDLCReport::IsTableAdapterMapEmpty(const TableAdapter* adapter) const
{
    const int index = FindTableAdapterMapIndex(adapter);
    return index < 0 || m_tableAdapterMaps[static_cast<std::size_t>(index)].m_pairs.empty();
}

void RDLCReport::RemoveTableAdapterMapAt(int index)
{
    EraseAt(m_tableAdapterMaps, index);
}

void RDLCReport::RemoveFieldMapping(const Field* field)
{
    for (TableAdapterMap& map : m_tableAdapterMaps)
    {
        const auto found =
            std::find_if(map.m_pairs.begin(), map.m_pairs.end(),
                         [field](const ColumnFieldPair& pair) { return pair.m_field == field; });
        if (found != map.m_pairs.end())
        {
            map.m_pairs.erase(found);
            return;
        }
    }
}

RDLCInfo* RDLCReport::FindRDLCInfoByName(const CString& name) const
{
    return m_rdlcInfo != nullptr && m_rdlcInfo->GetName() == name ? m_rdlcInfo : nullptr;
}

XSDInfo* RDLCReport::FindXSDInfoByName(const CString& name) const
{
    return m_xsdInfo != nullptr && m_xsdInfo->GetName() == name ? m_xsdInfo : nullptr;
}

bool RDLCReport::HasDerivationSources() const
{
    return m_module != nullptr && m_table != nullptr;
}

CString RDLCReport::SelectAllRecordsName() const
{
    return m_table != nullptr ? DataSetNameOf(*m_table) : CString();
}

CString RDLCReport::DataSetNameOf(const Table& table)
{
    return table.GetTableName() + "_SelectAllRecords";
}

bool RDLCReport::IsFileNamed(const CString& path, const CString& fileName)
{
    const std::string_view whole(path.GetString(), path.GetLength());
    const std::string_view name(fileName.GetString(), fileName.GetLength());
    if (whole.size() < name.size())
        return false;
    const std::size_t at = whole.size() - name.size();
    return (at == 0 || whole[at - 1] == '\\') &&
           std::ranges::equal(whole.substr(at), name,
                              [](unsigned char a, unsigned char b)
                              { return std::tolower(a) == std::tolower(b); });
}

bool RDLCReport::IsDataSetFile(const XSDInfo* file, const CString& dataSet)
{
    return file != nullptr && IsFileNamed(file->GetName(), dataSet + ".xsd");
}

bool RDLCReport::IsBuiltOnTable(const Table* table) const
{
    // A report made for its table writes its files under its table's names.
    if (table == nullptr || m_table == table || (m_mode == 0 && m_table != nullptr))
        return m_table == table;
    // Another report goes when no data set of it is left.
    const DataSetCount count = CountDataSet(*this, DataSetNameOf(*table));
    return count.named > 0 && count.matching == count.named;
}

bool RDLCReport::NamesDataSet(const CString& dataSet) const
{
    return CountDataSet(*this, dataSet).matching > 0;
}

void RDLCReport::DropDataSet(const CString& dataSet, const std::vector<XSDInfo*>& files)
{
    if (IsDataSetFile(m_xsdInfo, dataSet))
    {
        // Its own file is as a rule one of the files.
        if (!Contains(files, m_xsdInfo))
            RemoveXSDInfoTableAdapterMaps(m_xsdInfo);
        m_xsdInfo = nullptr;
    }
    for (const XSDInfo* file : files)
        RemoveXSDInfoTableAdapterMaps(file);
    if (m_rdlcInfo != nullptr)
        m_rdlcInfo->RemoveDataSet(dataSet);
}

void RDLCReport::SetDefaultRDLCInfo()
{
    if (m_mode != 0 || m_rdlcInfo == nullptr || !HasDerivationSources())
        return;
    SetDefaultRDLCName();
    m_rdlcInfo->SetStatus(0);
    SetDefaultRDLCEntries();
}

void RDLCReport::SetDefaultRDLCName()
{
    if (m_rdlcInfo != nullptr && HasDerivationSources())
        m_rdlcInfo->SetName(m_module->GetName() + "\\RDLCs\\" + SelectAllRecordsName() + ".rdlc");
}

void RDLCReport::SetDefaultRDLCEntries()
{
    if (m_rdlcInfo == nullptr || m_table == nullptr)
        return;
    const CString tableName = m_table->GetTableName();
    for (int i = 0; RDLCDataSetEntry* entry = m_rdlcInfo->GetEntryAt(i); ++i)
        *entry = RDLCDataSetEntry{SelectAllRecordsName(), tableName + "TableAdapter", tableName};
}

void RDLCReport::SetDefaultXSDInfo()
{
    if (m_mode != 0 || m_xsdInfo == nullptr || !HasDerivationSources())
        return;
    SetDefaultDataSet();
    m_xsdInfo->SetStatus(0);
    BuildDefaultQueries();
}

void RDLCReport::SetDefaultDataSet()
{
    if (m_xsdInfo == nullptr || !HasDerivationSources())
        return;
    m_xsdInfo->SetFilePath(m_module->GetName() + "\\DataSets\\" + SelectAllRecordsName() + ".xsd");
    RDLCDataSetEntry* first = m_rdlcInfo != nullptr ? m_rdlcInfo->GetEntryAt(0) : nullptr;
    if (first != nullptr)
        first->m_dataSetName = SelectAllRecordsName();
}

void RDLCReport::BuildDefaultQueries()
{
    if (m_xsdInfo == nullptr)
        return;
    for (TableAdapter* adapter : m_xsdInfo->GetTableAdapters())
        BuildSelectAllRecordsQuery(adapter);
}

void RDLCReport::BuildSelectAllRecordsQuery(TableAdapter* adapter)
{
    if (adapter != nullptr && m_table != nullptr)
        BuildSelectAllRecordsQuery(*m_table, SelectAllRecordsFunction(m_table), ProjectDateFormat(),
                                   *adapter);
}

void RDLCReport::BuildSelectAllRecordsQuery(const Table& table, const Function* function,
                                            const CString& dateFormat, TableAdapter& adapter)
{
    const CString tableName = table.GetTableName();
    adapter.SetName(tableName + "TableAdapter");
    adapter.SetCommandType("Text");
    adapter.SetStatus(0);
    if (function == nullptr)
    {
        CString query = CString("SELECT ") + " * FROM " + tableName;
        if (table.GetKind() == Table::masterKind)
            query += " WHERE Is_Deleted = 'N'";
        adapter.SetCommandText(query);
        return;
    }
    adapter.ClearParameterNames();
    for (const Parameter* parameter : function->GetParameters())
    {
        if (parameter != nullptr)
            adapter.AddParameterName(parameter->GetFieldName());
    }
    adapter.ClearColumnNames();
    adapter.SetCommandText(SelectAllRecordsStatement(table, adapter, dateFormat));
}

bool RDLCReport::FilesExist(const ForgeonProject* project) const
{
    if (m_mode == 0)
        return true;
    if (m_rdlcInfo == nullptr || project == nullptr || project->GetProjectSettings() == nullptr)
        return false;
    const CString projectName = project->GetProjectName();
    const CString folder = project->GetProjectPath() + projectName + "\\" + projectName + "\\";
    if (!FileExists(folder + m_rdlcInfo->GetName()))
        return false;
    return std::ranges::all_of(
        m_rdlcInfo->GetEntries(),
        [project, &folder](const RDLCDataSetEntry& entry)
        {
            const XSDInfo* dataSet = project->FindXSDInfoMatchingName(entry.m_dataSetName);
            return dataSet != nullptr && FileExists(folder + dataSet->GetName());
        });
}

CString RDLCReport::UsageEntry() const
{
    return "Used in RDLCReport : " + m_name;
}

void RDLCReport::AddUsageEntry(CString& list)
{
    list += UsageEntry() + "\n";
    RecordUsage();
}

CString RDLCReport::FieldUseName(const CString&) const
{
    return m_name + "_Report";
}

void RDLCReport::ListReferences(ReferenceList& list)
{
    FormInterface::ListReferences(list);
    list.AddSlot(m_rdlcInfo);
    list.AddSlot(m_xsdInfo);
    list.SetUse([this] { return FieldUseName({}); }, controlUseWeight);
    for (const TableAdapterMap& map : m_tableAdapterMaps)
    {
        // A map goes with the data set's table adapter, its pairs' references first.
        const TableAdapter* adapter = map.m_tableAdapter;
        list.Add(adapter,
                 [this, adapter]
                 {
                     std::erase_if(m_tableAdapterMaps, [adapter](const TableAdapterMap& each)
                                   { return each.m_tableAdapter == adapter; });
                 });
        for (const ColumnFieldPair& pair : map.m_pairs)
        {
            const Field* field = pair.m_field;
            list.Add(field, [this, field] { RemoveFieldMapping(field); });
        }
    }
    list.ClearUse();
}

void RDLCReport::ListTableUses(ReferenceList& list)
{
    list.SetUser([this] { return UsageEntry(); });
    list.AddSlot(m_table);
    FormInterface::ListTableUses(list);
    list.SetUser([this] { return m_name; });
}

bool RDLCReport::CollectRDLCInfoUsage(const RDLCInfo* info, CString& list)
{
    const bool used = info != nullptr && info == m_rdlcInfo;
    if (used)
        AddUsageEntry(list);
    return used;
}

void RDLCReport::RemoveRDLCInfoReference(const RDLCInfo* info)
{
    if (info != nullptr && info == m_rdlcInfo)
        m_rdlcInfo = nullptr;
}

bool RDLCReport::CollectXSDInfoUsage(const XSDInfo* info, CString& list)
{
    if (info == nullptr)
        return false;
    const bool used =
        (m_rdlcInfo != nullptr && m_rdlcInfo->UsesDataSetFile(info->GetName())) ||
        std::ranges::any_of(info->GetTableAdapters(), [this](const TableAdapter* adapter)
                            { return adapter != nullptr && HasTableAdapterMap(adapter); });
    if (used)
        AddUsageEntry(list);
    return used;
}

void RDLCReport::RemoveXSDInfoTableAdapterMaps(const XSDInfo* info)
{
    if (info == nullptr)
        return;
    std::erase_if(m_tableAdapterMaps,
                  [info](const TableAdapterMap& map)
                  {
                      return map.m_tableAdapter != nullptr &&
                             Contains(info->GetTableAdapters(), map.m_tableAdapter);
                  });
}

void RDLCReport::RemoveXSDInfoEntries(const XSDInfo* info)
{
    if (info != nullptr && m_rdlcInfo != nullptr)
        m_rdlcInfo->RemoveDataSetFileEntries(info->GetName());
}
