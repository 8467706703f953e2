#pragma once

#include "platform/core/CException.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class CFile;

// A buffered binary stream of numbers, strings and object graphs over a CFile, little-endian.
// Objects are written once; a later writing of the same object is a back-reference to it.
// Malformed or truncated input raises CArchiveException. Object records nest as deep as the
// stack allows (see LargeStack); a record that would go deeper is refused, on both sides.
class CArchive
{
public:
    static constexpr UINT store = 0;
    static constexpr UINT load = 1;
    // The destructor neither flushes nor positions the file.
    static constexpr UINT bNoFlushOnDelete = 2;
    // buffer, when given, holds at least bufferSize bytes and outlives the archive.
    CArchive(CFile* file, UINT mode, int bufferSize = 4096, void* buffer = nullptr);
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;
    ~CArchive();

    BOOL IsLoading() const { return (m_mode & load) != 0 ? TRUE : FALSE; }
    BOOL IsStoring() const { return IsLoading() ? FALSE : TRUE; }
    // Null once the archive is closed.
    CFile* GetFile() const { return m_file; }

    // Storing: writes the buffered bytes to the file. Loading: drops the bytes read ahead and
    // moves the file back to the archive's position.
    void Flush();
    // Flushes and detaches from the file, which stays open.
    void Close();
    // Detaches from the file without flushing; never raises.
    void Abort();

    void Write(const void* buffer, UINT count);
    // Returns the number of bytes read, fewer than count only at the end of the file.
    UINT Read(void* buffer, UINT count);

    // The number of classes and objects the archive is expected to write or read, so that it
    // makes room for them once.
    void ReserveObjects(std::size_t count);
    // The classes and objects written or read so far.
    std::size_t GetObjectCount() const;

    void WriteObject(const CObject* object);
    // The next object, null for a null tag. A non-null requested class must be the object's
    // class or a base of it. The archive keeps the objects it returned for back-references, so
    // they must live until reading ends.
    CObject* ReadObject(const CRuntimeClass* requested);

    // The load registry: every object the archive created while loading, in creation order.
    // The object whose record is being read claims each object it keeps. An object can be
    // claimed once and never by itself or an object it owns, directly or not, so that
    // ownership forms a tree; a claim that breaks this raises. Objects the archive did not
    // create are let be.
    void ClaimObject(const CObject* object);
    // The owner lets the object go again; it is then treated as if never claimed.
    void ReleaseClaim(const CObject* object);
    // The archive created the object during this load and nobody claimed it.
    bool IsUnclaimed(const CObject* object) const;
    // An object destroyed during a load (a repair while reading replaced it) leaves the
    // registry of every archive that is loading; a later reference to it is refused.
    static void ForgetDestroyedObject(const CObject* object);
    // Every object created so far, in creation order.
    std::vector<CObject*> GetLoadedObjects() const;
    // Calls visit(object, runtimeClass) for each of them, with the class it was created with,
    // without touching the object.
    template <class Visit> void VisitLoadedObjects(const Visit& visit) const
    {
        for (const LoadedEntry& entry : m_loaded)
        {
            if (entry.object != nullptr)
                visit(entry.object, entry.runtimeClass);
        }
    }
    // Raises CArchiveException with the cause and the detail, adding where the archive stands
    // when loading: the byte offset and the class whose record is being read.
    [[noreturn]] void ThrowMalformed(int cause, const std::string& detail) const;
    // The exception ThrowMalformed raises; after a failure of a load, where it stopped.
    CArchiveException Malformed(int cause, const std::string& detail) const;

    // Loading: the class of the record being read and the slot of its object; null and 0
    // outside every record.
    const CRuntimeClass* GetReadingClass() const;
    DWORD GetReadingSlot() const { return m_reading.empty() ? 0 : m_reading.back(); }

    // A seam for tests: while set, every string a loading archive reads passes through the hook,
    // which may change it, before the record being read takes it, with the string's place among
    // the strings of that record (from 0; the strings of records inside it count in theirs).
    // Set it only while no other thread loads.
    using StringReadHook = void (*)(const CArchive& ar, DWORD position, CString& value,
                                    void* context);
    static void SetStringReadHook(StringReadHook hook, void* context);
    // A seam for tests: while set, each object a record writes (a back-reference too) and each
    // claim or release a loading record makes of an object pass to the hook, with the object
    // whose record it is (null outside every record); a loaded object destroyed while its
    // archive is open passes as released. Set it only while no other thread loads or stores.
    enum class ObjectLink
    {
        written,
        claimed,
        released
    };
    using ObjectLinkHook = void (*)(ObjectLink link, const CObject* record, const CObject* object,
                                    void* context);
    static void SetObjectLinkHook(ObjectLinkHook hook, void* context);

