#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <vector>

class CArchive;
class Function;
class ReferenceList;
class Table;

// A server-side data class of the generated application, bound to one table, with its
// functions in creation order (a table's default functions first).
class Class : public CObject
{
    DECLARE_SERIAL(Class)

public:
    // Empty name, no table, no functions.
    Class() = default;
    // Deletes the functions.
    ~Class() override;
    Class(const Class&) = delete;
    Class& operator=(const Class&) = delete;

    // Name, table, functions; loading empties the function list first.
    void Serialize(CArchive& ar) override;

    CString GetFieldName() const { return m_name; }
    void SetName(CString name) { m_name = name; }
    Table* GetTable() const { return m_table; }
    void SetTable(Table* table);
    // Counts, process-wide, the classes that left a table for another one or for none: the
    // lookups of a class by its table start again when it changes.
    static unsigned GetRebindCount() { return s_rebindCount; }
    // Set by the project merge on both sides of a merged pair; 0 on creation and after a load
    // (not stored).
    BYTE GetMergeMark() const { return m_mergeMark; }
    void SetMergeMark(BYTE mark) { m_mergeMark = mark; }
    const std::vector<Function*>& GetFunctions() const { return m_functions; }
    // Takes ownership.
    void AddFunction(Function* function) { m_functions.push_back(function); }

    // The function whose name equals the text ignoring case, or null.
    Function* FindFunctionByName(const CString& name) const;
    // Erases the function from the list and deletes it; nothing when it is not there.
    void DeleteFunction(Function* function);
    // Empties out and fills it with the functions from the fourth on.
    void GetUserFunctions(std::vector<Function*>& out) const;
    // The number of functions of kind 1.
    int GetUserDefinedFunctionCount() const;
    // Its table; the release leaves the class without one.
    void ListReferences(ReferenceList& list);

private:
    static unsigned s_rebindCount;

    CString m_name;
    Table* m_table = nullptr;
    std::vector<Function*> m_functions;
    BYTE m_mergeMark = 0;
};
