#pragma once

#include "gen_web/PageMarkupWriter.h"

#include <vector>

class Transaction;

// The .aspx files of a master-detail page: its Add page and its Update page, content pages of the
// theme's master page with the page's script, the master controls in the field table, the link
// bars, the message container and one server-side container per detail table for its grid. File,
// CodeBehind attribute and class share the page's base name (GetPageBaseName).
class TransactionMarkupWriter : public PageMarkupWriter
{
public:
    TransactionMarkupWriter(ForgeonProject* project, Transaction& transaction,
                            GenerationReport& report);

    // Every ASP.NET page file of the page: kind 1 writes the Add page, kind 3 the Update page,
    // each saved in the module's "UI" folder.
    void Write();

private:
    void WriteAddPage();
    void WriteUpdatePage();
    void WritePageDirective(const char* suffix);
    // The grid containers, the end of the content.
    void WritePageBottom();

    Transaction& m_transaction;
    CString m_baseName;
    std::vector<FieldRep*> m_masterControls;
};
