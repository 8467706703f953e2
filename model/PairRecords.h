#pragma once

#include "model/ArchiveIO.h"

#include <type_traits>
#include <vector>

// A list of the records that map variables onto each other (some with a field): the int count,
// then per entry the references its Members name, in that order. A null entry is written as
// null references.
template <class Record, auto... Members> struct PairRecords
{
    // What a read makes of an entry whose references are all null: a record, a null entry, or
    // nothing.
    enum class EmptyEntry
    {
        Kept,
        AsNull,
        Dropped
    };

    static void Write(CArchive& ar, const std::vector<Record*>& list)
    {
        ar << static_cast<int>(list.size());
        for (const Record* record : list)
            (ar.WriteObject(record != nullptr ? record->*Members : nullptr), ...);
    }

    // Appends the entries in file order; the list owns the records.
    static void Read(CArchive& ar, std::vector<Record*>& list, EmptyEntry empty)
    {
        const int count = ReadCount(ar);
        for (int i = 0; i < count; ++i)
        {
            Record read;
            ((read.*Members = ReadRef<PointeeOf<Members>>(ar)), ...);
            if (empty != EmptyEntry::Kept && ((read.*Members == nullptr) && ...))
            {
                if (empty == EmptyEntry::AsNull)
                    list.push_back(nullptr);
                continue;
            }
            list.push_back(new Record(read));
        }
    }

private:
    template <auto Member>
    using PointeeOf =
        std::remove_pointer_t<std::remove_reference_t<decltype(std::declval<Record&>().*Member)>>;
};
