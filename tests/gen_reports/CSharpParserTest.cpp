#include "gen_reports/CSharpParser.h"
#include "gen_reports/CSharpScanner.h"
#include "platform/core/CString.h"
#include "platform/core/Collections.h"

#include "tests/gen_reports/CSharpSource.h"
#include "tests/support/TempFolder.h"
#include "tests/support/ThreadTime.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <tuple>
#include <utility>
#include <vector>

namespace
{
struct IndexCase
{
    const char* name;
    const char* source;
    int result;
    const char* index;
};

const std::vector<IndexCase> indexCases = {
    {"a method with its parameters and body",
     "class Customer\n{\n\tpublic int Add(int a, string b) {\r\n\t\treturn a; }\n}\n", 0,
     "Customer\n  int Add(int a, string b) [ {\r\n\t\treturn a; }]\n"},
    {"return and parameter types",
     "using System;\nusing Data = System.Data;\nnamespace N.M {\n"
     "public partial class C : Base, IFace {\n"
     "  protected virtual System.Data.DataSet Load(int[] ids, ref sbyte s, out uint u,\n"
     "      params object[] rest) /* c */ { return null; }\n"
     "  public static bool Check(decimal d, byte b, ushort us, long l, ulong ul, char c,\n"
     "      float f, double g, short sh, global::System.String t) { return true; }\n"
     "  unsafe int* Pointer(void* p, int** q) { return null; }\n"
     "  public abstract void Hook([In] string name);\n"
     "  [Obsolete(\"x\"), Description(\"y\")] [method: Foo] [return: Bar] string[,] Grid() {}\n"
     "}\n}\n",
     0,
     "C\n"
     "  DataSet Load(int ids, short byte s, unsigned int u, object rest) [ /* c */ { return "
     "null; }]\n"
     "  bool Check(decimal d, byte b, unsigned short us, long l, unsigned long ul, char c, float "
     "f, double g, short sh, String t) [ { return true; }]\n"
     "  int* Pointer(void* p, int** q) [ { return null; }]\n"
     "  void Hook(string name) []\n"
     "  string Grid() [ {}]\n"},
    {"parameterless overloads share a record, one with parameters gets its own",
     "class C {\n void F() {1}\n int F() {2}\n void F(int x) {3}\n void G(int y) {4}\n"
     " int G() {5}\n}",
     0, "C\n  void F() [ {2}]\n  void F(int x) [ {3}]\n  void G(int y) [ {5}]\n"},
    {"a nested class ends the current one",
     "class Outer {\n void A() {}\n class Inner { void B() {} }\n void C() {}\n}\n"
     "class Next { void D() {} }",
     0, "Outer\n  void A() [ {}]\nInner\n  void B() [ {}]\nNext\n  void D() [ {}]\n"},
    {"members other than methods leave no record",
     "class C {\n"
     "  const int K = 1, L = 2;\n"
     "  private string m_name = \"n\", m_other;\n"
     "  static readonly int[] list = new int[] { 1, 2 };\n"
     "  public C(int a) : base(a) { m_name = null; }\n"
     "  ~C() { }\n"
     "  public string Name { get { return m_name; } protected set { m_name = value; } }\n"
     "  public int this[int i, string s] { get { return i; } }\n"
     "  public event EventHandler Changed;\n"
     "  public event EventHandler Clicked { add { } remove { } }\n"
     "  public delegate void Handler(object sender, int code);\n"
     "  public static C operator +(C a, C b) { return a; }\n"
     "  public static bool operator true(C a) { return true; }\n"
     "  public static implicit operator int(C c) { return 0; }\n"
     "  int IList.this[int j] { get { return j; } set { } }\n"
     "  void IDisposable.Dispose() { }\n"
     "}",
     0, "C\n  void Dispose() [ { }]\n"},
    {"methods outside classes leave none",
     "struct S { void M(int a) { } }\n"
     "interface I { void N(int b); int P { get; set; } event E Ev; string this[int i] { get; } }\n"
     "enum Colour : byte { Red = 1, [Obsolete] Green, Blue, }\n"
     "delegate int D(string s);\n",
     0, ""},
    {"a struct inside a class keeps the class current",
     "class C { struct S { int M(int a) { x } } void N() { y } }", 0,
     "C\n  int M(int a) [ { x }]\n  void N() [ { y }]\n"},
    {"statements of constructors and accessors",
     "class C {\n public C() {\n"
     "  int i = 0, j; string[] parts = s.Split(','); System.Text.StringBuilder b = null;\n"
     "  for (int k = 0; k < 10; k++, j--) { if (k == 2) continue; else break; }\n"
     "  foreach (DataRow row in table.Rows) { i += (int)row[\"n\"] * -2 << 1; }\n"
     "  while (i > 0 && !(j >= 1 || j != 2)) i--;\n"
     "  do { i = i > 1 ? i / 2 : i % 3; } while (false);\n"
     "  switch (i) { case 1: case 2: i = 3; break; default: goto case 1; }\n"
     "  try { throw new Exception(\"x\" + i.ToString()); } catch (Exception e) { throw; }\n"
     "  catch { } finally { lock (this) { } }\n"
     "  using (SqlConnection c = new SqlConnection()) { }\n"
     "  checked { i = unchecked(i * 2); }\n"
     "  object o = (object)i; x = (Foo)o; y = (a) - b; z = o as string; bool t = o is C;\n"
     "  int[,] grid = new int[2, 3]; char[][] jag = new char[2][]; p = typeof(void);\n"
     "  label: i = sizeof(int) + default(int) + int.Parse(\"1\") + string.Empty.Length;\n"
     "  EventHandler h = delegate(object s, EventArgs a) { return; };\n"
     "  x.y.z(ref i, out j)[0]++; i |= 1; i ^= 2; i &= 3; i >>= 1; i <<= 2;\n"
     " }\n"
     " public int P { get { yield return 1; yield break; } }\n"
     "}",
     0, "C\n"},
    {"a generic type stops the parse and keeps what came before",
     "class C { void A() {} List<int> items; void B() {} }", 1, "C\n  void A() [ {}]\n"},
    {"a generic parameter leaves the method made by the parameters before it",
     "class C { void A(int a, List<int> b) {} }", 1, "C\n   (int a) []\n"},
    {"a syntax error in a constructor", "class C { C() { int; } void A() {} }", 1, "C\n"},
    {"end of input inside a body", "class C { void A() { if (x) {", 1, "C\n  void A() []\n"},
    {"an empty file", "", 0, ""},
    {"a closing brace at the top", "class C {} }", 1, "C\n"},
    {"a closing brace behind global attributes", "[assembly: A] }", 1, ""},
    {"global attributes alone", "using System; [assembly: A(1)] [module: B]", 0, ""},
    {"a verbatim identifier keeps the value of the identifier before it",
     "class K { void M(int @p, int q) {} }", 0, "K\n  void M(int M, int q) [ {}]\n"},
    {"preprocessor lines and comments",
     "#region Head\n// class X { void Y() {} }\nclass C {\n  #if DEBUG\n  void A() {}\n  #endif\n"
     "  /* void B() {} */\n}\n#endregion\n",
     0, "C\n  void A() [ {}]\n"},
};

TEST(CSharpParser, BuildsTheIndexOfEachSource)
{
    for (const IndexCase& entry : indexCases)
    {
        SCOPED_TRACE(entry.name);
        CSharpParser parser(true);
        EXPECT_EQ(entry.result, ParseText(parser, entry.source));
        EXPECT_EQ(entry.index, IndexText(parser));
    }
}

TEST(CSharpParser, WithoutCollectingBodiesKeepsTheRestOfTheIndex)
{
    CSharpParser parser(false);
    EXPECT_EQ(0, ParseText(parser, "class C { int A(int a) { return a; } }"));
    EXPECT_EQ("C\n  int A(int a) []\n", IndexText(parser));
}

TEST(CSharpParser, APartialClassInTwoFilesGivesOneRecord)
{
    CSharpParser parser(true);
    EXPECT_EQ(0, ParseText(parser, "partial class C { void A() {} }"));
    EXPECT_EQ(0, ParseText(parser, "public partial class C { void B() {} void A() {x} }"));
    EXPECT_EQ("C\n  void A() [ {x}]\n  void B() [ {}]\n", IndexText(parser));
}

TEST(CSharpParser, LooksUpMethodsAndClassesByExactName)
{
    CSharpParser parser(true);
    ASSERT_EQ(0, ParseText(parser, "class A { void Run(int x) {a} void Stop() {} }\n"
                                   "class B { void Run(int y, int z) {b} }\n"
                                   "class a { void Walk() {} }"));
    CStringArray names;
    parser.GetClassMethods(names, "A");
    parser.GetClassMethods(names, "Nothing");
    ASSERT_EQ(2, names.GetSize());
    EXPECT_EQ(CString("Run"), names[0]);
    EXPECT_EQ(CString("Stop"), names[1]);

    CStringArray parameters;
    parser.GetMethodParameters(parameters, "Run");
    ASSERT_EQ(2, parameters.GetSize());
    EXPECT_EQ(CString("y"), parameters[0]);
    EXPECT_EQ(CString("z"), parameters[1]);
    EXPECT_EQ(CString(" {b}"), parser.GetMethodBody("Run"));

    CStringArray none;
    parser.GetMethodParameters(none, "run");
    EXPECT_EQ(0, none.GetSize());
    EXPECT_EQ(CString(), parser.GetMethodBody("Jump"));
}

TEST(CSharpParser, ClearDropsTheClassesAndKeepsTheSymbols)
{
    CSharpParser parser(true);
    EXPECT_EQ(CSharpSymbolTable::FixedCount, parser.GetSymbols().GetCount());
    EXPECT_EQ(CString("short byte"), parser.GetSymbols().At(CSharpSymbolTable::ShortByte).text);
    ASSERT_EQ(0, ParseText(parser, "class C { void A(int x) {} }"));
    const int symbols = parser.GetSymbols().GetCount();
    EXPECT_EQ(CSharpSymbolTable::FixedCount + 3, symbols);
    parser.Clear();
    EXPECT_EQ("", IndexText(parser));
    EXPECT_EQ(symbols, parser.GetSymbols().GetCount());
    ASSERT_EQ(0, ParseText(parser, "class C { void A(int x) {} }"));
    EXPECT_EQ(symbols, parser.GetSymbols().GetCount());
    EXPECT_EQ("C\n  void A(int x) [ {}]\n", IndexText(parser));
}

TEST(CSharpParser, ReadsTheFileAtAModelPathAndRefusesOneThatCannotBeOpened)
{
    TempFolder folder("WeavoCSharp");
    std::ofstream(folder.Path() / "a_partial.cs", std::ios::binary)
        << "class C\r\n{\r\n\tvoid A()\r\n\t{\r\n\t}\r\n}\r\n";
    CSharpParser parser(true);
    EXPECT_EQ(0, parser.Parse(folder.ModelPath("a_partial.cs"), folder.ModelPath("echo.txt")));
    EXPECT_EQ("C\n  void A() [\r\n\t{\r\n\t}]\n", IndexText(parser));
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "echo.txt"));

    // No regular file is read, and a named pipe without a writer is refused at once; a link at
    // the echo's name is replaced.
    ASSERT_EQ(0, ::mkfifo((folder.Path() / "pipe.cs").c_str(), 0600));
    std::ofstream(folder.Path() / "outside.txt") << "outside";
    std::filesystem::create_symlink(folder.Path() / "outside.txt", folder.Path() / "linked.txt");
    testing::internal::CaptureStderr();
    EXPECT_EQ(-1, parser.Parse(folder.ModelPath("missing.cs"), nullptr));
    EXPECT_EQ(-1, parser.Parse(folder.ModelPath("pipe.cs"), nullptr));
    EXPECT_EQ(-1, parser.Parse(folder.ModelPath(), nullptr));
    EXPECT_EQ(-1, parser.Parse(folder.ModelPath("a_partial.cs"), folder.ModelPath("no\\echo.txt")));
    EXPECT_EQ(0, parser.Parse(folder.ModelPath("a_partial.cs"), folder.ModelPath("linked.txt")));
    EXPECT_EQ("ERROR - cannot open input file\nERROR - cannot open input file\nERROR - cannot "
              "open input file\nERROR - cannot open output file\n",
              testing::internal::GetCapturedStderr());
    EXPECT_FALSE(std::filesystem::is_symlink(folder.Path() / "linked.txt"));
    std::ifstream outside(folder.Path() / "outside.txt");
    EXPECT_EQ("outside", std::string(std::istreambuf_iterator<char>(outside), {}));
}

