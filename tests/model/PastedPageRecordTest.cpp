// Each form, master-detail form and search report of each module of the test data's project
// files, copied and pasted into its module as the project tree does, saves what a load makes of
// it: the project saves, loads and saves to the same bytes.
#include "entities/ApplicationReport.h"
#include "entities/Form.h"
#include "entities/Transaction.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/ProjectStore.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "platform/core/Types.h"
#include "tests/model/ModelBuilders.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/HostFiles.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace
{
// Pastes the page of the kind at the index into the module; false when there is none.
using Paste = std::function<bool(Module&, std::size_t)>;

template <class T>
Paste PasteOf(const std::vector<T*>& (Module::*pages)() const, void (Module::*mark)(T*),
              T* (Module::*take)(), bool (Module::*add)(T*, bool))
{
    return [=](Module& module, std::size_t index)
    {
        if (index >= (module.*pages)().size())
            return false;
        (module.*mark)((module.*pages)()[index]);
        T* copy = (module.*take)();
        (module.*add)(copy, /*withFiles=*/true);
        module.AddDefaultMenuEntries(copy);
        module.SettlePastedPage(*copy);
        return true;
    };
}

TEST(PastedPageRecordTest, APastedPageSavesLoadsAndSavesToTheSameBytes)
{
    const std::vector<std::pair<const char*, Paste>> kinds = {
        {"form", PasteOf(&Module::GetMasterForms, &Module::SetPastedForm, &Module::TakePastedForm,
                         &Module::AddMasterForm)},
        {"master-detail form", PasteOf(&Module::GetTransactions, &Module::SetPastedTransaction,
                                       &Module::TakePastedTransaction, &Module::AddTransaction)},
        {"search report", PasteOf(&Module::GetReports, &Module::SetPastedReport,
                                  &Module::TakePastedReport, &Module::AddReport)},
    };
    int pasted = 0;
    std::set<std::string> changing;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(WEAVO_TEST_DATA))
    {
        if (entry.path().extension() != ".wvt")
            continue;
        const std::string text = ReadHostFile(entry.path());
        const std::vector<BYTE> bytes(text.begin(), text.end());
        const std::string file = entry.path().filename().string();
        for (std::size_t module = 0;; ++module)
        {
            bool moduleFound = false;
            for (const auto& [kind, paste] : kinds)
            {
                for (std::size_t index = 0;; ++index)
                {
                    ScriptedMessageBoxes boxes;
                    ProjectStore store;
                    const ScopedOpenProject open(store);
                    if (!store.RestoreProject(bytes) ||
                        module >= store.GetProject()->GetModules().size())
                        break;
                    moduleFound = true;
                    Module& into = *store.GetProject()->GetModules()[module];
                    store.GetProject()->SetCurrentModule(&into);
                    if (!paste(into, index))
                        break;
                    ++pasted;
                    const std::vector<BYTE> saved = SaveObject(store.GetProject());
                    ProjectStore reopened;
                    const ScopedOpenProject openAgain(reopened);
                    ASSERT_TRUE(reopened.RestoreProject(saved)) << file;
                    if (SaveObject(reopened.GetProject()) != saved)
                        changing.insert(file + " " + kind + " " + std::to_string(index));
                }
            }
            if (!moduleFound)
                break;
        }
    }
    EXPECT_GT(pasted, 90);
    EXPECT_EQ(changing, std::set<std::string>{});
}
} // namespace
