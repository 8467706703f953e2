#pragma once

#include "platform/core/CString.h"

#include <vector>

class AspFile;
class ClassInvokation;
class Field;
class FieldRep;
class ForgeonProject;
class FormInterface;
class Function;
class TextFile;

// The pieces of generated code-behind that the page writers share: the recompute answers, the
// reading of posted and stored values, uploads, the record-fill blocks, the pre-filling from the
// query string, the role check and the menu method. The role and the logged-in user come from
// the server-side session ("login_role", "login_id"), never from a cookie.
class CodeBehindFragments
{
public:
    // dataObject is the page's data object ("m_" and the table name).
    CodeBehindFragments(ForgeonProject& project, FormInterface& page, TextFile& out,
                        const CString& dataObject);

    // True when the object is already listed; otherwise lists it.
    bool AddUnique(const void* object);
    // The name is listed, case ignored.
    bool IsNameDeclared(const CString& name) const;
    void ClearObjects() { m_objects.clear(); }
    void ClearDeclaredNames() { m_declaredNames.clear(); }
    // Both controls' data have the same back field.
    static bool HaveSameBackField(const FieldRep& a, const FieldRep& b);

    // The request values of the call's mapped parameters, each declared once per method; with
    // a member named, every parameter takes the value of that member ("m_" + member).
    void WriteCallParameterValues(const ClassInvokation& call, int indent, bool detailRow,
                                  const CString& member = CString());
    // The arguments of the function on the current line: parameter names, or "0" each.
    void WriteCallArguments(const Function& function, bool zeros);

    // recomputeOn<NAME>(): the XML answer with one element per control the event recomputes.
    // NAME is the event name, by default the control's name upper-cased.
    void WriteRecomputeMethod(FieldRep& control, int indent, bool detailRow,
                              const CString& event = CString());
    void WriteFillComboMethod(int indent);
    void WriteFillRecomputeTextMethod(int indent);
    void WriteFillRecomputeDateMethod(int indent);

    // The value of a control wherever the request carries it, a date turned month first.
    void WriteReadFieldValue(const FieldRep& control, int indent);
    // Saves a posted file into "location"; a file the server could run is refused with a
    // redirect to replyPage carrying the message, or with refusalShownHere by a
    // SaveRefusedException, which the page shows with the values as posted.
    void WriteFileUploadValue(const FieldRep& control, int indent, const CString& replyPage,
                              bool refusalShownHere);
    // The same on an update page, starting from the name that the record "id" holds; a refused
    // file throws a SaveRefusedException with the message, which the update shows on the page of
    // its record; a post without the page's form returns to that page.
    void WriteFileUploadUpdateValue(const FieldRep& control, int indent, const CString& replyPage);
    // showRefusedUpdate() of a page whose form posts the whole page (an upload's): the message in
    // "MessageLabel" and the page drawn as its first answer draws it, the report and the grids
    // too when asked, while the controls keep the values as posted.
    void WriteShowRefusedUpdate(int indent, bool writesReport, bool writesGrids);
    // Page_Error of an upload page: a post larger than the server takes, whose form cannot be
    // read, goes to the page of keyName's record (the Add page without one) with a message.
    void WriteRequestLimitReply(int indent, const CString& pageFileName, const CString& keyName);
    // The message label shows the message that the page's last answer kept for it.
    void WriteKeptMessage(int indent);
    // Once the record that holds the request's uploads is written: the files stay, at once
    // or, written in the request's open save (inSave), once it commits.
    void WriteKeepSavedUploads(int indent, bool inSave);
    // After the handler's catch block, a finally block: with savesUploads the files of a record
    // not saved are removed, with endsSave a save still open is dropped; none without either.
    void WriteHandlerFinally(int indent, bool savesUploads, bool endsSave);
    // "catch (<exception> e)", "{", the save dropped with endsSave, and the message of the C#
    // expression, escaped for an XML answer; the caller writes the answer and the brace.
    void WriteCatchOpening(int indent, const char* exception, const char* message, bool endsSave,
                           bool xmlAnswer);
    // The request's save opens, in one transaction that the C# expression lockString (a
    // statement, or null for none) begins; it is committed before the answer.
    void WriteSaveBegin(int indent, const CString& lockString);
    // keepsHeldUploads: the files that the save's records hold stay once it commits.
    void WriteSaveCommit(int indent, bool keepsHeldUploads);
    // The save is dropped, as a failed statement leaves it, before the answer says so.
    void WriteSaveEnd(int indent);

