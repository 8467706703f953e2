#pragma once

#include "ClassicPageFixture.h"

#include "entities/ApplicationReport.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "tests/gen_web/GenWebProject.h"

#include <memory>
#include <vector>

// Reports of the module "BaseModule" of a fresh project over the table "orders" (name, placed,
// amount); the table, the procedures and the output columns stay the fixture's.
class ReportProject
{
public:
    ReportProject()
    {
        m_table->SetTableName("orders");
        m_table->EnsureDefaultFields();
        m_name = AddNullableField(*m_table, "name", 4);
        m_placed = AddNullableField(*m_table, "placed", 5);
        m_amount = AddNullableField(*m_table, "amount", 2);
    }

    GenWebProject& Project() { return m_project; }
    Module& Base() { return m_project.Base(); }
    Table& Orders() { return *m_table; }
    Field* Name() const { return m_name; }
    Field* Placed() const { return m_placed; }
    Field* Amount() const { return m_amount; }

    // A procedure over the orders table, owned by the fixture.
    Procedure* AddProcedure(const char* name)
    {
        m_procedures.push_back(std::make_unique<Procedure>());
        m_procedures.back()->SetName(name);
        m_procedures.back()->SetMainTable(m_table.get());
        return m_procedures.back().get();
    }

    // A list report of the module with its classic page file: one group calling the procedure
    // (none for null) with a filter and an argument per field, and a column showing the first
    // field.
    ApplicationReport* AddListReport(const char* name, Procedure* procedure,
                                     const std::vector<Field*>& filters)
    {
        auto* report = new ApplicationReport;
        report->SetName(name);
        report->SetReportKind(1);
        report->SetModule(&m_project.Base());
        m_project.Base().Append(report);
        AddGroup(*report, procedure, filters);
        report->CreateDefaultAspFiles(0);
        return report;
    }

    ReportGroup* AddGroup(ApplicationReport& report, Procedure* procedure,
                          const std::vector<Field*>& filters)
    {
        auto* group = new ReportGroup(&report, nullptr);
        report.AddReportGroup(group);
        auto* call = procedure != nullptr ? new ProcedureInvokation : nullptr;
        if (call != nullptr)
            call->SetProcedure(procedure);
        for (Field* field : filters)
        {
            group->AddFilter(ClassicPageFixture::NewControl(field, FieldRepData::TextBox));
            if (call == nullptr)
                continue;
            FieldVariableMap parameter;
            if (!procedure->FindFieldParameterByField(field, parameter))
            {
                auto* own = new Variable;
                own->SetName("@" + field->GetFieldName());
                procedure->AddFieldParameterPair(field, own);
                procedure->FindFieldParameterByField(field, parameter);
            }
            call->AddVariablePair(new VariablePair{
                parameter.variable, report.FindFieldVariableMapByField(field)->variable});
        }
        group->SetProcedureCall(call);
        AddColumn(*group, filters.empty() ? m_name : filters.front(), "Name");
        return group;
    }

    ReportField* AddColumn(ReportGroup& group, Field* field, const char* caption)
    {
        m_infos.push_back(
            std::make_unique<ProcedureFieldInfo>(field, ProcedureFieldInfo::noAggregate));
        auto* column = new ReportField(m_infos.back().get());
        column->SetName(caption);
        group.AddReportField(column);
        return column;
    }

private:
    GenWebProject m_project;
    std::unique_ptr<Table> m_table = std::make_unique<Table>();
    Field* m_name;
    Field* m_placed;
    Field* m_amount;
    std::vector<std::unique_ptr<Procedure>> m_procedures;
    std::vector<std::unique_ptr<ProcedureFieldInfo>> m_infos;
};
