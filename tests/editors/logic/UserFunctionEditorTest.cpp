#include "editors/logic/UserFunctionEditor.h"
#include "entities/Class.h"
#include "entities/Function.h"
#include "entities/Parameter.h"
#include "entities/ProcedureFieldInfo.h"
#include "model/ForgeonProject.h"
#include "platform/core/HostPath.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/editors/logic/EditorTestSupport.h"
#include "tests/model/ModelBuilders.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace
{
using Editor = UserFunctionEditor;
using NameList = std::vector<std::string>;

// The developer's half of the orders class: a hook and two methods of one name.
const char* const ordersPartial = "namespace Shop\r\n"
                                  "{\r\n"
                                  "\tpublic partial class _orders\r\n"
                                  "\t{\r\n"
                                  "\t\tpublic bool HandlePreAdd()\r\n"
                                  "\t\t{\r\n"
                                  "\t\t\treturn true;\r\n"
                                  "\t\t}\r\n"
                                  "\t\tpublic DataTable ByCity(string city, int limit)\r\n"
                                  "\t\t{\r\n"
                                  "\t\t\treturn Select(city, limit);\r\n"
                                  "\t\t}\r\n"
                                  "\t\tpublic DataTable ByCity(string city)\r\n"
                                  "\t\t{\r\n"
                                  "\t\t\treturn null;\r\n"
                                  "\t\t}\r\n"
                                  "\t}\r\n"
                                  "}\r\n";

// Project "Shop" whose "orders" class has a written "_partial.cs" and whose "customers" class
// has none.
class UserFunctionEditorTest : public ::testing::Test
{
protected:
    UserFunctionEditorTest()
    {
        open.project.SetProjectName("Shop");
        open.project.SetProjectPath(folder.ModelPath());
        for (const char* name : {"orders", "customers"})
        {
            Table* table = NewTable(name, Table::masterKind, {"City"});
            open.Current().AppendMasterTable(table);
            open.Current().AddDefaultClassFunctions(open.Current().GetClassForTable(table, true));
        }
        const std::filesystem::path classes =
            std::filesystem::path(
                ToHostPath(Editor::ClassFilePath(open.project, open.Current(), *Class(0))))
                .parent_path();
        std::filesystem::create_directories(classes);
        std::ofstream(classes / "orders_partial.cs", std::ios::binary) << ordersPartial;
        host.editOutputFields = [](Function& function)
        {
            function.AddOutputField(new ProcedureFieldInfo(function.GetTable()->GetFields().back(),
                                                           ProcedureFieldInfo::noAggregate));
        };
        editor.LoadFunction(nullptr);
    }

    ::Class* Class(int index) { return open.Current().GetClasses()[index]; }
    NameList Items(int id)
    {
        const auto& items = editor.States().GetItems(id);
        return {items.begin(), items.end()};
    }
    static NameList SecondCells(const std::vector<ListRow>& rows)
    {
        NameList cells;
        for (const ListRow& row : rows)
            cells.push_back(std::string(row.cells.at(1)));
        return cells;
    }
    static NameList ParameterNames(const Function& function)
    {
        NameList names;
        for (const Parameter* parameter : function.GetParameters())
            names.push_back(std::string(parameter->GetFieldName()));
        return names;
    }
    // Registers the method at the combo position of the orders class through OK.
    Function* Register(int method)
    {
        editor.LoadFunction(nullptr);
        editor.ChooseClass(0);
        editor.ChooseMethod(method);
        Function* function = editor.GetFunction();
        editor.Ok();
        return function;
    }

    TempFolder folder;
    OpenNewProject open;
    RecordingHost host;
    Editor editor{open.project, host};
    ScriptedMessageBoxes boxes;
};

TEST_F(UserFunctionEditorTest, TheClassFileOffersItsMethodsAndTheChosenOnesParameters)
{
    EXPECT_TRUE(editor.IsNew());
    EXPECT_EQ(Items(Editor::IDC_CLASS), (NameList{"_orders", "_customers"}));
    EXPECT_EQ(editor.States().GetSelection(Editor::IDC_CLASS), -1);
    EXPECT_EQ(editor.States().GetSelection(Editor::IDC_MODULE), 0);
    EXPECT_EQ(Items(Editor::IDC_DEPENDENT_TABLE), (NameList{"orders", "customers"}));

    // Each class choice and the methods offered; a class without a file offers none.
    const struct
    {
        int classIndex;
        NameList methods;
    } classes[] = {{0, {"HandlePreAdd", "ByCity", "ByCity"}},
                   {1, {}},
                   {0, {"HandlePreAdd", "ByCity", "ByCity"}}};
    for (const auto& each : classes)
    {
        editor.ChooseClass(each.classIndex);
        EXPECT_EQ(Items(Editor::IDC_FUNCTION), each.methods) << each.classIndex;
        EXPECT_EQ(editor.GetFunction()->GetClass(), Class(each.classIndex));
        EXPECT_EQ(editor.GetFunction()->GetTable(), Class(each.classIndex)->GetTable());
    }
    EXPECT_TRUE(boxes.Shown().empty());

    const struct
    {
        int method;
        NameList parameters;
        const char* body;
    } methods[] = {{1, {"city", "limit"}, "return Select(city, limit);"},
                   {2, {"city"}, "return null;"},
                   {0, {}, "return true;"}};
    for (const auto& each : methods)
    {
        editor.ChooseMethod(each.method);
        EXPECT_EQ(SecondCells(editor.GetParameterRows()), each.parameters) << each.method;
        EXPECT_NE(std::string(editor.States().GetText(Editor::IDC_BODY)).find(each.body),
                  std::string::npos)
            << each.method;
    }
}

TEST_F(UserFunctionEditorTest, AClassFileThatIsNoSourceIsNamedOnceAndOffersNoMethods)
{
    // The customers class file holds NUL bytes, as one another program wrote may.
    const std::string path =
        ToHostPath(Editor::ClassFilePath(open.project, open.Current(), *Class(1)));
    const char damaged[] = "public class _customers\0\0{";
    std::ofstream(path, std::ios::binary) << std::string(damaged, sizeof damaged - 1);

    editor.ChooseClass(1);
    EXPECT_EQ(Texts(boxes),
              NameList{"\"" + path + "\" is not C# source: control character 0x00 on line 1"});
    EXPECT_TRUE(Items(Editor::IDC_FUNCTION).empty());
    editor.ChooseMethod(0);
    EXPECT_TRUE(editor.GetParameterRows().empty());
    EXPECT_EQ(std::string(editor.States().GetText(Editor::IDC_BODY)), "");

    // The sound orders file then offers its methods and shows no box.
    editor.ChooseClass(0);
    EXPECT_EQ(Items(Editor::IDC_FUNCTION), (NameList{"HandlePreAdd", "ByCity", "ByCity"}));
    EXPECT_EQ(boxes.Shown().size(), 1u);
}

TEST_F(UserFunctionEditorTest, OkRegistersTheFunctionOnce)
{
    editor.Ok();
    EXPECT_EQ(Texts(boxes), NameList{"Function is not complete"});
    const size_t defaults = Class(0)->GetFunctions().size();

    Function* function = Register(1);
    EXPECT_EQ(Class(0)->GetFunctions().size(), defaults + 1);
    EXPECT_EQ(Class(0)->GetFunctions().back(), function);
    EXPECT_EQ(function->GetFieldName(), "ByCity");
    EXPECT_EQ(function->GetKind(), 1);
    EXPECT_EQ(ParameterNames(*function), (NameList{"city", "limit"}));
    EXPECT_EQ(host.calls, std::vector<CString>{"add BaseModule ByCity"});
    EXPECT_FALSE(editor.IsNew());
    EXPECT_TRUE(Items(Editor::IDC_CLASS).empty());

    // The other method of that name is refused as a second function; the new one is freed.
    Register(2);
    EXPECT_EQ(Class(0)->GetFunctions().size(), defaults + 1);
    EXPECT_EQ(host.calls.size(), 1u);
    EXPECT_EQ(editor.GetFunction(), nullptr);

    // Loaded again, the parameters come from the function; OK appends missing ones in the
    // method's order and keeps the present ones.
    function->RemoveParameter(function->GetParameters()[0]);
    auto* extra = new Parameter;
    extra->SetName("CITY_CODE");
    function->AddParameter(extra);
    editor.LoadFunction(function);
    EXPECT_EQ(editor.States().GetSelection(Editor::IDC_FUNCTION), 1);
    EXPECT_EQ(SecondCells(editor.GetParameterRows()), (NameList{"limit", "CITY_CODE"}));
    editor.ChooseMethod(1);
    editor.Ok();
    EXPECT_EQ(ParameterNames(*function), (NameList{"limit", "CITY_CODE", "city"}));
    EXPECT_EQ(Class(0)->GetFunctions().size(), defaults + 1);
}

TEST_F(UserFunctionEditorTest, DependentTablesParametersAndOutputFields)
{
    Function* function = Register(1);
    editor.LoadFunction(function);
    for (int table : {1, 1, 0})
    {
        editor.ChooseDependentTable(table);
        editor.AddTable();
        EXPECT_EQ(editor.States().GetSelection(Editor::IDC_DEPENDENT_TABLE), -1);
    }
    EXPECT_EQ(SecondCells(editor.GetTableRows()), (NameList{"customers", "orders"}));

    editor.AddOutputFields();
    EXPECT_EQ(SecondCells(editor.GetOutputRows()), NameList{"City"});
    EXPECT_EQ(host.calls.back(), "output fields");

    // The orders table leaves with the output column of its field.
    editor.SelectTableRow(1);
    editor.DeleteTable();
    EXPECT_EQ(SecondCells(editor.GetTableRows()), NameList{"customers"});
    EXPECT_TRUE(editor.GetOutputRows().empty());

    // "Update Parameter List" brings the function's parameters in line with the method's.
    auto* stale = new Parameter;
    stale->SetName("gone");
    function->AddParameter(stale);
    editor.ChooseMethod(2);
    editor.UpdateParameters();
    EXPECT_EQ(SecondCells(editor.GetParameterRows()), NameList{"city"});
    EXPECT_EQ(ParameterNames(*function), NameList{"city"});

    editor.Cancel();
    editor.ForgetFunction(function);
    EXPECT_EQ(editor.GetFunction(), nullptr);
    EXPECT_TRUE(editor.GetParameterRows().empty());
    EXPECT_EQ(host.calls.back(), "start page");
}
} // namespace
