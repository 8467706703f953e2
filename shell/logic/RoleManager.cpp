#include "shell/logic/RoleManager.h"

#include "entities/DashBoardPage.h"
#include "entities/Designation.h"
#include "model/ForgeonProject.h"
#include "model/ListAccess.h"
#include "model/Module.h"
#include "model/NamedQuestion.h"
#include "model/SitePageNames.h"
#include "model/TypedText.h"
#include "platform/core/MessageBox.h"

#include <algorithm>

namespace
{
const std::vector<Designation*> kNoRoles;

template <class Item> int IndexOf(const std::vector<Item*>& items, const Item* item)
{
    const auto found = std::ranges::find(items, item);
    return item == nullptr || found == items.end() ? -1 : static_cast<int>(found - items.begin());
}
} // namespace

RoleManager::RoleManager(ForgeonProject& project) : m_project(project) {}

const std::vector<Designation*>& RoleManager::Roles() const
{
    const Module* base = m_project.GetBaseModule();
    return base != nullptr ? base->GetDesignations() : kNoRoles;
}

Module* RoleManager::ChosenModule() const
{
    return m_project.GetModuleAt(m_state.module);
}

void RoleManager::Load()
{
    m_state.modules = m_project.GetModuleNames();
    m_state.module = IndexOf(m_project.GetModules(), m_project.GetCurrentModule());
    FillPages();
    FillRows();
    Reset();
}

void RoleManager::FillPages()
{
    m_pages.clear();
    m_state.pages.clear();
    m_state.page = -1;
    if (const Module* module = ChosenModule())
        m_pages = module->GetDashBoardPages();
    for (const DashBoardPage* page : m_pages)
        m_state.pages.push_back(page->GetFormName());
}

void RoleManager::FillRows()
{
    m_state.rows.clear();
    m_state.reportsTo.clear();
    for (const Designation* role : Roles())
    {
        const DashBoardPage* page = role->GetDashBoardPage();
        m_state.rows.push_back({role->GetName(), role->IsActive() ? "Yes" : "No",
                                page != nullptr ? page->GetFormName() : CString()});
        m_state.reportsTo.push_back(role->GetName());
    }
}

void RoleManager::Reset()
{
    m_edited = nullptr;
    m_state.row = -1;
    m_state.name.Empty();
    m_state.pageText.Empty();
    m_state.addCaption = "Add";
    m_state.activateCaption = "DeActivate";
    m_state.activateEnabled = false;
    m_state.removeEnabled = false;
    m_state.page = -1;
    m_state.reportsToRole = -1;
}

void RoleManager::SelectModule(int index)
{
    m_state.module = index;
    FillPages();
    FillRows();
}

void RoleManager::SelectPage(int index)
{
    m_state.page = IsValidIndex(m_pages, index) ? index : -1;
}

void RoleManager::ChooseRow(int row)
{
    Designation* role = ItemAt(Roles(), row);
    if (role == nullptr)
        return;
    m_edited = role;
    m_state.row = row;
    m_state.name = role->GetName();
    m_state.reportsToRole = IndexOf(Roles(), role->GetReportsTo());
    m_state.addCaption = "Update";
    m_state.activateEnabled = true;
    ShowEditedRole();
}

void RoleManager::ShowEditedRole()
{
    const DashBoardPage* page = m_edited->GetDashBoardPage();
    m_state.pageText = page != nullptr ? page->GetFormName() : CString();
    m_state.removeEnabled = page != nullptr;
    m_state.activateCaption = m_edited->IsActive() ? "DeActivate" : "Activate";
}

void RoleManager::SelectReportsTo(int index)
{
    m_state.reportsToRole = index;
    if (m_edited != nullptr)
        m_edited->SetReportsTo(ItemAt(Roles(), index));
}

bool RoleManager::AddOrUpdate()
{
    bool taken = false;
    if (m_state.name.IsEmpty())
        AfxMessageBox("Please enter the role");
    else if (const CString refusal = RefuseControlCharacters(m_state.name); !refusal.IsEmpty())
        AfxMessageBox(refusal);
    else if (std::ranges::any_of(Roles(), [this](const Designation* role)
                                 { return role != m_edited && role->GetName() == m_state.name; }))
        AfxMessageBox("This designation already exists.");
    else if (Module* base = m_project.GetBaseModule())
    {
        Designation* role = m_edited;
        if (role == nullptr)
        {
            // A new role's id follows every id the project has given.
            Designation::SetIdCounter(
                std::max(Designation::GetIdCounter(), m_project.GetHighestDesignationId()));
            role = new Designation(TRUE);
            base->Append(role);
        }
        role->SetName(m_state.name);
        if (ChosenModule() != nullptr && m_state.page >= 0)
            role->SetDashBoardPage(m_pages[static_cast<std::size_t>(m_state.page)]);
        Reset();
        taken = true;
    }
    FillRows();
    return taken;
}

bool RoleManager::Close()
{
    const CString name = m_state.name;
    if (m_edited != nullptr && m_edited->GetName() == name)
        return true;
    return TakeOrDropTypedText("role", name, m_edited != nullptr, [this] { return AddOrUpdate(); });
}

void RoleManager::ToggleActive()
{
    if (m_edited == nullptr)
        return;
    m_edited->SetActive(m_edited->IsActive() ? FALSE : TRUE);
    ShowEditedRole();
    FillRows();
}

bool RoleManager::Assign()
{
    if (m_state.page < 0)
    {
        AfxMessageBox("Please select the Dashboardpage");
        return false;
    }
    if (m_edited == nullptr)
        return false;
    m_edited->SetDashBoardPage(m_pages[static_cast<std::size_t>(m_state.page)]);
    m_state.page = -1;
    ShowEditedRole();
    FillRows();
    return true;
}

void RoleManager::Remove()
{
    if (m_edited == nullptr || m_edited->GetDashBoardPage() == nullptr)
        return;
    if (AfxMessageBox(NamedQuestion("Do you want to remove the dashboard page?",
                                    m_edited->GetDashBoardPage()->GetFormName()),
                      MB_OKCANCEL) != IDOK)
        return;
    m_edited->SetDashBoardPage(nullptr);
    ShowEditedRole();
    FillRows();
}
