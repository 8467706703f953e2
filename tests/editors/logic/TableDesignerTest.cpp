#include "editors/logic/TableDesigner.h"
#include "entities/Class.h"
#include "entities/Form.h"
#include "entities/Transaction.h"
#include "model/FieldRep.h"
#include "model/NameUtilities.h"
#include "platform/core/StringTable.h"
#include "tests/editors/logic/EditorTestSupport.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

namespace
{
using Boxes = std::vector<std::string>;

struct Designer
{
    OpenNewProject open;
    RecordingHost host;
    TableDesigner designer{open.project, host};
    ControlStates& states = designer.States();

    Designer() { designer.InitialUpdate(); }

    // A stored master table "customer" with the fields "name" and "city".
    Table* StoreCustomer()
    {
        designer.LoadTable(nullptr, Table::masterKind);
        states.SetText(TableDesigner::IDC_TABLE_NAME, "Customer");
        AddField("name", 4);
        AddField("city", 4);
        designer.Ok(true);
        return open.project.FindTableByName("customer");
    }
    void AddField(const char* name, int type)
    {
        states.SetText(TableDesigner::IDC_FIELD_NAME, name);
        designer.ChooseType(type);
        designer.AddOrUpdate(true);
    }
};
} // namespace

TEST(TableDesignerTest, FieldChecksShowTheirMessagesInOrderAndStoreOnlyAGoodField)
{
    struct Case
    {
        const char* name;
        int kind;
        std::function<void(Designer&)> type;
        Boxes boxes;
        bool stored;
    };
    const auto name = [](const char* text)
    { return [text](Designer& d) { d.states.SetText(TableDesigner::IDC_FIELD_NAME, text); }; };
    const Case cases[] = {
        {"plain", 0, name("city"), {}, true},
        {"default with hyphen, colon, underscore",
         0,
         [](Designer& d)
         {
             d.states.SetText(TableDesigner::IDC_FIELD_NAME, "code");
             d.states.SetText(TableDesigner::IDC_DEFAULT_VALUE, " a-b:c_d ");
         },
         {},
         true},
        {"default with a full stop",
         0,
         [](Designer& d)
         {
             d.states.SetText(TableDesigner::IDC_FIELD_NAME, "code");
             d.states.SetText(TableDesigner::IDC_DEFAULT_VALUE, "a.b");
         },
         {"Special characters not allowed in default value."},
         false},
        {"foreign key without a table",
         0,
         [](Designer& d)
         {
             d.states.SetText(TableDesigner::IDC_FIELD_NAME, "ref");
             d.designer.ToggleForeignKey();
         },
         {"Select a foreign field table."},
         false},
        {"empty name", 0, name(""), {"Please enter field name."}, false},
        {"blank inside", 0, name("my field"), {"Gap(s) in field name. Please check."}, false},
        {"keyword", 0, name("select"), {"SQL keyword is used as field name. Please check"}, false},
        {"special characters as in a table name",
         0,
         name("a\"]--;"),
         {"Special character in field name. Please check."},
         false},
        {"a slash", 0, name("a/b"), {"Special character in field name. Please check."}, false},
        {"a line separator",
         0,
         name("fi\u2028ld"),
         {"Special character in field name. Please check."},
         false},
        {"a right-to-left override",
         0,
         name("fi\u202Eld"),
         {"Special character in field name. Please check."},
         false},
        {"digit first",
         0,
         name("2nd"),
         {"Number(s) at the start of field name. Please check."},
         false},
        {"blank and digit: the digit test waits",
         0,
         name("2 nd"),
         {"Gap(s) in field name. Please check."},
         false},
        {"duplicate in another case",
         0,
         name("NAME"),
         {"Field with this name exists in the table."},
         false},
        {"the soft-delete column in another case",
         0,
         name("is_deleted"),
         {"Is_Deleted is a column that the program adds to the table itself. Please use another "
          "field name."},
         false},
        {"the key of the table's name as typed",
         0,
         [](Designer& d)
         {
             d.states.SetText(TableDesigner::IDC_TABLE_NAME, "Customer");
             d.states.SetText(TableDesigner::IDC_FIELD_NAME, "CUSTOMER_ID");
         },
         {"customer_id is a column that the program adds to the table itself. Please use another "
          "field name."},
         false},
        {"the key of another table", 0, name("order_id"), {}, true},
        {"a display name with a line break, which no script string of a classic page holds",
         0,
         [](Designer& d)
         {
             d.states.SetText(TableDesigner::IDC_FIELD_NAME, "note");
             d.states.SetText(TableDesigner::IDC_DISPLAY_NAME, "first\nsecond");
         },
         {"The display name cannot hold a line break: the classic pages write it into a script "
          "string.\nPlease enter it on one line."},
         false},
        {"a display name with a line separator, which every writer escapes",
         0,
         [](Designer& d)
         {
             d.states.SetText(TableDesigner::IDC_FIELD_NAME, "note");
             d.states.SetText(TableDesigner::IDC_DISPLAY_NAME, "first\u2028<%=x%>\"");
         },
         {},
         true},
        {"map table without a foreign key",
         2,
         name("pair_a"),
         {"Foreign Key is not selected."},
         false},
    };
    for (const Case& c : cases)
    {
        Designer d;
        d.designer.LoadTable(nullptr, c.kind);
        if (c.kind == 0)
            d.AddField("name", 4);
        const int before = d.designer.GetTable()->GetFieldCount();
        ScriptedMessageBoxes boxes;
        c.type(d);
        const CString typed = d.states.GetText(TableDesigner::IDC_FIELD_NAME);
        d.designer.AddOrUpdate(true);
        EXPECT_EQ(c.boxes, Texts(boxes)) << c.name;
        EXPECT_EQ(before + (c.stored ? 1 : 0), d.designer.GetTable()->GetFieldCount()) << c.name;
        // A refusal keeps what was typed; a stored field empties the editors.
        EXPECT_EQ(c.stored ? CString() : typed, d.states.GetText(TableDesigner::IDC_FIELD_NAME))
            << c.name;
    }
}

