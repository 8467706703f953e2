#pragma once

#include "gen_web/AspxWriter.h"

#include <vector>

class AspxFile;
class FieldRep;
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
    void WriteDeclaration(const char* type, const CString& name);

    Form& m_form;
    AspxFile& m_pageFile;
    int m_pageTemplate;
};

// "protected global::System.Web.UI." followed by the type with the name in its "%s".
void WriteDesignerDeclaration(TextFile& out, const char* type, const CString& name);
// One field per control, by kind, whatever its skip flag, each with an empty line.
void WriteDesignerControlDeclarations(TextFile& out, const std::vector<FieldRep*>& controls,
                                      bool update);
