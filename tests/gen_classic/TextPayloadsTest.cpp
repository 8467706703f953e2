// Every text a project file stores, set to each payload the doors take: both Write Alls either
// say what they could not write or write code that its consumers take, with the payload in it as
// text.
#include "entities/ClassInvokation.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/Grid.h"
#include "entities/GridCell.h"
#include "entities/PieChartData.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ReportGroup.h"
#include "entities/Variable.h"
#include "gen_classic/AspWriteAll.h"
#include "gen_classic/ClassicText.h"
#include "gen_web/AspxWriteAll.h"
#include "model/EventRecmpFields.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/FieldVisibility.h"
#include "model/NameUtilities.h"
#include "model/ProjectDiagnostics.h"
#include "model/ProjectSettings.h"
#include "model/ProjectStore.h"
#include "model/VisibilityData.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "platform/core/TextBytes.h"
#include "tests/editors/consumers/WrittenApplication.h"
#include "tests/gen_classic/ClassicApplication.h"
#include "tests/gen_classic/ClassicGolden.h"
#include "tests/gen_classic/PageCheck.h"
#include "tests/gen_classic/WrittenPages.h"
#include "tests/gen_web/PageScript.h"
#include "tests/gen_web/PreparedProjectFolder.h"
#include "tests/gen_web/ToolRun.h"
#include "tests/model/EveryClassProject.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"
#include "tests/support/StoredStrings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;

// What a stored string is to the generators.
enum class SlotUse
{
    // A name of the model: the identifier rules hold for it.
    name,
    // Free text that pages, code and reports show.
    text,
    // A text that the ASP.NET writers also make an identifier of: a link's caption, a dashboard
    // panel's caption. It is shown as text, and the identifier made of it compiles.
    label,
    // A value of a field (a default, a list value, a compared value): text where its field is.
    value,
    // A path, a kind, a piece of SQL, a setting.
    other,
};

// The use of the strings of each stored class by place; the last use stands for every later
// place (the strings of a list).
const std::map<std::string, std::vector<SlotUse>> slotUses = {
    {"ApplicationReport", {SlotUse::name, SlotUse::text, SlotUse::text}},
    {"AspFile", {SlotUse::name, SlotUse::text}},
    {"AspxFile", {SlotUse::name, SlotUse::text}},
    {"Class", {SlotUse::name}},
    // Caption, number prefix, sub-caption, the axes' names, the parameters.
    {"ColumnGraphData",
     {SlotUse::text, SlotUse::text, SlotUse::text, SlotUse::text, SlotUse::text, SlotUse::name}},
    {"DashBoard", {SlotUse::name, SlotUse::text}},
    // Its caption, then the captions of the fields it shows.
    {"DashBoardCellInfo", {SlotUse::label, SlotUse::text}},
    {"DashBoardPage", {SlotUse::name, SlotUse::text}},
    {"DependentData", {SlotUse::name}},
    {"Designation", {SlotUse::name}},
    // Name, default value, display name.
    {"Field", {SlotUse::name, SlotUse::value, SlotUse::text}},
    // Display texts, caption, stored values.
    {"FieldRepData", {SlotUse::text, SlotUse::text, SlotUse::value}},
    // The earliest files' strings and the ignored warnings.
    {"ForgeonProject", {SlotUse::other}},
    {"Form", {SlotUse::name, SlotUse::text}},
    {"Function", {SlotUse::name}},
    // Caption, number prefix, sub-caption.
    {"GraphData", {SlotUse::text}},
    {"LinkControl", {SlotUse::label}},
    {"LoginPage", {SlotUse::name}},
    {"MapForm", {SlotUse::name, SlotUse::text}},
    // The menu's text.
    {"Menu", {SlotUse::text}},
    {"Module", {SlotUse::name}},
    {"MultiPageReport", {SlotUse::name}},
    {"Parameter", {SlotUse::name}},
    // Caption, number prefix, sub-caption, the parameter.
    {"PieChartData", {SlotUse::text, SlotUse::text, SlotUse::text, SlotUse::name}},
    // Name, the text of a hand-written procedure.
    {"Procedure", {SlotUse::name, SlotUse::other}},
    {"ProcedureFieldInfo", {SlotUse::text}},
    // Date format, database name, server, user id, password, connection string, reserved,
    // project path, project name, theme, colour scheme, master page.
    {"ProjectSettings",
     {SlotUse::other, SlotUse::name, SlotUse::text, SlotUse::text, SlotUse::text, SlotUse::other,
      SlotUse::other, SlotUse::other, SlotUse::name, SlotUse::other, SlotUse::other,
      SlotUse::other}},
    // Report path, data set, table adapter, table.
    {"RDLCInfo", {SlotUse::other, SlotUse::name}},
    // Name, header, the columns.
    {"RDLCReport", {SlotUse::name, SlotUse::text, SlotUse::name}},
    {"ReportCollector", {SlotUse::name}},
    // The column's name and its caption, which the name takes.
    {"ReportField", {SlotUse::text}},
    {"ReportGroup", {SlotUse::text}},
    {"Table", {SlotUse::name}},
    // Name, command type, command text, the columns.
    {"TableAdapter", {SlotUse::name, SlotUse::other, SlotUse::other, SlotUse::name}},
    // Name, the titles of its tables.
    {"Transaction", {SlotUse::name, SlotUse::text}},
    {"Variable", {SlotUse::name, SlotUse::value}},
    {"VisibilityData", {SlotUse::value}},
    {"XSDInfo", {SlotUse::other}},
};

