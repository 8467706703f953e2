#include "editors/logic/MenuParentChange.h"

#include "entities/Designation.h"
#include "entities/Menu.h"
#include "model/ForgeonProject.h"
#include "model/ListAccess.h"
#include "model/Module.h"

#include <utility>

MenuParentChange::MenuParentChange(ForgeonProject& project, Menu& menu, CandidateSource candidates)
    : m_project(project), m_menu(menu), m_source(std::move(candidates))
{
    if (!m_source)
        m_source = [this](const Menu& moved) { return FillParentMenuCombo(m_project, moved); };
}

CString MenuParentChange::GetCaption() const
{
    return "Set Parent for " + m_menu.GetName();
}

void MenuParentChange::Load()
{
    m_entries = m_source(m_menu);
    m_selected = -1;
}

bool MenuParentChange::Apply()
{
    Menu* parent = ItemAt(m_entries.menus, m_selected);
    if (parent == nullptr)
        return true;
    Module* module = m_project.GetCurrentModule();
    if (module == nullptr)
        return false;
    Menu* oldParent = m_menu.GetParent();
    if (oldParent != nullptr && oldParent != &m_menu)
        oldParent->RemoveSubMenu(&m_menu);
    else
        module->RemoveMenu(&m_menu);
    parent->AddSubMenu(&m_menu);
    module->CleanUpPageFiles();
    Designation* director = module->GetDirectorDesignation();
    if (director != nullptr && !director->HasMenu(&m_menu))
        director->AddMenu(&m_menu);
    return true;
}
