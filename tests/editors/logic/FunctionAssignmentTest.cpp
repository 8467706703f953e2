#include "editors/logic/FunctionAssignment.h"
#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/Function.h"
#include "entities/Parameter.h"
#include "entities/ReportGroup.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/editors/logic/EditorTestSupport.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace
{
using Assign = FunctionAssignment;

// The "orders" table's class has three record functions and the user functions "ByCity"
// (city, state) and "Recent" (days). The "customers" class has the record functions only. The page
// shows "Code", "City" and a button.
class FunctionAssignmentTest : public ::testing::Test
{
protected:
    FunctionAssignmentTest()
    {
        orders = AddClass("orders", {{"ByCity", {"city", "state"}}, {"Recent", {"days"}}});
        customers = AddClass("customers", {});
        form = NewForm("orders", orders->GetTable());
        open.Current().Append(form);
        for (const char* name : {"Code", "City", "Save"})
            AddControl(*form, name, std::string(name) == "Save" ? FieldRepData::Button : 0);
    }

    struct UserFunction
    {
        const char* name;
        std::vector<const char*> parameters;
    };
    Class* AddClass(const char* table, const std::vector<UserFunction>& functions)
    {
        Table* bound = NewTable(table, Table::masterKind, {"Code", "City"});
        open.Current().AppendMasterTable(bound);
        Class* created = open.Current().GetClassForTable(bound, true);
        std::vector<UserFunction> all{{"Insert", {"code"}}, {"Update", {"code"}}, {"Delete", {}}};
        all.insert(all.end(), functions.begin(), functions.end());
        for (const UserFunction& each : all)
        {
            auto* function = new Function;
            function->SetName(each.name);
            for (const char* name : each.parameters)
            {
                auto* parameter = new Parameter;
                parameter->SetName(name);
                function->AddParameter(parameter);
            }
            created->AddFunction(function);
        }
        return created;
    }
    FieldRep* AddControl(FormInterface& page, const char* fieldName, int kind)
    {
        Field* field = FieldOf(fieldName);
        if (field == nullptr)
            field = AddVarcharField(orders->GetTable(), fieldName);
        auto* control = new FieldRep(field);
        control->SetFieldRepData(new FieldRepData);
        control->GetFieldRepData()->SetControlKind(kind);
        page.AddFieldRep(control);
        return control;
    }
    Field* FieldOf(const char* name) const
    {
        for (Field* each : orders->GetTable()->GetFields())
            if (each->GetFieldName() == name)
                return each;
        return nullptr;
    }
    std::unique_ptr<Assign> Opened(ClassInvokation* invokation, bool allowChange = true)
    {
        auto dialog = std::make_unique<Assign>(open.project, *form, invokation, allowChange);
        dialog->Open();
        return dialog;
    }
    static std::vector<std::vector<std::string>> Cells(const std::vector<ListRow>& rows)
    {
        std::vector<std::vector<std::string>> cells;
        for (const ListRow& row : rows)
            cells.push_back({row.cells.begin(), row.cells.end()});
        return cells;
    }
    // Chooses the class and function by their combo positions.
    static void Choose(Assign& dialog, int classIndex, int functionIndex)
    {
        dialog.ChooseClass(classIndex);
        dialog.ChooseFunction(functionIndex);
    }
    static void MapRow(Assign& dialog, int field, int parameter)
    {
        dialog.SelectField(field);
        dialog.SelectParameter(parameter);
        dialog.Map();
    }
    int ClassIndex(const Class* wanted) const
    {
        const auto& classes = open.project.GetCurrentModule()->GetClasses();
        return static_cast<int>(std::find(classes.begin(), classes.end(), wanted) -
                                classes.begin());
    }

    OpenNewProject open;
    Class* orders;
    Class* customers;
    Form* form;
    ScriptedMessageBoxes boxes;
};

TEST_F(FunctionAssignmentTest, OpeningWithoutInvokationOffersUserFunctionsAndPageFields)
{
    auto dialog = Opened(nullptr);
    ClassInvokation* created = &dialog->GetInvokation();
    EXPECT_EQ(created->GetFunction(), nullptr);
    EXPECT_EQ(dialog->States().GetText(Assign::IDC_FUNCTION_NAME), "Function not assigned.");
    EXPECT_EQ(dialog->States().GetSelection(Assign::IDC_CLASS), -1);
    EXPECT_TRUE(dialog->States().GetItems(Assign::IDC_FUNCTION).empty());
    EXPECT_EQ(Cells(dialog->GetFieldRows()),
              (std::vector<std::vector<std::string>>{{"", "Code"}, {"", "City"}}));
    EXPECT_EQ(dialog->GetOfferedModule(), &open.Current());

    // Each class's combo entry offers its functions from the fourth on: none for three or less.
    const struct
    {
        const Class* chosen;
        std::vector<CString> functions;
    } classes[] = {{orders, {"ByCity", "Recent"}}, {customers, {}}};
    for (const auto& each : classes)
    {
        dialog->ChooseClass(ClassIndex(each.chosen));
        EXPECT_EQ(dialog->States().GetItems(Assign::IDC_FUNCTION), each.functions);
        EXPECT_TRUE(dialog->GetParameterRows().empty());
    }
    for (int id : {Assign::IDC_ASSIGN, Assign::IDC_MODULE, Assign::IDC_CLASS, Assign::IDC_FUNCTION})
        EXPECT_TRUE(dialog->States().IsEnabled(id)) << id;

    // The caller that keeps the made invocation takes it; otherwise the dialog frees it.
    std::unique_ptr<ClassInvokation> kept(dialog->TakeCreatedInvokation());
    EXPECT_EQ(kept.get(), created);
    EXPECT_EQ(dialog->TakeCreatedInvokation(), nullptr);
}

TEST_F(FunctionAssignmentTest, ReportOffersTheFiltersOfItsFirstGroup)
{
    auto* report = NewPage<ApplicationReport>("sales");
    report->SetTable(orders->GetTable());
    open.Current().Append(report);
    for (const char* filters : {"City", "Code"})
    {
        auto* group = new ReportGroup(report, nullptr);
        report->AddReportGroup(group);
        auto* filter = new FieldRep(FieldOf(filters));
        filter->SetFieldRepData(new FieldRepData);
        group->AddFilter(filter);
    }
    AddControl(*report, "Code", 0);
    Assign dialog(open.project, *report, nullptr, true);
    dialog.Open();
    EXPECT_EQ(Cells(dialog.GetFieldRows()), (std::vector<std::vector<std::string>>{{"", "City"}}));
}

TEST_F(FunctionAssignmentTest, MappingAndUnmappingFieldsToParameters)
{
    ClassInvokation invokation;
    auto dialog = Opened(&invokation);
    Choose(*dialog, ClassIndex(orders), 0);
    using Rows = std::vector<std::vector<std::string>>;
    EXPECT_EQ(Cells(dialog->GetParameterRows()),
              (Rows{{"city", "NOT_ASSIGNED"}, {"state", "NOT_ASSIGNED"}}));

    // Each step and the parameter rows after it; a second field replaces the first.
    const struct
    {
        int field, parameter;
        Rows rows;
        size_t maps;
    } steps[] = {
        {1, 0, {{"city", "City"}, {"state", "NOT_ASSIGNED"}}, 1},
        {0, 0, {{"city", "Code"}, {"state", "NOT_ASSIGNED"}}, 1},
        {1, 1, {{"city", "Code"}, {"state", "City"}}, 2},
        {-1, 0, {{"city", "Code"}, {"state", "City"}}, 2},
        {0, 5, {{"city", "Code"}, {"state", "City"}}, 2},
    };
    for (const auto& step : steps)
    {
        MapRow(*dialog, step.field, step.parameter);
        EXPECT_EQ(Cells(dialog->GetParameterRows()), step.rows) << step.field << step.parameter;
        EXPECT_EQ(invokation.GetParameterMaps().size(), step.maps);
    }

    // ">" asks first; only Yes removes the map.
    boxes.Answer(IDNO);
    boxes.Answer(IDYES);
    for (size_t maps : {2u, 1u})
    {
        dialog->SelectParameter(0);
        dialog->Unmap();
        EXPECT_EQ(invokation.GetParameterMaps().size(), maps);
    }
    EXPECT_EQ(Cells(dialog->GetParameterRows()),
              (Rows{{"city", "NOT_ASSIGNED"}, {"state", "City"}}));
    EXPECT_EQ(Texts(boxes),
              (std::vector<std::string>(2, "Do you really want to remove the mapping \"city\"?")));
}

TEST_F(FunctionAssignmentTest, AssignLocksTheChoiceAndAnotherFunctionDropsTheMaps)
{
    ClassInvokation invokation;
    invokation.SetFunction(orders, orders->GetFunctions()[3]);
    invokation.AddParameterMap(orders->GetFunctions()[3]->GetParameters()[0], FieldOf("City"));
    auto dialog = Opened(&invokation);
    EXPECT_EQ(dialog->States().GetSelection(Assign::IDC_CLASS), ClassIndex(orders));
    EXPECT_EQ(dialog->States().GetSelection(Assign::IDC_FUNCTION), 0);
    EXPECT_EQ(dialog->States().GetText(Assign::IDC_FUNCTION_NAME),
              orders->GetFieldName() + ".ByCity");
    for (int id : {Assign::IDC_ASSIGN, Assign::IDC_MODULE, Assign::IDC_CLASS, Assign::IDC_FUNCTION})
        EXPECT_FALSE(dialog->States().IsEnabled(id)) << id;

    ClassInvokation fresh;
    dialog = Opened(&fresh);
    Choose(*dialog, ClassIndex(orders), 1);
    dialog->Assign();
    MapRow(*dialog, 0, 0);
    EXPECT_EQ(fresh.GetFunction()->GetFieldName(), "Recent");
    EXPECT_EQ(fresh.GetParameterMaps().size(), 1u);
    EXPECT_EQ(dialog->States().GetText(Assign::IDC_FUNCTION_NAME),
              orders->GetFieldName() + ".Recent");
    for (int id : {Assign::IDC_ASSIGN, Assign::IDC_MODULE, Assign::IDC_CLASS, Assign::IDC_FUNCTION})
        EXPECT_FALSE(dialog->States().IsEnabled(id)) << id;

    // The same call on another function drops the maps.
    dialog->ChooseFunction(0);
    dialog->Assign();
    EXPECT_EQ(fresh.GetFunction()->GetFieldName(), "ByCity");
    EXPECT_TRUE(fresh.GetParameterMaps().empty());
}

// Only "Assign", "<" and a ">" that removed a map change the invocation: what leaving the dialog
// without OK must keep. Choosing in the combos and a refused or empty ">" change nothing.
TEST_F(FunctionAssignmentTest, AssignAndTheMapButtonsMakeTheChangesLeavingKeeps)
{
    const struct
    {
        bool assign;
        int mappedField;
        bool changed;
    } fresh[] = {{false, -1, false}, {true, -1, true}, {false, 0, true}};
    for (const auto& each : fresh)
    {
        auto dialog = Opened(nullptr);
        Choose(*dialog, ClassIndex(orders), 0);
        if (each.assign)
            dialog->Assign();
        MapRow(*dialog, each.mappedField, 0);
        EXPECT_EQ(dialog->HasChanges(), each.changed) << each.assign << each.mappedField;
    }
    // ">" on the mapped "city" answered No, on the unmapped "state" answered Yes, then on "city"
    // answered Yes.
    ClassInvokation mapped;
    mapped.SetFunction(orders, orders->GetFunctions()[3]);
    mapped.AddParameterMap(orders->GetFunctions()[3]->GetParameters()[0], FieldOf("City"));
    auto dialog = Opened(&mapped);
    for (const auto& [parameter, answer, changed] :
         {std::tuple{0, IDNO, false}, std::tuple{1, IDYES, false}, std::tuple{0, IDYES, true}})
    {
        boxes.Answer(answer);
        dialog->SelectParameter(parameter);
        dialog->Unmap();
        EXPECT_EQ(dialog->HasChanges(), changed) << parameter << answer;
    }
}

TEST_F(FunctionAssignmentTest, WithoutChangeTheClassAndFunctionCombosStayDisabled)
{
    ClassInvokation invokation;
    auto dialog = Opened(&invokation, false);
    EXPECT_TRUE(dialog->States().IsEnabled(Assign::IDC_ASSIGN));
    EXPECT_FALSE(dialog->States().IsEnabled(Assign::IDC_CLASS));
    EXPECT_FALSE(dialog->States().IsEnabled(Assign::IDC_FUNCTION));
    EXPECT_EQ(dialog->TakeCreatedInvokation(), nullptr);
}
} // namespace
