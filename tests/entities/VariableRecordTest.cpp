#include "entities/Parameter.h"
#include "entities/Variable.h"
#include "model/VersionHistory.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
// A variable record as a file of the given layout holds it, followed by the sentinel.
std::vector<BYTE> VariableRecord(bool withValue)
{
    ArchiveBytes bytes;
    bytes.NewClass("Variable").Str("PRC_Id_Var").Int(Variable::parameterKind);
    if (withValue)
        bytes.Str("42");
    return bytes.Int(recordSentinel).Get();
}
} // namespace

TEST(VariableRecordTest, RoundTripKeepsNameAndValueAndForcesPageKind)
{
    ScopedArchiveVersion version(CurrentVersion());
    for (int kind : {Variable::parameterKind, Variable::pageKind, Variable::sharedKind})
    {
        Variable variable;
        variable.SetName("Customer");
        variable.SetKind(kind);
        variable.SetValue("abc");
        std::unique_ptr<Variable> loaded(LoadObject<Variable>(SaveObject(&variable)));
        ASSERT_NE(nullptr, loaded);
        EXPECT_EQ(CString("Customer"), loaded->GetFieldName());
        EXPECT_EQ(CString("abc"), loaded->GetValue());
        EXPECT_EQ(Variable::pageKind, loaded->GetKind()) << "saved with kind " << kind;
    }
}

TEST(VariableRecordTest, ValueIsReadAfterVersionNine)
{
    for (int fileVersion : {1, 9, 10})
    {
        ScopedArchiveVersion version(fileVersion);
        const bool withValue = fileVersion > 9;
        LoadedRecord<Variable> loaded = LoadWithSentinel<Variable>(VariableRecord(withValue));
        std::unique_ptr<Variable> variable(loaded.object);
        ASSERT_NE(nullptr, variable);
        EXPECT_EQ(recordSentinel, loaded.trailer) << "version " << fileVersion;
        EXPECT_EQ(CString("PRC_Id_Var"), variable->GetFieldName());
        EXPECT_EQ(CString(withValue ? "42" : ""), variable->GetValue());
        EXPECT_EQ(Variable::pageKind, variable->GetKind());
    }
}

TEST(VariableRecordTest, CopyIsADistinctObjectWithTheSourcesMembersOrAnEmptyPageVariable)
{
    Variable source;
    source.SetName("Status");
    source.SetKind(Variable::sharedKind);
    source.SetValue("open");
    Variable copy(&source);
    source.SetName("Changed");
    EXPECT_EQ(CString("Status"), copy.GetFieldName());
    EXPECT_EQ(Variable::sharedKind, copy.GetKind());
    EXPECT_EQ(CString("open"), copy.GetValue());

    const Variable empty(static_cast<const Variable*>(nullptr));
    EXPECT_EQ(CString(), empty.GetFieldName());
    EXPECT_EQ(Variable::pageKind, empty.GetKind());
    EXPECT_EQ(CString(), empty.GetValue());
}

TEST(ParameterRecordTest, RecordIsTheNameAloneAtEveryVersionAndRoundTrips)
{
    for (int fileVersion : {1, CurrentVersion()})
    {
        ScopedArchiveVersion version(fileVersion);
        ArchiveBytes bytes;
        bytes.NewClass("Parameter").Str("rate").Int(recordSentinel);
        LoadedRecord<Parameter> loaded = LoadWithSentinel<Parameter>(bytes.Get());
        std::unique_ptr<Parameter> parameter(loaded.object);
        ASSERT_NE(nullptr, parameter);
        EXPECT_EQ(recordSentinel, loaded.trailer);
        EXPECT_EQ(CString("rate"), parameter->GetFieldName());
    }
    ScopedArchiveVersion version(CurrentVersion());
    Parameter parameter;
    parameter.SetName("amount");
    std::unique_ptr<Parameter> loaded(LoadObject<Parameter>(SaveObject(&parameter)));
    ASSERT_NE(nullptr, loaded);
    EXPECT_EQ(CString("amount"), loaded->GetFieldName());
}
