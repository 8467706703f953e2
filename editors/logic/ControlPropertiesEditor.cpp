#include "editors/logic/ControlPropertiesEditor.h"

#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/FormInterface.h"
#include "entities/Function.h"
#include "entities/LinkControl.h"
#include "entities/MapForm.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/RDLCReport.h"
#include "entities/ReportGroup.h"
#include "entities/Transaction.h"
#include "model/EventRecmpFields.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/FieldVisibility.h"
#include "model/Table.h"
#include "model/TypedText.h"
#include "model/TypedTexts.h"
#include "platform/core/MessageBox.h"

#include <algorithm>
#include <cstddef>

namespace
{
struct Kind
{
    const char* text;
    int code;
    bool onReports;
};

constexpr Kind Kinds[] = {
    {"Text Box", FieldRepData::TextBox, true},
    {"Combo Box", FieldRepData::ComboBox, true},
    {"Date Control", FieldRepData::DateControl, true},
    {"Radio Button", FieldRepData::RadioButton, true},
    {"Check Box", FieldRepData::CheckBox, true},
    {"Text Area", FieldRepData::TextArea, true},
    {"Password", FieldRepData::Password, false},
    {"Editable Combo Box", FieldRepData::EditableComboBox, true},
    {"FileUpload", FieldRepData::FileUpload, false},
};

int CodeOf(const CString& text)
{
    for (const Kind& kind : Kinds)
        if (text == kind.text)
            return kind.code;
    return FieldRepData::TextBox;
}
} // namespace

ControlPropertiesEditor::ControlPropertiesEditor(FormInterface& page, FieldRep& control,
                                                 ControlPropertiesHost* host)
    : m_page(page), m_control(control), m_host(host),
      m_hasData(control.GetFieldRepData() != nullptr),
      m_hasVariable(!m_hasData && control.GetVariable() != nullptr)
{
}

const std::vector<ToolTip>& ControlPropertiesEditor::GetToolTips()
{
    static const std::vector<ToolTip> tips = WithToolTipStrings({
        {CaptionBox, 62940, "Disaplay name"},
        {CompulsoryCheck, 62941, "Check validations"},
        {SeparateRowCheck, 62942, "Seperater"},
        {KindCombo, 62943, "Control Combo"},
        {ValueStringsBox, 62944, "Radio Value"},
        {DisplayStringsBox, 62945, "Radio display string"},
        {IDOK, 62946, "OK"},
        {HelpButton, 62947, "Field Representation Help"},
        {AdvancedButton, 62948, "Advance"},
        {AssignFunctionButton, 62949, "Assign Function"},
        {RemoveFunctionButton, 62950, "Remove Function"},
        {FunctionLabel, 62951, "Function Name"},
        {FrontCombo, 62952, "Front field"},
        {BackCombo, 62953, "Backfield"},
        {LinkList, 62954, "List of links"},
        {AssignLinkButton, 62955, "Assign link "},
        {RemoveLinkButton, 62956, "Remove Link"},
        {EventCombo, 62957, "Events"},
        {CandidateCombo, 62958, "Recompute"},
        {AddRecomputeButton, 62959, "Assign"},
        {RemoveRecomputeButton, 62960, "Remove"},
        {RecomputeList, 62961, "Fieldrep List"},
        {RowsBox, 62962, "Number of rows"},
        {MaxLengthBox, 62963, "Maximum length of field"},
        {ColumnsBox, 62964, "Number of columns"},
        {WidthBox, 62965, "Width of textbox"},
    });
    return tips;
}

std::vector<ListColumn> ControlPropertiesEditor::GetRecomputeColumns()
{
    return {{"", 0}, {"Controls to be updated", 62}};
}

std::vector<ListColumn> ControlPropertiesEditor::GetLinkColumns()
{
    return {{"", 0}, {"Links", 62}};
}

