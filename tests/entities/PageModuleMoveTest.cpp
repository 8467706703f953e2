#include "entities/ApplicationReport.h"
#include "entities/Form.h"
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

// Pages of the module Sales move to Stock. The dialog's answers are scripted; the records it is
// shown are kept.
class PageModuleMoveTest : public ::testing::Test
{
protected:
    PageModuleMoveTest()
    {
        DependenciesDlg::SetModalHandler(
            [this, scripted = DependenciesDlg::SetModalHandler({})](DependenciesDlg& shown)
            {
                for (const DependencyRecord* record : shown.GetRecords())
                    records.push_back(*record);
                return scripted(shown);
            });
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

class FormModuleMoveTest : public PageModuleMoveTest
{
protected:
    FormModuleMoveTest()
    {
        form.SetName("Orders");
        form.SetTable(orders);
        report->SetName("OrderList");
        from->Append(report);
    }

    Table* orders = OwnedTable("orders", Table::masterKind);
    ApplicationReport* report = new ApplicationReport;
    Form form;
};

TEST_F(FormModuleMoveTest, CancelShowsTheHeadingWithTheReportBeforeTheTableAndMovesNothing)
{
    form.SetReport(report);
    dialog.AnswerCancel();

    EXPECT_FALSE(form.MoveToModule(from.get(), to.get(), true));

    EXPECT_EQ((std::vector<CString>{"Moving Master Form 'Orders' from Sales to Stock"}),
              dialog.Titles());
    ASSERT_EQ(2u, records.size());
    EXPECT_EQ("OrderList", records[0].name);
    EXPECT_EQ("Sales", records[0].moduleName);
    EXPECT_EQ(report->GetId(), records[0].number);
    EXPECT_EQ(DependencyRecord::kReport, records[0].kind);
    EXPECT_FALSE(records[0].selected);
    EXPECT_EQ("orders", records[1].name);
    EXPECT_EQ(orders->GetId(), records[1].number);
    EXPECT_EQ(DependencyRecord::kTable, records[1].kind);
    EXPECT_EQ((std::vector<Table*>{orders}), from->GetMasterTables());
    EXPECT_EQ((std::vector<ApplicationReport*>{report}), from->GetReports());
    EXPECT_TRUE(to->GetMasterTables().empty());
}

TEST_F(FormModuleMoveTest, OkMovesOnlyTheTickedRecords)
{
    form.SetReport(report);
    dialog.AnswerOk({false, true});

    EXPECT_TRUE(form.MoveToModule(from.get(), to.get(), true));

    EXPECT_TRUE(from->GetMasterTables().empty());
    EXPECT_EQ((std::vector<Table*>{orders}), to->GetMasterTables());
    EXPECT_EQ((std::vector<ApplicationReport*>{report}), from->GetReports());
    EXPECT_TRUE(to->GetReports().empty());
}

TEST_F(FormModuleMoveTest, OkWithTheReportTickedMovesItIntoTheOtherModule)
{
    form.SetReport(report);
    dialog.AnswerOk({true, false});

    EXPECT_TRUE(form.MoveToModule(from.get(), to.get(), true));

    EXPECT_TRUE(from->GetReports().empty());
    EXPECT_EQ((std::vector<ApplicationReport*>{report}), to->GetReports());
    EXPECT_EQ(to.get(), report->GetModule());
    EXPECT_EQ((std::vector<Table*>{orders}), from->GetMasterTables());
}

TEST_F(FormModuleMoveTest, WithoutAskingNothingIsShownOrMovedAndTheAnswerIsTrue)
{
    EXPECT_TRUE(form.MoveToModule(from.get(), to.get(), false));

    EXPECT_TRUE(dialog.Titles().empty());
    EXPECT_EQ((std::vector<Table*>{orders}), from->GetMasterTables());
}

TEST_F(FormModuleMoveTest, FormWithoutDependenciesOrModulesAnswersFalseWithoutDialog)
{
    form.SetTable(nullptr);

    EXPECT_FALSE(form.MoveToModule(from.get(), to.get(), true));
    form.SetTable(orders);
    EXPECT_FALSE(form.MoveToModule(nullptr, to.get(), true));
    EXPECT_FALSE(form.MoveToModule(from.get(), nullptr, false));

    EXPECT_TRUE(dialog.Titles().empty());
    EXPECT_EQ(0u, dialog.UnscriptedCount());
}

class TransactionModuleMoveTest : public PageModuleMoveTest
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
    EXPECT_EQ("orders_basic", records[0].name);
    EXPECT_EQ(basic->GetId(), records[0].number);
    EXPECT_EQ("order_lines", records[1].name);
    EXPECT_EQ("order_notes", records[2].name);
    EXPECT_EQ("Sales", records[2].moduleName);
    EXPECT_EQ(DependencyRecord::kTable, records[2].kind);
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

    EXPECT_EQ((std::vector<Table*>{lines}), from->GetTransactionTables());
    EXPECT_EQ((std::vector<Table*>{notes, basic}), to->GetTransactionTables());
    // The module's own procedure on a moved table leaves its list; the caller takes it over.
    EXPECT_EQ((std::vector<Procedure*>{custom}), from->GetProcedures());
    to->Append(insert);
}

TEST_F(TransactionModuleMoveTest, PageWithoutTablesAnswersFalseWithoutDialog)
{
    Transaction empty;

    EXPECT_FALSE(empty.MoveToModule(from.get(), to.get()));
    EXPECT_FALSE(page.MoveToModule(from.get(), nullptr));

    EXPECT_TRUE(dialog.Titles().empty());
}

} // namespace
