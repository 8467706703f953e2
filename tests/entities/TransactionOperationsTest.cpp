#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/DerivedField.h"
#include "entities/DetailTableReport.h"
#include "entities/Form.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "model/EntityUsageSet.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ListAccess.h"
#include "model/RefField.h"
#include "model/ReferenceList.h"
#include "model/VersionHistory.h"
#include "tests/entities/PageFileKinds.h"
#include "tests/entities/PageOperationsSupport.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/ListedRelease.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{

// The page "OrderEntry" over the basic table Orders_basic and the detail tables order_lines
// and order_notes, each detail table with a foreign key to the basic key.
class TransactionOperationsTest : public PageOperationsTest
{
protected:
    TransactionOperationsTest()
    {
        m_page.SetName("OrderEntry");
        m_basic.SetTableName("Orders_basic");
        m_basicKey = NewField("Orders_basic_id", &m_basic, true);
        m_lines.SetTableName("order_lines");
        m_lineKey = NewField("order_lines_id", &m_lines, true);
        m_linesLink = LinkTo(m_lines);
        m_notes.SetTableName("order_notes");
        m_notesLink = LinkTo(m_notes);
        m_page.SetBasicTable(&m_basic);
        m_page.AddDetailTable(&m_lines);
        m_page.AddDetailTable(&m_notes);
    }

    // A foreign key of the detail table to the basic key.
    Field* LinkTo(Table& detail)
    {
        Field* link = NewField("order_id", &detail);
        link->SetForeignKey(true);
        link->SetForeignField(m_basicKey);
        return link;
    }

    // A detail-table report over the table with the given pairs, owned by the page.
    DetailTableReport* AddDetailReport(Table* table, ApplicationReport* report,
                                       std::vector<ReportVariableMap*> pairs)
    {
        auto* entry = new DetailTableReport;
        entry->SetTable(table);
        entry->SetReport(report);
        for (ReportVariableMap* pair : pairs)
            entry->AddVariablePair(pair);
        m_page.AddDetailTableReport(entry);
        return entry;
    }

    Table m_basic;
    Table m_lines;
    Table m_notes;
    Field* m_basicKey;
    Field* m_lineKey;
    Field* m_linesLink;
    Field* m_notesLink;
    Transaction m_page;
};

TEST_F(TransactionOperationsTest, TitlesDropTheBasicSuffixShowUpperCasedAndGoByTableOrIndex)
{
    ASSERT_EQ(3u, m_page.GetTableTitles().size());
    EXPECT_EQ("Orders", m_page.GetTableTitles()[0].title);
    EXPECT_EQ("ORDERS", m_page.GetTableTitle(&m_basic));
    EXPECT_EQ("ORDER LINES", m_page.GetTableTitle(&m_lines));
    Table untitled;
    EXPECT_EQ("", m_page.GetTableTitle(&untitled));
    EXPECT_EQ("", m_page.GetTableTitle(nullptr));

    m_page.SetTableTitle(&m_notes, "remarks_of_order");
    m_page.SetTableTitle(&untitled, "ignored");
    EXPECT_EQ("REMARKS OF ORDER", m_page.GetTableTitle(&m_notes));
    EXPECT_EQ(3u, m_page.GetTableTitles().size());

    m_page.RemoveTableTitle(&m_lines);
    EXPECT_EQ("", m_page.GetTableTitle(&m_lines));
    m_page.RemoveTableTitleAt(0);
    ASSERT_EQ(1u, m_page.GetTableTitles().size());
    EXPECT_EQ(&m_notes, m_page.GetTableTitles()[0].table);

    Transaction copy(&m_page);
    copy.EnsureTableTitles();
    EXPECT_EQ("ORDERS", copy.GetTableTitle(&m_basic));
    EXPECT_EQ("ORDER NOTES", copy.GetTableTitle(&m_notes));
}

