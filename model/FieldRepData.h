#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <vector>

class ChangeEventHandle;
class ClassInvokation;
class EventRecmpFields;
class Field;
class FieldRep;
class LinkControl;
class ReferenceList;
class Menu;
class Procedure;
class ProcedureFieldInfo;
class ProcedureInvokation;
class Table;
class Transaction;
class Variable;

// The settings of one page control: its kind, caption and sizes, where a lookup control takes
// its items from, hard-coded items, links, change handlers and the client events on which other
// controls are recomputed.
class FieldRepData : public CObject
{
    DECLARE_SERIAL(FieldRepData)

public:
    // Control kinds.
    static constexpr int TextBox = 0;
    static constexpr int ComboBox = 1;
    static constexpr int DateControl = 2;
    static constexpr int RadioButton = 3;
    static constexpr int CheckBox = 4;
    static constexpr int TextArea = 5;
    static constexpr int FileUpload = 6;
    static constexpr int Password = 7;
    static constexpr int Hidden = 8;
    static constexpr int MultipleComboBox = 9;
    static constexpr int Button = 10;
    static constexpr int DateTime = 11;
    static constexpr int Month = 12;
    static constexpr int Year = 13;
    static constexpr int EditableTextBox = 14;
    static constexpr int EditableComboBox = 15;
    static constexpr int ControlKindCount = 16;

    // No pointers, empty texts and lists, kind 0, no flags, a text area of 4 rows and 35
    // columns, a text box 40 wide.
    FieldRepData();
    // Copies the fields, texts, numbers and flags and a deep copy of the data call; the
    // variable, the data procedure and the lists start empty.
    FieldRepData(const FieldRepData& source);
    FieldRepData& operator=(const FieldRepData&) = delete;
    // Deletes the data procedure, the data call, the change handlers, links and event lists.
    ~FieldRepData() override;

    // The 22 items of the record; a load reads the items newer than the file by their version
    // gates and converts the layouts of older files.
    void Serialize(CArchive& ar) override;

    Field* GetFrontField() const { return m_frontField; }
    void SetFrontField(Field* field) { m_frontField = field; }
    Field* GetBackField() const { return m_backField; }
    void SetBackField(Field* field) { m_backField = field; }
    Variable* GetVariable() const { return m_variable; }
    void SetVariable(Variable* variable) { m_variable = variable; }
    ProcedureInvokation* GetDataProcedure() const { return m_dataProcedure; }
    // Takes ownership; a previous data procedure is deleted.
    void SetDataProcedure(ProcedureInvokation* invokation);
    ClassInvokation* GetDataCall() const { return m_dataCall; }
    // Takes ownership; a previous data call is deleted.
    void SetDataCall(ClassInvokation* invokation);
    // Lists the variable it carries, then what the data call, the front and back fields it
    // shows from the call's output, the data procedure, the recomputes, the change handlers and
    // the links refer to.
    void ListReferences(ReferenceList& list);

    CString GetDisplayTexts() const { return m_displayTexts; }
    void SetDisplayTexts(CString texts) { m_displayTexts = texts; }
    CString GetCaption() const { return m_caption; }
    void SetCaption(CString caption) { m_caption = caption; }
    int GetControlKind() const { return m_controlKind; }
    void SetControlKind(int kind) { m_controlKind = kind; }
    int GetMaxLength() const { return m_maxLength; }
    void SetMaxLength(int length) { m_maxLength = length; }
    CString GetStoredValues() const { return m_storedValues; }
    void SetStoredValues(CString values) { m_storedValues = values; }
    int GetRange() const { return m_range; }
    void SetRange(int range) { m_range = range; }

    bool GetSelectAllCaption() const { return m_selectAllCaption; }
    void SetSelectAllCaption(bool flag) { m_selectAllCaption = flag; }
    bool GetNoneCaption() const { return m_noneCaption; }
    void SetNoneCaption(bool flag) { m_noneCaption = flag; }
    bool IsAddedBySync() const { return m_addedBySync; }
    void SetAddedBySync(bool flag) { m_addedBySync = flag; }
    bool GetInternalSearch() const { return m_internalSearch; }
    void SetInternalSearch(bool flag) { m_internalSearch = flag; }

    int GetRows() const { return m_rows; }
    void SetRows(int rows) { m_rows = rows; }
    int GetColumns() const { return m_columns; }
    void SetColumns(int columns) { m_columns = columns; }
    int GetWidth() const { return m_width; }
    void SetWidth(int width) { m_width = width; }
    bool GetSeparateRow() const { return m_separateRow; }
    void SetSeparateRow(bool flag) { m_separateRow = flag; }

