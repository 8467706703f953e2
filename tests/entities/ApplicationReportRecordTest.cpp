#include "entities/ApplicationReport.h"
#include "entities/ClassInvokation.h"
#include "entities/ColumnGraphData.h"
#include "entities/PieChartData.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "entities/Variable.h"
#include "model/Table.h"
#include "model/VersionHistory.h"
#include "platform/core/CException.h"
#include "tests/entities/ReportRecordBytes.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{

const int currentVersion = TheVersionHistory().GetCurrentVersion();

ArchiveBytes FilledReport(int version, int gridFlag = 5)
{
    ArchiveBytes bytes;
    AppendReportRecord(bytes.NewClass("ApplicationReport"), version, "Sales", true, gridFlag);
    return bytes;
}

std::unique_ptr<ApplicationReport> SavedAndLoaded(const ApplicationReport& report)
{
    return std::unique_ptr<ApplicationReport>(LoadObject<ApplicationReport>(SaveObject(&report)));
}

} // namespace

TEST(ApplicationReportRecordTest, EveryGateReadsExactlyTheFieldsOfItsVersion)
{
    for (int version :
         {27, 28, 29, 30, 31, 32, 58, 59, 62, 63, 68, 69, 74, 75, 78, 79, currentVersion})
    {
        SCOPED_TRACE(version);
        const ArchiveBytes record = FilledReport(version);
        const auto report = ReadRecordAndSentinel<ApplicationReport>(record, version);

        EXPECT_EQ("Sales", report->GetFormName());
        EXPECT_TRUE(report->GetFlag());
        EXPECT_EQ(version > 27 ? 3 : 2, report->GetReportKind());
        EXPECT_EQ(1, report->GetColumnLayout());
        EXPECT_EQ(version > 27, report->IsPagingRequired());
        EXPECT_EQ(version > 58 ? "Sub" : "", report->GetSubHeader());
        EXPECT_EQ(version > 62, report->HasCompanionWithoutLinks());
        EXPECT_EQ(version > 74 ? "Head" : "", report->GetTitle());
        EXPECT_EQ(version > 78, report->GetClassCall() != nullptr);
        ASSERT_EQ(1u, report->GetReportGroups().size());
        EXPECT_EQ(report.get(), report->GetReportGroups()[0]->GetReport());
        EXPECT_EQ(version > 29 ? "Totals" : "", report->GetReportGroups()[0]->GetHeader());
        if (version == currentVersion)
        {
            EXPECT_EQ(record.Get(), SaveObject(report.get())) << "saving writes what was read";
        }
    }
    EXPECT_EQ(1,
              ReadRecordAndSentinel<ApplicationReport>(FilledReport(27, 0), 27)->GetReportKind());
}

TEST(ApplicationReportRecordTest,
     ReportWithGroupsKeepsItsObjectsAndSharedReferencesThroughSaveAndLoad)
{
    ScopedArchiveVersion scoped(currentVersion);
    Table table;
    table.SetTableName("Orders");
    Variable variable;
    variable.SetName("OrderId");
    ProcedureFieldInfo fieldInfo;
    ApplicationReport report;
    report.SetName("OrderReport");
    report.SetTable(&table);
    report.SetReportProcedureCall(new ProcedureInvokation);
    report.SetClassCall(new ClassInvokation);
    report.SetChartData(2, new ColumnGraphData);
    for (const char* header : {"First", "Second"})
    {
        auto* group = new ReportGroup(&report, new ClassInvokation);
        group->SetHeader(header);
        auto* column = new ReportField;
        column->AddBinding(new ReportFieldBinding{&variable, nullptr, nullptr, nullptr});
        group->AddReportField(column);
        report.AddReportGroup(group);
    }
    report.GetReportGroups()[0]->SetHeaderValue(&fieldInfo);
    report.GetReportGroups()[1]->SetNextProcKey(&fieldInfo);

    auto loaded = SavedAndLoaded(report);
    const ReportGroup* first = loaded->GetReportGroups().at(0);
    const ReportGroup* second = loaded->GetReportGroups().at(1);
    std::unique_ptr<Table> readTable(loaded->GetTable());
    std::unique_ptr<ProcedureFieldInfo> readInfo(first->GetHeaderValue());
    std::unique_ptr<Variable> readVariable(first->GetReportFields()[0]->GetBindings()[0]->m_target);

    EXPECT_LT(report.GetId(), loaded->GetId());
    EXPECT_EQ("OrderReport", loaded->GetFormName());
    EXPECT_EQ("Orders", readTable->GetTableName());
    EXPECT_NE(nullptr, loaded->GetReportProcedureCall());
    EXPECT_NE(nullptr, loaded->GetClassCall());
    EXPECT_EQ(2, loaded->GetChartType());
    EXPECT_NE(nullptr, dynamic_cast<ColumnGraphData*>(loaded->GetChartData()));
    EXPECT_EQ("First", first->GetHeader());
    EXPECT_EQ("Second", second->GetHeader());
    EXPECT_EQ(loaded.get(), second->GetReport());
    EXPECT_NE(nullptr, second->GetClassCall());
    EXPECT_NE(nullptr, readInfo);
    EXPECT_EQ(readInfo.get(), second->GetNextProcKey());
    EXPECT_EQ("OrderId", readVariable->GetFieldName());
    EXPECT_EQ(readVariable.get(), second->GetReportFields()[0]->GetBindings()[0]->m_target);
}

TEST(ApplicationReportRecordTest, ChartDataIsReadAsTheClassItsChartTypeAsksFor)
{
    ScopedArchiveVersion scoped(currentVersion);
    ApplicationReport pie;
    pie.SetChartData(5, new PieChartData);
    EXPECT_NE(nullptr, dynamic_cast<PieChartData*>(SavedAndLoaded(pie)->GetChartData()));

    ApplicationReport plain;
    plain.SetChartData(7, new GraphData);
    EXPECT_NE(nullptr, SavedAndLoaded(plain)->GetChartData());

    ApplicationReport mismatched;
    mismatched.SetChartData(2, new PieChartData);
    EXPECT_THROW(SavedAndLoaded(mismatched), CArchiveException);
}
