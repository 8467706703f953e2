#include "editors/logic/TableDesigner.h"

#include "editors/logic/EditorHost.h"
#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/Form.h"
#include "entities/RDLCReport.h"
#include "entities/Transaction.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/NameUtilities.h"
#include "model/NamedQuestion.h"
#include "model/ProjectNameCheck.h"
#include "model/SitePageNames.h"
#include "model/Table.h"
#include "model/TableFormCreator.h"
#include "model/TransactionDataCreator.h"
#include "model/TypedText.h"
#include "model/TypedTexts.h"
#include "platform/core/MessageBox.h"

#include <cstdlib>

namespace
{
constexpr int typeInt = 0;
constexpr int typeDecimal = 2;
constexpr int typeChar = 3;
constexpr int typeVarchar = 4;
constexpr int typeDateTime = 5;
constexpr int typeImage = 8;
constexpr int defaultPrecision = 19;

// The module combo of the window layer's shape over the controller's states.
struct ComboStates
{
    ControlStates& states;
    int id;
    std::vector<CString> items;

    void ResetContent() { items.clear(); }
    void AddString(const CString& text) { items.push_back(text); }
    void SetCurSel(int index)
    {
        states.SetItems(id, items);
        states.Select(id, index);
    }
};

CString Cell(const CString& value)
{
    return " " + value;
}

CString Flag(bool flag)
{
    return Cell(flag ? "TRUE" : "FALSE");
}

CString Number(int value)
{
    CString text;
    text.Format("%d", value);
    return text;
}

bool ContainsBasicPart(const CString& name)
{
    return name.Find("_basic") >= 0 || name.Find("_Basic") >= 0;
}

// The role the model reads from a master-detail table's name: a detail table has a "_detail"
// part and no "_basic" part.
bool NamesDetailTable(const CString& name)
{
    return !ContainsBasicPart(name) && name.Find("_detail") >= 0;
}

// The column that the program adds itself to every table of that name and that a user field of
// this name would take: the soft-delete column or the key; empty when the name takes neither.
CString ImplicitColumnTakenBy(const CString& fieldName, const CString& tableName)
{
    if (fieldName.CompareNoCase(Field::deletedFlagName) == 0)
        return Field::deletedFlagName;
    const CString key = tableName + "_id";
    return !tableName.IsEmpty() && fieldName.CompareNoCase(key) == 0 ? key : CString();
}

void RefuseImplicitColumn(const CString& column)
{
    AfxMessageBox(column +
                  " is a column that the program adds to the table itself. Please use another "
                  "field name.");
}

// The transaction name that the master-detail creator gives a basic table.
CString TransactionNameOf(CString basicName)
{
    if (basicName.Replace("_basic", "") == 0)
        basicName.Replace("_Basic", "");
    return basicName;
}
// What the table designer says of a name that the generated code writes as another one's.
CString SameIdentifierRefusal(const char* kind, const CString& other)
{
    return CString(kind) + " \"" + other +
           "\" has the same name in the generated code: it cannot take both. Please check.";
}
} // namespace

TableDesigner::TableDesigner(ForgeonProject& project, EditorHost& host)
    : PaneEditor(m_states), m_project(project), m_host(host)
{
    m_states.SetItems(IDC_TYPE, TypeNames());
    m_states.SetItems(IDC_KIND, {"MASTERTABLE", "TRANSACTIONTABLE", "MAPTABLE"});
    m_states.Select(IDC_KIND, Table::masterKind);
    m_states.SetText(IDC_ADD, "Add");
    m_states.Enable(IDC_DELETE, false);
}

TableDesigner::~TableDesigner()
{
    if (m_isNew)
        delete m_table;
}

const std::vector<CString>& TableDesigner::TypeNames()
{
    static const std::vector<CString> names = {"int",      "float", "decimal", "char",  "varchar",
                                               "dateTime", "text",  "money",   "image", "nchar",
                                               "nvarchar", "ntext", "bigint"};
    return names;
}

const std::vector<TableDesigner::TypeInfo>& TableDesigner::TypeTable()
{
    static const std::vector<TypeInfo> types = {
        {true, 4}, {true, 8},  {false, 9},  {false, 10}, {false, 50}, {true, 8}, {true, 16},
        {true, 8}, {true, 16}, {false, 10}, {false, 50}, {false, 16}, {false, 8}};
    return types;
}

const std::vector<ListColumn>& TableDesigner::GridColumns()
{
    static const std::vector<ListColumn> columns = {{"", 0},
                                                    {"Field Name", 15},
                                                    {"Data Type", 8},
                                                    {"Size", 5},
                                                    {"DF", 5},
                                                    {"Allow Null", 5},
                                                    {"Front Field", 5},
                                                    {"FK", 5},
                                                    {"Foreign Field Reference", 25}};
    return columns;
}

