#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "model/Field.h"

#include <gtest/gtest.h>

#include <utility>

namespace
{
// Checks each text against the procedure.
void ExpectMatches(const Procedure& procedure,
                   std::initializer_list<std::pair<const char*, bool>> cases)
{
    for (const auto& [sql, expected] : cases)
        EXPECT_EQ(expected, procedure.MatchesSelectColumns(sql)) << sql;
}
} // namespace

TEST(ProcedureSelectCheckTest, ColumnListMustNameEveryOutputColumnByDisplayName)
{
    Field a;
    a.SetFieldName("a");
    Field b;
    b.SetFieldName("b");
    Procedure procedure;
    procedure.AddOutputField(&a);
    procedure.AddOutputColumn(new ProcedureFieldInfo(&b, ProcedureFieldInfo::sumAggregate));
    ExpectMatches(procedure, {
                                 // No column list to check.
                                 {"", true},
                                 {"select a from t", true},
                                 {"SELECT * FROM t", true},
                                 {"SELECT t.*, x FROM t", true},
                                 {"SELECT x", true},
                                 {"SELECT x from t", true},
                                 // Order, qualifiers and white space do not matter.
                                 {"SELECT t.a, b_Sum FROM t", true},
                                 {"-- list\nSELECT b_Sum,\n\t a FROM t WHERE a = 1", true},
                                 // Count or names differ.
                                 {"SELECT a FROM t", false},
                                 {"SELECT a, b FROM t", false},
                                 {"SELECT a, B_SUM FROM t", false},
                                 {"SELECT a, b_Sum, FROM t", false},
                                 {"SELECT dbo.t.a, b_Sum FROM t", false},
                                 // Aliases are part of the column.
                                 {"SELECT a, SUM(b) AS b_Sum FROM t", false},
                                 {"SELECT a AS a, b_Sum FROM t", false},
                                 // Nested selects: cut at the first FROM, every SELECT removed.
                                 {"SELECT a, b_Sum FROM (SELECT a, b FROM t) x", true},
                                 {"SELECT a, SELECT b_Sum FROM (SELECT x FROM t) q", true},
                                 {"SELECT a, (SELECT b_Sum FROM t) FROM u", false},
                                 {"WITH q AS (SELECT a, b_Sum FROM t) SELECT x", true},
                             });
    b.SetFieldName("Amount AS Total");
    procedure.GetOutputColumnAt(1)->SetAggregate(ProcedureFieldInfo::noAggregate);
    ExpectMatches(procedure, {{"SELECT a, t.Amount AS Total FROM t", true}});
}

TEST(ProcedureSelectCheckTest, EachCommaEndsOneColumn)
{
    Field id;
    id.SetFieldName("id");
    Field customerId;
    customerId.SetFieldName("customer_id");
    Procedure procedure;
    procedure.AddOutputField(&id);
    procedure.AddOutputField(&customerId);
    ExpectMatches(procedure, {{"SELECT id,customer_id FROM c", true},
                              {"SELECT customer_id,id FROM c", true},
                              {"SELECT id,customer_id, FROM c", false}});
    Procedure fieldless;
    fieldless.AddOutputColumn(new ProcedureFieldInfo);
    ExpectMatches(fieldless, {{"SELECT  FROM t", true}, {"SELECT a FROM t", false}});
}
