#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/ColumnGraphData.h"
#include "entities/DashBoard.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/MapForm.h"
#include "entities/PieChartData.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ReportField.h"
#include "entities/ReportFieldControlProperty.h"
#include "entities/ReportGroup.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "merge/MergeDependencyCollector.h"
#include "merge/MergeEntityNames.h"
#include "merge/MergeMarks.h"
#include "merge/ProjectMergerPageKinds.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/Table.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <vector>

Form* ProjectMerger::FindFirstMasterForm(const CString& name) const
{
    return FindIndexedPage(m_firstForms, &Module::GetMasterForms, true, name);
}

Transaction* ProjectMerger::FindFirstTransaction(const CString& name) const
{
    return FindIndexedPage(m_firstTransactions, &Module::GetTransactions, true, name);
}

ApplicationReport* ProjectMerger::FindFirstReport(const CString& name) const
{
    return FindIndexedPage(m_firstReports, &Module::GetReports, false, name);
}

MergeNameIndex<Form>* ProjectMerger::BuiltIndexOf(const Form* /*form*/)
{
    return m_firstForms ? &*m_firstForms : nullptr;
}

MergeNameIndex<Transaction>* ProjectMerger::BuiltIndexOf(const Transaction* /*transaction*/)
{
    return m_firstTransactions ? &*m_firstTransactions : nullptr;
}

MergeNameIndex<ApplicationReport>* ProjectMerger::BuiltIndexOf(const ApplicationReport* /*report*/)
{
    return m_firstReports ? &*m_firstReports : nullptr;
}

void ProjectMerger::ResolveMasterForms(Module* /*source*/, Module* target)
{
    m_reportFiles.Open(m_formLog, "C:\\temp\\KestraneWeavo\\merging1.txt");
    RunPagePhase(
        PagePhase<Form>{&MergeNewEntities::GetMasterFormCount, &MergeNewEntities::GetMasterFormAt,
                        &MergeNewEntities::GetMasterFormCounterpart, &Module::FindMasterFormByName,
                        &Module::AddMasterForm, &ProjectMerger::FindFirstMasterForm,
                        "%s form not found in first file!\n\n", &ProjectMerger::ResolveMasterForm},
        target, [this](const Form& form) { m_formLog.Write(0, "%s\n", form.GetFormName()); });
    m_reportFiles.Close(m_formLog);
}

void ProjectMerger::ResolveMasterForm(Form* source, Form* target)
{
    if (BothMarked(source, target))
        return;
    ResolvePage(target, source);
    target->SetHeader(source->GetHeader());
    target->SetOptionFlag(source->GetOptionFlag());
    target->SetDisplayType(source->GetDisplayType());
    if (Table* table = Owned(ResolveTableReference(source->GetTable())))
        target->SetTable(table);
    ApplicationReport* sourceReport = source->GetReport();
    ApplicationReport* report = nullptr;
    if (sourceReport != nullptr)
    {
        report = FindFirstReport(sourceReport->GetFormName());
        if (report == nullptr)
            report = m_newEntities.GetReportCounterpart(sourceReport);
        if (report == nullptr)
            Report("%s report of %s master Form is not present in first file\n\n",
                   sourceReport->GetFormName(), source->GetFormName());
    }
    target->SetReport(report);
    for (const ReportVariableMap* map : source->GetReportVariableMaps())
    {
        if (map == nullptr || map->pageVariable == nullptr || map->reportVariable == nullptr ||
            report == nullptr ||
            target->IsReportVariableMapped(map->reportVariable->GetFieldName()))
            continue;
        // Both variables are the pages' own, found by name once the pages are resolved.
        Variable* pageVariable = target->FindVariableByName(map->pageVariable->GetFieldName());
        Variable* reportVariable = report->FindVariableByName(map->reportVariable->GetFieldName());
        if (pageVariable != nullptr && reportVariable != nullptr)
            target->AddReportVariableMap(new ReportVariableMap{reportVariable, pageVariable});
    }
    MarkBoth(source, target);
}

