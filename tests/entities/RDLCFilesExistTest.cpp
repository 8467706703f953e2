#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/XSDInfo.h"
#include "tests/entities/RDLCTestSupport.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace
{

// The project "Shop" generated into a temporary folder; a report bound to a definition file
// that uses the dataset "Orders_SelectAllRecords", which the project lists.
class FilesExistTest : public RDLCProjectTest
{
protected:
    FilesExistTest()
    {
        m_project.SetProjectPath(m_folder.ModelPath());
        m_rdlcInfo.SetName("Sales\\RDLCs\\Orders.rdlc");
        m_rdlcInfo.AddEntry({"Orders_SelectAllRecords", "OrdersTableAdapter", "Orders"});
        m_xsdInfo->SetFilePath("Sales\\DataSets\\Orders_SelectAllRecords.xsd");
        m_project.AddXSDInfo(m_xsdInfo);
        m_report.SetRDLCInfo(&m_rdlcInfo);
    }

    // Writes a file below the generated project folder, "Shop\Shop".
    void WriteFile(const char* folder, const char* name) const
    {
        const std::filesystem::path path = m_folder.Path() / "Shop" / "Shop" / folder;
        std::filesystem::create_directories(path);
        std::ofstream(path / name) << "x";
    }

    TempFolder m_folder;
    RDLCInfo m_rdlcInfo;
    // Owned by the project.
    XSDInfo* m_xsdInfo = new XSDInfo;
    RDLCReport m_report;
};

TEST_F(FilesExistTest, DefinitionAndTheListedDatasetFileOfEveryEntryMustExist)
{
    WriteFile("Sales/DataSets", "Orders_SelectAllRecords.xsd");
    EXPECT_FALSE(m_report.FilesExist(&m_project));
    WriteFile("Sales/RDLCs", "Orders.rdlc");
    EXPECT_TRUE(m_report.FilesExist(&m_project));
    std::filesystem::remove(m_folder.Path() /
                            "Shop/Shop/Sales/DataSets/Orders_SelectAllRecords.xsd");
    EXPECT_FALSE(m_report.FilesExist(&m_project));

    WriteFile("Sales/DataSets", "Orders_SelectAllRecords.xsd");
    m_rdlcInfo.AddEntry({"Customers_SelectAllRecords", "CustomersTableAdapter", "Customers"});
    EXPECT_FALSE(m_report.FilesExist(&m_project)) << "an entry without listed dataset";
}

TEST_F(FilesExistTest, DescriptionWithoutEntriesNeedsOnlyTheDefinitionFile)
{
    RDLCInfo bare;
    bare.SetName("Sales\\RDLCs\\Bare.rdlc");
    m_report.SetRDLCInfo(&bare);
    EXPECT_FALSE(m_report.FilesExist(&m_project));
    WriteFile("Sales/RDLCs", "Bare.rdlc");
    EXPECT_TRUE(m_report.FilesExist(&m_project));
}

TEST_F(FilesExistTest, TableDerivedReportAnswersTrueAtOnceAndWithoutDescriptionOrProjectFalse)
{
    WriteFile("Sales/RDLCs", "Orders.rdlc");
    WriteFile("Sales/DataSets", "Orders_SelectAllRecords.xsd");
    EXPECT_FALSE(m_report.FilesExist(nullptr));
    ForgeonProject withoutSettings;
    EXPECT_FALSE(m_report.FilesExist(&withoutSettings));
    m_report.SetRDLCInfo(nullptr);
    EXPECT_FALSE(m_report.FilesExist(&m_project));

    m_report.SetMode(0);
    EXPECT_TRUE(m_report.FilesExist(&m_project));
    EXPECT_TRUE(m_report.FilesExist(nullptr));
}

} // namespace
