#include "model/EventRecmpFields.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
// A control of the kind on a field of the name, or on no field when name is null.
struct Control
{
    Control(int kind, const char* fieldName, const char* caption = "")
    {
        auto* data = new FieldRepData;
        data->SetControlKind(kind);
        data->SetCaption(caption);
        rep.AttachFieldRepData(data);
        if (fieldName != nullptr)
        {
            field.SetFieldName(fieldName);
            rep.SetField(&field);
        }
    }

    Field field;
    FieldRep rep;
};

std::vector<CString> Split(const char* text)
{
    FieldRepData data;
    data.SetDisplayTexts(text);
    std::vector<CString> texts;
    std::vector<CString> values;
    data.GetHardCodedStrings(texts, values);
    return texts;
}

EventRecmpFields* NewEventList(int eventKind)
{
    auto* list = new EventRecmpFields;
    list->SetEventKind(eventKind);
    return list;
}
} // namespace

TEST(FieldRepControlIdTest, IdIsThePrefixAndTheFieldNameOrCaptionWithBlanksAsUnderscores)
{
    EXPECT_EQ(CString("chk_Is_Active"),
              Control(FieldRepData::CheckBox, "Is Active").rep.GetControlId());
    EXPECT_EQ(CString("Is_Active"), Control(FieldRepData::Hidden, "Is Active").rep.GetControlId());
    EXPECT_EQ(CString("lst_city"), Control(FieldRepData::ComboBox, "city").rep.GetControlId());
    EXPECT_EQ(CString("btn_Save_All"),
              Control(FieldRepData::Button, nullptr, "Save All").rep.GetControlId());

    Control unknown(16, "city");
    EXPECT_EQ(CString("city"), unknown.rep.GetControlId());
    EXPECT_TRUE(unknown.rep.GetControlTypeName().IsEmpty());
    EXPECT_TRUE(FieldRep::GetControlPrefix(-1).IsEmpty());

    FieldRep withoutData(&unknown.field);
    EXPECT_TRUE(withoutData.GetControlId().IsEmpty());
    EXPECT_TRUE(withoutData.GetControlTypeName().IsEmpty());
    EXPECT_EQ(nullptr, withoutData.GetDefaultEventRecmpFields());
}

TEST(FieldRepControlIdTest, KindsShareNamesPrefixesAndDefaultEventsAsTabled)
{
    EXPECT_EQ(CString("Multiple Combo Box"),
              Control(FieldRepData::MultipleComboBox, "f").rep.GetControlTypeName());
    EXPECT_EQ(CString("FileUpload"),
              Control(FieldRepData::FileUpload, "f").rep.GetControlTypeName());
    EXPECT_EQ(CString("file_"), FieldRep::GetControlPrefix(FieldRepData::FileUpload));
    EXPECT_EQ(CString("lst_"), FieldRep::GetControlPrefix(FieldRepData::Year));
    EXPECT_EQ(CString("txt_"), FieldRep::GetControlPrefix(FieldRepData::EditableTextBox));
    EXPECT_EQ(EventRecmpFields::NoEvent,
              FieldRepData::GetDefaultEventKind(FieldRepData::DateControl));
    EXPECT_EQ(EventRecmpFields::OnClick, FieldRepData::GetDefaultEventKind(FieldRepData::Button));
    EXPECT_EQ(EventRecmpFields::OnChange,
              FieldRepData::GetDefaultEventKind(FieldRepData::DateTime));
    EXPECT_EQ(EventRecmpFields::OnChange, FieldRepData::GetDefaultEventKind(99));
}

TEST(FieldRepControlIdTest, DefaultEventListIsTheFirstListOfTheKindsDefaultEvent)
{
    Control radio(FieldRepData::RadioButton, "answer");
    FieldRepData* data = radio.rep.GetFieldRepData();
    EventRecmpFields* change = NewEventList(EventRecmpFields::OnChange);
    EventRecmpFields* firstClick = NewEventList(EventRecmpFields::OnClick);
    data->AddEventRecmpFields(change);
    data->AddEventRecmpFields(firstClick);
    data->AddEventRecmpFields(NewEventList(EventRecmpFields::OnClick));

    EXPECT_EQ(firstClick, radio.rep.GetDefaultEventRecmpFields());
    EXPECT_EQ(CString("OnClick"), firstClick->GetEventName());
    change->SetEventKind(EventRecmpFields::NoEvent);
    EXPECT_TRUE(change->GetEventName().IsEmpty());
    change->SetEventKind(EventRecmpFields::OnChange);
    EXPECT_EQ(change, data->FindEventRecmpFields(EventRecmpFields::OnChange));
    EXPECT_EQ(nullptr, data->FindEventRecmpFields(EventRecmpFields::OnBlur));

    data->SetControlKind(FieldRepData::Hidden);
    EXPECT_EQ(nullptr, radio.rep.GetDefaultEventRecmpFields());
}

TEST(FieldRepControlIdTest, HardCodedStringsAppendAndKeepBlanksAfterACommaAndTrimTheEnd)
{
    FieldRepData data;
    data.SetDisplayTexts("Yes,No");
    data.SetStoredValues("Y,N");
    std::vector<CString> texts{"kept"};
    std::vector<CString> values;
    data.GetHardCodedStrings(texts, values);
    EXPECT_EQ((std::vector<CString>{"kept", "Yes", "No"}), texts);
    EXPECT_EQ((std::vector<CString>{"Y", "N"}), values);

    EXPECT_EQ((std::vector<CString>{"a", " b", " c"}), Split("a, b, c  "));
    EXPECT_EQ((std::vector<CString>{" a  "}), Split(" a  "));
    EXPECT_EQ((std::vector<CString>{""}), Split(""));
    EXPECT_EQ((std::vector<CString>{",a,b"}), Split(",a,b"));
    EXPECT_EQ((std::vector<CString>{"a", ",b"}), Split("a,,b"));
    EXPECT_EQ((std::vector<CString>{"a", ""}), Split("a,"));
}
