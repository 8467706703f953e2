#include "designers/logic/DashBoardDesigner.h"
#include "designers/logic/DesignerTexts.h"

#include "designers/logic/DashBoardHost.h"
#include "editors/logic/EditorHost.h"
#include "editors/logic/ListLookup.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/Function.h"
#include "entities/Grid.h"
#include "entities/GridCell.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/Module.h"
#include "model/NameUtilities.h"
#include "model/NamedQuestion.h"
#include "model/ProjectFolders.h"
#include "model/TextFile.h"
#include "platform/core/MessageBox.h"

#include <algorithm>

namespace
{

constexpr const char* kNameRuleMessage = "Special charater in dashboard name.Please check.";

const int kCellButtons[] = {
    DashBoardDesigner::IDC_ADD_DATA,   DashBoardDesigner::IDC_REMOVE_DATA,
    DashBoardDesigner::IDC_SET_PARENT, DashBoardDesigner::IDC_ADD_TABLE,
    DashBoardDesigner::IDC_INSERT_ROW, DashBoardDesigner::IDC_INSERT_COLUMN};
const int kTableButtons[] = {DashBoardDesigner::IDC_ADD_ROW, DashBoardDesigner::IDC_ADD_COLUMN,
                             DashBoardDesigner::IDC_REMOVE_EMPTY_ROWS,
                             DashBoardDesigner::IDC_REMOVE_EMPTY_COLUMNS};

} // namespace

DashBoardDesigner::DashBoardDesigner(ForgeonProject& project, EditorHost& host,
                                     DashBoardHost& dashBoardHost)
    : PaneEditor(m_states), m_project(project), m_host(host), m_dashBoardHost(dashBoardHost)
{
}

DashBoardDesigner::~DashBoardDesigner() = default;

const std::vector<PopupEntry>& DashBoardDesigner::CellMenu()
{
    static const std::vector<PopupEntry> entries = {{kAddMenu, "Add Menu"},
                                                    {kInsertTable, "Insert Table"},
                                                    {kEraseData, "Erase Column Data"},
                                                    {kInsertRowBefore, "Insert row before"},
                                                    {kInsertColumnBefore, "Insert column before"}};
    return entries;
}

const std::vector<PopupEntry>& DashBoardDesigner::TableMenu()
{
    static const std::vector<PopupEntry> entries = {{kRemoveEmptyRows, "Remove empty rows"},
                                                    {kRemoveEmptyColumns, "Remove empty columns"},
                                                    {kAppendRow, "Append row"},
                                                    {kAppendColumn, "Append column"}};
    return entries;
}

const std::vector<ToolTip>& DashBoardDesigner::ToolTips()
{
    static const std::vector<ToolTip> tips = WithToolTipStrings({
        {IDC_NAME, 65101, "Enter dashboard name"},
        {IDC_HEADER, 65102, "Enter dashboard header"},
        {IDC_TREE, 65103, "Tree"},
        {IDC_ADD, 65104, "Add dashboard"},
        {IDC_REMOVE, 65105, "Remove parent"},
        {IDC_ADD_DATA, 65106, "Add column data"},
        {IDC_REMOVE_DATA, 65107, "Remove data"},
        {IDC_SET_PARENT, 65108, "Set parent"},
        {IDC_INSERT_ROW, 65109, "Insert row"},
        {IDC_INSERT_COLUMN, 65110, "Insert column"},
        {IDC_ADD_TABLE, 65111, "Add table"},
        {IDC_ADD_ROW, 65112, "Add row"},
        {IDC_REMOVE_EMPTY_ROWS, 65113, "Remove empty rows"},
        {IDC_ADD_COLUMN, 65114, "Add column"},
        {IDC_REMOVE_EMPTY_COLUMNS, 65115, "Remove empty columns"},
        {IDC_OK, 65116, "Add dashboard"},
        {IDC_CANCEL, 65117, "Exit without adding dashboard"},
        {IDC_HELP_BUTTON, 65118, "Help on dashboard"},
    });
    return tips;
}

