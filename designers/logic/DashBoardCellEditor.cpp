#include "designers/logic/DashBoardCellEditor.h"

#include "designers/logic/OutputColumns.h"

#include "designers/logic/DashBoardGrids.h"
#include "designers/logic/DashBoardHost.h"
#include "editors/logic/ListLookup.h"
#include "entities/AspFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/Function.h"
#include "entities/GridCell.h"
#include "entities/Menu.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/NamedQuestion.h"
#include "model/TypedText.h"
#include "model/TypedTexts.h"
#include "platform/core/MessageBox.h"

#include <algorithm>

namespace
{

const int kMenuControls[] = {DashBoardCellEditor::IDC_MENU_TREE,
                             DashBoardCellEditor::IDC_ASSIGN_MENU,
                             DashBoardCellEditor::IDC_REMOVE_MENU,
                             DashBoardCellEditor::IDC_FUNCTION_FIELDS,
                             DashBoardCellEditor::IDC_DASHBOARD_VARIABLES,
                             DashBoardCellEditor::IDC_TARGETS,
                             DashBoardCellEditor::IDC_SOURCES,
                             DashBoardCellEditor::IDC_DISPLAY_LIST,
                             DashBoardCellEditor::IDC_MAP,
                             DashBoardCellEditor::IDC_UNMAP,
                             DashBoardCellEditor::IDC_ADD_DISPLAY_FIELD,
                             DashBoardCellEditor::IDC_REMOVE_DISPLAY_FIELD};
const int kDisplayFieldControls[] = {DashBoardCellEditor::IDC_SOURCES,
                                     DashBoardCellEditor::IDC_DISPLAY_LIST,
                                     DashBoardCellEditor::IDC_REMOVE_DISPLAY_FIELD};

} // namespace

DashBoardCellEditor::DashBoardCellEditor(DashBoard& page, GridCell& cell, DashBoardHost& host)
    : m_page(page), m_cell(cell), m_host(host)
{
}

const std::vector<ListColumn>& DashBoardCellEditor::TargetColumns()
{
    static const std::vector<ListColumn> columns = {{"Variable", 32}, {"Assigned", 32}};
    return columns;
}

const std::vector<ListColumn>& DashBoardCellEditor::SourceColumns()
{
    static const std::vector<ListColumn> columns = {{"Source", 64}};
    return columns;
}

const std::vector<ListColumn>& DashBoardCellEditor::DisplayColumns()
{
    static const std::vector<ListColumn> columns = {{"Display Field", 32}, {"Caption", 32}};
    return columns;
}

const std::vector<ToolTip>& DashBoardCellEditor::ToolTips()
{
    static const std::vector<ToolTip> tips = WithToolTipStrings({
        {IDC_CAPTION, 65151, "Display name"},
        {IDC_MENU, 65152, "Type menu"},
        {IDC_STATIC_TEXT, 65153, "Type static"},
        {IDC_ASSIGN_MENU, 65154, "Assign Menu"},
        {IDC_REMOVE_MENU, 65155, "Remove Menu"},
        {IDOK, 65156, "OK"},
        {IDC_HELP_BUTTON, 65157, "Help"},
    });
    return tips;
}

CString DashBoardCellEditor::GetMenuTreeItem() const
{
    return m_panel != nullptr && m_panel->GetMenu() != nullptr ? m_panel->GetMenu()->GetName()
                                                               : CString();
}

void DashBoardCellEditor::Open()
{
    m_panel = m_cell.GetDashBoardCellInfo();
    m_made = m_panel == nullptr;
    if (m_made)
    {
        m_panel = new DashBoardCellInfo(true);
        m_cell.SetCellData(m_panel, GridCell::kDashBoardCellInfo);
    }
    m_states.SetText(IDC_CAPTION, m_panel->GetCaption());
    if (m_panel->IsStaticText())
    {
        CheckMode(IDC_STATIC_TEXT);
        ClearListsAndLabels();
        EnableMenuControls(false);
    }
    else if (m_panel->GetMenu() != nullptr)
    {
        CheckMode(IDC_MENU);
        EnableMenuControls(true);
        FillTargets();
    }
    else if (!m_panel->GetDisplayFields().empty())
        DisplayFieldMode();
    ShowMenuLabels();
}

