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

TEST(DashBoardRecordTest, DashBoardRoundTripKeepsDataSourcesHeaderAndCellsSharingTheirObjects)
{
    ScopedArchiveVersion version(currentVersion);
    Menu menu;
    menu.SetName("Orders");
    Variable target;
    Field amount;
    amount.SetFieldName("amount");
    ProcedureFieldInfo total(&amount, ProcedureFieldInfo::sumAggregate);
    DashBoard dashBoard;
    dashBoard.SetName("Sales_Dashboard");
    dashBoard.SetHeader("SALES DASHBOARD");
    dashBoard.SetProcedureInvokation(new ProcedureInvokation);
    dashBoard.SetClassInvokation(new ClassInvokation);
    dashBoard.SetGrid(new Grid(1, 2));
    auto* linked = new DashBoardCellInfo;
    linked->SetCaption("Open orders");
    linked->SetMenu(&menu);
    linked->AddVariableMap(new DashBoardVariableMap{&target, nullptr, &amount});
    linked->AddVariableMap(new DashBoardVariableMap{&target, &target, nullptr});
    linked->AddDisplayField(&total, "Total");
    linked->AddDisplayField(&total);
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
    ASSERT_TRUE(copy->GetGrid() != nullptr && copy->GetGrid()->GetRows().size() == 1u);
    const Grid::Row& row = copy->GetGrid()->GetRows()[0];
    ASSERT_EQ(2u, row.size());
    auto* cell = dynamic_cast<DashBoardCellInfo*>(row[0]->GetCellData());
    auto* loadedNote = dynamic_cast<DashBoardCellInfo*>(row[1]->GetCellData());
    ASSERT_TRUE(cell != nullptr && loadedNote != nullptr);
    EXPECT_FALSE(cell->IsStaticText());
    EXPECT_TRUE(loadedNote->IsStaticText());
    EXPECT_EQ("Open orders", cell->GetCaption());
    ASSERT_NE(nullptr, cell->GetMenu());
    EXPECT_EQ("Orders", unowned(cell->GetMenu())->GetName());
    ASSERT_TRUE(cell->GetVariableMaps().size() == 2u && loadedNote->GetVariableMaps().size() == 1u);
    const DashBoardVariableMap& first = *cell->GetVariableMaps()[0];
    const DashBoardVariableMap& second = *cell->GetVariableMaps()[1];
    EXPECT_NE(nullptr, unowned(first.target));
    EXPECT_EQ(nullptr, first.sourceVariable);
    EXPECT_EQ(first.target, second.target);
    EXPECT_EQ(first.target, second.sourceVariable);
    EXPECT_EQ(nullptr, second.sourceField);
    EXPECT_EQ(first.target, loadedNote->GetVariableMaps()[0]->target);
    ASSERT_EQ(2u, cell->GetDisplayFields().size());
    const FieldCaption& shown = cell->GetDisplayFields()[0];
    ASSERT_TRUE(shown.fieldInfo != nullptr && shown.fieldInfo->GetField() != nullptr);
    EXPECT_EQ(shown.fieldInfo, cell->GetDisplayFields()[1].fieldInfo);
    EXPECT_EQ("Total", shown.caption);
    EXPECT_EQ("", cell->GetDisplayFields()[1].caption);
    EXPECT_EQ(ProcedureFieldInfo::sumAggregate, unowned(shown.fieldInfo)->GetAggregate());
    EXPECT_EQ("amount", unowned(shown.fieldInfo->GetField())->GetFieldName());
    EXPECT_EQ(shown.fieldInfo->GetField(), first.sourceField);
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

TEST(DashBoardRecordTest, PageReadsPlacementMapsInFileOrderClassInvocationAfter78AndHeaderAfter79)
{
    for (const int fileVersion : {78, 79, 80})
    {
        SCOPED_TRACE(fileVersion);
        ScopedArchiveVersion version(fileVersion);
        ClassInvokation classInvokation;
        // Classes and objects: page class 1, page 2, placement class 3, placement 4, Variable
        // class 5, "a" 6, "b" 7.
        ArchiveBytes bytes;
        EmptyPagePart(bytes.NewClass("DashBoardPage"), "Board").Int(1);
        bytes.NewClass("DashBoardPageData").Null().Null();
        bytes.Int(1).NewClass("Variable").Str("a").Int(1).Str("").Null();
        bytes.Int(1).Null().ObjectRef(6).ClassRef(5).Str("b").Int(1).Str("");
        const std::vector<BYTE> absent;

        const auto loaded = LoadParts<DashBoardPage>(
            {bytes.Get(), fileVersion > 78 ? SaveObject(&classInvokation) : absent,
             fileVersion > 79 ? ArchiveBytes().Str("BOARD").Get() : absent, Sentinel()});
        std::unique_ptr<DashBoardPage> page(loaded.object);
        Unowned unowned;

        EXPECT_EQ(recordSentinel, loaded.trailer);
        EXPECT_EQ(fileVersion > 79 ? "BOARD" : "", page->GetHeader());
        ASSERT_EQ(1u, page->GetPlacements().size());
        const DashBoardPageData& placement = *page->GetPlacements()[0];
        EXPECT_EQ(fileVersion > 78, placement.GetClassInvokation() != nullptr);
        ASSERT_EQ(1u, placement.GetVariablePairs().size());
        const Variable* a = unowned(placement.GetVariablePairs()[0]->first);
        ASSERT_NE(nullptr, a);
        EXPECT_EQ("a", a->GetFieldName());
        ASSERT_EQ(1u, placement.GetVariableMaps().size());
        const DashBoardVariableMap& map = *placement.GetVariableMaps()[0];
        EXPECT_EQ(nullptr, map.sourceField);
        EXPECT_EQ(a, map.target);
        ASSERT_NE(nullptr, map.sourceVariable);
        EXPECT_EQ("b", unowned(map.sourceVariable)->GetFieldName());
    }
}

TEST(DashBoardRecordTest, ChartRecordsBefore33KeepTheConstructorValuesOfTheChartPart)
{
    struct Chart
    {
        const char* className;
        std::vector<BYTE> ownPart;
        UINT constructorType;
    };
    const Chart charts[] = {
        {"GraphData", {}, 0},
        {"ColumnGraphData", ArchiveBytes().Str("x").Str("y").Str("px").Str("py").Get(), 3},
        {"PieChartData", ArchiveBytes().Str("p").Get(), 6}};
    for (const int fileVersion : {32, 33})
    {
        const bool hasChartPart = fileVersion >= 33;
        const std::vector<BYTE> chartPart =
            hasChartPart ? ArchiveBytes().Str("Caption").Int(5).Str("#").Str("Sub").Get()
                         : std::vector<BYTE>();
        for (const Chart& chart : charts)
        {
            SCOPED_TRACE(testing::Message() << chart.className << " of " << fileVersion);
            ScopedArchiveVersion version(fileVersion);
            const std::vector<BYTE> record =
                Joined({ArchiveBytes().NewClass(chart.className).Get(), chartPart, chart.ownPart});
            const auto loaded = LoadParts<GraphData>({record, Sentinel()});
            std::unique_ptr<GraphData> data(loaded.object);

            EXPECT_EQ(recordSentinel, loaded.trailer);
            EXPECT_EQ(hasChartPart ? 5u : chart.constructorType, data->GetChartType());
            EXPECT_EQ(hasChartPart ? "Caption" : "", data->GetCaption());
            EXPECT_EQ(hasChartPart ? "#" : "", data->GetNumberPrefix());
            EXPECT_EQ(hasChartPart ? "Sub" : "", data->GetSubcaption());
            if (const auto* column = dynamic_cast<const ColumnGraphData*>(data.get()))
            {
                EXPECT_EQ("x", column->GetXAxisName());
                EXPECT_EQ("py", column->GetYParameter());
            }
            if (const auto* pie = dynamic_cast<const PieChartData*>(data.get()))
            {
                EXPECT_EQ("p", pie->GetParameter());
            }
            if (hasChartPart)
            {
                EXPECT_EQ(record, SaveObject(data.get())) << "saving writes what was read";
            }
        }
    }
}
