#include "entities/LoginPage.h"
#include "entities/AspFile.h"
#include "entities/AspxFile.h"
#include "entities/Grid.h"
#include "entities/GridCell.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"
#include "model/RefField.h"
#include "model/Table.h"
#include "tests/entities/PageOperationsSupport.h"
#include "tests/support/ListedRelease.h"
#include "tests/support/PageReferences.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{

// The open project while it lives, of the given output kind.
class ScopedOpenProjectOfKind
{
public:
    explicit ScopedOpenProjectOfKind(int outputKind)
        : m_previous(MainFrameAccess::SetProjectSource([this] { return &m_project; }))
    {
        m_project.SetOutputKind(outputKind);
    }
    ~ScopedOpenProjectOfKind() { MainFrameAccess::SetProjectSource(m_previous); }
    ScopedOpenProjectOfKind(const ScopedOpenProjectOfKind&) = delete;
    ScopedOpenProjectOfKind& operator=(const ScopedOpenProjectOfKind&) = delete;

private:
    ForgeonProject m_project;
    MainFrameAccess::ProjectSource m_previous;
};

class LoginPageTest : public PageOperationsTest
{
};

// A login call of the procedure with one pair whose page variable is not given.
ProcedureInvokation* NewLoginCall(Procedure* procedure, Variable* procedureVariable)
{
    auto* call = new ProcedureInvokation;
    call->SetProcedure(procedure);
    call->AddVariablePair(new VariablePair{procedureVariable, nullptr});
    return call;
}

TEST_F(LoginPageTest, DefaultControlsAreTwoTextBoxesOnFieldsOfNoTableWithTheirVariables)
{
    ScopedOpenProjectOfKind project(1);
    LoginPage page;
    page.CreateDefaultControls();

    EXPECT_EQ("Login Page", page.GetFormName());
    ASSERT_EQ(2u, page.GetFieldReps().size());
    ASSERT_EQ(2u, page.GetFieldVariableMaps().size());
    const char* const names[] = {"user_name", "password"};
    const char* const captions[] = {"User Name", "Password"};
    for (int i = 0; i < 2; ++i)
    {
        SCOPED_TRACE(names[i]);
        const FieldRep* rep = page.GetFieldReps()[i];
        const Field* field = rep->GetField();
        ASSERT_NE(nullptr, field);
        EXPECT_EQ(names[i], field->GetFieldName());
        EXPECT_EQ(captions[i], field->GetDisplayName());
        EXPECT_EQ(FieldTypeChar, field->GetTypeCode());
        EXPECT_EQ(10, field->GetSize());
        EXPECT_EQ(nullptr, field->GetTable());
        EXPECT_FALSE(field->IsKey() || field->IsForeignKey() || field->IsAllowNull());
        ASSERT_NE(nullptr, rep->GetFieldRepData());
        EXPECT_EQ(0, rep->GetFieldRepData()->GetControlKind());
        EXPECT_EQ(captions[i], rep->GetFieldRepData()->GetCaption());

        const FieldVariableMap* map = page.GetFieldVariableMaps()[i];
        EXPECT_EQ(field, map->field);
        EXPECT_EQ(names[i], map->variable->GetFieldName());
        EXPECT_EQ(Variable::pageKind, map->variable->GetKind());
    }
    ASSERT_EQ(1u, page.GetAspFiles().size());
    EXPECT_EQ("Login.aspx", page.GetAspFiles()[0]->GetDefaultFileName());
}

TEST_F(LoginPageTest, PageFileFollowsTheOutputKindAndIsMadeOnlyOnce)
{
    for (const int outputKind : {0, 1})
    {
        SCOPED_TRACE(outputKind);
        LoginPage page;
        page.CreateLoginAspFile(outputKind);
        page.CreateLoginAspFile(1 - outputKind);
        ASSERT_EQ(1u, page.GetAspFiles().size());
        const AspFile* file = page.GetAspFiles()[0];
        EXPECT_EQ(outputKind == 1, dynamic_cast<const AspxFile*>(file) != nullptr);
        EXPECT_EQ(AspFile::loginPageOwner, file->GetOwnerKind());
        EXPECT_EQ(0, file->GetFileKind());
        EXPECT_EQ(&page, file->GetOwnerPage());
        EXPECT_EQ(outputKind == 1 ? "Login.aspx" : "Login.asp", file->GetDefaultFileName());
    }

    // The open project's output kind decides for the default controls.
    ScopedOpenProjectOfKind classic(0);
    LoginPage page;
    page.CreateDefaultControls();
    ASSERT_EQ(1u, page.GetAspFiles().size());
    EXPECT_EQ("Login.asp", page.GetAspFiles()[0]->GetDefaultFileName());
}

