#pragma once

#include "shell/MergeEntityDlg.h"
#include "tests/shell/ShellTestSupport.h"

#include <algorithm>

// Answers the next merge entity dialog: the module of the name is merged whole.
inline void AnswerMergeWholeModule(RunningProgram& program, const char* name)
{
    program.dialogs.Answer(
        [name](CDialog& dialog, DialogDriver& user)
        {
            auto& merge = dynamic_cast<MergeEntityDlg&>(dialog);
            const std::vector<CString>& modules = merge.Selector().GetModuleNames();
            const auto module = std::ranges::find(modules, CString(name));
            ASSERT_NE(module, modules.end());
            EXPECT_TRUE(user.Select(MergeEntitySelector::ModuleCombo,
                                    static_cast<int>(module - modules.begin())));
            EXPECT_TRUE(user.Click(MergeEntitySelector::SelectButton));
            EXPECT_TRUE(user.Click(MergeEntitySelector::FullModuleButton));
            EXPECT_TRUE(user.PressOk());
        });
}
