#include "gen_web/PageReach.h"

#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/DashBoardPage.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/LinkControl.h"
#include "entities/Menu.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/RDLCReport.h"
#include "entities/ReportField.h"
#include "entities/Transaction.h"
#include "gen_web/CodeBehindFragments.h"
#include "gen_web/DashBoardPageNames.h"
#include "gen_web/PageControls.h"
#include "gen_web/PageFileKinds.h"
#include "model/DefaultNames.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/Table.h"

#include <algorithm>
#include <cctype>
#include <typeinfo>

namespace
{
std::string PagePath(const Module& module, const CString& fileName)
{
    return "~/" + std::string(module.GetName().GetString()) + "/UI/" +
           std::string(fileName.GetString());
}

std::string Lowered(std::string text)
{
    std::ranges::transform(text, text.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

const FormInterface* OwnerOf(const Menu* menu)
{
    const AspFile* file = menu != nullptr ? menu->GetAspFile() : nullptr;
    return file != nullptr ? file->GetOwnerPage() : nullptr;
}

bool IsAccountTable(const Table* table)
{
    return table != nullptr && table->GetTableName() == userAccountTableName;
}

// The pages of the user accounts: the forms of their table but the change-password form, and
// the reports that show a column of it.
bool IsAccountPage(const FormInterface& page)
{
    if (const auto* form = dynamic_cast<const Form*>(&page))
        return IsAccountTable(form->GetTable()) && page.GetFormName() != changePasswordFormName;
    const auto* report = dynamic_cast<const ApplicationReport*>(&page);
    if (report == nullptr)
        return false;
    std::vector<ReportField*> columns;
    report->CollectReportFields(columns);
    return IsAccountTable(report->GetTable()) ||
           std::ranges::any_of(columns,
                               [](const ReportField* column)
                               {
                                   const ProcedureFieldInfo* output = column->GetFieldInfo();
                                   const Field* field =
                                       output != nullptr ? output->GetField() : column->GetField();
                                   return field != nullptr && IsAccountTable(field->GetTable());
                               });
}

// The pages that a page leads to, besides the other files of its own.
std::vector<const FormInterface*> LinkedPages(const FormInterface& page)
{
    std::vector<const FormInterface*> linked;
    auto addLinks = [&linked](const std::vector<LinkControl*>& links)
    {
        for (const LinkControl* link : links)
            linked.push_back(OwnerOf(link->GetTarget()));
    };
    addLinks(page.GetPreLinkList());
    addLinks(page.GetPostLinkList());
    for (const FieldRep* control : page.GetFieldReps())
        if (control->GetFieldRepData() != nullptr)
            addLinks(control->GetFieldRepData()->GetLinkControls());
    std::erase(linked, nullptr);
    return linked;
}

// The page files that a report's rows link to: its link cells' pages and the Update page of its
// table's form; never an Add page.
std::vector<const AspFile*> ReportRowFiles(const FormInterface& page)
{
    std::vector<const AspFile*> files;
    const auto* report = dynamic_cast<const ApplicationReport*>(&page);
    if (report == nullptr)
        return files;
    std::vector<ReportField*> columns;
    report->CollectReportFields(columns);
    for (const ReportField* column : columns)
        files.push_back(column->GetAspFile());
    const Form* form = report->GetTable() != nullptr && report->GetModule() != nullptr
                           ? report->GetModule()->GetMasterFormForTable(report->GetTable(), false)
                           : nullptr;
    if (form != nullptr)
        files.push_back(form->FindAspFileByType(formUpdateFileKind));
    std::erase_if(files,
                  [](const AspFile* file)
                  {
                      return file == nullptr || !file->IsAspxFile() ||
                             file->GetFileKind() == formAddFileKind ||
                             file->GetFileKind() == transactionAddFileKind ||
                             file->GetOwnerPage() == nullptr ||
                             file->GetOwnerPage()->GetModule() == nullptr ||
                             IsAccountPage(*file->GetOwnerPage());
                  });
    return files;
}

void AddFiles(const FormInterface& page, std::set<std::string>& paths)
{
    if (page.GetModule() == nullptr)
        return;
    // The password form's Add page makes accounts of any role: only its Update page, which
    // changes the logged-in account's own password.
    const bool passwordForm =
        dynamic_cast<const Form*>(&page) != nullptr && page.GetFormName() == changePasswordFormName;
    for (const AspFile* file : page.GetAspFiles())
        if (file->IsAspxFile() && (!passwordForm || file->GetFileKind() == formUpdateFileKind))
            paths.insert(Lowered(PagePath(*page.GetModule(), file->GetDefaultFileName())));
    if (dynamic_cast<const RDLCReport*>(&page) != nullptr)
        paths.insert(Lowered(PagePath(*page.GetModule(), GetPrintPageName(page) + ".aspx")));
}
} // namespace

namespace
{
// Each role's pages as its menus, dashboards and their links lead to it, and the pages that only
// a report's rows lead it to.
struct RoleReach
{
    std::set<std::string> pages;
    std::set<std::string> rowPages;
};

// What a page that a role reaches grants it, by the page's kind: an RDLC report its report page
// and its print page, nothing else; a search report its pages and, to be opened only, the pages
// its rows link to; every page its own pages; and but for an RDLC report, the pages its links
// name, which grant in turn.
std::vector<const FormInterface*> Grant(const FormInterface& page, RoleReach& reach)
{
    AddFiles(page, reach.pages);
    if (dynamic_cast<const RDLCReport*>(&page) != nullptr)
        return {};
    for (const AspFile* file : ReportRowFiles(page))
        reach.rowPages.insert(
            Lowered(PagePath(*file->GetOwnerPage()->GetModule(), file->GetDefaultFileName())));
    return LinkedPages(page);
}

std::map<int, RoleReach> RoleReaches(const ForgeonProject& project)
{
    std::vector<const FormInterface*> passwordPages;
    for (const Module* module : project.GetModules())
        for (const Form* form : module->GetMasterForms())
            if (form->GetFormName() == changePasswordFormName)
                passwordPages.push_back(form);
    std::map<int, RoleReach> reach;
    for (const Module* module : project.GetModules())
    {
        for (const Designation* role : module->GetDesignations())
        {
            std::vector<const FormInterface*> pending = passwordPages;
            for (const Menu* menu : role->GetMenus())
                pending.push_back(OwnerOf(menu));
            for (const DashBoardPage* dashBoard : RoleDashBoardPages(project, *role))
                pending.push_back(dashBoard);
            std::vector<const FormInterface*> seen;
            RoleReach& paths = reach[role->GetId()];
            while (!pending.empty())
            {
                const FormInterface* page = pending.back();
                pending.pop_back();
                if (page == nullptr || std::ranges::find(seen, page) != seen.end() ||
                    IsAccountPage(*page))
                    continue;
                seen.push_back(page);
                for (const FormInterface* linked : Grant(*page, paths))
                    pending.push_back(linked);
            }
            for (const std::string& page : paths.pages)
                paths.rowPages.erase(page);
        }
    }
    return reach;
}
} // namespace

std::map<int, std::set<std::string>> ReachablePages(const ForgeonProject& project)
{
    std::map<int, std::set<std::string>> pages;
    for (auto& [role, reach] : RoleReaches(project))
    {
        pages[role] = std::move(reach.pages);
        pages[role].insert(reach.rowPages.begin(), reach.rowPages.end());
    }
    return pages;
}

std::map<int, std::set<std::string>> ViewOnlyPages(const ForgeonProject& project)
{
    std::map<int, std::set<std::string>> pages;
    for (auto& [role, reach] : RoleReaches(project))
        if (!reach.rowPages.empty())
            pages[role] = std::move(reach.rowPages);
    return pages;
}

std::vector<UploadColumn> UploadColumns(const ForgeonProject& project)
{
    std::vector<UploadColumn> columns;
    for (const Module* module : project.GetModules())
    {
        std::vector<FormInterface*> pages;
        module->GetAllPages(pages);
        for (const FormInterface* page : pages)
        {
            // Only a master part uploads: a detail grid has no cell for a file.
            const auto* transaction = dynamic_cast<const Transaction*>(page);
            if (dynamic_cast<const Form*>(page) == nullptr && transaction == nullptr)
                continue;
            for (const FieldRep* control : page->GetFieldReps())
            {
                const Field* field = control->GetField();
                if (field == nullptr || field->GetTable() == nullptr ||
                    ControlKind(*control) != FieldRepData::FileUpload ||
                    (transaction != nullptr && field->GetTable() != transaction->GetBasicTable()))
                    continue;
                UploadColumn& column = columns.emplace_back();
                column.table = field->GetTable()->GetTableName().GetString();
                column.column = field->GetFieldName().GetString();
                column.softDeleted =
                    field->GetTable()->FindFieldByName(Field::deletedFlagName) != nullptr;
                if (page->GetFormName() == changePasswordFormName)
                    column.ownRowKey = GetPrimaryKeyName(field->GetTable()).GetString();
                AddFiles(*page, column.pages);
            }
        }
    }
    return columns;
}

std::string PasswordPagePath(const ForgeonProject& project)
{
    const Module* base = project.GetBaseModule();
    if (base == nullptr)
        return {};
    const bool exists =
        std::ranges::any_of(base->GetMasterForms(), [](const Form* form)
                            { return form->GetFormName() == changePasswordFormName; });
    return exists ? PagePath(*base, CString(changePasswordFormName) + "Update.aspx") : "";
}

std::vector<const Menu*> DashBoardCellMenus(const ForgeonProject& project, const Menu& menu)
{
    std::vector<const Menu*> menus{&menu};
    const FormInterface* page = OwnerOf(&menu);
    if (page == nullptr || dynamic_cast<const DashBoardPage*>(page) != nullptr ||
        menu.GetParent() == nullptr)
        return menus;
    for (const Menu* sibling : menu.GetParent()->GetSubMenus())
    {
        const FormInterface* other = OwnerOf(sibling);
        const auto* report = dynamic_cast<const RDLCReport*>(other);
        if (sibling != &menu && other != nullptr && typeid(*other) == typeid(*page) &&
            (report == nullptr || report->FilesExist(&project)))
            menus.push_back(sibling);
    }
    return menus;
}

std::vector<const DashBoardPage*> RoleDashBoardPages(const ForgeonProject& project,
                                                     const Designation& role)
{
    std::vector<const DashBoardPage*> pages;
    if (role.GetDashBoardPage() != nullptr)
        pages.push_back(role.GetDashBoardPage());
    std::vector<const DashBoardPage*> leading;
    // The account pages are the administrator's, whatever menus a role holds.
    auto leads = [&](const Menu* menu)
    {
        const FormInterface* page = OwnerOf(menu);
        const auto* dashBoard = dynamic_cast<const DashBoardPage*>(page);
        if (page == nullptr || IsAccountPage(*page))
            return false;
        return dashBoard == nullptr ? role.HasMenu(menu)
                                    : std::ranges::find(leading, dashBoard) != leading.end();
    };
    for (bool found = true; found;)
    {
        found = false;
        for (const Module* module : project.GetModules())
            for (const DashBoardPage* page : module->GetDashBoardPages())
            {
                if (std::ranges::find(leading, page) != leading.end())
                    continue;
                const std::vector<const DashBoardCellInfo*> cells = CollectDashBoardLinks(*page);
                if (std::ranges::any_of(cells,
                                        [&](const DashBoardCellInfo* cell) {
                                            return std::ranges::any_of(
                                                DashBoardCellMenus(project, *cell->GetMenu()),
                                                leads);
                                        }))
                {
                    leading.push_back(page);
                    found = true;
                }
            }
    }
    for (const Module* module : project.GetModules())
        for (const DashBoardPage* page : module->GetDashBoardPages())
            if (page != role.GetDashBoardPage() &&
                std::ranges::find(leading, page) != leading.end())
                pages.push_back(page);
    return pages;
}
