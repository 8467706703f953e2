#pragma once

#include "editors/logic/ControlStates.h"

#include <vector>

class EditorHost;
class Field;
class Procedure;
class Relation;
class Table;

// "Relation Dialog": the joins of a procedure between its main table and its other tables, each
// with the fields ticked in the two field trees. Relations change in place as commands run.
class RelationEditor
{
public:
    static constexpr UINT IDD = 167;
    static constexpr int IDC_ADD = 1039;
    static constexpr int IDC_LEFT_TABLE = 1163;
    static constexpr int IDC_RELATIONS = 1167;
    static constexpr int IDC_RIGHT_TABLE = 1180;
    static constexpr int IDC_RIGHT_TREE = 1182;
    static constexpr int IDC_LEFT_TREE = 1183;
    static constexpr int IDC_HELP_BUTTON = 1737;

    // One check-box item of a field tree, under the root item of the table.
    struct FieldItem
    {
        Field* field;
        bool checked;
    };
    // One side: its table (null when none is chosen) and its field items.
    struct Side
    {
        Table* table = nullptr;
        std::vector<FieldItem> items;
    };

    RelationEditor(Procedure& procedure, EditorHost& host);

    static const std::vector<ListColumn>& Columns();

    ControlStates& States() { return m_states; }
    const std::vector<ListRow>& GetRows() const { return m_rows; }
    const Side& Left() const { return m_left; }
    const Side& Right() const { return m_right; }
    int GetSelectedRow() const { return m_selectedRow; }

    void Open();
    void ChooseLeftTable(int index);
    void ChooseRightTable(int index);
    void CheckField(bool left, int item, bool checked);
    void ClickRelation(int row);
    void AddOrUpdate();
    void DeleteRelation();

private:
    // The side shows the table's fields, ticked when the relation holds them.
    void FillSide(Side& side, int combo, int index, const Relation* relation);
    void RefreshRows();
    // The first ticked fields of both sides join key to foreign key or share a referenced field.
    bool AreFieldsJoinable() const;
    void Reset();

    Procedure& m_procedure;
    EditorHost& m_host;
    std::vector<Table*> m_tables;
    Side m_left;
    Side m_right;
    ControlStates m_states;
    std::vector<ListRow> m_rows;
    int m_selectedRow = -1;
};
