#pragma once

#include "platform/core/CString.h"

class ForgeonProject;
class Module;

// Renaming a module, the same on every road (the Rename Module dialog, the name edited in the
// project tree): the name is checked, and a module that takes it carries its default objects,
// report descriptions and output folders over to it.
class ModuleRenamer
{
public:
    ModuleRenamer(ForgeonProject& project, Module& module) : m_project(project), m_module(module) {}

    // The name trimmed; the refusal of it, or an empty text when it may be taken: it must not be
    // blank, hold a blank, one of * | / \ < > ? :, be "." or "..", be another module's name in
    // any case, be newly a name that Windows keeps for a device, or give the module's dashboard
    // page a name its designer refuses (files too long, a file of another page of the module).
    CString Check(const CString& name) const;
    // Checks the name, showing a refusal, and warns of one that is no C# identifier, which the
    // user may take back. A name the module has already changes nothing. False when refused or
    // taken back.
    bool Rename(const CString& name);
    // Without checks: default objects, report and data-set descriptions, the output folder and
    // the module's folder of "_modifiedCode" copied under the new name (the old ones stay), the
    // name, the project dashboard.
    void Apply(const CString& newName);

private:
    void CopyModuleFolder(const CString& oldName, const CString& newName);

    ForgeonProject& m_project;
    Module& m_module;
};

// True for a C# identifier; otherwise warns that the generated code, which takes the name as
// the subject says ("the module name as a namespace"), will not compile, and asks the question:
// true when the user answers OK.
bool ConfirmNameForCode(const CString& name, const char* subject, const char* question);
