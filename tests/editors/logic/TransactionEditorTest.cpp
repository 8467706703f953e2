#include "editors/logic/TransactionEditor.h"
#include "entities/AspFile.h"
#include "entities/DetailTableReport.h"
#include "entities/Menu.h"
#include "entities/MenuInterface.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "model/EventRecmpFields.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ProjectNameCheck.h"
#include "model/RefField.h"
#include "tests/editors/logic/EditorTestSupport.h"
#include "tests/editors/logic/RecordingPageDialogs.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

namespace
{

// A foreign key of the table to the field.
Field* AddForeignKey(Table* table, const char* name, Field* referred)
{
    return AddVarcharField(table, name, referred);
}

// The base module holds the master-detail tables order_basic (customer), order_detail
// (order_basic_id referring to the basic key, item) and note_detail (text, no link); the
// editor starts a new transaction.
class TransactionEditorTest : public ::testing::Test
{
protected:
    TransactionEditorTest()
    {
        basic = NewTable("order_basic", Table::masterDetailKind, {"customer"});
        detail = NewTable("order_detail", Table::masterDetailKind);
        link = AddForeignKey(detail, "order_basic_id", basic->GetPrimaryKeyField());
        AddVarcharField(detail, "item");
        unlinked = NewTable("note_detail", Table::masterDetailKind, {"text"});
        for (Table* table : {basic, detail, unlinked})
            open.Current().AppendTransactionTable(table);
        editor.LoadTransaction(nullptr);
    }

    // Picks the combo entry of the table's name and runs the command.
    void Choose(int combo, const char* name, void (TransactionEditor::*command)())
    {
        const std::vector<CString>& items = editor.States().GetItems(combo);
        for (std::size_t i = 0; i < items.size(); ++i)
        {
            if (items[i] == name)
                editor.States().Select(combo, static_cast<int>(i));
        }
        (editor.*command)();
    }
    void AddMaster(const char* name)
    {
        Choose(TransactionEditor::IDC_MASTER_TABLE, name, &TransactionEditor::AddMaster);
    }
    void AddDetail(const char* name)
    {
        Choose(TransactionEditor::IDC_DETAIL_TABLE, name, &TransactionEditor::AddDetail);
    }

    std::vector<CString> VariableNames() const
    {
        std::vector<CString> names;
        for (const FieldVariableMap* map : editor.GetTransaction()->GetFieldVariableMaps())
            names.push_back(map->variable->GetFieldName());
        return names;
    }
    std::vector<CString> ControlFields() const
    {
        std::vector<CString> names;
        for (const FieldRep* control : editor.GetTransaction()->GetFieldReps())
            names.push_back(control->GetField()->GetFieldName());
        return names;
    }

