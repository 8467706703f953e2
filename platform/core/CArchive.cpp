#include "platform/core/CArchive.h"

#include "platform/core/CException.h"
#include "platform/core/CFile.h"
#include "platform/core/LargeStack.h"
#include "platform/core/TextBytes.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>

CArchive* CArchive::s_latestLoading = nullptr;
CArchive* CArchive::s_latestStoring = nullptr;
CArchive::StringReadHook CArchive::s_stringReadHook = nullptr;
void* CArchive::s_stringReadContext = nullptr;
CArchive::ObjectLinkHook CArchive::s_objectLinkHook = nullptr;
void* CArchive::s_objectLinkContext = nullptr;

namespace
{
constexpr WORD nullTag = 0;
constexpr WORD largeTag = 0x7FFF;
constexpr WORD classTag = 0x8000;
constexpr WORD newClassTag = 0xFFFF;
constexpr DWORD largeClassTag = 0x80000000;

constexpr BYTE longStringMarker = 0xFF;
constexpr WORD wideStringMarker = 0xFFFE;
constexpr WORD dwordLengthMarker = 0xFFFF;
// Strings are read piece by piece so that a corrupt length cannot allocate more than the file
// holds.
constexpr std::size_t stringChunk = 4096;

template <typename T>
using UnsignedOfSize = std::conditional_t<
    sizeof(T) == 1, std::uint8_t,
    std::conditional_t<sizeof(T) == 2, std::uint16_t,
                       std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>>>;
} // namespace

CArchive::CArchive(CFile* file, UINT mode, int bufferSize, void* buffer)
    : m_file(file), m_mode(mode), m_buffer(static_cast<BYTE*>(buffer))
{
    if (bufferSize < 1)
        throw std::invalid_argument("archive buffer size must be positive");
    m_bufferSize = static_cast<std::size_t>(bufferSize);
    if (m_buffer == nullptr)
    {
        m_ownedBuffer = std::make_unique<BYTE[]>(m_bufferSize);
        m_buffer = m_ownedBuffer.get();
    }
    m_previous = std::exchange(IsLoading() ? s_latestLoading : s_latestStoring, this);
}

CArchive::~CArchive()
{
    if (m_file != nullptr && (m_mode & bNoFlushOnDelete) == 0)
    {
        try
        {
            Close();
        }
        catch (...)
        {
            // A destructor must not raise; the caller that needs the result calls Close.
        }
    }
    Abort();
    for (CArchive** link = IsLoading() ? &s_latestLoading : &s_latestStoring; *link != nullptr;
         link = &(*link)->m_previous)
    {
        if (*link == this)
        {
            *link = m_previous;
            break;
        }
    }
}

void CArchive::Flush()
{
    if (m_file == nullptr)
        return;
    if (IsStoring())
    {
        const std::size_t pending = m_end;
        m_end = 0;
        m_file->Write(m_buffer, static_cast<UINT>(pending));
    }
    else
    {
        const std::size_t readAhead = m_end - m_next;
        m_bufferOffset += m_next;
        m_next = m_end = 0;
        if (readAhead > 0)
            m_file->Seek(-static_cast<std::int64_t>(readAhead), CFile::current);
    }
}

void CArchive::Close()
{
    Flush();
    m_file = nullptr;
}

void CArchive::Abort()
{
    m_file = nullptr;
    m_next = m_end = 0;
}

void CArchive::Write(const void* buffer, UINT count)
{
    RequireMode(true);
    const auto* bytes = static_cast<const BYTE*>(buffer);
    while (count > 0)
    {
        if (m_end == m_bufferSize)
            Flush();
        const std::size_t piece = std::min<std::size_t>(count, m_bufferSize - m_end);
        std::memcpy(m_buffer + m_end, bytes, piece);
        m_end += piece;
        bytes += piece;
        count -= static_cast<UINT>(piece);
    }
}

UINT CArchive::Read(void* buffer, UINT count)
{
    RequireMode(false);
    auto* bytes = static_cast<BYTE*>(buffer);
    UINT done = 0;
    while (done < count)
    {
        if (m_next == m_end)
        {
            m_bufferOffset += m_end;
            m_next = 0;
            m_end = m_file->Read(m_buffer, static_cast<UINT>(m_bufferSize));
            if (m_end == 0)
                break;
        }
        const std::size_t piece = std::min<std::size_t>(count - done, m_end - m_next);
        std::memcpy(bytes + done, m_buffer + m_next, piece);
        m_next += piece;
        done += static_cast<UINT>(piece);
    }
    return done;
}