// The use of the slot; a slot of a class the table does not know fails the test that lists them.
std::optional<SlotUse> UseOf(const StringSlot& slot)
{
    const auto found = slotUses.find(slot.className);
    if (found == slotUses.end())
        return std::nullopt;
    const std::vector<SlotUse>& uses = found->second;
    return uses[std::min<std::size_t>(slot.position, uses.size() - 1)];
}

std::vector<StoredString> StringsOf(const std::vector<BYTE>& bytes)
{
    return ListStoredStrings(
        [&bytes]
        {
            CMemFile file(bytes);
            CArchive ar(&file, CArchive::load);
            ar.ReadObject(nullptr);
            FreeLoadedObjects(ar);
        });
}

std::vector<BYTE> EveryClassFile()
{
    const EveryClassProject built;
    return SaveObject(built.GetProject());
}

// The value a text field's default, a text variable's value and a list's stored values hold in
// the text project: the slots of values that hold it take the payload.
const char* const valueSeed = "seeded value";
// The value of a number that the text project's pages write as code: the default of the
// customers' key variable, which the update page's recompute block writes, and the key value
// that shows the city; its slots take the payload too.
const char* const numberSeed = "31415";

// The classic application of the tests, with what more a project stores texts in: a pie chart
// and a chart without axes, a dashboard cell that shows a column of the customers under its
// caption, a radio button list, controls shown by a text and by a number, a recompute of the
// key, and the seeded value in every text field's default, every text variable, the radio
// button's stored values and the text that shows a control; the number seed in the key
// variable's default and the number that shows a control.
class TextProject : public ClassicApplication
{
public:
    explicit TextProject(int outputKind) : ClassicApplication(outputKind)
    {
        Module& base = *m_project.GetBaseModule();
        AddChart(base, "pie", 4, new PieChartData);
        AddChart(base, "trend", 0, new GraphData);
        AddDashBoardColumn(base);
        AddSeededControls(base);
        std::vector<Table*> tables;
        base.GetAllTables(tables);
        for (Table* table : tables)
            for (Field* field : table->GetFields())
                if (IsTextSqlType(field->GetTypeCode()) && !field->IsKeyOrDeletedFlag())
                    field->SetDefaultValue(valueSeed);
    }

    std::vector<BYTE> File() const { return SaveObject(&m_project); }

