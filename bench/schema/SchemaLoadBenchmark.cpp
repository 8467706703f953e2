// Times the schema load (tables, columns and triggers into DbSchema) of the database that
// scripts/bench-schema-load.sh made, then the database pane's load of it beside a module of as
// many tables, and the pane's table list alone; the best of the given number of runs.
// Usage: bench_schema_load <connection string> [runs]
#include "editors/logic/DatabasePane.h"
#include "database/DbSchema.h"
#include "database/SQLTable.h"
#include "database/SchemaLoader.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/Table.h"
#include "platform/odbc/CDatabase.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace
{
class NoHost : public DatabasePaneHost
{
public:
    bool ChooseAlterScope(AlterScriptScope&) override { return false; }
    void BeginWait() override {}
    void EndWait() override {}
};

double Seconds(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A module of tables t001... named as the database's, with fields like its columns.
void AddTables(ForgeonProject& project, std::size_t count)
{
    Module& module = *project.GetBaseModule();
    for (std::size_t index = 1; index <= count; ++index)
    {
        char name[16];
        std::snprintf(name, sizeof name, "t%03zu", index);
        auto* table = new Table;
        table->SetTableName(name);
        table->SetKind(Table::masterKind);
        table->EnsureDefaultFields();
        for (const auto& [fieldName, type] : {std::pair{"name", FieldTypeVarchar},
                                              {"note", FieldTypeVarchar},
                                              {"qty", FieldTypeInt},
                                              {"price", FieldTypeDecimal},
                                              {"joined", FieldTypeDateTime},
                                              {"memo", FieldTypeText},
                                              {"code", FieldTypeChar},
                                              {"total", FieldTypeBigInt}})
        {
            auto* field = new Field;
            field->SetFieldName(fieldName);
            field->SetType(type);
            field->EnsureDisplayName();
            field->SetTable(table);
            table->AddField(field);
        }
        module.AddTable(table);
    }
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::fprintf(stderr, "usage: %s <connection string> [runs]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    double best = 0;
    std::size_t tables = 0;
    std::size_t columns = 0;
    std::size_t triggers = 0;
    std::size_t userTables = 0;
    for (int run = 0; run < runs; ++run)
    {
        CDatabase database;
        database.OpenEx(argv[1]);
        SQLTable recordset(&database);
        DbSchema schema;
        const auto start = std::chrono::steady_clock::now();
        const DatabaseLoad load = LoadDatabase(recordset, schema, false);
        const double took =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!load.loaded)
            return 1;
        best = run == 0 ? took : std::min(best, took);
        tables = schema.GetTables().size();
        columns = 0;
        triggers = 0;
        userTables = 0;
        for (const auto& table : schema.GetTables())
        {
            userTables += table->GetName() != "sysobjects" ? 1 : 0;
            columns += table->GetColumns().size();
            triggers += table->GetTriggers().size();
        }
    }
    std::printf("schema load: %.3f s (best of %d), %zu tables, %zu columns, %zu triggers\n", best,
                runs, tables, columns, triggers);

    const CString connect = argv[1];
    SetDataSourcePrompt(
        [&connect](CString& chosen)
        {
            chosen = connect;
            return true;
        });
    ForgeonProject project;
    project.InitNewProject();
    AddTables(project, userTables);
    OdbcDatabaseConnection connection;
    NoHost host;
    DatabasePane pane(project, connection, host);
    double bestLoad = 0;
    double bestList = 0;
    for (int run = 0; run < runs; ++run)
    {
        auto start = std::chrono::steady_clock::now();
        if (!pane.LoadDatabase(false))
            return 1;
        const double load = Seconds(start);
        start = std::chrono::steady_clock::now();
        pane.SelectModule(0);
        const double list = Seconds(start);
        bestLoad = run == 0 ? load : std::min(bestLoad, load);
        bestList = run == 0 ? list : std::min(bestList, list);
    }
    std::size_t paired = 0;
    for (const ListRow& row : pane.GetTableRows())
        paired += !row.cells[1].IsEmpty() && !row.cells[2].IsEmpty() ? 1 : 0;
    std::printf("pane load with the table list: %.3f s (best of %d), table list alone %.2f ms, "
                "%zu rows (%zu paired) beside a module of %zu tables\n",
                bestLoad, runs, bestList * 1000, pane.GetTableRows().size(), paired, userTables);
    return 0;
}
