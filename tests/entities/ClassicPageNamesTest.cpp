#include "entities/AspFile.h"
#include "entities/AspxFile.h"
#include "entities/Form.h"
#include "entities/LinkControl.h"
#include "entities/Menu.h"
#include "model/Module.h"
#include "model/Table.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
// The master form "order entry" over "orders" in the module "Sales".
struct SalesForm
{
    SalesForm()
    {
        table.SetTableName("orders");
        page.SetName("order entry");
        page.SetTable(&table);
        page.SetModule(&module);
    }

    Table table;
    Module module{"Sales"};
    Form page;
};

// The classic generator names an ASP.NET page file as it would name a plain one, so that the
// pages of one page differ: the two action pages of a form, a login page and its action.
TEST(ClassicPageNamesTest, EveryOwnerAndFileKindNamedAsAPlainPageFile)
{
    struct Case
    {
        int owner;
        int kind;
        const char* name;
    };
    const Case cases[] = {
        {AspFile::formOwner, 1, "order_entry_add.asp"},
        {AspFile::formOwner, 2, "order_entry_add_action.asp"},
        {AspFile::formOwner, 3, "order_entry_upd.asp"},
        {AspFile::formOwner, 4, "order_entry_upd_action.asp"},
        {AspFile::transactionOwner, 5, "order_entry_addReport.asp"},
        {AspFile::transactionOwner, 8, "order_entry_updReport_action.asp"},
        {AspFile::reportOwner, 0, "order_entry_report.asp"},
        {AspFile::reportOwner, 11, "order_entry_action.asp"},
        {AspFile::mapFormOwner, 9, "order_entry_action.asp"},
        {AspFile::dashBoardOwner, 0, "order_entry.asp"},
        {AspFile::dashBoardPageOwner, 0, "order_entry.asp"},
        {AspFile::loginPageOwner, 0, "Login.asp"},
        {AspFile::loginPageOwner, 1, "Login_action.asp"},
        {AspFile::multiPageReportOwner, 0, "order_entry.asp"},
        {AspFile::reportCollectorOwner, 0, "order_entry.asp"},
        {AspFile::rdlcReportOwner, 0, "order_entry_report.asp"},
        {42, 1, ""},
    };
    SalesForm form;
    Form& page = form.page;
    for (const Case& c : cases)
    {
        for (const bool aspx : {false, true})
        {
            std::unique_ptr<AspFile> file(aspx ? new AspxFile : new AspFile);
            file->SetOwnerKind(c.owner);
            file->SetFileKind(c.kind);
            file->SetOwnerPage(&page);
            const std::string trace =
                std::to_string(c.owner) + "/" + std::to_string(c.kind) + (aspx ? " aspx" : " asp");
            EXPECT_EQ(CString(c.name), file->GetClassicFileName(FALSE)) << trace;
            EXPECT_EQ(*c.name == '\0' ? CString() : "Sales/" + CString(c.name),
                      file->GetClassicRelativeUrl(FALSE, FALSE))
                << trace;
            EXPECT_EQ(*c.name == '\0' ? CString() : "../../Sales/" + CString(c.name),
                      file->GetClassicRelativeUrl(TRUE, FALSE))
                << trace;
            if (!aspx)
            {
                EXPECT_EQ(file->GetFileName(FALSE), file->GetClassicFileName(FALSE)) << trace;
            }
        }
    }
    AspFile orphan;
    EXPECT_EQ(CString(), orphan.GetClassicRelativeUrl(TRUE, FALSE));
}

TEST(ClassicPageNamesTest, ASPNetNamesStayAndLinksGetBothAddresses)
{
    SalesForm form;
    Form& page = form.page;
    auto* addAction = new AspxFile;
    addAction->SetFileKind(2);
    addAction->SetOwnerPage(&page);
    page.AddAspFile(addAction);
    EXPECT_EQ(CString("Sales/UI/orders.aspx"), addAction->GetRelativeUrl(FALSE, FALSE));

    Menu menu;
    menu.SetAspFile(addAction);
    LinkControl link(&menu, 0, 0, LinkControl::Left);
    EXPECT_EQ(CString("../../Sales/UI/orders.aspx"), link.GetTargetUrl());
    EXPECT_EQ(CString("../../Sales/order_entry_add_action.asp"), link.GetClassicTargetUrl());
    Menu empty;
    EXPECT_EQ(CString(), LinkControl(&empty, 0, 0, LinkControl::Left).GetClassicTargetUrl());
}
} // namespace
