#include "gen_reports/XmlEntityTable.h"
#include "gen_reports/XmlFile.h"

#include "tests/gen_reports/XmlTreeDump.h"
#include "tests/gen_web/GenWebProject.h"
#include "tests/gen_web/ToolRun.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;

// The text written as a file and loaded through XmlFile.
struct LoadedFile
{
    explicit LoadedFile(const std::string& text) : file(Write(path(), text)) { stop = file.Load(); }

    fs::path path() const { return temp.Path() / "doc.xml"; }
    static CString Write(const fs::path& path, const std::string& text)
    {
        WriteHostFile(path, text);
        return CString(path.string());
    }

    TempFolder temp{"WeavoXml"};
    XmlFile file;
    const char* stop = nullptr;
};

struct TreeCase
{
    const char* what;
    std::string text;
    // Checked by xmllint --noout.
    bool wellFormed;
    std::string tree;
    // GetText of the root with the default options.
    std::string text_;
};

std::vector<TreeCase> TreeCases()
{
    const std::string longValue(5000, 'x');
    return {
        {"a line longer than the read buffer", "<a>" + longValue + "</a>", true,
         "a value=\"" + longValue + "\"\n", longValue},
        {"declaration, comment before the root and three ways of quoting",
         "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<!-- head -->\r\n"
         "<r a=\"1\" b='2 \"two\"' c=3 d = \"4\">x</r>\r\n",
         false, "r value=\"x\" @a=\"1\" @b=\"2 \"two\"\" @c=\"3\" @d=\"4\"\n", "x"},
        {"text before and after an empty child", "<a>first<b/>second</a>", true,
         "a value=\"first\"\n  b\n", "first"},
        {"blanks around an empty child", "<a> <b /> </a>", true, "a value=\" \"\n  b\n", " "},
        {"a comment and a processing instruction as children",
         "<a>\r\n\t<!-- note -->\r\n\t<?pi x?>\r\n\t<b k=\"v\">t</b>\r\n</a>\r\n", true,
         "a value=\"\\r\\n\"\n  #COMMENT type=2 value=\" note \"\n  b value=\"t\" @k=\"v\"\n",
         "t\r\n"},
        {"a CDATA section keeps its markup", "<a><![CDATA[<x> & y]]></a>", true,
         "a\n  #CDATA type=3 value=\"<x> & y\"\n", "<x> & y"},
        {"entities are decoded in values and encoded again by GetText",
         "<a t=\"&amp;&lt;&quot;\">&lt;b&gt; &amp; &quot;c&quot; &apos;d&apos;</a>", true,
         "a value=\"<b> & \"c\" 'd'\" @t=\"&<\"\"\n",
         "&lt;b&gt; &amp; &quot;c&quot; &apos;d&apos;"},
        {"a child's text comes before the element's own value",
         "<a>own<b>inner</b><c><![CDATA[&]]></c></a>", true,
         "a value=\"own\"\n  b value=\"inner\"\n  c\n    #CDATA type=3 value=\"&\"\n", "inner&own"},
        {"names keep their case and prefix",
         "<Item xmlns:rd=\"urn:rd\" Include=\"x\" include=\"y\"><rd:Name>n</rd:Name>"
         "<name>m</name></Item>",
         true,
         "Item @xmlns:rd=\"urn:rd\" @Include=\"x\" @include=\"y\"\n  rd:Name value=\"n\"\n"
         "  name value=\"m\"\n",
         "nm"},
        {"an end tag with a blank before its '>'", "<a><b>t</b ></a >", true,
         "a\n  b value=\"t\"\n", "t"},
        {"backslashes end values", "<p><OutputPath>bin\\</OutputPath><v k=\"C:\\d\\\">x</v></p>",
         true, "p\n  OutputPath value=\"bin\\\"\n  v value=\"x\" @k=\"C:\\d\\\"\n", "bin\\x"},
        {"a nameless element is dropped with what it holds", "<r><>x<b/></><c/></r>", false,
         "r\n  c\n", ""},
        {"a nameless element that is never closed is dropped", "<r><c/><>x<d>", false, "r\n  c\n",
         ""},
        {"an element that is never closed", "<a><b>t", false, "a\n  b value=\"t\"\n", "t"},
    };
}
} // namespace

