#include "gen_web/AspxObjectWriter.h"

#include "entities/ApplicationReport.h"
#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "entities/RDLCReport.h"
#include "entities/Transaction.h"
#include "gen_web/DashBoardPageNames.h"
#include "gen_web/TransactionCodeBehindWriter.h"
#include "gen_web/WriterSet.h"
#include "model/GenerationReport.h"
#include "model/Table.h"

AspxObjectWriter::AspxObjectWriter(ForgeonProject* project, FormInterface* page, WriterSet& writers,
                                   GenerationReport& report)
    : m_project(project), m_page(page), m_writers(writers), m_report(report)
{
}

void AspxObjectWriter::WriteForm()
{
    auto* form = dynamic_cast<Form*>(m_page);
    if (form == nullptr || !HasKeyedTable(form->GetTable()))
        return;
    m_writers.WriteFormMarkup(*form);
    m_writers.WriteFormCodeBehind(*form);
    if (form->GetTable()->GetTableName() != "useraccount")
        m_writers.WriteDataClass(*form->GetTable());
}

void AspxObjectWriter::WriteTransaction()
{
    auto* transaction = dynamic_cast<Transaction*>(m_page);
    if (transaction == nullptr)
        return;
    const CString reason = TransactionCodeBehindWriter::FindSkipReason(*transaction);
    if (!reason.IsEmpty())
    {
        Skip(reason);
        return;
    }
    m_writers.WriteTransactionMarkup(*transaction);
    m_writers.WriteTransactionCodeBehind(*transaction);
    m_writers.WriteTransactionDataClasses(*transaction);
}

void AspxObjectWriter::WriteReport()
{
    auto* report = dynamic_cast<ApplicationReport*>(m_page);
    if (report == nullptr)
        return;
    m_writers.WriteReportMarkup(*report);
    m_writers.WriteReportCodeBehind(*report);
}

void AspxObjectWriter::WriteRDLCReport()
{
    auto* report = dynamic_cast<RDLCReport*>(m_page);
    if (report == nullptr)
        return;
    if (report->GetMode() == 0)
    {
        if (report->GetTable() == nullptr || report->GetModule() == nullptr)
            return Skip("the report has no table");
        if (report->GetXSDInfo() == nullptr || report->GetRDLCInfo() == nullptr)
            return Skip("the report has no report definition or data set");
        // Both first: the data set's files take their names from the description's record.
        report->SetDefaultXSDInfo();
        report->SetDefaultRDLCInfo();
        m_writers.WriteTypedDataSet(*report);
        m_writers.WriteRDLCFile(*report);
    }
    if (!report->FilesExist(m_project))
        return;
    m_writers.WriteRDLCMarkup(*report);
    m_writers.WriteRDLCCodeBehind(*report);
    m_writers.WriteRDLCPrintPage(*report);
}

void AspxObjectWriter::WriteDashBoardPage()
{
    auto* page = dynamic_cast<DashBoardPage*>(m_page);
    if (page == nullptr)
        return;
    if (DashBoardPageFileName(*page).IsEmpty())
        return Skip("the page has no page file");
    m_writers.WriteDashBoardPageMarkup(*page);
    m_writers.WriteDashBoardPageCodeBehind(*page);
}

bool AspxObjectWriter::HasKeyedTable(const Table* table)
{
    if (table == nullptr)
        Skip("the page has no table");
    else if (table->GetPrimaryKeyField() == nullptr)
        Skip("the table " + table->GetTableName() + " has no key field");
    return table != nullptr && table->GetPrimaryKeyField() != nullptr;
}

void AspxObjectWriter::Skip(const CString& reason)
{
    m_report.AddSkippedPage(m_page->GetFormName(), reason);
}