    // A change of the customer's name fills the key again, so that the page reads the key and,
    // unposted, gives it its default. A load takes away event lists without class recomputes,
    // so the recompute is added to the open project.
    static void AddKeyRecompute(ForgeonProject& project)
    {
        Module& base = *project.GetBaseModule();
        Form* form = base.FindMasterFormByName("customer_form");
        Field* key = form->GetTable()->GetPrimaryKeyField();
        auto* call = new ProcedureInvokation;
        call->SetProcedure(base.FindProcedureByName("PRC_customer_SelectRecord"));
        call->AddFieldVariableMap(
            new FieldVariableMap{key, form->FindFieldVariableMapByField(key)->variable});
        auto* onChange = new EventRecmpFields;
        onChange->AddProcedureRecompute(form->FindFieldRepByFieldName("city"), call);
        form->FindFieldRepByFieldName("cname")->GetFieldRepData()->AddEventRecmpFields(onChange);
    }

private:
    void AddChart(Module& base, const char* table, int chartType, GraphData* chart)
    {
        Table* charted = NewTable(table, Table::masterKind, {"label", "amount"});
        base.AddTable(charted);
        TableFormCreator(charted, &m_project).CreateAll();
        ApplicationReport* report = base.FindReportByName(CString(table) + " Report");
        // The chart's data comes from a list procedure of its table, as classic pages need.
        auto* procedure = new Procedure(charted, false);
        procedure->SetName(CString("PRC_") + table + "_List");
        base.AddProcedure(procedure);
        auto* call = new ProcedureInvokation;
        call->SetProcedure(procedure);
        report->GetReportGroups().back()->SetProcedureCall(call);
        report->SetReportKind(3);
        report->SetChartData(chartType, chart);
        chart->SetChartType(chartType);
    }

    void AddSeededControls(Module& base)
    {
        Form* form = base.FindMasterFormByName("customer_form");
        FieldRep* city = form->FindFieldRepByFieldName("city");
        FieldRep* name = form->FindFieldRepByFieldName("cname");
        city->GetFieldRepData()->SetControlKind(FieldRepData::RadioButton);
        city->GetFieldRepData()->SetDisplayTexts("shown");
        city->GetFieldRepData()->SetStoredValues(valueSeed);
        Field* key = form->GetTable()->GetPrimaryKeyField();
        Variable* keyVariable = form->FindFieldVariableMapByField(key)->variable;
        for (AspFile* file : form->GetAspFiles())
        {
            file->AddFieldVisibility(ShownBy(
                *name, form->FindFieldVariableMapByField(city->GetField())->variable, valueSeed));
            file->AddFieldVisibility(ShownBy(*city, keyVariable, numberSeed));
        }
        for (FieldVariableMap* map : form->GetFieldVariableMaps())
            if (map->field != nullptr && IsTextSqlType(map->field->GetTypeCode()) &&
                !map->field->IsKeyOrDeletedFlag())
                map->variable->SetValue(valueSeed);
        keyVariable->SetValue(numberSeed);
    }

    // The control is read-only where the variable equals the value.
    static FieldVisibility* ShownBy(const FieldRep& control, Variable* variable, const char* value)
    {
        auto* data = new VisibilityData;
        data->SetVariable(variable);
        data->AddValue(NewValue(value, FieldVisibility::ReadOnly));
        auto* visibility = new FieldVisibility(control.GetField());
        visibility->SetVisibilityKind(FieldVisibility::DependsOnData);
        visibility->SetVisibilityData(data);
        return visibility;
    }

    void AddDashBoardColumn(Module& base)
    {
        CString customer = "customer";
        Class* customers = m_project.GetClassForTable(base.FindTableByName(customer), false);
        Function* list = customers->FindFunctionByName("SelectAllRecords");
        DashBoard* board = base.GetDashBoards().front();
        auto* call = new ClassInvokation;
        call->SetFunction(customers, list);
        board->SetClassInvokation(call);
        auto* panel = new DashBoardCellInfo(false);
        panel->AddDisplayField(list->GetOutputFields().front(), "shown");
        GridCell* cell = board->GetGrid()->GetCellAt(0, 0);
        cell->Clear();
        cell->SetCellData(panel, GridCell::kDashBoardCellInfo);
    }
};
} // namespace

TEST(TextPayloadsTest, EveryStoredStringHasAUseAndTheTextProjectsHoldEveryText)
{
    const ScopedArchiveVersion version{CurrentVersion()};
    const std::set<StringSlot> every = SlotsOf(StringsOf(EveryClassFile()));
    std::set<StringSlot> held;
    for (const int outputKind : {0, 1})
    {
        const std::set<StringSlot> slots = SlotsOf(StringsOf(TextProject(outputKind).File()));
        held.insert(slots.begin(), slots.end());
    }
    for (const StringSlot& slot : every)
    {
        const std::optional<SlotUse> use = UseOf(slot);
        EXPECT_TRUE(use.has_value()) << slot.Describe() << " has no use";
        if (use == SlotUse::text || use == SlotUse::label || use == SlotUse::value)
        {
            EXPECT_TRUE(held.contains(slot)) << slot.Describe() << " is not in the text project";
        }
    }
    for (const StringSlot& slot : held)
        EXPECT_TRUE(UseOf(slot).has_value()) << slot.Describe() << " has no use";
}

