#include "editors/logic/LinkEditors.h"

#include "entities/AspFile.h"
#include "entities/FormInterface.h"
#include "entities/LinkControl.h"
#include "entities/Menu.h"
#include "entities/Variable.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/NamedQuestion.h"
#include "model/ProjectNameCheck.h"
#include "model/TypedText.h"
#include "platform/core/MessageBox.h"

#include <algorithm>
#include <string>

namespace
{
constexpr const char* menuNotAssigned = "Menu not assigned.";

// The names of the page's variables in field-variable-map order, and the variables.
std::vector<Variable*> VariablesOf(const FormInterface* page)
{
    std::vector<Variable*> variables;
    if (page == nullptr)
        return variables;
    for (const FieldVariableMap* map : page->GetFieldVariableMaps())
        if (map != nullptr && map->variable != nullptr)
            variables.push_back(map->variable);
    return variables;
}

std::vector<ToolTip> WithStrings(std::vector<ToolTip> tips)
{
    RegisterToolTipStrings(tips);
    return tips;
}

const FormInterface* TargetPageOf(const Menu* menu)
{
    return menu != nullptr && menu->GetAspFile() != nullptr ? menu->GetAspFile()->GetOwnerPage()
                                                            : nullptr;
}
} // namespace

MenuPicker::MenuPicker(const ForgeonProject& project, Menu* chosen)
    : m_project(project), m_chosen(chosen)
{
}

const std::vector<ToolTip>& MenuPicker::ToolTips()
{
    static const std::vector<ToolTip> tips = WithStrings({
        {IDC_TREE, 62500, "Menu Tree"},
        {IDC_ASSIGN, 62501, "Add menu"},
        {IDC_REMOVE, 62502, "Remove menu"},
        {IDOK, 62503, "OK"},
        {IDC_HELP_BUTTON, 62504, "Set link"},
    });
    return tips;
}

void MenuPicker::ShowChoice(const Menu* menu)
{
    m_states.SetText(IDC_FILE_NAME, menu != nullptr ? menu->GetAspFile()->GetFileName(FALSE) : "");
    m_states.SetText(IDC_MENU_NAME, menu != nullptr ? menu->GetName() : "");
}

void MenuPicker::Open()
{
    FillMenuTree(m_project, m_tree, nullptr, {.italics = false, .keepSelection = false});
    m_states.SetText(IDC_MENU_NAME, "Menu not assigned");
    m_states.SetText(IDC_FILE_NAME, "");
    if (m_chosen != nullptr && m_chosen->GetAspFile() != nullptr)
        ShowChoice(m_chosen);
}

void MenuPicker::SelectItem(int item)
{
    m_tree.Select(item);
    m_selectedId = item >= 0 && item < m_tree.GetCount() ? m_tree.At(item).data : 0;
}

void MenuPicker::Assign()
{
    Menu* menu = nullptr;
    for (const Module* module : m_project.GetModules())
        if ((menu = module->FindMenuById(m_selectedId)) != nullptr)
            break;
    if (menu == nullptr || !menu->GetSubMenus().empty())
        return;
    if (menu->GetAspFile() == nullptr)
    {
        AfxMessageBox("Can not add Link. No asp file attached");
        return;
    }
    ShowChoice(menu);
    m_chosen = menu;
}

void MenuPicker::Remove()
{
    if (m_chosen == nullptr ||
        AfxMessageBox(NamedQuestion("Do you want to remove the menu?", m_chosen->GetName()),
                      MB_YESNO) != IDYES)
        return;
    m_chosen = nullptr;
    ShowChoice(nullptr);
}

LinkEditor::LinkEditor(FormInterface& page, ChooseLinkMenu choose)
    : m_page(page), m_choose(std::move(choose))
{
}

const std::vector<ListColumn>& LinkEditor::MenuVariableColumns()
{
    static const std::vector<ListColumn> columns = {
        {"", 0}, {"Menu Variable", 35}, {"Assigned Form Variable", 50}};
    return columns;
}

const std::vector<ListColumn>& LinkEditor::FormVariableColumns()
{
    static const std::vector<ListColumn> columns = {{"", 0}, {"Form Variable", 70}};
    return columns;
}

CString LinkEditor::FileNameOf(const LinkControl& link)
{
    const Menu* target = link.GetTarget();
    return target != nullptr && target->GetAspFile() != nullptr
               ? target->GetAspFile()->GetFileName(FALSE)
               : CString();
}

