#include "entities/ApplicationReport.h"
#include "entities/AspxFile.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/DerivedField.h"
#include "entities/Form.h"
#include "entities/LinkControl.h"
#include "entities/MapForm.h"
#include "entities/MultiPageReport.h"
#include "entities/RDLCReport.h"
#include "entities/ReportCollector.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "entities/Transaction.h"
#include "merge/MergeDependencyCollector.h"
#include "merge/MergeNameIndex.h"
#include "merge/MergeNewPairing.h"
#include "model/FieldRep.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/RefField.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <vector>

namespace
{
CString ControlName(const FieldRep& control)
{
    return FieldNameOrEmpty(control.GetField());
}

std::vector<FieldRep*> ControlsOf(FormInterface& page)
{
    std::vector<FieldRep*> controls;
    for (int index = 0; FieldRep* control = page.GetFieldRep(index); ++index)
        controls.push_back(control);
    return controls;
}

std::vector<Variable*> VariablesOf(const FormInterface& page)
{
    std::vector<Variable*> variables;
    for (const FieldVariableMap* map : page.GetFieldVariableMaps())
        if (map != nullptr && map->variable != nullptr)
            variables.push_back(map->variable);
    return variables;
}

// The files of the page's list that it owns.
std::vector<AspFile*> OwnPageFiles(const FormInterface& page)
{
    std::vector<AspFile*> files;
    std::ranges::copy_if(page.GetAspFiles(), std::back_inserter(files),
                         [&page](const AspFile* file) { return page.OwnsAspFile(*file); });
    return files;
}

} // namespace

MergeNewFormInterfaceEntities::MergeNewFormInterfaceEntities(const MergeNewContext& context)
    : MergeNewKindCollector(context, "C:\\temp\\Merge_NewEntities_FormInterface.txt")
{
}

void MergeNewFormInterfaceEntities::CollectPageParts(FormInterface* a, FormInterface* b, bool flag,
                                                     MergeNewTableEntities& tables)
{
    m_firstPage = a;
    m_secondPage = b;
    if (a == nullptr || b == nullptr)
        return;
    CollectPageFiles();
    CollectVariables(flag);
    CollectControls();
    CollectLinkControls(flag);
    CollectRefFields(tables);
    CollectDerivedFields(tables);
}

AspFile* MergeNewFormInterfaceEntities::CopyPageFile(AspFile& file, FormInterface* page,
                                                     const ForgeonProject* project)
{
    const bool aspNet =
        project == nullptr || project->GetOutputKind() == ForgeonProject::aspNetOutput;
    // The copy belongs to the page it joins.
    AspFile* copy = aspNet ? new AspxFile : new AspFile;
    copy->SetOwnerKind(file.GetOwnerKind());
    copy->SetFileKind(file.GetFileKind());
    copy->SetBaseName(file.GetBaseName());
    copy->SetTitle(file.GetTitle());
    copy->SetLeftMenu(file.GetLeftMenu());
    copy->SetTopMenu(file.GetTopMenu());
    copy->SetOwnerPage(file.GetOwnerPage());
    page->AddAspFile(copy);
    return copy;
}

void MergeNewFormInterfaceEntities::CollectPageFiles()
{
    FormInterface* a = m_firstPage;
    FormInterface* b = m_secondPage;
    // The files a collector lists for the reports it shows go with its entries, which the merge
    // does not bring.
    RunPartPass(
        MergeNewPartPass<AspFile>{
            .xs = OwnPageFiles(*a),
            .ys = OwnPageFiles(*b),
            .name = PageFileName,
            .shown = PageFileUrl,
            .find = [a, b](const CString& name, bool inY)
            { return FindPageFile(inY ? *b : *a, name); },
            .make =
                [this, a, b](AspFile& file, bool firstWalk)
            {
                return firstWalk ? CopyPageFile(file, b, m_context.first)
                                 : CopyPageFile(file, a, m_context.second);
            },
            .enter = [this](AspFile* key, AspFile* value) { m_pageFiles.try_emplace(key, value); },
            .firstLine = "ASP FILE :%s\n",
            .secondLine = "ASP FILE %s\n",
        },
        true);
}

