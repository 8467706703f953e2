#pragma once

#include "platform/core/CString.h"

#include <optional>
#include <vector>

class ForgeonProject;
class FormInterface;
class Module;

// The kinds of page whose names become the names of files in their module's "UI" folder of the
// site.
enum class SitePageKind
{
    form,
    transaction,
    searchReport,
    rdlcReport,
    dashBoardPage,
    loginPage
};

// The kind of the page; none for the pages the site holds no file of (map forms, multi-page
// reports, report collectors).
std::optional<SitePageKind> SitePageKindOf(const FormInterface& page);
// What the messages call a page of the kind: "form", "RDLC report", ...
const char* SitePageKindText(SitePageKind kind);

// The stems of the files (<stem>.aspx, .aspx.cs, .aspx.designer.cs) that a page of the kind
// writes under the name; a form that is not a copy writes under its table's name.
std::vector<CString> SitePageStems(SitePageKind kind, const CString& name);
// The stems the page writes now.
std::vector<CString> SitePageStemsOf(const FormInterface& page);

// The longest file name a file system holds, in bytes.
inline constexpr int longestFileName = 255;

// Why a page of the kind cannot take the name in the module: a file of it longer than a file
// system holds, or a file of another page of the module of the same name compared ignoring case
// (as a Windows folder compares them); the page self is not compared. Empty when it can, else
// a reason such as "the RDLC report "Sales" of the module writes Sales_report.aspx".
CString RefuseSitePageName(const Module& module, SitePageKind kind, const CString& name,
                           const FormInterface* self);
// A search report or an RDLC report of any module other than self bears the name, compared
// ignoring case: both kinds write <name>_report.aspx, whose class the project holds once.
bool IsReportNameTaken(const ForgeonProject& project, const CString& name,
                       const FormInterface* self);

// The designers' check of a new name for the page in the module that holds it or will hold it:
// the message that refuses it, empty when it is taken or there is no module. A table form's
// files keep its table's name whatever its own. A name with control characters is refused
// whatever the page.
CString RefuseDesignedPageName(const Module* module, const FormInterface& page,
                               const CString& name);
// The same in the module that holds the page, else the project's current module.
CString RefuseDesignedPageName(const ForgeonProject& project, const FormInterface& page,
                               const CString& name);

// Why a transaction or a report collector cannot take the name, empty when it can and for the
// other pages: the rule of the names the other designers take (RefuseReadDesignedName), which
// their pages' files and scripts are named after. Earlier versions took any such name.
CString RefuseTransactionOrCollectorName(const FormInterface& page, const CString& name);

// The message that refuses the name for the reason; empty when the reason is.
CString NameRefusal(const CString& name, const CString& reason);
// The message that refuses a typed name holding control characters (HasControlCharacters);
// empty when it holds none.
CString RefuseControlCharacters(const CString& name);
// The table designer's check of a table name: the message that refuses it when a file of a page
// it makes for the table (form, search report, RDLC report) would be longer than a file system
// holds, empty otherwise.
CString RefuseTablePageNames(const CString& tableName);

// Why the name of a form, report, RDLC report, dashboard or dashboard page read from a file is
// refused, empty when it is kept: what the designers take (not empty, well-formed UTF-8 without
// control characters, no special character). Other pages' names are looked at for control
// characters only: a transaction or report collector name of earlier versions that breaks their
// rule is read, for Write All to refuse until it is renamed (FindPagesToRename).
CString RefuseReadPageName(const FormInterface& page);

// The first page of the module whose name is refused at a door, by the rules above (but for the
// module's dashboard and dashboard page, named after the module), as "the report name "x" of
// module "y" is refused: <reason>"; empty when every name is taken.
CString RefuseModulePageNames(const Module& module);

// A page whose longest file would be longer than a file system holds, or a transaction or report
// collector whose name breaks their rule, which designers of earlier versions took: the file
// holding it loads, Write All refuses it until it is renamed.
struct PageToRename
{
    const FormInterface* page;
    // "the report name "x" of module "y": its file ... : rename it in the report designer".
    CString text;
};
// Each such page of the module, in page order.
std::vector<PageToRename> FindPagesToRename(const Module& module);
// Whether Write All refuses the name the page of a module holds: a file of it longer than a file
// system holds, or of the name of another page's file of the module compared ignoring case, or a
// transaction's name that breaks its rule.
// The designers open the name box of such a page, which earlier versions made, to rename it.
bool IsPageNameToRename(const FormInterface& page);

// Each pair of pages of one module that write files of one name compared ignoring case, as
// "the report "a" writes a_report.aspx and the RDLC report "A" writes A_report.aspx in module
// "m"", in module order; table forms, whose files take their table's name, are left to Write
// All. A file holding them loads, with a warning: merges make such pairs of form copies and
// transactions, which they compare exactly.
std::vector<CString> FindPageFileClashes(const ForgeonProject& project);
// The warning of a project read that holds such pages; empty when it holds none.
CString PageFileClashWarning(const ForgeonProject& project);
