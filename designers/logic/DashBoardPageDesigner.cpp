#include "designers/logic/DashBoardPageDesigner.h"

#include "designers/logic/DashBoardGrids.h"
#include "designers/logic/DashBoardHost.h"
#include "editors/logic/EditorHost.h"
#include "editors/logic/FormEditor.h"
#include "editors/logic/ListLookup.h"
#include "editors/logic/ProcedureAssigner.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/DashBoardPage.h"
#include "entities/DashBoardPageData.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/NamedQuestion.h"
#include "model/SitePageNames.h"
#include "platform/core/MessageBox.h"

#include <algorithm>
#include <utility>

namespace
{
CString NameOf(const Variable* variable)
{
    return variable != nullptr ? variable->GetFieldName() : CString();
}
} // namespace

DashBoardPageDesigner::DashBoardPageDesigner(ForgeonProject& project, EditorHost& host,
                                             DashBoardHost& dashBoardHost)
    : PaneEditor(m_states), m_project(project), m_host(host), m_dashBoardHost(dashBoardHost)
{
}

DashBoardPageDesigner::~DashBoardPageDesigner() = default;

const std::vector<ListColumn>& DashBoardPageDesigner::PlacementColumns()
{
    static const std::vector<ListColumn> columns = {{"Dashboard", 64}};
    return columns;
}

const std::vector<ListColumn>& DashBoardPageDesigner::PairColumns()
{
    static const std::vector<ListColumn> columns = {{"Dashboard Variable", 32},
                                                    {"Page Variable", 32}};
    return columns;
}

const std::vector<ListColumn>& DashBoardPageDesigner::MapVariableColumns()
{
    static const std::vector<ListColumn> columns = {{"Dashboard Variable", 32},
                                                    {"Procedure Field", 32}};
    return columns;
}

const std::vector<ListColumn>& DashBoardPageDesigner::MapFieldColumns()
{
    static const std::vector<ListColumn> columns = {{"Procedure Field", 64}};
    return columns;
}

const std::vector<ToolTip>& DashBoardPageDesigner::ToolTips()
{
    static const std::vector<ToolTip> tips = WithToolTipStrings({
        {IDC_ADD, 65161, "Add dashboard"},
        {IDC_UP, 65162, "Move UP"},
        {IDC_DOWN, 65163, "Move DOWN"},
        {IDC_OK, 65164, "Add dashboard page"},
        {IDC_CANCEL, 65165, "Exit without adding dashboard page"},
        {IDC_HELP_BUTTON, 65166, "Help on dashboard page"},
        {IDC_NAME, 65167, "Dashboard name"},
        {IDC_HEADER, 65168, "Enter header"},
        {IDC_DASHBOARDS, 65169, "Select dashboard"},
        {IDC_PLACEMENTS, 65170, "List of dashboards"},
    });
    return tips;
}

void DashBoardPageDesigner::LoadDashBoardPage(DashBoardPage* page)
{
    // Loading the page shown again keeps it, new or not.
    if (page == nullptr || page != m_page.Get())
        m_page.Show(page);
    ResetControls();
    if (m_page.Get() == nullptr)
        m_page.StartNew();
    FillDashBoards();
    m_states.SetText(IDC_NAME, m_page.Get()->GetFormName());
    m_states.SetText(IDC_HEADER, m_page.Get()->GetHeader());
    m_states.Enable(IDC_NAME, m_page.IsNew() || IsPageNameToRename(*m_page.Get()));
    FillPageVariables();
    FillPlacements();
    ShowOnce();
    NoteLoaded();
}

CString DashBoardPageDesigner::ItemName() const
{
    return m_page.IsNew() ? m_states.GetText(IDC_NAME) : m_page.Get()->GetFormName();
}

std::vector<CString> DashBoardPageDesigner::NewItemContent() const
{
    std::vector<CString> content;
    AddRows(content, m_placementRows);
    return content;
}

void DashBoardPageDesigner::ReloadPage()
{
    FillDashBoards();
}

void DashBoardPageDesigner::ForgetDashBoardPage(DashBoardPage* page)
{
    if (page == m_page.Get())
        m_page.Forget();
    m_host.ShowStartPage();
}

void DashBoardPageDesigner::ClearPage()
{
    m_page.Drop();
    ResetControls();
}

