#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <functional>
#include <vector>

class ApplicationReport;
class AspFile;
class Class;
class ClassInvokation;
class DerivedField;
class Field;
class FieldRep;
class FieldRepData;
class FormulaTreeNode;
class Function;
class ReferenceList;
class Grid;
class LinkControl;
class Menu;
class Module;
class Parameter;
class Procedure;
class ProcedureFieldInfo;
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
// and derived fields, links, the procedures called for its tables and per-table flags. Its
// virtual operations let the project ask any page where it uses an entity and remove the
// references to an entity being deleted; the derived pages override some of them. Defined by
// concern: FormInterface.cpp (lists, lookups, controls and variables), FormInterfaceUsage.cpp
// (usage questions), FormInterfaceReferenceRemoval.cpp, FormInterfaceCopy.cpp,
// FormInterfaceStorage.cpp (the record) and FormInterfaceChecks.cpp.
class FormInterface : public CObject
{
    DECLARE_SERIAL(FormInterface)

public:
    FormInterface();
    FormInterface(const FormInterface&) = delete;
    FormInterface& operator=(const FormInterface&) = delete;
    ~FormInterface() override;

    void Serialize(CArchive& ar) override;
    // Before the objects of a load are freed in any order: the maps let go of the variables
    // the page does not own, so that freeing the page does not look at them.
    virtual void LetGoOfUnownedObjects(const CArchive& ar);

    // The virtual operations of every page, in their fixed order. To record the page means
    // adding it to the current usage set; a list entry ends with "\n".
    virtual bool IsFieldRepUsedElsewhere(FieldRep* fieldRep);
    virtual bool IsFieldRepMappedToReportVariable(FieldRep* fieldRep);
    virtual void SetName(const CString& name) { m_name = name; }
    // The first control whose field is the argument, else null.
    virtual FieldRep* GetFieldRepForField(Field* field);
    // Null for a negative or too large index.
    virtual FieldRep* GetFieldRep(int index);
    // Empties out, then the controls whose data has procedure recomputes or that
    // IsEventFieldRep accepts, in control order.
    virtual void GetEventFieldReps(std::vector<FieldRep*>& out);
    // Empty in every page class; they keep their places in the order of the operations.
    virtual void ReservedOperationOne() {}
    virtual void ReservedOperationTwo() {}
    // Empties out; the pages built on tables give theirs.
    virtual void GetTables(std::vector<Table*>& out);
    virtual bool IsEventFieldRep(FieldRep* fieldRep);
    // What a field's usage check calls the page's use of a field of the kind named: the
    // variable of a map, "fieldRepresentation" for a control, ...
    virtual CString FieldUseName(const CString& use) const;
    // The weights of the uses: the check names a page by its use through a map before one
    // through a control, and that before a report's column.
    static constexpr int mapUseWeight = 0;
    static constexpr int controlUseWeight = 1;
    static constexpr int columnUseWeight = 2;
    // The map loses its field, which goes; the map and its variable stay. A page whose report
    // variable maps take the variable lets go of those as well.
    virtual void ReleaseFieldVariableMap(FieldVariableMap* map);
    // Lists the tables the page reaches through its controls' calls and class recomputes; page
    // kinds add the tables their own calls reach. Part of ListReferences.
    virtual void ListTableUses(ReferenceList& list);
    // Drops the control's field visibilities and class recomputes, then deletes it; nothing
    // for null or a control that is not on the page.
    virtual void DeleteFieldRep(FieldRep* fieldRep);
    // True means the field gets no control on this page.
    virtual bool IsMasterLinkField(Field* field);
    // One entry per control whose data call belongs to the class; the class is recorded.
    virtual bool CollectClassUsage(Class* dataClass, CString& list);
    virtual void CheckExtraProcedureMapping(Procedure* procedure);
    // Files one text in the error list when the page links to the menu. Its page files' menu
    // maps are no links: a menu's deletion erases them first.
    virtual bool CollectMenuLinkUsage(Menu* menu);
    virtual void CollectVariableMappingUsage(Variable* variable, CString& list);
    virtual void CollectReportVariableUsage(Variable* variable, CString& list);
    virtual FieldRepData* FindExtraFieldRepDataUsingField(Field* field);
    virtual void ClearExtraFrontBackField(Field* field);
    // Every control's data drops its class recomputes of the control.
    virtual void RemoveClassRecomputeOf(FieldRep* fieldRep);
    virtual CString GetClassName();
    virtual void VisitDefaultEventRecmpFields();
    virtual void SyncTableFlags();
    // Records the page when a control shows a field of the table that the function outputs
    // as its front or back field; answers whether it did.
    virtual bool IsFunctionFieldUsedAsFrontBack(Function* function, Table* table);
    virtual void ClearFunctionFieldFrontBack(Function* function, Table* table);