void LinkEditor::Open()
{
    FillFormVariables();
    FillLinks();
    m_states.SetItems(IDC_ALIGN, {"LEFT", "CENTER", "RIGHT"});
    m_states.Select(IDC_ALIGN, LinkControl::Left);
    m_states.SetText(IDC_MENU_NAME, "Menu not assigned");
    m_states.SetText(IDC_ADD, "Add");
    m_states.Enable(IDC_DELETE, false);
    m_states.Enable(IDC_UP, false);
    m_states.Enable(IDC_DOWN, false);
    m_advancedShown = false;
    m_states.SetText(IDC_ADVANCED, "Advanced>>");
    OpenExtra();
}

bool LinkEditor::IsUpdateMode() const
{
    return m_states.GetText(IDC_ADD) == "Update";
}

int LinkEditor::SelectedAlignment() const
{
    return m_states.GetSelection(IDC_ALIGN);
}

void LinkEditor::SetButtons(bool editing)
{
    m_states.SetText(IDC_ADD, editing ? "Update" : "Add");
    m_states.Enable(IDC_ADD, editing);
    m_states.Enable(IDC_DELETE, editing);
    m_states.Enable(IDC_UP, editing);
    m_states.Enable(IDC_DOWN, editing);
}

void LinkEditor::FillLinks()
{
    m_linkRows.clear();
    for (const LinkControl* link : Links())
    {
        ListRow row;
        row.cells = LinkCells(*link);
        m_linkRows.push_back(std::move(row));
    }
}

void LinkEditor::FillFormVariables()
{
    m_formVariables = VariablesOf(&m_page);
    m_formVariableRows.clear();
    for (const Variable* variable : m_formVariables)
        m_formVariableRows.push_back({{"", variable->GetFieldName()}});
    m_selectedFormVariable = -1;
}

void LinkEditor::FillMenuVariables()
{
    m_menuVariableRows.clear();
    m_menuVariables.clear();
    m_selectedMenuVariable = -1;
    if (m_editedLink == nullptr || m_editedLink->GetTarget() == nullptr)
        return;
    m_menuVariables = VariablesOf(TargetPageOf(m_editedLink->GetTarget()));
    for (Variable* variable : m_menuVariables)
    {
        CString assigned;
        for (const LinkVariableMap* pair : m_editedLink->GetVariableMaps())
            if (pair != nullptr && pair->targetVariable == variable &&
                pair->pageVariable != nullptr)
            {
                assigned = pair->pageVariable->GetFieldName();
                break;
            }
        m_menuVariableRows.push_back({{"", variable->GetFieldName(), assigned}});
    }
}

bool LinkEditor::LoadLink(int row, bool showMenuName)
{
    const std::vector<LinkControl*> links = Links();
    if (row < 0 || row >= static_cast<int>(links.size()))
        return false;
    m_selectedLink = row;
    m_editedLink = links[static_cast<std::size_t>(row)];
    m_chosenMenu = m_editedLink->GetTarget();
    if (showMenuName)
        m_states.SetText(IDC_MENU_NAME, m_editedLink->GetMenuName());
    m_states.Select(IDC_ALIGN, m_editedLink->GetAlignment());
    m_states.SetText(IDC_CAPTION, m_editedLink->GetCaption());
    FillMenuVariables();
    SetButtons(/*editing=*/true);
    return true;
}

void LinkEditor::SelectMenu()
{
    Menu* const chosen = m_choose(m_editedLink != nullptr ? m_editedLink->GetTarget() : nullptr);
    if (chosen == m_chosenMenu)
        return;
    if (m_editedLink != nullptr)
        m_editedLink->UnlinkMenu(m_chosenMenu);
    FillMenuVariables();
    m_chosenMenu = chosen;
    m_states.SetText(IDC_MENU_NAME,
                     chosen != nullptr ? chosen->GetName() : CString(menuNotAssigned));
    m_states.Enable(IDC_ADD, true);
}

