#pragma once

#include "entities/FormInterface.h"
#include "entities/ProcedureInvokation.h"
#include "model/EntityUsageSet.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ProjectDiagnostics.h"
#include "model/Table.h"
#include "tests/entities/PageTestSupport.h"

#include <gtest/gtest.h>

// Each test of the page operations records into a usage set of its own and starts with empty
// error, warning and ignored-warning lists; the previous lists come back afterwards.
class PageOperationsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_savedLists = TheProjectDiagnostics().GetTextLists();
        TheProjectDiagnostics().ClearAll();
        TheProjectDiagnostics().PushUsageSet();
    }

    void TearDown() override
    {
        TheProjectDiagnostics().PopUsageSet();
        TheProjectDiagnostics().SetTextLists(m_savedLists);
    }

    static EntityUsageSet& UsageSet() { return TheProjectDiagnostics().GetCurrentUsageSet(); }
    static const std::vector<CString>& Errors() { return TheProjectDiagnostics().GetErrors(); }
    static const std::vector<CString>& Warnings() { return TheProjectDiagnostics().GetWarnings(); }

    // A control on the page showing the field, with empty data.
    static FieldRep* AddControl(FormInterface& page, Field* field)
    {
        auto* rep = new FieldRep(field);
        rep->AttachFieldRepData(new FieldRepData);
        page.AddFieldRep(rep);
        return rep;
    }

private:
    ProjectDiagnostics::TextLists m_savedLists;
};

// A call of the procedure without variable pairs.
inline ProcedureInvokation* CallOfProcedure(Procedure* procedure)
{
    auto* call = new ProcedureInvokation;
    call->SetProcedure(procedure);
    return call;
}

// A page named "Orders" beside the table "orders" with its key column and a field Price.
template <class Page> class OrdersPageTest : public PageOperationsTest
{
protected:
    OrdersPageTest()
    {
        m_page.SetName("Orders");
        m_table.SetTableName("orders");
        m_key = NewField("orders_id", &m_table, true);
        m_price = NewField("Price", &m_table);
    }

    Table m_table;
    Field* m_key;
    Field* m_price;
    Page m_page;
};
