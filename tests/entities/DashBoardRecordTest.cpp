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
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace
{

const int currentVersion = TheVersionHistory().GetCurrentVersion();

// Objects that a load made and nothing owns; each is handed over once and freed with the test.
class Unowned
{
public:
    template <class T> T* operator()(T* object)
    {
        m_objects.emplace_back(object);
        return object;
    }

private:
    std::vector<std::unique_ptr<CObject>> m_objects;
};

// The page part of an empty page as files of versions 74 to 82 hold it.
ArchiveBytes& EmptyPagePart(ArchiveBytes& bytes, const std::string& name)
{
    bytes.Str(name).Int(0).Int(0).Int(0); // page files, controls, field-variable maps
    bytes.Int(0).Int(0).Int(2).Int(2);    // pre-links, post-links, their column counts
    // Uniqueness procedures, reference fields, derived fields, record procedures, table flags.
    bytes.Int(0).Int(0).Int(0).Int(0).Int(0);
    return bytes.Null().Int(0); // page procedure call, copy flag
}

template <class T> LoadedRecord<T> LoadParts(std::initializer_list<std::vector<BYTE>> parts)
{
    return LoadWithSentinel<T>(Joined(parts));
}

std::vector<BYTE> Sentinel()
{
    return ArchiveBytes().Int(recordSentinel).Get();
}

} // namespace

TEST(DashBoardRecordTest, CellRoundTripKeepsMenuMapsAndSharedDisplayFields)
{
    ScopedArchiveVersion version(currentVersion);
    Menu menu;
    menu.SetName("Orders");
    Variable target;
    Field amount;
    amount.SetFieldName("amount");
    ProcedureFieldInfo total(&amount, ProcedureFieldInfo::sumAggregate);
    DashBoardCellInfo cell;
    cell.SetCaption("Open orders");
    cell.SetMenu(&menu);
    cell.AddVariableMap(new DashBoardVariableMap{&target, nullptr, &amount});
    cell.AddVariableMap(new DashBoardVariableMap{&target, &target, nullptr});
    cell.AddDisplayField(&total, "Total");
    cell.AddDisplayField(&total);

    const auto loaded = LoadParts<DashBoardCellInfo>({SaveObject(&cell), Sentinel()});
    std::unique_ptr<DashBoardCellInfo> copy(loaded.object);
    Unowned unowned;

    EXPECT_EQ(recordSentinel, loaded.trailer);
    EXPECT_FALSE(copy->IsStaticText());
    EXPECT_EQ("Open orders", copy->GetCaption());
    ASSERT_NE(nullptr, copy->GetMenu());
    EXPECT_EQ("Orders", unowned(copy->GetMenu())->GetName());
    ASSERT_EQ(2u, copy->GetVariableMaps().size());
    const DashBoardVariableMap& first = *copy->GetVariableMaps()[0];
    const DashBoardVariableMap& second = *copy->GetVariableMaps()[1];
    EXPECT_NE(nullptr, unowned(first.target));
    EXPECT_EQ(nullptr, first.sourceVariable);
    EXPECT_EQ(first.target, second.target);
    EXPECT_EQ(first.target, second.sourceVariable);
    EXPECT_EQ(nullptr, second.sourceField);
    ASSERT_EQ(2u, copy->GetDisplayFields().size());
    const FieldCaption& shown = copy->GetDisplayFields()[0];
    ASSERT_TRUE(shown.fieldInfo != nullptr && shown.fieldInfo->GetField() != nullptr);
    EXPECT_EQ(shown.fieldInfo, copy->GetDisplayFields()[1].fieldInfo);
    EXPECT_EQ("Total", shown.caption);
    EXPECT_EQ("", copy->GetDisplayFields()[1].caption);
    EXPECT_EQ(ProcedureFieldInfo::sumAggregate, unowned(shown.fieldInfo)->GetAggregate());
    EXPECT_EQ("amount", unowned(shown.fieldInfo->GetField())->GetFieldName());
    EXPECT_EQ(shown.fieldInfo->GetField(), first.sourceField);
}

