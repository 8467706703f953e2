// The merge entity dialog's rules, with its dependency review and mapping dialogs, on two
// projects read back through the project store.
#include "merge/MergeEntitySelector.h"
#include "merge/EntityMapper.h"
#include "merge/MergeDependencyReview.h"
#include "tests/merge/MergeSelectionInputs.h"

#include <functional>
#include <set>

// Records what the dialog opens and runs the script given for each.
class MergeEntitySelectorHost : public MergeEntityHost, public MergeDependencyHost
{
public:
    void OpenSelectiveMerge(Module* module, MergeDependencyCollector&) override
    {
        selectiveModules.push_back(module);
    }
    void OpenDependencyReview(MergeDependencyCollector& collector) override
    {
        ++reviews;
        if (review)
            review(collector);
    }
    void OpenMapping(MergeDependencyCollector& collector) override
    {
        if (mapping)
            mapping(collector);
    }

    std::vector<Module*> selectiveModules;
    int reviews = 0;
    std::function<void(MergeDependencyCollector&)> review;
    std::function<void(MergeDependencyCollector&)> mapping;
};

class MergeEntitySelectorTest : public MergeSelectionTest
{
protected:
    MergeEntitySelector& Selector()
    {
        if (!m_selector)
        {
            m_selector =
                std::make_unique<MergeEntitySelector>(First(), Second(), Collector(), m_host);
            m_selector->Open();
        }
        return *m_selector;
    }
    int ModuleIndex(const char* name) const
    {
        for (int i = 0; i < Second()->GetModuleCount(); ++i)
        {
            if (Second()->GetModuleAt(i)->GetName() == name)
                return i;
        }
        return -1;
    }

    MergeEntitySelectorHost m_host;
    std::unique_ptr<MergeEntitySelector> m_selector;
};

namespace
{

std::vector<std::string> Boxes(const ScriptedMessageBoxes& boxes)
{
    return boxes.ShownTexts();
}
} // namespace

TEST_F(MergeEntitySelectorTest, OpeningFillsTheModulesAndPathsAndEnablesOnlySelect)
{
    EXPECT_EQ(TextsOf(Selector().GetModuleNames()),
              (std::vector<std::string>{"BaseModule", "Sales", "Extra", "UPPER"}));
    EXPECT_EQ(TextsOf(Selector().GetFirstModuleNames()),
              (std::vector<std::string>{"BaseModule", "Sales", "Upper"}));
    EXPECT_EQ(Selector().GetFilePath(), Second()->GetProjectFilePath());
    EXPECT_EQ(Selector().GetFirstFilePath(), First()->GetProjectFilePath());
    EXPECT_EQ(Selector().GetModuleLabel(), "Module not selected");
    EXPECT_EQ(Selector().GetNameText(), " ");
    EXPECT_EQ(Selector().GetOverwrite(), 0);
    EXPECT_EQ(MergeEntitySelector::GetKinds().size(), 10u);
    EXPECT_EQ(MergeEntitySelector::GetKinds().front(), "Master Tables");
    EXPECT_EQ(MergeEntitySelector::GetKinds().back(), "Dashboard Pages");
}

