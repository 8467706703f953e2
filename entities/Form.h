#pragma once

#include "entities/FormInterface.h"
#include "model/TableDataInterface.h"

#include <vector>

class ApplicationReport;

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
    int GetDisplayType() const { return m_displayType; }
    void SetDisplayType(int displayType) { m_displayType = displayType; }

    // May hold null entries.
    const std::vector<ReportVariableMap*>& GetReportVariableMaps() const
    {
        return m_reportVariableMaps;
    }
    // The form takes ownership; null is allowed.
    void AddReportVariableMap(ReportVariableMap* map) { m_reportVariableMaps.push_back(map); }

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
