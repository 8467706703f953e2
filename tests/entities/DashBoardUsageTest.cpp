#include "entities/AspFile.h"
#include "entities/AspxFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/Function.h"
#include "entities/LinkControl.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/Variable.h"
#include "tests/entities/DashBoardTestSupport.h"

namespace
{

class DashBoardUsageTest : public DashBoardTest
{
protected:
    DashBoardUsageTest() { m_procedure.SetName("GetTotals"); }

    // The dashboard's data source calls the procedure, mapping its variable.
    void CallProcedure()
    {
        m_board.SetProcedureInvokation(
            CallMapping(&m_procedure, &m_procedureVariable, &m_pageVariable));
    }

    Procedure m_procedure;
    Procedure m_otherProcedure;
    Variable m_procedureVariable;
    Variable m_pageVariable;
};

TEST_F(DashBoardUsageTest, FieldUsedInTheCellsGivesTheDashBoardText)
{
    ProcedureFieldInfo column(m_price, ProcedureFieldInfo::noAggregate);
    PlacePanel(*m_grid, 1, 0)->AddDisplayField(&column);
    CString list = "before\n";

    EXPECT_FALSE(m_board.CollectFieldUsage(m_qty, list));
    EXPECT_EQ("before\n", list);
    EXPECT_TRUE(UsageSet().GetDashBoards().empty());

    EXPECT_TRUE(m_board.CollectFieldUsage(m_price, list));
    EXPECT_EQ("before\nUsed in DashBoard : Board\n", list);
    EXPECT_TRUE(BoardRecorded());
}

TEST_F(DashBoardUsageTest, TableUsageOnlyThroughTheClassOfTheClassInvocation)
{
    Table other;
    Class dataClass;
    auto* function = new Function;
    dataClass.AddFunction(function);
    CString list;
    m_board.CollectTableUsage(&m_table, list);
    EXPECT_EQ("", list);

    auto* call = new ClassInvokation;
    call->SetFunction(&dataClass, function);
    m_board.SetClassInvokation(call);
    m_board.CollectTableUsage(&m_table, list);
    EXPECT_EQ("", list);

    dataClass.SetTable(&m_table);
    m_board.CollectTableUsage(&other, list);
    EXPECT_EQ("", list);
    m_board.CollectTableUsage(&m_table, list);
    EXPECT_EQ("Used in DashBoard : Board\n", list);
    EXPECT_TRUE(BoardRecorded());
}

TEST_F(DashBoardUsageTest, ProcedureAndItsMappedVariableAreUsedByTheDataSource)
{
    Variable unmapped;
    CString list;
    EXPECT_FALSE(m_board.CollectExtraProcedureUsage(&m_procedure, list));
    EXPECT_FALSE(
        m_board.CollectExtraProcedureVariableUsage(&m_procedure, &m_procedureVariable, list));
    CallProcedure();

    EXPECT_FALSE(m_board.CollectExtraProcedureUsage(&m_otherProcedure, list));
    EXPECT_FALSE(m_board.CollectExtraProcedureVariableUsage(&m_procedure, &unmapped, list));
    EXPECT_EQ("", list);
    EXPECT_TRUE(m_board.CollectExtraProcedureUsage(&m_procedure, list));
    EXPECT_TRUE(BoardRecorded());
    EXPECT_TRUE(
        m_board.CollectExtraProcedureVariableUsage(&m_procedure, &m_procedureVariable, list));
    EXPECT_EQ("Board\nBoard\n", list);
}

TEST_F(DashBoardUsageTest, MappingCheckRunsOnTheDataSourceOfTheProcedure)
{
    m_procedureVariable.SetName("FromDate");
    CallProcedure();

    m_board.CheckExtraProcedureMapping(&m_otherProcedure);
    EXPECT_TRUE(Warnings().empty());

    m_board.CheckExtraProcedureMapping(&m_procedure);
    EXPECT_EQ(std::vector<CString>{UnmappedFromDateWarning("Board")}, Warnings());
}

TEST_F(DashBoardUsageTest, RemovingTheProcedureDeletesOnlyItsOwnDataSource)
{
    m_board.RemoveProcedureReferences(&m_procedure);
    m_board.SetProcedureInvokation(new ProcedureInvokation);
    CString list;
    EXPECT_FALSE(m_board.CollectExtraProcedureUsage(nullptr, list));
    m_board.RemoveProcedureReferences(nullptr);
    ASSERT_NE(nullptr, m_board.GetProcedureInvokation()) << "a call without procedure stays";
    delete m_board.GetProcedureInvokation();
    CallProcedure();

    m_board.RemoveProcedureReferences(&m_otherProcedure);
    EXPECT_NE(nullptr, m_board.GetProcedureInvokation());
    m_board.RemoveProcedureReferences(&m_procedure);
    EXPECT_EQ(nullptr, m_board.GetProcedureInvokation());
}

TEST_F(DashBoardUsageTest, RemovingTheFunctionDeletesTheClassInvocationOfIt)
{
    Class dataClass;
    auto* function = new Function;
    dataClass.AddFunction(function);
    Function other;
    m_board.RemoveFunctionReferences(function);
    auto* call = new ClassInvokation;
    call->SetFunction(&dataClass, function);
    m_board.SetClassInvokation(call);

    m_board.RemoveFunctionReferences(&other);
    EXPECT_EQ(call, m_board.GetClassInvokation());
    m_board.RemoveFunctionReferences(function);
    EXPECT_EQ(nullptr, m_board.GetClassInvokation());
}

TEST_F(DashBoardUsageTest, CellLinkingTheMenuFilesThePageNameAsError)
{
    Menu menu;
    Menu other;
    PlacePanel(*NestGrid(*m_grid, 1, 1, 1, 1), 0, 0, &menu);

    EXPECT_FALSE(m_board.CollectMenuLinkUsage(&other));
    EXPECT_TRUE(Errors().empty());

    EXPECT_TRUE(m_board.CollectMenuLinkUsage(&menu));
    EXPECT_EQ(std::vector<CString>{"Board\n"}, Errors());
    EXPECT_TRUE(BoardRecorded());
}

TEST_F(DashBoardUsageTest, PageLinkFindingTheMenuAnswersWithoutAskingTheCells)
{
    Menu menu;
    PlacePanel(*m_grid, 0, 0, &menu);
    auto* link = new LinkControl;
    link->SetTarget(&menu);
    m_board.AddPreLink(link);

    EXPECT_TRUE(m_board.CollectMenuLinkUsage(&menu));

    EXPECT_EQ(std::vector<CString>{"Board\n\tPresent as pre Link"}, Errors());
    EXPECT_TRUE(BoardRecorded());
}

TEST_F(DashBoardUsageTest, RemovingTheMenuUnlinksCellsAndLinksButKeepsOtherCells)
{
    Menu menu;
    Menu other;
    Variable target;
    DashBoardCellInfo* linked = PlacePanel(*m_grid, 0, 0, &menu);
    linked->AddVariableMap(new DashBoardVariableMap{&target, nullptr, m_price});
    DashBoardCellInfo* deep = PlacePanel(*NestGrid(*m_grid, 0, 1, 1, 1), 0, 0, &menu);
    DashBoardCellInfo* otherCell = PlacePanel(*m_grid, 1, 0, &other);
    otherCell->AddVariableMap(new DashBoardVariableMap{&target, nullptr, m_price});
    auto* link = new LinkControl;
    link->SetTarget(&menu);
    m_board.AddPostLink(link);

    menu.SetName("Orders List");
    m_board.UpdateMenuCaptionInCells(&menu);
    EXPECT_EQ("Orders List", deep->GetCaption());

    m_board.RemoveMenuReferences(&menu);

    EXPECT_EQ(nullptr, linked->GetMenu());
    EXPECT_TRUE(linked->GetVariableMaps().empty());
    EXPECT_EQ(nullptr, deep->GetMenu());
    EXPECT_EQ(&other, otherCell->GetMenu());
    EXPECT_EQ(1u, otherCell->GetVariableMaps().size());
    EXPECT_EQ(nullptr, link->GetTarget());
    EXPECT_EQ(1u, m_board.GetPostLinkList().size());
}

TEST(DashBoardPageFileTest, OneFileOfTheAskedClassWithOwnerKindFour)
{
    DashBoard aspx;
    aspx.CreateAspFile(1);
    aspx.CreateAspFile(0);
    ASSERT_EQ(1u, aspx.GetAspFiles().size());
    const AspFile* file = aspx.GetAspFiles().front();
    EXPECT_NE(nullptr, dynamic_cast<const AspxFile*>(file));
    EXPECT_EQ(AspFile::dashBoardOwner, file->GetOwnerKind());
    EXPECT_EQ(0, file->GetFileKind());
    EXPECT_EQ(&aspx, file->GetOwnerPage());

    DashBoard classic;
    classic.CreateAspFile(0);
    ASSERT_EQ(1u, classic.GetAspFiles().size());
    EXPECT_EQ(nullptr, dynamic_cast<const AspxFile*>(classic.GetAspFiles().front()));
}

} // namespace