TEST_F(MergeEntitySelectorTest, SelectAndRemoveSwitchTheEnablingAndTheCollectorsModule)
{
    const std::vector<int> selectedOnly = {
        MergeEntitySelector::FullModuleButton, MergeEntitySelector::SelectiveButton,
        MergeEntitySelector::ResolveButton, MergeEntitySelector::RemoveButton, IDOK};
    struct Step
    {
        const char* name;
        std::function<void(MergeEntitySelector&)> action;
        std::vector<int> answers;
        const char* module;
        const char* label;
    };
    const Step steps[] = {
        {"opened", [](MergeEntitySelector&) {}, {}, nullptr, "Module not selected"},
        {"select with nothing chosen",
         [](MergeEntitySelector& s) { s.Select(-1); },
         {},
         nullptr,
         "Module not selected"},
        {"remove with no module",
         [](MergeEntitySelector& s) { s.Remove(); },
         {},
         nullptr,
         "Module not selected"},
        {"select Sales",
         [this](MergeEntitySelector& s) { s.Select(ModuleIndex("Sales")); },
         {},
         "Sales",
         "Sales"},
        {"remove answered No",
         [](MergeEntitySelector& s) { s.Remove(); },
         {IDNO},
         "Sales",
         "Sales"},
        {"remove answered Yes",
         [](MergeEntitySelector& s) { s.Remove(); },
         {IDYES},
         nullptr,
         "Module not selected."},
        {"select Extra",
         [this](MergeEntitySelector& s) { s.Select(ModuleIndex("Extra")); },
         {},
         "Extra",
         "Extra"},
    };
    for (const Step& step : steps)
    {
        for (int answer : step.answers)
            m_boxes.Answer(answer);
        step.action(Selector());
        const bool selected = step.module != nullptr;
        EXPECT_EQ(Selector().IsEnabled(MergeEntitySelector::SelectButton), !selected) << step.name;
        for (int id : selectedOnly)
            EXPECT_EQ(Selector().IsEnabled(id), selected) << step.name << " control " << id;
        EXPECT_EQ(Selector().GetModuleLabel(), step.label) << step.name;
        EXPECT_EQ(Collector().GetSelectedModule(), Selector().GetSelectedModule()) << step.name;
        EXPECT_EQ(selected ? std::string(Selector().GetSelectedModule()->GetName()) : "",
                  selected ? step.module : "")
            << step.name;
        EXPECT_EQ(m_boxes.PendingAnswers(), 0u) << step.name;
    }
    EXPECT_EQ(Boxes(m_boxes),
              (std::vector<std::string>{"Do you really want to remove selected module?",
                                        "Do you really want to remove selected module?"}));
}

TEST_F(MergeEntitySelectorTest, RemoveKeepsTheSelectionOnNoAndEmptiesItOnYes)
{
    Selector().Select(ModuleIndex("Sales"));
    Selector().FullModule();
    const std::size_t tables = Collector().GetSelectedTables().size();
    ASSERT_EQ(tables, 5u);
    m_boxes.Answer(IDNO);
    Selector().Remove();
    EXPECT_EQ(Collector().GetSelectedTables().size(), tables);
    EXPECT_FALSE(Collector().GetSelectedRDLCInfos().empty());
    EXPECT_NE(Selector().GetMergingLabel(), "");
    m_boxes.Answer(IDYES);
    Selector().Remove();
    EXPECT_EQ(Selector().GetMergingLabel(), "") << "the choice goes with the module";
    EXPECT_TRUE(Collector().GetSelectedTables().empty());
    EXPECT_TRUE(Collector().GetSelectedMasterForms().empty());
    EXPECT_TRUE(Collector().GetSelectedRDLCInfos().empty());
    EXPECT_TRUE(Collector().GetSelectedMenus().empty());
}

TEST_F(MergeEntitySelectorTest, FullModuleSelectsTheModuleAndSelectiveMergingEmptiesTheMenus)
{
    Selector().Select(ModuleIndex("Sales"));
    EXPECT_EQ(Selector().GetMergingLabel(), "");
    Selector().FullModule();
    EXPECT_EQ(Selector().GetMergingLabel(), "Full Module chosen: all of Sales is merged.");
    EXPECT_EQ(
        NamesOf(Collector().GetSelectedTables()),
        (std::vector<std::string>{"customer", "invoice_line", "orders", "product", "invoice"}));
    EXPECT_EQ(NamesOf(Collector().GetSelectedMasterForms()),
              (std::vector<std::string>{"customer_form", "orders_form", "product_form"}));
    EXPECT_EQ(NamesOf(Collector().GetSelectedDashBoards()), (std::vector<std::string>{"board_a"}));
    EXPECT_EQ(Collector().GetSelectedMenus().size(), 1u);
    EXPECT_TRUE(m_host.selectiveModules.empty());

    Selector().SelectiveMerging();
    EXPECT_EQ(Selector().GetMergingLabel(),
              "Selective Merging chosen: the entities selected are merged.");
    EXPECT_TRUE(Collector().GetSelectedMenus().empty());
    EXPECT_EQ(Collector().GetSelectedTables().size(), 5u);
    EXPECT_EQ(m_host.selectiveModules, (std::vector<Module*>{SecondSales()}));
}

