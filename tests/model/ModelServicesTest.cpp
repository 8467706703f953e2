#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/MapForm.h"
#include "entities/Parameter.h"
#include "entities/Procedure.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/ReportGroup.h"
#include "entities/Transaction.h"
#include "entities/XSDInfo.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"
#include "model/Module.h"
#include "model/Table.h"
#include "model/TextFile.h"
#include "platform/core/HostPath.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/model/ModelBuilders.h"
#include "tests/support/HostFiles.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace
{
// Two modules, the second current.
class ModelServicesTest : public ::testing::Test
{
protected:
    ModelServicesTest()
    {
        m_project.AddModule(m_base);
        m_project.AddModule(m_second);
        m_project.SetCurrentModule(m_second);
    }

    ForgeonProject m_project;
    Module* m_base = NewModule("BaseModule", 1);
    Module* m_second = NewModule("Module2", 2);
};

// A control of the field with its own data, calling the function when one is given.
FieldRep* NewClassControl(Field* field, Class* dataClass = nullptr, Function* function = nullptr)
{
    auto* data = new FieldRepData;
    if (function != nullptr)
    {
        auto* call = new ClassInvokation;
        call->SetFunction(dataClass, function);
        data->SetDataCall(call);
    }
    auto* control = new FieldRep(field);
    control->SetFieldRepData(data);
    return control;
}

// A control placed on the page whose data a user changed afterwards: another kind, no length.
FieldRep* AddChangedControl(FormInterface* page, Field* field)
{
    FieldRep* control = NewClassControl(field);
    page->AddFieldRep(control);
    control->GetFieldRepData()->SetControlKind(FieldRepData::ComboBox);
    control->GetFieldRepData()->SetMaxLength(0);
    return control;
}

bool HasDefaultData(const FieldRep* control)
{
    return control->GetFieldRepData()->GetControlKind() == FieldRepData::TextBox &&
           control->GetFieldRepData()->GetMaxLength() == 50;
}

Function* AddClassFunction(Class* dataClass, const char* name)
{
    auto* function = new Function;
    function->SetName(name);
    function->SetClass(dataClass);
    dataClass->AddFunction(function);
    return function;
}

Class* AddClass(Module* module, Table* table)
{
    auto* dataClass = new Class;
    dataClass->SetName("_" + table->GetTableName());
    dataClass->SetTable(table);
    module->Append(dataClass);
    return dataClass;
}

bool CallsAFunction(const FieldRep* control)
{
    const ClassInvokation* call = control->GetFieldRepData()->GetDataCall();
    return call != nullptr && call->GetFunction() != nullptr;
}

bool ClassHasFunction(const Class* dataClass, const char* name)
{
    return dataClass->FindFunctionByName(name) != nullptr;
}

TEST_F(ModelServicesTest, FindTableByNameIgnoresCaseAndAnswersFromTheFirstModuleWithTheTable)
{
    Table* second = NewTable("Customer");
    m_second->AddTable(second);
    EXPECT_EQ(m_project.FindTableByName("CUSTOMER"), second);
    EXPECT_EQ(m_project.FindTableByName("Custom"), nullptr);

    Table* first = NewTable("customer");
    m_base->AddTable(first);
    EXPECT_EQ(m_project.FindTableByName("Customer"), first);
}

TEST_F(ModelServicesTest, DuplicateNamesAcrossKindsAndModulesAreShownAndReplaceTheReport)
{
    const TempFolder folder("WeavoDuplicates");
    const TempFolderOverride override(folder.Path());
    ASSERT_TRUE(EnsureFolderChain("C:\\temp"));
    const std::filesystem::path report =
        std::filesystem::path(UserTempFolder()) / "KestraneWeavoReport.txt";
    ScriptedMessageBoxes boxes;
    m_base->AddTable(NewTable("Customer"));
    m_base->AddTable(NewTable("Orders"));
    m_second->Append(NewForm("Customer_form", nullptr));
    m_second->Append(NewProcedure("customer_list"));
    // A page's name is its file's: it differs from a table's or procedure's in case alone.
    m_second->Append(NewForm("CUSTOMER_LIST", nullptr));
    m_second->Append(NewForm("orders", nullptr));

    EXPECT_FALSE(m_project.HasDuplicateNames());
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_FALSE(std::filesystem::exists(report));

    std::ofstream(report) << "old findings\n";
    // Names that differ only in case are one name to the database; the first spelling is shown.
    m_second->Append(NewProcedure("CUSTOMER"));
    m_second->Append(NewForm("Orders", nullptr));
    m_second->Append(NewForm("Customer", nullptr));

    EXPECT_TRUE(m_project.HasDuplicateNames());
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text,
              "Following are the duplicate names found in the project!\nOrders\nCustomer\n");
    EXPECT_EQ(ReadHostFile(report), "Orders\r\nCustomer\r\n");
}