const std::vector<ToolTip>& TableDesigner::ToolTips()
{
    static const std::vector<ToolTip> tips = []
    {
        std::vector<ToolTip> table = {
            {IDC_TABLE_NAME, 61461, "Enter table name"},
            {IDC_FIELD_NAME, 61462, "Enter field name"},
            {IDC_TYPE, 61463, "Select data type"},
            {IDC_SIZE, 61464, "Enter size of the fleld"},
            {IDC_PRECISION, 61465, "Enter precision"},
            {IDC_DEFAULT_VALUE, 61466, "Enter the default value"},
            {IDC_ALLOW_NULL, 61467, "Check this box to allow NULL value for the current field"},
            {IDC_FOREIGN_KEY, 61468, "Check this box to make current field a foreign key"},
            {IDC_FOREIGN_MODULE, 61469, "Set the Module"},
            {IDC_FOREIGN_TABLE, 61470, "Select foreign key table"},
            {IDC_ADD, 61471, "Add this field"},
            {IDC_DELETE, 61472, "Delete this field"},
            {IDC_FRONT_FIELDS, 61473, "Select field"},
            {IDC_FRONT_LABEL, 61474, "Shows Select Front field"},
            {IDC_GRID, 61475, "fields in the table"},
            {IDC_GENERATE, 61476, "Check this box to generate default UI"},
            {IDC_OK, 61477, "Add this table"},
            {IDC_CANCEL, 61478, "Exit without adding table"},
            {IDC_HELP_BUTTON, 61479, "Help for table creation"},
            {IDC_CLEAR, 61480, "Clear field information"},
            {IDC_ASSIGN_FRONT, 61481, "Assign front field"},
            {IDC_REMOVE_FRONT, 61482, "Remove front field"},
        };
        RegisterToolTipStrings(table);
        return table;
    }();
    return tips;
}

int TableDesigner::TakeFocusRequest()
{
    const int focus = m_focus;
    m_focus = 0;
    return focus;
}

Module* TableDesigner::CurrentModule() const
{
    return m_project.GetCurrentModule();
}

bool TableDesigner::IsLoginTable() const
{
    return m_table != nullptr && m_table->IsSystemTable();
}

bool TableDesigner::IsUpdateMode() const
{
    return m_states.GetText(IDC_ADD) == "Update";
}

Field* TableDesigner::SelectedField() const
{
    return m_table != nullptr && m_selectedRow >= 0 ? m_table->GetFieldAt(m_selectedRow) : nullptr;
}

void TableDesigner::InitialUpdate()
{
    ReloadPage();
    m_bitmap = masterBitmap;
}

void TableDesigner::ReloadPage()
{
    ComboStates combo{m_states, IDC_FOREIGN_MODULE, {}};
    m_foreignModule = m_project.FillModuleCombo(combo);
}

void TableDesigner::LoadTable(Table* table, int kind)
{
    if (m_isNew && m_table != table)
        delete m_table;
    m_table = table;
    ReloadPage();
    FillForeignTables(m_foreignModule);
    m_states.Select(IDC_TYPE, typeInt);
    m_states.SetText(IDC_SIZE, Number(TypeTable()[typeInt].defaultSize));
    if (table != nullptr)
    {
        m_isNew = false;
        m_states.SetText(IDC_TABLE_NAME, table->GetTableName());
        EnableTypeControls(table->GetKind());
        m_states.Enable(IDC_OK, true);
        m_generate = false;
        m_states.SetCheck(IDC_GENERATE, false);
        m_states.Enable(IDC_GENERATE, MissesDefaultPages());
        m_states.Enable(IDC_CANCEL, false);
    }
    else
    {
        m_table = new Table();
        m_table->SetKind(kind);
        m_isNew = true;
        m_states.SetText(IDC_TABLE_NAME, "Table" + Number(m_counter));
        EnableTypeControls(kind);
        m_states.Enable(IDC_OK, true);
        m_generate = true;
        m_states.SetCheck(IDC_GENERATE, true);
        m_states.Enable(IDC_GENERATE, true);
        m_states.Enable(IDC_CANCEL, true);
    }
    const bool login = IsLoginTable();
    for (int id : {IDC_TABLE_NAME, IDC_ADD, IDC_CLEAR})
        m_states.Enable(id, !login);
    if (login)
        m_states.Enable(IDC_GENERATE, false);
    FillGrid();
    FillFrontFieldCombo();
    ClearFieldEditors();
    m_bitmap = m_table->GetKind() == Table::masterKind ? masterBitmap : otherBitmap;
    m_states.Select(IDC_KIND, m_table->GetKind());
    ShowFrontField();
    NoteLoaded();
}

bool TableDesigner::MissesDefaultPages() const
{
    const Module* module = CurrentModule();
    if (module == nullptr)
        return false;
    if (m_table->GetKind() == Table::masterKind)
        return module->FindFormOfTable(m_table) == nullptr ||
               module->FindReportByName(m_table->GetTableName() + " Report") == nullptr;
    return module->FindTransactionByTable(m_table) == nullptr;
}

void TableDesigner::EnableTypeControls(int kind)
{
    const bool enabled = kind != Table::mapKind;
    for (int id : {IDC_TYPE, IDC_ALLOW_NULL, IDC_DEFAULT_VALUE})
        m_states.Enable(id, enabled);
    m_states.Select(IDC_TYPE, typeInt);
}

void TableDesigner::ClearPage()
{
    if (m_isNew)
        delete m_table;
    m_table = nullptr;
    m_isNew = false;
    m_states.Select(IDC_KIND, Table::masterKind);
    m_states.SetText(IDC_TABLE_NAME, "");
    FillGrid();
    FillFrontFieldCombo();
    ClearFieldEditors();
    ShowFrontField();
    NoteLoaded();
}

