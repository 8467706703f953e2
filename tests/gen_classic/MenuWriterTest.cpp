#include "gen_classic/MenuWriter.h"
#include "entities/AspFile.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/Menu.h"
#include "entities/Variable.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "tests/gen_classic/ClassicGolden.h"
#include "tests/gen_web/GenWebProject.h"
#include "tests/gen_web/ToolRun.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <cctype>
#include <memory>

namespace
{

// Two master forms of BaseModule under the top menu "Main" and the left menu "Side"; the roles
// "Data Entry" and "Admin" of the module, and "Visitor", a role of no module, on "Main".
class MenuFixture
{
public:
    MenuFixture()
    {
        Module& base = m_fixture.Base();
        for (Designation* role : {m_dataEntry, m_admin})
            base.Append(role);
        m_dataEntry->SetName("Data Entry");
        m_admin->SetName("Admin");
        m_visitor->SetName("Visitor");

        m_main->SetName("Main");
        m_side->SetName("Side");
        Menu* masters = AddMenu(m_main, "Masters");
        m_customers = AddMenu(masters, "Customers");
        Menu* reports = AddMenu(m_main, "Reports");
        Menu* help = AddMenu(m_side, "Help");
        base.Append(m_main);
        base.Append(m_side);
        for (Menu* menu : {m_main, masters, m_customers, reports})
            m_dataEntry->AddMenu(menu);
        for (Menu* menu : {m_main, reports, m_side, help})
            m_admin->AddMenu(menu);
        m_visitor->AddMenu(m_main);

        Table* customer = NewTable("customer", Table::masterKind, {"city"});
        base.AppendMasterTable(customer);
        m_customer = NewForm("Customer", customer);
        base.Append(m_customer);
        for (int kind : {1, 2, 3})
            m_customer->CreateAspFile(kind, AspFile::formOwner);
        Table* orderTable = NewTable("order");
        base.AppendMasterTable(orderTable);
        Form* order = NewForm("Order", orderTable);
        base.Append(order);
        order->CreateAspFile(1, AspFile::formOwner);
        m_customers->SetAspFile(order->GetAspFileAt(0));

        for (AspFile* file :
             {m_customer->GetAspFileAt(0), m_customer->GetAspFileAt(1), order->GetAspFileAt(0)})
        {
            file->SetTopMenu(m_main);
            m_main->AddPageFile(file);
        }
        m_customer->GetAspFileAt(0)->SetLeftMenu(m_side);
        m_side->AddPageFile(m_customer->GetAspFileAt(0));

        // The page variable of the city field and one of no field go to the order page.
        Field* city = customer->GetFieldAt(customer->GetFieldCount() - 1);
        auto* cityVariable = NewVariable("v_city", Variable::parameterKind);
        m_customer->AddFieldVariableMap(new FieldVariableMap{city, cityVariable});
        auto* control = new FieldRep(city);
        control->SetFieldRepData(new FieldRepData);
        m_customer->AddFieldRep(control);
        auto* idVariable = NewVariable("v_id", Variable::pageKind);
        m_customer->AddFieldVariableMap(new FieldVariableMap{customer->GetFieldAt(0), idVariable});
        m_loose.reset(NewVariable("v_loose", Variable::pageKind));
        m_targetCity.reset(NewVariable("p_city", Variable::parameterKind));
        m_targetLoose.reset(NewVariable("p_loose", Variable::parameterKind));
        m_customer->GetAspFileAt(0)->AddTopMenuVariableMap(
            MenuVariableMap(m_customers, {{m_targetCity.get(), cityVariable},
                                          {m_targetLoose.get(), m_loose.get()},
                                          {m_targetCity.get(), idVariable}}));
    }

    ~MenuFixture() { delete m_visitor; }

    // The text with each menu's id, which depends on the menus made before, by its name.
    std::string WithMenuNames(std::string text) const
    {
        for (const Menu* menu : m_named)
        {
            const std::string id = std::to_string(menu->GetId());
            const std::string name = "ID_" + menu->GetName().str();
            for (const std::string& context : {std::string("}, "), std::string("id == ")})
            {
                for (std::size_t at = text.find(context + id); at != std::string::npos;
                     at = text.find(context + id, at + 1))
                {
                    const std::size_t end = at + context.size() + id.size();
                    if (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])))
                        continue;
                    text.replace(at + context.size(), id.size(), name);
                }
            }
        }
        return text;
    }

    ForgeonProject& Project() { return m_fixture.Project(); }
    const std::filesystem::path& Root() const { return m_fixture.Root(); }
    GenerationReport& Report() { return m_fixture.Report(); }

private:
    Menu* AddMenu(Menu* parent, const char* name)
    {
        Menu* menu = NewMenu(name);
        parent->AddSubMenu(menu);
        m_named.push_back(menu);
        return menu;
    }
    static Variable* NewVariable(const char* name, int kind)
    {
        auto* variable = new Variable;
        variable->SetName(name);
        variable->SetKind(kind);
        return variable;
    }

    GenWebProject m_fixture;
    Designation* m_dataEntry = new Designation;
    Designation* m_admin = new Designation;
    Designation* m_visitor = new Designation;
    Menu* m_main = NewMenu("Main");
    Menu* m_side = NewMenu("Side");
    Menu* m_customers = nullptr;
    Form* m_customer = nullptr;
    std::unique_ptr<Variable> m_loose;
    std::unique_ptr<Variable> m_targetCity;
    std::unique_ptr<Variable> m_targetLoose;
    std::vector<const Menu*> m_named;
};