TEST_F(TransactionOperationsTest, DetailTablesLinkFieldsAndDetailIndexOfPageFields)
{
    EXPECT_TRUE(m_page.HasDetailTableNamed("order_notes"));
    EXPECT_FALSE(m_page.HasDetailTableNamed("ORDER_NOTES"));
    EXPECT_EQ(&m_basic, m_page.FindTableById(m_basic.GetId()));
    EXPECT_EQ(&m_notes, m_page.FindTableById(m_notes.GetId()));
    EXPECT_TRUE(m_page.IsFieldInDetailTables(m_notesLink));
    EXPECT_FALSE(m_page.IsFieldInDetailTables(m_basicKey));
    EXPECT_EQ(m_linesLink, m_page.FindLinkField(&m_lines));
    EXPECT_EQ(nullptr, m_page.FindLinkField(&m_basic));
    EXPECT_TRUE(m_page.IsMasterLinkField(m_notesLink));
    EXPECT_FALSE(m_page.IsMasterLinkField(m_lineKey));
    m_page.CreateFieldRepsForTable(&m_lines);
    EXPECT_TRUE(m_page.GetFieldReps().empty());

    auto* refField = new RefField(new Field, &m_notes);
    m_page.AddRefField(refField);
    auto* basicRef = new RefField(new Field, &m_basic);
    m_page.AddRefField(basicRef);
    Field loose;
    EXPECT_EQ(0, m_page.GetDetailIndexOfField(m_linesLink));
    EXPECT_EQ(1, m_page.GetDetailIndexOfField(refField->GetField()));
    for (Field* outside : {basicRef->GetField(), m_basicKey, &loose, static_cast<Field*>(nullptr)})
        EXPECT_EQ(-1, m_page.GetDetailIndexOfField(outside));
    EXPECT_TRUE(m_page.IsRefFieldFromDetailTable(refField->GetField()));
    EXPECT_FALSE(m_page.IsRefFieldFromDetailTable(basicRef->GetField()));
}

TEST_F(TransactionOperationsTest, DetailTablesMoveWithinTheListOnly)
{
    m_page.MoveDetailTableUp(0);
    m_page.MoveDetailTableDown(1);
    m_page.MoveDetailTableUp(2);
    EXPECT_EQ((std::vector<Table*>{&m_lines, &m_notes}), m_page.GetDetailTables());
    m_page.MoveDetailTableUp(1);
    EXPECT_EQ((std::vector<Table*>{&m_notes, &m_lines}), m_page.GetDetailTables());
    EXPECT_EQ("ORDER LINES", m_page.GetTableTitle(&m_lines));
}

TEST_F(TransactionOperationsTest, RemovingTheBasicTableFreesItsMapsControlsAndPageFields)
{
    m_page.EnsureDefaultVariables();
    AddControl(m_page, m_basicKey);
    FieldRep* lineControl = AddControl(m_page, m_lineKey);
    m_page.AddRefField(new RefField(new Field, &m_basic));
    AddControl(m_page, m_page.GetRefFields()[0]->GetField());
    m_page.AddDerivedField(new DerivedField(new Field, &m_lines));

    m_page.RemoveBasicTable();

    EXPECT_EQ(nullptr, m_page.GetBasicTable());
    EXPECT_EQ("", m_page.GetTableTitle(&m_basic));
    EXPECT_EQ(2u, m_page.GetTableTitles().size());
    EXPECT_EQ((std::vector<FieldRep*>{lineControl}), m_page.GetFieldReps());
    EXPECT_TRUE(m_page.GetRefFields().empty());
    EXPECT_EQ(1u, m_page.GetDerivedFields().size());
    EXPECT_EQ(nullptr, m_page.FindFieldVariableMapByField(m_basicKey));
    EXPECT_NE(nullptr, m_page.FindFieldVariableMapByField(m_lineKey));
}

TEST_F(TransactionOperationsTest, RemovingAllDetailTablesLeavesNoneWithTheirReportsAndTitles)
{
    ApplicationReport report;
    AddDetailReport(&m_lines, &report, {});
    m_page.SyncTableFlags();
    AddControl(m_page, m_notesLink);

    m_page.RemoveAllDetailTables();

    EXPECT_TRUE(m_page.GetDetailTables().empty());
    EXPECT_TRUE(m_page.GetDetailTableReports().empty());
    EXPECT_TRUE(m_page.GetTableFlagsList().empty());
    EXPECT_TRUE(m_page.GetFieldReps().empty());
    ASSERT_EQ(1u, m_page.GetTableTitles().size());
    EXPECT_EQ(&m_basic, m_page.GetTableTitles()[0].table);
}

