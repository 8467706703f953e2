#include "entities/ApplicationReport.h"
#include "entities/DateValidation.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ReportCollector.h"
#include "entities/ReportField.h"
#include "entities/ReportFieldControlProperty.h"
#include "entities/ReportGroup.h"
#include "entities/Transaction.h"
#include "gen_classic/FormControlWriter.h"
#include "model/EventRecmpFields.h"
#include "model/FieldVisibility.h"
#include "model/ValidationData.h"
#include "tests/gen_classic/ClassicGolden.h"
#include "tests/gen_classic/ClassicPageFixture.h"
#include "tests/gen_web/ToolRun.h"

#include <gtest/gtest.h>

namespace
{

// The orders form with one control of each checked kind: a mandatory number, two mandatory
// dates compared, lists with and without their None and All entries, a radio button, a
// read-only text and a control whose change recomputes the page.
class ScriptFixture : public ClassicPageFixture
{
public:
    ScriptFixture()
    {
        AddFile(5);
        Field* quantity = AddField("quantity", FieldTypeInt);
        Field* ordered = AddField("ordered", FieldTypeDateTime);
        Field* shipped = AddField("shipped", FieldTypeDateTime);
        Field* region = AddField("region", FieldTypeInt);
        Field* status = AddField("status", FieldTypeInt);
        Field* plain = AddField("plain", FieldTypeInt);
        Field* size = AddField("size", FieldTypeVarchar);
        Field* remark = AddField("remark", FieldTypeVarchar, /*allowNull=*/true);
        Field* note = AddField("note", FieldTypeVarchar);
        MapVariable(Key(), "v_orders_id");
        for (Field* field : {quantity, ordered, shipped, region, status, plain, size, remark, note})
            MapVariable(field, nullptr);
        Mandatory(AddControl(quantity, FieldRepData::TextBox));
        Mandatory(AddControl(ordered, FieldRepData::DateControl));
        FieldRep* shippedControl = Mandatory(AddControl(shipped, FieldRepData::DateControl));
        auto* rules = new ValidationData;
        Variable* orderedVariable = Page().FindFieldVariableMapByField(ordered)->variable;
        rules->AddDateValidation(new DateValidation(orderedVariable, 2, nullptr, nullptr));
        shippedControl->SetValidationData(rules);
        FieldRep* regionControl = Mandatory(AddControl(region, FieldRepData::ComboBox));
        regionControl->GetFieldRepData()->SetNoneCaption(true);
        regionControl->GetFieldRepData()->SetSelectAllCaption(true);
        Mandatory(AddControl(status, FieldRepData::ComboBox))
            ->GetFieldRepData()
            ->SetNoneCaption(true);
        Mandatory(AddControl(plain, FieldRepData::ComboBox));
        Mandatory(AddControl(size, FieldRepData::RadioButton));
        Mandatory(AddControl(remark, FieldRepData::TextBox));
        FieldRep* noteControl = Mandatory(AddControl(note, FieldRepData::TextBox));
        auto* onChange = new EventRecmpFields;
        onChange->SetEventKind(EventRecmpFields::OnChange);
        onChange->AddProcedureRecompute(noteControl, new ProcedureInvokation);
        noteControl->GetFieldRepData()->AddEventRecmpFields(onChange);
    }

