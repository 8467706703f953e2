#pragma once

#include "designers/logic/RDLCAssigner.h"
#include "designers/logic/RDLCDesignerHost.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/TableAdapter.h"
#include "entities/XSDInfo.h"
#include "model/ProjectSettings.h"
#include "tests/designers/logic/ReportFixture.h"
#include "tests/support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <string>

// Records what the RDLC designer asks of the window; "Select RDLC for" picks the definition at
// pickRDLC of those the web project file lists.
class RecordingRDLCHost : public RDLCDesignerHost
{
public:
    explicit RecordingRDLCHost(ForgeonProject& project) : m_project(project) {}

    void AssignRDLC(RDLCReport& report) override
    {
        calls.push_back("assign rdlc");
        RDLCAssigner assigner(report, m_project);
        assigner.Open();
        assigner.ChooseRDLC(pickRDLC);
        assigner.Assign();
    }
    void EditFormControls(RDLCReport&) override { calls.push_back("form controls"); }
    void EditReferenceFields(RDLCReport&, Table* table) override
    {
        calls.push_back(CString("reference fields ") + (table != nullptr ? "with" : "without") +
                        " table");
    }
    void EditLinkControls(RDLCReport&) override { calls.push_back("link controls"); }
    void MapParameters(RDLCReport&, TableAdapter& adapter) override
    {
        calls.push_back("map " + adapter.GetName());
    }
    void AddRDLCReportItem(Module& module, RDLCReport& report) override
    {
        calls.push_back("add " + report.GetFormName() + " to " + module.GetName());
    }
    void UpdateFormItemText(const FormInterface& page) override
    {
        calls.push_back("rename item " + page.GetFormName());
    }
    void ShowStartPage() override { calls.push_back("start page"); }

    int pickRDLC = 0;
    std::vector<CString> calls;

private:
    ForgeonProject& m_project;
};

// The report fixture's project named "Shop" on a temporary folder whose web project file lists
// the definition "Sales\Orders.rdlc" and the data set "Sales\DataSets\Orders_Set.xsd". The
// definition's data sets: "Orders_Set" with the adapter "OrdersTableAdapter" (parameters
// "@RETURN_VALUE" and "@min"), "Orders_Set" with the adapter "GoneTableAdapter" that the data
// set lacks, and "Missing_Set" whose data set file is not listed.
class RDLCFixture : public ReportFixture
{
public:
    RDLCFixture() : rdlcHost(open.Project())
    {
        open.Project().SetProjectSettings(new ProjectSettings);
        open.Project().SetProjectName("Shop");
        open.Project().SetProjectPath(folder.ModelPath());
        WriteProjectFile(projectFile);
        Write("Sales/Orders.rdlc", rdlcFile);
        Write("Sales/DataSets/Orders_Set.xsd", xsdFile);
    }

    std::filesystem::path Application() const { return folder.Path() / "Shop" / "Shop"; }
    void Write(const std::string& relative, const std::string& text) const
    {
        const std::filesystem::path path = Application() / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path) << text;
    }
    void WriteProjectFile(const std::string& text) const { Write("Shop.csproj", text); }

    static constexpr const char* projectFile =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
        "<Project xmlns=\"http://schemas.microsoft.com/developer/msbuild/2003\">\n"
        "  <ItemGroup>\n"
        "    <EmbeddedResource Include=\"Sales\\Orders.rdlc\" />\n"
        "    <None Include=\"Sales\\DataSets\\Orders_Set.xsd\" />\n"
        "  </ItemGroup>\n"
        "</Project>\n";
    static constexpr const char* rdlcFile =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
        "<Report xmlns:rd=\"http://schemas.microsoft.com/SQLServer/reporting/reportdesigner\">\n"
        "  <DataSets>\n"
        "    <DataSet Name=\"Orders\"><rd:DataSetInfo><rd:DataSetName>Orders_Set</rd:DataSetName>"
        "<rd:TableAdapterName>OrdersTableAdapter</rd:TableAdapterName>"
        "<rd:TableName>Orders</rd:TableName></rd:DataSetInfo></DataSet>\n"
        "    <DataSet Name=\"Gone\"><rd:DataSetInfo><rd:DataSetName>Orders_Set</rd:DataSetName>"
        "<rd:TableAdapterName>GoneTableAdapter</rd:TableAdapterName>"
        "<rd:TableName>Gone</rd:TableName></rd:DataSetInfo></DataSet>\n"
        "    <DataSet Name=\"Missing\"><rd:DataSetInfo><rd:DataSetName>Missing_Set</rd:DataSetName>"
        "<rd:TableAdapterName>OrdersTableAdapter</rd:TableAdapterName>"
        "<rd:TableName>Missing</rd:TableName></rd:DataSetInfo></DataSet>\n"
        "  </DataSets>\n"
        "</Report>\n";
    static constexpr const char* xsdFile =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
        "<xs:schema id=\"Orders_Set\" xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">\n"
        "  <xs:annotation><xs:appinfo><DataSource><Tables>\n"
        "    <TableAdapter DataAccessorName=\"OrdersTableAdapter\" Name=\"Orders\"><MainSource>"
        "<DbSource><SelectCommand><DbCommand CommandType=\"StoredProcedure\">"
        "<CommandText>Orders_Select</CommandText><Parameters>"
        "<Parameter ParameterName=\"@RETURN_VALUE\" /><Parameter ParameterName=\"@min\" />"
        "</Parameters></DbCommand></SelectCommand></DbSource></MainSource></TableAdapter>\n"
        "  </Tables></DataSource></xs:appinfo></xs:annotation>\n"
        "</xs:schema>\n";

    TempFolder folder{"WeavoRDLC"};
    RecordingRDLCHost rdlcHost;
};
