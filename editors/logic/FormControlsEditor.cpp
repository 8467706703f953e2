#include "editors/logic/FormControlsEditor.h"

#include "editors/logic/EditorHost.h"
#include "entities/FormInterface.h"
#include "entities/Transaction.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/Module.h"
#include "model/NameUtilities.h"
#include "model/NamedQuestion.h"
#include "model/TypedText.h"
#include "platform/core/MessageBox.h"

#include <algorithm>

namespace
{
ListRow NumberedNameRow(const CString& name, int data)
{
    ListRow row;
    row.cells = {"", name};
    row.data = data;
    return row;
}

bool IsLeftOut(const FieldRep* rep)
{
    return rep->GetFieldRepData() != nullptr && rep->GetFieldRepData()->IsAddedBySync();
}
} // namespace

FormControlsEditor::FormControlsEditor(std::vector<Field*> fields, FormInterface& page,
                                       Module* module, EditorHost& host)
    : m_fields(std::move(fields)), m_page(page), m_module(module), m_host(host)
{
}

std::vector<ListColumn> FormControlsEditor::GetFieldColumns()
{
    return {{"", 0}, {"Field Name", 70}};
}

std::vector<ListColumn> FormControlsEditor::GetControlColumns()
{
    return {{"", 0}, {"Form Control Name", 70}};
}

const std::vector<ToolTip>& FormControlsEditor::GetToolTips()
{
    static const std::vector<ToolTip> tips = WithToolTipStrings({
        {HeaderBox, 61499, "Form header"},
        {FieldList, 61500, "Fields in table"},
        {CreateButton, 61501, "Add a field to form"},
        {RemoveButton, 61502, "Remove a field from form"},
        {ControlList, 61503, "Fields on the form"},
        {UpButton, 61504, "Move the field up"},
        {DownButton, 61505, "Move the field down"},
        {IDOK, 61506, "OK"},
        {HelpButton, 61507, "Help for field represenation"},
    });
    return tips;
}

void FormControlsEditor::Load()
{
    m_fieldRows.clear();
    for (const Field* field : m_fields)
        m_fieldRows.push_back(
            NumberedNameRow(field->GetFieldName(), static_cast<int>(m_fieldRows.size())));
    FillControls();
    auto* transaction = dynamic_cast<Transaction*>(&m_page);
    m_headerShown = transaction != nullptr;
    if (transaction != nullptr && !m_fields.empty() && m_fields[0]->GetTable() != nullptr)
    {
        CString title = transaction->GetTableTitle(m_fields[0]->GetTable());
        title.Replace('_', ' ');
        title.MakeUpper();
        m_states.SetText(HeaderBox, title);
    }
}

void FormControlsEditor::FillControls()
{
    m_controls.clear();
    m_controlRows.clear();
    for (FieldRep* rep : m_page.GetFieldReps())
        if (rep != nullptr && !IsLeftOut(rep) &&
            std::ranges::find(m_fields, rep->GetField()) != m_fields.end())
        {
            m_controlRows.push_back(NumberedNameRow(rep->GetField()->GetFieldName(),
                                                    static_cast<int>(m_controls.size())));
            m_controls.push_back(rep);
        }
    if (m_selectedControl >= static_cast<int>(m_controls.size()))
        m_selectedControl = -1;
}

FieldRep* FormControlsEditor::GetSelectedFieldRep() const
{
    return m_selectedControl >= 0 && m_selectedControl < static_cast<int>(m_controls.size())
               ? m_controls[static_cast<size_t>(m_selectedControl)]
               : nullptr;
}

void FormControlsEditor::CreateControl()
{
    if (m_selectedField < 0 || m_selectedField >= static_cast<int>(m_fields.size()))
        return;
    Field* field = m_fields[static_cast<size_t>(m_selectedField)];
    FieldRep* existing = m_page.GetFieldRepForField(field);
    const bool allowed =
        !m_page.IsMasterLinkField(field) &&
        (existing == nullptr || (IsLeftOut(existing) && !field->IsKeyOrDeletedFlag()));
    if (!allowed)
    {
        AfxMessageBox("Can not create form control for this field.");
        return;
    }
    if (existing == nullptr)
    {
        auto* rep = new FieldRep(field);
        rep->SetFieldRepData(new FieldRepData);
        m_page.AddVariableForField(field);
        if (const FieldVariableMap* map = m_page.FindFieldVariableMapByField(field))
            rep->GetFieldRepData()->SetVariable(map->variable);
        m_page.AddFieldRep(rep);
    }
    FillControls();
}

void FormControlsEditor::RemoveControl()
{
    FieldRep* rep = GetSelectedFieldRep();
    if (rep == nullptr ||
        !m_host.ConfirmWarning(NamedQuestion("Do you really want to remove the Form Control?",
                                             rep->GetField()->GetFieldName())))
        return;
    if (m_module != nullptr && !m_module->CanRemoveFieldRep(rep, &m_page))
        return;
    m_page.DeleteFieldRep(rep);
    m_selectedControl = -1;
    FillControls();
}

void FormControlsEditor::Move(int step)
{
    FieldRep* rep = GetSelectedFieldRep();
    const int other = m_selectedControl + step;
    if (rep == nullptr || other < 0 || other >= static_cast<int>(m_controls.size()))
        return;
    m_page.SwapFieldReps(rep, m_controls[static_cast<size_t>(other)]);
    m_selectedControl = other;
    FillControls();
}

void FormControlsEditor::TakeHeader(const CString& shown)
{
    if (m_headerShown && shown != m_states.GetText(HeaderBox))
        LeaveHeader(shown);
}

int FormControlsEditor::AskAboutHeader(const CString& shown) const
{
    if (!m_headerShown || shown == m_states.GetText(HeaderBox))
        return IDNO;
    return AskAboutEditedItem("form header", shown, /*isNew=*/false);
}

void FormControlsEditor::LeaveHeader(const CString& header)
{
    m_states.SetText(HeaderBox, header);
    if (HasSpecialCharacters(header))
        AfxMessageBox(" Special character in form name. Please check.");
}
