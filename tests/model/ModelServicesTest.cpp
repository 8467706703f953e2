#include "entities/AspxFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/MultiPageReport.h"
#include "entities/Procedure.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
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
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/model/ModelBuilders.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
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

// A control of the field with its own data, placed on the page.
FieldRep* AddControl(FormInterface* page, Field* field)
{
    auto* control = new FieldRep(field);
    control->SetFieldRepData(new FieldRepData);
    page->AddFieldRep(control);
    return control;
}

// A control of the field whose data a user changed afterwards: another kind and no length.
FieldRep* AddChangedControl(FormInterface* page, Field* field)
{
    FieldRep* control = AddControl(page, field);
    control->GetFieldRepData()->SetControlKind(FieldRepData::ComboBox);
    control->GetFieldRepData()->SetMaxLength(0);
    return control;
}

bool HasDefaultData(const FieldRep* control)
{
    return control->GetFieldRepData()->GetControlKind() == FieldRepData::TextBox &&
           control->GetFieldRepData()->GetMaxLength() == 50;
}

Function* AddFunction(Class* dataClass, const char* name)
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

// A control of the field whose data calls the class function.
FieldRep* AddControlCalling(FormInterface* page, Field* field, Class* dataClass, Function* function)
{
    FieldRep* control = AddControl(page, field);
    auto* call = new ClassInvokation;
    call->SetFunction(dataClass, function);
    control->GetFieldRepData()->SetDataCall(call);
    return control;
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

// Points TMPDIR, and so the fixed report folder, at a folder of the test's own.
class TempFolderOverride
{
public:
    explicit TempFolderOverride(const std::filesystem::path& folder)
    {
        if (const char* old = std::getenv("TMPDIR"))
            m_old = old;
        ::setenv("TMPDIR", folder.c_str(), 1);
    }
    ~TempFolderOverride()
    {
        if (m_old)
            ::setenv("TMPDIR", m_old->c_str(), 1);
        else
            ::unsetenv("TMPDIR");
    }
    TempFolderOverride(const TempFolderOverride&) = delete;
    TempFolderOverride& operator=(const TempFolderOverride&) = delete;

private:
    std::optional<std::string> m_old;
};

std::string FileText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
} // namespace

TEST_F(ModelServicesTest, FindTableByNameIgnoresCaseAndSearchesEveryModule)
{
    Table* orders = NewTable("Orders");
    m_second->AddTable(orders);

    EXPECT_EQ(m_project.FindTableByName("ORDERS"), orders);
    EXPECT_EQ(m_project.FindTableByName("Order"), nullptr);
}

TEST_F(ModelServicesTest, FindTableByNameAnswersFromTheFirstModuleThatHasTheTable)
{
    Table* first = NewTable("customer");
    Table* second = NewTable("Customer");
    m_second->AddTable(second);
    m_base->AddTable(first);

    EXPECT_EQ(m_project.FindTableByName("Customer"), first);
}

class DuplicateNamesTest : public ModelServicesTest
{
protected:
    std::string ReportText() const { return FileText(m_folder.Path() / "KestraneWeavoReport.txt"); }

    TempFolder m_folder{"WeavoDuplicates"};
    TempFolderOverride m_override{m_folder.Path()};
    ScriptedMessageBoxes m_boxes;
};

TEST_F(DuplicateNamesTest, DistinctNamesShowNothing)
{
    m_base->AddTable(NewTable("Customer"));
    m_second->Append(NewForm("Customer_form", nullptr));
    auto* procedure = new Procedure;
    procedure->SetName("customer");
    m_second->Append(procedure);

    EXPECT_FALSE(m_project.HasDuplicateNames());
    EXPECT_TRUE(m_boxes.Shown().empty());
    EXPECT_FALSE(std::filesystem::exists(m_folder.Path() / "KestraneWeavoReport.txt"));
}

