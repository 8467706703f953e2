#include "entities/Parameter.h"
#include "entities/Variable.h"
#include "model/VersionHistory.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <memory>

// Every kind is read as a page variable; the value comes from 10. A parameter is its name alone.
TEST(VariableRecordTest, VersionGates)
{
    for (int kind : {Variable::parameterKind, Variable::sharedKind})
    {
        ExpectRecordVersions<Variable>(
            "Variable", {Always(ArchiveBytes().Str("Id").Int(kind),
                                ArchiveBytes().Str("Id").Int(Variable::pageKind)),
                         After(9, ArchiveBytes().Str("42"), ArchiveBytes().Str(""))});
    }
    ExpectRecordVersions<Parameter>("Parameter", {Always(ArchiveBytes().Str("rate"))});
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
