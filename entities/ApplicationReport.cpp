#include "entities/ApplicationReport.h"

#include "entities/ClassInvokation.h"
#include "entities/ColumnGraphData.h"
#include "entities/GraphData.h"
#include "entities/PieChartData.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ReportGroup.h"
#include "model/ArchiveIO.h"
#include "model/Ownership.h"
#include "model/Table.h"

IMPLEMENT_SERIAL(ApplicationReport, FormInterface, 0)

int ApplicationReport::s_idCounter = 0;

namespace
{

// The chart data of a record, read as the class its chart type asks for.
GraphData* ReadChartData(CArchive& ar, int chartType)
{
    if (chartType >= 1 && chartType <= 3)
        return ReadRef<ColumnGraphData>(ar);
    if (chartType >= 4 && chartType <= 6)
        return ReadRef<PieChartData>(ar);
    return ReadRef<GraphData>(ar);
}

} // namespace

ApplicationReport::ApplicationReport() : m_id(++s_idCounter) {}

ApplicationReport::~ApplicationReport()
{
    delete m_reportProcedureCall;
    delete m_classCall;
    DeleteAll(m_groups);
    delete m_chartData;
    m_chartData = nullptr;
    m_chartType = 0;
}

void ApplicationReport::Serialize(CArchive& ar)
{
    FormInterface::Serialize(ar);
    if (ar.IsStoring())
    {
        WriteBoolInt(ar, m_flag);
        ar << m_reportKind << m_columnLayout;
        ar.WriteObject(m_reportProcedureCall);
        WriteObjectList(ar, m_groups);
        ar << m_chartType;
        ar.WriteObject(m_chartData);
        WriteBoolInt(ar, m_pagingRequired);
        ar << m_subHeader;
        WriteBoolInt(ar, m_hasCompanionWithoutLinks);
        ar.WriteObject(m_table);
        ar << m_header;
        ar.WriteObject(m_classCall);
        return;
    }
    const int version = ArchiveVersion();
    m_flag = ReadBoolInt(ar);
    if (version > 27)
        ar >> m_reportKind;
    else
        m_reportKind = ReadBoolInt(ar) ? 2 : 1;
    ar >> m_columnLayout;
    m_reportProcedureCall = ReadRef<ProcedureInvokation>(ar);
    ReadObjectList(ar, m_groups);
    if (version > 27)
    {
        ar >> m_chartType;
        m_chartData = ReadChartData(ar, m_chartType);
        m_pagingRequired = ReadBoolInt(ar);
    }
    if (version > 58)
        ar >> m_subHeader;
    if (version > 62)
        m_hasCompanionWithoutLinks = ReadBoolInt(ar);
    if (version > 68)
        m_table = ReadRef<Table>(ar);
    if (version > 74)
        ar >> m_header;
    if (version > 78)
        m_classCall = ReadRef<ClassInvokation>(ar);
}

void ApplicationReport::SetChartData(int chartType, GraphData* chartData)
{
    if (chartData != m_chartData)
        delete m_chartData;
    m_chartType = chartType;
    m_chartData = chartData;
}

void ApplicationReport::SetReportProcedureCall(ProcedureInvokation* call)
{
    if (call != m_reportProcedureCall)
        delete m_reportProcedureCall;
    m_reportProcedureCall = call;
}

void ApplicationReport::SetClassCall(ClassInvokation* call)
{
    if (call != m_classCall)
        delete m_classCall;
    m_classCall = call;
}

void ApplicationReport::AddReportGroup(ReportGroup* group)
{
    group->SetReport(this);
    m_groups.push_back(group);
}
