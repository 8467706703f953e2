#pragma once

#include "entities/ApplicationReport.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "entities/FormInterface.h"
#include "entities/LoginPage.h"
#include "entities/MapForm.h"
#include "entities/MultiPageReport.h"
#include "entities/RDLCReport.h"
#include "entities/Transaction.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"

#include <vector>

// The module's pages, the login page last.
inline std::vector<FormInterface*> PagesWithLogin(const Module& module)
{
    std::vector<FormInterface*> pages;
    module.GetAllPages(pages);
    if (module.GetLoginPage() != nullptr)
        pages.push_back(module.GetLoginPage());
    return pages;
}

// The pages the tree deletes, the login page too.
inline std::vector<FormInterface*> AllPages(const Module& module)
{
    std::vector<FormInterface*> pages = PagesWithLogin(module);
    std::erase_if(pages, [](const FormInterface* page)
                  { return dynamic_cast<const MultiPageReport*>(page) != nullptr; });
    return pages;
}

// Deletes the page as the tree does for its kind.
inline bool DeletePage(ForgeonProject& project, FormInterface* page)
{
    if (auto* form = dynamic_cast<Form*>(page))
        return project.DeleteForm(form);
    if (auto* transaction = dynamic_cast<Transaction*>(page))
        return project.DeleteTransaction(transaction);
    if (auto* report = dynamic_cast<ApplicationReport*>(page))
        return project.DeleteApplicationReport(report);
    if (auto* mapForm = dynamic_cast<MapForm*>(page))
        return project.DeleteMapForm(mapForm);
    if (auto* dashBoardPage = dynamic_cast<DashBoardPage*>(page))
        return project.DeleteDashBoardPage(dashBoardPage);
    if (auto* dashBoard = dynamic_cast<DashBoard*>(page))
        return project.DeleteDashBoard(dashBoard);
    if (auto* rdlcReport = dynamic_cast<RDLCReport*>(page))
        return project.DeleteRDLCReport(rdlcReport);
    if (auto* loginPage = dynamic_cast<LoginPage*>(page))
        return project.DeleteLoginPage(loginPage);
    return false;
}