int DashBoardDesigner::GetSelectedRow() const
{
    for (int row = 1; row < static_cast<int>(m_treeRows.size()); ++row)
    {
        GridCell* cell = nullptr;
        Grid* table = nullptr;
        Resolve(row, cell, table);
        if ((m_selectedCell != nullptr && cell == m_selectedCell) ||
            (m_selectedTable != nullptr && table == m_selectedTable))
            return row;
    }
    return -1;
}

void DashBoardDesigner::LoadDashBoard(DashBoard* page)
{
    if (page != m_page.Get())
    {
        ClearPage();
        m_page.Show(page);
        if (page != nullptr)
            NumberGrids(*page);
    }
    if (m_page.Get() == nullptr)
        m_page.StartNew();
    m_states.SetText(IDC_NAME, m_page.Get()->GetFormName());
    m_states.SetText(IDC_HEADER, m_page.Get()->GetHeader());
    m_states.Enable(IDC_NAME, m_page.IsNew());
    m_states.Enable(IDC_ADD, m_page.Get()->GetGrid() == nullptr);
    m_states.Enable(IDC_REMOVE, m_page.Get()->GetGrid() != nullptr);
    RebuildTree();
    RefreshFunctionLabel();
    UpdateButtons();
    NoteLoaded();
}

CString DashBoardDesigner::ItemName() const
{
    return m_page.IsNew() ? m_states.GetText(IDC_NAME) : m_page.Get()->GetFormName();
}

std::vector<CString> DashBoardDesigner::NewItemContent() const
{
    std::vector<CString> content = {m_states.GetText(IDC_FUNCTION_LABEL)};
    for (const TreeRow& row : m_treeRows)
        content.push_back(row.label);
    return content;
}

void DashBoardDesigner::ForgetDashBoard(DashBoard* page)
{
    if (page == m_page.Get())
        m_page.Forget();
    ClearPage();
    LoadDashBoard(nullptr);
}

void DashBoardDesigner::ClearPage()
{
    m_page.Drop();
    if (m_previewShown)
        m_dashBoardHost.Navigate(CString());
    m_previewShown = false;
    m_states.SetText(IDC_NAME, CString());
    m_states.SetText(IDC_HEADER, CString());
    m_states.SetText(IDC_FUNCTION_LABEL, CString());
    SelectNothing();
    RebuildTree();
    m_states.Enable(IDC_ADD, true);
}

void DashBoardDesigner::Clear()
{
    ClearPage();
    LoadDashBoard(nullptr);
}

void DashBoardDesigner::Resolve(int row, GridCell*& cell, Grid*& table) const
{
    cell = nullptr;
    table = nullptr;
    if (m_page.Get() == nullptr || row <= 0 || row >= static_cast<int>(m_treeRows.size()))
        return;
    const TreeRow& item = m_treeRows[static_cast<std::size_t>(row)];
    if (item.label.Find("TD_") >= 0)
    {
        const TreeRow& parent = m_treeRows[static_cast<std::size_t>(item.parent)];
        if (Grid* grid = m_page.Get()->FindGridById(parent.data))
            cell = grid->FindCellById(item.data);
    }
    else
        table = m_page.Get()->FindGridById(item.data);
}

DashBoardDesigner::Popup DashBoardDesigner::ClickTree(int row)
{
    Resolve(row, m_selectedCell, m_selectedTable);
    UpdateButtons();
    if (m_selectedCell != nullptr)
        return Popup::Cell;
    return m_selectedTable != nullptr ? Popup::Table : Popup::None;
}

void DashBoardDesigner::SelectNothing()
{
    m_selectedCell = nullptr;
    m_selectedTable = nullptr;
    UpdateButtons();
}

void DashBoardDesigner::RebuildTree()
{
    if (m_page.Get() == nullptr)
        m_treeRows.clear();
    else
        m_treeRows = BuildGridTree(*m_page.Get());
    // A selection that went with its grid is dropped.
    if (GetSelectedRow() < 0)
    {
        m_selectedCell = nullptr;
        m_selectedTable = nullptr;
    }
    FillGridCombo();
    UpdateButtons();
}