// What the process's standard error stream got while the parse ran, and its result.
struct Outcome
{
    int result;
    std::string errors;
};

Outcome ParseCapturing(CSharpParser& parser, const std::string& text)
{
    testing::internal::CaptureStderr();
    const int result = ParseText(parser, text);
    return {result, testing::internal::GetCapturedStderr()};
}

TEST(CSharpParser, ScannerFailuresEndTheParseAndTheNextParseStartsAfresh)
{
    CSharpParser parser(true);
    const std::string longString = "\"" + std::string(20000, 'x') + "\"";
    const Outcome tooLong = ParseCapturing(parser, "class A { string s = " + longString + "; }");
    EXPECT_EQ(2, tooLong.result);
    EXPECT_EQ("input buffer overflow, can't enlarge buffer because scanner uses REJECT\n",
              tooLong.errors);

    // A stream that fails to read: a folder opened as a file.
    TempFolder folder("WeavoCSharp");
    std::FILE* failing = std::fopen(folder.Path().c_str(), "r");
    ASSERT_NE(nullptr, failing);
    testing::internal::CaptureStderr();
    EXPECT_EQ(2, parser.ParseStream(failing));
    EXPECT_EQ("input in flex scanner failed\n", testing::internal::GetCapturedStderr());
    std::fclose(failing);

    // Parses stopped inside a body, an attribute section and an accessor block.
    EXPECT_EQ(1, ParseText(parser, "class B { void M() { {"));
    EXPECT_EQ(1, ParseText(parser, "class B { [field"));
    EXPECT_EQ(1, ParseText(parser, "class B { int P { get"));
    const Outcome next = ParseCapturing(parser, "class C { void get() {} }\n$");
    EXPECT_EQ(0, next.result);
    EXPECT_EQ("2:lexical error (invalid token) [$]\n", next.errors);
    EXPECT_EQ("A\nB\n  void M() []\nC\n  void get() [ {}]\n", IndexText(parser));
}

