#include "designers/logic/StartPage.h"
#include "entities/Form.h"
#include "tests/editors/logic/EditorTestSupport.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

namespace
{
class RecordingStartHost : public StartPageHost
{
public:
    void EditNew(NewEntity entity) override { opened.push_back(static_cast<int>(entity)); }
    void EditForm(Form& form) override { forms.push_back(&form); }

    std::vector<int> opened;
    std::vector<Form*> forms;
};

TEST(StartPageTest, EachButtonOpensItsEditor)
{
    OpenNewProject open;
    RecordingStartHost host;
    StartPage page(host);
    const std::pair<int, NewEntity> table[] = {
        {1039, NewEntity::MasterTable},   {1526, NewEntity::DetailTable},
        {1528, NewEntity::Transaction},   {1529, NewEntity::ApplicationReport},
        {1530, NewEntity::RDLCReport},    {1531, NewEntity::DashBoard},
        {1532, NewEntity::DashBoardPage}, {1533, NewEntity::Menu},
        {1534, NewEntity::UserFunction},
    };
    std::vector<int> expected;
    for (const auto& [id, entity] : table)
    {
        page.Click(id, &open.project);
        expected.push_back(static_cast<int>(entity));
    }
    page.Click(1818, &open.project);
    EXPECT_EQ(host.opened, expected);
    EXPECT_EQ(StartPage::Buttons().size(), 10u);
    EXPECT_EQ(StartPage::ToolTips().size(), 10u);
    EXPECT_STREQ(StartPage::ToolTips()[1].text, "Add master form");
}

TEST(StartPageTest, AddMasterFormOpensTheFirstFormOnlyWhenThereIsOne)
{
    OpenNewProject open;
    RecordingStartHost host;
    StartPage page(host);
    Module* empty = new Module("Empty");
    open.project.AddModule(empty);
    open.project.SetCurrentModule(empty);
    page.Click(1527, &open.project);
    page.Click(1527, nullptr);
    EXPECT_TRUE(host.forms.empty());

    Form* second = NewForm("Second", nullptr);
    Form* first = NewForm("First", nullptr);
    empty->AddMasterForm(second, false);
    empty->AddMasterForm(first, false);
    page.Click(1527, &open.project);
    EXPECT_EQ(host.forms, std::vector<Form*>{first});
    EXPECT_TRUE(host.opened.empty());
}

TEST(StartPageTest, ToolTipsAreSetUpOnce)
{
    OpenNewProject open;
    RecordingStartHost host;
    StartPage page(host);
    EXPECT_TRUE(page.TakeToolTipSetUp());
    EXPECT_FALSE(page.TakeToolTipSetUp());
    EXPECT_FALSE(page.TakeToolTipSetUp());
}
} // namespace
