#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/DashBoard.h"
#include "entities/DerivedField.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/LinkControl.h"
#include "entities/Menu.h"
#include "entities/MenuInterface.h"
#include "entities/Parameter.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ProcedureTable.h"
#include "entities/ReportGroup.h"
#include "entities/UniquenessProcedureTable.h"
#include "model/EventRecmpFields.h"
#include "model/Module.h"
#include "model/RefField.h"
#include "tests/entities/PageOperationsSupport.h"
#include "tests/entities/PageTestSupport.h"
#include "tests/support/ListedRelease.h"
#include "tests/support/PageReferences.h"

#include <memory>
#include <vector>

namespace
{

class PageUsageTest : public OrdersPageTest<Form>
{
protected:
    bool PageRecorded() const
    {
        return UsageSet().GetForms().size() == 1 && UsageSet().GetForms().front() == &m_page;
    }
};

TEST_F(PageUsageTest, FieldUsageNamesTheMapsVariableTheControlOrTheReferenceField)
{
    EXPECT_EQ("", FirstListedUse(m_page, m_price));

    FieldRep* rep = AddControl(m_page, nullptr);
    rep->GetFieldRepData()->SetBackField(m_price);
    EXPECT_EQ("Orders_fieldRepresentation", FirstListedUse(m_page, m_price));

    m_page.AddVariableForField(m_price);
    EXPECT_EQ("Orders_Price", FirstListedUse(m_page, m_price));
}

TEST_F(PageUsageTest, EveryCallOfTheProcedureIsListedAndNoneOfOtherProcedures)
{
    Procedure procedure;
    Procedure other;
    m_page.AddUniquenessProcedureTable(
        new UniquenessProcedureTable(&m_table, CallOfProcedure(&other)));
    m_page.AddUniquenessProcedureTable(new UniquenessProcedureTable(&m_table, nullptr));
    EXPECT_TRUE(PageUsersOf(m_page, {&procedure}).empty());

    for (int i = 0; i < 2; ++i)
        m_page.AddUniquenessProcedureTable(
            new UniquenessProcedureTable(&m_table, CallOfProcedure(&procedure)));
    m_page.AddProcedureTable(new ProcedureTable(&m_table, CallOfProcedure(&procedure),
                                                ProcedureTable::recordUpdateKind));
    for (int i = 0; i < 2; ++i)
        AddControl(m_page, nullptr)
            ->GetFieldRepData()
            ->SetDataProcedure(CallOfProcedure(&procedure));

    EXPECT_EQ(PageUsersOf(m_page, {&procedure}), std::vector<CString>{"Orders"});
    ReleaseListed(m_page, {&procedure});
    EXPECT_EQ(m_page.GetUniquenessProcedureTables().size(), 2u);
    EXPECT_TRUE(m_page.GetProcedureTables().empty());
    for (const FieldRep* control : m_page.GetFieldReps())
        EXPECT_EQ(control->GetFieldRepData()->GetDataProcedure(), nullptr);
    EXPECT_TRUE(PageUsersOf(m_page, {&procedure}).empty());
}

TEST_F(PageUsageTest, ARecomputeAloneMakesThePageAProcedureUser)
{
    Procedure procedure;
    auto* list = new EventRecmpFields;
    list->AddProcedureRecompute(AddControl(m_page, m_price), CallOfProcedure(&procedure));
    AddControl(m_page, nullptr)->GetFieldRepData()->AddEventRecmpFields(list);

    EXPECT_EQ(PageUsersOf(m_page, {&procedure}), std::vector<CString>{"Orders"});
    ReleaseListed(m_page, {&procedure});
    EXPECT_TRUE(list->GetProcedureRecomputes().empty());
}

TEST_F(PageUsageTest, ClassUsageListsEachControlAndRecordsTheClass)
{
    Class dataClass;
    auto* function = new Function;
    dataClass.AddFunction(function);
    for (int i = 0; i < 2; ++i)
    {
        auto* call = new ClassInvokation;
        call->SetFunction(&dataClass, function);
        AddControl(m_page, nullptr)->GetFieldRepData()->SetDataCall(call);
    }
    AddControl(m_page, m_price);
    CString list;

    Class unused;
    EXPECT_FALSE(m_page.CollectClassUsage(&unused, list));
    EXPECT_TRUE(m_page.CollectClassUsage(&dataClass, list));

    EXPECT_EQ(list, "Orders\nOrders\n");
    EXPECT_EQ(UsageSet().GetClasses(), std::vector<Class*>{&dataClass});
    EXPECT_TRUE(UsageSet().GetForms().empty());
}

TEST_F(PageUsageTest, MenuLinkedFromPreAndPostLinksFilesOneError)
{
    auto menu = std::make_unique<Menu>();
    Menu other;
    m_page.AddPreLink(new LinkControl(&other, 0, 0, LinkControl::Left));
    EXPECT_FALSE(m_page.CollectMenuLinkUsage(menu.get()));
    EXPECT_TRUE(Errors().empty());
    EXPECT_TRUE(UsageSet().GetForms().empty());

    m_page.AddPreLink(new LinkControl(menu.get(), 0, 0, LinkControl::Left));
    m_page.AddPreLink(new LinkControl(menu.get(), 0, 0, LinkControl::Right));
    m_page.AddPostLink(new LinkControl(menu.get(), 0, 0, LinkControl::Left));

    EXPECT_TRUE(m_page.CollectMenuLinkUsage(menu.get()));

    EXPECT_EQ(Errors(),
              std::vector<CString>{"Orders\n\tPresent as pre Link\tPresent as post Link"});
    EXPECT_TRUE(PageRecorded());
    EXPECT_EQ(4, ReleaseListed(m_page, {menu.get(), &other}));
}

TEST_F(PageUsageTest, MenuLinkedFromControlsAndAPageFile)
{
    auto menu = std::make_unique<Menu>();
    for (int i = 0; i < 2; ++i)
        AddControl(m_page, nullptr)
            ->GetFieldRepData()
            ->AddLinkControl(new LinkControl(menu.get(), 0, 0, LinkControl::Left));
    auto* file = new AspFile;
    file->AddLinkingItem(menu.get());
    m_page.AddAspFile(file);

    EXPECT_TRUE(m_page.CollectMenuLinkUsage(menu.get()));

    EXPECT_EQ(Errors(), std::vector<CString>{"Orders\n\tPresent as Link assigned to a field "
                                             "rep\tPresent as Link assigned to a field rep"});
    EXPECT_EQ(3, ReleaseListed(m_page, {menu.get()}));
    EXPECT_FALSE(file->IsLinkedFrom(menu.get()));
}

TEST_F(PageUsageTest, RemovingALeafMenuDropsTheMapsOfFilesThatOnlyShowItInTheirMenus)
{
    Menu top;
    auto leaf = std::make_unique<Menu>();
    auto* file = new AspFile;
    file->SetTopMenu(&top);
    file->AddTopMenuVariableMap(MenuVariableMap{leaf.get(), {}});
    file->AddTopMenuVariableMap(MenuVariableMap{&top, {}});
    m_page.AddAspFile(file);
    ASSERT_FALSE(file->IsLinkedFrom(leaf.get()));

    EXPECT_EQ(1, ReleaseListed(m_page, {leaf.get()}));

    ASSERT_EQ(1u, file->GetTopMenuVariableMaps().size());
    EXPECT_EQ(&top, file->GetTopMenuVariableMaps()[0].m_menu);
    file->SetTopMenu(nullptr);
}

TEST_F(PageUsageTest, VariableUsageListsPageFilesWhoseMenuMapsPassTheVariable)
{
    Module module("Sales");
    m_page.SetModule(&module);
    m_page.AddVariableForField(m_price);
    FieldVariableMap given = *m_page.GetFieldVariableMapAt(0);
    m_page.CreateAspFile(1, AspFile::transactionOwner);
    m_page.CreateAspFile(3, AspFile::transactionOwner);
    AspFile* file = m_page.GetAspFileAt(1);
    Variable unmapped;
    CString list;
    m_page.CollectVariableUsage(FieldVariableMap{m_price, &unmapped}, list);
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_TRUE(UsageSet().GetForms().empty());

    file->AddLeftMenuVariableMap(MenuVariableMap{nullptr, {{nullptr, given.variable}}});
    const CString url = file->GetRelativeUrl(FALSE, FALSE);
    ASSERT_FALSE(url.IsEmpty());
    m_page.CollectVariableUsage(given, list);

    EXPECT_EQ(list, url + "\n");
    EXPECT_TRUE(PageRecorded());
    m_page.SetModule(nullptr);
}

TEST_F(PageUsageTest, ProcedureVariableUsageNamesThePageOnce)
{
    Procedure procedure;
    Variable procedureVariable;
    Variable pageVariable;
    for (int i = 0; i < 2; ++i)
    {
        ProcedureInvokation* call = CallOfProcedure(&procedure);
        call->AddVariablePair(new VariablePair{&procedureVariable, &pageVariable});
        m_page.AddUniquenessProcedureTable(new UniquenessProcedureTable(&m_table, call));
    }
    Variable unmapped;

    EXPECT_EQ(PageUsersOf(m_page, {&procedureVariable}), std::vector<CString>{"Orders"});
    EXPECT_TRUE(PageUsersOf(m_page, {&unmapped}).empty());
}

class PageFunctionUsageTest : public PageUsageTest
{
protected:
    PageFunctionUsageTest()
    {
        m_function = new Function;
        m_dataClass.AddFunction(m_function);
        m_parameter = new Parameter;
        m_function->AddParameter(m_parameter);
        m_function->AddOutputField(new ProcedureFieldInfo(m_price, 0));
    }

