#include "model/NamedReferences.h"

#include "entities/Class.h"
#include "entities/Designation.h"
#include "entities/FormInterface.h"
#include "entities/Function.h"
#include "entities/LoginPage.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "model/Table.h"

CString UsageName(const Table& table)
{
    return table.GetTableName();
}

CString UsageName(const Class& dataClass)
{
    return dataClass.GetFieldName();
}

CString UsageName(const Function& function)
{
    return function.GetFieldName();
}

CString UsageName(const Procedure& procedure)
{
    return procedure.GetName();
}

CString UsageName(const FormInterface& page)
{
    return page.GetFormName();
}

CString UsageName(const LoginPage&)
{
    return "LoginPage";
}

CString UsageName(const Menu& menu)
{
    return menu.GetName();
}

CString UsageName(const Designation& role)
{
    return role.GetName();
}
