#include "gen_web/TemplatePageWriter.h"

#include "entities/DerivedField.h"
#include "entities/FormInterface.h"
#include "entities/FormulaTreeNode.h"
#include "entities/Variable.h"
#include "model/FieldRep.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "platform/core/CFile.h"
#include "platform/core/HostPath.h"

#include <optional>
#include <string>
#include <vector>

TemplatePageWriter::TemplatePageWriter(ForgeonProject* project, GenerationReport& report)
    : m_project(project), m_report(report), m_textFile(/*disabled=*/false, /*flush=*/false, '=', 60)
{
}

bool TemplatePageWriter::LoadTemplate()
{
    return LoadPage(m_project->GetTemplatePath());
}

bool TemplatePageWriter::LoadFrameTemplate()
{
    CString path = m_project->GetClassicTemplatePath();
    path.Replace("Template.asp", "FrameReportTemplate.asp");
    return LoadPage(path);
}

bool TemplatePageWriter::LoadPage(const CString& path)
{
    m_pageText.Empty();
    return ReadPageTemplate(path, m_pageText);
}

bool TemplatePageWriter::LoadClassicTemplate()
{
    return LoadPage(m_project->GetClassicTemplatePath());
}

bool ReadPageTemplate(const CString& path, CString& text)
{
    const std::string hostPath = ToHostPath(path);
    if (hostPath.empty())
        return false;
    std::string reason;
    const std::optional<std::string> bytes = ReadRegularFile(hostPath, reason);
    if (!bytes)
        return false;
    std::size_t start = 0;
    while (start < bytes->size())
    {
        std::size_t end = bytes->find('\n', start);
        const std::size_t next = end == std::string::npos ? bytes->size() : end + 1;
        if (end == std::string::npos)
            end = bytes->size();
        if (end > start && (*bytes)[end - 1] == '\r')
            --end;
        text += CString(bytes->substr(start, end - start)) + "\n";
        start = next;
    }
    text += "\n";
    return true;
}

int TemplatePageWriter::FindIncludePosition(int start) const
{
    const int marker = m_pageText.Find("**Include", start);
    if (marker < 0)
        return start;
    const int lineEnd = m_pageText.Find('\n', marker);
    return lineEnd < 0 ? m_pageText.GetLength() : lineEnd + 1;
}

int TemplatePageWriter::InsertGeneratedText(int position)
{
    const CString text = m_textFile.GetBuffer();
    m_textFile.ClearBuffer();
    if (position < 0)
        position = 0;
    if (position > m_pageText.GetLength())
        position = m_pageText.GetLength();
    m_pageText.Insert(position, text);
    return position + text.GetLength();
}

CString TemplatePageWriter::PagePath(const CString& fileName, const CString& folder) const
{
    CString path = m_project->GetProjectPath();
    if (path.IsEmpty() || path[path.GetLength() - 1] != '\\')
        path += "\\";
    return path + folder + "\\" + fileName;
}

void TemplatePageWriter::ClearPage()
{
    m_pageText.Empty();
    m_textFile.ClearBuffer();
}

void TemplatePageWriter::SavePage(const CString& fileName, const CString& folder)
{
    if (folder.IsEmpty())
        return;
    SaveTextFile(PagePath(fileName, folder), m_pageText, m_report);
    ClearPage();
}

void TemplatePageWriter::WriteCloseConnection(int indent)
{
    m_textFile.Write(indent, "<%%\n");
    m_textFile.Write(indent + 1, "CloseConnection()\n");
    m_textFile.Write(indent, "%%>\n");
}

void TemplatePageWriter::WriteErrTrap()
{
    m_textFile.Write(0, "Err_Trap()\n");
    m_textFile.Write(0, "%%>\n");
}

void TemplatePageWriter::WriteDerivedFieldAssignments(FormInterface* page)
{
    for (const DerivedField* derived : page->GetDerivedFields())
    {
        const FormulaTreeNode* formula = derived->GetFormula();
        const FieldVariableMap* target = page->FindFieldVariableMapByField(derived->GetField());
        if (formula == nullptr || target == nullptr || target->variable == nullptr)
            continue;
        std::vector<FieldRep*> operands;
        formula->CollectOperands(operands);
        CString condition;
        for (const FieldRep* operand : operands)
        {
            const FieldVariableMap* map =
                operand != nullptr ? page->FindFieldVariableMapByField(operand->GetField())
                                   : nullptr;
            if (map != nullptr && map->variable != nullptr)
                condition += CString(condition.IsEmpty() ? "" : " and") + " " +
                             map->variable->GetFieldName() + " <> \"\"";
        }
        CString expression;
        formula->WriteExpression(expression, page);
        if (condition.IsEmpty())
        {
            m_textFile.Write(1, "%s = %s\n", target->variable->GetFieldName(), expression);
            continue;
        }
        m_textFile.Write(1, "if%s then\n", condition);
        m_textFile.Write(2, "%s = %s\n", target->variable->GetFieldName(), expression);
        m_textFile.Write(1, "end if\n");
        m_textFile.Write(0, "\n");
    }
}
