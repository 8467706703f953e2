#pragma once

#include "entities/PieChartData.h"

#include "tests/gen_web/ReportProject.h"

#include <string>
#include <vector>

// One search report of each kind, each with its ASP.NET page file, under the master page
// "Main.master":
// - orders_links: a list of one group whose cells link to a form page, to an RDLC report whose
//   files are not written and to one whose are; a filter of every kind but the combo box and a
//   link before and after the report;
// - orders_levels: three master-detail levels with the paging flag, the request argument
//   customer_id reused by every level and a link cell whose row variable has the same name;
// - orders_grid_links: a grid whose link cell has the name of its request argument;
// - orders_paged_list: a paged list of one group;
// - orders_record: a single record whose argument is named like its paging counter "start";
// - orders_group_kind, orders_graph and orders_notepad: kinds 0, 3 and 4;
// - orders_chart: a list with the settings of a pie chart.
class EveryReportKind : public ReportProject
{
public:
    EveryReportKind()
    {
        Project().GetProjectSettings()->SetMasterPageFile("Main.master");
        Table& orders = *OrdersForm().GetTable();
        Field* customerId = OrdersField("customer_id");

        ApplicationReport& links = AddReport("orders_links", 1, true);
        links.SetTitle("Orders & \"links\" <all>");
        ReportGroup& linkGroup = AddGroup(links, orders, "SelectAllRecords", {},
                                          {{"status", "Status"},
                                           {"customer_id", "Customer"},
                                           {"credit", "Credit"},
                                           {"odate", "Date"}});
        LinkToOrders(*linkGroup.GetReportFields()[0]);
        LinkToPage(*linkGroup.GetReportFields()[1],
                   *AddRDLCReport("orders_unwritten", false).GetAspFiles()[0]);
        LinkToPage(*linkGroup.GetReportFields()[2],
                   *AddRDLCReport("orders_print", true).GetAspFiles()[0]);
        FieldRep& combo = AddFilter(linkGroup, "customer_id", FieldRepData::EditableComboBox);
        Class* customerClass = Project().GetClassForTable(&Customer(), false);
        auto* comboCall = new ClassInvokation;
        comboCall->SetFunction(customerClass,
                               customerClass->FindFunctionByName("SelectAllRecords"));
        combo.GetFieldRepData()->SetDataCall(comboCall);
        combo.GetFieldRepData()->SetFrontField(Customer().FindFieldByName("cname"));
        combo.GetFieldRepData()->SetBackField(Customer().GetPrimaryKeyField());
        AddFilter(linkGroup, "status", FieldRepData::RadioButton);
        AddFilter(linkGroup, "odate", FieldRepData::DateControl);
        AddFilter(linkGroup, "notes", FieldRepData::TextBox);
        AddFilter(linkGroup, "urgent", FieldRepData::CheckBox);
        AddFilter(linkGroup, "credit", FieldRepData::Hidden);
        for (Menu* menu : Base().GetMenus())
        {
            auto* link = new LinkControl(menu, 0, 0, LinkControl::Left);
            link->SetCaption(menu->GetName() + " - report");
            if (links.GetPreLinkList().empty())
                links.AddPreLink(link);
            else
                links.AddPostLink(link);
        }

        ApplicationReport& levels = AddReport("orders_levels", 1, true);
        levels.SetPagingRequired(true);
        AddGroup(levels, orders, "SelectRecordForcustomer_id", {customerId}, {{"odate", "Date"}})
            .SetHeader("Order");
        AddGroup(levels, Customer(), "SelectRecord", {customerId}, {{"cname", "Name"}});
        LinkToOrders(*AddGroup(levels, orders, "SelectRecord", {customerId}, {{"status", "Status"}})
                          .GetReportFields()[0]);

        ApplicationReport& grid = AddReport("orders_grid_links", 2, true);
        grid.SetColumnLayout(2);
        LinkToOrders(*AddGroup(grid, orders, "SelectRecordForcustomer_id", {customerId},
                               {{"status", "Status"}, {"credit", "Credit"}})
                          .GetReportFields()[0]);

        ApplicationReport& paged = AddReport("orders_paged_list", 1, true);
        paged.SetPagingRequired(true);
        AddGroup(paged, orders, "SelectRecordForcustomer_id", {customerId}, {{"status", "Status"}});

        ApplicationReport& record = AddReport("orders_record", 5, true);
        record.SetTable(&orders);
        ReportGroup& recordGroup =
            AddGroup(record, orders, "SelectRecordForcustomer_id", {&LooseField("start")},
                     {{"odate", "Date"}, {"status", "Status"}, {"credit", "Credit"}});
        AddFilter(recordGroup, "status", FieldRepData::RadioButton);
        AddFilter(recordGroup, "notes", FieldRepData::TextBox);

        for (auto [name, kind] : {std::pair{"orders_group_kind", 0}, std::pair{"orders_graph", 3},
                                  std::pair{"orders_notepad", 4}, std::pair{"orders_chart", 1}})
        {
            ApplicationReport& report = AddReport(name, kind, true);
            AddGroup(report, orders, "SelectAllRecords", {}, {{"status", "Status"}});
            if (kind == 1)
            {
                auto* pie = new PieChartData;
                pie->SetValues("Orders", "by status", "status", "");
                report.SetChartData(6, pie);
            }
        }
    }

    // The page files of the reports, in report order.
    std::vector<std::string> PageFiles()
    {
        std::vector<std::string> names;
        for (ApplicationReport* report : Base().GetReports())
            for (AspFile* file : report->GetAspFiles())
                if (dynamic_cast<AspxFile*>(file) != nullptr)
                    names.emplace_back(file->GetFileName(FALSE).GetString());
        return names;
    }
};