    OpenNewProject open;
    RecordingHost host;
    RecordingPageDialogs dialogs;
    TransactionEditor editor{open.project, host, dialogs};
    Table* basic = nullptr;
    Table* detail = nullptr;
    Table* unlinked = nullptr;
    Field* link = nullptr;
};

TEST_F(TransactionEditorTest, ANewTransactionOffersTheModulesMasterDetailTables)
{
    const ControlStates& states = editor.States();
    EXPECT_TRUE(editor.IsNew());
    ASSERT_NE(nullptr, editor.GetTransaction());
    EXPECT_EQ((std::vector<CString>{"BaseModule"}), states.GetItems(TransactionEditor::IDC_MODULE));
    EXPECT_EQ(0, states.GetSelection(TransactionEditor::IDC_MODULE));
    const std::vector<CString> all = {"note_detail", "order_basic", "order_detail"};
    EXPECT_EQ(FieldNames(*basic).size(), 2u);
    std::vector<CString> masters = states.GetItems(TransactionEditor::IDC_MASTER_TABLE);
    std::sort(masters.begin(), masters.end());
    EXPECT_EQ(all, masters);
    EXPECT_TRUE(states.IsEnabled(TransactionEditor::IDC_NAME));
    EXPECT_TRUE(states.IsEnabled(TransactionEditor::IDC_ADD_DETAIL));
    EXPECT_TRUE(states.IsEnabled(TransactionEditor::IDC_MODULE));
    EXPECT_TRUE(states.IsChecked(TransactionEditor::IDC_TWO_COLUMNS));
    EXPECT_EQ((std::vector<CString>{"NOTABLE"}), Cells(editor.GetTableRows(), 1));
    EXPECT_TRUE(editor.GetFileRows().empty());
}

TEST_F(TransactionEditorTest, AddMasterMakesVariablesAndControlsAndASecondOneReplacesIt)
{
    AddMaster("order_detail");
    EXPECT_EQ((std::vector<CString>{"order_detail"}), Cells(editor.GetTableRows(), 1));
    EXPECT_EQ((std::vector<CString>{"order_detail_order_detail_idVar",
                                    "order_detail_order_basic_idVar", "order_detail_itemVar"}),
              VariableNames());
    EXPECT_EQ((std::vector<CString>{"order_basic_id", "item"}), ControlFields());
    EXPECT_FALSE(editor.States().IsEnabled(TransactionEditor::IDC_MODULE));
    // The detail combo leaves the basic table out.
    for (const CString& name : editor.States().GetItems(TransactionEditor::IDC_DETAIL_TABLE))
        EXPECT_NE("order_detail", name);

    // The same table again changes nothing; another one replaces it with its own entries.
    AddMaster("order_detail");
    EXPECT_EQ(3u, VariableNames().size());
    AddMaster("order_basic");
    EXPECT_EQ(basic, editor.GetTransaction()->GetBasicTable());
    EXPECT_EQ((std::vector<CString>{"order_basic"}), Cells(editor.GetTableRows(), 1));
    EXPECT_EQ((std::vector<CString>{"order_basic_order_basic_idVar", "order_basic_customerVar"}),
              VariableNames());
    EXPECT_EQ((std::vector<CString>{"customer"}), ControlFields());
}

TEST_F(TransactionEditorTest, AddDetailChecksTheBasicTableAndTheForeignKey)
{
    struct Step
    {
        const char* master;
        const char* detail;
        std::vector<std::string> boxes;
        std::vector<CString> rows;
    };
    const std::vector<Step> steps = {
        {nullptr, "order_detail", {"Please select basic table."}, {"NOTABLE"}},
        {"order_basic",
         "note_detail",
         {"This detail table is not having a foreign key referring basic table of the "
          "transaction."},
         {"order_basic"}},
        {nullptr, "order_detail", {}, {"order_basic", "order_detail"}},
    };
    for (const Step& step : steps)
    {
        ScriptedMessageBoxes boxes;
        if (step.master != nullptr)
            AddMaster(step.master);
        AddDetail(step.detail);
        EXPECT_EQ(step.boxes, Texts(boxes)) << step.detail;
        EXPECT_EQ(step.rows, Cells(editor.GetTableRows(), 1)) << step.detail;
        EXPECT_EQ(-1, editor.States().GetSelection(TransactionEditor::IDC_DETAIL_TABLE));
    }
    EXPECT_FALSE(editor.States().IsEnabled(TransactionEditor::IDC_ADD_DETAIL));
    // The master link field gets a variable but no control.
    EXPECT_EQ((std::vector<CString>{"order_basic_order_basic_idVar", "order_basic_customerVar",
                                    "order_detail_order_detail_idVar",
                                    "order_detail_order_basic_idVar", "order_detail_itemVar"}),
              VariableNames());
    EXPECT_EQ((std::vector<CString>{"customer", "item"}), ControlFields());
    const Procedure* selectAll = open.project.FindProcedureByName("PRC_order_detail_SelectAll");
    ASSERT_NE(nullptr, selectAll);
    EXPECT_EQ(detail, selectAll->GetMainTable());
    EXPECT_NE(nullptr, open.project.FindProcedureByName("PRC_order_detail_SelectRecord"));
}

TEST_F(TransactionEditorTest, TheDetailProceduresAreMadeOnceAcrossModules)
{
    Module* other = open.project.AddNewModule();
    ASSERT_NE(nullptr, other);
    other->AddProcedure(new Procedure(detail, /*all=*/false));
    const auto count = [&](const char* name)
    {
        int found = 0;
        for (const Module* module : open.project.GetModules())
            for (const Procedure* procedure : module->GetProcedures())
                found += procedure->GetName() == name ? 1 : 0;
        return found;
    };
    AddMaster("order_basic");
    AddDetail("order_detail");
    editor.SelectTable(1);
    ScriptedMessageBoxes boxes{IDYES};
    editor.RemoveTable();
    AddDetail("order_detail");
    EXPECT_EQ(1, count("PRC_order_detail_SelectAll"));
    EXPECT_EQ(1, count("PRC_order_detail_SelectRecord"));
    EXPECT_EQ(nullptr, open.Current().FindProcedureByName("PRC_order_detail_SelectRecord"));
}

TEST_F(TransactionEditorTest, RemoveTableAsksAndReEnablesAddDetail)
{
    AddMaster("order_basic");
    AddDetail("order_detail");
    struct Step
    {
        int row;
        int answer;
        std::string question;
        std::vector<CString> rows;
        bool addDetail;
    };
    const std::vector<Step> steps = {
        {1,
         IDNO,
         "Do you really want to delete table \"order_detail\"?",
         {"order_basic", "order_detail"},
         false},
        {1, IDYES, "Do you really want to delete table \"order_detail\"?", {"order_basic"}, true},
        {0, IDYES, "Do you really want to delete table \"order_basic\"?", {"NOTABLE"}, true},
    };
    for (const Step& step : steps)
    {
        ScriptedMessageBoxes boxes{step.answer};
        editor.SelectTable(step.row);
        editor.RemoveTable();
        EXPECT_EQ((std::vector<std::string>{step.question}), Texts(boxes));
        EXPECT_EQ(step.rows, Cells(editor.GetTableRows(), 1));
        EXPECT_EQ(step.addDetail, editor.States().IsEnabled(TransactionEditor::IDC_ADD_DETAIL));
    }
    EXPECT_TRUE(VariableNames().empty());
    EXPECT_TRUE(ControlFields().empty());
    // Without a selected row nothing is asked.
    ScriptedMessageBoxes boxes;
    editor.RemoveTable();
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(TransactionEditorTest, OkNamesTheTransactionBeforeTheTableChecks)
{
    struct Case
    {
        const char* name;
        const char* master;
        const char* detail;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"", "order_basic", "order_detail", "Please enter transaction name."},
        {"Orders", nullptr, nullptr,
         "Incomplete Master Detail form as there is no basic as well as detail table"},
        {"Orders", "order_basic", nullptr,
         "Please select at least one detail table for Master Detail form"},
        {"Orders", "order_basic", "order_detail",
         "Please select basic table for Master Detail form"},
    };
    for (const Case& each : cases)
    {
        editor.ClearPage();
        editor.LoadTransaction(nullptr);
        if (each.master != nullptr)
            AddMaster(each.master);
        if (each.detail != nullptr)
            AddDetail(each.detail);
        if (each.detail != nullptr && each.name[0] != '\0')
        {
            // Detail tables without a basic one.
            editor.SelectTable(0);
            ScriptedMessageBoxes yes{IDYES};
            editor.RemoveTable();
        }
        ScriptedMessageBoxes boxes;
        editor.States().SetText(TransactionEditor::IDC_NAME, each.name);
        editor.Ok();
        EXPECT_EQ((std::vector<std::string>{each.message}), Texts(boxes)) << each.message;
        ASSERT_TRUE(editor.IsNew());
        EXPECT_EQ(each.name[0] == '\0' ? CString() : CString(each.name),
                  editor.GetTransaction()->GetFormName());
    }
    EXPECT_TRUE(open.Current().GetTransactions().empty());
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(TransactionEditorTest, OkAddsTheTransactionWithTheFilesOfTheProjectsPageKind)
{
    struct Case
    {
        int outputKind;
        std::vector<int> fileKinds;
    };
    const std::vector<Case> cases = {{1, {1, 3}}, {0, {1, 2, 3, 4, 9}}};
    for (const Case& each : cases)
    {
        open.project.SetOutputKind(each.outputKind);
        editor.LoadTransaction(nullptr);
        AddMaster("order_basic");
        AddDetail("order_detail");
        Transaction* made = editor.GetTransaction();
        const CString name = each.outputKind == 1 ? "Orders" : "ClassicOrders";
        editor.States().SetText(TransactionEditor::IDC_NAME, name);
        ScriptedMessageBoxes boxes;
        host.calls.clear();
        editor.Ok();
        EXPECT_TRUE(boxes.Shown().empty());
        const std::vector<Transaction*>& stored = open.Current().GetTransactions();
        EXPECT_NE(stored.end(), std::find(stored.begin(), stored.end(), made));
        EXPECT_EQ(name, made->GetFormName());
        EXPECT_EQ((std::vector<CString>{"add BaseModule " + name}), host.calls);
        std::vector<int> kinds;
        for (const AspFile* file : made->GetAspFiles())
            kinds.push_back(file->GetFileKind());
        std::sort(kinds.begin(), kinds.end());
        EXPECT_EQ(each.fileKinds, kinds);
        // The editor offers a new transaction.
        EXPECT_TRUE(editor.IsNew());
        EXPECT_NE(made, editor.GetTransaction());
        EXPECT_EQ("", editor.States().GetText(TransactionEditor::IDC_NAME));
    }
}

// A pasted line end or control character in the name, and a special character, which no file or
// script named after the page may hold, are refused as the other designers refuse them; a name
// an earlier version took with a special character opens the name box.
TEST_F(TransactionEditorTest, OkRefusesControlAndSpecialCharactersAndAnEarlierNameIsRenamed)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Sa\nles", "control"},   {"Sales\r\n", "control"}, {"Sa\x01les", "control"},
        {"Sales\x7f", "control"}, {"Sa\tles", "control"},   {"Board\"q'r@{}", "special"},
        {"a/b", "special"},       {"..", "special"},        {"x.y", "special"}};
    for (const auto& [name, kind] : cases)
    {
        editor.LoadTransaction(nullptr);
        AddMaster("order_basic");
        AddDetail("order_detail");
        editor.States().SetText(TransactionEditor::IDC_NAME, name);
        ScriptedMessageBoxes boxes;
        editor.Ok();
        EXPECT_EQ(std::vector<std::string>{"The name " + QuotedName(name).str() +
                                           " cannot be taken: it holds " + kind +
                                           " characters.\nPlease enter another name."},
                  Texts(boxes))
            << name;
        EXPECT_TRUE(editor.IsNew());
    }
    EXPECT_TRUE(open.Current().GetTransactions().empty());

