#include "shell/logic/ModuleRenamer.h"

#include "entities/DashBoardPage.h"
#include "gen_web/ProjectFolder.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/Identifiers.h"
#include "model/Module.h"
#include "model/NameUtilities.h"
#include "model/SitePageNames.h"
#include "platform/core/HostPath.h"
#include "platform/core/MessageBox.h"

#include <filesystem>

namespace
{
constexpr const char* kNameCharacterRefusal =
    "Module name cannot contain following characters\n *  |  /  \\  <  >  ?  :  \n Please enter "
    "valid name";
} // namespace

bool ConfirmNameForCode(const CString& name, const char* subject, const char* question)
{
    if (IsCSharpIdentifier(name))
        return true;
    CString warning;
    warning.Format("\"%s\" is not a C# identifier, while the generated code takes %s: it will not "
                   "compile.\n%s",
                   name.GetString(), subject, question);
    return AfxMessageBox(warning, MB_OKCANCEL | MB_ICONWARNING) == IDOK;
}

CString ModuleRenamer::Check(const CString& name) const
{
    CString trimmed = name;
    trimmed.Trim();
    if (trimmed.IsEmpty())
        return "Please enter Module Name";
    if (trimmed.FindOneOf(" \t") >= 0)
        return "Please enter Module Name without space";
    if (HasInvalidNameCharacter(trimmed))
        return kNameCharacterRefusal;
    if (IsDotName(trimmed))
        return dotNameRefusal;
    if (const CString reason = RefuseReadModuleName(trimmed); !reason.IsEmpty())
        return TypedNameRefusal("Module", reason);
    if (IsReservedDeviceName(trimmed) && trimmed.CompareNoCase(m_module.GetName()) != 0)
        return DeviceNameRefusal(trimmed);
    for (const Module* other : m_project.GetModules())
    {
        if (other != &m_module && other->GetName().CompareNoCase(trimmed) == 0)
            return "A Module with this name already exists.";
    }
    // The module's dashboard page takes the name with it.
    const DashBoardPage* dashboard =
        m_module.FindDashBoardPageByName(Module::DashboardNameOf(m_module.GetName()));
    return dashboard != nullptr
               ? RefuseDesignedPageName(&m_module, *dashboard, Module::DashboardNameOf(trimmed))
               : CString();
}

bool ModuleRenamer::Rename(const CString& name)
{
    const CString refusal = Check(name);
    if (!refusal.IsEmpty())
    {
        AfxMessageBox(refusal);
        return false;
    }
    CString trimmed = name;
    trimmed.Trim();
    if (trimmed == m_module.GetName())
        return true;
    if (!ConfirmNameForCode(trimmed, "the module name as a namespace", "Rename the module anyway?"))
        return false;
    Apply(trimmed);
    return true;
}

void ModuleRenamer::Apply(const CString& newName)
{
    const CString oldName = m_module.GetName();
    if (newName == oldName)
        return;
    CopyModuleFolder(oldName, newName);
    m_project.RenameModule(m_module, newName);
}

void ModuleRenamer::CopyModuleFolder(const CString& oldName, const CString& newName)
{
    if (m_project.GetProjectSettings() == nullptr || m_project.GetProjectPath().IsEmpty())
        return;
    GenerationReport report;
    GuardProjectFolder(report, m_project);
    const CString refusal = ModuleFolderCopyRefusal(oldName, newName);
    // The generated module and the user's own versions of its files.
    for (const CString& parent :
         {GetOutputRoot(m_project), GetProjectFolder(m_project) + "_modifiedCode\\"})
    {
        std::error_code error;
        if (!std::filesystem::is_directory(ToHostPath(parent + oldName + "\\"), error))
            continue;
        if (refusal.IsEmpty())
            ModuleEnumerateFolders(&m_project, newName, oldName, parent, report).Run();
        else
            report.AddUnwrittenFile(parent + newName, refusal);
    }
    if (!report.IsEmpty())
        AfxMessageBox("The files of module \"" + oldName +
                          "\" were not all copied to its new folder.\n" + report.GetText(),
                      MB_OK | MB_ICONWARNING);
    else if (!report.GetNotes().empty())
        AfxMessageBox("The files of module \"" + oldName + "\" were copied to its new folder.\n" +
                          report.GetText(),
                      MB_OK | MB_ICONINFORMATION);
}
