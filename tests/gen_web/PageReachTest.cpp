#include "gen_web/PageReach.h"

#include "entities/AspFile.h"
#include "entities/DashBoardPage.h"
#include "entities/LinkControl.h"
#include "tests/gen_web/GuardProject.h"

#include <gtest/gtest.h>

namespace
{
// The role's pages, or none for an unknown role.
std::set<std::string> PagesOf(const ForgeonProject& project, const char* roleName)
{
    const Designation* role = project.GetBaseModule()->FindDesignationByName(roleName);
    const auto reach = ReachablePages(project);
    const auto pages = role != nullptr ? reach.find(role->GetId()) : reach.end();
    return pages != reach.end() ? pages->second : std::set<std::string>();
}

// Each role reaches its menus' pages with the other pages of the same form or report, the
// pages that those link to, and the change-password page; never the account pages.
TEST(PageReach, RolesReachTheirMenusPagesAndWhatTheyLinkTo)
{
    GuardProject fixture;
    ForgeonProject& project = fixture.Project();
    Module& base = *project.GetBaseModule();
    CString documentName = "document";
    Form* document = base.GetMasterFormForTable(base.FindTableByName(documentName), false);
    Table* note = NewTable("note", Table::masterKind, {"text"});
    base.AddTable(note);
    TableFormCreator(note, &project).CreateForm();
    document->AddPreLink(new LinkControl(base.FindMenuByName("Note"), 0, 0, 0));
    auto* auditor = new Designation(TRUE);
    auditor->SetName("auditor");
    auditor->AddMenu(base.FindMenuByName("Search useraccount"));
    auditor->AddMenu(base.FindMenuByName("Useraccount"));
    base.Append(auditor);

    const std::string ui = "~/basemodule/ui/";
    // The change-password Update page, which every page links to, and the module dashboard it
    // links to; never the Add page, which makes accounts of any role.
    const std::set<std::string> passwordPages{ui + "changepassword_formupdate.aspx",
                                              ui + "basemodule_dashboard.aspx"};
    auto with = [&passwordPages](std::set<std::string> pages)
    {
        pages.insert(passwordPages.begin(), passwordPages.end());
        return pages;
    };
    const struct
    {
        const char* role;
        std::set<std::string> pages;
    } cases[] = {
        {"editor", with({ui + "documentadd.aspx", ui + "documentupdate.aspx",
                         ui + "document_report_report.aspx", ui + "project_dashboard.aspx",
                         ui + "noteadd.aspx", ui + "noteupdate.aspx"})},
        {"clerk", with({ui + "project_dashboard.aspx"})},
        {"auditor", passwordPages},
        // A report leads to the Update page its rows link to, never to the Add page.
        {"reader", with({ui + "document_report_report.aspx", ui + "documentupdate.aspx",
                         ui + "order_basic_report_report.aspx", ui + "orderupdate.aspx",
                         ui + "project_dashboard.aspx"})},
    };
    for (const auto& expected : cases)
        EXPECT_EQ(expected.pages, PagesOf(project, expected.role)) << expected.role;
    // The reader only opens the Update pages that its reports' rows link to; the editor, holding
    // the document's menu, also acts there.
    const Designation* reader = base.FindDesignationByName("reader");
    const Designation* viewer = base.FindDesignationByName("viewer");
    EXPECT_EQ((std::map<int, std::set<std::string>>{
                  {reader->GetId(), {ui + "documentupdate.aspx", ui + "orderupdate.aspx"}},
                  {viewer->GetId(), {ui + "orderupdate.aspx"}}}),
              ViewOnlyPages(project));
    EXPECT_EQ("~/BaseModule/UI/ChangePassword_formUpdate.aspx", PasswordPagePath(project));
}

// A role's dashboard pages are its own and those whose cells lead it to its pages; a cell whose
// page the role does not hold leads it to its first page of the same menu and kind.
TEST(PageReach, DashBoardsLeadRolesToTheirPages)
{
    GuardProject fixture;
    ForgeonProject& project = fixture.Project();
    Module& base = *project.GetBaseModule();
    auto pageNames = [&](const char* roleName)
    {
        std::vector<CString> names;
        for (const DashBoardPage* page :
             RoleDashBoardPages(project, *base.FindDesignationByName(roleName)))
            names.push_back(page->GetFormName());
        return names;
    };
    EXPECT_EQ((std::vector<CString>{"Project_Dashboard", "BaseModule_Dashboard"}),
              pageNames("editor"));
    EXPECT_EQ(std::vector<CString>{"Project_Dashboard"}, pageNames("clerk"));

    std::vector<CString> masters;
    for (const Menu* menu : DashBoardCellMenus(project, *base.FindMenuByName("Useraccount")))
        masters.push_back(menu->GetName());
    EXPECT_EQ((std::vector<CString>{"Useraccount", "Document"}), masters);
    EXPECT_EQ(1u, DashBoardCellMenus(project, *base.FindMenuByName("Project Dashboard")).size());
}
// Every page of every kind against every role: a menu item grants its own pages, a search report
// the Update page its rows link to as well, to be opened only, an RDLC report its report and print
// pages and nothing its links name, the dashboards and links what they name.
TEST(PageReach, EachPageKindGrantsByItsRule)
{
    GuardProject fixture;
    const ForgeonProject& project = fixture.Project();
    std::set<std::string> every;
    std::vector<FormInterface*> pages;
    project.GetBaseModule()->GetAllPages(pages);
    for (const FormInterface* page : pages)
        for (const AspFile* file : page->GetAspFiles())
        {
            CString name = file->GetDefaultFileName();
            name.MakeLower();
            if (file->IsAspxFile())
                every.insert("~/basemodule/ui/" + std::string(name.GetString()));
        }
    every.insert("~/basemodule/ui/document_rdlc_report_print.aspx");
    const std::set<std::string> shared{"changepassword_formupdate.aspx",
                                       "basemodule_dashboard.aspx", "project_dashboard.aspx"};
    const struct
    {
        const char* role;
        std::set<std::string> full;
        std::set<std::string> viewOnly;
    } cases[] = {
        {"editor", {"documentadd.aspx", "documentupdate.aspx", "document_report_report.aspx"}, {}},
        {"clerk", {}, {}},
        {"reader",
         {"document_report_report.aspx", "order_basic_report_report.aspx"},
         {"documentupdate.aspx", "orderupdate.aspx"}},
        {"retired", {}, {}},
        {"viewer", {"order_basic_report_report.aspx"}, {"orderupdate.aspx"}},
        {"printer", {"document_rdlc_report.aspx", "document_rdlc_report_print.aspx"}, {}},
    };
    const auto reach = ReachablePages(project);
    const auto viewOnly = ViewOnlyPages(project);
    for (const auto& expected : cases)
    {
        const int id = project.GetBaseModule()->FindDesignationByName(expected.role)->GetId();
        const auto held = [id](const auto& map, const std::string& page)
        {
            const auto found = map.find(id);
            return found != map.end() && found->second.contains(page);
        };
        for (const std::string& page : every)
        {
            const std::string file = page.substr(page.rfind('/') + 1);
            const bool opened = shared.contains(file) || expected.full.contains(file) ||
                                expected.viewOnly.contains(file);
            EXPECT_EQ(opened, held(reach, page)) << expected.role << " opens " << page;
            EXPECT_EQ(expected.viewOnly.contains(file), held(viewOnly, page))
                << expected.role << " only views " << page;
        }
    }
}
} // namespace