void TableDesigner::FillForeignTables(Module* module)
{
    m_foreignTables.clear();
    std::vector<CString> names;
    if (module != nullptr)
    {
        for (const auto* list :
             {&module->GetMasterTables(), &module->GetTransactionTables(), &module->GetMapTables()})
        {
            for (Table* table : *list)
            {
                m_foreignTables.push_back(table);
                names.push_back(table->GetTableName());
            }
        }
    }
    m_states.SetItems(IDC_FOREIGN_TABLE, std::move(names));
}

void TableDesigner::SelectForeignFieldEntries()
{
    const Table* foreignTable = m_foreignField != nullptr ? m_foreignField->GetTable() : nullptr;
    if (foreignTable == nullptr)
        return;
    int moduleIndex = -1;
    if (Module* module = m_project.FindModuleOfTable(foreignTable, &moduleIndex))
    {
        m_foreignModule = module;
        FillForeignTables(module);
        m_states.Select(IDC_FOREIGN_MODULE, moduleIndex);
    }
    for (std::size_t i = 0; i < m_foreignTables.size(); ++i)
    {
        if (m_foreignTables[i] == foreignTable)
            m_states.Select(IDC_FOREIGN_TABLE, static_cast<int>(i));
    }
}

void TableDesigner::ClearFieldEditors()
{
    for (int id : {IDC_FIELD_NAME, IDC_DISPLAY_NAME, IDC_DEFAULT_VALUE})
        m_states.SetText(id, "");
    m_states.SetText(IDC_PRECISION, "0");
    m_states.Enable(IDC_PRECISION, false);
    m_states.SetCheck(IDC_ALLOW_NULL, false);
    m_foreignField = nullptr;
    m_selectedRow = -1;
    m_states.Select(IDC_TYPE, typeInt);
    m_states.SetCheck(IDC_FOREIGN_KEY, false);
    m_states.Enable(IDC_FOREIGN_KEY, true);
    m_states.SetText(IDC_SIZE, Number(TypeTable()[typeInt].defaultSize));
    m_states.Enable(IDC_SIZE, !TypeTable()[typeInt].fixed);
    for (int id : {IDC_FOREIGN_MODULE, IDC_FOREIGN_TABLE})
    {
        m_states.Select(id, -1);
        m_states.Enable(id, false);
    }
    m_states.SetItems(IDC_FOREIGN_TABLE, {});
    m_foreignTables.clear();
    m_states.SetText(IDC_ADD, "Add");
    m_focus = IDC_FIELD_NAME;
    m_states.Enable(IDC_DELETE, false);
}

bool TableDesigner::IsTextTypedInEmptyPanel() const
{
    for (int id : {IDC_FIELD_NAME, IDC_DISPLAY_NAME, IDC_DEFAULT_VALUE})
    {
        if (!m_states.GetText(id).IsEmpty())
            return true;
    }
    // The size and precision the chosen type shows by itself are not typed.
    const int type = m_states.GetSelection(IDC_TYPE);
    if (type < 0 || type >= static_cast<int>(TypeTable().size()))
        return false;
    const CString precision = type == typeDecimal ? Number(defaultPrecision) : CString("0");
    return m_states.GetText(IDC_SIZE) != Number(TypeTable()[type].defaultSize) ||
           m_states.GetText(IDC_PRECISION) != precision;
}

void TableDesigner::ChooseType(int type)
{
    if (type < 0 || type >= static_cast<int>(TypeTable().size()))
        return;
    m_states.Select(IDC_TYPE, type);
    ApplyType(type, /*forceDefaultSize=*/true);
}

void TableDesigner::ApplyType(int type, bool forceDefaultSize)
{
    const TypeInfo& info = TypeTable()[type];
    if (info.fixed || forceDefaultSize)
        m_states.SetText(IDC_SIZE, Number(info.defaultSize));
    m_states.Enable(IDC_SIZE, !info.fixed);
    if (type == typeDecimal)
    {
        const Field* selected = SelectedField();
        m_states.Enable(IDC_PRECISION, true);
        m_states.SetText(IDC_PRECISION,
                         Number(selected != nullptr ? selected->GetPrecision() : defaultPrecision));
        m_states.Enable(IDC_SIZE, false);
    }
    else
    {
        m_states.Enable(IDC_PRECISION, false);
        m_states.SetText(IDC_PRECISION, "0");
    }
    m_states.Enable(IDC_DEFAULT_VALUE, true);
    if (type != typeInt)
    {
        m_states.SetCheck(IDC_FOREIGN_KEY, false);
        m_states.Enable(IDC_FOREIGN_KEY, false);
        for (int id : {IDC_FOREIGN_MODULE, IDC_FOREIGN_TABLE})
        {
            m_states.Enable(id, false);
            m_states.SetItems(id, {});
        }
        m_foreignTables.clear();
    }
    else
        m_states.Enable(IDC_FOREIGN_KEY, true);
    if (type == typeDateTime || type == typeImage)
        m_states.Enable(IDC_DEFAULT_VALUE, false);
}

void TableDesigner::ToggleAllowNull()
{
    m_states.SetCheck(IDC_ALLOW_NULL, !m_states.IsChecked(IDC_ALLOW_NULL));
}

