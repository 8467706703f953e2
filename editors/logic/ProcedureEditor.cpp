#include "editors/logic/ProcedureEditor.h"

#include "database/SqlProcedureWriter.h"
#include "editors/logic/EditorHost.h"
#include "editors/logic/ModuleCombo.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/NameUtilities.h"
#include "model/SitePageNames.h"
#include "model/Table.h"
#include "model/TypedText.h"
#include "platform/core/MessageBox.h"

#include <algorithm>

namespace
{
constexpr const char* mainTableCaption = "MainTable : ";
constexpr const char* addParameterCaption = "Add Parameter";

CString RowNumber(std::size_t index)
{
    CString number;
    number.Format("%d", static_cast<int>(index + 1));
    return number;
}

bool IsValidRow(int row, std::size_t count)
{
    return row >= 0 && static_cast<std::size_t>(row) < count;
}
} // namespace

ProcedureEditor::ProcedureEditor(ForgeonProject& project, EditorHost& host)
    : PaneEditor(m_states), m_project(project), m_host(host)
{
}

ProcedureEditor::~ProcedureEditor()
{
    if (m_isNew)
        delete m_procedure;
}

const std::vector<ListColumn>& ProcedureEditor::DetailColumns()
{
    static const std::vector<ListColumn> columns{{"Sr No", 14}, {"Detail Table Name", 50}};
    return columns;
}

const std::vector<ListColumn>& ProcedureEditor::ParameterColumns()
{
    static const std::vector<ListColumn> columns{{"Parameter Name", 32}, {"Field Name", 32}};
    return columns;
}

const std::vector<ListColumn>& ProcedureEditor::OutputColumns()
{
    static const std::vector<ListColumn> columns{{"Sr No", 9}, {"Field Name", 55}};
    return columns;
}

void ProcedureEditor::LoadProcedure(Procedure* procedure)
{
    // A new procedure never stored gives way to the one loaded.
    if (m_isNew && procedure != m_procedure)
        delete m_procedure;
    m_procedure = procedure;
    m_module = FillModuleCombo(m_states, IDC_MODULE, m_project);
    FillTableCombos();
    m_states.SetText(IDC_MAIN_TABLE_LABEL, mainTableCaption);
    if (procedure != nullptr)
    {
        m_states.SetText(IDC_NAME, procedure->GetName());
        m_variation = !procedure->GetVariationVariables().empty();
        RefreshOutputRows();
        RefreshDetailRows();
        RefreshMainTableLabel();
        RefreshParameterRows();
        RefreshVariationRows();
        // A text edited by hand and accepted is shown as it was kept.
        if (procedure->GetTextFlag() && !procedure->GetProcedureText().IsEmpty())
            m_states.SetText(IDC_TEXT, procedure->GetProcedureText());
        else
            WriteText();
        m_isNew = false;
    }
    else
    {
        m_procedure = new Procedure;
        m_isNew = true;
    }
    FillParameterTables();
    EnableVariationControls();
    m_states.SetCheck(IDC_WRITE_PROCEDURE, m_procedure->GetWriteFlag());
    m_states.SetText(IDC_ADD_PARAMETER, addParameterCaption);
    NoteLoaded();
}

CString ProcedureEditor::ItemName() const
{
    CString typed = m_states.GetText(IDC_NAME);
    typed.Trim();
    return m_isNew ? typed : m_procedure->GetName();
}

std::vector<CString> ProcedureEditor::NewItemContent() const
{
    std::vector<CString> content = {m_states.GetText(IDC_MAIN_TABLE_LABEL)};
    for (const std::vector<ListRow>* rows :
         {&m_outputRows, &m_detailRows, &m_parameterRows, &m_variationRows})
        AddRows(content, *rows);
    return content;
}

void ProcedureEditor::ClearPage()
{
    if (m_isNew)
        delete m_procedure;
    m_procedure = nullptr;
    m_module = nullptr;
    m_isNew = false;
    m_variation = false;
    m_selectedParameter = -1;
    m_moduleTables.clear();
    m_parameterTables.clear();
    for (int id : {IDC_NAME, IDC_TEXT, IDC_PARAMETER_NAME})
        m_states.SetText(id, "");
    for (int id :
         {IDC_MODULE, IDC_MAIN_TABLE, IDC_DETAIL_TABLE, IDC_PARAMETER_TABLE, IDC_PARAMETER_FIELD})
        m_states.SetItems(id, {});
    m_outputRows.clear();
    m_detailRows.clear();
    m_parameterRows.clear();
    m_variationRows.clear();
    m_states.SetCheck(IDC_ALLOW_VARIATION, false);
    m_states.SetCheck(IDC_WRITE_PROCEDURE, false);
    NoteLoaded();
}