TEST(DashBoardRecordTest, CellRecordsBefore24MakeAnOutputColumnPerStoredField)
{
    for (const int fileVersion : {19, 20, 23})
    {
        SCOPED_TRACE(fileVersion);
        ScopedArchiveVersion version(fileVersion);
        const bool hasAggregate = fileVersion >= 20;
        // Classes and objects: cell class 1, cell 2, Field class 3, field 4.
        ArchiveBytes bytes;
        bytes.NewClass("DashBoardCellInfo").Int(7).Str("Totals").Null();
        bytes.Int(1).Null().Null().Null().Int(2).NewClass("Field"); // one map, two fields
        // Name, type, size, precision, reserved, key, foreign key, default.
        bytes.Str("qty").Int(FieldTypeInt).Int(8).Int(0).Int(0).Int(0).Int(0).Str("");
        // Allow null, key column, table, display name, foreign field.
        bytes.Int(1).Int(0).Null().Str("qty").Null();
        if (hasAggregate)
            bytes.Int(ProcedureFieldInfo::maxAggregate).Str("Largest");
        bytes.ObjectRef(4);
        if (hasAggregate)
            bytes.Int(ProcedureFieldInfo::countAggregate).Str("How many");

        const auto loaded = LoadParts<DashBoardCellInfo>({bytes.Get(), Sentinel()});
        std::unique_ptr<DashBoardCellInfo> cell(loaded.object);
        Unowned unowned;

        EXPECT_EQ(recordSentinel, loaded.trailer);
        EXPECT_TRUE(cell->IsStaticText());
        EXPECT_EQ(1u, cell->GetVariableMaps().size());
        const std::vector<FieldCaption>& fields = cell->GetDisplayFields();
        ASSERT_EQ(2u, fields.size());
        // The cell owns the output columns; the field of this sample belongs to no table.
        const ProcedureFieldInfo* first = fields[0].fieldInfo;
        const ProcedureFieldInfo* second = fields[1].fieldInfo;
        ASSERT_TRUE(first != nullptr && second != nullptr && first->GetField() != nullptr);
        EXPECT_NE(first, second);
        EXPECT_EQ("qty", unowned(first->GetField())->GetFieldName());
        EXPECT_EQ(first->GetField(), second->GetField());
        EXPECT_EQ(hasAggregate ? ProcedureFieldInfo::maxAggregate : ProcedureFieldInfo::noAggregate,
                  first->GetAggregate());
        EXPECT_EQ(hasAggregate ? ProcedureFieldInfo::countAggregate
                               : ProcedureFieldInfo::noAggregate,
                  second->GetAggregate());
        EXPECT_EQ(hasAggregate ? "Largest" : "", fields[0].caption);
        EXPECT_EQ(hasAggregate ? "How many" : "", fields[1].caption);
    }
}

