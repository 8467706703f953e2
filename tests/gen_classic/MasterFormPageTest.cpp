#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/Form.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "gen_classic/MasterFormPageWriter.h"
#include "model/FieldVisibility.h"
#include "model/VisibilityData.h"
#include "tests/gen_classic/ClassicGolden.h"
#include "tests/gen_classic/ClassicPageFixture.h"
#include "tests/gen_web/GenWebProject.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace
{
// The master form "orders" with a text, a number, a customer combo that may be empty, a date
// that may be empty and a hidden code; the add page looks the price up from the customer and
// the name through PRC_price.
class MasterForm
{
public:
    MasterForm()
    {
        m_form.MapVariable(m_form.Key());
        Field* name = Add("name", FieldTypeVarchar, FieldRepData::TextBox);
        Add("qty", FieldTypeInt, FieldRepData::TextBox);
        Field* customer = Add("customer_id", FieldTypeInt, FieldRepData::ComboBox, true, true);
        Add("placed", FieldTypeDateTime, FieldRepData::DateControl, true);
        Add("code", FieldTypeVarchar, FieldRepData::Hidden);
        Field* price = Add("price", FieldTypeMoney, FieldRepData::TextBox, true);
        m_form.Page().SetHeader("Orders");

        Procedure* lookup = m_form.AddProcedure("PRC_price");
        auto* call = new ProcedureInvokation;
        call->SetProcedure(lookup);
        for (Field* parameter : {customer, name})
        {
            auto* own = new Variable;
            own->SetName("PRC_" + parameter->GetFieldName());
            lookup->AddFieldParameterPair(parameter, own);
        }
        auto* data = new VisibilityData;
        data->SetDataProcedure(call);
        m_result = std::make_unique<ProcedureFieldInfo>(price, 6);
        data->SetResultField(m_result.get());
        auto* visibility = new FieldVisibility(price);
        visibility->SetVisibilityData(data);
        m_form.File(1)->AddFieldVisibility(visibility);
    }

    // Links the report and adds the report variant's page files.
    void LinkReport()
    {
        m_report.SetName("Order List");
        m_form.Page().SetReport(&m_report);
        for (int kind = 5; kind <= 8; ++kind)
            m_form.AddFile(kind);
    }

    void Write()
    {
        MasterFormPageWriter(&m_project.Project(), m_form.Page(), m_project.Report()).Write();
    }

    std::string Read(const std::string& name) const
    {
        std::string text = ReadHostFile(m_project.Root() / "BaseModule" / name);
        std::erase(text, '\r');
        return text;
    }

    GenWebProject m_project;
    ClassicPageFixture m_form;

private:
    Field* Add(const char* name, int type, int kind, bool allowNull = false,
               bool foreignKey = false)
    {
        Field* field = m_form.AddField(name, type, allowNull, foreignKey);
        m_form.MapVariable(field);
        m_form.AddControl(field, kind);
        return field;
    }

    ApplicationReport m_report;
    std::unique_ptr<ProcedureFieldInfo> m_result;
};

TEST(MasterFormPageTest, PlainPagesMatchTheExpectedFiles)
{
    MasterForm form;
    form.Write();
    EXPECT_TRUE(form.m_project.Report().IsEmpty()) << form.m_project.Report().GetText().str();
    for (const char* name :
         {"orders_add.asp", "orders_add_action.asp", "orders_upd.asp", "orders_upd_action.asp"})
        ExpectGolden(std::string("master/") + name, form.Read(name));
}

// With a linked report every page file is written, the report variant with the list section,
// and every page passes the page check and node.
TEST(MasterFormPageTest, ReportVariantPagesPassTheChecks)
{
    MasterForm form;
    form.LinkReport();
    form.Write();
    EXPECT_TRUE(form.m_project.Report().IsEmpty()) << form.m_project.Report().GetText().str();
    ExpectGolden("master/orders_addReport.asp", form.Read("orders_addReport.asp"));
    ExpectGolden("master/orders_updReport_action.asp", form.Read("orders_updReport_action.asp"));
    std::filesystem::copy(ClassicData("_system"), form.m_project.Root() / "_system",
                          std::filesystem::copy_options::recursive);
    for (const char* name :
         {"orders_add.asp", "orders_add_action.asp", "orders_upd.asp", "orders_upd_action.asp",
          "orders_addReport.asp", "orders_addReport_action.asp", "orders_updReport.asp",
          "orders_updReport_action.asp"})
    {
        EXPECT_EQ("", Joined(CheckPageFile(form.m_project.Root() / "BaseModule" / name))) << name;
        ExpectNodeAccepts(PageScripts(form.Read(name)), form.m_project.Root());
    }
}
} // namespace