// Each document gives its tree, and its text with the default text options; no error is
// recorded. The documents meant to be well-formed are checked by xmllint.
TEST(XmlReader, DocumentsGiveTheirTrees)
{
    for (const TreeCase& c : TreeCases())
    {
        LoadedFile loaded(c.text);
        EXPECT_EQ(c.text, loaded.file.GetContent().str()) << c.what;
        EXPECT_EQ(c.tree, DumpTree(loaded.file.GetRoot())) << c.what;
        EXPECT_EQ(c.text_, loaded.file.GetRoot().GetText().str()) << c.what;
        EXPECT_NE(nullptr, loaded.stop) << c.what;
        EXPECT_EQ(0, loaded.file.GetParseOptions().errorCode) << c.what;
        EXPECT_FALSE(loaded.file.GetParseOptions().errorFlag) << c.what;
        if (c.wellFormed)
        {
            const ToolResult lint = RunTool("xmllint --noout " + ShellQuoted(loaded.path()));
            EXPECT_EQ(0, lint.exitCode) << c.what << lint.output;
        }
    }
}

// A broken document records its first error in the file's own record, with the code, the
// message and the position, keeps the tree built before it, and the load returns null. Text
// that ends inside markup is not read past; no error is recorded for it.
TEST(XmlReader, BrokenDocumentsRecordTheirErrorAndKeepTheTree)
{
    const struct
    {
        const char* what;
        std::string text;
        bool stopsWithNull;
        int code;
        std::string message;
        int position;
        std::string tree;
    } cases[] = {
        {"a '/' in a start tag without '>'", "<a><b/c></a>", true, 1, "Element must be closed.", 5,
         "a\n  b\n"},
        {"an end tag that does not match", "<a><b>t</a>", true, 3,
         "'<b> ... </a>' is not wel-formed.", 7, "a\n  b value=\"t\"\n"},
        {"an end tag without its '>'", "<a><b/></a", true, 2, "it must be closed with </a>", 7,
         "a\n  b\n"},
        {"an attribute name at the end of the text", "<a><b x", true, 4, "<b> attribute has error ",
         6, "a\n  b\n"},
        {"a start tag cut short", "<a k=\"v\"", true, 0, "", -1, "a @k=\"v\"\n"},
        {"a quoted value without its closing quote", "<a v=\"x' w='y>t</a>", true, 0, "", -1,
         "a @v=\"x' w='y>t</a>\"\n"},
        {"a comment without its end", "<a><b/><!-- open", false, 0, "", -1,
         "a\n  b\n  #COMMENT type=2 value=\" open\"\n"},
        {"a CDATA section without its end", "<a><![CDATA[x<y", false, 0, "", -1,
         "a\n  #CDATA type=3 value=\"x<y\"\n"},
        {"a declaration without its end", "<?xml version=\"1.0\"", false, 0, "", -1, ""},
        {"a processing instruction inside an element without its end", "<a>t<?pi", false, 0, "", -1,
         "a value=\"t\"\n"},
        {"no element at all", "just text", true, 0, "", -1, ""},
        {"a comment before the root without its end", "<!-- <a/>", false, 0, "", -1, ""},
    };
    for (const auto& c : cases)
    {
        LoadedFile loaded(c.text);
        const XmlParseOptions& record = loaded.file.GetParseOptions();
        EXPECT_EQ(c.stopsWithNull, loaded.stop == nullptr) << c.what;
        EXPECT_EQ(c.code != 0, record.errorFlag) << c.what;
        EXPECT_EQ(c.code, record.errorCode) << c.what;
        EXPECT_EQ(c.message, record.errorMessage.str()) << c.what;
        const int position =
            record.errorPosition == nullptr
                ? -1
                : static_cast<int>(record.errorPosition - loaded.file.GetContent().GetString());
        EXPECT_EQ(c.position, position) << c.what;
        EXPECT_EQ(c.tree, DumpTree(loaded.file.GetRoot())) << c.what;
        if (!c.stopsWithNull)
        {
            EXPECT_EQ(loaded.file.GetContent().GetString() + c.text.size(), loaded.stop) << c.what;
        }
    }
}

