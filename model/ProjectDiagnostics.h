#pragma once

#include "model/GoingPages.h"
#include "platform/core/CString.h"

#include <vector>

class EntityUsageSet;
class Field;
class ForgeonProject;
class Table;
struct FieldVariableMap;

// The findings of the model checks (errors, warnings and the warnings the user chose to
// ignore, which the project file keeps) and the stack of usage sets that the usage checks
// record into; the top of the stack is the current set.
class ProjectDiagnostics
{
public:
    // Pushes the first usage set, so that a current set always exists.
    ProjectDiagnostics();
    ~ProjectDiagnostics();
    ProjectDiagnostics(const ProjectDiagnostics&) = delete;
    ProjectDiagnostics& operator=(const ProjectDiagnostics&) = delete;

    // The three text lists together, as a project read replaces them.
    struct TextLists
    {
        std::vector<CString> errors;
        std::vector<CString> warnings;
        std::vector<CString> ignoredWarnings;
    };

    const std::vector<CString>& GetErrors() const { return m_errors; }
    const std::vector<CString>& GetWarnings() const { return m_warnings; }
    const std::vector<CString>& GetIgnoredWarnings() const { return m_ignoredWarnings; }
    // Append the text as it is; a check tests IsWarning and IsIgnoredWarning before it adds a
    // warning.
    void AddError(const CString& text) { m_errors.push_back(text); }
    void AddWarning(const CString& text) { m_warnings.push_back(text); }
    void AddIgnoredWarning(const CString& text) { m_ignoredWarnings.push_back(text); }
    TextLists GetTextLists() const { return {m_errors, m_warnings, m_ignoredWarnings}; }
    void SetTextLists(TextLists lists);

    // A copy of the text at the index; empty for a bad index.
    CString GetError(int index) const;
    CString GetWarning(int index) const;
    CString GetIgnoredWarning(int index) const;
    // The text equals an entry exactly.
    bool IsWarning(const CString& text) const;
    bool IsIgnoredWarning(const CString& text) const;
    // Nothing for a bad index.
    void RemoveWarningAt(int index);
    void RemoveIgnoredWarningAt(int index);
    // Empties the error and warning lists.
    void ClearErrorsAndWarnings();
    // Empties the error, warning and ignored-warning lists.
    void ClearAll();
    // Writes the errors and then the warnings, one a line, to "errorLog.txt" in the open
    // project's folder (when it has one); with show set, a non-empty report is also shown.
    void ReportErrors(bool show) const;

    EntityUsageSet& GetCurrentUsageSet() const { return *m_currentUsageSet; }
    // A new empty set becomes current.
    void PushUsageSet();
    // Deletes the current set and makes the one below current; the first set stays.
    void PopUsageSet();
    int GetUsageSetDepth() const { return static_cast<int>(m_usageSets.size()); }
    // The entity, about to be freed, leaves every set of the stack.
    template <class T> void ForgetFreed(const T* entity)
    {
        ForgetObject(dynamic_cast<const void*>(entity));
    }

    // The cascades that need sets of their own besides the current one (the others are the
    // current usage set's), run after a module's usage check has filled the current set; each
    // ends with the current set emptied. A field about to be deleted: every recorded user lets go
    // of it. The project (null: none) runs the deletions and walks that the cascades need.
    void RemoveFieldReferences(Field* field, ForgeonProject* project);
    // A table about to be deleted: the recorded pages, procedures and classes built on it are
    // deleted or unbound, the others let go of it. Reports, RDLC reports and graphs are built on
    // it when they are among those found before anything let go of it.
    void RemoveTableReferences(Table* table, const GoingPages& onTable, ForgeonProject* project);
    // The mapping's variable leaves the report variable maps of the pages that use it.
    void RemoveVariableMapReferences(FieldVariableMap* map);

private:
    void ForgetObject(const void* object);

    std::vector<CString> m_errors;
    std::vector<CString> m_warnings;
    std::vector<CString> m_ignoredWarnings;
    std::vector<EntityUsageSet*> m_usageSets;
    EntityUsageSet* m_currentUsageSet = nullptr;
};

// The one process-wide instance.
ProjectDiagnostics& TheProjectDiagnostics();

// Every usage check and every deletion records into a usage set of its own, pushed for the
// lifetime of this object, so that nothing it records outlives it.
class UsageSetScope
{
public:
    UsageSetScope() { TheProjectDiagnostics().PushUsageSet(); }
    ~UsageSetScope() { TheProjectDiagnostics().PopUsageSet(); }
    UsageSetScope(const UsageSetScope&) = delete;
    UsageSetScope& operator=(const UsageSetScope&) = delete;
};
