#include "ControlHost.h"

#include "platform/ui/WebBrowser2.h"
#include "tests/support/TempFolder.h"

#include <QTextBrowser>

#include <gtest/gtest.h>

#include <fstream>
#include <utility>

namespace
{
constexpr int IDC_BROWSER = 3601;

// A page file "<name>.html" in the folder with the paragraph.
void WritePage(const TempFolder& folder, const char* name, const char* paragraph)
{
    std::ofstream(folder.Path() / (std::string(name) + ".html"))
        << "<html><body><p>" << paragraph << "</p></body></html>";
}
} // namespace

TEST(WebBrowser2Test, NavigateShowsTheFileThroughAReplaceableHandler)
{
    TempFolder folder("WeavoBrowser");
    WritePage(folder, "First", "First page");
    WritePage(folder, "Second", "Second page");
    ControlHost host(DialogTemplate{9361, "Browser", {{IDC_BROWSER, ControlKind::Custom, ""}}});
    WebBrowser2 browser;
    ASSERT_TRUE(browser.SubclassDlgItem(IDC_BROWSER, &host));
    ASSERT_NE(browser.GetSafeHwnd()->findChild<QTextBrowser*>(), nullptr);

    // The default shows the file, its path in the model's form.
    browser.Navigate(folder.ModelPath("First.html"));
    EXPECT_EQ(browser.GetLocationURL(), folder.ModelPath("First.html"));
    EXPECT_EQ(browser.GetPageText(), "First page");

    // A handler sees the address; the page stays until it shows one.
    std::vector<CString> seen;
    WebBrowser2::NavigateHandler previous = WebBrowser2::SetNavigateHandler(
        [&seen](WebBrowser2&, const CString& url) { seen.push_back(url); });
    EXPECT_FALSE(previous);
    browser.Navigate(folder.ModelPath("Second.html"));
    EXPECT_EQ(seen, std::vector<CString>{folder.ModelPath("Second.html")});
    EXPECT_EQ(browser.GetPageText(), "First page");

    // An empty handler restores the default.
    WebBrowser2::SetNavigateHandler(std::move(previous));
    browser.Navigate(folder.ModelPath("Second.html"));
    EXPECT_EQ(browser.GetPageText(), "Second page");
    EXPECT_EQ(seen.size(), 1u);
}
