// Runs the classic Write All on a PostgreSQL project of two modules, whose first module's table
// refers to a table of the second, in the project folder given as the argument (a host path);
// prints the path of the PostgreSQL script.
#include "gen_classic/AspWriteAll.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/ProjectSettings.h"
#include "model/Table.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/model/ModelBuilders.h"

#include <cstdio>
#include <filesystem>

namespace
{
class AnsweringServices : public ClassicWriteServices
{
public:
    void SaveBackupCopy(const CString&) override {}
    bool SelectForWrite(const CString&, bool&, bool&) override { return true; }
    void SetStatusText(const CString& text) override
    {
        std::fprintf(stderr, "%s\n", text.str().c_str());
    }
};
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: classic_pg_write_all <project folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    ScriptedMessageBoxes boxes;
    ForgeonProject project;
    project.SetProjectSettings(new ProjectSettings);
    project.SetProjectName("Shop");
    project.SetProjectPath(folder.string().c_str());
    project.SetSqlServerDatabase(0);
    auto* base = new Module("BaseModule");
    auto* second = NewModule("Second", 1);
    project.AddModule(base);
    project.AddModule(second);

    Table* customer = NewTable("customer", Table::masterKind, {"name"});
    second->AppendMasterTable(customer);
    Table* order = NewTable("order_head", Table::masterKind, {"note"});
    auto* reference = new Field;
    reference->Set("customer_id", "Customer", FieldTypeInt, 4, 0, customer->GetPrimaryKeyField(),
                   "", false, true, false, false, false);
    reference->SetTable(order);
    order->AddField(reference);
    base->AppendMasterTable(order);

    AnsweringServices services;
    AspWriteAll writeAll(&project, nullptr, services);
    writeAll.SetWriteErrorsLogPath((folder / "ForgeonWriteErrors.txt").string().c_str());
    if (!writeAll.Run(nullptr))
    {
        std::fprintf(stderr, "%s\n", writeAll.GetReport().GetText().GetString());
        return 1;
    }
    std::printf("%s\n",
                (folder / "_system" / "scripts" / "KestraneWeavo_PGSQL_CreateTables.sql").c_str());
    return 0;
}