void DashBoardPageDesigner::ResetControls()
{
    m_states.SetText(IDC_NAME, CString());
    m_states.SetText(IDC_HEADER, CString());
    m_selectedPlacement = -1;
    m_pageVariables.clear();
    m_states.SetItems(IDC_PAGE_VARIABLES, {});
    FillPlacements();
}

void DashBoardPageDesigner::FillDashBoards()
{
    m_dashBoards.clear();
    std::vector<CString> names;
    if (const Module* module = m_project.GetCurrentModule())
        m_dashBoards = module->GetDashBoards();
    for (const DashBoard* dashBoard : m_dashBoards)
        names.push_back(dashBoard->GetFormName());
    m_states.SetItems(IDC_DASHBOARDS, std::move(names));
}

void DashBoardPageDesigner::FillPageVariables()
{
    m_pageVariables.clear();
    std::vector<CString> names;
    if (m_page.Get() != nullptr)
        m_page.Get()->GetVariables(m_pageVariables, true);
    for (const Variable* variable : m_pageVariables)
        names.push_back(variable->GetFieldName());
    m_states.SetItems(IDC_PAGE_VARIABLES, std::move(names));
}

void DashBoardPageDesigner::FillPlacements()
{
    m_placementRows.clear();
    for (int index = 0; m_page.Get() != nullptr && m_page.Get()->GetDashBoardAt(index) != nullptr;
         ++index)
        m_placementRows.push_back({{m_page.Get()->GetDashBoardAt(index)->GetFormName()}});
    if (!IsIndexIn(m_selectedPlacement, m_placementRows.size()))
        m_selectedPlacement = -1;
    FillPlacementDetails();
}

DashBoard* DashBoardPageDesigner::SelectedDashBoard() const
{
    return m_page.Get() != nullptr ? m_page.Get()->GetDashBoardAt(m_selectedPlacement) : nullptr;
}

void DashBoardPageDesigner::FillPlacementDetails()
{
    m_pairVariables.clear();
    m_pairRows.clear();
    m_mapVariables.clear();
    m_mapVariableRows.clear();
    m_mapFields.clear();
    m_mapFieldRows.clear();
    DashBoard* dashBoard = SelectedDashBoard();
    if (dashBoard == nullptr)
    {
        m_states.SetText(IDC_PROCEDURE_LABEL, CString());
        return;
    }
    dashBoard->GetVariables(m_pairVariables, false);
    for (const Variable* variable : m_pairVariables)
    {
        const VariablePair* pair = m_page.Get()->FindDashBoardVariablePair(dashBoard, variable);
        m_pairRows.push_back(
            {{variable->GetFieldName(), NameOf(pair != nullptr ? pair->second : nullptr)}});
    }
    const Procedure* procedure = m_page.Get()->GetDashBoardProcedure(dashBoard);
    m_states.SetText(IDC_PROCEDURE_LABEL, procedure != nullptr
                                              ? "AssignedProcedure : " + procedure->GetName()
                                              : CString("Procedure not assigned."));
    dashBoard->GetVariables(m_mapVariables, true);
    for (const Variable* variable : m_mapVariables)
    {
        const DashBoardVariableMap* map =
            m_page.Get()->FindDashBoardVariableMap(dashBoard, variable);
        const Field* field = map != nullptr ? map->sourceField : nullptr;
        m_mapVariableRows.push_back(
            {{variable->GetFieldName(), field != nullptr ? field->GetFieldName() : CString()}});
    }
    if (procedure != nullptr)
        m_mapFields = procedure->GetOutputColumns();
    for (const ProcedureFieldInfo* info : m_mapFields)
    {
        CString name;
        info->GetDisplayName(name);
        m_mapFieldRows.push_back({{name}});
    }
}

void DashBoardPageDesigner::ShowMode()
{
    m_states.SetCheck(IDC_SHOW_ONCE, m_showOnce);
    m_states.SetCheck(IDC_USING_PROCEDURE, !m_showOnce);
}

void DashBoardPageDesigner::AddDashBoard()
{
    DashBoard* dashBoard = ItemAt(m_dashBoards, m_states.GetSelection(IDC_DASHBOARDS));
    if (m_page.Get() == nullptr || dashBoard == nullptr)
        return;
    if (!m_page.Get()->ContainsDashBoard(dashBoard))
        m_page.Get()->AddPlacement(new DashBoardPageData(dashBoard));
    m_states.Select(IDC_DASHBOARDS, -1);
    FillPlacements();
}