TEST_F(ModelServicesTest, ADashBoardPageMayCarryItsDashBoardsNameButTwoDashBoardsMayNot)
{
    const TempFolder folder("WeavoDuplicates");
    const TempFolderOverride override(folder.Path());
    ScriptedMessageBoxes boxes;
    auto named = [](auto* entity, const char* name)
    {
        entity->SetName(name);
        return entity;
    };
    m_base->Append(named(new DashBoard, "Sales"));
    m_base->Append(named(new DashBoardPage, "Sales"));
    EXPECT_FALSE(m_project.HasDuplicateNames());

    m_second->Append(named(new DashBoard, "Sales"));
    m_second->Append(named(new DashBoardPage, "Orders"));
    m_second->Append(named(new DashBoard, "Orders"));
    m_second->Append(NewForm("Orders", nullptr));
    EXPECT_TRUE(m_project.HasDuplicateNames());
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text,
              "Following are the duplicate names found in the project!\nOrders\nSales\n");
}

// A combo box of the window layer's shape that keeps what it is given.
struct RecordingComboBox
{
    void ResetContent()
    {
        items.clear();
        selection = -1;
    }
    int AddString(const char* text)
    {
        items.emplace_back(text);
        return static_cast<int>(items.size()) - 1;
    }
    int SetCurSel(int index)
    {
        selection = index;
        return index;
    }

    std::vector<std::string> items{"stale entry"};
    int selection = 0;
};

TEST_F(ModelServicesTest, FillModuleComboListsTheModulesAndSelectsTheCurrentOneIfListed)
{
    RecordingComboBox combo;
    EXPECT_EQ(m_project.FillModuleCombo(combo), m_second);
    EXPECT_EQ(combo.items, (std::vector<std::string>{"BaseModule", "Module2"}));
    EXPECT_EQ(combo.selection, 1);

    Module outside("Outside");
    for (Module* current : {&outside, static_cast<Module*>(nullptr)})
    {
        m_project.SetCurrentModule(current);
        RecordingComboBox other;
        EXPECT_EQ(m_project.FillModuleCombo(other), nullptr);
        EXPECT_EQ(other.items.size(), 2u);
        EXPECT_EQ(other.selection, -1);
    }
}

// Master forms and transactions over the table are reset, map table pages are not.
TEST_F(ModelServicesTest, RefreshFieldRepOfFieldResetsTheControlsOfThatFieldOnPagesUsingTheTable)
{
    Table* customer = NewTable("customer", Table::masterKind, {"name", "city"});
    Table* map = NewTable("customer_city", Table::mapKind, {"note"});
    Table* basic = NewTable("order_basic", Table::masterDetailKind, {"customer"});
    Table* detail = NewTable("order_detail", Table::masterDetailKind, {"item"});
    Table* other = NewTable("invoice_basic", Table::masterDetailKind);
    for (Table* table : {customer, map, basic, detail, other})
        m_second->AddTable(table);
    Form* form = NewForm("customer_form", customer);
    Form* mapPage = NewForm("customer_city_form", map);
    auto* orders = NewPage<Transaction>("Orders");
    orders->SetBasicTable(basic);
    orders->AddDetailTable(detail);
    auto* invoices = NewPage<Transaction>("Invoices");
    invoices->SetBasicTable(other);
    m_base->Append(form);
    m_base->Append(mapPage);
    m_base->Append(orders);
    m_base->Append(invoices);
    Field* name = customer->FindFieldByName("name");
    Field* note = map->FindFieldByName("note");
    Field* item = detail->FindFieldByName("item");
    FieldRep* nameControl = AddChangedControl(form, name);
    FieldRep* cityControl = AddChangedControl(form, customer->FindFieldByName("city"));
    FieldRep* noteControl = AddChangedControl(mapPage, note);
    FieldRep* used = AddChangedControl(orders, item);
    FieldRep* unrelated = AddChangedControl(invoices, item);

    m_base->RefreshFieldRepOfField(customer, name);
    m_base->RefreshFieldRepOfField(map, note);
    m_base->RefreshFieldRepOfField(detail, item);

    EXPECT_TRUE(HasDefaultData(nameControl));
    EXPECT_FALSE(HasDefaultData(cityControl));
    EXPECT_FALSE(HasDefaultData(noteControl));
    EXPECT_TRUE(HasDefaultData(used));
    EXPECT_FALSE(HasDefaultData(unrelated));
}

