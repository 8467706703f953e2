#include "editors/logic/LinkEditors.h"
#include "entities/AspFile.h"
#include "entities/LinkControl.h"
#include "entities/Variable.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "platform/core/MessageBox.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/editors/logic/LinkedPages.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace
{
// "BaseModule": "Masters" > "Orders" (opens the orders page) and "Customers" (opens the
// customers page), "Empty" (no page file). "Sales": "Invoices" opens the invoices page, whose
// links are edited; it has the variables "CustId" and "Region", the orders page "OrderId" and
// "Status". The invoices page has one control bound to a field.
class LinkEditorsTest : public ::testing::Test
{
protected:
    LinkEditorsTest()
    {
        masters = AddMenu(Base(), nullptr, "Masters");
        ordersMenu = AddMenu(Base(), masters, "Orders");
        customersMenu = AddMenu(Base(), masters, "Customers");
        emptyMenu = AddMenu(Base(), nullptr, "Empty");
        sales = NewModule("Sales", 2);
        open.Project().AddModule(sales);
        invoicesMenu = AddMenu(*sales, nullptr, "Invoices");
        orders = AddLinkedPage(Base(), "orders", ordersMenu, {"OrderId", "Status"});
        AddLinkedPage(Base(), "customers", customersMenu, {});
        invoices = AddLinkedPage(*sales, "invoices", invoicesMenu, {"CustId", "Region"});
        control = new FieldRep(invoices->GetTable()->GetFields().back());
        control->SetFieldRepData(new FieldRepData);
        control->GetFieldRepData()->SetCaption("Customer");
        invoices->AddFieldRep(control);
    }

    static Menu* AddMenu(Module& module, Menu* parent, const char* name)
    {
        Menu* menu = NewMenu(name);
        if (parent != nullptr)
            parent->AddSubMenu(menu);
        else
            module.Append(menu);
        return menu;
    }
    Module& Base() { return open.Base(); }

    ChooseLinkMenu Chooser()
    {
        return [this](Menu* current)
        {
            offered.push_back(current);
            Menu* next = picks.front();
            picks.pop_front();
            return next;
        };
    }
    std::unique_ptr<LinkEditor> MakeEditor(bool field)
    {
        std::unique_ptr<LinkEditor> editor;
        if (field)
            editor = std::make_unique<FieldLinkEditor>(*control, *invoices, Chooser());
        else
            editor = std::make_unique<PageLinkEditor>(*invoices, Chooser());
        editor->Open();
        return editor;
    }
    // Picks the menu, types the caption and chooses the alignment, then "Add" or "Update".
    void Store(LinkEditor& editor, Menu* menu, const char* caption, int alignment)
    {
        picks.push_back(menu);
        editor.SelectMenu();
        editor.States().SetText(LinkEditor::IDC_CAPTION, caption);
        editor.States().Select(LinkEditor::IDC_ALIGN, alignment);
        editor.AddOrUpdate();
    }
    static std::vector<std::string> Rows(const std::vector<ListRow>& rows)
    {
        std::vector<std::string> lines;
        for (const ListRow& row : rows)
        {
            std::string line;
            for (std::size_t cell = 1; cell < row.cells.size(); ++cell)
                line += (cell > 1 ? "|" : "") + std::string(row.cells[cell]);
            lines.push_back(line);
        }
        return lines;
    }

    OpenBaseModuleProject open;
    Menu* masters;
    Menu* ordersMenu;
    Menu* customersMenu;
    Menu* emptyMenu;
    Menu* invoicesMenu;
    Module* sales;
    Form* orders;
    Form* invoices;
    FieldRep* control;
    std::deque<Menu*> picks;
    std::vector<Menu*> offered;
};

TEST_F(LinkEditorsTest, PickerAssignsOnlyLeavesWithAPageFile)
{
    enum Step
    {
        root,
        mastersItem,
        emptyItem,
        customersItem,
        assign,
        removeChoice
    };
    const struct
    {
        Menu* given;
        std::vector<Step> steps;
        std::vector<int> answers;
        const char* chosen;
        const char* menuName;
        const char* fileName;
        std::vector<std::string> messages;
    } cases[] = {
        {nullptr, {}, {}, "", "Menu not assigned", "", {}},
        {ordersMenu, {}, {}, "Orders", "Orders", "orders.aspx", {}},
        {emptyMenu, {}, {}, "Empty", "Menu not assigned", "", {}},
        {ordersMenu, {root, assign}, {}, "Orders", "Orders", "orders.aspx", {}},
        {ordersMenu, {mastersItem, assign}, {}, "Orders", "Orders", "orders.aspx", {}},
        {ordersMenu,
         {emptyItem, assign},
         {},
         "Orders",
         "Orders",
         "orders.aspx",
         {"Can not add Link. No asp file attached"}},
        {nullptr, {customersItem, assign}, {}, "Customers", "Customers", "customers.aspx", {}},
        {ordersMenu,
         {removeChoice},
         {IDNO},
         "Orders",
         "Orders",
         "orders.aspx",
         {"Do you want to remove the menu \"Orders\"?"}},
        {ordersMenu,
         {removeChoice},
         {IDYES},
         "",
         "",
         "",
         {"Do you want to remove the menu \"Orders\"?"}},
        {nullptr, {removeChoice}, {}, "", "Menu not assigned", "", {}},
    };
    for (const auto& each : cases)
    {
        ScriptedMessageBoxes boxes;
        for (int answer : each.answers)
            boxes.Answer(answer);
        MenuPicker picker(open.Project(), each.given);
        picker.Open();
        const MenuTreeModel& tree = picker.Tree();
        for (Step step : each.steps)
        {
            if (step == assign)
                picker.Assign();
            else if (step == removeChoice)
                picker.Remove();
            else if (step == root)
                picker.SelectItem(tree.GetRoots()[0]);
            else
            {
                const Menu* menu = step == mastersItem ? masters
                                   : step == emptyItem ? emptyMenu
                                                       : customersMenu;
                picker.SelectItem(tree.FindItemOf(menu->GetId()));
            }
        }
        const std::string context = std::string(each.chosen) + " " + each.menuName;
        EXPECT_EQ(picker.GetChosen() != nullptr ? std::string(picker.GetChosen()->GetName()) : "",
                  each.chosen)
            << context;
        EXPECT_EQ(std::string(picker.States().GetText(MenuPicker::IDC_MENU_NAME)), each.menuName)
            << context;
        EXPECT_EQ(std::string(picker.States().GetText(MenuPicker::IDC_FILE_NAME)), each.fileName)
            << context;
        EXPECT_EQ(boxes.ShownTexts(), each.messages) << context;
        EXPECT_EQ(boxes.UnscriptedCount(), each.answers.empty() ? each.messages.size() : 0u);
    }
}

TEST_F(LinkEditorsTest, PickerTreeHasEveryModuleWithoutItalics)
{
    MenuPicker picker(open.Project(), nullptr);
    picker.Open();
    const MenuTreeModel& tree = picker.Tree();
    std::vector<std::string> texts;
    for (int item : tree.WalkAll())
    {
        EXPECT_FALSE(tree.At(item).italic);
        texts.push_back(std::string(tree.At(item).text));
    }
    EXPECT_EQ(texts,
              (std::vector<std::string>{"BaseModule_Parent Menu", "Masters", "Orders", "Customers",
                                        "Empty", "Sales_Parent Menu", "Invoices"}));
    EXPECT_EQ(tree.GetSelected(), -1);
}

// One store after the existing links, for each dialog.
TEST_F(LinkEditorsTest, AddValidatesAndRefusesDuplicates)
{
    struct Existing
    {
        Menu* menu;
        bool pre;
        int alignment;
    };
    const struct
    {
        bool field;
        std::vector<Existing> existing;
        Menu* chosen;
        bool pre;
        int alignment;
        const char* caption;
        std::vector<std::string> messages;
        std::vector<std::string> rows;
    } cases[] = {
        {false, {}, nullptr, true, 0, "Go", {"Please select a Menu from menu tree"}, {}},
        {true, {}, nullptr, true, 0, "Go", {"Please select a Menu from menu tree"}, {}},
        {false, {}, masters, true, 0, "Go", {"Please select the proper child menu"}, {}},
        {true, {}, masters, true, 0, "Go", {"Please select the proper child menu"}, {}},
        {false, {}, emptyMenu, true, 0, "Go", {"Can not add Link. No asp file attached"}, {}},
        {true, {}, emptyMenu, true, 0, "Go", {"Can not add Link. No asp file attached"}, {}},
        {false, {}, ordersMenu, false, 2, "Go", {}, {"Go|POST|Right|Orders|orders.aspx"}},
        {true, {}, ordersMenu, true, 1, "Go", {}, {"Go|center|Orders|orders.aspx"}},
        {false,
         {{ordersMenu, false, 0}},
         ordersMenu,
         true,
         0,
         "Go",
         {"Such link control already present."},
         {"Old|POST|left|Orders|orders.aspx"}},
        {true,
         {{ordersMenu, true, 0}},
         ordersMenu,
         true,
         0,
         "Go",
         {"Such Link control already present."},
         {"Old|left|Orders|orders.aspx"}},
        {false,
         {{ordersMenu, true, 0}},
         ordersMenu,
         true,
         1,
         "Go",
         {},
         {"Old|PRE|left|Orders|orders.aspx", "Go|PRE|center|Orders|orders.aspx"}},
        {true,
         {{ordersMenu, true, 0}},
         ordersMenu,
         true,
         2,
         "Go",
         {},
         {"Old|left|Orders|orders.aspx", "Go|Right|Orders|orders.aspx"}},
        {false,
         {{ordersMenu, true, 0}},
         customersMenu,
         true,
         1,
         " Old ",
         {"The generated page names this link as the link \"Old\". Please enter another Link "
          "Display Name"},
         {"Old|PRE|left|Orders|orders.aspx"}},
        {true,
         {{ordersMenu, true, 0}},
         customersMenu,
         true,
         1,
         "Old",
         {},
         {"Old|left|Orders|orders.aspx", "Old|center|Customers|customers.aspx"}},
        {false,
         {},
         customersMenu,
         true,
         0,
         "",
         {"Please enter Link Display Name"},
         {"|PRE|left|Customers|customers.aspx"}},
        {true,
         {},
         customersMenu,
         true,
         0,
         "",
         {"Please enter Link Display Name"},
         {"|left|Customers|customers.aspx"}},
    };
    for (const auto& each : cases)
    {
        FieldRepData& data = *control->GetFieldRepData();
        while (!data.GetLinkControls().empty())
            data.RemoveLinkControlAt(0);
        for (auto* list : {&invoices->GetPreLinkList(), &invoices->GetPostLinkList()})
            while (!list->empty())
            {
                LinkControl* link = list->front();
                invoices->RemovePreLink(link);
                invoices->RemovePostLink(link);
                delete link;
            }
        for (const Existing& old : each.existing)
        {
            auto* link = new LinkControl(old.menu, 0, 0, old.alignment);
            link->SetCaption("Old");
            if (each.field)
                data.AddLinkControl(link);
            else if (old.pre)
                invoices->AddPreLink(link);
            else
                invoices->AddPostLink(link);
        }
        ScriptedMessageBoxes boxes;
        auto editor = MakeEditor(each.field);
        if (auto* page = dynamic_cast<PageLinkEditor*>(editor.get()))
            page->SetPlacement(each.pre);
        Store(*editor, each.chosen, each.caption, each.alignment);
        const std::string context =
            std::string(each.caption) + " " + (each.field ? "field" : "page");
        EXPECT_EQ(boxes.ShownTexts(), each.messages) << context;
        EXPECT_EQ(Rows(editor->GetLinkRows()), each.rows) << context;
        EXPECT_EQ(std::string(editor->States().GetText(LinkEditor::IDC_ADD)), "Add");
    }
}

TEST_F(LinkEditorsTest, UpdateMovesTheLinkToThePlacementAndKeepsAlignmentsUnique)
{
    ScriptedMessageBoxes boxes;
    auto editor = MakeEditor(false);
    auto& page = static_cast<PageLinkEditor&>(*editor);
    Store(page, ordersMenu, "A", 0);
    Store(page, customersMenu, "B", 0);
    page.SetPlacement(false);
    Store(page, ordersMenu, "C", 1);
    EXPECT_EQ(Rows(page.GetLinkRows()),
              (std::vector<std::string>{"A|PRE|left|Orders|orders.aspx",
                                        "B|PRE|left|Customers|customers.aspx",
                                        "C|POST|center|Orders|orders.aspx"}));

    page.ClickLink(2);
    EXPECT_FALSE(page.IsPreLink());
    EXPECT_EQ(std::string(page.States().GetText(LinkEditor::IDC_ADD)), "Update");
    page.States().Select(LinkEditor::IDC_ALIGN, 0);
    page.AddOrUpdate();
    EXPECT_EQ(boxes.ShownTexts(), (std::vector<std::string>{"Such link control already present."}));

    page.ClickLink(0);
    EXPECT_TRUE(page.IsPreLink());
    page.SetPlacement(false);
    page.States().SetText(LinkEditor::IDC_CAPTION, "A2");
    page.AddOrUpdate();
    EXPECT_EQ(Rows(page.GetLinkRows()),
              (std::vector<std::string>{"B|PRE|left|Customers|customers.aspx",
                                        "C|POST|center|Orders|orders.aspx",
                                        "A2|POST|left|Orders|orders.aspx"}));
    EXPECT_EQ(boxes.ShownTexts().size(), 1u);
    EXPECT_EQ(page.GetTitle(), "Linkcontrol settings for invoices");
}

TEST_F(LinkEditorsTest, AnotherMenuDropsTheParameterPairsAtOnce)
{
    for (bool field : {false, true})
    {
        ScriptedMessageBoxes boxes;
        auto editor = MakeEditor(field);
        Store(*editor, ordersMenu, "Orders", 0);
        editor->ClickLink(0);
        LinkControl* link = editor->GetEditedLink();
        // "<" appends, then replaces the pair of the same target variable.
        editor->SelectMenuVariable(1);
        editor->SelectFormVariable(0);
        editor->AssignVariable();
        editor->SelectMenuVariable(0);
        editor->SelectFormVariable(1);
        editor->AssignVariable();
        editor->SelectMenuVariable(1);
        editor->SelectFormVariable(1);
        editor->AssignVariable();
        EXPECT_EQ(Rows(editor->GetMenuVariableRows()),
                  (std::vector<std::string>{"OrderId|Region", "Status|Region"}));
        EXPECT_EQ(link->GetVariableMaps().size(), 2u);

        boxes.Answer(IDNO);
        editor->SelectMenuVariable(0);
        editor->RemoveVariable();
        EXPECT_EQ(link->GetVariableMaps().size(), 2u);
        boxes.Answer(IDYES);
        editor->SelectMenuVariable(0);
        editor->RemoveVariable();
        EXPECT_EQ(Rows(editor->GetMenuVariableRows()),
                  (std::vector<std::string>{"OrderId|", "Status|Region"}));
        EXPECT_EQ(boxes.ShownTexts(),
                  (std::vector<std::string>(
                      2, "Do you really want to delete selected entry \"OrderId\"?")));

        picks.push_back(customersMenu);
        editor->SelectMenu();
        EXPECT_EQ(offered.back(), ordersMenu);
        EXPECT_TRUE(link->GetVariableMaps().empty());
        EXPECT_EQ(link->GetTarget(), nullptr);
        EXPECT_TRUE(editor->GetMenuVariableRows().empty());
        EXPECT_EQ(std::string(editor->States().GetText(LinkEditor::IDC_MENU_NAME)), "Customers");

        picks.push_back(nullptr);
        editor->SelectMenu();
        EXPECT_EQ(std::string(editor->States().GetText(LinkEditor::IDC_MENU_NAME)),
                  "Menu not assigned.");
    }
}

enum Move
{
    moveUp,
    moveDown,
    deleteRow
};

TEST_F(LinkEditorsTest, UpDownAndDeleteWithinEachList)
{
    const struct
    {
        bool field;
        int row;
        Move action;
        bool preRadio;
        std::vector<std::string> captions;
        int selectedAfter;
    } cases[] = {
        {false, 0, moveUp, true, {"P1", "P2", "Q1", "Q2"}, 0},
        {false, 1, moveUp, true, {"P2", "P1", "Q1", "Q2"}, 0},
        {false, 2, moveUp, true, {"P1", "P2", "Q1", "Q2"}, 1},
        {false, 1, moveDown, true, {"P1", "P2", "Q1", "Q2"}, 2},
        {false, 2, moveDown, true, {"P1", "P2", "Q2", "Q1"}, 3},
        {false, 3, moveDown, true, {"P1", "P2", "Q1", "Q2"}, 3},
        {false, 3, deleteRow, true, {"P1", "P2", "Q1"}, -1},
        {false, 0, deleteRow, false, {"P2", "Q1", "Q2"}, -1},
        {true, 0, moveUp, true, {"P1", "P2", "Q1", "Q2"}, 0},
        {true, 2, moveUp, true, {"P1", "Q1", "P2", "Q2"}, 1},
        {true, 3, moveDown, true, {"P1", "P2", "Q1", "Q2"}, 3},
        {true, 1, deleteRow, true, {"P1", "Q1", "Q2"}, -1},
    };
    for (const auto& each : cases)
    {
        OpenBaseModuleProject fresh;
        Form* page = NewForm("page", NewTable("page"));
        fresh.Base().AppendMasterTable(page->GetTable());
        fresh.Base().Append(page);
        FieldRep rep;
        rep.SetFieldRepData(new FieldRepData);
        int index = 0;
        for (const char* caption : {"P1", "P2", "Q1", "Q2"})
        {
            auto* link = new LinkControl(nullptr, 0, 0, index);
            link->SetCaption(caption);
            if (each.field)
                rep.GetFieldRepData()->AddLinkControl(link);
            else if (index < 2)
                page->AddPreLink(link);
            else
                page->AddPostLink(link);
            ++index;
        }
        ScriptedMessageBoxes boxes({IDYES});
        std::unique_ptr<LinkEditor> editor;
        if (each.field)
            editor = std::make_unique<FieldLinkEditor>(rep, *page, Chooser());
        else
        {
            auto pageEditor = std::make_unique<PageLinkEditor>(*page, Chooser());
            pageEditor->SetPlacement(each.preRadio);
            editor = std::move(pageEditor);
        }
        editor->Open();
        editor->ClickLink(each.row);
        if (auto* pageEditor = dynamic_cast<PageLinkEditor*>(editor.get()))
            pageEditor->SetPlacement(each.preRadio);
        if (each.action == moveUp)
            editor->Up();
        else if (each.action == moveDown)
            editor->Down();
        else
            editor->Delete();
        std::vector<std::string> captions;
        for (const ListRow& row : editor->GetLinkRows())
            captions.push_back(std::string(row.cells[1]));
        const std::string context = std::to_string(each.row) + (each.field ? " field" : " page");
        EXPECT_EQ(captions, each.captions) << context;
        EXPECT_EQ(editor->GetSelectedLink(), each.selectedAfter) << context;
        std::vector<std::string> questions;
        if (each.action == deleteRow)
        {
            // The question names the link of the row, as listed before the delete.
            const char* const listed[] = {"P1", "P2", "Q1", "Q2"};
            questions.push_back(std::string(each.field ? "Do you really want to delete link \""
                                                       : "Do you really want to delete selected "
                                                         "entry \"") +
                                listed[each.row] + "\"?");
        }
        EXPECT_EQ(boxes.ShownTexts(), questions) << context;
    }
}

TEST_F(LinkEditorsTest, OpeningShowsTitlesCountsAndVariables)
{
    invoices->SetPreLinkColumnCount(3);
    PageLinkEditor page(*invoices, Chooser());
    page.Open();
    EXPECT_EQ(std::string(page.States().GetText(PageLinkEditor::IDC_PRE_COLUMNS)), "3");
    EXPECT_EQ(std::string(page.States().GetText(PageLinkEditor::IDC_POST_COLUMNS)), "2");
    EXPECT_TRUE(page.States().IsChecked(PageLinkEditor::IDC_PRE_LINK));
    EXPECT_FALSE(page.States().IsEnabled(LinkEditor::IDC_DELETE));
    EXPECT_EQ(Rows(page.GetFormVariableRows()), (std::vector<std::string>{"CustId", "Region"}));
    // Escape asks once a count box holds another count than the page's.
    EXPECT_EQ(page.AskAboutChanges(), IDNO);
    for (int box : {PageLinkEditor::IDC_PRE_COLUMNS, PageLinkEditor::IDC_POST_COLUMNS})
    {
        const CString stored = page.States().GetText(box);
        page.States().SetText(box, "4");
        ScriptedMessageBoxes boxes{IDYES};
        EXPECT_EQ(page.AskAboutChanges(), IDYES);
        EXPECT_EQ(boxes.ShownTexts(),
                  std::vector<std::string>{
                      "The link layout of page \"invoices\" has not been updated. Update it?"});
        page.States().SetText(box, stored);
    }
    page.Ok(1, 4);
    EXPECT_EQ(invoices->GetPreLinkColumnCount(), 1);
    EXPECT_EQ(invoices->GetPostLinkColumnCount(), 4);

    FieldLinkEditor field(*control, *invoices, Chooser());
    field.Open();
    EXPECT_EQ(field.GetTitle(), "Linkcontrol settings for Customer");
    FieldRep unbound;
    unbound.SetFieldRepData(new FieldRepData);
    FieldLinkEditor other(unbound, *invoices, Chooser());
    other.Open();
    EXPECT_EQ(other.GetTitle(), "Linkcontrols for field");
    other.ToggleAdvanced();
    EXPECT_EQ(std::string(other.States().GetText(LinkEditor::IDC_ADVANCED)), "<<Advanced");
    other.ToggleAdvanced();
    EXPECT_EQ(std::string(other.States().GetText(LinkEditor::IDC_ADVANCED)), "Advanced>>");
}
} // namespace
