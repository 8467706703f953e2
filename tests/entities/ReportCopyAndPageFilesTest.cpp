#include "entities/AspFile.h"
#include "entities/Parameter.h"
#include "entities/PieChartData.h"
#include "entities/Variable.h"
#include "tests/entities/ReportTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace
{

int FilesOfKind(const FormInterface& page, int fileKind)
{
    return static_cast<int>(std::ranges::count_if(page.GetAspFiles(),
                                                  [fileKind](const AspFile* file)
                                                  { return file->GetFileKind() == fileKind; }));
}

} // namespace

using ReportCopyTest = ReportTest;

TEST_F(ReportCopyTest, CopyKeepsSettingsAndCallsButNotMappingsChartDataOrGroupContents)
{
    m_report.SetFlag(true);
    m_report.SetPagingRequired(true);
    m_report.SetReportKind(4);
    m_report.SetChartData(5, new PieChartData);
    m_report.SetTable(&m_table);
    m_report.SetTitle("Head");
    m_report.SetColumnLayout(1);
    m_report.SetSubHeader("Sub");
    m_report.SetHasCompanionWithoutLinks(true);
    m_procedure.AddFieldParameter(m_key);
    std::unique_ptr<Variable> pageVariable(NewVariable("key_var"));
    ProcedureInvokation* call = CallOfProcedure(&m_procedure);
    call->AddVariablePair(
        new VariablePair{m_procedure.GetFieldParameterVariableAt(0), pageVariable.get()});
    m_report.SetReportProcedureCall(call);
    auto* classCall = new ClassInvokation;
    classCall->SetFunction(&m_class, &m_function);
    Parameter parameter;
    classCall->AddParameterMap(&parameter, m_price);
    m_report.SetClassCall(classCall);
    ReportGroup* procedureGroup = AddProcedureGroup(&m_procedure);
    procedureGroup->SetHeader("Totals");
    AddFilter(procedureGroup, m_price);
    AddColumn(procedureGroup, m_procedure.GetOutputColumnAt(0));
    AddClassGroup();

    ApplicationReport copy(&m_report);

    EXPECT_EQ("Copy_of_Sales", copy.GetFormName());
    EXPECT_TRUE(copy.IsCopy());
    EXPECT_GT(copy.GetId(), m_report.GetId());
    EXPECT_TRUE(copy.GetFlag() && copy.IsPagingRequired());
    EXPECT_EQ(4, copy.GetReportKind());
    EXPECT_EQ(5, copy.GetChartType());
    EXPECT_EQ(nullptr, copy.GetChartData());
    EXPECT_EQ(&m_table, copy.GetTable());
    EXPECT_EQ("Head", copy.GetTitle());
    EXPECT_EQ(1, copy.GetColumnLayout());
    EXPECT_EQ("", copy.GetSubHeader());
    EXPECT_FALSE(copy.HasCompanionWithoutLinks());
    ASSERT_NE(nullptr, copy.GetReportProcedureCall());
    EXPECT_NE(call, copy.GetReportProcedureCall());
    EXPECT_EQ(&m_procedure, copy.GetReportProcedureCall()->GetProcedure());
    EXPECT_TRUE(copy.GetReportProcedureCall()->GetVariablePairs().empty());
    ASSERT_NE(nullptr, copy.GetClassCall());
    EXPECT_NE(classCall, copy.GetClassCall());
    EXPECT_EQ(&m_function, copy.GetClassCall()->GetFunction());
    EXPECT_EQ(1u, copy.GetClassCall()->GetParameterMaps().size());
    ASSERT_EQ(2u, copy.GetReportGroups().size());
    for (const ReportGroup* group : copy.GetReportGroups())
    {
        EXPECT_EQ(&copy, group->GetReport());
        EXPECT_EQ(nullptr, group->GetProcedureCall());
        EXPECT_TRUE(group->GetFilters().empty() && group->GetReportFields().empty());
        EXPECT_EQ("", group->GetHeader());
    }
    EXPECT_EQ(&m_function, copy.GetReportGroups()[1]->GetClassCall()->GetFunction());
}

