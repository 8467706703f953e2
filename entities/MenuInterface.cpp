#include "entities/MenuInterface.h"

#include "entities/AspFile.h"
#include "model/ArchiveIO.h"
#include "model/ReferenceList.h"

#include <algorithm>

IMPLEMENT_SERIAL(MenuInterface, CObject, 0)

MenuInterface::~MenuInterface()
{
    if (m_openedFile != nullptr)
        m_openedFile->RemoveMenu(this);
    for (AspFile* file : m_pageFiles)
        file->RemoveMenu(this);
}

void MenuInterface::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_name;
        WriteObjectList(ar, m_pageFiles);
        ar.WriteObject(m_openedFile);
        return;
    }
    ar >> m_name;
    ReadObjectList(ar, m_pageFiles);
    m_openedFile = ReadRef<AspFile>(ar);
}

void MenuInterface::SetAspFile(AspFile* file)
{
    // Detaching from the file it keeps would erase the file's map of this item with the pairs
    // set there.
    if (m_openedFile != nullptr && m_openedFile != file)
        m_openedFile->RemoveMenu(this);
    m_openedFile = file;
    if (file != nullptr && !file->IsLinkedFrom(this))
        file->AddLinkingItem(this);
}

bool MenuInterface::HasAspFile(const AspFile* file) const
{
    return std::find(m_pageFiles.begin(), m_pageFiles.end(), file) != m_pageFiles.end();
}

void MenuInterface::RemoveAspFile(const AspFile* file)
{
    if (m_openedFile == file)
        m_openedFile = nullptr;
    std::erase(m_pageFiles, file);
}

void MenuInterface::UnlinkAspFile(AspFile* file)
{
    file->RemoveMenu(this);
    RemoveAspFile(file);
}

void MenuInterface::KeepLinksTwoSided()
{
    std::erase_if(m_pageFiles, [this](const AspFile* file)
                  { return file == nullptr || !file->IsLinkedFrom(this); });
    if (m_openedFile != nullptr && !m_openedFile->IsLinkedFrom(this))
        m_openedFile->AddLinkingItem(this);
}

void MenuInterface::ListReferences(ReferenceList& list)
{
    if (AspFile* opened = m_openedFile)
        list.Add(opened, [this, opened] { UnlinkAspFile(opened); });
    for (AspFile* file : m_pageFiles)
        list.Add(file, [this, file] { UnlinkAspFile(file); });
}
