#include "tests/editors/consumers/EditedUserFunctions.h"
#include "entities/ProcedureFieldInfo.h"
#include "model/ProjectStore.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/editors/consumers/WrittenApplication.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;
} // namespace

// The registered function is called by the author page, and the page, the data classes and the
// edited class file compile together.
TEST(EditedUserFunctions, ThePageCallsTheRegisteredFunctionAndCompiles)
{
    ScriptedMessageBoxes boxes;
    TempFolder folder;
    EditedUserFunctions edited(folder.ModelPath(), folder.Path());
    ASSERT_TRUE(edited.written);
    EXPECT_EQ(edited.methods_offered,
              (std::vector<CString>{"HandlePreAdd", "HandlePostAdd", "HandlePreUpdate",
                                    "HandlePostUpdate", "HandlePreDelete", "HandlePostDelete",
                                    "AuthorsOf", "AuthorsOf"}));
    EXPECT_EQ(edited.shownParameters, 1u);
    ASSERT_NE(edited.function->GetClass(), nullptr);
    int registered = 0;
    for (const Function* each : edited.function->GetClass()->GetFunctions())
        registered += each->GetFieldName() == "AuthorsOf" ? 1 : 0;
    EXPECT_EQ(registered, 1);
    EXPECT_EQ(edited.function->GetParameters().size(), 1u);
    EXPECT_FALSE(edited.function->GetOutputFields().empty());
    const ClassInvokation* call = edited.combo->GetFieldRepData()->GetDataCall();
    ASSERT_NE(call, nullptr);
    EXPECT_EQ(call->GetFunction(), edited.function);
    EXPECT_EQ(call->GetParameterMaps().size(), 1u);
    EXPECT_TRUE(boxes.Shown().empty());

    AspxWriteAll writeAll(&edited.designed.project);
    ASSERT_TRUE(writeAll.Run(nullptr)) << writeAll.GetReport().GetText();
    std::string code;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(edited.application))
        if (entry.path().filename().string().ends_with(".aspx.cs") &&
            entry.path().filename().string().find("author") != std::string::npos)
            code += ReadHostFile(entry.path());
    EXPECT_NE(code.find("m_author.AuthorsOf(name)"), std::string::npos);
    EXPECT_NE(code.find("name = this.Request.Params[\"publisher_id\"];"), std::string::npos);

    const ToolResult compile =
        CompileWrittenApplication(edited.application, folder.Path() / "Library.dll");
    EXPECT_EQ(0, compile.exitCode) << compile.output;
}

// The project with its user function and data call saves, loads and saves again to the same
// bytes.
TEST(EditedUserFunctions, TheProjectRoundTripsToTheSameBytes)
{
    ScriptedMessageBoxes boxes;
    TempFolder folder;
    const std::string first = (folder.Path() / "first.wvt").string();
    const std::string second = (folder.Path() / "second.wvt").string();
    ProjectStore store;
    {
        EditedUserFunctions edited(folder.ModelPath(), folder.Path());
        ASSERT_TRUE(store.ArchiveProject(&edited.designed.project, first.c_str(), FALSE));
    }
    ASSERT_TRUE(store.ArchiveProject(nullptr, first.c_str(), TRUE));
    const Form* page = store.GetProject()->GetBaseModule()->FindMasterFormByName("author_form");
    ASSERT_NE(page, nullptr);
    bool called = false;
    for (const FieldRep* each : page->GetFieldReps())
        called = called || (each->GetFieldRepData()->GetDataCall() != nullptr &&
                            each->GetFieldRepData()->GetDataCall()->GetFunction() != nullptr &&
                            each->GetFieldRepData()->GetDataCall()->GetFunction()->GetFieldName() ==
                                "AuthorsOf");
    EXPECT_TRUE(called);
    ASSERT_TRUE(store.ArchiveProject(store.GetProject(), second.c_str(), FALSE));
    EXPECT_EQ(ReadHostFile(first), ReadHostFile(second));
}
