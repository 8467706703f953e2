#pragma once

#include "gen_web/AspxWriter.h"
#include "gen_web/CodeBehindFragments.h"

#include <vector>

class AspxFile;
class FieldRep;
class Form;

// "<page>Add.aspx.cs" and "<page>Update.aspx.cs" of a data-entry form, each followed by its
// designer file: the page class that fills the controls on a first request and answers the
// page's ADD, UPDATE, DELETE and RECOMPUTE requests. A form without a keyed table is listed as
// skipped.
class FormCodeBehindWriter : public AspxWriter
{
public:
    FormCodeBehindWriter(ForgeonProject* project, Form& form, GenerationReport& report);

    void Write();

private:
    void WriteAddPage();
    void WriteUpdatePage();

    void WriteClassHead();
    void WriteMembers();
    void WritePreInit(int indent);
    void WriteAddPageLoad(int indent);
    void WriteUpdatePageLoad(int indent);
    // The record key from the query string, checked as a number; the account page's own from
    // the session.
    void WriteKeyParameter(int indent);
    void WriteValueMembers(int indent);

    void WriteHandleAdd(int indent);
    void WriteHandleUpdate(int indent);
    void WriteHandleDelete(int indent);
    // "void name()" with the opening of its try block.
    void WriteHandlerHead(int indent, const char* name);
    // The Pre hook, the action and the Post hook of the data object, with the message of each
    // outcome.
    void WriteDataObjectCall(int indent, const char* action, const char* done);
    // The same, refused with a message when the confirmed password differs from
    // "confirm_password"; without a confirmed password the plain call.
    void WriteConfirmedDataObjectCall(int indent, const char* action, const char* done,
                                      const CString& confirmed);
    // The posted values and the "values" array handed to the data object.
    void WriteValues(int indent, bool update);
    // A control's value: read from the post by the page's rule (UtilHandler.ReadPosted), or the
    // stored one where the page keeps it.
    void WriteValueLine(const FieldRep& control, int indent, bool update);
    // The stored value of the control's column in the record "dtRecord" into its local.
    void WriteStoredValue(const FieldRep& control, int indent, bool declared);
    // The record key of a save or delete request.
    void WritePasswordChange(int indent);
    void WriteRequestKey(int indent, bool fromHiddenField);
    // The handler's result: a redirect to ReplyPage on an upload page, else the XML answer.
    void WriteActionReply(int indent, bool upload);
    // The result of an upload page's save: a saved one (savedMessage) is answered as any, a
    // refused one shown on its page with the values as posted (showRefusedUpdate).
    void WriteUploadReply(int indent, const char* savedMessage);
    // savesUploads: the handler saves uploaded files, removed when its record is not saved.
    // endsSave: the handler opened the request's save, which the catch and finally blocks drop.
    // showsRefusal: the refusals are shown on the record's page. readsValues: the handler reads
    // posted values, whose refusal (a SaveRefusedException, as of the file check) it answers.
    void WriteCatch(int indent, bool upload, bool savesUploads, bool endsSave, bool showsRefusal,
                    bool readsValues);
    void WriteRefusalCatch(int indent, const char* exception, const char* message, bool endsSave,
                           bool upload, bool showsRefusal);
    void WriteHandleRecompute(int indent);
    void WriteRecomputeMethods(int indent);
    // The shared fill methods, the report methods, WriteMenus, ManageLinkVisibility and the
    // closing braces.
    void WriteClassTail();
    void WriteReportMethods();
    void Save(const char* suffix);

    // Controls with event lists, the skip flag not looked at.
    std::vector<FieldRep*> RecomputingControls() const;
    bool IsUploadPage() const;
    // The Add page makes accounts: the form of the accounts' table, with a password.
    bool AddsAccounts() const;
    // The page saves records of the account table, whose saves run in a save that locks it.
    bool SavesAccounts() const;
    void WriteAccountSaveBegin(int indent);
    bool IsAccountPage() const;
    // A password control of the form's table, which an Update page keeps when left empty.
    bool IsStoredPassword(const FieldRep& control) const;
    bool HasStoredPassword() const;
    // Some control of the page keeps its stored value when an update's post leaves it out, or
    // the page posts none.
    bool KeepsAnyStoredValue() const;
    // The name when the page shows it and "confirm_password", which must repeat it; else empty.
    CString ConfirmedPassword(const char* name) const;
    // Where an upload page's answer goes: the Add page, or the password page itself, which is
    // the one page of its form that every role opens.
    CString ReplyPage() const;
    CString PageClass(const char* suffix) const;

    Form& m_form;
    AspxFile* m_pageFile = nullptr;
    CString m_dataObject;
    CString m_dataClass;
    CString m_key;
    // The key's control id and member name.
    CString m_keyId;
    CString m_pageBaseName;
    CodeBehindFragments m_fragments;
};
