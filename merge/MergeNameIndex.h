#pragma once

// Lookups of the merge by name, built once and kept up as entities join the lists they index.

#include "entities/Class.h"
#include "model/Module.h"
#include "model/Table.h"
#include "platform/core/CString.h"

#include <cstddef>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

// Entities by name: the first entity added under a name is the one found, as a linear search
// of the lists in the order they were added finds it. Names ignore the case of ASCII letters,
// as CString::CompareNoCase does, unless exact is set.
template <class T> class MergeNameIndex
{
public:
    explicit MergeNameIndex(bool exact = false) : m_entries(0, NameHash{exact}, SameName{exact}) {}

    // Enters the entity unless an earlier one holds its name.
    void Add(const CString& name, T* entity) { m_entries.try_emplace(name, entity); }
    void Add(CString&& name, T* entity) { m_entries.try_emplace(std::move(name), entity); }
    // Enters each entity of the list by the name that nameOf gives.
    template <class List, class NameOf> void Add(const List& list, const NameOf& nameOf)
    {
        for (T* entity : list)
            if (entity != nullptr)
                Add(nameOf(*entity), entity);
    }
    // Null when no entity has the name.
    T* Find(const CString& name) const
    {
        const auto found = m_entries.find(name);
        return found != m_entries.end() ? found->second : nullptr;
    }

private:
    struct NameHash
    {
        bool exact;
        std::size_t operator()(const CString& name) const
        {
            std::size_t hash = 14695981039346656037ULL;
            for (const char ch : std::string_view(name.GetString(), name.GetLength()))
                hash = (hash ^ static_cast<unsigned char>(exact ? ch : CString::FoldNoCase(ch))) *
                       1099511628211ULL;
            return hash;
        }
    };
    struct SameName
    {
        bool exact;
        bool operator()(const CString& a, const CString& b) const
        {
            return a.GetLength() == b.GetLength() && (exact ? a == b : a.CompareNoCase(b) == 0);
        }
    };

    std::unordered_map<CString, T*, NameHash, SameName> m_entries;
};

// Entities by name for short lists, such as the output columns of one function, where a walk
// over names taken once costs less than hashing them. Same first-match and case rules as
// MergeNameIndex.
template <class T> class MergeNameList
{
public:
    template <class List, class NameOf> MergeNameList(const List& list, const NameOf& nameOf)
    {
        m_entries.reserve(list.size());
        for (T* entity : list)
            m_entries.push_back({entity != nullptr ? nameOf(*entity) : CString(), entity});
    }
    // The name of the list's entity at the index; empty for a null one.
    const CString& NameAt(std::size_t index) const { return m_entries[index].name; }
    // Null when no entity has the name.
    T* Find(const CString& name) const
    {
        // Names of one list tend to share their start, so the last letters are tried first.
        const int length = name.GetLength();
        for (const Entry& entry : m_entries)
            if (entry.entity != nullptr && entry.name.GetLength() == length &&
                (length == 0 || CString::FoldNoCase(entry.name[length - 1]) ==
                                    CString::FoldNoCase(name[length - 1])) &&
                entry.name.CompareNoCase(name) == 0)
                return entry.entity;
        return nullptr;
    }

private:
    struct Entry
    {
        CString name;
        T* entity;
    };
    std::vector<Entry> m_entries;
};

// Enters the module's tables in the order Module::FindTableByName searches them: master, map,
// then transaction tables.
inline void AddModuleTables(MergeNameIndex<Table>& index, const Module& module)
{
    for (const std::vector<Table*>* list :
         {&module.GetMasterTables(), &module.GetMapTables(), &module.GetTransactionTables()})
        index.Add(*list, [](const Table& table) { return table.GetTableName(); });
}

inline void AddModuleClasses(MergeNameIndex<Class>& index, const Module& module)
{
    index.Add(module.GetClasses(), [](const Class& dataClass) { return dataClass.GetFieldName(); });
}
