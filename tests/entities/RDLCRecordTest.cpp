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

const ArchiveBytes adapter = ArchiveBytes()
                                 .Str("OrdersTableAdapter")
                                 .Str("Text")
                                 .Str("SELECT * FROM Orders")
                                 .Int(1)
                                 .Str("@Id")
                                 .Int(2)
                                 .Str("Id")
                                 .Str("Total");
const ArchiveBytes info = ArchiveBytes()
                              .Str("Sales\\RDLCs\\Orders_SelectAllRecords.rdlc")
                              .Int(1)
                              .Str("Orders_SelectAllRecords")
                              .Str("OrdersTableAdapter")
                              .Str("Orders");

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

// Descriptions and adapters hold status words from 82.
TEST(RDLCRecordTest, DescriptionVersionGates)
{
    ExpectRecordVersions<RDLCInfo>(
        "RDLCInfo", {Always(info), After(81, ArchiveBytes().Int(5), ArchiveBytes().Int(0))});
    ExpectRecordVersions<XSDInfo>(
        "XSDInfo",
        {Always(ArchiveBytes().Str("Orders.xsd").Int(1).NewClass("TableAdapter").Append(adapter)),
         After(81, ArchiveBytes().Int(7), ArchiveBytes().Int(0)),
         After(81, ArchiveBytes().Int(9), ArchiveBytes().Int(0))});
}

// From 82 a report holds its mode, data set and table; the adapters of older files belong to no
// data set.
TEST(RDLCRecordTest, ReportVersionGates)
{
    ExpectRecordVersions<RDLCReport>(
        "RDLCReport",
        PartsOf(PageParts("OrderList"),
                {Always(ArchiveBytes().Str("Orders").NewClass("RDLCInfo").Append(info)),
                 After(81, ArchiveBytes().Int(5), ArchiveBytes().Int(0)),
                 Always(ArchiveBytes().Int(1).NewClass("TableAdapter").Append(adapter)),
                 After(81, ArchiveBytes().Int(7), ArchiveBytes().Int(0)),
                 Always(ArchiveBytes().Int(1).Str("@Id").Null()),
                 After(81,
                       ArchiveBytes()
                           .Int(0)
                           .NewClass("XSDInfo")
                           .Str("Orders.xsd")
                           .Int(1)
                           .ObjectRef(6)
                           .Int(0)
                           .Null(),
                       ArchiveBytes().Int(1).Null().Null())}),
        [](RDLCReport& report)
        {
            ProjectLists lists{report.GetRDLCInfo(), report.GetXSDInfo()};
            if (lists.xsdInfo == nullptr)
                delete report.GetTableAdapterMaps().at(0).m_tableAdapter;
        });
}

TEST(RDLCRecordTest, ReportKeepsMapsAndSharedDescriptionsThroughSaveAndLoad)
{
    ScopedArchiveVersion scoped(CurrentVersion());
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