namespace
{
// A text the doors may take, and what of it shows in the output of a Write All that writes it:
// the part that every escaping leaves as it is.
struct Payload
{
    const char* what;
    std::string text;
    std::string shown;
};

const Payload payloads[] = {
    {"markup, script and code characters", "\"'<>&\\</script><%=7*7%>]]>--x", "7*7"},
    {"line ends beyond ASCII",
     "Qz\xE2\x80\xA8Wz\xE2\x80\xA9"
     "Ez\xC2\x85Rz",
     "Rz"},
    {"a line break", "Qz\nWz", "Wz"},
    {"bidirectional controls",
     "Qz\xE2\x80\xAEWz\xE2\x81\xA6"
     "Ez\xE2\x81\xA9\xE2\x80\x8FRz",
     "Rz"},
    {"3,000 characters", std::string(3000, 'q') + "Wz", std::string(3000, 'q') + "Wz"},
    // Written bare into a condition or an assignment, it runs: the page check then finds an If
    // it does not balance.
    {"VBScript code", "1 Then Response.Write(7*7) : If 1", "Response.Write(7*7) : If 1"},
};

// Puts the payload into the slots while it lives: every instance of a text slot, and those of a
// value slot that hold the seeded value. A label, of which the ASP.NET pages make an id, is
// numbered first, so that two links of one page keep ids of their own.
class PayloadReads
{
public:
    PayloadReads(const std::set<StringSlot>& slots, const std::string& payload)
        : m_reads(
              [this, &slots, &payload](const StringSlot& slot, CString& value)
              {
                  if (!slots.contains(slot))
                      return;
                  const std::optional<SlotUse> use = UseOf(slot);
                  if (use == SlotUse::label)
                      value = CString(std::to_string(++m_labels) + payload);
                  else if (use != SlotUse::value || value == valueSeed || value == numberSeed)
                      value = CString(payload);
              })
    {
    }

private:
    int m_labels = 0;
    StoredStringReads m_reads;
};

// Opens the file as the open project of the store with the payload in the slots; false when
// the file door refuses it.
bool OpenWithPayload(ProjectStore& store, const std::vector<BYTE>& file,
                     const std::set<StringSlot>& slots, const std::string& payload)
{
    const PayloadReads reads(slots, payload);
    return store.RestoreProject(file) != FALSE;
}

// The slots of the file of the uses given whose payload the file door takes, one by one; those
// it refuses are named in the refusals.
std::set<StringSlot> TakenSlots(const std::vector<BYTE>& file, const std::set<SlotUse>& uses,
                                const std::string& payload, std::vector<std::string>& refusals)
{
    std::set<StringSlot> taken;
    for (const StringSlot& slot : SlotsOf(StringsOf(file)))
    {
        const std::optional<SlotUse> use = UseOf(slot);
        if (!use.has_value() || !uses.contains(*use))
            continue;
        const ScriptedMessageBoxes boxes;
        ProjectStore store;
        if (OpenWithPayload(store, file, {slot}, payload))
            taken.insert(slot);
        else
            refusals.push_back(slot.Describe());
    }
    return taken;
}

std::string Lines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

// The ASP.NET Write All of the open project into its path, then mcs, xmllint and node on what
// it wrote.
void WriteAspNetAndCheck(ForgeonProject& project, const TempFolder& temp, const Payload& payload)
{
    PrepareProjectFolder(project);
    AspxWriteAll writeAll(&project);
    ASSERT_TRUE(writeAll.Run(nullptr)) << writeAll.GetReport().GetText();
    const fs::path application = temp.Path() / "Shop" / "Shop";
    const ToolResult compile = CompileWrittenApplication(application, temp.Path() / "Shop.dll",
                                                         /*allowedWarnings=*/"169,219,414,162");
    EXPECT_EQ(0, compile.exitCode) << compile.output;
    std::string xml;
    for (const fs::path& file :
         FilesEndingIn(application, {".config", ".csproj", ".rdlc", ".xsd", ".xsc", ".xss"}))
        xml += " " + ShellQuoted(file.string());
    const ToolResult lint = RunTool("xmllint --noout" + xml);
    EXPECT_EQ(0, lint.exitCode) << lint.output;
    const ToolResult scripts = ParseScripts(WrittenScripts(application), temp.Path() / "scripts");
    EXPECT_EQ(0, scripts.exitCode) << scripts.output;
    ExpectPayloadIsNoMarkup(application);
    EXPECT_TRUE(IsWritten(application, payload.shown));
}

// The classic Write All of the open project into its path. The key's default, which no payload
// is a number of, leaves the update page that writes it unwritten and named, and nothing else;
// a payload with a line break, which no VBScript string takes, leaves the pages it would break
// unwritten and named. Otherwise the page check and node pass what it wrote, with the shared
// files beside the pages.
void WriteClassicAndCheck(ForgeonProject& project, const TempFolder& temp, const Payload& payload)
{
    TheProjectDiagnostics().ClearErrorsAndWarnings();
    ClassicAnswers answers;
    AspWriteAll writeAll(&project, nullptr, answers);
    writeAll.SetWriteErrorsLogPath(temp.ModelPath("ForgeonWriteErrors.txt"));
    EXPECT_FALSE(writeAll.Run(nullptr));
    const std::string report = writeAll.GetReport().GetFullText().str();
    // The update page and its report variant read the key.
    for (const char* page : {"customer_form_upd.asp", "customer_form_updReport.asp"})
        EXPECT_NE(std::string::npos,
                  report.find(std::string(page) + " (the default value \"" +
                              PrintableBytes(payload.text) +
                              "\" of variable \"customer_id\" is not written: it is no whole "
                              "number of int; correct it in Manage Variables)"))
            << report;
    if (payload.text.find('\n') != std::string::npos)
    {
        EXPECT_NE(std::string::npos, report.find("(the page check refuses it: line ")) << report;
        EXPECT_NE(std::string::npos, report.find(": string not closed: ")) << report;
        return;
    }
    EXPECT_EQ(2, Count(report, "\n")) << answers.shown << "\n" << report;
    const fs::path root = temp.Path();
    fs::copy(ClassicData("_system"), root / "_system",
             fs::copy_options::recursive | fs::copy_options::skip_existing);
    for (const fs::path& page : FilesEndingIn(root, {".asp"}))
        EXPECT_EQ("", Lines(CheckPageFile(page))) << page;
    const ToolResult scripts = ParseScripts(WrittenScripts(root), root / "scripts");
    EXPECT_EQ(0, scripts.exitCode) << scripts.output;
    ExpectPayloadIsNoMarkup(root);
    EXPECT_TRUE(IsWritten(root, payload.shown));
}
} // namespace

