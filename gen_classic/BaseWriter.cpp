#include "gen_classic/BaseWriter.h"

#include "entities/AspFile.h"
#include "entities/FormInterface.h"
#include "entities/Variable.h"
#include "gen_classic/PageWriteInfo.h"
#include "gen_web/TemplatePageWriter.h"
#include "model/GenerationReport.h"

BaseWriter::BaseWriter(const CString& folder, AspFile* file, const CString& templatePath,
                       bool noTemplate, GenerationReport& report)
    : Writer(folder, file, report), m_noTemplate(noTemplate), m_templatePath(templatePath)
{
}

void BaseWriter::BuildPageData()
{
    AddPageWriteInfo(new PageWriteInfo);
    PageDataStepA();
    FillListA();
    FillListB();
    PageDataStepB();
    PageDataStepC();
    PageDataStepD();
    PageDataStepE();
    SetPageCaption();
    SetLayoutGrid();
    PageDataStepF();
    PageDataStepG();
    SetOwningPage();
}

bool BaseWriter::LoadTemplate()
{
    if (m_templatePath.IsEmpty() || m_noTemplate)
        return true;
    if (ReadPageTemplate(m_templatePath, m_templateText))
        return true;
    const CString page = m_file != nullptr ? m_file->GetClassicFileName(FALSE) : CString();
    m_report.AddSkippedPage(page, "the template " + m_templatePath + " cannot be read");
    return false;
}

void BaseWriter::WriteKeyRequestRead(const FieldVariableMap& map, int indent)
{
    if (map.field != nullptr && (FindFieldRep(map.field) == nullptr || IsSkippedField(map.field)))
        return;
    WriteRequestAssignment(map, CString(), indent);
}

void BaseWriter::WriteActionRequestRead(int) {}

void BaseWriter::WriteFieldRequestRead(const FieldVariableMap& map, int indent)
{
    if (map.field == nullptr || map.variable->GetKind() == Variable::pageKind)
        return;
    WriteKeyRequestRead(map, indent);
}
