#pragma once

#include "model/TextFile.h"

class ForgeonProject;
class GenerationReport;

// The designation script "_system/scripts/desigInsert.sql" of the project folder: the
// Designations rows of every module's roles. The database script is not touched.
class DesignationScriptWriter
{
public:
    DesignationScriptWriter(const ForgeonProject& project, GenerationReport& report);
    DesignationScriptWriter(const DesignationScriptWriter&) = delete;
    DesignationScriptWriter& operator=(const DesignationScriptWriter&) = delete;

    // Replaces the file; a file that cannot be opened or written goes to the report.
    void Write();
    // "<project path>_system/scripts/", the folder it is written in.
    CString GetFolder() const;
    // "<project path>_system/scripts/desigInsert.sql".
    CString GetPath() const;

private:
    void WriteRows();

    const ForgeonProject& m_project;
    GenerationReport& m_report;
    TextFile m_scriptFile{false, false, '=', 60};
};