    static FieldRep* Mandatory(FieldRep* control)
    {
        control->SetMandatory(true);
        return control;
    }
};

// A control of the kind, with its caption.
FieldRep* NewControl(Field* field, int kind, const char* caption, bool mandatory = false)
{
    auto* control = new FieldRep(field);
    auto* data = new FieldRepData;
    data->SetControlKind(kind);
    data->SetCaption(caption);
    control->AttachFieldRepData(data);
    control->SetMandatory(mandatory);
    return control;
}

AspFile* AddPageFile(FormInterface& page, int ownerKind, int fileKind)
{
    auto* file = new AspFile;
    file->SetOwnerKind(ownerKind);
    file->SetFileKind(fileKind);
    file->SetOwnerPage(&page);
    page.AddAspFile(file);
    return file;
}

Variable* NewVariable(const CString& name, int kind)
{
    auto* variable = new Variable;
    variable->SetName(name);
    variable->SetKind(kind);
    return variable;
}

// The scripts as the script element of a page, and the server check inside its block: both
// pass the page check, and the script element passes node.
void ExpectPageAndNodePass(const std::string& scripts, const std::string& serverScript)
{
    const std::string page =
        "<%\n" + serverScript + "%>\n<script language=\"javascript\">\n" + scripts + "</script>\n";
    EXPECT_EQ("", Joined(ScriptProblems(page)));
    const std::vector<std::string> elements = PageScripts(page);
    ASSERT_EQ(elements.size(), 1u);
    GenWebProject project;
    ExpectNodeAccepts(elements, project.Root());
}

} // namespace

TEST(FormScriptsTest, AMasterFormsUpdatePageChecksEachControlKindAndPassesNode)
{
    ScriptFixture form;
    TextFile out = Collector();
    FormControlWriter writer(form.File(3));
    writer.WriteMasterFormScripts(&form.OrdersTable(), form.Page().GetFieldReps(),
                                  "../../BaseModule/orders_upd_action.asp", out);
    const std::string scripts = out.GetBuffer().str();
    ExpectGolden("scripts/orders_upd.js", scripts);

    TextFile server = Collector();
    FormControlWriter(form.File(4))
        .WriteValidateData(form.Page().GetFieldVariableMaps(), form.Page().GetFieldReps(),
                           "../../BaseModule/orders_upd.asp", server, 0);
    ExpectGolden("scripts/orders_upd_validate.vbs", server.GetBuffer().str());
    ExpectPageAndNodePass(scripts, server.GetBuffer().str());
}

TEST(FormScriptsTest, TheEntryPointsDifferInTheirActionValueAndTheirRemoveAndCancel)
{
    struct Case
    {
        const char* name;
        int fileKind;
        void (FormControlWriter::*write)(Table*, const std::vector<FieldRep*>&, const CString&,
                                         TextFile&);
        const char* hidden;
        bool remove;
        bool cancel;
    };
    const Case cases[] = {
        {"master add", 1, &FormControlWriter::WriteMasterFormScripts, nullptr, false, false},
        {"master update", 3, &FormControlWriter::WriteMasterFormScripts, "\"Update\"", true, true},
        {"transaction add", 1, &FormControlWriter::WriteTransactionScripts, "formName.cmdadd.value",
         false, false},
        {"transaction update", 3, &FormControlWriter::WriteTransactionScripts,
         "formName.cmdadd.value", true, true},
        {"map form", 1, &FormControlWriter::WriteMapFormScripts, "formName.cmdadd.value", true,
         false},
    };
    for (const Case& c : cases)
    {
        ClassicPageFixture form;
        form.AddFile(5);
        form.MapVariable(form.Key(), "v_key");
        TextFile out = Collector();
        FormControlWriter writer(form.File(c.fileKind));
        (writer.*c.write)(&form.OrdersTable(), {}, "act.asp", out);
        const std::string text = out.GetBuffer().str();
        EXPECT_EQ(text.find("function fn_validate_orders()\n{\n\tvar formName\n\tformName = "
                            "document.frmorders;\n\n"),
                  0u)
            << c.name << "\n"
            << text;
        EXPECT_NE(text.find("\tformName.action = \"act.asp\";\n\tformName.submit();\n}\n\n"),
                  std::string::npos)
            << c.name;
        EXPECT_EQ(text.find("hiddenActionControl.value = " +
                            std::string(c.hidden ? c.hidden : "")) != std::string::npos,
                  c.hidden != nullptr)
            << c.name;
        EXPECT_EQ(text.find("function fn_RemoveRecord_orders(id)") != std::string::npos, c.remove)
            << c.name;
        EXPECT_EQ(text.find("function fn_CancelRecord_orders()") != std::string::npos, c.cancel)
            << c.name;
        if (c.remove)
        {
            EXPECT_NE(text.find("\tformName.v_key.value = id;\n"), std::string::npos) << c.name;
        }
    }
    // Without a table name neither the remove nor the cancel function is written.
    ClassicPageFixture form;
    form.OrdersTable().SetTableName("");
    TextFile out = Collector();
    FormControlWriter(form.File(3)).WriteMasterFormScripts(&form.OrdersTable(), {}, "a", out);
    EXPECT_EQ(out.GetBuffer().Find("Record_"), -1);
}