void CArchive::ReadExactly(void* buffer, std::size_t count)
{
    if (Read(buffer, static_cast<UINT>(count)) != count)
        Fail(CArchiveException::endOfFile);
}

template <typename T> void CArchive::WriteLittleEndian(T value)
{
    const auto bits = std::bit_cast<UnsignedOfSize<T>>(value);
    BYTE bytes[sizeof(T)];
    // Most numbers fit whole in the buffer.
    const bool direct = IsStoring() && m_file != nullptr && m_bufferSize - m_end >= sizeof(T);
    BYTE* target = direct ? m_buffer + m_end : bytes;
    for (std::size_t i = 0; i < sizeof(T); ++i)
        target[i] = static_cast<BYTE>(bits >> (8 * i));
    if (direct)
        m_end += sizeof(T);
    else
        Write(bytes, sizeof(T));
}

template <typename T> T CArchive::ReadLittleEndian()
{
    using Bits = UnsignedOfSize<T>;
    BYTE bytes[sizeof(T)];
    const BYTE* source = bytes;
    // Most numbers lie whole in the bytes read ahead.
    if (IsLoading() && m_end - m_next >= sizeof(T))
    {
        source = m_buffer + m_next;
        m_next += sizeof(T);
    }
    else
        ReadExactly(bytes, sizeof(T));
    Bits bits = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i)
        bits = static_cast<Bits>(bits | static_cast<Bits>(source[i]) << (8 * i));
    return std::bit_cast<T>(bits);
}

// The insertion and extraction operators of one number type.
#define WEAVO_ARCHIVE_NUMBER(type)                                                                 \
    CArchive& CArchive::operator<<(type value)                                                     \
    {                                                                                              \
        WriteLittleEndian(value);                                                                  \
        return *this;                                                                              \
    }                                                                                              \
    CArchive& CArchive::operator>>(type& value)                                                    \
    {                                                                                              \
        value = ReadLittleEndian<type>();                                                          \
        return *this;                                                                              \
    }

WEAVO_ARCHIVE_NUMBER(BYTE)
WEAVO_ARCHIVE_NUMBER(char)
WEAVO_ARCHIVE_NUMBER(WORD)
WEAVO_ARCHIVE_NUMBER(short)
WEAVO_ARCHIVE_NUMBER(int)
WEAVO_ARCHIVE_NUMBER(unsigned int)
WEAVO_ARCHIVE_NUMBER(float)
WEAVO_ARCHIVE_NUMBER(double)

#undef WEAVO_ARCHIVE_NUMBER

void CArchive::WriteStringLength(DWORD length)
{
    if (length < longStringMarker)
        return WriteLittleEndian(static_cast<BYTE>(length));
    WriteLittleEndian(longStringMarker);
    if (length < wideStringMarker)
        return WriteLittleEndian(static_cast<WORD>(length));
    WriteLittleEndian(dwordLengthMarker);
    WriteLittleEndian(length);
}

DWORD CArchive::ReadStringLength(bool acceptWide, bool& wide)
{
    const auto shortLength = ReadLittleEndian<BYTE>();
    if (shortLength < longStringMarker)
        return shortLength;
    const auto wordLength = ReadLittleEndian<WORD>();
    if (acceptWide && wordLength == wideStringMarker)
    {
        wide = true;
        return ReadStringLength(false, wide);
    }
    if (wordLength < dwordLengthMarker)
        return wordLength;
    return ReadLittleEndian<DWORD>();
}

CArchive& CArchive::operator<<(const CString& value)
{
    const std::string& bytes = value.str();
    WriteStringLength(static_cast<DWORD>(bytes.size()));
    Write(bytes.data(), static_cast<UINT>(bytes.size()));
    return *this;
}

CArchive& CArchive::operator>>(CString& value)
{
    bool wide = false;
    const DWORD length = ReadStringLength(true, wide);
    std::string text;
    if (wide)
    {
        // UTF-16LE text: characters below 0x100 become that byte, others '?'.
        while (text.size() < length)
        {
            const auto unit = ReadLittleEndian<WORD>();
            text.push_back(unit < 0x100 ? static_cast<char>(unit) : '?');
        }
    }
    else if (m_end - m_next >= length)
    {
        // Most strings lie whole in the bytes read ahead.
        text.assign(reinterpret_cast<const char*>(m_buffer + m_next), length);
        m_next += length;
    }
    else
    {
        while (text.size() < length)
        {
            const std::size_t done = text.size();
            text.resize(done + std::min<std::size_t>(length - done, stringChunk));
            ReadExactly(text.data() + done, text.size() - done);
        }
    }
    value = CString(std::move(text));
    const DWORD position = m_recordStrings++;
    if (s_stringReadHook != nullptr) [[unlikely]]
        s_stringReadHook(*this, position, value, s_stringReadContext);
    return *this;
}

