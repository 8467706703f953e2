#pragma once

#include "entities/Class.h"
#include "entities/Function.h"
#include "entities/MapForm.h"
#include "entities/MultiPageReport.h"
#include "entities/Procedure.h"
#include "entities/ReportCollector.h"
#include "model/ForgeonProject.h"
#include "model/LoginPageCreator.h"
#include "model/Module.h"
#include "model/Table.h"
#include "model/TableFormCreator.h"
#include "model/TransactionDataCreator.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "shell/logic/ProjectTree.h"
#include "shell/logic/ProjectTreeCommands.h"
#include "shell/logic/ProjectTreeLayout.h"
#include "shell/logic/TreeCommandHost.h"
#include "tests/model/ModelBuilders.h"
#include "tests/shell/logic/MemoryTree.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The kinds shown beside the tables and their pages: a user procedure, default procedures of a
// table (a select-all, a select-record, a select-last-record and an insert procedure), a map
// table with its map form, a page of reports and a report collector.
struct OtherKinds
{
    explicit OtherKinds(Module& module)
    {
        const auto procedure = [&module](const char* name, int kind)
        {
            auto* added = new Procedure;
            added->SetName(name);
            added->SetKind(kind);
            module.Append(added);
            return added;
        };
        search = procedure("PRC_OrderSearch", Procedure::customKind);
        selectAll = procedure("PRC_orders_SelectAll", Procedure::standardKind);
        selectRecord = procedure("PRC_orders_SelectRecord", Procedure::standardKind);
        selectLast = procedure("PRC_orders_SelectLastRecord", Procedure::standardKind);
        insert = procedure("PRC_orders_Insert", Procedure::standardKind);
        link = NewTable("orders_region", Table::mapKind, {"region"});
        module.AppendMapTable(link);
        map = NewPage<MapForm>("orders_map");
        map->SetMappingTable(link);
        module.Append(map);
        overview = NewPage<MultiPageReport>("Overview");
        module.Append(overview);
        desk = NewPage<ReportCollector>("Desk");
        module.Append(desk);
    }

    Procedure* search;
    Procedure* selectAll;
    Procedure* selectRecord;
    Procedure* selectLast;
    Procedure* insert;
    Table* link;
    MapForm* map;
    MultiPageReport* overview;
    ReportCollector* desk;
};

// A host that records what the commands ask of the window, one line a request.
class RecordingHost : public TreeCommandHost
{
public:
    // Answers as the user of the editor shown; a leave the user refused opens nothing.
    bool MayLeaveEditor() override
    {
        ++leaveQuestions;
        return mayLeave;
    }
    void OpenEditor(RightPane pane, CObject* entity) override { opened.push_back({pane, entity}); }
    void OpenTableEditor(Table* table, int kind, bool enableOK) override
    {
        opened.push_back({RightPane::TableView, reinterpret_cast<CObject*>(table)});
        tableKinds.push_back(kind);
        enabledOK = enableOK;
    }
    void ResetEditor(RightPane pane) override { reset.push_back(pane); }
    void ReloadCurrentEditor() override { ++reloads; }
    void RebindCurrentEditor() override { ++rebinds; }
    void EditLabel(TreeHandle item) override { labelEdited = item; }
    void ShowRenameModuleDialog() override { ++renameDialogs; }
    void RefreshTree() override { ++refreshes; }
    bool PrepareAndSave() override { return true; }

    struct Opened
    {
        RightPane pane;
        const void* entity;
    };
    std::vector<Opened> opened;
    std::vector<int> tableKinds;
    bool enabledOK = false;
    std::vector<RightPane> reset;
    int reloads = 0;
    int rebinds = 0;
    TreeHandle labelEdited = nullptr;
    int renameDialogs = 0;
    int refreshes = 0;
    bool mayLeave = true;
    int leaveQuestions = 0;
};

// A new project as the New command makes it ("BaseModule" current) built into a tree in memory,
// with the tree's commands.
class TreeFixture : public ::testing::Test
{
protected:
    TreeFixture()
    {
        project.InitNewProject();
        LoginPageCreator().Create();
        tree.BuildTree(&project);
    }

    Module& Base() { return *project.GetBaseModule(); }
    static TreeHandle Node(Module& module, int slot) { return (*module.GetTreeItems())[slot]; }
    // The item under the module's node of the slot whose text is the name.
    TreeHandle Item(Module& module, int slot, const char* name)
    {
        return control.Child(Node(module, slot), name);
    }
    std::vector<std::string> Messages() const { return boxes.ShownTexts(); }

    ForgeonProject project;
    ScopedOpenProject open{&project};
    ScriptedMessageBoxes boxes;
    MemoryTree control;
    ProjectTree tree{control};
    RecordingHost host;
    ProjectTreeCommands commands{tree, host};
};

// The fixture with a master table "customer" of the base module that has its form, search
// report, RDLC report and a user-defined function, and a second module.
class CommandFixture : public TreeFixture
{
protected:
    CommandFixture()
    {
        customer = NewTable("customer", Table::masterKind, {"name"});
        Base().AddTable(customer);
        TableFormCreator(customer, &project).CreateAll();
        function = new Function;
        function->SetName("CustomersByName");
        function->SetKind(1);
        function->SetTable(customer);
        Class* dataClass = Base().GetClassForTable(customer, /*create=*/true);
        function->SetClass(dataClass);
        dataClass->AddFunction(function);
        second = project.AddNewModule();
        project.SelectModuleAt(0);
        tree.BuildTree(&project);
    }

    // A master-detail form on "customer" with its detail table, named "customer_detail" so that
    // the project reads back.
    void AddTransaction()
    {
        TransactionDataCreator(customer, &project).CreateAll();
        for (Table* table : Base().GetTransactionTables())
        {
            if (table != customer && table->GetTableName() == "customer")
            {
                table->SetTableName("customer_detail");
                table->RenameKeyField();
            }
        }
        tree.BuildTree(&project);
    }
    // A map form "customer_map" of the base module on a map table, with its report files.
    void AddMapForm()
    {
        auto* map = new MapForm;
        map->SetName("customer_map");
        Table* regions = NewTable("customer_region", Table::mapKind, {"region"});
        Base().AppendMapTable(regions);
        map->SetMappingTable(regions);
        Base().Append(map);
        map->EnsureReportFiles();
        tree.BuildTree(&project);
    }
    // A right click on the item and the command chosen in its menu.
    void Choose(TreeHandle item, UINT command)
    {
        commands.SelectModuleOfItem(item);
        commands.RunMenuCommand(commands.ChooseMenu(item).menu, command, item);
    }
    // The Delete key on the item.
    void Delete(TreeHandle item)
    {
        control.SelectItem(item);
        commands.DeleteSelectedItem();
    }

    Table* customer = nullptr;
    Function* function = nullptr;
    Module* second = nullptr;
};