void TableDesigner::ToggleForeignKey()
{
    const bool on = !m_states.IsChecked(IDC_FOREIGN_KEY);
    if (!on && m_table != nullptr && m_table->GetKind() == Table::mapKind)
    {
        m_states.SetCheck(IDC_FOREIGN_KEY, true);
        AfxMessageBox("Can not change the foreign key status for map table.");
        return;
    }
    m_states.SetCheck(IDC_FOREIGN_KEY, on);
    if (on)
    {
        ReloadPage();
        FillForeignTables(m_foreignModule);
        SelectForeignFieldEntries();
    }
    else
    {
        m_states.Select(IDC_FOREIGN_MODULE, -1);
        m_states.Select(IDC_FOREIGN_TABLE, -1);
    }
    m_states.Enable(IDC_FOREIGN_MODULE, on);
    m_states.Enable(IDC_FOREIGN_TABLE, on);
}

void TableDesigner::ChooseModule(int index)
{
    m_states.Select(IDC_FOREIGN_MODULE, index);
    m_foreignModule = m_project.GetModuleAt(index);
    FillForeignTables(m_foreignModule);
}

void TableDesigner::ChooseForeignTable(int index)
{
    if (index < 0 || index >= static_cast<int>(m_foreignTables.size()))
        return;
    m_states.Select(IDC_FOREIGN_TABLE, index);
    const Table* table = m_foreignTables[index];
    m_foreignField = table->GetPrimaryKeyField();
    if (m_foreignField == nullptr)
        return;
    if (m_states.GetText(IDC_FIELD_NAME).IsEmpty())
        m_states.SetText(IDC_FIELD_NAME, m_foreignField->GetFieldName());
}

const std::vector<int>& TableDesigner::PanelBoxes()
{
    static const std::vector<int> boxes = {
        IDC_FIELD_NAME, IDC_DISPLAY_NAME, IDC_DEFAULT_VALUE, IDC_SIZE,           IDC_PRECISION,
        IDC_TYPE,       IDC_ALLOW_NULL,   IDC_FOREIGN_KEY,   IDC_FOREIGN_MODULE, IDC_FOREIGN_TABLE};
    return boxes;
}

void TableDesigner::LoadRow(int row)
{
    const Field* field = m_table != nullptr ? m_table->GetFieldAt(row) : nullptr;
    // The panel shows the row already, with what was typed since.
    if (field == nullptr || row == m_selectedRow || !TakeTypedField())
        return;
    ShowField(row);
}

bool TableDesigner::HasChanges() const
{
    return (!m_isNew || m_table->GetFieldCount() > 0) && PaneEditor::HasChanges();
}

CString TableDesigner::ItemName() const
{
    CString typed = m_states.GetText(IDC_TABLE_NAME);
    typed.Trim();
    return m_isNew ? typed : m_table->GetTableName();
}

std::vector<CString> TableDesigner::NewItemContent() const
{
    std::vector<CString> content;
    AddRows(content, m_rows);
    return content;
}

void TableDesigner::StoreItem()
{
    if (m_isNew)
        StoreNew();
    else if (ApplyName())
        NoteLoaded();
}

void TableDesigner::ReloadItem()
{
    LoadTable(m_isNew ? nullptr : m_table, m_table->GetKind());
}

void TableDesigner::ShowField(int row)
{
    const Field* field = m_table->GetFieldAt(row);
    if (field == nullptr)
        return;
    m_selectedRow = row;
    m_foreignField = field->GetForeignField();
    SelectForeignFieldEntries();
    m_states.SetText(IDC_FIELD_NAME, field->GetFieldName());
    m_states.SetText(IDC_DISPLAY_NAME, field->GetDisplayName());
    m_states.SetText(IDC_DEFAULT_VALUE, field->GetDefaultValue());
    m_states.SetText(IDC_SIZE, Number(field->GetSize()));
    m_states.SetCheck(IDC_ALLOW_NULL, field->IsAllowNull());
    m_states.SetCheck(IDC_FOREIGN_KEY, field->IsForeignKey());
    m_states.Enable(IDC_FOREIGN_KEY, field->IsForeignKey() || field->GetTypeCode() == typeInt);
    m_states.Enable(IDC_FOREIGN_MODULE, field->IsForeignKey());
    m_states.Enable(IDC_FOREIGN_TABLE, field->IsForeignKey());
    if (!field->IsForeignKey())
        m_foreignField = nullptr;
    if (field->GetTypeCode() >= 0 && field->GetTypeCode() < static_cast<int>(TypeTable().size()))
    {
        ApplyType(field->GetTypeCode(), /*forceDefaultSize=*/false);
        m_states.Select(IDC_TYPE, field->GetTypeCode());
    }
    m_states.SetText(IDC_ADD, "Update");
    m_states.Enable(IDC_DELETE, true);
    m_loadedPanel = m_states.ShownIn(PanelBoxes());
}

