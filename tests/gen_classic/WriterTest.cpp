#include "gen_classic/Writer.h"
#include "gen_classic/PageWriteInfo.h"

#include "model/GenerationReport.h"

#include "tests/gen_classic/ClassicPageFixture.h"

#include <gtest/gtest.h>

namespace
{
// A writer whose shared text operations the tests call one by one.
class OpenWriter : public Writer
{
public:
    using Writer::GetControlVariable;
    using Writer::HasLaterControlA;
    using Writer::HasLaterControlB;
    using Writer::IsSkippedField;
    using Writer::WriteProcedureCallString;
    using Writer::Writer;
    using Writer::WriteRequestAssignment;
    using Writer::WriteVariableDims;

    CString GetParameterValueName(const VariablePair& pair, FormInterface*) override
    {
        return "CInt(" + pair.second->GetFieldName() + ")";
    }

private:
    void WriteKeyRequestRead(const FieldVariableMap&, int) override {}
    void WriteActionRequestRead(int) override {}
    void WriteFieldRequestRead(const FieldVariableMap&, int) override {}
};

class WriterTest : public ::testing::Test
{
protected:
    WriterTest()
    {
        m_name = m_page.AddField("name", FieldTypeVarchar);
        m_count = m_page.AddField("count", FieldTypeInt);
        m_kind = m_page.AddField("kind", FieldTypeChar);
        m_page.AddControl(m_name, FieldRepData::TextArea);
        m_page.AddControl(m_kind, FieldRepData::RadioButton)
            ->GetFieldRepData()
            ->SetDisplayTexts("Big,Small");
        m_info->page = &m_page.Page();
        m_info->table = &m_page.OrdersTable();
        m_writer.AddPageWriteInfo(m_info);
    }

    FieldVariableMap* Map(Field* field, const char* name, int kind, const char* value = "")
    {
        m_page.MapVariable(field, name, kind, value);
        return m_page.Page().GetFieldVariableMaps().back();
    }