void LinkEditor::AddOrUpdate()
{
    if (m_chosenMenu == nullptr)
    {
        AfxMessageBox("Please select a Menu from menu tree");
        return;
    }
    if (!m_chosenMenu->GetSubMenus().empty())
    {
        AfxMessageBox("Please select the proper child menu");
        return;
    }
    if (m_chosenMenu->GetAspFile() == nullptr)
    {
        AfxMessageBox("Can not add Link. No asp file attached");
        return;
    }
    const int alignment = SelectedAlignment();
    const CString caption = m_states.GetText(IDC_CAPTION);
    // The display name stays free text; the id the generated code makes of it must be its own.
    if (const CString other = IdOfCaptionTakenBy(caption); !caption.IsEmpty() && !other.IsEmpty())
    {
        AfxMessageBox("The generated page names this link as " + other +
                      ". Please enter another Link Display Name");
        return;
    }
    LinkControl* const existing = FindLink(m_chosenMenu, alignment);
    if (!IsUpdateMode())
    {
        if (existing != nullptr)
        {
            AfxMessageBox(DuplicateMessage());
            return;
        }
        m_editedLink = AppendLink();
    }
    else if (existing != nullptr && existing != m_editedLink)
    {
        AfxMessageBox(DuplicateMessage());
        return;
    }
    if (m_editedLink == nullptr)
        return;
    m_editedLink->SetAlignment(alignment);
    if (caption.IsEmpty())
        AfxMessageBox("Please enter Link Display Name");
    else
        m_editedLink->SetCaption(caption);
    PlaceEditedLink();
    m_editedLink->SetTarget(m_chosenMenu);
    FillLinks();
    Clear();
    FillMenuVariables();
}

CString LinkEditor::IdOfCaptionTakenBy(const CString&) const
{
    return "";
}

bool LinkEditor::Close()
{
    const CString caption = m_states.GetText(IDC_CAPTION);
    const bool update = IsUpdateMode() && m_editedLink != nullptr;
    if (update && m_editedLink->GetCaption() == caption)
        return true;
    return TakeOrDropTypedText("link", caption, update,
                               [this]
                               {
                                   AddOrUpdate();
                                   return m_states.GetText(IDC_CAPTION).IsEmpty();
                               });
}

void LinkEditor::Clear()
{
    m_states.SetText(IDC_CAPTION, "");
    m_editedLink = nullptr;
    m_chosenMenu = nullptr;
    SetButtons(/*editing=*/false);
    m_states.SetText(IDC_MENU_NAME, menuNotAssigned);
    m_selectedLink = -1;
    m_states.Select(IDC_ALIGN, LinkControl::Left);
}

void LinkEditor::Up()
{
    if (m_selectedLink <= 0)
        return;
    const int row = MoveUp(m_selectedLink);
    FillLinks();
    m_selectedLink = row;
}

void LinkEditor::Down()
{
    if (m_selectedLink < 0)
        return;
    const int row = MoveDown(m_selectedLink);
    FillLinks();
    m_selectedLink = row;
}

LinkVariableMap* LinkEditor::FindSelectedPair() const
{
    const Variable* target = m_menuVariables[static_cast<std::size_t>(m_selectedMenuVariable)];
    for (LinkVariableMap* pair : m_editedLink->GetVariableMaps())
        if (pair != nullptr && pair->targetVariable == target)
            return pair;
    return nullptr;
}

void LinkEditor::AssignVariable()
{
    if (m_selectedMenuVariable < 0 || m_selectedFormVariable < 0 || m_editedLink == nullptr ||
        m_chosenMenu == nullptr ||
        m_selectedMenuVariable >= static_cast<int>(m_menuVariables.size()))
        return;
    Variable* target = m_menuVariables[static_cast<std::size_t>(m_selectedMenuVariable)];
    Variable* source = m_formVariables[static_cast<std::size_t>(m_selectedFormVariable)];
    if (LinkVariableMap* pair = FindSelectedPair())
        *pair = {source, target};
    else
        m_editedLink->AddVariableMap(new LinkVariableMap{source, target});
    FillMenuVariables();
}

void LinkEditor::RemoveVariable()
{
    if (m_selectedMenuVariable < 0 ||
        AfxMessageBox(NamedQuestion("Do you really want to delete selected entry?",
                                    CellOf(m_menuVariableRows, m_selectedMenuVariable, 1)),
                      MB_YESNO) != IDYES)
        return;
    if (m_editedLink != nullptr && m_chosenMenu != nullptr &&
        m_chosenMenu->GetAspFile() != nullptr &&
        m_selectedMenuVariable < static_cast<int>(m_menuVariables.size()))
        m_editedLink->RemoveLinkVariableMap(FindSelectedPair());
    FillMenuVariables();
}

void LinkEditor::ToggleAdvanced()
{
    m_advancedShown = !m_advancedShown;
    m_states.SetText(IDC_ADVANCED, m_advancedShown ? "<<Advanced" : "Advanced>>");
}

PageLinkEditor::PageLinkEditor(FormInterface& page, ChooseLinkMenu choose)
    : LinkEditor(page, std::move(choose))
{
}

const std::vector<ListColumn>& PageLinkEditor::LinkColumns()
{
    static const std::vector<ListColumn> columns = {{"", 0},      {"Link", 25}, {"Type", 5},
                                                    {"Align", 5}, {"Menu", 25}, {"File", 60}};
    return columns;
}