TEST_F(MergeEntitySelectorTest, OkWithAnEmptySelectionOfAModuleTheFirstProjectHasCloses)
{
    Selector().Select(ModuleIndex("Sales"));
    EXPECT_TRUE(Selector().Ok());
    EXPECT_TRUE(m_boxes.Shown().empty());
    EXPECT_TRUE(Collector().GetSelectedTables().empty());
}

TEST_F(MergeEntitySelectorTest, OkJoinsOneLineForEachPageWhoseTableIsMissing)
{
    Selector().Select(ModuleIndex("Sales"));
    // customer is in the first project as "CUSTOMER"; orders, invoice and product are not.
    for (const char* form : {"customer_form", "orders_form", "product_form"})
        Collector().GetSelectedMasterForms().push_back(SecondPage<Form>(form));
    for (const char* transaction : {"customer_trn", "invoice_trn"})
        Collector().GetSelectedTransactions().push_back(SecondPage<Transaction>(transaction));
    // Total is of kind 0: its table is not asked for.
    for (const char* function : {"Balance", "Total", "Weight"})
        Collector().GetSelectedFunctions().push_back(SecondFunction(function));
    Collector().GetSelectedTables().push_back(SecondTable("product"));

    EXPECT_FALSE(Selector().Ok());
    EXPECT_EQ(Boxes(m_boxes),
              (std::vector<std::string>{
                  "orders parent table not present in Master form orders_form\n"
                  "invoice parent table not present in Master-Detail form invoice_trn\n"}));
    EXPECT_EQ(m_boxes.Shown().back().type, MB_OK);

    Collector().GetSelectedTables().clear();
    EXPECT_FALSE(Selector().Ok());
    EXPECT_EQ(m_boxes.Shown().back().text,
              "orders parent table not present in Master form orders_form\n"
              "product parent table not present in Master form product_form\n"
              "invoice parent table not present in Master-Detail form invoice_trn\n"
              "product main table not present in function Weight\n");

    for (const char* table : {"orders", "invoice", "product"})
        Collector().GetSelectedTables().push_back(SecondTable(table));
    EXPECT_TRUE(Selector().Ok());
    EXPECT_EQ(m_boxes.Shown().size(), 2u);
}

// A module of the first project whose name differs only in case is the module merged into, as
// Rename Module compares names: no new module is asked for.
TEST_F(MergeEntitySelectorTest, ANewModuleIsAskedForUnlessAModuleIsNamedAlike)
{
    struct Case
    {
        const char* module;
        int answer;
        bool closes;
        bool asked;
    };
    const Case cases[] = {
        {"Extra", IDYES, true, true},
        {"Extra", IDNO, false, true},
        {"UPPER", IDOK, true, false},
    };
    for (const Case& test : cases)
    {
        m_selector.reset();
        const std::size_t shown = m_boxes.Shown().size();
        if (test.asked)
            m_boxes.Answer(test.answer);
        Selector().Select(ModuleIndex(test.module));
        EXPECT_EQ(Selector().Ok(), test.closes) << test.module << " " << test.answer;
        ASSERT_EQ(m_boxes.Shown().size(), shown + (test.asked ? 1 : 0)) << test.module;
        if (!test.asked)
            continue;
        EXPECT_EQ(m_boxes.Shown().back().text, "A new module will be created in the merged WVT.");
        EXPECT_EQ(m_boxes.Shown().back().type & MB_TYPEMASK, MB_YESNO);
    }
}

