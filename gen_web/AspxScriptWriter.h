#pragma once

#include "platform/core/CString.h"

#include <vector>

class AspFile;
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

    // The checks of the mandatory editable controls before a save.
    void WriteValidateData(const std::vector<FieldRep*>& controls, int indent);
    // ValidateData() of the user-account forms; changePassword for "ChangePassword_form".
    void WriteAccountValidateDataAdd(const std::vector<FieldRep*>& controls, int indent,
                                     bool changePassword);
    void WriteAccountValidateDataUpdate(const std::vector<FieldRep*>& controls, int indent,
                                        bool changePassword);
    // HandleAction of a form's Add page, its Update page, and a report page (action 'SHOW').
    void WriteAddHandleAction(const std::vector<FieldRep*>& controls, int indent);
    void WriteUpdateHandleAction(const std::vector<FieldRep*>& controls, int indent);
    void WriteHandleAction(const std::vector<FieldRep*>& controls, int indent);
    // Clears the form after a save; a page with an upload reloads itself instead.
    void WriteResetAllControls(const std::vector<FieldRep*>& controls, int indent);
    // Returns from the calling function unless the user confirms the message.
    void WriteConfirm(int indent, const char* message);

private:
    void WriteHandleActionHead(int indent);
    // The validation of a save action and, when asked, its confirmation.
    void WriteSaveBlock(const char* action, const char* message, bool confirm, int indent);
    void WriteCancelBlock(int indent);
    void WriteRequest(const std::vector<FieldRep*>& controls, int indent);
    void WriteSaveAnswer(int indent);
    void WriteRecomputeReplies(const std::vector<FieldRep*>& controls, int indent);
    void WriteRecomputeReply(FieldRep& parent, FieldRep& target, int indent);
    void WriteFileUploadSubmit(int indent);
    void WriteResetLine(FieldRep& control, int indent);
    void WriteAccountValidateData(const std::vector<FieldRep*>& controls, int indent,
                                  bool changePassword, bool update);

    void WriteStringCheck(const FieldRep& control, int indent);
    void WriteNumericCheck(const FieldRep& control, int indent);
    void WriteDateCheck(const FieldRep& control, int indent);
    // The check that a list has a choice: part "" and "null" for a combo box, "_editable" and
    // "None" for an editable combo box.
    void WriteSelectCheck(const FieldRep& control, int indent, const char* part,
                          const char* noChoice);

    static bool HasFileUploadControl(const std::vector<FieldRep*>& controls);
    // False only when the page file makes the control's field invisible.
    bool IsControlVisible(const FieldRep& control) const;
    CString VisibilityOf(const FieldRep& control) const;
    // The page's own file name, its form's Add page, the date format in lower case, each
    // escaped for a JavaScript string.
    CString PageFileName() const;
    CString AddPageName() const;
    CString DateFormat() const;
    bool IsPopUpForm() const;
    bool IsChangePasswordForm() const;

    AspFile& m_pageFile;
    ForgeonProject& m_project;
    TextFile& m_out;
};
