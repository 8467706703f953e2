#pragma once

#include "gen_classic/PagePrologue.h"
#include "gen_web/TemplatePageWriter.h"

#include <vector>

class AspFile;
class FieldRep;
class FormInterface;
struct FieldVariableMap;

// The base of the classic report, graph, collector and dashboard page writers: the template
// page writer with the pieces their pages share.
class ClassicPageWriter : public TemplatePageWriter
{
public:
    ClassicPageWriter(ForgeonProject* project, FormInterface* page, GenerationReport& report);

    // The Show button that runs set_query().
    void WriteShowButton(int indent);

protected:
    // Moves the collected text to the next "**Include" marker at or after the position;
    // returns the position after it.
    int InsertAtNextMarker(int position);
    // A row of the filter table of the form: the filter control rows in two columns, then the
    // row of the hidden inputs and the Show button.
    void WriteFilterBlock(AspFile* file, const std::vector<FieldRep*>& controls,
                          const CString& formName, int filterSpan, int buttonSpan, int indent);
    // The page's field-variable maps but those of shared variables, and the page's control of
    // each of their fields that has one.
    void CollectPostedFields(std::vector<FieldVariableMap*>& maps, std::vector<FieldRep*>& reads);
    // Saves the page under the name in the current module's folder when the page check passes
    // it (SaveClassicPage); a file without name or a run without current module skips the page
    // with its reason.
    void SaveInModule(const CString& fileName);
    // The prologue pieces written into the page text, their refusals kept for SaveInModule.
    PagePrologue Prologue(AspFile* file);

    FormInterface* m_owner;
    // Why values of the page under way cannot be written; the page is then not written.
    std::vector<CString> m_refusedValues;
};
