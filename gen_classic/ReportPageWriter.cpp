#include "gen_classic/ReportPageWriter.h"

#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "entities/Variable.h"
#include "gen_classic/ClassicText.h"
#include "gen_classic/FormControlWriter.h"
#include "gen_classic/PageLinkWriter.h"
#include "gen_classic/PagePrologue.h"
#include "gen_classic/ReportSectionWriter.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/GenerationReport.h"

namespace
{
const int dateTimeType = 5;

std::vector<FieldVariableMap*> MapsOfKinds(const ApplicationReport& page, int first, int second)
{
    std::vector<FieldVariableMap*> maps;
    for (FieldVariableMap* map : page.GetFieldVariableMaps())
        if (map->variable != nullptr &&
            (map->variable->GetKind() == first || map->variable->GetKind() == second))
            maps.push_back(map);
    return maps;
}
} // namespace

ReportPageWriter::ReportPageWriter(ForgeonProject* project, ApplicationReport* page,
                                   GenerationReport& generation)
    : ClassicPageWriter(project, page, generation), m_page(page)
{
}

void ReportPageWriter::Write(bool variant)
{
    std::vector<ReportField*> buttons;
    m_page->CollectButtonReportFields(buttons);
    // The button action page goes before the list page it returns to.
    if (!buttons.empty())
        for (AspFile* file : m_page->GetAspFiles())
            if (file->GetFileKind() == 11)
            {
                WriteButtonActionPage(file);
                SaveInModule(file->GetFileName(variant ? TRUE : FALSE));
            }
    for (AspFile* file : m_page->GetAspFiles())
        if (file->GetFileKind() == 0 || file->GetFileKind() == 12)
        {
            WriteReportPage(file, variant);
            SaveInModule(file->GetFileName(variant ? TRUE : FALSE));
        }
}

void ReportPageWriter::WriteReportPage(AspFile* file, bool variant)
{
    if (!(variant ? LoadFrameTemplate() : LoadClassicTemplate()))
        m_report.AddSkippedPage(m_page->GetFormName(), "the classic page template is missing");
    const std::vector<FieldVariableMap*> maps = MapsOfKinds(*m_page, 0, 1);
    std::vector<FieldRep*> reads;
    const auto& groups = m_page->GetReportGroups();
    for (FieldVariableMap* map : maps)
        if (FieldRep* filter =
                groups.empty() ? nullptr : groups.front()->FindFilterForField(map->field))
            reads.push_back(filter);
    WriteServerScript(file, reads, false);
    int position = InsertGeneratedText(FindIncludePosition(0));

    std::vector<FieldRep*> filters;
    for (const ReportGroup* group : groups)
        filters.insert(filters.end(), group->GetFilters().begin(), group->GetFilters().end());
    FormControlWriter(file).WriteReportScripts(m_page, m_page->GetFormName(), filters, 0,
                                               m_textFile);
    position = InsertGeneratedText(FindIncludePosition(position));

    position = WriteForm(file, position, 6, 6,
                         [this](ReportSectionWriter& section)
                         {
                             for (FieldRep* control : m_excluded)
                                 section.AddExcludedControl(control);
                             section.WriteSection(6, false);
                         });
    WriteCloseConnection(0);
    InsertGeneratedText(FindIncludePosition(position));
}

int ReportPageWriter::WriteForm(AspFile* file, int position, int formIndent, int tableCloseIndent,
                                const std::function<void(ReportSectionWriter&)>& writeSection)
{
    PageLinkWriter links;
    links.WriteLinkTable(true, *m_page, m_textFile, 1);
    m_textFile.Write(formIndent, "<FORM name = \"frm%s\" method = \"post\">\n ",
                     ScriptNamePart(m_page->GetFormName()));
    m_textFile.Write(formIndent, "<TABLE align=center border=1 cellPadding=2 cellSpacing=1 "
                                 "class=tableborder2 width=\"98%%\">\n");
    position = InsertGeneratedText(FindIncludePosition(position));
    {
        ReportSectionWriter section(file, m_page);
        writeSection(section);
        m_textFile = section.Text();
    }
    position = InsertGeneratedText(position);
    links.WriteLinkTable(false, *m_page, m_textFile, 1);
    m_textFile.Write(tableCloseIndent, "</TABLE>\n");
    m_textFile.Write(formIndent, "</FORM>\n");
    position = InsertGeneratedText(position);
    ReportSectionWriter functions(file, m_page);
    functions.WriteShowOutputFunctions();
    m_textFile = functions.Text();
    return position;
}