// A name the generated code writes as the member or control id of another field of the table, or
// as the class of another table, is refused; one it writes apart is taken.
TEST(TableDesignerTest, ANameTheGeneratedCodeWritesAsAnothersIsRefused)
{
    const struct
    {
        const char* first;
        const char* second;
        bool refused;
    } cases[] = {
        {"a_b", "a-b", true},      {"a-b", "a_b", true},  {"x--y", "x__y", true},
        {"event_", "event", true}, {"a-b", "a:c", false}, {"event", "events", false},
    };
    for (const auto& each : cases)
    {
        SCOPED_TRACE(std::string(each.first) + " " + each.second);
        Designer d;
        d.designer.LoadTable(nullptr, Table::masterKind);
        d.AddField(each.first, 4);
        ScriptedMessageBoxes boxes;
        d.AddField(each.second, 4);
        EXPECT_EQ(each.refused ? Boxes{"Field \"" + std::string(each.first) +
                                       "\" has the same name in the generated code: it cannot "
                                       "take both. Please check."}
                               : Boxes{},
                  Texts(boxes));
        EXPECT_EQ(d.designer.GetTable()->FindFieldByName(each.second) == nullptr, each.refused);

        Designer tables;
        tables.designer.LoadTable(nullptr, Table::masterKind);
        tables.states.SetText(TableDesigner::IDC_TABLE_NAME, each.first);
        tables.AddField("name", 4);
        tables.designer.Ok(true);
        tables.designer.LoadTable(nullptr, Table::masterKind);
        tables.states.SetText(TableDesigner::IDC_TABLE_NAME, each.second);
        tables.AddField("name", 4);
        ScriptedMessageBoxes tableBoxes;
        tables.designer.Ok(true);
        const bool clash = each.refused && CString(each.first) != "event_";
        EXPECT_EQ(clash ? Boxes{"Table \"" + std::string(CString(each.first).MakeLower()) +
                                "\" has the same name in the generated code: it cannot take "
                                "both. Please check."}
                        : Boxes{},
                  Texts(tableBoxes));
        EXPECT_EQ(tables.open.project.FindTableByName(each.second) == nullptr, clash);
    }
}

TEST(TableDesignerTest, ANameWhoseKeyAFieldHoldsIsRefusedAndTheTableNotStored)
{
    Designer d;
    d.designer.LoadTable(nullptr, Table::masterKind);
    d.AddField("order_id", 0);
    d.AddField("amount", 0);
    ScriptedMessageBoxes boxes;
    d.states.SetText(TableDesigner::IDC_TABLE_NAME, "Order");
    d.designer.Ok(true);
    EXPECT_EQ(Boxes{"order_id is a column that the program adds to the table itself. Please use "
                    "another field name."},
              Texts(boxes));
    EXPECT_EQ(nullptr, d.open.project.FindTableByName("order"));

    d.states.SetText(TableDesigner::IDC_TABLE_NAME, "Purchase");
    d.designer.Ok(true);
    Table* stored = d.open.project.FindTableByName("purchase");
    ASSERT_NE(nullptr, stored);
    ASSERT_NE(nullptr, stored->GetPrimaryKeyField());
    EXPECT_EQ("purchase_id", stored->GetPrimaryKeyField()->GetFieldName());
    EXPECT_NE(nullptr, stored->FindFieldByName("order_id"));
}

TEST(TableDesignerTest, AFailedReadResetsTheSizeOfCharTypesAndAFieldNameIsTrimmed)
{
    Designer d;
    d.designer.LoadTable(nullptr, Table::masterKind);
    for (const auto& [type, size] : {std::pair{3, "10"}, {4, "50"}, {1, "8"}})
    {
        d.designer.ChooseType(type);
        d.states.SetText(TableDesigner::IDC_SIZE, "9999");
        d.states.SetText(TableDesigner::IDC_FIELD_NAME, "x");
        d.designer.AddOrUpdate(/*controlsRead=*/false);
        // Only char and varchar go back to their default size.
        EXPECT_EQ(CString(type == 1 ? "9999" : size), d.states.GetText(TableDesigner::IDC_SIZE))
            << type;
    }
    EXPECT_EQ(0, d.designer.GetTable()->GetFieldCount());
    d.AddField("  city  ", 4);
    EXPECT_EQ((std::vector<CString>{"city"}), FieldNames(*d.designer.GetTable()));
}

