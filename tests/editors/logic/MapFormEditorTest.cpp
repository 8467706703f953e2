#include "editors/logic/MapFormEditor.h"
#include "editors/logic/ListLookup.h"
#include "entities/ApplicationReport.h"
#include "entities/MapForm.h"
#include "model/EventRecmpFields.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/RefField.h"
#include "model/Relation.h"
#include "tests/editors/logic/EditorTestSupport.h"
#include "tests/editors/logic/RecordingPageDialogs.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

// The base module holds the master tables book (title) and author (name) with the master form
// author_form, and the map table book_author (book_id, author_id) with its select-record
// procedure; the editor is loaded with the map table.
class MapFormEditorTest : public ::testing::Test
{
protected:
    MapFormEditorTest()
    {
        Module& module = open.Current();
        book = NewTable("book", Table::masterKind, {"title"});
        author = NewTable("author", Table::masterKind, {"name"});
        mapTable = NewTable("book_author", Table::mapKind);
        bookId = AddVarcharField(mapTable, "book_id", book->GetPrimaryKeyField());
        authorId = AddVarcharField(mapTable, "author_id", author->GetPrimaryKeyField());
        for (Table* table : {book, author})
            module.AppendMasterTable(table);
        module.AppendMapTable(mapTable);
        authorForm = NewForm("author_form", author);
        module.Append(authorForm);
        bookForm = NewForm("book_form", book);
        module.Append(bookForm);
        for (Form* form : {authorForm, bookForm})
        {
            form->AddVariablesForTable(form->GetTable());
            form->CreateFieldRepsForTable(form->GetTable());
        }
        selectRecord = new Procedure(mapTable, /*all=*/false);
        module.AddProcedure(selectRecord);
        editor.LoadTable(mapTable);
    }

    MapForm& Page() { return *editor.GetMapForm(); }
    ControlStates& States() { return editor.States(); }

    // A reference field of the page over the map table, with a field of the name.
    void AddRefField(const char* name)
    {
        auto* field = new Field;
        field->SetFieldName(name);
        Page().AddRefField(new RefField(field, mapTable));
    }
    void ChooseField(int index)
    {
        States().Select(MapFormEditor::IDC_FIELDS, index);
        editor.AddField();
    }
    void ChooseInput(int index)
    {
        States().Select(MapFormEditor::IDC_REF_FIELDS, index);
        editor.AddInputField();
    }
    // Another control of the page recomputes the control.
    void Recompute(FieldRep* control)
    {
        FieldRep* other = Page().GetFieldRepForField(authorId);
        auto* list = new EventRecmpFields;
        list->AddClassRecompute(control);
        other->GetFieldRepData()->AddEventRecmpFields(list);
    }

    OpenNewProject open;
    RecordingHost host;
    RecordingPageDialogs dialogs;
    MapFormEditor editor{open.project, host, dialogs};
    Table* book = nullptr;
    Table* author = nullptr;
    Table* mapTable = nullptr;
    Field* bookId = nullptr;
    Field* authorId = nullptr;
    Form* authorForm = nullptr;
    Form* bookForm = nullptr;
    Procedure* selectRecord = nullptr;
};

TEST_F(MapFormEditorTest, LoadingANewMapFormMakesItsVariablesAndControls)
{
    EXPECT_TRUE(editor.IsNew());
    EXPECT_TRUE(editor.IsTopMode());
    EXPECT_EQ(mapTable, Page().GetMappingTable());
    EXPECT_EQ(4u, Page().GetFieldVariableMaps().size());
    std::vector<CString> controls;
    for (const FieldRep* control : Page().GetFieldReps())
        controls.push_back(control->GetField()->GetFieldName());
    EXPECT_EQ((std::vector<CString>{"book_id", "author_id"}), controls);
    const ControlStates& states = States();
    EXPECT_EQ("book_author", states.GetText(MapFormEditor::IDC_TABLE_NAME));
    EXPECT_EQ("Report not assigned.", states.GetText(MapFormEditor::IDC_REPORT_LABEL));
    EXPECT_TRUE(states.IsChecked(MapFormEditor::IDC_TOP_FIELDS));
    for (const int id : {MapFormEditor::IDC_EDITABLE, MapFormEditor::IDC_SELECTION,
                         MapFormEditor::IDC_MASTER_FORMS, MapFormEditor::IDC_ASSIGN_MASTER})
        EXPECT_FALSE(states.IsEnabled(id)) << id;
    EXPECT_EQ((std::vector<CString>{"book_id", "author_id"}),
              states.GetItems(MapFormEditor::IDC_FIELDS));
    EXPECT_TRUE(states.GetItems(MapFormEditor::IDC_REF_FIELDS).empty());
    EXPECT_EQ(open.Current().GetMasterForms().size(),
              states.GetItems(MapFormEditor::IDC_MASTER_FORMS).size());
    EXPECT_TRUE(editor.GetFieldRows().empty());

    // Cancel on the new map form leaves the module as it was.
    editor.Cancel();
    EXPECT_EQ(nullptr, editor.GetMapForm());
    EXPECT_TRUE(open.Current().GetMapForms().empty());
    EXPECT_EQ("", States().GetText(MapFormEditor::IDC_TABLE_NAME));
    EXPECT_FALSE(States().IsChecked(MapFormEditor::IDC_TOP_FIELDS));
    editor.LoadTable(nullptr);
    EXPECT_EQ(nullptr, editor.GetMapForm());
}

