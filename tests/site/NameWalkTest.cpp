// Every string a rich project file stores, replaced in turn by each name payload: the file door
// refuses it with a message, or a Write All names what it leaves unwritten, or every file the
// Write All writes is taken by the consumer that reads it (mcs, node, xmllint, the solution and
// project files and the pages' Inherits read back, psql, the classic page check).
//
// One test a fixture and Write All, each its own ctest entry. A string is the first string of
// its place in the file (its slot: the class of the record and the string's place in it) that
// holds text. A consumer reads only what no earlier case of the run gave it byte for byte: the
// same bytes were taken or refused already. mcs compiles the C# of a case whose C# files differ
// from every earlier case's, at most WEAVO_NAME_WALK_COMPILES times a test (all when unset);
// the cases it leaves are counted. WEAVO_NAME_WALK_SAMPLE=k takes a fixed sample: the case of
// the i-th slot with the j-th payload runs when i + j is a multiple of k, so that each slot
// meets every k-th payload and each payload every k-th slot.
#include "database/PgSqlScriptWriter.h"
#include "gen_classic/AspWriteAll.h"
#include "gen_web/AspxWriteAll.h"
#include "model/GenerationReport.h"
#include "model/ProjectSettings.h"
#include "model/ProjectStore.h"
#include "model/VersionHistory.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "platform/core/TextBytes.h"
#include "tests/editors/consumers/WrittenApplication.h"
#include "tests/gen_classic/ClassicApplication.h"
#include "tests/gen_classic/ClassicGolden.h"
#include "tests/gen_classic/PageCheck.h"
#include "tests/gen_classic/WrittenPages.h"
#include "tests/gen_web/PreparedProjectFolder.h"
#include "tests/gen_web/ToolRun.h"
#include "tests/site/GeneratedSite.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"
#include "tests/support/StoredStrings.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

#ifndef WEAVO_TEST_DATA
#error "WEAVO_TEST_DATA names the folder of the test data"
#endif

namespace
{
namespace fs = std::filesystem;

// A name the doors may meet: the payload made of the string it replaces and of the other
// strings of its slot.
struct NamePayload
{
    const char* what;
    std::function<std::string(const std::string& value, const std::string& other)> make;
};

std::string Flipped(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::isupper(static_cast<unsigned char>(c))
                                  ? std::tolower(static_cast<unsigned char>(c))
                                  : std::toupper(static_cast<unsigned char>(c)));
    return text;
}

const std::vector<NamePayload>& NamePayloads()
{
    static const std::vector<NamePayload> payloads = {
        {"a double quote", [](const std::string&, const std::string&) { return "q\"x"; }},
        {"an apostrophe", [](const std::string&, const std::string&) { return "o'k"; }},
        {"markup", [](const std::string&, const std::string&) { return "<b>x&amp;</b>"; }},
        {"comment openers", [](const std::string&, const std::string&) { return "a--b/*c"; }},
        {"a line separator",
         [](const std::string&, const std::string&) { return "Qz\xE2\x80\xA8Wz"; }},
        {"a C# keyword", [](const std::string&, const std::string&) { return "event"; }},
        {"a leading digit", [](const std::string&, const std::string&) { return "1st"; }},
        {"a case-only twin", [](const std::string& value, const std::string& other)
         { return Flipped(other.empty() ? value : other); }},
        {"a long name",
         [](const std::string&, const std::string&) { return std::string(300, 'n'); }},
        {"a hyphen and signs above ASCII", [](const std::string&, const std::string&)
         { return "c_1-x\xE2\x82\xAC\xC2\xAB\xC2\xA0y"; }},
        {"a blank", [](const std::string&, const std::string&) { return "a b"; }},
        {"a path", [](const std::string&, const std::string&) { return "..\\x/y"; }},
    };
    return payloads;
}

std::vector<BYTE> BytesOfFile(const fs::path& path)
{
    const std::string text = ReadHostFile(path);
    return {text.begin(), text.end()};
}

