#include "database/DesignationScriptWriter.h"

#include "database/SqlText.h"
#include "entities/Designation.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/Module.h"

DesignationScriptWriter::DesignationScriptWriter(const ForgeonProject& project,
                                                 GenerationReport& report)
    : m_project(project), m_report(report)
{
}

CString DesignationScriptWriter::GetFolder() const
{
    return m_project.GetProjectPath() + "_system/scripts/";
}

CString DesignationScriptWriter::GetPath() const
{
    return GetFolder() + "desigInsert.sql";
}

void DesignationScriptWriter::Write()
{
    const CString path = GetPath();
    if (!m_report.OpenFile(m_scriptFile, path))
        return;
    m_scriptFile.Write(0, "DELETE FROM Designations\n");
    WriteRows();
    m_scriptFile.Write(0, "\n");
    m_scriptFile.Close();
    m_report.RecordFile(path, m_scriptFile);
}

// Each role by its place in its module's list; the role it reports to by its id.
void DesignationScriptWriter::WriteRows()
{
    for (const Module* module : m_project.GetModules())
    {
        int position = 0;
        for (const Designation* role : module->GetDesignations())
        {
            const Designation* reportsTo = role->GetReportsTo();
            m_scriptFile.Write(
                0, "INSERT INTO Designations(Designations_Id, Designation_Name,Reports_To) VALUES");
            m_scriptFile.Write(0, "(%d,'%s', %d)\n", ++position, QuotedSqlText(role->GetName()),
                               reportsTo != nullptr ? reportsTo->GetId() : 0);
        }
    }
}
