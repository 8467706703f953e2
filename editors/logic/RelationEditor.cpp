#include "editors/logic/RelationEditor.h"

#include "editors/logic/EditorHost.h"
#include "entities/Procedure.h"
#include "model/Field.h"
#include "model/NamedQuestion.h"
#include "model/Relation.h"
#include "model/Table.h"
#include "platform/core/MessageBox.h"

namespace
{
constexpr const char* addCaption = "Add Relation";

const Field* FirstChecked(const RelationEditor::Side& side)
{
    for (const RelationEditor::FieldItem& item : side.items)
    {
        if (item.checked)
            return item.field;
    }
    return nullptr;
}
} // namespace

RelationEditor::RelationEditor(Procedure& procedure, EditorHost& host)
    : m_procedure(procedure), m_host(host)
{
}

const std::vector<ListColumn>& RelationEditor::Columns()
{
    static const std::vector<ListColumn> columns{{"Relation", 64}};
    return columns;
}

void RelationEditor::Open()
{
    RefreshRows();
    m_tables.clear();
    if (m_procedure.GetMainTable() != nullptr)
        m_tables.push_back(m_procedure.GetMainTable());
    m_tables.insert(m_tables.end(), m_procedure.GetTables().begin(), m_procedure.GetTables().end());
    std::vector<CString> names;
    for (const Table* table : m_tables)
        names.push_back(table->GetTableName());
    m_states.SetItems(IDC_LEFT_TABLE, names);
    m_states.SetItems(IDC_RIGHT_TABLE, names);
    m_states.SetText(IDC_ADD, addCaption);
}

void RelationEditor::RefreshRows()
{
    m_rows.clear();
    for (const Relation* relation : m_procedure.GetRelations())
        m_rows.push_back({{relation->GetDescription()}});
}

void RelationEditor::FillSide(Side& side, int combo, int index, const Relation* relation)
{
    side = {};
    m_states.Select(combo, index);
    if (index < 0 || static_cast<std::size_t>(index) >= m_tables.size())
        return;
    side.table = m_tables[index];
    for (Field* field : side.table->GetFields())
        side.items.push_back({field, relation != nullptr && relation->ContainsField(field)});
}

void RelationEditor::ChooseLeftTable(int index)
{
    FillSide(m_left, IDC_LEFT_TABLE, index, nullptr);
    m_states.SetText(IDC_ADD, addCaption);
}

void RelationEditor::ChooseRightTable(int index)
{
    FillSide(m_right, IDC_RIGHT_TABLE, index, nullptr);
}

void RelationEditor::CheckField(bool left, int item, bool checked)
{
    Side& side = left ? m_left : m_right;
    if (item >= 0 && static_cast<std::size_t>(item) < side.items.size())
        side.items[item].checked = checked;
}

void RelationEditor::ClickRelation(int row)
{
    const std::vector<Relation*>& relations = m_procedure.GetRelations();
    if (row < 0 || static_cast<std::size_t>(row) >= relations.size())
        return;
    m_selectedRow = row;
    const Relation* relation = relations[row];
    m_states.SetText(IDC_ADD, "Update Relation");
    const auto indexOf = [this](const Table* table)
    {
        for (std::size_t i = 0; i < m_tables.size(); ++i)
        {
            if (table != nullptr && m_tables[i]->GetId() == table->GetId())
                return static_cast<int>(i);
        }
        return m_tables.empty() ? -1 : 0;
    };
    FillSide(m_left, IDC_LEFT_TABLE, indexOf(relation->GetFirstTable()), relation);
    FillSide(m_right, IDC_RIGHT_TABLE, indexOf(relation->GetSecondTable()), relation);
}

bool RelationEditor::AreFieldsJoinable() const
{
    const Field* left = FirstChecked(m_left);
    const Field* right = FirstChecked(m_right);
    if (left == nullptr || right == nullptr)
        return false;
    return (left->IsKey() && right->IsForeignKey()) || (left->IsForeignKey() && right->IsKey()) ||
           (left->IsForeignKey() && right->IsForeignKey() && left->GetForeignField() != nullptr &&
            left->GetForeignField() == right->GetForeignField());
}

void RelationEditor::AddOrUpdate()
{
    if (m_left.table == nullptr || m_right.table == nullptr)
        return;
    const bool update = m_states.GetText(IDC_ADD) != addCaption;
    Relation* relation = nullptr;
    if (update)
    {
        if (m_selectedRow < 0 ||
            static_cast<std::size_t>(m_selectedRow) >= m_procedure.GetRelations().size())
            return;
        relation = m_procedure.GetRelations()[m_selectedRow];
        relation->ClearJoinFields();
    }
    else if (!AreFieldsJoinable())
    {
        AfxMessageBox("Please check selection of fields");
        return;
    }
    else if (m_left.table == m_right.table)
    {
        AfxMessageBox("Relation can not be defined.");
        return;
    }
    else if (m_procedure.HasRelation(m_left.table, m_right.table))
    {
        AfxMessageBox("Relation already present.");
        return;
    }
    else
    {
        relation = new Relation;
        m_procedure.AddRelation(relation);
    }
    relation->SetFirstTable(m_left.table);
    relation->SetSecondTable(m_right.table);
    for (const Side* side : {&m_left, &m_right})
    {
        for (const FieldItem& item : side->items)
        {
            if (item.checked)
                relation->AddJoinField(item.field);
        }
    }
    RefreshRows();
    Reset();
}

void RelationEditor::DeleteRelation()
{
    if (m_selectedRow < 0 ||
        static_cast<std::size_t>(m_selectedRow) >= m_procedure.GetRelations().size())
        return;
    if (!m_host.ConfirmWarning(NamedQuestion("Do you want to delete the Relation ?",
                                             CellOf(m_rows, m_selectedRow, 0))))
        return;
    m_procedure.RemoveRelationAt(m_selectedRow);
    RefreshRows();
    Reset();
}

void RelationEditor::Reset()
{
    m_states.SetText(IDC_ADD, addCaption);
    m_left = {};
    m_right = {};
    m_states.Select(IDC_LEFT_TABLE, -1);
    m_states.Select(IDC_RIGHT_TABLE, -1);
    m_selectedRow = -1;
}
