#pragma once

#include "platform/core/CArchive.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <compare>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

// A place where a project file stores a string: the class of the record that reads it and the
// string's place among the strings that record reads, from 0 (a base class's strings count in
// the record of the derived object; a record read inside it counts its own). The class is empty
// for a string read outside every record.
struct StringSlot
{
    std::string className;
    DWORD position = 0;

    auto operator<=>(const StringSlot&) const = default;
    std::string Describe() const { return className + " string " + std::to_string(position); }
};

// One string as a load read it, before any change.
struct StoredString
{
    StringSlot slot;
    std::string value;
};

// While it lives, every string a load reads, through whatever door, goes through
// change(slot, value) before the object that stores it is built; change may replace the value.
// One at a time, and only while no other thread loads.
class StoredStringReads
{
public:
    using Change = std::function<void(const StringSlot& slot, CString& value)>;

    explicit StoredStringReads(Change change) : m_change(std::move(change))
    {
        CArchive::SetStringReadHook(&StoredStringReads::Read, this);
    }
    ~StoredStringReads() { CArchive::SetStringReadHook(nullptr, nullptr); }
    StoredStringReads(const StoredStringReads&) = delete;
    StoredStringReads& operator=(const StoredStringReads&) = delete;

private:
    static void Read(const CArchive& ar, DWORD position, CString& value, void* context)
    {
        const CRuntimeClass* reading = ar.GetReadingClass();
        static_cast<StoredStringReads*>(context)->m_change(
            StringSlot{reading != nullptr ? reading->m_lpszClassName : "", position}, value);
    }

    Change m_change;
};

// Every string the load reads, in the order read.
inline std::vector<StoredString> ListStoredStrings(const std::function<void()>& load)
{
    std::vector<StoredString> read;
    {
        const StoredStringReads reads(
            [&read](const StringSlot& slot, CString& value) {
                read.push_back({slot, value.str()});
            });
        load();
    }
    return read;
}

// The slots of those strings, each once.
inline std::set<StringSlot> SlotsOf(const std::vector<StoredString>& strings)
{
    std::set<StringSlot> slots;
    for (const StoredString& string : strings)
        slots.insert(string.slot);
    return slots;
}

// While it lives, the string of every slot that chosen picks (by its class and place) is
// loaded as the payload.
class StoredStringPayload
{
public:
    StoredStringPayload(std::function<bool(const StringSlot& slot)> chosen, CString payload)
        : m_reads(
              [chosen = std::move(chosen), payload = std::move(payload)](const StringSlot& slot,
                                                                         CString& value)
              {
                  if (chosen(slot))
                      value = payload;
              })
    {
    }

private:
    StoredStringReads m_reads;
};