TEST(DashBoardRecordTest, DashBoardRoundTripKeepsDataSourcesHeaderAndSharedCellObjects)
{
    ScopedArchiveVersion version(currentVersion);
    Menu menu;
    Variable target;
    DashBoard dashBoard;
    dashBoard.SetName("Sales_Dashboard");
    dashBoard.SetHeader("SALES DASHBOARD");
    dashBoard.SetProcedureInvokation(new ProcedureInvokation);
    dashBoard.SetClassInvokation(new ClassInvokation);
    dashBoard.SetGrid(new Grid(1, 2));
    auto* linked = new DashBoardCellInfo;
    linked->SetMenu(&menu);
    linked->AddVariableMap(new DashBoardVariableMap{&target, nullptr, nullptr});
    auto* note = new DashBoardCellInfo;
    note->AddVariableMap(new DashBoardVariableMap{&target, nullptr, nullptr});
    dashBoard.GetGrid()->GetRows()[0][0]->SetCellData(linked, GridCell::kDashBoardCellInfo);
    dashBoard.GetGrid()->GetRows()[0][1]->SetCellData(note, GridCell::kDashBoardCellInfo);

    std::unique_ptr<DashBoard> copy(LoadObject<DashBoard>(SaveObject(&dashBoard)));
    Unowned unowned;

    EXPECT_EQ("Sales_Dashboard", copy->GetFormName());
    EXPECT_EQ("SALES DASHBOARD", copy->GetHeader());
    EXPECT_NE(nullptr, copy->GetProcedureInvokation());
    EXPECT_NE(nullptr, copy->GetClassInvokation());
    ASSERT_NE(nullptr, copy->GetGrid());
    ASSERT_EQ(1u, copy->GetGrid()->GetRows().size());
    const Grid::Row& row = copy->GetGrid()->GetRows()[0];
    ASSERT_EQ(2u, row.size());
    auto* loadedLinked = dynamic_cast<DashBoardCellInfo*>(row[0]->GetCellData());
    auto* loadedNote = dynamic_cast<DashBoardCellInfo*>(row[1]->GetCellData());
    ASSERT_TRUE(loadedLinked != nullptr && loadedNote != nullptr);
    EXPECT_NE(nullptr, unowned(loadedLinked->GetMenu()));
    EXPECT_TRUE(loadedNote->IsStaticText());
    ASSERT_EQ(1u, loadedLinked->GetVariableMaps().size());
    ASSERT_EQ(1u, loadedNote->GetVariableMaps().size());
    EXPECT_NE(nullptr, unowned(loadedLinked->GetVariableMaps()[0]->target));
    EXPECT_EQ(loadedLinked->GetVariableMaps()[0]->target, loadedNote->GetVariableMaps()[0]->target);
}

TEST(DashBoardRecordTest, DashBoardRecordReadsClassInvocationAfter77AndHeaderAfter80)
{
    for (const int fileVersion : {77, 78, 80, 81})
    {
        SCOPED_TRACE(fileVersion);
        ScopedArchiveVersion version(fileVersion);
        ClassInvokation classInvokation;
        Grid grid;
        ArchiveBytes page;
        EmptyPagePart(page.NewClass("DashBoard"), "Stock").Null();
        const std::vector<BYTE> header = ArchiveBytes().Str("STOCK").Get();
        const std::vector<BYTE> absent;

        const auto loaded =
            LoadParts<DashBoard>({page.Get(), SaveObject(&grid),
                                  fileVersion > 77 ? SaveObject(&classInvokation) : absent,
                                  fileVersion > 80 ? header : absent, Sentinel()});
        std::unique_ptr<DashBoard> dashBoard(loaded.object);

        EXPECT_EQ(recordSentinel, loaded.trailer);
        EXPECT_EQ("Stock", dashBoard->GetFormName());
        EXPECT_EQ(nullptr, dashBoard->GetProcedureInvokation());
        EXPECT_NE(nullptr, dashBoard->GetGrid());
        EXPECT_EQ(fileVersion > 77, dashBoard->GetClassInvokation() != nullptr);
        EXPECT_EQ(fileVersion > 80 ? "STOCK" : "", dashBoard->GetHeader());
    }
}

