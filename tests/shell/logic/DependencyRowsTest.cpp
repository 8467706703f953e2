#include "shell/logic/DependencyRows.h"
#include "model/DependenciesDlg.h"

#include <gtest/gtest.h>

TEST(DependencyRowsTest, EachRecordIsARowTickedWithTheNameOfItsKind)
{
    const char* const names[] = {"Table",       "App Report",       "Form",
                                 "Transaction", "Dash Board",       "Menu",
                                 "Map Table",   "Dash Board Pages", "Multi Page Report",
                                 "Procedure",   "Designation"};
    for (int kind = 0; kind < 11; ++kind)
        EXPECT_EQ(DependencyKindName(kind), names[kind]);
    for (int kind : {-1, 11, 99})
        EXPECT_EQ(DependencyKindName(kind), "--") << kind;

    DependencyRecord customer{"customer", "Base", 1, DependencyRecord::kTable, false};
    DependencyRecord clerk{"clerk", "Sales", 2, DependencyRecord::kRole, false};
    EXPECT_EQ(DependencyRowsOf({&customer, &clerk}),
              (std::vector<DependencyRow>{{true, "customer", "Table", "Base"},
                                          {true, "clerk", "Designation", "Sales"}}));
}
