#include "entities/AspFile.h"
#include "entities/Menu.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// Sub-menus hung below a shown menu while a batch is open give every page file the same maps,
// in the same order, as when each one reaches the files at once.

namespace
{

// One AddSubMenu: the parent by name ("" for the top-level item) and the new item's name; a
// name with a "/" hangs an item with one sub-menu of its own.
struct Step
{
    std::string parent;
    std::string child;
};

// A top-level menu with the sub-menus "A" and "B", shown by a file on top, one on the left and
// one on both sides, each mapping every leaf; "Old" was mapped before and is not in the tree.
class Tree
{
public:
    Tree()
    {
        m_top.SetName("Top");
        for (const char* name : {"A", "B"})
            m_top.AddSubMenu(NewItem(name));
        NewItem("Old");
        m_topFile.SetTopMenu(&m_top);
        m_leftFile.SetLeftMenu(&m_top);
        m_bothFile.SetTopMenu(&m_top);
        m_bothFile.SetLeftMenu(&m_top);
        for (const char* name : {"A", "B", "Old"})
        {
            m_topFile.AddTopMenuVariableMap(MenuVariableMap{Find(name), {}});
            m_leftFile.AddLeftMenuVariableMap(MenuVariableMap{Find(name), {}});
            m_bothFile.AddTopMenuVariableMap(MenuVariableMap{Find(name), {}});
        }
    }
    ~Tree()
    {
        // The files let go first; the tree frees the items hung in it, the rest go here.
        for (AspFile* file : {&m_topFile, &m_leftFile, &m_bothFile})
        {
            file->DeleteTopMenuVariableMaps();
            file->DeleteLeftMenuVariableMaps();
        }
        m_topFile.SetTopMenu(nullptr);
        m_leftFile.SetLeftMenu(nullptr);
        m_bothFile.SetTopMenu(nullptr);
        m_bothFile.SetLeftMenu(nullptr);
        for (Menu* item : m_made)
        {
            if (item->GetParent() == nullptr)
                delete item;
        }
    }
    Tree(const Tree&) = delete;
    Tree& operator=(const Tree&) = delete;

    void Run(const Step& step)
    {
        Menu* parent = step.parent.empty() ? &m_top : Find(step.parent);
        const std::size_t slash = step.child.find('/');
        Menu* child = Find(step.child.substr(0, slash));
        if (child == nullptr)
            child = NewItem(step.child.substr(0, slash));
        if (slash != std::string::npos)
        {
            auto* grandChild = new Menu;
            grandChild->SetName(step.child.substr(slash + 1).c_str());
            child->AddSubMenu(grandChild);
        }
        parent->AddSubMenu(child);
    }

    // Each side of each file as the names of its maps' menus.
    std::vector<std::string> Maps() const
    {
        std::vector<std::string> sides;
        for (const auto* maps :
             {&m_topFile.GetTopMenuVariableMaps(), &m_topFile.GetLeftMenuVariableMaps(),
              &m_leftFile.GetTopMenuVariableMaps(), &m_leftFile.GetLeftMenuVariableMaps(),
              &m_bothFile.GetTopMenuVariableMaps(), &m_bothFile.GetLeftMenuVariableMaps()})
        {
            std::string side;
            for (const MenuVariableMap& map : *maps)
                side += map.m_menu->GetName().str() + " ";
            sides.push_back(side);
        }
        return sides;
    }

private:
    Menu* NewItem(const std::string& name)
    {
        auto* item = new Menu;
        item->SetName(name.c_str());
        m_made.push_back(item);
        return item;
    }
    Menu* Find(const std::string& name)
    {
        for (Menu* item : m_made)
        {
            if (item->GetName() == name.c_str())
                return item;
        }
        return m_top.FindSubMenuByName(name.c_str());
    }

