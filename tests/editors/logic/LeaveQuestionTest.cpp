#include "editors/logic/FormEditor.h"
#include "editors/logic/PaneEditor.h"
#include "editors/logic/ProcedureEditor.h"
#include "editors/logic/TableDesigner.h"
#include "editors/logic/TransactionEditor.h"
#include "entities/Form.h"
#include "entities/Procedure.h"
#include "entities/Transaction.h"
#include "tests/editors/logic/DesignedProject.h"
#include "tests/editors/logic/RecordingPageDialogs.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace
{
// An editor of one name box and one text box over an item of its own, which counts its stores
// and reloads.
class NoteEditor : public PaneEditor
{
public:
    static constexpr int kName = 1;
    static constexpr int kText = 2;

    NoteEditor() : PaneEditor(states) {}
    std::vector<int> ItemBoxes() const override { return {kName, kText}; }

    void Load(bool isNew)
    {
        m_new = isNew;
        rows.clear();
        states.SetText(kName, isNew ? CString() : stored);
        states.SetText(kText, "first\r\nsecond");
        NoteLoaded();
    }
    // The name taken as its box loses the focus.
    void TakeName()
    {
        stored = states.GetText(kName);
        NoteStored(kName);
    }

    ControlStates states;
    CString stored = "Notes";
    std::vector<ListRow> rows;
    bool refuses = false;
    int stores = 0;
    int reloads = 0;

private:
    bool HoldsItem() const override { return true; }
    bool IsNewItem() const override { return m_new; }
    const char* ItemKind() const override { return "note"; }
    CString ItemName() const override { return m_new ? states.GetText(kName) : stored; }
    std::vector<CString> NewItemContent() const override
    {
        std::vector<CString> content;
        AddRows(content, rows);
        return content;
    }
    void StoreItem() override
    {
        ++stores;
        if (refuses)
            return;
        stored = states.GetText(kName);
        Load(false);
    }
    void ReloadItem() override
    {
        ++reloads;
        Load(m_new);
    }

    bool m_new = false;
};
} // namespace

TEST(LeaveQuestionTest, AnEditorAsksOnlyAboutWhatItsBoxesOrItsNewItemHoldOtherThanLoaded)
{
    const struct
    {
        const char* what;
        bool isNew;
        std::function<void(NoteEditor&)> change;
        int answer;
        std::vector<std::string> questions;
        bool leaves;
        int stores;
        int reloads;
    } cases[] = {
        {"nothing typed", false, [](NoteEditor&) {}, IDYES, {}, true, 0, 0},
        {"the text given back with the edit's line ends",
         false,
         [](NoteEditor& e) { e.states.SetText(NoteEditor::kText, "first\nsecond"); },
         IDYES,
         {},
         true,
         0,
         0},
        {"a name taken as the box lost the focus",
         false,
         [](NoteEditor& e)
         {
             e.states.SetText(NoteEditor::kName, "Jottings");
             e.TakeName();
         },
         IDYES,
         {},
         true,
         0,
         0},
        {"a text typed, Cancel",
         false,
         [](NoteEditor& e) { e.states.SetText(NoteEditor::kText, "third"); },
         IDCANCEL,
         {"The note \"Notes\" has not been updated. Update it?"},
         false,
         0,
         0},
        {"a text typed, No",
         false,
         [](NoteEditor& e) { e.states.SetText(NoteEditor::kText, "third"); },
         IDNO,
         {"The note \"Notes\" has not been updated. Update it?"},
         true,
         0,
         1},
        {"a name typed, Yes",
         false,
         [](NoteEditor& e) { e.states.SetText(NoteEditor::kName, "Jottings"); },
         IDYES,
         {"The note \"Notes\" has not been updated. Update it?"},
         true,
         1,
         0},
        {"a store that refuses keeps the editor",
         false,
         [](NoteEditor& e)
         {
             e.states.SetText(NoteEditor::kName, "Jottings");
             e.refuses = true;
         },
         IDYES,
         {"The note \"Notes\" has not been updated. Update it?"},
         false,
         1,
         0},
        {"a new item with a row and no name",
         true,
         [](NoteEditor& e) { e.rows.push_back({{"a row"}}); },
         IDNO,
         {"The new note has not been added. Add it?"},
         true,
         0,
         1},
        {"a new item named",
         true,
         [](NoteEditor& e) { e.states.SetText(NoteEditor::kName, "Draft"); },
         IDCANCEL,
         {"The note \"Draft\" has not been added. Add it?"},
         false,
         0,
         0},
    };
    for (const auto& each : cases)
    {
        SCOPED_TRACE(each.what);
        NoteEditor editor;
        editor.Load(each.isNew);
        each.change(editor);
        ScriptedMessageBoxes boxes{each.answer};
        EXPECT_EQ(each.leaves, editor.MayLeave());
        EXPECT_EQ(each.questions, Texts(boxes));
        EXPECT_EQ(each.stores, editor.stores);
        EXPECT_EQ(each.reloads, editor.reloads);
        // What the answer let go of leaves nothing to ask about.
        EXPECT_EQ(!each.leaves, editor.HasChanges());
    }
}

