#include "entities/FormulaTreeNode.h"

#include "entities/FormInterface.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"

#include <algorithm>

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
    m_left = ReadOwned<FormulaTreeNode>(ar);
    m_right = ReadOwned<FormulaTreeNode>(ar);
    m_operand = ReadRef<FieldRep>(ar);
    ar >> m_operator;
}

CString FormulaTreeNode::GetOperatorText() const
{
    switch (m_operator)
    {
    case 1:
        return "+";
    case 2:
        return "-";
    case 3:
        return "*";
    case 4:
        return "/";
    default:
        return "";
    }
}

CString FormulaTreeNode::GetExpressionName() const
{
    if (m_operand != nullptr)
    {
        if (const Field* field = m_operand->GetField())
            return field->GetFieldName();
        const FieldRepData* data = m_operand->GetFieldRepData();
        return data != nullptr ? data->GetCaption() : CString();
    }
    const CString left = m_left != nullptr ? m_left->GetExpressionName() : CString();
    const CString right = m_right != nullptr ? m_right->GetExpressionName() : CString();
    return left + "_" + GetOperatorText() + "_" + right;
}

bool FormulaTreeNode::ContainsNode(const FormulaTreeNode* node) const
{
    if (node == nullptr)
        return false;
    return (m_left != nullptr && (m_left == node || m_left->ContainsNode(node))) ||
           (m_right != nullptr && (m_right == node || m_right->ContainsNode(node)));
}

bool FormulaTreeNode::ContainsField(const Field* field) const
{
    if (field == nullptr)
        return false;
    std::vector<FieldRep*> operands;
    CollectOperands(operands);
    return std::any_of(operands.begin(), operands.end(),
                       [field](const FieldRep* operand) { return operand->GetField() == field; });
}

void FormulaTreeNode::CollectOperands(std::vector<FieldRep*>& out) const
{
    if (m_operand != nullptr)
        out.push_back(m_operand);
    if (m_left != nullptr)
        m_left->CollectOperands(out);
    if (m_right != nullptr)
        m_right->CollectOperands(out);
}

void FormulaTreeNode::WriteExpression(CString& out, const FormInterface* page) const
{
    if (m_operand != nullptr && m_operand->GetField() != nullptr && page != nullptr)
    {
        Field* field = m_operand->GetField();
        const FieldVariableMap* map = page->FindFieldVariableMapByField(field);
        if (map != nullptr && map->variable != nullptr)
        {
            const CString name = map->variable->GetFieldName();
            switch (field->GetTypeCode())
            {
            case FieldTypeInt:
                out += "Cint(" + name + ")";
                break;
            case FieldTypeFloat:
            case FieldTypeDecimal:
                out += "Cfloat(" + name + ")";
                break;
            default:
                out += name;
                break;
            }
        }
    }
    if (m_left != nullptr)
    {
        m_left->WriteExpression(out, page);
        out += " " + GetOperatorText() + " ";
    }
    if (m_right != nullptr)
        m_right->WriteExpression(out, page);
}

void FormulaTreeNode::RemapOperands(const std::vector<FieldRep*>& sourceControls,
                                    const std::vector<FieldRep*>& copyControls)
{
    const auto found = std::find(sourceControls.begin(), sourceControls.end(), m_operand);
    if (m_operand != nullptr && found != sourceControls.end())
    {
        const size_t index = static_cast<size_t>(found - sourceControls.begin());
        m_operand = index < copyControls.size() ? copyControls[index] : nullptr;
    }
    if (m_left != nullptr)
        m_left->RemapOperands(sourceControls, copyControls);
    if (m_right != nullptr)
        m_right->RemapOperands(sourceControls, copyControls);
}