void ProjectMerger::ResolveTransactions(Module* /*source*/, Module* target)
{
    RunPagePhase(PagePhase<Transaction>{&MergeNewEntities::GetTransactionCount,
                                        &MergeNewEntities::GetTransactionAt,
                                        &MergeNewEntities::GetTransactionCounterpart,
                                        &Module::FindTransactionByName, &Module::AddTransaction,
                                        &ProjectMerger::FindFirstTransaction, nullptr,
                                        &ProjectMerger::ResolveTransaction},
                 target);
}

void ProjectMerger::ResolveTransaction(Transaction* source, Transaction* target)
{
    if (BothMarked(source, target))
        return;
    Table* basic = Owned(ResolveTableReference(source->GetBasicTable()));
    if (basic == nullptr && source->GetBasicTable() != nullptr)
        Report("%s table not found in first file!\n\n", source->GetBasicTable()->GetTableName());
    target->SetBasicTable(basic);
    target->SetCustomProcedureNames(source->GetCustomProcedureNames());
    // Overwriting drops the detail tables the source lacks; those it has stay with their page
    // parts, which the page resolution below re-points.
    if (m_overwrite)
        for (Table* detail : std::vector<Table*>(target->GetDetailTables()))
            if (detail != nullptr && !source->HasDetailTableNamed(detail->GetTableName()))
            {
                target->RemoveDetailTableReport(target->FindDetailTableReport(detail));
                target->RemoveDetailTable(detail);
            }
    for (int i = 0; Table* detail = source->GetDetailTableAt(i); ++i)
    {
        Table* resolved = Owned(ResolveTableReference(detail));
        if (resolved == nullptr)
        {
            Report("%s detail table not found in first file!\n\n", detail->GetTableName());
            continue;
        }
        if (!target->HasDetailTableNamed(resolved->GetTableName()))
            target->AddDetailTable(resolved);
    }
    TrimTableTitles(source);
    for (const TableTitleEntry& entry : source->GetTableTitles())
        if (Table* table = Owned(ResolveTableReference(entry.table)))
            target->SetTableTitle(table, entry.title);
    ResolvePage(target, source);
    MarkBoth(source, target);
}

void ProjectMerger::TrimTableTitles(Transaction* transaction)
{
    const std::size_t kept = transaction->GetDetailTables().size() + 1;
    while (transaction->GetTableTitles().size() > kept)
        transaction->RemoveTableTitleAt(static_cast<int>(kept));
}

void ProjectMerger::ResolveDashBoards(Module* /*source*/, Module* target)
{
    RunPagePhase(PagePhase<DashBoard>{&MergeNewEntities::GetDashBoardCount,
                                      &MergeNewEntities::GetDashBoardAt,
                                      &MergeNewEntities::GetDashBoardCounterpart,
                                      &Module::FindDashBoardByName, &Module::AddDashBoard, nullptr,
                                      "%s dashBoard not found in first file!\n\n",
                                      &ProjectMerger::ResolveDashBoard},
                 target);
}

void ProjectMerger::ResolveDashBoard(DashBoard* source, DashBoard* target)
{
    if (BothMarked(source, target))
        return;
    // The data procedure first: the layout's cells show its columns.
    if (ProcedureInvokation* call = ResolvedPageCall(source->GetProcedureInvokation()))
    {
        delete target->GetProcedureInvokation();
        target->SetProcedureInvokation(call);
    }
    if (const ClassInvokation* call = source->GetClassInvokation())
    {
        auto merged = std::make_unique<ClassInvokation>();
        if (MergePageClassCall(call, merged.get()))
        {
            delete target->GetClassInvokation();
            target->SetClassInvokation(merged.release());
        }
    }
    ResolvePage(target, source);
    target->SetHeader(source->GetHeader());
    MarkBoth(source, target);
}

void ProjectMerger::ResolveReports(Module* /*source*/, Module* target)
{
    RunPagePhase(
        PagePhase<ApplicationReport>{
            &MergeNewEntities::GetReportCount, &MergeNewEntities::GetReportAt,
            &MergeNewEntities::GetReportCounterpart, &Module::FindReportByName, &Module::AddReport,
            &ProjectMerger::FindFirstReport, "%s report not found in first file!\n\n",
            &ProjectMerger::ResolveReport},
        target);
}

