#pragma once

#include "platform/core/CObject.h"

#include <vector>

class CArchive;
class Field;
class FieldRep;
class FormulaTreeNode;
class Table;

// A calculated field of a page: the page field it fills (owned), the table it is shown for,
// and the root of its formula (owned).
class DerivedField : public CObject
{
    DECLARE_SERIAL(DerivedField)

public:
    // Everything null; for loading.
    DerivedField() = default;
    // Takes the field and its ownership; no formula.
    DerivedField(Field* field, Table* table);
    // For a copied page: the same table, a new field copied from the source's and a copy of
    // the source's formula tree of its own, whose leaves name the source's controls until the
    // page remaps them (RemapOperands).
    DerivedField(const DerivedField& source);
    DerivedField& operator=(const DerivedField&) = delete;
    // Deletes the field and the formula.
    ~DerivedField() override;

    // Field, table, formula; no version gates.
    void Serialize(CArchive& ar) override;

    Field* GetField() const { return m_field; }
    Table* GetTable() const { return m_table; }
    void SetTable(Table* table) { m_table = table; }
    FormulaTreeNode* GetFormula() const { return m_formula; }
    // Takes ownership; the previous root is the caller's (it may become a sub-tree of the new
    // one).
    void SetFormula(FormulaTreeNode* formula) { m_formula = formula; }

    // The node is the formula root or lies in the formula tree; false without a formula.
    bool FormulaContains(const FormulaTreeNode* node) const;
    // For a copied page: the formula's operands that are controls of the source page become the
    // copy's controls at the same index.
    void RemapOperands(const std::vector<FieldRep*>& sourceControls,
                       const std::vector<FieldRep*>& copyControls);

private:
    Field* m_field = nullptr;
    Table* m_table = nullptr;
    FormulaTreeNode* m_formula = nullptr;
};
