#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <vector>

class CArchive;
class Field;
class FieldRep;
class FormInterface;

// One node of the expression tree of a derived field: a leaf names a page control (its
// operand); any other node joins its left and right sub-trees with an operator, 1 "+", 2 "-",
// 3 "*", 4 "/".
class FormulaTreeNode : public CObject
{
    DECLARE_SERIAL(FormulaTreeNode)

public:
    // No sub-trees, no operand, operator 0, the next node id.
    FormulaTreeNode();
    // A deep copy: new nodes (each with the next node id) for the whole tree below, the same
    // operands and operators.
    FormulaTreeNode(const FormulaTreeNode& source);
    FormulaTreeNode& operator=(const FormulaTreeNode&) = delete;
    // Deletes both sub-trees; the operand control is not owned.
    ~FormulaTreeNode() override;

    // Left, right, operand, operator; no version gates.
    void Serialize(CArchive& ar) override;

    int GetId() const { return m_id; }
    FormulaTreeNode* GetLeft() const { return m_left; }
    // Takes ownership; the previous sub-tree is the caller's.
    void SetLeft(FormulaTreeNode* left) { m_left = left; }
    FormulaTreeNode* GetRight() const { return m_right; }
    // Takes ownership; the previous sub-tree is the caller's.
    void SetRight(FormulaTreeNode* right) { m_right = right; }
    FieldRep* GetOperand() const { return m_operand; }
    void SetOperand(FieldRep* operand) { m_operand = operand; }
    int GetOperator() const { return m_operator; }
    void SetOperator(int op) { m_operator = op; }

    // "+", "-", "*", "/" for 1 to 4; empty otherwise.
    CString GetOperatorText() const;
    // A leaf: the operand's field name, or its data's caption when it has no field. Any other
    // node: left name, "_", operator text, "_", right name.
    CString GetExpressionName() const;
    // The node is a child of this node or lies below one.
    bool ContainsNode(const FormulaTreeNode* node) const;
    // A leaf of this tree shows the field.
    bool ContainsField(const Field* field) const;
    // Appends the operands in pre-order: this node's, then the left sub-tree's, then the right
    // sub-tree's.
    void CollectOperands(std::vector<FieldRep*>& out) const;
    // Appends the infix expression over the page's variables, without parentheses: a leaf
    // writes the variable mapped to its field ("Cint(" + name + ")" for an int field,
    // "Cfloat(" + name + ")" for a float or Decimal one, the name alone for any other type) or
    // nothing when the page has no map of the field; an operator node writes its left
    // expression, " ", the operator text, " ", then its right expression.
    void WriteExpression(CString& out, const FormInterface* page) const;
    // For a copied page: every operand of the tree found at an index of the source's controls
    // becomes the copy's control at that index (null when the copy has none there).
    void RemapOperands(const std::vector<FieldRep*>& sourceControls,
                       const std::vector<FieldRep*>& copyControls);

private:
    int m_id;
    FormulaTreeNode* m_left = nullptr;
    FormulaTreeNode* m_right = nullptr;
    FieldRep* m_operand = nullptr;
    int m_operator = 0;
};
