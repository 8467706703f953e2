#pragma once

#include "platform/core/CString.h"

#include <vector>

class AspFile;
class Field;
class FieldRep;
class FieldRepData;
class FieldVisibility;
class FormInterface;
class ProcedureInvokation;
class TextFile;
struct FieldVariableMap;

// Writes the controls of a classic form page: label and control cells laid out in rows of a
// table, each control's markup by its kind and by the visibility of its field for the page file
// being written, with its link tables and client events; and the list queries and record
// assignments the page scripts share.
class FormControlWriter
{
public:
    explicit FormControlWriter(AspFile* file);

    // The controls in rows of columns control pairs; filler cells complete the last row.
    void WriteFieldGrid(const std::vector<FieldRep*>& controls, int columns,
                        const CString& formName, TextFile& out, int indent);
    // One label cell and one control cell; nothing without data, for an invisible field or an
    // unknown kind.
    void WriteControlRow(FieldRep* control, int colspan, const CString& formName, TextFile& out,
                         int indent);
    // The two empty cells of a hidden control.
    void WriteEmptyCells(TextFile& out, int indent);
    // 0 editable (also without a visibility), 1 read-only, 2 invisible, 3 decided by data; as
    // the visibility file of the written file says.
    int GetVisibilityKind(const Field* field) const;

    // name = "procedure " & arguments..., the text values between apostrophes.
    void WriteListQuery(TextFile& out, const ProcedureInvokation* invokation, const CString& name,
                        int indent);
    // The variables of the maps from the record set's current record, or emptied at its end.
    void WriteRecordAssignments(TextFile& out, const std::vector<FieldVariableMap*>& maps,
                                const CString& recordset, int indent);

private:
    // What the pieces of one control row read.
    struct Control
    {
        FieldRep* rep;
        FieldRepData* data;
        Field* field;
        int kind;
        CString id;
        CString value;
        CString formName;
        TextFile& out;
        // The row's base indent and the level of the control's markup.
        int base;
        int level;
    };

    FormInterface* Page() const;
    // The file whose field visibilities govern the written file.
    AspFile* VisibilityFile() const;
    const FieldVisibility* FindVisibility(const Field* field) const;
    CString ValueVariable(const Field* field) const;
    CString Label(const FieldRep& control) const;
    // The field name, or the caption with blanks as "_" for a control without field.
    static CString FieldOrCaption(const Control& control);

    void WriteControlCell(Control& control);
    void OpenLinkTables(Control& control);
    void CloseLinkTables(Control& control);
    void WriteControlMarkup(Control& control);
    void WriteEvents(const Control& control);
    void WriteTextInput(const Control& control, const CString& name);
    void WriteTextArea(const Control& control);
    void WriteButtonRow(Control& control);
    void WriteDateRow(const Control& control);
    void WriteCalendarCell(const Control& control, int level);
    void WritePeriodSelect(const Control& control, const char* prefix, const char* fill);
    void WriteCheckBox(const Control& control);
    void WriteRadioOptions(const Control& control, bool withTail);

    // What closes a control, by the field's visibility in the visibility file.
    void WriteTagTail(const Control& control, const CString& optionText = CString());
    void WriteTailWithKind(const Control& control, int tailKind, const CString& optionText);
    void WriteHiddenCopy(const Control& control);
    void WriteConditionalBlock(const Control& control, const FieldVisibility& visibility);
    // The control as the conditional block writes it when no condition holds.
    void WritePlainControl(const Control& control, bool byVariable);
    void WriteSelect(const Control& control, int tailKind);
    void WriteSearchList(const Control& control, int tailKind);
    void WriteSearchCombo(const Control& control, int tailKind);
    void WriteListFill(const Control& control, int indent, const CString& fillFunction,
                       const CString& selected);

    AspFile* m_file;
};
