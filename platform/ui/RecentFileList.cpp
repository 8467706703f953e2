#include "platform/ui/RecentFileList.h"

#include "platform/ui/Profile.h"

#include <algorithm>

CRecentFileList::CRecentFileList(UINT start, const char* section, const char* entryFormat, int size)
    : m_start(start), m_section(section), m_entryFormat(entryFormat), m_size(std::max(size, 0))
{
}

CString CRecentFileList::operator[](int index) const
{
    if (index < 0 || index >= GetCount())
        return CString();
    return m_files[static_cast<std::size_t>(index)];
}

void CRecentFileList::Add(const char* path)
{
    if (path == nullptr || *path == '\0' || m_size == 0)
        return;
    const CString file(path);
    std::erase(m_files, file);
    m_files.insert(m_files.begin(), file);
    if (GetCount() > m_size)
        m_files.resize(static_cast<std::size_t>(m_size));
}

void CRecentFileList::Remove(int index)
{
    if (index >= 0 && index < GetCount())
        m_files.erase(m_files.begin() + index);
}

void CRecentFileList::ReadList(const Profile& profile)
{
    m_files.clear();
    for (int index = 0; index < m_size; ++index)
    {
        const CString file = profile.GetString(m_section, EntryName(index), nullptr);
        if (!file.IsEmpty())
            m_files.push_back(file);
    }
}

void CRecentFileList::WriteList(Profile& profile) const
{
    for (int index = 0; index < m_size; ++index)
    {
        const char* file =
            index < GetCount() ? m_files[static_cast<std::size_t>(index)].GetString() : nullptr;
        profile.WriteString(m_section, EntryName(index), file);
    }
}

CString CRecentFileList::EntryName(int index) const
{
    CString name;
    name.Format(m_entryFormat, index + 1);
    return name;
}
