#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <vector>

class AspFile;
class DerivedField;
class Field;
class FieldRep;
class Grid;
class LinkControl;
class Module;
class ProcedureInvokation;
class ProcedureTable;
class RefField;
class Table;
class UniquenessProcedureTable;
class Variable;

// A page field paired with the page variable that carries its value. The page owns the record
// and its variable unless the variable has kind 2.
struct FieldVariableMap
{
    Field* field = nullptr;
    Variable* variable = nullptr;
};

// Two flags a page keeps per table; a lookup for a table without a record yields a record with
// a null table and both flags true.
struct PageTableFlags
{
    Table* table = nullptr;
    bool firstFlag = true;
    bool secondFlag = true;
};

// The base of every page-like entity: name, page files, controls, page variables, reference
// and derived fields, links, the procedures called for its tables and per-table flags.
class FormInterface : public CObject
{
    DECLARE_SERIAL(FormInterface)

public:
    FormInterface();
    FormInterface(const FormInterface&) = delete;
    FormInterface& operator=(const FormInterface&) = delete;
    ~FormInterface() override;

    void Serialize(CArchive& ar) override;

    virtual void SetName(const CString& name) { m_name = name; }
    // The first control whose field is the argument, else null.
    virtual FieldRep* GetFieldRepForField(Field* field);

    // Null grid, second owned object, module and procedure call (nothing deleted), link lists
    // emptied without deleting, flags false, column counts 2.
    void Reset();
    // Fills a freshly constructed page as a copy of the source.
    void CopyFrom(const FormInterface* source);

    const CString& GetFormName() const { return m_name; }

    Module* GetModule() const { return m_module; }
    void SetModule(Module* module) { m_module = module; }

    Grid* GetGrid() const { return m_grid; }
    // The previous grid is not deleted.
    void SetGrid(Grid* grid) { m_grid = grid; }

    CObject* GetSecondOwnedObject() const { return m_secondOwnedObject; }
    void SetSecondOwnedObject(CObject* object) { m_secondOwnedObject = object; }

    ProcedureInvokation* GetProcedureCall() const { return m_procedureCall; }
    void SetProcedureCall(ProcedureInvokation* call) { m_procedureCall = call; }

    int GetPreLinkColumnCount() const { return m_preLinkColumnCount; }
    void SetPreLinkColumnCount(int count) { m_preLinkColumnCount = count; }
    int GetPostLinkColumnCount() const { return m_postLinkColumnCount; }
    void SetPostLinkColumnCount(int count) { m_postLinkColumnCount = count; }
    int GetColumnCount() const { return m_columnCount; }
    void SetColumnCount(int count) { m_columnCount = count; }

    bool IsCopy() const { return m_isCopy; }
    bool IsTransient() const { return m_transient; }
    void SetTransient(bool transient) { m_transient = transient; }

    // The lists; each Add appends and hands the object to the page.
    const std::vector<AspFile*>& GetAspFiles() const { return m_aspFiles; }
    void AddAspFile(AspFile* file) { m_aspFiles.push_back(file); }
    const std::vector<FieldRep*>& GetFieldReps() const { return m_fieldReps; }
    void AddFieldRep(FieldRep* fieldRep) { m_fieldReps.push_back(fieldRep); }
    const std::vector<FieldVariableMap*>& GetFieldVariableMaps() const
    {
        return m_fieldVariableMaps;
    }
    void AddFieldVariableMap(FieldVariableMap* map) { m_fieldVariableMaps.push_back(map); }
    const std::vector<RefField*>& GetRefFields() const { return m_refFields; }
    void AddRefField(RefField* refField) { m_refFields.push_back(refField); }
    const std::vector<DerivedField*>& GetDerivedFields() const { return m_derivedFields; }
    void AddDerivedField(DerivedField* derivedField) { m_derivedFields.push_back(derivedField); }
    const std::vector<LinkControl*>& GetPreLinkList() const { return m_preLinks; }
    void AddPreLink(LinkControl* link) { m_preLinks.push_back(link); }
    const std::vector<LinkControl*>& GetPostLinkList() const { return m_postLinks; }
    void AddPostLink(LinkControl* link) { m_postLinks.push_back(link); }
    const std::vector<UniquenessProcedureTable*>& GetUniquenessProcedureTables() const
    {
        return m_uniquenessProcedureTables;
    }
    void AddUniquenessProcedureTable(UniquenessProcedureTable* entry)
    {
        m_uniquenessProcedureTables.push_back(entry);
    }
    const std::vector<ProcedureTable*>& GetProcedureTables() const { return m_procedureTables; }
    void AddProcedureTable(ProcedureTable* entry) { m_procedureTables.push_back(entry); }
    const std::vector<PageTableFlags>& GetTableFlagsList() const { return m_tableFlags; }
    void AddTableFlags(const PageTableFlags& flags) { m_tableFlags.push_back(flags); }

    // The first page file of the file kind, else null.
    AspFile* FindAspFileByType(int fileKind) const;
    // A page file of the class the project's output kind asks for, owned by this page.
    void CreateAspFile(int fileKind, int ownerKind);

    // The first map of the field / of the variable, else null.
    FieldVariableMap* FindFieldVariableMapByField(Field* field) const;
    FieldVariableMap* FindFieldVariableMapByVariable(Variable* variable) const;
    // Erases the first map of the field from the list; the map and its variable are kept.
    void RemoveFieldVariableMapByField(Field* field);
    // A kind-1 variable named as the field for every field of the table without a map; returns
    // the table's field count.
    int AddVariablesForTable(Table* table);

    // Lookups in the reference and derived fields by the page field's name, ignoring case.
    RefField* FindRefFieldByName(const CString& name) const;
    DerivedField* FindDerivedFieldByName(const CString& name) const;

protected:
    // The open project's output kind: 1 ASP.NET page files, 0 classic ones; 1, as in a new
    // project, while no project is open.
    static int ProjectOutputKind();
    // A map whose variable has kind 2: the page neither stores nor deletes it.
    static bool IsSharedVariableMap(const FieldVariableMap* map);
    // Frees a field-variable map with its variable, unless the map is a shared one.
    static void DeleteFieldVariableMap(FieldVariableMap* map);

    int m_preLinkColumnCount = 2;
    int m_postLinkColumnCount = 2;
    ProcedureInvokation* m_procedureCall = nullptr;
    CString m_name;
    Grid* m_grid = nullptr;
    CObject* m_secondOwnedObject = nullptr;
    Module* m_module = nullptr;
    bool m_isCopy = false;
    std::vector<AspFile*> m_aspFiles;
    std::vector<FieldRep*> m_fieldReps;
    std::vector<FieldVariableMap*> m_fieldVariableMaps;
    std::vector<RefField*> m_refFields;
    std::vector<DerivedField*> m_derivedFields;
    std::vector<LinkControl*> m_preLinks;
    std::vector<LinkControl*> m_postLinks;
    std::vector<UniquenessProcedureTable*> m_uniquenessProcedureTables;
    std::vector<ProcedureTable*> m_procedureTables;
    std::vector<PageTableFlags> m_tableFlags;
    int m_columnCount = 2;
    bool m_transient = false;

private:
    // The field of the copy that stands for a field of the source page.
    Field* TranslateCopiedField(Field* field) const;
};