namespace
{
std::vector<ListRow> Rows(const std::vector<CString>& texts)
{
    std::vector<ListRow> rows;
    for (const CString& text : texts)
        rows.push_back({{"", text}});
    return rows;
}
} // namespace

std::vector<ListRow> ControlPropertiesEditor::GetRecomputeListRows() const
{
    return Rows(GetRecomputeRows());
}

std::vector<ListRow> ControlPropertiesEditor::GetLinkListRows() const
{
    return Rows(GetLinkRows());
}

ControlStates ControlPropertiesEditor::GetStates() const
{
    ControlStates states;
    const auto number = [](int value)
    {
        CString text;
        text.Format("%d", value);
        return text;
    };
    states.SetText(CaptionBox, caption);
    states.SetText(DisplayStringsBox, displayStrings);
    states.SetText(ValueStringsBox, valueStrings);
    states.SetText(MaxLengthBox, number(maxLength));
    states.SetText(WidthBox, number(width));
    states.SetText(RowsBox, number(rows));
    states.SetText(ColumnsBox, number(columns));
    states.SetCheck(CompulsoryCheck, IsCompulsory());
    states.SetCheck(SeparateRowCheck, separateRow);
    states.SetItems(KindCombo, m_kinds);
    states.Select(KindCombo, m_kind);
    states.SetText(FunctionLabel, GetFunctionLabel());
    states.SetItems(FrontCombo, m_frontBackTexts);
    states.Select(FrontCombo, frontSelection);
    states.SetItems(BackCombo, m_frontBackTexts);
    states.Select(BackCombo, backSelection);
    std::vector<CString> events;
    for (int event : m_events)
        events.push_back(GetEventName(event));
    states.SetItems(EventCombo, events);
    const auto event = std::ranges::find(m_events, m_event);
    states.Select(EventCombo,
                  event == m_events.end() ? -1 : static_cast<int>(event - m_events.begin()));
    std::vector<CString> candidates;
    for (FieldRep* rep : m_candidates)
        candidates.push_back(GetDisplayName(rep));
    states.SetItems(CandidateCombo, candidates);
    states.Select(CandidateCombo, candidateSelection);
    states.SetText(AdvancedButton, m_advanced ? "<<Advanced" : "Advanced>>");

    for (int id : {CaptionBox, DisplayStringsBox, ValueStringsBox, MaxLengthBox, WidthBox, RowsBox,
                   ColumnsBox, KindCombo, FrontCombo, LinkList, AssignLinkButton, RemoveLinkButton})
        states.Enable(id, m_hasData);
    states.Enable(DisplayStringsBox, m_hasData && (KindIs(FieldRepData::RadioButton) ||
                                                   KindIs(FieldRepData::CheckBox)));
    states.Enable(BackCombo, m_hasData && IsBackComboEnabled());
    states.Enable(SeparateRowCheck, m_hasData && IsSeparateRowEnabled());
    for (int id : {EventCombo, CandidateCombo, AddRecomputeButton, RemoveRecomputeButton})
        states.Enable(id, m_hasData && AreEventControlsEnabled());
    return states;
}

void ControlPropertiesEditor::SelectEventItem(int index)
{
    if (index >= 0 && index < static_cast<int>(m_events.size()))
        m_event = m_events[static_cast<size_t>(index)];
}

CString ControlPropertiesEditor::GetTitle() const
{
    if (const FieldRepData* data = m_control.GetFieldRepData())
        return "Control Properties for : " + data->GetCaption();
    return "Control Properties for : " +
           (m_control.GetField() != nullptr ? m_control.GetField()->GetFieldName() : CString());
}

bool ControlPropertiesEditor::IsCompulsory() const
{
    return m_control.IsMandatory();
}

void ControlPropertiesEditor::ToggleCompulsory()
{
    m_control.SetMandatory(!m_control.IsMandatory());
}

