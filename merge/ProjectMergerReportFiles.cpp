#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/TableAdapter.h"
#include "entities/XSDInfo.h"
#include "merge/MergeMarks.h"
#include "merge/PointerLists.h"
#include "merge/ProjectMergerPageKinds.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/Table.h"

#include <algorithm>
#include <memory>

RDLCReport* ProjectMerger::FindFirstRDLCReport(const CString& name) const
{
    return FindFirstPageOfKind(name, &Module::FindRDLCReportByName);
}

void ProjectMerger::ResolveRDLCReports(Module* /*source*/, Module* target)
{
    RunPagePhase(
        PagePhase<RDLCReport>{
            &MergeNewEntities::GetRDLCReportCount, &MergeNewEntities::GetRDLCReportAt,
            &MergeNewEntities::GetRDLCReportCounterpart, &Module::FindRDLCReportByName,
            &Module::AddRDLCReport, &ProjectMerger::FindFirstRDLCReport,
            "%s RDLC report not found in first file!\n\n", &ProjectMerger::ResolveRDLCReport},
        target);
}

void ProjectMerger::ResolveRDLCReport(RDLCReport* source, RDLCReport* target)
{
    if (BothMarked(source, target))
        return;
    ResolvePage(target, source);
    target->SetHeader(source->GetHeader());
    if (Table* table = Owned(ResolveTableReference(source->GetTable())))
        target->SetTable(table);
    if (const RDLCInfo* info = source->GetRDLCInfo())
    {
        RDLCInfo* own = target->GetRDLCInfo();
        if (own == nullptr || own->GetName() != info->GetName())
            own = ProjectRDLCInfo(*info);
        MergeRDLCInfo(info, own);
        target->SetRDLCInfo(own);
    }
    if (const XSDInfo* info = source->GetXSDInfo(); info != nullptr && source->GetMode() == 0)
    {
        XSDInfo* own = target->GetXSDInfo();
        if (own == nullptr || own->GetName() != info->GetName())
            own = ProjectXSDInfo(*info);
        MergeXSDInfo(info, own);
        target->SetXSDInfo(own);
    }
    target->SetMode(source->GetMode());
    for (const TableAdapterMap& map : source->GetTableAdapterMaps())
    {
        const TableAdapter* adapter = map.m_tableAdapter;
        XSDInfo* xsd = target->GetXSDInfo();
        TableAdapter* own = adapter != nullptr && xsd != nullptr
                                ? xsd->FindTableAdapterNoCase(adapter->GetName())
                                : nullptr;
        if (own == nullptr || target->FindTableAdapterMapIndexByName(own->GetName()) >= 0)
            continue;
        TableAdapterMap copy{own, {}};
        for (const ColumnFieldPair& pair : map.m_pairs)
            copy.m_pairs.push_back(
                ColumnFieldPair{pair.m_column, Owned(ResolveFieldReference(pair.m_field))});
        target->AddTableAdapterMap(copy);
    }
    MarkBoth(source, target);
}

RDLCInfo* ProjectMerger::ProjectRDLCInfo(const RDLCInfo& source)
{
    if (RDLCInfo* found = m_first->FindRDLCInfoByName(source.GetName()))
        return found;
    auto* made = new RDLCInfo;
    made->SetName(source.GetName());
    m_first->AddRDLCInfo(made);
    return made;
}

XSDInfo* ProjectMerger::ProjectXSDInfo(const XSDInfo& source)
{
    if (XSDInfo* found = m_first->FindXSDInfoByName(source.GetName()))
        return found;
    auto* made = new XSDInfo;
    made->SetFilePath(source.GetName());
    m_first->AddXSDInfo(made);
    return made;
}

void ProjectMerger::MergeRDLCInfo(const RDLCInfo* source, RDLCInfo* target)
{
    if (BothMarked(source, target))
        return;
    target->SetName(source->GetName());
    const auto holds = [](const RDLCInfo& info, const CString& name)
    {
        for (const RDLCDataSetEntry& entry : info.GetEntries())
            if (entry.m_dataSetName == name)
                return true;
        return false;
    };
    if (m_overwriteReference != nullptr)
        for (const RDLCDataSetEntry& entry : target->GetEntries())
            if (!holds(*source, entry.m_dataSetName))
            {
                AppendOverwriteDataSet(entry);
                AppendOnce(m_overwriteReference->GetRDLCInfoList(), target);
            }
    for (const RDLCDataSetEntry& entry : source->GetEntries())
        if (!holds(*target, entry.m_dataSetName))
            target->AddDataSet(entry.m_dataSetName, entry.m_tableAdapterName, entry.m_tableName);
    MarkBoth(const_cast<RDLCInfo*>(source), target);
}

