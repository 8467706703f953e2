#include "editors/logic/FieldVisibilityEditor.h"
#include "editors/logic/LinkEditors.h"
#include "editors/logic/ListLookup.h"
#include "editors/logic/MapFormEditor.h"
#include "editors/logic/RefFieldEditor.h"
#include "editors/logic/TransactionEditor.h"
#include "entities/AspFile.h"
#include "entities/Form.h"
#include "entities/LinkControl.h"
#include "entities/MapForm.h"
#include "entities/Menu.h"
#include "entities/Transaction.h"
#include "gen_web/AspxWriteAll.h"
#include "model/FieldVisibility.h"
#include "model/ProjectStore.h"
#include "model/RefField.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/editors/consumers/WrittenApplication.h"
#include "tests/editors/logic/DesignedProject.h"
#include "tests/editors/logic/RecordingPageDialogs.h"
#include "tests/gen_web/PreparedProjectFolder.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace
{
namespace fs = std::filesystem;

// Picks the combo entry of the name.
void ChooseTransactionItem(ControlStates& states, int combo, const CString& name)
{
    const std::vector<CString>& items = states.GetItems(combo);
    const auto found = std::find(items.begin(), items.end(), name);
    states.Select(combo, found == items.end() ? -1 : static_cast<int>(found - items.begin()));
}

// The designed library project whose transaction "book" was made again through the transaction
// designer: book_basic with the detail table book_detail, two columns, the reference field
// "shelf" over book_basic, a link "Authors" to the author form's page and the title read-only on
// the Update page file. Beside it the map table publication (publisher_id, author_id) made
// through the table designer without default pages, and its map form made through the map form
// editor: publisher_id on top with the input field "Publisher_ID", author_id at the bottom,
// editable through the master form author_form.
struct EditedPages
{
    explicit EditedPages(const CString& path) : designed(path, /*databaseKind=*/1)
    {
        ForgeonProject& project = designed.project;
        Module& base = *project.GetBaseModule();
        project.DeleteTransaction(base.FindTransactionByName("book"));
        PlayDialogs();
        EditTransaction();
        DesignMapTable();
        EditMapForm();
    }

    void PlayDialogs()
    {
        dialogs.editReferenceFields = [this](FormInterface& page)
        {
            RefFieldEditor editor(page, refFieldTable);
            editor.Load();
            editor.SetName(refFieldName);
            editor.SelectType(4);
            editor.AddOrUpdate();
        };
        dialogs.editLinks = [this](FormInterface& page)
        {
            Module& base = *designed.project.GetBaseModule();
            auto* authors = new Menu;
            authors->SetName("Authors");
            base.GetMenuAt(0)->AddSubMenu(authors);
            authors->SetAspFile(base.FindMasterFormByName("author_form")->GetAspFileAt(0));
            PageLinkEditor editor(page, [authors](Menu*) { return authors; });
            editor.Open();
            editor.SelectMenu();
            editor.States().SetText(LinkEditor::IDC_CAPTION, "Authors");
            editor.States().Select(LinkEditor::IDC_ALIGN, LinkControl::Center);
            editor.AddOrUpdate();
        };
        dialogs.editVisibility = [](FormInterface& page, AspFile& file)
        {
            FieldVisibilityEditor editor(page, &file);
            editor.Load();
            for (std::size_t row = 0; row < editor.GetCandidates().size(); ++row)
            {
                if (editor.GetCandidates()[row]->GetField()->GetFieldName() != "title")
                    continue;
                editor.SelectRow(static_cast<int>(row));
                editor.ToggleRadio(FieldVisibilityEditor::ReadOnlyRadio);
                editor.Update();
            }
            editor.Close();
        };
    }

    void EditTransaction()
    {
        TransactionEditor editor(designed.project, designed.host, dialogs);
        editor.LoadTransaction(nullptr);
        ControlStates& states = editor.States();
        ChooseTransactionItem(states, TransactionEditor::IDC_MASTER_TABLE, "book_basic");
        editor.AddMaster();
        ChooseTransactionItem(states, TransactionEditor::IDC_DETAIL_TABLE, "book_detail");
        editor.AddDetail();
        editor.SingleColumn();
        editor.TwoColumns();
        transaction = editor.GetTransaction();
        refFieldTable = transaction->GetBasicTable();
        refFieldName = "shelf";
        editor.SelectTable(0);
        editor.ReferenceFields();
        editor.LinkControls();
        states.SetText(TransactionEditor::IDC_NAME, "book");
        editor.Ok();
        // Stored, it is edited in place: the Update page file's visibility.
        editor.LoadTransaction(transaction);
        editor.SelectFile(1);
        editor.SetProperties();
        editor.ClearPage();
    }

    void DesignMapTable()
    {
        TableDesigner designer(designed.project, designed.host);
        designer.InitialUpdate();
        designer.LoadTable(nullptr, Table::mapKind);
        for (const char* referred : {"publisher", "author"})
        {
            designer.ToggleForeignKey();
            ChooseTransactionItem(designer.States(), TableDesigner::IDC_FOREIGN_TABLE, referred);
            designer.ChooseForeignTable(
                designer.States().GetSelection(TableDesigner::IDC_FOREIGN_TABLE));
            designer.AddOrUpdate(true);
        }
        designer.ToggleGenerate();
        designer.States().SetText(TableDesigner::IDC_TABLE_NAME, "Publication");
        designer.Ok(true);
        CString name = "publication";
        mapTable = designed.project.GetBaseModule()->FindTableByName(name);
    }

    void EditMapForm()
    {
        Module& base = *designed.project.GetBaseModule();
        MapFormEditor editor(designed.project, designed.host, dialogs);
        editor.LoadTable(mapTable);
        ControlStates& states = editor.States();
        states.SetText(MapFormEditor::IDC_HEADER, "Publications");
        editor.LeaveHeader();
        ChooseTransactionItem(states, MapFormEditor::IDC_FIELDS, "publisher_id");
        editor.AddField();
        editor.ShowBottomFields();
        ChooseTransactionItem(states, MapFormEditor::IDC_FIELDS, "author_id");
        editor.AddField();
        states.Select(MapFormEditor::IDC_MASTER_FORMS,
                      PositionOf(base.GetMasterForms(), base.FindMasterFormByName("author_form")));
        editor.AssignMasterForm();
        editor.MakeEditable();
        editor.ShowTopFields();
        refFieldTable = mapTable;
        refFieldName = "Publisher_ID";
        editor.AddRefField();
        ChooseTransactionItem(states, MapFormEditor::IDC_REF_FIELDS, "Publisher_ID");
        editor.AddInputField();
        mapForm = editor.GetMapForm();
        editor.AddMapForm();
    }

    DesignedProject designed;
    RecordingPageDialogs dialogs;
    Table* refFieldTable = nullptr;
    CString refFieldName;
    Transaction* transaction = nullptr;
    Table* mapTable = nullptr;
    MapForm* mapForm = nullptr;
};
} // namespace

