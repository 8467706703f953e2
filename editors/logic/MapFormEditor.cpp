#include "editors/logic/MapFormEditor.h"

#include "editors/logic/EditorHost.h"
#include "editors/logic/ListLookup.h"
#include "editors/logic/PageDialogs.h"
#include "entities/ApplicationReport.h"
#include "entities/Form.h"
#include "entities/MapForm.h"
#include "entities/Procedure.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/NamedQuestion.h"
#include "model/RefField.h"
#include "model/Relation.h"
#include "model/Table.h"
#include "platform/core/MessageBox.h"

namespace
{
std::vector<CString> FieldNamesOf(const std::vector<FieldRep*>& controls)
{
    std::vector<CString> names;
    for (const FieldRep* control : controls)
        names.push_back(control->GetField() != nullptr ? control->GetField()->GetFieldName()
                                                       : CString());
    return names;
}

// The rows of the names; the selected row stays when it is still there, else the last row is
// selected.
std::vector<ListRow> RowsOf(const std::vector<CString>& names, int& selected)
{
    std::vector<ListRow> rows;
    for (const CString& name : names)
        rows.push_back({{"", name}});
    if (selected < 0 || selected >= static_cast<int>(rows.size()))
        selected = static_cast<int>(rows.size()) - 1;
    return rows;
}
} // namespace

MapFormEditor::MapFormEditor(ForgeonProject& project, EditorHost& host, PageDialogs& dialogs)
    : PaneEditor(m_states), m_project(project), m_host(host), m_dialogs(dialogs)
{
}

MapFormEditor::~MapFormEditor()
{
    DropNewMapForm();
}

const std::vector<ListColumn>& MapFormEditor::FieldColumns()
{
    static const std::vector<ListColumn> columns = {{"", 0}, {"Top Field Name", 70}};
    return columns;
}

const std::vector<ListColumn>& MapFormEditor::InputColumns()
{
    static const std::vector<ListColumn> columns = {{"", 0}, {"Top Input Field Name", 70}};
    return columns;
}

void MapFormEditor::DropNewMapForm()
{
    if (m_isNew)
        delete m_mapForm;
    m_mapForm = nullptr;
    m_isNew = true;
}

void MapFormEditor::ClearPage()
{
    DropNewMapForm();
    m_topMode = true;
    m_bottomEditable = true;
    m_masterForms.clear();
    m_states.SetText(IDC_HEADER, "");
    m_states.SetText(IDC_REPORT_LABEL, "");
    m_states.SetCheck(IDC_EDITABLE, false);
    m_states.SetCheck(IDC_SELECTION, false);
    m_states.Select(IDC_MASTER_FORMS, -1);
    m_fieldRows.clear();
    m_inputRows.clear();
    m_selectedField = -1;
    m_selectedInput = -1;
    m_states.SetItems(IDC_FIELDS, {});
    m_states.SetItems(IDC_MASTER_FORMS, {});
    m_states.SetText(IDC_TABLE_NAME, "");
    m_states.SetCheck(IDC_TOP_FIELDS, false);
    m_states.SetCheck(IDC_BOTTOM_FIELDS, false);
}

void MapFormEditor::LoadTable(Table* table)
{
    Module* module = m_project.GetCurrentModule();
    if (table == nullptr || module == nullptr)
        return;
    if (m_mapForm != nullptr)
        ClearPage();
    m_mapForm = module->FindMapFormByTable(table);
    if (m_mapForm != nullptr)
    {
        m_isNew = false;
        m_states.SetText(IDC_HEADER, m_mapForm->GetHeader());
    }
    else
    {
        m_mapForm = new MapForm;
        m_mapForm->SetMappingTable(table);
        m_isNew = true;
    }
    m_states.SetText(IDC_TABLE_NAME, table->GetTableName());
    m_mapForm->AddVariablesForTable(table);
    m_mapForm->CreateFieldRepsForTable(table);
    ShowReport();
    m_topMode = true;
    m_states.SetCheck(IDC_TOP_FIELDS, true);
    m_states.SetCheck(IDC_BOTTOM_FIELDS, false);
    m_states.Enable(IDC_FIELD_LIST, true);
    m_states.Enable(IDC_INPUT_LIST, true);
    EnableMasterForm(false);
    m_states.Enable(IDC_EDITABLE, false);
    m_states.Enable(IDC_SELECTION, false);
    FillCombos();
    FillFieldList();
    FillInputList();
    NoteLoaded();
}

