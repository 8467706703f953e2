#include "entities/ClassInvokation.h"
#include "entities/ColumnGraphData.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/DashBoardPage.h"
#include "entities/DashBoardPageData.h"
#include "entities/Grid.h"
#include "entities/GridCell.h"
#include "entities/Menu.h"
#include "entities/PieChartData.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "tests/entities/DashBoardTestSupport.h"
#include "tests/entities/PageTestSupport.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <memory>

// Files before 24 name the field of each shown column itself, with an aggregate and a caption
// from 20; the cell makes and owns an output column for each.
TEST(DashBoardRecordTest, CellVersionGates)
{
    const int none = ProcedureFieldInfo::noAggregate;
    const int max = ProcedureFieldInfo::maxAggregate;
    const int count = ProcedureFieldInfo::countAggregate;
    const ArchiveBytes column = ArchiveBytes().NewClass("ProcedureFieldInfo").Null();
    ExpectRecordVersions<DashBoardCellInfo>(
        "DashBoardCellInfo",
        {Always(ArchiveBytes().Int(1).Str("Totals").Null().Int(1).Null().Null().Null()),
         Until(19, ArchiveBytes().Int(2).Null().Null(),
               ArchiveBytes()
                   .Int(2)
                   .Append(column)
                   .Int(none)
                   .Str("")
                   .Str("")
                   .ClassRef(3)
                   .Null()
                   .Int(none)
                   .Str("")
                   .Str("")),
         Between(19, 23,
                 ArchiveBytes().Int(2).Null().Int(max).Str("Most").Null().Int(count).Str("Count"),
                 ArchiveBytes()
                     .Int(2)
                     .Append(column)
                     .Int(max)
                     .Str("")
                     .Str("Most")
                     .ClassRef(3)
                     .Null()
                     .Int(count)
                     .Str("")
                     .Str("Count")),
         After(23, ArchiveBytes().Int(1).Null().Str("Total"))});
}

TEST(DashBoardRecordTest, DashBoardVersionGates)
{
    ExpectRecordVersions<DashBoard>(
        "DashBoard", PartsOf(PageParts("Stock"),
                             {Always(ArchiveBytes().Null().Null()),
                              After(77, ArchiveBytes().Null(), ArchiveBytes().Null()),
                              After(80, ArchiveBytes().Str("STOCK"), ArchiveBytes().Str(""))}));
}

TEST(DashBoardRecordTest, PageVersionGates)
{
    ExpectRecordVersions<DashBoardPage>(
        "DashBoardPage", PartsOf(PageParts("Board"),
                                 {Always(ArchiveBytes()
                                             .Int(1)
                                             .NewClass("DashBoardPageData")
                                             .Null()
                                             .Null()
                                             .Int(1)
                                             .Null()
                                             .Null()
                                             .Int(1)
                                             .Null()
                                             .Null()
                                             .Null()),
                                  After(78, ArchiveBytes().Null(), ArchiveBytes().Null()),
                                  After(79, ArchiveBytes().Str("BOARD"), ArchiveBytes().Str(""))}));
}

// Charts of files before 33 keep the values their constructors give.
TEST(DashBoardRecordTest, ChartVersionGates)
{
    const struct
    {
        const char* className;
        std::vector<BYTE> ownPart;
        int constructorType;
    } charts[] = {{"GraphData", {}, 0},
                  {"ColumnGraphData", ArchiveBytes().Str("x").Str("y").Str("px").Str("py"), 3},
                  {"PieChartData", ArchiveBytes().Str("p"), 6}};
    for (const auto& chart : charts)
    {
        SCOPED_TRACE(chart.className);
        ExpectRecordVersions<GraphData>(
            chart.className,
            {After(32, ArchiveBytes().Str("Caption").Int(5).Str("#").Str("Sub"),
                   ArchiveBytes().Str("").Int(chart.constructorType).Str("").Str("")),
             Always(chart.ownPart)});
    }
}