TEST(DashBoardRecordTest, DashBoardPageRoundTripKeepsPlacementsAndSharedDashBoard)
{
    ScopedArchiveVersion version(currentVersion);
    DashBoard dashBoard;
    Variable first;
    Variable second;
    Field region;
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

    std::unique_ptr<DashBoardPage> copy(LoadObject<DashBoardPage>(SaveObject(&page)));
    Unowned unowned;

    EXPECT_EQ("Orders_Page", copy->GetFormName());
    EXPECT_EQ("ORDERS", copy->GetHeader());
    ASSERT_EQ(2u, copy->GetPlacements().size());
    const DashBoardPageData& one = *copy->GetPlacements()[0];
    const DashBoardPageData& two = *copy->GetPlacements()[1];
    EXPECT_NE(nullptr, unowned(one.GetDashBoard()));
    EXPECT_EQ(one.GetDashBoard(), two.GetDashBoard());
    EXPECT_TRUE(one.GetProcedureInvokation() != nullptr && one.GetClassInvokation() == nullptr);
    EXPECT_TRUE(two.GetProcedureInvokation() == nullptr && two.GetClassInvokation() != nullptr);
    ASSERT_EQ(1u, one.GetVariablePairs().size());
    const VariablePair& pair = *one.GetVariablePairs()[0];
    EXPECT_NE(nullptr, unowned(pair.first));
    EXPECT_NE(nullptr, unowned(pair.second));
    EXPECT_NE(pair.first, pair.second);
    ASSERT_EQ(1u, one.GetVariableMaps().size());
    EXPECT_NE(nullptr, unowned(one.GetVariableMaps()[0]->sourceField));
    EXPECT_EQ(pair.second, one.GetVariableMaps()[0]->target);
    EXPECT_EQ(nullptr, one.GetVariableMaps()[0]->sourceVariable);
    ASSERT_EQ(1u, two.GetVariableMaps().size());
    EXPECT_EQ(pair.second, two.GetVariableMaps()[0]->target);
    EXPECT_EQ(pair.first, two.GetVariableMaps()[0]->sourceVariable);
}

TEST(DashBoardRecordTest, DashBoardPageRecordReadsHeaderAfter79)
{
    for (const int fileVersion : {79, 80})
    {
        SCOPED_TRACE(fileVersion);
        ScopedArchiveVersion version(fileVersion);
        ArchiveBytes bytes;
        EmptyPagePart(bytes.NewClass("DashBoardPage"), "Board").Int(1);
        bytes.NewClass("DashBoardPageData").Null().Null().Int(0).Int(0).Null();
        if (fileVersion > 79)
            bytes.Str("BOARD");

        const auto loaded = LoadParts<DashBoardPage>({bytes.Get(), Sentinel()});
        std::unique_ptr<DashBoardPage> page(loaded.object);

        EXPECT_EQ(recordSentinel, loaded.trailer);
        ASSERT_EQ(1u, page->GetPlacements().size());
        EXPECT_NE(nullptr, page->GetPlacements()[0]);
        EXPECT_EQ(fileVersion > 79 ? "BOARD" : "", page->GetHeader());
    }
}

TEST(DashBoardRecordTest, PlacementRecordReadsMapsInFileOrderAndClassInvocationAfter78)
{
    for (const int fileVersion : {78, 79})
    {
        SCOPED_TRACE(fileVersion);
        ScopedArchiveVersion version(fileVersion);
        ClassInvokation classInvokation;
        // Classes and objects: placement class 1, placement 2, Variable class 3, "a" 4, "b" 5.
        ArchiveBytes bytes;
        bytes.NewClass("DashBoardPageData").Null().Null();
        bytes.Int(1).NewClass("Variable").Str("a").Int(1).Str("").Null();
        bytes.Int(1).Null().ObjectRef(4).ClassRef(3).Str("b").Int(1).Str("");

        const auto loaded = LoadParts<DashBoardPageData>(
            {bytes.Get(), fileVersion > 78 ? SaveObject(&classInvokation) : std::vector<BYTE>(),
             Sentinel()});
        std::unique_ptr<DashBoardPageData> placement(loaded.object);
        Unowned unowned;

        EXPECT_EQ(recordSentinel, loaded.trailer);
        ASSERT_EQ(1u, placement->GetVariablePairs().size());
        const Variable* a = unowned(placement->GetVariablePairs()[0]->first);
        ASSERT_NE(nullptr, a);
        EXPECT_EQ("a", a->GetFieldName());
        ASSERT_EQ(1u, placement->GetVariableMaps().size());
        const DashBoardVariableMap& map = *placement->GetVariableMaps()[0];
        EXPECT_EQ(nullptr, map.sourceField);
        EXPECT_EQ(a, map.target);
        ASSERT_NE(nullptr, map.sourceVariable);
        EXPECT_EQ("b", unowned(map.sourceVariable)->GetFieldName());
        EXPECT_EQ(fileVersion > 78, placement->GetClassInvokation() != nullptr);
    }
}