    auto* earlier = NewPage<Transaction>("Orders (old)");
    earlier->SetBasicTable(basic);
    earlier->AddDetailTable(detail);
    open.Current().AddTransaction(earlier, /*withFiles=*/true);
    editor.LoadTransaction(earlier);
    EXPECT_TRUE(editor.States().IsEnabled(TransactionEditor::IDC_NAME));
    editor.States().SetText(TransactionEditor::IDC_NAME, "Orders old");
    editor.LeaveName();
    EXPECT_EQ("Orders old", earlier->GetFormName());
}

TEST_F(TransactionEditorTest, AStoredTransactionIsRenamedOnLeavingTheNameAndItsFilesOpen)
{
    auto* stored = NewPage<Transaction>("Orders");
    stored->SetBasicTable(basic);
    stored->AddDetailTable(detail);
    open.Current().AddTransaction(stored, /*withFiles=*/true);
    editor.LoadTransaction(stored);
    EXPECT_FALSE(editor.IsNew());
    EXPECT_FALSE(editor.States().IsEnabled(TransactionEditor::IDC_NAME));
    EXPECT_FALSE(editor.States().IsEnabled(TransactionEditor::IDC_ADD_DETAIL));
    EXPECT_EQ((std::vector<CString>{"order_basic", "order_detail"}),
              Cells(editor.GetTableRows(), 1));
    EXPECT_EQ(2u, editor.GetFileRows().size());

    // A name whose files could not exist on the target is refused, as the designers refuse it.
    {
        ScriptedMessageBoxes boxes;
        editor.States().SetText(TransactionEditor::IDC_NAME,
                                CString(std::string(240, 'o').c_str()));
        editor.LeaveName();
        EXPECT_EQ("Orders", stored->GetFormName());
        ASSERT_EQ(1u, boxes.Shown().size());
        EXPECT_NE(std::string::npos, Texts(boxes).front().find("255 bytes"));
    }
    editor.States().SetText(TransactionEditor::IDC_NAME, "Sales");
    editor.LeaveName();
    EXPECT_EQ("Sales", stored->GetFormName());
    EXPECT_EQ((std::vector<CString>{"page item"}), host.calls);

    for (const int row : {-1, 0, 1})
    {
        editor.SelectFile(row);
        editor.SetProperties();
    }
    EXPECT_EQ((std::vector<CString>{"visibility Sales 1", "visibility Sales 3"}), dialogs.calls);

    // A name an earlier version took, longer than its files may hold, opens the name box.
    stored->SetName(CString(std::string(240, 'o').c_str()));
    editor.LoadTransaction(stored);
    EXPECT_TRUE(editor.States().IsEnabled(TransactionEditor::IDC_NAME));
    editor.States().SetText(TransactionEditor::IDC_NAME, "Sales");
    editor.LeaveName();
    EXPECT_EQ("Sales", stored->GetFormName());

    // Clearing forgets a stored transaction without deleting it.
    editor.ClearPage();
    EXPECT_EQ(nullptr, editor.GetTransaction());
    EXPECT_EQ(stored, open.Current().GetTransactions().back());
}