void DashBoardCellEditor::CheckMode(int radio)
{
    for (int id : {IDC_STATIC_TEXT, IDC_MENU, IDC_DISPLAY_FIELDS})
        m_states.SetCheck(id, id == radio);
}

void DashBoardCellEditor::EnableMenuControls(bool enabled)
{
    m_menuControls = enabled;
    for (int id : kMenuControls)
        m_states.Enable(id, enabled);
    const bool linked = m_panel->GetMenu() != nullptr;
    m_states.Enable(IDC_ASSIGN_MENU, enabled && !linked);
    m_states.Enable(IDC_REMOVE_MENU, enabled && linked);
}

void DashBoardCellEditor::ClearListsAndLabels()
{
    m_targets.clear();
    m_targetRows.clear();
    m_outputFields.clear();
    m_variables.clear();
    m_sourceRows.clear();
    m_displayRows.clear();
    for (int id : {IDC_FILE_LABEL, IDC_MENU_LABEL, IDC_FUNCTION_LABEL})
        m_states.SetText(id, CString());
}

void DashBoardCellEditor::ShowMenuLabels()
{
    const Menu* menu = m_panel->GetMenu();
    m_states.SetText(IDC_MENU_LABEL, menu != nullptr ? menu->GetName() : "Menu not assigned.");
    m_states.SetText(IDC_FILE_LABEL, MenuFileName());
}

CString DashBoardCellEditor::MenuFileName() const
{
    const Menu* menu = m_panel->GetMenu();
    const AspFile* file = menu != nullptr ? menu->GetAspFile() : nullptr;
    return file != nullptr ? file->GetDefaultFileName() : "File not assigned.";
}

void DashBoardCellEditor::DeleteMapsAndDisplayFields()
{
    m_panel->ClearVariableMaps();
    for (int index = static_cast<int>(m_panel->GetDisplayFields().size()) - 1; index >= 0; --index)
        m_panel->RemoveDisplayFieldAt(index);
}

void DashBoardCellEditor::OfferMenuRemoval()
{
    if (m_panel->GetMenu() != nullptr &&
        AfxMessageBox(
            NamedQuestion("Do you want to remove the menu?", m_panel->GetMenu()->GetName()),
            MB_YESNO) == IDYES)
        m_panel->SetMenu(nullptr);
    DeleteMapsAndDisplayFields();
}

void DashBoardCellEditor::StaticTextMode()
{
    const bool hadMenu = m_panel->GetMenu() != nullptr;
    OfferMenuRemoval();
    if (!hadMenu || m_panel->GetMenu() == nullptr)
        m_panel->SetStaticText(TRUE);
    CheckMode(IDC_STATIC_TEXT);
    ClearListsAndLabels();
    EnableMenuControls(false);
}

void DashBoardCellEditor::MenuMode()
{
    m_panel->SetStaticText(FALSE);
    DeleteMapsAndDisplayFields();
    CheckMode(IDC_MENU);
    EnableMenuControls(true);
    ClearListsAndLabels();
}

void DashBoardCellEditor::DisplayFieldMode()
{
    m_panel->SetStaticText(FALSE);
    if (m_panel->GetMenu() != nullptr &&
        AfxMessageBox(
            NamedQuestion("Do you want to remove the menu?", m_panel->GetMenu()->GetName()),
            MB_YESNO) == IDYES)
    {
        m_panel->SetMenu(nullptr);
        DeleteMapsAndDisplayFields();
    }
    CheckMode(IDC_DISPLAY_FIELDS);
    EnableMenuControls(false);
    for (int id : kDisplayFieldControls)
        m_states.Enable(id, true);
    ShowFunctionFields();
}

void DashBoardCellEditor::AssignMenu()
{
    if (Menu* menu = m_host.SelectMenu(m_panel->GetMenu()))
        m_panel->SetMenu(menu);
    ShowMenuLabels();
    EnableMenuControls(m_menuControls);
    FillTargets();
}

void DashBoardCellEditor::RemoveMenu()
{
    if (m_panel->GetMenu() == nullptr ||
        AfxMessageBox(
            NamedQuestion("Do you want to remove the menu?", m_panel->GetMenu()->GetName()),
            MB_YESNO) != IDYES)
        return;
    m_panel->SetMenu(nullptr);
    DeleteMapsAndDisplayFields();
    ShowMenuLabels();
    EnableMenuControls(m_menuControls);
    FillTargets();
    FillDisplayFields();
}

