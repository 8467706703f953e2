#include "entities/AspFile.h"
#include "entities/AspxFile.h"
#include "entities/DetailTableReport.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/Table.h"
#include "tests/entities/PageTestSupport.h"
#include "tests/model/ModelBuilders.h"
#include "tests/support/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace
{

std::unique_ptr<Table> NewOwnedTable(const char* name,
                                     std::initializer_list<const char*> fieldNames)
{
    auto table = std::make_unique<Table>();
    table->SetTableName(name);
    for (const char* fieldName : fieldNames)
        NewField(fieldName, table.get());
    return table;
}

int CountFilesOfKind(const FormInterface& page, int fileKind)
{
    return static_cast<int>(std::count_if(page.GetAspFiles().begin(), page.GetAspFiles().end(),
                                          [fileKind](const AspFile* file)
                                          { return file->GetFileKind() == fileKind; }));
}

// Deletes the tables a loaded transaction refers to.
void DeleteLoadedTables(const Transaction& transaction)
{
    delete transaction.GetBasicTable();
    for (Table* table : transaction.GetDetailTables())
        delete table;
}

class TransactionRecordTest : public ::testing::Test
{
protected:
    ScopedArchiveVersion m_version{TheVersionHistory().GetCurrentVersion()};
    std::unique_ptr<Table> m_basic = NewOwnedTable("Orders_basic", {"Orders_id", "Customer"});
    std::unique_ptr<Table> m_detail = NewOwnedTable("Lines_detail", {"Lines_id", "Orders_id"});
};

TEST_F(TransactionRecordTest, RoundTripKeepsTablesTitlesReportsAndFlagWithSharedTables)
{
    Transaction transaction;
    transaction.SetName("OrderEntry");
    transaction.SetBasicTable(m_basic.get());
    transaction.AddDetailTable(m_detail.get());
    auto* report = new DetailTableReport;
    report->SetTable(m_detail.get());
    transaction.AddDetailTableReport(report);
    transaction.SetCustomProcedureNames(true);

    std::unique_ptr<Transaction> loaded(LoadObject<Transaction>(SaveObject(&transaction)));

    ASSERT_NE(loaded, nullptr);
    Table* basic = loaded->GetBasicTable();
    ASSERT_NE(basic, nullptr);
    ASSERT_EQ(loaded->GetDetailTables().size(), 1u);
    Table* detail = loaded->GetDetailTables()[0];
    EXPECT_EQ(basic->GetTableName(), "Orders_basic");
    EXPECT_EQ(detail->GetTableName(), "Lines_detail");
    ASSERT_EQ(loaded->GetDetailTableReports().size(), 1u);
    EXPECT_EQ(loaded->GetDetailTableReports()[0]->GetTable(), detail);
    ASSERT_EQ(loaded->GetTableTitles().size(), 2u);
    EXPECT_EQ(loaded->GetTableTitles()[0].table, basic);
    EXPECT_EQ(loaded->GetTableTitles()[0].title, "Orders");
    EXPECT_EQ(loaded->GetTableTitles()[1].table, detail);
    EXPECT_EQ(loaded->GetTableTitles()[1].title, "Lines_detail");
    EXPECT_TRUE(loaded->GetCustomProcedureNames());
    DeleteLoadedTables(*loaded);
}

TEST_F(TransactionRecordTest, LoadGivesVariablesForEveryTableFieldAndDefaultPageFiles)
{
    Transaction transaction;
    transaction.SetBasicTable(m_basic.get());
    transaction.AddDetailTable(m_detail.get());

    std::unique_ptr<Transaction> loaded(LoadObject<Transaction>(SaveObject(&transaction)));

    const auto& maps = loaded->GetFieldVariableMaps();
    ASSERT_EQ(maps.size(), static_cast<size_t>(loaded->GetBasicTable()->GetFieldCount() +
                                               loaded->GetDetailTables()[0]->GetFieldCount()));
    EXPECT_EQ(maps[0]->field, loaded->GetBasicTable()->GetFieldAt(0));
    EXPECT_EQ(maps[0]->variable->GetFieldName(), maps[0]->field->GetFieldName());
    EXPECT_EQ(maps[0]->variable->GetKind(), Variable::pageKind);
    EXPECT_EQ(maps.back()->field->GetTable(), loaded->GetDetailTables()[0]);
    ASSERT_EQ(loaded->GetAspFiles().size(), 2u);
    EXPECT_EQ(CountFilesOfKind(*loaded, 1), 1);
    EXPECT_EQ(CountFilesOfKind(*loaded, 3), 1);
    EXPECT_NE(dynamic_cast<AspxFile*>(loaded->GetAspFiles()[0]), nullptr);
    EXPECT_EQ(loaded->GetAspFiles()[0]->GetOwnerKind(), 1);
    EXPECT_EQ(loaded->GetAspFiles()[0]->GetOwnerPage(), loaded.get());
    DeleteLoadedTables(*loaded);
}

TEST_F(TransactionRecordTest, LoadWithoutTitlesNamesTheBasicTableWithoutItsSuffix)
{
    Transaction source;
    source.SetBasicTable(m_basic.get());
    source.AddDetailTable(m_detail.get());
    const Transaction untitled(&source);
    ASSERT_TRUE(untitled.GetTableTitles().empty());

    std::unique_ptr<Transaction> loaded(LoadObject<Transaction>(SaveObject(&untitled)));

    ASSERT_EQ(loaded->GetTableTitles().size(), 2u);
    EXPECT_EQ(loaded->GetTableTitles()[0].title, "Orders");
    EXPECT_EQ(loaded->GetTableTitles()[1].title, "Lines_detail");
    DeleteLoadedTables(*loaded);
}

TEST_F(TransactionRecordTest, CopySharesTablesButNotTitlesReportsOrFlag)
{
    Transaction source;
    source.SetName("OrderEntry");
    source.SetBasicTable(m_basic.get());
    source.AddDetailTable(m_detail.get());
    source.AddDetailTableReport(new DetailTableReport);
    source.SetCustomProcedureNames(true);

    const Transaction copy(&source);

    EXPECT_EQ(copy.GetId(), source.GetId() + 1);
    EXPECT_EQ(copy.GetBasicTable(), m_basic.get());
    EXPECT_EQ(copy.GetDetailTables(), source.GetDetailTables());
    EXPECT_TRUE(copy.GetTableTitles().empty());
    EXPECT_TRUE(copy.GetDetailTableReports().empty());
    EXPECT_FALSE(copy.GetCustomProcedureNames());
    EXPECT_TRUE(copy.IsCopy());
    EXPECT_EQ(copy.GetFormName(), "Copy_0_of_OrderEntry");
}

TEST_F(TransactionRecordTest, CopyInAModuleIsNumberedByTheTransactionsOverTheSameBasicTable)
{
    Module module;
    auto* source = new Transaction;
    source->SetName("OrderEntry");
    source->SetBasicTable(m_basic.get());
    module.Append(source);
    auto* other = new Transaction;
    other->SetBasicTable(m_detail.get());
    module.Append(other);

    const Transaction copy(source);

    EXPECT_EQ(copy.GetFormName(), "Copy_1_of_OrderEntry");
    EXPECT_EQ(copy.GetModule(), &module);
}

TEST_F(TransactionRecordTest, LoadInAClassicProjectGivesClassicFilesWithOnePerDetailTable)
{
    ForgeonProject project;
    project.SetOutputKind(0);
    ScopedOpenProject open(&project);
    Transaction transaction;
    transaction.SetBasicTable(m_basic.get());
    transaction.AddDetailTable(m_detail.get());
    transaction.AddDetailTable(m_basic.get());

    std::unique_ptr<Transaction> loaded(LoadObject<Transaction>(SaveObject(&transaction)));

    ASSERT_EQ(loaded->GetAspFiles().size(), 6u);
    for (int fileKind : {1, 2, 3, 4})
        EXPECT_EQ(CountFilesOfKind(*loaded, fileKind), 1) << fileKind;
    EXPECT_EQ(CountFilesOfKind(*loaded, 9), 2);
    for (const AspFile* file : loaded->GetAspFiles())
        EXPECT_EQ(dynamic_cast<const AspxFile*>(file), nullptr);
    delete loaded->GetBasicTable();
    delete loaded->GetDetailTables()[0];
}

// Files before 28 hold a uniqueness list of their own, titles come from 49, the flag from 64. A
// load adds the default page files, so only what was read is checked.
TEST(TransactionRecordGateTest, VersionGates)
{
    ReadAtEveryGate<Transaction>(
        "Transaction",
        PartsOf(
            PageParts("T"),
            {Always(ArchiveBytes().Null().Int(0)),
             Until(27,
                   ArchiveBytes().Int(1).NewClass("UniquenessProcedureTable").Null().Null().Int(0)),
             Always(ArchiveBytes().Int(0)), After(48, ArchiveBytes().Int(1).Null().Str("T")),
             After(63, ArchiveBytes().Int(1))}),
        [](Transaction& transaction, int version)
        {
            ASSERT_EQ(transaction.GetTableTitles().size(), version > 48 ? 1u : 0u);
            if (version > 48)
            {
                EXPECT_EQ(transaction.GetTableTitles()[0].title, "T");
            }
            EXPECT_EQ(transaction.GetCustomProcedureNames(), version > 63);
        });
}

} // namespace
