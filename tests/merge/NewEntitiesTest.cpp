// The merge's new-entities collector over in-memory projects: the module pair, the pairing of
// each kind by presence and selection, the name rules, the menus, the overwrite lists, the
// ownership of made objects and the logs of a run over projects read back by the store.
#include "entities/DerivedField.h"
#include "entities/Designation.h"
#include "entities/LinkControl.h"
#include "entities/MultiPageReport.h"
#include "entities/Parameter.h"
#include "entities/Variable.h"
#include "merge/MergeDependencyCollector.h"
#include "merge/MergeNewEntities.h"
#include "merge/MergeOverwriteSet.h"
#include "merge/MergeReportFiles.h"
#include "model/RefField.h"
#include "tests/merge/MergeInputs.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

namespace
{
// One entity kind as the tests build, select and query it.
struct EntityKindCase
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

const EntityKindCase kinds[] = {
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
} // namespace

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
        return ReadHostFile(m_tempOverride.Own() /
                            (std::string("Merge_NewEntities") + name + ".txt"));
    }

    TempFolder m_hostTemp{"WeavoMergeTemp"};
    TempFolderOverride m_tempOverride{m_hostTemp.Path()};
    ScriptedMessageBoxes m_boxes;
    MergeReportFiles m_files;
};

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
    for (const EntityKindCase& kind : kinds)
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

TEST_F(NewEntitiesTest, TheSourceModulePairsWithTheTargetModuleNamedAlike)
{
    struct Case
    {
        const char* targetName;
        bool made;
        const char* log;
    };
    const Case cases[] = {
        {"Sales", false, ""},
        {"sales", false, ""},
        {"Stock", true, "MODULE : Sales\r\n"},
    };
    for (const Case& test : cases)
    {
        Pair pair;
        pair.target->SetName(test.targetName);
        const std::size_t moduleCount = pair.first->GetModules().size();
        auto collector = Collect(pair);
        ASSERT_EQ(collector->GetModulePairCount(), 1) << test.targetName;
        EXPECT_EQ(collector->GetSourceModuleAt(0), pair.source);
        EXPECT_EQ(collector->GetSourceModuleAt(1), nullptr);
        Module* target = collector->GetTargetModule(pair.source);
        ASSERT_NE(target, nullptr);
        EXPECT_EQ(target == pair.target, !test.made) << test.targetName;
        EXPECT_EQ(collector->OwnsCreated(target), test.made) << test.targetName;
        EXPECT_EQ(target->GetName(), CString(test.made ? "Sales" : test.targetName));
        // The engine adds a new module once the merge is done.
        EXPECT_EQ(pair.first->GetModules().size(), moduleCount);
        EXPECT_EQ(Log(""), test.log) << test.targetName;
    }
}

TEST_F(NewEntitiesTest, NamesIgnoreCaseForTablesClassesFunctionsProceduresAndReportsOnly)
{
    Pair pair;
    pair.target->AppendMasterTable(NewTable("Person"));
    pair.source->AppendMasterTable(NewTable("person"));
    AddClassFunction(pair.target, nullptr, "Person", "Total");
    Function* total = AddClassFunction(pair.source, nullptr, "person", "total");
    pair.dependencies.GetSelectedClasses().push_back(total->GetClass());
    for (auto [module, name] : {std::pair{pair.target, "Order"}, {pair.source, "order"}})
        module->Append(NewProcedure(name));
    for (auto [module, name] : {std::pair{pair.target, "Clerk"}, {pair.source, "clerk"}})
    {
        auto* designation = new Designation;
        designation->SetName(name);
        module->Append(designation);
    }
    for (auto [module, name] : {std::pair{pair.target, "Summary"}, {pair.source, "summary"}})
        module->Append(NewPage<ApplicationReport>(name));
    // Same pages whose variables differ in case only.
    Form* forms[2] = {};
    for (int side = 0; side < 2; ++side)
    {
        forms[side] = NewPage<Form>("Main");
        (side == 0 ? pair.target : pair.source)->Append(forms[side]);
        auto* variable = new Variable;
        variable->SetName(side == 0 ? "Qty" : "qty");
        forms[side]->AddFieldVariableMap(new FieldVariableMap{nullptr, variable});
    }
    pair.dependencies.GetSelectedMasterForms().push_back(forms[1]);
    auto collector = Collect(pair);

    EXPECT_EQ(collector->GetTableCount(), 0);
    EXPECT_EQ(collector->GetClassAt(0), total->GetClass());
    EXPECT_EQ(collector->GetFunctionCounterpart(total),
              pair.target->GetClasses().front()->GetFunctions().front());
    EXPECT_EQ(collector->GetMasterFormCounterpart(forms[1]), forms[0]);
    EXPECT_EQ(Log("_Table"), "");
    // The functions of a target class paired with a selected source class are walked from the
    // target class.
    EXPECT_EQ(Log("_Class"), "FUNCTION : Total\r\n");
    EXPECT_EQ(Log("_Proc"), "DESIGNATIONS : Clerk\r\nDESIGNATIONS : clerk\r\n");
    EXPECT_EQ(Log("_Report"), "");
    EXPECT_EQ(Log("_Form"), "");
    EXPECT_EQ(Log("_FormInterface"), "VARIABLE : qty\r\nVARIABLE : Qty\r\n");
}

