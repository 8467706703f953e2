#include "editors/logic/AlterScriptScope.h"

void AlterScriptScope::Choose(Scope scope)
{
    if (scope == Scope::Table && !m_tableSelected)
        return;
    m_table = scope == Scope::Table ? 1 : 0;
    m_module = scope == Scope::Module ? 1 : 0;
    m_project = scope == Scope::Project ? 1 : 0;
}