    // The objects created that nobody claimed, in creation order.
    std::vector<CObject*> GetUnclaimedObjects() const;
    // After a failed load: deletes every created object that nobody claimed, the later ones
    // first; their owners' destructors free the claimed ones, so each goes exactly once. The
    // archive then holds no loaded object.
    void DeleteLoadedObjects();

    CArchive& operator<<(BYTE value);
    CArchive& operator<<(char value);
    CArchive& operator<<(WORD value);
    CArchive& operator<<(short value);
    CArchive& operator<<(int value);
    CArchive& operator<<(unsigned int value);
    CArchive& operator<<(float value);
    CArchive& operator<<(double value);
    CArchive& operator<<(const CString& value);
    CArchive& operator<<(const CObject* object);

    CArchive& operator>>(BYTE& value);
    CArchive& operator>>(char& value);
    CArchive& operator>>(WORD& value);
    CArchive& operator>>(short& value);
    CArchive& operator>>(int& value);
    CArchive& operator>>(unsigned int& value);
    CArchive& operator>>(float& value);
    CArchive& operator>>(double& value);
    CArchive& operator>>(CString& value);
    CArchive& operator>>(CObject*& object);

private:
    // A slot of the load map: a class, an object with the class it was created with, or neither
    // (index 0 and destroyed objects).
    struct LoadedEntry
    {
        CRuntimeClass* runtimeClass = nullptr;
        CObject* object = nullptr;
        // Objects: an owner claimed it; the slot of its owner, 0 for none or the caller.
        bool claimed = false;
        DWORD owner = 0;
    };

    template <typename T> void WriteLittleEndian(T value);
    template <typename T> T ReadLittleEndian();
    void ReadExactly(void* buffer, std::size_t count);

    void WriteStringLength(DWORD length);
    DWORD ReadStringLength(bool acceptWide, bool& wide);
    void WriteReference(DWORD index, WORD smallFlag, DWORD largeFlag);
    void WriteClass(const CRuntimeClass* runtimeClass);
    CRuntimeClass* ReadNewClass();
    CRuntimeClass* LoadedClass(DWORD index) const;
    CObject* LoadedObject(DWORD index, const CRuntimeClass* requested) const;
    // Storing: the index of an object written already, else 0.
    DWORD StoredIndex(const CObject* object) const;
    // Gives the object the next index.
    void AddStored(const CObject* object);
    // The slot of an object this archive created and still holds, else 0.
    DWORD SlotOf(const CObject* object) const;

    // Raises unless the archive is open in the given direction.
    void RequireMode(bool storing) const;
    [[noreturn]] void Fail(int cause, const std::string& detail = std::string()) const;
    // Loading: the detail, then the offset in the file and the record being read.
    [[noreturn]] void FailAt(int cause, const std::string& detail, std::uint64_t offset) const;
    CArchiveException MalformedAt(int cause, const std::string& detail, std::uint64_t offset) const;
    // Loading: the offset in the file of the next byte to read.
    std::uint64_t ReadOffset() const { return m_bufferOffset + m_next; }

    CFile* m_file;
    UINT m_mode;
    std::unique_ptr<BYTE[]> m_ownedBuffer;
    BYTE* m_buffer;
    std::size_t m_bufferSize;
    // Loading: the bytes from m_next to m_end are read ahead. Storing: m_end bytes wait.
    std::size_t m_next = 0;
    std::size_t m_end = 0;
    // Loading: the offset in the file, from where the archive started, of the buffer's first byte.
    std::uint64_t m_bufferOffset = 0;

    // Storing: the index of every class written.
    std::unordered_map<const CRuntimeClass*, DWORD> m_storedClasses;
    // Storing: the object of each index written, null for classes. An object keeps its index,
    // trusted only where this list holds the object at that index.
    std::vector<const CObject*> m_storedObjects{nullptr};
    // Storing: the objects whose kept index belongs to another archive storing at the time.
    std::unordered_map<const CObject*, DWORD> m_displacedObjects;
    // Loading: the class or object of every index read; slot 0 stands for null.
    std::vector<LoadedEntry> m_loaded{LoadedEntry{}};
    // Loading: the slots of the objects whose records are being read, innermost last.
    std::vector<DWORD> m_reading;
    // Loading: the strings read so far by the innermost record being read.
    DWORD m_recordStrings = 0;
    // Storing: the objects whose records are being written, innermost last.
    std::vector<const CObject*> m_writing;
    // The archives open for loading (storing), the latest first, chained through m_previous.
    static CArchive* s_latestLoading;
    static CArchive* s_latestStoring;
    static StringReadHook s_stringReadHook;
    static void* s_stringReadContext;
    static ObjectLinkHook s_objectLinkHook;
    static void* s_objectLinkContext;
    CArchive* m_previous = nullptr;
};
