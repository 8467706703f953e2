#include "entities/AspFile.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "gen_classic/TransactionPageWriter.h"
#include "model/Field.h"
#include "model/Table.h"
#include "tests/gen_classic/ClassicGolden.h"
#include "tests/gen_web/TransactionProject.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
// The classic page files of the page: add and update with their action pages, then one action
// page per detail table.
void AddClassicFiles(Transaction& page)
{
    std::vector<int> kinds{2, 4};
    kinds.insert(kinds.end(), page.GetDetailTables().size(), 9);
    for (int kind : kinds)
    {
        auto* file = new AspFile;
        file->SetOwnerKind(AspFile::transactionOwner);
        file->SetFileKind(kind);
        file->SetOwnerPage(&page);
        page.AddAspFile(file);
    }
}

class ClassicTransactions : public TransactionProject
{
public:
    ClassicTransactions()
    {
        for (Transaction* page : {&Sale(), &Order()})
        {
            page->EnsureDefaultVariables();
            AddClassicFiles(*page);
        }
    }
    void Write(Transaction& page) { TransactionPageWriter(&Project(), page, Report()).Write(); }
    std::string Read(const std::string& name) const
    {
        std::string text = ReadHostFile(Root() / "BaseModule" / name);
        std::erase(text, '\r');
        return text;
    }
    bool Exists(const std::string& name) const
    {
        return std::filesystem::exists(Root() / "BaseModule" / name);
    }
};

// One detail table: the four master pages and the detail's action page.
TEST(TransactionPageTest, PagesOfATransactionWithOneDetailTable)
{
    ClassicTransactions fixture;
    fixture.Write(fixture.Sale());
    EXPECT_TRUE(fixture.Report().IsEmpty()) << fixture.Report().GetText().str();
    for (const char* name : {"sale_add.asp", "sale_add_action.asp", "sale_upd.asp",
                             "sale_upd_action.asp", "sale_line_action.asp"})
        ExpectGolden(std::string("transaction/") + name, fixture.Read(name));
}

// Two detail tables numbered 1 and 2; with the module prefix the detail action pages begin
// with the module's name, and the update page's forms post to them.
TEST(TransactionPageTest, DetailActionPagesAreNamedWithAndWithoutTheModulePrefix)
{
    for (const bool prefix : {false, true})
    {
        ClassicTransactions fixture;
        fixture.Project().SetModulePrefix(prefix);
        fixture.Write(fixture.Order());
        const std::string start = prefix ? "BaseModule_" : "";
        for (const char* detail : {"order_line", "order_payment"})
        {
            const std::string name = start + detail + "_action.asp";
            EXPECT_TRUE(fixture.Exists(name)) << name;
            EXPECT_NE(fixture.Read("order_entry_upd.asp").find("BaseModule/" + name),
                      std::string::npos)
                << name;
        }
        if (!prefix)
            ExpectGolden("transaction/order_payment_action.asp",
                         fixture.Read("order_payment_action.asp"));
    }
}
// Without detail tables: the four master pages, the master Recompute block and no detail reads.
TEST(TransactionPageTest, ATransactionWithoutDetailTablesWritesTheMasterPagesOnly)
{
    ClassicTransactions fixture;
    auto* memo = new Transaction;
    memo->SetName("memo");
    memo->SetBasicTable(fixture.Sale().GetBasicTable());
    memo->EnsureDefaultVariables();
    for (int kind = 1; kind <= 4; ++kind)
    {
        auto* file = new AspFile;
        file->SetOwnerKind(AspFile::transactionOwner);
        file->SetFileKind(kind);
        file->SetOwnerPage(memo);
        memo->AddAspFile(file);
    }
    fixture.Base().AddTransaction(memo, false);
    fixture.Write(*memo);
    EXPECT_TRUE(fixture.Report().IsEmpty()) << fixture.Report().GetText().str();
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(fixture.Root() / "BaseModule"))
        count += entry.path().filename().string().starts_with("memo_") ? 1 : 0;
    EXPECT_EQ(count, 4u);
    const std::string update = fixture.Read("memo_upd.asp");
    EXPECT_NE(update.find("\tif Trim(Request(\"Recompute\")) <> \"\" then\n"), std::string::npos);
    EXPECT_EQ(update.find("ExtractData_"), std::string::npos);
    EXPECT_EQ(update.find("Recompute1"), std::string::npos);
}

// Every page of both transactions passes the page check and node.
TEST(TransactionPageTest, EveryPagePassesTheChecks)
{
    ClassicTransactions fixture;
    fixture.Write(fixture.Sale());
    fixture.Write(fixture.Order());
    std::filesystem::copy(ClassicData("_system"), fixture.Root() / "_system",
                          std::filesystem::copy_options::recursive);
    std::size_t pages = 0;
    for (const auto& entry : std::filesystem::directory_iterator(fixture.Root() / "BaseModule"))
    {
        ++pages;
        EXPECT_EQ("", Joined(CheckPageFile(entry.path()))) << entry.path();
        ExpectNodeAccepts(PageScripts(fixture.Read(entry.path().filename().string())),
                          fixture.Root());
    }
    EXPECT_EQ(pages, 11u);
}
} // namespace
