#include "entities/ChangeEventHandle.h"
#include "entities/ClassInvokation.h"
#include "entities/LinkControl.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/EventRecmpFields.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "tests/model/ModelBuilders.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{

// A FieldRepData record of the control kind with every item its gates allow set: files before
// 50 hold a single link (null when asked) and files before 51 old recompute lists; columns below
// 40 become 35.
std::vector<RecordPart> DataParts(int kind, bool nullLink = false)
{
    const ArchiveBytes link =
        ArchiveBytes().NewClass("LinkControl").Int(LinkControl::Center).Null().Str("Back");
    const ArchiveBytes events =
        ArchiveBytes().Int(1).NewClass("EventRecmpFields").Int(EventRecmpFields::OnBlur).Int(0);
    const ArchiveBytes head =
        ArchiveBytes().Null().Null().Null().Null().Str("Yes,No").Str("Pick").Int(kind).Int(20);
    return {Always(ArchiveBytes(head).Str("Y,N").Int(3).Int(1)),
            Until(50, ArchiveBytes().Int(1).Null()),
            Always(ArchiveBytes().Int(0)),
            After(24, ArchiveBytes().Int(6).Int(20).Int(60), ArchiveBytes().Int(4).Int(35).Int(40),
                  ArchiveBytes().Int(6).Int(35).Int(60)),
            Until(49, nullLink ? ArchiveBytes().Null() : link,
                  nullLink ? ArchiveBytes().Int(0) : ArchiveBytes().Int(1).Append(link).Int(0)),
            After(49, ArchiveBytes()
                          .Int(1)
                          .NewClass("LinkControl")
                          .Int(LinkControl::Left)
                          .Null()
                          .Str("Next")
                          .Int(1)
                          .Null()
                          .Null()),
            Between(49, 50,
                    ArchiveBytes()
                        .Int(2)
                        .Null()
                        .NewClass("ProcedureInvokation")
                        .Null()
                        .Int(0)
                        .Int(0)
                        .Null()
                        .Null()),
            Until(50, {}, ArchiveBytes().Int(0)),
            Between(50, 66, events, ArchiveBytes(events).Int(0)),
            After(66, ArchiveBytes(events).Int(0)),
            After(57, ArchiveBytes().Int(1), ArchiveBytes().Int(0)),
            After(59, ArchiveBytes().Int(1), ArchiveBytes().Int(0)),
            After(61, ArchiveBytes().Int(1), ArchiveBytes().Int(0)),
            After(65, ArchiveBytes().Null(), ArchiveBytes().Null()),
            After(82, ArchiveBytes().Int(1), ArchiveBytes().Int(0))};
}
} // namespace

// The same bytes again prove the references and lists were read back in place; the plain items
// are checked against hand-built bytes below.
TEST(FieldRepDataRecordTest, RoundTripOfReferencesAndListsWritesTheSameBytesAgain)
{
    ScopedArchiveVersion version(CurrentVersion());
    Field front;
    front.SetFieldName("name");
    front.SetDisplayName("Name");
    Field back;
    back.SetFieldName("id");
    back.SetDisplayName("Id");
    Variable variable;
    variable.SetName("city");

    FieldRepData data;
    data.SetFrontField(&front);
    data.SetBackField(&back);
    data.SetVariable(&variable);
    data.SetDataProcedure(new ProcedureInvokation);
    data.SetDataCall(new ClassInvokation);
    data.AddChangeEventHandle(new ChangeEventHandle);
    data.AddLinkControl(NewLink("FIND"));
    data.AddLinkControl(NewLink("ADD"));
    auto* events = new EventRecmpFields;
    events->SetEventKind(EventRecmpFields::OnClick);
    data.AddEventRecmpFields(events);

    const std::vector<BYTE> bytes = SaveObject(&data);
    std::unique_ptr<FieldRepData> loaded(LoadObject<FieldRepData>(bytes));
    ASSERT_NE(nullptr, loaded);
    std::unique_ptr<Field> loadedFront(loaded->GetFrontField());
    std::unique_ptr<Field> loadedBack(loaded->GetBackField());
    std::unique_ptr<Variable> loadedVariable(loaded->GetVariable());

    ASSERT_NE(nullptr, loadedFront);
    EXPECT_EQ(CString("name"), loadedFront->GetFieldName());
    EXPECT_TRUE(loaded->GetLegacyRecomputes().empty());
    EXPECT_EQ(bytes, SaveObject(loaded.get()));
}

