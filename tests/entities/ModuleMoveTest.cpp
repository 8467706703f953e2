#include "entities/ApplicationReport.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "entities/Transaction.h"
#include "model/DependenciesDlg.h"
#include "model/Module.h"
#include "model/Table.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{

using Tables = std::vector<Table*>;
using Reports = std::vector<ApplicationReport*>;

// Pages and menus of the module Sales move to Stock. The dialog's answers are scripted; the records
// it is shown are kept.
class ModuleMoveTest : public ::testing::Test
{
protected:
    ModuleMoveTest()
    {
        DependenciesDlg::SetModalHandler(
            [this, scripted = DependenciesDlg::SetModalHandler({})](DependenciesDlg& shown)
            {
                for (const DependencyRecord* record : shown.GetRecords())
                    records.push_back(*record);
                return scripted(shown);
            });
    }

    // Checks the shown record: the name, the from-module, the number and kind, not ticked.
    void ExpectRecord(size_t index, const char* name, int number, int kind) const
    {
        ASSERT_LT(index, records.size());
        const DependencyRecord& record = records[index];
        EXPECT_EQ(name, record.name) << index;
        EXPECT_EQ("Sales", record.moduleName) << index;
        EXPECT_EQ(number, record.number) << index;
        EXPECT_EQ(kind, record.kind) << index;
        EXPECT_FALSE(record.selected) << index;
    }

    // A table of the kind owned by the from-module.
    Table* OwnedTable(const char* name, int kind)
    {
        Table* table = NewTable(name, kind);
        if (kind == Table::masterKind)
            from->AppendMasterTable(table);
        else
            from->AppendTransactionTable(table);
        return table;
    }

    std::unique_ptr<Module> from{NewModule("Sales", 1)};
    std::unique_ptr<Module> to{NewModule("Stock", 2)};
    ScriptedDependenciesDlg dialog;
    std::vector<DependencyRecord> records;
};

class FormModuleMoveTest : public ModuleMoveTest
{
protected:
    FormModuleMoveTest()
    {
        form.SetName("Orders");
        form.SetTable(orders);
        report->SetName("OrderList");
        from->Append(report);
        form.SetReport(report);
    }

    Table* orders = OwnedTable("orders", Table::masterKind);
    ApplicationReport* report = new ApplicationReport;
    Form form;
};

TEST_F(FormModuleMoveTest, CancelShowsTheHeadingWithTheReportBeforeTheTableAndMovesNothing)
{
    dialog.AnswerCancel();

    EXPECT_FALSE(form.MoveToModule(from.get(), to.get(), true));

    EXPECT_EQ((std::vector<CString>{"Moving Master Form 'Orders' from Sales to Stock"}),
              dialog.Titles());
    ASSERT_EQ(2u, records.size());
    ExpectRecord(0, "OrderList", report->GetId(), DependencyRecord::kReport);
    ExpectRecord(1, "orders", orders->GetId(), DependencyRecord::kTable);
    EXPECT_EQ((Tables{orders}), from->GetMasterTables());
    EXPECT_EQ((Reports{report}), from->GetReports());
    EXPECT_TRUE(to->GetMasterTables().empty());
}