TEST(CSharpParser, NestingDeeperThanTheStackAllowsGivesTwo)
{
    const int depth = CSharpParser::maxStackDepth;
    const std::vector<std::string> deep = {
        "class C { C() { x = " + std::string(depth, '(') + "1" + std::string(depth, ')') + "; } }",
        "class C { C() " + std::string(depth, '{') + std::string(depth, '}') + " }",
        [depth]
        {
            std::string text = "class C { C() { x = ";
            for (int i = 0; i < depth; ++i)
                text += "- ";
            return text + "1; } }";
        }(),
        "class C { int[] a = " + std::string(depth, '{') + std::string(depth, '}') + "; }",
        [depth]
        {
            std::string text;
            for (int i = 0; i < depth; ++i)
                text += "class C" + std::to_string(i) + " { ";
            return text + std::string(depth, '}');
        }(),
    };
    for (const std::string& text : deep)
    {
        SCOPED_TRACE(text.substr(0, 30));
        CSharpParser parser(true);
        EXPECT_EQ(2, ParseText(parser, text));
    }
    CSharpParser parser(true);
    EXPECT_EQ(0, ParseText(parser, "class C { C() { x = " + std::string(500, '(') + "1" +
                                       std::string(500, ')') + "; } }"));
}

std::string Times(const std::string& text, int count)
{
    std::string repeated;
    while (count-- > 0)
        repeated += text;
    return repeated;
}