TEST(FormScriptsTest, ATransactionsDetailEventsAndChecksNameTheirDetailTable)
{
    ClassicPageFixture fixture;
    Table lines;
    lines.SetTableName("order_line");
    lines.SetKind(1);
    lines.EnsureDefaultFields();
    auto* amount = new Field;
    amount->Set("amount", "Amount", FieldTypeFloat, 8, 2, nullptr, "", false, false, false, false,
                false);
    amount->SetTable(&lines);
    lines.AddField(amount);
    Module module("BaseModule");
    Transaction transaction;
    transaction.SetName("Order");
    transaction.SetModule(&module);
    transaction.SetBasicTable(&fixture.OrdersTable());
    transaction.AddDetailTable(&lines);
    AspFile* file = AddPageFile(transaction, AspFile::transactionOwner, 4);
    auto* map = new FieldVariableMap{amount, NewVariable("v_amount", Variable::pageKind)};
    transaction.AddFieldVariableMap(map);
    FieldRep* control = NewControl(amount, FieldRepData::TextBox, "Amount", true);
    auto* onBlur = new EventRecmpFields;
    onBlur->SetEventKind(EventRecmpFields::OnBlur);
    onBlur->AddProcedureRecompute(control, new ProcedureInvokation);
    control->GetFieldRepData()->AddEventRecmpFields(onBlur);
    transaction.AddFieldRep(control);

    FormControlWriter writer(file);
    TextFile server = Collector();
    writer.WriteValidateData({map}, {control}, "Order_upd.asp", server, 1);
    EXPECT_NE(server.GetBuffer().Find("& \"&strInfo1=\" & Server.URLEncode(sInfo & \"\")\n"), -1)
        << server.GetBuffer().str();
    EXPECT_NE(server.GetBuffer().Find("\t\tELSEIF isNumeric(v_amount) = false THEN\n"), -1);
    file->SetFileKind(3);
    TextFile client = Collector();
    writer.WriteTransactionScripts(&lines, {control}, "Order_upd_action.asp", client);
    const CString text = client.GetBuffer();
    EXPECT_NE(text.Find("function fn_OnBlur_amount(conn_str)\n"), -1) << text.str();
    EXPECT_NE(text.Find("url = \"../../BaseModule/Order_upd.asp?Recompute0=1\";\n"), -1)
        << text.str();
    EXPECT_NE(text.Find("var v_amount = formName.txt_amount.value;\n"), -1);
    EXPECT_EQ(text.Find("fn_CancelRecord_"), -1) << "the detail table is not the basic table";
}