std::string WithoutCarriageReturns(std::string text)
{
    std::erase(text, '\r');
    return text;
}

} // namespace

TEST(MenuWriterTest, TheFourScriptsMatchTheExpectedFilesAndPassNode)
{
    MenuFixture fixture;
    MenuWriter(fixture.Project(), fixture.Project().GetProjectPath(), fixture.Report()).Write();
    ASSERT_TRUE(fixture.Report().IsEmpty()) << fixture.Report().GetText().str();
    for (const char* name :
         {"TopMenus.js", "TopMenusOnClick.js", "LeftMenus.js", "LeftMenusOnClick.js"})
    {
        const std::filesystem::path script = fixture.Root() / "_system" / "js" / name;
        ExpectGolden(std::string("menus/") + name,
                     fixture.WithMenuNames(WithoutCarriageReturns(ReadHostFile(script))));
        ExpectNodeAccepts({ReadHostFile(script)}, fixture.Root());
    }
}

TEST(MenuWriterTest, WithoutMenusOnlyTheLookupFunctionsAreWritten)
{
    GenWebProject project;
    MenuWriter(project.Project(), project.Project().GetProjectPath(), project.Report()).Write();
    const std::string top = ReadHostFile(project.Root() / "_system/js/TopMenus.js");
    EXPECT_EQ(top.find("RESOLVE_MENU_ITEMS = ["), std::string::npos);
    EXPECT_EQ(top.rfind("function FindMenuItem(desigId, fileName)\r\n", 0), 0u);
    const std::string left = ReadHostFile(project.Root() / "_system/js/LeftMenus.js");
    EXPECT_EQ(left.rfind("function FindMenuItem_1(desigId, fileName)\r\n", 0), 0u);
    EXPECT_EQ(ReadHostFile(project.Root() / "_system/js/TopMenusOnClick.js"), "");
}

TEST(MenuWriterTest, AScriptThatCannotBeWrittenIsReported)
{
    GenWebProject project;
    WriteHostFile(project.Root() / "_system" / "js", "a file where the folder goes");
    MenuWriter(project.Project(), project.Project().GetProjectPath(), project.Report()).Write();
    EXPECT_EQ(project.Report().GetUnwrittenFiles().size(), 4u);
}

// Array names are script identifiers, one per menu and role: names that fold to the same text
// and names of the scripts' own tables get a number; item texts are escaped.
TEST(MenuWriterTest, OddNamesGiveDistinctIdentifiers)
{
    GenWebProject project;
    Module& base = project.Base();
    std::vector<Designation*> roles;
    for (const char* name : {"Sales Manager", "Sales-Manager", "Menu Items"})
    {
        roles.push_back(new Designation);
        roles.back()->SetName(name);
        base.Append(roles.back());
    }
    Menu* main = NewMenu("Main");
    Menu* resolve = NewMenu("Resolve");
    main->AddSubMenu(NewMenu("Bob's \\ list"));
    for (Menu* menu : {main, resolve})
        base.Append(menu);
    for (Designation* role : roles)
    {
        role->AddMenu(main);
        role->AddMenu(main->GetSubMenus().front());
    }
    roles[2]->AddMenu(resolve);
    Table* table = NewTable("customer");
    base.AppendMasterTable(table);
    Form* form = NewForm("Customer", table);
    base.Append(form);
    form->CreateAspFile(1, AspFile::formOwner);
    AspFile* file = form->GetAspFileAt(0);
    file->SetTopMenu(main);
    file->SetLeftMenu(resolve);
    MenuWriter(project.Project(), project.Project().GetProjectPath(), project.Report()).Write();

    const std::string top = ReadHostFile(project.Root() / "_system/js/TopMenus.js");
    for (const char* array : {"MAIN_SALES_MANAGER", "MAIN_SALES_MANAGER_2", "MAIN_MENU_ITEMS"})
    {
        EXPECT_EQ(Count(top, std::string("var ") + array + " = [\r\n"), 1) << array << "\n" << top;
        EXPECT_EQ(Count(top, std::string(", ") + array + "]"), 1) << array << "\n" << top;
    }
    EXPECT_EQ(Count(top, "\t['Bob\\'s \\\\ list', '#'"), 3) << top;
    const std::string left = ReadHostFile(project.Root() / "_system/js/LeftMenus.js");
    EXPECT_EQ(Count(left, "var RESOLVE_MENU_ITEMS_1_2 = [\r\n"), 1) << left;
    EXPECT_EQ(Count(left, "var RESOLVE_MENU_ITEMS_1 = [\r\n"), 1) << left;
    for (const std::string& script : {top, left})
        ExpectNodeAccepts({script}, project.Root());
}