namespace
{
// A group without class function or procedure.
bool CallsNothing(const ReportGroup* group);
} // namespace

void ProjectMerger::ResolveReport(ApplicationReport* source, ApplicationReport* target)
{
    if (BothMarked(source, target))
        return;
    ResolvePage(target, source);
    target->SetFlag(source->GetFlag());
    target->SetPagingRequired(source->IsPagingRequired());
    target->SetReportKind(source->GetReportKind());
    target->SetTitle(source->GetTitle());
    if (Table* table = Owned(ResolveTableReference(source->GetTable())))
        target->SetTable(table);
    target->SetColumnLayout(source->GetColumnLayout());
    if (const auto* column = dynamic_cast<const ColumnGraphData*>(source->GetChartData()))
    {
        auto* copy = new ColumnGraphData;
        copy->Assign(*column);
        target->SetChartData(source->GetChartType(), copy);
    }
    else if (const auto* pie = dynamic_cast<const PieChartData*>(source->GetChartData()))
    {
        auto* copy = new PieChartData;
        copy->Assign(*pie);
        target->SetChartData(source->GetChartType(), copy);
    }
    if (const ClassInvokation* call = source->GetClassCall())
    {
        auto merged = std::make_unique<ClassInvokation>();
        if (MergePageClassCall(call, merged.get()))
            target->SetClassCall(merged.release());
    }
    // The report's and its groups' data procedures come along, lest the merged report lose its
    // data source.
    if (ProcedureInvokation* call = ResolvedPageCall(source->GetReportProcedureCall()))
        target->SetReportProcedureCall(call);
    // The groups that call nothing pair in their order: one merged again adds no group.
    std::vector<ReportGroup*> idle;
    std::ranges::copy_if(target->GetReportGroups(), std::back_inserter(idle), CallsNothing);
    auto nextIdle = idle.begin();
    for (ReportGroup* group : source->GetReportGroups())
    {
        ReportGroup* counterpart = nullptr;
        if (!CallsNothing(group))
            counterpart = FindReportGroupByFunctionName(target, group);
        else if (nextIdle != idle.end())
            counterpart = *nextIdle++;
        const bool made = counterpart == nullptr;
        // A group that calls no function gets no class call.
        if (made)
            counterpart = new ReportGroup(
                target, group->GetClassCall() != nullptr ? new ClassInvokation : nullptr);
        ResolveReportGroup(group, counterpart);
        if (made && (CallsNothing(counterpart) ||
                     FindReportGroupByFunctionName(target, counterpart) == nullptr))
            target->AddReportGroup(counterpart);
        else if (made)
            delete counterpart;
    }
    MarkBoth(source, target);
}

namespace
{
const Function* FunctionOf(const ReportGroup* group)
{
    const ClassInvokation* call = group->GetClassCall();
    return call != nullptr ? call->GetFunction() : nullptr;
}

const Procedure* ProcedureOf(const ReportGroup* group)
{
    const ProcedureInvokation* call = group->GetProcedureCall();
    return call != nullptr ? call->GetProcedure() : nullptr;
}

// Both groups call functions of the name, or, calling none, procedures of the name.
bool CallAlike(const ReportGroup* group, const ReportGroup* other)
{
    const Function* function = FunctionOf(group);
    const Function* otherFunction = FunctionOf(other);
    if (function != nullptr || otherFunction != nullptr)
        return function != nullptr && otherFunction != nullptr &&
               function->GetFieldName() == otherFunction->GetFieldName();
    const Procedure* procedure = ProcedureOf(group);
    const Procedure* otherProcedure = ProcedureOf(other);
    return procedure != nullptr && otherProcedure != nullptr &&
           procedure->GetName().CompareNoCase(otherProcedure->GetName()) == 0;
}

bool CallsNothing(const ReportGroup* group)
{
    return FunctionOf(group) == nullptr && ProcedureOf(group) == nullptr;
}
} // namespace