    // The blocks of fillControls, one per control kind.
    void WriteTextColumnFill(const FieldRep& control, int indent);
    void WriteValueColumnFill(const FieldRep& control, int indent);
    void WriteDateColumnFill(const FieldRep& control, int indent);
    void WriteComboColumnFill(const FieldRep& control, int indent);
    void WriteEditableComboColumnFill(const FieldRep& control, int indent);
    void WriteFileColumnFill(const FieldRep& control, int indent);
    // The server controls of the Update page that only a write uses: file inputs and the buttons
    // of shown date pickers.
    std::vector<CString> WriteOnlyControls(const std::vector<FieldRep*>& controls) const;
    // For a role that only views the record: hides each of the named controls.
    void WriteWriteOnlyControlsHidden(const std::vector<CString>& names, int indent);
    void WriteCheckBoxColumnFill(const FieldRep& control, int indent);
    void WriteRadioColumnFill(const FieldRep& control, int indent);

    // extractAndAssignValuesToControls(): controls pre-filled from the query string.
    void WriteExtractAndAssignValues(int indent);
    // In Page_Load: every combo of the controls reset to one item, by default "None" with the
    // value "null".
    void WriteComboResets(const std::vector<FieldRep*>& controls, int indent,
                          const char* itemText = "None", const char* itemValue = "null");
    // In the Add page's Page_Load: every date control set to today.
    void WriteDateDefaults(const std::vector<FieldRep*>& controls, int indent);
    // A combo's value must be one that the page offers: a key of a record of its table that is
    // not deleted. Writes, at the indent (none after an "else " already written), "if (<a
    // combo's value is not offered>)", the refusal one level deeper and "else " before the line
    // that follows; only the indent when no combo of the controls takes its values from a
    // table's key.
    void WriteOfferedKeyRefusal(const std::vector<FieldRep*>& controls, int indent,
                                const CString& refusal, bool afterElse = false);
    // A delete whose key "id" is not a number, or of no stored record of the data object,
    // deletes nothing: "if (...)" and the refusal one level deeper.
    void WriteDeleteKeyRefusal(int indent);
    // m_role from the session; a request that RefusedPageUrl refuses goes where it says.
    void WriteRoleCheck(int indent);
    // The same for a page without a role of its own.
    void WriteLoginCheck(int indent);
    // refusedUrl: where RefusedPageUrl sends the request, null when the page answers.
    void WriteGuard(int indent);
    void WriteMenusMethod(int indent, const CString& pageFileName);
    // The date format asks for day first.
    bool IsDayFirst() const;
    // The page shows dates in another order than the stored month/day/year (UtilHandler's
    // ShownDate).
    bool ShowsDatesTurned() const;

private:
    // The module login page, relative to a page of the module's UI folder.
    CString LoginPageUrl() const;
    void WriteComboRecompute(const FieldRep& target, int indent, bool detailRow);
    void WriteTextRecompute(const FieldRep& target, int indent, bool detailRow);
    void WriteRequestParamAssignment(const FieldRep& control, int indent);
    void WriteColumnCondition(const FieldRep& control, int indent);
    // The lines that save the posted file, after its name is taken; a post without the page's
    // form redirects to the C# expression replyUrl, and so does a refused name unless its
    // refusal is shown here (thrown as a SaveRefusedException).
    void WriteFileSave(const FieldRep& control, int indent, const CString& replyUrl,
                       bool refusalShownHere);
    // The page's Update page file, null without one.
    const AspFile* UpdatePageFile() const;
    // The name a grid row posts the field's input under, before the row number.
    CString GridRowName(const Field& field) const;

    ForgeonProject& m_project;
    FormInterface& m_page;
    TextFile& m_out;
    CString m_dataObject;
    std::vector<const void*> m_objects;
    std::vector<CString> m_declaredNames;
};

// The control's id in the page and the name of its members: its field's name as PageControlId
// makes it; empty without field.
CString ControlName(const FieldRep& control);
// The control's field name as the column of a query's table names it, inside a C# string literal;
// empty without field.
CString ColumnName(const FieldRep& control);
// The kind the control is written as (GetWrittenControlKind); -1 without data.
int ControlKind(const FieldRep& control);
// Some control is a combo box or an editable combo box.
bool HasComboControl(const std::vector<FieldRep*>& controls);
// The control is a combo that takes its values from a table's key.
bool TakesValuesFromKey(const FieldRep& control);
// The generated test that a combo's value is not one the page offers (see
// WriteOfferedKeyRefusal), over the named locals of the controls; empty when no combo of the
// controls takes its values from a table's key.
CString OfferedKeyTest(const std::vector<FieldRep*>& controls);
// The generated test, in a page's code, that the session's role m_role may act on the page's
// records: false on a page that only a report's rows lead it to.
const char* RoleMayActTest();
