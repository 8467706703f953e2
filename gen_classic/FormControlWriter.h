#pragma once

#include "platform/core/CString.h"

#include <vector>

class ApplicationReport;
class AspFile;
class DateValidation;
class EventRecmpFields;
class Field;
class FieldRep;
class FieldRepData;
class FieldVisibility;
class FormInterface;
class ProcedureInvokation;
class ReportCollector;
class Table;
class TextFile;
class Variable;
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

    // The script half: form frames, client checks and functions, and the server-side checks of
    // action pages. Scripts are written at the script indent unless a step names another.
    void SetScriptIndent(int indent) { m_indent = indent; }
    // The form, its table, the message row (the request's message, encoded) and the heading.
    void WriteFormOpen(const CString& formName, TextFile& out, const CString& heading, int indent,
                       const CString& messageParam);
    void WriteFormClose(TextFile& out, int indent, bool noCancel);
    // Event functions, fn_validate_ with the add button's value, and on update pages the
    // remove and cancel functions.
    void WriteTransactionScripts(Table* table, const std::vector<FieldRep*>& controls,
                                 const CString& actionUrl, TextFile& out);
    // Event functions, fn_validate_ with the add button's value and the remove function.
    void WriteMapFormScripts(Table* table, const std::vector<FieldRep*>& controls,
                             const CString& actionUrl, TextFile& out);
    // As a transaction's, with "Update" as the action value of update pages.
    void WriteMasterFormScripts(Table* table, const std::vector<FieldRep*>& controls,
                                const CString& actionUrl, TextFile& out);
    // The filter event functions, set_query, fn_print and one function per button column.
    void WriteReportScripts(ApplicationReport* report, const CString& reportName,
                            const std::vector<FieldRep*>& controls, int indent, TextFile& out);
    void WriteCollectorScripts(ReportCollector* collector, TextFile& out);
    // Function ValidateData: every posted value checked again, redirecting with a message.
    void WriteValidateData(const std::vector<FieldVariableMap*>& maps,
                           const std::vector<FieldRep*>& controls, const CString& redirectPage,
                           TextFile& out, int indent);
    void WriteValidateFunction(const CString& name, const std::vector<FieldRep*>& controls,
                               const CString& actionUrl, const CString& hiddenValue, TextFile& out);
    // The client checks of the controls that take part in them.
    void WriteFieldChecks(const std::vector<FieldRep*>& controls, TextFile& out);

private:
    // The control-kind prefix and the field name the scripts address a control by; empty
    // without field or data.
    static CString ScriptControlId(const FieldRep& control);
    // A field that is neither key nor "Is_Deleted", with data, not excluded by the page's
    // reference field, and not invisible (nor read-only, for the client checks).
    bool TakesPartInChecks(const FieldRep& control, bool clientSide) const;
    void WriteFocusReturn(TextFile& out, const CString& id);
    void WriteDateChecks(const FieldRep& control, const CString& id, TextFile& out);
    void WriteEventFunctions(Table* table, const CString& formName, TextFile& out);
    void WriteReportEventFunctions(ApplicationReport* report, TextFile& out);
    void WriteEventFunction(const FieldRep& control, const CString& formName, const CString& url,
                            bool withAction, TextFile& out);
    void WriteRemoveFunction(Table* table, const CString& actionUrl, TextFile& out);
    void WriteCancelFunction(Table* table, TextFile& out);
    void WriteSetQuery(const std::vector<FieldRep*>& filters, const CString& formName,
                       const CString& actionUrl, bool showAction, bool controlIds, TextFile& out);
    void WritePrintFunction(const CString& formName, const std::vector<FieldRep*>& controls,
                            TextFile& out);
    void WriteButtonFunctions(ApplicationReport* report, const CString& formName, TextFile& out);
    void WritePostedValueCheck(const FieldRep& control, const CString& variable, TextFile& out,
                               const CString& redirectPage, int indent);
    void WriteRedirect(const CString& message, const CString& redirectPage,
                       const CString& parameter, TextFile& out, int indent);
    void WriteDateRangeCheck(const FieldRep& control, const CString& redirectPage, TextFile& out,
                             int indent);
    // The page's variable name of the rule, its value read first when it has a result field.
    CString RuleVariable(const DateValidation& rule, TextFile& out, int indent);
    // The variable a filter control's value goes to.
    const Variable* FilterVariable(const FieldRep& control) const;

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
    // The script function the control's event of the list calls.
    static CString EventFunctionName(const FieldRep& control, const EventRecmpFields& list);

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
    int m_indent = 0;
};