// What the editors built is in the model: the transaction and the map form in the module.
TEST(EditedPages, TheTransactionAndTheMapFormAreStoredAsEdited)
{
    ScriptedMessageBoxes boxes;
    TempFolder folder;
    EditedPages edited(folder.ModelPath());
    EXPECT_EQ(std::vector<std::string>{}, boxes.ShownTexts());
    Module& base = *edited.designed.project.GetBaseModule();
    const Transaction* book = base.FindTransactionByName("book");
    ASSERT_EQ(edited.transaction, book);
    EXPECT_EQ("book_basic", book->GetBasicTable()->GetTableName());
    ASSERT_EQ(1u, book->GetDetailTables().size());
    EXPECT_EQ(2, book->GetColumnCount());
    ASSERT_EQ(1u, book->GetRefFields().size());
    EXPECT_NE(nullptr, book->FindPreLinkByCaption("Authors"));
    const AspFile* update = book->FindAspFileByType(3);
    ASSERT_NE(nullptr, update);
    EXPECT_EQ(1u, update->GetFieldVisibilities().size());

    ASSERT_NE(nullptr, edited.mapTable);
    const MapForm* mapForm = base.FindMapFormByTable(edited.mapTable);
    ASSERT_EQ(edited.mapForm, mapForm);
    EXPECT_EQ("publication_form", mapForm->GetFormName());
    EXPECT_EQ("Publications", mapForm->GetHeader());
    EXPECT_EQ(1u, mapForm->GetTopFields().size());
    EXPECT_EQ(1u, mapForm->GetBottomFields().size());
    EXPECT_EQ(1u, mapForm->GetTopInputFieldReps().size());
    EXPECT_EQ(base.FindMasterFormByName("author_form"), mapForm->GetBottomMasterForm());
}

// Write All writes the transaction's pages beside the data classes of every table, and the C#
// of the whole application compiles.
TEST(EditedPages, WriteAllWritesThePagesAndTheOutputCompiles)
{
    ScriptedMessageBoxes boxes;
    TempFolder folder;
    EditedPages edited(folder.ModelPath());
    const fs::path application = folder.Path() / "Library" / "Library";
    PrepareProjectFolder(edited.designed.project);
    AspxWriteAll writeAll(&edited.designed.project);
    ASSERT_TRUE(writeAll.Run(nullptr)) << writeAll.GetReport().GetText();
    for (const AspFile* file : edited.transaction->GetAspFiles())
    {
        bool written = false;
        for (const auto& entry : fs::recursive_directory_iterator(application))
            written = written || entry.path().filename() == std::string(file->GetFileName(FALSE));
        EXPECT_TRUE(written) << file->GetFileName(FALSE);
    }
    const ToolResult compile =
        CompileWrittenApplication(application, folder.Path() / "Library.dll");
    EXPECT_EQ(0, compile.exitCode) << compile.output;
}

// The project with the edited pages saves, loads and saves again to the same bytes; the first
// load names the page variables after their fields, so the bytes are compared from the second
// save on.
TEST(EditedPages, TheProjectRoundTripsToTheSameBytes)
{
    ScriptedMessageBoxes boxes;
    TempFolder folder;
    const auto path = [&](const char* name) { return (folder.Path() / name).string(); };
    ProjectStore store;
    {
        EditedPages edited(folder.ModelPath());
        ASSERT_TRUE(
            store.ArchiveProject(&edited.designed.project, path("first.wvt").c_str(), FALSE));
    }
    ASSERT_TRUE(store.ArchiveProject(nullptr, path("first.wvt").c_str(), TRUE));
    const Module& base = *store.GetProject()->GetBaseModule();
    const Transaction* book = base.FindTransactionByName("book");
    ASSERT_NE(nullptr, book);
    EXPECT_EQ(1u, book->GetRefFields().size());
    ASSERT_EQ(1u, base.GetMapForms().size());
    EXPECT_EQ(1u, base.GetMapForms()[0]->GetTopInputFieldReps().size());
    ASSERT_TRUE(store.ArchiveProject(store.GetProject(), path("second.wvt").c_str(), FALSE));
    ASSERT_TRUE(store.ArchiveProject(nullptr, path("second.wvt").c_str(), TRUE));
    ASSERT_TRUE(store.ArchiveProject(store.GetProject(), path("third.wvt").c_str(), FALSE));
    EXPECT_TRUE(ReadHostFile(path("second.wvt")) == ReadHostFile(path("third.wvt")));
}
