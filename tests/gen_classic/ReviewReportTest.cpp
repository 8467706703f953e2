#include "entities/AspFile.h"
#include "entities/Form.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "gen_classic/ReviewReportWriter.h"
#include "tests/gen_web/GenWebProject.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

namespace
{

const std::string separator(60, '=');

std::string Report(GenWebProject& project)
{
    ReviewReportWriter(project.Project(), project.Report()).Write();
    std::string text = ReadHostFile(project.Root() / "_system/scripts/ReviewReport.txt");
    std::erase(text, '\r');
    return text;
}

} // namespace

TEST(ReviewReportTest, ListsUnflaggedProceduresUnlinkedPageFilesAndLeafMenusWithoutPages)
{
    GenWebProject project;
    Module& base = project.Base();
    Procedure* flagged = NewProcedure("PRC_flagged");
    Procedure* open = NewProcedure("PRC_open");
    open->SetWriteFlag(false);
    base.Append(flagged);
    base.Append(open);

    Table* customerTable = NewTable("customer");
    Table* orderTable = NewTable("order");
    base.AppendMasterTable(customerTable);
    base.AppendMasterTable(orderTable);
    Form* customer = NewForm("Customer", customerTable);
    Form* order = NewForm("Order", orderTable);
    base.Append(customer);
    base.Append(order);
    for (Form* form : {customer, order})
        for (int kind : {1, 3})
            form->CreateAspFile(kind, AspFile::formOwner);
    Menu* masters = NewMenu("Masters");
    Menu* customers = NewMenu("Customers");
    Menu* empty = NewMenu("Empty");
    Menu* parentOnly = NewMenu("Parent");
    masters->AddSubMenu(customers);
    masters->AddSubMenu(empty);
    base.Append(masters);
    base.Append(parentOnly);
    parentOnly->AddSubMenu(NewMenu("Child"));
    // Linked with no menu: listed. Linked with a top menu only: not listed.
    customers->SetAspFile(customer->GetAspFileAt(1));
    masters->SetAspFile(order->GetAspFileAt(0));
    order->GetAspFileAt(0)->SetTopMenu(masters);
    masters->AddPageFile(order->GetAspFileAt(0));

    EXPECT_EQ(Report(project), "*************Procedures to be Reviewed*************\n"
                               "PRC_open\n" +
                                   separator +
                                   "\n"
                                   "\n*************ASPs to be Reviewed*************\n"
                                   "Following ASPs are called from other menus andthese ASPs do "
                                   "not have Top and Left menu\n\n"
                                   "Master Form\n"
                                   "BaseModule/Customer_upd.asp\n"
                                   "\n"
                                   "\n*************Menus to be Reviewed*************\n"
                                   "ASPs are not assigned for follwing Child  menus\n\n"
                                   "Masters__Empty\n"
                                   "Parent__Child\n");
    EXPECT_TRUE(project.Report().IsEmpty());
}

TEST(ReviewReportTest, WithoutACurrentModuleOnlyTheHeadingsAreWritten)
{
    GenWebProject project;
    project.Project().SetCurrentModule(nullptr);
    EXPECT_EQ(Report(project), "*************Procedures to be Reviewed*************\n"
                               "\n*************ASPs to be Reviewed*************\n"
                               "Following ASPs are called from other menus andthese ASPs do not "
                               "have Top and Left menu\n\n"
                               "\n*************Menus to be Reviewed*************\n"
                               "ASPs are not assigned for follwing Child  menus\n\n");
}