TEST_F(MergeEntitySelectorTest, ResolveListsEachPassAndCancelEmptiesTheNeededLists)
{
    Selector().Select(ModuleIndex("Sales"));
    Collector().GetSelectedTables().push_back(SecondTable("orders"));
    Collector().GetSelectedMasterForms().push_back(SecondPage<Form>("product_form"));
    Collector().GetSelectedTransactions().push_back(SecondPage<Transaction>("invoice_trn"));
    const std::vector<std::vector<std::string>> byFilter = {
        {"product foreign table in orders"},
        {},
        {},
        {"product Table in form product_form"},
        {},
        {"invoice Table in form invoice_trn", "invoice_line detial table in form invoice_trn"},
        {},
        {},
    };
    m_host.review = [&](MergeDependencyCollector& collector)
    {
        MergeDependencyReview review(collector, m_host);
        review.Open();
        EXPECT_EQ(review.GetFilter(), 0);
        EXPECT_EQ(TextsOf(review.GetFindings()), byFilter[0]);
        ASSERT_EQ(MergeDependencyReview::GetFilters().size(), byFilter.size());
        for (int filter = static_cast<int>(byFilter.size()) - 1; filter >= 0; --filter)
        {
            review.SelectFilter(filter);
            EXPECT_EQ(TextsOf(review.GetFindings()), byFilter[filter]) << "filter " << filter;
            EXPECT_EQ(review.IsMapEnabled(), !byFilter[filter].empty()) << "filter " << filter;
        }
        EXPECT_EQ(NamesOf(collector.GetNeededTables()),
                  (std::vector<std::string>{"product", "invoice", "invoice_line"}));
        review.Cancel();
        EXPECT_TRUE(review.GetFindings().empty());
        EXPECT_TRUE(collector.GetNeededTables().empty());
    };
    Selector().Resolve();
    EXPECT_EQ(m_host.reviews, 1);
}

TEST_F(MergeEntitySelectorTest, MapPairsANeededTableAndTheReviewListsItNoMore)
{
    Collector().SetSelectedModule(SecondSales());
    Collector().GetSelectedTables().push_back(SecondTable("orders"));
    Table* product = SecondTable("product");
    Table* target = FirstSales()->GetMasterTables().front();
    MergeDependencyReview review(Collector(), m_host);
    m_host.mapping = [&](MergeDependencyCollector& collector)
    {
        EntityMapper mapper(collector);
        mapper.Open();
        EXPECT_EQ(TextsOf(mapper.GetItems(EntityMapper::ModuleCombo)),
                  (std::vector<std::string>{"BaseModule", "Sales", "Upper"}));
        EXPECT_EQ(mapper.GetSelection(EntityMapper::ModuleCombo), 0);
        EXPECT_EQ(TextsOf(mapper.GetItems(EntityMapper::NeededCombo)),
                  (std::vector<std::string>{"product"}));
        mapper.SelectModule(1);
        EXPECT_EQ(TextsOf(mapper.GetItems(EntityMapper::MappedCombo)),
                  (std::vector<std::string>{"CUSTOMER"}));
        mapper.SelectNeeded(0);
        mapper.SelectMapped(0);
        EXPECT_EQ(TextsOf(mapper.GetItems(EntityMapper::NeededFieldCombo)),
                  NamesOf(product->GetFields()));
        EXPECT_EQ(TextsOf(mapper.GetItems(EntityMapper::MappedFieldCombo)),
                  NamesOf(target->GetFields()));
        // Without fields nothing is mapped.
        mapper.Map();
        EXPECT_TRUE(collector.GetTableMap().empty());
        mapper.SelectNeededField(0);
        mapper.SelectMappedField(0);
        mapper.Map();
        EXPECT_EQ(TextsOf(mapper.GetMappedData()),
                  (std::vector<std::string>{"product -> CUSTOMER"}));
    };
    review.Open();
    EXPECT_EQ(TextsOf(review.GetFindings()),
              (std::vector<std::string>{"product foreign table in orders"}));
    review.Map();
    EXPECT_TRUE(review.GetFindings().empty());
    EXPECT_FALSE(review.IsMapEnabled());
    EXPECT_EQ(Collector().GetMappedTable(product), target);
    EXPECT_EQ(Collector().GetMappedField(product->GetFieldAt(0)), target->GetFieldAt(0));
    EXPECT_TRUE(Collector().IsTableSelected(product));
}

