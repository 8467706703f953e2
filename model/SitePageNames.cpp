#include "model/SitePageNames.h"

#include "entities/ApplicationReport.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "entities/LoginPage.h"
#include "entities/RDLCReport.h"
#include "entities/ReportCollector.h"
#include "entities/Transaction.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/NameUtilities.h"
#include "model/ProjectNameCheck.h"
#include "model/Table.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <utility>

namespace
{
// The name as a page file takes it: trimmed, each blank made "_".
CString FileStem(CString name)
{
    name.Trim();
    name.Replace(' ', '_');
    return name;
}

// The longest file of the stem: its designer file.
const char* const longestSuffix = ".aspx.designer.cs";
const int longestSuffixLength = 17;

// The name a page's files are written under: a table form's is its table's.
CString FileNameOf(const FormInterface& page)
{
    if (const auto* form = dynamic_cast<const Form*>(&page); form != nullptr && !form->IsCopy())
        return form->GetTable() != nullptr ? form->GetTable()->GetTableName() : CString();
    return page.GetFormName();
}

// What a page of the module writes, the page with it.
struct WrittenStem
{
    const FormInterface* page;
    SitePageKind kind;
    CString stem;
};

CString WrittenBy(const WrittenStem& written)
{
    return CString("the ") + SitePageKindText(written.kind) + " " +
           QuotedName(written.page->GetFormName()) + " writes " + written.stem + ".aspx";
}

// A name too long for a message box: its first 20 and last 12 bytes around "...".
CString Elided(const CString& name)
{
    return name.GetLength() > 40 ? name.Left(20) + "..." + name.Right(12) : name;
}

// The reason of the first stem too long or folded into one of taken; empty when none.
template <class Find> CString RefuseStems(const std::vector<CString>& stems, const Find& findTaken)
{
    const int longest = longestFileName - longestSuffixLength;
    for (const CString& stem : stems)
    {
        if (stem.GetLength() > longest)
            return "its file " + Elided(stem) + longestSuffix + " would be " +
                   CString(std::to_string(stem.GetLength() + longestSuffixLength).c_str()) +
                   " bytes long, longer than the " +
                   CString(std::to_string(longestFileName).c_str()) + " bytes a file name may hold";
    }
    for (const CString& stem : stems)
    {
        if (const WrittenStem* taken = findTaken(FoldedName(stem)))
            return WrittenBy(*taken);
    }
    return "";
}

// A stem taken by no page.
const WrittenStem* NoneTaken(const std::string&)
{
    return nullptr;
}

// The module's own dashboard and dashboard page, which follow its name.
bool IsModuleDashboard(const Module& module, const FormInterface& page)
{
    return page.GetFormName() == Module::DashboardNameOf(module.GetName()) &&
           (dynamic_cast<const DashBoard*>(&page) != nullptr ||
            dynamic_cast<const DashBoardPage*>(&page) != nullptr);
}

// "the report name "x" of module "y"".
CString PageNameText(const Module& module, const FormInterface& page)
{
    const std::optional<SitePageKind> kind = SitePageKindOf(page);
    const char* kindText = kind ? SitePageKindText(*kind)
                           : dynamic_cast<const DashBoard*>(&page) != nullptr ? "dashboard"
                           : dynamic_cast<const ReportCollector*>(&page) != nullptr
                               ? "report collector"
                               : "page";
    return CString("the ") + kindText + " name " + QuotedName(Elided(page.GetFormName())) +
           " of module " + QuotedName(module.GetName());
}

// Where the user gives the page files another name.
CString WhereToRename(const Module& module, const FormInterface& page)
{
    if (IsModuleDashboard(module, page))
        return "rename the module with Rename Module";
    const auto* form = dynamic_cast<const Form*>(&page);
    if (form != nullptr && !form->IsCopy())
        return "rename its table " +
               QuotedName(form->GetTable() != nullptr ? form->GetTable()->GetTableName()
                                                      : CString()) +
               " in the table designer";
    const std::optional<SitePageKind> kind = SitePageKindOf(page);
    if (dynamic_cast<const ReportCollector*>(&page) != nullptr)
        return "rename it in the report collector designer";
    switch (kind.value_or(SitePageKind::loginPage))
    {
    case SitePageKind::form:
        return "rename it in the form editor";
    case SitePageKind::transaction:
        return "rename it in the master-detail editor";
    case SitePageKind::searchReport:
        return "rename it in the report designer";
    case SitePageKind::rdlcReport:
        return "rename it in the RDLC report designer";
    case SitePageKind::dashBoardPage:
        return "rename it in the dashboard page designer";
    case SitePageKind::loginPage:
        break;
    }
    return "rename it";
}
} // namespace

