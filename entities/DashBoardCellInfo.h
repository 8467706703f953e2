#pragma once

#include "model/GridCellData.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <vector>

class CArchive;
class Field;
class Menu;
class ProcedureFieldInfo;
class Variable;
class ReferenceList;

// A value passed to a variable: the target receives the source variable or the source field
// (the editors set exactly one source). None of the three is owned.
struct DashBoardVariableMap
{
    Variable* target = nullptr;
    Variable* sourceVariable = nullptr;
    Field* sourceField = nullptr;
};

// An output column of the dashboard's data source shown in a cell, with its caption. The
// column is not owned.
struct FieldCaption
{
    ProcedureFieldInfo* fieldInfo = nullptr;
    CString caption;
};

// The panel of one dashboard grid cell: a static caption, or a link to a menu item with the
// values passed to the page it opens, and the data-source fields it shows.
class DashBoardCellInfo : public CObject, public GridCellData
{
    DECLARE_SERIAL(DashBoardCellInfo)

public:
    explicit DashBoardCellInfo(bool staticText = true);
    DashBoardCellInfo(const DashBoardCellInfo&) = delete;
    DashBoardCellInfo& operator=(const DashBoardCellInfo&) = delete;
    // Deletes the variable maps and the output columns the load made; the menu and the other
    // output columns are not owned.
    ~DashBoardCellInfo() override;

    // Flag (int), caption, menu, variable maps, display fields. Files before version 24 hold a
    // field per display field, from which a new output column is made that the cell owns; their
    // aggregate code and caption are stored from version 20 (before: no aggregate, empty
    // caption).
    void Serialize(CArchive& ar) override;
    // Lists the menu it links (released by RemoveMenu), the variables its maps pass (each
    // release drops the map) and the output columns the cell shows (each release drops that
    // column's entries).
    void ListReferences(ReferenceList& list);

    bool IsStaticText() const { return m_staticText; }
    // TRUE also unlinks the menu.
    void SetStaticText(BOOL staticText);
    const CString& GetCaption() const { return m_caption; }
    void SetCaption(const CString& caption) { m_caption = caption; }

    Menu* GetMenu() const { return m_menu; }
    // Links the menu (null unlinks); a menu makes the cell a link, not static text.
    void SetMenu(Menu* menu);
    // When the cell links to the menu: unlinks it and deletes all variable maps.
    void RemoveMenu(const Menu* menu);

    const std::vector<DashBoardVariableMap*>& GetVariableMaps() const { return m_variableMaps; }
    // Takes the map.
    void AddVariableMap(DashBoardVariableMap* map) { m_variableMaps.push_back(map); }
    void ClearVariableMaps();
    // The map whose target is the variable: the map, or null; its index, or -1.
    DashBoardVariableMap* FindVariableMap(const Variable* target) const;
    int FindVariableMapIndex(const Variable* target) const;
    // Deletes the map of the target; nothing when absent.
    void RemoveVariableMap(const Variable* target);

    const std::vector<FieldCaption>& GetDisplayFields() const { return m_displayFields; }
    void AddDisplayField(ProcedureFieldInfo* fieldInfo, const CString& caption = CString());
    bool HasDisplayField(const ProcedureFieldInfo* fieldInfo) const;
    // Both ignore an index out of range.
    void SetDisplayFieldCaption(int index, const CString& caption);
    void RemoveDisplayFieldAt(int index);

    // The field is the source of a variable map or the field of a display field's column.
    bool IsFieldUsed(const Field* field) const;
    // The maps sourcing the field lose their source field; the display fields of the field go.
    void ClearField(const Field* field);

private:
    void ReadDisplayFields(CArchive& ar);
    void RemoveDisplayFieldsOf(const Field* field);

    bool m_staticText;
    CString m_caption;
    Menu* m_menu = nullptr;
    std::vector<DashBoardVariableMap*> m_variableMaps;
    std::vector<FieldCaption> m_displayFields;
    // The output columns made by the load of an old record; not written to the file.
    std::vector<ProcedureFieldInfo*> m_madeFieldInfos;
};
