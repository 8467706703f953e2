#pragma once

#include "editors/logic/ControlStates.h"
#include "platform/core/CString.h"

#include <vector>

class ClassInvokation;
class Field;
class FieldRep;
class FieldRepData;
class FormInterface;

// The sub-dialogs the control properties open.
class ControlPropertiesHost
{
public:
    virtual ~ControlPropertiesHost() = default;
    // "Assign Function" on the page and the control's call (null for none): the call chosen on
    // OK, else null.
    virtual ClassInvokation* AssignFunction(FormInterface& page, ClassInvokation* current) = 0;
    // "Linkcontrols for field" on the control.
    virtual void EditFieldLinks(FieldRep& control, FormInterface& page) = 0;
};

// "Control properties": the kind, caption, sizes, value lists and recompute entries of one
// control of a page.
class ControlPropertiesEditor
{
public:
    // Event codes of the events combo.
    static constexpr int OnChange = 0;
    static constexpr int OnClick = 1;
    static constexpr int OnBlur = 2;

    static constexpr UINT IDD = 169;
    static constexpr int CaptionBox = 1031;
    static constexpr int DisplayStringsBox = 1035;
    static constexpr int ValueStringsBox = 1050;
    static constexpr int MaxLengthBox = 1053;
    static constexpr int WidthBox = 1059;
    static constexpr int RowsBox = 1055;
    static constexpr int ColumnsBox = 1267;
    static constexpr int CompulsoryCheck = 1655;
    static constexpr int SeparateRowCheck = 1736;
    static constexpr int KindCombo = 1033;
    static constexpr int AssignFunctionButton = 1663;
    static constexpr int RemoveFunctionButton = 1664;
    static constexpr int FunctionLabel = 1347;
    static constexpr int FrontCombo = 1037;
    static constexpr int BackCombo = 1038;
    static constexpr int LinkList = 1195;
    static constexpr int AssignLinkButton = 1545;
    static constexpr int RemoveLinkButton = 1230;
    static constexpr int EventCombo = 1547;
    static constexpr int CandidateCombo = 1189;
    static constexpr int AddRecomputeButton = 1103;
    static constexpr int RemoveRecomputeButton = 1104;
    static constexpr int RecomputeList = 1194;
    static constexpr int AdvancedButton = 1741;
    static constexpr int HelpButton = 1743;

    // Without a host the function and link buttons do nothing.
    ControlPropertiesEditor(FormInterface& page, FieldRep& control,
                            ControlPropertiesHost* host = nullptr);

    static const std::vector<ToolTip>& GetToolTips();
    static std::vector<ListColumn> GetRecomputeColumns();
    static std::vector<ListColumn> GetLinkColumns();

    // What the controls show: the values, the combos, and the editing controls enabled only
    // with data.
    ControlStates GetStates() const;
    std::vector<ListRow> GetRecomputeListRows() const;
    std::vector<ListRow> GetLinkListRows() const;

    // Fills the kind list and the candidates, loads the control's values and runs the kind change.
    void Load();

    // The control had data when the dialog opened; without it nothing can be edited.
    bool HasData() const { return m_hasData; }
    // "Control Properties for : " with the caption, or the field name without data.
    CString GetTitle() const;
    bool IsCompulsory() const;
    // Changes the model at once.
    void ToggleCompulsory();

    const std::vector<CString>& GetKinds() const { return m_kinds; }
    int GetKindSelection() const { return m_kind; }
    // Selects a kind: the data's code is set at once, unless no kind is selected.
    void SelectKind(int index);
    // The events offered for the selected kind; none disables the event controls.
    const std::vector<int>& GetEvents() const { return m_events; }
    static CString GetEventName(int event);
    bool AreEventControlsEnabled() const { return !m_events.empty(); }
    void SelectEvent(int event) { m_event = event; }
    // The events combo's item.
    void SelectEventItem(int index);
    int GetEvent() const { return m_event; }