const std::vector<ToolTip>& PageLinkEditor::ToolTips()
{
    static const std::vector<ToolTip> tips = WithStrings({
        {IDC_PRE_COLUMNS, 62510, "Number of prelink columns"},
        {IDC_POST_COLUMNS, 62511, "Number of post link columns"},
        {IDC_SELECT_MENU, 62512, "Select menu"},
        {IDC_PRE_LINK, 62513, "Pre link type"},
        {IDC_POST_LINK, 62514, "Post link type"},
        {IDC_CAPTION, 62515, "Link name"},
        {IDC_ALIGN, 62516, "Allignment"},
        {IDC_ADD, 62517, "Add link"},
        {IDC_DELETE, 62518, "Delete link"},
        {IDC_CLEAR, 62519, "Clear"},
        {IDC_LINKS, 62520, "List of links"},
        {IDC_UP, 62521, "UP"},
        {IDC_DOWN, 62522, "DOWN"},
        {IDOK, 62523, "OK"},
        {IDC_HELP_BUTTON, 62524, "Help on link controls"},
        {IDC_ADVANCED, 62525, "Advanced Options"},
        {IDC_MENU_VARIABLES, 62526, "Mapping between menu variable and form variable"},
        {IDC_ASSIGN, 62527, "Assign"},
        {IDC_UNASSIGN, 62528, "Remove"},
        {IDC_FORM_VARIABLES, 62529, "List of form variables"},
    });
    return tips;
}

int PageLinkEditor::PreLinkCount() const
{
    return static_cast<int>(m_page.GetPreLinkList().size());
}

std::vector<LinkControl*> PageLinkEditor::Links() const
{
    std::vector<LinkControl*> links = m_page.GetPreLinkList();
    links.insert(links.end(), m_page.GetPostLinkList().begin(), m_page.GetPostLinkList().end());
    return links;
}

std::vector<CString> PageLinkEditor::LinkCells(const LinkControl& link) const
{
    const auto& pre = m_page.GetPreLinkList();
    const bool isPre = std::ranges::find(pre, &link) != pre.end();
    return {"",
            link.GetCaption(),
            isPre ? "PRE" : "POST",
            link.GetAlignmentText(),
            link.GetMenuName(),
            FileNameOf(link)};
}

void PageLinkEditor::OpenExtra()
{
    m_title = "Linkcontrol settings for " + m_page.GetFormName();
    m_states.SetText(IDC_PRE_COLUMNS,
                     CString(std::to_string(m_page.GetPreLinkColumnCount()).c_str()));
    m_states.SetText(IDC_POST_COLUMNS,
                     CString(std::to_string(m_page.GetPostLinkColumnCount()).c_str()));
    SetPlacement(m_preLink);
}

void PageLinkEditor::SetPlacement(bool preLink)
{
    m_preLink = preLink;
    m_states.SetCheck(IDC_PRE_LINK, preLink);
    m_states.SetCheck(IDC_POST_LINK, !preLink);
}

void PageLinkEditor::ClickLink(int row)
{
    if (!LoadLink(row, /*showMenuName=*/true))
        return;
    SetPlacement(row < PreLinkCount());
}

void PageLinkEditor::Delete()
{
    const int row = GetSelectedLink();
    if (row < 0 ||
        AfxMessageBox(NamedQuestion("Do you really want to delete selected entry?",
                                    Links()[static_cast<std::size_t>(row)]->GetCaption()),
                      MB_YESNO) != IDYES)
        return;
    LinkControl* link = Links()[static_cast<std::size_t>(row)];
    if (row < PreLinkCount())
        m_page.RemovePreLink(link);
    else
        m_page.RemovePostLink(link);
    delete link;
    FillLinks();
    Clear();
}

void PageLinkEditor::Ok(int preColumns, int postColumns)
{
    m_page.SetPreLinkColumnCount(preColumns);
    m_page.SetPostLinkColumnCount(postColumns);
}

int PageLinkEditor::AskAboutChanges() const
{
    const auto differs = [this](int box, int count)
    {
        CString typed = m_states.GetText(box);
        typed.Trim();
        return typed != CString(std::to_string(count).c_str());
    };
    if (!differs(IDC_PRE_COLUMNS, m_page.GetPreLinkColumnCount()) &&
        !differs(IDC_POST_COLUMNS, m_page.GetPostLinkColumnCount()))
        return IDNO;
    return AskAboutEditedItem("link layout of page", m_page.GetFormName(), /*isNew=*/false);
}

