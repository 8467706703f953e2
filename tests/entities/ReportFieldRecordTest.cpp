#include "entities/ApplicationReport.h"
#include "entities/ClassInvokation.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ReportField.h"
#include "entities/ReportFieldControlProperty.h"
#include "entities/ReportGroup.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/VersionHistory.h"
#include "tests/entities/ReportRecordBytes.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <memory>

// Files before 24 name a field instead of an output column; a binding's source column comes
// from 35, the control property from 46, the image settings from 60, the money flag from 65.
TEST(ReportFieldRecordTest, VersionGates)
{
    ExpectRecordVersions<ReportField>(
        "ReportField",
        {Always(ArchiveBytes().Str("Amount").Int(0).Null().Null()),
         Always(ArchiveBytes().Int(3).Int(20).Int(2).Str("Amount").Int(1).Null().Null().Null()),
         After(34, ArchiveBytes().Null(), ArchiveBytes().Null()),
         After(45, ArchiveBytes().NewClass("ReportFieldControlProperty").Null().Null().Int(0),
               ArchiveBytes().Null()),
         After(59, ArchiveBytes().Int(1).Int(30).Int(40), ArchiveBytes().Int(0).Int(10).Int(10)),
         After(64, ArchiveBytes().Int(1), ArchiveBytes().Int(0))});
}

TEST(ReportFieldRecordTest, ControlPropertyVersionGates)
{
    ExpectRecordVersions<ReportFieldControlProperty>(
        "ReportFieldControlProperty",
        {Always(ArchiveBytes()
                    .Null()
                    .Null()
                    .Int(1)
                    .Null()
                    .Null()
                    .Null()
                    .NewClass("ProcedureFieldInfo")
                    .Null()
                    .Int(1)
                    .Str("Key"))},
        [](ReportFieldControlProperty& property)
        { delete property.GetBindings().at(0)->m_sourceColumn; });
}

TEST(ReportFieldRecordTest, ControlPropertyKeepsControlProcedureAndSharedBindingsThroughSaveAndLoad)
{
    ScopedArchiveVersion scoped(CurrentVersion());
    Field field;
    field.SetFieldName("Status");
    field.SetDisplayName("Status");
    Procedure procedure;
    Variable target;
    ReportField column;
    auto* property = new ReportFieldControlProperty;
    auto* control = new FieldRep(&field);
    property->SetControl(control);
    property->SetProcedure(&procedure);
    property->AddBinding(new ReportFieldBinding{&target, nullptr, control, nullptr});
    column.SetControlProperty(property);
    column.AddBinding(new ReportFieldBinding{&target, &target, nullptr, nullptr});

    const std::vector<BYTE> bytes = SaveObject(&column);
    std::unique_ptr<ReportField> loaded(LoadObject<ReportField>(bytes));
    const ReportFieldControlProperty* read = loaded->GetControlProperty();
    std::unique_ptr<Variable> readTarget(loaded->GetBindings()[0]->m_target);
    std::unique_ptr<Procedure> readProcedure(read->GetProcedure());
    std::unique_ptr<Field> readField(read->GetControl()->GetField());

    EXPECT_EQ(readTarget.get(), read->GetBindings().at(0)->m_target);
    EXPECT_EQ(read->GetControl(), read->GetBindings()[0]->m_sourceControl);
    EXPECT_EQ(bytes, SaveObject(loaded.get()));
}

// The header value and header come from 30, the next key from 32.
TEST(ReportGroupRecordTest, VersionGates)
{
    ExpectRecordVersions<ReportGroup>(
        "ReportGroup",
        {Always(ArchiveBytes().Null().Int(0).Int(0).Null()),
         After(29,
               ArchiveBytes()
                   .NewClass("ProcedureFieldInfo")
                   .Null()
                   .Int(1)
                   .Str("Customer")
                   .Str("Header"),
               ArchiveBytes().Null().Str("")),
         After(31, ArchiveBytes().ObjectRef(4), ArchiveBytes().Null()),
         Always(ArchiveBytes().NewClass("ClassInvokation").Null().Null().Int(0))},
        [](ReportGroup& group) { delete group.GetHeaderValue(); });
}

TEST(ReportGroupRecordTest, CopyKeepsOnlyACopyOfTheClassCall)
{
    ApplicationReport report;
    auto* classCall = new ClassInvokation;
    ProcedureFieldInfo headerValue;
    auto* group = new ReportGroup(&report, classCall);
    group->SetProcedureCall(new ProcedureInvokation);
    group->SetHeader("Header");
    group->SetHeaderValue(&headerValue);
    group->SetNextProcKey(&headerValue);
    group->AddReportField(new ReportField);
    report.AddReportGroup(group);

    const ReportGroup copy(*group);

    EXPECT_NE(nullptr, copy.GetClassCall());
    EXPECT_NE(classCall, copy.GetClassCall());
    EXPECT_EQ(nullptr, copy.GetReport());
    EXPECT_EQ(nullptr, copy.GetProcedureCall());
    EXPECT_TRUE(copy.GetReportFields().empty());
    EXPECT_EQ(nullptr, copy.GetHeaderValue());
    EXPECT_EQ(nullptr, copy.GetNextProcKey());
    EXPECT_EQ("", copy.GetHeader());
}