void ReportPageWriter::WriteServerScript(AspFile* file, const std::vector<FieldRep*>& reads,
                                         bool groupPage)
{
    const std::vector<FieldVariableMap*> maps = MapsOfKinds(*m_page, 0, 1);
    PagePrologue prologue = Prologue(file);
    m_textFile.Write(2, "<%%\n");
    prologue.WritePagePrologue({}, maps, reads, 0);
    if (groupPage)
        prologue.WriteDerivedFieldQueries();
    else
        WriteFilterExtractData(maps);
    m_textFile.Write(2, "%%>\n");
}

void ReportPageWriter::WriteGroupPage(AspFile* file)
{
    if (!LoadClassicTemplate())
        m_report.AddSkippedPage(m_page->GetFormName(), "the classic page template is missing");
    std::vector<FieldRep*> reads;
    for (FieldVariableMap* map : MapsOfKinds(*m_page, 0, 1))
        if (FieldRep* control = m_page->GetFieldRepForField(map->field))
            reads.push_back(control);
    WriteServerScript(file, reads, true);
    int position = InsertGeneratedText(FindIncludePosition(0));

    std::vector<FieldRep*> filters;
    for (const ReportGroup* group : m_page->GetReportGroups())
        filters.insert(filters.end(), group->GetFilters().begin(), group->GetFilters().end());
    if (!filters.empty())
    {
        FormControlWriter(file).WriteReportScripts(m_page, m_page->GetFormName(), filters, 0,
                                                   m_textFile);
        position = InsertGeneratedText(FindIncludePosition(position));
    }
    else
        // Without filters the script include stays empty and the form goes below it.
        position = FindIncludePosition(position);

    position =
        WriteForm(file, position, 2, 3,
                  [](ReportSectionWriter& section) { section.WriteGroupedSection(4, false); });
    position = InsertGeneratedText(position);
    WriteCloseConnection(0);
    InsertGeneratedText(FindIncludePosition(position));
    SaveInModule(file->GetFileName(FALSE));
}

// Filter values read from the request; bare values are forced numeric.
void ReportPageWriter::WriteFilterExtractData(const std::vector<FieldVariableMap*>& maps)
{
    m_textFile.Write(0, "Function ExtractData()\n");
    for (FieldVariableMap* map : maps)
    {
        FieldRep* control =
            map->field != nullptr ? m_page->GetFieldRepForField(map->field) : nullptr;
        if (control == nullptr || control->GetFieldRepData() == nullptr)
            continue;
        const bool date = map->field->GetTypeCode() == dateTimeType;
        m_textFile.Write(1, "%s = ", VbsVariableName(*map->variable));
        if (date)
            m_textFile.Write(0, "ConvertDate(");
        m_textFile.Write(0, "Trim(Request(\"%s\"))%s\n", control->GetControlId(), date ? ")" : "");
        WriteNumericGuard(m_textFile, 1, map->field, VbsVariableName(*map->variable));
    }
    m_textFile.Write(0, "End Function\n\n");
}

void ReportPageWriter::WriteButtonActionPage(AspFile* file)
{
    m_pageText.Empty();
    const std::vector<FieldVariableMap*> maps = MapsOfKinds(*m_page, 1, 1);
    PagePrologue prologue = Prologue(file);
    prologue.WriteActionPageMain(maps, {}, false, 0);
    prologue.WriteExtractDataFunction(maps, {}, {}, false, 0);
    AspFile* listFile = nullptr;
    for (AspFile* candidate : m_page->GetAspFiles())
        if (candidate->GetFileKind() == 0 && listFile == nullptr)
            listFile = candidate;
    const CString listUrl = listFile != nullptr ? PageAddress(listFile, true) : CString();
    FormControlWriter(file).WriteValidateData(maps, m_page->GetFieldReps(), listUrl, m_textFile, 0);
    m_textFile.Write(0, "Function ExecuteQuery()\n\n");
    std::vector<ReportField*> buttons;
    m_page->CollectButtonReportFields(buttons);
    for (ReportField* button : buttons)
        m_textFile.Write(
            1, "ExecuteQueryForButtonInReportFields(\"%s\", \"%s\")\n",
            VbsLiteral(ReportSectionWriter::GetButtonControlValue(*button->GetControlProperty())),
            VbsLiteral(listUrl));
    m_textFile.Write(0, "End Function\n");
    WriteErrTrap();
    InsertGeneratedText(0);
}