void MergeNewFormInterfaceEntities::CollectVariables(bool flag)
{
    FormInterface* a = m_firstPage;
    FormInterface* b = m_secondPage;
    RunPartPass(
        MergeNewPartPass<Variable>{
            .xs = VariablesOf(*a),
            .ys = VariablesOf(*b),
            .name = [](const Variable& variable) { return variable.GetFieldName(); },
            .find = [a, b](const CString& name, bool inY)
            { return (inY ? b : a)->FindVariableByName(name); },
            .make = [this](Variable&, bool) { return Make<Variable>(); },
            .enter = [this](Variable* key, Variable* value) { PairVariable(key, value); },
            .firstLine = "VARIABLE : %s\n",
            .secondLine = "VARIABLE : %s\n",
        },
        flag);
}

void MergeNewFormInterfaceEntities::CollectControls()
{
    FormInterface* a = m_firstPage;
    FormInterface* b = m_secondPage;
    RunPartPass(
        MergeNewPartPass<FieldRep>{
            .xs = ControlsOf(*a),
            .ys = ControlsOf(*b),
            .name = ControlName,
            .find = [a, b](const CString& name, bool inY)
            { return (inY ? b : a)->FindFieldRepByFieldName(name); },
            .make = [this](FieldRep&, bool) { return Make<FieldRep>(); },
            .enter = [this](FieldRep* key, FieldRep* value) { PairControl(key, value); },
            .firstLine = "FIELD REP : %s\n",
            .secondLine = "FIELD REP : %s\n",
        },
        true);
}

void MergeNewFormInterfaceEntities::CollectLinkControls(bool flag)
{
    FormInterface* a = m_firstPage;
    FormInterface* b = m_secondPage;
    for (const bool pre : {true, false})
        RunPartPass(
            MergeNewPartPass<LinkControl>{
                .xs = pre ? a->GetPreLinkList() : a->GetPostLinkList(),
                .ys = pre ? b->GetPreLinkList() : b->GetPostLinkList(),
                .name = [](const LinkControl& link) { return link.GetCaption(); },
                .find =
                    [a, b, pre](const CString& caption, bool inY)
                {
                    const FormInterface* page = inY ? b : a;
                    return pre ? page->FindPreLinkByCaption(caption)
                               : page->FindPostLinkByCaption(caption);
                },
                .make = [this](LinkControl&, bool) { return Make<LinkControl>(); },
                .enter = [this](LinkControl* key, LinkControl* value)
                { m_linkControls.try_emplace(key, value); },
                .firstLine = "LINKCONTROL : %s\n",
                .secondLine = "LINKCONTROL : %s\n",
                .overwrite = &MergeOverwriteSet::GetLinkControlList,
                .overwriteOnce = false,
            },
            flag);
}

void MergeNewFormInterfaceEntities::CollectRefFields(MergeNewTableEntities& tables)
{
    MergeNewMap<Field>& fields = tables.GetFieldMap();
    for (RefField* refField : std::vector<RefField*>(m_firstPage->GetRefFields()))
    {
        const CString name = FieldNameOrEmpty(refField->GetField());
        Field* counterpart = nullptr;
        if (RefField* found = m_secondPage->GetRefFieldByName(name))
            counterpart = found->GetField();
        else
        {
            counterpart = Make<Field>();
            Log("FIELD : %s\n", name);
        }
        fields.try_emplace(refField->GetField(), counterpart);
    }
    for (RefField* refField : std::vector<RefField*>(m_secondPage->GetRefFields()))
    {
        const CString name = FieldNameOrEmpty(refField->GetField());
        if (m_firstPage->GetRefFieldByName(name) != nullptr)
            continue;
        Log("FIELD : %s\n", name);
        fields.try_emplace(Make<Field>(), refField->GetField());
    }
}

