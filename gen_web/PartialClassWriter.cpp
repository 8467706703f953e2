#include "gen_web/PartialClassWriter.h"

#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/Identifiers.h"
#include "platform/core/HostPath.h"

#include <filesystem>

PartialClassWriter::PartialClassWriter(ForgeonProject* project, const CString& tableName,
                                       const CString& className, GenerationReport& report)
    : AspxWriter(project, nullptr, report), m_tableName(tableName), m_className(className)
{
}

void PartialClassWriter::Write()
{
    const CString fileName = m_tableName + "_partial.cs";
    const CString folder = GetRelativeFolder(true) + "\\CS";
    const CString path = m_project->GetProjectPath() + folder + "\\" + fileName;
    if (Exists(path))
    {
        m_report.KeepFile(path);
        return;
    }
    WriteUsings();
    m_textFile.Write(0, "namespace %s\n", CSharpIdentifier(m_project->GetProjectName()));
    m_textFile.Write(0, "{\n");
    m_textFile.Write(1, "public partial class %s\n", m_className);
    m_textFile.Write(1, "{\n");
    WriteHook("HandlePreAdd");
    WriteHook("HandlePostAdd");
    WriteHook("HandlePreUpdate");
    WriteHook("HandlePostUpdate");
    WriteHook("HandlePreDelete");
    WriteHook("HandlePostDelete");
    m_textFile.Write(1, "}\n");
    m_textFile.Write(0, "}\n");
    SaveFile(fileName, folder);
}

void PartialClassWriter::WriteHook(const char* name)
{
    m_textFile.Write(2, "public bool %s()\n", name);
    m_textFile.Write(2, "{\n");
    m_textFile.Write(3, "bool stat = true;\n");
    m_textFile.Write(3, "return stat;\n");
    m_textFile.Write(2, "}\n");
    m_textFile.Write(0, "\n");
}

bool PartialClassWriter::Exists(const CString& path)
{
    std::error_code error;
    const std::filesystem::file_status status =
        std::filesystem::symlink_status(ToHostPath(path), error);
    if (status.type() == std::filesystem::file_type::not_found)
        return false;
    if (error)
        m_report.AddUnwrittenFile(path, "cannot tell whether the file exists: " +
                                            CString(error.message().c_str()));
    return true;
}
