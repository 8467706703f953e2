#pragma once

#include "platform/core/Types.h"

// The scope of an alter script: the selected table, the selected module or the whole project.
// One flag is set at a time; the table is a choice only when a table is selected.
class AlterScriptScope
{
public:
    enum class Scope
    {
        Table,
        Module,
        Project,
    };

    // The table flag starts set when a table is selected.
    explicit AlterScriptScope(bool tableSelected)
        : m_table(tableSelected ? 1 : 0), m_tableSelected(tableSelected)
    {
    }

    bool IsTableEnabled() const { return m_tableSelected; }
    // Sets the scope's flag and clears the two others; the table only when it is selected.
    void Choose(Scope scope);

    BYTE m_table;
    BYTE m_module = 0;
    BYTE m_project = 0;

private:
    bool m_tableSelected;
};