namespace
{
// An editor of the designed project on an item, with something typed or made in it.
struct EditorCase
{
    const char* what;
    // Loads the item and changes it; the editor asked.
    std::function<PaneEditor&(DesignedProject&)> edit;
    std::string question;
    // The project holds what was typed or made: after Yes only.
    std::function<bool(DesignedProject&)> holds;
};

Module& CurrentOf(DesignedProject& designed)
{
    return *designed.project.GetCurrentModule();
}

// A select of the columns of book_basic written by hand.
constexpr const char* kHandText = "SELECT b.book_basic_id, title, price FROM book_basic b";

int ItemIndex(const std::vector<CString>& items, const char* name)
{
    return static_cast<int>(std::ranges::find(items, CString(name)) - items.begin());
}
} // namespace

TEST(LeaveQuestionTest, EveryEditorAsksBeforeItLetsGoOfWhatWasTypedOrMade)
{
    // The editors outlive their cases' lambdas.
    std::vector<std::unique_ptr<TableDesigner>> tables;
    std::vector<std::unique_ptr<TransactionEditor>> transactions;
    std::vector<std::unique_ptr<FormEditor>> forms;
    std::vector<std::unique_ptr<ProcedureEditor>> procedures;
    RecordingPageDialogs dialogs;
    const EditorCase cases[] = {
        {"a new table with two fields",
         [&](DesignedProject& d) -> PaneEditor&
         {
             auto& editor =
                 *tables.emplace_back(std::make_unique<TableDesigner>(d.project, d.host));
             editor.InitialUpdate();
             editor.LoadTable(nullptr, Table::masterKind);
             for (const char* field : {"title", "price"})
             {
                 editor.States().SetText(TableDesigner::IDC_FIELD_NAME, field);
                 editor.AddOrUpdate(true);
             }
             editor.States().SetText(TableDesigner::IDC_TABLE_NAME, "Shelf");
             return editor;
         },
         "The table \"Shelf\" has not been added. Add it?",
         [](DesignedProject& d)
         {
             CString name = "shelf";
             const Table* table = CurrentOf(d).FindTableByName(name);
             return table != nullptr && table->FindFieldByName("price") != nullptr;
         }},
        {"a size typed into the field panel of a stored table",
         [&](DesignedProject& d) -> PaneEditor&
         {
             auto& editor =
                 *tables.emplace_back(std::make_unique<TableDesigner>(d.project, d.host));
             editor.InitialUpdate();
             CString name = "publisher";
             editor.LoadTable(CurrentOf(d).FindTableByName(name), Table::masterKind);
             editor.States().SetText(TableDesigner::IDC_FIELD_NAME, "city");
             editor.ChooseType(4);
             editor.States().SetText(TableDesigner::IDC_SIZE, "80");
             return editor;
         },
         "The field \"city\" has not been added. Add it?",
         [](DesignedProject& d)
         {
             CString name = "publisher";
             const Field* city = CurrentOf(d).FindTableByName(name)->FindFieldByName("city");
             return city != nullptr && city->GetSize() == 80;
         }},
        {"a new master-detail form with its tables",
         [&](DesignedProject& d) -> PaneEditor&
         {
             auto& editor = *transactions.emplace_back(
                 std::make_unique<TransactionEditor>(d.project, d.host, dialogs));
             editor.LoadTransaction(nullptr);
             ControlStates& states = editor.States();
             states.Select(
                 TransactionEditor::IDC_MASTER_TABLE,
                 ItemIndex(states.GetItems(TransactionEditor::IDC_MASTER_TABLE), "book_basic"));
             editor.AddMaster();
             states.Select(
                 TransactionEditor::IDC_DETAIL_TABLE,
                 ItemIndex(states.GetItems(TransactionEditor::IDC_DETAIL_TABLE), "book_detail"));
             editor.AddDetail();
             states.SetText(TransactionEditor::IDC_NAME, "Orders");
             return editor;
         },
         "The master-detail form \"Orders\" has not been added. Add it?",
         [](DesignedProject& d)
         { return CurrentOf(d).FindTransactionByName("Orders") != nullptr; }},
        {"a form renamed",
         [&](DesignedProject& d) -> PaneEditor&
         {
             auto& editor = *forms.emplace_back(std::make_unique<FormEditor>(d.host, dialogs));
             editor.LoadForm(CurrentOf(d).FindMasterFormByName("author_form"));
             editor.States().SetText(FormEditor::IDC_NAME, "writer form");
             return editor;
         },
         "The form \"author_form\" has not been updated. Update it?",
         [](DesignedProject& d)
         { return CurrentOf(d).FindMasterFormByName("writer_form") != nullptr; }},
        {"procedure text typed and not applied",
         [&](DesignedProject& d) -> PaneEditor&
         {
             auto& editor =
                 *procedures.emplace_back(std::make_unique<ProcedureEditor>(d.project, d.host));
             editor.LoadProcedure(nullptr);
             ControlStates& states = editor.States();
             states.Select(
                 ProcedureEditor::IDC_MAIN_TABLE,
                 ItemIndex(states.GetItems(ProcedureEditor::IDC_MAIN_TABLE), "book_basic"));
             editor.AddMainTable();
             Procedure& procedure = *editor.GetProcedure();
             for (Field* field : procedure.GetMainTable()->GetFields())
                 procedure.AddOutputField(field);
             editor.AddFieldInfo();
             states.SetText(ProcedureEditor::IDC_NAME, "PRC_Books");
             editor.AddProcedure();
             editor.LoadProcedure(d.project.FindProcedureByName("PRC_Books"));
             states.SetText(ProcedureEditor::IDC_TEXT, kHandText);
             return editor;
         },
         "The procedure \"PRC_Books\" has not been updated. Update it?",
         [](DesignedProject& d)
         {
             const Procedure* procedure = d.project.FindProcedureByName("PRC_Books");
             return procedure->GetProcedureText() == kHandText && procedure->GetTextFlag();
         }},
    };
    for (const int answer : {IDCANCEL, IDNO, IDYES})
        for (const EditorCase& each : cases)
        {
            SCOPED_TRACE(each.what);
            SCOPED_TRACE(answer);
            DesignedProject designed{"C:\\temp\\LeaveQuestion\\"};
            PaneEditor& editor = each.edit(designed);
            {
                ScriptedMessageBoxes boxes{answer};
                EXPECT_EQ(answer != IDCANCEL, editor.MayLeave());
                ASSERT_FALSE(boxes.Shown().empty());
                EXPECT_EQ(each.question, boxes.Shown().front().text);
                EXPECT_EQ(answer == IDYES, each.holds(designed));
            }
            // Cancel kept what was typed, to be asked about again; Yes and No left nothing.
            ScriptedMessageBoxes again{IDNO};
            EXPECT_TRUE(editor.MayLeave());
            EXPECT_EQ(answer == IDCANCEL, !again.Shown().empty());
        }
}
