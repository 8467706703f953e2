#pragma once

#include "entities/AspFile.h"
#include "entities/Variable.h"
#include "tests/model/ModelBuilders.h"

#include <initializer_list>

// A master form of the module over a table of its name, with one page file that the menu (when
// given) opens, and the named page variables.
inline Form* AddLinkedPage(Module& module, const char* name, Menu* menu,
                           std::initializer_list<const char*> variables)
{
    Form* form = NewForm(name, NewTable(name, Table::masterKind, {"Code"}));
    module.AppendMasterTable(form->GetTable());
    module.Append(form);
    form->CreateAspFile(0, AspFile::formOwner);
    if (menu != nullptr)
        menu->SetAspFile(form->GetAspFileAt(0));
    for (const char* each : variables)
    {
        auto* variable = new Variable;
        variable->SetName(each);
        form->AddFieldVariableMap(new FieldVariableMap{nullptr, variable});
    }
    return form;
}
