#include "entities/DerivedField.h"
#include "entities/Form.h"
#include "entities/FormulaTreeNode.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/Table.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{
FormulaTreeNode* Leaf(FieldRep* operand)
{
    auto* node = new FormulaTreeNode;
    node->SetOperand(operand);
    return node;
}

FormulaTreeNode* Join(FormulaTreeNode* left, int op, FormulaTreeNode* right)
{
    auto* node = new FormulaTreeNode;
    node->SetLeft(left);
    node->SetOperator(op);
    node->SetRight(right);
    return node;
}

Field* NewTypedField(const char* name, int typeCode, Table* table = nullptr)
{
    auto* field = new Field;
    field->Set(name, name, typeCode, 0, 0, nullptr, "", false, false, true, false, false);
    field->SetTable(table);
    if (table != nullptr)
        table->AddField(field);
    return field;
}

// A control of the page showing the field, its value kept in a variable of the field's name
// and "_Var" unless mapped is false.
FieldRep* AddFormulaControl(FormInterface& page, Field* field, bool mapped = true)
{
    auto* control = new FieldRep(field);
    page.AddFieldRep(control);
    if (mapped)
    {
        auto* variable = new Variable;
        variable->SetName(field->GetFieldName() + "_Var");
        page.AddFieldVariableMap(new FieldVariableMap{field, variable});
    }
    return control;
}

// An order-line page with price (float), qty (int), code (varchar), amount (Decimal) and an
// unmapped note control.
class FormulaPageTest : public ::testing::Test
{
protected:
    CString Expression(const FormulaTreeNode& tree, const FormInterface* page) const
    {
        CString out;
        tree.WriteExpression(out, page);
        return out;
    }

    Table m_lines;
    Form m_page;
    FieldRep* m_price = AddFormulaControl(m_page, NewTypedField("price", FieldTypeFloat, &m_lines));
    FieldRep* m_qty = AddFormulaControl(m_page, NewTypedField("qty", FieldTypeInt, &m_lines));
    FieldRep* m_code = AddFormulaControl(m_page, NewTypedField("code", FieldTypeVarchar, &m_lines));
    FieldRep* m_amount =
        AddFormulaControl(m_page, NewTypedField("amount", FieldTypeDecimal, &m_lines));
    FieldRep* m_note =
        AddFormulaControl(m_page, NewTypedField("note", FieldTypeInt, &m_lines), false);
};

TEST(FormulaTreeNodeTest, OperatorTextsAndExpressionNames)
{
    Field price;
    price.SetFieldName("price");
    FieldRep priceControl(&price);
    FieldRep discountControl;
    auto* data = new FieldRepData;
    data->SetCaption("Discount");
    discountControl.AttachFieldRepData(data);
    std::unique_ptr<FormulaTreeNode> tree(Join(Leaf(&priceControl), 2, Leaf(&discountControl)));

    const std::vector<CString> texts = {"", "+", "-", "*", "/", ""};
    for (int op = 0; op < static_cast<int>(texts.size()); ++op)
    {
        tree->SetOperator(op);
        EXPECT_EQ(texts[op], tree->GetOperatorText()) << op;
    }
    tree->SetOperator(2);
    EXPECT_EQ(CString("price_-_Discount"), tree->GetExpressionName());
    tree->SetOperator(7);
    EXPECT_EQ(CString("price__Discount"), tree->GetExpressionName());
}

TEST_F(FormulaPageTest, OperandsComeInPreOrderAndFieldsAreFoundInLeaves)
{
    std::unique_ptr<FormulaTreeNode> tree(
        Join(Join(Leaf(m_price), 1, Leaf(m_qty)), 3, Leaf(m_amount)));
    tree->SetOperand(m_code);
    std::vector<FieldRep*> operands;

    tree->CollectOperands(operands);

    EXPECT_EQ((std::vector<FieldRep*>{m_code, m_price, m_qty, m_amount}), operands);
    EXPECT_TRUE(tree->ContainsField(m_qty->GetField()));
    EXPECT_FALSE(tree->ContainsField(m_note->GetField()));
    EXPECT_FALSE(tree->ContainsField(nullptr));
}

