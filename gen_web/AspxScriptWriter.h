#pragma once

#include "platform/core/CString.h"

#include <vector>

class AspFile;
class EventRecmpFields;
class FieldRep;
class ForgeonProject;
class TextFile;

// The client functions in the script block of a generated data-entry page: ValidateData(),
// HandleAction(formAction, recomputeParentControlName), which posts the form to the page itself
// and handles the XML answer, and resetAllControls(). The controls given are each bound to a
// field and have data.
class AspxScriptWriter
{
public:
    AspxScriptWriter(AspFile& pageFile, ForgeonProject& project, TextFile& out);
    virtual ~AspxScriptWriter() = default;

    // The checks of the mandatory editable controls before a save.
    void WriteValidateData(const std::vector<FieldRep*>& controls, int indent);
    // The head of ValidateData() and its checks, without its end.
    void WriteValidateDataChecks(const std::vector<FieldRep*>& controls, int indent);
    // ValidateData() of the user-account forms ("useraccount_form", "ChangePassword_form").
    void WriteAccountValidateDataAdd(const std::vector<FieldRep*>& controls, int indent);
    void WriteAccountValidateDataUpdate(const std::vector<FieldRep*>& controls, int indent);
    // HandleAction of a form's Add page, its Update page, and a report page (action 'SHOW').
    void WriteAddHandleAction(const std::vector<FieldRep*>& controls, int indent);
    void WriteUpdateHandleAction(const std::vector<FieldRep*>& controls, int indent);
    void WriteHandleAction(const std::vector<FieldRep*>& controls, int indent);
    // Clears the form after a save; a page with an upload reloads itself instead.
    void WriteResetAllControls(const std::vector<FieldRep*>& controls, int indent);
    // Returns from the calling function unless the user confirms the message.
    void WriteConfirm(int indent, const char* message);

protected:
    void WriteHandleActionHead(int indent);
    // The validation of a save action and, when asked, its confirmation.
    void WriteSaveBlock(const char* action, const char* message, bool confirm, int indent);
    // The post of the action to the page and the handling of the XML answer.
    void WriteRequest(const std::vector<FieldRep*>& controls, int indent);
    // A save or delete of a page with an upload posts the whole form.
    void WriteFileUploadSubmit(int indent);
    // The page holds an upload, which no script can clear: resetAllControls reloads the page.
    bool ResetReloadsPage() const;
    // One block per control with event lists, run when the answer to its recompute comes.
    virtual void WriteRecomputeReplies(const std::vector<FieldRep*>& controls, int indent);

    // What a page does with the answer to a save.
    virtual void WriteSaveAnswer(int indent);
    // The page file is the Update page.
    virtual bool IsUpdatePage() const;
    // The controls an event list recomputes, whose answers the page shows.
    virtual std::vector<FieldRep*> RecomputeTargets(const EventRecmpFields& list) const;
    // A recompute target the page cannot fill itself; the block of its event then lets the
    // server draw the page again (WriteGridReset).
    virtual bool IsGridTarget(const FieldRep& /*target*/) const { return false; }
    virtual void WriteGridReset(int /*indent*/) {}
    // The element that shows a report answer.
    virtual CString ReportDivName() const;

    // The page's own file name, the Add page of its form or master-detail page, the date
    // format in lower case, each escaped for a JavaScript string.
    CString PageFileName() const;
    CString AddPageName() const;
    CString DateFormat() const;
    // The key of the record that the page's form or master-detail page saves, empty without one.
    CString RecordKeyName() const;
    // The checks that an input has text and that it holds a number of the column type (a whole
    // number within its range for int and bigint): element is the input's script expression,
    // rowText an expression added to the message (empty, or the grid row).
    void WriteInputStringCheck(const CString& element, const CString& caption,
                               const CString& rowText, int indent);
    void WriteInputNumericCheck(const CString& element, const CString& name, int typeCode,
                                const CString& rowText, int indent);
    // False only when the page file makes the control's field invisible.
    bool IsControlVisible(const FieldRep& control) const;
    CString VisibilityOf(const FieldRep& control) const;

    AspFile& m_pageFile;
    ForgeonProject& m_project;
    TextFile& m_out;

private:
    void WriteCancelBlock(int indent);
    void WriteRecomputeReply(FieldRep& parent, FieldRep& target, int indent);
    void WriteResetLine(FieldRep& control, int indent);
    void WriteAccountValidateData(const std::vector<FieldRep*>& controls, int indent, bool update);

    void WriteStringCheck(const FieldRep& control, int indent);
    void WriteNumericCheck(const FieldRep& control, int typeCode, int indent);
    void WriteDateCheck(const FieldRep& control, int indent);
    // The check that a list has a choice: part "" and "null" for a combo box, "_editable" and
    // "None" for an editable combo box.
    void WriteSelectCheck(const FieldRep& control, int indent, const char* part,
                          const char* noChoice);

    static bool HasFileUploadControl(const std::vector<FieldRep*>& controls);
    bool IsPopUpForm() const;
    bool IsChangePasswordForm() const;
};
