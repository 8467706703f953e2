#include "gen_classic/ClassicPageWriter.h"

#include "entities/FormInterface.h"
#include "entities/Variable.h"
#include "gen_classic/ClassicText.h"
#include "gen_classic/FormControlWriter.h"
#include "gen_classic/PageCheck.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/Module.h"

ClassicPageWriter::ClassicPageWriter(ForgeonProject* project, FormInterface* page,
                                     GenerationReport& report)
    : TemplatePageWriter(project, report), m_owner(page)
{
}

void ClassicPageWriter::WriteShowButton(int indent)
{
    WriteShowButtonLine(m_textFile, indent);
}

int ClassicPageWriter::InsertAtNextMarker(int position)
{
    return InsertGeneratedText(FindIncludePosition(position));
}

void ClassicPageWriter::WriteFilterBlock(AspFile* file, const std::vector<FieldRep*>& controls,
                                         const CString& formName, int filterSpan, int buttonSpan,
                                         int indent)
{
    m_textFile.Write(indent, "<TR>\n");
    m_textFile.Write(indent + 1,
                     "<TD align = center bgColor = <%%=glb_bgBlank%%> class = heading colspan = "
                     "%d>\n",
                     filterSpan);
    m_textFile.Write(indent + 2, "<TABLE align=center border=0 cellPadding=2 cellSpacing=1 "
                                 "class=tableborder2 width=\"100%%\">\n");
    FormControlWriter(file).WriteFieldGrid(controls, 2, formName, m_textFile, indent + 2);
    m_textFile.Write(indent + 3, "<TR>\n");
    m_textFile.Write(indent + 4,
                     "<TD colspan = %d align=right bgColor=<%%=glb_bgBlank%%> width = \"25%%\">\n",
                     buttonSpan);
    WriteHiddenActionInputs(m_textFile, indent + 5, *m_owner);
    WriteShowButton(indent + 5);
    m_textFile.Write(indent + 4, "</TD>\n");
    m_textFile.Write(indent + 3, "</TR>\n");
    m_textFile.Write(indent + 2, "</TABLE>\n");
    m_textFile.Write(indent + 1, "</TD>\n");
    m_textFile.Write(indent, "</TR>\n");
}

void ClassicPageWriter::CollectPostedFields(std::vector<FieldVariableMap*>& maps,
                                            std::vector<FieldRep*>& reads)
{
    for (FieldVariableMap* map : m_owner->GetFieldVariableMaps())
    {
        if (map->variable == nullptr || map->variable->GetKind() == Variable::sharedKind)
            continue;
        maps.push_back(map);
        if (FieldRep* control = m_owner->GetFieldRepForField(map->field))
            reads.push_back(control);
    }
}

void ClassicPageWriter::SaveInModule(const CString& fileName)
{
    Module* module = m_project->GetCurrentModule();
    if (fileName.IsEmpty() || module == nullptr)
    {
        m_report.AddSkippedPage(m_owner->GetFormName(),
                                "the page file has no file name or there is no current module");
        ClearPage();
        m_refusedValues.clear();
        return;
    }
    if (const CString refusal = RefusePagePath(module->GetName(), fileName); !refusal.IsEmpty())
        m_refusedValues.push_back(refusal);
    SaveClassicPage(PagePath(fileName, module->GetName()), m_pageText, m_report, m_refusedValues);
    ClearPage();
    m_refusedValues.clear();
}

PagePrologue ClassicPageWriter::Prologue(AspFile* file)
{
    return PagePrologue(file, m_textFile, m_refusedValues);
}