CString MapFormEditor::ItemName() const
{
    return m_isNew ? m_mapForm->GetMappingTable()->GetTableName() + "_form"
                   : m_mapForm->GetFormName();
}

std::vector<CString> MapFormEditor::NewItemContent() const
{
    std::vector<CString> content = {m_states.GetText(IDC_REPORT_LABEL)};
    for (const std::vector<Field*>* fields :
         {&m_mapForm->GetTopFields(), &m_mapForm->GetBottomFields()})
        for (const Field* field : *fields)
            content.push_back(field->GetFieldName());
    for (const std::vector<FieldRep*>* inputs :
         {&m_mapForm->GetTopInputFieldReps(), &m_mapForm->GetBottomInputFieldReps()})
    {
        const std::vector<CString> names = FieldNamesOf(*inputs);
        content.insert(content.end(), names.begin(), names.end());
    }
    return content;
}

void MapFormEditor::ReloadItem()
{
    LoadTable(m_mapForm->GetMappingTable());
}

void MapFormEditor::ShowReport()
{
    const ApplicationReport* report = m_mapForm != nullptr ? m_mapForm->GetReport() : nullptr;
    m_states.SetText(IDC_REPORT_LABEL, report != nullptr ? "ReportName : " + report->GetFormName()
                                                         : CString("Report not assigned."));
}

void MapFormEditor::FillCombos()
{
    std::vector<CString> fields;
    for (const Field* field : m_mapForm->GetMappingTable()->GetFields())
    {
        if (!field->IsKeyOrDeletedFlag())
            fields.push_back(field->GetFieldName());
    }
    m_states.SetItems(IDC_FIELDS, std::move(fields));
    FillRefFieldCombo();
    m_masterForms.clear();
    std::vector<CString> forms;
    if (const Module* module = m_project.GetCurrentModule())
    {
        for (Form* form : module->GetMasterForms())
        {
            m_masterForms.push_back(form);
            forms.push_back(form->GetFormName());
        }
    }
    m_states.SetItems(IDC_MASTER_FORMS, std::move(forms));
}

void MapFormEditor::FillRefFieldCombo()
{
    std::vector<CString> names;
    for (const RefField* refField : m_mapForm->GetRefFields())
        names.push_back(refField->GetField()->GetFieldName());
    m_states.SetItems(IDC_REF_FIELDS, std::move(names));
}

std::vector<FieldRep*> MapFormEditor::BottomControls() const
{
    std::vector<FieldRep*> controls;
    for (FieldRep* control : m_mapForm->GetFieldReps())
    {
        if (!m_mapForm->HasTopField(control->GetField()))
            controls.push_back(control);
    }
    return controls;
}

void MapFormEditor::FillFieldList()
{
    if (m_mapForm == nullptr)
        return;
    std::vector<CString> names;
    if (m_topMode)
    {
        for (const Field* field : m_mapForm->GetTopFields())
            names.push_back(field->GetFieldName());
    }
    else
        names = FieldNamesOf(BottomControls());
    m_fieldRows = RowsOf(names, m_selectedField);
}

const std::vector<FieldRep*>& MapFormEditor::ShownInputs() const
{
    return m_topMode ? m_mapForm->GetTopInputFieldReps() : m_mapForm->GetBottomInputFieldReps();
}

void MapFormEditor::FillInputList()
{
    if (m_mapForm != nullptr)
        m_inputRows = RowsOf(FieldNamesOf(ShownInputs()), m_selectedInput);
}

