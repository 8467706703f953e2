#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/MultiPageData.h"
#include "entities/MultiPageReport.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ReportCollector.h"
#include "tests/entities/PageOperationsSupport.h"
#include "tests/support/PageReferences.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{

// Two reports to collect.
class ReportCollectorTest : public ::testing::Test
{
protected:
    ReportCollector m_collector;
    ApplicationReport m_sales;
    ApplicationReport m_stock;
};

// A multi-page report "Overview" of two pages, showing the sales and the stock reports.
class MultiPageReportTest : public PageOperationsTest
{
protected:
    MultiPageReportTest()
    {
        m_multiReport.SetName("Overview");
        m_multiReport.AddPage(new MultiPageData(&m_sales));
        m_multiReport.AddPage(new MultiPageData(&m_stock));
    }

    ApplicationReport m_sales;
    ApplicationReport m_stock;
    ApplicationReport m_absent;
    MultiPageReport m_multiReport;
};

TEST_F(ReportCollectorTest, CollectedReportGetsOneClassicFileInTheCollectorsList)
{
    EXPECT_EQ(m_collector.GetNumColumns(), 2);
    EXPECT_TRUE(m_collector.GetEntries().empty());
    m_collector.AddReport({nullptr, 1, 1});
    EXPECT_TRUE(m_collector.GetEntries().empty());
    EXPECT_TRUE(m_collector.GetAspFiles().empty());

    m_collector.AddReport({&m_sales, 300, 400});
    m_collector.AddReport({&m_sales, 100, 200});

    ASSERT_EQ(m_collector.GetAspFiles().size(), 1u);
    const AspFile* file = m_collector.GetAspFiles()[0];
    EXPECT_FALSE(file->IsAspxFile());
    EXPECT_EQ(file->GetOwnerKind(), AspFile::reportOwner);
    EXPECT_EQ(file->GetFileKind(), 10);
    EXPECT_EQ(file->GetOwnerPage(), &m_sales);
    EXPECT_EQ(m_collector.FindAspFileForReport(&m_sales), file);
    EXPECT_EQ(m_collector.FindAspFileForReport(&m_stock), nullptr);
    ASSERT_EQ(m_collector.GetEntries().size(), 2u);
    EXPECT_EQ(m_collector.GetEntries()[1].m_height, 100);
    EXPECT_EQ(m_collector.GetEntries()[1].m_width, 200);
    EXPECT_TRUE(m_sales.GetAspFiles().empty());
}

TEST_F(ReportCollectorTest, OwnPageFileIsMadeOnceAndRemovingAReportDeletesItsFileAndEntry)
{
    m_collector.AddReport({&m_sales, 1, 1});
    AspFile* file = m_collector.CreateDefaultAspFiles(0);
    EXPECT_FALSE(file->IsAspxFile());
    EXPECT_EQ(file->GetOwnerKind(), AspFile::reportCollectorOwner);
    EXPECT_EQ(file->GetFileKind(), 0);
    EXPECT_EQ(file->GetOwnerPage(), &m_collector);
    EXPECT_EQ(m_collector.CreateDefaultAspFiles(1), file);
    EXPECT_TRUE(ReportCollector().CreateDefaultAspFiles(1)->IsAspxFile());
    m_collector.AddReport({&m_stock, 2, 2});

    m_collector.RemoveReportAt(2);
    m_collector.RemoveReportAt(-1);
    EXPECT_EQ(m_collector.GetEntries().size(), 2u);
    EXPECT_EQ(m_collector.GetAspFiles().size(), 3u);
    m_collector.RemoveReportAt(0);

    ASSERT_EQ(m_collector.GetEntries().size(), 1u);
    EXPECT_EQ(m_collector.GetEntries()[0].m_report, &m_stock);
    EXPECT_EQ((std::vector<AspFile*>{file, m_collector.FindAspFileForReport(&m_stock)}),
              m_collector.GetAspFiles());
}

TEST_F(MultiPageReportTest, PageFileIsMadeOnlyWithoutAnyPageFile)
{
    m_multiReport.CreatePageFile(1);
    ASSERT_EQ(m_multiReport.GetAspFiles().size(), 1u);
    const AspFile* file = m_multiReport.GetAspFiles()[0];
    EXPECT_TRUE(file->IsAspxFile());
    EXPECT_EQ(file->GetOwnerKind(), AspFile::multiPageReportOwner);
    EXPECT_EQ(file->GetFileKind(), 0);
    EXPECT_EQ(file->GetOwnerPage(), &m_multiReport);

    MultiPageReport withOtherFile;
    withOtherFile.AddAspFile(new AspFile);
    withOtherFile.GetAspFiles()[0]->SetFileKind(3);
    withOtherFile.CreatePageFile(0);
    EXPECT_EQ(withOtherFile.GetAspFiles().size(), 1u);
    MultiPageReport classic;
    classic.CreatePageFile(0);
    ASSERT_EQ(classic.GetAspFiles().size(), 1u);
    EXPECT_FALSE(classic.GetAspFiles()[0]->IsAspxFile());
}