TEST(TableDesignerTest, AMapTableTakesTwoForeignKeysAndRefusesTheThird)
{
    Designer d;
    Table* customer = d.StoreCustomer();
    ASSERT_NE(nullptr, customer);
    d.designer.LoadTable(nullptr, Table::mapKind);
    EXPECT_FALSE(d.states.IsEnabled(TableDesigner::IDC_TYPE));
    ScriptedMessageBoxes boxes;
    for (const char* name : {"a", "b", "c"})
    {
        d.designer.ToggleForeignKey();
        const auto& tables = d.states.GetItems(TableDesigner::IDC_FOREIGN_TABLE);
        const auto found = std::find(tables.begin(), tables.end(), CString("customer"));
        ASSERT_NE(tables.end(), found);
        d.designer.ChooseForeignTable(static_cast<int>(found - tables.begin()));
        d.states.SetText(TableDesigner::IDC_FIELD_NAME, name);
        d.designer.AddOrUpdate(true);
    }
    EXPECT_EQ(Boxes{"Only two foreign fields should be created in Map Table."}, Texts(boxes));
    EXPECT_EQ((std::vector<CString>{"a", "b"}), FieldNames(*d.designer.GetTable()));
    EXPECT_EQ("customer.customer_id", d.designer.GetTable()->GetFieldAt(0)->GetForeignReference());
    // Unchecking the foreign key of a map table is refused.
    d.designer.ToggleForeignKey();
    d.designer.ToggleForeignKey();
    EXPECT_TRUE(d.states.IsChecked(TableDesigner::IDC_FOREIGN_KEY));
    EXPECT_EQ("Can not change the foreign key status for map table.", Texts(boxes).back());
}

TEST(TableDesignerTest, TypeEffectsOnSizePrecisionDefaultValueAndForeignKey)
{
    struct Case
    {
        int type;
        const char* size;
        bool sizeEnabled;
        const char* precision;
        bool precisionEnabled;
        bool defaultEnabled;
        bool foreignKeyEnabled;
    };
    const Case cases[] = {
        {0, "4", false, "0", false, true, true},    {1, "8", false, "0", false, true, false},
        {2, "9", false, "19", true, true, false},   {3, "10", true, "0", false, true, false},
        {4, "50", true, "0", false, true, false},   {5, "8", false, "0", false, false, false},
        {8, "16", false, "0", false, false, false}, {12, "8", true, "0", false, true, false},
    };
    Designer d;
    d.designer.LoadTable(nullptr, Table::masterKind);
    for (const Case& c : cases)
    {
        d.designer.ChooseType(c.type);
        EXPECT_EQ(c.size, d.states.GetText(TableDesigner::IDC_SIZE)) << c.type;
        EXPECT_EQ(c.sizeEnabled, d.states.IsEnabled(TableDesigner::IDC_SIZE)) << c.type;
        EXPECT_EQ(c.precision, d.states.GetText(TableDesigner::IDC_PRECISION)) << c.type;
        EXPECT_EQ(c.precisionEnabled, d.states.IsEnabled(TableDesigner::IDC_PRECISION)) << c.type;
        EXPECT_EQ(c.defaultEnabled, d.states.IsEnabled(TableDesigner::IDC_DEFAULT_VALUE)) << c.type;
        EXPECT_EQ(c.foreignKeyEnabled, d.states.IsEnabled(TableDesigner::IDC_FOREIGN_KEY))
            << c.type;
    }
    // With a decimal row loaded the precision is the field's; a varchar row keeps its size.
    d.states.SetText(TableDesigner::IDC_FIELD_NAME, "price");
    d.designer.ChooseType(2);
    d.states.SetText(TableDesigner::IDC_PRECISION, "5");
    d.designer.AddOrUpdate(true);
    d.AddField("note", 4);
    d.designer.GetTable()->GetFieldAt(1)->SetSize(120);
    d.designer.LoadRow(0);
    EXPECT_EQ("5", d.states.GetText(TableDesigner::IDC_PRECISION));
    EXPECT_EQ("Update", d.states.GetText(TableDesigner::IDC_ADD));
    EXPECT_TRUE(d.states.IsEnabled(TableDesigner::IDC_DELETE));
    d.designer.LoadRow(1);
    EXPECT_EQ("120", d.states.GetText(TableDesigner::IDC_SIZE));
}