TEST_F(FormModuleMoveTest, OkMovesOnlyTheTickedRecords)
{
    for (const bool reportTicked : {false, true})
    {
        SCOPED_TRACE(reportTicked);
        const std::unique_ptr<Module> source{NewModule("Sales", 1)};
        const std::unique_ptr<Module> target{NewModule("Stock", 2)};
        Table* table = NewTable("orders");
        source->AppendMasterTable(table);
        auto* ownReport = new ApplicationReport;
        source->Append(ownReport);
        Form page;
        page.SetTable(table);
        page.SetReport(ownReport);
        dialog.AnswerOk({reportTicked, !reportTicked});

        EXPECT_TRUE(page.MoveToModule(source.get(), target.get(), true));

        EXPECT_EQ(reportTicked ? Tables{table} : Tables{}, source->GetMasterTables());
        EXPECT_EQ(reportTicked ? Tables{} : Tables{table}, target->GetMasterTables());
        EXPECT_EQ(reportTicked ? Reports{} : Reports{ownReport}, source->GetReports());
        EXPECT_EQ(reportTicked ? Reports{ownReport} : Reports{}, target->GetReports());
        EXPECT_EQ(reportTicked ? target.get() : source.get(), ownReport->GetModule());
        // A moved report gets its page file and its menu entry in the target module.
        ASSERT_EQ(reportTicked ? 1u : 0u, ownReport->GetAspFiles().size());
        if (reportTicked)
        {
            ASSERT_EQ(1u, target->GetMenus().size());
            EXPECT_EQ(ownReport->GetAspFileAt(0), target->GetMenus()[0]->GetAspFile());
        }
    }
}

TEST_F(FormModuleMoveTest, WithoutAskingOrWithoutDependenciesOrModulesNoDialogIsShown)
{
    EXPECT_TRUE(form.MoveToModule(from.get(), to.get(), false));
    EXPECT_EQ((Tables{orders}), from->GetMasterTables());

    EXPECT_FALSE(form.MoveToModule(nullptr, to.get(), true));
    EXPECT_FALSE(form.MoveToModule(from.get(), nullptr, false));
    Form bare;
    EXPECT_FALSE(bare.MoveToModule(from.get(), to.get(), true));

    EXPECT_TRUE(dialog.Titles().empty());
    EXPECT_EQ(0u, dialog.UnscriptedCount());
}

class TransactionModuleMoveTest : public ModuleMoveTest
{
protected:
    TransactionModuleMoveTest()
    {
        page.SetName("OrderEntry");
        page.SetBasicTable(basic);
        page.AddDetailTable(lines);
        page.AddDetailTable(basic);
        page.AddDetailTable(notes);
    }

    Table* basic = OwnedTable("orders_basic", Table::masterDetailKind);
    Table* lines = OwnedTable("order_lines", Table::masterDetailKind);
    Table* notes = OwnedTable("order_notes", Table::masterDetailKind);
    Transaction page;
};

TEST_F(TransactionModuleMoveTest, CancelShowsOneRecordPerTableAndMovesNothing)
{
    dialog.AnswerCancel();

    EXPECT_FALSE(page.MoveToModule(from.get(), to.get()));

    EXPECT_EQ((std::vector<CString>{"Moving Master-Detail Form 'OrderEntry' from Sales to Stock"}),
              dialog.Titles());
    ASSERT_EQ(3u, records.size());
    ExpectRecord(0, "orders_basic", basic->GetId(), DependencyRecord::kTable);
    ExpectRecord(1, "order_lines", lines->GetId(), DependencyRecord::kTable);
    ExpectRecord(2, "order_notes", notes->GetId(), DependencyRecord::kTable);
    EXPECT_EQ(3u, from->GetTransactionTables().size());
    EXPECT_TRUE(to->GetTransactionTables().empty());
}

TEST_F(TransactionModuleMoveTest, OkMovesTheTickedTablesWithTheirTableProcedures)
{
    auto* insert = new Procedure;
    insert->SetMainTable(notes);
    insert->SetKind(Procedure::standardKind);
    from->Append(insert);
    auto* custom = new Procedure;
    custom->SetMainTable(notes);
    custom->SetKind(Procedure::customKind);
    from->Append(custom);
    dialog.AnswerOk({true, false, true});

    EXPECT_TRUE(page.MoveToModule(from.get(), to.get()));

    EXPECT_EQ((Tables{lines}), from->GetTransactionTables());
    EXPECT_EQ((Tables{notes, basic}), to->GetTransactionTables());
    // The module's own procedure on a moved table goes with it.
    EXPECT_EQ((std::vector<Procedure*>{custom}), from->GetProcedures());
    EXPECT_EQ((std::vector<Procedure*>{insert}), to->GetProcedures());

    Transaction empty;
    EXPECT_FALSE(empty.MoveToModule(from.get(), to.get()));
    EXPECT_FALSE(page.MoveToModule(from.get(), nullptr));
    EXPECT_EQ(1u, dialog.Titles().size());
}