void TableDesigner::FillGrid()
{
    m_rows.clear();
    m_selectedRow = -1;
    ++m_rowsRevision;
    if (m_table == nullptr)
        return;
    const bool login = m_table->IsSystemTable();
    for (const Field* field : m_table->GetFields())
    {
        const int type = field->GetTypeCode();
        const bool known = type >= 0 && type < static_cast<int>(TypeNames().size());
        ListRow row;
        row.cells = {Cell(""),
                     Cell(field->GetFieldName()),
                     Cell(known ? TypeNames()[type] : CString()),
                     Cell(Number(field->GetSize())),
                     Cell(field->GetDefaultValue()),
                     Flag(field->IsAllowNull()),
                     Flag(field->IsFrontField()),
                     Flag(field->IsForeignKey()),
                     Cell(field->GetForeignReference())};
        row.data = field->IsKeyOrDeletedFlag() || login ? 0 : 1;
        m_rows.push_back(std::move(row));
    }
}

void TableDesigner::FillFrontFieldCombo()
{
    m_frontFields.clear();
    std::vector<CString> names;
    if (m_table != nullptr)
    {
        for (Field* field : m_table->GetFields())
        {
            if (field->IsKeyOrDeletedFlag() || field->IsForeignKey())
                continue;
            m_frontFields.push_back(field);
            names.push_back(field->GetFieldName());
        }
    }
    m_states.SetItems(IDC_FRONT_FIELDS, std::move(names));
}

void TableDesigner::ShowFrontField()
{
    const Field* front = m_table != nullptr ? m_table->GetFrontField() : nullptr;
    m_states.SetText(IDC_FRONT_LABEL, front != nullptr ? front->GetFieldName()
                                                       : CString("Front field not assigned."));
    const bool login = IsLoginTable();
    m_states.Enable(IDC_ASSIGN_FRONT, front == nullptr && !login);
    m_states.Enable(IDC_REMOVE_FRONT, front != nullptr && !login);
}

bool TableDesigner::CheckField()
{
    CString name = m_states.GetText(IDC_FIELD_NAME);
    if (name.IsEmpty())
    {
        AfxMessageBox("Please enter field name.");
        return false;
    }
    name.Trim();
    m_states.SetText(IDC_FIELD_NAME, name);
    if (const CString refusal =
            RefuseLineBreaks({{"display name", m_states.GetText(IDC_DISPLAY_NAME)}});
        !refusal.IsEmpty())
    {
        AfxMessageBox(refusal);
        return false;
    }
    bool failed = false;
    if (HasBlanks(name))
    {
        AfxMessageBox("Gap(s) in field name. Please check.");
        failed = true;
    }
    if (HasSpecialCharacters(name))
    {
        AfxMessageBox("Special character in field name. Please check.");
        return false;
    }
    if (IsSqlKeyword(name))
    {
        AfxMessageBox("SQL keyword is used as field name. Please check");
        return false;
    }
    if (!failed && StartsWithDigit(name))
    {
        AfxMessageBox("Number(s) at the start of field name. Please check.");
        failed = true;
    }
    if (!failed)
    {
        // A field edited under its own name keeps it: the key and the soft-delete column do.
        const CString column = ImplicitColumnTakenBy(name, TypedTableName());
        const Field* edited = IsUpdateMode() ? SelectedField() : nullptr;
        if (!column.IsEmpty() &&
            (edited == nullptr || edited->GetFieldName().CompareNoCase(name) != 0))
        {
            RefuseImplicitColumn(column);
            failed = true;
        }
    }
    if (!failed && !IsUpdateMode() && m_table->FindFieldByName(name) != nullptr)
    {
        AfxMessageBox("Field with this name exists in the table.");
        failed = true;
    }
    if (!failed)
    {
        if (const Field* same = FindFieldOfSameIdentifier(
                *m_table, name, IsUpdateMode() ? SelectedField() : nullptr))
        {
            AfxMessageBox(SameIdentifierRefusal("Field", same->GetFieldName()));
            failed = true;
        }
    }
    if (failed)
        return false;
    if (m_table->GetKind() == Table::mapKind)
    {
        if (!m_states.IsChecked(IDC_FOREIGN_KEY))
        {
            AfxMessageBox("Foreign Key is not selected.");
            return false;
        }
        if (!IsUpdateMode() && m_table->CountForeignFields() >= 2)
        {
            AfxMessageBox("Only two foreign fields should be created in Map Table.");
            return false;
        }
    }
    return true;
}

void TableDesigner::AddOrUpdate(bool controlsRead)
{
    if (m_table == nullptr)
        return;
    if (!RefuseDefaultValue(m_states.GetText(IDC_DEFAULT_VALUE)).IsEmpty())
    {
        AfxMessageBox("Special characters not allowed in default value.");
        return;
    }
    if (!controlsRead)
    {
        const int type = m_states.GetSelection(IDC_TYPE);
        if (type == typeChar || type == typeVarchar)
            m_states.SetText(IDC_SIZE, Number(TypeTable()[type].defaultSize));
        return;
    }
    if (m_states.IsChecked(IDC_FOREIGN_KEY) && m_states.GetSelection(IDC_FOREIGN_TABLE) < 0)
    {
        AfxMessageBox("Select a foreign field table.");
        return;
    }
    if (!CheckField())
        return;
    if (IsUpdateMode())
    {
        if (Field* field = SelectedField())
            UpdateField(field);
    }
    else
        AddField();
    FillGrid();
    FillFrontFieldCombo();
    ClearFieldEditors();
    ShowFrontField();
}

