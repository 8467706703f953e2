#include "entities/ProcedureFieldInfo.h"
#include "gen_classic/ProcedureCallText.h"
#include "model/Field.h"
#include "model/FieldVisibility.h"
#include "model/TextFile.h"
#include "model/VisibilityData.h"
#include "tests/gen_classic/ClassicPageFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// The procedure-call text of the action pages: text types quoted through SingleQuoteToDouble,
// dates through ConvertDate inside it, numbers bare, and a call without values still closed.
TEST(QueryTextTest, ValueTermsByFieldType)
{
    const struct
    {
        const char* name;
        std::vector<int> types;
        const char* expected;
    } cases[] = {
        {"varchar then int: three lines",
         {FieldTypeVarchar, FieldTypeInt},
         "\tstrQry = \"PRC_t_Insert \" & _\n"
         "\t\t\t\" '\" &SingleQuoteToDouble(v0) &\"', \" & _\n"
         "\t\t\t\" \" &(v1) &\"\"\n"},
        {"a date goes through ConvertDate inside the quoting",
         {FieldTypeDateTime},
         "\tstrQry = \"PRC_t_Insert \" & _\n"
         "\t\t\t\" '\" &SingleQuoteToDouble(ConvertDate(v0)) &\"'\"\n"},
        {"national text and money",
         {FieldTypeNVarchar, FieldTypeMoney, FieldTypeText},
         "\tstrQry = \"PRC_t_Insert \" & _\n"
         "\t\t\t\" '\" &SingleQuoteToDouble(v0) &\"', \" & _\n"
         "\t\t\t\" \" &(v1) &\", \" & _\n"
         "\t\t\t\" '\" &SingleQuoteToDouble(v2) &\"'\"\n"},
        {"no values", {}, "\tstrQry = \"PRC_t_Insert \" & _\n\t\t\t\"\"\n"},
    };
    for (const auto& each : cases)
    {
        std::vector<Field> fields(each.types.size());
        TextFile out = Collector();
        QueryText query(out, 1, 3, "PRC_t_Insert");
        for (std::size_t i = 0; i < fields.size(); ++i)
        {
            fields[i].SetType(each.types[i]);
            query.AddTerm(&fields[i], ("v" + std::to_string(i)).c_str());
        }
        query.Close();
        EXPECT_EQ(out.GetBuffer().str(), each.expected) << each.name;
    }
}
} // namespace

namespace
{
// The lookup block of a field filled from a procedure: the procedure's field parameters that
// are not invisible on the page file make the condition and the arguments, text quoted.
TEST(FieldLookupTest, ConditionAndArgumentsFollowTheVisibleParameters)
{
    const struct
    {
        const char* name;
        std::vector<int> hidden;
        const char* expected;
    } cases[] = {
        {"both parameters",
         {},
         "\n\tIF\torders_code <> \"\" AND _\norders_qty <> \"\" \tthen\n"
         "\tset rsStrQry1 = Server.CreateObject(\"ADODB.Recordset\")\n"
         "\tif orders_qty <> \"\" and not (isNumeric(orders_qty) and InStr(orders_qty, \",\") = 0) "
         "then orders_qty = \"NULL\"\n"
         "\tstrQry1 = \"PRC_price \" & _\n"
         "\t\t\t\"'\" & SingleQuoteToDouble(orders_code) & \"'\" & \",\" & _\n"
         "\t\t\torders_qty\n"
         "\trsStrQry1.Open strQry1, glb_con,1,2 \n"
         "\tprice = rsStrQry1(\"price\")\n"
         "\tend if \n"},
        {"an invisible parameter is left out",
         {0},
         "\n\tIF\torders_qty <> \"\" \tthen\n"
         "\tset rsStrQry1 = Server.CreateObject(\"ADODB.Recordset\")\n"
         "\tif orders_qty <> \"\" and not (isNumeric(orders_qty) and InStr(orders_qty, \",\") = 0) "
         "then orders_qty = \"NULL\"\n"
         "\tstrQry1 = \"PRC_price \" & _\n"
         "\t\t\torders_qty\n"
         "\trsStrQry1.Open strQry1, glb_con,1,2 \n"
         "\tprice = rsStrQry1(\"price\")\n"
         "\tend if \n"},
        {"no visible parameter calls the procedure unconditionally",
         {0, 1},
         "\n\tIF\ttrue\tthen\n"
         "\tset rsStrQry1 = Server.CreateObject(\"ADODB.Recordset\")\n"
         "\tstrQry1 = \"PRC_price \"\n"
         "\trsStrQry1.Open strQry1, glb_con,1,2 \n"
         "\tprice = rsStrQry1(\"price\")\n"
         "\tend if \n"},
    };
    for (const auto& each : cases)
    {
        ClassicPageFixture form;
        const std::vector<Field*> parameters{form.AddField("code", FieldTypeVarchar),
                                             form.AddField("qty", FieldTypeInt)};
        Field* price = form.AddField("price", FieldTypeMoney);
        Procedure* lookup = form.AddProcedure("PRC_price");
        for (Field* parameter : parameters)
        {
            auto* own = new Variable;
            own->SetName("PRC_" + parameter->GetFieldName());
            lookup->AddFieldParameterPair(parameter, own);
        }
        auto* call = new ProcedureInvokation;
        call->SetProcedure(lookup);
        auto* data = new VisibilityData;
        data->SetDataProcedure(call);
        ProcedureFieldInfo result(price, ProcedureFieldInfo::noAggregate);
        data->SetResultField(&result);
        auto* visibility = new FieldVisibility(price);
        visibility->SetVisibilityData(data);
        AspFile* file = form.File(1);
        file->AddFieldVisibility(visibility);
        for (int index : each.hidden)
        {
            auto* invisible = new FieldVisibility(parameters[index]);
            invisible->SetVisibilityKind(FieldVisibility::Invisible);
            file->AddFieldVisibility(invisible);
        }
        TextFile out = Collector();
        FieldLookupWriter lookups(file, out);
        lookups.Write(parameters[0], "code", nullptr, 0);
        lookups.Write(price, "price", form.AddControl(price, FieldRepData::TextBox), 0);
        EXPECT_EQ(out.GetBuffer().str(), each.expected) << each.name;
    }
}
} // namespace
