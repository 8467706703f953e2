#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/TableAdapter.h"
#include "entities/XSDInfo.h"
#include "model/Field.h"
#include "model/Table.h"
#include "model/VersionHistory.h"
#include "tests/entities/ReportRecordBytes.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{

const int currentVersion = TheVersionHistory().GetCurrentVersion();

// An adapter with status word 7 after version 81.
ArchiveBytes& AppendAdapterRecord(ArchiveBytes& bytes, int version)
{
    bytes.Str("OrdersTableAdapter").Str("Text").Str("SELECT * FROM Orders");
    bytes.Int(1).Str("@Id").Int(2).Str("Id").Str("Total");
    return version > 81 ? bytes.Int(7) : bytes;
}

// A description with one entry and status word 5 after version 81.
ArchiveBytes& AppendRDLCInfoRecord(ArchiveBytes& bytes, int version)
{
    bytes.Str("Sales\\RDLCs\\Orders_SelectAllRecords.rdlc").Int(1);
    bytes.Str("Orders_SelectAllRecords").Str("OrdersTableAdapter").Str("Orders");
    return version > 81 ? bytes.Int(5) : bytes;
}

// Deletes the description objects that the project, not the report, owns.
struct ProjectLists
{
    ~ProjectLists()
    {
        delete rdlcInfo;
        delete xsdInfo;
    }
    RDLCInfo* rdlcInfo = nullptr;
    XSDInfo* xsdInfo = nullptr;
};

} // namespace

TEST(RDLCRecordTest, DescriptionsReadTheirStatusWordsAfterVersion81)
{
    for (int version : {81, 82})
    {
        SCOPED_TRACE(version);
        ScopedArchiveVersion scoped(version);
        ArchiveBytes infoBytes;
        AppendRDLCInfoRecord(infoBytes.NewClass("RDLCInfo"), version).Int(recordSentinel);
        auto info = LoadWithSentinel<RDLCInfo>(infoBytes.Get());
        std::unique_ptr<RDLCInfo> ownedInfo(info.object);
        ArchiveBytes dataSetBytes;
        dataSetBytes.NewClass("XSDInfo").Str("Sales\\DataSets\\Orders.xsd").Int(1);
        AppendAdapterRecord(dataSetBytes.NewClass("TableAdapter"), version);
        if (version > 81)
            dataSetBytes.Int(9);
        auto dataSet = LoadWithSentinel<XSDInfo>(dataSetBytes.Int(recordSentinel).Get());
        std::unique_ptr<XSDInfo> ownedDataSet(dataSet.object);
        const TableAdapter* adapter = dataSet.object->GetTableAdapters().at(0);

        EXPECT_EQ(recordSentinel, info.trailer);
        EXPECT_EQ("OrdersTableAdapter", info.object->GetEntries().at(0).m_tableAdapterName);
        EXPECT_EQ("Orders", info.object->GetEntries()[0].m_tableName);
        EXPECT_EQ(version > 81 ? 5 : 0, info.object->GetStatus());
        EXPECT_EQ(recordSentinel, dataSet.trailer);
        EXPECT_EQ(version > 81 ? 9 : 0, dataSet.object->GetStatus());
        EXPECT_EQ("SELECT * FROM Orders", adapter->GetCommandText());
        EXPECT_EQ(std::vector<CString>{"@Id"}, adapter->GetParameterNames());
        EXPECT_EQ((std::vector<CString>{"Id", "Total"}), adapter->GetColumnNames());
        EXPECT_EQ(version > 81 ? 7 : 0, adapter->GetStatus());
    }
}

TEST(RDLCRecordTest, ReportReadsModeDataSetAndTableAfterVersion81)
{
    for (int version : {81, 82, currentVersion})
    {
        SCOPED_TRACE(version);
        ScopedArchiveVersion scoped(version);
        ArchiveBytes bytes;
        AppendPageRecord(bytes.NewClass("RDLCReport"), version, "OrderList", false).Str("Orders");
        AppendRDLCInfoRecord(bytes.NewClass("RDLCInfo"), version).Int(1); // object 4, one map
        AppendAdapterRecord(bytes.NewClass("TableAdapter"), version);     // object 6
        bytes.Int(1).Str("@Id").Null();
        if (version > 81)
            bytes.Int(0).NewClass("XSDInfo").Str("Orders.xsd").Int(1).ObjectRef(6).Int(0).Null();
        auto loaded = LoadWithSentinel<RDLCReport>(bytes.Int(recordSentinel).Get());
        std::unique_ptr<RDLCReport> report(loaded.object);
        ProjectLists lists{report->GetRDLCInfo(), report->GetXSDInfo()};
        const TableAdapterMap& map = report->GetTableAdapterMaps().at(0);
        std::unique_ptr<TableAdapter> unlisted(version > 81 ? nullptr : map.m_tableAdapter);

        EXPECT_EQ(recordSentinel, loaded.trailer);
        EXPECT_EQ("Orders", report->GetHeader());
        EXPECT_NE(nullptr, lists.rdlcInfo);
        EXPECT_EQ("@Id", map.m_pairs.at(0).m_column);
        EXPECT_EQ(version > 81 ? 0 : 1, report->GetMode());
        EXPECT_EQ(version > 81, lists.xsdInfo != nullptr);
        if (lists.xsdInfo != nullptr)
        {
            EXPECT_EQ(map.m_tableAdapter, lists.xsdInfo->GetTableAdapters()[0]);
        }
    }
}

TEST(RDLCRecordTest, ReportKeepsMapsAndSharedDescriptionsThroughSaveAndLoad)
{
    ScopedArchiveVersion scoped(currentVersion);
    Table table;
    table.SetTableName("Orders");
    table.EnsureDefaultFields();
    Field field;
    field.SetFieldName("Id");
    field.SetDisplayName("Id");
    ProjectLists source{new RDLCInfo, new XSDInfo};
    source.rdlcInfo->SetName("Orders.rdlc");
    source.rdlcInfo->AddEntry({"Orders_SelectAllRecords", "OrdersTableAdapter", "Orders"});
    source.xsdInfo->SetFilePath("Orders.xsd");
    auto* adapter = new TableAdapter;
    adapter->SetName("OrdersTableAdapter");
    source.xsdInfo->AddTableAdapter(adapter);
    RDLCReport report;
    report.SetHeader("Orders");
    report.SetRDLCInfo(source.rdlcInfo);
    report.SetXSDInfo(source.xsdInfo);
    report.SetMode(0);
    report.SetTable(&table);
    report.AddTableAdapterMap({adapter, {{"@Id", &field}, {"@From", &field}}});

    const std::vector<BYTE> bytes = SaveObject(&report);
    std::unique_ptr<RDLCReport> loaded(LoadObject<RDLCReport>(bytes));
    ProjectLists read{loaded->GetRDLCInfo(), loaded->GetXSDInfo()};
    std::unique_ptr<Table> readTable(loaded->GetTable());
    const TableAdapterMap& map = loaded->GetTableAdapterMaps().at(0);
    std::unique_ptr<Field> readField(map.m_pairs.at(0).m_field);

    EXPECT_LT(report.GetId(), loaded->GetId());
    EXPECT_EQ(read.xsdInfo->GetTableAdapters().at(0), map.m_tableAdapter);
    EXPECT_EQ(readField.get(), map.m_pairs.at(1).m_field);
    EXPECT_EQ(bytes, SaveObject(loaded.get()));
}