void DashBoardDesigner::FillGridCombo()
{
    Grid* chosenGrid = ItemAt(m_grids, m_states.GetSelection(IDC_GRIDS));
    GridCell* chosenCell = ItemAt(m_cells, m_states.GetSelection(IDC_CELLS));
    m_grids.clear();
    if (m_page.Get() != nullptr)
        m_page.Get()->CollectGrids(m_grids);
    m_states.SetItems(IDC_GRIDS, GridComboItems(m_grids));
    m_cells.clear();
    m_states.SetItems(IDC_CELLS, {});
    // The grid and cell chosen before stay chosen while they are still there.
    const int grid = chosenGrid != nullptr ? PositionOf(m_grids, chosenGrid) : -1;
    if (grid < 0)
        return;
    ChooseGrid(grid);
    if (chosenCell != nullptr)
        m_states.Select(IDC_CELLS, PositionOf(m_cells, chosenCell));
}

void DashBoardDesigner::ChooseGrid(int index)
{
    m_states.Select(IDC_GRIDS, index);
    m_states.SetItems(IDC_CELLS, CellComboItems(ItemAt(m_grids, index), m_cells));
}

void DashBoardDesigner::UpdateButtons()
{
    m_states.SetText(IDC_SELECTED_COLUMN, CString());
    m_states.SetText(IDC_SELECTED_TABLE, CString());
    const bool cell = m_selectedCell != nullptr;
    const bool table = !cell && m_selectedTable != nullptr;
    for (int id : kCellButtons)
        m_states.Enable(id, cell);
    for (int id : kTableButtons)
        m_states.Enable(id, table);
    if (cell)
    {
        m_states.Enable(IDC_SET_PARENT, m_selectedCell->GetSubGrid() != nullptr);
        m_states.Enable(IDC_ADD_TABLE, m_selectedCell->GetCellData() == nullptr);
        if (const DashBoardCellInfo* panel = m_selectedCell->GetDashBoardCellInfo())
            m_states.SetText(IDC_SELECTED_COLUMN, panel->GetCaption());
    }
    if (table)
        m_states.SetText(IDC_SELECTED_TABLE, GridLabel(*m_selectedTable));
}

void DashBoardDesigner::CellCommand(UINT command)
{
    if (m_selectedCell == nullptr)
        return;
    switch (command)
    {
    case kAddMenu:
        AddMenu();
        return;
    case kInsertTable:
        InsertTable();
        return;
    case kEraseData:
        EraseData();
        return;
    case kInsertRowBefore:
        m_selectedCell->GetOwner()->InsertRowAt(m_selectedCell->GetRow());
        break;
    case kInsertColumnBefore:
        m_selectedCell->GetOwner()->InsertColumnAt(m_selectedCell->GetColumn());
        break;
    default:
        return;
    }
    RebuildTree();
}

void DashBoardDesigner::AddMenu()
{
    if (m_selectedCell->GetSubGrid() != nullptr)
    {
        AfxMessageBox("Can not add menu as child grid is assigned");
        return;
    }
    m_dashBoardHost.EditCellContent(*m_page.Get(), *m_selectedCell);
    RebuildTree();
}

void DashBoardDesigner::InsertTable()
{
    if (m_selectedCell->GetCellData() != nullptr)
    {
        AfxMessageBox("Can not add Grid as Grid cell data is present");
        return;
    }
    if (m_selectedCell->GetSubGrid() != nullptr &&
        !AskYesNo("Do you want to replace existing grid?"))
        return;
    int rows = 0;
    int columns = 0;
    if (!m_dashBoardHost.AskGridSize(rows, columns))
        return;
    m_selectedCell->DeleteSubGrid();
    m_selectedCell->SetSubGrid(NumberedGrid(*m_page.Get(), new Grid(rows, columns)));
    RebuildTree();
}

