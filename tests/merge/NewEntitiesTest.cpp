// The merge's new-entities collector over in-memory projects: the module pair, the pairing of
// each kind by presence and selection, the name rules, the menus, the overwrite lists, the
// ownership of made objects and the logs of a run over projects read back by the store.
#include "entities/Designation.h"
#include "entities/MultiPageReport.h"
#include "merge/MergeDependencyCollector.h"
#include "merge/MergeNewEntities.h"
#include "merge/MergeOverwriteSet.h"
#include "merge/MergeReportFiles.h"
#include "tests/merge/MergeInputs.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

namespace
{
std::string FileText(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// One entity kind as the tests build, select and query it.
struct Kind
{
    const char* name;
    // Adds an entity of the name to the module.
    std::function<CObject*(Module*, const char*)> add;
    std::function<void(MergeDependencyCollector&, CObject*)> select;
    std::function<CObject*(const MergeNewEntities&, CObject*)> counterpart;
    std::function<int(const MergeNewEntities&)> count;
    bool selectable = true;
    bool twoWay = false;
};

const Kind kinds[] = {
    {"table",
     [](Module* module, const char* name)
     {
         Table* table = NewTable(name);
         module->AppendMasterTable(table);
         return static_cast<CObject*>(table);
     },
     [](MergeDependencyCollector& collector, CObject* entity)
     { collector.GetSelectedTables().push_back(static_cast<Table*>(entity)); },
     [](const MergeNewEntities& collector, CObject* entity)
     { return static_cast<CObject*>(collector.GetTableCounterpart(static_cast<Table*>(entity))); },
     [](const MergeNewEntities& collector) { return collector.GetTableCount(); }, true, true},
    {"class",
     [](Module* module, const char* name)
     {
         auto* dataClass = new Class;
         dataClass->SetName(name);
         module->Append(dataClass);
         return static_cast<CObject*>(dataClass);
     },
     [](MergeDependencyCollector& collector, CObject* entity)
     { collector.GetSelectedClasses().push_back(static_cast<Class*>(entity)); },
     [](const MergeNewEntities& collector, CObject* entity)
     { return static_cast<CObject*>(collector.GetClassCounterpart(static_cast<Class*>(entity))); },
     [](const MergeNewEntities& collector) { return collector.GetClassCount(); }, true, true},
    {"procedure",
     [](Module* module, const char* name)
     {
         Procedure* procedure = NewProcedure(name);
         module->Append(procedure);
         return static_cast<CObject*>(procedure);
     },
     [](MergeDependencyCollector& collector, CObject* entity)
     { collector.GetSelectedProcedures().push_back(static_cast<Procedure*>(entity)); },
     [](const MergeNewEntities& collector, CObject* entity)
     {
         return static_cast<CObject*>(
             collector.GetProcedureCounterpart(static_cast<Procedure*>(entity)));
     },
     nullptr, true, true},
    {"designation",
     [](Module* module, const char* name)
     {
         auto* designation = new Designation;
         designation->SetName(name);
         module->Append(designation);
         return static_cast<CObject*>(designation);
     },
     [](MergeDependencyCollector&, CObject*) {},
     [](const MergeNewEntities& collector, CObject* entity)
     {
         return static_cast<CObject*>(
             collector.GetDesignationCounterpart(static_cast<Designation*>(entity)));
     },
     [](const MergeNewEntities& collector) { return collector.GetDesignationCount(); }, false,
     true},
    {"master form",
     [](Module* module, const char* name)
     {
         Form* form = NewPage<Form>(name);
         module->Append(form);
         return static_cast<CObject*>(static_cast<FormInterface*>(form));
     },
     [](MergeDependencyCollector& collector, CObject* entity)
     {
         collector.GetSelectedMasterForms().push_back(
             dynamic_cast<Form*>(static_cast<FormInterface*>(entity)));
     },
     [](const MergeNewEntities& collector, CObject* entity)
     {
         return static_cast<CObject*>(
             collector.GetPageCounterpart(static_cast<FormInterface*>(entity)));
     },
     [](const MergeNewEntities& collector) { return collector.GetMasterFormCount(); }},
    {"report",
     [](Module* module, const char* name)
     {
         auto* report = NewPage<ApplicationReport>(name);
         module->Append(report);
         return static_cast<CObject*>(report);
     },
     [](MergeDependencyCollector& collector, CObject* entity)
     { collector.GetSelectedReports().push_back(static_cast<ApplicationReport*>(entity)); },
     [](const MergeNewEntities& collector, CObject* entity)
     {
         return static_cast<CObject*>(
             collector.GetPageCounterpart(static_cast<ApplicationReport*>(entity)));
     },
     [](const MergeNewEntities& collector) { return collector.GetReportCount(); }},
    {"multi-page report",
     [](Module* module, const char* name)
     {
         auto* report = NewPage<MultiPageReport>(name);
         module->Append(report);
         return static_cast<CObject*>(report);
     },
     [](MergeDependencyCollector&, CObject*) {},
     [](const MergeNewEntities& collector, CObject* entity)
     {
         return static_cast<CObject*>(
             collector.GetPageCounterpart(static_cast<MultiPageReport*>(entity)));
     },
     nullptr, false},
};

// Where a pair's counterpart is expected: the namesake, a made object or none.
enum class Expect
{
    namesake,
    made,
    none
};

class NewEntitiesTest : public ::testing::Test
{
protected:
    // Two projects with a "Sales" module each, the second's chosen for merging.
    struct Pair
    {
        Pair()
        {
            first = NewMergeProject("First", target);
            second = NewMergeProject("Second", source);
            dependencies.SetSelectedModule(source);
        }
        Module* target = nullptr;
        Module* source = nullptr;
        std::unique_ptr<ForgeonProject> first;
        std::unique_ptr<ForgeonProject> second;
        MergeDependencyCollector dependencies{nullptr, nullptr};
    };

    // A collection of the pair, with the overwrite set when one is given.
    std::unique_ptr<MergeNewEntities> Collect(Pair& pair, MergeOverwriteSet* overwrite = nullptr)
    {
        auto collector =
            std::make_unique<MergeNewEntities>(pair.first.get(), pair.second.get(), m_files);
        collector->SetDependencyCollector(&pair.dependencies);
        collector->SetOverwriteSet(overwrite);
        collector->Collect();
        return collector;
    }

    std::string Log(const char* name) const
    {
        return FileText(m_hostTemp.Path() / (std::string("Merge_NewEntities") + name + ".txt"));
    }

    TempFolder m_hostTemp{"WeavoMergeTemp"};
    TempFolderOverride m_tempOverride{m_hostTemp.Path()};
    ScriptedMessageBoxes m_boxes;
    MergeReportFiles m_files;
};
} // namespace

TEST_F(NewEntitiesTest, EachKindPairsByPresenceAndSelection)
{
    struct Case
    {
        const char* entity;
        bool inTarget;
        bool inSource;
        bool selected;
        Expect expect;
        // For the kinds without selection test, which pair every target entity.
        Expect everyTargetExpect;
    };
    const Case cases[] = {
        {"both_sel", true, true, true, Expect::namesake, Expect::namesake},
        {"both_off", true, true, false, Expect::none, Expect::namesake},
        {"src_sel", false, true, true, Expect::made, Expect::made},
        {"src_off", false, true, false, Expect::none, Expect::made},
        {"tgt_only", true, false, false, Expect::none, Expect::made},
    };
    for (const Kind& kind : kinds)
    {
        Pair pair;
        std::vector<std::pair<CObject*, CObject*>> entities;
        for (const Case& test : cases)
        {
            CObject* target = test.inTarget ? kind.add(pair.target, test.entity) : nullptr;
            CObject* source = test.inSource ? kind.add(pair.source, test.entity) : nullptr;
            if (test.selected)
                kind.select(pair.dependencies, source);
            entities.emplace_back(target, source);
        }
        auto collector = Collect(pair);
        int expectedCount = 0;
        for (std::size_t i = 0; i < std::size(cases); ++i)
        {
            const Case& test = cases[i];
            const auto [target, source] = entities[i];
            // Kinds without selection test key the target entity of a namesake pair.
            CObject* key =
                source != nullptr && (kind.selectable || target == nullptr) ? source : target;
            const Expect expect = kind.selectable ? test.expect : test.everyTargetExpect;
            CObject* counterpart = kind.counterpart(*collector, key);
            const std::string where = std::string(kind.name) + " " + test.entity;
            switch (expect)
            {
            case Expect::namesake:
                EXPECT_EQ(counterpart, key == source ? target : source) << where;
                // A two-way lookup of the counterpart finds the key.
                if (kind.twoWay)
                {
                    EXPECT_EQ(kind.counterpart(*collector, counterpart), key) << where;
                }
                break;
            case Expect::made:
                ASSERT_NE(counterpart, nullptr) << where;
                EXPECT_TRUE(collector->OwnsCreated(counterpart)) << where;
                break;
            case Expect::none:
                EXPECT_EQ(counterpart, nullptr) << where;
                break;
            }
            expectedCount += expect != Expect::none ? 1 : 0;
        }
        if (kind.count)
        {
            EXPECT_EQ(kind.count(*collector), expectedCount) << kind.name;
        }
    }
}
