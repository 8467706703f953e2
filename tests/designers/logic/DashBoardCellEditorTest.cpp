#include "designers/logic/DashBoardCellEditor.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/Function.h"
#include "entities/GridCell.h"
#include "entities/Menu.h"
#include "entities/ProcedureFieldInfo.h"
#include "tests/designers/logic/DashBoardTestSupport.h"
#include "tests/editors/logic/LinkedPages.h"

#include <gtest/gtest.h>

namespace
{

// A dashboard of the module with the variables "Region" and "Year", bound to the function
// Sales.Totals whose output fields are Amount and Count (and one without a field); the menu
// "Orders" opens a page with the variables "OrderRegion" and "OrderYear".
class CellEditorTest : public ::testing::Test
{
protected:
    CellEditorTest()
    {
        Module& module = open.Current();
        module.Append(page);
        for (const char* name : {"Region", "Year"})
        {
            auto* variable = new Variable;
            variable->SetName(name);
            page->AddFieldVariableMap(new FieldVariableMap{nullptr, variable});
        }
        Table* table = NewTable("SalesTable", Table::masterKind, {"Amount", "Count"});
        module.AppendMasterTable(table);
        auto* dataClass = new Class;
        dataClass->SetName("Sales");
        module.Append(dataClass);
        function = new Function;
        function->SetName("Totals");
        function->SetClass(dataClass);
        dataClass->AddFunction(function);
        for (const char* name : {"Amount", "Count"})
            function->AddOutputField(new ProcedureFieldInfo(table->FindFieldByName(name),
                                                            ProcedureFieldInfo::noAggregate));
        function->AddOutputField(new ProcedureFieldInfo);
        auto* invokation = new ClassInvokation;
        invokation->SetFunction(dataClass, function);
        page->SetClassInvokation(invokation);
        menu = NewMenu("Orders");
        module.Append(menu);
        AddLinkedPage(module, "OrderPage", menu, {"OrderRegion", "OrderYear"});
    }
    GridCell& Cell() { return *page->GetGrid()->GetCellAt(0, 0); }
    ProcedureFieldInfo* Output(int index) { return function->GetOutputFields()[index]; }
    ScriptedMessageBoxes boxes;
    OpenNewProject open;
    FakeDashBoardHost dash;
    DashBoard* page = []
    {
        auto* dashBoard = new DashBoard;
        dashBoard->SetGrid(new ::Grid(1, 1));
        return dashBoard;
    }();
    Function* function = nullptr;
    Menu* menu = nullptr;
    DashBoardCellEditor editor{*page, Cell(), dash};
};

const std::vector<int> kMenuControls = {DashBoardCellEditor::IDC_MENU_TREE,
                                        DashBoardCellEditor::IDC_ASSIGN_MENU,
                                        DashBoardCellEditor::IDC_REMOVE_MENU,
                                        DashBoardCellEditor::IDC_FUNCTION_FIELDS,
                                        DashBoardCellEditor::IDC_DASHBOARD_VARIABLES,
                                        DashBoardCellEditor::IDC_TARGETS,
                                        DashBoardCellEditor::IDC_SOURCES,
                                        DashBoardCellEditor::IDC_DISPLAY_LIST,
                                        DashBoardCellEditor::IDC_MAP,
                                        DashBoardCellEditor::IDC_UNMAP,
                                        DashBoardCellEditor::IDC_ADD_DISPLAY_FIELD,
                                        DashBoardCellEditor::IDC_REMOVE_DISPLAY_FIELD};

TEST_F(CellEditorTest, OpeningShowsThePanelsMode)
{
    struct Case
    {
        const char* name;
        std::function<void(DashBoardCellInfo*)> content;
        int checked;
        std::vector<int> enabled;
        const char* menuLabel;
    };
    const Case cases[] = {
        {"EmptyCell", nullptr, DashBoardCellEditor::IDC_STATIC_TEXT, {}, "Menu not assigned."},
        {"Menu",
         [this](DashBoardCellInfo* panel) { panel->SetMenu(menu); },
         DashBoardCellEditor::IDC_MENU,
         {DashBoardCellEditor::IDC_MENU_TREE, DashBoardCellEditor::IDC_REMOVE_MENU,
          DashBoardCellEditor::IDC_FUNCTION_FIELDS, DashBoardCellEditor::IDC_DASHBOARD_VARIABLES,
          DashBoardCellEditor::IDC_TARGETS, DashBoardCellEditor::IDC_SOURCES,
          DashBoardCellEditor::IDC_DISPLAY_LIST, DashBoardCellEditor::IDC_MAP,
          DashBoardCellEditor::IDC_UNMAP, DashBoardCellEditor::IDC_ADD_DISPLAY_FIELD,
          DashBoardCellEditor::IDC_REMOVE_DISPLAY_FIELD},
         "Orders"},
        {"DisplayFields",
         [this](DashBoardCellInfo* panel)
         {
             panel->SetStaticText(FALSE);
             panel->AddDisplayField(Output(0), "Total");
         },
         DashBoardCellEditor::IDC_DISPLAY_FIELDS,
         {DashBoardCellEditor::IDC_SOURCES, DashBoardCellEditor::IDC_DISPLAY_LIST,
          DashBoardCellEditor::IDC_REMOVE_DISPLAY_FIELD},
         "Menu not assigned."},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        Cell().Clear();
        if (c.content)
        {
            auto* panel = new DashBoardCellInfo;
            c.content(panel);
            Cell().SetCellData(panel, GridCell::kDashBoardCellInfo);
        }
        DashBoardCellEditor cellEditor(*page, Cell(), dash);
        cellEditor.Open();
        ASSERT_NE(Cell().GetDashBoardCellInfo(), nullptr);
        for (int radio : {DashBoardCellEditor::IDC_STATIC_TEXT, DashBoardCellEditor::IDC_MENU,
                          DashBoardCellEditor::IDC_DISPLAY_FIELDS})
            EXPECT_EQ(cellEditor.States().IsChecked(radio), radio == c.checked) << radio;
        EXPECT_EQ(EnabledIds(cellEditor.States(), kMenuControls), c.enabled);
        EXPECT_EQ(cellEditor.States().GetText(DashBoardCellEditor::IDC_MENU_LABEL), c.menuLabel);
    }
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(CellEditorTest, MenuLinkMapsEachTargetOnce)
{
    editor.Open();
    editor.MenuMode();
    dash.chosenMenu = menu;
    editor.AssignMenu();
    EXPECT_EQ(editor.GetPanel().GetMenu(), menu);
    EXPECT_FALSE(editor.GetPanel().IsStaticText());
    EXPECT_EQ(editor.States().GetText(DashBoardCellEditor::IDC_MENU_LABEL), "Orders");
    EXPECT_EQ(editor.States().GetText(DashBoardCellEditor::IDC_FILE_LABEL),
              menu->GetAspFile()->GetDefaultFileName());
    EXPECT_FALSE(editor.States().IsEnabled(DashBoardCellEditor::IDC_ASSIGN_MENU));
    EXPECT_TRUE(editor.States().IsEnabled(DashBoardCellEditor::IDC_REMOVE_MENU));
    EXPECT_EQ(RowTexts(editor.GetTargetRows()),
              (std::vector<std::string>{"OrderRegion|NOT ASSIGNED", "OrderYear|NOT ASSIGNED"}));

    editor.ShowDashBoardVariables();
    EXPECT_EQ(RowTexts(editor.GetSourceRows()), (std::vector<std::string>{"Region", "Year"}));
    editor.SelectTarget(1);
    editor.SelectSource(0);
    editor.Map();
    editor.SelectSource(1);
    editor.Map();
    editor.ShowFunctionFields();
    EXPECT_EQ(editor.States().GetText(DashBoardCellEditor::IDC_FUNCTION_LABEL), "Sales.Totals");
    EXPECT_EQ(RowTexts(editor.GetSourceRows()), (std::vector<std::string>{"Amount", "Count", ""}));
    editor.SelectTarget(0);
    editor.SelectSource(1);
    editor.Map();
    // An output field without a field maps nothing.
    editor.SelectTarget(1);
    editor.SelectSource(2);
    editor.Map();
    EXPECT_EQ(RowTexts(editor.GetTargetRows()),
              (std::vector<std::string>{"OrderRegion|Count", "OrderYear|Year"}));
    EXPECT_EQ(editor.GetPanel().GetVariableMaps().size(), 2u);

    editor.SelectTarget(0);
    editor.Unmap();
    EXPECT_EQ(RowTexts(editor.GetTargetRows()),
              (std::vector<std::string>{"OrderRegion|NOT ASSIGNED", "OrderYear|Year"}));

    editor.SelectTarget(5);
    editor.ShowMenuFile();
    boxes.Answer(IDNO);
    editor.RemoveMenu();
    EXPECT_EQ(editor.GetPanel().GetMenu(), menu);
    boxes.Answer(IDYES);
    editor.RemoveMenu();
    EXPECT_EQ(editor.GetPanel().GetMenu(), nullptr);
    EXPECT_TRUE(editor.GetPanel().GetVariableMaps().empty());
    EXPECT_TRUE(editor.GetTargetRows().empty());
    EXPECT_EQ(editor.States().GetText(DashBoardCellEditor::IDC_FILE_LABEL), "File not assigned.");
    EXPECT_TRUE(editor.States().IsEnabled(DashBoardCellEditor::IDC_ASSIGN_MENU));
}

TEST_F(CellEditorTest, StaticTextOverAMenuAsksAndAlwaysDropsMapsAndFields)
{
    for (const int answer : {IDNO, IDYES})
    {
        SCOPED_TRACE(answer);
        editor.Open();
        editor.MenuMode();
        dash.chosenMenu = menu;
        editor.AssignMenu();
        editor.ShowDashBoardVariables();
        editor.SelectTarget(0);
        editor.SelectSource(0);
        editor.Map();
        editor.GetPanel().AddDisplayField(Output(0), "Total");
        boxes.Answer(answer);
        editor.StaticTextMode();
        EXPECT_EQ(editor.GetPanel().GetMenu(), answer == IDYES ? nullptr : menu);
        EXPECT_EQ(editor.GetPanel().IsStaticText(), answer == IDYES);
        EXPECT_TRUE(editor.GetPanel().GetVariableMaps().empty());
        EXPECT_TRUE(editor.GetPanel().GetDisplayFields().empty());
        EXPECT_TRUE(editor.States().IsChecked(DashBoardCellEditor::IDC_STATIC_TEXT));
        EXPECT_FALSE(editor.States().IsChecked(DashBoardCellEditor::IDC_MENU));
        EXPECT_TRUE(EnabledIds(editor.States(), kMenuControls).empty());
    }
    EXPECT_EQ(Texts(boxes),
              std::vector<std::string>(2, "Do you want to remove the menu \"Orders\"?"));
}

TEST_F(CellEditorTest, DisplayFieldsAreAddedOnceAndNamed)
{
    editor.Open();
    editor.DisplayFieldMode();
    EXPECT_FALSE(editor.GetPanel().IsStaticText());
    EXPECT_TRUE(editor.States().IsChecked(DashBoardCellEditor::IDC_DISPLAY_FIELDS));
    EXPECT_EQ(
        EnabledIds(editor.States(), kMenuControls),
        (std::vector<int>{DashBoardCellEditor::IDC_SOURCES, DashBoardCellEditor::IDC_DISPLAY_LIST,
                          DashBoardCellEditor::IDC_REMOVE_DISPLAY_FIELD}));
    for (int source : {0, 1, 0, 2})
    {
        editor.SelectSource(source);
        editor.AddDisplayField();
    }
    EXPECT_EQ(RowTexts(editor.GetDisplayRows()), (std::vector<std::string>{"Amount|", "Count|"}));

    editor.SetDisplayName();
    editor.States().SetText(DashBoardCellEditor::IDC_DISPLAY_NAME, "Total amount");
    editor.SetDisplayName();
    // The name typed with no row shown is asked about before a row shows; Cancel keeps it.
    boxes.Answer(IDCANCEL);
    editor.PickDisplayField(0);
    EXPECT_EQ(editor.States().GetText(DashBoardCellEditor::IDC_DISPLAY_NAME), "Total amount");
    boxes.Answer(IDNO);
    editor.PickDisplayField(0);
    editor.States().SetText(DashBoardCellEditor::IDC_DISPLAY_NAME, "Total\namount");
    editor.SetDisplayName();
    editor.States().SetText(DashBoardCellEditor::IDC_DISPLAY_NAME, "Total amount");
    editor.SetDisplayName();
    EXPECT_EQ(editor.States().GetText(DashBoardCellEditor::IDC_DISPLAY_NAME), "");
    EXPECT_EQ(Texts(boxes),
              (std::vector<std::string>{"Please enter the display name for the selected field.",
                                        "Please select a field.",
                                        "The display name \"Total amount\" has not been added. "
                                        "Add it?",
                                        "The display name \"Total amount\" has not been added. "
                                        "Add it?",
                                        "The display name cannot hold a line break: the classic "
                                        "pages write it into a script string.\nPlease enter it "
                                        "on one line."}));
    EXPECT_EQ(RowTexts(editor.GetDisplayRows()),
              (std::vector<std::string>{"Amount|Total amount", "Count|"}));
    editor.PickDisplayField(0);
    EXPECT_EQ(editor.States().GetText(DashBoardCellEditor::IDC_DISPLAY_NAME), "Total amount");
    editor.EmptyDisplayCaption();
    EXPECT_EQ(RowTexts(editor.GetDisplayRows()), (std::vector<std::string>{"Amount|", "Count|"}));

    // Not while the dashboard's variables are the source.
    editor.ShowDashBoardVariables();
    editor.SelectDisplayField(1);
    editor.RemoveDisplayField();
    EXPECT_EQ(editor.GetPanel().GetDisplayFields().size(), 2u);
    editor.ShowFunctionFields();
    editor.SelectDisplayField(1);
    editor.RemoveDisplayField();
    EXPECT_EQ(RowTexts(editor.GetDisplayRows()), (std::vector<std::string>{"Amount|"}));

    editor.States().SetText(DashBoardCellEditor::IDC_CAPTION, "Totals");
    editor.Ok();
    EXPECT_EQ(editor.GetPanel().GetCaption(), "Totals");
    EXPECT_EQ(CellLabel(Cell()), "TD_(TR0,TD0)_Totals");
}
TEST_F(CellEditorTest, ADisplayNameTypedAndNotSetIsAskedAboutAtOkAndEscape)
{
    const struct
    {
        bool escape;
        int selected;
        int answer;
        bool closes;
        std::vector<std::string> boxes;
        std::string rows;
    } cases[] = {
        {false,
         0,
         IDYES,
         true,
         {"The display name \"Total\" has not been added. Add it?"},
         "Amount|Total"},
        {false,
         0,
         IDNO,
         true,
         {"The display name \"Total\" has not been added. Add it?"},
         "Amount|"},
        {true,
         0,
         IDCANCEL,
         false,
         {"The display name \"Total\" has not been added. Add it?"},
         "Amount|"},
        {true,
         -1,
         IDYES,
         false,
         {"The display name \"Total\" has not been added. Add it?", "Please select a field."},
         "Amount|"},
    };
    for (const auto& each : cases)
    {
        SCOPED_TRACE(::testing::Message() << each.escape << " " << each.answer);
        Cell().Clear();
        DashBoardCellEditor cellEditor{*page, Cell(), dash};
        cellEditor.Open();
        cellEditor.DisplayFieldMode();
        cellEditor.SelectSource(0);
        cellEditor.AddDisplayField();
        cellEditor.SelectDisplayField(each.selected);
        cellEditor.States().SetText(DashBoardCellEditor::IDC_DISPLAY_NAME, "Total");
        ScriptedMessageBoxes answers{each.answer, IDOK};
        const bool closes = each.escape ? cellEditor.Cancel() != 0 : cellEditor.Ok();
        EXPECT_EQ(each.closes, closes);
        EXPECT_EQ(each.boxes, Texts(answers));
        EXPECT_EQ((std::vector<std::string>{each.rows}), RowTexts(cellEditor.GetDisplayRows()));
    }
}
} // namespace