void MapFormEditor::EnableInputs(bool enabled)
{
    for (const int id : {IDC_INPUT_LABEL, IDC_REF_FIELDS, IDC_ADD_INPUT})
        m_states.Enable(id, enabled);
}

void MapFormEditor::EnableMasterForm(bool enabled)
{
    m_states.Enable(IDC_MASTER_FORMS, enabled);
    m_states.Enable(IDC_ASSIGN_MASTER, enabled);
}

void MapFormEditor::CheckBottomKind(bool editable)
{
    m_states.SetCheck(IDC_EDITABLE, editable);
    m_states.SetCheck(IDC_SELECTION, !editable);
}

void MapFormEditor::LeaveHeader()
{
    if (m_mapForm == nullptr)
        return;
    m_mapForm->SetHeader(m_states.GetText(IDC_HEADER));
    if (!m_isNew)
        NoteStored(IDC_HEADER);
}

void MapFormEditor::ShowTopFields()
{
    m_topMode = true;
    m_states.SetCheck(IDC_TOP_FIELDS, true);
    m_states.SetCheck(IDC_BOTTOM_FIELDS, false);
    m_states.SetCheck(IDC_EDITABLE, false);
    m_states.SetCheck(IDC_SELECTION, false);
    m_states.Enable(IDC_EDITABLE, false);
    m_states.Enable(IDC_SELECTION, false);
    EnableMasterForm(false);
    EnableInputs(true);
    m_states.Enable(IDC_FIELD_LIST, true);
    m_states.Enable(IDC_INPUT_LIST, true);
    m_selectedField = -1;
    m_selectedInput = -1;
    FillFieldList();
    FillInputList();
}

void MapFormEditor::ShowBottomFields()
{
    m_topMode = false;
    m_states.SetCheck(IDC_TOP_FIELDS, false);
    m_states.SetCheck(IDC_BOTTOM_FIELDS, true);
    m_fieldRows.clear();
    m_inputRows.clear();
    m_selectedField = -1;
    m_selectedInput = -1;
    m_states.Enable(IDC_EDITABLE, true);
    m_states.Enable(IDC_SELECTION, true);
    EnableMasterForm(true);
    if (m_mapForm == nullptr)
        return;
    if (m_mapForm->GetBottomMasterForm() != nullptr)
    {
        CheckBottomKind(true);
        MakeEditable();
    }
    else
    {
        CheckBottomKind(false);
        MakeSelectable();
    }
    FillFieldList();
    FillInputList();
}

void MapFormEditor::MakeEditable()
{
    if (m_mapForm == nullptr)
        return;
    if (!m_mapForm->GetBottomInputFieldReps().empty())
    {
        if (AfxMessageBox("Do you really want to make the bottom field editable? This will "
                          "delete all the existing inputs for the bottom field.",
                          MB_YESNO) != IDYES)
        {
            CheckBottomKind(false);
            return;
        }
        m_mapForm->DeleteBottomInputFieldReps();
    }
    else if (m_mapForm->GetBottomFields().empty())
    {
        CheckBottomKind(false);
        return;
    }
    m_bottomEditable = true;
    CheckBottomKind(true);
    EnableInputs(false);
    EnableMasterForm(true);
    Form* master = m_mapForm->GetBottomMasterForm();
    m_states.Select(IDC_MASTER_FORMS, PositionOf(m_masterForms, master));
    m_mapForm->SetBottomMasterForm(master);
    if (master != nullptr)
        JoinMasterFormInProcedures(*master);
    FillInputList();
}

