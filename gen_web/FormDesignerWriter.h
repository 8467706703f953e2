#pragma once

#include "gen_web/AspxWriter.h"

class AspxFile;
class Form;

// "<page>Add.aspx.designer.cs" and "<page>Update.aspx.designer.cs": the fields of the server
// controls that the form's markup declares, in the page class's other part.
class FormDesignerWriter : public AspxWriter
{
public:
    FormDesignerWriter(ForgeonProject* project, Form& form, AspxFile& pageFile,
                       GenerationReport& report);

    // Writes the designer file of the page class into the folder.
    void Write(const CString& pageClass, const CString& folder);

private:
    void WriteDeclarations();
    // One field per control, by kind, whatever its skip flag.
    void WriteControlDeclarations(bool update);
    void WriteDeclaration(const char* type, const CString& name);

    Form& m_form;
    AspxFile& m_pageFile;
    int m_pageTemplate;
};
