#pragma once

#include "model/VersionHistory.h"
#include "platform/core/CArchive.h"
#include "platform/core/CFile.h"
#include "platform/core/CObject.h"
#include "platform/core/Types.h"

#include <string>
#include <utility>
#include <vector>

// Sets the archive version for one test and restores the previous one afterwards.
class ScopedArchiveVersion
{
public:
    explicit ScopedArchiveVersion(int version) : m_previous(TheVersionHistory().GetArchiveVersion())
    {
        TheVersionHistory().SetArchiveVersion(version);
    }
    ~ScopedArchiveVersion() { TheVersionHistory().SetArchiveVersion(m_previous); }
    ScopedArchiveVersion(const ScopedArchiveVersion&) = delete;
    ScopedArchiveVersion& operator=(const ScopedArchiveVersion&) = delete;

private:
    int m_previous;
};

// Spells out archive bytes by hand: numbers little-endian, strings and object tags in the
// archive's format.
class ArchiveBytes
{
public:
    ArchiveBytes() = default;
    explicit ArchiveBytes(std::vector<BYTE> bytes) : m_bytes(std::move(bytes)) {}
    // The bytes so far, so that a chain stands where bytes are expected.
    operator std::vector<BYTE>() const { return m_bytes; }

    // Bytes spelt out elsewhere, such as an object saved on its own.
    ArchiveBytes& Append(const std::vector<BYTE>& bytes)
    {
        m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
        return *this;
    }
    ArchiveBytes& Byte(BYTE value)
    {
        m_bytes.push_back(value);
        return *this;
    }
    ArchiveBytes& Word(WORD value)
    {
        Byte(static_cast<BYTE>(value & 0xFF));
        return Byte(static_cast<BYTE>(value >> 8));
    }
    ArchiveBytes& Int(int value)
    {
        const auto bits = static_cast<DWORD>(value);
        Word(static_cast<WORD>(bits & 0xFFFF));
        return Word(static_cast<WORD>(bits >> 16));
    }
    ArchiveBytes& Double(double value)
    {
        const auto* raw = reinterpret_cast<const BYTE*>(&value);
        m_bytes.insert(m_bytes.end(), raw, raw + sizeof value);
        return *this;
    }
    // A string shorter than 255 bytes.
    ArchiveBytes& Str(const std::string& text)
    {
        Byte(static_cast<BYTE>(text.size()));
        m_bytes.insert(m_bytes.end(), text.begin(), text.end());
        return *this;
    }
    // The first object of a class: the new-class record with schema 0.
    ArchiveBytes& NewClass(const std::string& name)
    {
        Word(0xFFFF).Word(0).Word(static_cast<WORD>(name.size()));
        m_bytes.insert(m_bytes.end(), name.begin(), name.end());
        return *this;
    }
    // A new object of a class already written, by the class's index.
    ArchiveBytes& ClassRef(WORD classIndex) { return Word(static_cast<WORD>(0x8000 | classIndex)); }
    // An object already written, by its index.
    ArchiveBytes& ObjectRef(WORD objectIndex) { return Word(objectIndex); }
    ArchiveBytes& Null() { return Word(0); }

    const std::vector<BYTE>& Get() const { return m_bytes; }

private:
    std::vector<BYTE> m_bytes;
};

// The bytes of one object written with WriteObject at the current archive version.
inline std::vector<BYTE> SaveObject(const CObject* object)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar.WriteObject(object);
        ar.Close();
    }
    return file.GetBytes();
}

// Reads one object of class T from the bytes; the archive version is whatever is set. A failed
// read frees what it created.
template <class T> T* LoadObject(const std::vector<BYTE>& bytes)
{
    CMemFile file(bytes);
    CArchive ar(&file, CArchive::load);
    T* object = nullptr;
    try
    {
        ar >> object;
    }
    catch (...)
    {
        ar.DeleteLoadedObjects();
        throw;
    }
    ar.Close();
    return object;
}