TEST(FormScriptsTest, AReportsScriptsSetTheQueryPrintCallItsButtonPagesAndCheckItsColumns)
{
    ClassicPageFixture fixture;
    Field* size = fixture.AddField("size", FieldTypeVarchar);
    Field* city = fixture.AddField("city", FieldTypeVarchar);
    Module module("BaseModule");
    ApplicationReport report;
    report.SetName("Order List");
    report.SetModule(&module);
    AspFile* file = AddPageFile(report, AspFile::reportOwner, 0);
    AddPageFile(report, AspFile::reportOwner, 11);
    auto* group = new ReportGroup;
    report.AddReportGroup(group);
    FieldRep* text = NewControl(city, FieldRepData::TextBox, "City", true);
    group->AddFilter(NewControl(size, FieldRepData::RadioButton, "Size"));
    group->AddFilter(text);
    for (Field* field : {size, city})
        report.AddFieldVariableMap(
            new FieldVariableMap{field, NewVariable("p_" + field->GetFieldName(), 1)});
    // A button column passing two output columns, and a date column checked on the server.
    ProcedureFieldInfo sizeColumn(size, ProcedureFieldInfo::noAggregate);
    ProcedureFieldInfo cityColumn(city, ProcedureFieldInfo::noAggregate);
    for (const auto& [name, kind] : {std::pair{"Open", FieldRepData::Button},
                                     std::pair{"Due Date", FieldRepData::DateControl}})
    {
        auto* column = new ReportField;
        column->SetName(name);
        auto* property = new ReportFieldControlProperty;
        property->SetControl(NewControl(nullptr, kind, "Due"));
        column->SetControlProperty(property);
        group->AddReportField(column);
        if (kind != FieldRepData::Button)
            continue;
        column->AddBinding(new ReportFieldBinding{nullptr, nullptr, nullptr, &sizeColumn});
        column->AddBinding(new ReportFieldBinding{nullptr, nullptr, nullptr, &cityColumn});
    }

    TextFile out = Collector();
    FormControlWriter writer(file);
    writer.WriteReportScripts(&report, "Order List", {text}, 0, out);
    ExpectGolden("scripts/order_list_report.js", out.GetBuffer().str());
    ExpectPageAndNodePass(out.GetBuffer().str(), "");

    TextFile validate = Collector();
    writer.WriteValidateFunction("OrderList", {text}, "x.asp", "", validate);
    EXPECT_EQ(validate.GetBuffer().Find("formName.action"), -1) << "a report page never submits";
    TextFile server = Collector();
    writer.WriteValidateData({}, {}, "Order_List_report.asp", server, 0);
    EXPECT_EQ(server.GetBuffer().str(), "Function ValidateData()\n"
                                        "\tIF Due_Date = \"\" THEN\n"
                                        "\t\tsInfo = \"Please enter valid Due\"\n"
                                        "\t\tredir = \"Order_List_report.asp?\" & redirString & "
                                        "\"&strInfo=\" & Server.URLEncode(sInfo & \"\")\n"
                                        "\t\tResponse.Redirect(redir)\n"
                                        "\tEND IF\n"
                                        "End Function\n\n");

    // Column names as the report designer takes them (blanks, "-", a letter above ASCII): the
    // button's function and the column's variable are named as their languages take them.
    group->GetReportFields()[0]->SetName("Open It-2\xCE\xA9");
    group->GetReportFields()[1]->SetName("Due-Date 2");
    size->SetFieldName("box-size");
    TextFile renamed = Collector();
    writer.WriteReportScripts(&report, "Order List", {text}, 0, renamed);
    EXPECT_NE(renamed.GetBuffer().Find("function fn_Open_It_2\xCE\xA9(var1, var2)"), -1)
        << renamed.GetBuffer();
    EXPECT_NE(renamed.GetBuffer().Find("formName[\"box-size\"].value = var1\n"), -1)
        << renamed.GetBuffer();
    ExpectPageAndNodePass(renamed.GetBuffer().str(), "");
    TextFile renamedServer = Collector();
    writer.WriteValidateData({}, {}, "Order_List_report.asp", renamedServer, 0);
    EXPECT_NE(renamedServer.GetBuffer().Find("\tIF Due_Date_2 = \"\" THEN\n"), -1)
        << renamedServer.GetBuffer();
}

TEST(FormScriptsTest, TheFormFrameEncodesTheMessageAndClosesWithOrWithoutTheCancelForm)
{
    ClassicPageFixture form;
    FormControlWriter writer(form.File(1));
    TextFile out = Collector();
    writer.WriteFormOpen("frmorders", out, "Orders", 1, "strInfo");
    writer.WriteFormClose(out, 1, false);
    writer.WriteFormClose(out, 1, true);
    ExpectGolden("scripts/form_frame.asp", out.GetBuffer().str());
    EXPECT_EQ("", Joined(ScriptProblems(out.GetBuffer().str())));
}

