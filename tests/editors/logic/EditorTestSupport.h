#pragma once

#include "editors/logic/ControlStates.h"
#include "editors/logic/EditorHost.h"
#include "entities/Function.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "entities/Transaction.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"
#include "model/Module.h"
#include "model/Table.h"
#include "platform/core/ScriptedMessageBoxes.h"

#include <functional>
#include <string>
#include <vector>

// The cells of one column of the rows.
inline std::vector<CString> Cells(const std::vector<ListRow>& rows, std::size_t column = 0)
{
    std::vector<CString> cells;
    for (const ListRow& row : rows)
        cells.push_back(row.cells.at(column));
    return cells;
}

// Records what a controller asks of the window around it, one line per request.
class RecordingHost : public EditorHost
{
public:
    void UpdateFieldItemText(const Table& table, const Field& field) override
    {
        calls.push_back("field item " + table.GetTableName() + "." + field.GetFieldName());
    }
    void UpdateTableItemNames(const Table& table) override
    {
        calls.push_back("table item " + table.GetTableName());
    }
    void UpdateFormItemText(const FormInterface&) override { calls.push_back("page item"); }
    void RefreshTree() override { calls.push_back("refresh tree"); }
    void ShowStartPage() override { calls.push_back("start page"); }
    void AddProcedureItem(Module& module, Procedure& procedure) override
    {
        calls.push_back("add " + module.GetName() + " " + procedure.GetName());
    }
    void AddUserFunctionItem(Module& module, Function& function) override
    {
        calls.push_back("add " + module.GetName() + " " + function.GetFieldName());
    }
    void AddTransactionItem(Module& module, Transaction& transaction) override
    {
        calls.push_back("add " + module.GetName() + " " + transaction.GetFormName());
    }
    void UpdateProcedureItemText(const Procedure& procedure) override
    {
        calls.push_back("rename " + procedure.GetName());
    }
    void UpdateMenuItemText(const Menu& menu) override
    {
        calls.push_back("menu item " + menu.GetName());
    }
    bool ConfirmWarning(const CString& message) override
    {
        calls.push_back("warning " + message);
        return confirm;
    }
    void EditVariables(std::vector<FieldVariableMap*>&, FormInterface*) override
    {
        calls.push_back("variables");
    }
    bool AssignProcedure(ProcedureAssigner& assigner) override
    {
        calls.push_back("assign procedure");
        return assign && assign(assigner);
    }
    void EditRelations(Procedure&) override { calls.push_back("relations"); }
    void EditOutputFields(Function& function) override
    {
        calls.push_back("output fields");
        if (editOutputFields)
            editOutputFields(function);
    }

    // Plays the assignment dialog; without it the dialog is cancelled.
    std::function<bool(ProcedureAssigner&)> assign;
    // The answer to the warnings: OK or Cancel.
    bool confirm = true;
    // Plays the output fields dialog.
    std::function<void(Function&)> editOutputFields;

    std::vector<CString> calls;
};

// A new project, open while the object lives, its base module current.
class OpenNewProject
{
public:
    OpenNewProject()
    {
        project.InitNewProject();
        m_previous = MainFrameAccess::SetProjectSource([this] { return &project; });
    }
    ~OpenNewProject() { MainFrameAccess::SetProjectSource(m_previous); }
    OpenNewProject(const OpenNewProject&) = delete;
    OpenNewProject& operator=(const OpenNewProject&) = delete;

    Module& Current() { return *project.GetCurrentModule(); }

    ForgeonProject project;

private:
    MainFrameAccess::ProjectSource m_previous;
};

// The texts of the boxes shown.
inline std::vector<std::string> Texts(const ScriptedMessageBoxes& boxes)
{
    std::vector<std::string> texts;
    for (const auto& box : boxes.Shown())
        texts.push_back(box.text);
    return texts;
}

inline std::vector<CString> FieldNames(const Table& table)
{
    std::vector<CString> names;
    for (const Field* field : table.GetFields())
        names.push_back(field->GetFieldName());
    return names;
}