TEST_F(ModelServicesTest, RemoveSelectRecordForFunctionDeletesOnlyThatFunctionOfTheTable)
{
    const ScopedOpenProject open(&m_project);
    ScriptedMessageBoxes boxes;
    Table* orders = NewTable("orders", Table::masterKind, {"customer_id"});
    Table* invoices = NewTable("invoices", Table::masterKind, {"customer_id"});
    m_base->AddTable(orders);
    m_base->AddTable(invoices);
    Class* orderClass = AddClass(m_base, orders);
    Class* invoiceClass = AddClass(m_base, invoices);
    AddClassFunction(orderClass, "SelectAllRecords");
    AddClassFunction(orderClass, "SelectRecordForcustomer_id");
    AddClassFunction(invoiceClass, "SelectRecordForcustomer_id");

    m_base->RemoveSelectRecordForFunction(orders->FindFieldByName("customer_id"), orders);

    EXPECT_FALSE(ClassHasFunction(orderClass, "SelectRecordForcustomer_id"));
    EXPECT_TRUE(ClassHasFunction(orderClass, "SelectAllRecords"));
    EXPECT_TRUE(ClassHasFunction(invoiceClass, "SelectRecordForcustomer_id"));
}

// With the project open, calls from every module are cleared; without it, those of the module.
TEST_F(ModelServicesTest, RemoveSelectRecordForFunctionClearsTheCallsToIt)
{
    for (const bool open : {true, false})
    {
        SCOPED_TRACE(open);
        const ScopedOpenProject scope(open ? &m_project : nullptr);
        ScriptedMessageBoxes boxes;
        Table* orders = NewTable(open ? "orders" : "invoices", Table::masterKind, {"customer_id"});
        m_second->AddTable(orders);
        Field* field = orders->FindFieldByName("customer_id");
        Class* dataClass = AddClass(m_second, orders);
        Function* function = AddClassFunction(dataClass, "SelectRecordForcustomer_id");
        Form* form = NewForm(open ? "report_form" : "orders_form", nullptr);
        (open ? m_base : m_second)->Append(form);
        FieldRep* control = NewClassControl(field, dataClass, function);
        form->AddFieldRep(control);

        m_second->RemoveSelectRecordForFunction(field, orders);

        EXPECT_FALSE(ClassHasFunction(dataClass, "SelectRecordForcustomer_id"));
        EXPECT_FALSE(CallsAFunction(control));
    }
}

TEST_F(ModelServicesTest, DeleteRDLCInfoReleasesTheReportsThenDeletesTheListedInfo)
{
    auto* info = new RDLCInfo;
    info->SetName("Module2\\RDLCs\\orders_SelectAllRecords.rdlc");
    auto* kept = new RDLCInfo;
    m_project.AddRDLCInfo(kept);
    m_project.AddRDLCInfo(info);
    auto* report = NewPage<RDLCReport>("Orders");
    report->SetRDLCInfo(info);
    m_second->Append(report);

    EXPECT_TRUE(m_project.DeleteRDLCInfo(info));

    EXPECT_EQ(report->GetRDLCInfo(), nullptr);
    EXPECT_EQ(m_project.GetRDLCInfos(), std::vector<RDLCInfo*>{kept});
    m_project.RemoveRDLCInfo(kept);
    delete kept;
}

TEST_F(ModelServicesTest, DeleteXSDInfoReleasesTheReportsAndDeletesOnlyAListedInfo)
{
    auto* info = new XSDInfo;
    m_project.AddXSDInfo(info);
    XSDInfo unlisted;
    unlisted.SetFilePath("Module2\\DataSets\\orders_SelectAllRecords.xsd");
    auto* report = NewPage<RDLCReport>("Orders");
    auto* other = NewPage<RDLCReport>("Invoices");
    report->SetXSDInfo(info);
    other->SetXSDInfo(&unlisted);
    m_second->Append(report);
    m_base->Append(other);

    EXPECT_TRUE(m_project.DeleteXSDInfo(info));
    EXPECT_FALSE(m_project.DeleteXSDInfo(&unlisted));

    EXPECT_EQ(report->GetXSDInfo(), nullptr);
    EXPECT_EQ(other->GetXSDInfo(), nullptr);
    EXPECT_TRUE(m_project.GetXSDInfos().empty());
    EXPECT_EQ(unlisted.GetName(), "Module2\\DataSets\\orders_SelectAllRecords.xsd");
}

