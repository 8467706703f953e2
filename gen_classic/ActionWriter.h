#pragma once

#include "gen_classic/Writer.h"

// Writes a classic action page: the server script a form posts to. It reads the posted
// values, validates them, runs the statement a subclass builds and redirects.
class ActionWriter : public Writer
{
public:
    ActionWriter(const CString& folder, AspFile* file, GenerationReport& report);

    // Writes the whole page and saves it.
    void WritePage();

protected:
    void WriteKeyRequestRead(const FieldVariableMap& map, int indent) override;
    void WriteActionRequestRead(int indent) override;
    void WriteFieldRequestRead(const FieldVariableMap& map, int indent) override;
    bool ValidatesNumber(const Field* field) override;

    virtual void WriteExecuteQuery(int indent);
    // The form page the validation sends the user back to.
    virtual CString GetErrorRedirectPage();
    virtual bool IsSpecialField(Field* field);
    // The value goes back to the form in the redirect string; every value by default.
    virtual bool IsPassedBack(const FieldVariableMap& map);
    virtual void WriteAfterExecute(int indent);
    virtual void GetRedirectQueryPrefix(CString& prefix);

    virtual void WriteValidateCall(int indent) = 0;
    virtual void WriteDimLines(int indent) = 0;
    virtual void WriteBuildQuery(int indent) = 0;
    virtual void WriteAfterKeyRead(int indent) = 0;
    virtual bool IsRedirectStringContinued(int part) = 0;
    virtual void WriteBeforeRedirect(int indent) = 0;
    virtual void WriteAfterQuery(int indent) = 0;

private:
    // redirString: name=value pairs of the read values joined by "&".
    void WriteRedirectString();
    // Refuses an empty (or, for a list, "0") value and a value that is not a number or a date
    // where the field's type asks for one.
    void WriteValidationBlock(const FieldVariableMap& map, int indent);
    void WriteValidationMessage(const CString& message, int indent);
    // The field is not skipped and has a control of the kind the validation checks.
    bool IsValidated(Field* field);
};