    ClassInvokation* NewCall()
    {
        auto* call = new ClassInvokation;
        call->SetFunction(&m_dataClass, m_function);
        return call;
    }

    FieldRep* AddCallingControl()
    {
        FieldRep* rep = AddControl(m_page, nullptr);
        rep->GetFieldRepData()->SetDataCall(NewCall());
        return rep;
    }

    Class m_dataClass;
    Function* m_function;
    Parameter* m_parameter;
};

TEST_F(PageFunctionUsageTest, FunctionUsageNamesThePageOnceAndReleasingDropsFrontFields)
{
    Function other;
    AddCallingControl();
    FieldRep* rep = AddCallingControl();
    rep->GetFieldRepData()->SetFrontField(m_price);
    EXPECT_TRUE(PageUsersOf(m_page, {&other}).empty());

    EXPECT_EQ(PageUsersOf(m_page, {m_function}), std::vector<CString>{"Orders"});

    ReleaseListed(m_page, m_function->FreedWithIt());
    EXPECT_EQ(rep->GetFieldRepData()->GetDataCall(), nullptr);
    EXPECT_EQ(rep->GetFieldRepData()->GetFrontField(), nullptr);
}

TEST_F(PageFunctionUsageTest, FunctionFieldShownAsFrontFieldRecordsThePage)
{
    AddControl(m_page, nullptr)->GetFieldRepData()->SetFrontField(m_price);

    EXPECT_TRUE(m_page.IsFunctionFieldUsedAsFrontBack(m_function, &m_table));
    EXPECT_TRUE(PageRecorded());

    m_page.ClearFunctionFieldFrontBack(m_function, &m_table);
    EXPECT_FALSE(m_page.IsFrontOrBackFieldOfAnyControl(m_price));
    UsageSet().Clear();
    EXPECT_FALSE(m_page.IsFunctionFieldUsedAsFrontBack(m_function, &m_table));
    EXPECT_TRUE(UsageSet().GetForms().empty());
}

TEST_F(PageFunctionUsageTest, ParameterUsageNamesThePageAndReleasingDropsTheMaps)
{
    FieldRep* rep = AddCallingControl();
    EXPECT_TRUE(PageUsersOf(m_page, {m_parameter}).empty());

    rep->GetFieldRepData()->GetDataCall()->AddParameterMap(m_parameter, m_price);
    EXPECT_EQ(PageUsersOf(m_page, {m_parameter}), std::vector<CString>{"Orders"});

    ReleaseListed(m_page, {m_parameter});
    EXPECT_TRUE(rep->GetFieldRepData()->GetDataCall()->GetParameterMaps().empty());
    EXPECT_NE(rep->GetFieldRepData()->GetDataCall(), nullptr);
}

TEST_F(PageFunctionUsageTest, ReportGroupsAndDashBoardsCallingTheFunctionAreUsers)
{
    const auto newMappedCall = [this]
    {
        ClassInvokation* call = NewCall();
        call->AddParameterMap(m_parameter, m_price);
        return call;
    };
    ApplicationReport report;
    report.SetName("Sales");
    report.AddReportGroup(new ReportGroup(&report, newMappedCall()));
    // A group that a procedure feeds as well.
    Procedure procedure;
    auto* twoCalls = new ReportGroup(&report, newMappedCall());
    twoCalls->SetProcedureCall(CallOfProcedure(&procedure));
    report.AddReportGroup(twoCalls);
    report.SetClassCall(newMappedCall());
    DashBoard dashBoard;
    dashBoard.SetName("Board");
    dashBoard.SetClassInvokation(newMappedCall());

    EXPECT_EQ(PageUsersOf(report, {m_function}), std::vector<CString>{"Sales"});
    EXPECT_EQ(PageUsersOf(dashBoard, {m_function}), std::vector<CString>{"Board"});

    ReleaseListed(report, {m_parameter});
    EXPECT_TRUE(report.GetClassCall()->GetParameterMaps().empty());
    EXPECT_TRUE(report.GetReportGroups().front()->GetClassCall()->GetParameterMaps().empty());

    ReleaseListed(report, {m_function});
    ReleaseListed(dashBoard, {m_function});
    EXPECT_EQ(report.GetClassCall(), nullptr);
    EXPECT_EQ(dashBoard.GetClassInvokation(), nullptr);
    // The group the function alone fed goes with it; the other keeps its procedure call.
    ASSERT_EQ(report.GetReportGroups(), std::vector<ReportGroup*>{twoCalls});
    EXPECT_EQ(twoCalls->GetClassCall(), nullptr);
    ASSERT_NE(twoCalls->GetProcedureCall(), nullptr);
    EXPECT_EQ(twoCalls->GetProcedureCall()->GetProcedure(), &procedure);
    // It goes with the procedure, as it is left no other call.
    ReleaseListed(report, {&procedure});
    EXPECT_TRUE(report.GetReportGroups().empty());
}

} // namespace
