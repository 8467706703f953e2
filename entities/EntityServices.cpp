// Operations of the page and logic entities that the generators and the merge ask for beyond
// the model's own needs.

#include "entities/ProcedureInvokation.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "model/ListAccess.h"

#include <algorithm>

bool ProcedureInvokation::HasCallerVariableNamed(const CString& name) const
{
    return std::ranges::any_of(m_variablePairs,
                               [&name](const VariablePair* pair)
                               {
                                   return pair != nullptr && pair->second != nullptr &&
                                          pair->second->GetFieldName().CompareNoCase(name) == 0;
                               });
}

TableTitleEntry Transaction::GetTableTitleAt(int index) const
{
    return IsValidIndex(m_tableTitles, index) ? m_tableTitles[index] : TableTitleEntry{};
}