CString ControlPropertiesEditor::GetEventName(int event)
{
    switch (event)
    {
    case OnChange:
        return "On Change";
    case OnClick:
        return "On Click";
    case OnBlur:
        return "On Blur";
    default:
        return CString();
    }
}

void ControlPropertiesEditor::Load()
{
    const bool report = dynamic_cast<ApplicationReport*>(&m_page) != nullptr ||
                        dynamic_cast<RDLCReport*>(&m_page) != nullptr;
    m_kinds.clear();
    for (const Kind& kind : Kinds)
        if (kind.onReports || !report)
            m_kinds.push_back(kind.text);

    m_candidates.clear();
    for (FieldRep* rep : m_page.GetFieldReps())
        if (rep->GetField() == nullptr ||
            m_page.FindDerivedFieldByName(rep->GetField()->GetFieldName()) == nullptr)
            m_candidates.push_back(rep);
    if (auto* map = dynamic_cast<MapForm*>(&m_page))
    {
        for (const auto* reps : {&map->GetTopInputFieldReps(), &map->GetBottomInputFieldReps()})
            m_candidates.insert(m_candidates.end(), reps->begin(), reps->end());
    }
    if (auto* application = dynamic_cast<ApplicationReport*>(&m_page))
        if (!application->GetReportGroups().empty())
        {
            const std::vector<FieldRep*>& filters = application->GetReportGroups()[0]->GetFilters();
            m_candidates.insert(m_candidates.end(), filters.begin(), filters.end());
        }

    Field* field = m_control.GetField();
    if (field != nullptr && m_page.FindDerivedFieldByField(field) != nullptr)
        std::erase(m_kinds, CString("FileUpload"));
    if (field != nullptr && field->GetTypeCode() == FieldTypeDateTime)
        m_kinds = {"Date Control"};

    const FieldRepData* data = m_control.GetFieldRepData();
    if (data == nullptr)
        return;
    caption = ShownCaption(*data);
    const auto found = std::ranges::find(m_kinds, m_control.GetControlTypeName());
    m_kind = found == m_kinds.end() ? -1 : static_cast<int>(found - m_kinds.begin());
    separateRow = data->GetSeparateRow();
    valueStrings = data->GetStoredValues();
    maxLength = data->GetMaxLength();
    RunKindChange();
    FillFrontBack();
}

CString ControlPropertiesEditor::GetFunctionLabel() const
{
    const FieldRepData* data = m_control.GetFieldRepData();
    const ClassInvokation* call = data != nullptr ? data->GetDataCall() : nullptr;
    if (call == nullptr || call->GetClass() == nullptr || call->GetFunction() == nullptr)
        return "Function not assigned.";
    return "Function : " + call->GetClass()->GetFieldName() + "." +
           call->GetFunction()->GetFieldName();
}

void ControlPropertiesEditor::FillFrontBack()
{
    m_frontBackFields.clear();
    m_frontBackTexts.clear();
    frontSelection = -1;
    backSelection = -1;
    const FieldRepData* data = m_control.GetFieldRepData();
    const ClassInvokation* call = data != nullptr ? data->GetDataCall() : nullptr;
    if (call == nullptr || call->GetFunction() == nullptr)
        return;
    for (const ProcedureFieldInfo* output : call->GetFunction()->GetOutputFields())
    {
        Field* field = output->GetField();
        if (field == nullptr)
            continue;
        if (field == data->GetFrontField())
            frontSelection = static_cast<int>(m_frontBackFields.size());
        if (field == data->GetBackField())
            backSelection = static_cast<int>(m_frontBackFields.size());
        m_frontBackFields.push_back(field);
        m_frontBackTexts.push_back(field->GetTable() != nullptr
                                       ? field->GetTable()->GetTableName() + "." +
                                             field->GetFieldName()
                                       : field->GetFieldName());
    }
}

void ControlPropertiesEditor::AssignFunction()
{
    FieldRepData* data = m_control.GetFieldRepData();
    if (m_host == nullptr || data == nullptr)
        return;
    if (ClassInvokation* chosen = m_host->AssignFunction(m_page, data->GetDataCall()))
        data->SetDataCall(chosen);
    FillFrontBack();
}

