#pragma once

#include "gen_web/PageMarkupWriter.h"

#include <vector>

class AspxScriptWriter;
class FieldRep;
class Form;

// The .aspx files of a form: its Add page and its Update page, content pages of the theme's
// master page with the page's script, the link bars, the field table and the message container.
class FormMarkupWriter : public PageMarkupWriter
{
public:
    FormMarkupWriter(ForgeonProject* project, Form& form, GenerationReport& report);

    // Every ASP.NET page file of the form: kinds 1, 2 and 5 write the Add page, 3, 4 and 7 the
    // Update page, each saved under its file name in the module's "UI" folder.
    void Write();

private:
    void WriteAddPage();
    void WriteUpdatePage();

    void WritePageDirective(const char* suffix);
    // ValidateData() of the form: the user-account variant for the two account forms.
    void WriteValidation(AspxScriptWriter& script, bool update);
    // The button row.
    void WriteFieldTableEnd(int indent) override;
    // The links below the field table, the message container and the report container.
    void WritePageBottom();

    Form& m_form;
    // The form's table name, or its own name when it names its pages itself.
    CString m_baseName;
    std::vector<FieldRep*> m_controls;
};
