#include "editors/logic/ModuleCombo.h"

#include "editors/logic/ControlStates.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"

Module* FillModuleCombo(ControlStates& states, int id, const ForgeonProject& project)
{
    std::vector<CString> names;
    int current = -1;
    for (const Module* module : project.GetModules())
    {
        if (module == project.GetCurrentModule())
            current = static_cast<int>(names.size());
        names.push_back(module->GetName());
    }
    states.SetItems(id, std::move(names));
    states.Select(id, current);
    return project.GetCurrentModule();
}
