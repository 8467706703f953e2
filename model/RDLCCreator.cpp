#include "model/RDLCCreator.h"

#include "entities/Class.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/TableAdapter.h"
#include "entities/XSDInfo.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/NameUtilities.h"
#include "model/ProjectSettings.h"
#include "model/Table.h"

RDLCCreator::RDLCCreator(Table* table, ForgeonProject* project) : m_project(project), m_table(table)
{
}

void RDLCCreator::CreateReport()
{
    Module* module = m_project != nullptr ? m_project->GetCurrentModule() : nullptr;
    if (module == nullptr || m_table == nullptr)
        return;
    const CString tableName = m_table->GetTableName();
    auto* report = new RDLCReport;
    report->SetName(tableName + "_rdlc");
    CString header = MakeCaption(tableName) + " Report";
    header.MakeUpper();
    report->SetHeader(header);
    // The project owns the descriptions; the report refers to them.
    RDLCInfo* info = CreateReportInfo();
    m_project->AddRDLCInfo(info);
    report->SetRDLCInfo(info);
    XSDInfo* dataSet = CreateDataSet();
    m_project->AddXSDInfo(dataSet);
    report->SetXSDInfo(dataSet);
    report->SetMode(0);
    report->SetTable(m_table);
    module->AddRDLCReport(report, true);
    // The files take the names Write All writes them under.
    report->SetDefaultDataSet();
    report->SetDefaultRDLCName();
}

RDLCInfo* RDLCCreator::CreateReportInfo() const
{
    const CString tableName = m_table->GetTableName();
    auto* info = new RDLCInfo;
    info->AddDataSet(tableName + "_SelectAllRecords", tableName + "TableAdapter", tableName);
    return info;
}

XSDInfo* RDLCCreator::CreateDataSet() const
{
    auto* dataSet = new XSDInfo;
    dataSet->AddTableAdapter(CreateTableAdapter());
    return dataSet;
}

TableAdapter* RDLCCreator::CreateTableAdapter() const
{
    CString dateFormat;
    if (m_project->GetProjectSettings() != nullptr)
        dateFormat = m_project->GetDateFormat();
    dateFormat.MakeLower();
    const Class* dataClass = m_project->GetClassForTable(m_table, false);
    auto* adapter = new TableAdapter;
    RDLCReport::BuildSelectAllRecordsQuery(
        *m_table,
        dataClass != nullptr ? dataClass->FindFunctionByName("SelectAllRecords") : nullptr,
        dateFormat, *adapter);
    return adapter;
}
