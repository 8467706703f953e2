#include "entities/ApplicationReport.h"
#include "entities/AspxFile.h"
#include "entities/Form.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/Module.h"
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
    form.SetOptionFlag(true);
    form.SetHeader("Orders entry");
    form.SetDisplayType(1);
    form.AddFieldVariableMap(new FieldVariableMap{m_price, pageVariable});
    form.AddReportVariableMap(new ReportVariableMap{reportVariable.get(), pageVariable});
    form.AddReportVariableMap(nullptr);
    auto* file = new AspxFile;
    file->SetOwnerPage(&form);
    form.AddAspFile(file);

    std::unique_ptr<Form> loaded(LoadObject<Form>(SaveObject(&form)));

    ASSERT_NE(loaded, nullptr);
    std::unique_ptr<Table> loadedTable(loaded->GetTable());
    std::unique_ptr<ApplicationReport> loadedReport(loaded->GetReport());
    ASSERT_NE(loadedTable, nullptr);
    EXPECT_EQ(loadedTable->GetTableName(), "Orders");
    EXPECT_NE(loadedReport, nullptr);
    EXPECT_EQ(loaded->GetFormName(), "OrderForm");
    EXPECT_TRUE(loaded->GetOptionFlag());
    EXPECT_EQ(loaded->GetHeader(), "Orders entry");
    EXPECT_EQ(loaded->GetDisplayType(), 1);
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

TEST_F(FormRecordTest, FormsTakeIncreasingIdsAlsoWhenLoaded)
{
    Form first;
    Form second;
    std::unique_ptr<Form> loaded(LoadObject<Form>(SaveObject(&first)));

    EXPECT_EQ(second.GetId(), first.GetId() + 1);
    EXPECT_EQ(loaded->GetId(), second.GetId() + 1);
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
    EXPECT_TRUE(copy.IsCopy());
    EXPECT_EQ(copy.GetFormName(), "Copy_0_of_OrderForm");
    ASSERT_EQ(copy.GetFieldReps().size(), 1u);
    EXPECT_NE(copy.GetFieldReps()[0], source.GetFieldReps()[0]);
    EXPECT_EQ(copy.GetFieldReps()[0]->GetField(), m_price);
    EXPECT_TRUE(copy.GetReportVariableMaps().empty());
}

TEST_F(FormRecordTest, CopyInAModuleIsNumberedByTheModulesFormsOverTheSameTable)
{
    Module module;
    auto* source = new Form;
    source->SetName("OrderForm");
    source->SetTable(m_table.get());
    module.Append(source);
    auto* sameTable = new Form;
    sameTable->SetTable(m_table.get());
    module.Append(sameTable);
    module.Append(new Form);

    const Form copy(*source);

    EXPECT_EQ(copy.GetFormName(), "Copy_2_of_OrderForm");
    EXPECT_EQ(copy.GetModule(), &module);
}

// A form record of the version: the page record, two old link lists (one link captioned
// "old") before version 26, null table and report, option flag set, header "Head", one null
// report-variable map, display type 1 from version 70.
std::vector<BYTE> OldFormBytes(int version)
{
    ArchiveBytes bytes;
    bytes.NewClass("Form");
    AppendPageRecord(bytes, version, "F");
    if (version < 26)
        bytes.Int(1).NewClass("LinkControl").Int(0).Null().Str("old").Int(0);
    bytes.Null().Null().Int(1).Str("Head").Int(1).Null().Null();
    if (version >= 70)
        bytes.Int(1);
    return bytes.Int(recordSentinel).Get();
}

class FormRecordGateTest : public ::testing::TestWithParam<int>
{
};

TEST_P(FormRecordGateTest, OldLayoutReadsOnlyTheFieldsOfItsVersion)
{
    const int version = GetParam();
    ScopedArchiveVersion scoped(version);

    const LoadedRecord<Form> record = LoadWithSentinel<Form>(OldFormBytes(version));
    std::unique_ptr<Form> form(record.object);

    EXPECT_EQ(record.trailer, recordSentinel);
    ExpectPageRecordRead(*form, version);
    EXPECT_EQ(form->GetTable(), nullptr);
    EXPECT_TRUE(form->GetOptionFlag());
    EXPECT_EQ(form->GetHeader(), "Head");
    ASSERT_EQ(form->GetReportVariableMaps().size(), 1u);
    EXPECT_EQ(form->GetReportVariableMaps()[0], nullptr);
    EXPECT_EQ(form->GetDisplayType(), version >= 70 ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(EveryGateBoundary, FormRecordGateTest,
                         ::testing::Values(25, 26, 69, 70, 87));

} // namespace
