#pragma once

#include "platform/core/CString.h"
#include "platform/core/Collections.h"

#include <functional>
#include <vector>

class ForgeonProject;
class GenerationReport;

// Fills the array with the names of the database servers it finds; false when the search
// failed.
using ServerListSource = std::function<bool(CStringArray& servers)>;

// What the Project Properties dialog shows: the texts and choices of its controls and which of
// them can be used.
struct ProjectPropertiesState
{
    CString projectName;
    // As the host writes it.
    CString projectPath;
    // Items of the fixed combos; -1 when none is chosen.
    int dateFormat = 0;
    int visualStudio = -1;
    int databaseServer = -1;
    std::vector<CString> servers;
    // The server combo's text: a listed server or one typed.
    CString serverName;
    CString databaseName;
    // 1 SQL Server authentication, 0 Windows authentication.
    int authentication = 0;
    CString userId;
    CString password;
    // 1 Auto, 0 Manual.
    int connectionMode = 1;
    CString automaticString;
    CString manualString;
    CString logoPath;
    bool confirmations = false;

    bool serverEnabled = true;
    bool authenticationEnabled = true;
    bool credentialsEnabled = false;
    bool manualEnabled = false;
};

// The project settings that the generators and script writers read, edited as the Project
// Properties dialog edits them: loaded from the settings, checked and stored on OK, which also
// sets up the project's folder with its theme and logo.
class ProjectProperties
{
public:
    static constexpr const char* kDateFormats[] = {"mm/dd/yyyy", "dd/mm/yyyy"};
    static constexpr const char* kVisualStudios[] = {"Visual Studio 2005 SP1",
                                                     "Visual Studio 2008"};
    static constexpr int kVisualStudioCodes[] = {0, 3};
    static constexpr const char* kDatabaseServers[] = {"SQL Server", "SQL Express"};

    // programFolder: where the support files and the theme library lie.
    ProjectProperties(ForgeonProject* project, CString programFolder, ServerListSource servers);

    // The controls' first contents from the settings.
    void Load();
    const ProjectPropertiesState& State() const { return m_state; }
    // The user's edits; each that feeds the automatic string rebuilds it.
    ProjectPropertiesState& Edit() { return m_state; }

    // Empties the server list and fills it again from the source: "(LOCAL)" when the search
    // found none.
    void FillServers();
    // The automatic connection string from the server, database name and credentials, each
    // value quoted by the rules of connection strings where it holds ";" or a quote; in Auto
    // mode it is shown and becomes the connection string.
    CString BuildConnectionString();
    void SetAuthentication(int authentication);
    void SwitchToAuto();
    void SwitchToManual();
    // The manual string typed: it is the connection string from now on.
    void ManualStringChanged(const CString& text);
    // Leaving the manual string: its "Initial Catalog" (an ODBC driver's "Database") becomes the
    // database name.
    void ManualStringLeft();
    void SetServerName(const CString& name);

    // The value of the key in the connection string, keys in any case: a value in quotes without
    // them and with its doubled quotes single, any other as typed (blanks around it kept); empty
    // when the key or its "=" is missing.
    static CString ParseConnectionValue(const CString& connection, const CString& key);
    // The database a connection string names: its "Initial Catalog", else its "Database".
    static CString DatabaseOf(const CString& connection);

    // Checks the values, showing the first refusal (the server name, user id, password and
    // connection string take no control characters); stores them in the settings, sets up the
    // project folder and copies the theme and the logo, and names in one message what could
    // not be copied or made. False when refused.
    bool Apply();

    const CString& GetConnectionString() const { return m_connectionString; }

private:
    // Server, database, user id and password from the text of a connection string.
    void ParseIntoFields(const CString& connection);
    void SelectServer(const CString& name);
    void EnableForMode();
    // The first refusal of the values, or an empty text.
    CString Refusal() const;
    void Store();

    ForgeonProject* m_project;
    CString m_programFolder;
    ServerListSource m_serverSource;
    ProjectPropertiesState m_state;
    CString m_connectionString;
};

// The theme of the settings, the default one when they name none, copied into the project
// folder; nothing is copied while the project has no path. The files not copied go to the
// report, when given.
void CopyThemeIntoProject(ForgeonProject& project, const CString& programFolder, bool overwrite,
                          GenerationReport* report = nullptr);
// Puts in place what the project folder lacks of its set-up and of the theme's files, keeping the
// files there; what could not be copied or made goes to the report. Nothing without a project
// path.
void CompleteProjectFolder(ForgeonProject& project, const CString& programFolder,
                           GenerationReport& report);
