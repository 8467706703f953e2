#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/Function.h"
#include "entities/ProcedureFieldInfo.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"
#include "model/Module.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

namespace
{
Field MakeTypedField(int typeCode, int size, const char* displayName = "Shown")
{
    Field field;
    field.Set("col", displayName, typeCode, size, 0, nullptr, "", false, false, false, false,
              false);
    return field;
}

// The control kind SetFieldRepData chooses for a field of the type and size.
int KindFor(int typeCode, int size)
{
    Field field = MakeTypedField(typeCode, size);
    FieldRep rep(&field);
    rep.SetFieldRepData(new FieldRepData);
    return rep.GetFieldRepData()->GetControlKind();
}

// A project whose one module holds a lookup table "country" and a table
// "city" with a foreign key to the country's key; the country's data class gets a
// "SelectAllRecords" function on request. The project is the open one while it lives.
class FieldRepLookupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_module = NewModule("Base", 0);
        m_project.AddModule(m_module);
        m_country = NewTable("country");
        m_module->AppendMasterTable(m_country);
        m_countryKey = m_country->GetPrimaryKeyField();
        m_city = NewTable("city");
        m_module->AppendMasterTable(m_city);
        m_countryRef = AddVarcharField(m_city, "country_id", m_countryKey);
        m_countryRef->SetType(FieldTypeInt);
        m_previous = MainFrameAccess::SetProjectSource([this] { return &m_project; });
    }

    void TearDown() override { MainFrameAccess::SetProjectSource(m_previous); }

    // The country's data class with a function of the name whose outputs are the fields.
    Function* AddCountryFunction(const char* name, std::initializer_list<Field*> outputs)
    {
        Class* dataClass = m_module->GetClassForTable(m_country, true);
        auto* function = new Function;
        function->SetName(name);
        function->SetClass(dataClass);
        function->SetTable(m_country);
        for (Field* output : outputs)
            function->AddOutputField(
                new ProcedureFieldInfo(output, ProcedureFieldInfo::noAggregate));
        dataClass->AddFunction(function);
        return function;
    }

    // A control on the city's foreign key with fresh data, marked as added by a sync.
    FieldRepData* AttachToForeignKey(FieldRep& rep)
    {
        auto* data = new FieldRepData;
        data->SetAddedBySync(true);
        rep.SetFieldRepData(data);
        return data;
    }

    ForgeonProject m_project;
    Module* m_module = nullptr;
    Table* m_country = nullptr;
    Field* m_countryKey = nullptr;
    Table* m_city = nullptr;
    Field* m_countryRef = nullptr;
    MainFrameAccess::ProjectSource m_previous;
};

TEST(FieldRepSettingsTest, ControlKindFollowsTheFieldType)
{
    EXPECT_EQ(FieldRepData::DateControl, KindFor(FieldTypeDateTime, 8));
    EXPECT_EQ(FieldRepData::TextBox, KindFor(FieldTypeVarchar, 100));
    EXPECT_EQ(FieldRepData::TextArea, KindFor(FieldTypeVarchar, 101));
    EXPECT_EQ(FieldRepData::TextArea, KindFor(FieldTypeText, 16));
    EXPECT_EQ(FieldRepData::TextArea, KindFor(FieldTypeNVarchar, 10));
    EXPECT_EQ(FieldRepData::TextArea, KindFor(FieldTypeNText, 16));
    EXPECT_EQ(FieldRepData::TextBox, KindFor(FieldTypeInt, 4));
    EXPECT_EQ(FieldRepData::TextBox, KindFor(FieldTypeChar, 500));
    EXPECT_EQ(FieldRepData::TextBox, KindFor(FieldTypeMoney, 8));
}

TEST(FieldRepSettingsTest, MaxLengthIsTheSizeAndOnlyAnEmptyCaptionTakesTheDisplayName)
{
    Field field = MakeTypedField(FieldTypeVarchar, 75, "Full Name");
    FieldRep fresh(&field);
    fresh.SetFieldRepData(new FieldRepData);
    EXPECT_EQ(75, fresh.GetFieldRepData()->GetMaxLength());
    EXPECT_EQ(CString("Full Name"), fresh.GetFieldRepData()->GetCaption());

    FieldRep captioned(&field);
    auto* data = new FieldRepData;
    data->SetCaption("Name");
    captioned.SetFieldRepData(data);
    EXPECT_EQ(CString("Name"), data->GetCaption());
    captioned.SetFieldRepData(nullptr);
    EXPECT_EQ(nullptr, captioned.GetFieldRepData());
}

