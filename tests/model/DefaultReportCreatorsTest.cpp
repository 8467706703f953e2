#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/MapForm.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/TableAdapter.h"
#include "entities/Transaction.h"
#include "entities/XSDInfo.h"
#include "model/ProjectSettings.h"
#include "model/RDLCCreator.h"
#include "model/TableFormCreator.h"
#include "model/TransactionDataCreator.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
Field* AddField(Table* table, const char* name, int type, Field* foreign = nullptr,
                bool allowNull = true)
{
    auto* field = new Field;
    field->Set(name, name, type, 50, 0, foreign, "", false, foreign != nullptr, allowNull, false,
               false);
    field->SetTable(table);
    table->AddField(field);
    return field;
}

std::vector<std::string> AsStdStrings(const std::vector<CString>& names)
{
    return {names.begin(), names.end()};
}

std::vector<std::string> FieldListNames(const std::vector<Field*>& fields)
{
    std::vector<std::string> names;
    for (const Field* field : fields)
        names.push_back(field->GetFieldName().str());
    return names;
}

// The report's description and data set, which the report does not delete.
// "employee" with a date, a required and a nullable foreign key to "dept" (display field
// dept_name), whose class has the default functions, in a project with settings.
class DefaultReportCreatorsTest : public ::testing::Test
{
protected:
    DefaultReportCreatorsTest()
    {
        m_open.Project().SetProjectSettings(new ProjectSettings);
        m_dept = NewTable("dept", Table::masterKind, {"dept_name"});
        m_dept->FindFieldByName("dept_name")->SetFrontField(true);
        m_employee = NewTable("employee", Table::masterKind, {"name"});
        AddField(m_employee, "born", FieldTypeDateTime);
        AddField(m_employee, "dept_id", FieldTypeInt, m_dept->GetPrimaryKeyField(), false);
        AddField(m_employee, "boss_dept_id", FieldTypeInt, m_dept->GetPrimaryKeyField(), true);
        Base().AddTable(m_dept);
        Base().AddTable(m_employee);
        Base().AddDefaultClassFunctions(Base().GetClassForTable(m_employee, true));
    }

    Module& Base() { return m_open.Base(); }

    OpenBaseModuleProject m_open;
    Table* m_dept = nullptr;
    Table* m_employee = nullptr;
};

// The report, its description and its adapter's select command: one join per foreign key with
// the aliases tbl0 and tbl1 (INNER for a required key, LEFT OUTER for a nullable one), dates
// converted by the style the lower-cased date format picks.
TEST_F(DefaultReportCreatorsTest, RDLCReportReadsTheTableWithOneJoinPerForeignKey)
{
    const struct
    {
        const char* dateFormat;
        const char* style;
    } cases[] = {{"dd/mm/yyyy", "103"}, {"DD/MM/YYYY", "103"}, {"mm/dd/yyyy", "101"}};
    for (const auto& c : cases)
    {
        m_open.Project().SetDateFormat(c.dateFormat);
        RDLCCreator(m_employee, &m_open.Project()).CreateReport();
        RDLCReport* report = Base().FindRDLCReportByName("employee_rdlc");
        ASSERT_NE(nullptr, report);
        report->SetName(c.dateFormat);

        EXPECT_EQ(CString("EMPLOYEE REPORT"), report->GetHeader());
        EXPECT_EQ(0, report->GetMode());
        EXPECT_EQ(m_employee, report->GetTable());
        EXPECT_EQ(CString("BaseModule\\RDLCs\\employee_SelectAllRecords.rdlc"),
                  report->GetRDLCInfo()->GetName());
        const RDLCDataSetEntry& entry = report->GetRDLCInfo()->GetEntries().at(0);
        EXPECT_EQ(CString("employee_SelectAllRecords"), entry.m_dataSetName);
        EXPECT_EQ(CString("employeeTableAdapter"), entry.m_tableAdapterName);
        EXPECT_EQ(CString("employee"), entry.m_tableName);
        EXPECT_EQ(CString("BaseModule\\DataSets\\employee_SelectAllRecords.xsd"),
                  report->GetXSDInfo()->GetName());
        const TableAdapter* adapter =
            report->GetXSDInfo()->FindTableAdapter("employeeTableAdapter");
        ASSERT_NE(nullptr, adapter);
        EXPECT_EQ(CString("Text"), adapter->GetCommandType());
        const std::string style = c.style;
        EXPECT_EQ(
            "SELECT employee.employee_id, employee.name, CONVERT(varchar(10), employee.born, " +
                style +
                ") AS born, employee.dept_id, tbl0.dept_name AS dept_id_, "
                "employee.boss_dept_id, tbl1.dept_name AS boss_dept_id_ FROM employee "
                "INNER JOIN dept tbl0 ON employee.dept_id = tbl0.dept_id LEFT OUTER JOIN "
                "dept tbl1 ON employee.boss_dept_id = tbl1.dept_id WHERE "
                "employee.Is_Deleted = 'N'",
            adapter->GetCommandText().str())
            << c.dateFormat;
        EXPECT_EQ(
            (std::vector<std::string>{"employee_id", "name", "born", "dept_id_", "boss_dept_id_"}),
            AsStdStrings(adapter->GetColumnNames()));
    }
    // The project owns every description the creator made.
    EXPECT_EQ(3u, m_open.Project().GetRDLCInfos().size());
    EXPECT_EQ(3u, m_open.Project().GetXSDInfos().size());
}

