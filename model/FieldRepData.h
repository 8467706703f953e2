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
class ProcedureInvokation;
class Variable;

// The settings of one page control: its kind, caption and sizes, where a lookup control takes
// its items from, hard-coded items, links, change handlers and the client events on which other
// controls are recomputed.
class FieldRepData : public CObject
{
    DECLARE_SERIAL(FieldRepData)

public:
    // Control kinds.
    static constexpr int ComboBox = 1;
    static constexpr int MultipleComboBox = 9;

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

private:
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
