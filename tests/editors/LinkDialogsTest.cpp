#include "../platform/ui/LayoutCheck.h"

#include "editors/LinkDialogs.h"
#include "entities/AspFile.h"
#include "entities/LinkControl.h"
#include "entities/Variable.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "platform/core/MessageBox.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "platform/ui/DialogDriver.h"
#include "tests/editors/logic/LinkedPages.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

// "Masters" > "Orders" opens the orders page (variables "OrderId", "Status"); the links of the
// invoices page (variables "CustId", "Region") and of its one control are edited.
class LinkDialogsTest : public ::testing::Test
{
protected:
    LinkDialogsTest()
    {
        Menu* masters = NewMenu("Masters");
        open.Base().Append(masters);
        orders = NewMenu("Orders");
        masters->AddSubMenu(orders);
        AddLinkedPage(open.Base(), "orders", orders, {"OrderId", "Status"});
        invoices = AddLinkedPage(open.Base(), "invoices", nullptr, {"CustId", "Region"});
        control = new FieldRep(invoices->GetTable()->GetFields().back());
        control->SetFieldRepData(new FieldRepData);
        control->GetFieldRepData()->SetCaption("Customer");
        invoices->AddFieldRep(control);
    }

    // The picker's script: expands the tree, assigns "Orders" and closes with the box.
    void AnswerPickerWithOrders()
    {
        dialogs.Answer(
            [](CDialog& dialog, DialogDriver& user)
            {
                auto* tree = dynamic_cast<CTreeCtrl*>(dialog.GetDlgItem(MenuPicker::IDC_TREE));
                ASSERT_NE(tree, nullptr);
                const HTREEITEM root = tree->GetRootItem();
                tree->Expand(root, TVE_EXPAND);
                const HTREEITEM masters = tree->GetChildItem(root);
                tree->Expand(masters, TVE_EXPAND);
                const HTREEITEM item = tree->GetChildItem(masters);
                EXPECT_EQ(tree->GetItemText(item), "Orders");
                EXPECT_TRUE(user.ClickTreeItem(MenuPicker::IDC_TREE, item));
                EXPECT_TRUE(user.Click(MenuPicker::IDC_ASSIGN));
                EXPECT_EQ(user.GetText(MenuPicker::IDC_FILE_NAME), "orders.aspx");
                user.PressCancel();
            });
    }

    static std::vector<std::string> Rows(CDialog& dialog, int id)
    {
        auto* list = dynamic_cast<CListCtrl*>(dialog.GetDlgItem(id));
        std::vector<std::string> rows;
        for (int row = 0; list != nullptr && row < list->GetItemCount(); ++row)
            rows.push_back(std::string(list->GetItemText(row, 1)) + "|" +
                           std::string(list->GetItemText(row, 2)));
        return rows;
    }

    static int TopOf(CDialog& dialog)
    {
        QCoreApplication::processEvents();
        CRect window;
        dialog.GetWindowRect(&window);
        return window.top;
    }

    static bool AreaShown(CDialog& dialog)
    {
        return dialog.GetDlgItem(LinkEditor::IDC_FORM_VARIABLES)->GetSafeHwnd()->isVisible();
    }

    OpenBaseModuleProject open;
    Menu* orders;
    Form* invoices;
    FieldRep* control;
    ScriptedDialogs dialogs;
};

