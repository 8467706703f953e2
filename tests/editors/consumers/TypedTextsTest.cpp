// Texts typed as a user types them, with markup, quotes, line ends beyond ASCII and direction
// marks: both Write Alls write them as text that the consumers of their files take.
#include "editors/logic/ControlPropertiesEditor.h"
#include "editors/logic/TableDesigner.h"
#include "entities/Form.h"
#include "gen_classic/AspWriteAll.h"
#include "gen_web/AspxWriteAll.h"
#include "model/FieldRep.h"
#include "model/ProjectDiagnostics.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/editors/consumers/WrittenApplication.h"
#include "tests/editors/logic/DesignedProject.h"
#include "tests/gen_classic/ClassicApplication.h"
#include "tests/gen_classic/ClassicGolden.h"
#include "tests/gen_classic/PageCheck.h"
#include "tests/gen_classic/WrittenPages.h"
#include "tests/gen_web/PreparedProjectFolder.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;

const char* const markup = "\"'<>&\\</script><%=7*7%>]]>--x";
const char* const lineEnds = "one\xE2\x80\xA8two\xE2\x80\xA9three\xC2\x85"
                             "four";
const char* const directions = "left\xE2\x80\xAEright\xE2\x81\xA6inner\xE2\x81\xA9";

// The table "Note" typed into the table designer with the texts as display names and made with
// its pages, then the caption of its form's title control typed into the control properties.
void TypeTexts(DesignedProject& designed)
{
    TableDesigner designer(designed.project, designed.host);
    designer.InitialUpdate();
    ControlStates& states = designer.States();
    designer.LoadTable(nullptr, Table::masterKind);
    for (const auto& [name, shown] :
         {std::pair{"title", markup}, std::pair{"body", lineEnds}, std::pair{"mood", directions}})
    {
        states.SetText(TableDesigner::IDC_FIELD_NAME, name);
        states.SetText(TableDesigner::IDC_DISPLAY_NAME, shown);
        designer.ChooseType(4);
        designer.AddOrUpdate(true);
    }
    states.SetText(TableDesigner::IDC_TABLE_NAME, "Note");
    designer.Ok(true);
    Form* form = designed.project.GetBaseModule()->FindMasterFormByName("note_form");
    ASSERT_NE(nullptr, form);
    FieldRep* title = form->FindFieldRepByFieldName("title");
    ASSERT_NE(nullptr, title);
    ControlPropertiesEditor editor(*form, *title);
    editor.Load();
    editor.caption = CString(markup) + lineEnds;
    ASSERT_TRUE(editor.WriteBack());
}

} // namespace

TEST(TypedTexts, BothWriteAllsWriteTheTypedTextsAsText)
{
    ScriptedMessageBoxes boxes;
    TempFolder folder;
    DesignedProject designed(folder.ModelPath(), /*databaseKind=*/1);
    TypeTexts(designed);
    ASSERT_FALSE(testing::Test::HasFatalFailure());
    EXPECT_EQ(std::vector<std::string>{}, boxes.ShownTexts());

    PrepareProjectFolder(designed.project);
    AspxWriteAll aspNet(&designed.project);
    ASSERT_TRUE(aspNet.Run(nullptr)) << aspNet.GetReport().GetText();
    const fs::path application = folder.Path() / "Library" / "Library";
    const ToolResult compile =
        CompileWrittenApplication(application, folder.Path() / "Library.dll");
    EXPECT_EQ(0, compile.exitCode) << compile.output;
    ExpectPayloadIsNoMarkup(application);
    EXPECT_TRUE(IsWritten(application, "7*7"));
    const ToolResult scripts = ParseScripts(WrittenScripts(application), folder.Path() / "js");
    EXPECT_EQ(0, scripts.exitCode) << scripts.output;
    EXPECT_TRUE(IsWritten(application, "\\u2028two\\u2029three\\u0085four"));

    TheProjectDiagnostics().ClearErrorsAndWarnings();
    ClassicAnswers answers;
    AspWriteAll classic(&designed.project, nullptr, answers);
    classic.SetWriteErrorsLogPath(folder.ModelPath("ForgeonWriteErrors.txt"));
    ASSERT_TRUE(classic.Run(nullptr)) << classic.GetReport().GetText();
    fs::copy(ClassicData("_system"), folder.Path() / "_system",
             fs::copy_options::recursive | fs::copy_options::skip_existing);
    for (const auto& entry : fs::recursive_directory_iterator(folder.Path() / "BaseModule"))
    {
        if (entry.path().extension() == ".asp")
        {
            EXPECT_EQ("", Joined(CheckPageFile(entry.path()))) << entry.path();
        }
    }
    ExpectPayloadIsNoMarkup(folder.Path() / "BaseModule");
    EXPECT_TRUE(IsWritten(folder.Path() / "BaseModule", "7*7"));
}