TEST_F(MultiPageReportTest, ReportsByIndexAndSwappedPages)
{
    EXPECT_EQ(m_multiReport.GetReportAt(1), &m_stock);
    EXPECT_EQ(m_multiReport.GetReportAt(2), nullptr);
    EXPECT_EQ(m_multiReport.GetReportAt(-1), nullptr);
    EXPECT_TRUE(m_multiReport.HasReport(&m_sales));
    EXPECT_FALSE(m_multiReport.HasReport(&m_absent));
    EXPECT_FALSE(m_multiReport.HasReport(nullptr));

    m_multiReport.SwapPages(0, 2);
    m_multiReport.SwapPages(-1, 1);
    EXPECT_EQ(m_multiReport.GetReportAt(0), &m_sales);

    m_multiReport.SwapPages(1, 0);
    EXPECT_EQ(m_multiReport.GetReportAt(0), &m_stock);
    EXPECT_EQ(m_multiReport.GetReportAt(1), &m_sales);

    m_multiReport.AddPage(nullptr);
    EXPECT_EQ(m_multiReport.GetReportAt(2), nullptr);
    EXPECT_FALSE(m_multiReport.HasReport(&m_absent));
}

TEST_F(MultiPageReportTest, ParameterMappingsFoundByFirstVariable)
{
    Variable input;
    Variable output;
    auto* pair = new VariablePair{&input, &output};
    EXPECT_EQ(m_multiReport.FindParameterMapping(&m_sales, &input), nullptr);
    EXPECT_TRUE(m_multiReport.AddParameterMapping(&m_sales, pair));
    EXPECT_EQ(m_multiReport.FindParameterMapping(&m_sales, &input), pair);
    EXPECT_EQ(m_multiReport.FindParameterMapping(&m_sales, &output), nullptr);
    EXPECT_EQ(m_multiReport.FindParameterMapping(&m_stock, &input), nullptr);
    EXPECT_EQ(m_multiReport.FindParameterMapping(&m_absent, &input), nullptr);

    m_multiReport.RemoveParameterMapping(&m_stock, pair);
    EXPECT_EQ(m_multiReport.FindParameterMapping(&m_sales, &input), pair);
    m_multiReport.RemoveParameterMapping(&m_sales, pair);
    EXPECT_TRUE(m_multiReport.GetPages()[0]->GetParameterPairs().empty());

    auto* refused = new VariablePair{&input, &output};
    EXPECT_FALSE(m_multiReport.AddParameterMapping(&m_absent, refused));
    EXPECT_FALSE(m_multiReport.AddParameterMapping(&m_sales, nullptr));
    delete refused;
}

TEST_F(MultiPageReportTest, FilterControlMadeOncePerOutputField)
{
    Field region;
    ProcedureFieldInfo column(&region, 0);

    EXPECT_TRUE(m_multiReport.AddFilterForOutputField(&column));
    EXPECT_FALSE(m_multiReport.AddFilterForOutputField(&column));

    ASSERT_EQ(m_multiReport.GetFieldReps().size(), 1u);
    EXPECT_EQ(m_multiReport.GetFieldReps()[0]->GetField(), &region);
    EXPECT_NE(m_multiReport.GetFieldReps()[0]->GetFieldRepData(), nullptr);
    ProcedureFieldInfo withoutField;
    EXPECT_FALSE(m_multiReport.AddFilterForOutputField(&withoutField));
    EXPECT_FALSE(m_multiReport.AddFilterForOutputField(nullptr));
    EXPECT_EQ(m_multiReport.GetFieldReps().size(), 1u);
}

TEST_F(MultiPageReportTest, ProcedureCallOfAPageIsFoundByItsReportAndListedAsAReference)
{
    Procedure used;
    Procedure unused;
    m_multiReport.AddPage(nullptr);
    EXPECT_TRUE(m_multiReport.SetProcedureCallForReport(&m_stock, CallOfProcedure(&used)));
    ProcedureInvokation* refused = CallOfProcedure(&used);
    EXPECT_FALSE(m_multiReport.SetProcedureCallForReport(&m_absent, refused));
    delete refused;
    EXPECT_EQ(m_multiReport.GetProcedureForReport(&m_stock), &used);
    EXPECT_EQ(m_multiReport.GetProcedureForReport(&m_sales), nullptr);
    EXPECT_EQ(m_multiReport.GetProcedureForReport(&m_absent), nullptr);

    EXPECT_TRUE(PageUsersOf(m_multiReport, {&unused}).empty());
    EXPECT_EQ(PageUsersOf(m_multiReport, {&used}), std::vector<CString>{"Overview"});

    m_multiReport.DeleteProcedureCallForReport(&m_absent);
    m_multiReport.DeleteProcedureCallForReport(&m_stock);
    EXPECT_EQ(m_multiReport.GetPages()[1]->GetProcedureCall(), nullptr);
}

} // namespace