// Two loads in a row each record their own error, a load of a good file after them none, and
// the shared default record stays clear.
TEST(XmlReader, EveryLoadRecordsItsOwnError)
{
    TempFolder temp("WeavoXml");
    const fs::path path = temp.Path() / "doc.xml";
    XmlFile file(CString(path.string()));
    const struct
    {
        const char* text;
        int code;
    } loads[] = {{"<a><b/c></a>", 1}, {"<a><b></c></a>", 3}, {"<a><b/></a>", 0}, {"<a b", 4}};
    for (const auto& load : loads)
    {
        WriteHostFile(path, load.text);
        file.Load();
        EXPECT_EQ(load.code, file.GetParseOptions().errorCode) << load.text;
        EXPECT_EQ(load.code != 0, file.GetParseOptions().errorFlag) << load.text;
        XmlFile other(CString(path.string()));
        other.Load();
        EXPECT_EQ(load.code, other.GetParseOptions().errorCode) << load.text;
    }
    EXPECT_FALSE(DefaultXmlParseOptions().errorFlag);
    EXPECT_EQ(0, DefaultXmlParseOptions().errorCode);
}

// A missing file leaves the content empty and the root without name and children.
TEST(XmlReader, MissingFileReadsAsEmpty)
{
    TempFolder temp("WeavoXml");
    XmlFile file(CString((temp.Path() / "none.xml").string()));
    EXPECT_EQ(nullptr, file.Load());
    EXPECT_TRUE(file.GetContent().IsEmpty());
    EXPECT_EQ("", DumpTree(file.GetRoot()));
    EXPECT_FALSE(file.GetParseOptions().errorFlag);
}

// Mismatched end tags are passed over with force parse; the first error stops a load whose
// record already holds one, without changing it.
TEST(XmlReader, ParseOptionsForceParseAndKeepTheFirstError)
{
    XmlParseOptions options = DefaultXmlParseOptions();
    options.forceParse = true;
    XmlNode root;
    EXPECT_NE(nullptr, root.Load("<a><b>t</c></b><d/></a>", options));
    EXPECT_EQ("a\n  b value=\"t\"\n  d\n", DumpTree(root));
    EXPECT_FALSE(options.errorFlag);

    options.forceParse = false;
    EXPECT_EQ(nullptr, root.Load("<a><b/c></a>", options));
    EXPECT_EQ(1, options.errorCode);
    EXPECT_EQ(nullptr, root.Load("<a></b>", options));
    EXPECT_EQ(1, options.errorCode);
    EXPECT_EQ("Element must be closed.", options.errorMessage.str());

    XmlParseOptions trimmed = DefaultXmlParseOptions();
    trimmed.trimValues = true;
    trimmed.decodeEntities = false;
    trimmed.escapeCharacter = '^';
    EXPECT_NE(nullptr, root.Load("<a k=\" ^^x^y &amp; \" j=\"a^\"b\">  v^^ </a>", trimmed));
    EXPECT_EQ("a value=\"v^\" @k=\"^xy &amp;\" @j=\"a\"b\"\n", DumpTree(root));
    EXPECT_EQ(nullptr, root.Load(nullptr, trimmed));
    EXPECT_EQ("", DumpTree(root));
}