TEST_F(MergeEntitySelectorTest, MappingEntriesGoByFilterAndLeaveByTheirPosition)
{
    Collector().SetSelectedModule(SecondSales());
    for (const char* form : {"orders_form", "product_form"})
        Collector().GetSelectedMasterForms().push_back(SecondPage<Form>(form));
    std::vector<CString> lines;
    Collector().CollectDependencies(3, lines);
    ASSERT_EQ(Collector().GetNeededTables().size(), 2u);

    EntityMapper mapper(Collector());
    mapper.Open();
    mapper.SelectModule(1);
    for (int needed = 0; needed < 2; ++needed)
    {
        mapper.SelectNeeded(needed);
        mapper.SelectMapped(0);
        mapper.SelectNeededField(1);
        mapper.SelectMappedField(1);
        mapper.Map();
    }
    const std::vector<std::string> rows = TextsOf(mapper.GetMappedData());
    EXPECT_EQ(std::set<std::string>(rows.begin(), rows.end()),
              (std::set<std::string>{"orders -> CUSTOMER", "product -> CUSTOMER"}));
    EXPECT_EQ(Collector().GetFieldMap().size(), 2u);

    struct Case
    {
        int filter;
        bool fieldsEnabled;
        std::size_t rows;
    };
    const Case cases[] = {
        {EntityMapper::MapTables, true, 2}, {EntityMapper::Procedures, false, 0},
        {EntityMapper::Reports, false, 0},  {EntityMapper::MasterForms, false, 0},
        {EntityMapper::MapForms, false, 0}, {EntityMapper::TransactionTables, true, 2},
    };
    for (const Case& test : cases)
    {
        mapper.SelectFilter(test.filter);
        for (int id : {EntityMapper::NeededFieldCombo, EntityMapper::MappedFieldCombo,
                       EntityMapper::MappedFieldsList})
            EXPECT_EQ(mapper.IsEnabled(id), test.fieldsEnabled) << test.filter << " " << id;
        EXPECT_EQ(mapper.GetMappedData().size(), test.rows) << test.filter;
        // Deleting under another filter leaves the table map alone.
        if (test.rows == 0)
            mapper.DeleteRow(0);
    }
    EXPECT_EQ(Collector().GetTableMap().size(), 2u);
    mapper.DeleteRow(-1);
    mapper.DeleteRow(2);
    EXPECT_EQ(TextsOf(mapper.GetMappedData()), rows);
    mapper.DeleteRow(0);
    EXPECT_EQ(TextsOf(mapper.GetMappedData()), (std::vector<std::string>{rows[1]}));
    EXPECT_EQ(Collector().GetTableMap().size(), 1u);
}

namespace
{
// The tree as "name" for entities and "[name]" for roots, a "+" after a checked item.
std::vector<std::string> TreeTexts(const MergeEntitySelector& selector)
{
    std::vector<std::string> texts;
    for (const MergeEntitySelector::TreeItem& item : selector.GetTree())
    {
        std::string text = item.root ? "[" + std::string(item.name) + "]" : std::string(item.name);
        texts.push_back(item.checked ? text + "+" : text);
    }
    return texts;
}
} // namespace

