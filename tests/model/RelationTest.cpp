#include "model/Relation.h"

#include "model/Field.h"
#include "model/Table.h"
#include "tests/support/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
// orders(orders_id, Is_Deleted, customer_id -> customers.customer_id) and
// customers(customer_id, Is_Deleted), joined on the two customer_id columns.
class RelationTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_customers.SetTableName("customers");
        m_customers.AddField(NewField("customer_id", nullptr));
        m_customers.EnsureDefaultFields();
        m_orders.SetTableName("orders");
        m_orders.AddField(NewField("customer_id", CustomerKey()));
        m_orders.EnsureDefaultFields();
        m_relation.SetFirstTable(&m_orders);
        m_relation.SetSecondTable(&m_customers);
        m_relation.AddJoinField(OrderCustomer());
        m_relation.AddJoinField(CustomerKey());
    }

    static Field* NewField(CString name, Field* foreign)
    {
        auto* field = new Field;
        field->Set(name, name, FieldTypeInt, 4, 0, foreign, CString(), false, foreign != nullptr,
                   false, false, false);
        return field;
    }
    Field* CustomerKey() const { return m_customers.FindFieldByName("customer_id"); }
    Field* OrderCustomer() const { return m_orders.FindFieldByName("customer_id"); }

    Table m_customers;
    Table m_orders;
    Relation m_relation;
};

TEST_F(RelationTest,
       JoinConditionFollowsTheForeignKeyInEitherDirectionAndDescriptionNamesTheJoinFields)
{
    EXPECT_EQ(CString("customers.customer_id=orders.customer_id"), m_relation.GetJoinCondition());
    Relation reversed;
    reversed.SetFirstTable(&m_customers);
    reversed.SetSecondTable(&m_orders);
    EXPECT_EQ(CString("customers.customer_id=orders.customer_id"), reversed.GetJoinCondition());

    OrderCustomer()->SetForeignKey(false);
    EXPECT_EQ(CString(), m_relation.GetJoinCondition());
    Relation onlyFirst;
    onlyFirst.SetFirstTable(&m_orders);
    EXPECT_EQ(CString(), onlyFirst.GetJoinCondition());

    EXPECT_EQ(CString("orders.customer_id AND customers.customer_id"), m_relation.GetDescription());
    EXPECT_EQ(CString("orders."), onlyFirst.GetDescription());
    EXPECT_EQ(CString(), Relation().GetDescription());
}

TEST_F(RelationTest, MembershipTestsCompareIdsAndTableOrder)
{
    EXPECT_EQ(CustomerKey(), m_relation.GetFieldAt(1));
    EXPECT_EQ(nullptr, m_relation.GetFieldAt(2));
    EXPECT_EQ(nullptr, m_relation.GetFieldAt(-1));
    EXPECT_TRUE(m_relation.ContainsField(CustomerKey()));
    const Field copyOfKey(*CustomerKey());
    EXPECT_FALSE(m_relation.ContainsField(&copyOfKey));
    EXPECT_TRUE(m_relation.InvolvesTable(&m_customers));
    EXPECT_FALSE(m_relation.InvolvesTable(nullptr));
    EXPECT_TRUE(m_relation.Joins(&m_orders, &m_customers));
    EXPECT_FALSE(m_relation.Joins(&m_customers, &m_orders));
    const Table other;
    EXPECT_EQ(CString(), m_relation.GetFieldNameInTable(&other));
}

TEST_F(RelationTest, SaveAndLoadShareTheJoinFieldsWithTheTables)
{
    ScopedArchiveVersion version(87);
    std::unique_ptr<Relation> loaded(LoadObject<Relation>(SaveObject(&m_relation)));
    std::unique_ptr<Table> orders(loaded->GetFirstTable());
    std::unique_ptr<Table> customers(loaded->GetSecondTable());
    ASSERT_EQ(2u, loaded->GetJoinFields().size());
    EXPECT_TRUE(orders->ContainsField(loaded->GetFieldAt(0)));
    EXPECT_TRUE(customers->ContainsField(loaded->GetFieldAt(1)));
    EXPECT_EQ(m_relation.GetDescription(), loaded->GetDescription());
    EXPECT_EQ(m_relation.GetJoinCondition(), loaded->GetJoinCondition());
}

} // namespace