void MergeNewFormInterfaceEntities::CollectDerivedFields(MergeNewTableEntities& tables)
{
    MergeNewMap<Field>& fields = tables.GetFieldMap();
    for (DerivedField* derived : std::vector<DerivedField*>(m_firstPage->GetDerivedFields()))
    {
        const CString name = FieldNameOrEmpty(derived->GetField());
        DerivedField* counterpart = m_secondPage->GetDerivedFieldByName(name);
        // A derived field of both pages pairs its own field with the other's.
        Field* counterpartField = counterpart != nullptr ? counterpart->GetField() : nullptr;
        if (counterpart == nullptr)
        {
            counterpart = Make<DerivedField>();
            counterpartField = Make<Field>();
            Log("DERIVEDFIELD : %s\n", name);
        }
        m_derivedFields.try_emplace(derived, counterpart);
        fields.try_emplace(derived->GetField(), counterpartField);
        Log("FIELD : %s\n", name);
    }
    for (DerivedField* derived : std::vector<DerivedField*>(m_secondPage->GetDerivedFields()))
    {
        const CString name = FieldNameOrEmpty(derived->GetField());
        if (m_firstPage->GetDerivedFieldByName(name) != nullptr)
            continue;
        AppendOverwrite(&MergeOverwriteSet::GetDerivedFieldList, derived, false);
        m_derivedFields.try_emplace(derived, Make<DerivedField>());
        fields.try_emplace(Make<Field>(), derived->GetField());
        Log("DERIVED FIELD : %s\n", name);
        Log("FIELD : %s\n", name);
    }
}

MergeNewPageKindCollector::MergeNewPageKindCollector(const MergeNewContext& context,
                                                     const char* logPath,
                                                     MergeNewFormInterfaceEntities& pageParts,
                                                     MergeNewTableEntities& tables)
    : MergeNewKindCollector(context, logPath), m_pageParts(pageParts), m_tableCollector(tables)
{
}

void MergeNewPageKindCollector::CollectPageParts(FormInterface* a, FormInterface* b, bool flag)
{
    m_pageParts.CollectPageParts(a, b, flag, m_tableCollector);
}

namespace
{
// The pass of a page kind whose lookup compares names exactly.
template <class Page>
MergeNewPass<Page> PagePass(const std::vector<Page*>& targets, const std::vector<Page*>& sources,
                            Page* (Module::*find)(const CString&) const, Module* target,
                            Module* source, std::function<Page*(const Page&)> make,
                            std::vector<Page*>& (MergeOverwriteSet::*overwrite)(), const char* line,
                            std::function<void(Page*, Page*, bool)> pair,
                            std::function<bool(const Page&)> keepsTargetCounterpart = nullptr)
{
    return MergeNewPass<Page>{
        .targets = targets,
        .sources = sources,
        .find = [find, target, source](const Page& page, bool inSource)
        { return ((inSource ? source : target)->*find)(page.GetFormName()); },
        .make = std::move(make),
        .keepsTargetCounterpart = std::move(keepsTargetCounterpart),
        .overwrite = overwrite,
        .firstLine = line,
        .secondLine = line,
        .pair = std::move(pair),
    };
}

// Has the pass find pages through indexes of its two lists, which are the lists its module
// lookup searches; the collection adds no page to either module.
template <class Page> void FindThroughIndexes(MergeNewPass<Page>& pass, bool exact)
{
    auto targets = std::make_shared<MergeNameIndex<Page>>(exact);
    auto sources = std::make_shared<MergeNameIndex<Page>>(exact);
    const auto pageName = [](const Page& page) { return page.GetFormName(); };
    targets->Add(pass.targets, pageName);
    sources->Add(pass.sources, pageName);
    pass.find = [targets, sources](const Page& page, bool inSource)
    { return (inSource ? *sources : *targets).Find(page.GetFormName()); };
}
} // namespace

MergeNewFormEntities::MergeNewFormEntities(const MergeNewContext& context,
                                           MergeNewFormInterfaceEntities& pageParts,
                                           MergeNewTableEntities& tables)
    : MergeNewPageKindCollector(context, "C:\\temp\\Merge_NewEntities_Form.txt", pageParts, tables)
{
}