TEST_F(NewEntitiesTest, MenusArePairedOnlyWithSelectedMenus)
{
    for (const bool selected : {false, true})
    {
        Pair pair;
        Menu* shared[2] = {NewMenu("Orders"), NewMenu("Orders")};
        pair.target->Append(shared[0]);
        pair.source->Append(shared[1]);
        Menu* own = NewMenu("Stock");
        pair.source->Append(own);
        if (selected)
        {
            pair.dependencies.GetSelectedMenus().push_back(shared[1]);
            pair.dependencies.GetSelectedMenus().push_back(own);
        }
        auto collector = Collect(pair);
        EXPECT_EQ(collector->GetMenuCount(), selected ? 2 : 0);
        EXPECT_EQ(collector->GetMenuCounterpart(shared[1]), selected ? shared[0] : nullptr);
        MenuInterface* made = collector->GetMenuItemCounterpart(own);
        EXPECT_EQ(made != nullptr && collector->OwnsCreated(made), selected);
        EXPECT_EQ(Log("_Menu"), selected ? "MENU : Stock\r\n" : "");
    }
}

TEST_F(NewEntitiesTest, TargetEntitiesWithoutNamesakeJoinTheOverwriteListsOfARunThatHasThem)
{
    for (const bool overwriting : {false, true})
    {
        Pair pair;
        Table* table = NewTable("tgt_table");
        pair.target->AppendMasterTable(table);
        Procedure* procedure = NewProcedure("tgt_proc");
        pair.target->Append(procedure);
        auto* report = NewPage<ApplicationReport>("tgt_report");
        pair.target->Append(report);
        // A link of a selected page that the target page lacks.
        Form* forms[2] = {NewPage<Form>("Main"), NewPage<Form>("Main")};
        pair.target->Append(forms[0]);
        pair.source->Append(forms[1]);
        auto* link = new LinkControl;
        link->SetCaption("Details");
        forms[0]->AddPostLink(link);
        pair.dependencies.GetSelectedMasterForms().push_back(forms[1]);
        MergeOverwriteSet overwrite(pair.first.get(), m_files);
        auto collector = Collect(pair, overwriting ? &overwrite : nullptr);
        const auto listed = [overwriting](std::size_t size)
        { return size == (overwriting ? 1u : 0u); };
        EXPECT_TRUE(listed(overwrite.GetTableList().size()));
        EXPECT_TRUE(listed(overwrite.GetProcedureList().size()));
        EXPECT_TRUE(listed(overwrite.GetReportList().size()));
        EXPECT_TRUE(listed(overwrite.GetLinkControlList().size()));
        EXPECT_EQ(overwrite.GetMasterFormList().size(), 0u);
        EXPECT_EQ(Log("_Table"), "TABLE : tgt_table\r\n");
        EXPECT_EQ(Log("_FormInterface"), "LINKCONTROL : Details\r\n");
    }
}

