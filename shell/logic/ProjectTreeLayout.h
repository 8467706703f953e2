#pragma once

#include "model/Module.h"

#include <array>

// The category nodes of a module in the project tree. A node's slot is its index in the module's
// block of tree-item handles (Module::GetTreeItems); the tree creates the categories of
// kCategories, the other slots stay empty.
namespace TreeSlot
{
constexpr int MasterTables = 1;
constexpr int MasterForms = 2;
constexpr int DetailTables = 3;
constexpr int DetailForms = 4;
constexpr int Dashboards = 5;
constexpr int UserProcedures = 6;
constexpr int DefaultProcedures = 7;
constexpr int SelectAllProcedures = 8;
constexpr int SelectRecordProcedures = 9;
constexpr int SearchReports = 13;
constexpr int Reports = 14;
constexpr int Menus = 15;
constexpr int MapTables = 16;
constexpr int MapForms = 17;
constexpr int DashBoardPages = 18;
constexpr int MultiPageReports = 19;
constexpr int LoginPage = 20;
constexpr int ReportCollectors = 21;
constexpr int UserFunctions = 22;
} // namespace TreeSlot

// Images of the tree's image list.
namespace TreeImage
{
constexpr int Project = 0;
constexpr int Module = 1;
constexpr int Field = 4;
constexpr int Count = 23;
} // namespace TreeImage

struct TreeCategory
{
    int slot;
    // The node's text; a counted node shows the count of its entities after it, "(<count>)",
    // while it has any.
    const char* text;
    bool counted;
    int nodeImage;
    // The node's item data.
    int code;
    int itemImage;
    // The slot of the node it stands under; 0 for the module item.
    int parentSlot = 0;
};

// In the order the nodes stand under a module. Kinds without images of their own show the
// module's image; the default procedures stand in two groups under their node.
inline constexpr std::array<TreeCategory, 19> kCategories = {{
    {TreeSlot::MasterTables, "Master Tables", true, 2, -2, 3},
    {TreeSlot::MasterForms, "Master Forms", true, 5, -3, 6},
    {TreeSlot::DetailTables, "Master-Detail Tables", true, 7, -4, 8},
    {TreeSlot::DetailForms, "Master-Detail Forms", true, 9, -5, 10},
    {TreeSlot::Dashboards, "Dashboards", true, 17, -6, 18},
    {TreeSlot::UserProcedures, "Procedures", true, TreeImage::Module, -7, TreeImage::Module},
    {TreeSlot::DefaultProcedures, "Default Procedures", true, TreeImage::Module, -8,
     TreeImage::Module},
    {TreeSlot::SelectAllProcedures, "SelectAll", false, TreeImage::Module, -9, TreeImage::Module,
     TreeSlot::DefaultProcedures},
    {TreeSlot::SelectRecordProcedures, "SelectRecord", false, TreeImage::Module, -10,
     TreeImage::Module, TreeSlot::DefaultProcedures},
    {TreeSlot::SearchReports, "Search Reports", true, 13, -11, 14},
    {TreeSlot::Reports, "Reports", true, 11, -19, 12},
    {TreeSlot::Menus, "Menus", true, 19, -12, 20},
    {TreeSlot::MapTables, "Map Tables", true, TreeImage::Module, -13, TreeImage::Module},
    {TreeSlot::MapForms, "Map Forms", true, TreeImage::Module, -14, TreeImage::Module},
    {TreeSlot::DashBoardPages, "DashBoardPages", true, 15, -15, 16},
    {TreeSlot::MultiPageReports, "MultiPageReports", true, TreeImage::Module, -16,
     TreeImage::Module},
    // Only in a module that has a login page.
    {TreeSlot::LoginPage, "Login Page", false, TreeImage::Module, -17, TreeImage::Module},
    {TreeSlot::ReportCollectors, "ReportCollectors", true, TreeImage::Module, -20,
     TreeImage::Module},
    {TreeSlot::UserFunctions, "User Defined Functions", false, 21, -18, 22},
}};

// The category of the slot; null for a slot the tree does not create.
const TreeCategory* FindCategory(int slot);

// The slot a table of the kind goes under.
int TableSlot(int kind);
// The slots of the procedures' items.
constexpr std::array<int, 4> kProcedureSlots = {
    TreeSlot::UserProcedures, TreeSlot::DefaultProcedures, TreeSlot::SelectAllProcedures,
    TreeSlot::SelectRecordProcedures};

// The module's category node of the slot; null while the tree holds none.
inline Module::TreeItemHandle& CategoryNode(Module& module, int slot)
{
    return (*module.GetTreeItems())[static_cast<std::size_t>(slot)];
}