TEST_F(TransactionOperationsTest, PageFilesKeepTheEarliestDetailFilesAndFollowTheOutputKind)
{
    m_page.CreateAspFile(9, 1);
    m_page.CreateAspFile(2, 1);
    m_page.CreateAspFile(9, 1);
    m_page.CreateAspFile(9, 1);
    AspFile* lastDetailFile = m_page.GetAspFiles().back();
    m_page.CreateDefaultAspFiles(0);
    EXPECT_EQ((std::vector<int>{2, 9, 9, 1, 3, 4}), FileKindsOf(m_page));
    EXPECT_EQ(lastDetailFile, m_page.GetAspFiles()[2]);

    Transaction aspNet;
    aspNet.CreateDefaultAspFiles(1);
    aspNet.CreateDefaultAspFiles(1);
    aspNet.CreateDefaultAspFiles(5);
    EXPECT_EQ((std::vector<int>{1, 3}), FileKindsOf(aspNet));
    aspNet.DeleteAspFile(nullptr);
    aspNet.DeleteAspFile(aspNet.GetAspFiles()[0]);
    EXPECT_EQ((std::vector<int>{3}), FileKindsOf(aspNet));
}

TEST_F(TransactionOperationsTest, ValidationReportsTheFirstUnlinkedDetailTableAndUnmappedReports)
{
    Table second;
    second.SetTableName("second");
    Table third;
    third.SetTableName("third");
    m_page.AddDetailTable(&second);
    m_page.AddDetailTable(&third);
    m_page.Validate();
    EXPECT_EQ((std::vector<CString>{
                  "Table is not having reference to basic table\n\tOrderEntry\n\tsecond"}),
              Errors());

    TheProjectDiagnostics().ClearAll();
    m_page.RemoveDetailTable(&second);
    m_page.RemoveDetailTable(&third);
    ApplicationReport report;
    Table reportTable;
    report.AddFieldVariableMap(
        new FieldVariableMap{NewField("From", &reportTable), NewVariable("From")});
    report.AddFieldVariableMap(
        new FieldVariableMap{NewField("To", &reportTable), NewVariable("To")});
    AddDetailReport(&m_lines, &report, {nullptr});
    AddDetailReport(&m_notes, &report, {nullptr, nullptr});
    AddDetailReport(&m_notes, nullptr, {});
    m_page.Validate();
    EXPECT_EQ((std::vector<CString>{"Report variables are not mapped!\n\t - OrderEntry"}),
              Errors());
}

TEST_F(TransactionOperationsTest, ControlsOfATableIncludeItsDerivedFieldsAndKeyMapsAreFoundPerTable)
{
    FieldRep* lineKey = AddControl(m_page, m_lineKey);
    AddControl(m_page, m_basicKey);
    auto* derived = new DerivedField(new Field, &m_lines);
    m_page.AddDerivedField(derived);
    FieldRep* derivedControl = AddControl(m_page, derived->GetField());
    AddControl(m_page, nullptr);
    std::vector<FieldRep*> controls{lineKey};
    m_page.GetFieldRepsOfTable(&m_lines, controls);
    EXPECT_EQ((std::vector<FieldRep*>{lineKey, derivedControl}), controls);

    m_page.AddVariableForField(m_basicKey);
    m_page.AddVariableForField(m_lineKey);
    ASSERT_NE(nullptr, m_page.FindKeyFieldVariableMap(&m_lines));
    EXPECT_EQ(m_lineKey, m_page.FindKeyFieldVariableMap(&m_lines)->field);

    FormInterface& base = m_page;
    EXPECT_EQ("Transaction", base.GetClassName());
}

class TransactionReportTest : public TransactionOperationsTest
{
protected:
    TransactionReportTest()
    {
        m_fromPair = new ReportVariableMap{&m_reportFrom, &m_pageFrom};
        m_entry = AddDetailReport(&m_lines, &m_report, {nullptr, m_fromPair});
        m_report.SetName("LineReport");
    }

    ApplicationReport m_report;
    Variable m_reportFrom;
    Variable m_pageFrom;
    ReportVariableMap* m_fromPair;
    DetailTableReport* m_entry;
};

TEST_F(TransactionReportTest, ControlIsMappedWhenASecondVariableNameHoldsItsNameAndVar)
{
    m_pageFrom.SetName("Sum_order_id_Var");
    FieldRep* captioned = AddControl(m_page, nullptr);
    captioned->GetFieldRepData()->SetCaption("order id");

    EXPECT_TRUE(m_page.IsFieldRepMappedToReportVariable(AddControl(m_page, m_linesLink)));
    EXPECT_TRUE(m_page.IsFieldRepMappedToReportVariable(captioned));
    EXPECT_FALSE(m_page.IsFieldRepMappedToReportVariable(AddControl(m_page, m_lineKey)));
    EXPECT_FALSE(m_page.IsFieldRepMappedToReportVariable(nullptr));
}