TEST(CSharpParser, AFileThatIsNotCSharpIsRefusedByName)
{
    TempFolder folder("WeavoCSharp");
    std::ofstream(folder.Path() / "crashed.cs", std::ios::binary) << std::string(4096, '\0');
    CSharpParser parser(true);
    testing::internal::CaptureStderr();
    EXPECT_EQ(3, parser.Parse(folder.ModelPath("crashed.cs"), nullptr));
    EXPECT_EQ("ERROR - \"" + std::string(folder.ModelPath("crashed.cs")) +
                  "\" is not C# source: control character 0x00 on line 1\n",
              testing::internal::GetCapturedStderr());

    // A stray character, Ctrl-Z at the end and the letters of names beyond ASCII are read past.
    const std::string refused = "ERROR - the input is not C# source: ";
    const std::vector<std::tuple<std::string, int, std::string>> cases = {
        {"class A { void M() {} }\n\n\x01 class B {}", 3,
         refused + "control character 0x01 on line 3"},
        {"class A {}\n" + Times("$ ", 101), 3,
         refused + "101 characters that start no token by line 2"},
        {"class A {}\n" + std::string(101, '\xFF'), 3,
         refused + "101 characters that start no token by line 2"},
        {Times("class A { } $\n", 150), 0, "150:lexical error (invalid token) [$]"},
        {"class A {}\n" + Times("\xC3\xA9", 200), 0, "2:lexical error (invalid token) [\xA9]"},
        {"\xEF\xBB\xBF"
         "class A {}\x1A",
         0, "1:lexical error (invalid token) [\x1A]"},
    };
    for (const auto& [text, result, lastError] : cases)
    {
        SCOPED_TRACE(lastError);
        CSharpParser parser(true);
        const Outcome outcome = ParseCapturing(parser, text);
        EXPECT_EQ(result, outcome.result);
        EXPECT_TRUE(outcome.errors.ends_with(lastError + "\n")) << outcome.errors.substr(0, 200);
        ASSERT_EQ(1u, parser.GetClasses().size());
    }
}

