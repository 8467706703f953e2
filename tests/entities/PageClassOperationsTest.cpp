#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/AspxFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/LoginPage.h"
#include "entities/MapForm.h"
#include "entities/MultiPageReport.h"
#include "entities/Parameter.h"
#include "entities/RDLCReport.h"
#include "entities/ReportCollector.h"
#include "entities/ReportGroup.h"
#include "entities/TableAdapter.h"
#include "entities/Transaction.h"
#include "model/EventRecmpFields.h"
#include "model/Module.h"
#include "tests/entities/PageOperationsSupport.h"
#include "tests/support/ListedRelease.h"
#include "tests/support/PageReferences.h"

#include <functional>
#include <memory>
#include <string>

namespace
{

// What the page base learns from the page classes, asked through the base: the table of
// titles and file names, the prefix of a copy's name and the page's own function calls.
struct PageClassCase
{
    const char* name;
    // A page of the class in the module over the table; the module owns it where a module
    // lists its class.
    std::function<FormInterface*(Module&, Table&)> make;
    bool titledByTable;
    const char* copyName;
};

template <class Page> Page* NamedOrders(Page* page)
{
    page->SetName("Orders");
    return page;
}

// Two master forms over the table: the copy of either is numbered 2.
FormInterface* MakeForm(Module& module, Table& table)
{
    for (int index = 0; index < 2; ++index)
    {
        auto* form = NamedOrders(new Form);
        form->SetTable(&table);
        module.Append(form);
    }
    return module.GetMasterForms().front();
}

FormInterface* MakeTransaction(Module& module, Table& table)
{
    auto* transaction = NamedOrders(new Transaction);
    transaction->SetBasicTable(&table);
    module.Append(transaction);
    return transaction;
}

template <class Page> FormInterface* MakeListed(Module& module, Table&)
{
    auto* page = NamedOrders(new Page);
    module.Append(page);
    return page;
}

FormInterface* MakeReportOverTable(Module& module, Table& table)
{
    auto* report = NamedOrders(new ApplicationReport);
    report->SetTable(&table);
    module.Append(report);
    return report;
}

FormInterface* MakeLoginPage(Module& module, Table&)
{
    module.AdoptLoginPage(NamedOrders(new LoginPage));
    return module.GetLoginPage();
}

class PageClassOperationsTest : public PageOperationsTest,
                                public ::testing::WithParamInterface<PageClassCase>
{
protected:
    Table m_table;
    Module m_module{"Sales"};
};

TEST_P(PageClassOperationsTest, TitleTableAndCopyNameComeFromThePageClass)
{
    m_table.SetTableName("orders");
    FormInterface* page = GetParam().make(m_module, m_table);

    EXPECT_EQ(page->GetTitleTable(), GetParam().titledByTable ? &m_table : nullptr);
    FormInterface copy;
    copy.CopyFrom(page);
    EXPECT_EQ(std::string(copy.GetFormName()), GetParam().copyName);

    // The title of an update page file shows the title table's name.
    AspFile file;
    file.SetOwnerPage(page);
    file.SetFileKind(7);
    EXPECT_EQ(std::string(file.GetPageTitle()),
              GetParam().titledByTable ? "UPDATE ORDERS" : "UPDATE ");
}

INSTANTIATE_TEST_SUITE_P(
    EveryPageClass, PageClassOperationsTest,
    ::testing::Values(
        PageClassCase{"Form", MakeForm, true, "Copy_2_of_Orders"},
        PageClassCase{"Transaction", MakeTransaction, true, "Copy_1_of_Orders"},
        PageClassCase{"Report", MakeReportOverTable, false, "Orders"},
        PageClassCase{"RdlcReport", MakeListed<RDLCReport>, false, "Orders"},
        PageClassCase{"MapForm", MakeListed<MapForm>, false, "Orders"},
        PageClassCase{"DashBoard", MakeListed<DashBoard>, false, "Orders"},
        PageClassCase{"DashBoardPage", MakeListed<DashBoardPage>, false, "Orders"},
        PageClassCase{"MultiPageReport", MakeListed<MultiPageReport>, false, "Orders"},
        PageClassCase{"ReportCollector", MakeListed<ReportCollector>, false, "Orders"},
        PageClassCase{"LoginPage", MakeLoginPage, false, "Orders"}),
    [](const ::testing::TestParamInfo<PageClassCase>& info) { return info.param.name; });

TEST(PageFileClassTest, OnlyTheAspNetPageFileAnswersThatItIsOne)
{
    Form form;
    form.SetName("Orders");
    std::unique_ptr<AspFile> files[] = {std::make_unique<AspFile>(), std::make_unique<AspxFile>()};
    for (const auto& file : files)
    {
        file->SetOwnerPage(&form);
        file->SetOwnerKind(AspFile::mapFormOwner);
        file->SetFileKind(1);
    }
    EXPECT_FALSE(files[0]->IsAspxFile());
    EXPECT_TRUE(files[1]->IsAspxFile());
    EXPECT_NE(files[0]->GetFileName(FALSE), files[1]->GetFileName(FALSE));
    EXPECT_EQ(files[0]->GetClassicFileName(FALSE), files[1]->GetClassicFileName(FALSE));
}

// A report with a class call and a group call, a dashboard with its call and a master form
// without either, each asked through the page base.
class PageOwnCallsTest : public PageOperationsTest
{
protected:
    PageOwnCallsTest()
    {
        m_function = new Function;
        m_dataClass.AddFunction(m_function);
        m_parameter = new Parameter;
        m_function->AddParameter(m_parameter);
        m_table.SetTableName("orders");
        m_price = NewField("Price", &m_table);
        m_report.SetName("Sales");
        m_report.SetClassCall(MappedCall());
        m_report.AddReportGroup(new ReportGroup(&m_report, MappedCall()));
        m_dashBoard.SetName("Board");
        m_dashBoard.SetClassInvokation(MappedCall());
        m_form.SetName("Orders");
    }