TEST_F(TransactionOperationsTest, ItListsItsTablesAndItsDetailTableReportsWhichGoWithThem)
{
    AddDetailReport(&m_notes, nullptr, {});
    DetailTableReport* linesReport = AddDetailReport(&m_lines, nullptr, {});
    ReferenceList list;
    list.SetUser([&] { return m_page.GetFormName(); });
    m_page.ListReferences(list);
    EXPECT_EQ(std::vector<CString>{"OrderEntry"}, list.UsersOf({&m_basic}));

    EXPECT_EQ(2, list.Release({&m_notes}));

    EXPECT_EQ(std::vector<Table*>{&m_lines}, m_page.GetDetailTables());
    EXPECT_EQ(std::vector<DetailTableReport*>{linesReport}, m_page.GetDetailTableReports());
    EXPECT_EQ(&m_basic, m_page.GetBasicTable());
}

TEST_F(TransactionReportTest, UsagesOfReportsVariablesAndTablesUntilThePairsAreRemoved)
{
    CString list;
    m_page.CollectReportVariableUsage(&m_pageFrom, list);
    m_page.CollectReportVariableUsage(nullptr, list);
    EXPECT_EQ("OrderEntry_Report variable Mapped with variable", list);
    EXPECT_TRUE(ReferenceList::Reaches(m_page, {&m_report}));
    EXPECT_TRUE(Contains(UsageSet().GetTransactions(), &m_page));

    EXPECT_EQ(&m_report, m_page.FindDetailTableReportByReportId(m_report.GetId()));
    m_page.RemoveReportVariablePairsOf(&m_reportFrom);
    m_page.RemoveReportVariablePairsOf(nullptr);
    EXPECT_EQ((std::vector<ReportVariableMap*>{nullptr, nullptr}), m_entry->GetVariablePairs());
    list.Empty();
    m_page.CollectReportVariableUsage(&m_pageFrom, list);
    EXPECT_TRUE(list.IsEmpty());
}

TEST_F(TransactionReportTest, TableFlagsFollowTheDetailReportsAndGoWithThem)
{
    m_page.SyncTableFlags();
    m_page.SyncTableFlags();
    ASSERT_EQ(1u, m_page.GetTableFlagsList().size());
    EXPECT_EQ(&m_lines, m_page.GetTableFlagsList()[0].table);

    DetailTableReport stranger;
    m_page.RemoveDetailTableReport(&stranger);
    m_page.RemoveDetailTableReport(nullptr);
    EXPECT_EQ(1u, m_page.GetDetailTableReports().size());

    AddDetailReport(&m_notes, &m_report, {});
    m_page.RemoveDetailTableReportsOf(&m_report);
    EXPECT_TRUE(m_page.GetDetailTableReports().empty());
    EXPECT_TRUE(m_page.GetTableFlagsList().empty());
}

TEST(DetailTableReportTest, RemovedPairLeavesANullEntryThatSurvivesSaveAndLoad)
{
    ScopedArchiveVersion version(TheVersionHistory().GetCurrentVersion());
    Variable reportVariable;
    Variable pageVariable;
    DetailTableReport report;
    auto* removed = new ReportVariableMap{&reportVariable, &pageVariable};
    auto* kept = new ReportVariableMap{&reportVariable, &pageVariable};
    report.AddVariablePair(removed);
    report.AddVariablePair(kept);
    ReportVariableMap stranger;

    report.RemoveVariablePair(removed);
    report.RemoveVariablePair(&stranger);
    report.RemoveVariablePair(nullptr);

    EXPECT_EQ((std::vector<ReportVariableMap*>{nullptr, kept}), report.GetVariablePairs());
    std::unique_ptr<DetailTableReport> loaded(LoadObject<DetailTableReport>(SaveObject(&report)));
    ASSERT_EQ(2u, loaded->GetVariablePairs().size());
    EXPECT_EQ(nullptr, loaded->GetVariablePairs()[0]);
    const ReportVariableMap* loadedKept = loaded->GetVariablePairs()[1];
    ASSERT_NE(nullptr, loadedKept);
    std::unique_ptr<Variable> loadedReportVariable(loadedKept->reportVariable);
    std::unique_ptr<Variable> loadedPageVariable(loadedKept->pageVariable);
}

} // namespace
