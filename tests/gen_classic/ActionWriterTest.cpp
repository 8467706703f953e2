#include "gen_classic/ActionWriter.h"
#include "gen_classic/PageWriteInfo.h"

#include "model/GenerationReport.h"

#include "tests/gen_classic/ClassicGolden.h"
#include "tests/gen_classic/ClassicPageFixture.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace
{
// An action page that saves the record through a procedure call.
class SaveActionWriter : public ActionWriter
{
public:
    SaveActionWriter(const CString& folder, AspFile* file, GenerationReport& report,
                     const ProcedureInvokation* save)
        : ActionWriter(folder, file, report), m_save(save)
    {
    }

private:
    void WriteValidateCall(int indent) override { m_body.Write(indent, "call ValidateData()\n\n"); }
    void WriteDimLines(int indent) override { m_body.Write(indent, "Dim strQry, redir\n"); }
    void WriteBuildQuery(int indent) override
    {
        if (m_save != nullptr)
            WriteProcedureCallString(*m_save, "strQry", indent, /*convert=*/false);
    }
    void WriteAfterKeyRead(int) override {}
    bool IsRedirectStringContinued(int) override { return false; }
    void WriteBeforeRedirect(int) override {}
    void WriteAfterQuery(int) override {}

    const ProcedureInvokation* m_save;
};

// The orders form's update action page: list A holds the page variables of the key, a name
// text box, a customer combo, a date, a check box and a variable without field; list B the
// parameter variables of a quantity and a note.
class ActionPage
{
public:
    ActionPage()
    {
        Field* name = m_page.AddField("name", FieldTypeVarchar);
        Field* customer = m_page.AddField("customer", FieldTypeInt, true, true);
        Field* date = m_page.AddField("odate", FieldTypeDateTime);
        Field* urgent = m_page.AddField("urgent", FieldTypeVarchar);
        Field* quantity = m_page.AddField("qty", FieldTypeFloat);
        Field* note = m_page.AddField("note", FieldTypeText);
        m_page.AddControl(name, FieldRepData::TextBox);
        m_page.AddControl(customer, FieldRepData::ComboBox);
        m_page.AddControl(date, FieldRepData::DateControl);
        m_page.AddControl(urgent, FieldRepData::CheckBox);
        m_page.AddControl(quantity, FieldRepData::TextArea);
        m_page.AddControl(note, FieldRepData::FileUpload);

        m_info->page = &m_page.Page();
        m_info->table = &m_page.OrdersTable();
        m_info->tableName = "orders";
        Variable* key = m_page.MapVariable(m_page.Key(), "ordersId");
        m_info->keyMap = m_page.Page().FindFieldVariableMapByVariable(key);
        for (Field* field : {m_page.Key(), name, customer, date, urgent})
            ListA(field);
        m_page.MapVariable(nullptr, "mode", Variable::pageKind, "New(1)");
        m_info->listA.push_back(m_page.Page().GetFieldVariableMaps().back());
        for (Field* field : {quantity, note})
        {
            m_page.MapVariable(field, (field->GetFieldName() + "Param").GetString(),
                               Variable::parameterKind);
            m_info->listB.push_back(m_page.Page().GetFieldVariableMaps().back());
        }
        Procedure* save = m_page.AddProcedure("PRC_orders_save");
        m_save.SetProcedure(save);
        for (Field* field : {name, quantity, date})
            ClassicPageFixture::AddArgument(
                *save, m_save, field, m_page.Page().FindFieldVariableMapByField(field)->variable);
    }

    ClassicPageFixture& Page() { return m_page; }
    PageWriteInfo* TakeInfo() { return m_info.release(); }
    const ProcedureInvokation& Save() const { return m_save; }

private:
    void ListA(Field* field)
    {
        if (m_page.Page().FindFieldVariableMapByField(field) == nullptr)
            m_page.MapVariable(field, (field->GetFieldName() + "Var").GetString());
        m_info->listA.push_back(m_page.Page().FindFieldVariableMapByField(field));
    }

    ClassicPageFixture m_page;
    std::unique_ptr<PageWriteInfo> m_info = std::make_unique<PageWriteInfo>();
    ProcedureInvokation m_save;
};

std::string WithCarriageReturns(const std::string& text)
{
    std::string bytes;
    for (const char c : text)
    {
        if (c == '\n')
            bytes += '\r';
        bytes += c;
    }
    return bytes;
}

TEST(ActionWriterTest, WritesTheWholeUpdateActionPage)
{
    TempFolder root("WeavoActionPage");
    ActionPage page;
    GenerationReport report;
    SaveActionWriter writer(root.ModelPath() + "\\", page.Page().File(4), report, &page.Save());
    writer.AddPageWriteInfo(page.TakeInfo());
    writer.WritePage();

    EXPECT_TRUE(report.IsEmpty()) << report.GetText().GetString();
    EXPECT_EQ(root.ModelPath() + "\\BaseModule/orders_upd_action.asp", writer.GetOutputPath());
    const std::filesystem::path written = root.Path() / "BaseModule" / "orders_upd_action.asp";
    ExpectGolden("BaseModule/orders_upd_action.asp", writer.GetBody().GetString());
    EXPECT_EQ(WithCarriageReturns(writer.GetBody().GetString()), ReadHostFile(written));

    std::filesystem::copy(ClassicData("_system"), root.Path() / "_system",
                          std::filesystem::copy_options::recursive);
    EXPECT_EQ("", Joined(CheckPageFile(written)));
}

// The block ValidateData holds for one list-B value with a control of the kind on a field of
// the type.
TEST(ActionWriterTest, ValidatesByControlKindAndFieldType)
{
    struct Case
    {
        int kind;
        int type;
        const char* expected;
        // The read makes a value that is not a number 0, as no check refuses it.
        bool guarded;
    };
    const char* const emptyTest =
        "\tIF v = \"\" THEN\n"
        "\t\tsInfo = \"Please enter f caption\"\n"
        "\t\tredir = \"../LoginBaseModule/orders_upd.asp?\" & redirString & "
        "\"&strInfo=\" & Server.URLEncode(sInfo & \"\")\n"
        "\t\texit Function\n";
    const std::string numeric = std::string(emptyTest) +
                                "\tELSEIF isNumeric(v) = false THEN\n"
                                "\t\tsInfo = \"Please enter valid numeric value\"\n"
                                "\t\tredir = \"../LoginBaseModule/orders_upd.asp?\" & redirString "
                                "& \"&strInfo=\" & Server.URLEncode(sInfo & \"\")\n"
                                "\t\texit Function\n"
                                "\tEND IF\n";
    const std::string date = std::string(emptyTest) +
                             "\tELSEIF isDate(v) = false THEN\n"
                             "\t\tsInfo = \"Please enter valid date\"\n"
                             "\t\tredir = \"../LoginBaseModule/orders_upd.asp?\" & redirString & "
                             "\"&strInfo=\" & Server.URLEncode(sInfo & \"\")\n"
                             "\t\texit Function\n"
                             "\tEND IF\n";
    std::string combo = numeric;
    combo.replace(combo.find("\"\""), 2, "\"0\"");
    const std::string textOnly = std::string(emptyTest) + "\tEND IF\n";
    const Case cases[] = {
        {FieldRepData::TextBox, FieldTypeFloat, numeric.c_str(), false},
        {FieldRepData::ComboBox, FieldTypeInt, combo.c_str(), false},
        {FieldRepData::DateControl, FieldTypeDateTime, date.c_str(), false},
        {FieldRepData::TextArea, FieldTypeVarchar, textOnly.c_str(), false},
        {FieldRepData::Password, FieldTypeMoney, textOnly.c_str(), true},
        {FieldRepData::CheckBox, FieldTypeInt, "", true},
        {FieldRepData::Month, FieldTypeBigInt, "", true},
        {FieldRepData::Month, FieldTypeNVarchar, "", false},
    };
    for (const Case& c : cases)
    {
        TempFolder root("WeavoValidation");
        ClassicPageFixture page;
        Field* field = page.AddField("f", c.type);
        page.AddControl(field, c.kind);
        auto* info = new PageWriteInfo;
        info->page = &page.Page();
        page.MapVariable(field, "v", Variable::parameterKind);
        info->listB.push_back(page.Page().GetFieldVariableMaps().back());
        GenerationReport report;
        SaveActionWriter writer(root.ModelPath() + "\\", page.File(4), report, nullptr);
        writer.AddPageWriteInfo(info);
        writer.WritePage();
        const std::string body = writer.GetBody().GetString();
        const std::size_t start = body.find("Function ValidateData()\n") + 24;
        EXPECT_EQ(c.expected, body.substr(start, body.find("End Function", start) - start))
            << c.kind << " " << c.type;
        EXPECT_EQ(
            c.guarded,
            body.find(
                "\tif v <> \"\" and not (isNumeric(v) and InStr(v, \",\") = 0) then v = 0\n") !=
                std::string::npos)
            << c.kind << " " << c.type;
    }
}

TEST(ActionWriterTest, PagesWithoutValuesStillReadAndRedirectSoundly)
{
    TempFolder root("WeavoEmptyAction");
    ClassicPageFixture page;
    page.Page().SetName("my orders");
    GenerationReport report;
    SaveActionWriter writer(root.ModelPath() + "\\", page.File(2), report, nullptr);
    writer.AddPageWriteInfo(new PageWriteInfo);
    writer.WritePage();
    EXPECT_EQ("<%@ LANGUAGE = \"VBScript\" %>\n"
              "<!-- #include file = \"../_system/includes/functions.asp\"-->\n\n"
              "\t<%\n"
              "\tDim strQry, redir\n"
              "\n\n\n"
              "\tcall ExtractData()\n\n"
              "\tcall OpenConnection()\n\n"
              "\tcall ValidateData()\n\n"
              "\tcall ExecuteQuery()\n\n"
              "\tcall CloseConnection()\n\n"
              "\tResponse.Redirect (redir)\n\n"
              "Function ExtractData()\n"
              "\tredirString = \"\"\n\n"
              "End Function\n\n"
              "Function ValidateData()\n"
              "End Function\n\n"
              "Function ExecuteQuery()\n\n"
              "\tset rsQry = server.CreateObject(\"ADODB.RecordSet\")\n\n"
              "\tglb_con.Execute(strQry)\n\n"
              "\tredir = \"?\"\n"
              "End Function\n\n"
              "Err_Trap()\n%>",
              writer.GetBody());
    EXPECT_TRUE(
        std::filesystem::is_regular_file(root.Path() / "BaseModule" / "my_orders_add_action.asp"));
    EXPECT_TRUE(report.IsEmpty());
}

TEST(ActionWriterTest, APageThatCannotBeWrittenGoesToTheReport)
{
    TempFolder root("WeavoUnwritable");
    std::ofstream(root.Path() / "BaseModule") << "a file where the folder should be";
    ClassicPageFixture page;
    GenerationReport report;
    SaveActionWriter writer(root.ModelPath() + "\\", page.File(2), report, nullptr);
    writer.AddPageWriteInfo(new PageWriteInfo);
    writer.WritePage();
    ASSERT_EQ(1u, report.GetUnwrittenFiles().size());
    EXPECT_EQ(root.ModelPath() + "\\BaseModule/orders_add_action.asp",
              report.GetUnwrittenFiles()[0].name);
}
} // namespace