// The tests' classic application, made for the pages of the output kind, as a file.
class WalkedClassicApplication : public ClassicApplication
{
public:
    explicit WalkedClassicApplication(int outputKind) : ClassicApplication(outputKind) {}
    std::vector<BYTE> File() const { return SaveObject(&m_project); }
};

enum class WriteAllKind
{
    aspNet,
    classic,
};

struct WalkParameter
{
    const char* fixture;
    WriteAllKind kind;
};

std::vector<BYTE> FixtureFile(const WalkParameter& parameter)
{
    const std::string fixture = parameter.fixture;
    if (fixture == "report_feeding")
        return BytesOfFile(fs::path(WEAVO_TEST_DATA) / "model" / "report-feeding.wvt");
    if (fixture == "every_class")
        return BytesOfFile(fs::path(WEAVO_TEST_DATA) / "fuzz" / "seeds" / "every-class.wvt");
    return WalkedClassicApplication(parameter.kind == WriteAllKind::classic ? 0 : 1).File();
}

// One string of the file: its slot and its place among the strings of that slot.
struct WalkedString
{
    StringSlot slot;
    std::size_t ordinal = 0;
    std::string value;
    // Another string of the slot, for a twin; empty when the slot has one.
    std::string other;
};

// The first string of each slot that holds text (the first of the slot when none does), in the
// order the load reads them.
std::vector<WalkedString> WalkedStrings(const std::vector<StoredString>& strings)
{
    std::map<StringSlot, std::vector<std::string>> bySlot;
    std::vector<StringSlot> order;
    for (const StoredString& string : strings)
    {
        auto& values = bySlot[string.slot];
        if (values.empty())
            order.push_back(string.slot);
        values.push_back(string.value);
    }
    std::vector<WalkedString> walked;
    for (const StringSlot& slot : order)
    {
        const std::vector<std::string>& values = bySlot[slot];
        std::size_t chosen = 0;
        while (chosen < values.size() && values[chosen].empty())
            ++chosen;
        if (chosen == values.size())
            chosen = 0;
        std::string other;
        for (std::size_t i = 0; i < values.size(); ++i)
            if (i != chosen && !values[i].empty() && values[i] != values[chosen])
            {
                other = values[i];
                break;
            }
        walked.push_back({slot, chosen, values[chosen], other});
    }
    return walked;
}

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The files a run wrote that a consumer reads, gathered over the cases, each text once, with the
// case that first wrote it.
class ConsumerBatch
{
public:
    ConsumerBatch(fs::path folder, std::string extension)
        : m_folder(std::move(folder)), m_extension(std::move(extension))
    {
        fs::create_directories(m_folder);
    }

    // Keeps the text unless an earlier case gave the same; true when kept.
    bool Add(const std::string& text, const std::string& label)
    {
        ++offered;
        if (!m_seen.insert(text).second)
            return false;
        const fs::path file = m_folder / (std::to_string(m_labels.size()) + m_extension);
        WriteHostFile(file, text);
        m_files += " " + ShellQuoted(file.string());
        m_labels.push_back(label);
        return true;
    }

    std::size_t Kept() const { return m_labels.size(); }
    const std::string& Files() const { return m_files; }

    // The labels of the files the tool's output names.
    std::set<std::string> Named(const std::string& output) const
    {
        std::set<std::string> named;
        const std::regex file(m_folder.string() + "/([0-9]+)" +
                              std::regex_replace(m_extension, std::regex("[.]"), "[.]"));
        for (auto it = std::sregex_iterator(output.begin(), output.end(), file);
             it != std::sregex_iterator(); ++it)
            named.insert(m_labels.at(std::stoul((*it)[1].str())));
        return named;
    }

    std::size_t offered = 0;

private:
    fs::path m_folder;
    std::string m_extension;
    std::unordered_set<std::string> m_seen;
    std::vector<std::string> m_labels;
    std::string m_files;
};

