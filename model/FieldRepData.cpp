#include "model/FieldRepData.h"

#include "entities/ChangeEventHandle.h"
#include "entities/ClassInvokation.h"
#include "entities/LinkControl.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/EventRecmpFields.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/Ownership.h"

IMPLEMENT_SERIAL(FieldRepData, CObject, 0)

namespace
{
// A columns value read below the minimum becomes the default.
constexpr int MinimumColumns = 40;
constexpr int DefaultColumns = 35;
} // namespace

FieldRepData::FieldRepData() = default;

FieldRepData::FieldRepData(const FieldRepData& source)
    : CObject(), m_frontField(source.m_frontField), m_backField(source.m_backField),
      m_dataCall(source.m_dataCall != nullptr ? new ClassInvokation(source.m_dataCall) : nullptr),
      m_displayTexts(source.m_displayTexts), m_caption(source.m_caption),
      m_controlKind(source.m_controlKind), m_maxLength(source.m_maxLength),
      m_storedValues(source.m_storedValues), m_range(source.m_range),
      m_selectAllCaption(source.m_selectAllCaption), m_noneCaption(source.m_noneCaption),
      m_addedBySync(source.m_addedBySync), m_internalSearch(source.m_internalSearch),
      m_rows(source.m_rows), m_columns(source.m_columns), m_width(source.m_width),
      m_separateRow(source.m_separateRow)
{
}

FieldRepData::~FieldRepData()
{
    delete m_dataProcedure;
    delete m_dataCall;
    DeleteAll(m_changeHandlers);
    DeleteAll(m_links);
    DeleteAll(m_eventLists);
}

void FieldRepData::SetDataProcedure(ProcedureInvokation* invokation)
{
    ReplaceOwned(m_dataProcedure, invokation);
}

void FieldRepData::SetDataCall(ClassInvokation* invokation)
{
    ReplaceOwned(m_dataCall, invokation);
}

void FieldRepData::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteObject(m_frontField);
        ar.WriteObject(m_backField);
        ar.WriteObject(m_variable);
        ar.WriteObject(m_dataProcedure);
        ar << m_displayTexts << m_caption << m_controlKind << m_maxLength << m_storedValues
           << m_range;
        WriteBoolInt(ar, m_selectAllCaption);
        WriteObjectList(ar, m_changeHandlers);
        ar << m_rows << m_columns << m_width;
        WriteObjectList(ar, m_links);
        WriteObjectList(ar, m_eventLists);
        WriteBoolInt(ar, m_addedBySync);
        WriteBoolInt(ar, m_noneCaption);
        WriteBoolInt(ar, m_internalSearch);
        ar.WriteObject(m_dataCall);
        WriteBoolInt(ar, m_separateRow);
        return;
    }

    const int version = ArchiveVersion();
    m_frontField = ReadRef<Field>(ar);
    m_backField = ReadRef<Field>(ar);
    m_variable = ReadRef<Variable>(ar);
    m_dataProcedure = ReadRef<ProcedureInvokation>(ar);
    ar >> m_displayTexts >> m_caption >> m_controlKind >> m_maxLength >> m_storedValues >> m_range;
    m_selectAllCaption = ReadBoolInt(ar);
    if (version < 51)
        ReadObjectList(ar, m_legacyRecomputes);
    ReadObjectList(ar, m_changeHandlers);
    if (version > 24)
    {
        ar >> m_rows >> m_columns >> m_width;
        if (m_columns < MinimumColumns)
            m_columns = DefaultColumns;
    }
    if (version >= 50)
    {
        ReadObjectList(ar, m_links);
        if (version < 51)
            SkipRecomputePairs(ar);
    }
    else
    {
        LinkControl* link = ReadRef<LinkControl>(ar);
        if (link != nullptr)
            m_links.push_back(link);
    }
    if (version > 50)
        ReadObjectList(ar, m_eventLists);
    if (version > 57)
        m_addedBySync = ReadBoolInt(ar);
    if (version > 59)
        m_noneCaption = ReadBoolInt(ar);
    if (version < 61)
        ConvertOldComboCaptions();
    if (version > 61)
        m_internalSearch = ReadBoolInt(ar);
    if (version > 65)
        m_dataCall = ReadRef<ClassInvokation>(ar);
    if (version > 82)
        m_separateRow = ReadBoolInt(ar);
}

void FieldRepData::SkipRecomputePairs(CArchive& ar)
{
    const int pairCount = ReadCount(ar);
    for (int i = 0; i < pairCount; ++i)
    {
        ReadRef<FieldRep>(ar);
        delete ReadRef<ProcedureInvokation>(ar);
    }
}

void FieldRepData::ConvertOldComboCaptions()
{
    if (m_controlKind == ComboBox)
    {
        m_selectAllCaption = false;
        m_noneCaption = true;
    }
    else if (m_controlKind == MultipleComboBox)
    {
        m_selectAllCaption = false;
        m_noneCaption = false;
    }
}