// Saving the read dashboard writes the same bytes: every object shared between the data source,
// the cells and their maps came back shared.
TEST(DashBoardRecordTest, DashBoardRoundTripKeepsSharedObjects)
{
    ScopedArchiveVersion version(CurrentVersion());
    Menu menu;
    Variable target;
    Field amount;
    amount.SetFieldName("amount");
    amount.SetDisplayName("amount");
    ProcedureFieldInfo total(&amount, ProcedureFieldInfo::sumAggregate);
    DashBoard dashBoard;
    dashBoard.SetName("Sales_Dashboard");
    dashBoard.SetHeader("SALES DASHBOARD");
    dashBoard.SetProcedureInvokation(new ProcedureInvokation);
    dashBoard.SetClassInvokation(new ClassInvokation);
    dashBoard.SetGrid(new Grid(1, 2));
    DashBoardCellInfo* linked = PlacePanel(*dashBoard.GetGrid(), 0, 0, &menu);
    linked->SetCaption("Open orders");
    linked->AddVariableMap(new DashBoardVariableMap{&target, nullptr, &amount});
    linked->AddVariableMap(new DashBoardVariableMap{&target, &target, nullptr});
    linked->AddDisplayField(&total, "Total");
    linked->AddDisplayField(&total);
    PlacePanel(*dashBoard.GetGrid(), 0, 1)
        ->AddVariableMap(new DashBoardVariableMap{&target, nullptr, nullptr});

    const std::vector<BYTE> bytes = SaveObject(&dashBoard);
    std::unique_ptr<DashBoard> copy(LoadObject<DashBoard>(bytes));
    EXPECT_EQ(bytes, SaveObject(copy.get()));
    const auto* cell =
        dynamic_cast<DashBoardCellInfo*>(copy->GetGrid()->GetCellAt(0, 0)->GetCellData());
    ASSERT_NE(nullptr, cell);
    const FieldCaption& shown = cell->GetDisplayFields().at(0);
    std::unique_ptr<Menu> loadedMenu(cell->GetMenu());
    std::unique_ptr<Variable> loadedTarget(cell->GetVariableMaps().at(0)->target);
    std::unique_ptr<Field> loadedAmount(shown.fieldInfo->GetField());
    std::unique_ptr<ProcedureFieldInfo> loadedTotal(shown.fieldInfo);
}

TEST(DashBoardRecordTest, PageRoundTripKeepsPlacementsAndTheSharedDashBoard)
{
    ScopedArchiveVersion version(CurrentVersion());
    DashBoard dashBoard;
    Variable first;
    Variable second;
    Field region;
    region.SetDisplayName("region");
    DashBoardPage page;
    page.SetName("Orders_Page");
    page.SetHeader("ORDERS");
    auto* withProcedure = new DashBoardPageData(&dashBoard);
    withProcedure->SetProcedureInvokation(new ProcedureInvokation);
    withProcedure->AddVariablePair(new VariablePair{&first, &second});
    withProcedure->AddVariableMap(new DashBoardVariableMap{&second, nullptr, &region});
    auto* withClass = new DashBoardPageData(&dashBoard);
    withClass->SetClassInvokation(new ClassInvokation);
    withClass->AddVariableMap(new DashBoardVariableMap{&second, &first, nullptr});
    page.AddPlacement(withProcedure);
    page.AddPlacement(withClass);

    const std::vector<BYTE> bytes = SaveObject(&page);
    std::unique_ptr<DashBoardPage> copy(LoadObject<DashBoardPage>(bytes));
    EXPECT_EQ(bytes, SaveObject(copy.get()));
    const DashBoardPageData& one = *copy->GetPlacements().at(0);
    std::unique_ptr<DashBoard> loadedBoard(one.GetDashBoard());
    std::unique_ptr<Variable> loadedFirst(one.GetVariablePairs().at(0)->first);
    std::unique_ptr<Variable> loadedSecond(one.GetVariablePairs().at(0)->second);
    std::unique_ptr<Field> loadedRegion(one.GetVariableMaps().at(0)->sourceField);
}
