#include "shell/logic/ProjectProperties.h"

#include "model/NameUtilities.h"
#include "model/ProjectStore.h"
#include "tests/gen_web/ToolRun.h"
#include "tests/shell/logic/ProgramFolderFixture.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/StoredStrings.h"

#include <string>

namespace fs = std::filesystem;

namespace
{
constexpr const char* kDatabaseCharacters =
    "Database name cannot contain following characters\n *  |  /  \\  <  >  ?  :  \n Please enter "
    "valid database name";
constexpr const char* kProjectCharacters =
    "Project name cannot contain following characters\n *  |  /  \\  <  >  ?  :  \n Please enter "
    "valid name";
constexpr const char* kLocation =
    "Directory names cannot contain following characters\n *  |  /  \\  <  >  ?  :  \n Please "
    "enter valid location";

ServerListSource Servers(bool found, std::vector<const char*> names)
{
    return [found, names](CStringArray& servers)
    {
        for (const char* name : names)
            servers.Add(name);
        return found;
    };
}

class ProjectPropertiesTest : public ProgramFolderFixture
{
protected:
    ProjectProperties Dialog(ServerListSource servers = Servers(true, {}))
    {
        ProjectProperties properties(&project, BinFolder(), std::move(servers));
        properties.Load();
        return properties;
    }
    // A dialog whose values pass every check: project "Shop" in the temp folder.
    ProjectProperties Valid()
    {
        ProjectProperties properties = Dialog();
        properties.Edit().databaseName = "ShopData";
        properties.Edit().projectName = "Shop";
        properties.Edit().projectPath = (folder.ModelPath() + "\\");
        return properties;
    }
};

TEST_F(ProjectPropertiesTest, TheServerListHoldsWhatTheSearchFoundOrLocalWhenItFoundNone)
{
    const struct
    {
        bool found;
        std::vector<const char*> names;
        std::vector<CString> listed;
    } cases[] = {
        {true, {"ALPHA", "BETA"}, {"ALPHA", "BETA"}},
        {true, {}, {"(LOCAL)"}},
        {false, {}, {}},
        {false, {"PARTIAL"}, {"PARTIAL"}},
    };
    for (const auto& each : cases)
        EXPECT_EQ(Dialog(Servers(each.found, each.names)).State().servers, each.listed)
            << each.names.size();
}

TEST_F(ProjectPropertiesTest, LoadingShowsTheSettingsInTheirMode)
{
    Settings().SetServerName("BET");
    Settings().SetDatabaseName("  Shop  ");
    Settings().SetUserId(" sa ");
    Settings().SetPassword("Secret ");
    Settings().SetVisualStudioVersion(3);
    Settings().SetDatabaseServerEdition(1);
    Settings().SetDateFormat("dd/mm/yyyy");
    Settings().SetSqlServerAuthentication(1);
    Settings().SetConnectionStringMode(1);
    Settings().SetConfirmations(true);
    const std::string home = folder.Path().string();
    const ScopedEnvironment homeFolder("HOME", home.c_str());
    fs::create_directories(folder.Path() / "KestraneWeavo" / "Project1");
    ProjectProperties automatic = Dialog(Servers(true, {"ALPHA", "BETA"}));
    const ProjectPropertiesState& state = automatic.State();
    EXPECT_EQ(state.serverName, "BETA");
    EXPECT_EQ(state.databaseName, "Shop");
    EXPECT_EQ(state.userId, "sa");
    EXPECT_EQ(state.password, "Secret");
    EXPECT_EQ(state.visualStudio, 1);
    EXPECT_EQ(state.databaseServer, 1);
    EXPECT_EQ(state.dateFormat, 1);
    EXPECT_TRUE(state.confirmations);
    EXPECT_EQ(state.automaticString, "Data Source =BETA\\SQLEXPRESS; Initial Catalog =Shop; User "
                                     "Id =sa; Password =Secret; ");
    EXPECT_TRUE(state.serverEnabled && state.authenticationEnabled && state.credentialsEnabled);
    EXPECT_FALSE(state.manualEnabled);
    // A new project's folder is proposed in the home folder, with the first name free there; a
    // server the search did not find stays as typed.
    EXPECT_EQ(state.projectPath, CString(home.c_str()) + "/KestraneWeavo/");
    EXPECT_EQ(state.projectName, "Project2");
    Settings().SetServerName("GAMMA");
    EXPECT_EQ(Dialog(Servers(true, {"ALPHA"})).State().serverName, "GAMMA");

    Settings().SetConnectionStringMode(0);
    Settings().SetConnectionString("Server=x;Database=y");
    ProjectProperties manual = Dialog();
    EXPECT_EQ(manual.State().manualString, "Server=x;Database=y");
    EXPECT_EQ(manual.State().userId, "");
    EXPECT_EQ(manual.State().automaticString, "");
    EXPECT_TRUE(manual.State().manualEnabled);
    EXPECT_FALSE(manual.State().serverEnabled || manual.State().authenticationEnabled ||
                 manual.State().credentialsEnabled);
}

TEST_F(ProjectPropertiesTest, TheAutomaticStringCarriesTheCredentialsOnlyForSqlServerAuthentication)
{
    const struct
    {
        const char* server;
        int edition;
        const char* database;
        int authentication;
        const char* expected;
    } cases[] = {
        {"HOST", 0, "Shop", 0,
         "Data Source =HOST; Initial Catalog =Shop; Integrated Security=True"},
        {"HOST", 0, "Shop", 1,
         "Data Source =HOST; Initial Catalog =Shop; User Id =sa; Password =pw; "},
        {"HOST", 1, "", 0, "Data Source =HOST\\SQLEXPRESS; Integrated Security=True"},
        {"", 0, " Shop ", 1, "Initial Catalog =Shop; User Id =sa; Password =pw; "},
        {"", 0, "", 0, ""},
    };
    for (const auto& each : cases)
    {
        ProjectProperties properties = Dialog();
        ProjectPropertiesState& state = properties.Edit();
        state.serverName = each.server;
        state.databaseServer = each.edition;
        state.databaseName = each.database;
        state.userId = " sa ";
        state.password = "pw";
        properties.SetAuthentication(each.authentication);
        EXPECT_EQ(properties.State().automaticString, each.expected);
        EXPECT_EQ(properties.GetConnectionString(), each.expected);
        EXPECT_EQ(properties.State().credentialsEnabled, each.authentication == 1);
    }
}

// What SqlConnection reads of each connection string: data source, catalog, user and password,
// one line each, or why it refuses the string.
std::vector<std::string> ReadBySqlClient(const std::vector<std::string>& connections,
                                         const fs::path& folder)
{
    const fs::path program = folder / "ConnectionFields.exe";
    std::ofstream(folder / "ConnectionFields.cs")
        << "using System; using System.Data.SqlClient;\n"
           "class ConnectionFields { static void Main(string[] strings) { foreach (var s in "
           "strings) { try { var b = new SqlConnectionStringBuilder(s); Console.WriteLine("
           "b.DataSource + \"|\" + b.InitialCatalog + \"|\" + b.UserID + \"|\" + b.Password); } "
           "catch (ArgumentException) { Console.WriteLine(\"refused\"); } } } }\n";
    const ToolResult compile =
        RunTool("mcs -r:System.Data -out:" + ShellQuoted(program.string()) + " " +
                ShellQuoted((folder / "ConnectionFields.cs").string()));
    EXPECT_EQ(0, compile.exitCode) << compile.output;
    std::string arguments;
    for (const std::string& connection : connections)
        arguments += " " + ShellQuoted(connection);
    const ToolResult run = RunTool("mono " + ShellQuoted(program.string()) + arguments);
    std::vector<std::string> lines;
    std::istringstream output(run.output);
    for (std::string line; std::getline(output, line);)
        lines.push_back(line);
    return lines;
}

// Each value of the automatic string reaches the connection as typed, whatever ";", "=" or quotes
// it holds: SqlConnection reads it so, and so does Auto after Manual.
TEST_F(ProjectPropertiesTest, EachValueOfTheAutomaticStringIsQuotedByTheRulesOfConnectionStrings)
{
    const struct
    {
        const char* server;
        const char* database;
        const char* userId;
        const char* password;
        const char* expected;
    } cases[] = {
        {"HOST", "Shop", "sa", "ab;Initial Catalog=master",
         "Data Source =HOST; Initial Catalog =Shop; User Id =sa; Password =\"ab;Initial "
         "Catalog=master\"; "},
        {"HOST", "Shop", "ab;cd", "a\"b'c", nullptr},
        {"HO;ST", "Shop", "o'hara", "x=y", nullptr},
        {"HOST", "Sh op", "\"quoted\"", "'single'", nullptr},
    };
    std::vector<std::string> built;
    std::vector<std::string> expected;
    for (const auto& each : cases)
    {
        ProjectProperties properties = Dialog();
        ProjectPropertiesState& state = properties.Edit();
        state.serverName = each.server;
        state.databaseName = each.database;
        state.userId = each.userId;
        state.password = each.password;
        properties.SetAuthentication(1);
        const CString connection = properties.GetConnectionString();
        if (each.expected != nullptr)
        {
            EXPECT_EQ(connection, each.expected);
        }
        built.push_back(connection.str());
        expected.push_back(std::string(each.server) + "|" + each.database + "|" + each.userId +
                           "|" + each.password);
        properties.SwitchToManual();
        properties.SwitchToAuto();
        EXPECT_EQ(properties.GetConnectionString(), connection);
        EXPECT_EQ(properties.State().password, each.password);
        EXPECT_EQ(ProjectProperties::DatabaseOf(connection), each.database);
    }
    EXPECT_EQ(ReadBySqlClient(built, folder.Path()), expected);
}

// The server name, user id, password and connection string take no control character, neither
// typed nor from a file, where one would reach Web.config and break it.
TEST_F(ProjectPropertiesTest, ControlCharactersInTheConnectionAreRefusedAtEveryDoor)
{
    const auto refusal = [](const char* what)
    {
        return "The " + std::string(what) +
               " cannot hold control characters (line breaks, tabs, direction marks).\nPlease "
               "enter another " +
               what + ".";
    };
    const struct
    {
        CString ProjectPropertiesState::*field;
        const char* what;
        const char* value;
        // The value the saved file holds in its place.
        const char* mark;
        const char* fromFile;
    } cases[] = {
        {&ProjectPropertiesState::serverName, "server name", "HO\x01ST", "SERVERMARK",
         "the server name \"HO\\x01ST\" is refused: it holds control characters"},
        {&ProjectPropertiesState::userId, "user id", "s\na", "USERMARK",
         "the user id \"s\\x0Aa\" is refused: it holds control characters"},
        {&ProjectPropertiesState::password, "password", "p\xE2\x80\xAEw", "PASSWORDMARK",
         "the password is refused: it holds control characters"},
        {&ProjectPropertiesState::manualString, "connection string",
         "Data Source=a\x02"
         "b",
         "CONNECTIONMARK", "the connection string is refused: it holds control characters"},
    };
    const std::string path = (folder.Path() / "Crafted.wvt").string();
    for (const auto& each : cases)
    {
        ProjectProperties properties = Valid();
        properties.SetAuthentication(1);
        if (each.field == &ProjectPropertiesState::manualString)
        {
            properties.SwitchToManual();
            properties.ManualStringChanged(each.value);
        }
        else
            properties.Edit().*each.field = each.value;
        properties.BuildConnectionString();
        EXPECT_FALSE(properties.Apply()) << each.what;
        EXPECT_EQ(boxes.ShownTexts().back(), refusal(each.what));
        EXPECT_EQ(Settings().GetProjectName(), "");

        // The same value put into a saved project by hand.
        ForgeonProject saved;
        saved.InitNewProject();
        saved.GetProjectSettings()->SetServerName("SERVERMARK");
        saved.GetProjectSettings()->SetUserId("USERMARK");
        saved.GetProjectSettings()->SetPassword("PASSWORDMARK");
        saved.GetProjectSettings()->SetConnectionString("CONNECTIONMARK");
        ProjectStore store;
        ASSERT_TRUE(store.ArchiveProject(&saved, path.c_str(), FALSE));
        const std::string mark = std::string(each.what) == "server name" ? "SERVERMARK"
                                 : std::string(each.what) == "user id"   ? "USERMARK"
                                 : std::string(each.what) == "password"  ? "PASSWORDMARK"
                                                                         : "CONNECTIONMARK";
        const StoredStringReads reads(
            [&](const StringSlot&, CString& value)
            {
                if (value == mark.c_str())
                    value = each.value;
            });
        EXPECT_FALSE(store.ArchiveProject(nullptr, path.c_str(), TRUE));
        EXPECT_EQ(boxes.ShownTexts().back(),
                  "Error in archiving\n" + path + ": invalid name in file: " + each.fromFile);
    }
}

TEST_F(ProjectPropertiesTest, AValueIsFoundByItsKeyInAnyCaseAndKeptAsTyped)
{
    const struct
    {
        const char* connection;
        const char* key;
        const char* value;
    } cases[] = {
        {"Data Source=Host;Password=MiXeD;", "PASSWORD", "MiXeD"},
        {"data source = host ; initial catalog=shop", "INITIAL CATALOG", "shop"},
        {"data source = host ; initial catalog=shop", "DATA SOURCE", " host "},
        {"User Id=sa", "USER ID", "sa"},
        {"Password", "PASSWORD", ""},
        {"Initial Catalog=Shop;", "USER ID", ""},
        {"Driver={PostgreSQL Unicode};Server=db;Database=shopdb;Uid=clerk", "DATABASE", "shopdb"},
        {"Driver={PostgreSQL Unicode};Server=db;Database=shopdb", "SERVER", "db"},
        {"Initial Catalog=Shop", "CATALOG", ""},
        {"Password = \"a;b\"\"c\" ; User Id=sa", "PASSWORD", "a;b\"c"},
        {"Password='it''s';User Id=sa", "USER ID", "sa"},
        {"Password='it''s'", "PASSWORD", "it's"},
    };
    for (const auto& each : cases)
        EXPECT_EQ(ProjectProperties::ParseConnectionValue(each.connection, each.key), each.value)
            << each.connection << " / " << each.key;
}

TEST_F(ProjectPropertiesTest, LeavingATypedStringTakesItsCatalogOrItsOdbcDatabase)
{
    const struct
    {
        const char* typed;
        const char* database;
    } cases[] = {
        {"Driver={PostgreSQL Unicode};Server=db;Port=5432;Database=shopdb;Uid=clerk;Pwd=pw;",
         "shopdb"},
        {"Data Source=host;Initial Catalog= orders ;Database=other", "orders"},
        {"Data Source=host;Integrated Security=True", ""},
    };
    for (const auto& each : cases)
    {
        ProjectProperties properties = Dialog();
        properties.SwitchToManual();
        properties.ManualStringChanged(each.typed);
        properties.ManualStringLeft();
        EXPECT_EQ(properties.State().databaseName, each.database) << each.typed;
    }
}

// The offscreen dialog test covers the switches; here the SQL Express suffix of a typed server.
TEST_F(ProjectPropertiesTest, ATypedSqlExpressServerComesBackAsTheServerAndTheEdition)
{
    ProjectProperties properties = Dialog(Servers(true, {"HOST"}));
    properties.SwitchToManual();
    properties.ManualStringChanged(
        "Data Source=host\\sqlexpress;Initial Catalog=orders;User ID=Clerk;Password=PaSs");
    properties.SwitchToAuto();
    EXPECT_EQ(properties.State().serverName, "HOST");
    EXPECT_EQ(properties.State().databaseServer, 1);
    EXPECT_EQ(properties.State().authentication, 1);
    EXPECT_EQ(properties.GetConnectionString(),
              "Data Source =HOST\\SQLEXPRESS; Initial Catalog =orders; User Id =Clerk; Password "
              "=PaSs; ");
}

TEST_F(ProjectPropertiesTest, TheFirstFaultOfTheValuesIsShownAndNothingIsStored)
{
    fs::create_directories(folder.Path() / "Taken");
    const struct
    {
        const char* database;
        const char* name;
        const char* path;
        std::string refusal;
    } cases[] = {
        {"", "Shop", "", "Please enter database name."},
        {"  ", "", "", "Please enter database name."},
        {"Shop\\Data", "", "", kDatabaseCharacters},
        {"Shop:Data", "", "", kDatabaseCharacters},
        {"..\\..\\evil_db", "", "", kDatabaseCharacters},
        {"ShopData", " ", "", "Please enter Project Name"},
        {"ShopData", "Sh\\op", "", kProjectCharacters},
        {"ShopData", "Sh:op", "", kProjectCharacters},
        {"ShopData", "Sh*op", "", kProjectCharacters},
        {"ShopData", "Sh\"op", "",
         "Project name cannot be taken: it holds \", which no folder name holds.\nPlease enter "
         "valid name"},
        {"ShopData", " My Shop ", "", "Please enter Project Name without space/s in between"},
        {"ShopData", "..", "", dotNameRefusal},
        {"ShopData", ".", "", dotNameRefusal},
        {"ShopData", "Con", "", DeviceNameRefusal("Con").GetString()},
        {"ShopData", "lpt1.shop", "", DeviceNameRefusal("lpt1.shop").GetString()},
        {"ShopData", "Shop\u2028Two", "", kProjectCharacters},
        {"Shop\u202EataD", "Shop", "", kDatabaseCharacters},
        {"ShopData", "Shop", "", "Directory name can not be null"},
        {"ShopData", "Shop", "\\\\server\\share\\", kLocation},
        {"ShopData", "Shop", "Projects\\", kLocation},
        {"ShopData", "Shop", "C:\\Pro|jects\\", kLocation},
        {"ShopData", "Shop", "C:\\a\\C:\\", kLocation},
        {"ShopData", "Taken", nullptr, "Directory already exists! Please select another path"},
    };
    for (const auto& each : cases)
    {
        ProjectProperties properties = Dialog();
        properties.Edit().databaseName = each.database;
        properties.Edit().projectName = each.name;
        properties.Edit().projectPath =
            each.path != nullptr ? CString(each.path) : folder.ModelPath() + "\\";
        const std::size_t before = boxes.Shown().size();
        EXPECT_FALSE(properties.Apply()) << each.name;
        ASSERT_EQ(boxes.Shown().size(), before + 1) << each.name;
        EXPECT_EQ(boxes.Shown().back().text, each.refusal) << each.name;
        EXPECT_EQ(Settings().GetDatabaseName(), "");
        EXPECT_EQ(Settings().GetProjectName(), "");
    }
}

TEST_F(ProjectPropertiesTest, ALocationTypedInTheHostsFormIsCheckedAndStoredInTheModelsForm)
{
    fs::create_directories(folder.Path() / "Taken");
    const std::string host = folder.Path().string();
    const struct
    {
        std::string typed;
        const char* name;
        std::string refusal;
    } cases[] = {
        {host + "/", "Shop", ""},
        {" " + host + " ", "Store", ""},
        {host + "/a|b/", "Shop", kLocation},
        {host, "Taken", "Directory already exists! Please select another path"},
        // "\" would become a separator: the project would be written to ".../a/b".
        {" " + host + "/a\\b ", "Shop",
         (host + "/a\\b\nFile and folder names with a \"\\\" cannot be used here. Please enter "
                 "another location.")},
    };
    for (const auto& each : cases)
    {
        ProjectProperties properties = Valid();
        properties.Edit().projectName = each.name;
        properties.Edit().projectPath = each.typed.c_str();
        const std::size_t before = boxes.Shown().size();
        const bool applied = properties.Apply();
        EXPECT_EQ(applied, each.refusal.empty()) << each.typed;
        if (!applied)
        {
            ASSERT_EQ(boxes.Shown().size(), before + 1) << each.typed;
            EXPECT_EQ(boxes.Shown().back().text, each.refusal.c_str()) << each.typed;
            continue;
        }
        EXPECT_EQ(Settings().GetProjectPath(), CString(ToModelPath(host.c_str()).c_str()) + "\\")
            << each.typed;
        EXPECT_TRUE(fs::is_directory(folder.Path() / each.name / each.name)) << each.typed;
    }
    EXPECT_FALSE(fs::exists(folder.Path() / "a")) << "nothing was made for the refused location";
}

TEST_F(ProjectPropertiesTest, OkStoresTheSettingsAndSetsUpTheProjectFolderWithThemeAndLogo)
{
    Write(Bin("KestraneWeavoFiles/includes/JS/Ajax.js"), "support");
    Write(Bin("themes/classic/blue/a.jpg"), "picture");
    Write(Bin("themes/classic/blue/UI/Main.master"), "master");
    Write(Bin("themes/classic/blue/CSS/style.css"), "style");
    Write(folder.Path() / "logo.png", "logo");
    Settings().SetThemeName("");
    ProjectProperties properties = Valid();
    properties.Edit().projectName = " Shop ";
    properties.Edit().databaseServer = 1;
    properties.Edit().visualStudio = 1;
    properties.Edit().logoPath = (folder.Path() / "logo.png").c_str();
    properties.Edit().confirmations = true;
    properties.SetServerName("HOST");
    properties.SetAuthentication(1);
    // A field typed last is in the stored string though it was not left.
    properties.Edit().userId = "sa";

    ASSERT_TRUE(properties.Apply());
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_EQ(Settings().GetProjectName(), "Shop");
    EXPECT_EQ(Settings().GetProjectPath(), folder.ModelPath() + "\\");
    EXPECT_EQ(Settings().GetDatabaseName(), "ShopData");
    EXPECT_EQ(Settings().GetServerName(), "HOST");
    EXPECT_EQ(Settings().GetDateFormat(), "mm/dd/yyyy");
    EXPECT_EQ(Settings().GetVisualStudioVersion(), 3);
    EXPECT_EQ(Settings().GetDatabaseServerEdition(), 1);
    EXPECT_EQ(Settings().GetSqlServerAuthentication(), 1);
    EXPECT_EQ(Settings().GetConnectionString(),
              "Data Source =HOST\\SQLEXPRESS; Initial Catalog =ShopData; User Id =sa; ");
    EXPECT_TRUE(Settings().GetConfirmations());
    EXPECT_EQ(Settings().GetThemeName(), "classic");
    EXPECT_EQ(Settings().GetColorSchemeName(), "blue");
    const fs::path output = folder.Path() / "Shop" / "Shop";
    EXPECT_EQ(Read(output / "includes/JS/Ajax.js"), "support");
    EXPECT_EQ(Read(output / "Themes/UI/Main.master"), "master");
    EXPECT_EQ(Read(output / "includes/CSS/style.css"), "style");
    EXPECT_EQ(Read(output / "includes/images/logo.jpg"), "logo");
    for (const char* made : {"uploadedData", "Themes/UI", "../_modifiedCode"})
        EXPECT_TRUE(fs::is_directory(output / made)) << made;

    // Confirming again without changes keeps the choices and the project's own files.
    Write(output / "includes/CSS/style.css", "the project's own");
    ProjectProperties again(&project, BinFolder(), Servers(true, {}));
    again.Load();
    EXPECT_EQ(again.State().authentication, 1);
    ASSERT_TRUE(again.Apply());
    EXPECT_EQ(Settings().GetSqlServerAuthentication(), 1);
    EXPECT_EQ(Settings().GetServerName(), "HOST");
    EXPECT_EQ(Read(output / "includes/CSS/style.css"), "the project's own");
}

TEST_F(ProjectPropertiesTest, OkNamesWhatItCouldNotCopyAndLeavesNoPartOfAFile)
{
    const std::string big(256 * 1024, 'x');
    Write(Bin("KestraneWeavoFiles/big.js"), big);
    Write(Bin("themes/classic/blue/a.jpg"), "picture");
    Write(Bin("themes/classic/blue/CSS/style.css"), big);
    Write(Bin("themes/classic/blue/UI/Main.master"), "master");
    Write(folder.Path() / "logo.png", big);
    Settings().SetThemeName("");
    ProjectProperties properties = Valid();
    properties.Edit().logoPath = (folder.Path() / "logo.png").c_str();
    {
        const ScopedFileSizeLimit fullDisk(64 * 1024);
        EXPECT_TRUE(properties.Apply());
    }
    const CString output = (folder.Path() / "Shop" / "Shop").c_str();
    const CString expected = "The project folder " + CString(folder.Path().c_str()) +
                             "/Shop/ was not completed.\nThese files could not be written:\n" +
                             output + "/big.js (File too large)\n" + output +
                             "/includes/CSS/style.css (File too large)\n" + output +
                             "/includes/images/logo.jpg (File too large)";
    EXPECT_EQ(Messages(), std::vector<std::string>{expected.GetString()});
    const fs::path written = folder.Path() / "Shop" / "Shop";
    for (const char* missing : {"big.js", "includes/CSS/style.css", "includes/images/logo.jpg"})
        EXPECT_FALSE(fs::exists(written / missing)) << missing;
    EXPECT_EQ(Read(written / "Themes/UI/Main.master"), "master");
}

TEST_F(ProjectPropertiesTest, AProjectNameThatIsNoIdentifierIsWarnedOf)
{
    for (const int answer : {IDCANCEL, IDOK})
    {
        ProjectProperties properties = Valid();
        properties.Edit().projectName = "My-Shop";
        boxes.Answer(answer);
        EXPECT_EQ(properties.Apply(), answer == IDOK);
        EXPECT_EQ(boxes.Shown().back().type, MB_OKCANCEL | MB_ICONWARNING);
        EXPECT_NE(boxes.Shown().back().text.find("\"My-Shop\" is not a C# identifier"),
                  std::string::npos);
        EXPECT_EQ(Settings().GetProjectName(), answer == IDOK ? "My-Shop" : "");
    }
}
} // namespace
