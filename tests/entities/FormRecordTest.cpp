#include "entities/ApplicationReport.h"
#include "entities/AspxFile.h"
#include "entities/Form.h"
#include "entities/LoginPage.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/Table.h"
#include "tests/entities/PageTestSupport.h"
#include "tests/support/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{

class FormRecordTest : public ::testing::Test
{
protected:
    FormRecordTest()
    {
        m_table->SetTableName("Orders");
        m_price = NewField("Price", m_table.get());
    }

    ScopedArchiveVersion m_version{TheVersionHistory().GetCurrentVersion()};
    std::unique_ptr<Table> m_table = std::make_unique<Table>();
    Field* m_price;
};

TEST_F(FormRecordTest, RoundTripKeepsFormMembersAndSharesPageVariables)
{
    auto report = std::make_unique<ApplicationReport>();
    auto reportVariable = std::make_unique<Variable>();
    reportVariable->SetName("FromDate");
    auto* pageVariable = new Variable;
    Form form;
    form.SetName("OrderForm");
    form.SetTable(m_table.get());
    form.SetReport(report.get());
    form.AddFieldVariableMap(new FieldVariableMap{m_price, pageVariable});
    form.AddReportVariableMap(new ReportVariableMap{reportVariable.get(), pageVariable});
    form.AddReportVariableMap(nullptr);
    auto* file = new AspxFile;
    file->SetOwnerPage(&form);
    form.AddAspFile(file);

    std::unique_ptr<Form> loaded(LoadObject<Form>(SaveObject(&form)));

    EXPECT_GT(loaded->GetId(), form.GetId());
    std::unique_ptr<Table> loadedTable(loaded->GetTable());
    std::unique_ptr<ApplicationReport> loadedReport(loaded->GetReport());
    ASSERT_NE(loadedTable, nullptr);
    EXPECT_EQ(loadedTable->GetTableName(), "Orders");
    EXPECT_NE(loadedReport, nullptr);
    EXPECT_EQ(loaded->GetFormName(), "OrderForm");
    ASSERT_EQ(loaded->GetAspFiles().size(), 1u);
    EXPECT_EQ(loaded->GetAspFiles()[0]->GetOwnerPage(), loaded.get());
    ASSERT_EQ(loaded->GetReportVariableMaps().size(), 2u);
    const ReportVariableMap* map = loaded->GetReportVariableMaps()[0];
    ASSERT_NE(map, nullptr);
    std::unique_ptr<Variable> loadedReportVariable(map->reportVariable);
    EXPECT_EQ(loadedReportVariable->GetFieldName(), "FromDate");
    EXPECT_EQ(map->pageVariable, loaded->GetFieldVariableMaps().at(0)->variable);
    EXPECT_EQ(loaded->GetReportVariableMaps()[1], nullptr);
    EXPECT_EQ(loaded->GetFieldVariableMaps()[0]->field->GetTable(), loadedTable.get());
}

TEST_F(FormRecordTest, CopyTakesFormMembersAndPagePartButNotReportVariableMaps)
{
    ApplicationReport report;
    Variable reportVariable;
    Form source;
    source.SetName("OrderForm");
    source.SetTable(m_table.get());
    source.SetReport(&report);
    source.SetOptionFlag(true);
    source.SetHeader("Head");
    source.SetDisplayType(1);
    source.AddFieldRep(new FieldRep(m_price));
    source.AddReportVariableMap(new ReportVariableMap{&reportVariable, nullptr});

    Form copy(source);

    EXPECT_EQ(copy.GetId(), source.GetId() + 1);
    EXPECT_EQ(copy.GetTable(), m_table.get());
    EXPECT_EQ(copy.GetReport(), &report);
    EXPECT_TRUE(copy.GetOptionFlag());
    EXPECT_EQ(copy.GetHeader(), "Head");
    EXPECT_EQ(copy.GetDisplayType(), 1);
    EXPECT_EQ(copy.GetFormName(), "Copy_0_of_OrderForm");
    ASSERT_EQ(copy.GetFieldReps().size(), 1u);
    EXPECT_NE(copy.GetFieldReps()[0], source.GetFieldReps()[0]);
    EXPECT_TRUE(copy.GetReportVariableMaps().empty());
}

using LoginPageRecordTest = FormRecordTest;

TEST(LoginPageRecordGateTest, VersionGates)
{
    ExpectRecordVersions<LoginPage>(
        "LoginPage",
        PartsOf(PageParts("Login Page"), {Always(ArchiveBytes().Null().Null().Null())}));
}

TEST_F(LoginPageRecordTest, LoadingRestoresTheNameAndKeepsTheThreeReferences)
{
    LoginPage page;
    page.SetName("Renamed");
    page.SetLoginCall(new ProcedureInvokation);
    page.SetUserNameField(NewField("user_name", m_table.get()));
    page.SetDesignationField(NewField("role", m_table.get()));
    Field* password = NewField("password");
    page.AdoptPageField(password);
    page.AddFieldRep(new FieldRep(password));

    std::unique_ptr<LoginPage> loaded(LoadObject<LoginPage>(SaveObject(&page)));

    EXPECT_EQ(loaded->GetFormName(), "Login Page");
    EXPECT_NE(loaded->GetLoginCall(), nullptr);
    ASSERT_NE(loaded->GetUserNameField(), nullptr);
    std::unique_ptr<Table> loadedUsers(loaded->GetUserNameField()->GetTable());
    EXPECT_EQ(loaded->GetDesignationField()->GetTable(), loadedUsers.get());
    EXPECT_EQ(loaded->GetUserNameField()->GetFieldName(), "user_name");
    EXPECT_EQ(loaded->GetFieldReps().at(0)->GetField()->GetFieldName(), "password");
}

// Form-level links of files before 26 are read and dropped; the display type comes from 70.
TEST(FormRecordGateTest, VersionGates)
{
    ExpectRecordVersions<Form>(
        "Form",
        PartsOf(
            PageParts("F"),
            {Until(25,
                   ArchiveBytes().Int(1).NewClass("LinkControl").Int(0).Null().Str("old").Int(0)),
             Always(ArchiveBytes().Null().Null().Int(1).Str("Head").Int(1).Null().Null()),
             After(69, ArchiveBytes().Int(1), ArchiveBytes().Int(0))}));
}

} // namespace