TEST_F(NewEntitiesTest, MadeObjectsThatNobodyTookAreFreedWithTheCollector)
{
    Pair pair;
    Table* source = NewTable("src_table", Table::masterKind, {"code"});
    pair.source->AppendMasterTable(source);
    pair.dependencies.GetSelectedTables().push_back(source);
    auto* page = NewPage<Form>("Main");
    pair.source->Append(page);
    AddPageFile(page, AspFile::formOwner);
    pair.dependencies.GetSelectedMasterForms().push_back(page);
    auto collector = Collect(pair);
    Table* made = collector->GetTableCounterpart(source);
    ASSERT_NE(made, nullptr);
    // Every field of the new table is paired with a made field.
    for (Field* field : source->GetFields())
        EXPECT_TRUE(collector->OwnsCreated(collector->GetFieldCounterpart(field)));
    // The copy of a page file joins the made page, which owns it.
    auto* madePage = collector->GetPageCounterpart(page);
    ASSERT_NE(madePage, nullptr);
    ASSERT_EQ(madePage->GetAspFiles().size(), 1u);
    EXPECT_FALSE(collector->OwnsCreated(madePage->GetAspFiles().front()));
    EXPECT_EQ(collector->GetPageFileCounterpart(page->GetAspFiles().front()),
              madePage->GetAspFiles().front());
    const int count = collector->GetCreatedCount();
    // The engine takes the new table; the rest goes with the collector.
    EXPECT_TRUE(collector->HandOver(made));
    EXPECT_FALSE(collector->HandOver(made));
    EXPECT_EQ(collector->GetCreatedCount(), count - 1);
    std::unique_ptr<Table> adopted(made);
    collector.reset();
    EXPECT_EQ(adopted->GetTableName(), CString("src_table"));
}

class NewEntitiesRunTest : public MergeInputs
{
};

TEST_F(NewEntitiesRunTest, ACollectionOverStoredProjectsWritesItsTenLogs)
{
    Module* firstSales = nullptr;
    auto first = NewMergeProject("First", firstSales);
    firstSales->AppendMasterTable(NewTable("customer", Table::masterKind, {"name"}));
    Module* secondSales = nullptr;
    auto second = NewMergeProject("Second", secondSales);
    secondSales->AppendMasterTable(NewTable("customer", Table::masterKind, {"name", "phone"}));
    Load(std::move(first), std::move(second));

    TempFolder hostTemp{"WeavoMergeTemp"};
    const TempFolderOverride temp(hostTemp.Path());
    MergeDependencyCollector dependencies(First(), Second());
    dependencies.SetSelectedModule(SecondSales());
    dependencies.GetSelectedTables().push_back(SecondSales()->GetMasterTables().front());
    MergeReportFiles files;
    {
        MergeNewEntities collector(First(), Second(), files);
        collector.SetDependencyCollector(&dependencies);
        collector.Collect();
        EXPECT_EQ(collector.GetTableCounterpart(SecondSales()->GetMasterTables().front()),
                  FirstSales()->GetMasterTables().front());
    }
    const char* logs[] = {"",           "_Table",  "_Class", "_Proc",         "_Form",
                          "_TempForms", "_Report", "_Menu",  "_ProjEntities", "_FormInterface"};
    ASSERT_EQ(files.GetFiles().size(), std::size(logs));
    for (const char* log : logs)
    {
        const std::filesystem::path path =
            temp.Own() / (std::string("Merge_NewEntities") + log + ".txt");
        EXPECT_TRUE(std::filesystem::exists(path)) << log;
        const MergeReportFiles::File* file =
            files.FindFile(CString("C:\\temp\\Merge_NewEntities") + log + ".txt");
        ASSERT_NE(file, nullptr) << log;
        EXPECT_TRUE(file->written) << log;
    }
    EXPECT_EQ(ReadHostFile(temp.Own() / "Merge_NewEntities_Table.txt"), "FIELD : phone\r\n");
}

namespace
{
Field* NamedField(const char* name)
{
    auto* field = new Field;
    field->Set(name, name, FieldTypeVarchar, 50, 0, nullptr, "", false, false, true, false, false);
    return field;
}

void AddControl(FormInterface* page, const char* fieldName, std::vector<Field*>& owned)
{
    auto* control = new FieldRep;
    owned.push_back(NamedField(fieldName));
    control->SetField(owned.back());
    page->AddFieldRep(control);
}

std::string PageUrl(const AspFile& file)
{
    return file.GetRelativeUrl(FALSE, FALSE).GetString();
}

Parameter* AddParameter(Function* function, const char* name)
{
    auto* parameter = new Parameter;
    parameter->SetName(name);
    function->AddParameter(parameter);
    return parameter;
}
} // namespace

