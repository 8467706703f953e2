#pragma once

#include "entities/FormInterface.h"
#include "model/TableDataInterface.h"

#include <initializer_list>
#include <vector>

class ApplicationReport;
class ForgeonProject;
struct DependencyRecord;

// A variable of a linked report paired with the page variable it is filled from; neither
// variable is owned by the record.
struct ReportVariableMap
{
    Variable* reportVariable = nullptr;
    Variable* pageVariable = nullptr;
};

// The data-entry page (master form) of one table, optionally linked to a report whose
// variables it maps to its own.
class Form : public TableDataInterface, public FormInterface
{
    DECLARE_SERIAL(Form)

public:
    Form();
    // A copy in the source's module: a new id, the header, option flag, report, display type
    // and table of the source, the page part copied; the report-variable maps are not copied.
    Form(const Form& source);
    Form& operator=(const Form&) = delete;
    ~Form() override;

    void Serialize(CArchive& ar) override;

    int GetId() const { return m_id; }
    const CString& GetHeader() const { return m_header; }
    void SetHeader(const CString& header) { m_header = header; }
    bool GetOptionFlag() const { return m_optionFlag; }
    void SetOptionFlag(bool optionFlag) { m_optionFlag = optionFlag; }
    ApplicationReport* GetReport() const { return m_report; }
    void SetReport(ApplicationReport* report) { m_report = report; }
    // Sets the report and returns the open project.
    ForgeonProject* SetReportAndGetProject(ApplicationReport* report);
    // Clears the report link, deletes the report-variable maps and drops the table-flags record
    // of the form's table.
    void RemoveReport();
    int GetDisplayType() const { return m_displayType; }
    void SetDisplayType(int displayType) { m_displayType = displayType; }

    // May hold null entries.
    const std::vector<ReportVariableMap*>& GetReportVariableMaps() const
    {
        return m_reportVariableMaps;
    }
    // The form takes ownership; null is allowed.
    void AddReportVariableMap(ReportVariableMap* map) { m_reportVariableMaps.push_back(map); }
    // Null for a bad index or a null entry.
    ReportVariableMap* GetReportVariableMapAt(int index) const;
    // A map's page variable has exactly the name.
    bool IsReportVariableMapped(const CString& name) const;
    // Deletes every map naming the variable on either side; its entry stays, as null.
    void RemoveReportVariableMapsOf(Variable* variable);
    // The first field-variable map of the key column; null when none.
    FieldVariableMap* GetKeyFieldVariableMap() const;

    // Classic pages (0): file kinds 1 to 4, with a linked report also 5 to 8; ASP.NET pages (1):
    // kinds 5 and 7. Only missing kinds are created; other modes do nothing.
    void CreateDefaultAspFiles(int mode);

    // Files a missing table, the page checks and unmapped report variables as errors.
    void Validate();
    // Offers the linked report and the table to move along (the dialog only when ask is set);
    // false without dependencies or on Cancel. The form itself is moved by the caller.
    bool MoveToModule(Module* from, Module* to, bool ask);

    bool IsFieldRepMappedToReportVariable(FieldRep* fieldRep) override;
    // Appends the form's table, also null; out is not emptied.
    void GetTables(std::vector<Table*>& out) override;
    // Its table, then the page's references.
    void ListReferences(ReferenceList& list) override;
    void ReleaseFieldVariableMap(FieldVariableMap* map) override;
    void CollectReportVariableUsage(Variable* variable, CString& list) override;
    CString GetClassName() override { return "Form"; }
    // With a linked report: a table-flags record for the form's table when it has none.
    void SyncTableFlags() override;
    Table* GetTitleTable() const override { return m_table; }
    // Numbered by the master forms of the module over the same table.
    CString GetCopyNamePrefix() const override;

private:
    static int ms_lastId;

    int m_id;
    CString m_header;
    bool m_optionFlag = false;
    ApplicationReport* m_report = nullptr;
    int m_displayType = 0;
    std::vector<ReportVariableMap*> m_reportVariableMaps;
};

// Report-variable maps in their record: per map the report variable and the page variable, a
// null map as two nulls. A pair of two nulls loads as a null entry unless dropNullPairs is set.
void WriteReportVariableMaps(CArchive& ar, const std::vector<ReportVariableMap*>& maps);
void ReadReportVariableMaps(CArchive& ar, std::vector<ReportVariableMap*>& maps,
                            bool dropNullPairs);

// Shared by the data-entry pages.

// Creates a page file of each kind the page does not have yet, in the given order.
void EnsureAspFilesOfKinds(FormInterface& page, std::initializer_list<int> fileKinds,
                           int ownerKind);
// Each map names its variables on either side; a map whose variable goes leaves an empty slot
// and is deleted.
void ListReportVariableMaps(ReferenceList& list, std::vector<ReportVariableMap*>& maps);
// Some report-variable map names the variable on either side, as the list has it.
bool MapsReportVariable(std::vector<ReportVariableMap*>& maps, const Variable* variable);
// The name of some map's page variable contains the text (an empty text matches nothing).
bool PageVariableNameContains(const std::vector<ReportVariableMap*>& maps, const CString& text);
// Appends the page name followed by the report-variable usage text and records the page.
void ListReportVariableUsage(FormInterface& page, CString& list);
// Appends a table-flags record with both flags set for the table when it has none.
void EnsureTableFlagsRecord(FormInterface& page, Table* table);
// The first field-variable map whose field has the key flag and, when a table is given,
// belongs to it.
FieldVariableMap* FindKeyFieldMap(const FormInterface& page, const Table* table);
// Shows the dependencies dialog with the records under the heading; true on OK, which sets the
// records' selected flags.
bool AskForDependencies(std::vector<DependencyRecord>& records, const CString& heading);
// The to-module adds the table with its default procedures and the from-module lets them go.
void MoveTableBetweenModules(Table* table, Module* from, Module* to);
