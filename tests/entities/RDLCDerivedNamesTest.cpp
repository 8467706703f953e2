#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/TableAdapter.h"
#include "entities/XSDInfo.h"
#include "tests/entities/RDLCTestSupport.h"

#include <gtest/gtest.h>

namespace
{

// A table-derived report of the module "Sales" over "Orders", with a description of two stale
// entries and a dataset of two adapters, both with status words set.
class DerivedNamesTest : public RDLCProjectTest
{
protected:
    DerivedNamesTest()
    {
        m_orders.SetTableName("Orders");
        AddTypedField(m_orders, "Orders_id", FieldTypeInt);
        m_report.SetModule(m_module);
        m_report.SetTable(&m_orders);
        m_report.SetMode(0);
        m_report.SetRDLCInfo(&m_rdlcInfo);
        m_report.SetXSDInfo(&m_xsdInfo);
        m_rdlcInfo.SetName("old.rdlc");
        m_rdlcInfo.SetStatus(3);
        m_rdlcInfo.AddEntry({"OldSet", "OldAdapter", "Old"});
        m_rdlcInfo.AddEntry({"OtherSet", "OtherAdapter", "Other"});
        m_xsdInfo.SetFilePath("old.xsd");
        m_xsdInfo.SetStatus(3);
        m_xsdInfo.AddTableAdapter(new TableAdapter);
        m_xsdInfo.AddTableAdapter(new TableAdapter);
    }

    void ExpectUnchanged() const
    {
        EXPECT_EQ(m_rdlcInfo.GetName(), "old.rdlc");
        EXPECT_EQ(m_rdlcInfo.GetStatus(), 3);
        EXPECT_EQ(m_rdlcInfo.GetEntries()[0].m_dataSetName, "OldSet");
        EXPECT_EQ(m_xsdInfo.GetName(), "old.xsd");
        EXPECT_EQ(m_xsdInfo.GetStatus(), 3);
        EXPECT_TRUE(m_xsdInfo.GetTableAdapters()[0]->GetCommandText().IsEmpty());
    }

    Table m_orders;
    RDLCInfo m_rdlcInfo;
    XSDInfo m_xsdInfo;
    RDLCReport m_report;
};

TEST_F(DerivedNamesTest, DescriptionTakesPathAndEntriesFromModuleAndTable)
{
    m_report.SetDefaultRDLCInfo();
    EXPECT_EQ(m_rdlcInfo.GetName(), "Sales\\RDLCs\\Orders_SelectAllRecords.rdlc");
    EXPECT_EQ(m_rdlcInfo.GetStatus(), 0);
    for (const RDLCDataSetEntry& entry : m_rdlcInfo.GetEntries())
    {
        EXPECT_EQ(entry.m_dataSetName, "Orders_SelectAllRecords");
        EXPECT_EQ(entry.m_tableAdapterName, "OrdersTableAdapter");
        EXPECT_EQ(entry.m_tableName, "Orders");
    }
    EXPECT_EQ(m_rdlcInfo.GetEntries().size(), 2u);
}

TEST_F(DerivedNamesTest, DatasetTakesPathFirstEntryAndAQueryForEveryAdapter)
{
    m_report.SetDefaultXSDInfo();
    EXPECT_EQ(m_xsdInfo.GetName(), "Sales\\DataSets\\Orders_SelectAllRecords.xsd");
    EXPECT_EQ(m_xsdInfo.GetStatus(), 0);
    EXPECT_EQ(m_rdlcInfo.GetEntries()[0].m_dataSetName, "Orders_SelectAllRecords");
    EXPECT_EQ(m_rdlcInfo.GetEntries()[1].m_dataSetName, "OtherSet");
    for (const TableAdapter* adapter : m_xsdInfo.GetTableAdapters())
    {
        EXPECT_EQ(adapter->GetName(), "OrdersTableAdapter");
        EXPECT_EQ(adapter->GetCommandText(), "SELECT  * FROM Orders WHERE Is_Deleted = 'N'");
    }

    RDLCInfo withoutEntries;
    m_report.SetRDLCInfo(&withoutEntries);
    m_xsdInfo.SetFilePath("old.xsd");
    m_report.SetDefaultXSDInfo();
    EXPECT_EQ(m_xsdInfo.GetName(), "Sales\\DataSets\\Orders_SelectAllRecords.xsd");
}

TEST_F(DerivedNamesTest, BoundReportOrMissingModuleTableOrDescriptionsDeriveNothing)
{
    m_report.SetMode(1);
    m_report.SetDefaultRDLCInfo();
    m_report.SetDefaultXSDInfo();
    ExpectUnchanged();

    m_report.SetMode(0);
    m_report.SetModule(nullptr);
    m_report.SetDefaultRDLCInfo();
    m_report.SetDefaultXSDInfo();
    ExpectUnchanged();

    m_report.SetModule(m_module);
    m_report.SetTable(nullptr);
    m_report.SetDefaultRDLCInfo();
    m_report.SetDefaultXSDInfo();
    m_report.SetDefaultRDLCEntries();
    ExpectUnchanged();

    m_report.SetTable(&m_orders);
    m_report.SetRDLCInfo(nullptr);
    m_report.SetXSDInfo(nullptr);
    m_report.SetDefaultRDLCInfo();
    m_report.SetDefaultXSDInfo();
    ExpectUnchanged();
}

} // namespace
