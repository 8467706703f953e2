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
#include <string>

namespace
{
TEST(FunctionRecordTest, RoundTripKeepsEveryStoredFieldAndTheSharedObjects)
{
    ScopedArchiveVersion version(TheVersionHistory().GetCurrentVersion());
    Table orders;
    orders.SetTableName("orders");
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
    function->AddAliasField(total);
    function->AddOutputField(new ProcedureFieldInfo(total, ProcedureFieldInfo::sumAggregate));
    function->AddUsedTable(&orders);

    std::unique_ptr<Class> loadedClass(LoadObject<Class>(SaveObject(&ownerClass)));
    ASSERT_EQ(1u, loadedClass->GetFunctions().size());
    const Function* loaded = loadedClass->GetFunctions()[0];
    std::unique_ptr<Table> loadedOrders(loaded->GetTable());
    ASSERT_EQ(1u, loaded->GetUsedTables().size());

    EXPECT_EQ(CString("GetTotals"), loaded->GetFieldName());
    EXPECT_EQ(loadedClass.get(), loaded->GetClass());
    EXPECT_EQ(CString("orders"), loadedOrders->GetTableName());
    EXPECT_EQ(loadedOrders.get(), loaded->GetUsedTables()[0]);
    ASSERT_EQ(1u, loaded->GetParameters().size());
    EXPECT_EQ(CString("fromDate"), loaded->GetParameters()[0]->GetFieldName());
    EXPECT_EQ(1, loaded->GetKind());
    ASSERT_EQ(1u, loaded->GetAliasFields().size());
    EXPECT_EQ(CString("total"), loaded->GetAliasFields()[0]->GetFieldName());
    ASSERT_EQ(1u, loaded->GetOutputFields().size());
    EXPECT_EQ(loaded->GetAliasFields()[0], loaded->GetOutputFields()[0]->GetField());
    EXPECT_EQ(ProcedureFieldInfo::sumAggregate, loaded->GetOutputFields()[0]->GetAggregate());
    EXPECT_EQ(0, loaded->GetTransient());
    EXPECT_GT(loaded->GetId(), function->GetId());
}

struct FunctionLayout
{
    int version;
    bool holdsKind;
    bool holdsAliasFields;
};

class FunctionVersionGateTest : public ::testing::TestWithParam<FunctionLayout>
{
};

// A function of its class: the class comes inside the function's record and lists the
// function as a back-reference. Only the fields the layout holds are written.
std::vector<BYTE> OldFunctionRecord(const FunctionLayout& layout)
{
    ArchiveBytes bytes;
    bytes.NewClass("Function").Str("GetTotals");                       // class 1, object 2
    bytes.NewClass("Class").Str("_orders").Null().Int(1).ObjectRef(2); // class 3, object 4
    bytes.Null().Int(1).NewClass("Parameter").Str("fromDate");         // table, parameters
    bytes.Int(0).Int(0);                                               // output fields, used tables
    if (layout.holdsKind)
        bytes.Int(1);
    if (layout.holdsAliasFields)
        bytes.Int(2).Null().Null();
    return bytes.Int(recordSentinel).Get();
}

TEST_P(FunctionVersionGateTest, ReadsExactlyTheFieldsOfTheVersion)
{
    const FunctionLayout layout = GetParam();
    ScopedArchiveVersion version(layout.version);
    const LoadedRecord<Function> loaded = LoadWithSentinel<Function>(OldFunctionRecord(layout));
    std::unique_ptr<Class> ownerClass(loaded.object->GetClass());

    EXPECT_EQ(recordSentinel, loaded.trailer);
    ASSERT_EQ(1u, ownerClass->GetFunctions().size());
    EXPECT_EQ(loaded.object, ownerClass->GetFunctions()[0]);
    EXPECT_EQ(CString("_orders"), ownerClass->GetFieldName());
    EXPECT_EQ(CString("GetTotals"), loaded.object->GetFieldName());
    ASSERT_EQ(1u, loaded.object->GetParameters().size());
    EXPECT_EQ(CString("fromDate"), loaded.object->GetParameters()[0]->GetFieldName());
    EXPECT_EQ(layout.holdsKind ? 1 : 0, loaded.object->GetKind());
    EXPECT_EQ(layout.holdsAliasFields ? 2u : 0u, loaded.object->GetAliasFields().size());
}

INSTANTIATE_TEST_SUITE_P(Versions, FunctionVersionGateTest,
                         ::testing::Values(FunctionLayout{67, false, false},
                                           FunctionLayout{68, true, false},
                                           FunctionLayout{72, true, false},
                                           FunctionLayout{73, true, true}),
                         [](const ::testing::TestParamInfo<FunctionLayout>& info)
                         { return "Version" + std::to_string(info.param.version); });

TEST(FormulaTreeNodeRecordTest, HandBuiltTreeReadsBackAndSavesTheSameBytes)
{
    ArchiveBytes bytes;
    bytes.NewClass("FormulaTreeNode");             // class 1, object 2: the root
    bytes.ClassRef(1).Null().Null().Null().Int(0); // object 3: left leaf
    bytes.ClassRef(1).Null().Null().Null().Int(0); // object 4: right leaf
    bytes.Null().Int(3);                           // root's operand and operator
    std::vector<BYTE> record = bytes.Get();
    const LoadedRecord<FormulaTreeNode> loaded =
        LoadWithSentinel<FormulaTreeNode>(bytes.Int(recordSentinel).Get());
    std::unique_ptr<FormulaTreeNode> root(loaded.object);

    EXPECT_EQ(recordSentinel, loaded.trailer);
    EXPECT_EQ(3, root->GetOperator());
    ASSERT_NE(nullptr, root->GetLeft());
    ASSERT_NE(nullptr, root->GetRight());
    EXPECT_NE(root->GetLeft(), root->GetRight());
    EXPECT_EQ(nullptr, root->GetLeft()->GetLeft());
    EXPECT_EQ(record, SaveObject(root.get()));
}

// price * qty, with price's control shared by a second leaf: (price * qty) + price.
std::unique_ptr<FormulaTreeNode> PriceFormula(FieldRep* price, FieldRep* qty)
{
    auto leaf = [](FieldRep* operand)
    {
        auto* node = new FormulaTreeNode;
        node->SetOperand(operand);
        return node;
    };
    auto* product = new FormulaTreeNode;
    product->SetOperator(3);
    product->SetLeft(leaf(price));
    product->SetRight(leaf(qty));
    auto root = std::make_unique<FormulaTreeNode>();
    root->SetOperator(1);
    root->SetLeft(product);
    root->SetRight(leaf(price));
    return root;
}

TEST(FormulaTreeNodeRecordTest, RoundTripRestoresSharedOperands)
{
    ScopedArchiveVersion version(TheVersionHistory().GetCurrentVersion());
    FieldRep price;
    FieldRep qty;
    const std::unique_ptr<FormulaTreeNode> source = PriceFormula(&price, &qty);

    std::unique_ptr<FormulaTreeNode> root(LoadObject<FormulaTreeNode>(SaveObject(source.get())));
    const FormulaTreeNode* product = root->GetLeft();
    std::unique_ptr<FieldRep> loadedPrice(product->GetLeft()->GetOperand());
    std::unique_ptr<FieldRep> loadedQty(product->GetRight()->GetOperand());

    EXPECT_EQ(1, root->GetOperator());
    EXPECT_EQ(3, product->GetOperator());
    EXPECT_EQ(loadedPrice.get(), root->GetRight()->GetOperand());
    EXPECT_NE(loadedPrice.get(), loadedQty.get());
    EXPECT_NE(nullptr, loadedQty.get());
}

TEST(FormulaTreeNodeCopyTest, CopiesEveryNodeWithNewIdsAndKeepsTheOperands)
{
    FieldRep price;
    FieldRep qty;
    std::unique_ptr<FormulaTreeNode> source = PriceFormula(&price, &qty);
    const int sourceRootId = source->GetId();

    const FormulaTreeNode copy(*source);
    const FormulaTreeNode* product = copy.GetLeft();
    EXPECT_NE(source->GetLeft(), product);
    EXPECT_GT(copy.GetId(), sourceRootId);
    source.reset();

    EXPECT_EQ(1, copy.GetOperator());
    EXPECT_EQ(3, product->GetOperator());
    EXPECT_EQ(&price, product->GetLeft()->GetOperand());
    EXPECT_EQ(&qty, product->GetRight()->GetOperand());
    EXPECT_EQ(&price, copy.GetRight()->GetOperand());
}

TEST(FunctionTest, EachConstructionTakesTheNextFunctionId)
{
    const Function first;
    const Function second;
    EXPECT_EQ(first.GetId() + 1, second.GetId());
}
} // namespace
