#include "editors/logic/TransactionEditor.h"

#include "editors/logic/EditorHost.h"
#include "editors/logic/ListLookup.h"
#include "editors/logic/ModuleCombo.h"
#include "editors/logic/PageDialogs.h"
#include "entities/AspxFile.h"
#include "entities/DetailTableReport.h"
#include "entities/MenuInterface.h"
#include "entities/Procedure.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/NameUtilities.h"
#include "model/NamedQuestion.h"
#include "model/SitePageNames.h"
#include "model/Table.h"
#include "platform/core/MessageBox.h"

TransactionEditor::TransactionEditor(ForgeonProject& project, EditorHost& host,
                                     PageDialogs& dialogs)
    : PaneEditor(m_states), m_project(project), m_host(host), m_dialogs(dialogs)
{
}

TransactionEditor::~TransactionEditor()
{
    DropNewTransaction();
}

const std::vector<ListColumn>& TransactionEditor::TableColumns()
{
    static const std::vector<ListColumn> columns = {{"", 0}, {"Table Name", 70}};
    return columns;
}

const std::vector<ListColumn>& TransactionEditor::FileColumns()
{
    static const std::vector<ListColumn> columns = {{"", 0}, {"ASPX Files", 70}};
    return columns;
}

const std::vector<ToolTip>& TransactionEditor::ToolTips()
{
    static const std::vector<ToolTip> tips = WithToolTipStrings({
        {IDC_NAME, 61607, "Transaction Name"},
        {IDC_SINGLE_COLUMN, 61608, "Single column layout"},
        {IDC_TWO_COLUMNS, 61609, "Two column layout"},
        {IDC_MODULE, 61610, "Select module"},
        {IDC_MASTER_TABLE, 61611, "Select master table"},
        {IDC_DETAIL_TABLE, 61612, "Select detail table"},
        {IDC_ADD_MASTER, 61613, "Add master table"},
        {IDC_ADD_DETAIL, 61614, "Add detail table"},
        {IDC_TABLES, 61615, "List of tables"},
        {IDC_REMOVE_TABLE, 61616, "Remove table"},
        {IDC_FORM_CONTROLS, 61617, "Adjust field appearance on form"},
        {IDC_LINK_CONTROLS, 61618, "Assign link controls"},
        {IDC_REFERENCE_FIELDS, 61619, "Add Reference Fields"},
        {IDC_FILES, 61620, "Select ASPX Pages"},
        {IDC_SET_PROPERTIES, 61621, "Set ASPX Page Properties"},
        {IDC_OK, 61622, "OK"},
        {IDC_CANCEL, 61623, "Cancel Transaction"},
        {IDC_HELP_BUTTON, 61624, "Help Transaction"},
    });
    return tips;
}

void TransactionEditor::DropNewTransaction()
{
    if (m_isNew)
        delete m_transaction;
    m_transaction = nullptr;
    m_isNew = false;
}

void TransactionEditor::LoadTransaction(Transaction* transaction)
{
    if (m_isNew && m_transaction != transaction)
        DropNewTransaction();
    m_selectedTable = -1;
    m_selectedFile = -1;
    m_module = FillModuleCombo(m_states, IDC_MODULE, m_project);
    m_states.Enable(IDC_NAME, true);
    if (transaction != nullptr)
    {
        m_transaction = transaction;
        m_isNew = false;
        m_states.SetText(IDC_NAME, transaction->GetFormName());
        m_states.Enable(IDC_NAME, transaction->IsCopy() || IsPageNameToRename(*transaction));
    }
    else
    {
        m_transaction = new Transaction;
        m_isNew = true;
        m_states.SetText(IDC_NAME, "");
    }
    FillTableCombos();
    FillTableList();
    ShowLayout();
    m_states.Enable(IDC_ADD_DETAIL, m_transaction->GetDetailTables().empty());
    FillFiles();
    m_states.Enable(IDC_MODULE, true);
    NoteLoaded();
}

CString TransactionEditor::ItemName() const
{
    return m_isNew ? m_states.GetText(IDC_NAME) : m_transaction->GetFormName();
}

std::vector<CString> TransactionEditor::NewItemContent() const
{
    std::vector<CString> content;
    AddRows(content, m_tableRows);
    return content;
}

void TransactionEditor::ClearPage()
{
    DropNewTransaction();
    m_selectedTable = -1;
    m_selectedFile = -1;
    m_states.SetText(IDC_NAME, "");
    m_tableRows.clear();
    m_fileRows.clear();
}