TEST(FieldRepDataRecordTest, CopyKeepsSettingsAndCallButNotVariableProcedureOrLists)
{
    Field front;
    Variable variable;
    FieldRepData source;
    source.SetFrontField(&front);
    source.SetVariable(&variable);
    source.SetDataProcedure(new ProcedureInvokation);
    source.SetDataCall(new ClassInvokation);
    source.SetCaption("Country");
    source.SetControlKind(FieldRepData::ComboBox);
    source.SetInternalSearch(true);
    source.SetSeparateRow(true);
    source.SetColumns(70);
    source.AddLinkControl(NewLink("Back"));
    source.AddEventRecmpFields(new EventRecmpFields);
    source.AddChangeEventHandle(new ChangeEventHandle);

    const FieldRepData copy(source);
    EXPECT_EQ(&front, copy.GetFrontField());
    EXPECT_EQ(CString("Country"), copy.GetCaption());
    EXPECT_EQ(FieldRepData::ComboBox, copy.GetControlKind());
    EXPECT_TRUE(copy.GetInternalSearch());
    EXPECT_TRUE(copy.GetSeparateRow());
    EXPECT_EQ(70, copy.GetColumns());
    ASSERT_NE(nullptr, copy.GetDataCall());
    EXPECT_NE(source.GetDataCall(), copy.GetDataCall());
    EXPECT_EQ(nullptr, copy.GetVariable());
    EXPECT_EQ(nullptr, copy.GetDataProcedure());
    EXPECT_TRUE(copy.GetLinkControls().empty());
    EXPECT_TRUE(copy.GetEventRecmpFieldsList().empty());
    EXPECT_TRUE(copy.GetChangeEventHandles().empty());
}

TEST(FieldRepDataRecordTest, VersionGates)
{
    ExpectRecordVersions<FieldRepData>("FieldRepData", DataParts(0));
}

// Files before 61 have the captions of combo boxes converted; a null single link gives no link.
TEST(FieldRepDataRecordTest, ComboCaptionsAreConvertedBeforeVersion61Only)
{
    for (int kind : {FieldRepData::ComboBox, FieldRepData::MultipleComboBox})
    {
        SCOPED_TRACE(kind);
        ReadAtEveryGate<FieldRepData>(
            "FieldRepData", DataParts(kind, true),
            [kind](FieldRepData& data, int version)
            {
                EXPECT_EQ(version > 60, data.GetSelectAllCaption()) << version;
                EXPECT_EQ(version > 60 || kind == FieldRepData::ComboBox, data.GetNoneCaption())
                    << version;
                EXPECT_EQ(version > 49 ? 1u : 0u, data.GetLinkControls().size()) << version;
            });
    }
}

TEST(EventRecmpFieldsRecordTest, RoundTripKeepsBothRecomputeListsInOrderAndTheirSharing)
{
    ScopedArchiveVersion version(CurrentVersion());
    FieldRep first;
    FieldRep second;
    ClassInvokation call;
    EventRecmpFields events;
    events.SetEventKind(EventRecmpFields::OnChange);
    events.AddProcedureRecompute(&first, new ProcedureInvokation);
    events.AddProcedureRecompute(&second, nullptr);
    events.AddClassRecompute(&second);
    events.AddClassRecompute(&first);
    events.GetClassRecomputes()[1]->classInvokation = &call;

    const std::vector<BYTE> bytes = SaveObject(&events);
    std::unique_ptr<EventRecmpFields> loaded(LoadObject<EventRecmpFields>(bytes));
    ASSERT_EQ(2u, loaded->GetProcedureRecomputes().size());
    ASSERT_EQ(2u, loaded->GetClassRecomputes().size());
    std::unique_ptr<FieldRep> loadedFirst(loaded->GetProcedureRecomputes()[0]->fieldRep);
    std::unique_ptr<FieldRep> loadedSecond(loaded->GetProcedureRecomputes()[1]->fieldRep);
    std::unique_ptr<ClassInvokation> loadedCall(loaded->GetClassRecomputes()[1]->classInvokation);

    EXPECT_EQ(loadedSecond.get(), loaded->GetClassRecomputes()[0]->fieldRep);
    EXPECT_EQ(loadedFirst.get(), loaded->GetClassRecomputes()[1]->fieldRep);
    EXPECT_EQ(bytes, SaveObject(loaded.get()));
}

TEST(EventRecmpFieldsRecordTest, VersionGates)
{
    ExpectRecordVersions<EventRecmpFields>(
        "EventRecmpFields",
        {Always(ArchiveBytes().Int(EventRecmpFields::OnClick).Int(1).Null().Null()),
         After(66, ArchiveBytes().Int(1).Null().Null(), ArchiveBytes().Int(0))});
}

TEST(EventRecmpFieldsRecordTest, CopyTakesTheEventKindOnly)
{
    FieldRep rep;
    EventRecmpFields source;
    source.SetEventKind(EventRecmpFields::OnBlur);
    source.AddProcedureRecompute(&rep, new ProcedureInvokation);
    source.AddClassRecompute(&rep);
    const EventRecmpFields copy(source);
    EXPECT_EQ(EventRecmpFields::OnBlur, copy.GetEventKind());
    EXPECT_TRUE(copy.GetProcedureRecomputes().empty());
    EXPECT_TRUE(copy.GetClassRecomputes().empty());
}