LinkControl* PageLinkEditor::FindLink(Menu* menu, int alignment) const
{
    return m_page.FindLinkControl(menu, alignment);
}

LinkControl* PageLinkEditor::AppendLink()
{
    auto* link = new LinkControl;
    if (m_preLink)
        m_page.AddPreLink(link);
    else
        m_page.AddPostLink(link);
    return link;
}

// A page link's id is made of its caption, beside the ids of the page's controls and links.
CString PageLinkEditor::IdOfCaptionTakenBy(const CString& caption) const
{
    return FindPageIdOfCaption(m_page, caption, m_editedLink);
}

void PageLinkEditor::PlaceEditedLink()
{
    m_page.SetLinkPlacement(m_editedLink, m_preLink);
}

int PageLinkEditor::MoveUp(int row)
{
    const int pre = PreLinkCount();
    if (row < pre)
        m_page.MovePreLinkUp(row);
    else
        m_page.MovePostLinkUp(row - pre);
    return row - 1;
}

int PageLinkEditor::MoveDown(int row)
{
    const int pre = PreLinkCount();
    if (row < pre)
        m_page.MovePreLinkDown(row);
    else
        m_page.MovePostLinkDown(row - pre);
    return std::min(row + 1, static_cast<int>(Links().size()) - 1);
}

FieldLinkEditor::FieldLinkEditor(FieldRep& control, FormInterface& page, ChooseLinkMenu choose)
    : LinkEditor(page, std::move(choose)), m_control(control), m_data(*control.GetFieldRepData())
{
}

const std::vector<ListColumn>& FieldLinkEditor::LinkColumns()
{
    static const std::vector<ListColumn> columns = {
        {"", 0}, {"Link", 25}, {"Align", 5}, {"Menu", 25}, {"File", 60}};
    return columns;
}

const std::vector<ToolTip>& FieldLinkEditor::ToolTips()
{
    static const std::vector<ToolTip> tips = WithStrings({
        {IDC_SELECT_MENU, 62540, "Select link"},
        {IDC_CAPTION, 62541, "Link name"},
        {IDC_ALIGN, 62542, "Allignment"},
        {IDC_ADD, 62543, "Add/Update link"},
        {IDC_DELETE, 62544, "Delete"},
        {IDC_CLEAR, 62545, "Clear"},
        {IDC_LINKS, 62546, "List of Prelinks"},
        {IDC_UP, 62547, "Move link up"},
        {IDC_DOWN, 62548, "Move link down"},
        {IDOK, 62549, "OK"},
        {IDC_HELP_BUTTON, 62550, "Help on field link control"},
        {IDC_ADVANCED, 62551, "Advanced options"},
        {IDC_MENU_VARIABLES, 62552, "List of menu forms"},
        {IDC_ASSIGN, 62553, "Assign"},
        {IDC_UNASSIGN, 62554, "Remove"},
        {IDC_FORM_VARIABLES, 62555, "List of forms"},
    });
    return tips;
}

std::vector<LinkControl*> FieldLinkEditor::Links() const
{
    return m_data.GetLinkControls();
}

std::vector<CString> FieldLinkEditor::LinkCells(const LinkControl& link) const
{
    return {"", link.GetCaption(), link.GetAlignmentText(), link.GetMenuName(), FileNameOf(link)};
}

void FieldLinkEditor::OpenExtra()
{
    m_title = m_control.GetField() != nullptr ? "Linkcontrol settings for " + m_data.GetCaption()
                                              : "Linkcontrols for field";
}

void FieldLinkEditor::Delete()
{
    const int row = GetSelectedLink();
    if (row < 0 ||
        AfxMessageBox(NamedQuestion("Do you really want to delete link?",
                                    Links()[static_cast<std::size_t>(row)]->GetCaption()),
                      MB_YESNO) != IDYES)
        return;
    m_data.RemoveLinkControlAt(row);
    Clear();
    FillLinks();
}

LinkControl* FieldLinkEditor::FindLink(Menu* menu, int alignment) const
{
    return m_data.FindLinkControl(menu, alignment);
}

LinkControl* FieldLinkEditor::AppendLink()
{
    auto* link = new LinkControl;
    m_data.AddLinkControl(link);
    return link;
}

int FieldLinkEditor::MoveUp(int row)
{
    m_data.MoveLinkControlUp(row);
    return row - 1;
}

int FieldLinkEditor::MoveDown(int row)
{
    m_data.MoveLinkControlDown(row);
    return std::min(row + 1, static_cast<int>(m_data.GetLinkControls().size()) - 1);
}
