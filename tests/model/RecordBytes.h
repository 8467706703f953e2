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

// Appended after a hand-built record: reading it back proves the record read exactly its bytes.
constexpr int RecordSentinel = 0x5E17AB1E;

inline int CurrentVersion()
{
    return TheVersionHistory().GetCurrentVersion();
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
    std::vector<BYTE> bytes = file.GetBytes();
    handBuilt.Int(RecordSentinel);
    bytes.insert(bytes.end(), handBuilt.Get().begin(), handBuilt.Get().end());
    return bytes;
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

// Reads one object of class T from hand-built bytes at the given version and checks that the
// sentinel appended after them comes next.
template <class T> std::unique_ptr<T> ReadRecordAndSentinel(ArchiveBytes bytes, int version)
{
    RecordReader reader(StoredThenHandBuilt({}, bytes));
    std::unique_ptr<T> object(reader.Read<T>(version));
    EXPECT_EQ(RecordSentinel, reader.ReadInt()) << "version " << version;
    return object;
}
