#include "ClassicGolden.h"
#include "ClassicPageFixture.h"

#include "entities/ApplicationReport.h"
#include "entities/MapForm.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "entities/Transaction.h"
#include "gen_classic/ReportSectionWriter.h"

#include <gtest/gtest.h>

namespace
{
// A list report "Orders List" over the fixture's table; groups, columns and page variables are
// added by the tests.
class ReportSection : public ::testing::Test
{
protected:
    ReportSection()
    {
        m_report->SetName("Orders List");
        m_report->SetModule(m_fixture.Page().GetModule());
        m_report->SetReportKind(1);
        m_file = new AspFile;
        m_file->SetOwnerKind(AspFile::reportOwner);
        m_file->SetFileKind(0);

        m_file->SetOwnerPage(m_report.get());
        m_report->AddAspFile(m_file);
    }

    Variable* PageVariable(Field* field)
    {
        auto* variable = new Variable;
        variable->SetName("v_" + field->GetFieldName());
        m_report->AddFieldVariableMap(new FieldVariableMap{field, variable});
        return variable;
    }

    // A group calling the procedure with one argument per field, fed by the field's page
    // variable.
    ReportGroup* AddGroup(const char* procedureName, const std::vector<Field*>& arguments)
    {
        auto* group = new ReportGroup(m_report.get(), nullptr);
        Procedure* procedure = m_fixture.AddProcedure(procedureName);
        auto* call = new ProcedureInvokation;
        call->SetProcedure(procedure);
        for (Field* field : arguments)
            ClassicPageFixture::AddArgument(*procedure, *call, field, PageVariable(field));
        group->SetProcedureCall(call);
        m_report->AddReportGroup(group);
        return group;
    }

    ReportField* AddColumn(ReportGroup& group, Field* field, const char* caption)
    {
        m_infos.push_back(
            std::make_unique<ProcedureFieldInfo>(field, ProcedureFieldInfo::noAggregate));
        auto* column = new ReportField(m_infos.back().get());
        column->SetName(caption);
        group.AddReportField(column);
        return column;
    }

    CString Section(const std::function<void(ReportSectionWriter&)>& write)
    {
        ReportSectionWriter writer(m_file, m_report.get());
        write(writer);
        return writer.Text().GetBuffer();
    }

