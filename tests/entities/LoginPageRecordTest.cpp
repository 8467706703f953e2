#include "entities/LoginPage.h"
#include "entities/ProcedureInvokation.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/Table.h"
#include "tests/entities/PageTestSupport.h"
#include "tests/support/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{

class LoginPageRecordTest : public ::testing::Test
{
protected:
    ScopedArchiveVersion m_version{TheVersionHistory().GetCurrentVersion()};
};

TEST_F(LoginPageRecordTest, RoundTripKeepsCallAndOutputFieldsAndRestoresTheName)
{
    auto users = std::make_unique<Table>();
    users->SetTableName("useraccount");
    LoginPage page;
    page.SetName("Renamed");
    page.SetLoginCall(new ProcedureInvokation);
    page.SetUserNameField(NewField("user_name", users.get()));
    page.SetDesignationField(NewField("role", users.get()));
    page.AddFieldRep(new FieldRep(NewField("password")));

    std::unique_ptr<LoginPage> loaded(LoadObject<LoginPage>(SaveObject(&page)));

    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->GetFormName(), "Login Page");
    EXPECT_NE(loaded->GetLoginCall(), nullptr);
    ASSERT_NE(loaded->GetUserNameField(), nullptr);
    std::unique_ptr<Table> loadedUsers(loaded->GetUserNameField()->GetTable());
    EXPECT_EQ(loaded->GetUserNameField()->GetFieldName(), "user_name");
    EXPECT_EQ(loaded->GetDesignationField()->GetFieldName(), "role");
    EXPECT_EQ(loaded->GetDesignationField()->GetTable(), loadedUsers.get());
    ASSERT_EQ(loaded->GetFieldReps().size(), 1u);
    EXPECT_EQ(loaded->GetFieldReps()[0]->GetField()->GetFieldName(), "password");
}

TEST_F(LoginPageRecordTest, RecordWithNullsReadsThreeReferencesAfterThePagePart)
{
    ArchiveBytes bytes;
    bytes.NewClass("LoginPage");
    AppendPageRecord(bytes, TheVersionHistory().GetCurrentVersion(), "Anything");
    bytes.Null().Null().Null().Int(recordSentinel);

    const LoadedRecord<LoginPage> record = LoadWithSentinel<LoginPage>(bytes.Get());
    std::unique_ptr<LoginPage> page(record.object);

    EXPECT_EQ(record.trailer, recordSentinel);
    EXPECT_EQ(page->GetFormName(), "Login Page");
    EXPECT_EQ(page->GetLoginCall(), nullptr);
}

TEST_F(LoginPageRecordTest, DestructorFreesTheControlsFieldsButNotTheOutputFields)
{
    auto users = std::make_unique<Table>();
    Field* userName = NewField("user_name", users.get());
    {
        LoginPage page;
        page.SetUserNameField(userName);
        page.AddFieldRep(new FieldRep(NewField("user_name")));
        page.AddFieldRep(new FieldRep(NewField("password")));
    }
    EXPECT_EQ(users->GetFieldAt(0), userName);
    EXPECT_EQ(userName->GetFieldName(), "user_name");
}

} // namespace