void DashBoardCellEditor::ShowMenuFile()
{
    m_states.SetText(IDC_FILE_LABEL, MenuFileName());
}

void DashBoardCellEditor::FillTargets()
{
    m_targets.clear();
    m_targetRows.clear();
    const Menu* menu = m_panel->GetMenu();
    const AspFile* file = menu != nullptr ? menu->GetAspFile() : nullptr;
    if (file != nullptr && file->GetOwnerPage() != nullptr)
        file->GetOwnerPage()->GetVariables(m_targets, true);
    for (const Variable* target : m_targets)
    {
        CString source = "NOT ASSIGNED";
        if (const DashBoardVariableMap* map = m_panel->FindVariableMap(target))
        {
            if (map->sourceVariable != nullptr)
                source = map->sourceVariable->GetFieldName();
            else if (map->sourceField != nullptr)
                source = map->sourceField->GetFieldName();
        }
        m_targetRows.push_back({{target->GetFieldName(), source}});
    }
    // The selection stays; the last row takes it when its row is gone.
    if (m_selectedTarget >= static_cast<int>(m_targetRows.size()))
        m_selectedTarget = static_cast<int>(m_targetRows.size()) - 1;
}

void DashBoardCellEditor::ShowFunctionFields()
{
    m_functionFields = true;
    m_states.SetCheck(IDC_FUNCTION_FIELDS, true);
    m_states.SetCheck(IDC_DASHBOARD_VARIABLES, false);
    FillSources();
}

void DashBoardCellEditor::ShowDashBoardVariables()
{
    m_functionFields = false;
    m_states.SetCheck(IDC_FUNCTION_FIELDS, false);
    m_states.SetCheck(IDC_DASHBOARD_VARIABLES, true);
    FillSources();
}

void DashBoardCellEditor::FillSources()
{
    m_sourceRows.clear();
    m_outputFields.clear();
    m_variables.clear();
    m_selectedSource = -1;
    if (!m_functionFields)
    {
        m_states.SetText(IDC_FUNCTION_LABEL, CString());
        std::vector<Variable*> variables;
        m_page.GetVariables(variables, true);
        for (Variable* variable : variables)
        {
            if (variable->GetFieldName().IsEmpty())
                continue;
            m_variables.push_back(variable);
            m_sourceRows.push_back({{variable->GetFieldName()}});
        }
        return;
    }
    const ClassInvokation* invokation = m_page.GetClassInvokation();
    if (invokation == nullptr)
        return;
    const Function* function = invokation->GetFunction();
    if (function != nullptr)
    {
        const Class* dataClass = invokation->GetClass();
        m_states.SetText(IDC_FUNCTION_LABEL,
                         (dataClass != nullptr ? dataClass->GetFieldName() : CString()) + "." +
                             function->GetFieldName());
        m_outputFields = function->GetOutputFields();
        for (const ProcedureFieldInfo* info : m_outputFields)
            m_sourceRows.push_back({{OutputColumns::DisplayName(info)}});
    }
    FillDisplayFields();
}

void DashBoardCellEditor::FillDisplayFields()
{
    m_displayRows.clear();
    for (const FieldCaption& field : m_panel->GetDisplayFields())
    {
        const CString name =
            field.fieldInfo != nullptr ? OutputColumns::DisplayName(field.fieldInfo) : CString();
        m_displayRows.push_back({{name, field.caption}});
    }
}

ProcedureFieldInfo* DashBoardCellEditor::SelectedOutputField() const
{
    ProcedureFieldInfo* info =
        m_functionFields ? ItemAt(m_outputFields, m_selectedSource) : nullptr;
    return info != nullptr && info->GetField() != nullptr ? info : nullptr;
}

void DashBoardCellEditor::Map()
{
    Variable* target = ItemAt(m_targets, m_selectedTarget);
    const ProcedureFieldInfo* info = SelectedOutputField();
    Variable* variable = m_functionFields ? nullptr : ItemAt(m_variables, m_selectedSource);
    if (target == nullptr || (info == nullptr && variable == nullptr))
        return;
    auto* map =
        new DashBoardVariableMap{target, variable, info != nullptr ? info->GetField() : nullptr};
    m_panel->RemoveVariableMap(map->target);
    m_panel->AddVariableMap(map);
    FillTargets();
}

