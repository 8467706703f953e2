#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/Form.h"
#include "entities/MapForm.h"
#include "entities/Variable.h"
#include "gen_classic/MapFormPageWriter.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/Table.h"
#include "tests/gen_classic/ClassicGolden.h"
#include "tests/gen_classic/ClassicPageFixture.h"
#include "tests/gen_web/GenWebProject.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace
{
// The map form "items" over the table items (key items_id): the order it belongs to and the
// product on top, the quantity and the delivery time (hours and minutes) below, and a top input
// box "Region"; optionally the master form of orders as its bottom part.
class MapPage
{
public:
    MapPage()
    {
        m_orders->SetTableName("orders");
        m_orders->EnsureDefaultFields();
        Field* customer = AddField(*m_orders, "customer", FieldTypeVarchar, false);
        m_master->SetName("orders");
        m_master->SetTable(m_orders.get());
        m_master->SetModule(&m_project.Base());
        Map(*m_master, m_orders->GetPrimaryKeyField(), -1);
        Map(*m_master, customer, FieldRepData::TextBox);

        m_items->SetTableName("items");
        m_items->EnsureDefaultFields();
        Field* order = AddField(*m_items, "orders_id", FieldTypeInt, false);
        order->SetForeignKey(true);
        order->SetForeignField(m_orders->GetPrimaryKeyField());
        Field* product = AddField(*m_items, "product", FieldTypeVarchar, false);
        Field* qty = AddField(*m_items, "qty", FieldTypeInt, true);
        Field* delivered = AddField(*m_items, "delivered", FieldTypeDateTime, true);
        m_form->SetName("items");
        m_form->SetHeader("Order Items");
        m_form->SetMappingTable(m_items.get());
        m_form->SetModule(&m_project.Base());
        Map(*m_form, m_items->GetPrimaryKeyField(), -1);
        Map(*m_form, order, FieldRepData::ComboBox);
        Map(*m_form, product, FieldRepData::TextBox);
        Map(*m_form, qty, FieldRepData::TextBox);
        Map(*m_form, delivered, FieldRepData::DateTime);
        m_form->AddTopField(order);
        m_form->AddTopField(product);
        m_form->AddBottomField(qty);
        m_form->AddBottomField(delivered);
        FieldRep* region = ClassicPageFixture::NewControl(nullptr, FieldRepData::TextBox);
        region->GetFieldRepData()->SetCaption("Region");
        m_form->AddTopInputFieldRep(region);
        m_form->CreateFieldsForInputControls();
        for (int kind : {5, 6})
        {
            auto* file = new AspFile;
            file->SetOwnerKind(AspFile::mapFormOwner);
            file->SetFileKind(kind);
            file->SetOwnerPage(m_form);
            m_form->AddAspFile(file);
        }
    }
    ~MapPage() { delete m_form; }

    // The page shares the master form's maps, as the map form editor leaves them.
    void WithBottomMaster()
    {
        m_form->SetBottomMasterForm(m_master.get());
        m_form->AddFieldVariableMap(m_master->GetFieldVariableMapAt(1));
    }
    MapForm& Form() { return *m_form; }

    void Write() { MapFormPageWriter(&m_project.Project(), *m_form, m_project.Report()).Write(); }
    std::string Read(const std::string& name) const
    {
        std::string text = ReadHostFile(m_project.Root() / "BaseModule" / name);
        std::erase(text, '\r');
        return text;
    }

    GenWebProject m_project;

private:
    static Field* AddField(Table& table, const char* name, int type, bool allowNull)
    {
        auto* field = new Field;
        field->Set(name, CString(name) + " caption", type, 50, 0, nullptr, "", false, false,
                   allowNull, false, false);
        field->SetTable(&table);
        table.AddField(field);
        return field;
    }
    // A page variable for the field and, for a kind other than -1, its control.
    static void Map(FormInterface& page, Field* field, int kind)
    {
        auto* variable = new Variable;
        variable->SetName(field->GetFieldName());
        page.AddFieldVariableMap(new FieldVariableMap{field, variable});
        if (kind >= 0)
            page.AddFieldRep(ClassicPageFixture::NewControl(field, kind));
    }

    std::unique_ptr<Table> m_orders = std::make_unique<Table>();
    std::unique_ptr<Table> m_items = std::make_unique<Table>();
    std::unique_ptr<::Form> m_master = std::make_unique<::Form>();
    MapForm* m_form = new MapForm;
};

TEST(MapFormPageTest, MapPageAndActionPageWithAndWithoutBottomMasterForm)
{
    for (const bool bottom : {false, true})
    {
        MapPage page;
        if (bottom)
            page.WithBottomMaster();
        page.Write();
        EXPECT_TRUE(page.m_project.Report().IsEmpty()) << page.m_project.Report().GetText().str();
        const std::string folder = bottom ? "map/bottom_" : "map/";
        ExpectGolden(folder + "items_addReport.asp", page.Read("items_addReport.asp"));
        ExpectGolden(folder + "items_addReport_action.asp",
                     page.Read("items_addReport_action.asp"));
        std::filesystem::copy(ClassicData("_system"), page.m_project.Root() / "_system",
                              std::filesystem::copy_options::recursive);
        for (const char* name : {"items_addReport.asp", "items_addReport_action.asp"})
        {
            EXPECT_EQ("", Joined(CheckPageFile(page.m_project.Root() / "BaseModule" / name)))
                << name;
            ExpectNodeAccepts(PageScripts(page.Read(name)), page.m_project.Root());
        }
    }
}
} // namespace