void CArchive::SetStringReadHook(StringReadHook hook, void* context)
{
    s_stringReadHook = hook;
    s_stringReadContext = context;
}

void CArchive::SetObjectLinkHook(ObjectLinkHook hook, void* context)
{
    s_objectLinkHook = hook;
    s_objectLinkContext = context;
}

CArchive& CArchive::operator<<(const CObject* object)
{
    WriteObject(object);
    return *this;
}

CArchive& CArchive::operator>>(CObject*& object)
{
    object = ReadObject(nullptr);
    return *this;
}

void CArchive::WriteReference(DWORD index, WORD smallFlag, DWORD largeFlag)
{
    if (index < largeTag)
        return WriteLittleEndian(static_cast<WORD>(smallFlag | index));
    WriteLittleEndian(largeTag);
    WriteLittleEndian(largeFlag | index);
}

void CArchive::ReserveObjects(std::size_t count)
{
    if (IsStoring())
        m_storedObjects.reserve(count + 1);
    else
        m_loaded.reserve(count + 1);
}

std::size_t CArchive::GetObjectCount() const
{
    return (IsStoring() ? m_storedObjects.size() : m_loaded.size()) - 1;
}

void CArchive::WriteClass(const CRuntimeClass* runtimeClass)
{
    const auto [entry, added] = m_storedClasses.try_emplace(runtimeClass, 0);
    if (!added)
        return WriteReference(entry->second, classTag, largeClassTag);
    m_storedObjects.push_back(nullptr);
    entry->second = static_cast<DWORD>(m_storedObjects.size() - 1);
    const auto nameLength = static_cast<WORD>(std::strlen(runtimeClass->m_lpszClassName));
    WriteLittleEndian(newClassTag);
    WriteLittleEndian(static_cast<WORD>(runtimeClass->m_wSchema));
    WriteLittleEndian(nameLength);
    Write(runtimeClass->m_lpszClassName, nameLength);
}

void CArchive::WriteObject(const CObject* object)
{
    if (object == nullptr)
        return WriteLittleEndian(nullTag);
    if (s_objectLinkHook != nullptr) [[unlikely]]
        s_objectLinkHook(ObjectLink::written, m_writing.empty() ? nullptr : m_writing.back(),
                         object, s_objectLinkContext);
    if (const DWORD index = StoredIndex(object))
        return WriteReference(index, 0, 0);
    // A new object is numbered after its class.
    const CRuntimeClass* runtimeClass = object->GetRuntimeClass();
    if (runtimeClass->m_wSchema == 0xFFFF)
        Fail(CArchiveException::badClass);
    if (LargeStack::IsNearlyFull())
        Fail(CArchiveException::tooDeep,
             std::string("a ") + runtimeClass->m_lpszClassName + " lies inside " +
                 std::to_string(m_writing.size()) +
                 " other records; the project is too deeply nested to save here");
    WriteClass(runtimeClass);
    AddStored(object);
    // Serialize takes a non-const archive and object; storing does not change the object.
    m_writing.push_back(object);
    const_cast<CObject*>(object)->Serialize(*this);
    m_writing.pop_back();
}

DWORD CArchive::StoredIndex(const CObject* object) const
{
    const DWORD index = object->m_storeSlot;
    if (index < m_storedObjects.size() && m_storedObjects[index] == object)
        return index;
    if (m_displacedObjects.empty())
        return 0;
    const auto found = m_displacedObjects.find(object);
    return found != m_displacedObjects.end() ? found->second : 0;
}

void CArchive::AddStored(const CObject* object)
{
    m_storedObjects.push_back(object);
    const auto index = static_cast<DWORD>(m_storedObjects.size() - 1);
    // Another archive storing at the same time keeps the index it gave the object.
    const DWORD kept = object->m_storeSlot;
    for (const CArchive* other = s_latestStoring; other != nullptr; other = other->m_previous)
    {
        if (other != this && kept < other->m_storedObjects.size() &&
            other->m_storedObjects[kept] == object)
        {
            m_displacedObjects.emplace(object, index);
            return;
        }
    }
    object->m_storeSlot = index;
}