void TransactionEditor::ReloadPage()
{
    LoadTransaction(nullptr);
}

void TransactionEditor::FillTableCombos()
{
    m_masterTables.clear();
    m_detailTables.clear();
    std::vector<CString> masterNames;
    std::vector<CString> detailNames;
    if (m_module != nullptr)
    {
        const Table* basic = m_transaction != nullptr ? m_transaction->GetBasicTable() : nullptr;
        for (Table* table : m_module->GetTransactionTables())
        {
            m_masterTables.push_back(table);
            masterNames.push_back(table->GetTableName());
            if (table == basic)
                continue;
            m_detailTables.push_back(table);
            detailNames.push_back(table->GetTableName());
        }
    }
    m_states.SetItems(IDC_MASTER_TABLE, std::move(masterNames));
    m_states.SetItems(IDC_DETAIL_TABLE, std::move(detailNames));
}

void TransactionEditor::FillTableList()
{
    m_tableRows.clear();
    if (m_transaction == nullptr)
        return;
    const auto row = [](const Table* table) {
        return ListRow{{"", table != nullptr ? table->GetTableName() : CString("NOTABLE")}};
    };
    m_tableRows.push_back(row(m_transaction->GetBasicTable()));
    for (const Table* table : m_transaction->GetDetailTables())
        m_tableRows.push_back(row(table));
}

void TransactionEditor::FillFiles()
{
    m_fileRows.clear();
    if (m_transaction == nullptr)
        return;
    for (const AspFile* file : m_transaction->GetAspFiles())
    {
        if (dynamic_cast<const AspxFile*>(file) != nullptr)
            m_fileRows.push_back({{"", file->GetFileName(FALSE)}});
    }
}

void TransactionEditor::ShowLayout()
{
    const bool single = m_transaction != nullptr && m_transaction->GetColumnCount() == 1;
    m_states.SetCheck(IDC_SINGLE_COLUMN, single);
    m_states.SetCheck(IDC_TWO_COLUMNS, !single);
}

void TransactionEditor::ChooseModule(int index)
{
    if (index < 0 || index >= static_cast<int>(m_project.GetModules().size()))
        return;
    m_module = m_project.GetModules()[static_cast<std::size_t>(index)];
    m_states.Select(IDC_MODULE, index);
    FillTableCombos();
}

void TransactionEditor::AddTableToPage(Table* table)
{
    for (Field* field : table->GetFields())
    {
        if (m_transaction->FindFieldVariableMapByField(field) != nullptr)
            continue;
        auto* variable = new Variable;
        variable->SetName(table->GetTableName() + "_" + field->GetFieldName() + "Var");
        m_transaction->AddFieldVariableMap(new FieldVariableMap{field, variable});
    }
    m_transaction->CreateFieldRepsForTable(table);
}

void TransactionEditor::AddMaster()
{
    Table* table = ItemAt(m_masterTables, m_states.GetSelection(IDC_MASTER_TABLE));
    if (m_transaction == nullptr || m_module == nullptr || table == nullptr ||
        m_transaction->UsesTable(table))
        return;
    if (m_transaction->GetBasicTable() != nullptr)
        m_transaction->RemoveBasicTable();
    m_transaction->SetBasicTable(table);
    AddTableToPage(table);
    FillTableList();
    FillTableCombos();
    m_states.Enable(IDC_MODULE, false);
}

void TransactionEditor::AddDetail()
{
    Table* table = ItemAt(m_detailTables, m_states.GetSelection(IDC_DETAIL_TABLE));
    if (m_transaction != nullptr && m_module != nullptr && table != nullptr)
        AddDetailTable(table);
    m_states.Select(IDC_DETAIL_TABLE, -1);
}

void TransactionEditor::AddDetailTable(Table* table)
{
    if (m_transaction->GetBasicTable() == nullptr)
    {
        AfxMessageBox("Please select basic table.");
        return;
    }
    if (m_transaction->UsesTable(table))
        return;
    Field* linkField = m_transaction->FindLinkField(table);
    if (linkField == nullptr)
    {
        AfxMessageBox("This detail table is not having a foreign key referring basic table of "
                      "the transaction.");
        return;
    }
    m_transaction->AddDetailTable(table);
    AddTableToPage(table);
    EnsureDetailProcedures(table, linkField);
    FillTableList();
    m_states.Enable(IDC_ADD_DETAIL, false);
}

