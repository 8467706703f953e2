#include "editors/logic/FormProceduresAssigner.h"
#include "editors/logic/LoginPageEditor.h"
#include "editors/logic/ProcedureAssigner.h"
#include "editors/logic/RelationEditor.h"
#include "entities/ApplicationReport.h"
#include "entities/Form.h"
#include "entities/LoginPage.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ProcedureTable.h"
#include "entities/UniquenessProcedureTable.h"
#include "entities/Variable.h"
#include "model/Relation.h"
#include "tests/editors/logic/DesignedProject.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace
{

std::vector<std::string> RowLines(const std::vector<ListRow>& rows)
{
    std::vector<std::string> cells;
    for (const ListRow& row : rows)
    {
        std::string line;
        for (std::size_t i = 0; i < row.cells.size(); ++i)
            line += (i == 0 ? "" : "|") + std::string(row.cells[i].GetString());
        cells.push_back(line);
    }
    return cells;
}

std::vector<std::string> Strings(const std::vector<CString>& items)
{
    return {items.begin(), items.end()};
}

Field* FieldOf(Table& table, const char* name)
{
    for (Field* field : table.GetFields())
    {
        if (field->GetFieldName() == name)
            return field;
    }
    ADD_FAILURE() << name;
    return nullptr;
}

// A designed project with "PRC_Find" on author (parameters name and born, output columns
// author_id and name) and pages with the variables v1 and v2.
class ProcedureAssignmentTest : public ::testing::Test
{
protected:
    ProcedureAssignmentTest()
    {
        Module& module = *designed.project.GetCurrentModule();
        author = module.FindTableByName(authorName);
        find = new Procedure;
        find->SetName("PRC_Find");
        find->SetMainTable(author);
        find->AddFieldParameter(FieldOf(*author, "name"));
        find->AddFieldParameter(FieldOf(*author, "born"));
        find->AddOutputField(FieldOf(*author, "author_id"));
        find->AddOutputField(FieldOf(*author, "name"));
        module.AddProcedure(find);
        AddVariables(form);
        AddVariables(report);
    }

    static void AddVariables(FormInterface& page)
    {
        for (const char* name : {"v1", "v2"})
        {
            auto* variable = new Variable;
            variable->SetName(name);
            page.AddFieldVariableMap(new FieldVariableMap{nullptr, variable});
        }
    }

    int IndexOfFind(ProcedureAssigner& assigner)
    {
        const std::vector<CString>& items =
            assigner.States().GetItems(ProcedureAssigner::IDC_PROCEDURE);
        for (std::size_t i = 0; i < items.size(); ++i)
        {
            if (items[i] == "PRC_Find")
                return static_cast<int>(i);
        }
        ADD_FAILURE() << "PRC_Find not offered";
        return -1;
    }
    // Plays the assignment: PRC_Find chosen, its parameters mapped onto v1 and v2, OK.
    std::function<bool(ProcedureAssigner&)> MapFind()
    {
        return [this](ProcedureAssigner& assigner)
        {
            assigner.Open();
            assigner.ChooseProcedure(IndexOfFind(assigner));
            for (int row : {0, 1})
            {
                assigner.SelectMapping(row);
                assigner.SelectVariable(row);
                assigner.Assign();
            }
            return assigner.Ok();
        };
    }

    DesignedProject designed{"C:\\temp\\ProcedureAssignment\\", 1};
    CString authorName = "author";
    Table* author = nullptr;
    Procedure* find = nullptr;
    Form form;
    ApplicationReport report;
};

TEST_F(ProcedureAssignmentTest, AssignerOffersMapsAndKeepsSlots)
{
    ProcedureInvokation invocation;
    invocation.AddFieldVariableMap(new FieldVariableMap{FieldOf(*author, "name"), nullptr});
    ProcedureAssigner assigner(designed.project, &form, &invocation, true);
    assigner.Open();
    EXPECT_EQ(assigner.ReleaseInvocation(), nullptr);
    for (const CString& name : assigner.States().GetItems(ProcedureAssigner::IDC_PROCEDURE))
    {
        for (const char* tail : {"_Insert", "_Update", "_Delete"})
            EXPECT_EQ(name.Find(tail), -1) << name.GetString();
    }
    EXPECT_EQ(assigner.States().GetSelection(ProcedureAssigner::IDC_PROCEDURE), -1);
    EXPECT_TRUE(assigner.States().IsChecked(ProcedureAssigner::IDC_MAP_INPUT));
    EXPECT_EQ(RowLines(assigner.GetVariableRows()), (std::vector<std::string>{"|v1", "|v2"}));

    assigner.ChooseProcedure(IndexOfFind(assigner));
    EXPECT_EQ(invocation.GetVariablePairs(), (std::vector<VariablePair*>{nullptr, nullptr}));
    EXPECT_EQ(invocation.GetFieldVariableMaps().size(), 1u);
    EXPECT_EQ(RowLines(assigner.GetMappingRows()),
              (std::vector<std::string>{"PRC_name_Var|NOT_ASSIGNED", "PRC_born_Var|NOT_ASSIGNED"}));
    EXPECT_EQ(assigner.GetSelectedMapping(), 1);

    struct Step
    {
        int mapping;
        int variable;
        bool remove;
        std::vector<std::string> rows;
    };
    const Step steps[] = {
        {1, 0, false, {"PRC_name_Var|NOT_ASSIGNED", "PRC_born_Var|v1"}},
        {1, 1, false, {"PRC_name_Var|NOT_ASSIGNED", "PRC_born_Var|v2"}},
        {0, 0, false, {"PRC_name_Var|v1", "PRC_born_Var|v2"}},
        {1, 0, true, {"PRC_name_Var|v1", "PRC_born_Var|NOT_ASSIGNED"}},
    };
    for (const Step& step : steps)
    {
        assigner.SelectMapping(step.mapping);
        assigner.SelectVariable(step.variable);
        step.remove ? assigner.DeleteMapping() : assigner.Assign();
        EXPECT_EQ(RowLines(assigner.GetMappingRows()), step.rows);
    }
    ASSERT_EQ(invocation.GetVariablePairs().size(), 2u);
    EXPECT_EQ(invocation.GetVariablePairs()[1], nullptr);

    assigner.MapOutputFields();
    EXPECT_EQ(RowLines(assigner.GetMappingRows()),
              (std::vector<std::string>{"author_id|", "name|"}));
    assigner.SelectMapping(0);
    assigner.SelectVariable(1);
    assigner.Assign();
    assigner.Assign();
    EXPECT_EQ(invocation.GetFieldVariableMaps().size(), 3u);
    EXPECT_EQ(RowLines(assigner.GetMappingRows()),
              (std::vector<std::string>{"author_id|v2", "name|"}));
    assigner.DeleteMapping();
    EXPECT_EQ(invocation.GetFieldVariableMaps().size(), 2u);
}

TEST_F(ProcedureAssignmentTest, OkNeedsEveryParameterMappedExceptOnReports)
{
    struct Case
    {
        const char* what;
        FormInterface* page;
        int mapped;
        bool output;
        bool closes;
    };
    const Case cases[] = {
        {"form, none mapped", &form, 0, false, false},
        {"form, one mapped", &form, 1, false, false},
        {"form, all mapped", &form, 2, false, true},
        {"report, none mapped", &report, 0, false, true},
        {"form, output mapping", &form, 0, true, true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        ProcedureAssigner assigner(designed.project, c.page, nullptr, true);
        assigner.Open();
        assigner.ChooseProcedure(IndexOfFind(assigner));
        for (int row = 0; row < c.mapped; ++row)
        {
            assigner.SelectMapping(row);
            assigner.SelectVariable(row);
            assigner.Assign();
        }
        if (c.output)
            assigner.MapOutputFields();
        ScriptedMessageBoxes boxes;
        EXPECT_EQ(assigner.Ok(), c.closes);
        EXPECT_EQ(Texts(boxes),
                  c.closes ? std::vector<std::string>{}
                           : std::vector<std::string>{
                                 "Please map the proc vars with corresponding form vars."});
    }
    // Without a procedure, and with a procedure without parameters, OK closes at once.
    ProcedureAssigner empty(designed.project, &form, nullptr, false);
    empty.Open();
    EXPECT_FALSE(empty.States().IsEnabled(ProcedureAssigner::IDC_PROCEDURE));
    EXPECT_TRUE(empty.Ok());
    std::unique_ptr<ProcedureInvokation> made(empty.ReleaseInvocation());
    EXPECT_NE(made, nullptr);
}

TEST_F(ProcedureAssignmentTest, FormProceduresStoreEachRole)
{
    designed.host.assign = MapFind();
    FormProceduresAssigner dialog(designed.project, designed.host, &form, author);
    dialog.Open();
    EXPECT_EQ(Strings(dialog.States().GetItems(FormProceduresAssigner::IDC_TYPE)),
              (std::vector<std::string>{"Uniqueness Procedure", "Record Delete Procedure",
                                        "Record Update Procedure", "Control Default Value"}));
    {
        ScriptedMessageBoxes boxes;
        dialog.Assign();
        dialog.Remove();
        EXPECT_EQ(Texts(boxes), (std::vector<std::string>{"Please select the procedure type.",
                                                          "Please select the procedure type."}));
    }
    for (int type = 0; type < 4; ++type)
    {
        dialog.States().Select(FormProceduresAssigner::IDC_TYPE, type);
        dialog.Assign();
        EXPECT_EQ(dialog.States().GetSelection(FormProceduresAssigner::IDC_TYPE), -1);
    }
    ASSERT_NE(form.FindUniquenessProcedureTable(author), nullptr);
    std::vector<int> kinds;
    for (const ProcedureTable* entry : form.GetProcedureTables())
        kinds.push_back(entry->GetKind());
    EXPECT_EQ(kinds, (std::vector<int>{2, 1, 3}));
    for (int id : {FormProceduresAssigner::IDC_UNIQUENESS, FormProceduresAssigner::IDC_UPDATE,
                   FormProceduresAssigner::IDC_DELETE, FormProceduresAssigner::IDC_DEFAULT_VALUE})
        EXPECT_NE(dialog.States().GetText(id).Find(": PRC_Find"), -1);

    // A change asked and refused, a change cancelled in the dialog, then removals.
    ScriptedMessageBoxes boxes{IDNO, IDYES, IDNO, IDYES};
    designed.host.assign = nullptr;
    dialog.States().Select(FormProceduresAssigner::IDC_TYPE, 0);
    dialog.Assign();
    dialog.States().Select(FormProceduresAssigner::IDC_TYPE, 0);
    dialog.Assign();
    EXPECT_EQ(form.GetUniquenessProcedure(author), find);
    dialog.States().Select(FormProceduresAssigner::IDC_TYPE, 1);
    dialog.Remove();
    dialog.Remove();
    EXPECT_EQ(Texts(boxes),
              (std::vector<std::string>{
                  "Do you really want to change the existing procedure?",
                  "Do you really want to change the existing procedure?",
                  "Do you want to remove the existing delete procedure \"PRC_Find\"?",
                  "Do you want to remove the existing delete procedure \"PRC_Find\"?"}));
    EXPECT_EQ(form.GetDeleteProcedure(author), nullptr);
    EXPECT_EQ(dialog.States().GetText(FormProceduresAssigner::IDC_DELETE), "Record delete : ");

    // Cancelled with no entry: the invocation made for it is not kept.
    dialog.States().Select(FormProceduresAssigner::IDC_TYPE, 1);
    dialog.Assign();
    EXPECT_EQ(form.FindDeleteProcedureTable(author), nullptr);
}

TEST_F(ProcedureAssignmentTest, LoginPageLabelsAndReplacement)
{
    LoginPageEditor editor(designed.project, designed.host);
    Module& module = *designed.project.GetCurrentModule();
    LoginPage* page = module.GetLoginPage();
    ASSERT_NE(nullptr, page);
    AddVariables(*page);
    editor.Load();
    using L = LoginPageEditor;
    EXPECT_EQ(editor.States().GetText(L::IDC_PROCEDURE_LABEL), "Assigned Procedure :");
    editor.AssignEmployeeField();
    EXPECT_EQ(editor.States().GetText(L::IDC_EMPLOYEE_LABEL), "UserName Field :");
    EXPECT_EQ(page->GetUserNameField(), nullptr);

    editor.AssignProcedure();
    EXPECT_EQ(page->GetLoginCall(), nullptr);
    designed.host.assign = MapFind();
    editor.AssignProcedure();
    EXPECT_EQ(page->GetLoginProcedure(), find);
    EXPECT_EQ(editor.States().GetText(L::IDC_PROCEDURE_LABEL), "Assigned Procedure :PRC_Find");
    EXPECT_EQ(Strings(editor.States().GetItems(L::IDC_OUTPUT_FIELDS)),
              (std::vector<std::string>{"author_id", "name"}));
    editor.States().Select(L::IDC_OUTPUT_FIELDS, 1);
    editor.AssignEmployeeField();
    editor.States().Select(L::IDC_OUTPUT_FIELDS, 0);
    editor.AssignDesignationField();
    EXPECT_EQ(editor.States().GetText(L::IDC_EMPLOYEE_LABEL), "UserName Field :name");
    EXPECT_EQ(editor.States().GetText(L::IDC_DESIGNATION_LABEL), "DesignationField :author_id");
    EXPECT_EQ(editor.States().GetSelection(L::IDC_OUTPUT_FIELDS), -1);

    LoginPageEditor reloaded(designed.project, designed.host);
    reloaded.Load();
    EXPECT_EQ(reloaded.States().GetText(L::IDC_EMPLOYEE_LABEL), "Employee Field :name");
    EXPECT_EQ(reloaded.States().GetText(L::IDC_DESIGNATION_LABEL), "Designation Field :author_id");

    // The replacement question: refused keeps everything, accepted keeps the two fields.
    designed.host.calls.clear();
    ProcedureInvokation* call = page->GetLoginCall();
    struct RefusingHost : RecordingHost
    {
        bool ConfirmWarning(const CString&) override { return false; }
    } refusing;
    LoginPageEditor refused(designed.project, refusing);
    refused.Load();
    refused.AssignProcedure();
    EXPECT_EQ(refusing.calls, std::vector<CString>{});
    EXPECT_EQ(page->GetLoginCall(), call);
    reloaded.AssignProcedure();
    EXPECT_EQ(designed.host.calls,
              (std::vector<CString>{"warning Do you really want to replace the existing procedure?",
                                    "assign procedure"}));
    EXPECT_EQ(page->GetLoginCall(), call);
    EXPECT_EQ(page->GetUserNameField(), FieldOf(*author, "name"));
    EXPECT_EQ(page->GetDesignationField(), FieldOf(*author, "author_id"));
}

TEST_F(ProcedureAssignmentTest, RelationFieldTestAndList)
{
    Module& module = *designed.project.GetCurrentModule();
    CString publisherName = "publisher";
    Table* publisher = module.FindTableByName(publisherName);
    find->AddTable(publisher);
    RelationEditor dialog(*find, designed.host);
    dialog.Open();
    using R = RelationEditor;
    EXPECT_EQ(Strings(dialog.States().GetItems(R::IDC_LEFT_TABLE)),
              (std::vector<std::string>{"author", "publisher"}));
    const auto tick = [&](bool left, const char* name)
    {
        const R::Side& side = left ? dialog.Left() : dialog.Right();
        for (std::size_t i = 0; i < side.items.size(); ++i)
        {
            if (side.items[i].field->GetFieldName() == name)
                dialog.CheckField(left, static_cast<int>(i), true);
        }
    };
    struct Case
    {
        int left;
        const char* leftField;
        int right;
        const char* rightField;
        const char* message;
    };
    const Case cases[] = {
        {0, "name", 1, "name", "Please check selection of fields"},
        {0, "author_id", 1, "publisher_id", "Please check selection of fields"},
        {0, "publisher_id", 0, "publisher_id", "Relation can not be defined."},
        {1, "publisher_id", 0, "publisher_id", nullptr},
        {0, "publisher_id", 1, "publisher_id", nullptr},
        {0, "publisher_id", 1, "publisher_id", "Relation already present."},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::string(c.leftField) + " " + c.rightField);
        ScriptedMessageBoxes boxes;
        dialog.ChooseLeftTable(c.left);
        dialog.ChooseRightTable(c.right);
        tick(true, c.leftField);
        tick(false, c.rightField);
        dialog.AddOrUpdate();
        EXPECT_EQ(Texts(boxes),
                  c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    }
    ASSERT_EQ(find->GetRelations().size(), 2u);
    EXPECT_EQ(RowLines(dialog.GetRows()),
              (std::vector<std::string>{find->GetRelations()[0]->GetDescription().GetString(),
                                        find->GetRelations()[1]->GetDescription().GetString()}));
    EXPECT_EQ(find->GetRelations()[0]->GetFirstTable(), publisher);

    dialog.ClickRelation(1);
    EXPECT_EQ(dialog.States().GetText(R::IDC_ADD), "Update Relation");
    EXPECT_EQ(dialog.Left().table, author);
    tick(true, "name");
    dialog.AddOrUpdate();
    EXPECT_EQ(find->GetRelations()[1]->GetJoinFields().size(), 3u);
    EXPECT_EQ(dialog.States().GetText(R::IDC_ADD), "Add Relation");

    dialog.ClickRelation(0);
    dialog.DeleteRelation();
    EXPECT_EQ(designed.host.calls.back(),
              "warning Do you want to delete the Relation \"publisher.publisher_id AND "
              "author.publisher_id\"?");
    EXPECT_EQ(find->GetRelations().size(), 1u);
    EXPECT_EQ(dialog.GetRows().size(), 1u);
}
} // namespace
