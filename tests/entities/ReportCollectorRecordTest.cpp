#include "entities/ApplicationReport.h"
#include "entities/MultiPageData.h"
#include "entities/MultiPageReport.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ReportCollector.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/VersionHistory.h"
#include "tests/entities/ReportRecordBytes.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <memory>

// The collector's part has no version gate of its own: three columns, one report (object 4,
// which the collector does not own) shown twice.
TEST(ReportCollectorRecordTest, VersionGates)
{
    ExpectRecordVersions<ReportCollector>(
        "ReportCollector",
        PartsOf(PartsOf(PageParts("Overview"),
                        {Always(ArchiveBytes().Int(3).Int(2).NewClass("ApplicationReport"))}),
                PartsOf(ReportParts("Sales", 4),
                        {Always(ArchiveBytes().Int(100).Int(200).ObjectRef(4).Int(50).Int(60))})),
        [](ReportCollector& collector) { delete collector.GetEntries().at(0).m_report; });
}

TEST(ReportCollectorRecordTest, ClearFiltersEmptiesControlsAndMaps)
{
    Field field;
    ReportCollector collector;
    collector.AddFieldRep(new FieldRep(&field));
    collector.AddFieldVariableMap(new FieldVariableMap{&field, new Variable});

    collector.ClearFilters();

    EXPECT_TRUE(collector.GetFieldReps().empty());
    EXPECT_TRUE(collector.GetFieldVariableMaps().empty());
    EXPECT_EQ(2, collector.GetNumColumns());
}

TEST(MultiPageReportRecordTest, PagesKeepCallsMappingsAndSharedReferencesThroughSaveAndLoad)
{
    ScopedArchiveVersion scoped(CurrentVersion());
    ApplicationReport report;
    report.SetName("Sales");
    Field field;
    Variable input;
    input.SetName("RegionIn");
    Variable output;
    MultiPageReport multiReport;
    auto* firstPage = new MultiPageData(&report);
    firstPage->SetProcedureCall(new ProcedureInvokation);
    firstPage->AddParameterPair(new VariablePair{&input, &output});
    firstPage->AddFieldMap(new MultiPageFieldMap{&input, &output, &field});
    multiReport.AddPage(firstPage);
    multiReport.AddPage(new MultiPageData(&report));

    const std::vector<BYTE> bytes = SaveObject(&multiReport);
    std::unique_ptr<MultiPageReport> loaded(LoadObject<MultiPageReport>(bytes));
    const MultiPageData* first = loaded->GetPages().at(0);
    std::unique_ptr<ApplicationReport> readReport(first->GetReport());
    const VariablePair* pair = first->GetParameterPairs().at(0);
    std::unique_ptr<Variable> readInput(pair->first);
    std::unique_ptr<Variable> readOutput(pair->second);
    std::unique_ptr<Field> readField(first->GetFieldMaps().at(0)->m_field);

    EXPECT_LT(multiReport.GetId(), loaded->GetId());
    EXPECT_EQ(readReport.get(), loaded->GetPages().at(1)->GetReport());
    EXPECT_EQ(bytes, SaveObject(loaded.get()));
}

// A page's field map is read field first, then its two variables, in every version.
TEST(MultiPageReportRecordTest, PageVersionGates)
{
    const ArchiveBytes second = ArchiveBytes().ClassRef(3).Str("Second").Int(1);
    ExpectRecordVersions<MultiPageData>(
        "MultiPageData",
        {Always(ArchiveBytes()
                    .Null()
                    .Null()
                    .Int(0)
                    .Int(1)
                    .Null()
                    .NewClass("Variable")
                    .Str("First")
                    .Int(1)),
         Until(9, second, ArchiveBytes().Str("").Append(second).Str("")),
         After(9, ArchiveBytes().Str("").Append(second).Str(""))},
        [](MultiPageData& page)
        {
            delete page.GetFieldMaps().at(0)->m_first;
            delete page.GetFieldMaps().at(0)->m_second;
        });
}
