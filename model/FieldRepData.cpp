#include "model/FieldRepData.h"

#include "entities/ChangeEventHandle.h"
#include "entities/ClassInvokation.h"
#include "entities/Function.h"
#include "entities/LinkControl.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/EventRecmpFields.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/ListAccess.h"
#include "model/Ownership.h"
#include "model/ReferenceList.h"
#include "model/Table.h"

#include <algorithm>
#include <array>
#include <utility>

IMPLEMENT_SERIAL(FieldRepData, CObject, 0)

namespace
{
// A columns value read below the minimum becomes the default.
constexpr int MinimumColumns = 40;
constexpr int DefaultColumns = 35;

// The client event each control kind recomputes on, by kind.
constexpr std::array<int, FieldRepData::ControlKindCount> defaultEventKinds = {
    EventRecmpFields::OnChange, EventRecmpFields::OnChange, EventRecmpFields::NoEvent,
    EventRecmpFields::OnClick,  EventRecmpFields::OnClick,  EventRecmpFields::OnChange,
    EventRecmpFields::NoEvent,  EventRecmpFields::OnChange, EventRecmpFields::NoEvent,
    EventRecmpFields::OnChange, EventRecmpFields::OnClick,  EventRecmpFields::OnChange,
    EventRecmpFields::NoEvent,  EventRecmpFields::NoEvent,  EventRecmpFields::OnChange,
    EventRecmpFields::OnChange};

// Appends the items of a comma-separated string: blanks after a comma stay, the rest after the
// last comma is trimmed; a part that starts with a comma is kept whole as the last item.
void AppendCommaSeparated(CString rest, std::vector<CString>& items)
{
    int comma = rest.Find(',');
    while (comma >= 1)
    {
        items.push_back(rest.Left(comma));
        rest = rest.Mid(comma);
        rest.Trim();
        rest = rest.Mid(1);
        comma = rest.Find(',');
    }
    items.push_back(rest);
}

// Swaps the entries at first and first + 1 when both exist.
template <class T> void SwapNeighbours(std::vector<T*>& list, int first)
{
    if (first < 0 || first + 1 >= static_cast<int>(list.size()))
        return;
    const auto position = list.begin() + first;
    std::iter_swap(position, position + 1);
}

// The field of the control a class recompute refills; null when either is missing.
Field* FieldOfClassRecompute(const EventClassRecompute* record)
{
    if (record == nullptr || record->fieldRep == nullptr)
        return nullptr;
    return record->fieldRep->GetField();
}
// The record refills a control on a field of the table.
bool RefillsFieldOf(const EventClassRecompute* record, const Table* table)
{
    const Field* field = FieldOfClassRecompute(record);
    return table != nullptr && field != nullptr && table->ContainsField(field);
}
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

void FieldRepData::GetHardCodedStrings(std::vector<CString>& texts,
                                       std::vector<CString>& values) const
{
    AppendCommaSeparated(m_displayTexts, texts);
    AppendCommaSeparated(m_storedValues, values);
}

EventRecmpFields* FieldRepData::FindEventRecmpFields(int eventKind) const
{
    const auto found = std::find_if(m_eventLists.begin(), m_eventLists.end(),
                                    [eventKind](const EventRecmpFields* list) {
                                        return list != nullptr && list->GetEventKind() == eventKind;
                                    });
    return found != m_eventLists.end() ? *found : nullptr;
}

int FieldRepData::GetDefaultEventKind(int controlKind)
{
    if (controlKind < 0 || controlKind >= ControlKindCount)
        return EventRecmpFields::OnChange;
    return defaultEventKinds[static_cast<std::size_t>(controlKind)];
}

EventRecmpFields* FieldRepData::GetDefaultEventRecmpFields() const
{
    return FindEventRecmpFields(GetDefaultEventKind(m_controlKind));
}

bool FieldRepData::HasEventRecmpFields() const
{
    return std::any_of(m_eventLists.begin(), m_eventLists.end(),
                       [](const EventRecmpFields* list)
                       { return list != nullptr && !list->GetProcedureRecomputes().empty(); });
}

template <class Test> bool FieldRepData::AnyClassRecompute(Test test) const
{
    for (const EventRecmpFields* list : m_eventLists)
    {
        if (list == nullptr)
            continue;
        for (const EventClassRecompute* record : list->GetClassRecomputes())
        {
            if (record != nullptr && test(record))
                return true;
        }
    }
    return false;
}

bool FieldRepData::HasClassRecomputeFor(const FieldRep* rep) const
{
    return AnyClassRecompute([rep](const EventClassRecompute* record)
                             { return record->fieldRep == rep; });
}

bool FieldRepData::HasClassRecomputeForField(const Field* field) const
{
    return field != nullptr &&
           AnyClassRecompute([field](const EventClassRecompute* record)
                             { return FieldOfClassRecompute(record) == field; });
}

bool FieldRepData::HasClassRecomputeForTable(const Table* table) const
{
    return AnyClassRecompute([table](const EventClassRecompute* record)
                             { return RefillsFieldOf(record, table); });
}

bool FieldRepData::RecomputesTransactionField(const Transaction* transaction) const
{
    return transaction != nullptr && AnyClassRecompute(
                                         [transaction](const EventClassRecompute* record)
                                         {
                                             const Field* field = FieldOfClassRecompute(record);
                                             return field != nullptr &&
                                                    field->GetTable() != nullptr &&
                                                    transaction->UsesTable(field->GetTable());
                                         });
}

template <class Removal> void FieldRepData::RemoveClassRecomputes(Removal removal)
{
    auto it = m_eventLists.begin();
    while (it != m_eventLists.end())
    {
        EventRecmpFields* list = *it;
        if (list == nullptr)
        {
            ++it;
            continue;
        }
        removal(*list);
        if (list->GetClassRecomputes().empty())
        {
            it = m_eventLists.erase(it);
            delete list;
        }
        else
        {
            ++it;
        }
    }
}

void FieldRepData::RemoveClassRecomputeOf(const FieldRep* rep)
{
    RemoveClassRecomputes([rep](EventRecmpFields& list) { list.RemoveClassRecompute(rep); });
}

void FieldRepData::RemoveClassRecomputesOfTable(const Table* table)
{
    if (table == nullptr)
        return;
    RemoveClassRecomputes(
        [table](EventRecmpFields& list)
        {
            std::vector<const FieldRep*> onTable;
            for (const EventClassRecompute* record : list.GetClassRecomputes())
            {
                if (RefillsFieldOf(record, table))
                    onTable.push_back(record->fieldRep);
            }
            for (const FieldRep* rep : onTable)
                list.RemoveClassRecompute(rep);
        });
}

void FieldRepData::RemoveEventRecmpFields(EventRecmpFields* list)
{
    EraseAndDelete(m_eventLists, list);
}

EventRecmpFields*
FieldRepData::FindEventRecmpFieldsSharingField(const EventRecmpFields* other) const
{
    if (other == nullptr)
        return nullptr;
    for (EventRecmpFields* list : m_eventLists)
    {
        if (list == nullptr)
            continue;
        for (const EventProcedureRecompute* record : other->GetProcedureRecomputes())
        {
            if (record == nullptr || record->fieldRep == nullptr ||
                record->fieldRep->GetField() == nullptr)
                continue;
            if (list->FindProcedureRecomputeByFieldName(
                    record->fieldRep->GetField()->GetFieldName()) != nullptr)
                return list;
        }
    }
    return nullptr;
}

void FieldRepData::ClearClassInvokation()
{
    if (m_dataCall == nullptr)
        return;
    delete m_dataCall;
    m_dataCall = nullptr;
    m_frontField = nullptr;
    m_backField = nullptr;
}

void FieldRepData::DropDataProcedure()
{
    delete m_dataProcedure;
    m_dataProcedure = nullptr;
    m_frontField = nullptr;
    m_backField = nullptr;
}

LinkControl* FieldRepData::FindLinkControl(const Menu* target, int alignment) const
{
    const auto found = std::find_if(m_links.begin(), m_links.end(),
                                    [target, alignment](const LinkControl* link) {
                                        return link != nullptr && link->GetTarget() == target &&
                                               link->GetAlignment() == alignment;
                                    });
    return found != m_links.end() ? *found : nullptr;
}

void FieldRepData::RemoveLinkControlAt(int index)
{
    if (!IsValidIndex(m_links, index))
        return;
    delete m_links[static_cast<std::size_t>(index)];
    EraseAt(m_links, index);
}

void FieldRepData::MoveLinkControlUp(int index)
{
    SwapNeighbours(m_links, index - 1);
}

void FieldRepData::MoveLinkControlDown(int index)
{
    SwapNeighbours(m_links, index);
}

void FieldRepData::CheckCallParameterMapping(CString& text, CString name, CString control,
                                             CString kindText, int& counter) const
{
    const Function* function = m_dataCall != nullptr ? m_dataCall->GetFunction() : nullptr;
    if (function == nullptr ||
        function->GetParameters().size() <= m_dataCall->GetParameterMaps().size())
        return;
    if (counter == 1)
        text += "Parameter mapping missing on following " + kindText + "\n";
    CString number;
    number.Format("%d.", counter);
    text += number + name + " for function " + function->GetFieldName() + " on form control " +
            control + "\n";
    ++counter;
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
    m_dataProcedure = ReadOwned<ProcedureInvokation>(ar);
    ar >> m_displayTexts >> m_caption >> m_controlKind >> m_maxLength >> m_storedValues >> m_range;
    m_selectAllCaption = ReadBoolInt(ar);
    if (version < 51)
        ReadObjectList(ar, m_legacyRecomputes);
    ReadOwnedList(ar, m_changeHandlers);
    if (version > 24)
    {
        ar >> m_rows >> m_columns >> m_width;
        if (m_columns < MinimumColumns)
            m_columns = DefaultColumns;
    }
    if (version >= 50)
    {
        ReadOwnedList(ar, m_links);
        if (version < 51)
            SkipRecomputePairs(ar);
    }
    else
    {
        LinkControl* link = ReadOwned<LinkControl>(ar);
        if (link != nullptr)
            m_links.push_back(link);
    }
    if (version > 50)
        ReadOwnedList(ar, m_eventLists);
    if (version > 57)
        m_addedBySync = ReadBoolInt(ar);
    if (version > 59)
        m_noneCaption = ReadBoolInt(ar);
    if (version < 61)
        ConvertOldComboCaptions();
    if (version > 61)
        m_internalSearch = ReadBoolInt(ar);
    if (version > 65)
        m_dataCall = ReadOwned<ClassInvokation>(ar);
    if (version > 82)
        m_separateRow = ReadBoolInt(ar);
}

void FieldRepData::SkipRecomputePairs(CArchive& ar)
{
    const int pairCount = ReadCount(ar);
    for (int i = 0; i < pairCount; ++i)
    {
        ReadRef<FieldRep>(ar);
        DropOwned(ar, ReadRef<ProcedureInvokation>(ar));
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

void FieldRepData::ListReferences(ReferenceList& list)
{
    list.AddSlot(m_variable);
    list.AddSlot(m_frontField);
    list.AddSlot(m_backField);
    ClassInvokation::ListHeld(list, m_dataCall, [this] { ClearClassInvokation(); });
    ProcedureInvokation::ListHeld(list, m_dataProcedure, [this] { DropDataProcedure(); });
    if (m_dataProcedure != nullptr && m_dataProcedure->GetProcedure() != nullptr)
        ListShownColumns(list, m_dataProcedure->GetProcedure()->GetOutputColumns());
    if (m_dataCall != nullptr && m_dataCall->GetFunction() != nullptr)
        ListShownColumns(list, m_dataCall->GetFunction()->GetOutputFields());
    for (EventRecmpFields* events : m_eventLists)
    {
        for (const EventClassRecompute* record : events->GetClassRecomputes())
        {
            if (record->classInvokation == nullptr)
                continue;
            FieldRep* recomputed = record->fieldRep;
            list.Add(record->classInvokation->GetFunction(),
                     [events, recomputed] { events->RemoveClassRecompute(recomputed); });
        }
        for (EventProcedureRecompute* record : events->GetProcedureRecomputes())
            ProcedureInvokation::ListHeld(
                list, record->invokation,
                [events, record]
                {
                    const auto& records = events->GetProcedureRecomputes();
                    events->RemoveProcedureRecomputeAt(
                        static_cast<int>(std::ranges::find(records, record) - records.begin()));
                });
    }
    for (ChangeEventHandle* handler : m_changeHandlers)
        ProcedureInvokation::ListHeld(list, handler->GetProcedureInvokation(),
                                      [this, handler]
                                      { EraseAndDelete(m_changeHandlers, handler); });
    for (LinkControl* link : m_links)
        link->ListReferences(list);
}

void FieldRepData::ListShownColumns(ReferenceList& list,
                                    const std::vector<ProcedureFieldInfo*>& columns)
{
    for (const ProcedureFieldInfo* column : columns)
    {
        for (Field** slot : {&m_frontField, &m_backField})
        {
            if (*slot != nullptr && column->GetField() == *slot)
                list.Add(column, [slot] { *slot = nullptr; });
        }
    }
}
