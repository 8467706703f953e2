#include "entities/DashBoardPage.h"
#include "entities/AspxFile.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/DashBoardPageData.h"
#include "entities/Procedure.h"
#include "entities/Variable.h"
#include "tests/entities/DashBoardTestSupport.h"
#include "tests/support/ListedRelease.h"
#include "tests/support/PageReferences.h"

namespace
{

// The page "Home" placing the dashboards First, Second and Third in that order.
class DashBoardPageTest : public PageOperationsTest
{
protected:
    DashBoardPageTest()
    {
        m_page.SetName("Home");
        m_procedure.SetName("GetTotals");
        for (DashBoard* board : {&m_first, &m_second, &m_third})
            m_page.AddPlacement(new DashBoardPageData(board));
    }

    std::vector<DashBoard*> Order() const
    {
        std::vector<DashBoard*> order;
        for (int index = 0; m_page.GetDashBoardAt(index) != nullptr; ++index)
            order.push_back(m_page.GetDashBoardAt(index));
        return order;
    }

    // The placement of the dashboard calls the procedure, mapping its variable.
    void CallProcedureFrom(const DashBoard* board)
    {
        m_page.SetDashBoardProcedureInvokation(
            board, CallMapping(&m_procedure, &m_procedureVariable, &m_pageVariable));
    }

