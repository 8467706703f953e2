#include "entities/BooleanTreeNode.h"

#include "model/ArchiveIO.h"
#include "model/FieldFilter.h"

IMPLEMENT_SERIAL(BooleanTreeNode, CObject, 0)

namespace
{
int lastBooleanNodeId = 0;
}

BooleanTreeNode::BooleanTreeNode() : m_id(++lastBooleanNodeId) {}

void BooleanTreeNode::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteObject(m_left);
        ar.WriteObject(m_right);
        ar.WriteObject(m_filter);
        ar << m_operator;
        return;
    }
    m_left = ReadRef<BooleanTreeNode>(ar);
    m_right = ReadRef<BooleanTreeNode>(ar);
    m_filter = ReadRef<FieldFilter>(ar);
    ar >> m_operator;
}
