// Write All checks the project file against what the run wrote: a file that the last run left
// on disk does not stand in for one that nothing writes any longer.
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "gen_web/AspxWriteAll.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/Module.h"
#include "platform/core/ScriptedMessageBoxes.h"

#include "tests/gen_web/PreparedProjectFolder.h"
#include "tests/gen_web/ShopProject.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace
{
void PrepareFolder(ShopProject& shop)
{
    PrepareProjectFolder(shop.Project());
    WriteOwnDataSet(shop.ApplicationFolder());
}

// The files the run did not write, below the application folder, each with its reason.
std::vector<std::string> Unwritten(const ShopProject& shop, const GenerationReport& report)
{
    const std::string root = (shop.ApplicationFolder() / "").string();
    std::vector<std::string> unwritten;
    for (const GenerationReport::Entry& entry : report.GetUnwrittenFiles())
    {
        std::string path(ToHostPath(entry.name));
        if (path.starts_with(root))
            path.erase(0, root.size());
        unwritten.push_back(path + ": " + std::string(entry.reason));
    }
    return unwritten;
}

TEST(WriteAllStaleFiles, AnIncrementalRunNamesThePageThatNeedsAFileNothingWritesAnyLonger)
{
    struct Case
    {
        const char* name;
        std::function<void(ForgeonProject&, Module&)> change;
        // What the incremental run reports as not written; then a clean run succeeds.
        std::vector<std::string> unwritten;
    };
    const std::vector<Case> cases = {
        {"the table deleted: its reports go with it",
         [](ForgeonProject& project, Module& module)
         {
             CString name("customer");
             ASSERT_TRUE(project.DeleteTable(module.FindTableByName(name)));
         },
         {}},
        {"the table's own RDLC report deleted: the user's report needs its data set",
         [](ForgeonProject& project, Module& module)
         { ASSERT_TRUE(project.DeleteRDLCReport(module.FindRDLCReportByName("customer_rdlc"))); },
         {"BaseModule/DataSets/customer_SelectAllRecords.Designer.cs: listed in the project file "
          "but not written; the page customer_assigned needs it"}},
    };
    for (const Case& test : cases)
    {
        SCOPED_TRACE(test.name);
        ScriptedMessageBoxes boxes;
        ShopProject shop;
        ForgeonProject& project = shop.Project();
        Module& module = *project.GetBaseModule();
        PrepareFolder(shop);
        // The user's RDLC report on the definition written for the table's report.
        auto* assigned = new RDLCReport;
        assigned->SetName("customer_assigned");
        assigned->SetRDLCInfo(project.GetRDLCInfos().front());
        module.AddRDLCReport(assigned, true);
        AspxWriteAll first(&project);
        ASSERT_TRUE(first.Run(nullptr)) << first.GetReport().GetText();

        test.change(project, module);
        AspxWriteAll incremental(&project);
        EXPECT_EQ(incremental.Run(nullptr), test.unwritten.empty());
        EXPECT_EQ(Unwritten(shop, incremental.GetReport()), test.unwritten);
        if (!test.unwritten.empty())
            continue;
        std::filesystem::remove_all(shop.ApplicationFolder());
        PrepareFolder(shop);
        AspxWriteAll clean(&project);
        EXPECT_TRUE(clean.Run(nullptr)) << clean.GetReport().GetText();
    }
}
} // namespace