CRuntimeClass* CArchive::ReadNewClass()
{
    const std::uint64_t offset = ReadOffset() - sizeof(WORD);
    const auto schema = ReadLittleEndian<WORD>();
    std::string name(ReadLittleEndian<WORD>(), '\0');
    ReadExactly(name.data(), name.size());
    CRuntimeClass* runtimeClass =
        name.find('\0') == std::string::npos ? CRuntimeClass::FromName(name.c_str()) : nullptr;
    if (runtimeClass == nullptr)
        FailAt(CArchiveException::badClass,
               "the class \"" + PrintableBytes(name) + "\" is not a class of project files",
               offset);
    if (runtimeClass->m_wSchema != schema)
        FailAt(CArchiveException::badSchema,
               "the class " + name + " comes with schema " + std::to_string(schema) +
                   ", this program reads schema " + std::to_string(runtimeClass->m_wSchema),
               offset);
    m_loaded.push_back({runtimeClass, nullptr});
    return runtimeClass;
}

CRuntimeClass* CArchive::LoadedClass(DWORD index) const
{
    if (index >= m_loaded.size() || m_loaded[index].runtimeClass == nullptr ||
        m_loaded[index].object != nullptr)
        Fail(CArchiveException::badIndex, "a reference to class " + std::to_string(index) +
                                              ", which the file has not defined before");
    return m_loaded[index].runtimeClass;
}

CObject* CArchive::LoadedObject(DWORD index, const CRuntimeClass* requested) const
{
    if (index == nullTag)
        return nullptr;
    if (index >= m_loaded.size() || m_loaded[index].object == nullptr)
        Fail(CArchiveException::badIndex, "a reference to object " + std::to_string(index) +
                                              ", which the file has not defined before");
    // The class the object was created with: the object itself is not touched.
    const LoadedEntry& entry = m_loaded[index];
    if (requested != nullptr && !entry.runtimeClass->IsDerivedFrom(requested))
        Fail(CArchiveException::badClass, "a reference to object " + std::to_string(index) +
                                              ", a " + entry.runtimeClass->m_lpszClassName +
                                              ", where a " + requested->m_lpszClassName +
                                              " is expected");
    return entry.object;
}

CObject* CArchive::ReadObject(const CRuntimeClass* requested)
{
    const std::uint64_t offset = ReadOffset();
    const auto tag = ReadLittleEndian<WORD>();
    CRuntimeClass* runtimeClass = nullptr;
    if (tag == newClassTag)
        runtimeClass = ReadNewClass();
    else
    {
        const DWORD reference = tag == largeTag ? ReadLittleEndian<DWORD>()
                                                : (static_cast<DWORD>(tag & classTag) << 16) |
                                                      static_cast<DWORD>(tag & ~classTag);
        if ((reference & largeClassTag) == 0)
            return LoadedObject(reference, requested);
        runtimeClass = LoadedClass(reference & ~largeClassTag);
    }
    if (requested != nullptr && !runtimeClass->IsDerivedFrom(requested))
        FailAt(CArchiveException::badClass,
               std::string("a ") + runtimeClass->m_lpszClassName + " where a " +
                   requested->m_lpszClassName + " is expected",
               offset);
    if (LargeStack::IsNearlyFull())
        FailAt(CArchiveException::tooDeep,
               std::string("a ") + runtimeClass->m_lpszClassName + " inside " +
                   std::to_string(m_reading.size()) +
                   " other records; the file is too deeply nested to read here",
               offset);
    // The registry owns the object until an owner claims it or the load fails.
    CObject* object = runtimeClass->CreateObject();
    const auto index = static_cast<DWORD>(m_loaded.size());
    m_loaded.push_back({runtimeClass, object});
    object->m_loadSlot = index;
    m_reading.push_back(index);
    const DWORD outerStrings = std::exchange(m_recordStrings, 0);
    object->Serialize(*this);
    m_recordStrings = outerStrings;
    m_reading.pop_back();
    return object;
}

DWORD CArchive::SlotOf(const CObject* object) const
{
    if (object == nullptr)
        return 0;
    const DWORD slot = object->m_loadSlot;
    return slot < m_loaded.size() && m_loaded[slot].object == object ? slot : 0;
}