TEST_F(TransactionEditorTest, FormControlsTakesAHeaderWithoutSpecialCharactersAsTheTableTitle)
{
    AddMaster("order_basic");
    AddDetail("order_detail");
    struct Case
    {
        int row;
        const char* header;
        const char* title;
    };
    const std::vector<Case> cases = {
        {-1, "Ignored", "ORDER DETAIL"},
        {1, "", "ORDER DETAIL"},
        {1, "Bad/Title", "ORDER DETAIL"},
        {1, "Order Lines", "ORDER LINES"},
    };
    for (const Case& each : cases)
    {
        dialogs.calls.clear();
        dialogs.header = each.header;
        editor.SelectTable(each.row);
        editor.FormControls();
        EXPECT_EQ(each.row < 0 ? 0u : 1u, dialogs.calls.size());
        EXPECT_EQ(each.title, editor.GetTransaction()->GetTableTitle(detail)) << each.header;
    }
    std::vector<CString> names;
    for (const Field* field : dialogs.controlFields)
        names.push_back(field->GetFieldName());
    EXPECT_EQ((std::vector<CString>{"order_basic_id", "item"}), names);
}

TEST_F(TransactionEditorTest, ReferenceFieldsNeedARowAndLinksAndLayoutChangeThePage)
{
    AddMaster("order_basic");
    editor.States().SetText(TransactionEditor::IDC_NAME, "Orders");
    {
        ScriptedMessageBoxes boxes;
        editor.Ok();
        editor.ReferenceFields();
        EXPECT_EQ((std::vector<std::string>{"Please select at least one detail table for Master "
                                            "Detail form",
                                            "Please select table for adding reference field"}),
                  Texts(boxes));
    }
    editor.SelectTable(0);
    editor.ReferenceFields();
    EXPECT_EQ(-1, editor.GetSelectedTable());
    editor.LinkControls();
    EXPECT_EQ((std::vector<CString>{"reference fields Orders order_basic", "links Orders"}),
              dialogs.calls);

    editor.SingleColumn();
    EXPECT_EQ(1, editor.GetTransaction()->GetColumnCount());
    EXPECT_TRUE(editor.States().IsChecked(TransactionEditor::IDC_SINGLE_COLUMN));
    EXPECT_FALSE(editor.States().IsChecked(TransactionEditor::IDC_TWO_COLUMNS));
    editor.TwoColumns();
    EXPECT_EQ(2, editor.GetTransaction()->GetColumnCount());
    EXPECT_TRUE(editor.States().IsChecked(TransactionEditor::IDC_TWO_COLUMNS));

    // Cancel drops the new transaction and shows the start page.
    editor.Cancel();
    EXPECT_EQ(nullptr, editor.GetTransaction());
    EXPECT_EQ((std::vector<CString>{"start page"}), host.calls);
}

