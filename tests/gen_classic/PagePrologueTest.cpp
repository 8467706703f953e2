#include "gen_classic/PagePrologue.h"

#include "entities/ApplicationReport.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "gen_classic/ClassicText.h"

#include "model/EventRecmpFields.h"
#include "model/Field.h"

#include "tests/gen_classic/ClassicGolden.h"
#include "tests/gen_classic/ClassicPageFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// The orders form with a customer combo (a foreign key that allows null) whose change runs a
// procedure refilling the key, a date, a name with a default and a quantity with a default,
// and a text box on the name that posts its own value.
class PrologueForm
{
public:
    PrologueForm()
    {
        Field* key = m_page.Key();
        Field* customer = m_page.AddField("customer", FieldTypeInt, /*allowNull=*/true,
                                          /*foreignKey=*/true);
        Field* date = m_page.AddField("odate", FieldTypeDateTime, /*allowNull=*/true);
        Field* name = m_page.AddField("name", FieldTypeVarchar, /*allowNull=*/true);
        Field* quantity = m_page.AddField("qty", FieldTypeFloat, /*allowNull=*/true);
        Field* note = m_page.AddField("note", FieldTypeInt);
        m_page.MapVariable(key, "ordersId");
        Variable* customerVariable = m_page.MapVariable(customer, "customerVar");
        m_page.MapVariable(date, "odateVar");
        Variable* nameVariable = m_page.MapVariable(name, "nameVar", Variable::pageKind, "ab\"c");
        m_page.MapVariable(quantity, "qtyVar", Variable::pageKind, "0");
        m_page.MapVariable(note, "noteVar");
        m_page.MapVariable(nullptr, "shared", Variable::sharedKind);

        m_combo = m_page.AddControl(customer, FieldRepData::ComboBox);
        m_nameBox = m_page.AddControl(name, FieldRepData::TextBox);
        m_page.AddControl(date, FieldRepData::DateTime);
        Procedure* procedure = m_page.AddProcedure("PRC_orders_fill");
        auto* call = new ProcedureInvokation;
        call->SetProcedure(procedure);
        ClassicPageFixture::AddArgument(*procedure, *call, customer, customerVariable);
        ClassicPageFixture::AddArgument(*procedure, *call, name, nameVariable);
        for (Field* result : {key, date, name, quantity})
            call->AddFieldVariableMap(new FieldVariableMap{
                result, m_page.Page().FindFieldVariableMapByField(result)->variable});
        auto* onChange = new EventRecmpFields;
        onChange->AddProcedureRecompute(m_nameBox, call);
        m_combo->GetFieldRepData()->AddEventRecmpFields(onChange);
    }

    std::string WritePieces(int fileKind)
    {
        AspFile* file = fileKind <= 4 ? m_page.File(fileKind) : m_page.AddFile(fileKind);
        TextFile out = Collector();
        std::vector<CString> refusals;
        PagePrologue prologue(file, out, refusals);
        const std::vector<FieldVariableMap*>& maps = m_page.Page().GetFieldVariableMaps();
        out.Write(0, "' WritePagePrologue\n");
        prologue.WritePagePrologue({"fnTop", "fnLeft"}, maps, {m_combo, m_nameBox}, 0);
        out.Write(0, "' WriteDims\n");
        prologue.WriteDims({}, maps, 1);
        out.Write(0, "' WriteFieldRequestBlocks\n");
        prologue.WriteFieldRequestBlocks({m_combo, m_nameBox}, 0);
        out.Write(0, "' WriteExtractDataFunction\n");
        prologue.WriteExtractDataFunction(maps, {m_page.Page().FindMappedFieldByName("odate")},
                                          {m_combo, m_nameBox}, /*withAction=*/true, 0);
        out.Write(0, "' WriteDerivedFieldQueries\n");
        prologue.WriteDerivedFieldQueries();
        EXPECT_TRUE(refusals.empty());
        return out.GetBuffer().GetString();
    }

private:
    ClassicPageFixture m_page;
    FieldRep* m_combo;
    FieldRep* m_nameBox;
};

