#include "designers/logic/RDLCParamMapper.h"
#include "designers/logic/RDLCReportDesigner.h"
#include "designers/logic/ReportColumnEditor.h"
#include "designers/logic/ReportFieldControlEditor.h"
#include "designers/logic/ReportFieldSettings.h"
#include "designers/logic/ReportFilterEditor.h"
#include "entities/ReportFieldControlProperty.h"
#include "model/EventRecmpFields.h"
#include "tests/designers/logic/RDLCFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace
{

// Every refusal of the report dialogs and the RDLC designer: its message, after any
// confirmation, and a model unchanged by it.
class RefusalsTest : public ::testing::Test, public RDLCFixture
{
protected:
    RefusalsTest()
    {
        AddColumn(2);
        AddFilter("customer");
        FieldRep* region = AddFilter("region");
        auto* recomputes = new EventRecmpFields;
        recomputes->AddClassRecompute(region);
        group->GetFilters()[0]->GetFieldRepData()->AddEventRecmpFields(recomputes);
        stored = new RDLCReport;
        stored->SetName("Stored");
        open.Base().AddRDLCReport(stored, false);
        adapter.SetName("OrdersTableAdapter");
        for (const char* name : {"@RETURN_VALUE", "@min"})
            adapter.AddParameterName(name);
        stored->AddFieldRep(new FieldRep(FieldOf("total")));
        stored->AddTableAdapterColumnMap(&adapter, {"@min", FieldOf("total")});
    }

    // What the refusals must leave as it was.
    std::string Describe()
    {
        std::string text = "filters";
        for (const CString& name : FilterNames())
            text += " " + name.str();
        text += "; columns";
        for (const ReportField* column : group->GetReportFields())
            text += " " + column->GetName().str() + "/" +
                    std::to_string(column->GetControlProperty() != nullptr) + "/" +
                    std::to_string(column->GetAspFile() != nullptr);
        text += "; layout " + std::to_string(report->GetColumnLayout()) + "; rdlc";
        for (const RDLCReport* each : open.Base().GetRDLCReports())
        {
            text += " " + each->GetFormName().str() + "/" + each->GetHeader().str();
            for (const TableAdapterMap& map : each->GetTableAdapterMaps())
                text += "/" + std::to_string(map.m_pairs.size());
        }
        return text;
    }

    // A designer on a new report named and headed so, through the edits' kill focus.
    std::unique_ptr<RDLCReportDesigner> NewReport(const char* name, const char* header)
    {
        auto designer = std::make_unique<RDLCReportDesigner>(open.Project(), rdlcHost);
        designer->Load(nullptr);
        designer->States().SetText(RDLCReportDesigner::IDC_NAME, name);
        designer->LeaveName();
        designer->States().SetText(RDLCReportDesigner::IDC_HEADER, header);
        designer->LeaveHeader();
        return designer;
    }

    RDLCReport* stored;
    TableAdapter adapter;
};

TEST_F(RefusalsTest, EachRefusalSaysWhyAndChangesNothing)
{
    const struct
    {
        const char* what;
        std::vector<int> answers;
        std::function<void()> act;
        std::vector<std::string> messages;
    } cases[] = {
        {"column already shown",
         {},
         [&]
         {
             ReportColumnEditor editor(*group, open.Project(), host);
             editor.Open();
             editor.SelectOutputs({2});
             editor.Add();
         },
         {"Report column 'total' already present"}},
        {"filter already present",
         {},
         [&]
         {
             ReportFilterEditor editor(*group, host);
             editor.Open();
             editor.SelectOutputs({1});
             editor.Add();
         },
         {"Filter already present for customer"}},
        {"filter properties without a filter",
         {},
         [&]
         {
             ReportFilterEditor editor(*group, host);
             editor.Open();
             editor.SetProperties();
         },
         {"Please select the filter"}},
        {"filter used by a recomputation",
         {IDYES},
         [&]
         {
             ReportFilterEditor editor(*group, host);
             editor.Open();
             editor.SelectEntry(1);
             editor.Remove();
         },
         {"Do you really want to remove the filter \"region\"?",
          " Cannot Remove the filter. It is being used for recomputation."}},
        {"column without a page file",
         {},
         [&]
         {
             ReportFieldSettings settings(*group, *group->GetReportFields()[0], nullptr,
                                          open.Project(), host);
             settings.Open();
             settings.RemoveFile();
         },
         {"No asp file attached to this field."}},
        {"column caption with a line break, which a classic report writes into a script string",
         {},
         [&]
         {
             ReportFieldSettings settings(*group, *group->GetReportFields()[0], nullptr,
                                          open.Project(), host);
             settings.Open();
             settings.States().SetText(ReportFieldSettings::IDC_NAME, "To\r\ntal");
             EXPECT_FALSE(settings.Ok());
         },
         {"The caption cannot hold a line break: the classic pages write it into a script "
          "string.\nPlease enter it on one line."}},
        {"button without a procedure",
         {},
         [&]
         {
             host.editControl = [](FieldRep& control)
             { control.GetFieldRepData()->SetControlKind(FieldRepData::Button); };
             ReportFieldControlEditor editor(*group, *group->GetReportFields()[0], open.Project(),
                                             host);
             editor.Open();
             editor.AssignControl();
             EXPECT_FALSE(editor.Ok());
             editor.Cancel();
         },
         {"Please Select a Procedure."}},
        {"RDLC report without a header",
         {},
         [&] { NewReport("Monthly", "")->Ok(); },
         {"Please enter report name and header."}},
        {"new RDLC report named as a search report",
         {},
         [&] { NewReport("SALES", "Header")->Ok(); },
         {"A report with this name already exists.", "Please enter report name and header."}},
        {"new RDLC report named as an RDLC report",
         {},
         [&]
         {
             auto designer = NewReport("stored", "Header");
             EXPECT_EQ(designer->States().GetText(RDLCReportDesigner::IDC_NAME), "");
         },
         {"A report with this name already exists."}},
        {"special character on leaving the name",
         {},
         [&]
         {
             auto designer = NewReport("Month;ly", "Header");
             designer->Ok();
         },
         {"Special charater in report name. Please check.",
          "Special charater in report name.Please check."}},
        {"new RDLC report without a definition",
         {},
         [&] { NewReport("Monthly", "Header")->Ok(); },
         {"Report is not complete. Please select RDLC and set to report."}},
        {"stored RDLC report renamed to another report's name",
         {},
         [&]
         {
             RDLCReportDesigner designer(open.Project(), rdlcHost);
             designer.Load(stored);
             designer.States().SetText(RDLCReportDesigner::IDC_NAME, "Sales");
             designer.LeaveName();
             EXPECT_EQ(designer.States().GetText(RDLCReportDesigner::IDC_NAME), "Stored");
         },
         {"A report with this name already exists."}},
        {"mapping the return value",
         {},
         [&]
         {
             RDLCParamMapper mapper(*stored, adapter);
             mapper.Open();
             mapper.SelectFilter(0);
             mapper.Assign("@RETURN_VALUE");
         },
         {"@RETURN_VALUE is out parameter of stored procedure used which dose not requied to be "
          "mapped with Form Controls."}},
        {"mapping a parameter twice",
         {},
         [&]
         {
             RDLCParamMapper mapper(*stored, adapter);
             mapper.Open();
             mapper.SelectFilter(0);
             mapper.Assign("@min");
         },
         {"Selected Parameter-Filter map already present."}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        const std::string before = Describe();
        ScriptedMessageBoxes boxes;
        for (const int answer : c.answers)
            boxes.Answer(answer);
        c.act();
        EXPECT_EQ(boxes.ShownTexts(), c.messages);
        EXPECT_EQ(Describe(), before);
    }
}
} // namespace