std::optional<SitePageKind> SitePageKindOf(const FormInterface& page)
{
    if (dynamic_cast<const Form*>(&page) != nullptr)
        return SitePageKind::form;
    if (dynamic_cast<const Transaction*>(&page) != nullptr)
        return SitePageKind::transaction;
    if (dynamic_cast<const ApplicationReport*>(&page) != nullptr)
        return SitePageKind::searchReport;
    if (dynamic_cast<const RDLCReport*>(&page) != nullptr)
        return SitePageKind::rdlcReport;
    if (dynamic_cast<const DashBoardPage*>(&page) != nullptr)
        return SitePageKind::dashBoardPage;
    if (dynamic_cast<const LoginPage*>(&page) != nullptr)
        return SitePageKind::loginPage;
    return std::nullopt;
}

const char* SitePageKindText(SitePageKind kind)
{
    switch (kind)
    {
    case SitePageKind::form:
        return "form";
    case SitePageKind::transaction:
        return "transaction";
    case SitePageKind::searchReport:
        return "report";
    case SitePageKind::rdlcReport:
        return "RDLC report";
    case SitePageKind::dashBoardPage:
        return "dashboard page";
    case SitePageKind::loginPage:
        return "login page";
    }
    return "page";
}

std::vector<CString> SitePageStems(SitePageKind kind, const CString& name)
{
    const CString stem = FileStem(name);
    switch (kind)
    {
    case SitePageKind::form:
        return {name + "Add", name + "Update"};
    case SitePageKind::transaction:
        return {stem + "Add", stem + "Update"};
    case SitePageKind::searchReport:
        return {stem + "_report"};
    case SitePageKind::rdlcReport:
        return {stem + "_report", stem + "_report_Print"};
    case SitePageKind::dashBoardPage:
        return {stem};
    case SitePageKind::loginPage:
        return {"Login"};
    }
    return {};
}

std::vector<CString> SitePageStemsOf(const FormInterface& page)
{
    const std::optional<SitePageKind> kind = SitePageKindOf(page);
    if (!kind)
        return {};
    const CString name = FileNameOf(page);
    return name.IsEmpty() && *kind != SitePageKind::loginPage ? std::vector<CString>{}
                                                              : SitePageStems(*kind, name);
}

CString RefuseSitePageName(const Module& module, SitePageKind kind, const CString& name,
                           const FormInterface* self)
{
    std::vector<FormInterface*> pages;
    module.GetEveryPage(pages);
    std::vector<WrittenStem> written;
    for (const FormInterface* page : pages)
    {
        const std::optional<SitePageKind> pageKind = SitePageKindOf(*page);
        if (page == self || !pageKind)
            continue;
        for (const CString& stem : SitePageStemsOf(*page))
            written.push_back({page, *pageKind, stem});
    }
    return RefuseStems(SitePageStems(kind, name),
                       [&written](const std::string& folded) -> const WrittenStem*
                       {
                           const auto found =
                               std::ranges::find_if(written, [&folded](const WrittenStem& each)
                                                    { return FoldedName(each.stem) == folded; });
                           return found != written.end() ? &*found : nullptr;
                       });
}

bool IsReportNameTaken(const ForgeonProject& project, const CString& name,
                       const FormInterface* self)
{
    return std::ranges::any_of(project.GetModules(),
                               [&name, self](const Module* module)
                               {
                                   const FormInterface* report = module->FindReportByName(name);
                                   const FormInterface* rdlc = module->FindRDLCReportByName(name);
                                   return (report != nullptr && report != self) ||
                                          (rdlc != nullptr && rdlc != self);
                               });
}

CString RefuseDesignedPageName(const ForgeonProject& project, const FormInterface& page,
                               const CString& name)
{
    return RefuseDesignedPageName(
        page.GetModule() != nullptr ? page.GetModule() : project.GetCurrentModule(), page, name);
}

CString RefuseTransactionOrCollectorName(const FormInterface& page, const CString& name)
{
    const bool ruled = dynamic_cast<const Transaction*>(&page) != nullptr ||
                       dynamic_cast<const ReportCollector*>(&page) != nullptr;
    return ruled ? RefuseReadDesignedName(name) : CString();
}

CString RefuseDesignedPageName(const Module* module, const FormInterface& page, const CString& name)
{
    if (const CString refusal = RefuseControlCharacters(name); !refusal.IsEmpty())
        return refusal;
    if (const CString refusal = NameRefusal(name, RefuseTransactionOrCollectorName(page, name));
        !refusal.IsEmpty())
        return refusal;
    const std::optional<SitePageKind> kind = SitePageKindOf(page);
    const auto* form = dynamic_cast<const Form*>(&page);
    if (!kind || module == nullptr || (form != nullptr && !form->IsCopy()))
        return "";
    return NameRefusal(name, RefuseSitePageName(*module, *kind, name, &page));
}