void MergeNewFormEntities::CollectMasterForms(Module* target, Module* source)
{
    const MergeDependencyCollector& dependencies = *m_context.dependencies;
    auto pass = PagePass<Form>(
        target->GetMasterForms(), source->GetMasterForms(), &Module::FindMasterFormByName, target,
        source, [this](const Form&) { return Make<Form>(); }, &MergeOverwriteSet::GetMasterFormList,
        "MASTER FORM : %s\n",
        [this, &dependencies](Form* a, Form* b, bool)
        {
            const auto pair = SelectPair(a, b,
                                         [&dependencies](const Form* form)
                                         { return dependencies.IsMasterFormSelected(form); });
            if (!pair)
                return;
            m_masterForms.try_emplace(pair->key, pair->value);
            CollectPageParts(pair->key, pair->value, pair->flag);
        });
    FindThroughIndexes(pass, true);
    RunPass(pass);
}

void MergeNewFormEntities::CollectTransactions(Module* target, Module* source)
{
    const MergeDependencyCollector& dependencies = *m_context.dependencies;
    auto pass = PagePass<Transaction>(
        target->GetTransactions(), source->GetTransactions(), &Module::FindTransactionByName,
        target, source, [this](const Transaction&) { return Make<Transaction>(); },
        &MergeOverwriteSet::GetTransactionList, "TRANSACTION : %s\n",
        [this, &dependencies](Transaction* a, Transaction* b, bool)
        {
            const auto pair = SelectPair(a, b,
                                         [&dependencies](const Transaction* transaction) {
                                             return dependencies.IsTransactionSelected(transaction);
                                         });
            if (!pair)
                return;
            m_transactions.try_emplace(pair->key, pair->value);
            CollectPageParts(pair->key, pair->value, pair->flag);
        });
    FindThroughIndexes(pass, true);
    RunPass(pass);
}

void MergeNewFormEntities::CollectDashBoards(Module* target, Module* source)
{
    const MergeDependencyCollector& dependencies = *m_context.dependencies;
    const auto selected = [&dependencies](const DashBoard& dashBoard)
    { return dependencies.IsDashBoardSelected(&dashBoard); };
    RunPass(PagePass<DashBoard>(
        target->GetDashBoards(), source->GetDashBoards(), &Module::FindDashBoardByName, target,
        source, [this](const DashBoard&) { return Make<DashBoard>(); },
        &MergeOverwriteSet::GetDashBoardList, "DASHBOARD : %s\n",
        [this, selected](DashBoard* a, DashBoard* b, bool firstWalk)
        {
            if (!selected(*a))
                return;
            m_dashBoards.try_emplace(a, b);
            CollectPageParts(a, b, firstWalk);
        },
        selected));
}

void MergeNewFormEntities::CollectDashBoardPages(Module* target, Module* source)
{
    const MergeDependencyCollector& dependencies = *m_context.dependencies;
    const auto selected = [&dependencies](const DashBoardPage& page)
    { return dependencies.IsDashBoardPageSelected(&page); };
    RunPass(PagePass<DashBoardPage>(
        target->GetDashBoardPages(), source->GetDashBoardPages(), &Module::FindDashBoardPageByName,
        target, source, [this](const DashBoardPage&) { return Make<DashBoardPage>(); },
        &MergeOverwriteSet::GetDashBoardPageList, "DASHBOARDPAGE : %s\n",
        [this, selected](DashBoardPage* a, DashBoardPage* b, bool firstWalk)
        {
            if (!selected(*a))
                return;
            m_dashBoardPages.try_emplace(a, b);
            CollectPageParts(a, b, firstWalk);
        },
        selected));
}

MergeNewTempFormEntities::MergeNewTempFormEntities(const MergeNewContext& context,
                                                   MergeNewFormInterfaceEntities& pageParts,
                                                   MergeNewTableEntities& tables)
    : MergeNewPageKindCollector(context, "C:\\temp\\Merge_NewEntities_TempForms.txt", pageParts,
                                tables)
{
}