// A page variable named after the field.
Variable* TransactionVariableFor(const Field* field)
{
    auto* variable = new Variable;
    variable->SetName(field->GetFieldName() + "_Var");
    return variable;
}

// A stored transaction "Orders" over order_basic with the detail tables order_detail, line_detail
// and note_detail, titled "O", "L" and "N".
class StoredTransactionTest : public TransactionEditorTest
{
protected:
    StoredTransactionTest()
    {
        lines = NewTable("line_detail", Table::masterDetailKind);
        open.Current().AppendTransactionTable(lines);
        stored = NewTransaction("Orders", basic);
        for (const auto& [table, title] : {std::pair{detail, "O"}, {lines, "L"}, {unlinked, "N"}})
        {
            stored->AddDetailTable(table);
            stored->SetTableTitle(table, title);
        }
        open.Current().AddTransaction(stored, /*withFiles=*/true);
        editor.LoadTransaction(stored);
    }

    Table* lines = nullptr;
    Transaction* stored = nullptr;
};

TEST_F(StoredTransactionTest, TheHiddenPageButtonsOpenTheirDialogsForTheSelectedRow)
{
    using E = TransactionEditor;
    const struct
    {
        void (E::*command)();
        int row;
        CString call;
        std::string box;
        int selectionAfter;
    } cases[] = {
        {&E::Variables, -1, "variables", "", -1},
        {&E::AddDerivedField, -1, "", "", -1},
        {&E::AddDerivedField, 2, "derived fields Orders line_detail", "", -1},
        {&E::FormMethods, -1, "", "", -1},
        {&E::FormMethods, 0, "", "Uniqueness procedure can not be assigned to the basic table", 0},
        {&E::FormMethods, 3, "procedures Orders note_detail", "", 3},
    };
    for (const auto& each : cases)
    {
        dialogs.calls.clear();
        host.calls.clear();
        ScriptedMessageBoxes boxes;
        editor.SelectTable(each.row);
        (editor.*each.command)();
        std::vector<CString> calls = dialogs.calls;
        calls.insert(calls.end(), host.calls.begin(), host.calls.end());
        EXPECT_EQ(each.call.IsEmpty() ? std::vector<CString>{} : std::vector<CString>{each.call},
                  calls);
        EXPECT_EQ(each.box, boxes.Shown().empty() ? "" : Texts(boxes)[0]) << each.row;
        EXPECT_EQ(each.selectionAfter, editor.GetSelectedTable()) << each.row;
    }
}

