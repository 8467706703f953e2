#include "designers/logic/RDLCParamMapper.h"
#include "designers/logic/RDLCReportDesigner.h"
#include "designers/logic/WebProjectReports.h"
#include "platform/core/HostPath.h"
#include "tests/designers/logic/RDLCFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

class RDLCDesignerTest : public ::testing::Test, public RDLCFixture
{
protected:
    std::vector<CString> AdapterNames(const RDLCReportDesigner& designer) const
    {
        std::vector<CString> names;
        for (const ListRow& row : designer.GetAdapterRows())
            names.push_back(row.cells[0]);
        return names;
    }
    std::vector<CString> RDLCNames()
    {
        std::vector<CString> names;
        for (const RDLCInfo* info : open.Project().GetRDLCInfos())
            names.push_back(info->GetName());
        return names;
    }
    // A new report named and headed through the edits.
    void Name(RDLCReportDesigner& designer, const char* name, const char* header)
    {
        designer.States().SetText(RDLCReportDesigner::IDC_NAME, name);
        designer.LeaveName();
        designer.States().SetText(RDLCReportDesigner::IDC_HEADER, header);
        designer.LeaveHeader();
    }
};

// The assignment dialog reads the web project file each time it opens; a missing or damaged
// file lists nothing and leaves the project's lists as they were; what follows the project
// element is not looked at.
TEST_F(RDLCDesignerTest, AssignDialogReadsTheWebProjectFile)
{
    RDLCReport report;
    report.SetName("Monthly");
    EXPECT_EQ(WebProjectFilePath(open.Project()), folder.ModelPath() + "\\Shop\\Shop\\Shop.csproj");
    const struct
    {
        const char* what;
        std::string file;
        std::vector<CString> listed;
    } cases[] = {
        {"cut after an item", std::string(projectFile).substr(0, 176), {}},
        {"cut inside an item", std::string(projectFile).substr(0, 200), {}},
        {"missing", "", {}},
        {"text after the project element",
         std::string(projectFile) + "\r\n<!-- saved -->\nx",
         {"Sales\\Orders.rdlc"}},
        {"written", projectFile, {"Sales\\Orders.rdlc"}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        report.SetRDLCInfo(nullptr);
        if (c.file.empty())
            std::filesystem::remove(Application() / "Shop.csproj");
        else
            WriteProjectFile(c.file);
        RDLCAssigner assigner(report, open.Project());
        EXPECT_EQ(assigner.GetCaption(), "Select RDLC for Monthly");
        assigner.Open();
        // Listed as the host writes the paths.
        EXPECT_EQ(assigner.States().GetItems(RDLCAssigner::IDC_RDLC),
                  c.listed.empty() ? c.listed : std::vector<CString>{"Sales/Orders.rdlc"});
        EXPECT_EQ(RDLCNames(), c.listed);
        EXPECT_EQ(open.Project().GetXSDInfos().size(), c.listed.size());
        EXPECT_EQ(assigner.States().GetText(RDLCAssigner::IDC_RDLC_NAME), "RDLC Not assigned.");
        assigner.ChooseRDLC(0);
        assigner.Assign();
        EXPECT_EQ(report.GetRDLCInfo() != nullptr, !c.listed.empty());
    }
    RDLCAssigner again(report, open.Project());
    again.Open();
    EXPECT_EQ(again.States().GetSelection(RDLCAssigner::IDC_RDLC), 0);
    EXPECT_EQ(again.States().GetText(RDLCAssigner::IDC_RDLC_NAME), "Sales/Orders.rdlc");
    again.ChooseRDLC(-1);
    again.Assign();
    EXPECT_EQ(report.GetRDLCInfo(), nullptr);
}

// A listed file that is not a regular file is not read; one message names it and the rest is
// offered.
TEST_F(RDLCDesignerTest, AssignDialogNamesTheFilesItRefused)
{
    WriteProjectFile("<Project><ItemGroup><EmbeddedResource Include=\"Sales\\Orders.rdlc\" />"
                     "<EmbeddedResource Include=\"Sales\\Device.rdlc\" /></ItemGroup></Project>");
    std::filesystem::create_symlink("/dev/null", Application() / "Sales" / "Device.rdlc");
    RDLCReport report;
    ScriptedMessageBoxes boxes({IDOK});
    RDLCAssigner assigner(report, open.Project());
    assigner.Open();
    EXPECT_EQ(assigner.States().GetItems(RDLCAssigner::IDC_RDLC),
              std::vector<CString>{"Sales/Orders.rdlc"});
    EXPECT_EQ(
        boxes.ShownTexts(),
        std::vector<std::string>{"These files of the web project were not read:\n" +
                                 ToHostPath(folder.ModelPath("Shop\\Shop\\Sales\\Device.rdlc")) +
                                 ": not a regular file\n"});
}

// A new report: the definition assigned through the dialog brings the adapters its data sets
// find (the data set by a name that the project's data set file name contains); the maps go with
// "Remove" and with "Re-build Report", which reads the file again.
TEST_F(RDLCDesignerTest, AssignRemoveAndRebuild)
{
    RDLCReportDesigner designer(open.Project(), rdlcHost);
    designer.Load(nullptr);
    ASSERT_TRUE(designer.IsNew());
    EXPECT_TRUE(designer.States().IsEnabled(RDLCReportDesigner::IDC_NAME));
    EXPECT_TRUE(designer.States().IsEnabled(RDLCReportDesigner::IDC_ASSIGN));
    EXPECT_FALSE(designer.States().IsEnabled(RDLCReportDesigner::IDC_REBUILD));
    EXPECT_FALSE(designer.States().IsEnabled(RDLCReportDesigner::IDC_MAP_PARAMETERS));
    EXPECT_EQ(designer.States().GetText(RDLCReportDesigner::IDC_RDLC_NAME), "RDLC Not assigned.");
    designer.AssignRDLC();
    RDLCReport* report = designer.GetReport();
    ASSERT_NE(report->GetRDLCInfo(), nullptr);
    EXPECT_EQ(designer.States().GetText(RDLCReportDesigner::IDC_RDLC_NAME), "Sales/Orders.rdlc");
    EXPECT_EQ(AdapterNames(designer), (std::vector<CString>{"OrdersTableAdapter"}));
    EXPECT_FALSE(designer.States().IsEnabled(RDLCReportDesigner::IDC_ASSIGN));
    EXPECT_TRUE(designer.States().IsEnabled(RDLCReportDesigner::IDC_REBUILD));
    EXPECT_TRUE(designer.States().IsEnabled(RDLCReportDesigner::IDC_MAP_PARAMETERS));
    designer.SelectAdapter(0);
    designer.MapParameters();

    TableAdapter* adapter = designer.GetAdapters()[0];
    const auto mapTwo = [&]
    {
        report->AddTableAdapterColumnMap(adapter, {"@min", FieldOf("total")});
        report->AddTableAdapterColumnMap(adapter, {"@max", FieldOf("region")});
    };
    mapTwo();
    ScriptedMessageBoxes boxes({IDNO, IDYES, IDCANCEL, IDOK});
    designer.RemoveRDLC();
    EXPECT_EQ(report->GetTableAdapterMaps().size(), 1u);
    designer.RemoveRDLC();
    EXPECT_TRUE(report->GetTableAdapterMaps().empty());
    EXPECT_EQ(report->GetRDLCInfo(), nullptr);
    EXPECT_TRUE(designer.GetAdapters().empty());
    EXPECT_FALSE(designer.States().IsEnabled(RDLCReportDesigner::IDC_MAP_PARAMETERS));

    designer.AssignRDLC();
    mapTwo();
    designer.Rebuild();
    EXPECT_EQ(report->GetTableAdapterMaps().size(), 1u);
    designer.Rebuild();
    EXPECT_TRUE(report->GetTableAdapterMaps().empty());
    EXPECT_EQ(report->GetRDLCInfo(), open.Project().GetRDLCInfos()[0]);
    EXPECT_EQ(AdapterNames(designer), (std::vector<CString>{"OrdersTableAdapter"}));
    EXPECT_EQ(designer.States().GetItems(RDLCReportDesigner::IDC_RDLC),
              (std::vector<CString>{"Sales/Orders.rdlc"}));
    const std::string remove =
        "Do you really want to remove the assigned RDLC \"Sales\\Orders.rdlc\"?";
    const std::string rebuild = "Updare Report will remove all Parameter-Form Control mappings.\n"
                                "Do you really want to update report?";
    EXPECT_EQ(boxes.ShownTexts(), (std::vector<std::string>{remove, remove, rebuild, rebuild}));
    EXPECT_EQ(boxes.Shown()[2].type & 0xF, static_cast<UINT>(MB_OKCANCEL));
    EXPECT_EQ(rdlcHost.calls,
              (std::vector<CString>{"assign rdlc", "map OrdersTableAdapter", "assign rdlc"}));
}

// OK of a new report without a definition stores nothing; with one the report goes into the
// current module and the tree, and the designer shows a new report. A stored report's OK
// renames its tree item; a report of mode 0 keeps its definition controls disabled.
TEST_F(RDLCDesignerTest, OkStoresANewReportOnlyWithADefinition)
{
    ScriptedMessageBoxes boxes;
    RDLCReportDesigner designer(open.Project(), rdlcHost);
    designer.Load(nullptr);
    Name(designer, "Monthly", "Monthly sales");
    designer.TwoColumns();
    designer.Ok();
    EXPECT_TRUE(open.Base().GetRDLCReports().empty());
    EXPECT_EQ(boxes.ShownTexts(),
              (std::vector<std::string>{
                  "Report is not complete. Please select RDLC and set to report."}));
    RDLCReport* stored = designer.GetReport();
    designer.AssignRDLC();
    designer.Ok();
    ASSERT_EQ(open.Base().GetRDLCReports(), (std::vector<RDLCReport*>{stored}));
    EXPECT_EQ(stored->GetFormName(), "Monthly");
    EXPECT_EQ(stored->GetHeader(), "Monthly sales");
    EXPECT_EQ(stored->GetColumnCount(), 2);
    EXPECT_NE(designer.GetReport(), stored);
    EXPECT_TRUE(designer.IsNew());
    EXPECT_EQ(designer.States().GetText(RDLCReportDesigner::IDC_NAME), "");

    designer.Load(stored);
    EXPECT_FALSE(designer.States().IsEnabled(RDLCReportDesigner::IDC_NAME));
    EXPECT_TRUE(designer.States().IsChecked(RDLCReportDesigner::IDC_TWO_COLUMNS));
    EXPECT_EQ(designer.States().GetText(RDLCReportDesigner::IDC_HEADER), "Monthly sales");
    designer.ReferenceFields();
    designer.FormControls();
    designer.LinkControls();
    designer.Ok();
    EXPECT_EQ(open.Base().GetRDLCReports().size(), 1u);
    designer.Cancel();
    EXPECT_EQ(rdlcHost.calls,
              (std::vector<CString>{"assign rdlc", "add Monthly to BaseModule",
                                    "reference fields without table", "form controls",
                                    "link controls", "rename item Monthly", "start page"}));

    stored->SetMode(0);
    designer.Load(stored);
    for (const int id : {RDLCReportDesigner::IDC_ASSIGN, RDLCReportDesigner::IDC_REMOVE,
                         RDLCReportDesigner::IDC_REBUILD, RDLCReportDesigner::IDC_MAP_PARAMETERS,
                         RDLCReportDesigner::IDC_ADAPTERS})
        EXPECT_FALSE(designer.States().IsEnabled(id)) << id;
    designer.ForgetReport(stored);
    EXPECT_TRUE(designer.IsNew());
    EXPECT_EQ(open.Base().GetRDLCReports().size(), 1u);
}

// A stored report whose files are longer than a file system holds, as earlier versions took,
// opens with its name box enabled so that it can be renamed; once renamed it opens as others do.
TEST_F(RDLCDesignerTest, ALongNameOfAnEarlierVersionCanBeRenamed)
{
    ScriptedMessageBoxes boxes;
    auto* stored = new RDLCReport;
    stored->SetName(CString(std::string(240, 'q').c_str()));
    open.Base().AddRDLCReport(stored, false);
    RDLCReportDesigner designer(open.Project(), rdlcHost);
    designer.Load(stored);
    ASSERT_TRUE(designer.States().IsEnabled(RDLCReportDesigner::IDC_NAME));
    designer.States().SetText(RDLCReportDesigner::IDC_NAME, "Quarterly");
    designer.LeaveName();
    EXPECT_EQ(stored->GetFormName(), "Quarterly");
    EXPECT_TRUE(boxes.ShownTexts().empty());
    designer.Load(stored);
    EXPECT_FALSE(designer.States().IsEnabled(RDLCReportDesigner::IDC_NAME));
}

// The parameter map lists the report's controls and the adapter's parameters without
// "@RETURN_VALUE", and maps each parameter once.
TEST_F(RDLCDesignerTest, ParameterMapDialog)
{
    using M = RDLCParamMapper;
    RDLCReport report;
    for (const char* name : {"total", "region"})
        report.AddFieldRep(new FieldRep(FieldOf(name)));
    TableAdapter adapter;
    adapter.SetName("OrdersTableAdapter");
    for (const char* name : {"@RETURN_VALUE", "@min", "@max"})
        adapter.AddParameterName(name);

    ScriptedMessageBoxes boxes({IDOK, IDOK, IDNO, IDYES});
    M mapper(report, adapter);
    mapper.Open();
    ASSERT_EQ(mapper.GetFilterRows().size(), 2u);
    EXPECT_EQ(mapper.GetFilterRows()[1].cells[1], "region");
    ASSERT_EQ(mapper.GetParameterRows().size(), 2u);
    EXPECT_EQ(mapper.GetParameterRows()[0].cells[1], "@min");
    mapper.SelectFilter(1);
    mapper.Assign("@min");
    mapper.SelectFilter(0);
    mapper.Assign("@RETURN_VALUE");
    mapper.Assign("@min");
    mapper.Assign("@max");
    ASSERT_EQ(mapper.GetMapRows().size(), 2u);
    EXPECT_EQ(mapper.GetMapRows()[0].cells,
              (std::vector<CString>{"OrdersTableAdapter", "@min", "region"}));
    EXPECT_EQ(mapper.GetMapRows()[1].cells,
              (std::vector<CString>{"OrdersTableAdapter", "@max", "total"}));
    mapper.SelectMap(0);
    mapper.Remove();
    mapper.Remove();
    ASSERT_EQ(mapper.GetMapRows().size(), 1u);
    EXPECT_EQ(mapper.GetMapRows()[0].cells[1], "@max");
    EXPECT_EQ(boxes.ShownTexts(),
              (std::vector<std::string>{
                  "@RETURN_VALUE is out parameter of stored procedure used which dose not requied "
                  "to be mapped with Form Controls.",
                  "Selected Parameter-Filter map already present.",
                  "Do you really want to remove map \"@min\"?",
                  "Do you really want to remove map \"@min\"?"}));
}

// The commands of the hidden controls: the RDLC chosen from the web project's list, the adapters
// of its entries added and removed, and parameters mapped onto the report's controls; each
// refusal changes nothing.
TEST_F(RDLCDesignerTest, TheHiddenAdapterAndMapCommands)
{
    using D = RDLCReportDesigner;
    D designer(open.Project(), rdlcHost);
    designer.Load(nullptr);
    RDLCReport* report = designer.GetReport();
    for (const char* name : {"total", "region"})
        report->AddFieldRep(new FieldRep(FieldOf(name)));
    designer.SetRDLC();
    designer.Synchronize();
    designer.States().Select(D::IDC_RDLC, 0);
    designer.SetRDLC();
    EXPECT_EQ(report->GetRDLCInfo(), open.Project().GetRDLCInfos()[0]);

    const std::string noAdapter = "Please select TableAdapter From selected TableAdapter list\nand "
                                  "then try to add Parameter-Form Control map.";
    const std::string mapped = "Cannot remove the selected TableAdapter as it \t\t\t\t\t\t\tis "
                               "invilved in Parameter-Field map.\n\t\t\t\t\t\t\tTo remove "
                               "this TableAdapter, please remove the \t\t\t\t\t\t\trelated "
                               "maps mannually.";
    const std::string changing =
        "Cannot change RDLC selection as it is involved in Parameter-Field "
        "map. \nTo change this selection please remove the related maps "
        "mannually.";
    const std::string returnValue = "@RETURN_VALUE is out parameter of stored procedure used which "
                                    "dose not requied to be mapped with Form Controls.";
    const struct
    {
        void (D::*command)();
        int entry, adapter, parameter, field;
        std::string box;
        std::size_t adapters, maps;
    } steps[] = {
        {&D::AddAdapter, 0, -1, -1, -1, "Selected TableAdapter already present.", 1, 0},
        {&D::AddAdapter, 1, -1, -1, -1, "", 1, 0}, // its data set lacks the adapter
        {&D::RemoveAdapter, -1, 0, -1, -1, "", 0, 0},
        {&D::AddAdapter, 0, -1, -1, -1, "", 1, 0},
        {&D::MapParameter, -1, -1, 1, 1, noAdapter, 1, 0},
        {&D::MapParameter, -1, 0, 0, 1, returnValue, 1, 0},
        {&D::MapParameter, -1, 0, 1, -1, "", 1, 0},
        {&D::MapParameter, -1, 0, 1, 1, "", 1, 1},
        {&D::MapParameter, -1, 0, 1, 0, "Selected Parameter-Form Control map already present.", 1,
         1},
        {&D::RemoveAdapter, -1, 0, -1, -1, mapped, 1, 1},
        {&D::SetRDLC, -1, -1, -1, -1, changing, 1, 1},
    };
    for (const auto& step : steps)
    {
        ScriptedMessageBoxes boxes;
        designer.SelectEntry(step.entry);
        designer.SelectAdapter(step.adapter);
        designer.SelectParameter(step.parameter);
        designer.SelectFormField(step.field);
        (designer.*step.command)();
        const auto expected =
            step.box.empty() ? std::vector<std::string>{} : std::vector<std::string>{step.box};
        EXPECT_EQ(boxes.ShownTexts(), expected) << step.box;
        EXPECT_EQ(designer.GetAdapters().size(), step.adapters) << step.box;
        EXPECT_EQ(designer.GetMapRows().size(), step.maps) << step.box;
    }
    EXPECT_EQ(designer.GetMapRows()[0].cells,
              (std::vector<CString>{"OrdersTableAdapter", "@min", "region"}));

    // Another report holding the RDLC keeps it from this one.
    auto* other = new RDLCReport;
    other->SetRDLCInfo(report->GetRDLCInfo());
    open.Base().AddRDLCReport(other, false);
    report->ClearTableAdapterMaps();
    report->SetRDLCInfo(nullptr);
    ScriptedMessageBoxes boxes;
    designer.SetRDLC();
    EXPECT_EQ(boxes.ShownTexts(), (std::vector<std::string>{"Can not use selected RDLC as it is "
                                                            "already used by some report."}));
    EXPECT_EQ(report->GetRDLCInfo(), nullptr);
}
} // namespace
