#include "entities/AspFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/Function.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/TableAdapter.h"
#include "entities/XSDInfo.h"
#include "model/EventRecmpFields.h"
#include "model/Table.h"
#include "tests/entities/PageOperationsSupport.h"
#include "tests/support/ListedRelease.h"
#include "tests/support/PageReferences.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace
{

// The report "Sales" with two adapters of a dataset "Shop\DataSets\Orders_Set.xsd" and a
// description that uses that dataset.
class RDLCReportOperationsTest : public PageOperationsTest
{
protected:
    RDLCReportOperationsTest()
    {
        m_report.SetName("Sales");
        m_orders.SetName("OrdersTableAdapter");
        m_lines.SetName("LinesTableAdapter");
        m_dataSet.SetFilePath("Shop\\DataSets\\Orders_Set.xsd");
        m_dataSet.AddTableAdapter(new TableAdapter);
        m_rdlcInfo.AddEntry({"Orders_Set", "OrdersTableAdapter", "Orders"});
        m_rdlcInfo.AddEntry({"Lines_Set", "LinesTableAdapter", "Lines"});
    }

    bool Recorded() const
    {
        return std::ranges::count(UsageSet().GetRDLCReports(), &m_report) == 1;
    }

    // The list holds the one entry of the report, which is recorded.
    void ExpectOneUsageEntry(const CString& list) const
    {
        EXPECT_EQ(list, "Used in RDLCReport : Sales\n");
        EXPECT_TRUE(Recorded());
    }

    Field m_field;
    TableAdapter m_orders;
    TableAdapter m_lines;
    XSDInfo m_dataSet;
    RDLCInfo m_rdlcInfo;
    RDLCReport m_report;
};

// A class bound to the table and an invocation of it.
struct ClassCall
{
    explicit ClassCall(Table* table)
    {
        dataClass.SetTable(table);
        call->SetFunction(&dataClass, &function);
    }
    Class dataClass;
    Function function;
    ClassInvokation* call = new ClassInvokation;
};

TEST_F(RDLCReportOperationsTest, ColumnMapKeepsOnePairPerColumn)
{
    m_report.AddTableAdapterColumnMap(&m_orders, {"@Id", &m_field});
    m_report.AddTableAdapterColumnMap(&m_orders, {"@Id", nullptr});
    m_report.AddTableAdapterColumnMap(&m_orders, {"@id", nullptr});
    m_report.AddTableAdapterColumnMap(&m_lines, {"@Id", nullptr});

    ASSERT_EQ(m_report.GetTableAdapterMaps().size(), 2u);
    const TableAdapterMap* orders = m_report.GetTableAdapterMapAt(0);
    ASSERT_EQ(orders->m_pairs.size(), 2u);
    EXPECT_EQ(orders->m_pairs[0].m_field, &m_field);
    EXPECT_EQ(orders->m_pairs[1].m_column, "@id");
    EXPECT_TRUE(m_report.IsTableAdapterColumnMapped(&m_orders, "@id"));
    EXPECT_FALSE(m_report.IsTableAdapterColumnMapped(&m_orders, "@ID"));
    EXPECT_EQ(m_report.GetTableAdapterMapAt(1)->m_tableAdapter, &m_lines);
}

TEST_F(RDLCReportOperationsTest, MapLookupsByAdapterOrNameIgnoringCaseSkipMapsWithoutAdapter)
{
    m_report.AddTableAdapterMap({nullptr, {}});
    m_report.AddTableAdapterMap({&m_orders, {}});
    m_report.AddTableAdapterColumnMap(&m_lines, {"@Line", nullptr});
    TableAdapter unmapped;

    EXPECT_EQ(m_report.FindTableAdapterMapIndex(&m_lines), 2);
    EXPECT_EQ(m_report.FindTableAdapterMapIndex(&unmapped), -1);
    EXPECT_EQ(m_report.FindTableAdapterMapIndexByName("linestableadapter"), 2);
    EXPECT_EQ(m_report.FindTableAdapterMapIndexByName("OrdersTableAdapter"), 1);
    EXPECT_EQ(m_report.FindTableAdapterMapIndexByName("Other"), -1);
    EXPECT_FALSE(m_report.IsTableAdapterMapEmpty(&m_lines));
    EXPECT_FALSE(m_report.HasTableAdapterMap(&unmapped));
    EXPECT_TRUE(m_report.IsTableAdapterMapEmpty(&unmapped));
    EXPECT_FALSE(m_report.IsTableAdapterColumnMapped(&unmapped, "@Line"));
    EXPECT_EQ(m_report.GetTableAdapterMapAt(-1), nullptr);
    EXPECT_EQ(m_report.GetTableAdapterMapAt(3), nullptr);

    m_report.RemoveTableAdapterMapAt(-1);
    m_report.RemoveTableAdapterMapAt(3);
    m_report.RemoveTableAdapterMapAt(0);
    ASSERT_EQ(m_report.GetTableAdapterMaps().size(), 2u);
    EXPECT_EQ(m_report.GetTableAdapterMapAt(0)->m_tableAdapter, &m_orders);
}

TEST_F(RDLCReportOperationsTest, DescriptionLookupsTolerateBadIndexesAndUnnamedAdapters)
{
    m_rdlcInfo.SetName("Shop\\RDLCs\\Orders.rdlc");
    EXPECT_EQ(m_report.FindRDLCInfoByName("Shop\\RDLCs\\Orders.rdlc"), nullptr);
    EXPECT_EQ(m_report.FindXSDInfoByName(m_dataSet.GetName()), nullptr);
    m_report.SetRDLCInfo(&m_rdlcInfo);
    m_report.SetXSDInfo(&m_dataSet);
    EXPECT_EQ(m_report.FindRDLCInfoByName("Shop\\RDLCs\\Orders.rdlc"), &m_rdlcInfo);
    EXPECT_EQ(m_report.FindRDLCInfoByName("shop\\rdlcs\\orders.rdlc"), nullptr);
    EXPECT_EQ(m_report.FindXSDInfoByName("Shop\\DataSets\\Orders_Set.xsd"), &m_dataSet);
    EXPECT_EQ(m_report.FindXSDInfoByName("Orders_Set.xsd"), nullptr);

    EXPECT_EQ(m_rdlcInfo.GetEntryAt(2), nullptr);
    EXPECT_EQ(m_rdlcInfo.GetEntryAt(-1), nullptr);
    EXPECT_EQ(m_rdlcInfo.FindEntryIndexByTableName("Lines"), 1);
    EXPECT_EQ(m_rdlcInfo.FindEntryIndexByTableName("lines"), -1);
    m_orders.AddParameterName("@Id");
    m_orders.AddColumnName("Total");
    EXPECT_TRUE(m_orders.GetParameterAt(1).IsEmpty());
    EXPECT_TRUE(m_orders.GetColumnAt(-1).IsEmpty());

    auto* adapter = new TableAdapter;
    adapter->SetName("OrdersTableAdapter");
    m_dataSet.AddTableAdapter(nullptr);
    m_dataSet.AddTableAdapter(adapter);
    EXPECT_EQ(m_dataSet.FindTableAdapter("OrdersTableAdapter"), adapter);
    EXPECT_EQ(m_dataSet.FindTableAdapter("orderstableadapter"), nullptr);
    EXPECT_EQ(m_dataSet.FindTableAdapterNoCase("orderstableadapter"), adapter);
}

TEST_F(RDLCReportOperationsTest, DefaultPageFileIsMadeOnce)
{
    AspFile* file = m_report.CreateDefaultAspFiles(1);

    ASSERT_EQ(m_report.GetAspFiles().size(), 1u);
    EXPECT_TRUE(file->IsAspxFile());
    EXPECT_EQ(file->GetOwnerKind(), AspFile::rdlcReportOwner);
    EXPECT_EQ(file->GetFileKind(), 0);
    EXPECT_EQ(file->GetOwnerPage(), &m_report);
    EXPECT_EQ(m_report.CreateDefaultAspFiles(0), file);
    EXPECT_EQ(m_report.GetAspFiles().size(), 1u);

    RDLCReport classic;
    EXPECT_FALSE(classic.CreateDefaultAspFiles(0)->IsAspxFile());
}

TEST_F(RDLCReportOperationsTest, FieldUsedByControlOrByParameterPair)
{
    EXPECT_EQ("", FirstListedUse(m_report, &m_field));

    m_report.AddTableAdapterColumnMap(&m_orders, {"@Id", &m_field});
    m_report.AddTableAdapterColumnMap(&m_orders, {"@Key", &m_field});
    EXPECT_EQ("Sales_Report", FirstListedUse(m_report, &m_field));

    Field shown;
    AddControl(m_report, &shown);
    EXPECT_EQ("Sales_Report", FirstListedUse(m_report, &shown));
    // Each pair goes with the field.
    EXPECT_EQ(2, ReleaseListed(m_report, {&m_field}));
    EXPECT_EQ("", FirstListedUse(m_report, &m_field));
}

TEST_F(RDLCReportOperationsTest, TableUsedAsReportTableOrThroughControlClassCall)
{
    Table orders;
    Table other;
    EXPECT_TRUE(PageUsersOf(m_report, {&orders}).empty());

    m_report.SetTable(&orders);
    const std::vector<CString> named{"Used in RDLCReport : Sales"};
    EXPECT_EQ(named, PageUsersOf(m_report, {&orders}));

    ClassCall call(&other);
    AddControl(m_report, nullptr)->GetFieldRepData()->SetDataCall(call.call);
    EXPECT_EQ(named, PageUsersOf(m_report, {&other}));
    EXPECT_EQ(named, PageUsersOf(m_report, {&orders, &other}));
    // Its other references keep the report's name.
    EXPECT_EQ(std::vector<CString>{"Sales"}, PageUsersOf(m_report, {&call.dataClass}));
}

TEST_F(RDLCReportOperationsTest, ClassCallsOfTheTableAreReleasedThroughTheList)
{
    Table orders;
    Table other;
    ClassCall direct(&orders);
    ClassCall kept(nullptr);
    ClassCall onEvent(&orders);
    FieldRepData* directData = AddControl(m_report, nullptr)->GetFieldRepData();
    directData->SetDataCall(direct.call);
    FieldRepData* keptData = AddControl(m_report, nullptr)->GetFieldRepData();
    keptData->SetDataCall(kept.call);
    FieldRepData* eventData = AddControl(m_report, nullptr)->GetFieldRepData();
    eventData->SetDataCall(new ClassInvokation);
    auto* events = new EventRecmpFields;
    events->AddClassRecompute(nullptr);
    events->GetClassRecomputes()[0]->classInvokation = onEvent.call;
    eventData->AddEventRecmpFields(events);

    EXPECT_EQ(2, ReleaseListed(m_report, {&orders}));

    EXPECT_EQ(directData->GetDataCall(), nullptr);
    EXPECT_EQ(keptData->GetDataCall(), kept.call);
    EXPECT_TRUE(events->GetClassRecomputes().empty());
    EXPECT_NE(eventData->GetDataCall(), nullptr);
    delete onEvent.call;
}

TEST_F(RDLCReportOperationsTest, DescriptionUsageRemovalAndDatasetUseThroughEntryOrAdapterMap)
{
    CString list;
    RDLCInfo other;
    EXPECT_FALSE(m_report.CollectXSDInfoUsage(&m_dataSet, list));
    m_report.SetRDLCInfo(&m_rdlcInfo);
    EXPECT_FALSE(m_report.CollectRDLCInfoUsage(&other, list));
    EXPECT_FALSE(m_report.CollectRDLCInfoUsage(nullptr, list));
    EXPECT_FALSE(m_report.CollectXSDInfoUsage(nullptr, list));
    EXPECT_TRUE(m_report.CollectRDLCInfoUsage(&m_rdlcInfo, list));
    ExpectOneUsageEntry(list);
    EXPECT_TRUE(m_report.CollectXSDInfoUsage(&m_dataSet, list));
    EXPECT_EQ(list, "Used in RDLCReport : Sales\nUsed in RDLCReport : Sales\n");

    XSDInfo unnamed;
    auto* adapter = new TableAdapter;
    unnamed.AddTableAdapter(nullptr);
    unnamed.AddTableAdapter(adapter);
    m_report.AddTableAdapterMap({nullptr, {}});
    EXPECT_FALSE(m_report.CollectXSDInfoUsage(&unnamed, list));
    m_report.AddTableAdapterColumnMap(adapter, {"@Id", nullptr});
    EXPECT_TRUE(m_report.CollectXSDInfoUsage(&unnamed, list));

    m_report.RemoveRDLCInfoReference(&other);
    EXPECT_EQ(m_report.GetRDLCInfo(), &m_rdlcInfo);
    m_report.RemoveRDLCInfoReference(&m_rdlcInfo);
    EXPECT_EQ(m_report.GetRDLCInfo(), nullptr);
}

TEST_F(RDLCReportOperationsTest, DatasetRemovalErasesItsMapsAndEntries)
{
    TableAdapter* inDataSet = m_dataSet.GetTableAdapters()[0];
    m_report.AddTableAdapterMap({nullptr, {}});
    m_report.AddTableAdapterColumnMap(inDataSet, {"@Id", nullptr});
    m_report.AddTableAdapterColumnMap(&m_lines, {"@Id", nullptr});
    m_report.SetRDLCInfo(&m_rdlcInfo);

    m_report.RemoveXSDInfoTableAdapterMaps(&m_dataSet);
    m_report.RemoveXSDInfoEntries(&m_dataSet);

    ASSERT_EQ(m_report.GetTableAdapterMaps().size(), 2u);
    EXPECT_EQ(m_report.GetTableAdapterMapAt(0)->m_tableAdapter, nullptr);
    EXPECT_EQ(m_report.GetTableAdapterMapAt(1)->m_tableAdapter, &m_lines);
    ASSERT_EQ(m_rdlcInfo.GetEntries().size(), 1u);
    EXPECT_EQ(m_rdlcInfo.GetEntries()[0].m_dataSetName, "Lines_Set");

    m_report.SetRDLCInfo(nullptr);
    m_report.RemoveXSDInfoEntries(&m_dataSet);
    m_report.RemoveXSDInfoTableAdapterMaps(nullptr);
    EXPECT_EQ(m_report.GetTableAdapterMaps().size(), 2u);
}

// A report of the user's is on a table when every data set it names, its own dataset file (the
// last part of its path, whatever its case) and its definition's entries, is the table's, and it
// names the table's data set when any is.
TEST_F(RDLCReportOperationsTest, AUsersReportIsOnTheTableWhoseDataSetIsEveryOneItNames)
{
    struct Case
    {
        const char* name;
        const char* file;
        bool withLayout;
        std::vector<const char*> entries;
        bool onTable;
        bool namesDataSet;
    };
    const Case cases[] = {
        {"nothing", nullptr, false, {}, false, false},
        {"a definition without entries", nullptr, true, {}, false, false},
        {"its own file", "Shop\\DataSets\\orders_selectallrecords.XSD", false, {}, true, true},
        {"its file and an empty definition", "Orders_SelectAllRecords.xsd", true, {}, true, true},
        {"a file named so only at its end",
         "Shop\\DataSets\\MyOrders_SelectAllRecords.xsd",
         false,
         {},
         false,
         false},
        {"entries of the table's",
         nullptr,
         true,
         {"Orders_SelectAllRecords", "ORDERS_SELECTALLRECORDS"},
         true,
         true},
        {"an entry of another",
         nullptr,
         true,
         {"Orders_SelectAllRecords", "Lines_SelectAllRecords"},
         false,
         true},
        {"another file",
         "Shop\\DataSets\\Lines_SelectAllRecords.xsd",
         true,
         {"Orders_SelectAllRecords"},
         false,
         true},
        {"the file and other entries",
         "Shop\\DataSets\\Orders_SelectAllRecords.xsd",
         true,
         {"Lines_SelectAllRecords"},
         false,
         true},
    };
    Table orders;
    orders.SetTableName("Orders");
    for (const Case& test : cases)
    {
        XSDInfo file;
        RDLCInfo layout;
        RDLCReport report;
        if (test.file != nullptr)
        {
            file.SetFilePath(test.file);
            report.SetXSDInfo(&file);
        }
        for (const char* entry : test.entries)
            layout.AddEntry({entry, "", ""});
        if (test.withLayout)
            report.SetRDLCInfo(&layout);

        EXPECT_EQ(report.IsBuiltOnTable(&orders), test.onTable) << test.name;
        EXPECT_EQ(report.NamesDataSet(RDLCReport::DataSetNameOf(orders)), test.namesDataSet)
            << test.name;
    }
}

// The data set leaves the report: the maps of the adapters of the files given and of its own
// file of the data set, which need not be among them, that file and the entries of the data set.
TEST_F(RDLCReportOperationsTest, ADroppedDataSetTakesItsFilesMapsItsOwnFileAndItsEntries)
{
    XSDInfo listed;
    listed.SetFilePath("Shop\\DataSets\\Orders_SelectAllRecords.xsd");
    listed.AddTableAdapter(new TableAdapter);
    m_dataSet.SetFilePath("Old\\DataSets\\orders_selectallrecords.xsd");
    m_report.SetXSDInfo(&m_dataSet);
    m_rdlcInfo.AddEntry({"ORDERS_SelectAllRecords", "OrdersTableAdapter", "Orders"});
    m_report.SetRDLCInfo(&m_rdlcInfo);
    m_report.AddTableAdapterColumnMap(m_dataSet.GetTableAdapters()[0], {"@Id", nullptr});
    m_report.AddTableAdapterColumnMap(&m_lines, {"@Id", nullptr});
    m_report.AddTableAdapterColumnMap(listed.GetTableAdapters()[0], {"@Id", nullptr});

    m_report.DropDataSet("Orders_SelectAllRecords", {&listed});

    ASSERT_EQ(m_report.GetTableAdapterMaps().size(), 1u);
    EXPECT_EQ(m_report.GetTableAdapterMapAt(0)->m_tableAdapter, &m_lines);
    EXPECT_EQ(m_report.GetXSDInfo(), nullptr);
    ASSERT_EQ(m_rdlcInfo.GetEntries().size(), 2u);
    EXPECT_EQ(m_rdlcInfo.GetEntries()[0].m_dataSetName, "Orders_Set");
    EXPECT_EQ(m_rdlcInfo.GetEntries()[1].m_dataSetName, "Lines_Set");

    // Its own file of another data set stays with the maps of its adapters.
    m_report.SetXSDInfo(&m_dataSet);
    m_dataSet.SetFilePath("Shop\\DataSets\\Lines_SelectAllRecords.xsd");
    m_report.AddTableAdapterColumnMap(m_dataSet.GetTableAdapters()[0], {"@Id", nullptr});
    m_report.DropDataSet("Orders_SelectAllRecords", {});
    EXPECT_EQ(m_report.GetXSDInfo(), &m_dataSet);
    EXPECT_EQ(m_report.GetTableAdapterMaps().size(), 2u);
}

} // namespace