TEST_F(StoredTransactionTest, UpAndDownMoveTheSelectedDetailTableWithItsTitle)
{
    using E = TransactionEditor;
    // The detail tables by their titles' letters, each title found at the table's place.
    const auto order = [this]
    {
        std::string letters;
        for (std::size_t i = 0; i < stored->GetDetailTables().size(); ++i)
        {
            const TableTitleEntry entry = stored->GetTableTitleAt(static_cast<int>(i) + 1);
            EXPECT_EQ(entry.table, stored->GetDetailTables()[i]);
            letters += entry.title.GetString();
        }
        return letters;
    };
    const struct
    {
        void (E::*command)();
        int row;
        const char* order;
        int selectionAfter;
    } steps[] = {
        {&E::MoveUp, 1, "OLN", 1}, {&E::MoveDown, 3, "OLN", 3}, {&E::MoveDown, 0, "OLN", 0},
        {&E::MoveUp, 2, "LON", 1}, {&E::MoveDown, 1, "OLN", 2}, {&E::MoveDown, 2, "ONL", 3},
    };
    for (const auto& step : steps)
    {
        editor.SelectTable(step.row);
        (editor.*step.command)();
        EXPECT_EQ(step.order, order()) << step.row;
        EXPECT_EQ(step.selectionAfter, editor.GetSelectedTable()) << step.row;
    }
    EXPECT_EQ((std::vector<CString>{"order_basic", "order_detail", "note_detail", "line_detail"}),
              Cells(editor.GetTableRows(), 1));
}