// The pieces on an add page (no key read), an update page (the key read and the Recompute
// flag) and an action page (no menu handler names).
TEST(PagePrologueTest, PiecesOfAnAddAnUpdateAndAnActionPage)
{
    for (const int kind : {1, 3, 2, 11})
    {
        const std::string text = PrologueForm().WritePieces(kind);
        ExpectGolden("prologue_kind" + std::to_string(kind) + ".asp", "<%\n" + text + "%>\n");
        EXPECT_EQ("", Joined(ScriptProblems("<%\n" + text + "%>\n"))) << kind;
    }
}

TEST(PagePrologueTest, ActionPageMainValidatesUnlessRemoving)
{
    for (const bool withRemove : {false, true})
    {
        ClassicPageFixture page;
        page.MapVariable(page.Key(), "ordersId");
        TextFile out = Collector();
        std::vector<CString> refusals;
        PagePrologue(page.File(2), out, refusals)
            .WriteActionPageMain(page.Page().GetFieldVariableMaps(), {"fnTop"}, withRemove, 0);
        const CString validate = withRemove ? "\tIf sAct <> \"Remove\" Then\n"
                                              "\t\tcall ValidateData()\n"
                                              "\tEnd If\n\n"
                                            : "\tcall ValidateData()\n";
        EXPECT_EQ("<%@ LANGUAGE = \"VBScript\" %>\n"
                  "<!-- #include file = \"../_system/includes/functions.asp\"-->\n\n"
                  "<%\n"
                  "\tDim fnTop\n"
                  "\tDim ordersId\n\n"
                  "\tcall ExtractData()\n\n"
                  "\tcall Check_Login()\n"
                  "\tcall OpenConnection()\n\n" +
                      validate +
                      "\tcall ExecuteQuery()\n\n"
                      "\tcall CloseConnection()\n\n"
                      "\tResponse.Redirect (redir)\n\n",
                  out.GetBuffer());
    }
}

// A report reads the values of its column controls, the date-time one from its three parts;
// other pages and a button column read nothing; the login calls stand between empty lines.
TEST(PagePrologueTest, ReportColumnReadsAndLoginCalls)
{
    ApplicationReport report;
    auto* group = new ReportGroup(&report, nullptr);
    report.AddReportGroup(group);
    const std::pair<const char*, int> columns[] = {{"unit price", FieldRepData::DateTime},
                                                   {"pay", FieldRepData::Button},
                                                   {"bare", -1},
                                                   {"qty", FieldRepData::TextBox}};
    for (const auto& [name, kind] : columns)
    {
        auto* column = new ReportField;
        column->SetName(name);
        if (kind >= 0)
        {
            auto* property = new ReportFieldControlProperty;
            auto* control = new FieldRep;
            auto* data = new FieldRepData;
            data->SetControlKind(kind);
            data->SetCaption(name);
            control->AttachFieldRepData(data);
            property->SetControl(control);
            column->SetControlProperty(property);
        }
        group->AddReportField(column);
    }
    AspFile file;
    file.SetOwnerPage(&report);
    TextFile out = Collector();
    std::vector<CString> refusals;
    PagePrologue prologue(&file, out, refusals);
    prologue.WriteReportFieldRequestReads(1);
    prologue.WriteLoginCheckCalls();
    ClassicPageFixture form;
    PagePrologue(form.File(1), out, refusals).WriteReportFieldRequestReads(1);
    EXPECT_EQ(CString("\t\tunit_price = MakeDateTimeVar(Trim(Request(\"unit_price\")), "
                      "Trim(Request(\"lst_hrs_txt_unit_price\")), "
                      "Trim(Request(\"lst_mins_txt_unit_price\")))\n"
                      "\t\tqty = Trim(Request(\"qty\"))\n"
                      "\n"
                      "\tcall Check_Login()\n"
                      "\tcall OpenConnection()\n"
                      "\tcall GetCurrentFileAndDesignation()\n"
                      "\n"),
              out.GetBuffer());
}

TEST(PagePrologueTest, APageWithoutVariablesStillNamesItsMenuHandlers)
{
    ClassicPageFixture page;
    page.Page().SetName("order list");
    TextFile out = Collector();
    std::vector<CString> refusals;
    PagePrologue(page.File(1), out, refusals).WriteDims({}, {}, 0);
    EXPECT_EQ(CString("Dim formTopMenuFunctionName, formLeftMenuFunctionName\n"
                      "formTopMenuFunctionName = \"order_list_add_Top_MenuOnClick\"\n"
                      "formLeftMenuFunctionName = \"order_list_add_Left_MenuOnClick\"\n"),
              out.GetBuffer());
}
} // namespace