void TableDesigner::StoreField(Field* field, bool keyFlag, bool keyColumnMark, bool frontFieldFlag)
{
    const int type = m_states.GetSelection(IDC_TYPE);
    // A foreign table chosen before the box was unchecked is not referenced.
    Field* foreign = m_states.IsChecked(IDC_FOREIGN_KEY) ? m_foreignField : nullptr;
    field->Set(m_states.GetText(IDC_FIELD_NAME), m_states.GetText(IDC_DISPLAY_NAME),
               type < 0 ? typeInt : type, std::atoi(m_states.GetText(IDC_SIZE)),
               std::atoi(m_states.GetText(IDC_PRECISION)), foreign,
               m_states.GetText(IDC_DEFAULT_VALUE), keyFlag, m_states.IsChecked(IDC_FOREIGN_KEY),
               m_states.IsChecked(IDC_ALLOW_NULL), keyColumnMark, frontFieldFlag);
    field->EnsureDisplayName();
}

void TableDesigner::AddField()
{
    Field* field = new Field();
    StoreField(field, /*keyFlag=*/false, /*keyColumnMark=*/false, /*frontFieldFlag=*/false);
    field->SetTable(m_table);
    m_table->AddField(field);
    m_host.UpdateFieldItemText(*m_table, *field);
    Module* module = CurrentModule();
    if (m_isNew || module == nullptr)
        return;
    module->AddVariablesForTableToPages(m_table);
    module->CreateFieldRepsForTableInPages(m_table);
    module->AddTableFieldsToClassFunctions(m_table);
    module->AddMissingFieldsToTableReport(m_table);
}

void TableDesigner::UpdateField(Field* field)
{
    Module* module = CurrentModule();
    if (!m_states.IsChecked(IDC_FOREIGN_KEY))
    {
        m_foreignField = nullptr;
        if (module != nullptr)
            module->RemoveSelectRecordForFunction(field, m_table);
    }
    // The key, key-column and front-field flags stay with the field.
    StoreField(field, field->IsKey(), field->IsKeyColumn(), field->IsFrontField());
    if (module != nullptr)
    {
        if (!m_isNew)
        {
            module->AddVariablesForTableToPages(m_table);
            module->CreateFieldRepsForTableInPages(m_table);
            module->AddDefaultClassFunctionsUpTo(m_table);
        }
        module->RefreshFieldRepOfField(m_table, field);
        module->AddTableFieldsToClassFunctions(m_table);
        module->AddMissingFieldsToTableReport(m_table);
    }
    m_host.UpdateFieldItemText(*m_table, *field);
}

void TableDesigner::DeleteField()
{
    Field* field = SelectedField();
    if (field == nullptr ||
        AfxMessageBox(NamedQuestion("Do you really want to delete field?", field->GetFieldName()),
                      MB_OKCANCEL) != IDOK)
        return;
    if (!m_project.DeleteField(field))
        return;
    FillGrid();
    ClearFieldEditors();
    FillFrontFieldCombo();
    ShowFrontField();
    m_host.RefreshTree();
    if (Module* module = CurrentModule())
        module->AddMissingFieldsToTableReport(m_table);
}

void TableDesigner::AssignFrontField()
{
    const int index = m_states.GetSelection(IDC_FRONT_FIELDS);
    if (m_table == nullptr || index < 0 || index >= static_cast<int>(m_frontFields.size()))
    {
        AfxMessageBox("Please select table field for assigning front field.");
        return;
    }
    Field* previous = m_table->GetFrontField();
    if (previous == nullptr)
        previous = m_table->GetDefaultFrontField();
    m_frontFields[index]->SetFrontField(true);
    m_project.UpdateFrontFieldReferences(m_table, previous);
    ShowFrontField();
    FillGrid();
}

void TableDesigner::RemoveFrontField()
{
    Field* front = m_table != nullptr ? m_table->GetFrontField() : nullptr;
    if (front == nullptr || AfxMessageBox(NamedQuestion("Do you really want to remove front field?",
                                                        front->GetFieldName()),
                                          MB_YESNO) != IDYES)
        return;
    m_project.UpdateFrontFieldReferences(m_table, front);
    front->SetFrontField(false);
    ShowFrontField();
    FillGrid();
}

void TableDesigner::ToggleGenerate()
{
    m_generate = !m_generate;
    m_states.SetCheck(IDC_GENERATE, m_generate);
    if (m_generate && !m_isNew && m_table != nullptr)
        Generate();
}

void TableDesigner::Generate()
{
    Module* module = CurrentModule();
    if (!m_generate || module == nullptr)
        return;
    const CString name = m_table->GetTableName();
    switch (m_table->GetKind())
    {
    case Table::masterKind:
    {
        TableFormCreator creator(m_table, &m_project);
        if (module->FindFormOfTable(m_table) == nullptr)
            creator.CreateForm();
        if (module->FindReportByName(name + " Report") == nullptr)
            creator.CreateReport();
        if (module->FindRDLCReportByName(name + "_rdlc") == nullptr)
            creator.CreateRDLCReport();
        break;
    }
    case Table::mapKind:
    {
        TableFormCreator creator(m_table, &m_project);
        if (module->FindFormOfTable(m_table) == nullptr)
            creator.CreateMapForm();
        if (module->FindReportByName(name + " Report") == nullptr)
            creator.CreateMapReport();
        break;
    }
    default:
    {
        TransactionDataCreator creator(m_table, &m_project);
        if (m_table->IsDetailTable() || !creator.CheckBasicTable())
            break;
        creator.CreateDetailTable();
        if (module->FindTransactionByName(TransactionNameOf(m_table->GetTableName())) == nullptr)
            creator.CreateTransaction();
        creator.AddClassFunctions();
        if (module->FindReportByName(m_table->GetTableName() + " Report") == nullptr)
            creator.CreateReport();
        if (module->FindRDLCReportByName(m_table->GetTableName() + "_rdlc") == nullptr)
            creator.CreateRDLCReport();
        break;
    }
    }
    m_generate = false;
    m_host.RefreshTree();
    m_states.SetCheck(IDC_GENERATE, false);
    m_states.Enable(IDC_GENERATE, false);
}