TEST_F(StoredTransactionTest, RemoveReportDropsTheSelectedTablesDetailReportOnly)
{
    for (Table* table : {detail, lines})
    {
        auto* entry = new DetailTableReport;
        entry->SetTable(table);
        stored->AddDetailTableReport(entry);
    }
    for (const int row : {-1, 0, 2})
    {
        editor.SelectTable(row);
        editor.RemoveReport();
    }
    EXPECT_NE(nullptr, stored->FindDetailTableReport(detail));
    EXPECT_EQ(1u, stored->GetDetailTableReports().size());
}

TEST_F(StoredTransactionTest, FormControlsPassesTheMenuVariablesBoundToTheRowsTable)
{
    for (Table* table : {basic, detail})
        for (Field* field : table->GetFields())
            stored->AddFieldVariableMap(new FieldVariableMap{field, TransactionVariableFor(field)});
    Variable* item = stored->FindFieldVariableMapByField(detail->GetFields().back())->variable;
    Variable* customer = stored->FindFieldVariableMapByField(basic->GetFields().back())->variable;
    Variable menuFileVariable;
    AspFile* file = stored->GetAspFiles().front();
    file->AddTopMenuVariableMap(MenuVariableMap{nullptr, {{&menuFileVariable, item}}});
    file->AddLeftMenuVariableMap(
        MenuVariableMap{nullptr, {{&menuFileVariable, customer}, {&menuFileVariable, item}}});
    const std::pair<int, std::vector<Variable*>> cases[] = {{0, {customer}}, {1, {item}}, {2, {}}};
    for (const auto& [row, variables] : cases)
    {
        editor.SelectTable(row);
        editor.FormControls();
        EXPECT_EQ(variables, dialogs.controlMenuVariables) << row;
    }
}