void DashBoardDesigner::EraseData()
{
    if (m_selectedCell->GetSubGrid() == nullptr &&
        m_selectedCell->GetDashBoardCellInfo() == nullptr)
        return;
    if (!AskYesNo(NamedQuestion("Do you really want to erase the data?",
                                m_treeRows[static_cast<std::size_t>(GetSelectedRow())].label)))
        return;
    m_selectedCell->Clear();
    RebuildTree();
}

void DashBoardDesigner::TableCommand(UINT command)
{
    if (m_selectedTable == nullptr)
        return;
    switch (command)
    {
    case kRemoveEmptyRows:
        if (!AskYesNo("Do you want to remove empty rows?"))
            return;
        m_selectedTable->RemoveEmptyRows();
        break;
    case kRemoveEmptyColumns:
        if (!AskYesNo("Do you want to remove empty columns?"))
            return;
        m_selectedTable->RemoveEmptyColumns();
        break;
    case kAppendRow:
        m_selectedTable->AddRow();
        break;
    case kAppendColumn:
        m_selectedTable->AddColumn();
        break;
    default:
        return;
    }
    m_selectedTable->Renumber();
    RebuildTree();
}

void DashBoardDesigner::AddParentGrid()
{
    if (m_page.Get() == nullptr || m_page.Get()->GetGrid() != nullptr)
        return;
    int rows = 0;
    int columns = 0;
    if (!m_dashBoardHost.AskGridSize(rows, columns))
        return;
    m_page.Get()->SetGrid(NumberedGrid(*m_page.Get(), new Grid(rows, columns)));
    m_states.Enable(IDC_ADD, false);
    m_states.Enable(IDC_REMOVE, true);
    RebuildTree();
}

void DashBoardDesigner::RemoveParentGrid()
{
    if (m_page.Get() == nullptr || m_page.Get()->GetGrid() == nullptr)
        return;
    if (!AskYesNo("Do you want to remove parent grid?"))
        return;
    SelectNothing();
    m_page.Get()->DeleteGrid();
    m_states.Enable(IDC_ADD, true);
    m_states.Enable(IDC_REMOVE, false);
    RebuildTree();
}

void DashBoardDesigner::SetParent()
{
    if (m_selectedCell == nullptr)
        return;
    m_dashBoardHost.MoveGrid(*m_page.Get(), *m_selectedCell);
    RebuildTree();
}

void DashBoardDesigner::MoveSelectedGrid(int row)
{
    GridCell* cell = nullptr;
    Grid* table = nullptr;
    Resolve(row, cell, table);
    m_selectedCell = cell;
    m_selectedTable = nullptr;
    GridCell* target = ItemAt(m_cells, m_states.GetSelection(IDC_CELLS));
    if (cell == nullptr || cell->GetSubGrid() == nullptr || target == nullptr)
    {
        AfxMessageBox("Please select appropriate shifting grid and grid cell location.");
        RebuildTree();
        return;
    }
    if (!CanMoveSubGrid(*cell, *target))
        return;
    if (target->IsEmpty() ||
        m_host.ConfirmWarning("This cell already contains some data. Do you want to replace it?"))
        MoveSubGrid(*cell, *target);
    RebuildTree();
}

void DashBoardDesigner::EditVariables()
{
    if (m_page.Get() != nullptr)
        m_host.EditVariables(m_page.Get()->EditFieldVariableMaps(), m_page.Get());
}

void DashBoardDesigner::AssignFunction()
{
    if (m_page.Get() == nullptr)
        return;
    auto* invokation = new ClassInvokation;
    if (m_dashBoardHost.AssignFunction(*m_page.Get(), *invokation))
    {
        delete m_page.Get()->GetClassInvokation();
        m_page.Get()->SetClassInvokation(invokation);
    }
    else
        delete invokation;
    RefreshFunctionLabel();
}

void DashBoardDesigner::RefreshFunctionLabel()
{
    ClassInvokation* invokation =
        m_page.Get() != nullptr ? m_page.Get()->GetClassInvokation() : nullptr;
    if (invokation == nullptr)
    {
        m_states.SetText(IDC_FUNCTION_LABEL, CString());
        return;
    }
    if (invokation->GetFunction() == nullptr)
    {
        delete invokation;
        m_page.Get()->SetClassInvokation(nullptr);
        return;
    }
    const CString className =
        invokation->GetClass() != nullptr ? invokation->GetClass()->GetFieldName() : CString();
    m_states.SetText(IDC_FUNCTION_LABEL,
                     className + "." + invokation->GetFunction()->GetFieldName());
}

