#include "../platform/ui/LayoutCheck.h"

#include "model/DependenciesDlg.h"
#include "shell/BrowseFilePathDlg.h"
#include "shell/DependenciesListDlg.h"
#include "shell/DesignationDlg.h"
#include "shell/SelectThemeDlg.h"
#include "tests/shell/ShellTestSupport.h"

#include <functional>
#include <memory>

// Each project dialog at its own size shows every control, none over another; the pictures are
// kept in the build folder.
TEST(ProjectDialogsLayoutTest, EachDialogShowsEveryControlApart)
{
    RunningProgram program;
    ForgeonProject& project = program.Project();
    DependencyRecord record{"customer", "Base", 1, DependencyRecord::kTable, false};
    DependenciesDlg request({&record});
    const struct
    {
        const char* name;
        std::function<std::unique_ptr<CDialog>()> make;
    } cases[] = {
        {"project-properties", [&] { return std::make_unique<BrowseFilePathDlg>(&project); }},
        {"manage-roles", [&] { return std::make_unique<DesignationDlg>(project); }},
        {"select-theme", [&] { return std::make_unique<SelectThemeDlg>(project); }},
        {"dependencies", [&] { return std::make_unique<DependenciesListDlg>(request); }},
    };
    const std::filesystem::path grabs = std::filesystem::current_path() / "layout-grabs";
    std::filesystem::create_directories(grabs);
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::unique_ptr<CDialog> dialog = c.make();
        ASSERT_TRUE(dialog->Create(dialog->GetTemplateId()));
        ExpectLaidOutApart(dialog->GetSafeHwnd(), grabs.string().c_str(), QString(c.name));
        dialog->DestroyWindow();
    }
}
