#include "editors/logic/FunctionOutputFields.h"

#include "editors/logic/ListLookup.h"
#include "entities/Class.h"
#include "entities/Function.h"
#include "entities/ProcedureFieldInfo.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/NamedQuestion.h"
#include "model/SitePageNames.h"
#include "model/Table.h"
#include "model/TypedText.h"
#include "platform/core/MessageBox.h"

namespace
{
const std::vector<CString>& AliasTypes()
{
    static const std::vector<CString> types{"int",     "float",    "decimal", "char",
                                            "varchar", "dateTime", "text"};
    return types;
}
} // namespace

FunctionOutputFields::FunctionOutputFields(ForgeonProject& project, Function& function)
    : m_project(project), m_function(function)
{
}

FunctionOutputFields::~FunctionOutputFields() = default;

const std::vector<ListColumn>& FunctionOutputFields::OutputColumns()
{
    static const std::vector<ListColumn> columns{{"Field", 32}, {"Alias field data type", 32}};
    return columns;
}

void FunctionOutputFields::Open()
{
    m_states.SetItems(IDC_ALIAS_TYPE, AliasTypes());
    m_states.Select(IDC_ALIAS_TYPE, 0);
    m_tables.clear();
    if (Table* own = m_function.GetClass() != nullptr ? m_function.GetClass()->GetTable()
                                                      : m_function.GetTable())
        m_tables.push_back(own);
    m_tables.insert(m_tables.end(), m_function.GetUsedTables().begin(),
                    m_function.GetUsedTables().end());
    std::vector<CString> names;
    for (const Table* table : m_tables)
        names.push_back(table->GetTableName());
    m_states.SetItems(IDC_TABLE, names);
    FillOutput();
    Clear();
}

void FunctionOutputFields::ChooseTable(int index)
{
    m_states.Select(IDC_TABLE, index);
    std::vector<CString> names;
    if (const Table* table = ChosenTable())
        for (const Field* field : table->GetFields())
            names.push_back(field->GetFieldName());
    m_states.SetItems(IDC_FIELD, names);
}

void FunctionOutputFields::ChooseField(int index)
{
    m_states.Select(IDC_FIELD, index);
    const Table* table = ChosenTable();
    if (table == nullptr || index < 0 || index >= static_cast<int>(table->GetFields().size()))
        return;
    Prepare(new ProcedureFieldInfo(table->GetFields()[index], ProcedureFieldInfo::noAggregate),
            false);
}

void FunctionOutputFields::Add()
{
    if (m_states.GetText(IDC_ADD) != "Add" || m_prepared == nullptr ||
        m_prepared->GetField() == nullptr)
        return;
    if (m_function.HasOutputFieldEntry(m_prepared->GetField(), m_prepared->GetAggregate()))
        AfxMessageBox("Field info exists.");
    else
    {
        m_function.AddOutputField(m_unstored != nullptr ? m_unstored.release() : m_prepared);
        m_prepared = nullptr;
        m_states.Select(IDC_FIELD, -1);
    }
    m_states.SetText(IDC_ADD, "Add");
    FillOutput();
}

void FunctionOutputFields::AddAll()
{
    const Table* table = ChosenTable();
    if (table == nullptr)
    {
        AfxMessageBox("Please select a table.");
        return;
    }
    for (Field* field : table->GetFields())
        if (field->GetFieldName().Find("Is_Deleted") < 0 && !m_function.HasOutputField(field))
            m_function.AddOutputField(
                new ProcedureFieldInfo(field, ProcedureFieldInfo::noAggregate));
    FillOutput();
}

void FunctionOutputFields::ToggleAliasMode()
{
    m_aliasMode = !m_aliasMode;
    m_states.SetCheck(IDC_ALIAS_MODE, m_aliasMode);
    EnableForMode();
}

void FunctionOutputFields::AddOrUpdateAlias()
{
    const CString name = m_states.GetText(IDC_ALIAS_NAME);
    const int type = m_states.GetSelection(IDC_ALIAS_TYPE);
    if (name.IsEmpty() || type < 0)
        return;
    if (const CString refusal = RefuseControlCharacters(name); !refusal.IsEmpty())
    {
        AfxMessageBox(refusal);
        return;
    }
    if (m_states.GetText(IDC_ALIAS_ADD) == "Update")
    {
        const ProcedureFieldInfo* selected = m_function.GetProcedureFieldInfoAt(m_selectedRow);
        if (selected != nullptr && m_function.ContainsAliasField(selected->GetField()))
        {
            Field* field = selected->GetField();
            field->SetFieldName(name);
            field->SetType(type);
            field->SetDisplayName("");
            field->EnsureDisplayName();
        }
    }
    else if (m_function.FindAliasFieldByName(name) != nullptr)
    {
        AfxMessageBox("Field with this name exists.");
        return;
    }
    else
    {
        auto* field = new Field;
        field->SetFieldName(name);
        field->SetType(type);
        field->EnsureDisplayName();
        m_function.AddAliasField(field);
        m_function.AddOutputField(new ProcedureFieldInfo(field, ProcedureFieldInfo::noAggregate));
    }
    m_states.SetText(IDC_ALIAS_ADD, "Add");
    FillOutput();
    m_states.SetText(IDC_ALIAS_NAME, "");
    m_states.Select(IDC_ALIAS_TYPE, 0);
}