TEST_F(ModelServicesTest, DeletingAModuleMovesTheCurrentModuleOnlyWhenItWasDeleted)
{
    struct Case
    {
        int current;
        int deleted;
        int newCurrent; // index among the modules before the deletion
    };
    for (const Case& test : {Case{1, 1, 0}, Case{1, 2, 1}, Case{0, 0, 1}})
    {
        SCOPED_TRACE(::testing::Message() << test.current << " " << test.deleted);
        ForgeonProject project;
        std::vector<Module*> modules;
        for (int i = 0; i < 3; ++i)
        {
            modules.push_back(NewModule(i == 0 ? "BaseModule" : "Module", i + 1));
            project.AddModule(modules.back());
        }
        project.SetCurrentModule(modules[test.current]);

        ASSERT_TRUE(project.DeleteModuleAt(test.deleted));

        EXPECT_EQ(project.GetModuleCount(), 2);
        EXPECT_EQ(project.GetCurrentModule(), modules[test.newCurrent]);
        EXPECT_EQ(project.GetBaseModule(), modules[test.deleted == 0 ? 1 : 0]);
    }
}

TEST_F(ModelServicesTest, NameLookupsAskTheModulesInOrderWithTheirCaseRules)
{
    Procedure* first = NewProcedure("PRC_Customer_SelectAll");
    m_base->Append(first);
    m_second->Append(NewProcedure("PRC_Customer_SelectAll"));
    m_second->Append(NewPage<ApplicationReport>("CustomerReport"));
    m_second->Append(NewPage<Transaction>("Orders"));
    auto* basePage = NewPage<Form>("Customers");
    m_base->Append(basePage);
    m_second->Append(NewPage<Form>("Customers"));

    EXPECT_EQ(first, m_project.FindProcedureByName("PRC_Customer_SelectAll"));
    EXPECT_EQ(nullptr, m_project.FindProcedureByName("prc_customer_selectall"));
    EXPECT_TRUE(m_project.IsProcedureNameUsed("PRC_Customer_SelectAll"));
    EXPECT_FALSE(m_project.IsProcedureNameUsed("PRC_customer_SelectAll"));
    EXPECT_TRUE(m_project.IsReportNameUsed("customerreport"));
    EXPECT_FALSE(m_project.IsReportNameUsed("Customer"));
    EXPECT_TRUE(m_project.IsTransactionNameUsed("Orders"));
    EXPECT_FALSE(m_project.IsTransactionNameUsed("orders"));
    EXPECT_EQ(basePage, m_project.FindPageByName("Customers"));
    EXPECT_EQ(nullptr, m_project.FindPageByName("customers"));
}

TEST_F(ModelServicesTest, TableLookupsSearchEveryModuleAndUpdateRenamesTheMapForm)
{
    Table* stock = NewTable("Stock", Table::mapKind);
    Table* order = NewTable("Order", Table::masterDetailKind);
    m_second->AppendMapTable(stock);
    m_second->AppendTransactionTable(order);
    auto* mapForm = NewPage<MapForm>("Inventory");
    mapForm->SetMappingTable(stock);
    m_second->Append(mapForm);
    auto* transaction = NewPage<Transaction>("Orders");
    transaction->SetBasicTable(order);
    m_second->Append(transaction);

    EXPECT_EQ(mapForm, m_project.FindMapFormByTable(stock));
    EXPECT_EQ(nullptr, m_project.FindMapFormByTable(order));
    EXPECT_EQ(nullptr, m_project.FindMapFormByTable(nullptr));
    EXPECT_EQ(transaction, m_project.FindTransactionByTableOrName(order, ""));
    EXPECT_EQ(transaction, m_project.FindTransactionByTableOrName(nullptr, "ORDERS"));
    EXPECT_EQ(nullptr, m_project.FindTransactionByTableOrName(order, "Invoices"));

    m_project.UpdatePagesForTable(stock);
    EXPECT_EQ(CString("Stock_form"), mapForm->GetFormName());
}

TEST_F(ModelServicesTest, RDLCInfoUseLooksAtReportsOfEveryModule)
{
    auto info = std::make_unique<RDLCInfo>();
    auto* own = NewPage<RDLCReport>("own");
    own->SetRDLCInfo(info.get());
    m_base->Append(own);

    EXPECT_FALSE(m_project.IsRDLCInfoUsedByOtherReport(info.get(), own));
    auto* other = NewPage<RDLCReport>("other");
    other->SetRDLCInfo(info.get());
    m_second->Append(other);
    EXPECT_TRUE(m_project.IsRDLCInfoUsedByOtherReport(info.get(), own));
    // Reports without information are no users of a missing one.
    EXPECT_FALSE(m_project.IsRDLCInfoUsedByOtherReport(nullptr, own));
}

