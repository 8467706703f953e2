#include "entities/BooleanTreeNode.h"
#include "entities/MapForm.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/FieldFilter.h"
#include "model/Table.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace
{
using NameStrings = std::vector<std::string>;

// Orders has the fields Orders_id (key), Is_Deleted, CustomerId, Status and Region.
class ProcedureNamingTest : public ::testing::Test
{
protected:
    // The fields of the procedure's filters, each with a leaf root of its own.
    static NameStrings FilteredFields(const Procedure& procedure)
    {
        NameStrings names;
        for (std::size_t i = 0; i < procedure.GetFilters().size(); ++i)
        {
            const FieldFilter* filter = procedure.GetFilters()[i];
            EXPECT_EQ(filter, procedure.GetFilterTreeRootAt(static_cast<int>(i))->GetFilter());
            names.emplace_back(filter->GetField()->GetFieldName().GetString());
        }
        return names;
    }

    // A new select-all procedure deriving over the fields; per derived procedure, its name after
    // the base's name, then the fields of its parameters.
    std::vector<NameStrings> Derive(std::initializer_list<const char*> fieldNames)
    {
        base.reset(new Procedure(orders.get(), true));
        for (const char* name : fieldNames)
        {
            base->AddFieldFilter(orders->FindFieldByName(name));
            base->AddVariationVariable(base->GetFilters().back()->GetVariable());
        }
        base->AddFilterTreeLeaves();
        base->CreateDerivedProcedures();
        std::vector<NameStrings> result;
        for (const Procedure* derived : base->GetDerivedProcedures())
        {
            EXPECT_EQ(Procedure::derivedKind, derived->GetKind());
            EXPECT_FALSE(derived->IsSelectAllProcedure());
            NameStrings entry{derived->GetName().Mid(base->GetName().GetLength()).GetString()};
            for (const FieldVariableMap& parameter : derived->GetFieldParameters())
                entry.emplace_back(parameter.field->GetFieldName().GetString());
            result.push_back(entry);
        }
        return result;
    }

    std::unique_ptr<Table> orders{
        NewTable("Orders", Table::masterKind, {"CustomerId", "Status", "Region"})};
    Field* status = orders->FindFieldByName("Status");
    std::unique_ptr<Procedure> base;
};

TEST_F(ProcedureNamingTest, StandardProceduresOfATable)
{
    const Procedure all(orders.get(), true);
    EXPECT_EQ(CString("PRC_Orders_SelectAll"), all.GetName());
    EXPECT_EQ(Procedure::standardKind, all.GetKind());
    ASSERT_EQ(5u, all.GetOutputColumns().size());
    EXPECT_EQ(orders->GetFieldAt(4), all.GetOutputFieldAt(4));
    EXPECT_EQ(ProcedureFieldInfo::noAggregate, all.GetOutputColumnAt(4)->GetAggregate());
    EXPECT_EQ(NameStrings{}, FilteredFields(all));
    const Procedure record(orders.get(), false);
    EXPECT_EQ(CString("PRC_Orders_SelectRecord"), record.GetName());
    EXPECT_EQ(NameStrings{"Orders_id"}, FilteredFields(record));
    EXPECT_EQ(CString("PRC_Orders_id_Var"), record.GetFieldParameterVariableAt(0)->GetFieldName());
    EXPECT_EQ(Variable::parameterKind, record.GetFieldParameterVariableAt(0)->GetKind());
    Procedure lastRecord;
    lastRecord.InitSelectLastRecord(orders.get());
    EXPECT_EQ(CString("PRC_Orders_SelectLastRecord"), lastRecord.GetName());
    EXPECT_EQ(5u, lastRecord.GetOutputColumns().size());
    MapForm mapForm;
    mapForm.SetMappingTable(orders.get());
    mapForm.AddTopField(status);
    mapForm.AddBottomField(orders->FindFieldByName("CustomerId"));
    Procedure forMapForm;
    forMapForm.SetRowStatusFilter(Procedure::allRows);
    forMapForm.InitSelectRecordForMapForm(&mapForm);
    EXPECT_EQ(CString("PRC_Orders_SelectRecordTB"), forMapForm.GetName());
    EXPECT_EQ((NameStrings{"Status", "CustomerId"}), FilteredFields(forMapForm));
    EXPECT_EQ(Procedure::liveRowsOnly, forMapForm.GetRowStatusFilter());
}

TEST_F(ProcedureNamingTest,
       SyncAddsMissingColumnsAndRenamesAndParameterVariablesTakeThePartAfterTheFirstDot)
{
    Field foreign;
    Procedure procedure;
    procedure.SetName("PRC_Old_Select_ByStatus");
    procedure.SetMainTable(orders.get());
    procedure.AddOutputField(status);
    procedure.AddFieldParameterPair(status, new Variable);
    procedure.AddFieldParameterPair(&foreign, new Variable);
    procedure.SyncWithMainTable();
    EXPECT_EQ(CString("PRC_Orders_ByStatus"), procedure.GetName());
    ASSERT_EQ(5u, procedure.GetOutputColumns().size());
    EXPECT_EQ(orders->GetFieldAt(0), procedure.GetOutputFieldAt(1));
    EXPECT_EQ(CString("PRC_Status_Var"), procedure.GetFieldParameterVariableAt(0)->GetFieldName());
    EXPECT_EQ(CString(), procedure.GetFieldParameterVariableAt(1)->GetFieldName());
    procedure.SetName("Custom");
    procedure.RenameForMainTable();
    EXPECT_EQ(CString("PRC_OrdersCustom"), procedure.GetName());

    Field qualified;
    qualified.SetFieldName("o.Amount.Total");
    Field leadingDot;
    leadingDot.SetFieldName(".Amount");
    procedure.AddFieldParameter(&qualified);
    procedure.AddFieldParameter(&leadingDot);
    EXPECT_EQ(CString("PRC_Amount.Total_Var"),
              procedure.GetFieldParameterVariableAt(2)->GetFieldName());
    EXPECT_EQ(CString("PRC_.Amount_Var"), procedure.GetFieldParameterVariableAt(3)->GetFieldName());
}

TEST_F(ProcedureNamingTest, MiddlePartAndKindTestsOfCustomNames)
{
    Procedure procedure;
    procedure.SetKind(Procedure::standardKind);
    procedure.SetName("PRC_Orders_SelectAll");
    CString middle = "untouched";
    procedure.GetNameMiddlePart(middle);
    EXPECT_EQ(CString("untouched"), middle);
    EXPECT_FALSE(procedure.IsSelectAllProcedure()); // no main table
    procedure.SetCustomNameFlag(true);
    procedure.GetNameMiddlePart(middle);
    EXPECT_EQ(CString("Orders"), middle);
    EXPECT_TRUE(procedure.IsSelectAllProcedure());
    procedure.SetName("PRC_Orders");
    procedure.GetNameMiddlePart(middle);
    EXPECT_EQ(CString(), middle);
    procedure.SetName("Any_selectall");
    EXPECT_TRUE(procedure.IsSelectAllProcedure());
    procedure.SetName("Any_SelectRecordTB");
    EXPECT_FALSE(procedure.IsSelectRecordProcedure());
}

TEST_F(ProcedureNamingTest, KindTestsOfStandardNamesAreExact)
{
    Procedure procedure;
    procedure.SetMainTable(orders.get());
    procedure.SetKind(Procedure::standardKind);
    const std::pair<const char*, bool (Procedure::*)() const> tests[] = {
        {"PRC_Orders_Insert", &Procedure::IsInsertProcedure},
        {"PRC_Orders_Update", &Procedure::IsUpdateProcedure},
        {"PRC_Orders_Delete", &Procedure::IsDeleteProcedure},
        {"PRC_Orders_SelectAll", &Procedure::IsSelectAllProcedure},
        {"PRC_Orders_SelectRecord", &Procedure::IsSelectRecordProcedure}};
    for (const auto& [name, test] : tests)
    {
        procedure.SetName(name);
        for (const auto& [otherName, otherTest] : tests)
            EXPECT_EQ(name == otherName, (procedure.*otherTest)()) << name << " " << otherName;
    }
    procedure.SetName("PRC_orders_Delete");
    EXPECT_FALSE(procedure.IsDeleteProcedure());
    procedure.SetName("PRC_Orders_Delete");
    procedure.SetKind(Procedure::customKind);
    EXPECT_FALSE(procedure.IsDeleteProcedure());
}

TEST_F(ProcedureNamingTest, DerivedProceduresCountInBinaryFirstVariableMostSignificant)
{
    EXPECT_EQ(std::vector<NameStrings>{}, Derive({}));
    EXPECT_EQ((std::vector<NameStrings>{{"_All"}, {"_Status", "Status"}}), Derive({"Status"}));
    EXPECT_EQ((std::vector<NameStrings>{{"_All_All"},
                                        {"_All_Status", "Status"},
                                        {"_CustomerId_All", "CustomerId"},
                                        {"_CustomerId_Status", "CustomerId", "Status"}}),
              Derive({"CustomerId", "Status"}));
    EXPECT_EQ(
        (std::vector<NameStrings>{{"_All_All_All"},
                                  {"_All_All_Region", "Region"},
                                  {"_All_Status_All", "Status"},
                                  {"_All_Status_Region", "Status", "Region"},
                                  {"_CustomerId_All_All", "CustomerId"},
                                  {"_CustomerId_All_Region", "CustomerId", "Region"},
                                  {"_CustomerId_Status_All", "CustomerId", "Status"},
                                  {"_CustomerId_Status_Region", "CustomerId", "Status", "Region"}}),
        Derive({"CustomerId", "Status", "Region"}));
    EXPECT_EQ(CString("PRC_Orders_SelectAll_All_All_All"), base->GetSubProcedureAt(0)->GetName());
}

TEST_F(ProcedureNamingTest, DerivedProceduresShareTheBasesObjects)
{
    Derive({"CustomerId", "Status"});
    const Procedure* both = base->GetSubProcedureAt(3);
    EXPECT_EQ(orders.get(), both->GetMainTable());
    EXPECT_EQ(base->GetOutputColumns(), both->GetOutputColumns());
    EXPECT_EQ(base->GetFilters(), both->GetFilters());
    EXPECT_EQ(base->GetFilterTrees(), both->GetFilterTrees());
    EXPECT_EQ(base->GetFieldParameterVariableAt(1), both->GetFieldParameterVariableAt(1));
    // A combined tree is taken once per parameter whose filter it holds.
    auto* combined = new BooleanTreeNode;
    combined->SetOperator(1);
    combined->SetLeft(base->GetFilterTreeRootAt(0));
    combined->SetRight(base->GetFilterTreeRootAt(1));
    base->RemoveFilterTreeRoot(combined->GetLeft());
    base->RemoveFilterTreeRoot(combined->GetRight());
    base->AddFilterTreeRoot(combined);
    base->DeleteDerivedProcedures();
    base->CreateDerivedProcedures();
    EXPECT_EQ((std::vector<BooleanTreeNode*>{combined, combined}),
              base->GetSubProcedureAt(3)->GetFilterTrees());
}

} // namespace
