// The merge's name indexes: the first entity of a name in the order entered, names that ignore
// the case of ASCII letters or compare exactly, entities entered after lookups, and the first
// project's lookups built on them.
#include "merge/MergeNameIndex.h"
#include "tests/merge/MergeRunFixture.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

namespace
{
struct NamedItem
{
    CString name;
};

CString NamedItemName(const NamedItem& item)
{
    return item.name;
}

// The first item of the list whose name matches, as the model's linear lookups search.
NamedItem* FirstNamedItem(const std::vector<NamedItem*>& items, const CString& name, bool exact)
{
    for (NamedItem* item : items)
        if (exact ? item->name == name : item->name.CompareNoCase(name) == 0)
            return item;
    return nullptr;
}

// Every name of up to three of the characters "aAbB_", the empty name first.
std::vector<CString> ShortNames()
{
    std::vector<CString> names{CString()};
    for (std::size_t from = 0; names[from].GetLength() < 3; ++from)
        for (const char* letter : {"a", "A", "b", "B", "_"})
            names.push_back(names[from] + letter);
    return names;
}
} // namespace

TEST(MergeNameIndexTest, FindsTheFirstItemOfANameUnderItsCaseRule)
{
    NamedItem upper{"Orders"};
    NamedItem lower{"orders"};
    NamedItem lines{"Lines"};
    NamedItem accentUpper{"\xC4rger"};
    NamedItem accentLower{"\xE4rger"};
    NamedItem empty{""};
    const std::vector<NamedItem*> items{&upper,       nullptr,      &lower, &lines,
                                        &accentUpper, &accentLower, &empty};
    MergeNameIndex<NamedItem> noCase;
    MergeNameIndex<NamedItem> exact(true);
    noCase.Add(items, NamedItemName);
    exact.Add(items, NamedItemName);
    struct Lookup
    {
        const char* name;
        const NamedItem* noCase;
        const NamedItem* exact;
    };
    const Lookup lookups[] = {
        {"Orders", &upper, &upper},
        {"orders", &upper, &lower},
        {"ORDERS", &upper, nullptr},
        {"lines", &lines, nullptr},
        {"Order", nullptr, nullptr},
        {"Orders ", nullptr, nullptr},
        // Only ASCII letters fold.
        {"\xE4rger", &accentLower, &accentLower},
        {"\xC4RGER", &accentUpper, nullptr},
        {"", &empty, &empty},
    };
    for (const Lookup& lookup : lookups)
    {
        EXPECT_EQ(noCase.Find(lookup.name), lookup.noCase) << lookup.name;
        EXPECT_EQ(exact.Find(lookup.name), lookup.exact) << lookup.name;
    }
}

TEST(MergeNameIndexTest, AnswersAsALinearSearchBeforeAndAfterLaterItemsJoin)
{
    const std::vector<CString> names = ShortNames();
    std::vector<std::unique_ptr<NamedItem>> owned;
    std::vector<NamedItem*> items;
    for (const CString& name : names)
    {
        owned.push_back(std::make_unique<NamedItem>(NamedItem{name}));
        items.push_back(owned.back().get());
    }
    // The later half enters one by one after the first lookups, as a phase adds entities.
    const auto half = static_cast<std::ptrdiff_t>(items.size() / 2);
    const std::vector<NamedItem*> earlier(items.begin(), items.begin() + half);
    for (const bool exact : {false, true})
    {
        MergeNameIndex<NamedItem> index(exact);
        index.Add(earlier, NamedItemName);
        for (const CString& name : names)
            ASSERT_EQ(index.Find(name), FirstNamedItem(earlier, name, exact))
                << name.GetString() << (exact ? " exact" : "");
        for (auto later = items.begin() + half; later != items.end(); ++later)
            index.Add((*later)->name, *later);
        for (const CString& name : names)
            ASSERT_EQ(index.Find(name), FirstNamedItem(items, name, exact))
                << name.GetString() << (exact ? " exact" : "");
    }
}

TEST(MergeNameIndexTest, ShortListFindsAsTheIndexDoes)
{
    const std::vector<CString> names = ShortNames();
    std::vector<std::unique_ptr<NamedItem>> owned;
    std::vector<NamedItem*> items;
    // Every name twice, so that only the first of each may be found.
    for (int round = 0; round < 2; ++round)
        for (const CString& name : names)
        {
            owned.push_back(std::make_unique<NamedItem>(NamedItem{name}));
            items.push_back(owned.back().get());
        }
    // A null entry is passed over.
    std::vector<NamedItem*> entered{nullptr};
    entered.insert(entered.end(), items.begin(), items.end());
    MergeNameIndex<NamedItem> index;
    index.Add(entered, NamedItemName);
    const MergeNameList<NamedItem> list(entered, NamedItemName);
    for (const CString& name : names)
    {
        ASSERT_EQ(list.Find(name), FirstNamedItem(items, name, false)) << name.GetString();
        ASSERT_EQ(list.Find(name), index.Find(name)) << name.GetString();
    }
    EXPECT_EQ(list.Find("none"), nullptr);
    // Each name stands at its entity's place, the null entry's empty.
    for (std::size_t index = 0; index < entered.size(); ++index)
        ASSERT_EQ(list.NameAt(index), entered[index] != nullptr ? entered[index]->name : CString())
            << index;
}