TEST_F(LinkDialogsTest, PageLinksAreAddedMovedMappedAndDeleted)
{
    dialogs.Answer(
        [&](CDialog& dialog, DialogDriver& user)
        {
            CString title;
            dialog.GetWindowText(title);
            EXPECT_EQ(title, "Linkcontrol settings for invoices");
            EXPECT_EQ(GapBelow(dialog, LinkEditor::IDC_ADVANCED), 10);
            EXPECT_FALSE(AreaShown(dialog));

            for (const char* caption : {"First", "Second"})
            {
                AnswerPickerWithOrders();
                EXPECT_TRUE(user.Click(LinkEditor::IDC_SELECT_MENU));
                EXPECT_EQ(user.GetText(LinkEditor::IDC_MENU_NAME), "Orders");
                user.SetText(LinkEditor::IDC_CAPTION, caption);
                user.Select(LinkEditor::IDC_ALIGN, caption[0] == 'F' ? 0 : 2);
                if (caption[0] == 'S')
                    user.Click(PageLinkEditor::IDC_POST_LINK);
                // Enter in the caption box adds as the Add button does.
                EXPECT_TRUE(caption[0] == 'F' ? user.Click(LinkEditor::IDC_ADD)
                                              : user.PressKey(LinkEditor::IDC_CAPTION, VK_RETURN));
            }
            EXPECT_EQ(Rows(dialog, LinkEditor::IDC_LINKS),
                      (std::vector<std::string>{"First|PRE", "Second|POST"}));

            EXPECT_TRUE(user.ClickListRow(LinkEditor::IDC_LINKS, 1, 1));
            EXPECT_EQ(user.GetText(LinkEditor::IDC_ADD), "Update");
            EXPECT_TRUE(user.Click(LinkEditor::IDC_ADVANCED));
            EXPECT_EQ(user.GetText(LinkEditor::IDC_ADVANCED), "<<Advanced");
            EXPECT_TRUE(AreaShown(dialog));
            EXPECT_EQ(GapBelow(dialog, LinkEditor::IDC_FORM_VARIABLES), 10);
            KeepGrab(dialog.GetSafeHwnd(), LAYOUT_GRAB_DIR, "link-controls-expanded");
            EXPECT_TRUE(user.ClickListRow(LinkEditor::IDC_MENU_VARIABLES, 1, 1));
            EXPECT_TRUE(user.ClickListRow(LinkEditor::IDC_FORM_VARIABLES, 0, 1));
            EXPECT_TRUE(user.Click(LinkEditor::IDC_ASSIGN));
            EXPECT_EQ(Rows(dialog, LinkEditor::IDC_MENU_VARIABLES),
                      (std::vector<std::string>{"OrderId|", "Status|CustId"}));

            // Up within the post-links leaves the only one where it is.
            EXPECT_TRUE(user.Click(LinkEditor::IDC_UP));
            EXPECT_EQ(Rows(dialog, LinkEditor::IDC_LINKS),
                      (std::vector<std::string>{"First|PRE", "Second|POST"}));
            EXPECT_TRUE(user.Click(LinkEditor::IDC_ADVANCED));
            EXPECT_EQ(GapBelow(dialog, LinkEditor::IDC_ADVANCED), 10);

            EXPECT_TRUE(user.ClickListRow(LinkEditor::IDC_LINKS, 0, 1));
            EXPECT_TRUE(user.Click(LinkEditor::IDC_DELETE));
            EXPECT_EQ(Rows(dialog, LinkEditor::IDC_LINKS),
                      (std::vector<std::string>{"Second|POST"}));

            user.SetText(PageLinkEditor::IDC_PRE_COLUMNS, "5");
            user.PressOk();
            user.SetText(PageLinkEditor::IDC_PRE_COLUMNS, "3");
            user.PressOk();
        });
    ScriptedMessageBoxes boxes({IDYES, IDOK});
    LinkControlDlg dialog(open.Project(), *invoices);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(boxes.ShownTexts().size(), 2u);
    EXPECT_EQ(boxes.ShownTexts()[0], "Do you really want to delete selected entry \"First\"?");
    EXPECT_EQ(dialogs.UnscriptedCount(), 0u);
    EXPECT_EQ(dialogs.Shown(), (std::vector<UINT>{197, 294, 294}));
    EXPECT_EQ(invoices->GetPreLinkColumnCount(), 3);
    EXPECT_TRUE(invoices->GetPreLinkList().empty());
    ASSERT_EQ(invoices->GetPostLinkList().size(), 1u);
    const LinkControl* link = invoices->GetPostLinkList()[0];
    EXPECT_EQ(link->GetTarget(), orders);
    ASSERT_EQ(link->GetVariableMaps().size(), 1u);
    EXPECT_EQ(link->GetVariableMaps()[0]->pageVariable->GetFieldName(), "CustId");
    EXPECT_EQ(link->GetVariableMaps()[0]->targetVariable->GetFieldName(), "Status");

    dialogs.Answer(
        [&](CDialog& dialog, DialogDriver& user)
        {
            CString title;
            dialog.GetWindowText(title);
            EXPECT_EQ(title, "Linkcontrol settings for Customer");
            EXPECT_EQ(GapBelow(dialog, LinkEditor::IDC_ADVANCED), 10);
            AnswerPickerWithOrders();
            user.Click(LinkEditor::IDC_SELECT_MENU);
            user.SetText(LinkEditor::IDC_CAPTION, "Open");
            EXPECT_TRUE(user.Click(LinkEditor::IDC_ADD));
            EXPECT_EQ(Rows(dialog, LinkEditor::IDC_LINKS), (std::vector<std::string>{"Open|left"}));
            EXPECT_TRUE(user.DoubleClickListRow(LinkEditor::IDC_LINKS, 0, 1));
            EXPECT_EQ(user.GetText(LinkEditor::IDC_ADD), "Update");
            user.PressOk();
        });
    FieldLinkControlDlg field(open.Project(), *control, *invoices);
    EXPECT_EQ(field.DoModal(), IDOK);

    // Once laid out, the field dialog moves 50 pixels up.
    FieldLinkControlDlg shown(open.Project(), *control, *invoices);
    ASSERT_TRUE(shown.Create(FieldLinkControlDlg::IDD));
    CRect before;
    shown.GetWindowRect(&before);
    EXPECT_EQ(TopOf(shown), before.top - 50);
    EXPECT_EQ(GapBelow(shown, LinkEditor::IDC_ADVANCED), 10);
    shown.DestroyWindow();
    EXPECT_EQ(control->GetFieldRepData()->GetLinkControls().size(), 1u);
}
// Escape and the close box ask about a column count typed and not stored: No drops it, Yes
// stores it as OK does; an untouched dialog closes without a question.
TEST_F(LinkDialogsTest, EscapeOrTheCloseBoxAsksAboutChangedColumnCounts)
{
    struct Case
    {
        bool closeBox;
        int box;
        int answer;
        INT_PTR result;
        int pre;
        int post;
    };
    for (const Case& test : {Case{false, PageLinkEditor::IDC_PRE_COLUMNS, IDNO, IDCANCEL, 2, 2},
                             Case{true, PageLinkEditor::IDC_PRE_COLUMNS, IDYES, IDOK, 3, 2},
                             Case{false, PageLinkEditor::IDC_POST_COLUMNS, IDYES, IDOK, 2, 3},
                             Case{true, PageLinkEditor::IDC_POST_COLUMNS, IDNO, IDCANCEL, 2, 2}})
    {
        invoices->SetPreLinkColumnCount(2);
        invoices->SetPostLinkColumnCount(2);
        dialogs.Answer(
            [&](CDialog& dialog, DialogDriver& user)
            {
                user.SetText(test.box, "3");
                if (test.closeBox)
                    dialog.GetSafeHwnd()->close();
                else
                    EXPECT_TRUE(user.TypeKeys(test.box, "\x1b"));
            });
        ScriptedMessageBoxes boxes{test.answer};
        LinkControlDlg dialog(open.Project(), *invoices);
        EXPECT_EQ(dialog.DoModal(), test.result);
        EXPECT_EQ(boxes.ShownTexts(),
                  std::vector<std::string>{
                      "The link layout of page \"invoices\" has not been updated. Update it?"});
        EXPECT_EQ(invoices->GetPreLinkColumnCount(), test.pre);
        EXPECT_EQ(invoices->GetPostLinkColumnCount(), test.post);
    }
    dialogs.Answer([](CDialog& dialog, DialogDriver&) { dialog.GetSafeHwnd()->close(); });
    ScriptedMessageBoxes none;
    LinkControlDlg dialog(open.Project(), *invoices);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(none.ShownTexts().empty());
}
} // namespace