void TransactionEditor::EnsureDetailProcedures(Table* detail, Field* linkField)
{
    Module* module = m_project.GetCurrentModule();
    if (module == nullptr)
        return;
    const CString prefix = "PRC_" + detail->GetTableName();
    if (m_project.FindProcedureByName(prefix + "_SelectAll") == nullptr)
    {
        auto* procedure = new Procedure;
        procedure->InitSelectAllByField(detail, linkField);
        module->AddProcedure(procedure);
    }
    if (m_project.FindProcedureByName(prefix + "_SelectRecord") == nullptr)
        module->AddProcedure(new Procedure(detail, /*all=*/false));
}

Table* TransactionEditor::SelectedTable() const
{
    if (m_transaction == nullptr || m_selectedTable < 0)
        return nullptr;
    return m_selectedTable == 0 ? m_transaction->GetBasicTable()
                                : m_transaction->GetDetailTableAt(m_selectedTable - 1);
}

void TransactionEditor::RemoveTable()
{
    if (m_transaction == nullptr || m_selectedTable < 0 ||
        m_selectedTable >= static_cast<int>(m_tableRows.size()))
        return;
    if (AfxMessageBox(NamedQuestion("Do you really want to delete table?",
                                    CellOf(m_tableRows, m_selectedTable, 1)),
                      MB_YESNO) != IDYES)
        return;
    if (m_selectedTable == 0)
        m_transaction->RemoveBasicTable();
    else if (Table* table = SelectedTable())
        m_transaction->RemoveDetailTable(table);
    m_selectedTable = -1;
    FillTableList();
    if (m_transaction->GetDetailTables().empty())
        m_states.Enable(IDC_ADD_DETAIL, true);
}

// Says why the page's files could not take the name, as the other page designers do.
bool TransactionEditor::IsNameRefused(const CString& name) const
{
    const CString refusal = RefuseDesignedPageName(m_project, *m_transaction, name);
    if (refusal.IsEmpty())
        return false;
    AfxMessageBox(refusal);
    return true;
}

void TransactionEditor::LeaveName()
{
    if (m_transaction == nullptr || m_isNew)
        return;
    const CString name = m_states.GetText(IDC_NAME);
    if (IsNameRefused(name))
        return;
    m_transaction->SetName(name);
    m_host.UpdateFormItemText(*m_transaction);
    NoteStored(IDC_NAME);
}

void TransactionEditor::SetColumnCount(int count)
{
    if (m_transaction == nullptr || m_transaction->GetColumnCount() == count)
        return;
    m_transaction->SetColumnCount(count);
    ShowLayout();
}

void TransactionEditor::FormControls()
{
    Table* table = SelectedTable();
    if (table == nullptr)
        return;
    std::vector<Field*> fields;
    for (Field* field : table->GetFields())
    {
        if (!field->IsKeyOrDeletedFlag())
            fields.push_back(field);
    }
    const CString header =
        m_dialogs.AdjustFormControls(*m_transaction, fields, MenuVariablesOfTable(table));
    if (!header.IsEmpty() && !HasSpecialCharacters(header))
        m_transaction->SetTableTitle(table, header);
}

void TransactionEditor::ReferenceFields()
{
    if (m_transaction == nullptr)
        return;
    if (m_selectedTable < 0)
    {
        AfxMessageBox("Please select table for adding reference field");
        return;
    }
    m_dialogs.EditReferenceFields(*m_transaction, SelectedTable());
    m_selectedTable = -1;
}

void TransactionEditor::LinkControls()
{
    if (m_transaction != nullptr)
        m_dialogs.EditLinkControls(*m_transaction);
}

std::vector<Variable*> TransactionEditor::MenuVariablesOfTable(const Table* table) const
{
    std::vector<Variable*> variables;
    const auto take = [this, table, &variables](const std::vector<MenuVariableMap>& maps)
    {
        for (const MenuVariableMap& map : maps)
        {
            for (const auto& [menuFileVariable, fileVariable] : map.GetVariablePairs())
            {
                const Field* field = m_transaction->GetMappedFieldOfVariable(fileVariable);
                if (field != nullptr && field->GetTable() == table &&
                    std::ranges::find(variables, fileVariable) == variables.end())
                    variables.push_back(fileVariable);
            }
        }
    };
    for (const AspFile* file : m_transaction->GetAspFiles())
    {
        take(file->GetTopMenuVariableMaps());
        take(file->GetLeftMenuVariableMaps());
    }
    return variables;
}

