#include "editors/logic/VariableEditor.h"

#include "entities/FormInterface.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/ForgeonProject.h"
#include "model/NameUtilities.h"
#include "model/NamedQuestion.h"
#include "model/SitePageNames.h"
#include "model/TypedText.h"
#include "model/TypedTexts.h"
#include "platform/core/MessageBox.h"

#include <algorithm>

VariableEditor::VariableEditor(ForgeonProject& project, std::vector<FieldVariableMap*>& maps,
                               FormInterface* page)
    : m_project(project), m_maps(maps), m_page(page)
{
}

const std::vector<ListColumn>& VariableEditor::Columns()
{
    static const std::vector<ListColumn> columns = {
        {"", 0}, {"Variable Name", 40}, {"Default Value", 25}};
    return columns;
}

ListRow VariableEditor::RowOf(const FieldVariableMap& map)
{
    ListRow row;
    row.cells = {"", map.variable->GetFieldName(), map.variable->GetValue()};
    return row;
}

void VariableEditor::Open()
{
    m_rows.clear();
    m_rowMaps.clear();
    const std::vector<FieldVariableMap*> maps = m_maps;
    for (FieldVariableMap* map : maps)
    {
        if (map->variable == nullptr)
            continue;
        if (map->variable->GetFieldName().Find(Field::deletedFlagName) < 0)
        {
            m_rows.push_back(RowOf(*map));
            m_rowMaps.push_back(map);
        }
        else if (!IsReferenced(map, /*report=*/false))
            Release(map);
    }
    Clear();
    SetScope(/*local=*/false, /*input=*/true);
}

bool VariableEditor::IsUpdateMode() const
{
    return m_states.GetText(IDC_ADD) == "Update";
}

void VariableEditor::SetScope(bool local, bool input)
{
    m_states.SetCheck(IDC_LOCAL, local);
    m_states.SetCheck(IDC_INPUT, input);
}

void VariableEditor::ResetButtons()
{
    m_states.SetText(IDC_ADD, "Add");
    m_states.Enable(IDC_DELETE, false);
    m_selectedRow = -1;
}

void VariableEditor::AddOrUpdate()
{
    const CString name = m_states.GetText(IDC_NAME);
    if (name.IsEmpty())
    {
        AfxMessageBox("Please enter valid variable name.");
        return;
    }
    if (const CString refusal = NameRefusal(name, RefuseVariableName(name)); !refusal.IsEmpty())
    {
        AfxMessageBox(refusal);
        return;
    }
    const CString value = m_states.GetText(IDC_DEFAULT_VALUE);
    if (const CString refusal = RefuseLineBreaks({{"default value", value}}); !refusal.IsEmpty())
    {
        AfxMessageBox(refusal);
        return;
    }
    if (IsUpdateMode() && m_selectedRow >= 0)
    {
        FieldVariableMap* map = m_rowMaps[m_selectedRow];
        map->variable->SetName(name);
        map->variable->SetValue(value);
        map->variable->SetKind(Variable::pageKind);
        m_rows[m_selectedRow] = RowOf(*map);
    }
    else if (!IsUpdateMode())
    {
        auto* variable = new Variable();
        variable->SetName(name);
        variable->SetValue(value);
        variable->SetKind(Variable::pageKind);
        auto* map = new FieldVariableMap{nullptr, variable};
        m_maps.push_back(map);
        m_rows.push_back(RowOf(*map));
        m_rowMaps.push_back(map);
    }
    ResetButtons();
    SetScope(/*local=*/false, /*input=*/true);
    // Taken: a second Enter has nothing to add again.
    m_states.SetText(IDC_NAME, "");
    m_states.SetText(IDC_DEFAULT_VALUE, "");
}

bool VariableEditor::IsReferenced(FieldVariableMap* map, bool report)
{
    return m_project.IsPageVariableInUse(m_page, map, report);
}

void VariableEditor::Release(FieldVariableMap* map)
{
    m_project.ReleasePageVariable(m_page, m_maps, map);
}

void VariableEditor::Delete()
{
    if (m_selectedRow < 0 || m_rows.empty() ||
        AfxMessageBox(
            NamedQuestion("Do you want to delete variable?", m_rows[m_selectedRow].cells[1]),
            MB_OKCANCEL) != IDOK)
        return;
    if (m_project.DeletePageVariable(m_page, m_maps, m_rowMaps[m_selectedRow]))
    {
        m_rows.erase(m_rows.begin() + m_selectedRow);
        m_rowMaps.erase(m_rowMaps.begin() + m_selectedRow);
    }
    else
        AfxMessageBox("Variable not free for deletion");
    Clear();
}

void VariableEditor::Clear()
{
    ResetButtons();
    SetScope(/*local=*/false, /*input=*/false);
    m_states.SetText(IDC_NAME, "");
    m_states.SetText(IDC_DEFAULT_VALUE, "");
}

void VariableEditor::ClickRow(int row)
{
    if (row < 0 || row >= static_cast<int>(m_rows.size()))
    {
        ResetButtons();
        m_states.SetCheck(IDC_INPUT, true);
        return;
    }
    // The boxes show the row already, with what was typed since; another row is loaded once
    // what was typed is taken or dropped.
    if (row == m_selectedRow || !TakeTypedVariable())
        return;
    m_selectedRow = row;
    const Variable* variable = m_rowMaps[row]->variable;
    m_states.SetText(IDC_NAME, variable->GetFieldName());
    m_states.SetText(IDC_DEFAULT_VALUE, variable->GetValue());
    if (variable->GetKind() == Variable::parameterKind)
        m_states.SetCheck(IDC_LOCAL, true);
    else if (variable->GetKind() == Variable::pageKind)
        m_states.SetCheck(IDC_INPUT, true);
    m_states.SetText(IDC_ADD, "Update");
    m_states.Enable(IDC_DELETE, true);
}

bool VariableEditor::Close()
{
    return TakeTypedVariable();
}

bool VariableEditor::TakeTypedVariable()
{
    const CString name = m_states.GetText(IDC_NAME);
    const CString value = m_states.GetText(IDC_DEFAULT_VALUE);
    const bool update = IsUpdateMode() && m_selectedRow >= 0;
    // A row that shows the name and value already holds what was typed.
    const auto shows = [&name, &value](const ListRow& row)
    { return row.cells[1] == name && row.cells[2] == value; };
    if (update ? shows(m_rows[m_selectedRow]) : std::ranges::any_of(m_rows, shows))
        return true;
    return TakeOrDropTypedText("variable", name, update,
                               [this, update]
                               {
                                   const std::size_t count = m_rows.size();
                                   AddOrUpdate();
                                   return update || m_rows.size() > count;
                               });
}
