#include "designers/logic/ReportCopy.h"

#include "entities/ApplicationReport.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "entities/Variable.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"

#include <map>

namespace
{
using VariableMap = std::map<const Variable*, Variable*>;

Variable* Mapped(const VariableMap& variables, Variable* variable)
{
    const auto found = variables.find(variable);
    return found != variables.end() ? found->second : variable;
}

ProcedureInvokation* CopyCall(const ProcedureInvokation* source, const VariableMap& variables)
{
    if (source == nullptr)
        return nullptr;
    auto* call = new ProcedureInvokation(source);
    for (const VariablePair* pair : source->GetVariablePairs())
        call->AddVariablePair(pair != nullptr
                                  ? new VariablePair{pair->first, Mapped(variables, pair->second)}
                                  : nullptr);
    for (const FieldVariableMap* map : source->GetFieldVariableMaps())
        call->AddFieldVariableMap(
            new FieldVariableMap{map->field, Mapped(variables, map->variable)});
    return call;
}

FieldRep* CopyFilter(const FieldRep& source, const VariableMap& variables)
{
    auto* filter = new FieldRep(source);
    filter->SetField(source.GetField());
    filter->SetVariable(Mapped(variables, source.GetVariable()));
    if (const FieldRepData* data = source.GetFieldRepData())
    {
        FieldRepData* copy = filter->GetFieldRepData();
        copy->SetVariable(Mapped(variables, data->GetVariable()));
        copy->SetDataProcedure(CopyCall(data->GetDataProcedure(), variables));
    }
    return filter;
}

ReportField* CopyColumn(const ReportField& source)
{
    auto* column = new ReportField(source.GetFieldInfo());
    column->SetName(source.GetName());
    column->SetColNo(source.GetColNo());
    column->SetWidth(source.GetWidth());
    column->SetAlignment(source.GetAlignment());
    column->SetImageFromFileContent(source.IsImageFromFileContent());
    column->SetImageHeight(source.GetImageHeight());
    column->SetImageWidth(source.GetImageWidth());
    column->SetMoney(source.IsMoney());
    return column;
}

ReportGroup* CopyGroup(const ReportGroup& source, ApplicationReport& report,
                       const VariableMap& variables)
{
    auto* group = new ReportGroup(source);
    group->SetProcedureCall(CopyCall(source.GetProcedureCall(), variables));
    group->SetHeader(source.GetHeader());
    group->SetHeaderValue(source.GetHeaderValue());
    group->SetNextProcKey(source.GetNextProcKey());
    report.AddReportGroup(group);
    for (const FieldRep* filter : source.GetFilters())
        group->AddFilter(CopyFilter(*filter, variables));
    for (const ReportField* column : source.GetReportFields())
        group->AddReportField(CopyColumn(*column));
    return group;
}
} // namespace

ApplicationReport* CopyReportWithoutLinks(const ApplicationReport& source)
{
    auto* copy = new ApplicationReport;
    copy->SetModule(source.GetModule());
    copy->SetName(source.GetFormName() + "_WithoutLinks");
    copy->SetFlag(source.GetFlag());
    copy->SetPagingRequired(source.IsPagingRequired());
    copy->SetReportKind(source.GetReportKind());
    copy->SetChartData(source.GetChartType(), nullptr);
    copy->SetColumnLayout(source.GetColumnLayout());
    // The variables first, so that the filters find theirs and the calls name the copy's own.
    VariableMap variables;
    for (const FieldVariableMap* map : source.GetFieldVariableMaps())
    {
        if (FormInterface::IsSharedVariableMap(map))
            continue;
        auto* variable = map->variable != nullptr ? new Variable(map->variable) : nullptr;
        variables[map->variable] = variable;
        copy->AddFieldVariableMap(new FieldVariableMap{map->field, variable});
    }
    for (const ReportGroup* group : source.GetReportGroups())
        CopyGroup(*group, *copy, variables);
    return copy;
}
