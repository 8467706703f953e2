#pragma once

#include "platform/core/CArchive.h"
#include "platform/core/CFile.h"
#include "platform/core/Types.h"

#include <initializer_list>
#include <vector>

// The int a test appends after a hand-built record: reading it back proves that the record
// read exactly its own fields.
constexpr int recordSentinel = 0x5EED1234;

// One object of class T read from the bytes, and the int that follows it.
template <class T> struct LoadedRecord
{
    T* object = nullptr;
    int trailer = 0;
};

template <class T> LoadedRecord<T> LoadWithSentinel(const std::vector<BYTE>& bytes)
{
    CMemFile file(bytes);
    CArchive ar(&file, CArchive::load);
    LoadedRecord<T> loaded;
    ar >> loaded.object;
    ar >> loaded.trailer;
    ar.Close();
    return loaded;
}

// The byte runs one after the other: a hand-built record with objects saved on their own
// spliced in (valid while the spliced bytes hold no back-references).
inline std::vector<BYTE> Joined(std::initializer_list<std::vector<BYTE>> parts)
{
    std::vector<BYTE> bytes;
    for (const std::vector<BYTE>& part : parts)
        bytes.insert(bytes.end(), part.begin(), part.end());
    return bytes;
}
