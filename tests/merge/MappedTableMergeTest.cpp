// A merge run whose selection the dialogs' controllers make: a table mapped in the mapping
// dialog counts as existing, so the merge makes no copy of it.
#include "merge/EntityMapper.h"
#include "merge/MergeDependencyReview.h"
#include "merge/MergeEntitySelector.h"
#include "merge/SelectiveMerge.h"
#include "tests/merge/MergeRunFixture.h"
#include "tests/merge/MergeSelectionInputs.h"

namespace
{
// Selects "Sales", then checks one entity of one kind in the selective merge; when mapping,
// the review's master-form pass maps the first needed table to the first project's CUSTOMER
// field by field; then OK.
class ControllerSelection : public MergeSelection, MergeEntityHost, MergeDependencyHost
{
public:
    ControllerSelection(int kind, int item, bool map) : m_kind(kind), m_item(item), m_map(map) {}

    std::optional<MergeChoice> Choose(ForgeonProject* first, ForgeonProject* second,
                                      MergeDependencyCollector& collector) override
    {
        MergeEntitySelector selector(first, second, collector, *this);
        selector.Open();
        selector.Select(1);
        selector.SelectiveMerging();
        if (m_map)
            selector.Resolve();
        if (!selector.Ok())
            return std::nullopt;
        return MergeChoice{selector.GetNameText(), selector.GetOverwrite() != 0};
    }

private:
    void OpenSelectiveMerge(Module* module, MergeDependencyCollector& collector) override
    {
        SelectiveMerge selective(module, collector);
        selective.SelectKind(m_kind);
        selective.Select();
        selective.SetItemCheck(m_item, true);
        selective.Save();
    }
    void OpenDependencyReview(MergeDependencyCollector& collector) override
    {
        MergeDependencyReview review(collector, *this);
        review.Open();
        review.SelectFilter(3);
        review.Map();
    }
    void OpenMapping(MergeDependencyCollector& collector) override
    {
        EntityMapper mapper(collector);
        mapper.Open();
        mapper.SelectModule(1);
        mapper.SelectNeeded(0);
        mapper.SelectMapped(0);
        mapper.SelectNeededField(0);
        mapper.SelectMappedField(0);
        mapper.Map();
    }

    int m_kind;
    int m_item;
    bool m_map;
};
} // namespace

class MappedTableMergeTest : public MergeRun
{
};

TEST_F(MappedTableMergeTest, AMappedTableIsNotCopiedAndAnUnmappedOneIs)
{
    struct Case
    {
        const char* name;
        int kind;
        int item;
        bool map;
        std::vector<std::string> tables;
    };
    // Item 1 is orders among the master tables and orders_form among the master forms.
    const Case cases[] = {
        {"orders selected, with the product table its field refers to",
         SelectiveMerge::MasterTables,
         1,
         false,
         {"CUSTOMER", "orders", "product"}},
        {"orders_form with orders mapped to CUSTOMER",
         SelectiveMerge::MasterForms,
         1,
         true,
         {"CUSTOMER"}},
    };
    for (const Case& test : cases)
    {
        Load(BuildSelectionFirst(), BuildSelectionSecond());
        ControllerSelection selection(test.kind, test.item, test.map);
        EXPECT_TRUE(RunStoreMerge(selection)) << test.name;
        EXPECT_EQ(NamesOf(FirstSales()->GetMasterTables()), test.tables) << test.name;
        EXPECT_EQ(m_boxes.Shown().size(), 0u) << LastBox();
    }
}
