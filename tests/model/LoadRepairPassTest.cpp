#include "entities/Form.h"
#include "entities/MapForm.h"
#include "entities/Procedure.h"
#include "entities/Transaction.h"
#include "model/Field.h"
#include "model/FieldFilter.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/ProjectSettings.h"
#include "model/ProjectStore.h"
#include "model/Table.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/model/ModelBuilders.h"
#include "tests/model/ProjectRecordBytes.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
// A project as an older version left it: a map form not named after its mapping table, a
// detail select procedure without the filter on its link field and a form control that a
// table sync added and nobody confirmed.
std::unique_ptr<ForgeonProject> NewOutdatedProject()
{
    auto project = std::make_unique<ForgeonProject>();
    auto* settings = new ProjectSettings;
    settings->SetProjectName("Shop");
    project->SetProjectSettings(settings);
    Module* base = NewModule("BaseModule", 1);
    project->AddModule(base);
    project->SetCurrentModule(base);

    Table* customer = NewTable("customer", Table::masterKind, {"name", "region"});
    base->AppendMasterTable(customer);
    Form* form = NewForm("Customers", customer);
    for (const char* name : {"name", "region"})
    {
        auto* control = new FieldRep(customer->FindFieldByName(name));
        control->AttachFieldRepData(new FieldRepData);
        form->AddFieldRep(control);
    }
    form->GetFieldReps().back()->GetFieldRepData()->SetAddedBySync(true);
    base->Append(form);

    Table* links = NewTable("customer_product", Table::mapKind, {"note"});
    base->AppendMapTable(links);
    auto* mapForm = NewPage<MapForm>("Links");
    mapForm->SetMappingTable(links);
    base->Append(mapForm);

    Table* basic = NewTable("orders_basic", Table::masterDetailKind);
    Table* detail = NewTable("orders_detail", Table::masterDetailKind);
    AddVarcharField(detail, "order_ref", basic->GetPrimaryKeyField());
    base->AppendTransactionTable(basic);
    base->AppendTransactionTable(detail);
    auto* orders = NewPage<Transaction>("Orders");
    orders->SetBasicTable(basic);
    orders->AddDetailTable(detail);
    base->Append(orders);
    auto* selectAll = new Procedure;
    selectAll->SetKind(Procedure::standardKind);
    selectAll->SetMainTable(detail);
    selectAll->SetName("PRC_orders_detail_SelectAll");
    base->Append(selectAll);
    return project;
}

class LoadRepairPassTest : public ::testing::Test
{
protected:
    CString PathOf(const char* name) const { return m_folder.ModelPath(name); }

    TempFolder m_folder;
    ScriptedMessageBoxes m_boxes;
    DiagnosticsSnapshot m_diagnostics;
    ScopedArchiveVersion m_version{CurrentVersion()};
    ProjectStore m_store;
};

// The repairs, which a second read finds done and leaves as they are.
void ExpectRepaired(const Module& base)
{
    ASSERT_EQ(1u, base.GetMapForms().size());
    EXPECT_EQ(CString("customer_product_form"), base.GetMapForms().front()->GetFormName());
    const Procedure* selectAll = base.FindProcedureByName("PRC_orders_detail_SelectAll");
    ASSERT_NE(nullptr, selectAll);
    ASSERT_EQ(1u, selectAll->GetFilters().size());
    EXPECT_EQ(CString("order_ref"), selectAll->GetFilters().front()->GetField()->GetFieldName());
    const Form* form = base.FindMasterFormByName("Customers");
    ASSERT_NE(nullptr, form);
    ASSERT_EQ(1u, form->GetFieldReps().size());
    EXPECT_EQ(CString("name"), form->GetFieldReps().front()->GetField()->GetFieldName());
}
} // namespace

TEST_F(LoadRepairPassTest, ReadingAnOutdatedProjectRepairsItOnceForAll)
{
    const std::unique_ptr<ForgeonProject> outdated = NewOutdatedProject();
    ASSERT_TRUE(m_store.ArchiveProject(outdated.get(), PathOf("old.wvt"), FALSE));
    ASSERT_TRUE(m_store.ArchiveProject(nullptr, PathOf("old.wvt"), TRUE));
    ExpectRepaired(*m_store.GetProject()->GetBaseModule());

    ASSERT_TRUE(m_store.ArchiveProject(m_store.GetProject(), PathOf("repaired.wvt"), FALSE));
    ASSERT_TRUE(m_store.ArchiveProject(nullptr, PathOf("repaired.wvt"), TRUE));
    ExpectRepaired(*m_store.GetProject()->GetBaseModule());
    EXPECT_TRUE(m_boxes.Shown().empty());
}