TEST_F(StoredTransactionTest, CreateOtherFormCopiesTheFormUnderTheNextFreeNumber)
{
    open.Current().AddTransaction(NewTransaction("Orders1", basic), /*withFiles=*/false);
    auto* totalField = new Field;
    totalField->SetFieldName("total");
    auto* refField = new RefField(totalField, detail);
    stored->AddRefField(refField);
    Field* itemField = detail->GetFields().back();
    for (Field* field : {itemField, totalField})
    {
        Variable* variable = TransactionVariableFor(field);
        stored->AddFieldVariableMap(new FieldVariableMap{field, variable});
        stored->AddFieldRepForField(field);
        stored->GetFieldRepForField(field)->GetFieldRepData()->SetVariable(variable);
    }
    auto* global = new Variable;
    global->SetName("UserId");
    global->SetKind(2);
    auto* globalMap = new FieldVariableMap{nullptr, global};
    stored->AddFieldVariableMap(globalMap);
    // The item's blur recomputes the total through a procedure given the item's variable.
    FieldRepData* itemData = stored->GetFieldRepForField(itemField)->GetFieldRepData();
    auto* recomputes = new EventRecmpFields;
    recomputes->SetEventKind(EventRecmpFields::OnBlur);
    auto* call = new ProcedureInvokation;
    Variable parameter;
    call->AddVariablePair(new VariablePair{&parameter, itemData->GetVariable()});
    recomputes->AddProcedureRecompute(stored->GetFieldRepForField(totalField), call);
    itemData->AddEventRecmpFields(recomputes);
    Menu* menu = NewMenu("Main");
    open.Current().Append(menu);
    AspFile* file = stored->FindAspFileByType(3);
    file->SetTopMenu(menu);
    file->AddTopMenuVariableMap(MenuVariableMap{nullptr, {{&parameter, itemData->GetVariable()}}});

    // An unchecked box does nothing; a checked one is cleared after the copy.
    editor.CreateOtherForm();
    EXPECT_EQ(2u, open.Current().GetTransactions().size());
    editor.States().SetCheck(TransactionEditor::IDC_CREATE_OTHER_FORM, true);
    editor.CreateOtherForm();
    EXPECT_FALSE(editor.States().IsChecked(TransactionEditor::IDC_CREATE_OTHER_FORM));
    EXPECT_EQ((std::vector<CString>{"add BaseModule Orders2"}), host.calls);
    Transaction* other = open.Current().FindTransactionByName("Orders2");
    ASSERT_NE(nullptr, other);
    EXPECT_TRUE(other->IsCopy());
    EXPECT_EQ(basic, other->GetBasicTable());
    EXPECT_EQ(stored->GetDetailTables(), other->GetDetailTables());
    EXPECT_EQ(nullptr, other->FindVariableByName("UserId"));

    // The controls stand on the same table field and on the copied reference field, with the
    // copy's own variables, in the recompute and in the menu map too.
    ASSERT_EQ(2u, other->GetFieldReps().size());
    ASSERT_EQ(1u, other->GetRefFields().size());
    FieldRep* otherTotal = other->GetFieldReps()[1];
    EXPECT_EQ(itemField, other->GetFieldReps()[0]->GetField());
    EXPECT_EQ(other->GetRefFields()[0]->GetField(), otherTotal->GetField());
    EXPECT_NE(totalField, otherTotal->GetField());
    const FieldRepData* otherItemData = other->GetFieldReps()[0]->GetFieldRepData();
    Variable* otherItemVariable = other->FindVariableByName("item_Var");
    ASSERT_NE(nullptr, otherItemVariable);
    EXPECT_EQ(otherItemVariable, otherItemData->GetVariable());
    ASSERT_EQ(1u, otherItemData->GetEventRecmpFieldsList().size());
    const EventRecmpFields* otherRecomputes = otherItemData->GetEventRecmpFieldsList()[0];
    EXPECT_EQ(EventRecmpFields::OnBlur, otherRecomputes->GetEventKind());
    ASSERT_EQ(1u, otherRecomputes->GetProcedureRecomputes().size());
    const EventProcedureRecompute* recompute = otherRecomputes->GetProcedureRecomputes()[0];
    EXPECT_EQ(otherTotal, recompute->fieldRep);
    ASSERT_NE(nullptr, recompute->invokation);
    EXPECT_NE(call, recompute->invokation);
    const VariablePair* pair = recompute->invokation->GetVariablePairAt(0);
    ASSERT_NE(nullptr, pair);
    EXPECT_EQ(&parameter, pair->first);
    EXPECT_EQ(otherItemVariable, pair->second);
    AspFile* otherFile = other->FindAspFileByType(3);
    ASSERT_NE(nullptr, otherFile);
    EXPECT_EQ(menu, otherFile->GetTopMenu());
    EXPECT_EQ((std::vector<MenuVariableMap::VariablePair>{{&parameter, otherItemVariable}}),
              otherFile->GetTopMenuVariableMaps().back().GetVariablePairs());
    EXPECT_EQ(2u, stored->GetFieldReps().size());
    // The page owns no map of a global variable.
    stored->RemoveFieldVariableMapByVariable(global);
    delete global;
    delete globalMap;
}
} // namespace