    // What the page base asks the page classes instead of testing their class.
    // The table the page's titles and file names come from: a master form's table, a
    // transaction's basic table; null for the other pages.
    virtual Table* GetTitleTable() const { return nullptr; }
    // What a copy puts before the source's name; master forms and transactions number their
    // copies.
    virtual CString GetCopyNamePrefix() const { return {}; }
    // Whether the page owns a file of its list; a report collector also lists the files of the
    // reports it shows, which those reports own.
    virtual bool OwnsAspFile(const AspFile&) const { return true; }
    // Lists what the page refers to among the entities it does not own: what its page files
    // refer to (AspFile::ListReferences), the procedures its calls, record and uniqueness tables,
    // visibilities and controls call (each call going with its procedure), the functions and
    // classes its controls call, the variables its calls and links pass, the menus its links
    // open, the fields its maps show; page kinds add their own.
    virtual void ListReferences(ReferenceList& list);

    // Null grid, second owned object, module and procedure call (nothing deleted), link lists
    // emptied without deleting, flags false, column counts 2.
    void Reset();
    // Fills a freshly constructed page as a copy of the source.
    void CopyFrom(const FormInterface* source);

    const CString& GetFormName() const { return m_name; }

    Module* GetModule() const { return m_module; }
    void SetModule(Module* module) { m_module = module; }
    // Set by the project merge on both sides of a merged pair; 0 on creation, in copies and
    // after a load (not stored).
    BYTE GetMergeMark() const { return m_mergeMark; }
    void SetMergeMark(BYTE mark) { m_mergeMark = mark; }

    Grid* GetGrid() const { return m_grid; }
    // The previous grid is not deleted.
    void SetGrid(Grid* grid) { m_grid = grid; }
    // Deletes the grid; the page holds none until SetGrid.
    void DeleteGrid();

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
    // The list itself, for the editors that change it in place.
    std::vector<FieldVariableMap*>& EditFieldVariableMaps() { return m_fieldVariableMaps; }
    // A map whose variable has kind 2: the page neither stores nor deletes it.
    static bool IsSharedVariableMap(const FieldVariableMap* map);
    // Frees a field-variable map with its variable, unless the map is a shared one.
    static void DeleteFieldVariableMap(FieldVariableMap* map);
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

    // Page files. Lookups answer null when nothing matches.
    AspFile* GetAspFileAt(int index) const;
    // The first page file of the file kind.
    AspFile* FindAspFileByType(int fileKind) const;
    // The first page file whose relative address equals the text; two names, one behaviour.
    AspFile* FindAspFileByName(const CString& url) const;
    AspFile* FindAspFile(const CString& url) const;
    bool HasAspFile(const AspFile* file) const;
    // Erases the pointer; the file is not deleted.
    void RemoveAspFile(AspFile* file);
    // A page file of the class the project's output kind asks for, owned by this page.
    void CreateAspFile(int fileKind, int ownerKind);

    // Controls.
    // The first control whose field has the name, skipping automatic controls.
    FieldRep* FindFieldRepByFieldName(const CString& name) const;
    // The first control whose field's name equals the text ignoring case.
    FieldRep* FindFieldRepByFieldNameNoCase(CString name) const;
    void SwapFieldReps(FieldRep* first, FieldRep* second);
    // Takes the control out and inserts it at the index of the shortened list.
    void MoveFieldRepTo(FieldRep* fieldRep, int index);
    int IndexOfFieldRep(FieldRep* fieldRep) const;
    bool HasFileUploadControl() const;
    // A control's field, a reference field or a derived field has the name.
    bool IsFieldNameUsed(const CString& name) const;
    // The control's field as table name + "_" + field name.
    CString GetQualifiedFieldName(FieldRep* fieldRep) const;

    // Reference and derived fields: by page field, by name ignoring case, by exact name.
    RefField* FindRefFieldByField(Field* field) const;
    RefField* FindRefFieldByName(const CString& name) const;
    RefField* GetRefFieldByName(const CString& name) const;
    DerivedField* FindDerivedFieldByField(Field* field) const;
    DerivedField* FindDerivedFieldByName(const CString& name) const;
    DerivedField* GetDerivedFieldByName(const CString& name) const;
    // The table of the reference field, else of the derived field, whose page field it is.
    Table* GetRefOrDerivedFieldTable(Field* field) const;
    bool IsNodeUsedByDerivedField(FormulaTreeNode* node) const;
    // False when it is not on the page; otherwise removes it with its control and map.
    bool RemoveRefField(RefField* refField);
    // Nothing when it is not on the page or in use; otherwise removes it with its control and
    // map.
    void RemoveDerivedField(DerivedField* derivedField);
    bool IsDerivedFieldInUse(DerivedField* derivedField) const;
    // No other control recomputes it, no derived page uses it and no uniqueness variable
    // carries its name.
    bool IsFieldRepUnused(FieldRep* fieldRep);
    bool IsNameInUniquenessVariables(const CString& name) const;

