#include "entities/Designation.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/ProjectSettings.h"
#include "model/ProjectStore.h"
#include "model/Table.h"
#include "model/TableFormCreator.h"
#include "model/TransactionDataCreator.h"
#include "platform/core/MessageBox.h"
#include "shell/ForgeonDoc.h"
#include "shell/MainFrame.h"

#include <vector>

namespace
{
// A copy of the table under its own name.
Table* CopyTable(const Table* source)
{
    auto* copy = new Table(source);
    copy->SetTableName(source->GetTableName());
    return copy;
}

// The foreign keys of the copies point at the tables of the same names in the project, or at
// nothing when it has none.
void RepointForeignFields(const std::vector<Table*>& copies, const ForgeonProject& project)
{
    for (Table* copy : copies)
    {
        for (Field* field : copy->GetFields())
        {
            const Field* foreign = field->GetForeignField();
            if (foreign == nullptr || foreign->GetTable() == nullptr)
                continue;
            Table* target = project.FindTableByName(foreign->GetTable()->GetTableName());
            field->SetForeignField(
                target != nullptr ? target->FindFieldByName(foreign->GetFieldName()) : nullptr);
        }
    }
}

// The role counter as it was: a project read beside the open one gives no role ids away.
class RoleCounterKeeper
{
public:
    RoleCounterKeeper() : m_counter(Designation::GetIdCounter()) {}
    ~RoleCounterKeeper() { Designation::SetIdCounter(m_counter); }
    RoleCounterKeeper(const RoleCounterKeeper&) = delete;
    RoleCounterKeeper& operator=(const RoleCounterKeeper&) = delete;

private:
    int m_counter;
};
} // namespace

void ForgeonDoc::OnImportTables()
{
    const std::optional<CString> path = AskOpenFileName("KestraneWeavo File Import");
    if (!path)
        return;
    CString message;
    {
        const RoleCounterKeeper keeper;
        ProjectStore imported;
        if (!imported.ArchiveProject(nullptr, *path, TRUE))
            return;
        ImportTables(*imported.GetProject(), message);
    }
    if (MainFrame* frame = Frame())
        frame->RefreshTree();
    if (!message.IsEmpty())
        AfxMessageBox(message);
}

void ForgeonDoc::ImportTables(ForgeonProject& loaded, CString& message)
{
    ForgeonProject* project = GetProject();
    Module* from = loaded.GetCurrentModule();
    Module* into = project->GetCurrentModule();
    if (from == nullptr || into == nullptr)
        return;
    std::vector<Table*> copies;
    for (const std::vector<Table*>* tables :
         {&from->GetMasterTables(), &from->GetTransactionTables(), &from->GetMapTables()})
    {
        for (const Table* table : *tables)
        {
            // A table of that name in any module of the project is kept, as the table designer
            // keeps table names apart.
            CString name = table->GetTableName();
            if (project->FindTableByName(name) != nullptr)
            {
                if (message.IsEmpty())
                    message = "Following tables are already present in wvp\n";
                message += table->GetTableName() + "\n";
                continue;
            }
            Table* copy = CopyTable(table);
            into->AddTable(copy);
            copies.push_back(copy);
        }
    }
    RepointForeignFields(copies, *project);
    for (Table* copy : copies)
    {
        if (copy->GetKind() == Table::masterKind)
            TableFormCreator(copy, project).CreateAll();
        else if (copy->GetKind() == Table::mapKind)
            TableFormCreator(copy, project).CreateMapPages();
        else if (!copy->IsDetailTable())
            TransactionDataCreator(copy, project).CreateAll();
    }
}

bool ForgeonDoc::ExportTable(Table* table)
{
    const std::optional<CString> path = AskSaveFileName("KestraneWeavo File Export", "wvp");
    if (!path || table == nullptr)
        return false;
    const RoleCounterKeeper keeper;
    ProjectStore exported;
    ForgeonProject* project = exported.GetProject();
    project->SetProjectSettings(new ProjectSettings);
    auto* module = new Module("BaseModule");
    project->AddModule(module);
    project->SetCurrentModule(module);
    module->AddTable(CopyTable(table));
    return exported.ArchiveProject(project, *path, FALSE) != FALSE;
}
