#pragma once

#include "editors/logic/TableDesigner.h"
#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"
#include "model/ProjectSettings.h"
#include "tests/editors/logic/EditorTestSupport.h"

#include <filesystem>

// A new project "Library" at the path whose tables were made through the table designer, each
// with "Generate Forms and Reports": the master tables publisher and author (a foreign key to
// publisher, a date of birth that may be null), and the master-detail pair book_basic /
// book_detail with its transaction.
class DesignedProject
{
public:
    // Database kind 0 is PostgreSQL, 1 SQL Server.
    explicit DesignedProject(const CString& projectPath, int databaseKind = 0)
    {
        project.InitNewProject();
        project.SetProjectName("Library");
        project.SetProjectPath(projectPath);
        project.GetProjectSettings()->SetDatabaseKind(databaseKind);
        m_previous = MainFrameAccess::SetProjectSource([this] { return &project; });
        DesignTables(project, host);
    }
    ~DesignedProject() { MainFrameAccess::SetProjectSource(m_previous); }

    // The tables above, made in the current module of the open project.
    static void DesignTables(ForgeonProject& project, EditorHost& host)
    {
        TableDesigner designer(project, host);
        designer.InitialUpdate();
        ControlStates& states = designer.States();
        const auto field = [&](const char* name, int type, bool allowNull = false)
        {
            states.SetText(TableDesigner::IDC_FIELD_NAME, name);
            designer.ChooseType(type);
            if (allowNull)
                designer.ToggleAllowNull();
            designer.AddOrUpdate(true);
        };
        const auto store = [&](const char* name)
        {
            states.SetText(TableDesigner::IDC_TABLE_NAME, name);
            designer.Ok(true);
        };
        designer.LoadTable(nullptr, Table::masterKind);
        field("name", 4);
        store("Publisher");

        designer.LoadTable(nullptr, Table::masterKind);
        designer.ToggleForeignKey();
        const std::vector<CString>& tables = states.GetItems(TableDesigner::IDC_FOREIGN_TABLE);
        for (std::size_t i = 0; i < tables.size(); ++i)
        {
            if (tables[i] == "publisher")
                designer.ChooseForeignTable(static_cast<int>(i));
        }
        designer.AddOrUpdate(true);
        field("name", 4);
        field("born", 5, /*allowNull=*/true);
        store("Author");

        designer.LoadTable(nullptr, Table::masterDetailKind);
        field("title", 4);
        field("price", 2);
        store("Book");
    }
    // The map table publication (publisher_id, author_id) of the tables above, made in the table
    // designer with its map form and report, or without default pages.
    static void DesignMapTable(ForgeonProject& project, EditorHost& host, bool withPages)
    {
        TableDesigner designer(project, host);
        designer.InitialUpdate();
        designer.LoadTable(nullptr, Table::mapKind);
        for (const char* referred : {"publisher", "author"})
        {
            designer.ToggleForeignKey();
            const std::vector<CString>& tables =
                designer.States().GetItems(TableDesigner::IDC_FOREIGN_TABLE);
            for (std::size_t i = 0; i < tables.size(); ++i)
            {
                if (tables[i] == referred)
                    designer.ChooseForeignTable(static_cast<int>(i));
            }
            designer.AddOrUpdate(true);
        }
        if (!withPages)
            designer.ToggleGenerate();
        designer.States().SetText(TableDesigner::IDC_TABLE_NAME, "Publication");
        designer.Ok(true);
    }
    DesignedProject(const DesignedProject&) = delete;
    DesignedProject& operator=(const DesignedProject&) = delete;

    ForgeonProject& Project() { return project; }

    ForgeonProject project;
    RecordingHost host;

private:
    MainFrameAccess::ProjectSource m_previous;
};