TEST(TableDesignerTest, LoadingStatesPerKindOfTable)
{
    Designer d;
    d.designer.LoadTable(nullptr, Table::masterKind);
    EXPECT_TRUE(d.states.IsChecked(TableDesigner::IDC_GENERATE));
    EXPECT_TRUE(d.states.IsEnabled(TableDesigner::IDC_GENERATE));
    EXPECT_TRUE(d.states.IsEnabled(TableDesigner::IDC_CANCEL));
    EXPECT_EQ(TableDesigner::masterBitmap, d.designer.GetBitmap());
    EXPECT_EQ("Table1", d.states.GetText(TableDesigner::IDC_TABLE_NAME));

    Table* customer = d.StoreCustomer();
    ASSERT_NE(nullptr, customer);
    EXPECT_EQ("Table2", d.states.GetText(TableDesigner::IDC_TABLE_NAME));
    d.designer.LoadTable(customer, customer->GetKind());
    // The generated pages exist: nothing left to generate.
    EXPECT_FALSE(d.states.IsChecked(TableDesigner::IDC_GENERATE));
    EXPECT_FALSE(d.states.IsEnabled(TableDesigner::IDC_GENERATE));
    EXPECT_FALSE(d.states.IsEnabled(TableDesigner::IDC_CANCEL));

    d.open.Current().EnsureSystemTables();
    Table* login = d.open.project.FindTableByName("useraccount");
    ASSERT_NE(nullptr, login);
    d.designer.LoadTable(login, login->GetKind());
    for (int id : {TableDesigner::IDC_TABLE_NAME, TableDesigner::IDC_ADD, TableDesigner::IDC_CLEAR,
                   TableDesigner::IDC_GENERATE, TableDesigner::IDC_ASSIGN_FRONT,
                   TableDesigner::IDC_REMOVE_FRONT})
        EXPECT_FALSE(d.states.IsEnabled(id)) << id;
    for (const ListRow& row : d.designer.GetRows())
        EXPECT_EQ(0, row.data);

    d.designer.LoadTable(nullptr, Table::masterDetailKind);
    EXPECT_EQ(TableDesigner::otherBitmap, d.designer.GetBitmap());
    EXPECT_EQ(1, d.states.GetSelection(TableDesigner::IDC_KIND));
}

// The longest name a table may take: its RDLC report writes
// <name>_rdlc_report_Print.aspx.designer.cs, 255 bytes at most; the message that refuses one byte
// more.
const std::string longestTableName(220, 'x');
const std::string tooLongTableName(221, 'x');
const std::string tooLongTableRefusal =
    "The name \"" + std::string(20, 'x') + "..." + std::string(12, 'x') +
    "\" cannot be taken: its file " + std::string(20, 'x') +
    "...report_Print.aspx.designer.cs would be 256 bytes long, longer "
    "than the 255 bytes a file name may hold.\nPlease enter another name.";

TEST(TableDesignerTest, OkAppliesTheNameWithItsChecksAndStoresANewTable)
{
    struct Case
    {
        const char* typed;
        int kind;
        bool withField;
        Boxes boxes;
        const char* stored; // null: nothing stored
    };
    const Case cases[] = {
        {"Orders", 0, true, {}, "orders"},
        {"Orders", 0, false, {}, nullptr},
        {"", 0, true, {"Please enter valid table name."}, nullptr},
        {"customer", 0, true, {"A Table with this name already exists."}, nullptr},
        {"a.b", 0, true, {"Special charater in table name.Please check."}, nullptr},
        {"select", 0, true, {"SQL Keyword used as table name.Please check."}, nullptr},
        {"my table", 0, true, {"Gap(s) in Table name. Please verify."}, nullptr},
        {"9lives", 0, true, {"Number(s) at the start of Table Name. Please check."}, nullptr},
        {"Con", 0, true, {DeviceNameRefusal("con").GetString()}, nullptr},
        {"COM7", 0, true, {DeviceNameRefusal("com7").GetString()}, nullptr},
        {"Invoice", 1, true, {}, "invoice_basic"},
        {"item_Basic", 1, true, {}, "item_basic"},
        {longestTableName.c_str(), 0, true, {}, longestTableName.c_str()},
        {tooLongTableName.c_str(), 0, true, {tooLongTableRefusal}, nullptr},
    };
    for (const Case& c : cases)
    {
        Designer d;
        ASSERT_NE(nullptr, d.StoreCustomer());
        d.host.calls.clear();
        d.designer.LoadTable(nullptr, c.kind);
        if (c.withField)
            d.AddField("title", 4);
        d.states.SetText(TableDesigner::IDC_TABLE_NAME, c.typed);
        ScriptedMessageBoxes boxes;
        d.designer.Ok(true);
        EXPECT_EQ(c.boxes, Texts(boxes)) << c.typed;
        const int counter = c.stored != nullptr ? 3 : 2;
        EXPECT_EQ(counter, d.designer.GetNewTableCounter()) << c.typed;
        if (c.stored != nullptr)
        {
            const Table* table = d.open.project.FindTableByName(c.stored);
            ASSERT_NE(nullptr, table) << c.typed;
            EXPECT_EQ(c.stored, table->GetTableName());
            EXPECT_EQ("Table3", d.states.GetText(TableDesigner::IDC_TABLE_NAME));
            EXPECT_TRUE(d.designer.IsNew());
        }
    }
}