TEST_F(LoginPageTest, LayoutGridReplacesTheOldOneWithTheControlsInThreeRowsOfTwoCells)
{
    LoginPage empty;
    empty.SetGrid(new Grid(2, 2));
    Grid* grid = empty.BuildLayoutGrid();
    ASSERT_NE(nullptr, grid);
    EXPECT_EQ(grid, empty.GetGrid());
    EXPECT_TRUE(grid->GetRows().empty());

    LoginPage page;
    page.CreateDefaultControls();
    grid = page.BuildLayoutGrid();
    ASSERT_EQ(3u, grid->GetRows().size());
    for (const Grid::Row& row : grid->GetRows())
        EXPECT_EQ(2u, row.size());
    EXPECT_EQ(page.GetFieldReps()[0], grid->GetRows()[0][1]->GetCellData());
    EXPECT_EQ(page.GetFieldReps()[1], grid->GetRows()[1][1]->GetCellData());
    EXPECT_EQ(nullptr, grid->GetRows()[2][1]->GetCellData());
}

TEST_F(LoginPageTest, TheLoginCallIsListedOnlyForItsProcedure)
{
    Procedure procedure;
    Procedure other;
    LoginPage page;

    EXPECT_TRUE(PageUsersOf(page, {&procedure}).empty());
    page.SetLoginCall(new ProcedureInvokation);
    EXPECT_EQ(nullptr, page.GetLoginProcedure());
    page.GetLoginCall()->SetProcedure(&procedure);
    EXPECT_EQ(&procedure, page.GetLoginProcedure());
    EXPECT_TRUE(PageUsersOf(page, {&other}).empty());
    EXPECT_EQ(PageUsersOf(page, {&procedure}), std::vector<CString>{"LoginPage"});
}

TEST_F(LoginPageTest, MappingOfTheLoginCallIsCheckedAndRemovedOnlyForItsProcedure)
{
    Procedure procedure;
    procedure.SetName("CheckLogin");
    Procedure other;
    Variable unmapped;
    unmapped.SetName("@user");
    LoginPage page;
    page.CheckExtraProcedureMapping(&procedure);
    ReleaseListed(page, {&procedure});
    ProcedureInvokation* call = NewLoginCall(&procedure, &unmapped);
    page.SetLoginCall(call);

    page.CheckExtraProcedureMapping(&other);
    page.CheckExtraProcedureMapping(nullptr);
    ReleaseListed(page, {&other});
    EXPECT_TRUE(Warnings().empty());
    EXPECT_EQ(&procedure, call->GetProcedure());
    EXPECT_EQ(1u, call->GetVariablePairs().size());

    page.CheckExtraProcedureMapping(&procedure);
    EXPECT_EQ(Warnings(), std::vector<CString>{"No field mapped with procedure variable\n\t "
                                               "Login Page - in CheckLogin\n\t\t@user"});

    ReleaseListed(page, {&procedure});
    EXPECT_EQ(call, page.GetLoginCall());
    EXPECT_EQ(nullptr, call->GetProcedure());
    EXPECT_TRUE(call->GetVariablePairs().empty());
}

TEST_F(LoginPageTest, DestructorDeletesTheFieldsItMadeButNoFieldOfATableOrReferenceField)
{
    Table table;
    table.SetTableName("useraccount");
    auto* tableField = new Field;
    tableField->SetFieldName("login");
    tableField->SetTable(&table);
    table.AddField(tableField);

    auto* page = new LoginPage;
    page->CreateDefaultControls();
    // A second control on one of the page's own fields, one on the table's field and one on
    // the page field of a reference field, which the reference field deletes.
    page->AddFieldRep(new FieldRep(page->GetFieldReps()[0]->GetField()));
    page->AddFieldRep(new FieldRep(tableField));
    auto* refField = new RefField(new Field, &table);
    page->AddRefField(refField);
    page->AddFieldRep(new FieldRep(refField->GetField()));
    page->SetUserNameField(tableField);
    delete page;

    // The table still owns a live field; AddressSanitizer reports any double delete.
    ASSERT_EQ(1, std::ranges::count(table.GetFields(), tableField));
    EXPECT_EQ("login", tableField->GetFieldName());
}

} // namespace
