#pragma once

#include "platform/core/CObject.h"

class CArchive;
class FieldFilter;

// A node of a procedure's filter condition tree: operator 2 marks a leaf that holds one
// filter, 0 and 1 a node that combines its left and right subtrees. The procedure that owns
// the tree deletes its nodes.
class BooleanTreeNode : public CObject
{
    DECLARE_SERIAL(BooleanTreeNode)

public:
    // No children, no filter, operator 2, the next node id.
    BooleanTreeNode();
    BooleanTreeNode(const BooleanTreeNode&) = delete;
    BooleanTreeNode& operator=(const BooleanTreeNode&) = delete;

    // Left child, right child, filter, operator; no version gates.
    void Serialize(CArchive& ar) override;

    int GetId() const { return m_id; }
    BooleanTreeNode* GetLeft() const { return m_left; }
    void SetLeft(BooleanTreeNode* left) { m_left = left; }
    BooleanTreeNode* GetRight() const { return m_right; }
    void SetRight(BooleanTreeNode* right) { m_right = right; }
    FieldFilter* GetFilter() const { return m_filter; }
    void SetFilter(FieldFilter* filter) { m_filter = filter; }
    int GetOperator() const { return m_operator; }
    void SetOperator(int op) { m_operator = op; }

private:
    int m_id;
    BooleanTreeNode* m_left = nullptr;
    BooleanTreeNode* m_right = nullptr;
    FieldFilter* m_filter = nullptr;
    int m_operator = 2;
};