// Without a class the files are named after the table and the adapter reads "SELECT  *" with
// no columns; a master-detail table has no Is_Deleted condition.
TEST_F(DefaultReportCreatorsTest, RDLCReportOfATableWithoutClassSelectsEverything)
{
    Table* line = NewTable("line_basic", Table::masterDetailKind);
    Base().AddTable(line);
    for (Table* table : {m_dept, line})
        RDLCCreator(table, &m_open.Project()).CreateReport();

    const RDLCReport* dept = Base().FindRDLCReportByName("dept_rdlc");
    const RDLCReport* basic = Base().FindRDLCReportByName("line_basic_rdlc");
    ASSERT_NE(nullptr, dept);
    ASSERT_NE(nullptr, basic);
    EXPECT_EQ(CString("BaseModule\\DataSets\\dept_SelectAllRecords.xsd"),
              dept->GetXSDInfo()->GetName());
    const TableAdapter* adapter = dept->GetXSDInfo()->GetTableAdapters().at(0);
    EXPECT_EQ(CString("SELECT  * FROM dept WHERE Is_Deleted = 'N'"), adapter->GetCommandText());
    EXPECT_TRUE(adapter->GetColumnNames().empty());
    EXPECT_EQ(CString("SELECT  * FROM line_basic"),
              basic->GetXSDInfo()->GetTableAdapters().at(0)->GetCommandText());
}

// CreateAll makes the form, the search report and the RDLC report of a master table.
TEST_F(DefaultReportCreatorsTest, TableFormCreatorMakesFormSearchReportAndRDLCReport)
{
    TableFormCreator(m_employee, &m_open.Project()).CreateAll();

    EXPECT_NE(nullptr, Base().FindMasterFormForTable(m_employee));
    EXPECT_NE(nullptr, Base().FindReportByName("employee Report"));
    RDLCReport* report = Base().FindRDLCReportByName("employee_rdlc");
    ASSERT_NE(nullptr, report);
    EXPECT_EQ(&Base(), report->GetModule());
}

// A map table's fields other than key and Is_Deleted go to the top list, its last field to
// the bottom list; the map form keeps the underscores of its caption and gets the search
// report of the table.
TEST_F(DefaultReportCreatorsTest, MapPagesSortTheFieldsIntoTopAndBottomLists)
{
    Table* staff = NewTable("dept_staff", Table::mapKind);
    AddField(staff, "dept_id", FieldTypeInt, m_dept->GetPrimaryKeyField(), false);
    AddField(staff, "employee_id", FieldTypeInt, m_employee->GetPrimaryKeyField(), false);
    Base().AddTable(staff);
    Base().AddDefaultClassFunctions(Base().GetClassForTable(staff, true));

    TableFormCreator(staff, &m_open.Project()).CreateMapPages();

    MapForm* mapForm = Base().FindMapFormByTable(staff);
    ASSERT_NE(nullptr, mapForm);
    EXPECT_EQ(CString("dept_staff_form"), mapForm->GetFormName());
    EXPECT_EQ(CString("dept_staff Form"), mapForm->GetHeader());
    EXPECT_EQ(std::vector<std::string>{"dept_id"}, FieldListNames(mapForm->GetTopFields()));
    EXPECT_EQ(std::vector<std::string>{"employee_id"}, FieldListNames(mapForm->GetBottomFields()));
    ApplicationReport* report = mapForm->GetReport();
    ASSERT_NE(nullptr, report);
    EXPECT_EQ(CString("dept_staff Report"), report->GetFormName());
    // The module does not list it; the project frees it.
    EXPECT_TRUE(Base().GetReports().empty());
}

