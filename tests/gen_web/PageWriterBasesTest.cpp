#include "gen_web/AspxWriter.h"
#include "gen_web/TemplatePageWriter.h"

#include "entities/DerivedField.h"
#include "entities/FormulaTreeNode.h"
#include "entities/Variable.h"
#include "model/FieldRep.h"

#include "tests/gen_web/GenWebProject.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

namespace
{
class TestPageWriter : public TemplatePageWriter
{
public:
    using TemplatePageWriter::LoadPage;
    using TemplatePageWriter::TemplatePageWriter;
    TextFile& Text() { return m_textFile; }
    void SetPage(const char* text) { m_pageText = text; }
};

class TestAspxWriter : public AspxWriter
{
public:
    using AspxWriter::AspxWriter;
    TextFile& Text() { return m_textFile; }
};

class PageWriterBasesTest : public ::testing::Test
{
protected:
    GenWebProject m_fixture;
    TestPageWriter m_page{&m_fixture.Project(), m_fixture.Report()};
};

TEST_F(PageWriterBasesTest, FindIncludePositionGivesTheLineAfterTheMarkerOrTheStart)
{
    struct Case
    {
        const char* page;
        int start;
        int expected;
    };
    const Case cases[] = {
        {"a\nb\n", 0, 0},                      // no marker: the top of the page
        {"a\nb\n", 2, 2},                      // no marker after the start
        {"", 0, 0},                            // empty page
        {"a\n<!-- **Include -->\nb\n", 0, 21}, // after the marker line
        {"x**Include\ny**Include\nz", 11, 22}, // the second marker from after the first
        {"a\n**Include", 0, 11},               // marker on the last line without a line end
    };
    for (const Case& c : cases)
    {
        m_page.SetPage(c.page);
        EXPECT_EQ(c.expected, m_page.FindIncludePosition(c.start)) << c.page << " @" << c.start;
    }
}

TEST_F(PageWriterBasesTest, InsertsEachCollectedTextAtItsMarkerInOrder)
{
    m_page.SetPage("<head>\n**Include\n</head>\n<body>\n**Include\n</body>\n");
    m_page.Text().Write(0, "<script/>\n");
    int position = m_page.InsertGeneratedText(m_page.FindIncludePosition(0));
    m_page.Text().Write(1, "100%%\n");
    position = m_page.InsertGeneratedText(m_page.FindIncludePosition(position));
    EXPECT_EQ(
        CString("<head>\n**Include\n<script/>\n</head>\n<body>\n**Include\n\t100%\n</body>\n"),
        m_page.GetPageText());
    EXPECT_EQ(m_page.GetPageText().Find("</body>"), position);
    EXPECT_TRUE(m_page.Text().GetBuffer().IsEmpty());
}

TEST_F(PageWriterBasesTest, LoadsTemplatesLineByLineWithOneEmptyLineMore)
{
    const auto file = m_fixture.Root() / "t.aspx";
    WriteHostFile(file, "a\r\n**Include\r\nb");
    EXPECT_TRUE(m_page.LoadPage(m_fixture.Temp().ModelPath("t.aspx")));
    EXPECT_EQ(CString("a\n**Include\nb\n\n"), m_page.GetPageText());

    WriteHostFile(file, "");
    EXPECT_TRUE(m_page.LoadPage(m_fixture.Temp().ModelPath("t.aspx")));
    EXPECT_EQ(CString("\n"), m_page.GetPageText());
    m_page.Text().Write(0, "top\n");
    EXPECT_EQ(4, m_page.InsertGeneratedText(m_page.FindIncludePosition(0)));
    EXPECT_EQ(CString("top\n\n"), m_page.GetPageText());

    EXPECT_FALSE(m_page.LoadPage(m_fixture.Temp().ModelPath("missing.aspx")));
    EXPECT_FALSE(m_page.LoadPage(m_fixture.Temp().ModelPath()));
    EXPECT_TRUE(m_page.GetPageText().IsEmpty());
}

TEST_F(PageWriterBasesTest, SupportTreeTemplatesHoldTwoMarkers)
{
    for (int setting : {0, 3})
    {
        m_fixture.Project().GetProjectSettings()->SetPageTemplate(setting);
        ASSERT_TRUE(m_page.LoadTemplate()) << setting;
        const int first = m_page.FindIncludePosition(0);
        EXPECT_GT(first, 0);
        EXPECT_GT(m_page.FindIncludePosition(first), first);
    }
    m_fixture.Project().GetProjectSettings()->SetPageTemplate(6);
    EXPECT_FALSE(m_page.LoadTemplate());
    EXPECT_TRUE(m_page.GetPageText().IsEmpty());
}

TEST_F(PageWriterBasesTest, SavePageWritesUnderTheProjectPathAndEmptiesThePage)
{
    m_page.SetPage("<%\nx\n");
    m_page.SavePage("Page.asp", "");
    EXPECT_EQ(CString("<%\nx\n"), m_page.GetPageText());

    m_page.Text().Write(0, "left over");
    m_page.SavePage("Page.asp", "Shop\\Shop\\M\\UI");
    EXPECT_EQ("<%\r\nx\r\n", ReadHostFile(m_fixture.Root() / "Shop/Shop/M/UI/Page.asp"));
    EXPECT_TRUE(m_page.GetPageText().IsEmpty());
    EXPECT_TRUE(m_page.Text().GetBuffer().IsEmpty());
    EXPECT_TRUE(m_fixture.Report().IsEmpty());

    m_page.WriteCloseConnection(1);
    m_page.WriteErrTrap();
    m_page.InsertGeneratedText(0);
    EXPECT_EQ(CString("\t<%\n\t\tCloseConnection()\n\t%>\nErr_Trap()\n%>\n"), m_page.GetPageText());
}

// A field of the type, mapped to a variable of the name, with its control on the page; the table
// takes the field when one is given.
FieldRep* AddMappedField(Form& page, Table* table, const char* variable, int type)
{
    auto* field = new Field;
    field->Set(variable, variable, type, 4, 0, nullptr, "", false, false, true, false, false);
    if (table != nullptr)
        table->AddField(field);
    auto* variableObject = new Variable;
    variableObject->SetName(CString("v") + variable);
    page.AddFieldVariableMap(new FieldVariableMap{field, variableObject});
    auto* control = new FieldRep(field);
    page.AddFieldRep(control);
    return control;
}

FormulaTreeNode* Leaf(FieldRep* operand)
{
    auto* node = new FormulaTreeNode;
    node->SetOperand(operand);
    return node;
}

FormulaTreeNode* Sum(FormulaTreeNode* left, FormulaTreeNode* right)
{
    auto* node = new FormulaTreeNode;
    node->SetOperator(1);
    node->SetLeft(left);
    node->SetRight(right);
    return node;
}

TEST_F(PageWriterBasesTest, DerivedFieldsAreAssignedWhenTheirOperandsHaveValues)
{
    Table table;
    Form page;
    FieldRep* a = AddMappedField(page, &table, "a", FieldTypeInt);
    FieldRep* b = AddMappedField(page, &table, "b", FieldTypeFloat);
    FieldRep* name = AddMappedField(page, &table, "name", FieldTypeVarchar);
    FieldRep* unmapped = new FieldRep(new Field);
    page.AddFieldRep(unmapped);
    const auto addDerived = [&](const char* target, FormulaTreeNode* formula)
    {
        auto* derived = new DerivedField(
            AddMappedField(page, nullptr, target, FieldTypeInt)->GetField(), &table);
        derived->SetFormula(formula);
        page.AddDerivedField(derived);
    };
    addDerived("total", Sum(Leaf(a), Sum(Leaf(b), Leaf(unmapped))));
    addDerived("label", Leaf(name));
    addDerived("constant", Leaf(unmapped));
    page.AddDerivedField(new DerivedField(new Field, &table));

    m_page.WriteDerivedFieldAssignments(&page);
    EXPECT_EQ(CString("\tif va <> \"\" and vb <> \"\" then\n"
                      "\t\tvtotal = Cint(va) + Cfloat(vb) + \n"
                      "\tend if\n\n"
                      "\tif vname <> \"\" then\n"
                      "\t\tvlabel = vname\n"
                      "\tend if\n\n"
                      "\tvconstant = \n"),
              m_page.Text().GetBuffer());
    delete unmapped->GetField();
}

TEST_F(PageWriterBasesTest, SaveFileWritesEachSaveOnlyTheTextCollectedSinceTheLast)
{
    TestAspxWriter writer(&m_fixture.Project(), nullptr, m_fixture.Report());
    writer.Text().Write(0, "first\n");
    writer.SaveFile("A.cs", "");
    writer.SaveFile("A.cs", writer.GetRelativeFolder(true) + "\\CS");
    writer.Text().Write(0, "second\n");
    writer.SaveFile("B.cs", writer.GetRelativeFolder(false));
    EXPECT_EQ("first\r\n", ReadHostFile(m_fixture.Root() / "Shop/Shop/BaseModule/CS/A.cs"));
    EXPECT_EQ("second\r\n", ReadHostFile(m_fixture.Root() / "Shop/Shop/B.cs"));
    EXPECT_TRUE(m_fixture.Report().IsEmpty());
}

TEST_F(PageWriterBasesTest, UnwritableTargetsGoToTheReport)
{
    WriteHostFile(m_fixture.Root() / "Shop/Shop/Blocked", "a file where a folder is wanted");
    TestAspxWriter writer(&m_fixture.Project(), nullptr, m_fixture.Report());
    writer.Text().Write(0, "text\n");
    writer.SaveFile("A.cs", "Shop\\Shop\\Blocked\\CS");
    m_page.SetPage("page\n");
    m_page.SavePage("P.aspx", "Shop\\Shop\\Blocked");
    EXPECT_TRUE(writer.Text().GetBuffer().IsEmpty());

    const auto& unwritten = m_fixture.Report().GetUnwrittenFiles();
    ASSERT_EQ(2u, unwritten.size());
    EXPECT_EQ(m_fixture.Temp().ModelPath("Shop\\Shop\\Blocked\\CS\\A.cs"), unwritten[0].name);
    EXPECT_EQ(m_fixture.Temp().ModelPath("Shop\\Shop\\Blocked\\P.aspx"), unwritten[1].name);
    EXPECT_EQ(CString("Not a directory"), unwritten[0].reason);
}
} // namespace