class MergeFirstLookupTest : public MergeRun
{
};

TEST_F(MergeFirstLookupTest, FirstProjectLookupsAnswerFromTheFirstModuleUnderEachKindsCaseRule)
{
    Module* sales = nullptr;
    auto first = NewMergeProject("First", sales);
    Module* stock = NewModule("Stock", 3);
    first->AddModule(stock);
    const auto fill = [](Module* module, const char* table, const char* dataClass, const char* form,
                         const char* transaction, const char* report)
    {
        auto* made = NewTable(table);
        module->AppendMasterTable(made);
        auto* classMade = new Class;
        classMade->SetName(dataClass);
        module->Append(classMade);
        module->Append(NewPage<Form>(form));
        module->Append(NewPage<Transaction>(transaction));
        module->Append(NewPage<ApplicationReport>(report));
    };
    fill(sales, "items", "Customer", "entry", "order", "Summary");
    fill(stock, "ITEMS", "CUSTOMER", "Entry", "Order", "SUMMARY");
    fill(stock, "stock_items", "Ledger", "ledger_entry", "transfer", "Audit");
    Module* secondSales = nullptr;
    auto second = NewMergeProject("Second", secondSales);
    ScriptedMergeSelection selection = ScriptedMergeSelection::FullModule("Sales", false);
    ProjectMerger merger(first.get(), second.get(), selection);

    struct Lookup
    {
        const char* name;
        std::function<const void*(const CString&)> find;
        std::function<const void*(const Module&, const CString&)> inModule;
    };
    const Lookup lookups[] = {
        {"items", [&](const CString& name) { return merger.FindFirstTable(name); },
         [](const Module& module, const CString& name)
         {
             CString copy = name;
             return module.FindTableByName(copy);
         }},
        {"customer", [&](const CString& name) { return merger.FindFirstClass(name); },
         [](const Module& module, const CString& name) { return module.FindClassByName(name); }},
        {"entry", [&](const CString& name) { return merger.FindFirstMasterForm(name); },
         [](const Module& module, const CString& name)
         { return module.FindMasterFormByName(name); }},
        {"order", [&](const CString& name) { return merger.FindFirstTransaction(name); },
         [](const Module& module, const CString& name)
         { return module.FindTransactionByName(name); }},
        {"summary", [&](const CString& name) { return merger.FindFirstReport(name); },
         [](const Module& module, const CString& name) { return module.FindReportByName(name); }},
    };
    for (const Lookup& lookup : lookups)
    {
        // Each name in its own case, upper case and first letter raised, then names of the
        // second module only and of none.
        const CString own = lookup.name;
        CString raised = own;
        raised.MakeUpper();
        const CString capital = raised.Left(1) + own.Mid(1);
        ASSERT_NE(lookup.inModule(*sales, own), nullptr) << lookup.name;
        ASSERT_NE(lookup.inModule(*stock, capital), nullptr) << lookup.name;
        for (const CString& name :
             {own, raised, capital, CString("stock_items"), CString("ledger"),
              CString("Ledger_Entry"), CString("TRANSFER"), CString("audit"), CString("none")})
        {
            const void* expected = lookup.inModule(*sales, name);
            if (expected == nullptr)
                expected = lookup.inModule(*stock, name);
            EXPECT_EQ(lookup.find(name), expected) << lookup.name << " " << name.GetString();
        }
    }
}

TEST_F(MergeFirstLookupTest, PagesNamedAlikeArriveUnderTheirKindsCaseRule)
{
    // The second of two reports named alike merges into the first one's copy, which the phase
    // added to the first project; master forms compare their names exactly, so both arrive.
    Module* sales = nullptr;
    auto first = NewMergeProject("First", sales);
    sales->Append(NewPage<ApplicationReport>("kept"));
    Module* secondSales = nullptr;
    auto second = NewMergeProject("Second", secondSales);
    for (const char* name : {"Audit", "AUDIT", "audit_log"})
        secondSales->Append(NewPage<ApplicationReport>(name));
    for (const char* name : {"entry", "Entry"})
        secondSales->Append(NewPage<Form>(name));
    Load(std::move(first), std::move(second));
    ScriptedMergeSelection selection = ScriptedMergeSelection::FullModule("Sales", false);
    ASSERT_TRUE(RunStoreMerge(selection));

    std::vector<std::string> reports;
    for (const ApplicationReport* report : FirstSales()->GetReports())
        reports.push_back(StdString(report->GetFormName()));
    std::vector<std::string> forms;
    for (const Form* form : FirstSales()->GetMasterForms())
        forms.push_back(StdString(form->GetFormName()));
    std::ranges::sort(reports);
    std::ranges::sort(forms);
    EXPECT_EQ(reports.size(), 3U);
    EXPECT_EQ(std::ranges::count_if(reports, [](const std::string& name)
                                    { return CString(name.c_str()).CompareNoCase("audit") == 0; }),
              1);
    EXPECT_EQ(forms, (std::vector<std::string>{"Entry", "entry"}));
}