void DashBoardDesigner::RemoveFunction()
{
    ClassInvokation* invokation =
        m_page.Get() != nullptr ? m_page.Get()->GetClassInvokation() : nullptr;
    if (invokation == nullptr)
        return;
    if (m_page.Get()->IsClassFunctionFieldUsed())
        AfxMessageBox("Can not delete Function as Function field is assigned to one of the cells");
    else if (m_host.ConfirmWarning(NamedQuestion("Do you want to remove assigned function ?",
                                                 invokation->GetFunction() != nullptr
                                                     ? invokation->GetFunction()->GetFieldName()
                                                     : CString())))
        m_page.Get()->RemoveFunctionReferences(invokation->GetFunction());
    RefreshFunctionLabel();
}

bool DashBoardDesigner::CheckName(const CString& name)
{
    if (!HasSpecialCharacters(name))
        return true;
    AfxMessageBox(kNameRuleMessage);
    return false;
}

void DashBoardDesigner::Refresh()
{
    if (m_page.Get() == nullptr || m_page.Get()->GetGrid() == nullptr)
        return;
    const CString name = m_states.GetText(IDC_NAME);
    if (name.IsEmpty())
    {
        AfxMessageBox("Please enter the dashboard name.");
        return;
    }
    // The name makes the preview's file name: it may not lead out of the project folder.
    if (!CheckName(name))
        return;
    m_page.Get()->SetName(name);
    const bool settings = m_project.GetProjectSettings() != nullptr;
    const CString folder = settings ? m_project.GetProjectPath() : CString();
    const CString pageTemplate = settings ? m_project.GetTemplatePath() : CString();
    if (folder.IsEmpty() || pageTemplate.IsEmpty())
    {
        AfxMessageBox("Project Path not set for this project.\nPlease fill project properties "
                      "before writing SQL.");
        return;
    }
    m_page.Get()->CreateAspFile(m_project.GetOutputKind());
    // The preview lies with the project's own files, written as every generated file is.
    const CString path = GetProjectFolder(m_project) + name + "_preview.html";
    GenerationReport report;
    report.SetOutputRoot(GetProjectFolder(m_project));
    TextFile file(/*disabled=*/false, /*flush=*/false, '=', 60);
    if (report.OpenFile(file, path))
    {
        WriteGridPreview(file, *m_page.Get());
        file.Close();
        report.RecordFile(path, file);
    }
    if (const CString said = report.ClosingText(""); !said.IsEmpty())
        AfxMessageBox(said);
    if (!report.IsEmpty())
        return;
    m_dashBoardHost.Navigate(path);
    m_previewShown = true;
}

void DashBoardDesigner::Ok()
{
    const CString name = m_states.GetText(IDC_NAME);
    const CString header = m_states.GetText(IDC_HEADER);
    if (m_page.Get() == nullptr || name.IsEmpty() || header.IsEmpty())
    {
        AfxMessageBox("Please enter dashboard name and header.");
        return;
    }
    if (!CheckName(name))
    {
        if (!m_page.IsNew())
            m_states.SetText(IDC_NAME, m_page.Get()->GetFormName());
        return;
    }
    m_page.Get()->SetName(name);
    m_page.Get()->SetHeader(header);
    if (m_page.IsNew())
    {
        Module* module = m_project.GetCurrentModule();
        if (module == nullptr)
            return;
        module->AddDashBoard(m_page.Get(), true);
        m_page.Stored();
        m_dashBoardHost.AddDashBoardItem(*module, *m_page.Get());
    }
    Clear();
}

void DashBoardDesigner::Cancel()
{
    // What Cancel leaves is not asked about.
    NoteLoaded();
    m_host.ShowStartPage();
}