    // Read only from files before version 51; never written back. The controls are not owned.
    const std::vector<FieldRep*>& GetLegacyRecomputes() const { return m_legacyRecomputes; }
    const std::vector<ChangeEventHandle*>& GetChangeEventHandles() const
    {
        return m_changeHandlers;
    }
    // Appends and takes ownership.
    void AddChangeEventHandle(ChangeEventHandle* handle) { m_changeHandlers.push_back(handle); }
    const std::vector<LinkControl*>& GetLinkControls() const { return m_links; }
    // Appends and takes ownership.
    void AddLinkControl(LinkControl* link) { m_links.push_back(link); }
    const std::vector<EventRecmpFields*>& GetEventRecmpFieldsList() const { return m_eventLists; }
    // Appends and takes ownership.
    void AddEventRecmpFields(EventRecmpFields* list) { m_eventLists.push_back(list); }

    // Appends the comma-separated display texts to texts and the stored values to values.
    void GetHardCodedStrings(std::vector<CString>& texts, std::vector<CString>& values) const;

    // The first event list of the client event kind, or null.
    EventRecmpFields* FindEventRecmpFields(int eventKind) const;
    // The client event a control kind recomputes on: "OnChange", "OnClick" or none.
    static int GetDefaultEventKind(int controlKind);
    EventRecmpFields* GetDefaultEventRecmpFields() const;
    // Some event list has a procedure recompute.
    bool HasEventRecmpFields() const;
    bool HasClassRecomputeFor(const FieldRep* rep) const;
    // Some class recompute refills a control on the field.
    bool HasClassRecomputeForField(const Field* field) const;
    // Some class recompute refills a control on a field of the table.
    bool HasClassRecomputeForTable(const Table* table) const;
    // Some class recompute refills a control on a field of a table of the master-detail form.
    bool RecomputesTransactionField(const Transaction* transaction) const;
    // A control is being deleted: its class recomputes go; event lists left without class
    // recomputes are deleted.
    void RemoveClassRecomputeOf(const FieldRep* rep);
    // A table is being deleted: the class recomputes of controls on its fields go; event lists
    // left without class recomputes are deleted.
    void RemoveClassRecomputesOfTable(const Table* table);
    // Takes the list out and deletes it; nothing when it is not one of the data's lists.
    void RemoveEventRecmpFields(EventRecmpFields* list);
    // The first event list with a procedure recompute on a field named (ignoring case) like the
    // field of a procedure recompute of other; null when none.
    EventRecmpFields* FindEventRecmpFieldsSharingField(const EventRecmpFields* other) const;

    // Deletes the data call and clears the front and back fields; nothing without a data call.
    void ClearClassInvokation();
    // Deletes the data procedure and clears the front and back fields.
    void DropDataProcedure();

    // The link with that target and alignment, or null.
    LinkControl* FindLinkControl(const Menu* target, int alignment) const;
    // Takes the link out and deletes it; nothing for an index out of range.
    void RemoveLinkControlAt(int index);
    // Swap the link with its neighbour; nothing at the ends or out of range.
    void MoveLinkControlUp(int index);
    void MoveLinkControlDown(int index);

    // When the data call's function has more parameters than the call maps, appends the
    // numbered finding "<counter>.<name> for function <function> on form control <control>" to
    // text (headed by the missing-mapping line for kindText when the counter is 1) and counts it.
    void CheckCallParameterMapping(CString& text, CString name, CString control, CString kindText,
                                   int& counter) const;

private:
    // Some class recompute of some event list names a control that meets the test.
    template <class Test> bool AnyClassRecompute(Test test) const;
    // Runs the removal on every event list once; lists left without class recomputes are
    // deleted.
    template <class Removal> void RemoveClassRecomputes(Removal removal);
    // Lists the front and back fields that are fields of the call's output columns.
    void ListShownColumns(ReferenceList& list, const std::vector<ProcedureFieldInfo*>& columns);

    // Version-50 files follow the links with pairs of a control and a procedure invocation
    // that nothing uses any more; the control belongs to its page, the invocation is freed.
    void SkipRecomputePairs(CArchive& ar);
    // Files before version 61 had no none caption: combo boxes showed "None" first.
    void ConvertOldComboCaptions();

    Field* m_frontField = nullptr;
    Field* m_backField = nullptr;
    Variable* m_variable = nullptr;
    ProcedureInvokation* m_dataProcedure = nullptr;
    ClassInvokation* m_dataCall = nullptr;
    CString m_displayTexts;
    CString m_caption;
    int m_controlKind = 0;
    int m_maxLength = 0;
    CString m_storedValues;
    int m_range = 0;
    bool m_selectAllCaption = false;
    bool m_noneCaption = false;
    bool m_addedBySync = false;
    bool m_internalSearch = false;
    int m_rows = 4;
    int m_columns = 35;
    int m_width = 40;
    bool m_separateRow = false;
    std::vector<FieldRep*> m_legacyRecomputes;
    std::vector<ChangeEventHandle*> m_changeHandlers;
    std::vector<LinkControl*> m_links;
    std::vector<EventRecmpFields*> m_eventLists;
};