// The doors take the payloads without control characters in every text; with both Write Alls
// they then show as text.
TEST(TextPayloadsTest, EveryTextTheDoorsTakeIsWrittenAsTextByBothWriteAlls)
{
    const ScopedArchiveVersion version{CurrentVersion()};
    for (const int outputKind : {1, 0})
    {
        const std::vector<BYTE> file = TextProject(outputKind).File();
        const std::set<SlotUse> uses{SlotUse::text, SlotUse::label, SlotUse::value};
        for (const Payload& payload : payloads)
        {
            SCOPED_TRACE(std::string(outputKind == 0 ? "classic, " : "ASP.NET, ") + payload.what);
            std::vector<std::string> refusals;
            const std::set<StringSlot> taken = TakenSlots(file, uses, payload.text, refusals);
            // A field's default holding special characters is refused, as the table designer
            // refuses it; every other text without control characters is taken.
            if (!HasControlCharacter(payload.text))
            {
                const bool defaultRefused = !RefuseDefaultValue(payload.text.c_str()).IsEmpty();
                EXPECT_EQ(defaultRefused ? "Field string 1\n" : "", Lines(refusals));
            }
            ScriptedMessageBoxes boxes;
            ProjectStore store;
            const ScopedOpenProject open(store);
            ASSERT_TRUE(OpenWithPayload(store, file, taken, payload.text));
            TempFolder temp("WeavoTexts");
            store.GetProject()->SetProjectPath(temp.ModelPath());
            if (outputKind == 0)
            {
                TextProject::AddKeyRecompute(*store.GetProject());
                WriteClassicAndCheck(*store.GetProject(), temp, payload);
            }
            else
                WriteAspNetAndCheck(*store.GetProject(), temp, payload);
        }
    }
}