    ClassicPageFixture m_fixture;
    std::unique_ptr<ApplicationReport> m_report = std::make_unique<ApplicationReport>();
    AspFile* m_file = nullptr;
    std::vector<std::unique_ptr<ProcedureFieldInfo>> m_infos;
};

TEST_F(ReportSection, QueryAssignmentQuotesTextValuesThroughTheConversion)
{
    Field* id = m_fixture.Key();
    Field* name = m_fixture.AddField("name", 4);
    struct Case
    {
        std::vector<Field*> arguments;
        const char* expected;
    };
    const Case cases[] = {
        {{id},
         "if v_orders_id <> \"\" and not (isNumeric(v_orders_id) and InStr(v_orders_id, \",\") = "
         "0) then v_orders_id = \"NULL\"\n"
         "strQry = \"PRC_A \"& v_orders_id\n"},
        {{name}, "strQry = \"PRC_A \"& \"'\" & SingleQuoteToDouble(v_name) & \"'\"\n"},
        {{name, id},
         "if v_orders_id <> \"\" and not (isNumeric(v_orders_id) and InStr(v_orders_id, \",\") = "
         "0) then v_orders_id = \"NULL\"\n"
         "strQry = \"PRC_A \"& \"'\" & SingleQuoteToDouble(v_name) & \"',\" & v_orders_id\n"},
        {{id, name},
         "if v_orders_id <> \"\" and not (isNumeric(v_orders_id) and InStr(v_orders_id, \",\") = "
         "0) then v_orders_id = \"NULL\"\n"
         "strQry = \"PRC_A \"& v_orders_id & \",\" & \"'\" & SingleQuoteToDouble(v_name) & "
         "\"'\"\n"},
        {{}, "strQry = \"PRC_A \"\n"},
    };
    for (const Case& test : cases)
    {
        ReportGroup* group = AddGroup("PRC_A", test.arguments);
        EXPECT_EQ(Section([&](ReportSectionWriter& w)
                          { w.WriteQueryAssignment(group->GetProcedureCall(), "strQry", 0); }),
                  test.expected);
    }
}

TEST_F(ReportSection, QueryFunctionPicksTheVariantByFilledValues)
{
    Field* name = m_fixture.AddField("name", 4);
    ReportGroup* group = AddGroup("PRC_Find", {name, m_fixture.Key()});
    EXPECT_EQ(Section([&](ReportSectionWriter& w) { w.WriteQueryFunction(*group, 1); }),
              "\tFunction FuncProc_PRC_Find(v_name, v_orders_id)\n"
              "\t\tstrParam = \"\"\n"
              "\t\tstrQry = \"[PRC_Find_\"\n\n"
              "\t\tIf v_name = \"\" Then\n"
              "\t\t\tstrQry = strQry & \"All_\"\n"
              "\t\telse\n"
              "\t\t\tstrQry = strQry & \"name_\"\n"
              "\t\t\tif v_name <> \"\" then\n"
              "\t\t\t\tstrParam = strParam & \"'\" & SingleQuoteToDouble(v_name) & \"',\"\n"
              "\t\t\tend if\n"
              "\t\tend if\n"
              "\t\tIf v_orders_id = 0 Then\n"
              "\t\t\tstrQry = strQry & \"All\"\n"
              "\t\telse\n"
              "\t\t\tstrQry = strQry & \"orders_id\"\n"
              "\t\t\tif v_orders_id <> \"\" then\n"
              "\t\t\t\tif v_orders_id <> \"\" and not (isNumeric(v_orders_id) and "
              "InStr(v_orders_id, \",\") = 0) then v_orders_id = "
              "\"NULL\"\n"
              "\t\t\t\tstrParam = strParam &  v_orders_id & \",\"\n"
              "\t\t\tend if\n"
              "\t\tend if\n"
              "\t\tstrQry = strQry & \"] \" & strParam\n"
              "\t\tstrQry = Left(strQry, len(strQry)-1)\n"
              "\t\tFuncProc_PRC_Find = strQry\n"
              "\tEnd Function\n");
    ReportGroup* bare = AddGroup("PRC_All", {});
    EXPECT_EQ(Section([&](ReportSectionWriter& w) { w.WriteQueryFunction(*bare, 1); }), "");
}

// Page variables and a procedure whose names VBScript does not take as they stand: the query
// function and the query text name them as the page declares them.
TEST_F(ReportSection, QueryTextNamesVariablesAndFunctionsAsVbScriptIdentifiers)
{
    Field* name = m_fixture.AddField("name", 4);
    ReportGroup* group = AddGroup("PRC_x-y", {name, m_fixture.Key()});
    const auto& pairs = group->GetProcedureCall()->GetVariablePairs();
    pairs[0]->second->SetName("end");
    pairs[1]->second->SetName("a-b");
    const CString function =
        Section([&](ReportSectionWriter& w) { w.WriteQueryFunction(*group, 0); });
    for (const char* line : {"Function FuncProc_PRC_x_y(vend, a_b)\n", "If vend = \"\" Then\n",
                             "If a_b = 0 Then\n", "FuncProc_PRC_x_y = strQry\n"})
        EXPECT_NE(function.Find(line), -1) << line << function.str();
    const CString assignment =
        Section([&](ReportSectionWriter& w)
                { w.WriteQueryAssignment(group->GetProcedureCall(), "strQry", 0); });
    EXPECT_TRUE(assignment.str().ends_with("& \"'\" & SingleQuoteToDouble(vend) & \"',\" & a_b\n"))
        << assignment.str();
}

TEST_F(ReportSection, ColumnArraysWithALinkedColumn)
{
    Field* name = m_fixture.AddField("name", 4);
    Field* amount = m_fixture.AddField("amount", 2);
    ReportGroup* group = AddGroup("PRC_List", {m_fixture.Key()});
    AddColumn(*group, name, "Name")->SetAlignment(1);
    ReportField* linked = AddColumn(*group, amount, "Amount");
    linked->SetAlignment(2);
    linked->SetWidth(25);
    linked->SetMoney(true);
    linked->SetAspFile(m_fixture.File(3));
    Variable target1, target2, source;
    target1.SetName("p_name");
    target2.SetName("p_id");
    source.SetName("v_name");
    linked->AddBinding(new ReportFieldBinding{&target1, &source, nullptr, nullptr});
    linked->AddBinding(new ReportFieldBinding{&target2, nullptr, nullptr, nullptr});
    const CString text = Section([&](ReportSectionWriter& w) { w.WriteColumnArrays(*group, 0); });
    const CString link = m_fixture.File(3)->GetRelativeUrl(TRUE, FALSE);
    const CString list = m_file->GetRelativeUrl(TRUE, FALSE);
    ASSERT_FALSE(list.IsEmpty());
    EXPECT_EQ(text, "ListPage = \"" + list + "?strQry=strQry\"& v_orders_id\n" +
                        "glb_ReportField_FieldName\t= \"name,amount\"\n"
                        "glb_ReportField_FieldType\t= \"" +
                        name->GetTypeName() +
                        ",money\"\n"
                        "glb_ReportField_DisplayName\t= \"Name,Amount\"\n"
                        "glb_ReportField_Width\t= \"10,25\"\n"
                        "glb_ReportField_Alignment\t= \"center,right\"\n"
                        "glb_ReportField_IsLink\t= \"N,Y\"\n"
                        "glb_ReportField_LinkPage\t= \"," +
                        link + "?p_name=v_name&p_id=orders_id\"\n");
}

TEST_F(ReportSection, ThreeGroupsChainTheirShowOutputFunctions)
{
    Field* name = m_fixture.AddField("name", 4);
    ReportGroup* top = AddGroup("PRC_Top", {m_fixture.Key()});
    AddColumn(*top, name, "Name");
    AddGroup("PRC_Mid", {});
    ReportGroup* last = AddGroup("PRC_Low", {name});
    AddColumn(*last, name, "Name");
    const CString text = Section([](ReportSectionWriter& w) { w.WriteShowOutputFunctions(); });
    const CString list = m_file->GetRelativeUrl(TRUE, FALSE);
    EXPECT_EQ(
        text,
        "<%\n"
        "FUNCTION ShowOutput_0(v_orders_id)\n\n"
        "\tDim rsReport0, strQry0 \n\n"
        "\tset rsReport0 = server.CreateObject(\"ADODB.RecordSet\")\n"
        "\tif v_orders_id <> \"\" and not (isNumeric(v_orders_id) and InStr(v_orders_id, \",\") = "
        "0) then v_orders_id = \"NULL\"\n"
        "\tstrQry0 = \"PRC_Top \"& v_orders_id\n"
        "\trsReport0.Open strQry0,glb_con,1,2\n\n"
        "\tIf rsReport0.EOF Then\n"
        "\tElse\n"
        "\t\t\tWhile Not rsReport0.EOF\n"
        "\t\t\t%>\n"
        "\t\t\t<tr>\n"
        "\t\t\t\t<td colspan=1 class=\"menutitle\" "
        "bgcolor=<%=glb_bgBlank%>><%=rsreport0(\"name\")%></td>\n"
        "\t\t\t</tr>\n"
        "\t\t\t<%\n\n"
        "\t\t\tcall ShowOutput_1(rsReport0(\"orders_id\"))\n\n"
        "\t\t\trsReport0.MoveNext\n"
        "\t\tWend\n"
        "\tEnd If\n"
        "\trsReport0.Close\n"
        "\tset rsReport0 = Nothing\n\n"
        "END FUNCTION\n\n"
        "FUNCTION ShowOutput_1(id)\n\n"
        "\tDim rsReport1, strQry1 \n\n"
        "\tset rsReport1 = server.CreateObject(\"ADODB.RecordSet\")\n"
        "\tif id <> \"\" and not (isNumeric(id) and InStr(id, \",\") = 0) then id = \"NULL\"\n"
        "\tstrQry1 = \"PRC_Mid \" & id\n"
        "\trsReport1.Open strQry1,glb_con,1,2\n\n"
        "\tIf rsReport1.EOF Then\n"
        "\tElse\n"
        "\t\t\tWhile Not rsReport1.EOF\n"
        "\t\t\t%>\n"
        "\t\t\t<%\n\n"
        "\t\t\tcall ShowOutput_2(rsReport1(\"orders_id\"))\n\n"
        "\t\t\trsReport1.MoveNext\n"
        "\t\tWend\n"
        "\tEnd If\n"
        "\trsReport1.Close\n"
        "\tset rsReport1 = Nothing\n\n"
        "END FUNCTION\n\n"
        "FUNCTION ShowOutput_2(id)\n\n"
        "\tDim strQry2\n"
        "\tif id <> \"\" and not (isNumeric(id) and InStr(id, \",\") = 0) then id = \"NULL\"\n"
        "\tstrQry2 = \"PRC_Low \" &id&\",'\"&SingleQuoteToDouble(v_name)&\"'\"\n"
        "\tListPage = \"" +
            list +
            "?strQry=strQry\"& \"'\" & SingleQuoteToDouble(v_name) & \"'\"\n"
            "\tglb_ReportField_FieldName\t= \"name\"\n"
            "\tglb_ReportField_FieldType\t= \"" +
            name->GetTypeName() +
            "\"\n"
            "\tglb_ReportField_DisplayName\t= \"Name\"\n"
            "\tglb_ReportField_Width\t= \"10\"\n"
            "\tglb_ReportField_Alignment\t= \"left\"\n"
            "\tglb_ReportField_IsLink\t= \"N\"\n"
            "\tglb_ReportField_LinkPage\t= \"\"\n"
            "\tcall Show_ResultList_InnerGroup(strQry2,glb_con,glb_ReportField_FieldName,"
            "glb_ReportField_FieldType,glb_ReportField_Width,glb_ReportField_Alignment,"
            "glb_ReportField_IsLink,glb_ReportField_LinkPage)\n\n"
            "END FUNCTION\n\n"
            "%>\n");
}

// Sections of one group in a report page: without filters, with two filters, and in a page
// file of kind 10, which has neither filter area nor hidden inputs.
TEST_F(ReportSection, OneGroupSections)
{
    Field* name = m_fixture.AddField("name", 4);
    Field* amount = m_fixture.AddField("amount", 2);
    ReportGroup* group = AddGroup("PRC_List", {name});
    AddColumn(*group, name, "Name");
    AddColumn(*group, amount, "Amount");
    const CString plain = Section([](ReportSectionWriter& w) { w.WriteSection(2, true); });
    ExpectGolden("report_section/one_group.asp", plain.GetString());
    EXPECT_TRUE(ScriptProblems(plain.GetString()).empty());

    m_file->SetFileKind(10);
    const CString kind10 = Section([](ReportSectionWriter& w) { w.WriteSection(2, true); });
    EXPECT_EQ(kind10.Find("hiddenActionControl"), -1);
    EXPECT_NE(kind10.Find("Show_ResultList_Plain"), -1);
    m_file->SetFileKind(0);

    group->AddFilter(ClassicPageFixture::NewControl(name, FieldRepData::TextBox));
    group->AddFilter(ClassicPageFixture::NewControl(amount, FieldRepData::TextBox));
    const CString filtered = Section([](ReportSectionWriter& w) { w.WriteSection(2, true); });
    ExpectGolden("report_section/one_group_filters.asp", filtered.GetString());
    EXPECT_TRUE(ScriptProblems(filtered.GetString()).empty());
}

TEST_F(ReportSection, ThreeGroupsCallTheFirstLevel)
{
    Field* name = m_fixture.AddField("name", 4);
    AddGroup("PRC_Top", {m_fixture.Key(), name});
    AddGroup("PRC_Mid", {});
    ReportGroup* last = AddGroup("PRC_Low", {});
    AddColumn(*last, name, "Name")->SetWidth(40);
    const CString text = Section([](ReportSectionWriter& w) { w.WriteSection(0, true); });
    ExpectGolden("report_section/three_groups.asp", text.GetString());
}

// Groups made in the designer hold class calls and no procedure: less text, no dereference.
TEST_F(ReportSection, GroupsWithoutProcedureWriteLess)
{
    EXPECT_EQ(Section([](ReportSectionWriter& w) { w.WriteGroupedSection(0, true); }),
              "<TABLE align=center border=1 cellPadding=2 cellSpacing=1 class=tableborder2 "
              "width=\"98%\">\n</TABLE>\n\n");
    m_report->AddReportGroup(new ReportGroup(m_report.get(), nullptr));
    m_report->AddReportGroup(new ReportGroup(m_report.get(), nullptr));
    const CString functions = Section([](ReportSectionWriter& w) { w.WriteShowOutputFunctions(); });
    EXPECT_EQ(functions.Find("call ShowOutput_1"), -1);
    EXPECT_EQ(functions.Find("strQry1 ="), -1);
    EXPECT_NE(functions.Find("FUNCTION ShowOutput_1(id)"), -1);
    const CString section = Section([](ReportSectionWriter& w) { w.WriteSection(0, true); });
    EXPECT_NE(section.Find("call ShowOutput_0()"), -1);
    EXPECT_TRUE(ScriptProblems(section.GetString()).empty());
}

TEST_F(ReportSection, ControlValuesByControlKind)
{
    Field* name = m_fixture.AddField("name", 4);
    Procedure* lookup = m_fixture.AddProcedure("PRC_Lookup");
    Procedure* action = m_fixture.AddProcedure("PRC_Act");
    Variable target1, target2, source;
    source.SetName("v_user");
    ProcedureFieldInfo column(name, ProcedureFieldInfo::noAggregate);
    struct Case
    {
        int kind;
        const char* expected;
    };
    const Case cases[] = {
        {FieldRepData::ComboBox, "\"PRC_Lookup$v_name%name%orders_id\""},
        {FieldRepData::RadioButton, "\"a$b$c\""},
        {FieldRepData::Button, "\"PRC_Act$name$v_user#Y#N\""},
        {FieldRepData::TextBox, "\"\""},
    };
    for (const Case& test : cases)
    {
        m_report->DeleteAllReportGroups();
        ReportGroup* group = AddGroup("PRC_List", {});
        ReportField* shown = AddColumn(*group, name, "Name");
        FieldRep* control = ClassicPageFixture::NewControl(name, test.kind);
        FieldRepData* data = control->GetFieldRepData();
        auto* lookupCall = new ProcedureInvokation;
        lookupCall->SetProcedure(lookup);
        lookupCall->AddVariablePair(new VariablePair{nullptr, PageVariable(name)});
        data->SetDataProcedure(lookupCall);
        data->SetFrontField(name);
        data->SetBackField(m_fixture.Key());
        data->SetStoredValues("a,b,c");
        auto* property = new ReportFieldControlProperty;
        property->SetControl(control);
        property->SetProcedure(action);
        property->AddBinding(new ReportFieldBinding{&target1, nullptr, nullptr, &column});
        property->AddBinding(new ReportFieldBinding{&target2, &source, nullptr, nullptr});
        shown->SetControlProperty(property);
        AddColumn(*group, name, "Plain");
        const CString text = Section([](ReportSectionWriter& w) { w.WriteSection(0, false); });
        EXPECT_NE(text.Find("glb_ReportField_ControlValue = " + CString(test.expected) + "\n\t\t" +
                            "glb_ReportField_ControlValue = glb_ReportField_ControlValue "
                            "&\",\"\n\n"),
                  -1)
            << test.kind << "\n"
            << text.GetString();
        EXPECT_NE(text.Find("call Show_ResultList_Control("), -1) << test.kind;
    }
}

// The link settings and print parts follow the kind of the page the section is written into.
TEST_F(ReportSection, LinkSettingsByOwnerPage)
{
    Field* name = m_fixture.AddField("name", 4);
    ReportGroup* group = AddGroup("PRC_List", {});
    AddColumn(*group, name, "Name");
    Transaction transaction;
    AspFile transactionFile;
    transactionFile.SetOwnerKind(AspFile::transactionOwner);
    transactionFile.SetOwnerPage(&transaction);
    struct Case
    {
        AspFile* file;
        bool links;
        bool print;
    };
    const Case cases[] = {
        {m_file, true, true},
        {m_fixture.File(3), true, false},
        {&transactionFile, false, false},
    };
    for (const Case& test : cases)
    {
        ReportSectionWriter writer(test.file, m_report.get());
        writer.WriteSection(0, true);
        const CString& text = writer.Text().GetBuffer();
        EXPECT_EQ(
            text.Find(
                "\t\tglb_UpdLink_Params\t\t= \"N, \"\n\t\tglb_DelLink_Params\t\t= \"N, \"\n") != -1,
            test.links)
            << text.GetString();
        EXPECT_EQ(text.Find("cmdPrint") != -1, test.print);
        EXPECT_EQ(text.Find("strReportHeader = ") != -1, test.print);
    }
}

// On a map form the update and delete links follow the flags of a table entry: the bottom master
// form's entry for its table when the map form has one, else the map form's own entry for its
// mapping table; both name the mapping table. Without an entry neither link is offered.
TEST_F(ReportSection, MapFormLinkSettingsFollowTheTableFlags)
{
    ReportGroup* group = AddGroup("PRC_List", {});
    AddColumn(*group, m_fixture.AddField("name", 4), "Name");
    Table mapping;
    mapping.SetTableName("order_lines");
    struct Case
    {
        bool bottomForm;
        bool entry;
        bool update;
        bool remove;
        const char* expected;
    };
    const Case cases[] = {
        {false, true, true, false,
         "glb_UpdLink_Params\t\t= \"Y, fn_GetRecord_order_lines\"\n\t\t"
         "glb_DelLink_Params\t\t= \"N, \"\n"},
        {false, true, false, true,
         "glb_UpdLink_Params\t\t= \"N, \"\n\t\t"
         "glb_DelLink_Params\t\t= \"Y, fn_RemoveRecord_order_lines\"\n"},
        {false, false, true, true,
         "glb_UpdLink_Params\t\t= \"N, \"\n\t\tglb_DelLink_Params\t\t= \"N, \"\n"},
        {true, true, true, true,
         "glb_UpdLink_Params\t\t= \"Y, fn_GetRecord_order_lines\"\n\t\t"
         "glb_DelLink_Params\t\t= \"Y, fn_RemoveRecord_order_lines\"\n"},
        {true, false, true, true,
         "glb_UpdLink_Params\t\t= \"N, \"\n\t\tglb_DelLink_Params\t\t= \"N, \"\n"},
    };
    for (const Case& test : cases)
    {
        MapForm page;
        page.SetMappingTable(&mapping);
        FormInterface& holder =
            test.bottomForm ? static_cast<FormInterface&>(m_fixture.Page()) : page;
        Table* entryTable = test.bottomForm ? &m_fixture.OrdersTable() : &mapping;
        holder.ClearTableFlags();
        if (test.entry)
            holder.AddTableFlags({entryTable, test.update, test.remove});
        // The map form's own entry never counts when it has a bottom form.
        if (test.bottomForm)
            page.AddTableFlags({&mapping, !test.update, !test.remove});
        page.SetBottomMasterForm(test.bottomForm ? &m_fixture.Page() : nullptr);
        AspFile file;
        file.SetOwnerKind(AspFile::mapFormOwner);
        file.SetOwnerPage(&page);
        ReportSectionWriter writer(&file, m_report.get());
        writer.WriteSection(0, true);
        const std::string text = writer.Text().GetBuffer().str();
        EXPECT_NE(text.find(test.expected), std::string::npos) << text;
        EXPECT_EQ(text.find("cmdPrint"), std::string::npos);
        page.SetBottomMasterForm(nullptr);
        holder.ClearTableFlags();
    }
}
} // namespace
