#pragma once

#include "model/VersionHistory.h"
#include "platform/core/CArchive.h"
#include "platform/core/CException.h"

#include <algorithm>
#include <cstddef>
#include <vector>

// The version of the project file being read or written; records gate their fields on it.
inline int ArchiveVersion()
{
    return TheVersionHistory().GetArchiveVersion();
}

// A bool kept as a 4-byte int 0 or 1; any non-zero value reads as true.
void WriteBoolInt(CArchive& ar, bool value);
bool ReadBoolInt(CArchive& ar);

// A bool kept as one byte; any non-zero value reads as true.
void WriteBoolByte(CArchive& ar, bool value);
bool ReadBoolByte(CArchive& ar);

// A list count; a negative count is a corrupt file.
int ReadCount(CArchive& ar);

// Makes room in the list for count more items, once; a damaged count reserves no more than a
// file could well hold.
template <class T> void ReserveMore(std::vector<T>& list, int count)
{
    constexpr int maxReserved = 1 << 16;
    list.reserve(list.size() + static_cast<std::size_t>(std::min(count, maxReserved)));
}

// A reference to an object of class T or of a class derived from it; null is legal.
template <class T> T* ReadRef(CArchive& ar)
{
    T* object = nullptr;
    ar >> object;
    return object;
}

// An object the reader keeps as its own: the archive refuses a second owner of it.
template <class T> T* ReadOwned(CArchive& ar)
{
    T* object = ReadRef<T>(ar);
    ar.ClaimObject(object);
    return object;
}

// Appends the objects of a list the reader owns, in file order; null entries are skipped.
template <class T> void ReadOwnedList(CArchive& ar, std::vector<T*>& list)
{
    const int count = ReadCount(ar);
    ReserveMore(list, count);
    for (int i = 0; i < count; ++i)
    {
        if (T* item = ReadOwned<T>(ar))
            list.push_back(item);
    }
}

// Reads a list of objects that the reader no longer keeps. They stay with the load, which
// hands out back-references to them, and the project read frees them.
template <class T> void SkipObjectList(CArchive& ar)
{
    const int count = ReadCount(ar);
    for (int i = 0; i < count; ++i)
        ReadRef<T>(ar);
}

// Frees an object of an old layout that its reader owned and no longer keeps; the archive
// refuses an object that another owner holds and any later reference to it.
inline void DropOwned(CArchive& ar, CObject* object)
{
    ar.ClaimObject(object);
    delete object;
}

// A list of such objects.
template <class T> void DropOwnedList(CArchive& ar)
{
    const int count = ReadCount(ar);
    for (int i = 0; i < count; ++i)
        DropOwned(ar, ReadRef<T>(ar));
}

// A list of N objects: the int N, then each object in list order.
template <class T> void WriteObjectList(CArchive& ar, const std::vector<T*>& list)
{
    ar << static_cast<int>(list.size());
    for (const T* item : list)
        ar.WriteObject(item);
}

// Appends the objects of a list in file order; null references are appended too unless
// skipNull is set.
template <class T> void ReadObjectList(CArchive& ar, std::vector<T*>& list, bool skipNull = false)
{
    const int count = ReadCount(ar);
    ReserveMore(list, count);
    for (int i = 0; i < count; ++i)
    {
        T* item = ReadRef<T>(ar);
        if (item != nullptr || !skipNull)
            list.push_back(item);
    }
}
