#pragma once

#include "model/VersionHistory.h"
#include "platform/core/CArchive.h"
#include "platform/core/CFile.h"
#include "platform/core/CObject.h"
#include "platform/core/Types.h"
#include "tests/support/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <initializer_list>
#include <limits>
#include <memory>
#include <set>
#include <string>
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

// Where two byte runs first differ, with the bytes that follow in each, for failure messages.
inline std::string FirstDifference(const std::vector<BYTE>& first, const std::vector<BYTE>& second)
{
    const auto [left, right] =
        std::mismatch(first.begin(), first.end(), second.begin(), second.end());
    const auto show = [](auto from, auto end)
    {
        std::string text;
        for (int count = 0; from != end && count < 48; ++from, ++count)
            text += std::isprint(*from) ? static_cast<char>(*from) : '.';
        return text;
    };
    return "offset " + std::to_string(left - first.begin()) + ": [" + show(left, first.end()) +
           "] vs [" + show(right, second.end()) + "]";
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

    // Reads at the archive version set now. A failed read frees what the reader created.
    template <class T> T* Read()
    {
        T* object = nullptr;
        try
        {
            m_archive >> object;
        }
        catch (...)
        {
            m_archive.DeleteLoadedObjects();
            throw;
        }
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

// One run of a record's bytes and the versions of the files that hold it.
struct RecordPart
{
    // Files newer than this version hold the run ...
    int after = 0;
    // ... up to this version.
    int until = std::numeric_limits<int>::max();
    // The run as those files hold it.
    std::vector<BYTE> bytes;
    // What a save writes in the run's place after reading a file without it.
    std::vector<BYTE> absent;
    // What a save writes for the run after reading it: for a run current files hold, its bytes
    // when empty; for one they no longer hold, nothing when empty.
    std::vector<BYTE> saved;

    bool HeldAt(int version) const { return version > after && version <= until; }
    bool Current() const { return HeldAt(CurrentVersion()); }
};

// A run every file holds; saved, when given, is what a save writes for it.
inline RecordPart Always(std::vector<BYTE> bytes, std::vector<BYTE> saved = {})
{
    return RecordPart{0, std::numeric_limits<int>::max(), std::move(bytes), {}, std::move(saved)};
}

// A run files newer than the version hold; absent is what a save writes in its place after
// reading an older file, saved, when given, what it writes for the run after reading it.
inline RecordPart After(int version, std::vector<BYTE> bytes, std::vector<BYTE> absent = {},
                        std::vector<BYTE> saved = {})
{
    return RecordPart{version, std::numeric_limits<int>::max(), std::move(bytes), std::move(absent),
                      std::move(saved)};
}

// A run that only files newer than after and up to until hold; saved is what a save writes for
// it after reading it.
inline RecordPart Between(int after, int until, std::vector<BYTE> bytes,
                          std::vector<BYTE> saved = {})
{
    return RecordPart{after, until, std::move(bytes), {}, std::move(saved)};
}

inline RecordPart Until(int version, std::vector<BYTE> bytes, std::vector<BYTE> saved = {})
{
    return Between(0, version, std::move(bytes), std::move(saved));
}

// The runs of a base class's part followed by those of the class's own part.
inline std::vector<RecordPart> PartsOf(std::vector<RecordPart> base,
                                       const std::vector<RecordPart>& own)
{
    base.insert(base.end(), own.begin(), own.end());
    return base;
}

// The record of class className as a file of the version holds it, when saved is false; as a
// save writes it after reading that file, when saved is true.
inline std::vector<BYTE> RecordAt(const char* className, const std::vector<RecordPart>& parts,
                                  int version, bool saved)
{
    std::vector<BYTE> bytes = ArchiveBytes().NewClass(className).Get();
    for (const RecordPart& part : parts)
    {
        const std::vector<BYTE>* run = &part.bytes;
        if (!part.HeldAt(version))
            run = saved && part.Current() ? &part.absent : nullptr;
        else if (saved && (!part.Current() || !part.saved.empty()))
            run = &part.saved;
        if (run != nullptr)
            bytes.insert(bytes.end(), run->begin(), run->end());
    }
    return bytes;
}

// Reads the record of class T as files of every version where a run starts or stops hold it,
// expects each to read exactly its runs and hands it to check with its version.
template <class T>
void ReadAtEveryGate(const char* className, const std::vector<RecordPart>& parts,
                     const std::function<void(T&, int)>& check)
{
    std::set<int> versions = {CurrentVersion()};
    for (const RecordPart& part : parts)
    {
        const int until = std::min(part.until, CurrentVersion());
        for (int version : {part.after, part.after + 1, until, until + 1})
        {
            if (version >= 1 && version <= CurrentVersion())
                versions.insert(version);
        }
    }
    for (int version : versions)
    {
        std::vector<BYTE> file = RecordAt(className, parts, version, false);
        std::unique_ptr<T> object = ReadRecordAndSentinel<T>(ArchiveBytes(file), version);
        ASSERT_NE(nullptr, object) << "version " << version;
        check(*object, version);
    }
}

// Reads the record at every gate (ReadAtEveryGate); each saves as the current layout with what
// it read, so the current version reads and saves the same bytes. release frees what the read
// object does not own.
template <class T>
void ExpectRecordVersions(const char* className, const std::vector<RecordPart>& parts,
                          const std::function<void(T&)>& release = {})
{
    ReadAtEveryGate<T>(className, parts,
                       [&](T& object, int version)
                       {
                           ScopedArchiveVersion current(CurrentVersion());
                           EXPECT_EQ(RecordAt(className, parts, version, true), SaveObject(&object))
                               << "version " << version;
                           if (release)
                               release(object);
                       });
}
