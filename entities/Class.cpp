#include "entities/Class.h"

#include "entities/Function.h"
#include "model/ArchiveIO.h"
#include "model/Ownership.h"
#include "model/ProjectDiagnostics.h"
#include "model/ReferenceList.h"
#include "model/Table.h"

#include <algorithm>

IMPLEMENT_SERIAL(Class, CObject, 0)

unsigned Class::s_rebindCount = 0;

Class::~Class()
{
    DeleteAll(m_functions);
}

void Class::SetTable(Table* table)
{
    if (m_table != nullptr && table != m_table)
        ++s_rebindCount;
    m_table = table;
}

void Class::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_name;
        ar.WriteObject(m_table);
        WriteObjectList(ar, m_functions);
        return;
    }
    ar >> m_name;
    m_table = ReadRef<Table>(ar);
    m_functions.clear();
    ReadOwnedList(ar, m_functions);
}

Function* Class::FindFunctionByName(const CString& name) const
{
    const auto found = std::find_if(m_functions.begin(), m_functions.end(),
                                    [&name](const Function* function)
                                    { return function->GetFieldName().CompareNoCase(name) == 0; });
    return found != m_functions.end() ? *found : nullptr;
}

void Class::DeleteFunction(Function* function)
{
    if (std::ranges::find(m_functions, function) == m_functions.end())
        return;
    TheProjectDiagnostics().ForgetFreed(function);
    EraseAndDelete(m_functions, function);
}

void Class::GetUserFunctions(std::vector<Function*>& out) const
{
    constexpr size_t firstUserFunction = 3;
    out.clear();
    if (m_functions.size() > firstUserFunction)
        out.assign(m_functions.begin() + firstUserFunction, m_functions.end());
}

int Class::GetUserDefinedFunctionCount() const
{
    return static_cast<int>(std::count_if(m_functions.begin(), m_functions.end(),
                                          [](const Function* function)
                                          { return function->GetKind() == 1; }));
}

void Class::ListReferences(ReferenceList& list)
{
    list.AddSlot(m_table);
}