TEST(TableDesignerTest, RenamingAStoredTableRenamesItsKeyPagesAndClass)
{
    Designer d;
    Table* customer = d.StoreCustomer();
    ASSERT_NE(nullptr, customer);
    Module& module = d.open.Current();
    d.designer.LoadTable(customer, customer->GetKind());
    d.host.calls.clear();
    d.states.SetText(TableDesigner::IDC_TABLE_NAME, "Client");
    ScriptedMessageBoxes boxes;
    d.designer.Ok(true);
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_EQ("client", customer->GetTableName());
    EXPECT_EQ("client_id", customer->GetFieldAt(0)->GetFieldName());
    EXPECT_EQ(customer, module.FindMasterFormByName("client_form")->GetTable());
    EXPECT_NE(nullptr, module.FindReportByName("client Report"));
    EXPECT_NE(nullptr, module.FindRDLCReportByName("client_rdlc"));
    EXPECT_EQ("_client", module.GetClassForTable(customer, false)->GetFieldName());
    EXPECT_EQ("start page", d.host.calls.back());

    // A change of case only keeps the case typed and tells about the class file.
    d.designer.LoadTable(customer, customer->GetKind());
    d.states.SetText(TableDesigner::IDC_TABLE_NAME, "Client");
    d.designer.Ok(true);
    EXPECT_EQ("Client", customer->GetTableName());
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("If client_partial.cs file has already been generated,\nthen please change the class "
              "name from _client to _Client in that file before next 'Write All'.",
              boxes.Shown()[0].text);
}

// A stored table's new name follows what a new table's does; a name that differs only in case
// is no new name, so a table a project brought as "aux" may still be edited.
TEST(TableDesignerTest, RenamingAStoredTableChecksTheNewNameAsANewTablesName)
{
    const struct
    {
        const char* stored;
        const char* typed;
        Boxes boxes;
        const char* kept;
    } cases[] = {
        {"customer", "my table", {"Gap(s) in Table name. Please verify."}, "customer"},
        {"customer",
         "2nd_customer",
         {"Number(s) at the start of Table Name. Please check."},
         "customer"},
        {"customer", "Nul", {DeviceNameRefusal("nul").GetString()}, "customer"},
        {"customer", "client2", {}, "client2"},
        {"customer", tooLongTableName.c_str(), {tooLongTableRefusal}, "customer"},
        {"aux",
         "AUX",
         {"If aux_partial.cs file has already been generated,\nthen please change the class name "
          "from _aux to _AUX in that file before next 'Write All'."},
         "AUX"},
    };
    for (const auto& c : cases)
    {
        Designer d;
        Table* customer = d.StoreCustomer();
        ASSERT_NE(nullptr, customer);
        customer->SetTableName(c.stored);
        d.designer.LoadTable(customer, customer->GetKind());
        d.states.SetText(TableDesigner::IDC_TABLE_NAME, c.typed);
        ScriptedMessageBoxes boxes;
        d.designer.Ok(true);
        EXPECT_EQ(c.boxes, Texts(boxes)) << c.typed;
        EXPECT_EQ(c.kept, customer->GetTableName()) << c.typed;
    }
}

TEST(TableDesignerTest, RenamingTheDetailTableRenamesNoPageAndTheBasicTableItsPages)
{
    Designer d;
    d.designer.LoadTable(nullptr, Table::masterDetailKind);
    d.AddField("title", 4);
    d.states.SetText(TableDesigner::IDC_TABLE_NAME, "invoice");
    d.designer.Ok(true);
    Module& module = d.open.Current();
    Table* detail = d.open.project.FindTableByName("invoice_detail");
    ASSERT_NE(nullptr, detail);
    std::vector<CString> pages;
    for (const auto* transaction : module.GetTransactions())
        pages.push_back(transaction->GetFormName());
    ASSERT_EQ(1u, pages.size());
    // The model reads the role from the name: a rename keeps "_detail" in a detail table's
    // name and out of a basic table's.
    Table* basic = d.open.project.FindTableByName("invoice_basic");
    ASSERT_NE(nullptr, basic);
    const struct
    {
        Table* table;
        const char* typed;
        const char* stored;
        const char* message;
    } renames[] = {
        {detail, "line", "invoice_detail",
         "A detail table's name must contain _detail. Please check."},
        {basic, "bill_detail", "invoice_basic",
         "Only a detail table's name may contain _detail. Please check."},
        // A name typed in another case is stored in lower case as any other.
        {detail, "Line_Detail", "line_detail", nullptr},
    };
    for (const auto& rename : renames)
    {
        ScriptedMessageBoxes boxes;
        d.designer.LoadTable(rename.table, rename.table->GetKind());
        d.states.SetText(TableDesigner::IDC_TABLE_NAME, rename.typed);
        d.designer.Ok(true);
        EXPECT_EQ(rename.stored, rename.table->GetTableName()) << rename.typed;
        EXPECT_EQ(rename.stored, d.states.GetText(TableDesigner::IDC_TABLE_NAME));
        EXPECT_EQ(rename.message != nullptr ? Boxes{rename.message} : Boxes{}, boxes.ShownTexts())
            << rename.typed;
        EXPECT_TRUE(rename.table->IsDetailTable() == (rename.table == detail)) << rename.typed;
    }
    EXPECT_EQ(pages[0], module.GetTransactions()[0]->GetFormName());
    EXPECT_NE(nullptr, module.FindReportByName("invoice_basic Report"));

    // The basic table takes its transaction, report and RDLC report along.
    d.designer.LoadTable(basic, basic->GetKind());
    d.states.SetText(TableDesigner::IDC_TABLE_NAME, "bill_basic");
    d.designer.Ok(true);
    EXPECT_EQ("bill_basic_form", module.GetTransactions()[0]->GetFormName());
    EXPECT_NE(nullptr, module.FindReportByName("bill_basic Report"));
    EXPECT_NE(nullptr, module.FindRDLCReportByName("bill_basic_rdlc"));
}

