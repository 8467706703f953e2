#include "editors/logic/FieldVisibilityEditor.h"

#include "entities/AspFile.h"
#include "entities/FormInterface.h"
#include "entities/MapForm.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/FieldVisibility.h"
#include "model/TypedText.h"
#include "platform/core/MessageBox.h"

namespace
{
// The radios in the order their flags are tested, with the kind each stands for.
struct Radio
{
    int id;
    int kind;
};
constexpr Radio Radios[] = {
    {FieldVisibilityEditor::EditableRadio, FieldVisibility::Editable},
    {FieldVisibilityEditor::ReadOnlyRadio, FieldVisibility::ReadOnly},
    {FieldVisibilityEditor::InvisibleRadio, FieldVisibility::Invisible},
};

void AppendCandidates(std::vector<FieldRep*>& candidates, const std::vector<FieldRep*>& reps)
{
    for (FieldRep* rep : reps)
        if (rep != nullptr &&
            !(rep->GetFieldRepData() != nullptr && rep->GetFieldRepData()->IsAddedBySync()))
            candidates.push_back(rep);
}
} // namespace

FieldVisibilityEditor::FieldVisibilityEditor(FormInterface& page, AspFile* file)
    : m_page(page), m_file(file)
{
}

FieldVisibilityEditor::~FieldVisibilityEditor()
{
    DropNewRecord();
}

std::vector<ListColumn> FieldVisibilityEditor::GetColumns()
{
    return {{"", 0}, {"Field Name", 40}, {"Field Property", 25}};
}

const std::vector<ToolTip>& FieldVisibilityEditor::GetToolTips()
{
    static const std::vector<ToolTip> tips = WithToolTipStrings({
        {TitleBox, 62920, "Selected file name"},
        {EditableRadio, 62921, "Make field editable"},
        {ReadOnlyRadio, 62922, "Make field readonly"},
        {InvisibleRadio, 62923, "Make field invisible"},
        {UpdateButton, 62924, "Update field visibility"},
        {ClearButton, 62925, "Clear selection"},
        {FieldList, 62926, "List of fields"},
        {IDOK, 62927, "OK"},
        {HelpButton, 62928, "Help for managing field visibility"},
    });
    return tips;
}

void FieldVisibilityEditor::Load()
{
    m_candidates.clear();
    AppendCandidates(m_candidates, m_page.GetFieldReps());
    if (auto* map = dynamic_cast<MapForm*>(&m_page))
    {
        AppendCandidates(m_candidates, map->GetTopInputFieldReps());
        AppendCandidates(m_candidates, map->GetBottomInputFieldReps());
    }
    EnableEditing(false);
    m_states.Enable(FieldList, m_file != nullptr);
    m_states.Enable(TitleBox, m_file != nullptr);
    m_rows.clear();
    if (m_file == nullptr)
        return;
    m_states.SetText(TitleBox, m_file->GetPageTitle());
    m_states.SetText(SelectedFile, m_file->GetRelativeUrl(FALSE, FALSE));
    FillList();
}

void FieldVisibilityEditor::FillList()
{
    m_rows.clear();
    for (FieldRep* rep : m_candidates)
    {
        const FieldVisibility* record = m_file->FindFieldVisibility(rep->GetField());
        CString property = "Editable";
        if (record != nullptr)
            property = record->GetVisibilityData() != nullptr
                           ? CString("Visibility depends on Data")
                           : record->GetVisibilityName();
        ListRow row;
        row.cells = {"", m_page.GetQualifiedFieldName(rep), property};
        row.data = static_cast<int>(m_rows.size());
        m_rows.push_back(row);
    }
}

void FieldVisibilityEditor::EnableEditing(bool enabled)
{
    for (const Radio& radio : Radios)
        m_states.Enable(radio.id, enabled);
    m_states.Enable(UpdateButton, enabled);
    m_states.Enable(ClearButton, enabled);
}

void FieldVisibilityEditor::ShowKind(int kind)
{
    for (const Radio& radio : Radios)
        m_states.SetCheck(radio.id, radio.kind == kind);
}

void FieldVisibilityEditor::DropNewRecord()
{
    if (m_currentIsNew)
        delete m_current;
    m_current = nullptr;
    m_currentIsNew = false;
}

void FieldVisibilityEditor::SelectRow(int row)
{
    if (m_file == nullptr || row < 0 || row >= static_cast<int>(m_candidates.size()))
        return;
    DropNewRecord();
    m_selectedRow = row;
    for (const Radio& radio : Radios)
        m_states.Enable(radio.id, true);
    m_states.Enable(AssignDataButton, true);
    m_states.Enable(RemoveDataButton, true);
    ShowKind(-1);
    Field* field = m_candidates[static_cast<size_t>(row)]->GetField();
    m_current = m_file->FindFieldVisibility(field);
    if (m_current == nullptr)
    {
        m_current = new FieldVisibility(field);
        m_currentIsNew = true;
    }
    if (m_current->GetVisibilityData() == nullptr)
        ShowKind(m_current->GetVisibilityKind());
    else
        for (const Radio& radio : Radios)
            m_states.Enable(radio.id, false);
    m_states.Enable(UpdateButton, true);
    m_states.Enable(ClearButton, true);
}

bool FieldVisibilityEditor::IsFlagSet(int id) const
{
    switch (id)
    {
    case EditableRadio:
        return m_editable;
    case ReadOnlyRadio:
        return m_readOnly;
    case InvisibleRadio:
        return m_invisible;
    default:
        return false;
    }
}

void FieldVisibilityEditor::ToggleRadio(int id)
{
    bool* flags[] = {&m_editable, &m_readOnly, &m_invisible};
    bool* toggled = nullptr;
    for (size_t i = 0; i < std::size(Radios); ++i)
        if (Radios[i].id == id)
            toggled = flags[i];
    if (toggled == nullptr)
        return;
    *toggled = !*toggled;
    ShowKind(-1);
    if (!*toggled)
        return;
    for (size_t i = 0; i < std::size(Radios); ++i)
        *flags[i] = flags[i] == toggled;
    m_states.SetCheck(id, true);
}

void FieldVisibilityEditor::Update()
{
    if (m_current != nullptr && m_file != nullptr)
    {
        if (m_current->GetVisibilityData() == nullptr)
            for (const Radio& radio : Radios)
                if (IsFlagSet(radio.id))
                {
                    m_current->SetVisibilityKind(radio.kind);
                    break;
                }
        if (!m_file->HasFieldVisibility(m_current))
            m_file->AddFieldVisibility(m_current);
        m_currentIsNew = false;
    }
    m_current = nullptr;
    m_selectedRow = -1;
    ShowKind(-1);
    if (m_file != nullptr)
        FillList();
    EnableEditing(false);
}

void FieldVisibilityEditor::Clear()
{
    ShowKind(-1);
    m_selectedRow = -1;
    EnableEditing(false);
}

void FieldVisibilityEditor::LeaveTitle(const CString& title)
{
    m_states.SetText(TitleBox, title);
    if (m_file != nullptr)
        m_file->SetTitle(title);
}

void FieldVisibilityEditor::TakeTitle(const CString& shown)
{
    if (shown != m_states.GetText(TitleBox))
        LeaveTitle(shown);
}

int FieldVisibilityEditor::AskAboutTitle(const CString& shown) const
{
    if (m_file == nullptr || shown == m_states.GetText(TitleBox))
        return IDNO;
    return AskAboutEditedItem("page title", shown, /*isNew=*/false);
}

void FieldVisibilityEditor::Close()
{
    DropNewRecord();
}