using Roles = std::vector<Designation*>;

// The menu Orders, used by the roles Clerk and Manager, moves.
class MenuModuleMoveTest : public ModuleMoveTest
{
protected:
    MenuModuleMoveTest()
    {
        Designation::ResetIdCounter();
        menu.SetName("Orders");
    }

    Designation* NewRole(const char* name, Module& owner)
    {
        auto* role = new Designation(TRUE);
        role->SetName(name);
        owner.Append(role);
        role->AddMenu(&menu);
        return role;
    }

    Menu menu;
    Designation* clerk = NewRole("Clerk", *from);
    Designation* manager = NewRole("Manager", *from);
};

TEST_F(MenuModuleMoveTest, CancelShowsTheHeadingAndOneRoleRecordPerIdAndChangesNothing)
{
    auto* unnumbered = new Designation;
    unnumbered->SetName("Guest");
    from->Append(unnumbered);
    unnumbered->AddMenu(&menu);
    auto* alsoUnnumbered = new Designation;
    from->Append(alsoUnnumbered);
    alsoUnnumbered->AddMenu(&menu);
    dialog.AnswerCancel();

    EXPECT_FALSE(menu.MoveToModule(from.get(), to.get()));

    EXPECT_EQ((std::vector<CString>{"Moving Menu 'Orders' from Sales to Stock"}), dialog.Titles());
    ASSERT_EQ(3u, records.size());
    ExpectRecord(0, "Clerk", clerk->GetId(), DependencyRecord::kRole);
    ExpectRecord(1, "Manager", manager->GetId(), DependencyRecord::kRole);
    EXPECT_EQ("Guest", records[2].name);
    EXPECT_EQ(4u, from->GetDesignations().size());
    EXPECT_TRUE(to->GetDesignations().empty());
}

TEST_F(MenuModuleMoveTest, OkMovesExactlyTheSelectedRolesOwnedByTheFromModule)
{
    Designation* foreign = NewRole("Foreign", *to);
    dialog.AnswerOk({false, true, true});

    EXPECT_TRUE(menu.MoveToModule(from.get(), to.get()));

    EXPECT_EQ((Roles{clerk}), from->GetDesignations());
    EXPECT_EQ((Roles{foreign, manager}), to->GetDesignations())
        << "a role that the from-module does not own is not moved, nor held twice";
    EXPECT_TRUE(menu.HasRole(manager));

    dialog.AnswerOk({});
    EXPECT_TRUE(menu.MoveToModule(to.get(), from.get())) << "OK with nothing selected";
    EXPECT_EQ((Roles{foreign, manager}), to->GetDesignations());
}

TEST_F(MenuModuleMoveTest, WithoutRolesOrModulesNoDialogIsShown)
{
    Menu bare;
    EXPECT_FALSE(bare.MoveToModule(from.get(), to.get()));
    EXPECT_FALSE(menu.MoveToModule(nullptr, to.get()));
    EXPECT_FALSE(menu.MoveToModule(from.get(), nullptr));
    EXPECT_TRUE(dialog.Titles().empty());
}

TEST(ModuleDesignationTest, DetachingARoleErasesItWithoutFreeingIt)
{
    std::unique_ptr<Module> module(NewModule("Sales", 1));
    Designation role;
    EXPECT_FALSE(module->DetachDesignation(&role));
    module->Append(&role);
    EXPECT_TRUE(module->DetachDesignation(&role));
    EXPECT_TRUE(module->GetDesignations().empty());
}

} // namespace
