#include "shell/logic/ProjectProperties.h"

#include "gen_web/ProjectFolder.h"
#include "model/ForgeonProject.h"
#include "model/NameUtilities.h"
#include "model/ProjectSettings.h"
#include "platform/core/HostPath.h"
#include "platform/core/MessageBox.h"
#include "shell/logic/ModuleRenamer.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <utility>

namespace
{
constexpr const char* kSqlExpressSuffix = "\\SQLEXPRESS";

CString Trimmed(CString text)
{
    return text.Trim();
}

// A tab or line break typed at the end of a connection string is no part of it.
CString WithoutTrailingControls(const CString& text)
{
    int length = text.GetLength();
    while (length > 0 && static_cast<unsigned char>(text[length - 1]) < 0x20)
        --length;
    return text.Left(length);
}

// The folder of the settings or of the dialog: path with a trailing backslash, then the name.
CString NamedFolder(CString path, const CString& name)
{
    if (path.Right(1) != "\\")
        path += "\\";
    return path + name;
}

// The index of the first text that begins with the prefix in any case; -1 when none does.
template <class Texts> int FirstBeginningWith(const Texts& texts, const CString& prefix)
{
    int index = 0;
    for (const auto& item : texts)
    {
        if (CString(item).Left(prefix.GetLength()).CompareNoCase(prefix) == 0)
            return index;
        ++index;
    }
    return -1;
}

// The location as the settings keep it: a path typed in the host's form takes the model's form;
// the stored one stays when it names the same host folder.
CString StoredLocation(const CString& typed, const CString& stored)
{
    const CString location = ToModelPath(Trimmed(typed)).c_str();
    return ToHostPath(location) == ToHostPath(stored) ? stored : location;
}

// Where a new project's folder is proposed: "KestraneWeavo" in the user's home folder, or the
// program folder when the home folder is not known.
CString ProposedProjectsFolder(const CString& programFolder)
{
    const char* home = std::getenv("HOME");
    return home != nullptr && *home != '\0' ? CString(home) + "/KestraneWeavo" : programFolder;
}

bool IsFolder(const CString& path)
{
    std::error_code error;
    return std::filesystem::is_directory(ToHostPath(path), error);
}

// The value as a connection string holds it: a value with ";" or a quote, or blanks at its ends,
// in double quotes with its double quotes doubled; any other as it is.
CString ConnectionValue(const CString& value)
{
    if (value.FindOneOf(";\"'") < 0 && value == Trimmed(value))
        return value;
    CString quoted = value;
    quoted.Replace("\"", "\"\"");
    return "\"" + quoted + "\"";
}

// The value that starts at the position of the connection string (after its "="), and the
// position of the ";" that ends its pair: a value in quotes without them and its doubled quotes
// single, any other as typed up to the ";".
std::pair<CString, int> ValueAt(const CString& connection, int start)
{
    int at = start;
    while (at < connection.GetLength() && connection[at] == ' ')
        ++at;
    const char quote = at < connection.GetLength() ? connection[at] : '\0';
    if (quote != '"' && quote != '\'')
    {
        int end = connection.Find(';', start);
        if (end < 0)
            end = connection.GetLength();
        return {connection.Mid(start, end - start), end};
    }
    CString value;
    for (++at; at < connection.GetLength(); ++at)
    {
        if (connection[at] != quote)
            value += connection[at];
        else if (at + 1 < connection.GetLength() && connection[at + 1] == quote)
            value += connection[++at];
        else
            break;
    }
    int end = connection.Find(';', at);
    if (end < 0)
        end = connection.GetLength();
    return {value, end};
}
} // namespace

ProjectProperties::ProjectProperties(ForgeonProject* project, CString programFolder,
                                     ServerListSource servers)
    : m_project(project), m_programFolder(std::move(programFolder)),
      m_serverSource(std::move(servers))
{
}

