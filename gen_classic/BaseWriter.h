#pragma once

#include "gen_classic/Writer.h"

// The base of the classic form page writers: a page template read whole into memory and a
// fixed build order of the page's record, whose parts a derived writer fills.
class BaseWriter : public Writer
{
public:
    // An empty template path or noTemplate set reads no template.
    BaseWriter(const CString& folder, AspFile* file, const CString& templatePath, bool noTemplate,
               GenerationReport& report);

    // Writes the pages.
    virtual void Write() = 0;

    const CString& GetTemplateText() const { return m_templateText; }

protected:
    // A new record becomes current, then the steps fill it in this order: PageDataStepA,
    // FillListA, FillListB, PageDataStepB, PageDataStepC, PageDataStepD, PageDataStepE,
    // SetPageCaption, SetLayoutGrid, PageDataStepF, PageDataStepG, SetOwningPage.
    void BuildPageData();
    // Reads the template, each line followed by "\n" whatever its line end, and one "\n" more
    // for the end of the file. False, with the page reported as skipped, when it cannot be
    // read.
    bool LoadTemplate();

    void WriteKeyRequestRead(const FieldVariableMap& map, int indent) override;
    void WriteActionRequestRead(int indent) override;
    // As the key read; maps without field and maps of page variables are not read.
    void WriteFieldRequestRead(const FieldVariableMap& map, int indent) override;

    virtual void PageDataStepA() = 0;
    virtual void FillListA() = 0;
    virtual void FillListB() = 0;
    virtual void PageDataStepB() = 0;
    virtual void PageDataStepC() = 0;
    virtual void PageDataStepD() = 0;
    virtual void PageDataStepE() = 0;
    virtual void SetPageCaption() = 0;
    virtual void SetLayoutGrid() = 0;
    virtual void PageDataStepF() = 0;
    virtual void PageDataStepG() = 0;
    virtual void SetOwningPage() = 0;

    CString m_templateText;

private:
    bool m_noTemplate;
    CString m_templatePath;
};
