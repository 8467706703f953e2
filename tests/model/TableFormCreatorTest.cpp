#include "model/TableFormCreator.h"

#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/Form.h"
#include "model/FieldRep.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/Table.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

namespace
{
class TableFormCreatorTest : public ::testing::Test
{
protected:
    TableFormCreatorTest()
    {
        m_table = NewTable("order_line", Table::masterKind, {"item", "quantity"});
        m_open.Base().AddTable(m_table);
    }

    OpenBaseModuleProject m_open;
    Table* m_table = nullptr;
};

TEST_F(TableFormCreatorTest, FormIsNamedAndCaptionedAfterTheTableWithControlsForItsFields)
{
    Form* form = TableFormCreator(m_table, &m_open.Project()).CreateForm();

    ASSERT_NE(nullptr, form);
    Module& base = m_open.Base();
    EXPECT_EQ(form, base.FindMasterFormForTable(m_table));
    EXPECT_EQ(&base, form->GetModule());
    EXPECT_EQ(CString("order_line_form"), form->GetFormName());
    EXPECT_EQ(CString("order line Form"), form->GetHeader());
    ASSERT_EQ(2u, form->GetFieldReps().size());
    EXPECT_EQ(m_table->FindFieldByName("item"), form->GetFieldReps()[0]->GetField());
    EXPECT_EQ(m_table->FindFieldByName("quantity"), form->GetFieldReps()[1]->GetField());
    EXPECT_EQ(static_cast<std::size_t>(m_table->GetFieldCount()),
              form->GetFieldVariableMaps().size());
    EXPECT_NE(nullptr, form->FindAspFileByType(5));
    EXPECT_NE(nullptr, form->FindAspFileByType(7));
    const Class* dataClass = base.GetClassForTable(m_table, false);
    ASSERT_NE(nullptr, dataClass);
    EXPECT_NE(nullptr, dataClass->FindFunctionByName("SelectAllRecords"));
}

TEST_F(TableFormCreatorTest, AnExistingFormIsReusedAndKeepsItsName)
{
    Form* existing = NewForm("lines", m_table);
    m_open.Base().AddMasterForm(existing, false);

    TableFormCreator creator(m_table, &m_open.Project());
    EXPECT_EQ(existing, creator.CreateForm());
    EXPECT_EQ(existing, creator.CreateForm());

    EXPECT_EQ(1u, m_open.Base().GetMasterForms().size());
    EXPECT_EQ(CString("lines"), existing->GetFormName());
    EXPECT_EQ(2u, existing->GetFieldReps().size());
}

TEST_F(TableFormCreatorTest, PagesGoToTheCurrentModuleAndNothingIsMadeWithoutOne)
{
    Module* second = NewModule("Module2", 2);
    m_open.Project().AddModule(second);
    m_open.Project().SetCurrentModule(second);

    TableFormCreator creator(m_table, &m_open.Project());
    Form* form = creator.CreateForm();
    ApplicationReport* report = creator.CreateReport();

    EXPECT_EQ(form, second->FindMasterFormForTable(m_table));
    ASSERT_NE(nullptr, report);
    EXPECT_EQ(report, second->FindReportByName("order_line Report"));

    m_open.Project().SetCurrentModule(nullptr);
    EXPECT_EQ(nullptr, TableFormCreator(m_table, &m_open.Project()).CreateForm());
    EXPECT_EQ(nullptr, TableFormCreator(m_table, &m_open.Project()).CreateReport());
    EXPECT_EQ(nullptr, TableFormCreator(m_table, nullptr).CreateForm());
    EXPECT_TRUE(m_open.Base().GetMasterForms().empty());
    EXPECT_TRUE(m_open.Base().GetClasses().empty());
}

} // namespace