void ProcedureEditor::ForgetProcedure(Procedure* procedure)
{
    m_isNew = false;
    m_procedure = procedure;
    Cancel();
}

void ProcedureEditor::FillTableCombos()
{
    m_moduleTables.clear();
    if (m_module != nullptr)
    {
        for (const auto* list : {&m_module->GetMasterTables(), &m_module->GetTransactionTables(),
                                 &m_module->GetMapTables()})
            m_moduleTables.insert(m_moduleTables.end(), list->begin(), list->end());
    }
    std::vector<CString> names;
    for (const Table* table : m_moduleTables)
        names.push_back(table->GetTableName());
    m_states.SetItems(IDC_MAIN_TABLE, names);
    m_states.SetItems(IDC_DETAIL_TABLE, names);
}

void ProcedureEditor::FillParameterTables()
{
    m_parameterTables.clear();
    if (m_procedure->GetMainTable() != nullptr)
        m_parameterTables.push_back(m_procedure->GetMainTable());
    const std::vector<Table*>& tables = m_procedure->GetTables();
    m_parameterTables.insert(m_parameterTables.end(), tables.begin(), tables.end());
    std::vector<CString> names;
    for (const Table* table : m_parameterTables)
        names.push_back(table->GetTableName());
    m_states.SetItems(IDC_PARAMETER_TABLE, names);
    m_states.SetItems(IDC_PARAMETER_FIELD, {});
}

void ProcedureEditor::RefreshMainTableLabel()
{
    CString caption = mainTableCaption;
    if (m_procedure != nullptr && m_procedure->GetMainTable() != nullptr)
        caption += m_procedure->GetMainTable()->GetTableName();
    m_states.SetText(IDC_MAIN_TABLE_LABEL, caption);
}

void ProcedureEditor::RefreshOutputRows()
{
    m_outputRows.clear();
    for (const ProcedureFieldInfo* column : m_procedure->GetOutputColumns())
    {
        CString name;
        column->GetDisplayName(name);
        const Field* field = column->GetField();
        if (field != nullptr && field->GetTable() != nullptr)
            name = field->GetTable()->GetTableName() + "." + name;
        m_outputRows.push_back({{RowNumber(m_outputRows.size()), name}});
    }
}

void ProcedureEditor::RefreshDetailRows()
{
    m_detailRows.clear();
    for (const Table* table : m_procedure->GetTables())
        m_detailRows.push_back({{RowNumber(m_detailRows.size()), table->GetTableName()}});
}

void ProcedureEditor::RefreshParameterRows()
{
    m_parameterRows.clear();
    for (const FieldVariableMap& parameter : m_procedure->GetFieldParameters())
    {
        m_parameterRows.push_back(
            {{parameter.variable != nullptr ? parameter.variable->GetFieldName() : CString(),
              parameter.field != nullptr ? parameter.field->GetFieldName() : CString()}});
    }
}

void ProcedureEditor::RefreshVariationRows()
{
    m_variationRows.clear();
    for (const Variable* variable : m_procedure->GetVariationVariables())
        m_variationRows.push_back({{variable->GetFieldName()}});
}

void ProcedureEditor::EnableVariationControls()
{
    for (int id : {IDC_SELECT_VARIATION, IDC_VARIATION_LIST, IDC_CREATE_DERIVED})
        m_states.Enable(id, m_variation);
    m_states.SetCheck(IDC_ALLOW_VARIATION, m_variation);
}

void ProcedureEditor::WriteText()
{
    SqlProcedureWriter writer(m_project);
    writer.WriteGeneratedProcedure(*m_procedure);
    const CString text = writer.GetProcedureText();
    m_states.SetText(IDC_TEXT, text);
    m_procedure->SetProcedureText(text);
    m_procedure->SetTextFlag(false);
    NoteStored(IDC_TEXT);
}

