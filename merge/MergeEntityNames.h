#pragma once

// The names by which the merge pairs, shows and logs entities.

#include "entities/AspFile.h"
#include "entities/Class.h"
#include "entities/Designation.h"
#include "entities/FormInterface.h"
#include "entities/Function.h"
#include "entities/Parameter.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/RDLCInfo.h"
#include "entities/TableAdapter.h"
#include "entities/Variable.h"
#include "entities/XSDInfo.h"
#include "model/Field.h"
#include "model/Module.h"
#include "model/Table.h"

inline CString EntityName(const Table& table)
{
    return table.GetTableName();
}
inline CString EntityName(const Field& field)
{
    return field.GetFieldName();
}
inline CString EntityName(const Class& dataClass)
{
    return dataClass.GetFieldName();
}
inline CString EntityName(const Function& function)
{
    return function.GetFieldName();
}
inline CString EntityName(const Parameter& parameter)
{
    return parameter.GetFieldName();
}
inline CString EntityName(const Variable& variable)
{
    return variable.GetFieldName();
}
inline CString EntityName(const Procedure& procedure)
{
    return procedure.GetName();
}
inline CString EntityName(const Designation& designation)
{
    return designation.GetName();
}
inline CString EntityName(const FormInterface& page)
{
    return page.GetFormName();
}
inline CString EntityName(const XSDInfo& info)
{
    return info.GetName();
}
inline CString EntityName(const RDLCInfo& info)
{
    return info.GetName();
}
inline CString EntityName(const TableAdapter& adapter)
{
    return adapter.GetName();
}

inline CString EntityName(const Module& module)
{
    return module.GetName();
}

// The display name of a function's output column; empty without a column.
inline CString ColumnDisplayName(const ProcedureFieldInfo* column)
{
    CString name;
    if (column != nullptr)
        column->GetDisplayName(name);
    return name;
}

// The page file's relative URL, by which the merge shows and logs a page file.
inline CString PageFileUrl(const AspFile& file)
{
    return file.GetRelativeUrl(FALSE, FALSE);
}

// The page file's name within its page, by which the merge pairs the page files of two pages
// whichever modules hold them.
inline CString PageFileName(const AspFile& file)
{
    return file.GetFileName(FALSE);
}

// The page's file of the name; null when none.
inline AspFile* FindPageFile(const FormInterface& page, const CString& name)
{
    for (AspFile* file : page.GetAspFiles())
    {
        if (PageFileName(*file) == name)
            return file;
    }
    return nullptr;
}
