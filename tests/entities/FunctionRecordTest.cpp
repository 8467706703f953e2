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

TEST(FunctionRecordTest, OldLayoutReadsExactlyTheFieldsOfItsVersion)
{
    struct Layout
    {
        int version;
        bool holdsKind;
        bool holdsAliasFields;
    };
    for (const Layout layout : {Layout{67, false, false}, Layout{68, true, false},
                                Layout{72, true, false}, Layout{73, true, true}})
    {
        SCOPED_TRACE(layout.version);
        // The class comes inside the function's record and lists the function as a
        // back-reference.
        ArchiveBytes bytes;
        bytes.NewClass("Function").Str("GetTotals");                       // class 1, object 2
        bytes.NewClass("Class").Str("_orders").Null().Int(1).ObjectRef(2); // class 3, object 4
        bytes.Null().Int(1).NewClass("Parameter").Str("fromDate");         // table, parameters
        bytes.Int(0).Int(0); // output fields, used tables
        if (layout.holdsKind)
            bytes.Int(1);
        if (layout.holdsAliasFields)
            bytes.Int(2).Null().Null();
        // The class owns the function.
        Function* const loaded = ReadRecordAndSentinel<Function>(bytes, layout.version).release();
        std::unique_ptr<Class> ownerClass(loaded->GetClass());
        ASSERT_EQ(std::vector<Function*>{loaded}, ownerClass->GetFunctions());
        EXPECT_EQ(CString("_orders"), ownerClass->GetFieldName());
        EXPECT_EQ(CString("GetTotals"), loaded->GetFieldName());
        ASSERT_EQ(1u, loaded->GetParameters().size());
        EXPECT_EQ(CString("fromDate"), loaded->GetParameters()[0]->GetFieldName());
        EXPECT_EQ(layout.holdsKind ? 1 : 0, loaded->GetKind());
        EXPECT_EQ(layout.holdsAliasFields ? 2u : 0u, loaded->GetAliasFields().size());
    }
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