// The best of three parses' processor time; how far the stream was read.
std::pair<double, long> CostOfParsing(const std::string& text)
{
    std::pair<double, long> cost{1e9, 0};
    for (int run = 0; run < 3; ++run)
    {
        CSharpParser parser(true);
        auto stream = SourceStream(text);
        testing::internal::CaptureStderr();
        const double start = ThreadProcessorSeconds();
        parser.ParseStream(stream.get());
        cost = {std::min(cost.first, ThreadProcessorSeconds() - start), std::ftell(stream.get())};
        testing::internal::GetCapturedStderr();
    }
    return cost;
}

// Four times the NUL bytes cost about the same, four times the classes and methods about four
// times as much (not sixteen); a class met again adds to its record.
TEST(CSharpParser, ReadingStopsAtNulBytesAndFindsClassesAndMethodsByName)
{
    const auto nul = CostOfParsing(std::string(1 << 20, '\0'));
    const auto moreNul = CostOfParsing(std::string(4 << 20, '\0'));
    EXPECT_LE(moreNul.second, static_cast<long>(CSharpScanner::bufferSize));
    EXPECT_LT(moreNul.first, 2 * nul.first) << nul.first << " s then " << moreNul.first;

    const auto classes = [](int count)
    {
        std::string text = "class Wide {\n";
        for (int i = 0; i < 2 * count; ++i)
            text += "void W" + std::to_string(i % count) + "() {}\n";
        text += "}\n";
        for (int i = 0; i < 2 * count; ++i)
            text += "class C" + std::to_string(i % count) + " { void M" + std::to_string(i) +
                    "() {} }\n";
        return text;
    };
    CSharpParser parser(true);
    ASSERT_EQ(0, ParseText(parser, classes(1500)));
    ASSERT_EQ(1501u, parser.GetClasses().size());
    EXPECT_EQ(CString("C1499"), parser.GetClasses().back()->name.text);
    EXPECT_EQ(1500u, parser.GetClasses().front()->methods.size());
    EXPECT_EQ(2u, parser.GetClasses()[8]->methods.size());
    const double small = CostOfParsing(classes(1500)).first;
    const double large = CostOfParsing(classes(6000)).first;
    EXPECT_LT(large, 8 * small) << small << " s then " << large << " s";
}
} // namespace