// A variable's default stands bare in VBScript only as a value that runs no statement: a number
// of its field's number type, a date expression, a call with numbers; else a string literal
// where the field's values are texts, and a refusal where they reach SQL bare. A value compared
// with an int stands bare only as a whole number of int.
TEST(PagePrologueTest, AValueStandsBareOnlyWhereItRunsNoStatement)
{
    const char* const code = "1 Then Response.Write(7*7) : If 1";
    struct Row
    {
        int type;
        const char* value;
        const char* written;
        const char* refusal;
    };
    const int noField = -1;
    const Row rows[] = {
        {FieldTypeVarchar, "ab\"c %>", "\"ab\"\"c %\" & \">\"", ""},
        {FieldTypeNText, code, "\"1 Then Response.Write(7*7) : If 1\"", ""},
        {FieldTypeInt, " 42 ", "42", ""},
        {FieldTypeInt, "-2147483648", "-2147483648", ""},
        {FieldTypeInt, "2147483648", "", "it is no whole number of int"},
        {FieldTypeInt, code, "", "it is no whole number of int"},
        {FieldTypeBigInt, "2147483648", "2147483648", ""},
        {FieldTypeFloat, "1.5e3", "1.5e3", ""},
        {FieldTypeDecimal, "1.5e3", "", "it is no decimal number"},
        {FieldTypeMoney, "-3.25", "-3.25", ""},
        {FieldTypeMoney, "0--", "", "it is no decimal number"},
        {FieldTypeImage, "1", "", "a field of this type takes no default value"},
        {FieldTypeDateTime, "Now", "Now", ""},
        {FieldTypeDateTime, "DateSerial(2024, 1, 31)", "DateSerial(2024, 1, 31)", ""},
        {FieldTypeDateTime, "#1/31/2024 10:15 AM#", "#1/31/2024 10:15 AM#", ""},
        {FieldTypeDateTime, "2024-01-31", "\"2024-01-31\"", ""},
        {FieldTypeDateTime, "Now : Response.Write(7*7)", "\"Now : Response.Write(7*7)\"", ""},
        {FieldTypeDateTime, "DateValue(\"x\")", "\"DateValue(\"\"x\"\")\"", ""},
        {noField, "New(1)", "New(1)", ""},
        {noField, "Date()", "Date()", ""},
        {noField, code, "",
         "a value with \"(\" is written only as a call with numbers for "
         "arguments, as Date() or Round(2.5, 0)"},
        {noField, "Round(., 0)", "",
         "a value with \"(\" is written only as a call with numbers for arguments, as Date() or "
         "Round(2.5, 0)"},
        {noField, "Eval(\"x\")", "",
         "a value with \"(\" is written only as a call with numbers "
         "for arguments, as Date() or Round(2.5, 0)"},
        {noField, "Now", "\"Now\"", ""},
    };
    ClassicPageFixture page;
    for (const Row& row : rows)
    {
        SCOPED_TRACE(std::to_string(row.type) + " " + row.value);
        const Field* field = row.type == noField ? nullptr : page.AddField("f", row.type);
        const VbsValue written = VariableValueText(field, "v", row.value);
        EXPECT_EQ(CString(row.written), written.text);
        EXPECT_EQ(*row.refusal == '\0' ? CString()
                                       : "the default value \"" + CString(row.value) +
                                             "\" of variable \"v\" is not written: " + row.refusal +
                                             "; correct it in Manage Variables",
                  written.refusal);
    }
    const Field* number = page.AddField("n", FieldTypeInt);
    const Field* text = page.AddField("t", FieldTypeVarchar);
    EXPECT_EQ(CString("5"), ComparedValueText(number, " 5"));
    EXPECT_EQ(CString("\"1 Then Response.Write(7*7) : If 1\""), ComparedValueText(number, code));
    EXPECT_EQ(CString("\"5\""), ComparedValueText(text, "5"));
    EXPECT_EQ(CString("\"5\""), ComparedValueText(nullptr, "5"));
}