TEST(FormScriptsTest, ACollectorValidatesAndSetsItsQueryByControlIds)
{
    ClassicPageFixture fixture;
    Field* city = fixture.AddField("city", FieldTypeVarchar);
    Module module("BaseModule");
    ReportCollector collector;
    collector.SetName("Sales Pack");
    collector.SetModule(&module);
    AspFile* file = collector.CreateDefaultAspFiles(0);
    collector.AddFieldRep(NewControl(city, FieldRepData::TextBox, "City", true));
    collector.AddFieldVariableMap(
        new FieldVariableMap{city, NewVariable("p_city", Variable::parameterKind)});
    // A control without a variable has no value to set.
    auto* loose = new FieldRep;
    loose->AttachFieldRepData(new FieldRepData);
    collector.AddFieldRep(loose);
    TextFile out = Collector();
    FormControlWriter(file).WriteCollectorScripts(&collector, out);
    const std::string text = out.GetBuffer().str();
    EXPECT_EQ(text.find("function fn_validate_SalesPack()\n"), 0u) << text;
    EXPECT_NE(text.find("\tformName.action = \"../../BaseModule/Sales_Pack.asp\";\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("function set_query()\n{\n\tvar formName\n\tformName = "
                        "document.frmSalesPack\n"),
              std::string::npos);
    EXPECT_NE(text.find("\tformName.p_city.value = formName.txt_city.value\n"), std::string::npos);
    EXPECT_EQ(text.find("\"Show\""), std::string::npos);
    ExpectPageAndNodePass(text, "");
}

TEST(FormScriptsTest, ReadOnlyControlsAreCheckedOnTheServerOnlyAndRuleResultsAreReadFirst)
{
    ClassicPageFixture form;
    Field* due = form.AddField("due", FieldTypeDateTime);
    Field* limit = form.AddField("limit_date", FieldTypeDateTime);
    form.MapVariable(due, "v_due");
    Variable* limitVariable = form.MapVariable(limit, "v_limit");
    FieldRep* control = form.AddControl(due, FieldRepData::DateControl);
    control->SetMandatory(true);
    Procedure* procedure = form.AddProcedure("PRC_Limit");
    auto* call = new ProcedureInvokation;
    call->SetProcedure(procedure);
    auto* rules = new ValidationData;
    ProcedureFieldInfo result(limit, ProcedureFieldInfo::noAggregate);
    rules->AddDateValidation(new DateValidation(limitVariable, 1, call, &result));
    control->SetValidationData(rules);
    auto* readOnly = new FieldVisibility(due);
    readOnly->SetVisibilityKind(FieldVisibility::ReadOnly);
    form.File(1)->AddFieldVisibility(readOnly);

    TextFile client = Collector();
    FormControlWriter(form.File(1)).WriteFieldChecks({control}, client);
    EXPECT_EQ(client.GetBuffer().str(), "\n");
    TextFile server = Collector();
    FormControlWriter(form.File(2))
        .WriteValidateData(form.Page().GetFieldVariableMaps(), {control}, "orders_add.asp", server,
                           0);
    EXPECT_NE(
        server.GetBuffer().Find("\tStrQry = \"PRC_Limit \"\n"
                                "\tSet rsQry = Server.CreateObject(\"ADODB.RecordSet\")\n"
                                "\trsQry.Open strQry, glb_con, 1, 2\n"
                                "\tv_limit = rsQry(\"limit_date\")\n"
                                "\tIf Datediff(\"d\",ConvertDate(v_due),ConvertDate(v_limit)) "
                                "> 0 then\n"),
        -1)
        << server.GetBuffer().str();
    rules->RemoveDateValidation(rules->GetDateValidationAt(0));
}