void DashBoardPageDesigner::MoveUp()
{
    if (m_page.Get() == nullptr || m_selectedPlacement <= 0)
        return;
    m_page.Get()->MoveDashBoardUp(m_selectedPlacement);
    --m_selectedPlacement;
    FillPlacements();
}

void DashBoardPageDesigner::MoveDown()
{
    if (m_page.Get() == nullptr || !IsIndexIn(m_selectedPlacement + 1, m_placementRows.size()))
        return;
    m_page.Get()->MoveDashBoardDown(m_selectedPlacement);
    ++m_selectedPlacement;
    FillPlacements();
}

void DashBoardPageDesigner::RemovePlacement()
{
    DashBoard* dashBoard = SelectedDashBoard();
    if (dashBoard != nullptr &&
        m_host.ConfirmWarning(
            NamedQuestion("Do you want to remove the dashboard?", dashBoard->GetFormName())))
    {
        m_page.Get()->RemoveDashBoard(dashBoard);
        m_selectedPlacement = -1;
        FillPlacements();
    }
}

void DashBoardPageDesigner::SelectPlacement(int row)
{
    m_selectedPlacement = IsIndexIn(row, m_placementRows.size()) ? row : -1;
    if (DashBoard* dashBoard = SelectedDashBoard())
    {
        m_showOnce = m_page.Get()->GetDashBoardProcedureInvokation(dashBoard) == nullptr;
        ShowMode();
    }
    FillPlacementDetails();
}

void DashBoardPageDesigner::ShowOnce()
{
    m_showOnce = true;
    ShowMode();
}

void DashBoardPageDesigner::UsingProcedure()
{
    m_showOnce = false;
    ShowMode();
}

void DashBoardPageDesigner::AssignProcedure()
{
    DashBoard* dashBoard = SelectedDashBoard();
    if (dashBoard == nullptr || m_showOnce)
        return;
    if (m_page.Get()->GetDashBoardProcedureInvokation(dashBoard) != nullptr &&
        !m_host.ConfirmWarning("Do you want to replace the procedure for this dashboard?"))
        return;
    auto* invokation = new ProcedureInvokation;
    bool accepted = false;
    {
        ProcedureAssigner assigner(m_project, m_page.Get(), invokation, true);
        accepted = m_host.AssignProcedure(assigner);
    }
    if (!accepted)
    {
        delete invokation;
        return;
    }
    m_page.Get()->RemoveDashBoardProcedureInvokation(dashBoard);
    m_page.Get()->SetDashBoardProcedureInvokation(dashBoard, invokation);
    FillPlacementDetails();
}

void DashBoardPageDesigner::RemoveProcedure()
{
    DashBoard* dashBoard = SelectedDashBoard();
    if (dashBoard == nullptr || m_showOnce ||
        m_page.Get()->GetDashBoardProcedureInvokation(dashBoard) == nullptr)
        return;
    const ProcedureInvokation* invokation =
        m_page.Get()->GetDashBoardProcedureInvokation(dashBoard);
    if (!m_host.ConfirmWarning(NamedQuestion(
            "Do you want to remove the procedure for this dashboard?",
            invokation->GetProcedure() != nullptr ? invokation->GetProcedure()->GetName()
                                                  : CString())))
        return;
    m_page.Get()->RemoveDashBoardProcedureInvokation(dashBoard);
    FillPlacementDetails();
}

void DashBoardPageDesigner::EditVariables()
{
    if (m_page.Get() == nullptr)
        return;
    m_host.EditVariables(m_page.Get()->EditFieldVariableMaps(), m_page.Get());
    FillPageVariables();
}

Variable* DashBoardPageDesigner::SelectedPairVariable() const
{
    return ItemAt(m_pairVariables, m_selectedPair);
}

void DashBoardPageDesigner::Pair()
{
    DashBoard* dashBoard = SelectedDashBoard();
    Variable* target = SelectedPairVariable();
    Variable* source = ItemAt(m_pageVariables, m_states.GetSelection(IDC_PAGE_VARIABLES));
    if (dashBoard == nullptr || target == nullptr || source == nullptr)
        return;
    if (VariablePair* pair = m_page.Get()->FindDashBoardVariablePair(dashBoard, target))
    {
        if (m_host.ConfirmWarning(
                "Do you really want to chnage the existing map of selected variables?"))
            pair->second = source;
    }
    else
        m_page.Get()->AddDashBoardVariablePair(dashBoard, new VariablePair{target, source});
    FillPlacementDetails();
}

