#pragma once

#include "platform/core/CObject.h"

class CArchive;
class FieldRep;

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

private:
    int m_id;
    FormulaTreeNode* m_left = nullptr;
    FormulaTreeNode* m_right = nullptr;
    FieldRep* m_operand = nullptr;
    int m_operator = 0;
};