void ProjectProperties::Load()
{
    m_state.dateFormat = 0;
    FillServers();
    const ProjectSettings* settings =
        m_project != nullptr ? m_project->GetProjectSettings() : nullptr;
    if (settings == nullptr)
        return;
    for (int item = 0; item < static_cast<int>(std::size(kVisualStudioCodes)); ++item)
    {
        if (kVisualStudioCodes[item] == settings->GetVisualStudioVersion())
            m_state.visualStudio = item;
    }
    const int edition = settings->GetDatabaseServerEdition();
    if (edition == 0 || edition == 1)
        m_state.databaseServer = edition;
    m_state.databaseName = Trimmed(settings->GetDatabaseName());
    SelectServer(settings->GetServerName());
    // Shown as the host writes it; Apply stores it in the model's form.
    m_state.projectPath = ToHostPath(settings->GetProjectPath()).c_str();
    const CString proposed = ProposedProjectsFolder(m_programFolder);
    if (m_state.projectPath.IsEmpty())
        m_state.projectPath = proposed + "/";
    m_state.projectName = settings->GetProjectName();
    if (m_state.projectName.IsEmpty())
        m_state.projectName = NextFreeProjectName(proposed);
    if (!settings->GetDateFormat().IsEmpty())
    {
        const int format = FirstBeginningWith(kDateFormats, settings->GetDateFormat());
        if (format >= 0)
            m_state.dateFormat = format;
    }
    m_state.connectionMode = settings->GetConnectionStringMode();
    m_state.authentication = settings->GetSqlServerAuthentication() != 0 ? 1 : 0;
    m_connectionString = settings->GetConnectionString();
    if (m_state.connectionMode != 0)
    {
        m_state.userId = Trimmed(settings->GetUserId());
        m_state.password = Trimmed(settings->GetPassword());
        BuildConnectionString();
    }
    else
    {
        m_state.userId.Empty();
        m_state.password.Empty();
        m_state.automaticString.Empty();
        m_state.manualString = m_connectionString;
    }
    EnableForMode();
    m_state.confirmations = settings->GetConfirmations();
}

void ProjectProperties::FillServers()
{
    m_state.servers.clear();
    CStringArray found;
    const bool searched = m_serverSource && m_serverSource(found);
    for (INT_PTR index = 0; index < found.GetSize(); ++index)
        m_state.servers.push_back(found[index]);
    if (searched && m_state.servers.empty())
        m_state.servers.push_back("(LOCAL)");
}

void ProjectProperties::SelectServer(const CString& name)
{
    if (name.IsEmpty())
        return;
    // A server the search did not find stays as typed.
    const int item = FirstBeginningWith(m_state.servers, name);
    m_state.serverName = item >= 0 ? m_state.servers[static_cast<std::size_t>(item)] : name;
}

void ProjectProperties::SetServerName(const CString& name)
{
    m_state.serverName = name;
    BuildConnectionString();
}

CString ProjectProperties::BuildConnectionString()
{
    const CString server = m_state.serverName;
    const CString database = Trimmed(m_state.databaseName);
    const CString userId = Trimmed(m_state.userId);
    const CString password = Trimmed(m_state.password);
    CString built;
    if (!server.IsEmpty())
        built = "Data Source =" +
                ConnectionValue(server + (m_state.databaseServer == 1 ? kSqlExpressSuffix : "")) +
                "; ";
    if (!database.IsEmpty())
        built += "Initial Catalog =" + ConnectionValue(database) + "; ";
    if (m_state.authentication == 1)
    {
        if (!userId.IsEmpty())
            built += "User Id =" + ConnectionValue(userId) + "; ";
        if (!password.IsEmpty())
            built += "Password =" + ConnectionValue(password) + "; ";
    }
    else if (!built.IsEmpty())
    {
        built += "Integrated Security=True";
    }
    if (m_state.connectionMode != 0)
    {
        m_state.automaticString = built;
        m_connectionString = built;
    }
    return built;
}

void ProjectProperties::SetAuthentication(int authentication)
{
    m_state.authentication = authentication;
    EnableForMode();
    BuildConnectionString();
}

void ProjectProperties::EnableForMode()
{
    const bool automatic = m_state.connectionMode != 0;
    m_state.serverEnabled = automatic;
    m_state.authenticationEnabled = automatic;
    m_state.credentialsEnabled = automatic && m_state.authentication == 1;
    m_state.manualEnabled = !automatic;
}

void ProjectProperties::SwitchToAuto()
{
    if (m_state.connectionMode == 0 && !m_state.manualString.IsEmpty())
        ParseIntoFields(m_state.manualString);
    m_state.connectionMode = 1;
    m_state.manualString.Empty();
    EnableForMode();
    BuildConnectionString();
}

