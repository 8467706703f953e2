#include "gen_classic/FormControlWriter.h"

#include "entities/ProcedureFieldInfo.h"
#include "model/EventRecmpFields.h"
#include "model/FieldVisibility.h"
#include "model/VisibilityData.h"

#include "tests/gen_classic/ClassicGolden.h"
#include "tests/gen_classic/ClassicPageFixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
// How the add page (the file written) shows the field "status".
enum class Tail
{
    None,
    ReadOnly,
    Invisible,
    ByVariable,
    ByProcedure
};

// The add page of a form with one control of the kind on the varchar field "status", with the
// settings that kind reads: a hard-coded or procedure-filled list, a link, a client event.
class ControlRowPage
{
public:
    ControlRowPage(int kind, Tail tail)
    {
        m_status = m_page.AddField("status", FieldTypeVarchar);
        m_page.MapVariable(m_status, "statusVar");
        m_control = m_page.AddControl(m_status, kind);
        FieldRepData& data = *m_control->GetFieldRepData();
        data.SetStoredValues("O,C\"");
        data.SetDisplayTexts("Open,Closed");
        data.SetSelectAllCaption(kind == FieldRepData::ComboBox);
        data.SetNoneCaption(kind == FieldRepData::ComboBox);
        if (kind == FieldRepData::EditableTextBox || kind == FieldRepData::EditableComboBox ||
            kind == FieldRepData::MultipleComboBox)
            FillFromProcedure(data);
        if (kind == FieldRepData::TextBox || kind == FieldRepData::Button)
            data.AddLinkControl(ClassicPageFixture::NewLink(
                "Edit", m_page.AddMenu("Edit", m_page.File(3)), LinkControl::Center));
        if (kind == FieldRepData::ComboBox || kind == FieldRepData::CheckBox ||
            kind == FieldRepData::RadioButton)
            AddEvent(data, kind == FieldRepData::RadioButton ? EventRecmpFields::OnClick
                                                             : EventRecmpFields::OnChange);
        SetTail(tail);
    }

    std::string Write()
    {
        FormControlWriter writer(m_page.File(1));
        TextFile out = Collector();
        writer.WriteControlRow(m_control, 4, "frmorders", out, 1);
        return out.GetBuffer().GetString();
    }

private:
    void FillFromProcedure(FieldRepData& data)
    {
        Field* key = m_page.Key();
        Variable* keyVariable = m_page.MapVariable(key, "ordersId");
        Procedure* procedure = m_page.AddProcedure("PRC_orders_list");
        auto* call = new ProcedureInvokation;
        call->SetProcedure(procedure);
        ClassicPageFixture::AddArgument(*procedure, *call, key, keyVariable);
        ClassicPageFixture::AddArgument(*procedure, *call, m_status,
                                        m_page.Page().FindVariableByName("statusVar"));
        data.SetDataProcedure(call);
        data.SetFrontField(key);
        data.SetBackField(m_status);
    }

    void AddEvent(FieldRepData& data, int eventKind)
    {
        auto* list = new EventRecmpFields;
        list->SetEventKind(eventKind);
        auto* call = new ProcedureInvokation;
        call->SetProcedure(m_page.AddProcedure("PRC_orders_recompute"));
        list->AddProcedureRecompute(m_control, call);
        data.AddEventRecmpFields(list);
    }

    void SetTail(Tail tail)
    {
        if (tail == Tail::None)
            return;
        auto* visibility = new FieldVisibility(m_status);
        m_page.File(1)->AddFieldVisibility(visibility);
        if (tail == Tail::ReadOnly || tail == Tail::Invisible)
        {
            visibility->SetVisibilityKind(tail == Tail::ReadOnly ? FieldVisibility::ReadOnly
                                                                 : FieldVisibility::Invisible);
            return;
        }
        auto* data = new VisibilityData;
        visibility->SetVisibilityData(data);
        if (tail == Tail::ByVariable)
        {
            Field* level = m_page.AddField("level", FieldTypeInt);
            data->SetVariable(m_page.MapVariable(level, "levelVar"));
        }
        else
        {
            auto* call = new ProcedureInvokation;
            call->SetProcedure(m_page.AddProcedure("PRC_orders_state"));
            data->SetDataProcedure(call);
            m_result = std::make_unique<ProcedureFieldInfo>(m_page.AddField("state", FieldTypeInt),
                                                            /*aggregate=*/6);
            data->SetResultField(m_result.get());
        }
        data->AddValue(new VisibilityValue{"1", FieldVisibility::ReadOnly, 0});
        data->AddValue(new VisibilityValue{"5", FieldVisibility::Editable, 5});
        data->AddValue(new VisibilityValue{"9", FieldVisibility::Invisible, 3});
    }

    ClassicPageFixture m_page;
    Field* m_status;
    FieldRep* m_control;
    std::unique_ptr<ProcedureFieldInfo> m_result;
};

// Every control kind under every way the add page shows its field, as one expected page
// whose server script balances.
TEST(ControlRowsTest, EveryKindUnderEveryVisibility)
{
    const std::pair<Tail, const char*> tails[] = {{Tail::None, "editable"},
                                                  {Tail::ReadOnly, "read-only"},
                                                  {Tail::Invisible, "invisible"},
                                                  {Tail::ByVariable, "by variable"},
                                                  {Tail::ByProcedure, "by procedure"}};
    std::string page;
    for (int kind = 0; kind < FieldRepData::ControlKindCount; ++kind)
    {
        for (const auto& [tail, name] : tails)
        {
            page += "<!-- " + std::string(FieldRep::GetControlTypeNameOf(kind).GetString()) + ", " +
                    name + " -->\n";
            page += ControlRowPage(kind, tail).Write();
        }
    }
    ExpectGolden("control_rows.asp", page);
    EXPECT_EQ("", Joined(ScriptProblems(page)));
}

// A condition without values leaves the control in its plain form, with no If to close.
TEST(ControlRowsTest, AConditionWithoutValuesWritesThePlainControl)
{
    ClassicPageFixture page;
    Field* name = page.AddField("name", FieldTypeVarchar, /*allowNull=*/true);
    page.MapVariable(name, "nameVar");
    FieldRep* control = page.AddControl(name, FieldRepData::Password);
    auto* visibility = new FieldVisibility(name);
    auto* data = new VisibilityData;
    data->SetVariable(page.MapVariable(page.AddField("level", FieldTypeInt), "levelVar"));
    visibility->SetVisibilityData(data);
    page.File(1)->AddFieldVisibility(visibility);
    TextFile out = Collector();
    FormControlWriter(page.File(1)).WriteControlRow(control, 4, "frmorders", out, 0);
    EXPECT_EQ(
        CString("\t\t<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "
                "\"25%\"> name caption </TD>\n"
                "\t\t<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = \"25%\">\n"
                "\t\t\t<INPUT class=pagetext2inside type = \"password\" name = \"txt_name\" "
                "size = \"40\" value = \"<%=Server.HTMLEncode(nameVar & \"\")%>\" maxlength = "
                "\"20\""
                "\t<INPUT type = \"password\" name = txt_name value = "
                "\"<%=Server.HTMLEncode(nameVar & \"\")%>\">\n"
                "\t\t\t</TD>\n"),
        out.GetBuffer());
}
} // namespace