ReportGroup* ProjectMerger::FindReportGroupByFunctionName(const ApplicationReport* report,
                                                          const ReportGroup* group)
{
    for (ReportGroup* own : report->GetReportGroups())
        if (own != group && CallAlike(group, own))
            return own;
    return nullptr;
}

ReportField* ProjectMerger::FindGroupColumnByName(const ReportGroup* group,
                                                  const ReportField* column)
{
    for (ReportField* own : group->GetReportFields())
        if (own->GetName().CompareNoCase(column->GetName()) == 0)
            return own;
    return nullptr;
}

FieldRep* ProjectMerger::FindGroupFilterByFieldName(const ReportGroup* group,
                                                    const FieldRep* filter)
{
    if (filter->GetField() == nullptr)
        return nullptr;
    for (FieldRep* own : group->GetFilters())
        if (own->GetField() != nullptr &&
            own->GetField()->GetFieldName().CompareNoCase(filter->GetField()->GetFieldName()) == 0)
            return own;
    return nullptr;
}

ProcedureInvokation* ProjectMerger::ResolvedInvocation(const ProcedureInvokation* source)
{
    if (source == nullptr)
        return nullptr;
    auto resolved = std::make_unique<ProcedureInvokation>();
    return ResolveProcedureInvokation(source, resolved.get()) ? resolved.release() : nullptr;
}

ProcedureInvokation* ProjectMerger::ResolvedPageCall(const ProcedureInvokation* source)
{
    ProcedureInvokation* resolved = ResolvedInvocation(source);
    if (resolved == nullptr && source != nullptr && source->GetProcedure() != nullptr)
        Report("%s procedure of %s page not found in first file!\n\n",
               source->GetProcedure()->GetName(), CallingPageName());
    return resolved;
}

bool ProjectMerger::MergePageClassCall(const ClassInvokation* source, ClassInvokation* target)
{
    const bool merged = MergeClassInvocation(source, target);
    if (source == nullptr)
        return merged;
    const Class* dataClass = source->GetClass();
    if (const Function* function = source->GetFunction();
        function != nullptr && target->GetFunction() == nullptr)
        Report("%s%s function of %s page not found in first file!\n\n",
               dataClass != nullptr ? dataClass->GetFieldName() + "." : CString(),
               function->GetFieldName(), CallingPageName());
    else if (dataClass != nullptr && target->GetClass() == nullptr)
        Report("%s class of %s page not found in first file!\n\n", dataClass->GetFieldName(),
               CallingPageName());
    return merged;
}

CString ProjectMerger::CallingPageName() const
{
    return m_callingPage != nullptr ? m_callingPage->GetFormName() : CString();
}

ProcedureFieldInfo* ProjectMerger::FindGroupOutputColumn(const ReportGroup* group,
                                                         const ProcedureFieldInfo* column)
{
    const ProcedureInvokation* call = group->GetProcedureCall();
    return FindOutputColumn(call != nullptr ? call->GetProcedure() : nullptr, column);
}

ProcedureFieldInfo* ProjectMerger::FindOutputColumn(const Procedure* procedure,
                                                    const ProcedureFieldInfo* column)
{
    if (column == nullptr || procedure == nullptr)
        return nullptr;
    const CString name = ColumnDisplayName(column);
    for (ProcedureFieldInfo* own : procedure->GetOutputColumns())
        if (ColumnDisplayName(own).CompareNoCase(name) == 0)
            return own;
    return nullptr;
}