void ControlPropertiesEditor::AssignLink()
{
    // The links live in the control's data.
    if (m_host != nullptr && m_control.GetFieldRepData() != nullptr)
        m_host->EditFieldLinks(m_control, m_page);
}

void ControlPropertiesEditor::RemoveFunction()
{
    if (FieldRepData* data = m_control.GetFieldRepData(); data != nullptr && data->GetDataCall())
        data->ClearClassInvokation();
    FillFrontBack();
}

std::vector<CString> ControlPropertiesEditor::GetLinkRows() const
{
    std::vector<CString> captions;
    if (const FieldRepData* data = m_control.GetFieldRepData())
        for (const LinkControl* link : data->GetLinkControls())
            captions.push_back(link->GetCaption());
    return captions;
}

void ControlPropertiesEditor::RemoveLink(int row)
{
    FieldRepData* data = m_control.GetFieldRepData();
    if (data != nullptr && row >= 0 && row < static_cast<int>(data->GetLinkControls().size()))
        data->RemoveLinkControlAt(row);
}

CString ControlPropertiesEditor::KindText() const
{
    return m_kind >= 0 && m_kind < static_cast<int>(m_kinds.size())
               ? m_kinds[static_cast<size_t>(m_kind)]
               : CString();
}

bool ControlPropertiesEditor::KindIs(int code) const
{
    return !KindText().IsEmpty() && CodeOf(KindText()) == code;
}

void ControlPropertiesEditor::SelectKind(int index)
{
    m_kind = index;
    RunKindChange();
}

void ControlPropertiesEditor::RunKindChange()
{
    FieldRepData* data = m_control.GetFieldRepData();
    if (data != nullptr && !KindText().IsEmpty())
    {
        displayStrings = data->GetDisplayTexts();
        width = KindIs(FieldRepData::TextBox) ? data->GetWidth() : 40;
        rows = KindIs(FieldRepData::TextArea) ? data->GetRows() : 4;
        columns = KindIs(FieldRepData::TextArea) ? data->GetColumns() : 20;
        // A kind the combo does not offer is kept while nothing is selected.
        data->SetControlKind(CodeOf(KindText()));
    }
    FillEvents();
}

void ControlPropertiesEditor::FillEvents()
{
    const FieldRepData* data = m_control.GetFieldRepData();
    const int code =
        KindText().IsEmpty() ? (data != nullptr ? data->GetControlKind() : 0) : CodeOf(KindText());
    switch (code)
    {
    case FieldRepData::ComboBox:
    case FieldRepData::EditableComboBox:
        m_events = {OnChange, OnClick, OnBlur};
        break;
    case FieldRepData::RadioButton:
    case FieldRepData::CheckBox:
        m_events = {OnClick};
        break;
    case FieldRepData::DateControl:
    case FieldRepData::FileUpload:
        m_events.clear();
        break;
    default:
        m_events = {OnBlur};
        break;
    }
    m_event = m_events.empty() ? -1 : m_events.front();
}

bool ControlPropertiesEditor::ShowsTextBoxSizes() const
{
    return KindIs(FieldRepData::TextBox);
}

bool ControlPropertiesEditor::ShowsTextAreaSizes() const
{
    return KindIs(FieldRepData::TextArea);
}

bool ControlPropertiesEditor::ShowsRadioValues() const
{
    return KindIs(FieldRepData::RadioButton);
}

bool ControlPropertiesEditor::IsBackComboEnabled() const
{
    return KindIs(FieldRepData::ComboBox) || KindIs(FieldRepData::EditableComboBox);
}

bool ControlPropertiesEditor::IsSeparateRowEnabled() const
{
    return m_page.GetColumnCount() != 1;
}