TEST_F(DuplicateNamesTest, NamesSharedAcrossKindsAndModulesAreShownAndWrittenOnce)
{
    m_base->AddTable(NewTable("Customer"));
    m_base->AddTable(NewTable("Orders"));
    auto* procedure = new Procedure;
    procedure->SetName("Customer");
    m_second->Append(procedure);
    m_second->Append(NewForm("Orders", nullptr));
    m_second->Append(NewForm("Customer", nullptr));

    EXPECT_TRUE(m_project.HasDuplicateNames());

    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(m_boxes.Shown()[0].text,
              "Following are the duplicate names found in the project!\nOrders\nCustomer\n");
    EXPECT_EQ(ReportText(), "Orders\r\nCustomer\r\n");
}

TEST_F(DuplicateNamesTest, AnEarlierReportIsReplaced)
{
    std::ofstream(m_folder.Path() / "KestraneWeavoReport.txt") << "old findings\n";
    m_base->AddTable(NewTable("Customer"));
    m_second->AddTable(NewTable("Customer"));

    EXPECT_TRUE(m_project.HasDuplicateNames());
    EXPECT_EQ(ReportText(), "Customer\r\n");
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

TEST_F(ModelServicesTest, FillModuleComboListsTheModulesAndSelectsTheCurrentOne)
{
    RecordingComboBox combo;

    EXPECT_EQ(m_project.FillModuleCombo(combo), m_second);

    EXPECT_EQ(combo.items, (std::vector<std::string>{"BaseModule", "Module2"}));
    EXPECT_EQ(combo.selection, 1);
}

TEST_F(ModelServicesTest, FillModuleComboSelectsNothingForACurrentModuleOutsideTheList)
{
    Module outside("Outside");
    m_project.SetCurrentModule(&outside);
    RecordingComboBox combo;

    EXPECT_EQ(m_project.FillModuleCombo(combo), nullptr);
    EXPECT_EQ(combo.items.size(), 2u);
    EXPECT_EQ(combo.selection, -1);

    m_project.SetCurrentModule(nullptr);
    EXPECT_EQ(m_project.FillModuleCombo(combo), nullptr);
    EXPECT_EQ(combo.selection, -1);
}

TEST_F(ModelServicesTest, EveryPageFileCountsAsLinkedFromAMenu)
{
    Form* form = NewForm("Customer_form", nullptr);
    m_base->Append(form);
    auto* file = new AspxFile;
    file->SetOwnerPage(form);
    form->AddAspFile(file);

    EXPECT_TRUE(file->GetLinkingItems().empty());
    EXPECT_TRUE(m_project.IsFileLinkedFromMenu(file));
}

TEST_F(ModelServicesTest, ContainsMultiPageReportTestsTheObjectItself)
{
    auto* listed = NewPage<MultiPageReport>("Summary");
    auto* elsewhere = NewPage<MultiPageReport>("Summary");
    m_base->Append(listed);
    m_second->Append(elsewhere);

    EXPECT_TRUE(m_base->ContainsMultiPageReport(listed));
    EXPECT_FALSE(m_base->ContainsMultiPageReport(elsewhere));
    EXPECT_FALSE(m_base->ContainsMultiPageReport(nullptr));
}

TEST_F(ModelServicesTest, RefreshFieldRepOfFieldResetsTheMasterFormControlOnly)
{
    Table* customer = NewTable("customer", Table::masterKind, {"name", "city"});
    m_second->AddTable(customer);
    Form* form = NewForm("customer_form", customer);
    m_base->Append(form);
    Field* name = customer->FindFieldByName("name");
    Field* city = customer->FindFieldByName("city");
    FieldRep* nameControl = AddChangedControl(form, name);
    FieldRep* cityControl = AddChangedControl(form, city);

    m_base->RefreshFieldRepOfField(customer, name);

    EXPECT_TRUE(HasDefaultData(nameControl));
    EXPECT_FALSE(HasDefaultData(cityControl));
}

TEST_F(ModelServicesTest, RefreshFieldRepOfFieldResetsEveryTransactionUsingADetailTable)
{
    Table* basic = NewTable("order_basic", Table::masterDetailKind, {"customer"});
    Table* detail = NewTable("order_detail", Table::masterDetailKind, {"item"});
    Table* other = NewTable("invoice_basic", Table::masterDetailKind);
    for (Table* table : {basic, detail, other})
        m_base->AddTable(table);
    auto* orders = NewPage<Transaction>("Orders");
    orders->SetBasicTable(basic);
    orders->AddDetailTable(detail);
    auto* invoices = NewPage<Transaction>("Invoices");
    invoices->SetBasicTable(other);
    m_base->Append(orders);
    m_base->Append(invoices);
    Field* item = detail->FindFieldByName("item");
    FieldRep* used = AddChangedControl(orders, item);
    FieldRep* unrelated = AddChangedControl(invoices, item);

    m_base->RefreshFieldRepOfField(detail, item);

    EXPECT_TRUE(HasDefaultData(used));
    EXPECT_FALSE(HasDefaultData(unrelated));
}

TEST_F(ModelServicesTest, RefreshFieldRepOfFieldLeavesMapTablePagesAlone)
{
    Table* map = NewTable("customer_city", Table::mapKind, {"note"});
    m_second->AddTable(map);
    Form* form = NewForm("customer_city_form", map);
    m_base->Append(form);
    FieldRep* control = AddChangedControl(form, map->FindFieldByName("note"));

    m_base->RefreshFieldRepOfField(map, map->FindFieldByName("note"));

    EXPECT_FALSE(HasDefaultData(control));
}

// The module of a project that is open in the main frame.
class OpenProjectServicesTest : public ModelServicesTest
{
protected:
    OpenProjectServicesTest()
    {
        m_previous = MainFrameAccess::SetProjectSource([this] { return &m_project; });
    }
    ~OpenProjectServicesTest() override { MainFrameAccess::SetProjectSource(m_previous); }

    ScriptedMessageBoxes m_boxes;
    MainFrameAccess::ProjectSource m_previous;
};

TEST_F(OpenProjectServicesTest, RemoveSelectRecordForFunctionDeletesOnlyThatFunctionOfTheTable)
{
    Table* orders = NewTable("orders", Table::masterKind, {"customer_id"});
    Table* invoices = NewTable("invoices", Table::masterKind, {"customer_id"});
    m_base->AddTable(orders);
    m_base->AddTable(invoices);
    Class* orderClass = AddClass(m_base, orders);
    Class* invoiceClass = AddClass(m_base, invoices);
    AddFunction(orderClass, "SelectAllRecords");
    AddFunction(orderClass, "SelectRecordForcustomer_id");
    AddFunction(invoiceClass, "SelectRecordForcustomer_id");

    m_base->RemoveSelectRecordForFunction(orders->FindFieldByName("customer_id"), orders);

    EXPECT_FALSE(ClassHasFunction(orderClass, "SelectRecordForcustomer_id"));
    EXPECT_TRUE(ClassHasFunction(orderClass, "SelectAllRecords"));
    EXPECT_TRUE(ClassHasFunction(invoiceClass, "SelectRecordForcustomer_id"));
}

TEST_F(OpenProjectServicesTest, RemoveSelectRecordForFunctionClearsCallsFromOtherModules)
{
    Table* orders = NewTable("orders", Table::masterKind, {"customer_id"});
    m_second->AddTable(orders);
    Class* orderClass = AddClass(m_second, orders);
    Function* function = AddFunction(orderClass, "SelectRecordForcustomer_id");
    Form* form = NewForm("report_form", nullptr);
    m_base->Append(form);
    FieldRep* control =
        AddControlCalling(form, orders->FindFieldByName("customer_id"), orderClass, function);

    m_second->RemoveSelectRecordForFunction(orders->FindFieldByName("customer_id"), orders);

    EXPECT_FALSE(ClassHasFunction(orderClass, "SelectRecordForcustomer_id"));
    EXPECT_FALSE(CallsAFunction(control));
}

TEST_F(ModelServicesTest, RemoveSelectRecordForFunctionOutsideAnOpenProjectClearsTheModulesPages)
{
    Table* orders = NewTable("orders", Table::masterKind, {"customer_id"});
    m_second->AddTable(orders);
    Class* orderClass = AddClass(m_second, orders);
    Function* function = AddFunction(orderClass, "SelectRecordForcustomer_id");
    Form* form = NewForm("orders_form", orders);
    m_second->Append(form);
    FieldRep* control =
        AddControlCalling(form, orders->FindFieldByName("customer_id"), orderClass, function);
    ASSERT_EQ(MainFrameAccess::GetProject(), nullptr);

    m_second->RemoveSelectRecordForFunction(orders->FindFieldByName("customer_id"), orders);

    EXPECT_FALSE(ClassHasFunction(orderClass, "SelectRecordForcustomer_id"));
    EXPECT_FALSE(CallsAFunction(control));
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

TEST_F(ModelServicesTest, DeleteXSDInfoReleasesReportsThatOnlyPointAtIt)
{
    auto* info = new XSDInfo;
    info->SetFilePath("Module2\\DataSets\\orders_SelectAllRecords.xsd");
    m_project.AddXSDInfo(info);
    auto* report = NewPage<RDLCReport>("Orders");
    report->SetXSDInfo(info);
    m_second->Append(report);

    EXPECT_TRUE(m_project.DeleteXSDInfo(info));

    EXPECT_EQ(report->GetXSDInfo(), nullptr);
    EXPECT_TRUE(m_project.GetXSDInfos().empty());
}

TEST_F(ModelServicesTest, DeleteXSDInfoOfAnotherListReleasesTheReportsButDeletesNothing)
{
    XSDInfo unlisted;
    unlisted.SetFilePath("Module2\\DataSets\\orders_SelectAllRecords.xsd");
    auto* report = NewPage<RDLCReport>("Orders");
    report->SetXSDInfo(&unlisted);
    m_base->Append(report);

    EXPECT_FALSE(m_project.DeleteXSDInfo(&unlisted));

    EXPECT_EQ(report->GetXSDInfo(), nullptr);
    EXPECT_EQ(unlisted.GetName(), "Module2\\DataSets\\orders_SelectAllRecords.xsd");
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
    EXPECT_EQ(table.IndexOfField(middle), 1);
}

TEST(TextFileAssignmentTest, AssignmentTakesTheBufferPathAndSettings)
{
    TextFile section(false, false, '-', 3);
    section.Write(1, "%s\n", "line");
    TextFile target(false, true, '=', 60);

    target = section;
    target.WriteSeparator(0);

    EXPECT_EQ(target.GetBuffer(), "\tline\n---\n");
    EXPECT_EQ(section.GetBuffer(), "\tline\n");
}

TEST(TextFileAssignmentTest, AssignmentFromADisabledWriterDisablesTheTarget)
{
    TextFile disabled(true, false, '=', 60);
    TextFile target(false, false, '=', 60);
    target.Write(0, "kept");

    target = disabled;
    target.Write(0, "dropped");

    EXPECT_EQ(target.GetBuffer(), "");
}

TEST(TextFileAssignmentTest, TheTargetKeepsWritingToItsOwnFile)
{
    TempFolder folder("WeavoAssign");
    const CString path = folder.ModelPath("target.txt");
    TextFile target(path, false, '=', 60, false, false);
    TextFile section(false, false, '=', 60);
    section.Write(0, "collected\n");

    target = section;
    target.Write(0, "written\n");
    target.Close();

    EXPECT_EQ(target.GetBuffer(), "collected\n");
    EXPECT_EQ(FileText(folder.Path() / "target.txt"), "written\r\n");
}
