#include "entities/Transaction.h"

#include "entities/AspFile.h"
#include "entities/DetailTableReport.h"
#include "entities/UniquenessProcedureTable.h"
#include "model/ArchiveIO.h"
#include "model/Ownership.h"
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
    {
        std::vector<UniquenessProcedureTable*> oldEntries;
        ReadObjectList(ar, oldEntries);
        for (UniquenessProcedureTable* entry : oldEntries)
            delete entry;
    }
    ReadObjectList(ar, m_detailTableReports);
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
        for (int fileKind : {1, 2, 3, 4})
        {
            if (FindAspFileByType(fileKind) == nullptr)
                CreateAspFile(fileKind, ownerKind);
        }
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
    {
        for (int fileKind : {1, 3})
        {
            if (FindAspFileByType(fileKind) == nullptr)
                CreateAspFile(fileKind, ownerKind);
        }
    }
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
