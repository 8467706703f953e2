#include "gen_web/TransactionMarkupWriter.h"

#include "entities/AspFile.h"
#include "entities/Transaction.h"
#include "gen_web/PageControls.h"
#include "gen_web/PageFileKinds.h"
#include "gen_web/TransactionCodeBehindWriter.h"
#include "gen_web/TransactionScriptWriter.h"
#include "model/Table.h"
#include "platform/core/LiteralEscaping.h"

TransactionMarkupWriter::TransactionMarkupWriter(ForgeonProject* project, Transaction& transaction,
                                                 GenerationReport& report)
    : PageMarkupWriter(project, transaction, report), m_transaction(transaction),
      m_baseName(GetFormNameStem(transaction)),
      m_masterControls(GetPlacedControls(transaction, transaction.GetBasicTable()))
{
}

void TransactionMarkupWriter::Write()
{
    // Such a page is listed as skipped by its code-behind writer and the driver.
    if (!TransactionCodeBehindWriter::FindSkipReason(m_transaction).IsEmpty())
        return;
    for (AspFile* file : m_transaction.GetAspFiles())
    {
        if (file == nullptr || !file->IsAspxFile())
            continue;
        m_pageFile = file;
        const char* suffix = nullptr;
        if (file->GetFileKind() == transactionAddFileKind)
        {
            WriteAddPage();
            suffix = "Add";
        }
        else if (file->GetFileKind() == transactionUpdateFileKind)
        {
            WriteUpdatePage();
            suffix = "Update";
        }
        else
            continue;
        SaveFile(m_baseName + suffix + ".aspx", GetRelativeFolder(true) + "\\UI");
    }
}

void TransactionMarkupWriter::WriteAddPage()
{
    WritePageDirective("Add");
    WriteScriptIncludes(1);
    WriteScriptOpening();
    TransactionScriptWriter(*m_pageFile, m_transaction, *m_project, m_textFile).WriteAddScript(2);
    WriteScriptClosing();
    WritePageTop();
    WriteFieldTable(m_masterControls);
    WritePageBottom();
}

void TransactionMarkupWriter::WriteUpdatePage()
{
    WritePageDirective("Update");
    WriteScriptIncludes(1);
    WriteScriptOpening();
    TransactionScriptWriter(*m_pageFile, m_transaction, *m_project, m_textFile)
        .WriteUpdateScript(2);
    WriteScriptClosing();
    WritePageTop();
    WriteKeyField(*m_transaction.GetBasicTable()->GetPrimaryKeyField());
    WriteFieldTable(m_masterControls);
    WritePageBottom();
}

void TransactionMarkupWriter::WritePageDirective(const char* suffix)
{
    WriteContentPageOpening(m_baseName + suffix + ".aspx", m_baseName + suffix);
}

void TransactionMarkupWriter::WritePageBottom()
{
    WriteLinksAndMessage();
    for (const Table* table : m_transaction.GetDetailTables())
        m_textFile.Write(0, "<div id=\"%sDiv\" runat=\"server\"></div>\n",
                         EscapeXml(table->GetTableName()));
    m_textFile.Write(0, "</asp:Content>\n");
}
