#include "entities/FormulaTreeNode.h"

#include "model/ArchiveIO.h"
#include "model/FieldRep.h"

IMPLEMENT_SERIAL(FormulaTreeNode, CObject, 0)

namespace
{
int lastFormulaNodeId = 0;

FormulaTreeNode* CopyOf(const FormulaTreeNode* node)
{
    return node != nullptr ? new FormulaTreeNode(*node) : nullptr;
}
} // namespace

FormulaTreeNode::FormulaTreeNode() : m_id(++lastFormulaNodeId) {}

FormulaTreeNode::FormulaTreeNode(const FormulaTreeNode& source)
    : CObject(source), m_id(++lastFormulaNodeId), m_left(CopyOf(source.m_left)),
      m_right(CopyOf(source.m_right)), m_operand(source.m_operand), m_operator(source.m_operator)
{
}

FormulaTreeNode::~FormulaTreeNode()
{
    delete m_left;
    delete m_right;
    m_operand = nullptr;
}

void FormulaTreeNode::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteObject(m_left);
        ar.WriteObject(m_right);
        ar.WriteObject(m_operand);
        ar << m_operator;
        return;
    }
    m_left = ReadRef<FormulaTreeNode>(ar);
    m_right = ReadRef<FormulaTreeNode>(ar);
    m_operand = ReadRef<FieldRep>(ar);
    ar >> m_operator;
}