CString NameRefusal(const CString& name, const CString& reason)
{
    if (reason.IsEmpty())
        return "";
    return "The name " + QuotedName(Elided(name)) + " cannot be taken: " + reason +
           ".\nPlease enter another name.";
}

CString RefuseControlCharacters(const CString& name)
{
    return NameRefusal(name, HasControlCharacters(name) ? "it holds control characters" : "");
}

CString RefuseTablePageNames(const CString& tableName)
{
    std::vector<CString> stems = SitePageStems(SitePageKind::form, tableName);
    for (const auto& [kind, suffix] : {std::pair{SitePageKind::searchReport, " Report"},
                                       std::pair{SitePageKind::rdlcReport, "_rdlc"}})
    {
        for (const CString& stem : SitePageStems(kind, tableName + suffix))
            stems.push_back(stem);
    }
    return NameRefusal(tableName, RefuseStems(stems, NoneTaken));
}

CString RefuseReadPageName(const FormInterface& page)
{
    const std::optional<SitePageKind> kind = SitePageKindOf(page);
    const bool designed =
        kind ? *kind != SitePageKind::transaction && *kind != SitePageKind::loginPage
             : dynamic_cast<const DashBoard*>(&page) != nullptr;
    if (designed)
        return RefuseReadDesignedName(page.GetFormName());
    // The other pages' names are shown in the site's menus and titles.
    return HasControlCharacters(page.GetFormName()) ? CString("it holds control characters")
                                                    : CString();
}

CString RefuseModulePageNames(const Module& module)
{
    std::vector<FormInterface*> pages;
    module.GetEveryPage(pages);
    for (const FormInterface* page : pages)
    {
        if (IsModuleDashboard(module, *page))
            continue;
        if (const CString reason = RefuseReadPageName(*page); !reason.IsEmpty())
            return PageNameText(module, *page) + " is refused: " + reason;
    }
    return "";
}

std::vector<PageToRename> FindPagesToRename(const Module& module)
{
    std::vector<FormInterface*> pages;
    module.GetEveryPage(pages);
    std::vector<PageToRename> found;
    for (const FormInterface* page : pages)
    {
        CString reason = RefuseTransactionOrCollectorName(*page, page->GetFormName());
        if (reason.IsEmpty())
            reason = RefuseStems(SitePageStemsOf(*page), NoneTaken);
        if (!reason.IsEmpty())
            found.push_back({page, PageNameText(module, *page) + ": " + reason + ": " +
                                       WhereToRename(module, *page)});
    }
    return found;
}

bool IsPageNameToRename(const FormInterface& page)
{
    const std::optional<SitePageKind> kind = SitePageKindOf(page);
    const Module* module = page.GetModule();
    if (!RefuseTransactionOrCollectorName(page, page.GetFormName()).IsEmpty())
        return true;
    return kind && module != nullptr && FileNameOf(page) == page.GetFormName() &&
           !IsModuleDashboard(*module, page) &&
           !RefuseSitePageName(*module, *kind, page.GetFormName(), &page).IsEmpty();
}

std::vector<CString> FindPageFileClashes(const ForgeonProject& project)
{
    std::vector<CString> found;
    for (const Module* module : project.GetModules())
    {
        std::vector<FormInterface*> pages;
        module->GetEveryPage(pages);
        std::unordered_map<std::string, WrittenStem> written;
        for (const FormInterface* page : pages)
        {
            const std::optional<SitePageKind> kind = SitePageKindOf(*page);
            // A table form's files take its table's name, which no other table has.
            if (!kind || FileNameOf(*page) != page->GetFormName())
                continue;
            for (const CString& stem : SitePageStemsOf(*page))
            {
                const WrittenStem each{page, *kind, stem};
                const auto [same, added] = written.try_emplace(FoldedName(stem), each);
                if (!added && same->second.page != page)
                {
                    found.push_back(WrittenBy(same->second) + " and " + WrittenBy(each) +
                                    " in module " + QuotedName(module->GetName()));
                    break;
                }
            }
        }
    }
    return found;
}

CString PageFileClashWarning(const ForgeonProject& project)
{
    return RenameBeforeWriteAllWarning(
        "These pages write files of one name in one folder, names compared ignoring case as a "
        "Windows folder compares them, so that one replaces the other:",
        FindPageFileClashes(project));
}
