#include "gen_classic/ReportCollectorWriter.h"

#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/ReportCollector.h"
#include "entities/Variable.h"
#include "gen_classic/ClassicText.h"
#include "gen_classic/FormControlWriter.h"
#include "gen_classic/PagePrologue.h"
#include "gen_classic/ReportPageWriter.h"
#include "model/FieldRep.h"
#include "model/GenerationReport.h"

#include <algorithm>

namespace
{
const int printFileKind = 10;
} // namespace

ReportCollectorWriter::ReportCollectorWriter(ForgeonProject* project, ReportCollector* collector,
                                             GenerationReport& generation)
    : ClassicPageWriter(project, collector, generation), m_collector(collector)
{
}

void ReportCollectorWriter::Write()
{
    for (AspFile* file : m_collector->GetAspFiles())
    {
        if (file->GetFileKind() == 0)
        {
            WriteFramePage(file);
            SaveInModule(file->GetFileName(FALSE));
        }
        else if (file->GetFileKind() == printFileKind)
            WritePrintPages(*file);
    }
}

void ReportCollectorWriter::WritePrintPages(const AspFile& file)
{
    auto* report = dynamic_cast<ApplicationReport*>(file.GetOwnerPage());
    if (report == nullptr)
        return;
    ReportPageWriter pages(m_project, report, m_report);
    for (int index = 0; index < static_cast<int>(m_collector->GetFieldReps().size()); ++index)
        if (FieldRep* control = m_collector->GetFieldRep(index))
            pages.AddExcludedControl(control);
    pages.Write(true);
}

void ReportCollectorWriter::WriteFramePage(AspFile* file)
{
    if (!LoadClassicTemplate())
        m_report.AddSkippedPage(m_collector->GetFormName(), "the classic page template is missing");
    std::vector<FieldVariableMap*> maps;
    std::vector<FieldRep*> reads;
    CollectPostedFields(maps, reads);
    m_textFile.Write(2, "<%%\n");
    Prologue(file).WritePagePrologue({}, maps, reads, 0);
    m_textFile.Write(2, "%%>\n");
    int position = InsertAtNextMarker(0);

    FormControlWriter controls(file);
    controls.WriteCollectorScripts(m_collector, m_textFile);
    position = InsertAtNextMarker(position);

    const CString formName = "frm" + ScriptNamePart(m_collector->GetFormName());
    controls.WriteFormOpen(formName, m_textFile, m_collector->GetFormName(), 6, "strInfo");
    // A collector without a positive column count lays its frames out in one column.
    const int columns = std::max(1, m_collector->GetNumColumns());
    WriteFilterBlock(file, m_collector->GetFieldReps(), formName, columns, 2 * columns, 7);
    WriteFrames(columns);
    controls.WriteFormClose(m_textFile, 7, true);
    InsertAtNextMarker(position);
}

void ReportCollectorWriter::WriteFrames(int columns)
{
    const auto& entries = m_collector->GetEntries();
    const std::size_t rows = (entries.size() + columns - 1) / columns;
    for (std::size_t row = 0; row < rows; ++row)
    {
        m_textFile.Write(7, "<TR>\n");
        for (std::size_t index = row * columns; index < (row + 1) * columns; ++index)
        {
            if (index >= entries.size())
            {
                for (int cell = 0; cell < 2; ++cell)
                    m_textFile.Write(8, "<TD bgColor = <%%=glb_bgControl%%> class = pagetext1 "
                                        "width = \"25%%\"> &nbsp </TD>\n");
                continue;
            }
            const ReportCollectorEntry& entry = entries[index];
            m_textFile.Write(8, "<TD bgColor = <%%=glb_bgBlank%%> align = center valign = top>\n");
            m_textFile.Write(9, "<IFRAME src = ");
            WriteFrameAddress(entry.m_report);
            m_textFile.Write(0, " width = %d height = %d></IFRAME>\n", entry.m_width,
                             entry.m_height);
            m_textFile.Write(8, "</TD>\n");
        }
        m_textFile.Write(7, "</TR>\n");
    }
}

// Each value goes to the report's own variable of the filter's field, encoded for the address.
void ReportCollectorWriter::WriteFrameAddress(const ApplicationReport* report)
{
    const AspFile* file = m_collector->FindAspFileForReport(report);
    // An empty address keeps the frame blank instead of taking the next attribute for one.
    if (file == nullptr)
    {
        m_textFile.Write(0, "\"\" ");
        return;
    }
    m_textFile.Write(0, "\"%s", PageAddress(file, true, true));
    const char* separator = "?";
    for (const FieldVariableMap* map : m_collector->GetFieldVariableMaps())
    {
        const FieldVariableMap* own =
            map->variable != nullptr ? report->FindFieldVariableMapByField(map->field) : nullptr;
        if (own == nullptr || own->variable == nullptr)
            continue;
        m_textFile.Write(0, "%s%s=<%%= %s %%>", separator, VbsVariableName(*own->variable),
                         UrlEncoded(VbsVariableName(*map->variable)));
        separator = "&";
    }
    m_textFile.Write(0, "\" ");
}
