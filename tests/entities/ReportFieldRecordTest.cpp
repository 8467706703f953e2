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

namespace
{

const int currentVersion = TheVersionHistory().GetCurrentVersion();

// A column record of the version with one binding and every field its gates allow set to a
// value other than the default; object 4 is the field (before version 24) or the output column,
// object 6 the variable.
std::vector<BYTE> ColumnBytes(int version)
{
    ArchiveBytes bytes;
    bytes.NewClass("ReportField").Str("Amount").Int(0).Null(); // menu base: name, files, opened
    if (version < 24)
    {
        bytes.NewClass("Field").Str("Amount").Int(0).Int(4).Int(0).Int(0);
        bytes.Int(0).Int(0).Str("").Int(1).Int(0).Null().Str("Amount").Null();
    }
    else
        AppendFieldInfoRecord(bytes.NewClass("ProcedureFieldInfo"), "Amount");
    bytes.Int(3).Int(20).Int(2).Str("Amount col").Int(1);
    AppendVariableRecord(bytes.NewClass("Variable"), version, "OrderId");
    bytes.ObjectRef(6).Null(); // source variable, source control
    if (version > 34)
        bytes.ObjectRef(4);
    if (version > 45)
        bytes.NewClass("ReportFieldControlProperty").Null().Null().Int(0);
    if (version > 59)
        bytes.Int(1).Int(30).Int(40);
    if (version > 64)
        bytes.Int(1);
    return bytes.Int(recordSentinel).Get();
}

} // namespace

TEST(ReportFieldRecordTest, EveryGateReadsExactlyTheFieldsOfItsVersion)
{
    for (int version : {23, 24, 34, 35, 45, 46, 59, 60, 64, 65, currentVersion})
    {
        SCOPED_TRACE(version);
        ScopedArchiveVersion scoped(version);
        auto loaded = LoadWithSentinel<ReportField>(ColumnBytes(version));
        std::unique_ptr<ReportField> column(loaded.object);
        std::unique_ptr<Field> field(column->GetField());
        std::unique_ptr<ProcedureFieldInfo> fieldInfo(column->GetFieldInfo());
        const ReportFieldBinding* binding = column->GetBindings().at(0);
        std::unique_ptr<Variable> variable(binding->m_target);

        EXPECT_EQ(recordSentinel, loaded.trailer);
        EXPECT_EQ(version < 24, field != nullptr);
        EXPECT_EQ(version >= 24, fieldInfo != nullptr);
        EXPECT_EQ(3, column->GetColNo());
        EXPECT_EQ(20, column->GetWidth());
        EXPECT_EQ(2, column->GetAlignment());
        EXPECT_EQ("Amount col", column->GetName());
        EXPECT_EQ("OrderId", variable->GetFieldName());
        EXPECT_EQ(variable.get(), binding->m_sourceVariable);
        EXPECT_EQ(version > 34 ? fieldInfo.get() : nullptr, binding->m_sourceColumn);
        EXPECT_EQ(version > 45, column->GetControlProperty() != nullptr);
        EXPECT_EQ(version > 59, column->IsImageFromFileContent());
        EXPECT_EQ(version > 59 ? 30 : 10, column->GetImageHeight());
        EXPECT_EQ(version > 59 ? 40 : 10, column->GetImageWidth());
        EXPECT_EQ(version > 64, column->IsMoney());
    }
}

TEST(ReportFieldRecordTest, ColumnKeepsOutputColumnAndLayoutThroughSaveAndLoad)
{
    ScopedArchiveVersion scoped(currentVersion);
    std::unique_ptr<ReportField> old(
        LoadWithSentinel<ReportField>(ColumnBytes(currentVersion)).object);
    std::unique_ptr<ProcedureFieldInfo> oldInfo(old->GetFieldInfo());
    std::unique_ptr<Variable> oldVariable(old->GetBindings()[0]->m_target);

    const std::vector<BYTE> bytes = SaveObject(old.get());
    std::unique_ptr<ReportField> column(LoadObject<ReportField>(bytes));
    std::unique_ptr<ProcedureFieldInfo> fieldInfo(column->GetFieldInfo());
    std::unique_ptr<Variable> variable(column->GetBindings()[0]->m_target);

    EXPECT_EQ(fieldInfo.get(), column->GetBindings()[0]->m_sourceColumn);
    EXPECT_EQ(bytes, SaveObject(column.get()));
}

TEST(ReportFieldRecordTest, ControlPropertyReadsSourceColumnsInEveryVersion)
{
    for (int version : {30, currentVersion})
    {
        SCOPED_TRACE(version);
        ScopedArchiveVersion scoped(version);
        ArchiveBytes bytes;
        bytes.NewClass("ReportFieldControlProperty").Null().Null().Int(1).Null().Null().Null();
        AppendFieldInfoRecord(bytes.NewClass("ProcedureFieldInfo"), "Key");
        auto loaded = LoadWithSentinel<ReportFieldControlProperty>(bytes.Int(recordSentinel).Get());
        std::unique_ptr<ReportFieldControlProperty> property(loaded.object);
        std::unique_ptr<ProcedureFieldInfo> key(property->GetBindings().at(0)->m_sourceColumn);

        EXPECT_EQ(recordSentinel, loaded.trailer);
        EXPECT_EQ("Key", key->GetText());
    }
}

TEST(ReportFieldRecordTest, ControlPropertyKeepsControlProcedureAndSharedBindingsThroughSaveAndLoad)
{
    ScopedArchiveVersion scoped(currentVersion);
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

TEST(ReportGroupRecordTest, EveryGateReadsExactlyTheFieldsOfItsVersion)
{
    for (int version : {29, 30, 31, 32, currentVersion})
    {
        SCOPED_TRACE(version);
        ScopedArchiveVersion scoped(version);
        ArchiveBytes bytes;
        bytes.NewClass("ReportGroup").Null().Int(0).Int(0).Null(); // call, filters, columns, owner
        if (version > 29)
            AppendFieldInfoRecord(bytes.NewClass("ProcedureFieldInfo"), "Customer").Str("Header");
        if (version > 31)
            bytes.ObjectRef(4);
        bytes.NewClass("ClassInvokation").Null().Null().Int(0);
        auto loaded = LoadWithSentinel<ReportGroup>(bytes.Int(recordSentinel).Get());
        std::unique_ptr<ReportGroup> group(loaded.object);
        std::unique_ptr<ProcedureFieldInfo> headerValue(group->GetHeaderValue());

        EXPECT_EQ(recordSentinel, loaded.trailer);
        EXPECT_EQ(version > 29, headerValue != nullptr);
        EXPECT_EQ(version > 29 ? "Header" : "", group->GetHeader());
        EXPECT_EQ(version > 31 ? headerValue.get() : nullptr, group->GetNextProcKey());
        EXPECT_NE(nullptr, group->GetClassCall());
    }
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
