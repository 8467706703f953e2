#include "gen_web/PageReach.h"

#include "entities/Transaction.h"
#include "tests/gen_web/GuardProject.h"

#include <gtest/gtest.h>

namespace
{
// The file upload controls of the master-detail page "order": its note in the master part and
// its item in the grid.
void UploadOrderFields(Module& module)
{
    for (FieldRep* control : module.GetTransactions().front()->GetFieldReps())
        if (control->GetField()->GetFieldName() == "note" ||
            control->GetField()->GetFieldName() == "item")
            control->GetFieldRepData()->SetControlKind(FieldRepData::FileUpload);
}

// The columns whose uploads a download may find are those of the forms' upload controls and of
// the master parts', each with the pages of its form and whether its table marks deleted rows (a
// master-detail table deletes them); a grid saves no file. The password page's column holds the
// files of the session's own account only: it names the account table's key.
TEST(UploadColumns, AreTheUploadControlsOfFormsAndMasterParts)
{
    GuardProject fixture;
    fixture.AddAccountAvatars();
    UploadOrderFields(*fixture.Project().GetBaseModule());
    const std::string ui = "~/basemodule/ui/";
    const std::vector<UploadColumn> columns = UploadColumns(fixture.Project());
    const struct
    {
        const char* table;
        const char* column;
        std::set<std::string> pages;
        bool softDeleted;
        const char* ownRowKey;
    } expected[] = {
        {"useraccount", "avatar", {ui + "changepassword_formupdate.aspx"}, true, "useraccount_id"},
        {"document", "scan", {ui + "documentadd.aspx", ui + "documentupdate.aspx"}, true, ""},
        {"useraccount",
         "avatar",
         {ui + "useraccountadd.aspx", ui + "useraccountupdate.aspx"},
         true,
         ""},
        {"order_basic", "note", {ui + "orderadd.aspx", ui + "orderupdate.aspx"}, false, ""},
    };
    ASSERT_EQ(std::size(expected), columns.size());
    for (std::size_t i = 0; i < columns.size(); ++i)
    {
        EXPECT_EQ(expected[i].table, columns[i].table);
        EXPECT_EQ(expected[i].column, columns[i].column);
        EXPECT_EQ(expected[i].pages, columns[i].pages) << columns[i].table;
        EXPECT_EQ(expected[i].softDeleted, columns[i].softDeleted) << columns[i].table;
        EXPECT_EQ(expected[i].ownRowKey, columns[i].ownRowKey) << columns[i].table;
    }
}
} // namespace