    // The kind-specific boxes shown for the selected kind.
    bool ShowsTextBoxSizes() const;
    bool ShowsTextAreaSizes() const;
    bool ShowsRadioValues() const;
    bool IsBackComboEnabled() const;

    const std::vector<FieldRep*>& GetCandidates() const { return m_candidates; }
    // The table's name, "_" and the field name; the caption for a control without a field.
    CString GetDisplayName(FieldRep* rep) const;
    // ">" for the candidate on the selected event; "<" for a row of the recompute list.
    void AddRecompute(int candidate);
    void RemoveRecompute(int row);
    // The display names of the selected event's recompute entries.
    std::vector<CString> GetRecomputeRows() const;

    bool IsSeparateRowEnabled() const;

    // "Advanced>>" shows the part below the button, "<<Advanced" hides it.
    void ToggleAdvanced() { m_advanced = !m_advanced; }
    bool IsAdvancedShown() const { return m_advanced; }
    // The candidates combo's selection, cleared by ">".
    int candidateSelection = -1;

    // "Function : " with the class and function of the data call, or "Function not assigned.".
    CString GetFunctionLabel() const;
    // The function's output fields as "table.field"; the stored front and back fields selected.
    void FillFrontBack();
    const std::vector<CString>& GetFrontBackItems() const { return m_frontBackTexts; }
    int frontSelection = -1;
    int backSelection = -1;
    // Asks the host for a call; one chosen becomes the data's call.
    void AssignFunction();
    // Deletes the data call and clears the front and back fields.
    void RemoveFunction();
    // The host edits the control's links.
    void AssignLink();
    // The captions of the control's links.
    std::vector<CString> GetLinkRows() const;
    // Removes the clicked link; nothing without one.
    void RemoveLink(int row);

    // The values the boxes show; the view writes what was typed.
    CString caption;
    CString displayStrings;
    CString valueStrings;
    int maxLength = 0;
    int width = 40;
    int rows = 4;
    int columns = 20;
    bool separateRow = false;

    // Stores the values; false, after its message, when the function's front and back fields
    // or the radio values are incomplete.
    bool WriteBack();
    // On a transaction, the control's field on its page file of kind 3: "ReadOnly" when the
    // control recomputes a field the transaction shows, else "Editable".
    void UpdateTransactionVisibility();
    // OK: the write-back and, for a transaction, the visibility update. True when the dialog
    // closes: a standalone dialog closes after a failed write-back, a hosted one stays open.
    bool Ok(bool hosted);
    // A box OK stores holds what the control's data does not: the caption, the value and
    // display strings, the sizes, the separate-row check, the front and back fields.
    bool HasUnstoredChanges() const;
    // Escape and the close box: with unstored changes "The control "<caption>" has not been
    // updated. Update it?", answered Yes, No or Cancel; IDNO without asking otherwise.
    int AskAboutChanges() const;

private:
    // The typed values, the kind and the front and back fields into the data.
    void StoreValues(FieldRepData& data);
    // The caption the box shows for the data: its own, else the field's display name.
    CString ShownCaption(const FieldRepData& data) const;
    // The field a front or back combo's selection stands for; null for none.
    Field* FrontBackFieldAt(int selection) const;
    CString KindText() const;
    bool KindIs(int code) const;
    void RunKindChange();
    void FillEvents();

    FormInterface& m_page;
    FieldRep& m_control;
    ControlPropertiesHost* m_host;
    // Taken from the control on open: it had data, or no data but a variable.
    bool m_hasData;
    bool m_hasVariable;
    bool m_advanced = false;
    std::vector<CString> m_kinds;
    int m_kind = -1;
    std::vector<int> m_events;
    int m_event = -1;
    std::vector<FieldRep*> m_candidates;
    std::vector<Field*> m_frontBackFields;
    std::vector<CString> m_frontBackTexts;
};