void ProjectProperties::SwitchToManual()
{
    if (m_state.connectionMode != 0 && !m_connectionString.IsEmpty())
        m_state.manualString = m_state.automaticString;
    m_state.connectionMode = 0;
    EnableForMode();
}

void ProjectProperties::ManualStringChanged(const CString& text)
{
    m_state.manualString = text;
    m_connectionString = text;
}

void ProjectProperties::ManualStringLeft()
{
    m_state.databaseName = DatabaseOf(m_state.manualString);
}

void ProjectProperties::ParseIntoFields(const CString& connection)
{
    m_state.databaseName = DatabaseOf(connection);
    CString server = Trimmed(ParseConnectionValue(connection, "DATA SOURCE"));
    // The suffix the automatic string adds for SQL Express is not part of the server's name.
    const int suffix = server.GetLength() - static_cast<int>(std::strlen(kSqlExpressSuffix));
    if (suffix >= 0 && server.Mid(suffix).CompareNoCase(kSqlExpressSuffix) == 0)
    {
        server = server.Left(suffix);
        m_state.databaseServer = 1;
    }
    if (!server.IsEmpty())
        SelectServer(server);
    m_state.userId = Trimmed(ParseConnectionValue(connection, "USER ID"));
    m_state.password = Trimmed(ParseConnectionValue(connection, "PASSWORD"));
    // A string that names a user is one of SQL Server authentication.
    if (!m_state.userId.IsEmpty())
        m_state.authentication = 1;
}

CString ProjectProperties::ParseConnectionValue(const CString& connection, const CString& key)
{
    int start = 0;
    while (start < connection.GetLength())
    {
        const int equals = connection.Find('=', start);
        const int semicolon = connection.Find(';', start);
        if (equals < 0)
            return "";
        if (semicolon >= 0 && semicolon < equals)
        {
            start = semicolon + 1;
            continue;
        }
        const auto [value, end] = ValueAt(connection, equals + 1);
        if (Trimmed(connection.Mid(start, equals - start)).CompareNoCase(key) == 0)
            return value;
        start = end + 1;
    }
    return "";
}

CString ProjectProperties::DatabaseOf(const CString& connection)
{
    const CString catalog = Trimmed(ParseConnectionValue(connection, "INITIAL CATALOG"));
    return catalog.IsEmpty() ? Trimmed(ParseConnectionValue(connection, "DATABASE")) : catalog;
}

CString ProjectProperties::Refusal() const
{
    const CString database = Trimmed(m_state.databaseName);
    if (database.IsEmpty())
        return "Please enter database name.";
    if (HasInvalidNameCharacter(database))
        return "Database name cannot contain following characters\n *  |  /  \\  <  >  ?  :  \n "
               "Please enter valid database name";
    const CString name = Trimmed(m_state.projectName);
    if (name.IsEmpty())
        return "Please enter Project Name";
    if (HasInvalidNameCharacter(name))
        return "Project name cannot contain following characters\n *  |  /  \\  <  >  ?  :  \n "
               "Please enter valid name";
    if (name.FindOneOf(" \t") >= 0)
        return "Please enter Project Name without space/s in between";
    if (IsDotName(name))
        return dotNameRefusal;
    if (const CString reason = RefuseReadModuleName(name); !reason.IsEmpty())
        return TypedNameRefusal("Project", reason);
    const ProjectSettings& settings = *m_project->GetProjectSettings();
    // The project's folder and files are named after it, as a module's after the module.
    if (IsReservedDeviceName(name) && name.CompareNoCase(settings.GetProjectName()) != 0)
        return DeviceNameRefusal(name);
    const CString path = StoredLocation(m_state.projectPath, settings.GetProjectPath());
    if (path.IsEmpty())
        return "Directory name can not be null";
    if (HostNamesHoldBackslash(Trimmed(m_state.projectPath)))
        return CString(BackslashNameRefusal(Trimmed(m_state.projectPath)).c_str()) +
               " Please enter another location.";
    if (!IsValidLocation(path))
        return "Directory names cannot contain following characters\n *  |  /  \\  <  >  ?  :  \n "
               "Please enter valid location";
    const std::pair<const char*, CString> connectionValues[] = {
        {"server name", m_state.serverName},
        {"user id", m_state.userId},
        {"password", m_state.password},
        {"connection string", WithoutTrailingControls(m_connectionString)}};
    for (const auto& [what, value] : connectionValues)
    {
        if (HasControlCharacters(value))
            return CString("The ") + what +
                   " cannot hold control characters (line breaks, tabs, direction marks).\n"
                   "Please enter another " +
                   what + ".";
    }
    const CString oldFolder = NamedFolder(settings.GetProjectPath(), settings.GetProjectName());
    const CString newFolder = NamedFolder(path, name);
    if (oldFolder != newFolder && IsFolder(newFolder))
        return "Directory already exists! Please select another path";
    return "";
}