TEST_F(FormulaPageTest, ExpressionsConvertByFieldTypeWithoutParenthesesAndSkipUnmappedLeaves)
{
    std::unique_ptr<FormulaTreeNode> priceTimesQty(Join(Leaf(m_price), 3, Leaf(m_qty)));
    EXPECT_EQ(CString("Cfloat(price_Var) * Cint(qty_Var)"), Expression(*priceTimesQty, &m_page));

    std::unique_ptr<FormulaTreeNode> tree(
        Join(Join(Leaf(m_amount), 1, Leaf(m_code)), 4, Leaf(m_qty)));
    EXPECT_EQ(CString("Cfloat(amount_Var) + code_Var / Cint(qty_Var)"), Expression(*tree, &m_page));

    std::unique_ptr<FormulaTreeNode> unmapped(Join(Leaf(m_note), 2, Leaf(m_qty)));
    EXPECT_EQ(CString(" - Cint(qty_Var)"), Expression(*unmapped, &m_page));
    EXPECT_EQ(CString(" - "), Expression(*unmapped, nullptr));
}

TEST_F(FormulaPageTest, FormulaContainsItsRootAndEveryNodeBelowButANodeOnlyThoseBelowIt)
{
    DerivedField derived(NewTypedField("total", FieldTypeFloat), &m_lines);
    FormulaTreeNode* priceLeaf = Leaf(m_price);
    EXPECT_FALSE(derived.FormulaContains(priceLeaf));

    FormulaTreeNode* inner = Join(priceLeaf, 1, Leaf(m_qty));
    derived.SetFormula(Join(inner, 3, Leaf(m_amount)));
    const FormulaTreeNode* root = derived.GetFormula();
    FormulaTreeNode elsewhere;

    EXPECT_TRUE(derived.FormulaContains(root));
    EXPECT_TRUE(derived.FormulaContains(priceLeaf));
    EXPECT_FALSE(derived.FormulaContains(nullptr));
    EXPECT_FALSE(derived.FormulaContains(&elsewhere));
    EXPECT_TRUE(root->ContainsNode(inner->GetRight()));
    EXPECT_TRUE(root->ContainsNode(root->GetRight()));
    EXPECT_FALSE(root->ContainsNode(root));
    EXPECT_FALSE(root->ContainsNode(nullptr));
    EXPECT_FALSE(inner->ContainsNode(root->GetRight()));
}

TEST_F(FormulaPageTest, CopiedPageFormulaNamesTheCopysControlsAndOutlivesTheSource)
{
    auto* source = new Form;
    FieldRep* price = AddFormulaControl(*source, m_price->GetField());
    FieldRep* qty = AddFormulaControl(*source, m_qty->GetField());
    Field* total = NewTypedField("total", FieldTypeFloat);
    AddFormulaControl(*source, total);
    auto* derived = new DerivedField(total, &m_lines);
    derived->SetFormula(Join(Leaf(price), 3, Leaf(qty)));
    source->AddDerivedField(derived);

    auto copy = std::make_unique<Form>(*source);
    const FormulaTreeNode* sourceFormula = derived->GetFormula();
    const FormulaTreeNode* formula = copy->GetDerivedFields().at(0)->GetFormula();
    ASSERT_NE(nullptr, formula);
    EXPECT_NE(sourceFormula, formula);
    EXPECT_NE(sourceFormula->GetLeft(), formula->GetLeft());
    delete source;

    EXPECT_EQ(copy->GetFieldReps()[0], formula->GetLeft()->GetOperand());
    EXPECT_EQ(copy->GetFieldReps()[1], formula->GetRight()->GetOperand());
    EXPECT_EQ(copy->GetDerivedFields()[0]->GetField(), copy->GetFieldReps()[2]->GetField());
    EXPECT_EQ(CString("price_*_qty"), formula->GetExpressionName());
    EXPECT_EQ(CString("Cfloat(price_Var) * Cint(qty_Var)"), Expression(*formula, copy.get()));
}

TEST(FormulaRemapTest, OperandsOffTheSourcePageStayAndMissingCopiesBecomeNull)
{
    FieldRep first;
    FieldRep second;
    FieldRep elsewhere;
    FieldRep firstCopy;
    std::unique_ptr<FormulaTreeNode> tree(
        Join(Join(Leaf(&first), 1, Leaf(&second)), 1, Leaf(&elsewhere)));

    tree->RemapOperands({&first, &second}, {&firstCopy});

    EXPECT_EQ(&firstCopy, tree->GetLeft()->GetLeft()->GetOperand());
    EXPECT_EQ(nullptr, tree->GetLeft()->GetRight()->GetOperand());
    EXPECT_EQ(&elsewhere, tree->GetRight()->GetOperand());
}

} // namespace