TEST_F(NewEntitiesTest, PartPassesPairThePartsOfEachPairAndLogTheirLines)
{
    Pair pair;
    std::vector<Field*> controlFields;
    Form* pages[2] = {NewPage<Form>("Main"), NewPage<Form>("Main")};
    Form* target = pages[0];
    Form* source = pages[1];
    pair.target->Append(target);
    pair.source->Append(source);
    pair.dependencies.GetSelectedMasterForms().push_back(source);
    AspFile* file = AddPageFile(source, AspFile::formOwner);
    AddControl(source, "code", controlFields);
    AddControl(target, "code", controlFields);
    AddControl(target, "note", controlFields);
    auto* back = new LinkControl;
    back->SetCaption("Back");
    source->AddPreLink(back);
    auto* next = new LinkControl;
    next->SetCaption("Next");
    target->AddPostLink(next);
    for (Form* page : pages)
        page->AddRefField(new RefField(NamedField("city"), nullptr));
    auto* total = new DerivedField(NamedField("total"), nullptr);
    source->AddDerivedField(total);
    auto* targetTotal = new DerivedField(NamedField("total"), nullptr);
    target->AddDerivedField(targetTotal);
    target->AddDerivedField(new DerivedField(NamedField("tax"), nullptr));

    Function* functions[2] = {AddClassFunction(pair.target, nullptr, "Person", "calc"),
                              AddClassFunction(pair.source, nullptr, "person", "calc")};
    Parameter* upper = AddParameter(functions[0], "A");
    AddParameter(functions[0], "c");
    Parameter* lower = AddParameter(functions[1], "a");
    AddParameter(functions[1], "b");
    pair.dependencies.GetSelectedClasses().push_back(functions[1]->GetClass());

    pair.target->Append(NewPage<ApplicationReport>("tgt_report"));
    pair.source->Append(NewPage<ApplicationReport>("src_report"));
    auto collector = Collect(pair);

    // The page file the target page lacked joins it, as the page-file class of the project.
    ASSERT_EQ(target->GetAspFiles().size(), 1u);
    AspFile* copy = target->GetAspFiles().front();
    EXPECT_TRUE(copy->IsAspxFile());
    EXPECT_EQ(copy->GetOwnerPage(), source);
    ASSERT_FALSE(PageUrl(*file).empty());
    EXPECT_EQ(collector->GetPageFileCounterpart(file), copy);
    EXPECT_EQ(collector->GetControlCounterpart(source->GetFieldRep(0)), target->GetFieldRep(0));
    EXPECT_EQ(collector->GetFieldCounterpart(source->GetRefFields().front()->GetField()),
              target->GetRefFields().front()->GetField());
    // A derived field of both pages pairs its own field with the other's; no field is made.
    EXPECT_EQ(collector->GetDerivedFieldCounterpart(total), targetTotal);
    EXPECT_EQ(collector->GetFieldCounterpart(total->GetField()), targetTotal->GetField());
    EXPECT_EQ(collector->GetParameterCounterpart(upper), lower);
    EXPECT_EQ(Log("_FormInterface"), "ASP FILE :" + std::string(PageUrl(*file)) +
                                         "\r\n"
                                         "FIELD REP : note\r\n"
                                         "LINKCONTROL : Back\r\n"
                                         "LINKCONTROL : Next\r\n"
                                         "FIELD : total\r\n"
                                         "DERIVED FIELD : tax\r\n"
                                         "FIELD : tax\r\n");
    // The target class comes first; then each function of the source class again from its side.
    EXPECT_EQ(Log("_Class"), "FUNCTION : calc\r\n"
                             "FUNCTION PARAMETER: A\r\n"
                             "FUNCTION PARAMETER: c\r\n"
                             "FUNCTION PARAMETER : b\r\n"
                             "FUNCTION PARAMETER: a\r\n");
    EXPECT_EQ(Log("_Report"), "APPREPORT : tgt_report\r\nREPORT : src_report\r\n");
    collector.reset();
    for (Field* field : controlFields)
        delete field;
}