TEST(TableDesignerTest, GenerationMakesEachDefaultPageOnce)
{
    Designer d;
    d.designer.LoadTable(nullptr, Table::masterKind);
    d.designer.ToggleGenerate(); // off: nothing generated on OK
    d.AddField("title", 4);
    d.states.SetText(TableDesigner::IDC_TABLE_NAME, "book");
    d.designer.Ok(true);
    Module& module = d.open.Current();
    Table* book = d.open.project.FindTableByName("book");
    ASSERT_NE(nullptr, book);
    const std::size_t forms = module.GetMasterForms().size();
    const std::size_t reports = module.GetReports().size();
    const std::size_t rdlcs = module.GetRDLCReports().size();
    EXPECT_EQ(nullptr, module.FindMasterFormForTable(book));
    d.designer.LoadTable(book, book->GetKind());
    EXPECT_TRUE(d.states.IsEnabled(TableDesigner::IDC_GENERATE));
    d.designer.ToggleGenerate();
    EXPECT_FALSE(d.states.IsEnabled(TableDesigner::IDC_GENERATE));
    d.designer.ToggleGenerate();
    d.designer.ToggleGenerate();
    EXPECT_EQ(forms + 1, module.GetMasterForms().size());
    EXPECT_EQ(reports + 1, module.GetReports().size());
    EXPECT_EQ(rdlcs + 1, module.GetRDLCReports().size());
    EXPECT_NE(nullptr, module.FindRDLCReportByName("book_rdlc"));
}

// A stored master-detail table named like a detail table would become its own detail table:
// "Generate Forms and Reports" says so and makes nothing.
TEST(TableDesignerTest, GenerationRefusesAMasterDetailTableWithoutBasicInItsName)
{
    Designer d;
    Module& module = d.open.Current();
    Table* lines = NewTable("Line_Detail", Table::masterDetailKind, {"amount"});
    module.AddTable(lines);
    const std::vector<CString> fields = FieldNames(*lines);
    const std::size_t reports = module.GetReports().size();
    const std::size_t rdlcs = module.GetRDLCReports().size();

    ScriptedMessageBoxes boxes;
    d.designer.LoadTable(lines, lines->GetKind());
    d.designer.ToggleGenerate();
    EXPECT_EQ(Boxes{"The table Line_Detail has no _basic in its name and would become its own "
                    "detail table: no master-detail page is made for it."},
              boxes.ShownTexts());
    EXPECT_EQ("Line_Detail", lines->GetTableName());
    EXPECT_EQ(fields, FieldNames(*lines));
    EXPECT_EQ(std::vector<Table*>{lines}, module.GetTransactionTables());
    EXPECT_TRUE(module.GetTransactions().empty());
    EXPECT_EQ(reports, module.GetReports().size());
    EXPECT_EQ(rdlcs, module.GetRDLCReports().size());
}

TEST(TableDesignerTest, UpdateKeepsTheKeyAndFrontFlags)
{
    Designer d;
    Table* customer = d.StoreCustomer();
    d.designer.LoadTable(customer, customer->GetKind());
    d.states.Select(TableDesigner::IDC_FRONT_FIELDS, 1); // "city"
    d.designer.AssignFrontField();
    ASSERT_EQ("city", customer->GetFrontField()->GetFieldName());
    for (int row : {0, 3})
    {
        d.designer.LoadRow(row);
        d.states.SetText(TableDesigner::IDC_DEFAULT_VALUE, "x");
        d.designer.AddOrUpdate(true);
    }
    ASSERT_NE(nullptr, customer->GetPrimaryKeyField());
    EXPECT_EQ("customer_id", customer->GetPrimaryKeyField()->GetFieldName());
    ASSERT_NE(nullptr, customer->GetFrontField());
    EXPECT_EQ("city", customer->GetFrontField()->GetFieldName());
    EXPECT_EQ("x", customer->GetFieldAt(3)->GetDefaultValue());
}