TEST_F(MergeEntitySelectorTest, TheKindTreeListsTheEntitiesAndSelectAddsTheCheckedOnes)
{
    Selector().ChooseKind(0);
    EXPECT_TRUE(Selector().GetTree().empty());
    Selector().Select(ModuleIndex("Sales"));
    MergeDependencyCollector& c = Collector();
    c.GetSelectedTables().push_back(SecondTable("orders"));
    c.GetSelectedTransactions().push_back(SecondPage<Transaction>("invoice_trn"));
    // Per kind: the tree, the entity checked, and what the collector's list then holds.
    const struct
    {
        int kind;
        std::vector<std::string> tree;
        const char* checked;
        std::function<std::vector<std::string>()> selected;
        std::vector<std::string> expected;
    } cases[] = {
        {0,
         {"[Sales]", "customer", "orders+", "product"},
         "product",
         [&] { return NamesOf(c.GetSelectedMasterForms()); },
         {"product_form"}},
        {1, {"[Sales]"}, "", [&] { return NamesOf(c.GetSelectedTables()); }, {"orders", "product"}},
        {2,
         {"[Sales]", "invoice", "invoice_line"},
         "invoice",
         [&] { return NamesOf(c.GetSelectedTransactions()); },
         {"invoice_trn", "customer_trn"}},
        {7,
         {"[Sales]", "customer_trn+", "invoice_trn+"},
         "",
         [] { return std::vector<std::string>{}; },
         {}},
        {8,
         {"[Sales]", "SalesMenu"},
         "SalesMenu",
         [&] { return NamesOf(c.GetSelectedMenus()); },
         {"SalesMenu"}},
        {9,
         {"[Sales]", "dash_page"},
         "dash_page",
         [&] { return NamesOf(c.GetSelectedDashBoards()); },
         {"board_a"}},
        {10,
         {"[Sales]", "orders_rdlc", "stock_rdlc"},
         "stock_rdlc",
         [&] { return NamesOf(c.GetSelectedRDLCInfos()); },
         {"Reports\\orders.rdlc", "Reports\\stock.rdlc"}},
    };
    for (const auto& test : cases)
    {
        Selector().ChooseKind(test.kind);
        EXPECT_EQ(TreeTexts(Selector()), test.tree) << test.kind;
        const auto& tree = Selector().GetTree();
        for (std::size_t i = 0; i < tree.size(); ++i)
            Selector().SetItemCheck(static_cast<int>(i), tree[i].name == test.checked);
        Selector().SelectChecked();
        EXPECT_EQ(test.selected(), test.expected) << test.kind;
    }
    // Select All and De-Select All mark the root and everything under it.
    Selector().SelectAll();
    EXPECT_EQ(TreeTexts(Selector()),
              (std::vector<std::string>{"[Sales]+", "orders_rdlc+", "stock_rdlc+"}));
    Selector().DeselectAll();
    EXPECT_EQ(TreeTexts(Selector()),
              (std::vector<std::string>{"[Sales]", "orders_rdlc", "stock_rdlc"}));
}

TEST_F(MergeEntitySelectorTest, TheExistingModuleRadioAndTheFirstModuleComboRenameTheModule)
{
    Selector().Select(ModuleIndex("Extra"));
    Module* extra = Selector().GetSelectedModule();
    struct Step
    {
        std::function<void()> act;
        bool existing;
        int choice;
        const char* name;
        std::vector<std::string> tree;
    };
    const std::vector<Step> steps = {
        {[&] { Selector().ToggleExistingModule(); }, true, 0, "BaseModule", {}},
        {[&] { Selector().ToggleExistingModule(); }, false, -1, " ", {}},
        {[&] { Selector().ChooseFirstModule(3); }, false, -1, " ", {}},
        {[&] { Selector().ChooseFirstModule(1); }, false, 1, "Sales", {"[Sales]"}},
    };
    for (const Step& step : steps)
    {
        step.act();
        EXPECT_EQ(Selector().IsExistingModuleSelected(), step.existing);
        for (int id :
             {MergeEntitySelector::FirstModulesLabel, MergeEntitySelector::FirstModuleCombo})
            EXPECT_EQ(Selector().IsEnabled(id), step.existing) << step.name;
        EXPECT_EQ(Selector().GetFirstModuleChoice(), step.choice) << step.name;
        EXPECT_EQ(extra->GetName(), step.name);
        EXPECT_EQ(TreeTexts(Selector()), step.tree) << step.name;
    }
}