TEST(FieldRepSettingsTest, ReapplyingTheOwnDataResetsTheKindButWithoutFieldOnlyAttaches)
{
    Field field = MakeTypedField(FieldTypeDateTime, 8);
    FieldRep rep(&field);
    auto* data = new FieldRepData;
    rep.SetFieldRepData(data);
    data->SetControlKind(FieldRepData::Month);
    rep.SetFieldRepData(rep.GetFieldRepData());
    ASSERT_EQ(data, rep.GetFieldRepData());
    EXPECT_EQ(FieldRepData::DateControl, data->GetControlKind());

    FieldRep variableControl;
    auto* variableData = new FieldRepData;
    variableData->SetControlKind(FieldRepData::CheckBox);
    variableControl.SetFieldRepData(variableData);
    EXPECT_EQ(variableData, variableControl.GetFieldRepData());
    EXPECT_EQ(FieldRepData::CheckBox, variableData->GetControlKind());
    EXPECT_EQ(0, variableData->GetMaxLength());
    EXPECT_TRUE(variableData->GetCaption().IsEmpty());
}

TEST_F(FieldRepLookupTest, ForeignKeyBecomesAComboBoxFilledBySelectAllRecords)
{
    Field* name = AddVarcharField(m_country, "name");
    name->SetFrontField(true);
    Function* selectAll = AddCountryFunction("selectallrecords", {m_countryKey, name});

    FieldRep rep(m_countryRef);
    FieldRepData* data = AttachToForeignKey(rep);

    EXPECT_EQ(FieldRepData::ComboBox, data->GetControlKind());
    ASSERT_NE(nullptr, data->GetDataCall());
    EXPECT_EQ(selectAll, data->GetDataCall()->GetFunction());
    EXPECT_EQ(m_module->GetClassForTable(m_country, false), data->GetDataCall()->GetClass());
    EXPECT_EQ(m_countryKey, data->GetBackField());
    EXPECT_EQ(name, data->GetFrontField());
    EXPECT_FALSE(data->IsAddedBySync());
}

TEST_F(FieldRepLookupTest, WithoutFrontFieldTheFirstVarcharResultOtherThanTheKeyIsShown)
{
    Field* code = AddVarcharField(m_country, "code");
    code->SetType(FieldTypeInt);
    Field* name = AddVarcharField(m_country, "name");
    m_countryKey->SetType(FieldTypeVarchar);
    AddCountryFunction("SelectAllRecords", {m_countryKey, code, name});

    FieldRep rep(m_countryRef);
    FieldRepData* data = AttachToForeignKey(rep);
    EXPECT_EQ(m_countryKey, data->GetBackField());
    EXPECT_EQ(name, data->GetFrontField());

    name->SetType(FieldTypeInt);
    rep.SetFieldRepData(rep.GetFieldRepData());
    EXPECT_EQ(nullptr, data->GetFrontField());
}

TEST_F(FieldRepLookupTest, NoLookupWithoutSelectAllRecordsForeignKeyFlagOrOpenProject)
{
    FieldRep withoutClass(m_countryRef);
    EXPECT_EQ(nullptr, AttachToForeignKey(withoutClass)->GetDataCall());

    AddCountryFunction("SelectRecord", {m_countryKey});
    FieldRep withoutSelectAll(m_countryRef);
    FieldRepData* kept = AttachToForeignKey(withoutSelectAll);
    EXPECT_EQ(FieldRepData::TextBox, kept->GetControlKind());
    EXPECT_EQ(nullptr, kept->GetDataCall());
    EXPECT_EQ(nullptr, kept->GetBackField());
    EXPECT_TRUE(kept->IsAddedBySync());

    AddCountryFunction("SelectAllRecords", {m_countryKey});
    m_countryRef->SetForeignKey(false);
    FieldRep withoutFlag(m_countryRef);
    EXPECT_EQ(nullptr, AttachToForeignKey(withoutFlag)->GetDataCall());
    m_countryRef->SetForeignKey(true);

    MainFrameAccess::SetProjectSource({});
    FieldRep withoutProject(m_countryRef);
    FieldRepData* data = AttachToForeignKey(withoutProject);
    EXPECT_EQ(nullptr, data->GetDataCall());
    EXPECT_EQ(FieldRepData::TextBox, data->GetControlKind());
}

TEST_F(FieldRepLookupTest, ProjectFindsTheClassOfATableInAnyModuleAndCreatesOneOnRequest)
{
    Module* second = NewModule("Second", 1);
    m_project.AddModule(second);
    Table* other = NewTable("other");
    second->AppendMasterTable(other);

    EXPECT_EQ(nullptr, m_project.GetClassForTable(other, false));
    Class* created = m_project.GetClassForTable(other, true);
    ASSERT_NE(nullptr, created);
    EXPECT_EQ(CString("_other"), created->GetFieldName());
    EXPECT_EQ(other, created->GetTable());
    EXPECT_EQ(created, m_project.GetClassForTable(other, false));
    EXPECT_EQ(nullptr, m_project.GetClassForTable(nullptr, true));
}

} // namespace