// AsStdStrings derived from the basic table: each "_basic" (or else "_Basic") replaced.
TEST_F(DefaultReportCreatorsTest, TransactionCreatorDerivesItsNamesFromTheBasicTable)
{
    const struct
    {
        const char* basic;
        const char* detail;
        const char* foreignKey;
        const char* transaction;
    } cases[] = {{"sale_basic", "sale_detail", "sale_id", "sale"},
                 {"Order_Basic", "order_detail", "Order_id", "Order"},
                 {"a_basic_basic", "a_detail_detail", "a_id_id", "a"}};
    for (const auto& c : cases)
    {
        Table* basic = NewTable(c.basic, Table::masterDetailKind);
        Base().AddTable(basic);
        TransactionDataCreator creator(basic, &m_open.Project());
        Table* detail = creator.CreateDetailTable();
        Transaction* transaction = creator.CreateTransaction();
        ASSERT_NE(nullptr, detail);
        ASSERT_NE(nullptr, transaction);
        EXPECT_EQ(CString(c.detail), detail->GetTableName());
        EXPECT_EQ(Table::masterDetailKind, detail->GetKind());
        const Field* link = detail->FindFieldByName(c.foreignKey);
        ASSERT_NE(nullptr, link) << c.foreignKey;
        EXPECT_EQ(basic->GetPrimaryKeyField(), link->GetForeignField());
        EXPECT_FALSE(link->IsAllowNull());
        EXPECT_EQ(CString(c.transaction), transaction->GetFormName());
        EXPECT_EQ(basic, transaction->GetBasicTable());
        EXPECT_EQ(std::vector<Table*>{detail}, transaction->GetDetailTables());
        EXPECT_EQ(&Base(), transaction->GetModule());
    }
}

// The detail step run twice adds no second table and no second foreign key; a table of
// another kind with the derived name is not reused.
TEST_F(DefaultReportCreatorsTest, DetailTableAndItsForeignKeyAreMadeOnce)
{
    Table* sameName = NewTable("sale_detail", Table::masterKind);
    Base().AddTable(sameName);
    Table* basic = NewTable("sale_basic", Table::masterDetailKind);
    Base().AddTable(basic);

    Table* first = TransactionDataCreator(basic, &m_open.Project()).CreateDetailTable();
    const std::size_t fieldCount = first->GetFields().size();
    Table* second = TransactionDataCreator(basic, &m_open.Project()).CreateDetailTable();

    EXPECT_NE(sameName, first);
    EXPECT_EQ(first, second);
    EXPECT_EQ(fieldCount, second->GetFields().size());
    EXPECT_EQ((std::vector<std::string>{"sale_detail_id", "sale_id"}),
              FieldListNames(second->GetFields()));
    EXPECT_EQ(2u, Base().GetTransactionTables().size());
}

// The whole sequence: classes with their default functions, search report and RDLC report.
TEST_F(DefaultReportCreatorsTest, TransactionCreatorMakesClassesAndReports)
{
    Table* basic = NewTable("sale_basic", Table::masterDetailKind);
    Base().AddTable(basic);

    TransactionDataCreator(basic, &m_open.Project()).CreateAll();

    const Transaction* transaction = Base().FindTransactionByName("sale");
    ASSERT_NE(nullptr, transaction);
    for (Table* table : {basic, transaction->GetDetailTables().at(0)})
    {
        const Class* dataClass = Base().GetClassForTable(table, false);
        ASSERT_NE(nullptr, dataClass);
        EXPECT_NE(nullptr, dataClass->FindFunctionByName("SelectAllRecords"));
    }
    EXPECT_NE(nullptr, Base().FindReportByName("sale_basic Report"));
    RDLCReport* report = Base().FindRDLCReportByName("sale_basic_rdlc");
    ASSERT_NE(nullptr, report);
    EXPECT_EQ(-1,
              report->GetXSDInfo()->GetTableAdapters().at(0)->GetCommandText().Find("Is_Deleted"));
}

// A master-detail table without "_basic" in its name would be its own detail table: the
// creator says so and leaves the table and the module as they were.
TEST_F(DefaultReportCreatorsTest, ABasicTableNamedLikeADetailTableIsRefusedAndKeptAsItIs)
{
    Table* table = NewTable("Line_Detail", Table::masterDetailKind, {"amount"});
    Base().AddTable(table);
    const std::vector<std::string> fields = FieldListNames(table->GetFields());

    ScriptedMessageBoxes boxes;
    TransactionDataCreator(table, &m_open.Project()).CreateAll();
    EXPECT_EQ(nullptr, TransactionDataCreator(table, &m_open.Project()).CreateDetailTable());

    EXPECT_EQ(boxes.ShownTexts(),
              std::vector<std::string>{"The table Line_Detail has no _basic in its name and "
                                       "would become its own detail table: no master-detail "
                                       "page is made for it."});
    EXPECT_EQ(CString("Line_Detail"), table->GetTableName());
    EXPECT_EQ(fields, FieldListNames(table->GetFields()));
    EXPECT_EQ(std::vector<Table*>{table}, Base().GetTransactionTables());
    EXPECT_TRUE(Base().GetTransactions().empty());
    EXPECT_TRUE(Base().GetReports().empty());
    EXPECT_TRUE(Base().GetRDLCReports().empty());
}

} // namespace