void MapFormEditor::JoinMasterFormInProcedures(Form& master)
{
    Module* module = m_project.GetCurrentModule();
    Table* masterTable = master.GetTable();
    Table* mappingTable = m_mapForm->GetMappingTable();
    if (module == nullptr || masterTable == nullptr)
        return;
    std::vector<Procedure*> procedures;
    module->GetProceduresOfTable(mappingTable, procedures);
    for (Procedure* procedure : procedures)
    {
        if (!procedure->IsSelectRecordProcedure())
            continue;
        if (procedure->FindTable(masterTable) == nullptr)
            procedure->AddTable(masterTable);
        if (procedure->HasRelation(masterTable, mappingTable))
            continue;
        auto* relation = new Relation;
        relation->SetFirstTable(masterTable);
        relation->SetSecondTable(mappingTable);
        relation->AddJoinField(masterTable->GetPrimaryKeyField());
        relation->AddJoinField(m_mapForm->GetBottomFieldAt(0));
        procedure->AddRelation(relation);
    }
}

void MapFormEditor::MakeSelectable()
{
    if (m_mapForm == nullptr)
        return;
    bool refused = false;
    if (m_mapForm->GetBottomMasterForm() != nullptr)
    {
        if (m_host.ConfirmWarning("Do you really want to make the bottom field selectable? This "
                                  "will remove the existing master form for the bottom field."))
            m_mapForm->SetBottomMasterForm(nullptr);
        else
            refused = true;
    }
    else if (m_mapForm->GetBottomFields().empty())
        refused = true;
    if (m_mapForm->GetBottomMasterForm() == nullptr)
        m_mapForm->SetTableFlags({m_mapForm->GetMappingTable(), false, true});
    if (refused)
    {
        CheckBottomKind(true);
        return;
    }
    m_bottomEditable = false;
    CheckBottomKind(false);
    m_states.Select(IDC_MASTER_FORMS, -1);
    EnableMasterForm(false);
    EnableInputs(true);
    FillInputList();
    FillFieldList();
}

void MapFormEditor::AddField()
{
    const int index = m_states.GetSelection(IDC_FIELDS);
    Field* field = m_mapForm != nullptr && index >= 0
                       ? m_mapForm->GetMappingTable()->GetFieldAt(index + 2)
                       : nullptr;
    m_states.Select(IDC_FIELDS, -1);
    if (field == nullptr)
        return;
    if (m_mapForm->HasField(field))
    {
        AfxMessageBox("This field is already added.");
        return;
    }
    if (m_topMode)
        m_mapForm->AddTopField(field);
    else
        m_mapForm->AddBottomField(field);
    FillFieldList();
}

void MapFormEditor::AddInputField()
{
    const RefField* refField = m_mapForm != nullptr ? ItemAt(m_mapForm->GetRefFields(),
                                                             m_states.GetSelection(IDC_REF_FIELDS))
                                                    : nullptr;
    m_states.Select(IDC_REF_FIELDS, -1);
    if (refField == nullptr)
        return;
    Field* field = refField->GetField();
    const Module* module = m_project.GetCurrentModule();
    const Procedure* procedure =
        module != nullptr
            ? module->FindProcedureByNameNoCase(
                  "PRC_" + m_mapForm->GetMappingTable()->GetTableName() + "_SelectRecord")
            : nullptr;
    bool hasOutput = false;
    if (procedure != nullptr)
    {
        for (std::size_t i = 0; i < procedure->GetOutputColumns().size(); ++i)
        {
            const Field* output = procedure->GetOutputFieldAt(static_cast<int>(i));
            hasOutput = hasOutput || (output != nullptr && output->GetFieldName().CompareNoCase(
                                                               field->GetFieldName()) == 0);
        }
    }
    if (!hasOutput)
    {
        AfxMessageBox("Please create and select one of the reference fields such that the select "
                      "record procedure contains an output field with same name.");
        return;
    }
    if (!m_topMode && m_bottomEditable)
        return;
    field->EnsureDisplayName();
    auto* data = new FieldRepData;
    data->SetCaption(field->GetDisplayName());
    auto* control = new FieldRep;
    control->AttachFieldRepData(data);
    control->SetField(field);
    if (m_topMode)
        m_mapForm->AddTopInputFieldRep(control);
    else
        m_mapForm->AddBottomInputFieldRep(control);
    FillInputList();
}

