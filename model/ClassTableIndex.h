#pragma once

#include <cstddef>
#include <unordered_map>
#include <vector>

class Class;
class Table;

// Finds the first class of a module's class list bound to a table without searching the list.
// It follows the list as classes are appended, and starts again when a class is bound to
// another table (Class::GetRebindCount) or the list is replaced (Reset).
class ClassTableIndex
{
public:
    // The first class of the list whose table is the table, or null.
    Class* Find(const std::vector<Class*>& classes, const Table* table);
    void Reset();

private:
    void Add(const std::vector<Class*>& classes, std::size_t position);

    // The position of the first class bound to each table.
    std::unordered_map<const Table*, std::size_t> m_first;
    // Positions of classes without table when they were seen: they may be bound since.
    std::vector<std::size_t> m_unbound;
    std::size_t m_seen = 0;
    unsigned m_rebinds = 0;
};
