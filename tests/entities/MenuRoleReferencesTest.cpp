#include "entities/AspFile.h"
#include "entities/DashBoardPage.h"
#include "entities/Designation.h"
#include "entities/Menu.h"
#include "entities/ReportField.h"
#include "entities/ReportFieldControlProperty.h"
#include "entities/Variable.h"
#include "model/ReferenceList.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace
{
// What one release lets go of, and how every holder stands afterwards.
struct ReleaseCase
{
    const char* name;
    // Names of the targets: "Main", "Orders", "admin", "boss", "Home", "file", "key".
    std::vector<std::string> targets;
    int released;
    std::string after;

    friend void PrintTo(const ReleaseCase& each, std::ostream* out) { *out << each.name; }
};

std::string NameOf(const MenuInterface* item)
{
    return item != nullptr ? std::string(item->GetName()) : "-";
}

// A top-level menu "Main" with the sub-menu "Orders", which opens a page file that shows "Main"
// on both sides with a map of "Orders" each; the role "admin" granted both menus, with a
// dashboard page, reporting to "boss"; a report column opening the file with a binding.
class MenuRoleReferencesTest : public ::testing::TestWithParam<ReleaseCase>
{
protected:
    MenuRoleReferencesTest()
    {
        m_main.SetName("Main");
        m_orders->SetName("Orders");
        m_main.AddSubMenu(m_orders);
        m_key.SetName("key");
        m_orders->SetAspFile(&m_file);
        m_file.SetTopMenu(&m_main);
        m_file.SetLeftMenu(&m_main);
        m_file.AddTopMenuVariableMap(MenuVariableMap{m_orders, {{&m_key, nullptr}}});
        m_file.AddLeftMenuVariableMap(MenuVariableMap{m_orders, {}});
        m_column.SetName("Column");
        m_column.SetAspFile(&m_file);
        m_column.AddBinding(new ReportFieldBinding{&m_key, nullptr, nullptr, nullptr});
        m_boss.SetName("boss");
        m_admin.SetName("admin");
        m_admin.AddMenu(&m_main);
        m_admin.AddMenu(m_orders);
        m_admin.SetDashBoardPage(&m_home);
        m_admin.SetReportsTo(&m_boss);
    }

    const void* Target(const std::string& name) const
    {
        if (name == "Main")
            return &m_main;
        if (name == "Orders")
            return m_orders;
        if (name == "admin")
            return &m_admin;
        if (name == "boss")
            return &m_boss;
        if (name == "Home")
            return &m_home;
        if (name == "file")
            return &m_file;
        return &m_key;
    }

    static std::string Maps(const std::vector<MenuVariableMap>& maps)
    {
        std::string text;
        for (const MenuVariableMap& map : maps)
            text += " " + NameOf(map.m_menu) + ":" + std::to_string(map.GetVariablePairs().size());
        return text;
    }

    std::string Describe() const
    {
        std::string text = "file items";
        for (const MenuInterface* item : m_file.GetLinkingItems())
            text += " " + NameOf(item);
        text += "; top " + NameOf(m_file.GetTopMenu()) + Maps(m_file.GetTopMenuVariableMaps());
        text += "; left " + NameOf(m_file.GetLeftMenu()) + Maps(m_file.GetLeftMenuVariableMaps());
        for (const Menu* menu : {&m_main, static_cast<const Menu*>(m_orders)})
        {
            text +=
                "; " + NameOf(menu) + " opens " + (menu->GetAspFile() != nullptr ? "file" : "-");
            text += " shown " + std::to_string(menu->GetPageFiles().size()) + " roles";
            for (const Designation* role : menu->GetRoles())
                text += " " + std::string(role->GetName());
        }
        text += "; admin menus";
        for (const Menu* menu : m_admin.GetMenus())
            text += " " + NameOf(menu);
        text += std::string(" page ") + (m_admin.GetDashBoardPage() != nullptr ? "Home" : "-") +
                " reports to " +
                (m_admin.GetReportsTo() != nullptr ? std::string(m_admin.GetReportsTo()->GetName())
                                                   : "-");
        text += "; Column opens " + std::string(m_column.GetAspFile() != nullptr ? "file" : "-") +
                " bindings " + std::to_string(m_column.GetBindings().size());
        return text;
    }

    Variable m_key;
    DashBoardPage m_home;
    Designation m_boss;
    Menu m_main;
    Menu* m_orders = new Menu;
    AspFile m_file;
    ReportField m_column;
    Designation m_admin;
};

const char* const untouched =
    "file items Orders Column; top Main Orders:1; left Main Orders:0; Main opens - shown 1 roles "
    "admin; Orders opens file shown 0 roles admin; admin menus Main Orders page Home reports to "
    "boss; Column opens file bindings 1";

const ReleaseCase releases[] = {
    {"SubMenu",
     {"Orders"},
     4,
     "file items Column; top Main; left Main; Main opens - shown 1 roles admin; Orders opens - "
     "shown 0 roles; admin menus Main page Home reports to boss; Column opens file bindings 1"},
    {"TopMenu",
     {"Main"},
     3,
     "file items Orders Column; top -; left -; Main opens - shown 0 roles; Orders opens file "
     "shown 0 roles admin; admin menus Orders page Home reports to boss; Column opens file "
     "bindings 1"},
    {"Role",
     {"admin"},
     2,
     "file items Orders Column; top Main Orders:1; left Main Orders:0; Main opens - shown 1 "
     "roles; Orders opens file shown 0 roles; admin menus Main Orders page Home reports to boss; "
     "Column opens file bindings 1"},
    {"DashBoardPage",
     {"Home"},
     1,
     "file items Orders Column; top Main Orders:1; left Main Orders:0; Main opens - shown 1 roles "
     "admin; Orders opens file shown 0 roles admin; admin menus Main Orders page - reports to "
     "boss; Column opens file bindings 1"},
    {"ReportsTo",
     {"boss"},
     1,
     "file items Orders Column; top Main Orders:1; left Main Orders:0; Main opens - shown 1 roles "
     "admin; Orders opens file shown 0 roles admin; admin menus Main Orders page Home reports to "
     "-; Column opens file bindings 1"},
    {"PageFile",
     {"file"},
     4,
     "file items; top -; left -; Main opens - shown 0 roles admin; Orders opens - shown 0 roles "
     "admin; admin menus Main Orders page Home reports to boss; Column opens - bindings 0"},
    {"MapVariable",
     {"key"},
     1,
     "file items Orders Column; top Main Orders:0; left Main Orders:0; Main opens - shown 1 roles "
     "admin; Orders opens file shown 0 roles admin; admin menus Main Orders page Home reports to "
     "boss; Column opens file bindings 1"},
    {"Nothing", {}, 0, untouched},
};

TEST_P(MenuRoleReferencesTest, EachHolderListsWhatItRefersToAndLetsGoOfItOnRelease)
{
    const ReleaseCase& release = GetParam();
    ASSERT_EQ(untouched, Describe());
    ReferenceList list;
    m_file.ListReferences(list);
    m_main.ListReferences(list);
    m_orders->ListReferences(list);
    m_column.ListReferences(list);
    m_admin.ListReferences(list);
    ReferenceList::Targets targets;
    for (const std::string& name : release.targets)
        targets.insert(Target(name));

    EXPECT_EQ(!targets.empty(), list.Refers(targets));
    EXPECT_EQ(release.released, list.Release(targets));

    EXPECT_EQ(release.after, Describe());
}

INSTANTIATE_TEST_SUITE_P(EveryTarget, MenuRoleReferencesTest, ::testing::ValuesIn(releases),
                         [](const ::testing::TestParamInfo<ReleaseCase>& info)
                         { return std::string(info.param.name); });

} // namespace
