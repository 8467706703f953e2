#include "gen_classic/FormControlWriter.h"

#include "model/FieldVisibility.h"

#include "tests/gen_classic/ClassicGolden.h"
#include "tests/gen_classic/ClassicPageFixture.h"

#include <gtest/gtest.h>

namespace
{
TEST(FieldGridTest, RowsHoldTheControlsAndFillerCellsCompleteTheLastRow)
{
    struct Case
    {
        int controls;
        int columns;
        // The control whose field the add page hides, -1 for none; the one placed elsewhere.
        int invisible;
        int ownPlace;
        int rows;
        int fillerPairs;
        int labels;
    };
    const Case cases[] = {
        {7, 2, -1, -1, 4, 1, 7}, // the last row: one control, one pair of filler cells
        {6, 3, -1, -1, 2, 0, 6},
        {7, 2, 2, -1, 4, 1, 6},  // an invisible control keeps its place, its row is a pair short
        {5, 2, -1, 0, 2, 0, 4},  // one placed elsewhere: three rows counted, the third empty
        {3, 0, -1, -1, 3, 0, 3}, // no columns: one a row
        {0, 2, -1, -1, 0, 0, 0},
    };
    for (const Case& c : cases)
    {
        ClassicPageFixture page;
        std::vector<FieldRep*> controls;
        for (int i = 0; i < c.controls; ++i)
        {
            Field* field = page.AddField(("f" + std::to_string(i)).c_str(), FieldTypeVarchar);
            controls.push_back(page.AddControl(field, FieldRepData::Password));
            if (i == c.invisible)
            {
                auto* visibility = new FieldVisibility(field);
                visibility->SetVisibilityKind(FieldVisibility::Invisible);
                page.File(1)->AddFieldVisibility(visibility);
            }
            if (i == c.ownPlace)
                controls.back()->GetFieldRepData()->SetAddedBySync(true);
        }
        controls.insert(controls.begin() + controls.size() / 2, nullptr);
        FormControlWriter writer(page.File(2));
        TextFile out = Collector();
        writer.WriteFieldGrid(controls, c.columns, "frmorders", out, 0);
        const std::string text = out.GetBuffer().GetString();
        const std::string label = std::to_string(c.controls) + " in " + std::to_string(c.columns);
        EXPECT_EQ(c.rows, Count(text, "\t<TR>\n")) << label;
        EXPECT_EQ(c.rows, Count(text, "\t</TR>\n")) << label;
        EXPECT_EQ(c.fillerPairs, Count(text, "> &nbsp </TD>")) << label;
        EXPECT_EQ(c.fillerPairs, Count(text, "width = \"25%\"></TD>")) << label;
        EXPECT_EQ(c.labels, Count(text, "type = \"password\"")) << label;
    }
}

TEST(FieldGridTest, TheLastRowOfSevenControlsInTwoColumns)
{
    ClassicPageFixture page;
    std::vector<FieldRep*> controls;
    for (const char* name : {"a", "b", "c", "d", "e", "f", "g"})
        controls.push_back(page.AddControl(
            page.AddField(name, FieldTypeVarchar, /*allowNull=*/true), FieldRepData::Hidden));
    TextFile out = Collector();
    FormControlWriter(page.File(1)).WriteFieldGrid(controls, 2, "frmorders", out, 1);
    const std::string text = out.GetBuffer().GetString();
    const std::string lastRow =
        "\t\t<TR>\n"
        "\t\t\t<TD  align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "
        "\"25%\"></TD>\n"
        "\t\t\t<TD  align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "
        "\"25%\"></TD>\n"
        "\n"
        "\t\t\t<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "
        "\"25%\"></TD>\n"
        "\t\t\t<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = \"25%\"> &nbsp </TD>\n"
        "\t\t</TR>\n";
    ASSERT_GE(text.size(), lastRow.size());
    EXPECT_EQ(lastRow, text.substr(text.size() - lastRow.size()));
}

TEST(FieldGridTest, ListQueriesQuoteTextValuesThroughTheQuoteDoubling)
{
    struct Case
    {
        std::vector<int> argumentTypes;
        bool withProcedure;
        const char* expected;
    };
    const Case cases[] = {
        {{FieldTypeVarchar},
         true,
         "\tstrList = \"PRC_orders_pick \" & \"'\" & SingleQuoteToDouble(v0) & \"'\"\n"},
        {{FieldTypeInt},
         true,
         "\tif v0 <> \"\" and not (isNumeric(v0) and InStr(v0, \",\") = 0) then v0 = \"NULL\"\n"
         "\tstrList = \"PRC_orders_pick \" & v0\n"},
        {{FieldTypeInt, FieldTypeChar, FieldTypeDateTime, FieldTypeFloat},
         true,
         "\tif v0 <> \"\" and not (isNumeric(v0) and InStr(v0, \",\") = 0) then v0 = \"NULL\"\n"
         "\tif v3 <> \"\" and not (isNumeric(v3) and InStr(v3, \",\") = 0) then v3 = \"NULL\"\n"
         "\tstrList = \"PRC_orders_pick \" & v0 & \",\" & \"'\" & SingleQuoteToDouble(v1) & "
         "\"',\" & \"'\" & SingleQuoteToDouble(v2) & \"',\" & v3\n"},
        {{FieldTypeText, FieldTypeMoney},
         true,
         "\tif v1 <> \"\" and not (isNumeric(v1) and InStr(v1, \",\") = 0) then v1 = \"NULL\"\n"
         "\tstrList = \"PRC_orders_pick \" & \"'\" & SingleQuoteToDouble(v0) & \"',\" & v1\n"},
        {{}, true, "\tstrList = \"PRC_orders_pick \"\n"},
        {{FieldTypeInt}, false, ""},
    };
    for (const Case& c : cases)
    {
        ClassicPageFixture page;
        Procedure* procedure = page.AddProcedure("PRC_orders_pick");
        ProcedureInvokation call;
        call.SetProcedure(c.withProcedure ? procedure : nullptr);
        for (std::size_t i = 0; i < c.argumentTypes.size(); ++i)
        {
            Field* field = page.AddField(("f" + std::to_string(i)).c_str(), c.argumentTypes[i]);
            ClassicPageFixture::AddArgument(
                *procedure, call, field,
                page.MapVariable(field, ("v" + std::to_string(i)).c_str()));
        }
        call.AddVariablePair(new VariablePair{nullptr, nullptr});
        TextFile out = Collector();
        FormControlWriter(page.File(1)).WriteListQuery(out, &call, "strList", 1);
        EXPECT_EQ(CString(c.expected), out.GetBuffer());
    }
}

TEST(FieldGridTest, RecordAssignmentsReadOrEmptyEveryVisibleMappedField)
{
    ClassicPageFixture page;
    Field* count = page.AddField("count", FieldTypeInt);
    Field* name = page.AddField("name", FieldTypeVarchar);
    Field* hidden = page.AddField("secret", FieldTypeVarchar);
    auto* visibility = new FieldVisibility(hidden);
    visibility->SetVisibilityKind(FieldVisibility::Invisible);
    page.File(3)->AddFieldVisibility(visibility);
    page.MapVariable(count, "countVar");
    page.MapVariable(name, "nameVar");
    page.MapVariable(hidden, "secretVar");
    std::vector<FieldVariableMap*> maps = page.Page().GetFieldVariableMaps();
    maps.push_back(nullptr);
    maps.push_back(new FieldVariableMap{name, nullptr});
    TextFile out = Collector();
    // The update action page follows the visibility of the update page.
    FormControlWriter(page.File(4)).WriteRecordAssignments(out, maps, "rsQry", 2);
    delete maps.back();
    EXPECT_EQ(CString("\t\tIF rsQry.EOF then\n"
                      "\t\t\tcountVar = 0\n"
                      "\t\t\tnameVar = \"\"\n"
                      "\t\tELSE\n"
                      "\t\t\tcountVar = rsQry(\"count\")\n"
                      "\t\t\tnameVar = rsQry(\"name\")\n"
                      "\t\tEND IF\n"),
              out.GetBuffer());
}
} // namespace