// FindElements walks depth first in document order and does not test the root; GetChild is
// bounded; lookups compare names exactly.
TEST(XmlReader, FindElementsOrderAndChildLookups)
{
    LoadedFile loaded("<x id=\"0\"><x id=\"1\"><x id=\"2\"/></x><y><x id=\"3\"/><X id=\"no\"/></y>"
                      "<!-- x --><x id=\"4\">t</x></x>");
    std::vector<XmlNode*> found{nullptr};
    loaded.file.FindElements("x", found);
    std::vector<std::string> ids;
    for (const XmlNode* node : found)
        ids.push_back(node->GetAttributeValue("id"));
    EXPECT_EQ((std::vector<std::string>{"1", "2", "3", "4"}), ids);
    loaded.file.FindElements("z", found);
    EXPECT_TRUE(found.empty());

    const XmlNode& root = loaded.file.GetRoot();
    ASSERT_EQ(4, root.GetChildCount());
    EXPECT_EQ(nullptr, root.GetChild(-1));
    EXPECT_EQ(nullptr, root.GetChild(4));
    EXPECT_EQ("y", root.GetChild(1)->GetName().str());
    EXPECT_EQ("#COMMENT", root.GetChild(2)->GetName().str());
    EXPECT_EQ(root.GetChild(0), root.FindChild("x"));
    EXPECT_EQ(nullptr, root.FindChild("Y"));
    EXPECT_EQ(nullptr, root.GetAttributeValue("ID"));
    EXPECT_EQ(&root, root.FindAttribute("id")->owner);
    EXPECT_EQ("", root.GetChildText("none").str());
    EXPECT_EQ("", root.GetChildText("#COMMENT").str());
    EXPECT_EQ("t", root.GetChild(3)->GetText().str());
}

// Decode replaces each entity text by its character, first match in table order; Encode the
// reverse; null and empty texts give "".
TEST(XmlReader, EntityTableDecodesAndEncodes)
{
    const XmlEntityTable& standard = StandardXmlEntityTable();
    const XmlEntityTable custom({{'*', "&star;"}, {'#', "&twelve-bytes;"}, {'a', "&x"}});
    const struct
    {
        const XmlEntityTable& table;
        const char* encoded;
        const char* decoded;
    } cases[] = {
        {standard, "a &amp; &lt;b&gt; &quot;c&quot; &apos;d&apos;", "a & <b> \"c\" 'd'"},
        {standard, "&amp;lt;", "&lt;"},
        {standard, "", ""},
        {custom, "&star;&twelve-byt!&x", "*#!a"},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(c.decoded, c.table.Decode(c.encoded).str()) << c.encoded;
        EXPECT_EQ(c.encoded, c.table.Encode(c.decoded).str()) << c.decoded;
    }
    EXPECT_EQ("&unknown; & x", standard.Decode("&unknown; &amp; x").str());
    EXPECT_EQ("ay", XmlEntityTable({{'a', "&x"}, {'b', "&xy"}}).Decode("&xy").str());
    EXPECT_EQ("", standard.Decode(nullptr).str());
    EXPECT_EQ("", standard.Encode(nullptr).str());
    const std::vector<XmlEntity>& entities = standard.GetEntities();
    ASSERT_EQ(5u, entities.size());
    const char characters[] = {'&', '"', '\'', '<', '>'};
    const int lengths[] = {5, 6, 6, 4, 4};
    for (int i = 0; i < 5; ++i)
    {
        EXPECT_EQ(characters[i], entities[i].character);
        EXPECT_EQ(lengths[i], entities[i].length);
    }
    EXPECT_EQ(11, custom.GetEntities()[1].length);
}

// Deep nesting loads, is searched, gives its text and is freed without exhausting the stack.
TEST(XmlReader, DeepNestingNeedsNoRecursion)
{
    constexpr int depth = 200000;
    std::string text;
    for (int i = 0; i < depth; ++i)
        text += "<a>";
    text += "&lt;";
    for (int i = 0; i < depth; ++i)
        text += "</a>";
    LoadedFile loaded(text);
    EXPECT_EQ(loaded.file.GetContent().GetString() + text.size(), loaded.stop);
    std::vector<XmlNode*> found;
    loaded.file.FindElements("a", found);
    ASSERT_EQ(static_cast<std::size_t>(depth - 1), found.size());
    EXPECT_EQ("<", found.back()->GetValue().str());
    EXPECT_EQ("&lt;", found.front()->GetText().str());
    EXPECT_EQ(0, found.back()->GetChildCount());

    LoadedFile open(text.substr(0, text.size() / 2));
    open.file.FindElements("a", found);
    EXPECT_EQ(static_cast<std::size_t>(depth - 1), found.size());
}