    ClassInvokation* MappedCall()
    {
        auto* call = new ClassInvokation;
        call->SetFunction(&m_dataClass, m_function);
        call->AddParameterMap(m_parameter, m_price);
        return call;
    }

    FormInterface* Pages(int index)
    {
        FormInterface* pages[] = {&m_report, &m_dashBoard, &m_form};
        return pages[index];
    }

    Class m_dataClass;
    Function* m_function;
    Parameter* m_parameter;
    Table m_table;
    Field* m_price;
    ApplicationReport m_report;
    DashBoard m_dashBoard;
    Form m_form;
};

TEST_F(PageOwnCallsTest, OwnCallsAreListedAndGoWithTheFunction)
{
    const std::vector<CString> users[] = {{"Sales"}, {"Board"}, {}};
    for (int index = 0; index < 3; ++index)
    {
        EXPECT_EQ(PageUsersOf(*Pages(index), {m_function}), users[index]) << index;
        EXPECT_EQ(PageUsersOf(*Pages(index), {m_parameter}), users[index]) << index;
    }

    for (int index = 0; index < 3; ++index)
        ReleaseListed(*Pages(index), {m_parameter});
    EXPECT_TRUE(m_report.GetClassCall()->GetParameterMaps().empty());
    EXPECT_TRUE(m_report.GetReportGroups().front()->GetClassCall()->GetParameterMaps().empty());
    EXPECT_TRUE(m_dashBoard.GetClassInvokation()->GetParameterMaps().empty());

    Function other;
    for (int index = 0; index < 3; ++index)
        ReleaseListed(*Pages(index), {&other});
    EXPECT_NE(m_report.GetClassCall(), nullptr);
    EXPECT_NE(m_dashBoard.GetClassInvokation(), nullptr);
    for (int index = 0; index < 3; ++index)
        ReleaseListed(*Pages(index), m_function->FreedWithIt());
    EXPECT_EQ(m_report.GetClassCall(), nullptr);
    // The group fed by the function alone goes with it.
    EXPECT_TRUE(m_report.GetReportGroups().empty());
    EXPECT_EQ(m_dashBoard.GetClassInvokation(), nullptr);
    for (int index = 0; index < 3; ++index)
        EXPECT_TRUE(PageUsersOf(*Pages(index), {m_function}).empty()) << index;
}

TEST_F(PageOwnCallsTest, DeletingAControlThroughThePageBaseTidiesTheReportsOwnLists)
{
    RDLCReport rdlcReport;
    FormInterface& rdlcPage = rdlcReport;
    FieldRep* rdlcControl = AddControl(rdlcPage, m_price);
    rdlcReport.AddTableAdapterMap(TableAdapterMap{nullptr, {{"a", m_price}}});
    FormInterface& reportPage = m_report;
    FieldRep* control = AddControl(reportPage, m_price);
    auto* filter = new FieldRep(m_price);
    filter->AttachFieldRepData(new FieldRepData);
    auto* events = new EventRecmpFields;
    events->AddClassRecompute(control);
    filter->GetFieldRepData()->AddEventRecmpFields(events);
    m_report.GetReportGroups().front()->AddFilter(filter);
    ASSERT_TRUE(m_report.HasRecomputeForFieldRep(control));

    rdlcPage.DeleteFieldRep(rdlcControl);
    reportPage.DeleteFieldRep(control);

    EXPECT_TRUE(rdlcReport.GetFieldReps().empty());
    EXPECT_TRUE(rdlcReport.GetTableAdapterMaps()[0].m_pairs.empty());
    EXPECT_TRUE(m_report.GetFieldReps().empty());
    EXPECT_FALSE(m_report.HasRecomputeForFieldRep(control));
}

} // namespace