void ProjectMerger::MergeXSDInfo(const XSDInfo* source, XSDInfo* target)
{
    if (BothMarked(source, target))
        return;
    target->SetFilePath(source->GetName());
    if (m_overwriteReference != nullptr)
        for (TableAdapter* adapter : target->GetTableAdapters())
            if (source->FindTableAdapterNoCase(adapter->GetName()) == nullptr)
            {
                AppendOnce(m_overwriteReference->GetTableAdapterList(), adapter);
                AppendOnce(m_overwriteReference->GetXSDInfoList(), target);
            }
    for (const TableAdapter* adapter : source->GetTableAdapters())
    {
        TableAdapter* own = target->FindTableAdapter(adapter->GetName());
        if (own == nullptr)
        {
            own = new TableAdapter;
            target->AddTableAdapter(own);
        }
        own->SetName(adapter->GetName());
        own->SetCommandType(adapter->GetCommandType());
        own->SetCommandText(adapter->GetCommandText());
        // A name the adapter holds already is not listed twice.
        for (const CString& name : adapter->GetParameterNames())
            if (std::ranges::find(own->GetParameterNames(), name) == own->GetParameterNames().end())
                own->AddParameterName(name);
        for (const CString& name : adapter->GetColumnNames())
            if (std::ranges::find(own->GetColumnNames(), name) == own->GetColumnNames().end())
                own->AddColumnName(name);
    }
    MarkBoth(const_cast<XSDInfo*>(source), target);
}

template <class Info> void ProjectMerger::ResolveProjectInfos(const ProjectInfoPhase<Info>& phase)
{
    for (int i = 0; i < (m_newEntities.*phase.count)(); ++i)
    {
        Info* source = (m_newEntities.*phase.at)(i);
        if (Holds((m_first->*phase.list)(), static_cast<const Info*>(source)))
            continue;
        Info* target = (m_first->*phase.find)(source->GetName());
        if (target == nullptr)
            target = (m_newEntities.*phase.counterpart)(source);
        if (target == nullptr)
        {
            Report(phase.missingLine, source->GetName());
            continue;
        }
        (this->*phase.merge)(source, target);
        if (m_newEntities.OwnsCreated(target) &&
            (m_first->*phase.find)(source->GetName()) == nullptr)
        {
            (m_first->*phase.add)(target);
            m_newEntities.HandOver(target);
        }
    }
}

void ProjectMerger::ResolveXSDInfos()
{
    ResolveProjectInfos(ProjectInfoPhase<XSDInfo>{
        &MergeNewEntities::GetXSDInfoCount, &MergeNewEntities::GetXSDInfoAt,
        &MergeNewEntities::GetXSDInfoCounterpart, &ForgeonProject::GetXSDInfos,
        &ForgeonProject::FindXSDInfoByName, &ForgeonProject::AddXSDInfo,
        "%s XSDInfo not found in first file!\n\n", &ProjectMerger::MergeXSDInfo});
}

void ProjectMerger::ResolveRDLCInfos()
{
    ResolveProjectInfos(ProjectInfoPhase<RDLCInfo>{
        &MergeNewEntities::GetRDLCInfoCount, &MergeNewEntities::GetRDLCInfoAt,
        &MergeNewEntities::GetRDLCInfoCounterpart, &ForgeonProject::GetRDLCInfos,
        &ForgeonProject::FindRDLCInfoByName, &ForgeonProject::AddRDLCInfo,
        "%s RDLCInfo not found in first file!\n\n", &ProjectMerger::MergeRDLCInfo});
}

void ProjectMerger::MarkNewXSDInfosForOverwrite()
{
    for (XSDInfo* info : m_second->GetXSDInfos())
        if (m_first->FindXSDInfoByName(info->GetName()) == nullptr)
            AppendOnce(m_overwriteReference->GetXSDInfoList(), info);
}

void ProjectMerger::MarkNewRDLCInfosForOverwrite()
{
    for (RDLCInfo* info : m_second->GetRDLCInfos())
        if (m_first->FindRDLCInfoByName(info->GetName()) == nullptr)
            AppendOnce(m_overwriteReference->GetRDLCInfoList(), info);
}

void ProjectMerger::AppendOverwriteDataSet(const RDLCDataSetEntry& entry)
{
    std::vector<RDLCDataSetEntry>& list = m_overwriteReference->GetDataSetList();
    for (const RDLCDataSetEntry& held : list)
        if (held.m_tableName == entry.m_tableName)
            return;
    list.push_back(entry);
}