void FunctionOutputFields::DoubleClickRow(int row)
{
    ProcedureFieldInfo* column = m_function.GetProcedureFieldInfoAt(row);
    if (column == nullptr)
        return;
    m_selectedRow = row;
    Prepare(column, true);
    Field* field = column->GetField();
    m_aliasMode = field != nullptr && m_function.ContainsAliasField(field);
    m_states.SetCheck(IDC_ALIAS_MODE, m_aliasMode);
    if (m_aliasMode)
    {
        m_states.SetText(IDC_ALIAS_NAME, field->GetFieldName());
        m_states.Select(IDC_ALIAS_TYPE, field->GetTypeCode());
        m_states.SetText(IDC_ALIAS_ADD, "Update");
    }
    else
    {
        m_states.SetText(IDC_ALIAS_NAME, "");
        m_states.Select(IDC_ALIAS_TYPE, 0);
    }
    EnableForMode();
    m_states.Enable(IDC_DELETE, true);
}

void FunctionOutputFields::Delete()
{
    ProcedureFieldInfo* column = m_function.GetProcedureFieldInfoAt(m_selectedRow);
    if (column == nullptr)
        return;
    if (AfxMessageBox(NamedQuestion("Do you want to delete output field?",
                                    CellOf(m_outputRows, m_selectedRow, 0)),
                      MB_OKCANCEL) == IDOK &&
        m_project.CanRemoveFunctionField(&m_function, column->GetField(), true))
    {
        if (m_prepared == column)
            m_prepared = nullptr;
        Module::RemoveFunctionOutputColumn(m_project.GetModules(), &m_function, column);
        FillOutput();
    }
    Clear();
}

bool FunctionOutputFields::Close()
{
    const CString name = m_states.GetText(IDC_ALIAS_NAME);
    const bool update = m_states.GetText(IDC_ALIAS_ADD) == "Update";
    const ProcedureFieldInfo* selected = m_function.GetProcedureFieldInfoAt(m_selectedRow);
    if (!m_aliasMode || (update && selected != nullptr && selected->GetField() != nullptr &&
                         selected->GetField()->GetFieldName() == name))
        return true;
    return TakeOrDropTypedText("alias field", name, update,
                               [this]
                               {
                                   AddOrUpdateAlias();
                                   return m_states.GetText(IDC_ALIAS_NAME).IsEmpty();
                               });
}

void FunctionOutputFields::Clear()
{
    m_states.SetText(IDC_ADD, "Add");
    m_states.SetText(IDC_ALIAS_ADD, "Add");
    m_states.SetText(IDC_ALIAS_NAME, "");
    m_selectedRow = -1;
    EnableForMode();
    m_states.Enable(IDC_DELETE, false);
}

Table* FunctionOutputFields::ChosenTable() const
{
    return ItemAt(m_tables, m_states.GetSelection(IDC_TABLE));
}

void FunctionOutputFields::Prepare(ProcedureFieldInfo* column, bool stored)
{
    m_unstored.reset(stored ? nullptr : column);
    m_prepared = column;
}

void FunctionOutputFields::FillOutput()
{
    m_outputRows.clear();
    for (const ProcedureFieldInfo* column : m_function.GetOutputFields())
    {
        const Field* field = column->GetField();
        const bool alias = field != nullptr && m_function.ContainsAliasField(field);
        m_outputRows.push_back(ListRow{{field != nullptr ? field->GetFieldName() : CString(),
                                        alias ? field->GetTypeName() : CString()}});
    }
}

void FunctionOutputFields::EnableForMode()
{
    for (int id : {IDC_ALIAS_NAME, IDC_ALIAS_TYPE, IDC_ALIAS_ADD})
        m_states.Enable(id, m_aliasMode);
    for (int id : {IDC_TABLE, IDC_FIELD, IDC_ADD, IDC_ADD_ALL})
        m_states.Enable(id, !m_aliasMode && m_selectedRow < 0);
}