    DashBoard m_first;
    DashBoard m_second;
    DashBoard m_third;
    DashBoard m_notPlaced;
    Procedure m_procedure;
    Procedure m_otherProcedure;
    Variable m_procedureVariable;
    Variable m_pageVariable;
    DashBoardPage m_page;
};

TEST_F(DashBoardPageTest, MovingSwapsWithTheNeighbourInsideTheListOnlyAndRemovingKeepsTheRest)
{
    m_page.MoveDashBoardUp(0);
    m_page.MoveDashBoardDown(2);
    m_page.MoveDashBoardUp(3);
    m_page.MoveDashBoardDown(-1);
    EXPECT_EQ((std::vector<DashBoard*>{&m_first, &m_second, &m_third}), Order());

    m_page.MoveDashBoardUp(2);
    m_page.MoveDashBoardDown(0);
    EXPECT_EQ((std::vector<DashBoard*>{&m_third, &m_first, &m_second}), Order());
    EXPECT_EQ(nullptr, m_page.GetDashBoardAt(-1));
    EXPECT_FALSE(m_page.ContainsDashBoard(&m_notPlaced));
    EXPECT_FALSE(m_page.ContainsDashBoard(nullptr));

    m_page.RemoveDashBoard(&m_first);
    m_page.RemoveDashBoard(&m_second);
    m_page.RemoveDashBoard(&m_notPlaced);
    EXPECT_EQ(std::vector<DashBoard*>{&m_third}, Order());
    m_page.DeleteAllDashBoards();
    EXPECT_TRUE(m_page.GetPlacements().empty());
}

TEST_F(DashBoardPageTest, OperationsOnADashBoardNotPlacedDoNothing)
{
    VariablePair pair;
    DashBoardVariableMap map;
    ProcedureInvokation call;
    m_page.SetDashBoardProcedureInvokation(&m_notPlaced, &call);
    m_page.AddDashBoardVariablePair(&m_notPlaced, &pair);
    m_page.AddDashBoardVariableMap(&m_notPlaced, &map);
    m_page.RemoveDashBoardProcedureInvokation(&m_notPlaced);
    m_page.RemoveDashBoardVariablePair(&m_notPlaced, &pair);
    m_page.RemoveDashBoardVariableMapAt(&m_notPlaced, 0);

    EXPECT_EQ(nullptr, m_page.FindDashBoardVariableMap(&m_notPlaced, nullptr));
    for (const DashBoardPageData* placement : m_page.GetPlacements())
    {
        EXPECT_EQ(nullptr, placement->GetProcedureInvokation());
        EXPECT_TRUE(placement->GetVariablePairs().empty() && placement->GetVariableMaps().empty());
    }
}

TEST_F(DashBoardPageTest, ProcedureInvocationOfAPlacementIsRemovedWithNullOrItsOwnProcedure)
{
    CallProcedureFrom(&m_second);
    EXPECT_EQ(&m_procedure, m_page.GetDashBoardProcedure(&m_second));
    EXPECT_EQ(nullptr, m_page.GetDashBoardProcedure(&m_first));
    m_page.RemoveDashBoardProcedureInvokation(&m_second);
    EXPECT_EQ(nullptr, m_page.GetDashBoardProcedureInvokation(&m_second));

    DashBoardPageData placement;
    placement.RemoveProcedureInvokation(&m_procedure);
    placement.SetProcedureInvokation(CallOfProcedure(&m_procedure));
    placement.RemoveProcedureInvokation(&m_otherProcedure);
    EXPECT_EQ(&m_procedure, placement.GetProcedure());
    placement.RemoveProcedureInvokation(&m_procedure);
    EXPECT_EQ(nullptr, placement.GetProcedureInvokation());
    placement.SetProcedureInvokation(CallOfProcedure(&m_procedure));
    placement.RemoveProcedureInvokation(nullptr);
    EXPECT_EQ(nullptr, placement.GetProcedureInvokation());
}

TEST_F(DashBoardPageTest, VariablePairsAndMapsOfAPlacementAreRemovedOnlyWhenTheirOwn)
{
    Variable first;
    Variable target;
    auto* pair = new VariablePair{&first, nullptr};
    m_page.AddDashBoardVariablePair(&m_first, pair);
    m_page.AddDashBoardVariableMap(&m_first, new DashBoardVariableMap{&target, nullptr, nullptr});
    auto* map = new DashBoardVariableMap{&first, nullptr, nullptr};
    m_page.AddDashBoardVariableMap(&m_first, map);
    EXPECT_EQ(nullptr, m_page.FindDashBoardVariablePair(&m_second, &first));

    m_page.RemoveDashBoardVariableMapAt(&m_first, 2);
    m_page.RemoveDashBoardVariableMapAt(&m_first, -1);
    m_page.RemoveDashBoardVariableMapAt(&m_first, 0);
    VariablePair stranger{&first, nullptr};
    m_page.RemoveDashBoardVariablePair(&m_first, &stranger);
    EXPECT_EQ(std::vector<DashBoardVariableMap*>{map},
              m_page.GetPlacements()[0]->GetVariableMaps());
    EXPECT_EQ(map, m_page.FindDashBoardVariableMap(&m_first, &first));
    EXPECT_EQ(pair, m_page.FindDashBoardVariablePair(&m_first, &first));
    m_page.RemoveDashBoardVariablePair(&m_first, pair);
    EXPECT_EQ(nullptr, m_page.FindDashBoardVariablePair(&m_first, &first));
}

TEST_F(DashBoardPageTest, PlacementsCallingTheProcedureAreListedAndGiveMappingWarnings)
{
    Variable unmapped;
    EXPECT_TRUE(PageUsersOf(m_page, {&m_procedure}).empty());
    m_procedureVariable.SetName("FromDate");
    CallProcedureFrom(&m_first);
    CallProcedureFrom(&m_third);

    EXPECT_TRUE(PageUsersOf(m_page, {&m_otherProcedure, &unmapped}).empty());
    EXPECT_EQ(PageUsersOf(m_page, {&m_procedure}), std::vector<CString>{"Home"});
    EXPECT_EQ(PageUsersOf(m_page, {&m_procedureVariable}), std::vector<CString>{"Home"});

    m_page.CheckExtraProcedureMapping(&m_otherProcedure);
    EXPECT_TRUE(Warnings().empty());
    m_page.CheckExtraProcedureMapping(&m_procedure);
    EXPECT_EQ(std::vector<CString>{UnmappedFromDateWarning("Home")}, Warnings());

    ReleaseListed(m_page, {&m_procedure});
    EXPECT_TRUE(PageUsersOf(m_page, {&m_procedure, &m_procedureVariable}).empty());
}

template <class Page> void ExpectOneFileOfTheFirstAskedClass(int ownerKind)
{
    for (const int first : {0, 1})
    {
        SCOPED_TRACE(first);
        Page page;
        page.CreateAspFile(first);
        page.CreateAspFile(1 - first);

        ASSERT_EQ(1u, page.GetAspFiles().size());
        const AspFile* file = page.GetAspFiles().front();
        EXPECT_EQ(first == 1, dynamic_cast<const AspxFile*>(file) != nullptr);
        EXPECT_EQ(ownerKind, file->GetOwnerKind());
        EXPECT_EQ(0, file->GetFileKind());
        EXPECT_EQ(&page, file->GetOwnerPage());
    }
}

TEST(DashBoardPageFileTest, OneFileOfTheFirstAskedClassWithTheOwnerKindOfThePage)
{
    ExpectOneFileOfTheFirstAskedClass<DashBoard>(AspFile::dashBoardOwner);
    ExpectOneFileOfTheFirstAskedClass<DashBoardPage>(AspFile::dashBoardPageOwner);
}

} // namespace
