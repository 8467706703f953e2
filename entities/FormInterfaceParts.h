#pragma once

#include "entities/ClassInvokation.h"
#include "entities/Function.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/Table.h"

#include <algorithm>
#include <iterator>
#include <vector>

// Small list and call questions that the files of the page base (FormInterface*.cpp) share.

// Erases the first entry of the pointer; false when the list does not hold it.
template <class T> bool ErasePointer(std::vector<T*>& list, const T* item)
{
    const auto found = std::ranges::find(list, item);
    if (item == nullptr || found == list.end())
        return false;
    list.erase(found);
    return true;
}

// The invocation calls the procedure.
inline bool CallsProcedure(const ProcedureInvokation* invocation, const Procedure* procedure)
{
    return invocation != nullptr && invocation->GetProcedure() == procedure;
}

inline Procedure* CalledProcedure(const ProcedureInvokation* invocation)
{
    return invocation == nullptr ? nullptr : invocation->GetProcedure();
}

// The call is a call of the function.
inline bool CallsFunction(const ClassInvokation* call, const Function* function)
{
    return call != nullptr && call->GetFunction() == function;
}

// The fields of the table that an output field of the function names.
inline std::vector<Field*> OutputFieldsOfTable(const Function* function, const Table* table)
{
    std::vector<Field*> fields;
    if (function == nullptr || table == nullptr)
        return fields;
    std::ranges::copy_if(table->GetFields(), std::back_inserter(fields),
                         [function](const Field* field)
                         { return function->HasOutputField(field); });
    return fields;
}

// The variable's name; empty without a variable.
inline CString VariableName(const Variable* variable)
{
    return variable == nullptr ? CString() : variable->GetFieldName();
}