void TransactionEditor::Variables()
{
    if (m_transaction != nullptr)
        m_host.EditVariables(m_transaction->EditFieldVariableMaps(), m_transaction);
}

void TransactionEditor::AddDerivedField()
{
    if (Table* table = SelectedTable())
        m_dialogs.EditDerivedFields(*m_transaction, table);
    m_selectedTable = -1;
}

void TransactionEditor::FormMethods()
{
    if (m_selectedTable == 0 && m_transaction != nullptr)
        AfxMessageBox("Uniqueness procedure can not be assigned to the basic table");
    else if (m_selectedTable > 0)
    {
        if (Table* table = SelectedTable())
            m_dialogs.AssignFormProcedures(*m_transaction, table);
    }
}

void TransactionEditor::RemoveReport()
{
    Table* table = SelectedTable();
    DetailTableReport* report =
        table != nullptr ? m_transaction->FindDetailTableReport(table) : nullptr;
    if (report == nullptr)
        return;
    m_transaction->RemoveDetailTableReport(report);
    FillTableList();
}

void TransactionEditor::SwapDetailTables(int index, int selectedRow)
{
    Table* first = m_transaction->GetDetailTableAt(index);
    Table* second = m_transaction->GetDetailTableAt(index + 1);
    if (first == nullptr || second == nullptr)
        return;
    m_transaction->MoveDetailTableDown(index);
    m_transaction->SwapTableTitles(first, second);
    FillTableList();
    m_selectedTable = selectedRow;
}

void TransactionEditor::MoveUp()
{
    // Row r holds detail table r - 1; the first detail row cannot go up.
    if (m_transaction != nullptr && m_selectedTable >= 2)
        SwapDetailTables(m_selectedTable - 2, m_selectedTable - 1);
}

void TransactionEditor::MoveDown()
{
    if (m_transaction != nullptr && m_selectedTable >= 1)
        SwapDetailTables(m_selectedTable - 1, m_selectedTable + 1);
}

void TransactionEditor::CreateOtherForm()
{
    if (!m_states.IsChecked(IDC_CREATE_OTHER_FORM))
        return;
    m_states.SetCheck(IDC_CREATE_OTHER_FORM, false);
    if (m_transaction == nullptr)
        return;
    Module* module = m_transaction->GetModule();
    if (module == nullptr)
        module = m_project.GetCurrentModule();
    if (module == nullptr)
        return;
    if (Transaction* other = m_transaction->CreateOtherForm(*module))
        m_host.AddTransactionItem(*module, *other);
}

void TransactionEditor::Ok()
{
    if (m_transaction == nullptr)
        return;
    const CString name = m_states.GetText(IDC_NAME);
    if (name.IsEmpty())
    {
        AfxMessageBox("Please enter transaction name.");
        return;
    }
    if (IsNameRefused(name))
        return;
    m_transaction->SetName(name);
    const bool hasBasic = m_transaction->GetBasicTable() != nullptr;
    const bool hasDetail = !m_transaction->GetDetailTables().empty();
    if (hasBasic && hasDetail)
    {
        if (m_isNew)
        {
            Module* module = m_project.GetCurrentModule();
            if (module == nullptr)
                return;
            module->AddTransaction(m_transaction, /*withFiles=*/true);
            m_isNew = false;
            m_host.AddTransactionItem(*module, *m_transaction);
        }
        m_transaction->CreateDefaultAspFiles(m_project.GetOutputKind());
        ClearPage();
        LoadTransaction(nullptr);
    }
    else if (hasDetail)
        AfxMessageBox("Please select basic table for Master Detail form");
    else if (hasBasic)
        AfxMessageBox("Please select at least one detail table for Master Detail form");
    else
        AfxMessageBox("Incomplete Master Detail form as there is no basic as well as detail table");
}

void TransactionEditor::Cancel()
{
    ClearPage();
    m_host.ShowStartPage();
}

void TransactionEditor::SetProperties()
{
    if (m_transaction == nullptr || m_selectedFile < 0 ||
        m_selectedFile >= static_cast<int>(m_fileRows.size()))
        return;
    if (AspFile* file = m_transaction->FindAspFileByType(m_selectedFile == 0 ? 1 : 3))
        m_dialogs.EditFieldVisibility(*m_transaction, *file);
}
