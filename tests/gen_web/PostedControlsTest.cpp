#include "gen_web/ProjectWriterSet.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"

#include "tests/gen_web/FormProject.h"
#include "tests/gen_web/TransactionProject.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

namespace
{

bool Holds(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// The page's markup has a control of the id.
bool DrawsId(const std::string& markup, const std::string& id)
{
    return std::regex_search(markup, std::regex("\\b(id|ID)\\s*=\\s*\"" + id + "\""));
}

void SetKind(FieldRep& control, int kind)
{
    control.GetFieldRepData()->SetControlKind(kind);
    control.GetFieldRepData()->SetDisplayTexts("Yes,No");
    control.GetFieldRepData()->SetStoredValues("Y,N");
    control.SetMandatory(true);
}

// For every control kind, a required control: the server asks a post for the values that the
// page draws an input for, and for no other; one it draws none for is left out of an Add and kept
// as stored by an Update. A form's fields, a master-detail page's master fields and the cells of
// its grid rows, whose script checks no cell the grid does not draw.
TEST(PostedControls, EveryKindIsRequiredExactlyWhereThePageDrawsIt)
{
    int undrawnCells = 0;
    for (int kind = 0; kind < FieldRepData::ControlKindCount; ++kind)
    {
        SCOPED_TRACE(kind);
        FormProject forms;
        for (FieldRep* control : forms.OrdersForm().GetFieldReps())
            if (control->GetField()->GetFieldName() == "notes")
                SetKind(*control, kind);
        ProjectWriterSet(forms.Project(), forms.Report()).WriteFormMarkup(forms.OrdersForm());
        ProjectWriterSet(forms.Project(), forms.Report()).WriteFormCodeBehind(forms.OrdersForm());
        const std::string formCode = ReadHostFile(forms.PageFolder() / "ordersAdd.aspx.cs");
        const bool formDraws =
            DrawsId(ReadHostFile(forms.PageFolder() / "ordersAdd.aspx"), "notes");
        EXPECT_EQ(formDraws, Holds(formCode, "Request.Form[\"notes\"]") ||
                                 Holds(formCode, "this.notes.PostedFile"));
        EXPECT_EQ(!formDraws, Holds(ReadHostFile(forms.PageFolder() / "ordersUpdate.aspx.cs"),
                                    "String notes = dtRecord.Rows[0][\"notes\"].ToString();"));

        TransactionProject sales;
        for (FieldRep* control : sales.Sale().GetFieldReps())
            if (control->GetField()->GetFieldName() == "remark")
                SetKind(*control, kind);
        ProjectWriterSet writers(sales.Project(), sales.Report());
        writers.WriteTransactionMarkup(sales.Sale());
        writers.WriteTransactionCodeBehind(sales.Sale());
        const std::string markup = ReadHostFile(sales.PageFolder() / "saleAdd.aspx");
        const std::string add = ReadHostFile(sales.PageFolder() / "saleAdd.aspx.cs");
        const std::string update = ReadHostFile(sales.PageFolder() / "saleUpdate.aspx.cs");
        EXPECT_EQ(DrawsId(markup, "remark"),
                  Holds(add, "Request.Form[\"remark\"]") || Holds(add, "this.remark.PostedFile"));
        // The grid's new row draws the cell's input, under its header.
        const bool cell = Holds(add, "\"remark__ROW__\"");
        undrawnCells += cell ? 0 : 1;
        EXPECT_EQ(cell, Holds(add, "w.WriteGridDataHeader(\"remark\""));
        for (const std::string* code : {&add, &update})
            EXPECT_EQ(cell, Holds(*code, "util.ReadPosted(this.Request.Form[searchString], "
                                         "\"remark\""));
        EXPECT_EQ(!cell, Holds(update, "String remark = dtRecord.Rows.Count > 0 ? "
                                       "dtRecord.Rows[0][\"remark\"].ToString() : null;"));
        const bool checked = Holds(markup, "document.getElementById(\"remark\"+i)");
        EXPECT_TRUE(cell || !checked);
        EXPECT_TRUE(kind != FieldRepData::TextBox || (cell && checked));
        EXPECT_TRUE((kind != FieldRepData::FileUpload && kind != FieldRepData::Password) || !cell);
    }
    // Upload, password, hidden, button and editable combo box.
    EXPECT_EQ(5, undrawnCells);
}
} // namespace