void DashBoardCellEditor::Unmap()
{
    const Variable* target = ItemAt(m_targets, m_selectedTarget);
    if (target == nullptr)
        return;
    m_panel->RemoveVariableMap(target);
    FillTargets();
}

void DashBoardCellEditor::AddDisplayField()
{
    ProcedureFieldInfo* info = SelectedOutputField();
    if (info == nullptr || m_panel->HasDisplayField(info))
        return;
    m_panel->AddDisplayField(info);
    FillDisplayFields();
}

void DashBoardCellEditor::RemoveDisplayField()
{
    if (!m_functionFields || !IsIndexIn(m_selectedDisplay, m_panel->GetDisplayFields().size()))
        return;
    m_panel->RemoveDisplayFieldAt(m_selectedDisplay);
    m_selectedDisplay = -1;
    m_states.SetText(IDC_DISPLAY_NAME, CString());
    FillDisplayFields();
}

void DashBoardCellEditor::SetDisplayName()
{
    const CString name = m_states.GetText(IDC_DISPLAY_NAME);
    if (name.IsEmpty())
    {
        AfxMessageBox("Please enter the display name for the selected field.");
        return;
    }
    if (const CString refusal = RefuseLineBreaks({{"display name", name}}); !refusal.IsEmpty())
    {
        AfxMessageBox(refusal);
        return;
    }
    if (!IsIndexIn(m_selectedDisplay, m_panel->GetDisplayFields().size()))
    {
        AfxMessageBox("Please select a field.");
        return;
    }
    m_panel->SetDisplayFieldCaption(m_selectedDisplay, name);
    m_states.SetText(IDC_DISPLAY_NAME, CString());
    FillDisplayFields();
}

void DashBoardCellEditor::PickDisplayField(int row)
{
    if (!TakeTypedDisplayName())
        return;
    const bool picked = IsIndexIn(row, m_panel->GetDisplayFields().size());
    m_selectedDisplay = picked ? row : -1;
    m_states.SetText(IDC_DISPLAY_NAME,
                     picked ? m_panel->GetDisplayFields()[static_cast<std::size_t>(row)].caption
                            : CString());
}

void DashBoardCellEditor::EmptyDisplayCaption()
{
    if (!IsIndexIn(m_selectedDisplay, m_panel->GetDisplayFields().size()))
        return;
    m_panel->SetDisplayFieldCaption(m_selectedDisplay, CString());
    m_states.SetText(IDC_DISPLAY_NAME, CString());
    FillDisplayFields();
}

bool DashBoardCellEditor::TakeTypedDisplayName()
{
    const CString name = m_states.GetText(IDC_DISPLAY_NAME);
    const bool selected = IsIndexIn(m_selectedDisplay, m_panel->GetDisplayFields().size());
    const CString caption =
        selected ? m_panel->GetDisplayFields()[static_cast<std::size_t>(m_selectedDisplay)].caption
                 : CString();
    if (name == caption)
        return true;
    if (!TakeOrDropTypedText("display name", name, !caption.IsEmpty(),
                             [this]
                             {
                                 SetDisplayName();
                                 return m_states.GetText(IDC_DISPLAY_NAME).IsEmpty();
                             }))
        return false;
    m_states.SetText(IDC_DISPLAY_NAME, CString());
    return true;
}

bool DashBoardCellEditor::Ok()
{
    if (!TakeTypedDisplayName())
        return false;
    m_panel->SetCaption(m_states.GetText(IDC_CAPTION));
    DropEmptyPanel();
    return true;
}

int DashBoardCellEditor::Cancel()
{
    if (!TakeTypedDisplayName())
        return 0;
    const CString caption = m_states.GetText(IDC_CAPTION);
    if (caption != m_panel->GetCaption())
    {
        const int answer = AskAboutTypedText("caption", caption, !m_panel->GetCaption().IsEmpty());
        if (answer == IDCANCEL)
            return 0;
        if (answer == IDYES)
        {
            Ok();
            return IDOK;
        }
    }
    DropEmptyPanel();
    return IDCANCEL;
}

void DashBoardCellEditor::DropEmptyPanel()
{
    if (m_made && m_panel->GetCaption().IsEmpty() && m_panel->GetMenu() == nullptr &&
        m_panel->GetDisplayFields().empty())
        m_cell.Clear();
}
