#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "model/Field.h"
#include "model/Table.h"

#include <gtest/gtest.h>

TEST(ProcedureOutputColumnsTest, DisplayNameAndCaptionAddTheAggregateName)
{
    Field amount;
    amount.SetFieldName("Amount");
    amount.SetDisplayName("Order amount");
    ProcedureFieldInfo column(&amount, ProcedureFieldInfo::sumAggregate);
    CString name;
    CString caption;
    column.GetDisplayName(name);
    column.GetCaption(caption);
    EXPECT_EQ(CString("Amount_Sum"), name);
    EXPECT_EQ(CString("Order amount Sum"), caption);
    column.SetAggregate(ProcedureFieldInfo::noAggregate);
    column.GetDisplayName(name);
    column.GetCaption(caption);
    EXPECT_EQ(CString("Amount"), name);
    EXPECT_EQ(CString("Order amount"), caption);
    const char* const names[] = {"None",    "Count",      "Sum",  "Min", "Max",
                                 "Average", "Percentage", "None", "None"};
    for (int code = -1; code <= 7; ++code)
    {
        column.SetAggregate(code);
        EXPECT_EQ(CString(names[code + 1]), column.GetAggregateName()) << code;
    }
}

TEST(ProcedureOutputColumnsTest, RemovingTheColumnOfAnAliasFieldDeletesTheField)
{
    Field withTable;
    Table table;
    withTable.SetTable(&table);
    auto* total = new Field;
    total->SetFieldName("Total");
    auto* margin = new Field;
    margin->SetFieldName("Margin");
    Procedure procedure;
    procedure.AddAliasField(total, true);
    procedure.AddAliasField(margin, false);
    procedure.AddAliasField(&withTable, true);
    EXPECT_EQ((std::vector<Field*>{total, margin}), procedure.GetAliasFields());
    EXPECT_EQ(1u, procedure.GetOutputColumns().size());
    EXPECT_EQ(nullptr, procedure.FindAliasFieldByName("total"));
    EXPECT_EQ(total, procedure.FindAliasFieldByNameNoCase("total"));
    procedure.RemoveOutputColumn(procedure.GetOutputColumnAt(0));
    EXPECT_TRUE(procedure.GetOutputColumns().empty());
    EXPECT_EQ(std::vector<Field*>{margin}, procedure.GetAliasFields());
}
