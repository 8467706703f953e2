// Sequences of refused and done deletions in one session of a project made in the table
// designer, as the user makes them in the editors and the tree: each check and each deletion
// leaves no usage set behind, and the project saves, loads and saves to the same bytes.
#include "editors/logic/VariableEditor.h"
#include "entities/Class.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "model/EntityUsageSet.h"
#include "model/Field.h"
#include "model/Module.h"
#include "model/ProjectDiagnostics.h"
#include "model/ProjectStore.h"
#include "model/Table.h"
#include "tests/editors/logic/DesignedProject.h"
#include "tests/model/ModelBuilders.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/HostFiles.h"
#include "tests/support/RecordBytes.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace
{
Table& TableNamed(ForgeonProject& project, CString name)
{
    Table* table = project.GetCurrentModule()->FindTableByName(name);
    EXPECT_NE(nullptr, table) << name.str();
    return *table;
}

// The page's variables that the variable list refuses to delete: each asked and refused.
int RefuseVariables(ForgeonProject& project, FormInterface& page)
{
    int refused = 0;
    std::vector<FieldVariableMap*>& maps = page.EditFieldVariableMaps();
    for (std::size_t row = 0; row < maps.size(); ++row)
    {
        if (!project.IsPageVariableInUse(&page, maps[row], /*report=*/false))
            continue;
        VariableEditor editor(project, maps, &page);
        editor.Open();
        ScriptedMessageBoxes boxes;
        boxes.Answer(IDOK);
        editor.ClickRow(static_cast<int>(row));
        editor.Delete();
        EXPECT_EQ("Variable not free for deletion", Texts(boxes).back());
        ++refused;
    }
    return refused;
}

// The output columns of the table's SelectAllRecords that a page shows, each refused.
int RefuseFunctionColumns(ForgeonProject& project, Table& table)
{
    Function* function =
        project.GetClassForTable(&table, false)->FindFunctionByName("SelectAllRecords");
    int refused = 0;
    for (ProcedureFieldInfo* column : function->GetOutputFields())
    {
        ScriptedMessageBoxes boxes;
        if (!project.CanRemoveFunctionField(function, column->GetField(), /*show=*/false))
            ++refused;
    }
    return refused;
}

struct Step
{
    const char* what;
    std::function<void(ForgeonProject&)> run;
};

Step RefuseFormVariables(const char* table)
{
    return {"refuse the form's variables", [table](ForgeonProject& project)
            {
                Form* form = project.GetCurrentModule()->GetMasterFormForTable(
                    &TableNamed(project, table), false);
                ASSERT_NE(nullptr, form);
                EXPECT_LT(0, RefuseVariables(project, *form));
            }};
}

Step RefuseTransactionVariables(const char* table)
{
    return {"refuse the transaction's variables", [table](ForgeonProject& project)
            {
                Transaction* transaction =
                    project.GetCurrentModule()->FindTransactionByTable(&TableNamed(project, table));
                ASSERT_NE(nullptr, transaction);
                EXPECT_LT(0, RefuseVariables(project, *transaction));
            }};
}

Step RefuseColumns(const char* table)
{
    return {"refuse the function's columns", [table](ForgeonProject& project)
            { EXPECT_LT(0, RefuseFunctionColumns(project, TableNamed(project, table))); }};
}

Step DeleteTable(const char* table)
{
    return {"delete a table", [table](ForgeonProject& project)
            { EXPECT_TRUE(project.DeleteTable(&TableNamed(project, table))); }};
}

Step DeleteField(const CString& table, const CString& field)
{
    return {"delete a field", [table, field](ForgeonProject& project)
            {
                Field* found = TableNamed(project, table).FindFieldByName(field);
                ASSERT_NE(nullptr, found) << field.str();
                EXPECT_TRUE(project.DeleteField(found));
            }};
}

Step DeleteForm(const char* table)
{
    return {"delete a form", [table](ForgeonProject& project)
            {
                Form* form = project.GetCurrentModule()->GetMasterFormForTable(
                    &TableNamed(project, table), false);
                ASSERT_NE(nullptr, form);
                EXPECT_TRUE(project.DeleteForm(form));
            }};
}

struct Sequence
{
    std::string name;
    std::vector<Step> steps;
};

class DeletionSequenceTest : public ::testing::Test
{
protected:
    // Runs the steps on a new designed project, each leaving no usage set behind; then saves,
    // loads and saves it again, which must give the same bytes.
    void RunThenSaveLoadSave(const Sequence& sequence)
    {
        const CString made = m_folder.ModelPath("made.wvt");
        {
            DesignedProject designed(m_folder.ModelPath());
            for (const Step& step : sequence.steps)
            {
                step.run(designed.project);
                const ProjectDiagnostics& diagnostics = TheProjectDiagnostics();
                EXPECT_EQ(1, diagnostics.GetUsageSetDepth()) << sequence.name << ": " << step.what;
                EXPECT_TRUE(diagnostics.GetCurrentUsageSet().IsEmpty())
                    << sequence.name << ": " << step.what;
            }
            ProjectStore store;
            ASSERT_TRUE(store.ArchiveProject(&designed.project, made, FALSE)) << sequence.name;
        }
        ProjectStore loaded;
        const ScopedOpenProject open(loaded);
        EXPECT_TRUE(loaded.ArchiveProject(nullptr, made, TRUE)) << sequence.name;
        EXPECT_TRUE(
            loaded.ArchiveProject(loaded.GetProject(), m_folder.ModelPath("saved.wvt"), FALSE))
            << sequence.name;
        EXPECT_TRUE(ReadHostFile(m_folder.Path() / "made.wvt") ==
                    ReadHostFile(m_folder.Path() / "saved.wvt"))
            << sequence.name;
    }

    TempFolder m_folder;
    ScopedArchiveVersion m_version{CurrentVersion()};
};

TEST_F(DeletionSequenceTest, RefusedAndDoneDeletionsLeaveNoUsageSetAndSaveAsTheyLoad)
{
    const std::vector<Sequence> sequences = {
        {"form variable refused, its table and a field of another deleted",
         {RefuseFormVariables("publisher"), DeleteTable("publisher"),
          DeleteField("author", "name")}},
        {"transaction variable refused, its table and a field of another deleted",
         {RefuseTransactionVariables("book_basic"), DeleteTable("book_basic"),
          DeleteField("author", "born")}},
        {"detail table deleted after its transaction's variables were refused",
         {RefuseTransactionVariables("book_basic"), DeleteTable("book_detail"),
          DeleteField("publisher", "name"), DeleteTable("author")}},
        {"function columns refused, the page's table and a field of another deleted",
         {RefuseColumns("publisher"), DeleteTable("author"), DeleteField("publisher", "name")}},
        {"refusals between deletions",
         {RefuseFormVariables("author"), DeleteForm("publisher"), RefuseColumns("publisher"),
          DeleteField("author", "born"), RefuseFormVariables("author"), DeleteTable("author"),
          DeleteTable("publisher")}},
    };
    for (const Sequence& sequence : sequences)
        RunThenSaveLoadSave(sequence);
}

TEST_F(DeletionSequenceTest, EachFieldDeletedAloneSavesAsTheProjectLoads)
{
    std::vector<Sequence> sequences;
    {
        DesignedProject designed(m_folder.ModelPath());
        std::vector<Table*> tables;
        designed.project.GetCurrentModule()->GetAllTables(tables);
        for (const Table* table : tables)
        {
            for (const Field* field : table->GetFields())
            {
                if (!field->IsKeyOrDeletedFlag())
                    sequences.push_back(
                        {(table->GetTableName() + "." + field->GetFieldName()).str(),
                         {DeleteField(table->GetTableName(), field->GetFieldName())}});
            }
        }
    }
    // author.name is the front field of a table with a foreign key.
    ASSERT_EQ(7u, sequences.size());
    EXPECT_TRUE(std::ranges::any_of(sequences, [](const Sequence& sequence)
                                    { return sequence.name == "author.name"; }));
    for (const Sequence& sequence : sequences)
        RunThenSaveLoadSave(sequence);
}
} // namespace
