#include "editors/logic/LinkEditors.h"
#include "entities/AspFile.h"
#include "entities/Form.h"
#include "entities/LinkControl.h"
#include "entities/Menu.h"
#include "entities/Variable.h"
#include "gen_web/AspxWriteAll.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ProjectStore.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/editors/consumers/WrittenApplication.h"
#include "tests/editors/logic/DesignedProject.h"
#include "tests/gen_web/GenWebProject.h"
#include "tests/gen_web/PageScript.h"
#include "tests/gen_web/PreparedProjectFolder.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;

// The designed library project with links added through the link dialogs on the publisher form:
// a centred pre-link "Author List" and a right-aligned post-link "Back - to authors" that passes
// the publisher page's first variable to the author page's first one, both opening the author
// form's page through the menu "Authors"; and a link "Show authors" on the form's first control.
struct EditedLinks
{
    explicit EditedLinks(const CString& path) : designed(path, /*databaseKind=*/1)
    {
        Module& base = *designed.project.GetBaseModule();
        publisher = base.FindMasterFormByName("publisher_form");
        author = base.FindMasterFormByName("author_form")->GetAspFileAt(0);
        authors = new Menu;
        authors->SetName("Authors");
        base.GetMenuAt(0)->AddSubMenu(authors);
        authors->SetAspFile(author);
        const ChooseLinkMenu choose = [this](Menu*) { return authors; };

        PageLinkEditor page(*publisher, choose);
        page.Open();
        const auto store = [](LinkEditor& editor, const char* caption, int alignment)
        {
            editor.SelectMenu();
            editor.States().SetText(LinkEditor::IDC_CAPTION, caption);
            editor.States().Select(LinkEditor::IDC_ALIGN, alignment);
            editor.AddOrUpdate();
        };
        store(page, "Author List", LinkControl::Center);
        page.SetPlacement(false);
        store(page, "Back - to authors", LinkControl::Right);
        page.ClickLink(static_cast<int>(page.GetLinkRows().size()) - 1);
        page.SelectMenuVariable(0);
        page.SelectFormVariable(0);
        page.AssignVariable();

        control = publisher->GetFieldReps()[0];
        FieldLinkEditor field(*control, *publisher, choose);
        field.Open();
        store(field, "Show authors", LinkControl::Left);
    }

    DesignedProject designed;
    Form* publisher = nullptr;
    AspFile* author = nullptr;
    Menu* authors = nullptr;
    FieldRep* control = nullptr;
};

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

// The first file below the folder whose name ends with the suffix.
fs::path FindFile(const fs::path& folder, const std::string& suffix)
{
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
        if (entry.path().filename().string().ends_with(suffix))
            return entry.path();
    return {};
}
} // namespace

// Write All writes the links into the publisher pages, their code-behind and designer files;
// the C# compiles and node accepts the pages' scripts.
TEST(EditedLinks, WriteAllWritesTheLinksAndTheOutputCompiles)
{
    ScriptedMessageBoxes boxes;
    TempFolder folder;
    EditedLinks edited(folder.ModelPath());
    const Form& publisher = *edited.publisher;
    ASSERT_EQ(publisher.GetPreLinkList().back()->GetCaption(), "Author List");
    ASSERT_EQ(publisher.GetPostLinkList().back()->GetVariableMaps().size(), 1u);
    ASSERT_EQ(edited.control->GetFieldRepData()->GetLinkControls().size(), 1u);
    EXPECT_TRUE(boxes.Shown().empty());

    const fs::path application = folder.Path() / "Library" / "Library";
    PrepareProjectFolder(edited.designed.project);
    AspxWriteAll writeAll(&edited.designed.project);
    ASSERT_TRUE(writeAll.Run(nullptr)) << writeAll.GetReport().GetText();

    const std::string url = std::string(edited.author->GetRelativeUrl(TRUE, FALSE));
    const std::string file = std::string(edited.author->GetFileName(FALSE));
    const std::string pageName = std::string(publisher.GetAspFileAt(0)->GetFileName(FALSE));
    const fs::path page = FindFile(application, pageName);
    const std::vector<std::string> markup = Lines(ReadHostFile(page));
    const std::vector<std::string> code =
        Lines(ReadHostFile(FindFile(application, pageName + ".cs")));
    const std::vector<std::string> designer =
        Lines(ReadHostFile(FindFile(application, pageName + ".designer.cs")));
    const auto has = [](const std::vector<std::string>& lines, const std::string& line)
    {
        return std::ranges::any_of(lines, [&](const std::string& each)
                                   { return each.find(line) != std::string::npos; });
    };
    for (const std::string& expected :
         {"<td align=\"center\" style = \"width:33%\" class=\"LinkControl\"><asp:HyperLink ID "
          "=\"Author_List\" CssClass= \"Back_LogoutLink\" runat=\"server\" NavigateUrl=\"" +
              url + "\">Author List</asp:HyperLink></td>",
          "&nbsp;&nbsp;<asp:HyperLink ID =\"Back___to_authors\" CssClass= \"Back_LogoutLink\" "
          "runat=\"server\" NavigateUrl=\"" +
              url + "\">Back - to authors</asp:HyperLink></td>",
          std::string("<table align=\"center\" width=\"98%\">"),
          std::string(">Show authors</asp:HyperLink></td>")})
        EXPECT_TRUE(has(markup, expected)) << expected;
    for (const std::string& expected :
         {"this.Author_List.Visible = writer.IsFileAssigned(m_role, \"" + file + "\");",
          "this.Back___to_authors.Visible = writer.IsFileAssigned(m_role, \"" + file + "\");"})
        EXPECT_TRUE(has(code, expected)) << expected;
    for (const char* expected :
         {"protected global::System.Web.UI.WebControls.HyperLink Author_List;",
          "protected global::System.Web.UI.WebControls.HyperLink Back___to_authors;"})
        EXPECT_TRUE(has(designer, expected)) << expected;

    const ToolResult compile =
        CompileWrittenApplication(application, folder.Path() / "Library.dll");
    EXPECT_EQ(0, compile.exitCode) << compile.output;

    const fs::path script = folder.Path() / "publisher.js";
    WriteHostFile(script, PageScript(ReadHostFile(page)));
    const ToolResult check = RunTool("node --check " + ShellQuoted(script));
    EXPECT_EQ(0, check.exitCode) << check.output;
}

// The project with its links saves, loads and saves again to the same bytes.
TEST(EditedLinks, TheProjectRoundTripsToTheSameBytes)
{
    TempFolder folder;
    const std::string first = (folder.Path() / "first.wvt").string();
    const std::string second = (folder.Path() / "second.wvt").string();
    ProjectStore store;
    {
        EditedLinks edited(folder.ModelPath());
        ASSERT_TRUE(store.ArchiveProject(&edited.designed.project, first.c_str(), FALSE));
    }
    ASSERT_TRUE(store.ArchiveProject(nullptr, first.c_str(), TRUE));
    const Form* publisher =
        store.GetProject()->GetBaseModule()->FindMasterFormByName("publisher_form");
    ASSERT_NE(publisher, nullptr);
    ASSERT_FALSE(publisher->GetPostLinkList().empty());
    const LinkControl* back = publisher->GetPostLinkList().back();
    EXPECT_EQ(back->GetCaption(), "Back - to authors");
    EXPECT_EQ(back->GetMenuName(), "Authors");
    EXPECT_EQ(back->GetVariableMaps().size(), 1u);
    ASSERT_TRUE(store.ArchiveProject(store.GetProject(), second.c_str(), FALSE));
    EXPECT_EQ(ReadHostFile(first), ReadHostFile(second));
}
