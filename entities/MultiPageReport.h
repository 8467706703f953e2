#pragma once

#include "entities/FormInterface.h"

#include <vector>

class ApplicationReport;
class AspFile;
class MultiPageData;
class Procedure;
class ProcedureFieldInfo;
class ProcedureInvokation;
class Variable;
struct VariablePair;

// A page that chains several reports as pages.
class MultiPageReport : public FormInterface
{
    DECLARE_SERIAL(MultiPageReport)

public:
    MultiPageReport();
    ~MultiPageReport() override;
    MultiPageReport(const MultiPageReport&) = delete;
    MultiPageReport& operator=(const MultiPageReport&) = delete;

    void Serialize(CArchive& ar) override;

    int GetId() const { return m_id; }
    const std::vector<MultiPageData*>& GetPages() const { return m_pages; }
    // The report takes the page.
    void AddPage(MultiPageData* page) { m_pages.push_back(page); }

    // The page's references, then the calls of its pages, which go with their procedures.
    void ListReferences(ReferenceList& list) override;

    // Only while the report has no page file: a classic (mode 0) or ASP.NET (mode 1) one.
    void CreatePageFile(int mode);
    // Null for a bad index.
    ApplicationReport* GetReportAt(int index) const;
    bool HasReport(const ApplicationReport* report) const;
    // Deletes every page that shows the report.
    void DeletePagesOfReport(const ApplicationReport* report);
    // Exchanges two pages; nothing unless both indexes are valid.
    void SwapPages(int first, int second);

    // Each works on the first page that shows the report; nothing (null, false) when none does.
    // The page takes the call; false leaves it with the caller.
    bool SetProcedureCallForReport(const ApplicationReport* report, ProcedureInvokation* call);
    Procedure* GetProcedureForReport(const ApplicationReport* report) const;
    void DeleteProcedureCallForReport(const ApplicationReport* report);
    // The page takes the pair; false leaves it with the caller.
    bool AddParameterMapping(const ApplicationReport* report, VariablePair* pair);
    VariablePair* FindParameterMapping(const ApplicationReport* report,
                                       const Variable* first) const;
    // Erases the pair from the page and deletes it.
    void RemoveParameterMapping(const ApplicationReport* report, VariablePair* pair);

    // A control for the output column's field unless one shows it; false when one does (or
    // without a field).
    bool AddFilterForOutputField(const ProcedureFieldInfo* column);

private:
    MultiPageData* FindPageForReport(const ApplicationReport* report) const;

    int m_id;
    std::vector<MultiPageData*> m_pages;

    static int s_idCounter;
};
