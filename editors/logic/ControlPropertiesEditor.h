#pragma once

#include "platform/core/CString.h"

#include <vector>

class Field;
class FieldRep;
class FormInterface;

// "Control properties": the kind, caption, sizes, value lists and recompute entries of one
// control of a page.
class ControlPropertiesEditor
{
public:
    // Event codes of the events combo.
    static constexpr int OnChange = 0;
    static constexpr int OnClick = 1;
    static constexpr int OnBlur = 2;

    ControlPropertiesEditor(FormInterface& page, FieldRep& control);

    // Fills the kind list and the candidates, loads the control's values and runs the kind change.
    void Load();

    const std::vector<CString>& GetKinds() const { return m_kinds; }
    int GetKindSelection() const { return m_kind; }
    // Selects a kind: the data's code is set at once, unless no kind is selected.
    void SelectKind(int index);
    // The events offered for the selected kind; none disables the event controls.
    const std::vector<int>& GetEvents() const { return m_events; }
    static CString GetEventName(int event);
    bool AreEventControlsEnabled() const { return !m_events.empty(); }
    void SelectEvent(int event) { m_event = event; }
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

    // "Function : " with the class and function of the data call, or "Function not assigned.".
    CString GetFunctionLabel() const;
    // The function's output fields as "table.field"; the stored front and back fields selected.
    void FillFrontBack();
    const std::vector<CString>& GetFrontBackItems() const { return m_frontBackTexts; }
    int frontSelection = -1;
    int backSelection = -1;
    // Deletes the data call and clears the front and back fields.
    void RemoveFunction();
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

private:
    CString KindText() const;
    bool KindIs(int code) const;
    void RunKindChange();
    void FillEvents();

    FormInterface& m_page;
    FieldRep& m_control;
    std::vector<CString> m_kinds;
    int m_kind = -1;
    std::vector<int> m_events;
    int m_event = -1;
    std::vector<FieldRep*> m_candidates;
    std::vector<Field*> m_frontBackFields;
    std::vector<CString> m_frontBackTexts;
};
