#include "entities/Class.h"
#include "entities/FormulaTreeNode.h"
#include "entities/Function.h"
#include "entities/Parameter.h"
#include "entities/ProcedureFieldInfo.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/Table.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
TEST(FunctionRecordTest, RoundTripKeepsEveryStoredFieldAndTheSharedObjects)
{
    ScopedArchiveVersion version(CurrentVersion());
    Table orders;
    orders.SetTableName("orders");
    orders.EnsureDefaultFields();
    Class ownerClass;
    auto* function = new Function;
    ownerClass.AddFunction(function);
    function->SetName("GetTotals");
    function->SetClass(&ownerClass);
    function->SetTable(&orders);
    function->SetKind(1);
    function->SetTransient(9);
    auto* parameter = new Parameter;
    parameter->SetName("fromDate");
    function->AddParameter(parameter);
    auto* total = new Field;
    total->SetFieldName("total");
    total->SetDisplayName("total");
    function->AddAliasField(total);
    function->AddOutputField(new ProcedureFieldInfo(total, ProcedureFieldInfo::sumAggregate));
    function->AddUsedTable(&orders);

    const std::vector<BYTE> bytes = SaveObject(&ownerClass);
    std::unique_ptr<Class> loadedClass(LoadObject<Class>(bytes));
    const Function* loaded = loadedClass->GetFunctions().at(0);
    std::unique_ptr<Table> loadedOrders(loaded->GetTable());
    EXPECT_EQ(loadedOrders.get(), loaded->GetUsedTables().at(0));
    EXPECT_EQ(loaded->GetAliasFields().at(0), loaded->GetOutputFields().at(0)->GetField());
    EXPECT_EQ(0, loaded->GetTransient());
    EXPECT_GT(loaded->GetId(), function->GetId());
    EXPECT_EQ(bytes, SaveObject(loadedClass.get()));
}

// The kind comes from 68, the alias fields from 73.
TEST(FunctionRecordTest, VersionGates)
{
    ExpectRecordVersions<Function>("Function",
                                   {Always(ArchiveBytes()
                                               .Str("GetTotals")
                                               .Null()
                                               .Null()
                                               .Int(1)
                                               .NewClass("Parameter")
                                               .Str("fromDate")),
                                    Always(ArchiveBytes().Int(0).Int(0)),
                                    After(67, ArchiveBytes().Int(1), ArchiveBytes().Int(0)),
                                    After(72, ArchiveBytes().Int(2).Null().Null(),
                                          ArchiveBytes().Int(0), ArchiveBytes().Int(0))});
}

TEST(FormulaTreeNodeRecordTest, HandBuiltTreeReadsBackAndSavesTheSameBytes)
{
    ArchiveBytes bytes;
    bytes.NewClass("FormulaTreeNode");             // class 1, object 2: the root
    bytes.ClassRef(1).Null().Null().Null().Int(0); // object 3: left leaf
    bytes.ClassRef(1).Null().Null().Null().Int(0); // object 4: right leaf
    bytes.Null().Int(3);                           // root's operand and operator
    const auto root = ReadRecordAndSentinel<FormulaTreeNode>(bytes, CurrentVersion());

    EXPECT_EQ(3, root->GetOperator());
    ASSERT_NE(nullptr, root->GetLeft());
    ASSERT_NE(nullptr, root->GetRight());
    EXPECT_NE(root->GetLeft(), root->GetRight());
    EXPECT_EQ(nullptr, root->GetLeft()->GetLeft());
    EXPECT_EQ(bytes.Get(), SaveObject(root.get()));
}

TEST(FormulaTreeNodeRecordTest, RoundTripRestoresSharedOperands)
{
    ScopedArchiveVersion version(CurrentVersion());
    FieldRep price;
    FieldRep qty;
    // (price * qty) + price, with price's control shared by two leaves.
    const auto leaf = [](FieldRep* operand)
    {
        auto* node = new FormulaTreeNode;
        node->SetOperand(operand);
        return node;
    };
    auto* product = new FormulaTreeNode;
    product->SetOperator(3);
    product->SetLeft(leaf(&price));
    product->SetRight(leaf(&qty));
    FormulaTreeNode source;
    source.SetOperator(1);
    source.SetLeft(product);
    source.SetRight(leaf(&price));

    std::unique_ptr<FormulaTreeNode> root(LoadObject<FormulaTreeNode>(SaveObject(&source)));
    const FormulaTreeNode* loadedProduct = root->GetLeft();
    std::unique_ptr<FieldRep> loadedPrice(loadedProduct->GetLeft()->GetOperand());
    std::unique_ptr<FieldRep> loadedQty(loadedProduct->GetRight()->GetOperand());

    EXPECT_EQ(1, root->GetOperator());
    EXPECT_EQ(3, loadedProduct->GetOperator());
    EXPECT_EQ(loadedPrice.get(), root->GetRight()->GetOperand());
    EXPECT_NE(loadedPrice.get(), loadedQty.get());
    EXPECT_NE(nullptr, loadedQty.get());
}

} // namespace
