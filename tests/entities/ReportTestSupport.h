#pragma once

#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/Function.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/Table.h"
#include "tests/entities/PageOperationsSupport.h"

// A report "Sales" beside the table "orders" (key orders_id, Price, Qty), the procedure
// "PRC_orders_Select" returning Price and Qty, and the class "OrderData" with its function
// "GetOrders".
class ReportTest : public PageOperationsTest
{
protected:
    ReportTest()
    {
        m_table.SetTableName("orders");
        m_key = NewField("orders_id", &m_table, true);
        m_price = NewField("Price", &m_table);
        m_qty = NewField("Qty", &m_table);
        for (Field* field : {m_key, m_price, m_qty})
            field->SetDisplayName(field->GetFieldName());
        m_procedure.SetName("PRC_orders_Select");
        m_procedure.AddOutputField(m_price);
        m_procedure.AddOutputField(m_qty);
        m_function.SetName("GetOrders");
        m_report.SetName("Sales");
    }

    // A group of the report fed by a call of the procedure.
    ReportGroup* AddProcedureGroup(Procedure* procedure)
    {
        auto* group = new ReportGroup;
        group->SetProcedureCall(CallOfProcedure(procedure));
        m_report.AddReportGroup(group);
        return group;
    }

    // A group of the report fed by the class function, without procedure call.
    ReportGroup* AddClassGroup()
    {
        auto* call = new ClassInvokation;
        call->SetFunction(&m_class, &m_function);
        auto* group = new ReportGroup(&m_report, call);
        m_report.AddReportGroup(group);
        return group;
    }

    // A filter of the group on the field, with empty data.
    static FieldRep* AddFilter(ReportGroup* group, Field* field)
    {
        auto* filter = new FieldRep(field);
        filter->AttachFieldRepData(new FieldRepData);
        group->AddFilter(filter);
        return filter;
    }

    // A column of the group showing the output column.
    static ReportField* AddColumn(ReportGroup* group, ProcedureFieldInfo* outputColumn)
    {
        auto* column = new ReportField(outputColumn);
        group->AddReportField(column);
        return column;
    }

    // A column of the group that is a button.
    static ReportField* AddButton(ReportGroup* group)
    {
        auto* column = new ReportField(nullptr);
        auto* control = new FieldRep;
        control->AttachFieldRepData(new FieldRepData);
        control->GetFieldRepData()->SetControlKind(FieldRepData::Button);
        column->SetControlProperty(new ReportFieldControlProperty);
        column->GetControlProperty()->SetControl(control);
        group->AddReportField(column);
        return column;
    }

    Table m_table;
    Field* m_key;
    Field* m_price;
    Field* m_qty;
    Procedure m_procedure;
    Class m_class;
    Function m_function;
    ApplicationReport m_report;
};
