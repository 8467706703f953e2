#include "gen_classic/ClassicFormPageWriter.h"

#include "entities/AspFile.h"
#include "entities/FormInterface.h"
#include "entities/Variable.h"
#include "gen_classic/ClassicText.h"
#include "gen_classic/ReportSectionWriter.h"
#include "model/GenerationReport.h"

#include <algorithm>

ClassicFormPageWriter::ClassicFormPageWriter(ForgeonProject* project, GenerationReport& report,
                                             FormInterface& page)
    : ClassicPageWriter(project, &page, report)
{
}

void ClassicFormPageWriter::LoadPageTemplate()
{
    if (!LoadClassicTemplate())
        m_report.AddSkippedPage(m_owner->GetFormName(), "the classic page template is missing");
}

CString ClassicFormPageWriter::RelativeUrlOfKind(int fileKind) const
{
    const AspFile* file = m_owner->FindAspFileByType(fileKind);
    return file != nullptr ? ClassicAddress(file, true) : CString();
}

int ClassicFormPageWriter::InsertListSection(ApplicationReport* report, int indent, int position)
{
    ReportSectionWriter section(m_file, report);
    section.WriteSection(indent, true);
    m_textFile = section.Text();
    return InsertGeneratedText(position);
}

void ClassicFormPageWriter::CollectShowOutputFunctions(ApplicationReport* report)
{
    ReportSectionWriter functions(m_file, report);
    functions.WriteShowOutputFunctions();
    m_textFile = functions.Text();
}

void ClassicFormPageWriter::WriteButtonCellOpen(int indent, int span)
{
    m_hiddenNames.clear();
    m_textFile.Write(indent + 1, "<TR>\n");
    m_textFile.Write(indent + 2,
                     "<TD colspan = %d align=right bgColor=<%%=glb_bgBlank%%> width = \"25%%\">\n",
                     span);
}

void ClassicFormPageWriter::WriteButtonCellClose(int indent)
{
    m_textFile.Write(indent + 2, "</TD>\n");
    m_textFile.Write(indent + 1, "</TR>\n");
}

CString ClassicFormPageWriter::VariableName(const FieldVariableMap* map)
{
    return map != nullptr && map->variable != nullptr ? VbsVariableName(*map->variable) : CString();
}

void ClassicFormPageWriter::WriteHiddenValue(int indent, const CString& variable)
{
    if (variable.IsEmpty() ||
        std::any_of(m_hiddenNames.begin(), m_hiddenNames.end(),
                    [&variable](const CString& name) { return name.CompareNoCase(variable) == 0; }))
        return;
    m_hiddenNames.push_back(variable);
    m_textFile.Write(indent, "<INPUT type = \"hidden\" name = %s value = \"<%%=%s%%>\">\n",
                     variable, HtmlEncoded(variable));
}

void ClassicFormPageWriter::WriteExecuteQueryStart()
{
    m_textFile.Write(0, "Function ExecuteQuery()\n\n");
    m_textFile.Write(1, "set rsQry = server.CreateObject(\"ADODB.RecordSet\")\n\n");
}
