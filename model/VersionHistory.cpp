#include "model/VersionHistory.h"

#include <iterator>
#include <utility>

namespace
{
struct VersionRow
{
    int number;
    const char* note;
};

// Numbers 24, 37 and 39 were never used.
constexpr VersionRow kVersionTable[] = {
    {1, "22Oct05"},
    {2, "25Oct05"},
    {3, "28Oct05"},
    {4, "31Oct05"},
    {5, "03Nov05"},
    {6, "07Nov05"},
    {7, "10Nov05"},
    {8, "14Nov05"},
    {9, "17Nov05"},
    {10, "21Nov05"},
    {11, "24Nov05"},
    {12, "28Nov05"},
    {13, "01Dec05"},
    {14, "01Dec05"},
    {15, "05Dec05"},
    {16, "08Dec05"},
    {17, "12Dec05"},
    {18, "15Dec05"},
    {19, "19Dec05"},
    {20, "22Dec05"},
    {21, "02Jan06"},
    {22, "05Jan06"},
    {23, "09Jan06"},
    {25, "12Jan06"},
    {26, "12Jan06"},
    {27, "16Jan06"},
    {28, "23Jan06"},
    {29, "23Jan06"},
    {30, "10Feb06"},
    {31, "13Feb2006 Multipage Report is added"},
    {32, "16Feb2006 ReportCollector and ReportGroup modified"},
    {33, "19Feb2006 GraphData is added"},
    {34, "21Feb2006 ASpFile Name removed"},
    {35, "24Feb2006 Procedure field added in Report Field Property"},
    {36, "01March2006 Derived Procedures"},
    {38, "07March2006 Derived Procedures"},
    {40, "13March2006 Link added to field reps"},
    {41, "17March2006 Alias fields saved"},
    {42, "20March2006 Ignored warnings saved"},
    {43, "19April2006 PostGre writing added"},
    {44, "12May2006 Procedure class modified"},
    {45, "10July2006 Form interface modified for the procedures"},
    {46, "24August2006 Control properties assigned to Report field."},
    {47, "05October2006 Relations in Procedure re-added."},
    {48, "16October2006 Validation data added in field reps."},
    {49, "31October2006 Headers according to tables in transaction added."},
    {50, "2November2006 FieldRepData has a array of Link"},
    {51, "20November2006 Event Handeling of the controls of FieldReps"},
    {52, "27November2006 Update and Remove Link for Report"},
    {53, "1December2006"},
    {54, "08Jan2007 ValidateData to FieldRep."},
    {55, "15Jan2007 ConditionalTransaction."},
    {56, "15Jan2007 Validation of RefField."},
    {57, "15Jan2007 Adding Relation to ConditionalTransaction."},
    {58, "16March2007 Adding all table Fields as FieldReps with hidden control."},
    {59, "04April2007 Adding subHeader to reports."},
    {60, "08June2007 Adding image to reportfield & NONE caption for fieldrep."},
    {61, "12June2007 NONE/SELECT ALL for combo in fieldrep."},
    {62, "26June2007 Adding Editable text/combobox! and mapping Ref"},
    {63, "02July2007 Additional report without links on it"},
    {64, "09August2007 Create Other Transaction Form"},
    {65, "17August2007 Money Type for Report fields"},
    {66, "2Nov2007 DotNet Version"},
    {67, "29Nov2007 Recompute Version"},
    {68, "07Dec2007 FunctionType"},
    {69, "04March2008 SingleRecordReportAdded"},
    {70, "11March2008 FormType is added in Form"},
    {71, "12March2008 Copy form is added in FormInterface"},
    {72, "14March2008 fileHeader is added in ASPFile"},
    {73, "18March2008 Alias Fields are added in Function"},
    {74, "RDLC Report added"},
    {75, "11April2008 ReportHeader added in Application Reports"},
    {76, "16April2008 Project Settings added in ForgeonProject"},
    {77, "17April2008 Project Settings implementaed"},
    {78, "22April2008 Assign Function implemented in DashBoard"},
    {79, "30April2008 ClassInvokation added in ApplicationReport and DashBoardPageData"},
    {80, "27May2008 Projectsettins modified for Template and Authentication"},
    {81, "4June2008 Header added in DashBoard"},
    {82, "1July2008 ReportType added in RDLCReport"},
    {83, "23July2008 LayoutSettings added in FormInterface"},
    {84, "5August2008 TableFrontField added in Field"},
    {85, "6Sept2008 ProjectSettings modified"},
    {86, "30Sept2008 ProjectSettings modified"},
    {87, "17Oct2008 ProjectSettings modified"},
};

static_assert(std::size(kVersionTable) == 84);

std::vector<VersionEntry> FullTable()
{
    std::vector<VersionEntry> entries;
    entries.reserve(std::size(kVersionTable));
    for (const VersionRow& row : kVersionTable)
        entries.emplace_back(row.number, row.note);
    return entries;
}
} // namespace

VersionEntry::VersionEntry(int number, const char* note) : number(number), note(note) {}

VersionHistory::VersionHistory() : VersionHistory(FullTable()) {}

VersionHistory::VersionHistory(std::vector<VersionEntry> entries) : m_entries(std::move(entries)) {}

int VersionHistory::GetCurrentVersion() const
{
    return m_entries.empty() ? -1 : m_entries.back().number;
}

VersionHistory& TheVersionHistory()
{
    static VersionHistory history;
    return history;
}
