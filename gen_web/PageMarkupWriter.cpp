#include "gen_web/PageMarkupWriter.h"

#include "entities/AspFile.h"
#include "entities/FormInterface.h"
#include "gen_web/FieldRowLayout.h"
#include "gen_web/PageHeaderWriter.h"
#include "model/Field.h"
#include "model/Identifiers.h"
#include "platform/core/LiteralEscaping.h"

PageMarkupWriter::PageMarkupWriter(ForgeonProject* project, FormInterface& page,
                                   GenerationReport& report)
    : AspxWriter(project, &page, report), m_pageEntity(page)
{
}

void PageMarkupWriter::WriteScriptOpening()
{
    m_textFile.Write(1, "<script type=\"text/javascript\" language=\"javascript\">\n");
    m_textFile.Write(0, "\n");
}

void PageMarkupWriter::WriteScriptClosing()
{
    m_textFile.Write(1, "</script>\n");
}

void PageMarkupWriter::WritePageTop()
{
    PageHeaderWriter header(*m_project, m_pageEntity, m_textFile);
    header.WritePageTop(m_pageFile->GetPageTitle());
    header.WriteThreeColumnTable(m_pageEntity.GetPreLinkList(), 0);
}

void PageMarkupWriter::WriteKeyField(const Field& key)
{
    m_textFile.Write(0, "<asp:HiddenField id=\"%s\" runat=\"server\" />\n",
                     PageControlId(key.GetFieldName()));
}

void PageMarkupWriter::WriteFieldTable(const std::vector<FieldRep*>& controls)
{
    m_textFile.Write(0, "<table class=\"TableClass\" cellspacing=\"1\" >\n");
    FieldRowLayout rows(*m_pageFile, *m_project, m_textFile);
    rows.SetColumnCount(m_pageEntity.GetColumnCount());
    rows.WriteRows(controls, 0);
    WriteFieldTableEnd(0);
    m_textFile.Write(0, "</table>\n");
}

void PageMarkupWriter::WriteLinksAndMessage()
{
    PageHeaderWriter footer(*m_project, m_pageEntity, m_textFile);
    footer.WriteThreeColumnTable(m_pageEntity.GetPostLinkList(), 0);
    footer.WriteMessageContainer(0);
}
