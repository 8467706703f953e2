#pragma once

#include "platform/core/CString.h"

#include <vector>

class FormInterface;
class ForgeonProject;
class LinkControl;
class TextFile;

// The pieces every generated data-entry, master-detail and report page shares: the account link
// bar, the page link bars, the message container, and the code-behind and designer lines of the
// page links.
class PageHeaderWriter
{
public:
    PageHeaderWriter(ForgeonProject& project, FormInterface& page, TextFile& out);

    // My Account and Logout, into the folder of the project's first module.
    void WriteAccountLinks(int indent);
    // The account links, the top menu bar and the page's heading.
    void WritePageTop(const CString& heading);
    // The place of the server's answer: a message div filled by the page's script, or on pages
    // that post back whole (uploads, RDLC reports) a message label.
    void WriteMessageContainer(int indent);
    // The links that open a page, by alignment in three columns; nothing without links.
    void WriteThreeColumnTable(const std::vector<LinkControl*>& links, int indent);
    // The C# method that hides the links the role may not open.
    void WriteManageLinkVisibility(const std::vector<LinkControl*>& links, int indent);
    // The designer fields of the links.
    void WriteLinkDeclarations(const std::vector<LinkControl*>& links, int indent);

    // The server id of a link: the caption trimmed, as PageControlId makes an id of it; the
    // caption itself stays free text.
    static CString MakeLinkControlId(CString caption);

private:
    void WriteLinkCell(const std::vector<LinkControl*>& links, int indent, int column);
    // The link opens a page whose files are written.
    bool OpensWrittenPage(const LinkControl& link) const;

    ForgeonProject& m_project;
    FormInterface& m_page;
    TextFile& m_out;
};

// The name of the module whose folder holds the login and account pages: the project's first
// module, else the page's own; empty when there is neither.
CString GetLoginModuleName(const ForgeonProject& project, const FormInterface& page);
