#pragma once

#include "gen_reports/DataSetNames.h"
#include "platform/core/CString.h"

#include <optional>

class ForgeonProject;
class GenerationReport;
class RDLCReport;
class TableAdapter;

// The files of an RDLC report built on its table: the typed data set (schema, code and the
// designer's two layout files) and the report definition, each in the folder its description
// names under the web project. A report whose description, data-set record or table adapter is
// missing, or whose adapter has no columns, is listed in the report and not written.
class RDLCFilesWriter
{
public:
    RDLCFilesWriter(ForgeonProject* project, RDLCReport* report, GenerationReport& generation);

    // DataSetName + ".xsd", ".Designer.cs", ".xsc" and ".xss", from the data set's first
    // table adapter.
    void WriteDataSetFiles();
    // The ".rdlc" file, from the table adapter that the first data-set record names.
    void WriteReportDefinition();

private:
    // The names of the first data-set record and the adapter's, or nothing (with the report
    // listed as skipped) when a part is missing.
    std::optional<DataSetNames> GatherNames(const TableAdapter* adapter);
    // Project name, "\", project name, "\" and the path up to its last backslash.
    CString GetFolder(const CString& relativePath) const;
    void Save(const CString& folder, const CString& fileName, const CString& text);
    void Skip(const CString& reason);

    ForgeonProject* m_project;
    RDLCReport* m_report;
    GenerationReport& m_generation;
};
