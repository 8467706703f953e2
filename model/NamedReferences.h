#pragma once

#include "model/ReferenceList.h"
#include "platform/core/CString.h"

class Class;
class Designation;
class FormInterface;
class Function;
class LoginPage;
class Menu;
class Procedure;
class Table;

// The name usage texts give the entity; the login page's is "LoginPage".
CString UsageName(const Table& table);
CString UsageName(const Class& dataClass);
CString UsageName(const Function& function);
CString UsageName(const Procedure& procedure);
CString UsageName(const FormInterface& page);
CString UsageName(const LoginPage& page);
CString UsageName(const Menu& menu);
CString UsageName(const Designation& role);

// The entity lists its references under its usage name.
template <class Entity> void ListNamedReferences(ReferenceList& list, Entity& entity)
{
    list.SetUser([&entity] { return UsageName(entity); });
    entity.ListReferences(list);
}