TEST(TableDesignerTest, FrontFieldAssignAndRemoveAndTheGridTexts)
{
    Designer d;
    Table* customer = d.StoreCustomer();
    d.designer.LoadTable(customer, customer->GetKind());
    EXPECT_EQ((std::vector<CString>{"name", "city"}),
              d.states.GetItems(TableDesigner::IDC_FRONT_FIELDS));
    ScriptedMessageBoxes boxes{IDOK, IDNO, IDYES};
    d.designer.AssignFrontField();
    d.states.Select(TableDesigner::IDC_FRONT_FIELDS, 0);
    d.designer.AssignFrontField();
    EXPECT_EQ("name", d.states.GetText(TableDesigner::IDC_FRONT_LABEL));
    EXPECT_FALSE(d.states.IsEnabled(TableDesigner::IDC_ASSIGN_FRONT));
    EXPECT_EQ((std::vector<CString>{" ", " name", " varchar", " 50", " ", " FALSE", " TRUE",
                                    " FALSE", " "}),
              d.designer.GetRows()[2].cells);
    EXPECT_EQ(0, d.designer.GetRows()[0].data);
    EXPECT_EQ(1, d.designer.GetRows()[2].data);
    d.designer.RemoveFrontField(); // No
    EXPECT_EQ("name", d.states.GetText(TableDesigner::IDC_FRONT_LABEL));
    d.designer.RemoveFrontField(); // Yes
    EXPECT_EQ("Front field not assigned.", d.states.GetText(TableDesigner::IDC_FRONT_LABEL));
    EXPECT_EQ((Boxes{"Please select table field for assigning front field.",
                     "Do you really want to remove front field \"name\"?",
                     "Do you really want to remove front field \"name\"?"}),
              Texts(boxes));

    // A foreign key shows its reference.
    d.designer.LoadTable(nullptr, Table::masterKind);
    d.designer.ToggleForeignKey();
    const auto& tables = d.states.GetItems(TableDesigner::IDC_FOREIGN_TABLE);
    const auto found = std::find(tables.begin(), tables.end(), CString("customer"));
    d.designer.ChooseForeignTable(static_cast<int>(found - tables.begin()));
    EXPECT_EQ("customer_id", d.states.GetText(TableDesigner::IDC_FIELD_NAME));
    d.designer.AddOrUpdate(true);
    EXPECT_EQ(" customer.customer_id", d.designer.GetRows()[0].cells[8]);
    EXPECT_EQ(" TRUE", d.designer.GetRows()[0].cells[7]);
}

TEST(TableDesignerTest, DeleteAsksFirstAndRefreshesTheTree)
{
    Designer d;
    Table* customer = d.StoreCustomer();
    d.designer.LoadTable(customer, customer->GetKind());
    d.host.calls.clear();
    ScriptedMessageBoxes boxes{IDCANCEL, IDOK};
    d.designer.LoadRow(3);
    d.designer.DeleteField();
    EXPECT_EQ(4, customer->GetFieldCount());
    // The generated form shows the field; its control goes with the field.
    const Form* form = d.open.Current().FindMasterFormForTable(customer);
    ASSERT_NE(nullptr, form);
    const Field* city = customer->GetFieldAt(3);
    const auto shows = [form](const Field* field)
    {
        return std::ranges::any_of(form->GetFieldReps(), [field](const FieldRep* rep)
                                   { return rep->GetField() == field; });
    };
    EXPECT_TRUE(shows(city));
    d.designer.LoadRow(3);
    d.designer.DeleteField();
    EXPECT_FALSE(shows(city));
    EXPECT_EQ((std::vector<CString>{"customer_id", "Is_Deleted", "name"}), FieldNames(*customer));
    EXPECT_EQ(Boxes(2, "Do you really want to delete field \"city\"?"), Texts(boxes));
    EXPECT_EQ(std::vector<CString>{"refresh tree"}, d.host.calls);
    EXPECT_FALSE(d.states.IsEnabled(TableDesigner::IDC_DELETE));
}

TEST(TableDesignerTest, AForeignTableChosenThenUncheckedIsNotReferenced)
{
    Designer d;
    d.StoreCustomer();
    for (const bool byType : {false, true})
    {
        d.designer.LoadTable(nullptr, Table::masterKind);
        d.designer.ToggleForeignKey();
        const auto& tables = d.states.GetItems(TableDesigner::IDC_FOREIGN_TABLE);
        const auto found = std::find(tables.begin(), tables.end(), CString("customer"));
        d.designer.ChooseForeignTable(static_cast<int>(found - tables.begin()));
        if (byType)
            d.designer.ChooseType(4);
        else
            d.designer.ToggleForeignKey();
        d.designer.AddOrUpdate(true);
        const Field* field = d.designer.GetTable()->GetFieldAt(0);
        ASSERT_NE(nullptr, field) << byType;
        EXPECT_FALSE(field->IsForeignKey()) << byType;
        EXPECT_EQ(nullptr, field->GetForeignField()) << byType;
    }
}

TEST(TableDesignerTest, ClearPageDeletesANewTableAndAReloadKeepsTheCurrentModule)
{
    Designer d;
    // A stored table stays in its module; the controls are emptied.
    Table* customer = d.StoreCustomer();
    d.designer.LoadTable(customer, customer->GetKind());
    d.designer.ClearPage();
    EXPECT_EQ(customer, d.open.project.FindTableByName("customer"));
    EXPECT_TRUE(d.designer.GetRows().empty());
    EXPECT_EQ("", d.states.GetText(TableDesigner::IDC_TABLE_NAME));
    EXPECT_TRUE(d.states.GetItems(TableDesigner::IDC_FRONT_FIELDS).empty());

    d.designer.LoadTable(nullptr, Table::masterKind);
    d.AddField("title", 4);
    d.designer.ClearPage();
    EXPECT_EQ(nullptr, d.designer.GetTable());
    EXPECT_FALSE(d.designer.IsNew());
    d.host.calls.clear();
    d.designer.ReloadPage();
    EXPECT_EQ(std::vector<CString>{"BaseModule"},
              d.states.GetItems(TableDesigner::IDC_FOREIGN_MODULE));
    EXPECT_EQ(0, d.states.GetSelection(TableDesigner::IDC_FOREIGN_MODULE));
    d.designer.Cancel();
    EXPECT_EQ(std::vector<CString>{"start page"}, d.host.calls);
}