TEST_F(MapFormEditorTest, FieldsAreAddedOnceToTheTopOrTheBottom)
{
    ChooseField(0);
    EXPECT_EQ((std::vector<CString>{"book_id"}), Cells(editor.GetFieldRows(), 1));
    EXPECT_EQ(0, editor.GetSelectedField());
    EXPECT_EQ(-1, States().GetSelection(MapFormEditor::IDC_FIELDS));
    {
        ScriptedMessageBoxes boxes;
        ChooseField(0);
        EXPECT_EQ((std::vector<std::string>{"This field is already added."}), Texts(boxes));
    }
    editor.ShowBottomFields();
    ChooseField(1);
    EXPECT_EQ((std::vector<Field*>{bookId}), Page().GetTopFields());
    EXPECT_EQ((std::vector<Field*>{authorId}), Page().GetBottomFields());
    // The bottom list shows the controls off the top fields.
    EXPECT_EQ((std::vector<CString>{"author_id"}), Cells(editor.GetFieldRows(), 1));
    {
        ScriptedMessageBoxes boxes;
        ChooseField(1);
        ChooseField(0);
        EXPECT_EQ((std::vector<std::string>{"This field is already added.",
                                            "This field is already added."}),
                  Texts(boxes));
    }
}

TEST_F(MapFormEditorTest, TheBottomModeFallsBackToSelectionWithoutABottomField)
{
    Page().AddTableFlags({mapTable, true, true});
    // No bottom field: "Selection" is refused and "Editable" shows.
    editor.ShowBottomFields();
    EXPECT_FALSE(editor.IsTopMode());
    EXPECT_TRUE(States().IsChecked(MapFormEditor::IDC_EDITABLE));
    EXPECT_FALSE(States().IsChecked(MapFormEditor::IDC_SELECTION));
    EXPECT_TRUE(States().IsEnabled(MapFormEditor::IDC_MASTER_FORMS));
    // "Editable" without a bottom field falls back to "Selection".
    editor.MakeEditable();
    EXPECT_TRUE(States().IsChecked(MapFormEditor::IDC_SELECTION));
    EXPECT_FALSE(States().IsChecked(MapFormEditor::IDC_EDITABLE));

    ChooseField(1);
    editor.MakeSelectable();
    EXPECT_FALSE(editor.IsBottomEditable());
    EXPECT_TRUE(States().IsChecked(MapFormEditor::IDC_SELECTION));
    EXPECT_FALSE(States().IsEnabled(MapFormEditor::IDC_MASTER_FORMS));
    EXPECT_TRUE(States().IsEnabled(MapFormEditor::IDC_ADD_INPUT));
    const PageTableFlags flags = Page().GetTableFlags(mapTable);
    EXPECT_FALSE(flags.firstFlag);
    EXPECT_TRUE(flags.secondFlag);

    editor.ShowTopFields();
    EXPECT_TRUE(editor.IsTopMode());
    EXPECT_FALSE(States().IsEnabled(MapFormEditor::IDC_EDITABLE));
    EXPECT_FALSE(States().IsEnabled(MapFormEditor::IDC_ASSIGN_MASTER));
    EXPECT_TRUE(States().IsEnabled(MapFormEditor::IDC_REF_FIELDS));
}