CString ControlPropertiesEditor::GetDisplayName(FieldRep* rep) const
{
    Field* field = rep->GetField();
    if (field == nullptr)
        return rep->GetFieldRepData() != nullptr ? rep->GetFieldRepData()->GetCaption() : CString();
    const Table* table =
        field->GetTable() != nullptr ? field->GetTable() : m_page.GetRefOrDerivedFieldTable(field);
    return table != nullptr ? table->GetTableName() + "_" + field->GetFieldName()
                            : field->GetFieldName();
}

void ControlPropertiesEditor::AddRecompute(int candidate)
{
    FieldRepData* data = m_control.GetFieldRepData();
    if (data == nullptr || m_event < 0 || candidate < 0 ||
        candidate >= static_cast<int>(m_candidates.size()))
        return;
    EventRecmpFields* list = data->FindEventRecmpFields(m_event);
    if (list == nullptr)
    {
        list = new EventRecmpFields;
        list->SetEventKind(m_event);
        data->AddEventRecmpFields(list);
    }
    FieldRep* rep = m_candidates[static_cast<size_t>(candidate)];
    if (!list->HasClassRecompute(rep))
        list->AddClassRecompute(rep);
    candidateSelection = -1;
}

void ControlPropertiesEditor::RemoveRecompute(int row)
{
    FieldRepData* data = m_control.GetFieldRepData();
    EventRecmpFields* list = data != nullptr ? data->FindEventRecmpFields(m_event) : nullptr;
    if (list == nullptr || row < 0 || row >= static_cast<int>(list->GetClassRecomputes().size()))
        return;
    list->RemoveClassRecompute(list->GetClassRecomputes()[static_cast<size_t>(row)]->fieldRep);
    if (list->GetClassRecomputes().empty())
        data->RemoveEventRecmpFields(list);
}

std::vector<CString> ControlPropertiesEditor::GetRecomputeRows() const
{
    std::vector<CString> names;
    const FieldRepData* data = m_control.GetFieldRepData();
    const EventRecmpFields* list = data != nullptr ? data->FindEventRecmpFields(m_event) : nullptr;
    if (list != nullptr)
        for (const EventClassRecompute* entry : list->GetClassRecomputes())
            names.push_back(GetDisplayName(entry->fieldRep));
    return names;
}

void ControlPropertiesEditor::StoreValues(FieldRepData& data)
{
    const CString oldCaption = data.GetCaption();
    if (!oldCaption.IsEmpty())
        m_page.RenameVariable(oldCaption, caption);
    data.SetCaption(caption);
    data.SetStoredValues(valueStrings);
    data.SetMaxLength(maxLength);
    if (KindIs(FieldRepData::RadioButton) || KindIs(FieldRepData::ComboBox))
        data.SetDisplayTexts(displayStrings);
    if (KindIs(FieldRepData::TextBox))
        data.SetWidth(width);
    if (KindIs(FieldRepData::TextArea))
    {
        data.SetRows(rows);
        data.SetColumns(columns);
    }
    const ClassInvokation* dataCall = data.GetDataCall();
    if (dataCall != nullptr && dataCall->GetFunction() != nullptr)
    {
        if (Field* front = FrontBackFieldAt(frontSelection))
            data.SetFrontField(front);
        if (Field* back = FrontBackFieldAt(backSelection))
            data.SetBackField(back);
    }
    if (!KindText().IsEmpty())
        data.SetControlKind(CodeOf(KindText()));
    data.SetSeparateRow(separateRow);
}

CString ControlPropertiesEditor::ShownCaption(const FieldRepData& data) const
{
    const Field* field = m_control.GetField();
    return data.GetCaption().IsEmpty() && field != nullptr ? field->GetDisplayName()
                                                           : data.GetCaption();
}

Field* ControlPropertiesEditor::FrontBackFieldAt(int selection) const
{
    return selection >= 0 && selection < static_cast<int>(m_frontBackFields.size())
               ? m_frontBackFields[static_cast<std::size_t>(selection)]
               : nullptr;
}