    // Links.
    LinkControl* FindPreLinkByCaption(const CString& caption) const;
    LinkControl* FindPostLinkByCaption(const CString& caption) const;
    LinkControl* FindPreLinkByCaptionNoCase(CString caption) const;
    // Pre-links before post-links.
    LinkControl* FindLinkControl(Menu* target, int alignment) const;
    // Erase the pointer; the link is not deleted.
    void RemovePreLink(LinkControl* link);
    void RemovePostLink(LinkControl* link);
    // Empty out, then append the links; the page keeps owning them.
    void GetPreLinks(std::vector<LinkControl*>& out) const;
    void GetPostLinks(std::vector<LinkControl*>& out) const;
    void MovePreLinkDown(int index);
    void MovePostLinkDown(int index);
    void MovePreLinkUp(int index);
    void MovePostLinkUp(int index);
    // Moves the link into the pre-links (pre true) or the post-links.
    void SetLinkPlacement(LinkControl* link, bool pre);

    // Uniqueness and record procedures: the first entry of a table (and kind).
    UniquenessProcedureTable* FindUniquenessProcedureTable(Table* table) const;
    Procedure* GetUniquenessProcedure(Table* table) const;
    void RemoveUniquenessProcedureTable(Table* table);
    ProcedureTable* FindUpdateProcedureTable(Table* table) const;
    ProcedureTable* FindDeleteProcedureTable(Table* table) const;
    ProcedureTable* FindDefaultValueProcedureTable(Table* table) const;
    Procedure* GetUpdateProcedure(Table* table) const;
    Procedure* GetDeleteProcedure(Table* table) const;
    Procedure* GetDefaultValueProcedure(Table* table) const;
    void RemoveUpdateProcedureTable(Table* table);
    void RemoveDeleteProcedureTable(Table* table);
    void RemoveDefaultValueProcedureTable(Table* table);

    // Table flags.
    PageTableFlags GetTableFlags(Table* table) const;
    // Copies the flags into the record of the same table; no record is added.
    void SetTableFlags(const PageTableFlags& flags);
    void RemoveTableFlags(Table* table);
    void RemoveTableFlagsByName(const CString& tableName);
    void ClearTableFlags();

    // The controls' data calls and data procedures.
    FieldRepData* FindFieldRepDataUsingField(Field* field, Procedure* procedure);
    FieldRepData* FindFieldRepDataUsingFunctionField(Field* field, Function* function) const;
    void ClearProcedureFieldFrontBack(Field* field, Procedure* procedure);
    bool IsProcedureRecomputed(Procedure* procedure) const;
    void RemoveProcedureRecomputes(Procedure* procedure);
    bool IsFieldRecomputedOnEvent(Field* field, bool withCalls) const;
    static bool RecomputesSameBackField(FieldRep* fieldRep);
    bool IsFrontOrBackFieldOfAnyControl(Field* field) const;
    // Drops the entries without target control, then every event list without class
    // recomputes.
    void CleanEmptyClassRecomputes();
    void RemoveVisibilityDataOf(Variable* variable);
    bool CheckVisibilityDataUse(ProcedureFieldInfo* column) const;
    bool RemoveFieldVisibilities(Field* field);

    // Controls made from a table's fields.
    void CreateFieldRepsForTable(Table* table);
    void SyncFieldRepsWithTable(Table* table);
    void AddFieldRepForField(Field* field);
    void RemoveInvalidFieldReps();
    // A field of no table that is none of the page's reference or derived fields: a field the
    // page made for itself (a login box, a user-account page's new password).
    bool IsPageOwnedField(Field* field) const;
    // The page takes a field it made for itself; the page destructor deletes it.
    void AdoptPageField(Field* field);