bool TableDesigner::TakeTypedField()
{
    const Field* field = IsUpdateMode() ? SelectedField() : nullptr;
    // Every box of the panel still shows what the selected field holds; nothing is typed into
    // the empty one.
    if (field != nullptr ? m_states.ShownIn(PanelBoxes()) == m_loadedPanel
                         : !IsTextTypedInEmptyPanel())
        return true;
    CString name = m_states.GetText(IDC_FIELD_NAME);
    name.Trim();
    const int answer = AskAboutEditedItem("field", name, /*isNew=*/field == nullptr);
    if (answer == IDCANCEL)
        return false;
    if (answer == IDYES)
    {
        AddOrUpdate(/*controlsRead=*/true);
        // The panel is emptied once the field is taken.
        return SelectedField() == nullptr && !IsTextTypedInEmptyPanel();
    }
    // Dropped: the panel shows the selected field again, or an empty one.
    if (SelectedField() != nullptr)
        ShowField(m_selectedRow);
    else
        ClearFieldEditors();
    return true;
}

void TableDesigner::Ok(bool controlsRead)
{
    if (m_table == nullptr || !controlsRead || !TakeTypedField())
        return;
    if (m_isNew)
        StoreNew();
    else if (ApplyName())
    {
        NoteLoaded();
        m_host.ShowStartPage();
    }
}

void TableDesigner::StoreNew()
{
    if (!ApplyName() || m_table->GetFieldCount() == 0)
        return;
    m_table->SetKind(m_states.GetSelection(IDC_KIND) < 0 ? Table::masterKind
                                                         : m_states.GetSelection(IDC_KIND));
    CString name = m_table->GetTableName();
    name.Trim();
    if (CheckNewTableName(name))
        StoreNewTable();
}

bool TableDesigner::ApplyName()
{
    CString name = m_states.GetText(IDC_TABLE_NAME);
    if (name.IsEmpty())
    {
        AfxMessageBox("Please enter valid table name.");
        return false;
    }
    const CString oldName = m_table->GetTableName();
    if (IsNameTaken(name))
    {
        AfxMessageBox("A Table with this name already exists.");
        // A new table keeps what was typed; a stored one shows its name again.
        if (!m_isNew)
            m_states.SetText(IDC_TABLE_NAME, oldName);
        return false;
    }
    if (!KeepsTableRole(name))
        return false;
    // A field of the key's name would become the key.
    for (const Field* field : m_table->GetFields())
    {
        if (!field->IsKey() && field->GetFieldName().CompareNoCase(name + "_id") == 0)
        {
            RefuseImplicitColumn(name + "_id");
            return false;
        }
    }
    const bool failed = !CheckTableName(name);
    m_table->SetTableName(name);
    if (!m_isNew && name.CompareNoCase(oldName) != 0)
    {
        m_table->RenameKeyField();
        FillGrid();
        FillFrontFieldCombo();
        m_project.UpdatePagesForTable(m_table);
    }
    if (name != oldName && name.CompareNoCase(oldName) == 0)
    {
        CString message;
        message.Format("If %s file has already been generated,\nthen please change the class name "
                       "from _%s to _%s in that file before next 'Write All'.",
                       (oldName + "_partial.cs").GetString(), oldName.GetString(),
                       name.GetString());
        AfxMessageBox(message);
    }
    m_states.SetText(IDC_TABLE_NAME, name);
    // A new table has no tree item and no pages yet.
    if (!m_isNew)
    {
        m_host.UpdateTableItemNames(*m_table);
        RenamePages(oldName, name);
    }
    return !failed;
}

CString TableDesigner::TypedTableName() const
{
    CString name = m_states.GetText(IDC_TABLE_NAME);
    name.Trim();
    if (name.IsEmpty() || name.CompareNoCase(m_table->GetTableName()) == 0)
        return m_table->GetTableName();
    // A new name is stored in lower case.
    name.MakeLower();
    return name;
}

bool TableDesigner::IsNameTaken(CString& name) const
{
    bool taken = false;
    if (name.CompareNoCase(m_table->GetTableName()) != 0)
    {
        name.MakeLower();
        taken = m_project.FindTableByName(name) != nullptr;
    }
    return taken || m_project.IsTransactionNameUsed(name);
}