TEST_F(ReportCopyTest, CopyOfReportWithoutCallsHasEmptyCalls)
{
    ApplicationReport copy(&m_report);
    ASSERT_NE(nullptr, copy.GetReportProcedureCall());
    EXPECT_EQ(nullptr, copy.GetReportProcedureCall()->GetProcedure());
    ASSERT_NE(nullptr, copy.GetClassCall());
    EXPECT_EQ(nullptr, copy.GetClassCall()->GetFunction());
    EXPECT_TRUE(copy.GetReportGroups().empty());
}

using ReportPageFilesTest = ReportTest;

TEST_F(ReportPageFilesTest, GraphKindOwnsOneClassicExtraFileUntilTheKindChangesAndChartData)
{
    m_report.SetReportKind(3);
    m_report.SetReportKind(3);

    ASSERT_EQ(1, FilesOfKind(m_report, 11));
    const AspFile* extra = m_report.FindAspFileByType(11);
    EXPECT_FALSE(extra->IsAspxFile());
    EXPECT_EQ(AspFile::reportOwner, extra->GetOwnerKind());
    EXPECT_EQ(&m_report, extra->GetOwnerPage());

    m_report.SetChartData(4, new PieChartData);
    m_report.SetReportKind(1);

    EXPECT_EQ(1, m_report.GetReportKind());
    EXPECT_TRUE(m_report.GetAspFiles().empty());
    m_report.DeleteGraphData();
    EXPECT_EQ(nullptr, m_report.GetChartData());
    EXPECT_EQ(0, m_report.GetChartType());
}

TEST_F(ReportPageFilesTest, DefaultFilesFollowTheModeAndTheExtraFileComesForClassicGraphsOrButtons)
{
    m_report.SetReportKind(2);
    m_report.CreateDefaultAspFiles(1);
    m_report.CreateDefaultAspFiles(1);
    ASSERT_EQ(1u, m_report.GetAspFiles().size());
    EXPECT_TRUE(m_report.GetAspFiles()[0]->IsAspxFile());
    EXPECT_EQ(0, m_report.GetAspFiles()[0]->GetFileKind());

    ApplicationReport graph;
    graph.SetReportKind(3);
    const std::unique_ptr<AspFile> extra(graph.FindAspFileByType(11));
    graph.RemoveAspFile(extra.get());
    graph.CreateDefaultAspFiles(1);
    EXPECT_EQ(0, FilesOfKind(graph, 11));
    graph.CreateDefaultAspFiles(0);
    EXPECT_EQ(1, FilesOfKind(graph, 0));
    EXPECT_EQ(1, FilesOfKind(graph, 11));

    ReportGroup* group = AddProcedureGroup(&m_procedure);
    AddColumn(group, m_procedure.GetOutputColumnAt(0));
    m_report.CreateButtonAspFileIfNeeded();
    EXPECT_EQ(nullptr, m_report.FindAspFileByType(11));

    ReportField* button = AddButton(group);
    std::vector<ReportField*> buttons;
    m_report.CollectButtonReportFields(buttons);
    m_report.CreateButtonAspFileIfNeeded();

    EXPECT_EQ(std::vector<ReportField*>{button}, buttons);
    EXPECT_NE(nullptr, m_report.FindAspFileByType(11));
}

TEST_F(ReportPageFilesTest, GroupDeletionIgnoresBadIndexesAndReleasesFilterVariables)
{
    ReportGroup* first = AddProcedureGroup(&m_procedure);
    AddFilter(first, m_price);
    AddClassGroup();
    ASSERT_TRUE(m_report.HasReportVariableForField(m_price));

    m_report.DeleteReportGroupAt(-1);
    m_report.DeleteReportGroupAt(2);
    EXPECT_EQ(2u, m_report.GetReportGroups().size());

    m_report.DeleteReportGroupAt(0);
    EXPECT_EQ(1u, m_report.GetReportGroups().size());
    EXPECT_FALSE(m_report.HasReportVariableForField(m_price));
    m_report.DeleteAllReportGroups();
    EXPECT_TRUE(m_report.GetReportGroups().empty());
}