void ProjectMerger::ResolveReportGroup(const ReportGroup* source, ReportGroup* target)
{
    if (target->GetClassCall() != nullptr)
        MergePageClassCall(source->GetClassCall(), target->GetClassCall());
    if (ProcedureInvokation* call = ResolvedPageCall(source->GetProcedureCall()))
        target->SetProcedureCall(call);
    if (ProcedureFieldInfo* header = FindGroupOutputColumn(target, source->GetHeaderValue()))
        target->SetHeaderValue(header);
    for (FieldRep* filter : source->GetFilters())
    {
        FieldRep* counterpart = FindGroupFilterByFieldName(target, filter);
        const bool held = counterpart != nullptr;
        if (!held)
            counterpart = m_newEntities.GetControlCounterpart(filter);
        if (counterpart == nullptr || !ResolveFieldRep(filter, counterpart, nullptr))
            continue;
        if (!held && !target->HasFilterNamed(counterpart->GetField()->GetFieldName()) &&
            m_newEntities.OwnsCreated(counterpart))
        {
            target->AddFilter(counterpart);
            m_newEntities.HandOver(counterpart);
        }
    }
    for (ReportField* column : source->GetReportFields())
    {
        ReportField* counterpart = FindGroupColumnByName(target, column);
        const bool held = counterpart != nullptr;
        if (!held)
            counterpart = m_newEntities.GetReportFieldCounterpart(column);
        if (counterpart == nullptr || !ResolveReportField(column, counterpart, target) || held ||
            !m_newEntities.OwnsCreated(counterpart))
            continue;
        target->AddReportField(counterpart);
        m_newEntities.HandOver(counterpart);
    }
    target->SetHeader(source->GetHeader());
}

bool ProjectMerger::ResolveReportField(const ReportField* source, ReportField* target,
                                       const ReportGroup* group)
{
    ResolveMenuInterface(source, target);
    if (const ProcedureFieldInfo* info = source->GetFieldInfo())
    {
        const ProcedureFieldInfo* own = target->GetFieldInfo();
        if (own == nullptr || ColumnDisplayName(own).CompareNoCase(ColumnDisplayName(info)) != 0)
        {
            // The group procedure's own column, else a column of the column's own.
            if (ProcedureFieldInfo* column = FindGroupOutputColumn(group, info))
                target->SetFieldInfo(column);
            else
            {
                auto resolved = std::make_unique<ProcedureFieldInfo>();
                if (!ResolveFieldInfo(info, resolved.get()))
                    return false;
                target->AdoptFieldInfo(resolved.release());
            }
        }
    }
    target->SetColNo(source->GetColNo());
    target->SetWidth(source->GetWidth());
    target->SetAlignment(source->GetAlignment());
    target->SetName(source->GetName());
    target->SetImageFromFileContent(source->IsImageFromFileContent());
    target->SetImageHeight(source->GetImageHeight());
    target->SetImageWidth(source->GetImageWidth());
    target->SetMoney(source->IsMoney());
    ResolveBindings(source, target, group);
    return true;
}

void ProjectMerger::ResolveBindings(const ReportField* source, ReportField* target,
                                    const ReportGroup* group)
{
    const FormInterface* page = group->GetReport();
    for (const ReportFieldBinding* binding : source->GetBindings())
    {
        Variable* variable = VariableCounterpart(binding->m_target, page);
        if (binding->m_target != nullptr && variable == nullptr)
            continue;
        auto made = std::make_unique<ReportFieldBinding>();
        made->m_target = variable;
        made->m_sourceVariable = VariableCounterpart(binding->m_sourceVariable, page);
        if (binding->m_sourceControl != nullptr && page != nullptr &&
            binding->m_sourceControl->GetField() != nullptr)
            made->m_sourceControl =
                page->FindFieldRepByFieldName(binding->m_sourceControl->GetField()->GetFieldName());
        made->m_sourceColumn = FindGroupOutputColumn(group, binding->m_sourceColumn);
        if (binding->m_sourceColumn != nullptr && made->m_sourceColumn == nullptr)
            continue;
        target->SetBinding(made.release());
    }
}

Variable* ProjectMerger::FindFirstVariable(const CString& name) const
{
    for (const Module* module : m_first->GetModules())
    {
        std::vector<FormInterface*> pages;
        module->GetAllPages(pages);
        for (const FormInterface* page : pages)
            if (Variable* found = page->FindVariableByName(name))
                return found;
    }
    return nullptr;
}

void ProjectMerger::ReportUnmergedMapForms(Module* source)
{
    for (const MapForm* mapForm : source->GetMapForms())
        if (m_dependencies->IsMapFormSelected(mapForm))
            Report("%s map form is not merged!\n\n", mapForm->GetFormName());
}
