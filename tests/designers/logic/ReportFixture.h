#pragma once

#include "designers/logic/ReportDialogsHost.h"
#include "editors/logic/ProcedureAssigner.h"
#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/Function.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/model/ModelBuilders.h"

#include <functional>
#include <string>
#include <vector>

// Records the sub-dialogs the report dialogs open, one line each; a script may play them.
class RecordingReportHost : public ReportDialogsHost
{
public:
    void EditReportFieldSettings(ReportGroup&, ReportField& column, Module* module) override
    {
        calls.push_back("settings " + column.GetName() + " in " +
                        (module != nullptr ? module->GetName() : CString("no module")));
    }
    void EditReportFieldControl(ReportGroup&, ReportField& column) override
    {
        calls.push_back("control property " + column.GetName());
    }
    void EditControlProperties(FormInterface& page, FieldRep& control) override
    {
        calls.push_back("control properties on " + page.GetFormName());
        if (editControl)
            editControl(control);
    }
    bool AssignProcedure(ProcedureAssigner& assigner) override
    {
        calls.push_back("assign procedure");
        return assign && assign(assigner);
    }

    std::function<void(FieldRep&)> editControl;
    std::function<bool(ProcedureAssigner&)> assign;
    std::vector<CString> calls;
};

// "BaseModule" holds the table "orders" (the key orders_id, customer referring to customers,
// total, region) whose class function "List" puts out those four columns, and the report
// "Sales" with one group that calls it.
class ReportFixture
{
public:
    ReportFixture()
    {
        Table* customers = NewTable("customers");
        open.Base().AppendMasterTable(customers);
        orders = NewTable("orders");
        AddVarcharField(orders, "customer", customers->GetFields().front());
        AddVarcharField(orders, "total");
        AddVarcharField(orders, "region");
        open.Base().AppendMasterTable(orders);
        Class* ordersClass = open.Base().GetClassForTable(orders, true);
        list = new Function;
        list->SetName("List");
        for (const char* name : {"orders_id", "customer", "total", "region"})
            list->AddOutputField(new ProcedureFieldInfo(orders->FindFieldByName(name),
                                                        ProcedureFieldInfo::noAggregate));
        ordersClass->AddFunction(list);
        report = NewPage<ApplicationReport>("Sales");
        open.Base().Append(report);
        auto* call = new ClassInvokation;
        call->SetFunction(ordersClass, list);
        group = new ReportGroup(report, call);
        report->AddReportGroup(group);
    }

    ProcedureFieldInfo* Output(int index) const { return list->GetOutputFields()[index]; }
    Field* FieldOf(const char* name) const { return orders->FindFieldByName(name); }

    // A filter of the group on the field.
    FieldRep* AddFilter(const char* name)
    {
        auto* filter = new FieldRep(FieldOf(name));
        filter->SetFieldRepData(new FieldRepData);
        group->AddFilter(filter);
        return filter;
    }
    ReportField* AddColumn(int output)
    {
        auto* column = new ReportField(Output(output));
        group->AddReportField(column);
        return column;
    }

    std::vector<CString> FilterNames() const
    {
        std::vector<CString> names;
        for (const FieldRep* filter : group->GetFilters())
            names.push_back(filter->GetField()->GetFieldName());
        return names;
    }
    std::vector<CString> ColumnNames() const
    {
        std::vector<CString> names;
        for (const ReportField* column : group->GetReportFields())
        {
            CString name;
            column->GetFieldInfo()->GetDisplayName(name);
            names.push_back(name);
        }
        return names;
    }

    OpenBaseModuleProject open;
    Table* orders;
    Function* list;
    ApplicationReport* report;
    ReportGroup* group;
    RecordingReportHost host;
};