void MapFormEditor::AssignMasterForm()
{
    Form* form = ItemAt(m_masterForms, m_states.GetSelection(IDC_MASTER_FORMS));
    Module* module = m_project.GetCurrentModule();
    if (m_mapForm == nullptr || form == nullptr || module == nullptr)
        return;
    if (m_mapForm->GetBottomMasterForm() != nullptr)
    {
        if (AfxMessageBox("Master Form for the bottom field already exists! Do you really want "
                          "to replace it?",
                          MB_YESNO) != IDYES)
            return;
        // The entries shared with the form replaced go with it.
        m_mapForm->SetBottomMasterForm(nullptr);
    }
    m_mapForm->SetBottomMasterForm(form);
    const std::vector<Procedure*> before = module->GetProcedures();
    module->CreateMapTableProcedures(m_mapForm->GetMappingTable());
    module->UpdateMapTableWriteProcedures(m_mapForm);
    // The default procedures made show in the tree at once.
    for (Procedure* procedure : module->GetProcedures())
    {
        if (std::ranges::find(before, procedure) == before.end())
            m_host.AddProcedureItem(*module, *procedure);
    }
    FillFieldList();
    m_mapForm->SetTableFlags({m_mapForm->GetMappingTable(), true, true});
}

void MapFormEditor::ChooseMasterForm(int index)
{
    m_states.Select(IDC_MASTER_FORMS, index);
    if (m_mapForm == nullptr || m_mapForm->GetBottomMasterForm() == nullptr)
        return;
    if (AfxMessageBox("Do you really want to change the assigned form for the bottom field ? This "
                      "will remove the existing master form for the bottom field.",
                      MB_YESNO) == IDYES)
        m_mapForm->SetBottomMasterForm(nullptr);
}

Field* MapFormEditor::FieldOfRow(int row) const
{
    if (m_topMode)
        return m_mapForm->GetTopFieldAt(row);
    // The bottom list shows controls; only a bottom field's row removes it.
    const FieldRep* control = ItemAt(BottomControls(), row);
    Field* field = control != nullptr ? control->GetField() : nullptr;
    return field != nullptr && m_mapForm->HasField(field) ? field : nullptr;
}

void MapFormEditor::RemoveField()
{
    if (m_mapForm == nullptr || m_selectedField < 0)
        return;
    const CString name = CellOf(m_fieldRows, m_selectedField, 1);
    if (!m_host.ConfirmWarning(
            NamedQuestion("Do you really want to remove the selected field?", name)))
        return;
    Field* field = FieldOfRow(m_selectedField);
    if (field == nullptr)
        return;
    FieldRep* control = m_mapForm->GetFieldRepForField(field);
    if (control == nullptr || !m_mapForm->IsFieldRepUnused(control))
    {
        AfxMessageBox("Can not delete selected field as it is being used for recomputation or "
                      "corresponding variable is mapped.");
        return;
    }
    if (m_topMode)
        m_mapForm->RemoveTopField(field);
    else
        m_mapForm->RemoveBottomField(field);
    FillFieldList();
    if (AfxMessageBox(
            NamedQuestion("Do you want to remove this field permenently from the map form?", name),
            MB_YESNO) == IDYES)
    {
        FieldVariableMap* map = m_mapForm->FindFieldVariableMapByField(field);
        m_mapForm->RemoveFieldVariableMapByField(field);
        m_mapForm->DeleteFieldRep(control);
        // Taken off the page, the map and its variable are the page's no more.
        if (map != nullptr)
            FormInterface::DeleteFieldVariableMap(map);
        FillFieldList();
    }
}