void DashBoardPageDesigner::Unpair()
{
    DashBoard* dashBoard = SelectedDashBoard();
    Variable* target = SelectedPairVariable();
    if (dashBoard == nullptr || target == nullptr)
        return;
    VariablePair* pair = m_page.Get()->FindDashBoardVariablePair(dashBoard, target);
    if (pair == nullptr ||
        !m_host.ConfirmWarning(
            NamedQuestion("Do you really want to remove the existing map of selected variables?",
                          target->GetFieldName())))
        return;
    m_page.Get()->RemoveDashBoardVariablePair(dashBoard, pair);
    FillPlacementDetails();
}

void DashBoardPageDesigner::AssignMap()
{
    DashBoard* dashBoard = SelectedDashBoard();
    if (dashBoard == nullptr || !IsIndexIn(m_selectedMapVariable, m_mapVariables.size()) ||
        !IsIndexIn(m_selectedMapField, m_mapFields.size()))
        return;
    Variable* target = m_mapVariables[static_cast<std::size_t>(m_selectedMapVariable)];
    // A variable is filled from one field: a map made before gives way.
    RemoveMap();
    m_page.Get()->AddDashBoardVariableMap(
        dashBoard, new DashBoardVariableMap{
                       target, nullptr,
                       m_mapFields[static_cast<std::size_t>(m_selectedMapField)]->GetField()});
    FillPlacementDetails();
}

void DashBoardPageDesigner::RemoveMap()
{
    DashBoard* dashBoard = SelectedDashBoard();
    if (dashBoard == nullptr || !IsIndexIn(m_selectedMapVariable, m_mapVariables.size()))
        return;
    // The map of the row's variable; the rows list variables, not maps.
    const Variable* target = m_mapVariables[static_cast<std::size_t>(m_selectedMapVariable)];
    const DashBoardVariableMap* map = m_page.Get()->FindDashBoardVariableMap(dashBoard, target);
    const auto& maps = m_page.Get()
                           ->GetPlacements()[static_cast<std::size_t>(m_selectedPlacement)]
                           ->GetVariableMaps();
    const auto found = std::find(maps.begin(), maps.end(), map);
    if (map == nullptr || found == maps.end())
        return;
    m_page.Get()->RemoveDashBoardVariableMapAt(dashBoard, static_cast<int>(found - maps.begin()));
    FillPlacementDetails();
}

void DashBoardPageDesigner::Store(bool confirmRename)
{
    CString name = m_states.GetText(IDC_NAME);
    const CString header = m_states.GetText(IDC_HEADER);
    if (m_page.Get() == nullptr || name.IsEmpty() || header.IsEmpty())
    {
        AfxMessageBox("Please enter the dashboard page name and header.");
        return;
    }
    const Module* home = m_page.Get()->GetModule() != nullptr ? m_page.Get()->GetModule()
                                                              : m_project.GetCurrentModule();
    if (!FormEditor::CheckPageName(m_page.Get(), home, name, m_host, confirmRename))
        return;
    name.Trim();
    name.Replace(' ', '_');
    m_page.Get()->SetName(name);
    m_page.Get()->SetHeader(header);
    if (!m_page.IsNew())
    {
        m_states.SetText(IDC_NAME, name);
        NoteLoaded();
        return;
    }
    Module* module = m_project.GetCurrentModule();
    if (module == nullptr)
        return;
    if (m_page.Get()->GetPlacements().empty())
    {
        AfxMessageBox("Please add dashboards");
        return;
    }
    if (!module->ContainsDashBoardPage(m_page.Get()))
    {
        module->AddDashBoardPage(m_page.Get(), true);
        m_dashBoardHost.AddDashBoardPageItem(*module, *m_page.Get());
    }
    m_page.Stored();
    LoadDashBoardPage(nullptr);
}

void DashBoardPageDesigner::Cancel()
{
    // What Cancel leaves is not asked about.
    NoteLoaded();
    m_host.ShowStartPage();
}
