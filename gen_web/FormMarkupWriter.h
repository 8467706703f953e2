#pragma once

#include "gen_web/AspxWriter.h"

#include <vector>

class AspFile;
class AspxScriptWriter;
class FieldRep;
class Form;

// The .aspx files of a form: its Add page and its Update page, content pages of the theme's
// master page with the page's script, the link bars, the field table and the message container.
class FormMarkupWriter : public AspxWriter
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
    void WriteScriptOpening();
    // ValidateData() of the form: the user-account variant for the two account forms.
    void WriteValidation(AspxScriptWriter& script, bool update);
    void WriteScriptClosing();
    // Account links, top menu, heading and the links above the field table.
    void WritePageTop();
    void WriteHeading();
    // The hidden field that carries the record key of an Update page.
    void WriteKeyField();
    void WriteFieldTable();
    void WriteButtonRow(int indent);
    // The links below the field table, the message container and the report container.
    void WritePageBottom();

    Form& m_form;
    AspFile* m_pageFile = nullptr;
    // The form's table name, or its own name when it names its pages itself.
    CString m_baseName;
    std::vector<FieldRep*> m_controls;
};