TEST_F(MapFormEditorTest, InputFieldsNeedAnOutputFieldOfTheSelectRecordProcedure)
{
    AddRefField("author_ID");
    AddRefField("publisher");
    editor.AddRefField();
    EXPECT_EQ((std::vector<CString>{"author_ID", "publisher"}),
              States().GetItems(MapFormEditor::IDC_REF_FIELDS));
    EXPECT_EQ((std::vector<CString>{"reference fields  book_author"}), dialogs.calls);
    const std::string refused = "Please create and select one of the reference fields such that "
                                "the select record procedure contains an output field with same "
                                "name.";
    {
        ScriptedMessageBoxes boxes;
        ChooseInput(1);
        EXPECT_EQ((std::vector<std::string>{refused}), Texts(boxes));
        EXPECT_EQ(-1, States().GetSelection(MapFormEditor::IDC_REF_FIELDS));
    }
    ChooseInput(0);
    ASSERT_EQ(1u, Page().GetTopInputFieldReps().size());
    const FieldRep* input = Page().GetTopInputFieldReps()[0];
    EXPECT_EQ("author_ID", input->GetField()->GetFieldName());
    EXPECT_FALSE(input->GetField()->GetDisplayName().IsEmpty());
    EXPECT_EQ(input->GetField()->GetDisplayName(), input->GetFieldRepData()->GetCaption());
    EXPECT_EQ(0, input->GetFieldRepData()->GetControlKind());
    EXPECT_EQ((std::vector<CString>{"author_ID"}), Cells(editor.GetInputRows(), 1));

    // Bottom part: added while the bottom field is selectable, not while it is editable.
    ChooseField(0);
    editor.ShowBottomFields();
    ChooseField(1);
    editor.MakeSelectable();
    ChooseInput(0);
    EXPECT_EQ(1u, Page().GetBottomInputFieldReps().size());
    EXPECT_EQ((std::vector<CString>{"author_ID"}), Cells(editor.GetInputRows(), 1));

    // Without the procedure every input field is refused.
    selectRecord->SetName("PRC_book_author_Other");
    ScriptedMessageBoxes boxes;
    ChooseInput(0);
    EXPECT_EQ((std::vector<std::string>{refused}), Texts(boxes));
}

TEST_F(MapFormEditorTest, EditableAsksBeforeDroppingTheBottomInputsAndJoinsTheMasterForm)
{
    AddRefField("author_id");
    ChooseField(0);
    editor.ShowBottomFields();
    ChooseField(1);
    editor.MakeSelectable();
    ChooseInput(0);
    ASSERT_EQ(1u, Page().GetBottomInputFieldReps().size());

    for (const int answer : {IDNO, IDYES})
    {
        ScriptedMessageBoxes boxes{answer};
        States().SetCheck(MapFormEditor::IDC_EDITABLE, true);
        editor.MakeEditable();
        EXPECT_EQ((std::vector<std::string>{"Do you really want to make the bottom field editable? "
                                            "This will delete all the existing inputs for the "
                                            "bottom field."}),
                  Texts(boxes));
        EXPECT_EQ(answer == IDYES, editor.IsBottomEditable());
        EXPECT_EQ(answer == IDYES ? 0u : 1u, Page().GetBottomInputFieldReps().size());
        EXPECT_EQ(answer == IDNO, States().IsChecked(MapFormEditor::IDC_SELECTION));
    }
    EXPECT_FALSE(States().IsEnabled(MapFormEditor::IDC_ADD_INPUT));
    EXPECT_TRUE(States().IsEnabled(MapFormEditor::IDC_ASSIGN_MASTER));

    // With a master form the select-record procedures get its table and one relation.
    States().Select(MapFormEditor::IDC_MASTER_FORMS,
                    PositionOf(open.Current().GetMasterForms(), authorForm));
    editor.AssignMasterForm();
    for (int i = 0; i < 2; ++i)
        editor.MakeEditable();
    EXPECT_EQ(PositionOf(open.Current().GetMasterForms(), authorForm),
              States().GetSelection(MapFormEditor::IDC_MASTER_FORMS));
    const std::vector<Table*>& tables = selectRecord->GetTables();
    EXPECT_EQ(1, std::count(tables.begin(), tables.end(), author));
    ASSERT_EQ(1u, selectRecord->GetRelations().size());
    const Relation* relation = selectRecord->GetRelations()[0];
    EXPECT_EQ(author, relation->GetFirstTable());
    EXPECT_EQ(mapTable, relation->GetSecondTable());
    EXPECT_EQ((std::vector<Field*>{author->GetPrimaryKeyField(), authorId}),
              relation->GetJoinFields());
}