void CArchive::ClaimObject(const CObject* object)
{
    const DWORD index = SlotOf(object);
    if (index == 0)
        return;
    const DWORD owner = m_reading.empty() ? 0 : m_reading.back();
    if (m_loaded[index].claimed)
        Fail(CArchiveException::badIndex, "object " + std::to_string(index) + ", a " +
                                              m_loaded[index].runtimeClass->m_lpszClassName +
                                              ", belongs to two owners");
    for (DWORD above = owner; above != 0; above = m_loaded[above].owner)
    {
        if (above == index)
            Fail(CArchiveException::badIndex, "object " + std::to_string(index) + ", a " +
                                                  m_loaded[index].runtimeClass->m_lpszClassName +
                                                  ", would own itself");
    }
    m_loaded[index].claimed = true;
    m_loaded[index].owner = owner;
    if (s_objectLinkHook != nullptr) [[unlikely]]
        s_objectLinkHook(ObjectLink::claimed, m_loaded[owner].object, object, s_objectLinkContext);
}

void CArchive::ReleaseClaim(const CObject* object)
{
    if (const DWORD index = SlotOf(object))
    {
        m_loaded[index].claimed = false;
        m_loaded[index].owner = 0;
        if (s_objectLinkHook != nullptr) [[unlikely]]
            s_objectLinkHook(ObjectLink::released, nullptr, object, s_objectLinkContext);
    }
}

void CArchive::ForgetDestroyedObject(const CObject* object)
{
    for (CArchive* archive = s_latestLoading; archive != nullptr; archive = archive->m_previous)
    {
        if (const DWORD index = archive->SlotOf(object))
        {
            archive->m_loaded[index] = LoadedEntry{};
            if (s_objectLinkHook != nullptr) [[unlikely]]
                s_objectLinkHook(ObjectLink::released, nullptr, object, s_objectLinkContext);
        }
    }
}

bool CArchive::IsUnclaimed(const CObject* object) const
{
    const DWORD index = SlotOf(object);
    return index != 0 && !m_loaded[index].claimed;
}

std::vector<CObject*> CArchive::GetLoadedObjects() const
{
    std::vector<CObject*> objects;
    for (const LoadedEntry& entry : m_loaded)
    {
        if (entry.object != nullptr)
            objects.push_back(entry.object);
    }
    return objects;
}

std::vector<CObject*> CArchive::GetUnclaimedObjects() const
{
    std::vector<CObject*> objects;
    for (const LoadedEntry& entry : m_loaded)
    {
        if (entry.object != nullptr && !entry.claimed)
            objects.push_back(entry.object);
    }
    return objects;
}

void CArchive::DeleteLoadedObjects()
{
    const std::vector<CObject*> unclaimed = GetUnclaimedObjects();
    m_loaded.assign(1, LoadedEntry{});
    m_reading.clear();
    m_recordStrings = 0;
    for (auto object = unclaimed.rbegin(); object != unclaimed.rend(); ++object)
        delete *object;
}

void CArchive::RequireMode(bool storing) const
{
    if (m_file == nullptr)
        Fail(CArchiveException::generic);
    if (storing && IsLoading())
        Fail(CArchiveException::readOnly);
    if (!storing && IsStoring())
        Fail(CArchiveException::writeOnly);
}

void CArchive::ThrowMalformed(int cause, const std::string& detail) const
{
    throw Malformed(cause, detail);
}

CArchiveException CArchive::Malformed(int cause, const std::string& detail) const
{
    if (IsLoading())
        return MalformedAt(cause, detail, ReadOffset());
    return CArchiveException(cause, m_file != nullptr ? m_file->GetFilePath() : CString(), detail);
}

void CArchive::Fail(int cause, const std::string& detail) const
{
    ThrowMalformed(cause, detail);
}

void CArchive::FailAt(int cause, const std::string& detail, std::uint64_t offset) const
{
    throw MalformedAt(cause, detail, offset);
}

const CRuntimeClass* CArchive::GetReadingClass() const
{
    const DWORD slot = GetReadingSlot();
    return slot < m_loaded.size() ? m_loaded[slot].runtimeClass : nullptr;
}

CArchiveException CArchive::MalformedAt(int cause, const std::string& detail,
                                        std::uint64_t offset) const
{
    std::string where = "at byte " + std::to_string(offset);
    if (const CRuntimeClass* reading = GetReadingClass())
        where += std::string(", in the record of a ") + reading->m_lpszClassName + " (object " +
                 std::to_string(GetReadingSlot()) + ")";
    return CArchiveException(cause, m_file != nullptr ? m_file->GetFilePath() : CString(), detail,
                             where);
}
