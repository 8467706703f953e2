#include "entities/LinkControl.h"

#include "entities/AspFile.h"
#include "entities/Menu.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/Ownership.h"
#include "model/PairRecords.h"
#include "model/ReferenceList.h"

IMPLEMENT_SERIAL(LinkControl, CObject, 0)

namespace
{
using LinkVariableMapRecords =
    PairRecords<LinkVariableMap, &LinkVariableMap::pageVariable, &LinkVariableMap::targetVariable>;
} // namespace

LinkControl::LinkControl(Menu* target, WORD, WORD, int alignment)
    : m_alignment(alignment), m_target(target)
{
}

LinkControl::LinkControl(const LinkControl* source)
{
    if (source == nullptr)
        return;
    m_alignment = source->m_alignment;
    m_target = source->m_target;
    m_caption = source->m_caption;
}

LinkControl::~LinkControl()
{
    m_target = nullptr;
    DeleteAll(m_variableMaps);
}

CString LinkControl::GetMenuName() const
{
    return m_target != nullptr ? CString(m_target->GetName()) : CString();
}

CString LinkControl::GetTargetUrl() const
{
    const AspFile* file = m_target != nullptr ? m_target->GetAspFile() : nullptr;
    return file != nullptr ? file->GetRelativeUrl(TRUE, FALSE) : CString();
}

CString LinkControl::GetClassicTargetUrl() const
{
    const AspFile* file = m_target != nullptr ? m_target->GetAspFile() : nullptr;
    return file != nullptr ? file->GetClassicRelativeUrl(TRUE, FALSE) : CString();
}

CString LinkControl::GetAlignmentText() const
{
    switch (m_alignment)
    {
    case Left:
        return "left";
    case Center:
        return "center";
    case Right:
        return "Right";
    default:
        return "";
    }
}

void LinkControl::UnlinkMenu(const Menu* menu)
{
    if (m_target == nullptr || m_target != menu)
        return;
    m_target = nullptr;
    DeleteAll(m_variableMaps);
}

void LinkControl::RemoveLinkVariableMap(LinkVariableMap* map)
{
    if (map != nullptr)
        EraseAndDelete(m_variableMaps, map);
}

void LinkControl::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_alignment;
        ar.WriteObject(m_target);
        ar << m_caption;
        LinkVariableMapRecords::Write(ar, m_variableMaps);
        return;
    }

    ar >> m_alignment;
    m_target = ReadRef<Menu>(ar);
    ar >> m_caption;
    if (ArchiveVersion() > 49)
        LinkVariableMapRecords::Read(ar, m_variableMaps,
                                     LinkVariableMapRecords::EmptyEntry::AsNull);
}

void LinkControl::ListReferences(ReferenceList& list)
{
    if (Menu* target = m_target)
        list.Add(target, [this, target] { UnlinkMenu(target); });
    for (LinkVariableMap* map : m_variableMaps)
    {
        if (map == nullptr)
            continue;
        for (const Variable* variable : {map->pageVariable, map->targetVariable})
            list.Add(variable, [this, map] { RemoveLinkVariableMap(map); });
    }
}
