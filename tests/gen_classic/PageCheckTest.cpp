#include "tests/gen_classic/PageCheck.h"
#include "gen_classic/ClassicText.h"
#include "model/GenerationReport.h"
#include "tests/gen_classic/ClassicGolden.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace
{
TEST(PageCheckTest, FindsTheFaultsOfPagesAndPassesGoodOnes)
{
    struct Case
    {
        const char* page;
        // The start of the one problem expected; null for a good page.
        const char* problem;
    };
    const Case cases[] = {
        {"<html><% If a Then %>x<% ElseIf b Then %>y<% Else %>z<% End If %></html>", nullptr},
        {"<% if a then b = 1 %><% IF c THEN d = 2 ELSE d = 3 %>", nullptr},
        {"<%\nFor i = 1 To 3\n  While x\n  Wend\nNext\nDo While y\nLoop\n%>", nullptr},
        {"<%\nPublic Function F()\n F = 1 : Exit Function\nEnd Function\nSub S()\nEnd Sub\n%>",
         nullptr},
        {"<%\nSelect Case x\nCase 1\nCase Else\nEnd Select\nWith o\nEnd With\n%>", nullptr},
        {"<%\ns = \"a \"\"If\"\" b\" ' If x Then\nRem End If\n%>", nullptr},
        {"<%\nIf a _\n  Then\nq = \"%\" & _\n  \"x\"\nEnd If\n%>", nullptr},
        {"<%= Server.HTMLEncode(v) %><%@ LANGUAGE = \"VBScript\" %>", nullptr},
        {"<% x = 1 %><% y = 2", "line 1: <% without %>"},
        {"a %> b", "line 1: %> without <%"},
        {"<% x = <% y %>", "line 1: <% inside a block"},
        {"<%\n\nIf a Then\n%>", "line 3: If is never closed"},
        {"<% End If %>", "line 1: End If outside If"},
        {"<% For i = 1 To 2 %><% End If %><% Next %>", "line 1: End If outside If (innermost"},
        {"<% Function F() %><% End Sub %><% End Function %>", "line 1: End Sub outside Sub"},
        {"<%\nx = \"open\n%>", "line 2: string not closed"},
        {"<p><%= \"a\" & \"open\nline %>", "line 1: string not closed"},
        {"<% If a b %>", "line 1: If without Then"},
        {"<% Case 1 %>", "line 1: Case outside Select"},
        {"<% Loop %>", "line 1: Loop outside Do"},
        {"<% End Frob %>", "line 1: End frob closes nothing known"},
    };
    for (const Case& c : cases)
    {
        const std::vector<std::string> problems = ScriptProblems(c.page);
        if (c.problem == nullptr)
        {
            EXPECT_TRUE(problems.empty()) << c.page << "\n" << Joined(problems);
            continue;
        }
        ASSERT_EQ(1u, problems.size()) << c.page << "\n" << Joined(problems);
        EXPECT_EQ(0u, problems[0].find(c.problem)) << c.page << "\n" << problems[0];
    }
}

TEST(PageCheckTest, ResolvesIncludesFromThePageFolder)
{
    TempFolder root("WeavoPageCheck");
    std::filesystem::create_directories(root.Path() / "_system" / "includes");
    std::filesystem::create_directories(root.Path() / "Module");
    std::ofstream(root.Path() / "_system" / "includes" / "functions.asp") << "<% %>";
    const auto page = root.Path() / "Module" / "page.asp";
    std::ofstream(page) << "<!-- #include file = \"../_system/includes/functions.asp\"-->\n"
                           "<!-- #INCLUDE FILE=\"../_system/includes/missing.asp\" -->\n"
                           "<!-- #include file = \"../_system/includes\"-->\n<% If a Then %>";
    const std::vector<std::string> problems = CheckPageFile(page);
    ASSERT_EQ(3u, problems.size()) << Joined(problems);
    EXPECT_EQ("line 4: If is never closed", problems[0]);
    EXPECT_EQ(0u, problems[1].find("include ../_system/includes/missing.asp does not resolve"));
    EXPECT_EQ(0u, problems[2].find("include ../_system/includes does not resolve"));
    EXPECT_EQ(std::vector<std::string>{"cannot read " + (root.Path() / "none.asp").string()},
              CheckPageFile(root.Path() / "none.asp"));
}

TEST(PageCheckTest, TakesTheScriptElementsWithTheirServerBlocksNeutral)
{
    const std::string page = "<script language=javascript >\nvar a = '<%=x%>';\nvar b = <% y %>;\n"
                             "</script><p><SCRIPT src=\"a.js\"></SCRIPT>";
    EXPECT_EQ((std::vector<std::string>{"\nvar a = '0';\nvar b = 0;\n", ""}), PageScripts(page));
}

// A VBScript literal keeps every text inside its block; the page that a line break breaks is not
// written, and the report names the line, the page that passes is.
TEST(PageCheckTest, TheWriteAllWritesOnlyPagesThatPassAndNamesTheOthers)
{
    for (const char* text : {"a \"b\" %> <% c", "x\ty"})
    {
        const std::string page = "<% s = \"" + VbsLiteral(text).str() + "\" %>";
        EXPECT_EQ("", Joined(ScriptProblems(page))) << page;
    }
    EXPECT_EQ("a \"\"b\"\" %\" & \"> <\" & \"% c", VbsLiteral("a \"b\" %> <% c").str());
    TempFolder root("WeavoPageCheck");
    GenerationReport report;
    report.SetOutputRoot(root.ModelPath());
    const CString good = root.ModelPath("good.asp");
    const CString broken = root.ModelPath("broken.asp");
    EXPECT_TRUE(SaveClassicPage(good, "<p>\n<% s = \"one\" %>\n", report));
    EXPECT_FALSE(SaveClassicPage(
        broken, "<p>\n<%\n\tsInfo = \"Please enter " + VbsLiteral("first\nsecond") + "\"\n%>\n",
        report));
    EXPECT_TRUE(std::filesystem::exists(root.Path() / "good.asp"));
    EXPECT_FALSE(std::filesystem::exists(root.Path() / "broken.asp"));
    ASSERT_EQ(1u, report.GetUnwrittenFiles().size());
    EXPECT_EQ("the page check refuses it: line 3: string not closed: sInfo = \"Please enter first",
              report.GetUnwrittenFiles()[0].reason.str());
}
} // namespace
