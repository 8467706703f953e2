#include "gen_reports/CSharpParser.h"
#include "gen_web/AspxWriteAll.h"
#include "platform/core/MessageBox.h"

#include "tests/gen_reports/CSharpSource.h"
#include "tests/gen_web/DashBoardProject.h"
#include "tests/gen_web/DataClassProject.h"
#include "tests/gen_web/FormPagesProject.h"
#include "tests/gen_web/ReportProject.h"
#include "tests/gen_web/ShopProject.h"
#include "tests/gen_web/ToolRun.h"
#include "tests/gen_web/TransactionProject.h"
#include "tests/support/HostFiles.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;

// The .cs files under the folder.
std::vector<fs::path> SourceFiles(const fs::path& folder)
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
    {
        if (entry.is_regular_file() && entry.path().extension() == ".cs")
            files.push_back(entry.path());
    }
    return files;
}

// Runs Write All on the fixture project, answering every message with OK; its root folder.
template <typename Fixture> void WriteAll(Fixture& fixture)
{
    const MessageBoxHandler previous =
        SetMessageBoxHandler([](const std::string&, UINT, UINT) { return IDOK; });
    AspxWriteAll(&fixture.Project()).Run(nullptr);
    SetMessageBoxHandler(previous);
}

// The data-class fixture with a form on "orders", so that its class and partial file are
// written.
struct OrdersFormProject : DataClassProject
{
    OrdersFormProject() { Base().AddMasterForm(NewForm("orders_form", &Orders()), false); }
};

template <typename Fixture> int ParseEveryFileOf(std::vector<std::string>& refused)
{
    Fixture fixture;
    WriteAll(fixture);
    int count = 0;
    for (const fs::path& file : SourceFiles(fixture.Root()))
    {
        CSharpParser parser(true);
        if (parser.Parse(file.c_str(), nullptr) != 0)
            refused.push_back(file.string());
        ++count;
    }
    return count;
}

TEST(CSharpCorpus, EveryFileThatWriteAllWritesParses)
{
    std::vector<std::string> refused;
    const std::vector<std::pair<const char*, std::function<int()>>> fixtures = {
        {"shop", [&] { return ParseEveryFileOf<ShopProject>(refused); }},
        {"form pages", [&] { return ParseEveryFileOf<FormPagesProject>(refused); }},
        {"data classes", [&] { return ParseEveryFileOf<OrdersFormProject>(refused); }},
        {"transactions", [&] { return ParseEveryFileOf<TransactionProject>(refused); }},
        {"dashboards", [&] { return ParseEveryFileOf<DashBoardProject>(refused); }},
        {"reports", [&] { return ParseEveryFileOf<ReportProject>(refused); }},
    };
    for (const auto& [name, parseAll] : fixtures)
    {
        SCOPED_TRACE(name);
        EXPECT_LT(0, parseAll());
    }
    EXPECT_EQ(std::vector<std::string>(), refused);
}

TEST(CSharpCorpus, ThePartialFileOfATableGivesItsSixHooks)
{
    OrdersFormProject fixture;
    WriteAll(fixture);
    CSharpParser parser(true);
    ASSERT_EQ(0, parser.Parse((fixture.ClassFolder() / "orders_partial.cs").c_str(), nullptr));
    std::string expected = "_orders\n";
    for (const char* hook : {"HandlePreAdd", "HandlePostAdd", "HandlePreUpdate", "HandlePostUpdate",
                             "HandlePreDelete", "HandlePostDelete"})
        expected += std::string("  bool ") + hook +
                    "() [\r\n\t\t{\r\n\t\t\tbool stat = true;\r\n\t\t\treturn stat;\r\n\t\t}]\n";
    EXPECT_EQ(expected, IndexText(parser));
}

const fs::path shapes = fs::path(WEAVO_TEST_DATA) / "gen_reports" / "csharp" / "Shapes.cs";

// The index of the fixture without bodies, one line per method.
std::string Signatures(const CSharpParser& parser)
{
    std::string text;
    for (const CSharpClassInfo* info : parser.GetClasses())
    {
        text += std::string(info->name.text) + ":";
        for (const CSharpMethodInfo* method : info->methods)
        {
            text +=
                " " + std::string(method->returnType) + " " + std::string(method->name.text) + "(";
            for (const CSharpParameterInfo* parameter : method->parameters)
                text +=
                    std::string(parameter->type) + " " + std::string(parameter->name.text) + ";";
            text += ")";
        }
        text += "\n";
    }
    return text;
}

TEST(CSharpCorpus, AFixtureThatTheCompilerAcceptsParses)
{
    TempFolder folder("WeavoCSharp");
    const ToolResult compiled =
        RunTool("mcs -target:library -out:" + ShellQuoted((folder.Path() / "Shapes.dll").string()) +
                " " + ShellQuoted(shapes.string()));
    ASSERT_EQ(0, compiled.exitCode) << compiled.output;

    CSharpParser parser(true);
    ASSERT_EQ(0, parser.Parse(shapes.c_str(), nullptr));
    EXPECT_EQ("Shape: double Area() bool Equals(object other;) int GetHashCode() void Dispose() "
              "ArrayList Scale(double factor;int count;string note;int more;)\n"
              "Corner: int Angle(Point at;)\n",
              Signatures(parser));
    const std::string text = ReadHostFile(shapes);
    const std::string header = "public virtual double Area()";
    const std::size_t start = text.find(header) + header.size();
    const std::size_t end = text.find("return sum;", start);
    EXPECT_EQ(text.substr(start, text.find('}', end) + 1 - start),
              std::string(parser.GetMethodBody("Area")));
}

TEST(CSharpCorpus, TheFixtureWithAGenericTypeStopsThereAndKeepsTheRecordsBefore)
{
    const std::string text = ReadHostFile(shapes);
    const std::string dispose = "void IDisposable.Dispose() { }\n";
    const std::string factor = "double factor, ";
    struct Variant
    {
        std::string source;
        const char* signatures;
    };
    std::string field = text;
    field.insert(field.find(dispose) + dispose.size(),
                 "        public System.Collections.Generic.List<int> Numbers;\n");
    std::string parameter = text;
    parameter.insert(parameter.find(factor) + factor.size(),
                     "System.Collections.Generic.List<int> numbers, ");
    const std::vector<Variant> variants = {
        {field,
         "Shape: double Area() bool Equals(object other;) int GetHashCode() void Dispose()\n"},
        {parameter, "Shape: double Area() bool Equals(object other;) int GetHashCode() void "
                    "Dispose()  (double factor;)\n"},
    };
    for (const Variant& variant : variants)
    {
        CSharpParser parser(true);
        EXPECT_EQ(1, ParseText(parser, variant.source));
        EXPECT_EQ(variant.signatures, Signatures(parser));
    }
}
} // namespace