    ClassicPageFixture m_page;
    Field* m_name;
    Field* m_count;
    Field* m_kind;
    GenerationReport m_report;
    PageWriteInfo* m_info = new PageWriteInfo;
    OpenWriter m_writer{"C:\\site\\", m_page.File(2), m_report};
};

TEST_F(WriterTest, DimLinesDeclareTheKeyAndTheVariablesWithControls)
{
    m_info->keyMap = Map(m_page.Key(), "ordersId", Variable::pageKind);
    m_info->listA = {m_info->keyMap, Map(m_count, "countVar", Variable::pageKind),
                     Map(nullptr, "mode", Variable::pageKind)};
    m_info->listB = {
        Map(m_name, "nameParam", Variable::parameterKind),
        Map(m_count, "countParam", Variable::parameterKind),
        Map(m_page.OrdersTable().FindFieldByName("Is_Deleted"), "deleted", Variable::parameterKind),
        Map(m_kind, "kindParam", Variable::parameterKind)};
    m_writer.WriteVariableDims(1);
    EXPECT_EQ(CString("\tDim ordersId\n"
                      "\tDim countVar, mode\n"
                      "\tDim nameParam, kindParam\n"),
              m_writer.GetBody());
    EXPECT_TRUE(m_writer.HasLaterControlB(0));
    EXPECT_TRUE(m_writer.HasLaterControlB(2));
    EXPECT_FALSE(m_writer.HasLaterControlB(3));
    EXPECT_FALSE(m_writer.HasLaterControlA(0));

    m_info->keyMap = nullptr;
    m_info->listA.clear();
    m_info->listB.clear();
    OpenWriter empty("C:\\site\\", m_page.File(2), m_report);
    empty.AddPageWriteInfo(new PageWriteInfo);
    empty.WriteVariableDims(1);
    EXPECT_EQ(CString("\n\n"), empty.GetBody());
}

TEST_F(WriterTest, SkipsTheDeletedFlagAndTheOwnKeyAndNamesControlVariables)
{
    EXPECT_TRUE(m_writer.IsSkippedField(m_page.OrdersTable().FindFieldByName("Is_Deleted")));
    EXPECT_TRUE(m_writer.IsSkippedField(m_page.Key()));
    EXPECT_FALSE(m_writer.IsSkippedField(m_name));
    EXPECT_FALSE(m_writer.IsSkippedField(nullptr));
    EXPECT_EQ(CString("txt_name"), m_writer.GetControlVariable(m_name));
    EXPECT_EQ(CString("rad_kind"), m_writer.GetControlVariable(m_kind));
    EXPECT_EQ(CString(), m_writer.GetControlVariable(m_count));
}

TEST_F(WriterTest, RequestAssignmentsFallBackToTheDefaultQuotedByType)
{
    struct Case
    {
        Field* field;
        const char* request;
        const char* value;
        const char* expected;
    };
    const Case cases[] = {
        {m_name, "txt_name", "abc",
         "\tif Trim(Request(\"txt_name\")) <> \"\" then\n\t\tv = Trim(Request(\"txt_name\"))\n"
         "\telse\n\t\tv = \"abc\"\n\tend if\n"},
        {m_count, "", "0",
         "\tif Trim(Request(\"v\")) <> \"\" then\n\t\tv = Trim(Request(\"v\"))\n"
         "\t\tif v <> \"\" and not (isNumeric(v) and InStr(v, \",\") = 0) then v = "
         "0\n\telse\n\t\tv = 0\n\tend if\n"},
        {m_kind, "rad_kind", "",
         "\tif Trim(Request(\"rad_kind\")) <> \"\" then\n\t\tv = Trim(Request(\"rad_kind\"))\n"
         "\telse\n\t\tv = \"Big\"\n\tend if\n"},
        {m_name, "", "",
         "\tif Trim(Request(\"v\")) <> \"\" then\n\t\tv = Trim(Request(\"v\"))\n\tend if\n"},
        {nullptr, "", "Date()",
         "\tif Trim(Request(\"v\")) <> \"\" then\n\t\tv = Trim(Request(\"v\"))\n"
         "\telse\n\t\tv = Date()\n\tend if\n"},
        {nullptr, "", "say \"hi\"",
         "\tif Trim(Request(\"v\")) <> \"\" then\n\t\tv = Trim(Request(\"v\"))\n"
         "\telse\n\t\tv = \"say \"\"hi\"\"\"\n\tend if\n"},
    };
    for (const Case& c : cases)
    {
        OpenWriter writer("C:\\site\\", m_page.File(2), m_report);
        auto* info = new PageWriteInfo;
        info->page = &m_page.Page();
        writer.AddPageWriteInfo(info);
        writer.WriteRequestAssignment(*Map(c.field, "v", Variable::pageKind, c.value), c.request,
                                      1);
        EXPECT_EQ(CString(c.expected), writer.GetBody()) << c.value;
    }
}

TEST_F(WriterTest, ProcedureCallsQuoteTextParametersAndConvertOnRequest)
{
    Procedure* procedure = m_page.AddProcedure("PRC_orders_login");
    ProcedureInvokation call;
    call.SetProcedure(procedure);
    ClassicPageFixture::AddArgument(*procedure, call, m_name, Map(m_name, "user", 0)->variable);
    ClassicPageFixture::AddArgument(*procedure, call, m_count, Map(m_count, "tries", 0)->variable);
    Field* note = m_page.AddField("note", FieldTypeNVarchar);
    ClassicPageFixture::AddArgument(*procedure, call, note, Map(note, "note", 0)->variable);
    m_writer.WriteProcedureCallString(call, "strQry", 1, /*convert=*/false);
    m_writer.WriteProcedureCallString(call, "strQry", 0, /*convert=*/true);
    // The bare value held in a variable is checked as a number first; a converted one is no
    // variable, and its conversion refuses what is no number.
    EXPECT_EQ(CString("\tif tries <> \"\" and not (isNumeric(tries) and InStr(tries, \",\") = 0) "
                      "then tries = \"NULL\"\n"
                      "\tstrQry = \"PRC_orders_login \" & \"'\" & SingleQuoteToDouble(user) & "
                      "\"',\" & tries & \",\" & \"'\" & SingleQuoteToDouble(note) & \"'\"\n"
                      "strQry = \"PRC_orders_login \" & \"'\" & SingleQuoteToDouble(CInt(user)) & "
                      "\"',\" & CInt(tries) & \",\" & \"'\" & SingleQuoteToDouble(CInt(note)) & "
                      "\"'\"\n"),
              m_writer.GetBody());
}
} // namespace