    // Page variables. Lookups answer null when nothing matches.
    FieldVariableMap* GetFieldVariableMapAt(int index) const;
    FieldVariableMap* FindFieldVariableMapByField(Field* field) const;
    FieldVariableMap* FindFieldVariableMapByVariable(Variable* variable) const;
    // Ignoring case.
    FieldVariableMap* FindFieldVariableMapByVariableName(const CString& name) const;
    Field* GetMappedFieldOfVariable(Variable* variable) const;
    Variable* FindVariableByName(const CString& name) const;
    Field* FindMappedFieldByName(const CString& name) const;
    // Appends the mapped variables: all, or only those of kind 1.
    void GetVariables(std::vector<Variable*>& out, bool all) const;
    // A kind-1 variable named as the field for every field of the table without a map; returns
    // the table's field count.
    int AddVariablesForTable(Table* table);
    // A kind-1 variable named as the field, the way every load names a mapped variable, and
    // its map appended; returns the variable, null without a field.
    Variable* AddVariableForField(Field* field);
    // Every mapped variable takes the name of its field, as a read of the page names them.
    void NameVariablesAsRead();
    void RenameVariablesAfterFields();
    void RenameVariablesAfterFieldsOfTable(Table* table);
    void RenameVariable(const char* oldText, CString newText);
    void OnFieldRenamed(Field* field, const char* oldName);
    // Erases the first map of the field from the list; the map and its variable are kept.
    void RemoveFieldVariableMapByField(Field* field);
    void RemoveFieldVariableMapByVariable(Variable* variable);
    // Drops the variable from the controls' data procedures, deletes map and variable.
    void RemoveFieldVariableMapAt(int index);
    void RemoveVariableFromDataCalls(Variable* variable);
    // Erases (without deleting) every map of the given field or variable.
    void RemoveMatchingFieldVariableMaps(const FieldVariableMap& given);
    void CollectVariableUsage(const FieldVariableMap& given, CString& list);

    // Checks filing warnings and errors in the project diagnostics.
    void CheckProcedureMapping(Procedure* procedure);
    void CheckInvocationMapping(ProcedureInvokation* invocation);
    void Validate();
    // The field itself when it is the key column; the referenced key column of a foreign key.
    static Field* GetKeyFieldOf(Field* field);

protected:
    // For a page whose report variable maps may take the map's variable: when a table's field
    // goes, the pages that map the variable to reports let go of it. A procedure's computed
    // column has no table; its variable keeps feeding reports.
    static void ReleaseReportVariablesOf(FieldVariableMap* map);

    // The check of a page built on a table with an optional linked report: "Invalid Form!"
    // without the table (false, nothing more checked); else the page checks and whether every
    // report variable of kind 1 is mapped.
    bool ValidateTableAndReport(const Table* table, ApplicationReport* report,
                                std::size_t reportVariableMapCount);

    // The open project's output kind: 1 ASP.NET page files, 0 classic ones; 1, as in a new
    // project, while no project is open.
    static int ProjectOutputKind();
    // Records the page in the current usage set.
    void RecordUsage();
    // After a load, by the pages that make fields for their controls: the page takes the
    // page-owned fields of its controls, each once; the archive refuses a field another owner
    // holds.
    void AdoptLoadedPageFields(CArchive& ar);
    // A page whose lists hold controls and field-variable maps that other pages own; it
    // claims its own entries after reading.
    virtual bool TakesEntriesOfOtherPages() const { return false; }
    // "Copy_<count>_of_", the prefix of a numbered copy.
    static CString NumberedCopyPrefix(int count);
    // The control's field name, or its data's caption without a field, blanks made "_".
    static CString ControlName(const FieldRep* fieldRep);
    // Clears the field from the front and back field of the controls' data.
    static void ClearFrontBackFieldOf(const std::vector<FieldRep*>& controls, Field* field);
    // A copy of the control bound to the field, the fields of its data call's parameter maps
    // translated for the page the copy goes to.
    static FieldRep* CopyControl(const FieldRep& source, Field* field,
                                 const std::function<Field*(Field*)>& translate);

    int m_preLinkColumnCount = 2;
    int m_postLinkColumnCount = 2;
    ProcedureInvokation* m_procedureCall = nullptr;
    CString m_name;
    Grid* m_grid = nullptr;
    CObject* m_secondOwnedObject = nullptr;
    Module* m_module = nullptr;
    bool m_isCopy = false;
    BYTE m_mergeMark = 0;
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
    // Owned; not stored: a load finds them again among the controls' fields.
    std::vector<Field*> m_pageFields;
    int m_columnCount = 2;
    bool m_transient = false;

private:
    // The field of the copy that stands for a field of the source page; a field the source made
    // for itself gets a copy of the copy's own, taken once by name.
    Field* TranslateCopiedField(Field* field);
    // Copies the source's controls, their data calls' fields and their event lists.
    void CopyFieldReps(const FormInterface* source);
    ProcedureTable* FindProcedureTable(Table* table, int kind) const;
    void RemoveProcedureTable(Table* table, int kind);
    // The field has no control yet, is neither the key nor "Is_Deleted" and the page takes it.
    bool TakesControl(Field* field);
    // A control for the field with new data carrying the field's mapped variable, filled from
    // the field.
    FieldRep* NewFieldRep(Field* field);
};
