#pragma once

#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <vector>

class Profile;

// The most recently used files, newest first, stored in a profile section as numbered
// entries (the entry format holds one %d, counting from 1).
class CRecentFileList
{
public:
    // start is the command id of the first entry's menu item.
    CRecentFileList(UINT start, const char* section, const char* entryFormat, int size);

    int GetSize() const { return m_size; }
    // The number of entries that hold a file.
    int GetCount() const { return static_cast<int>(m_files.size()); }
    // The file at index, "" past the last one.
    CString operator[](int index) const;
    UINT GetStartId() const { return m_start; }

    // Moves an entry already listed to the front, or inserts it there and drops the oldest
    // when the list is full. An empty path is ignored.
    void Add(const char* path);
    void Remove(int index);

    void ReadList(const Profile& profile);
    void WriteList(Profile& profile) const;

private:
    CString EntryName(int index) const;

    UINT m_start;
    CString m_section;
    CString m_entryFormat;
    int m_size;
    std::vector<CString> m_files;
};
