#pragma once

#include "model/VersionHistory.h"
#include "platform/core/CArchive.h"
#include "platform/core/CFile.h"
#include "platform/core/CObject.h"
#include "platform/core/Types.h"
#include "tests/support/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <vector>

// The int a test appends after a hand-built record: reading it back proves that the record
// read exactly its own fields.
constexpr int recordSentinel = 0x5EED1234;

inline int CurrentVersion()
{
    return TheVersionHistory().GetCurrentVersion();
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

// Objects written one after the other by their own Serialize, then hand-built bytes and the
// sentinel. The hand-built bytes refer to the objects by index: classes and objects are numbered
// from 1 in the order they were written.
inline std::vector<BYTE> StoredThenHandBuilt(std::initializer_list<const CObject*> objects,
                                             ArchiveBytes handBuilt)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        for (const CObject* object : objects)
            ar.WriteObject(object);
        ar.Close();
    }
    return Joined({file.GetBytes(), handBuilt.Int(recordSentinel).Get()});
}

// Reads objects and numbers one after the other from one load archive.
class RecordReader
{
public:
    explicit RecordReader(const std::vector<BYTE>& bytes)
        : m_file(bytes), m_archive(&m_file, CArchive::load)
    {
    }

    // Reads at the archive version set now.
    template <class T> T* Read()
    {
        T* object = nullptr;
        m_archive >> object;
        return object;
    }
    // Reads at that archive version.
    template <class T> T* Read(int version)
    {
        ScopedArchiveVersion scoped(version);
        return Read<T>();
    }
    int ReadInt()
    {
        int value = 0;
        m_archive >> value;
        return value;
    }

private:
    CMemFile m_file;
    CArchive m_archive;
};

// One object of class T read from the bytes, and the int that follows it.
template <class T> struct LoadedRecord
{
    T* object = nullptr;
    int trailer = 0;
};

// Reads one object of class T and the int after it, at the archive version set now.
template <class T> LoadedRecord<T> LoadWithSentinel(const std::vector<BYTE>& bytes)
{
    RecordReader reader(bytes);
    LoadedRecord<T> loaded;
    loaded.object = reader.Read<T>();
    loaded.trailer = reader.ReadInt();
    return loaded;
}

// Reads one object of class T from hand-built bytes at the given version and checks that the
// sentinel appended after them comes next.
template <class T> std::unique_ptr<T> ReadRecordAndSentinel(ArchiveBytes bytes, int version)
{
    ScopedArchiveVersion scoped(version);
    const LoadedRecord<T> loaded = LoadWithSentinel<T>(bytes.Int(recordSentinel).Get());
    EXPECT_EQ(recordSentinel, loaded.trailer) << "version " << version;
    return std::unique_ptr<T>(loaded.object);
}