// Each Project line of the solution names its project in quotes and a project file that was
// written beside it; a line that does not read back is a fault.
std::vector<std::string> ReadBackSolution(const fs::path& solution)
{
    std::vector<std::string> faults;
    static const std::regex project(
        R"re(^Project\("\{[0-9A-F-]+\}"\) = "([^"]*)", "([^"]*)", "\{[0-9A-F-]+\}"\r?$)re");
    const std::string text = ReadHostFile(solution);
    std::size_t projects = 0;
    for (std::size_t start = 0; start < text.size();)
    {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end;
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.starts_with("Project("))
            continue;
        ++projects;
        std::smatch found;
        if (!std::regex_match(line, found, project))
        {
            faults.push_back(solution.filename().string() + ": no project line: " + line);
            continue;
        }
        std::string path = found[2].str();
        std::ranges::replace(path, '\\', '/');
        if (!fs::exists(solution.parent_path() / path))
            faults.push_back(solution.filename().string() + ": names no written file: " + path);
    }
    if (projects == 0)
        faults.push_back(solution.filename().string() + ": names no project");
    return faults;
}

// The class a page's directive inherits, as the runtime finds it: its CodeBehind file declares
// it in the namespace named ("@" before a keyword in the code, none in the directive).
std::vector<std::string> ReadBackPageDirective(const fs::path& page, const std::string& markup)
{
    static const std::regex directive(R"re(CodeBehind="([^"]*)" Inherits="([^".]+)\.([^"]+)")re");
    std::smatch found;
    if (!std::regex_search(markup, found, directive))
        return {page.filename().string() + ": no Inherits of a namespace's class"};
    const fs::path code = page.parent_path() / Decoded(found[1].str());
    if (!fs::exists(code))
        return {page.filename().string() + ": its CodeBehind file " + found[1].str() +
                " was not written"};
    const std::string text = ReadHostFile(code);
    if (text.find("namespace " + found[2].str() + "\r") == std::string::npos &&
        text.find("namespace @" + found[2].str() + "\r") == std::string::npos)
        return {page.filename().string() + ": no namespace " + found[2].str() + " in " +
                code.filename().string()};
    const std::regex declared("partial class @?" + found[3].str() + "[ \r]");
    if (!std::regex_search(text, declared))
        return {page.filename().string() + ": no class " + found[3].str() + " in " +
                code.filename().string()};
    return {};
}

// Every Include of the project file names a written file (case aside).
std::vector<std::string> ReadBackProjectFile(const fs::path& projectFile)
{
    std::vector<std::string> faults;
    const std::string text = ReadHostFile(projectFile);
    const std::map<std::string, fs::path> written =
        served_site::WrittenFiles(projectFile.parent_path());
    for (const char* kind : {"Content", "Compile", "None", "EmbeddedResource"})
        for (const std::string& include : served_site::Items(text, kind))
            if (!written.contains(served_site::Lowered(Decoded(include))))
                faults.push_back(std::string(kind) + " " + include + " names no written file");
    return faults;
}

// What the walk of one fixture with one Write All found.
struct WalkCounts
{
    std::size_t cases = 0;
    std::size_t refusedByDoor = 0;
    std::size_t refusedByWriteAll = 0;
    std::size_t written = 0;
    std::size_t compiled = 0;
    std::size_t compilesLeft = 0;
    std::size_t pageDirectives = 0;
    std::size_t solutions = 0;
    std::size_t projectFiles = 0;
    std::size_t pgScripts = 0;
    std::size_t classicPages = 0;
};

class NameWalk : public testing::TestWithParam<WalkParameter>
{
protected:
    NameWalk()
        : m_work("WeavoNameWalk"), m_scripts(m_work.Path() / "scripts", ".js"),
          m_xml(m_work.Path() / "xml", ".xml")
    {
        const std::string limit = Environment("WEAVO_NAME_WALK_COMPILES");
        if (!limit.empty())
            m_compileLimit = std::stoul(limit);
    }

    // Loads the file with the string replaced (none when walked is null), runs the Write All
    // and gives what it wrote to the consumers. The Write All's report of the unchanged file is
    // the baseline (a fixture's pages that a Write All does not write): a run that says success,
    // or reports as much, wrote what its consumers must take; one that reports otherwise named
    // what it did not write.
    void RunCase(const std::vector<BYTE>& file, const WalkedString* walked,
                 const std::string& payload, const std::string& label)
    {
        ++m_counts.cases;
        ScriptedMessageBoxes boxes;
        ProjectStore store;
        const ScopedOpenProject open(store);
        bool loaded = false;
        {
            std::size_t seen = 0;
            const StoredStringReads reads(
                [&](const StringSlot& slot, CString& value)
                {
                    if (walked != nullptr && slot == walked->slot && seen++ == walked->ordinal)
                        value = CString(payload);
                });
            loaded = store.RestoreProject(file) != FALSE;
        }
        if (!loaded)
        {
            ++m_counts.refusedByDoor;
            if (boxes.ShownTexts().empty())
                Fault(label, "file door", "refused it without a message");
            return;
        }
        TempFolder temp("WeavoWalked");
        m_caseFolder = temp.Path().string();
        ForgeonProject& project = *store.GetProject();
        project.SetProjectPath(temp.ModelPath());
        CString report = GetParam().kind == WriteAllKind::aspNet ? WriteAspNet(project)
                                                                 : WriteClassic(project, temp);
        // The report names the case's own folder.
        report.Replace(temp.ModelPath(), "<folder>");
        report.Replace(CString(temp.Path().string().c_str()), "<folder>");
        if (walked == nullptr)
            m_baseline = report;
        else if (!report.IsEmpty() && report != m_baseline)
        {
            ++m_counts.refusedByWriteAll;
            return;
        }
        ++m_counts.written;
        if (GetParam().kind == WriteAllKind::aspNet)
            CheckAspNetOutput(project, temp.Path(), label);
        else
            CheckClassicOutput(temp.Path(), label);
        for (const fs::path& script : FilesEndingIn(temp.Path(), {".js"}))
            m_scripts.Add(ReadHostFile(script), label + " " + script.filename().string());
        for (const fs::path& page : FilesEndingIn(temp.Path(), {".aspx", ".master", ".asp"}))
        {
            std::string text = ReadHostFile(page);
            if (m_pages.insert(text).second)
                m_scripts.Add(PageScript(WithServerBlocksAs(text, "0")),
                              label + " " + page.filename().string());
        }
    }

    CString WriteAspNet(ForgeonProject& project)
    {
        ProjectSettings* settings = project.GetProjectSettings();
        settings->SetThemeName("theme1");
        settings->SetColorSchemeName("scheme1");
        settings->SetMasterPageFile("Main.Master");
        PrepareProjectFolder(project);
        AspxWriteAll writeAll(&project);
        const bool written = writeAll.Run(nullptr) != FALSE;
        return written ? CString() : writeAll.GetReport().GetFullText();
    }

    CString WriteClassic(ForgeonProject& project, const TempFolder& temp)
    {
        ClassicAnswers answers;
        AspWriteAll writeAll(&project, nullptr, answers);
        writeAll.SetWriteErrorsLogPath(temp.ModelPath("ForgeonWriteErrors.txt"));
        const bool written = writeAll.Run(nullptr);
        return written ? CString() : writeAll.GetReport().GetFullText();
    }

    void CheckAspNetOutput(ForgeonProject& project, const fs::path& root, const std::string& label)
    {
        for (const fs::path& file :
             FilesEndingIn(root, {".config", ".csproj", ".rdlc", ".xsd", ".xsc", ".xss"}))
            m_xml.Add(ReadHostFile(file), label + " " + file.filename().string());
        for (const fs::path& page : FilesEndingIn(root, {".aspx"}))
        {
            const std::string markup = ReadHostFile(page);
            if (!m_directives.insert(page.string() + "\n" + markup).second)
                continue;
            ++m_counts.pageDirectives;
            for (const std::string& fault : ReadBackPageDirective(page, markup))
                Fault(label, "page directive read back", fault);
        }
        for (const fs::path& solution : FilesEndingIn(root, {".sln"}))
        {
            ++m_counts.solutions;
            for (const std::string& fault : ReadBackSolution(solution))
                Fault(label, "solution read back", fault);
        }
        std::string csharp;
        for (const fs::path& projectFile : FilesEndingIn(root, {".csproj"}))
        {
            ++m_counts.projectFiles;
            for (const std::string& fault : ReadBackProjectFile(projectFile))
                Fault(label, "project file read back", fault);
            const fs::path application = projectFile.parent_path();
            for (const fs::path& source : FilesEndingIn(application, {".cs"}))
                if (source.filename() != "ReportViewerDeclarations.cs")
                    csharp +=
                        source.lexically_relative(root).string() + "\n" + ReadHostFile(source);
            if (m_compiledSources.insert(csharp).second)
            {
                // The compiles spread over the walk: no more than its share of the limit by the
                // cases run so far.
                if (m_counts.compiled >= m_compileLimit ||
                    (m_compileLimit != unlimited &&
                     m_counts.compiled * m_plannedCases >= m_compileLimit * m_counts.cases))
                    ++m_counts.compilesLeft;
                else
                {
                    ++m_counts.compiled;
                    const ToolResult compile = CompileWrittenApplication(
                        application, m_work.Path() / "walked.dll", "169,219,414,162,649,168");
                    if (compile.exitCode != 0)
                        Fault(label, "mcs", compile.output.substr(0, 2000));
                }
            }
        }
        const std::string port = Environment("WEAVO_PG_PORT");
        if (port.empty())
            return;
        fs::create_directories(root / "_system" / "scripts");
        GenerationReport report;
        PgSqlScriptWriter(project, report).Write();
        const fs::path script =
            root / "_system" / "scripts" / "KestraneWeavo_PGSQL_CreateTables.sql";
        if (!report.IsEmpty() || !fs::exists(script))
            return;
        if (!m_pgScripts.insert(ReadHostFile(script)).second)
            return;
        ++m_counts.pgScripts;
        const ToolResult run =
            RunTool("psql -X -q -v ON_ERROR_STOP=1 -h 127.0.0.1 -U postgres -p " + port + " -d " +
                    Environment("WEAVO_PG_DATABASE") + " -c BEGIN -f " + ShellQuoted(script) +
                    " -c ROLLBACK");
        if (run.exitCode != 0)
            Fault(label, "psql", run.output.substr(0, 2000));
    }

    void CheckClassicOutput(const fs::path& root, const std::string& label)
    {
        fs::copy(ClassicData("_system"), root / "_system",
                 fs::copy_options::recursive | fs::copy_options::skip_existing);
        for (const fs::path& page : FilesEndingIn(root, {".asp"}))
        {
            if (!m_classicPages.insert(page.filename().string() + "\n" + ReadHostFile(page)).second)
                continue;
            ++m_counts.classicPages;
            for (const std::string& fault : CheckPageFile(page))
                Fault(label, "page check", page.filename().string() + ": " + fault);
        }
    }

    // node over every new script, xmllint over every new XML file; the unchanged file's first.
    void RunBatches()
    {
        const auto named = [this](const std::set<std::string>& labels, const char* consumer)
        {
            for (const bool unchanged : {true, false})
                for (const std::string& label : labels)
                    if (label.starts_with("unchanged ") == unchanged)
                    {
                        const std::size_t file = label.rfind(' ');
                        Fault(label.substr(0, file), consumer, "refuses " + label.substr(file + 1));
                    }
        };
        if (m_scripts.Kept() > 0)
        {
            const ToolResult parsed = RunTool(
                "node -e " +
                ShellQuoted("const fs = require('fs'), vm = require('vm'); let failed = 0;"
                            "for (const f of process.argv.slice(1)) {"
                            " try { new vm.Script(fs.readFileSync(f, 'utf8'), {filename: f}); }"
                            " catch (e) { console.log(f + ': ' + e.message); failed = 1; } }"
                            "process.exit(failed);") +
                m_scripts.Files());
            const std::set<std::string> labels = m_scripts.Named(parsed.output);
            named(labels, "node");
            if (parsed.exitCode != 0 && labels.empty())
                Fault("node", "node", parsed.output.substr(0, 4000));
        }
        if (m_xml.Kept() > 0)
            named(m_xml.Named(RunTool("xmllint --noout" + m_xml.Files()).output), "xmllint");
    }

    // A consumer's refusal of what the case wrote. One that the unchanged file's run met too is
    // the fixture's own (a user's report definition that the project file lists and the tests
    // do not hold, also under the path a case gives it, a foreign key PostgreSQL cannot build
    // over the fixture's column types): kept once. One of a slot and consumer the list of open
    // faults holds is counted apart.
    void Fault(const std::string& label, const std::string& consumer, std::string text)
    {
        // The case's folder and a script's line number say nothing of the fault.
        for (std::size_t at = text.find(m_caseFolder);
             !m_caseFolder.empty() && at != std::string::npos; at = text.find(m_caseFolder))
            text.replace(at, m_caseFolder.size(), "<folder>");
        if (consumer == "psql" && text.find("ERROR:") != std::string::npos)
            text = text.substr(text.find("ERROR:"));
        text = text.substr(0, text.find('\n'));
        const std::string key = consumer + ": " + text;
        if (label.starts_with("unchanged"))
        {
            if (m_fixtureFaults.insert(key).second)
                std::cout << "the fixture's own: " << key << "\n";
            return;
        }
        if (m_fixtureFaults.contains(key))
            return;
        const std::string slot = label.substr(0, label.find(" #"));
        // The path of a user's own report definition, which the fixture's project file lists.
        if (slot == "RDLCInfo string 0" && consumer == "project file read back")
            return;
        if (OpenFaults().contains({slot, consumer}))
            m_openFaults.push_back(label + ": " + key);
        else
            m_faults.push_back(label + ": " + key);
    }

    // The faults this walk found that are older than it and that no change has mended yet, by
    // slot and consumer: a table's key field renamed in a file (the data class declares its
    // member after the name the table designer gives the key, the PostgreSQL script's foreign
    // keys the same), a table renamed without its key, a field renamed as a case-only twin of
    // another, a role name longer than the roles table's column that the PostgreSQL script
    // inserts, and a table name with "-" and signs above ASCII in the element names of its
    // data set's schema.
    static const std::set<std::pair<std::string, std::string>>& OpenFaults()
    {
        static const std::set<std::pair<std::string, std::string>> open = {
            {"Field string 0", "mcs"},        {"Field string 0", "psql"},
            {"Field string 1", "psql"},       {"Table string 0", "mcs"},
            {"Table string 0", "psql"},       {"Table string 0", "xmllint"},
            {"Designation string 0", "psql"},
        };
        return open;
    }

    TempFolder m_work;
    ConsumerBatch m_scripts;
    ConsumerBatch m_xml;
    std::unordered_set<std::string> m_compiledSources;
    std::unordered_set<std::string> m_pgScripts;
    std::unordered_set<std::string> m_classicPages;
    // The pages whose directives have been read back, by path and text.
    std::unordered_set<std::string> m_directives;
    // The pages whose scripts node has been given.
    std::unordered_set<std::string> m_pages;
    static constexpr std::size_t unlimited = static_cast<std::size_t>(-1);
    std::size_t m_compileLimit = unlimited;
    // The cases the walk will run, for the share of the compiles.
    std::size_t m_plannedCases = 1;
    CString m_baseline;
    WalkCounts m_counts;
    std::vector<std::string> m_faults;
    std::vector<std::string> m_openFaults;
    std::set<std::string> m_fixtureFaults;
    std::string m_caseFolder;
};

TEST_P(NameWalk, EveryStoredStringWithEveryNamePayloadIsRefusedOrWrittenAsItsConsumersTakeIt)
{
    const ScopedArchiveVersion version{CurrentVersion()};
    const std::vector<BYTE> file = FixtureFile(GetParam());
    ASSERT_FALSE(file.empty());
    std::vector<StoredString> strings;
    {
        ScriptedMessageBoxes boxes;
        ProjectStore store;
        strings = ListStoredStrings([&] { ASSERT_TRUE(store.RestoreProject(file)); });
    }
    const std::vector<WalkedString> walked = WalkedStrings(strings);
    RunCase(file, nullptr, "", "unchanged");
    ASSERT_EQ(m_counts.written, 1u) << "the unchanged file is not written";
    // The fixed sample: the payload of each place in the list with the slot's, every sample-th.
    const std::string sampleText = Environment("WEAVO_NAME_WALK_SAMPLE");
    const std::size_t sample = sampleText.empty() ? 1 : std::stoul(sampleText);
    std::size_t left = 0;
    m_plannedCases = 1 + (walked.size() * NamePayloads().size() + sample - 1) / sample;
    for (std::size_t s = 0; s < walked.size(); ++s)
        for (std::size_t p = 0; p < NamePayloads().size(); ++p)
        {
            if ((s + p) % sample != 0)
            {
                ++left;
                continue;
            }
            if (m_counts.cases % 100 == 0)
                std::cerr << m_counts.cases << " of " << m_plannedCases << " cases, "
                          << m_counts.compiled << " compiles\n";
            const WalkedString& each = walked[s];
            const NamePayload& payload = NamePayloads()[p];
            RunCase(file, &each, payload.make(each.value, each.other),
                    each.slot.Describe() + " #" + std::to_string(each.ordinal) + " as " +
                        payload.what);
        }
    RunBatches();
    const std::string summary =
        std::string(GetParam().fixture) + ", " +
        (GetParam().kind == WriteAllKind::aspNet ? "ASP.NET" : "classic") + ": " +
        std::to_string(walked.size()) + " slots of " + std::to_string(strings.size()) +
        " strings, " + std::to_string(m_counts.cases) + " cases (" + std::to_string(left) +
        " left by the sample of 1 in " + std::to_string(sample) +
        "): " + std::to_string(m_counts.refusedByDoor) + " refused by the file door, " +
        std::to_string(m_counts.refusedByWriteAll) + " named by Write All, " +
        std::to_string(m_counts.written) + " written; node read " +
        std::to_string(m_scripts.Kept()) + " of " + std::to_string(m_scripts.offered) +
        " scripts, xmllint " + std::to_string(m_xml.Kept()) + " of " +
        std::to_string(m_xml.offered) + " XML files, mcs " + std::to_string(m_counts.compiled) +
        " compiles (" + std::to_string(m_counts.compilesLeft) + " left), " +
        std::to_string(m_counts.solutions) + " solutions and " +
        std::to_string(m_counts.projectFiles) + " project files and " +
        std::to_string(m_counts.pageDirectives) + " page directives read back, psql " +
        std::to_string(m_counts.pgScripts) + " scripts, the page check " +
        std::to_string(m_counts.classicPages) + " pages";
    RecordProperty("walk", summary);
    std::cout << summary << "\n";
    for (const std::string& fault : m_openFaults)
        std::cout << "open fault: " << fault << "\n";
    std::cout << m_openFaults.size() << " open faults, " << m_fixtureFaults.size()
              << " of the fixture's own\n";
    std::string faults;
    for (const std::string& fault : m_faults)
        faults += fault + "\n";
    EXPECT_EQ("", faults) << summary;
}

INSTANTIATE_TEST_SUITE_P(Fixtures, NameWalk,
                         testing::Values(WalkParameter{"report_feeding", WriteAllKind::aspNet},
                                         WalkParameter{"report_feeding", WriteAllKind::classic},
                                         WalkParameter{"every_class", WriteAllKind::aspNet},
                                         WalkParameter{"every_class", WriteAllKind::classic},
                                         WalkParameter{"classic_application", WriteAllKind::aspNet},
                                         WalkParameter{"classic_application",
                                                       WriteAllKind::classic}),
                         [](const testing::TestParamInfo<WalkParameter>& info)
                         {
                             return std::string(info.param.fixture) +
                                    (info.param.kind == WriteAllKind::aspNet ? "_aspnet"
                                                                             : "_classic");
                         });
} // namespace
