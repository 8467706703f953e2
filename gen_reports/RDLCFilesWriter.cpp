#include "gen_reports/RDLCFilesWriter.h"

#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/TableAdapter.h"
#include "entities/XSDInfo.h"
#include "gen_reports/DataSetCodeWriter.h"
#include "gen_reports/DataSetDesignerFileWriters.h"
#include "gen_reports/DataSetSchemaWriter.h"
#include "gen_reports/ReportDefinitionWriter.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/ProjectSettings.h"
#include "model/Table.h"
#include "model/TextFile.h"
#include "platform/core/LiteralEscaping.h"

RDLCFilesWriter::RDLCFilesWriter(ForgeonProject* project, RDLCReport* report,
                                 GenerationReport& generation)
    : m_project(project), m_report(report), m_generation(generation)
{
}

namespace
{
// Text collects in a writer without a file.
TextFile Buffer()
{
    return TextFile(/*disabled=*/false, /*flush=*/false, '=', 60);
}
} // namespace

void RDLCFilesWriter::WriteDataSetFiles()
{
    const XSDInfo* dataSet = m_report->GetXSDInfo();
    if (dataSet == nullptr)
        return Skip("the report has no data set");
    const std::optional<DataSetNames> names = GatherNames(
        dataSet->GetTableAdapters().empty() ? nullptr : dataSet->GetTableAdapters().front());
    if (!names)
        return;
    const DataSetNames xmlNames = EscapedForXml(*names);
    const CString folder = GetFolder(dataSet->GetName());

    TextFile schema = Buffer();
    DataSetSchemaWriter(*names, schema).Write();
    Save(folder, names->dataSetName + ".xsd", schema.GetBuffer());
    TextFile code = Buffer();
    DataSetCodeWriter(*names, code).Write();
    Save(folder, names->dataSetName + ".Designer.cs", code.GetBuffer());
    TextFile settings = Buffer();
    DataSetSettingsWriter(settings).Write();
    Save(folder, names->dataSetName + ".xsc", settings.GetBuffer());
    TextFile layout = Buffer();
    DataSetLayoutWriter(xmlNames, layout).Write();
    Save(folder, names->dataSetName + ".xss", layout.GetBuffer());
}

void RDLCFilesWriter::WriteReportDefinition()
{
    const RDLCInfo* info = m_report->GetRDLCInfo();
    const XSDInfo* dataSet = m_report->GetXSDInfo();
    if (info == nullptr || dataSet == nullptr)
        return Skip("the report has no report description or data set");
    if (info->GetEntries().empty())
        return Skip("the report description has no data set");
    const CString adapterName = info->GetEntries().front().m_tableAdapterName;
    const TableAdapter* adapter = dataSet->FindTableAdapter(adapterName);
    if (adapter == nullptr)
        return Skip("the data set has no table adapter " + adapterName);
    const std::optional<DataSetNames> names = GatherNames(adapter);
    if (!names)
        return;
    CString heading = m_report->GetHeader();
    if (m_report->GetTable() != nullptr)
    {
        heading = m_report->GetTable()->GetTableName() + " LIST";
        heading.Replace('_', ' ');
    }
    heading.MakeUpper();

    const CString path = info->GetName();
    TextFile definition = Buffer();
    ReportDefinitionWriter(*names, EscapeHtmlText(heading), definition).Write();
    Save(GetFolder(path), path.Mid(path.ReverseFind('\\') + 1), definition.GetBuffer());
}

std::optional<DataSetNames> RDLCFilesWriter::GatherNames(const TableAdapter* adapter)
{
    if (m_project->GetProjectSettings() == nullptr)
    {
        Skip("the project has no settings");
        return std::nullopt;
    }
    const RDLCInfo* info = m_report->GetRDLCInfo();
    if (info == nullptr || info->GetEntries().empty())
    {
        Skip("the report description has no data set");
        return std::nullopt;
    }
    if (adapter == nullptr)
    {
        Skip("the data set has no table adapter");
        return std::nullopt;
    }
    if (adapter->GetColumnNames().empty())
    {
        Skip("the table adapter " + adapter->GetName() + " has no columns");
        return std::nullopt;
    }
    const RDLCDataSetEntry& entry = info->GetEntries().front();
    DataSetNames names;
    names.projectName = m_project->GetProjectName();
    names.databaseName = m_project->GetDatabaseName();
    m_project->GetProjectSettings()->GetReportViewerVersion(names.viewerVersion);
    names.dataSetName = entry.m_dataSetName;
    names.tableAdapterName = entry.m_tableAdapterName;
    names.tableName = entry.m_tableName;
    names.commandType = adapter->GetCommandType();
    names.commandText = adapter->GetCommandText();
    names.columns = adapter->GetColumnNames();
    return names;
}

CString RDLCFilesWriter::GetFolder(const CString& relativePath) const
{
    const CString projectName = m_project->GetProjectName();
    const int cut = relativePath.ReverseFind('\\');
    CString folder = projectName + "\\" + projectName;
    if (cut > 0)
        folder += "\\" + relativePath.Left(cut);
    return folder;
}

void RDLCFilesWriter::Save(const CString& folder, const CString& fileName, const CString& text)
{
    SaveTextFile(m_project->GetProjectPath() + folder + "\\" + fileName, text, m_generation);
}

void RDLCFilesWriter::Skip(const CString& reason)
{
    m_generation.AddSkippedPage(m_report->GetFormName(), reason);
}
