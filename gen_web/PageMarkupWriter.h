#pragma once

#include "gen_web/AspxWriter.h"

#include <vector>

class AspFile;
class Field;
class FieldRep;

// The steps that the .aspx files of forms and master-detail pages share: the script element
// around the page's functions, the account links, top menu, heading and link bars, the hidden
// key field of an Update page, the table of field rows and the message container. The page file
// being written is set by the derived writer.
class PageMarkupWriter : public AspxWriter
{
public:
    PageMarkupWriter(ForgeonProject* project, FormInterface& page, GenerationReport& report);

protected:
    void WriteScriptOpening();
    void WriteScriptClosing();
    // Account links, top menu, heading and the links above the field table.
    void WritePageTop();
    // The hidden field that carries the record key of an Update page.
    void WriteKeyField(const Field& key);
    // The table of the controls' rows in the page's column count.
    void WriteFieldTable(const std::vector<FieldRep*>& controls);
    // The links below the field table and the message container.
    void WriteLinksAndMessage();

    // The last rows of the field table.
    virtual void WriteFieldTableEnd(int /*indent*/) {}

    FormInterface& m_pageEntity;
    AspFile* m_pageFile = nullptr;
};
