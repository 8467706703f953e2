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

std::unique_ptr<ApplicationReport> SavedAndLoaded(const ApplicationReport& report)
{
    return std::unique_ptr<ApplicationReport>(LoadObject<ApplicationReport>(SaveObject(&report)));
}

} // namespace

TEST(ApplicationReportRecordTest, VersionGates)
{
    ExpectRecordVersions<ApplicationReport>("ApplicationReport", ReportParts("Sales"));
    ExpectRecordVersions<ApplicationReport>("ApplicationReport", ReportParts("Sales", 2, 0, 1));
}

TEST(ApplicationReportRecordTest,
     ReportWithGroupsKeepsItsObjectsAndSharedReferencesThroughSaveAndLoad)
{
    ScopedArchiveVersion scoped(CurrentVersion());
    Table table;
    table.SetTableName("Orders");
    table.EnsureDefaultFields();
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

    const std::vector<BYTE> bytes = SaveObject(&report);
    std::unique_ptr<ApplicationReport> loaded(LoadObject<ApplicationReport>(bytes));
    const ReportGroup* first = loaded->GetReportGroups().at(0);
    std::unique_ptr<Table> readTable(loaded->GetTable());
    std::unique_ptr<ProcedureFieldInfo> readInfo(first->GetHeaderValue());
    std::unique_ptr<Variable> readVariable(first->GetReportFields()[0]->GetBindings()[0]->m_target);

    EXPECT_LT(report.GetId(), loaded->GetId());
    EXPECT_EQ(loaded.get(), loaded->GetReportGroups().at(1)->GetReport());
    EXPECT_EQ(bytes, SaveObject(loaded.get()));
}

TEST(ApplicationReportRecordTest, ChartDataIsReadAsTheClassItsChartTypeAsksFor)
{
    ScopedArchiveVersion scoped(CurrentVersion());
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