void MergeNewTempFormEntities::CollectMapForms(Module* target, Module* source)
{
    const MergeDependencyCollector& dependencies = *m_context.dependencies;
    RunPass(PagePass<MapForm>(
        target->GetMapForms(), source->GetMapForms(), &Module::FindMapFormByName, target, source,
        [this](const MapForm&) { return Make<MapForm>(); }, &MergeOverwriteSet::GetMapFormList,
        "MAP FORM : %s\n",
        [this, &dependencies](MapForm* a, MapForm* b, bool)
        {
            const auto pair = SelectPair(a, b,
                                         [&dependencies](const MapForm* mapForm)
                                         { return dependencies.IsMapFormSelected(mapForm); });
            if (!pair)
                return;
            m_mapForms.try_emplace(pair->key, pair->value);
            CollectPageParts(pair->key, pair->value, pair->flag);
            CollectMapFormControls(pair->key, pair->value);
        }));
}

void MergeNewTempFormEntities::CollectMapFormControls(MapForm* x, MapForm* y)
{
    CollectMapFormControlList(x->GetTopInputFieldReps(), y->GetTopInputFieldReps());
    CollectMapFormControlList(x->GetBottomInputFieldReps(), y->GetBottomInputFieldReps());
}

void MergeNewTempFormEntities::CollectMapFormControlList(const std::vector<FieldRep*>& xs,
                                                         const std::vector<FieldRep*>& ys)
{
    const auto findIn = [](const std::vector<FieldRep*>& controls, const CString& name)
    {
        const auto found = std::ranges::find_if(controls, [&name](const FieldRep* control)
                                                { return ControlName(*control) == name; });
        return found != controls.end() ? *found : nullptr;
    };
    RunPartPass(
        MergeNewPartPass<FieldRep>{
            .xs = xs,
            .ys = ys,
            .name = ControlName,
            .find = [&xs, &ys, &findIn](const CString& name, bool inY)
            { return findIn(inY ? ys : xs, name); },
            .make = [this](FieldRep&, bool) { return Make<FieldRep>(); },
            .enter = [this](FieldRep* key, FieldRep* value)
            { m_pageParts.PairControl(key, value); },
            .firstLine = "FIELD REP : %s\n",
            .secondLine = "FIELD REP : %s\n",
        },
        true);
}

void MergeNewTempFormEntities::CollectMultiPageReports(Module* target, Module* source)
{
    RunPass(PagePass<MultiPageReport>(
        target->GetMultiPageReports(), source->GetMultiPageReports(),
        &Module::FindMultiPageReportByName, target, source,
        [this](const MultiPageReport&) { return Make<MultiPageReport>(); }, nullptr,
        "MULTIPAGEREPORT : %s\n",
        [this](MultiPageReport* a, MultiPageReport* b, bool firstWalk)
        {
            m_multiPageReports.try_emplace(a, b);
            CollectPageParts(a, b, firstWalk);
        },
        [](const MultiPageReport&) { return true; }));
}

void MergeNewTempFormEntities::CollectReportCollectors(Module* target, Module* source)
{
    RunPass(PagePass<ReportCollector>(
        target->GetReportCollectors(), source->GetReportCollectors(),
        &Module::FindReportCollectorByName, target, source,
        [this](const ReportCollector&) { return Make<ReportCollector>(); }, nullptr,
        "REPORTCOLLECTOR : %s\n",
        [this](ReportCollector* a, ReportCollector* b, bool firstWalk)
        {
            m_reportCollectors.try_emplace(a, b);
            CollectPageParts(a, b, firstWalk);
        },
        [](const ReportCollector&) { return true; }));
}

MergeNewReportEntities::MergeNewReportEntities(const MergeNewContext& context,
                                               MergeNewFormInterfaceEntities& pageParts,
                                               MergeNewTableEntities& tables)
    : MergeNewPageKindCollector(context, "C:\\temp\\Merge_NewEntities_Report.txt", pageParts,
                                tables)
{
}