void ProcedureEditor::RefreshText()
{
    if ((m_procedure->GetTextFlag() || BoxChanged(IDC_TEXT)) &&
        AfxMessageBox("The procedure text was edited by hand. Replace it with the text made from "
                      "the procedure?",
                      MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    WriteText();
}

void ProcedureEditor::ChooseModule(int index)
{
    if (!IsValidRow(index, m_project.GetModules().size()))
        return;
    m_states.Select(IDC_MODULE, index);
    m_module = m_project.GetModules()[index];
    FillTableCombos();
    RefreshMainTableLabel();
}

void ProcedureEditor::AddMainTable()
{
    const int index = m_states.GetSelection(IDC_MAIN_TABLE);
    if (m_procedure == nullptr || !IsValidRow(index, m_moduleTables.size()))
        return;
    Table* table = m_moduleTables[index];
    Table* old = m_procedure->GetMainTable();
    if (table == old)
        return;
    if (old != nullptr && !m_procedure->CanRemoveTable(old))
    {
        const auto found = std::find(m_moduleTables.begin(), m_moduleTables.end(), old);
        m_states.Select(IDC_MAIN_TABLE, found == m_moduleTables.end()
                                            ? -1
                                            : static_cast<int>(found - m_moduleTables.begin()));
    }
    else
    {
        m_procedure->SetMainTable(table);
        FillParameterTables();
        RefreshText();
    }
    RefreshMainTableLabel();
}

void ProcedureEditor::AddDetailTable()
{
    const int index = m_states.GetSelection(IDC_DETAIL_TABLE);
    if (m_procedure == nullptr || !IsValidRow(index, m_moduleTables.size()))
        return;
    m_procedure->AddTable(m_moduleTables[index]);
    RefreshDetailRows();
    FillParameterTables();
    RefreshText();
}

void ProcedureEditor::DeleteDetailRow(int row)
{
    if (m_procedure == nullptr || !IsValidRow(row, m_procedure->GetTables().size()))
        return;
    if (m_procedure->CanRemoveTable(m_procedure->GetTables()[row]))
    {
        m_procedure->RemoveTableAt(row);
        RefreshDetailRows();
        FillParameterTables();
        RefreshText();
    }
}

void ProcedureEditor::ChooseParameterTable(int index)
{
    if (!IsValidRow(index, m_parameterTables.size()))
        return;
    m_states.Select(IDC_PARAMETER_TABLE, index);
    std::vector<CString> names;
    for (const Field* field : m_parameterTables[index]->GetFields())
        names.push_back(field->GetFieldName());
    m_states.SetItems(IDC_PARAMETER_FIELD, names);
}

void ProcedureEditor::ResetParameterInput()
{
    m_selectedParameter = -1;
    m_states.SetText(IDC_ADD_PARAMETER, addParameterCaption);
    m_states.SetText(IDC_PARAMETER_NAME, "");
    m_states.Select(IDC_PARAMETER_TABLE, -1);
    m_states.Select(IDC_PARAMETER_FIELD, -1);
}

void ProcedureEditor::AddOrUpdateParameter()
{
    if (m_procedure == nullptr)
        return;
    if (m_procedure->GetMainTable() == nullptr)
    {
        AfxMessageBox("Please Enter the Main Table.");
        return;
    }
    CString name = m_states.GetText(IDC_PARAMETER_NAME);
    if (name.IsEmpty())
    {
        AfxMessageBox("Please Enter the Parameter Name.");
        return;
    }
    name.Trim();
    const bool add = m_states.GetText(IDC_ADD_PARAMETER) == addParameterCaption;
    const CString stored = add ? "PRC_" + name + "_Var" : name;
    const char* refusal = nullptr;
    if (HasBlanks(name))
        refusal = "Gap(s) in Parameter name. Please verify.";
    else if (HasSpecialCharacters(name))
        refusal = "Special character in Parameter name. Please verify.";
    else if (IsSqlKeyword(stored))
        refusal = "SQL keyword used as Parameter name. Please verify.";
    if (refusal != nullptr)
    {
        AfxMessageBox(refusal);
        return;
    }
    if (const CString other = NameRefusal(name, RefuseVariableName(stored)); !other.IsEmpty())
    {
        AfxMessageBox(other);
        return;
    }
    Field* field = nullptr;
    const int table = m_states.GetSelection(IDC_PARAMETER_TABLE);
    const int fieldIndex = m_states.GetSelection(IDC_PARAMETER_FIELD);
    if (IsValidRow(table, m_parameterTables.size()) &&
        IsValidRow(fieldIndex, m_parameterTables[table]->GetFields().size()))
        field = m_parameterTables[table]->GetFields()[fieldIndex];
    if (add)
    {
        auto* variable = new Variable;
        variable->SetName(stored);
        variable->SetKind(Variable::pageKind);
        m_procedure->AddFieldParameterPair(field, variable);
    }
    else if (IsValidRow(m_selectedParameter, m_procedure->GetFieldParameters().size()))
    {
        m_procedure->GetFieldParameterVariableAt(m_selectedParameter)->SetName(stored);
        if (field != nullptr)
            m_procedure->SetFieldParameterFieldAt(m_selectedParameter, field);
    }
    RefreshParameterRows();
    RefreshText();
    ResetParameterInput();
}

void ProcedureEditor::ClickParameterRow(int row)
{
    if (m_procedure != nullptr && IsValidRow(row, m_procedure->GetFieldParameters().size()))
    {
        m_selectedParameter = row;
        m_states.SetText(IDC_PARAMETER_NAME,
                         m_procedure->GetFieldParameterVariableAt(row)->GetFieldName());
        m_states.SetText(IDC_ADD_PARAMETER, "Update");
    }
    else
    {
        m_selectedParameter = -1;
        m_states.SetText(IDC_PARAMETER_NAME, "");
        m_states.SetText(IDC_ADD_PARAMETER, addParameterCaption);
    }
}

void ProcedureEditor::DeleteParameterRow(int row)
{
    if (m_procedure == nullptr || !IsValidRow(row, m_procedure->GetFieldParameters().size()))
        return;
    FieldVariableMap parameter;
    m_procedure->GetFieldParameterAt(parameter, row);
    if (m_procedure->HasFilterOnVariable(parameter.variable))
        AfxMessageBox("Can not delete Parameter. Used in field filter.");
    else if (m_project.CanRemoveProcedureField(m_procedure, parameter.field))
    {
        // The variation list refers to the variable, and the procedure owns it.
        m_procedure->RemoveVariable(parameter.variable);
        m_procedure->RemoveFieldParameterAt(row);
        if (parameter.variable != nullptr && parameter.variable->GetKind() != Variable::sharedKind)
            delete parameter.variable;
        RefreshParameterRows();
        RefreshVariationRows();
        RefreshText();
        ResetParameterInput();
    }
    m_selectedParameter = -1;
}

bool ProcedureEditor::CheckProcedureName(const CString& name)
{
    const char* refusal = nullptr;
    if (HasBlanks(name))
        refusal = "Gap(s) in Procedure name. Please verify.";
    else if (HasSpecialCharacters(name))
        refusal = "Special character in Procedure name. Please verify.";
    else if (IsSqlKeyword(name))
        refusal = "SQL keyword used as Procedure name. Please verify.";
    else if (StartsWithDigit(name))
        refusal = "Number(s) at the start of Procedure name. Please verify.";
    const CString message =
        refusal != nullptr ? CString(refusal) : NameRefusal(name, RefuseProcedureName(name));
    if (message.IsEmpty())
        return true;
    AfxMessageBox(message);
    m_states.SetText(IDC_NAME, m_procedure->GetName());
    return false;
}

void ProcedureEditor::NameLostFocus()
{
    if (m_procedure == nullptr)
        return;
    const CString current = m_procedure->GetName();
    CString name = m_states.GetText(IDC_NAME);
    name.Trim();
    m_states.SetText(IDC_NAME, name);
    if (!CheckProcedureName(name))
        return;
    if (name == current)
        return;
    if (name.CompareNoCase(current) == 0 || !m_project.IsProcedureNameUsed(name))
    {
        m_procedure->SetName(name);
        RefreshText();
        if (!m_isNew)
            NoteStored(IDC_NAME);
    }
    else
    {
        AfxMessageBox("A Procedure with this name already exists.");
        name = current;
        m_states.SetText(IDC_NAME, name);
    }
    m_host.UpdateProcedureItemText(*m_procedure);
}

void ProcedureEditor::AddFieldInfo()
{
    if (m_procedure == nullptr || m_procedure->GetMainTable() == nullptr)
        return;
    RefreshOutputRows();
    RefreshText();
}

void ProcedureEditor::EditRelations()
{
    if (m_procedure == nullptr)
        return;
    m_host.EditRelations(*m_procedure);
    RefreshText();
}

void ProcedureEditor::ToggleWriteFlag()
{
    if (m_procedure == nullptr)
        return;
    m_procedure->SetWriteFlag(!m_procedure->GetWriteFlag());
    m_states.SetCheck(IDC_WRITE_PROCEDURE, m_procedure->GetWriteFlag());
}

void ProcedureEditor::ToggleVariation()
{
    if (m_procedure == nullptr)
        return;
    if (!m_variation)
    {
        for (const FieldVariableMap& parameter : m_procedure->GetFieldParameters())
        {
            if (!m_procedure->HasVariable(parameter.variable))
                m_procedure->AddVariationVariable(parameter.variable);
        }
    }
    else if (m_host.ConfirmWarning("Do you really want to remove all variating parameters?"))
        m_procedure->RemoveVariableAt(-1);
    m_variation = !m_variation;
    RefreshVariationRows();
    EnableVariationControls();
}

void ProcedureEditor::SelectVariationParameter()
{
    if (m_procedure != nullptr && m_variation &&
        IsValidRow(m_selectedParameter, m_procedure->GetFieldParameters().size()))
    {
        Variable* variable = m_procedure->GetFieldParameterVariableAt(m_selectedParameter);
        if (!m_procedure->HasVariable(variable))
            m_procedure->AddVariationVariable(variable);
    }
    m_selectedParameter = -1;
    if (m_procedure != nullptr)
        RefreshVariationRows();
}

void ProcedureEditor::DeleteVariationRow(int row)
{
    if (m_procedure == nullptr || !IsValidRow(row, m_procedure->GetVariationVariables().size()))
        return;
    m_procedure->RemoveVariableAt(row);
    RefreshVariationRows();
}

void ProcedureEditor::CreateDerivedProcedures()
{
    if (m_procedure == nullptr || m_procedure->GetVariationVariables().empty())
        return;
    if (!m_procedure->GetDerivedProcedures().empty())
    {
        if (AfxMessageBox("Derived procedures exists. Do you want to continue? This will replace "
                          "the old derived procedures.",
                          MB_YESNO) != IDYES)
            return;
        m_procedure->DeleteDerivedProcedures();
    }
    m_procedure->CreateDerivedProcedures();
}

void ProcedureEditor::Apply()
{
    if (m_procedure != nullptr)
        AcceptText();
}

bool ProcedureEditor::AcceptText()
{
    const CString text = m_states.GetText(IDC_TEXT);
    if (text.IsEmpty() || !m_procedure->MatchesSelectColumns(text))
    {
        AfxMessageBox("Please check the procedure string with the selected output fields.");
        return false;
    }
    m_procedure->SetProcedureText(text);
    // Kept as edited by hand: shown again as it is when the procedure is opened.
    m_procedure->SetTextFlag(true);
    // A new procedure holds it until it is stored.
    if (!m_isNew)
        NoteStored(IDC_TEXT);
    return true;
}

bool ProcedureEditor::ApplyTypedText()
{
    return !BoxChanged(IDC_TEXT) || AcceptText();
}

bool ProcedureEditor::TakeTypedParameter()
{
    CString name = m_states.GetText(IDC_PARAMETER_NAME);
    name.Trim();
    const bool update = m_states.GetText(IDC_ADD_PARAMETER) != addParameterCaption &&
                        IsValidRow(m_selectedParameter, m_procedure->GetFieldParameters().size());
    if (update &&
        m_procedure->GetFieldParameterVariableAt(m_selectedParameter)->GetFieldName() == name)
        return true;
    if (!TakeOrDropTypedText("parameter", name, update,
                             [this]
                             {
                                 AddOrUpdateParameter();
                                 // The parameter's box is emptied once it is taken.
                                 return m_states.GetText(IDC_PARAMETER_NAME).IsEmpty();
                             }))
        return false;
    // Taken or dropped: nothing typed is left to ask about again.
    ResetParameterInput();
    return true;
}

void ProcedureEditor::AddProcedure()
{
    if (m_procedure == nullptr || !TakeTypedParameter() || !ApplyTypedText())
        return;
    if (m_procedure->GetMainTable() == nullptr)
    {
        AfxMessageBox("Please select Main Table.");
        return;
    }
    const CString name = m_states.GetText(IDC_NAME);
    if (name.IsEmpty())
    {
        AfxMessageBox("Please enter procedure name.");
        return;
    }
    if (!CheckProcedureName(name))
        return;
    const bool used = m_project.IsProcedureNameUsed(name);
    if (used && (m_isNew || name.CompareNoCase(m_procedure->GetName()) != 0))
    {
        AfxMessageBox("A procedure with this name already exists.");
        return;
    }
    if (name != m_procedure->GetName())
    {
        m_procedure->SetName(name);
        RefreshText();
    }
    if (m_isNew)
    {
        Module* module = m_project.GetCurrentModule();
        module->AddProcedure(m_procedure);
        m_isNew = false;
        m_host.AddProcedureItem(*module, *m_procedure);
    }
    Cancel();
}

void ProcedureEditor::Cancel()
{
    ClearPage();
    LoadProcedure(nullptr);
}