void MapFormEditor::RemoveInputField()
{
    if (m_mapForm == nullptr || m_selectedInput < 0 ||
        !m_host.ConfirmWarning(
            NamedQuestion("Do you really want to remove the selected input field?",
                          CellOf(m_inputRows, m_selectedInput, 1))))
        return;
    FieldRep* control = ItemAt(ShownInputs(), m_selectedInput);
    if (control == nullptr)
        return;
    if (!m_mapForm->IsFieldRepUnused(control))
    {
        AfxMessageBox(m_topMode ? "Can not delete selected input field as it is being used for "
                                  "recomputation or corresponding variable is mapped."
                                : "Can not delete selected input field as it is being used for "
                                  "recomputation.");
        return;
    }
    if (m_topMode)
        m_mapForm->RemoveTopInputFieldRep(control);
    else
        m_mapForm->RemoveBottomInputFieldRep(control);
    FillInputList();
}

void MapFormEditor::EditInputField(int row)
{
    FieldRep* control = m_mapForm != nullptr ? ItemAt(ShownInputs(), row) : nullptr;
    if (control == nullptr)
        return;
    m_selectedInput = row;
    m_dialogs.EditControlProperties(*m_mapForm, *control);
    FillInputList();
}

void MapFormEditor::MoveInput(int step)
{
    // Only the top part's input controls have an order of their own.
    if (m_mapForm == nullptr || !m_topMode)
        return;
    FieldRep* control = ItemAt(m_mapForm->GetTopInputFieldReps(), m_selectedInput);
    const int last = static_cast<int>(m_mapForm->GetTopInputFieldReps().size()) - 1;
    if (control == nullptr || (step < 0 && m_selectedInput == 0) ||
        (step > 0 && m_selectedInput == last))
        return;
    if (step < 0)
        m_mapForm->MoveTopInputFieldRepUp(control);
    else
        m_mapForm->MoveTopInputFieldRepDown(control);
    m_selectedInput += step;
    FillInputList();
}

void MapFormEditor::AddRefField()
{
    if (m_mapForm == nullptr)
        return;
    m_dialogs.EditReferenceFields(*m_mapForm, m_mapForm->GetMappingTable());
    FillRefFieldCombo();
    FillInputList();
}

void MapFormEditor::SetVariables()
{
    if (m_mapForm != nullptr)
        m_host.EditVariables(m_mapForm->EditFieldVariableMaps(), m_mapForm);
}

void MapFormEditor::LinkControls()
{
    if (m_mapForm != nullptr)
        m_dialogs.EditLinkControls(*m_mapForm);
}

void MapFormEditor::FormProcedures()
{
    if (m_mapForm != nullptr)
        m_dialogs.AssignFormProcedures(*m_mapForm, m_mapForm->GetMappingTable());
}

void MapFormEditor::RemoveReport()
{
    if (m_mapForm == nullptr || m_mapForm->GetReport() == nullptr ||
        !m_host.ConfirmWarning(NamedQuestion(" Do you want to remove the existing report ?",
                                             m_mapForm->GetReport()->GetFormName())))
        return;
    m_mapForm->RemoveReport();
    ShowReport();
}

void MapFormEditor::AddMapForm()
{
    if (m_mapForm == nullptr)
        return;
    if (m_states.GetText(IDC_HEADER).IsEmpty())
    {
        AfxMessageBox("Please enter form header.");
        return;
    }
    if (m_mapForm->GetTopFields().size() != 1 || m_mapForm->GetBottomFields().size() != 1)
    {
        AfxMessageBox("Please Enter the Top and Bottom fields");
        return;
    }
    m_mapForm->SetHeader(m_states.GetText(IDC_HEADER));
    m_mapForm->SetName(m_mapForm->GetMappingTable()->GetTableName() + "_form");
    if (m_isNew)
    {
        Module* module = m_project.GetCurrentModule();
        if (module == nullptr)
            return;
        module->AddMapForm(m_mapForm, /*withFiles=*/false);
        m_isNew = false;
        m_host.RefreshTree();
    }
    Cancel();
}

void MapFormEditor::Cancel()
{
    ClearPage();
}