bool ControlPropertiesEditor::HasUnstoredChanges() const
{
    const FieldRepData* data = m_control.GetFieldRepData();
    if (!m_hasData || data == nullptr)
        return false;
    if (caption != ShownCaption(*data) || valueStrings != data->GetStoredValues() ||
        maxLength != data->GetMaxLength() || separateRow != data->GetSeparateRow())
        return true;
    if ((KindIs(FieldRepData::RadioButton) || KindIs(FieldRepData::ComboBox)) &&
        displayStrings != data->GetDisplayTexts())
        return true;
    if (KindIs(FieldRepData::TextBox) && width != data->GetWidth())
        return true;
    if (KindIs(FieldRepData::TextArea) &&
        (rows != data->GetRows() || columns != data->GetColumns()))
        return true;
    const ClassInvokation* dataCall = data->GetDataCall();
    if (dataCall == nullptr || dataCall->GetFunction() == nullptr)
        return false;
    const Field* front = FrontBackFieldAt(frontSelection);
    const Field* back = FrontBackFieldAt(backSelection);
    return (front != nullptr && front != data->GetFrontField()) ||
           (back != nullptr && back != data->GetBackField());
}

int ControlPropertiesEditor::AskAboutChanges() const
{
    if (!HasUnstoredChanges())
        return IDNO;
    return AskAboutEditedItem("control", ShownCaption(*m_control.GetFieldRepData()),
                              /*isNew=*/false);
}

bool ControlPropertiesEditor::WriteBack()
{
    if (const CString refusal = RefuseLineBreaks({{"caption", caption},
                                                  {"display strings", displayStrings},
                                                  {"value strings", valueStrings}});
        m_hasData && !refusal.IsEmpty())
    {
        AfxMessageBox(refusal);
        return false;
    }
    if (FieldRepData* data = m_control.GetFieldRepData(); m_hasData && data != nullptr)
        StoreValues(*data);
    if (!m_hasVariable)
        m_control.SetVariable(nullptr);
    if (!m_hasData)
        m_control.SetFieldRepData(nullptr);
    const FieldRepData* data = m_control.GetFieldRepData();
    if (data == nullptr)
        return true;
    const ProcedureInvokation* call = data->GetDataProcedure();
    if (call != nullptr && call->GetProcedure() != nullptr &&
        (data->GetFrontField() == nullptr || data->GetBackField() == nullptr))
    {
        AfxMessageBox("Please assign the front and back fields.");
        return false;
    }
    if (data->GetControlKind() == FieldRepData::RadioButton)
    {
        std::vector<CString> texts;
        std::vector<CString> values;
        data->GetHardCodedStrings(texts, values);
        if (texts.size() != values.size())
        {
            AfxMessageBox("Please enter equal number of value strings and display strings.");
            return false;
        }
    }
    return true;
}

void ControlPropertiesEditor::UpdateTransactionVisibility()
{
    auto* transaction = dynamic_cast<Transaction*>(&m_page);
    Field* field = m_control.GetField();
    if (transaction == nullptr || field == nullptr || !transaction->IsBasicTableField(field))
        return;
    AspFile* file = transaction->FindAspFileByType(3);
    if (file == nullptr)
        return;
    FieldVisibility* visibility = file->FindFieldVisibility(field);
    if (visibility == nullptr)
    {
        visibility = new FieldVisibility(field);
        file->AddFieldVisibility(visibility);
    }
    const FieldRepData* data = m_control.GetFieldRepData();
    visibility->SetVisibilityKind(data != nullptr && data->RecomputesTransactionField(transaction)
                                      ? FieldVisibility::ReadOnly
                                      : FieldVisibility::Editable);
}

bool ControlPropertiesEditor::Ok(bool hosted)
{
    if (!WriteBack() && hosted)
        return false;
    UpdateTransactionVisibility();
    return true;
}