bool TableDesigner::KeepsTableRole(const CString& name)
{
    if (m_isNew || m_table->GetKind() != Table::masterDetailKind)
        return true;
    const bool detail = NamesDetailTable(m_table->GetTableName());
    if (NamesDetailTable(name) == detail)
        return true;
    AfxMessageBox(detail ? "A detail table's name must contain _detail. Please check."
                         : "Only a detail table's name may contain _detail. Please check.");
    m_states.SetText(IDC_TABLE_NAME, m_table->GetTableName());
    return false;
}

bool TableDesigner::CheckTableName(CString& name) const
{
    const TableNameFaults faults = FindTableNameFaults(name);
    bool failed = false;
    if (faults.specialCharacters)
    {
        AfxMessageBox("Special charater in table name.Please check.");
        failed = true;
    }
    if (faults.sqlKeyword)
    {
        AfxMessageBox("SQL Keyword used as table name.Please check.");
        failed = true;
    }
    // A stored table's new name follows what a new table's does; a new table's is checked
    // when it is stored.
    if (!failed && !m_isNew && name.CompareNoCase(m_table->GetTableName()) != 0)
        failed = !CheckNewNameForm(name, faults);
    if (!failed && !m_isNew)
    {
        if (const Table* same = FindTableOfSameIdentifier(m_project, name, m_table))
        {
            AfxMessageBox(SameIdentifierRefusal("Table", same->GetTableName()));
            failed = true;
        }
    }
    if (failed && !m_isNew && !m_table->GetTableName().IsEmpty())
        name = m_table->GetTableName();
    return !failed;
}

void TableDesigner::RenamePages(const CString& oldName, const CString& name)
{
    Module* module = CurrentModule();
    if (module == nullptr)
        return;
    const auto rename = [this](FormInterface* page, const CString& pageName)
    {
        if (page == nullptr)
            return;
        page->SetName(pageName);
        m_host.UpdateFormItemText(*page);
    };
    switch (m_table->GetKind())
    {
    case Table::masterKind:
        rename(module->FindMasterFormForTable(m_table), name + "_form");
        rename(module->FindReportByName(oldName + " Report"), name + " Report");
        rename(module->FindRDLCReportByName(oldName + "_rdlc"), name + "_rdlc");
        break;
    case Table::masterDetailKind:
    {
        Transaction* transaction = module->FindTransactionByTableOrName(m_table, "");
        if (transaction == nullptr || transaction->GetBasicTable() != m_table)
            break;
        rename(transaction, name + "_form");
        rename(module->FindReportByName(oldName + " Report"), name + " Report");
        rename(module->FindRDLCReportByName(oldName + "_rdlc"), name + "_rdlc");
        break;
    }
    default:
        break;
    }
    if (Class* dataClass = module->GetClassForTable(m_table, /*create=*/false))
        dataClass->SetName("_" + name);
}

bool TableDesigner::CheckNewTableName(const CString& name)
{
    const TableNameFaults faults = FindTableNameFaults(name);
    bool failed = false;
    if (faults.blanks)
    {
        AfxMessageBox("Gap(s) in Table name. Please verify.");
        failed = true;
    }
    else if (m_project.FindTableByName(name) != nullptr)
    {
        AfxMessageBox("A table with this name already exists.");
        failed = true;
    }
    else if (const Table* same = FindTableOfSameIdentifier(m_project, name, m_table))
    {
        AfxMessageBox(SameIdentifierRefusal("Table", same->GetTableName()));
        failed = true;
    }
    else if (faults.specialCharacters)
    {
        AfxMessageBox("Special charater in table name. Please check.");
        return false;
    }
    if (faults.sqlKeyword)
    {
        AfxMessageBox("SQL Keyword used as table name. Please check.");
        return false;
    }
    return !failed && CheckNewNameForm(name, faults);
}

bool TableDesigner::CheckNewNameForm(const CString& name, const TableNameFaults& faults) const
{
    const char* refusal = faults.blanks ? "Gap(s) in Table name. Please verify."
                          : faults.digitFirst
                              ? "Number(s) at the start of Table Name. Please check."
                              : nullptr;
    if (refusal != nullptr)
        AfxMessageBox(refusal);
    else if (IsReservedDeviceName(name))
        AfxMessageBox(DeviceNameRefusal(name));
    else if (const CString pages = RefuseTablePageNames(name); !pages.IsEmpty())
        AfxMessageBox(pages);
    else
        return true;
    return false;
}

void TableDesigner::StoreNewTable()
{
    Module* module = CurrentModule();
    if (module == nullptr)
        return;
    CString name = m_table->GetTableName();
    name.Trim();
    if (m_table->GetKind() == Table::masterDetailKind && !ContainsBasicPart(name))
        name += "_basic";
    m_table->SetTableName(name);
    m_table->EnsureDefaultFields();
    module->AddTable(m_table);
    m_isNew = false;
    Generate();
    m_host.RefreshTree();
    m_states.Enable(IDC_OK, true);
    ++m_counter;
    m_rows.clear();
    ++m_rowsRevision;
    m_table = nullptr;
    ClearFieldEditors();
    m_states.Select(IDC_KIND, Table::masterKind);
    m_states.SetText(IDC_TABLE_NAME, "Table" + Number(m_counter));
    LoadTable(nullptr, Table::masterKind);
}

void TableDesigner::Cancel()
{
    // What Cancel leaves is not asked about.
    NoteLoaded();
    m_host.ShowStartPage();
}