void MergeNewReportEntities::CollectReports(Module* target, Module* source)
{
    const MergeDependencyCollector& dependencies = *m_context.dependencies;
    auto pass = PagePass<ApplicationReport>(
        target->GetReports(), source->GetReports(), &Module::FindReportByName, target, source,
        [this](const ApplicationReport&) { return Make<ApplicationReport>(); },
        &MergeOverwriteSet::GetReportList, "APPREPORT : %s\n",
        [this, &dependencies](ApplicationReport* a, ApplicationReport* b, bool)
        {
            const auto pair = SelectPair(a, b,
                                         [&dependencies](const ApplicationReport* report)
                                         { return dependencies.IsReportSelected(report); });
            if (!pair)
                return;
            m_reports.try_emplace(pair->key, pair->value);
            CollectPageParts(pair->key, pair->value, pair->flag);
            CollectReportGroups(pair->key, pair->value, false, pair->flag);
            CollectReportGroups(pair->value, pair->key, true, pair->flag);
        });
    pass.secondLine = "REPORT : %s\n";
    FindThroughIndexes(pass, false);
    RunPass(pass);
}

void MergeNewReportEntities::CollectReportGroups(ApplicationReport* x, ApplicationReport* y,
                                                 bool secondWalk, bool flag)
{
    for (const ReportGroup* group : x->GetReportGroups())
    {
        for (FieldRep* filter : group->GetFilters())
        {
            FieldRep* counterpart = y->FindFieldRepByFieldName(ControlName(*filter));
            if (counterpart == nullptr)
            {
                counterpart = Make<FieldRep>();
                Log("FIELD REP : %s\n", ControlName(*filter));
            }
            m_pageParts.PairControl(filter, counterpart);
        }
        for (ReportField* column : group->GetReportFields())
        {
            const CString name = group->GetHeader() + column->GetName();
            ReportField* counterpart = y->FindReportFieldByQualifiedName(name);
            if (counterpart == nullptr)
            {
                if (secondWalk && !flag)
                    AppendOverwrite(&MergeOverwriteSet::GetReportFieldList, column);
                counterpart = Make<ReportField>();
                Log("REPORT FIELD : %s\n", name);
            }
            m_reportFields.try_emplace(column, counterpart);
        }
    }
}

void MergeNewReportEntities::CollectRDLCReports(Module* target, Module* source)
{
    const MergeDependencyCollector& dependencies = *m_context.dependencies;
    RunPass(PagePass<RDLCReport>(
        target->GetRDLCReports(), source->GetRDLCReports(), &Module::FindRDLCReportByName, target,
        source,
        [this](const RDLCReport& report)
        {
            auto* made = Make<RDLCReport>();
            made->SetName(report.GetFormName());
            made->SetHeader(report.GetHeader());
            return made;
        },
        &MergeOverwriteSet::GetRDLCReportList, "RDLC REPORT : %s\n",
        [this, &dependencies](RDLCReport* a, RDLCReport* b, bool)
        {
            const auto pair = SelectPair(a, b,
                                         [&dependencies](const RDLCReport* report)
                                         { return dependencies.IsRDLCReportSelected(report); });
            if (!pair)
                return;
            m_rdlcReports.try_emplace(pair->key, pair->value);
            CollectPageParts(pair->key, pair->value, pair->flag);
            CollectRDLCParts(pair->key, pair->value);
        }));
}

void MergeNewReportEntities::CollectRDLCParts(RDLCReport* x, RDLCReport* y)
{
    if (RDLCInfo* info = x->GetRDLCInfo())
    {
        RDLCInfo* counterpart = y->FindRDLCInfoByName(info->GetName());
        if (counterpart == nullptr)
        {
            counterpart = Make<RDLCInfo>();
            counterpart->SetName(info->GetName());
            Log("RDLCINFO : %s\n", info->GetName());
        }
        m_rdlcInfos.try_emplace(info, counterpart);
    }
    CollectTableAdapterMaps(x, y);
    CollectTableAdapterMaps(y, x);
}

void MergeNewReportEntities::CollectTableAdapterMaps(RDLCReport* x, RDLCReport* y)
{
    for (const TableAdapterMap& map : x->GetTableAdapterMaps())
    {
        if (y->FindTableAdapterMapIndex(map.m_tableAdapter) >= 0)
            continue;
        const CString name =
            map.m_tableAdapter != nullptr ? map.m_tableAdapter->GetName() : CString();
        m_tableAdapters.try_emplace(map.m_tableAdapter, Make<TableAdapter>());
        Log("TABLEADAPTERMAP : %s\n", name);
    }
}