TEST_F(ModelServicesTest, QualifyingFieldNamesAddsAndRemovesTheTablePrefix)
{
    Table* customer = NewTable("Customer", Table::masterKind, {"City"});
    m_second->AppendMasterTable(customer);
    Field* city = customer->GetFields().back();
    Table* order = NewTable("Order", Table::masterDetailKind, {"Order.Date"});
    m_base->AppendTransactionTable(order);
    Field* date = order->GetFields().back();

    m_project.QualifyFieldNames(true);
    EXPECT_EQ(CString("Customer.City"), city->GetFieldName());
    EXPECT_EQ(CString("Order.Date"), date->GetFieldName());

    m_project.QualifyFieldNames(false);
    EXPECT_EQ(CString("City"), city->GetFieldName());
    EXPECT_EQ(CString("Date"), date->GetFieldName());

    // A prefix of other case goes too, and only the prefix.
    struct Case
    {
        const char* name;
        const char* unqualified;
    };
    const Case cases[] = {
        {"customer.Zip", "Zip"},
        {"CUSTOMER.Zip", "Zip"},
        {"Customer.Customer_id", "Customer_id"},
        {"Region.Code", "Region.Code"},
    };
    for (const Case& test : cases)
    {
        city->SetFieldName(test.name);
        m_project.QualifyFieldNames(false);
        EXPECT_EQ(CString(test.unqualified), city->GetFieldName()) << test.name;
    }
}

TEST_F(ModelServicesTest, UnmappedParametersAreListedUnderOneHeadingPerKindOfPage)
{
    Class dataClass;
    Function function;
    function.SetName("SelectByCity");
    function.AddParameter(new Parameter);
    Table* customer = NewTable("Customer", Table::masterKind, {"City"});
    m_base->AppendMasterTable(customer);
    Field* city = customer->GetFields().back();
    for (Module* module : {m_base, m_second})
    {
        auto* form = NewPage<Form>(module == m_base ? "BaseForm" : "SecondForm");
        form->AddFieldRep(NewClassControl(city, &dataClass, &function));
        module->Append(form);
    }
    auto* report = NewPage<ApplicationReport>("Search");
    auto* group = new ReportGroup;
    group->AddFilter(NewClassControl(city, &dataClass, &function));
    report->AddReportGroup(group);
    m_second->Append(report);

    CString text;
    m_project.CollectUnmappedParameters(text);

    EXPECT_EQ(CString("Parameter mapping missing on following Master Form/s\n"
                      "1.BaseForm for function SelectByCity on form control City\n"
                      "2.SecondForm for function SelectByCity on form control City\n"
                      "Parameter mapping missing on following Search Report/s\n"
                      "1.Search for function SelectByCity on form control City\n"),
              text);
}

TEST(TableFieldInsertionTest, InsertFieldAtPlacesTheFieldBeforeTheIndexOrAtTheEnd)
{
    Table table;
    Field* first = AddVarcharField(&table, "first");
    Field* last = AddVarcharField(&table, "last");
    auto* middle = new Field;
    auto* appended = new Field;
    auto* negative = new Field;

    table.InsertFieldAt(middle, 1);
    table.InsertFieldAt(appended, 9);
    table.InsertFieldAt(negative, -1);

    EXPECT_EQ(table.GetFields(), (std::vector<Field*>{first, middle, last, appended, negative}));
}

TEST(TextFileAssignmentTest, TargetTakesTheBufferAndSettingsButKeepsWritingToItsOwnFile)
{
    TextFile section(false, false, '-', 3);
    section.Write(1, "%s\n", "line");
    TextFile collecting(false, true, '=', 60);
    collecting = section;
    collecting.WriteSeparator(0);
    EXPECT_EQ(collecting.GetBuffer(), "\tline\n---\n");
    EXPECT_EQ(section.GetBuffer(), "\tline\n");

    TempFolder folder("WeavoAssign");
    TextFile target(folder.ModelPath("target.txt"), false, '=', 60, false, false);
    target = section;
    target.Write(0, "written\n");
    target.Close();
    EXPECT_EQ(target.GetBuffer(), "\tline\n");
    EXPECT_EQ(ReadHostFile(folder.Path() / "target.txt"), "written\r\n");

    collecting = TextFile(true, false, '=', 60);
    collecting.Write(0, "dropped");
    EXPECT_EQ(collecting.GetBuffer(), "");
}

} // namespace