bool ProjectProperties::Apply()
{
    if (m_project == nullptr || m_project->GetProjectSettings() == nullptr)
        return false;
    const CString refusal = Refusal();
    if (!refusal.IsEmpty())
    {
        AfxMessageBox(refusal);
        return false;
    }
    if (!ConfirmNameForCode(Trimmed(m_state.projectName), "the project name as a namespace",
                            "Use the name anyway?"))
        return false;
    // The automatic string follows the fields as they are now.
    BuildConnectionString();
    Store();
    GenerationReport report;
    CompleteProjectFolder(*m_project, m_programFolder, report);
    if (!m_state.logoPath.IsEmpty())
    {
        report.CopyFile(m_state.logoPath, GetOutputRoot(*m_project) + "includes\\images\\logo.jpg",
                        /*overwrite=*/true);
    }
    const CString folder = ToHostPath(GetProjectFolder(*m_project)).c_str();
    if (!report.IsEmpty())
        AfxMessageBox("The project folder " + folder + " was not completed.\n" + report.GetText(),
                      MB_OK | MB_ICONWARNING);
    else if (const CString notes = report.ClosingText(""); !notes.IsEmpty())
        AfxMessageBox("The project folder " + folder + " was completed.\n" + notes,
                      MB_OK | MB_ICONINFORMATION);
    return true;
}

void ProjectProperties::Store()
{
    ProjectSettings& settings = *m_project->GetProjectSettings();
    settings.SetProjectName(Trimmed(m_state.projectName));
    settings.SetProjectPath(StoredLocation(m_state.projectPath, settings.GetProjectPath()));
    settings.SetDateFormat(kDateFormats[m_state.dateFormat == 1 ? 1 : 0]);
    settings.SetDatabaseName(Trimmed(m_state.databaseName));
    settings.SetServerName(m_state.serverName);
    settings.SetUserId(Trimmed(m_state.userId));
    settings.SetPassword(Trimmed(m_state.password));
    settings.SetConnectionStringMode(m_state.connectionMode);
    settings.SetConnectionString(WithoutTrailingControls(m_connectionString));
    settings.SetSqlServerAuthentication(m_state.authentication);
    settings.SetConfirmations(m_state.confirmations);
    if (m_state.visualStudio >= 0)
        settings.SetVisualStudioVersion(
            kVisualStudioCodes[static_cast<std::size_t>(m_state.visualStudio)]);
    if (m_state.databaseServer >= 0)
        settings.SetDatabaseServerEdition(m_state.databaseServer);
}

void CopyThemeIntoProject(ForgeonProject& project, const CString& programFolder, bool overwrite,
                          GenerationReport* report)
{
    const ProjectSettings* settings = project.GetProjectSettings();
    if (settings == nullptr)
        return;
    if (settings->GetThemeName().IsEmpty() || settings->GetColorSchemeName().IsEmpty())
        ApplyDefaultTheme(project, programFolder);
    // A project without a folder has nowhere to take the files.
    if (!settings->GetProjectPath().IsEmpty())
        CopyProjectTheme(project, programFolder, overwrite, report);
}

void CompleteProjectFolder(ForgeonProject& project, const CString& programFolder,
                           GenerationReport& report)
{
    // Without a path the folder has no place.
    if (project.GetProjectSettings() == nullptr || project.GetProjectPath().IsEmpty())
        return;
    const GenerationReport setUp = SetUpProjectFolder(project, programFolder);
    for (const GenerationReport::Entry& entry : setUp.GetUnwrittenFiles())
        report.AddUnwrittenFile(entry.name, entry.reason);
    CopyThemeIntoProject(project, programFolder, /*overwrite=*/false, &report);
}
