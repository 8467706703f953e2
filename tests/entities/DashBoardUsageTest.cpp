#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/Function.h"
#include "entities/LinkControl.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/Variable.h"
#include "tests/entities/DashBoardTestSupport.h"
#include "tests/support/ListedRelease.h"
#include "tests/support/PageReferences.h"

namespace
{

// The procedure "GetTotals" and a class function, neither of them yet a data source of the
// dashboard.
class DashBoardUsageTest : public DashBoardTest
{
protected:
    DashBoardUsageTest()
    {
        m_procedure.SetName("GetTotals");
        m_dataClass.AddFunction(m_function);
    }

    // The dashboard's data source calls the procedure, mapping its variable.
    void CallProcedure()
    {
        m_board.SetProcedureInvokation(
            CallMapping(&m_procedure, &m_procedureVariable, &m_pageVariable));
    }

    // The dashboard's data source calls the class function.
    ClassInvokation* CallFunction()
    {
        auto* call = new ClassInvokation;
        call->SetFunction(&m_dataClass, m_function);
        m_board.SetClassInvokation(call);
        return call;
    }

    Procedure m_procedure;
    Procedure m_otherProcedure;
    Variable m_procedureVariable;
    Variable m_pageVariable;
    Class m_dataClass;
    Function* m_function = new Function;
};

TEST_F(DashBoardUsageTest, FieldUsedInTheCellsGivesTheDashBoardText)
{
    ProcedureFieldInfo column(m_price, ProcedureFieldInfo::noAggregate);
    PlacePanel(*m_grid, 1, 0)->AddDisplayField(&column);

    EXPECT_EQ("", FirstListedUse(m_board, m_qty));
    EXPECT_EQ("Used in DashBoard : Board", FirstListedUse(m_board, m_price));
    // The cell lets go of the column with its field.
    EXPECT_EQ(1, ReleaseListed(m_board, {m_price}));
    EXPECT_EQ("", FirstListedUse(m_board, m_price));
}

TEST_F(DashBoardUsageTest, TableUsageOnlyThroughTheClassOfTheClassInvocation)
{
    Table other;
    EXPECT_TRUE(PageUsersOf(m_board, {&m_table}).empty());
    CallFunction();
    EXPECT_TRUE(PageUsersOf(m_board, {&m_table}).empty());
    m_dataClass.SetTable(&m_table);
    EXPECT_TRUE(PageUsersOf(m_board, {&other}).empty());

    EXPECT_EQ(std::vector<CString>{"Used in DashBoard : Board"}, PageUsersOf(m_board, {&m_table}));
    EXPECT_EQ(std::vector<CString>{"Board"}, PageUsersOf(m_board, {&m_dataClass}));
    EXPECT_EQ(1, ReleaseListed(m_board, {&m_table}));
    EXPECT_EQ(nullptr, m_board.GetClassInvokation());
}

TEST_F(DashBoardUsageTest, DataSourceProcedureGivesUsageOfItAndItsMappedVariableAndAWarning)
{
    Variable unmapped;
    EXPECT_TRUE(PageUsersOf(m_board, {&m_procedure, &m_procedureVariable}).empty());
    m_procedureVariable.SetName("FromDate");
    CallProcedure();

    EXPECT_TRUE(PageUsersOf(m_board, {&m_otherProcedure, &unmapped}).empty());
    EXPECT_EQ(PageUsersOf(m_board, {&m_procedure}), std::vector<CString>{"Board"});
    EXPECT_EQ(PageUsersOf(m_board, {&m_procedureVariable}), std::vector<CString>{"Board"});

    m_board.CheckExtraProcedureMapping(&m_otherProcedure);
    EXPECT_TRUE(Warnings().empty());
    m_board.CheckExtraProcedureMapping(&m_procedure);
    EXPECT_EQ(std::vector<CString>{UnmappedFromDateWarning("Board")}, Warnings());
}

TEST_F(DashBoardUsageTest, RemovingAProcedureOrFunctionDeletesOnlyTheirOwnDataSource)
{
    ReleaseListed(m_board, {&m_procedure});
    m_board.SetProcedureInvokation(new ProcedureInvokation);
    ReleaseListed(m_board, {&m_procedure});
    ASSERT_NE(nullptr, m_board.GetProcedureInvokation()) << "a call without procedure stays";
    delete m_board.GetProcedureInvokation();
    CallProcedure();
    ReleaseListed(m_board, {&m_otherProcedure});
    EXPECT_NE(nullptr, m_board.GetProcedureInvokation());
    ReleaseListed(m_board, {&m_procedure});
    EXPECT_EQ(nullptr, m_board.GetProcedureInvokation());

    Function other;
    m_board.RemoveFunctionReferences(m_function);
    ClassInvokation* call = CallFunction();
    m_board.RemoveFunctionReferences(&other);
    EXPECT_EQ(call, m_board.GetClassInvokation());
    m_board.RemoveFunctionReferences(m_function);
    EXPECT_EQ(nullptr, m_board.GetClassInvokation());
}

TEST_F(DashBoardUsageTest, CellLinkingTheMenuFilesThePageNameAsErrorUnlessALinkAnswers)
{
    Menu menu;
    Menu other;
    PlacePanel(*NestGrid(*m_grid, 1, 1, 1, 1), 0, 0, &menu);
    EXPECT_FALSE(m_board.CollectMenuLinkUsage(&other));
    EXPECT_TRUE(Errors().empty());
    EXPECT_TRUE(m_board.CollectMenuLinkUsage(&menu));
    EXPECT_EQ(std::vector<CString>{"Board\n"}, Errors());
    EXPECT_TRUE(BoardRecorded());

    auto* link = new LinkControl;
    link->SetTarget(&menu);
    m_board.AddPreLink(link);
    EXPECT_TRUE(m_board.CollectMenuLinkUsage(&menu));
    EXPECT_EQ((std::vector<CString>{"Board\n", "Board\n\tPresent as pre Link"}), Errors());
}

TEST_F(DashBoardUsageTest, RemovingTheMenuUnlinksCellsOfEveryNestedGridAndLinks)
{
    Menu menu;
    Menu other;
    DashBoardCellInfo* linked = PlacePanel(*m_grid, 0, 0, &menu);
    DashBoardCellInfo* deep = PlacePanel(*NestGrid(*m_grid, 1, 1, 1, 1), 0, 0, &menu);
    deep->AddVariableMap(new DashBoardVariableMap);
    // A panel under a cell with content is still stored with the menu.
    DashBoardCellInfo* hidden = PlacePanel(*NestGrid(*m_grid, 0, 0, 1, 1), 0, 0, &menu);
    DashBoardCellInfo* kept = PlacePanel(*m_grid, 1, 0, &other);
    auto* link = new LinkControl;
    link->SetTarget(&menu);
    m_board.AddPostLink(link);
    menu.SetName("Orders List");
    m_board.UpdateMenuCaptionInCells(&menu);
    EXPECT_EQ("Orders List", linked->GetCaption());

    EXPECT_EQ(4, ReleaseListed(m_board, {&menu}));

    for (const DashBoardCellInfo* panel : {linked, deep, hidden})
        EXPECT_EQ(nullptr, panel->GetMenu());
    EXPECT_TRUE(deep->GetVariableMaps().empty());
    EXPECT_EQ(&other, kept->GetMenu());
    EXPECT_EQ(nullptr, link->GetTarget());
    EXPECT_EQ(1u, m_board.GetPostLinkList().size());
}

} // namespace