    Menu m_top;
    std::vector<Menu*> m_made;
    AspFile m_topFile;
    AspFile m_leftFile;
    AspFile m_bothFile;
};

struct Case
{
    const char* name;
    std::vector<Step> steps;
    // The top and left maps of the top file, the left file and the file showing both.
    std::vector<std::string> maps;
};

const std::vector<Case>& Cases()
{
    static const std::vector<Case> cases = {
        {"new leaves under the top-level item",
         {{"", "C"}, {"", "D"}},
         {"A B Old C D ", "", "", "A B Old C D ", "A B Old C D ", "C D "}},
        {"a leaf that gets a sub-menu loses its maps",
         {{"A", "A1"}, {"A", "A2"}},
         {"B Old A1 A2 ", "", "", "B Old A1 A2 ", "B Old A1 A2 ", "A1 A2 "}},
        {"an item added in the batch that gets a sub-menu there",
         {{"", "C"}, {"C", "C1"}, {"B", "B1"}},
         {"A Old C1 B1 ", "", "", "A Old C1 B1 ", "A Old C1 B1 ", "C1 B1 "}},
        {"an item with a sub-menu of its own maps that one",
         {{"B", "E/E1"}},
         {"A Old E1 ", "", "", "A Old E1 ", "A Old E1 ", "E1 "}},
        {"a mapped item hung again is not mapped twice",
         {{"", "Old"}, {"A", "C"}},
         {"B Old C ", "", "", "B Old C ", "B Old C ", "Old C "}},
    };
    return cases;
}

TEST(MenuLeafMapBatchTest, BatchedAdditionsMapLikeAdditionsOneByOne)
{
    for (const Case& test : Cases())
    {
        SCOPED_TRACE(test.name);
        Tree oneByOne;
        for (const Step& step : test.steps)
            oneByOne.Run(step);
        EXPECT_EQ(test.maps, oneByOne.Maps());

        Tree batched;
        {
            const MenuLeafMapBatch batch;
            for (const Step& step : test.steps)
                batched.Run(step);
            EXPECT_EQ(Tree().Maps(), batched.Maps()) << "maps added before the batch closed";
        }
        EXPECT_EQ(test.maps, batched.Maps());
    }
}

TEST(MenuLeafMapBatchTest, InnerBatchHandsItsAdditionsOverWhenItCloses)
{
    Tree tree;
    {
        const MenuLeafMapBatch outer;
        {
            const MenuLeafMapBatch inner;
            EXPECT_EQ(&inner, MenuLeafMapBatch::Current());
            tree.Run({"", "C"});
        }
        EXPECT_EQ(&outer, MenuLeafMapBatch::Current());
        EXPECT_EQ("A B Old C ", tree.Maps()[0]);
        tree.Run({"C", "C1"});
    }
    EXPECT_EQ(nullptr, MenuLeafMapBatch::Current());
    EXPECT_EQ("A B Old C1 ", tree.Maps()[0]);
}

// A batch gives each side room for its new maps once, and no more: the maps of every page file
// of a large project grow in a merge.
TEST(MenuLeafMapBatchTest, ABatchGivesEachSideJustTheRoomItsMapsNeed)
{
    for (const bool batched : {false, true})
    {
        SCOPED_TRACE(batched ? "batched" : "one by one");
        Menu top;
        top.SetName("Top");
        AspFile file;
        file.SetTopMenu(&top);
        const auto hang = [&top](int count)
        {
            for (int i = 0; i < count; ++i)
            {
                auto* item = new Menu;
                item->SetName(std::to_string(top.GetSubMenus().size()).c_str());
                top.AddSubMenu(item);
            }
        };
        hang(8);
        ASSERT_EQ(8U, file.GetTopMenuVariableMaps().size());
        {
            std::unique_ptr<MenuLeafMapBatch> batch;
            if (batched)
                batch = std::make_unique<MenuLeafMapBatch>();
            hang(4);
        }
        EXPECT_EQ(12U, file.GetTopMenuVariableMaps().size());
        EXPECT_EQ(batched ? 12U : 16U, file.GetTopMenuVariableMaps().capacity());
        file.DeleteTopMenuVariableMaps();
        file.SetTopMenu(nullptr);
    }
}

} // namespace