TEST_F(MapFormEditorTest, AssigningReplacingAndChangingTheMasterForm)
{
    Page().AddTableFlags({mapTable, false, false});
    ChooseField(0);
    editor.ShowBottomFields();
    ChooseField(1);
    const int authorIndex = PositionOf(open.Current().GetMasterForms(), authorForm);
    const int bookIndex = PositionOf(open.Current().GetMasterForms(), bookForm);
    States().Select(MapFormEditor::IDC_MASTER_FORMS, authorIndex);
    host.calls.clear();
    {
        ScriptedMessageBoxes boxes;
        editor.AssignMasterForm();
        EXPECT_TRUE(boxes.Shown().empty());
    }
    // Each default procedure made gets its tree item at once.
    std::vector<CString> added;
    for (const Procedure* procedure : open.Current().GetProcedures())
        if (procedure != selectRecord)
            added.push_back("add " + open.Current().GetName() + " " + procedure->GetName());
    EXPECT_FALSE(added.empty());
    EXPECT_EQ(host.calls, added);
    EXPECT_EQ(authorForm, Page().GetBottomMasterForm());
    EXPECT_TRUE(Page().GetTableFlags(mapTable).firstFlag);
    EXPECT_TRUE(Page().GetTableFlags(mapTable).secondFlag);
    EXPECT_NE(nullptr, open.Current().FindProcedureByName("PRC_book_author_SelectAll"));
    // The bottom list shows the master form's controls too.
    EXPECT_EQ((std::vector<CString>{"author_id", "name"}), Cells(editor.GetFieldRows(), 1));

    const std::string replace =
        "Master Form for the bottom field already exists! Do you really want to replace it?";
    for (const int answer : {IDNO, IDYES})
    {
        ScriptedMessageBoxes boxes{answer};
        States().Select(MapFormEditor::IDC_MASTER_FORMS, bookIndex);
        editor.AssignMasterForm();
        EXPECT_EQ((std::vector<std::string>{replace}), Texts(boxes));
        EXPECT_EQ(answer == IDYES ? bookForm : authorForm, Page().GetBottomMasterForm());
    }
    EXPECT_EQ((std::vector<CString>{"author_id", "title"}), Cells(editor.GetFieldRows(), 1));

    const std::string change = "Do you really want to change the assigned form for the bottom "
                               "field ? This will remove the existing master form for the bottom "
                               "field.";
    for (const int answer : {IDNO, IDYES})
    {
        ScriptedMessageBoxes boxes{answer};
        editor.ChooseMasterForm(authorIndex);
        EXPECT_EQ((std::vector<std::string>{change}), Texts(boxes));
        EXPECT_EQ(answer == IDYES ? nullptr : bookForm, Page().GetBottomMasterForm());
    }
    // Without a master form a new choice asks nothing.
    ScriptedMessageBoxes boxes;
    editor.ChooseMasterForm(bookIndex);
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(MapFormEditorTest, SelectionAsksBeforeDroppingTheMasterForm)
{
    Page().AddTableFlags({mapTable, true, true});
    ChooseField(0);
    editor.ShowBottomFields();
    ChooseField(1);
    States().Select(MapFormEditor::IDC_MASTER_FORMS,
                    PositionOf(open.Current().GetMasterForms(), authorForm));
    editor.AssignMasterForm();
    const CString question = "warning Do you really want to make the bottom field selectable? "
                             "This will remove the existing master form for the bottom field.";
    host.calls.clear();
    host.confirm = false;
    editor.MakeSelectable();
    EXPECT_EQ(authorForm, Page().GetBottomMasterForm());
    EXPECT_TRUE(States().IsChecked(MapFormEditor::IDC_EDITABLE));
    EXPECT_TRUE(Page().GetTableFlags(mapTable).firstFlag);
    host.confirm = true;
    editor.MakeSelectable();
    EXPECT_EQ(nullptr, Page().GetBottomMasterForm());
    EXPECT_TRUE(States().IsChecked(MapFormEditor::IDC_SELECTION));
    EXPECT_FALSE(Page().GetTableFlags(mapTable).firstFlag);
    EXPECT_TRUE(Page().GetTableFlags(mapTable).secondFlag);
    EXPECT_EQ((std::vector<CString>{question, question}), host.calls);
}

TEST_F(MapFormEditorTest, RemovingFieldsAndInputFieldsAsksAndRefusesUsedControls)
{
    AddRefField("author_id");
    ChooseField(0);
    ChooseField(1);
    ChooseInput(0);
    FieldRep* bookControl = Page().GetFieldRepForField(bookId);
    const std::string usedField = "Can not delete selected field as it is being used for "
                                  "recomputation or corresponding variable is mapped.";
    struct Step
    {
        bool confirm;
        bool used;
        std::vector<int> answers;
        std::vector<std::string> boxes;
        std::vector<CString> rows;
        bool controlKept;
    };
    const std::vector<Step> steps = {
        {false, false, {}, {}, {"book_id", "author_id"}, true},
        {true, true, {}, {usedField}, {"book_id", "author_id"}, true},
        {true,
         false,
         {IDNO},
         {"Do you want to remove this field permenently from the map form \"book_id\"?"},
         {"author_id"},
         true},
    };
    for (const Step& step : steps)
    {
        ScriptedMessageBoxes boxes;
        for (const int answer : step.answers)
            boxes.Answer(answer);
        host.confirm = step.confirm;
        if (step.used)
            Recompute(bookControl);
        editor.SelectField(0);
        editor.RemoveField();
        if (step.used)
        {
            FieldRepData* data = Page().GetFieldRepForField(authorId)->GetFieldRepData();
            data->RemoveEventRecmpFields(data->GetEventRecmpFieldsList().back());
        }
        EXPECT_EQ(step.boxes, Texts(boxes));
        EXPECT_EQ(step.rows, Cells(editor.GetFieldRows(), 1));
        EXPECT_EQ(step.controlKept, Page().GetFieldRepForField(bookId) != nullptr);
    }
    // Removed for good: the control and the field's variable go.
    ChooseField(0);
    editor.SelectField(1);
    ScriptedMessageBoxes yes{IDYES};
    editor.RemoveField();
    EXPECT_EQ((std::vector<CString>{"author_id"}), Cells(editor.GetFieldRows(), 1));
    EXPECT_EQ(nullptr, Page().GetFieldRepForField(bookId));
    EXPECT_EQ(nullptr, Page().FindFieldVariableMapByField(bookId));

    // An input control that another control recomputes stays, with the message of the part.
    FieldRep* input = Page().GetTopInputFieldReps()[0];
    Recompute(input);
    editor.SelectInput(0);
    {
        ScriptedMessageBoxes boxes;
        editor.RemoveInputField();
        EXPECT_EQ((std::vector<std::string>{"Can not delete selected input field as it is being "
                                            "used for recomputation or corresponding variable "
                                            "is mapped."}),
                  Texts(boxes));
    }
    FieldRepData* data = Page().GetFieldRepForField(authorId)->GetFieldRepData();
    data->RemoveEventRecmpFields(data->GetEventRecmpFieldsList().back());
    editor.RemoveInputField();
    EXPECT_TRUE(Page().GetTopInputFieldReps().empty());
    EXPECT_TRUE(editor.GetInputRows().empty());

    // The bottom part's input control, with the bottom part's message.
    editor.ShowBottomFields();
    ChooseField(0);
    editor.MakeSelectable();
    ChooseInput(0);
    ASSERT_EQ(1u, Page().GetBottomInputFieldReps().size());
    Recompute(Page().GetBottomInputFieldReps()[0]);
    editor.SelectInput(0);
    {
        ScriptedMessageBoxes boxes;
        editor.RemoveInputField();
        EXPECT_EQ((std::vector<std::string>{"Can not delete selected input field as it is being "
                                            "used for recomputation."}),
                  Texts(boxes));
    }
    data->RemoveEventRecmpFields(data->GetEventRecmpFieldsList().back());
    host.confirm = false;
    editor.RemoveInputField();
    EXPECT_EQ(1u, Page().GetBottomInputFieldReps().size());
    host.confirm = true;
    editor.RemoveInputField();
    EXPECT_TRUE(Page().GetBottomInputFieldReps().empty());
    EXPECT_TRUE(editor.GetInputRows().empty());
}

TEST_F(MapFormEditorTest, AddMapFormChecksTheHeaderAndTheFieldsAndStoresTheForm)
{
    struct Step
    {
        const char* header;
        int field;
        const char* message;
    };
    const std::vector<Step> steps = {
        {"", -1, "Please enter form header."},
        {"Books of authors", -1, "Please Enter the Top and Bottom fields"},
        {"Books of authors", 0, "Please Enter the Top and Bottom fields"},
        {"Books of authors", 1, "Please Enter the Top and Bottom fields"},
    };
    for (const Step& step : steps)
    {
        if (step.field >= 0)
            ChooseField(step.field);
        States().SetText(MapFormEditor::IDC_HEADER, step.header);
        editor.LeaveHeader();
        ScriptedMessageBoxes boxes;
        editor.AddMapForm();
        EXPECT_EQ((std::vector<std::string>{step.message}), Texts(boxes));
    }
    // Two top fields, then one top and one bottom field.
    MapForm* made = editor.GetMapForm();
    made->RemoveTopField(authorId);
    editor.ShowBottomFields();
    ChooseField(1);
    ScriptedMessageBoxes boxes;
    editor.AddMapForm();
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_EQ((std::vector<MapForm*>{made}), open.Current().GetMapForms());
    EXPECT_EQ("book_author_form", made->GetFormName());
    EXPECT_EQ("Books of authors", made->GetHeader());
    EXPECT_EQ((std::vector<CString>{"refresh tree"}), host.calls);
    EXPECT_EQ(nullptr, editor.GetMapForm());

    // Loaded again, the stored map form shows its header and top fields.
    editor.LoadTable(mapTable);
    EXPECT_FALSE(editor.IsNew());
    EXPECT_EQ(made, editor.GetMapForm());
    EXPECT_EQ("Books of authors", States().GetText(MapFormEditor::IDC_HEADER));
    EXPECT_EQ((std::vector<CString>{"book_id"}), Cells(editor.GetFieldRows(), 1));
    editor.ClearPage();
    EXPECT_EQ((std::vector<MapForm*>{made}), open.Current().GetMapForms());
}

TEST_F(MapFormEditorTest, TheOtherDialogsTheInputOrderAndTheReport)
{
    AddRefField("author_id");
    AddRefField("book_id");
    ChooseInput(0);
    ChooseInput(1);
    editor.EditInputField(0);
    editor.EditInputField(3);
    editor.LinkControls();
    editor.FormProcedures();
    editor.SetVariables();
    EXPECT_EQ((std::vector<CString>{"properties author_id", "links ", "procedures  book_author"}),
              dialogs.calls);
    EXPECT_EQ((std::vector<CString>{"variables"}), host.calls);

    struct Move
    {
        int row;
        void (MapFormEditor::*move)();
        std::vector<CString> rows;
    };
    const std::vector<Move> moves = {
        {0, &MapFormEditor::MoveInputUp, {"author_id", "book_id"}},
        {1, &MapFormEditor::MoveInputDown, {"author_id", "book_id"}},
        {0, &MapFormEditor::MoveInputDown, {"book_id", "author_id"}},
        {1, &MapFormEditor::MoveInputUp, {"author_id", "book_id"}},
    };
    for (const Move& move : moves)
    {
        editor.SelectInput(move.row);
        (editor.*move.move)();
        EXPECT_EQ(move.rows, Cells(editor.GetInputRows(), 1)) << move.row;
    }

    // A stored map form with a report: the label and its removal after the warning.
    ChooseField(0);
    editor.ShowBottomFields();
    ChooseField(1);
    States().SetText(MapFormEditor::IDC_HEADER, "Books");
    MapForm* made = editor.GetMapForm();
    editor.AddMapForm();
    auto* report = NewPage<ApplicationReport>("book_author Report");
    open.Current().Append(report);
    made->SetReport(report);
    editor.LoadTable(mapTable);
    EXPECT_EQ("ReportName : book_author Report", States().GetText(MapFormEditor::IDC_REPORT_LABEL));
    host.calls.clear();
    for (const bool confirm : {false, true})
    {
        host.confirm = confirm;
        editor.RemoveReport();
        EXPECT_EQ(confirm ? nullptr : report, made->GetReport());
    }
    EXPECT_EQ("Report not assigned.", States().GetText(MapFormEditor::IDC_REPORT_LABEL));
    EXPECT_EQ(2u, host.calls.size());
    EXPECT_EQ("warning  Do you want to remove the existing report \"book_author Report\"?",
              host.calls[0]);
}
} // namespace