TEST(TableDesignerTest, ToolTipsTakeTheConsecutiveStringResourcesOfTheStringTable)
{
    const std::vector<ToolTip>& tips = TableDesigner::ToolTips();
    ASSERT_EQ(22u, tips.size());
    std::set<int> controls;
    for (std::size_t i = 0; i < tips.size(); ++i)
    {
        EXPECT_EQ(61461u + i, tips[i].stringId);
        EXPECT_EQ(CString(tips[i].text), LoadStringResource(tips[i].stringId));
        controls.insert(tips[i].controlId);
    }
    EXPECT_EQ(tips.size(), controls.size());
    EXPECT_EQ("Enter size of the fleld", LoadStringResource(61464));
}

TEST(TableDesignerTest, OkAsksAboutAFieldTypedAndNotAdded)
{
    const struct
    {
        const char* typed;
        int answer;
        std::vector<CString> fields; // empty: nothing stored
        Boxes boxes;
    } cases[] = {
        {"", IDYES, {"orders_id", "Is_Deleted", "title"}, {}},
        {"total", IDCANCEL, {}, {"The field \"total\" has not been added. Add it?"}},
        {"total",
         IDNO,
         {"orders_id", "Is_Deleted", "title"},
         {"The field \"total\" has not been added. Add it?"}},
        {"total",
         IDYES,
         {"orders_id", "Is_Deleted", "title", "total"},
         {"The field \"total\" has not been added. Add it?"}},
        {"a b",
         IDYES,
         {},
         {"The field \"a b\" has not been added. Add it?", "Gap(s) in field name. Please check."}},
    };
    for (const auto& each : cases)
    {
        Designer d;
        d.designer.LoadTable(nullptr, Table::masterKind);
        d.states.SetText(TableDesigner::IDC_TABLE_NAME, "Orders");
        d.AddField("title", 4);
        d.states.SetText(TableDesigner::IDC_FIELD_NAME, each.typed);
        d.designer.ChooseType(4);
        ScriptedMessageBoxes boxes{each.answer, IDOK};
        d.designer.Ok(true);
        EXPECT_EQ(Texts(boxes), each.boxes) << each.typed;
        std::vector<CString> fields;
        if (const Table* table = d.open.project.FindTableByName("orders"))
            for (const Field* field : table->GetFields())
                fields.push_back(field->GetFieldName());
        EXPECT_EQ(fields, each.fields) << each.typed;
    }
}

TEST(TableDesignerTest, EveryBoxOfThePanelChangedIsAskedAboutBeforeItIsLeft)
{
    const struct
    {
        const char* box;
        std::function<void(Designer&)> change;
        std::function<bool(const Field&)> taken;
    } cases[] = {
        {"none", [](Designer&) {}, [](const Field&) { return true; }},
        {"size", [](Designer& d) { d.states.SetText(TableDesigner::IDC_SIZE, "120"); },
         [](const Field& f) { return f.GetSize() == 120; }},
        {"allow null", [](Designer& d) { d.states.SetCheck(TableDesigner::IDC_ALLOW_NULL, true); },
         [](const Field& f) { return f.IsAllowNull(); }},
        {"display name",
         [](Designer& d) { d.states.SetText(TableDesigner::IDC_DISPLAY_NAME, "Town"); },
         [](const Field& f) { return f.GetDisplayName() == "Town"; }},
        {"default value",
         [](Designer& d) { d.states.SetText(TableDesigner::IDC_DEFAULT_VALUE, "Rome"); },
         [](const Field& f) { return f.GetDefaultValue() == "Rome"; }},
        {"type", [](Designer& d) { d.designer.ChooseType(1); },
         [](const Field& f) { return f.GetTypeCode() == 1; }},
    };
    const Boxes question = {"The field \"city\" has not been updated. Update it?"};
    for (const auto& each : cases)
    {
        SCOPED_TRACE(each.box);
        const bool changed = std::string(each.box) != "none";
        Designer d;
        Table* customer = d.StoreCustomer();
        d.designer.LoadTable(customer, customer->GetKind());
        d.designer.LoadRow(3);
        each.change(d);
        {
            // Another row is not loaded over the change on Cancel.
            ScriptedMessageBoxes boxes{IDCANCEL};
            d.designer.LoadRow(2);
            EXPECT_EQ(changed ? question : Boxes{}, Texts(boxes));
            EXPECT_EQ(changed ? 3 : 2, d.designer.GetSelectedRow());
            d.designer.LoadRow(3);
        }
        ScriptedMessageBoxes boxes{IDYES};
        d.designer.Ok(true);
        EXPECT_EQ(changed ? question : Boxes{}, Texts(boxes));
        EXPECT_TRUE(each.taken(*customer->GetFieldAt(3)));
    }
}