TEST(DashBoardRecordTest, ChartDataRoundTripsAsTheChartOfAReport)
{
    ScopedArchiveVersion version(currentVersion);
    ColumnGraphData column;
    column.SetCaption("Sales");
    column.SetChartType(1);
    column.SetNumberPrefix("$");
    column.SetSubcaption("per month");
    column.SetXAxisName("Month");
    column.SetYAxisName("Amount");
    column.SetXParameter("month");
    column.SetYParameter("amount");
    PieChartData pie;
    pie.SetParameter("region");

    const std::vector<BYTE> columnBytes = SaveObject(&column);
    const std::vector<BYTE> pieBytes = SaveObject(&pie);
    std::unique_ptr<GraphData> loadedColumn(LoadObject<GraphData>(columnBytes));
    std::unique_ptr<GraphData> loadedPie(LoadObject<GraphData>(pieBytes));

    ASSERT_NE(nullptr, dynamic_cast<ColumnGraphData*>(loadedColumn.get()));
    ASSERT_NE(nullptr, dynamic_cast<PieChartData*>(loadedPie.get()));
    EXPECT_EQ(columnBytes, SaveObject(loadedColumn.get()));
    EXPECT_EQ(pieBytes, SaveObject(loadedPie.get()));
    EXPECT_EQ("Month", static_cast<ColumnGraphData*>(loadedColumn.get())->GetXAxisName());
    EXPECT_EQ("region", static_cast<PieChartData*>(loadedPie.get())->GetParameter());
}

TEST(DashBoardRecordTest, ChartRecordsBefore33KeepTheConstructorValuesOfTheChartPart)
{
    for (const int fileVersion : {32, 33})
    {
        SCOPED_TRACE(fileVersion);
        ScopedArchiveVersion version(fileVersion);
        const bool hasChartPart = fileVersion >= 33;
        const std::vector<BYTE> chartPart =
            hasChartPart ? ArchiveBytes().Str("Caption").Int(5).Str("#").Str("Sub").Get()
                         : std::vector<BYTE>();

        const auto plain = LoadParts<GraphData>(
            {ArchiveBytes().NewClass("GraphData").Get(), chartPart, Sentinel()});
        const auto column = LoadParts<ColumnGraphData>(
            {ArchiveBytes().NewClass("ColumnGraphData").Get(), chartPart,
             ArchiveBytes().Str("x").Str("y").Str("px").Str("py").Get(), Sentinel()});
        const auto pie =
            LoadParts<PieChartData>({ArchiveBytes().NewClass("PieChartData").Get(), chartPart,
                                     ArchiveBytes().Str("p").Get(), Sentinel()});
        const std::unique_ptr<GraphData> charts[] = {std::unique_ptr<GraphData>(plain.object),
                                                     std::unique_ptr<GraphData>(column.object),
                                                     std::unique_ptr<GraphData>(pie.object)};

        const UINT constructorTypes[] = {0, 3, 6};
        for (int i = 0; i < 3; ++i)
        {
            EXPECT_EQ(hasChartPart ? 5u : constructorTypes[i], charts[i]->GetChartType());
            EXPECT_EQ(hasChartPart ? "Caption" : "", charts[i]->GetCaption());
            EXPECT_EQ(hasChartPart ? "#" : "", charts[i]->GetNumberPrefix());
            EXPECT_EQ(hasChartPart ? "Sub" : "", charts[i]->GetSubcaption());
        }
        EXPECT_EQ(recordSentinel, plain.trailer);
        EXPECT_EQ(recordSentinel, column.trailer);
        EXPECT_EQ(recordSentinel, pie.trailer);
        EXPECT_EQ("x", column.object->GetXAxisName());
        EXPECT_EQ("py", column.object->GetYParameter());
        EXPECT_EQ("p", pie.object->GetParameter());
    }
}
