#include "entities/ChangeEventHandle.h"
#include "entities/ClassInvokation.h"
#include "entities/LinkControl.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/EventRecmpFields.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
// Items 1 to 11 of a FieldRepData record with null references, after its new-class tag.
ArchiveBytes& AppendDataHead(ArchiveBytes& bytes, int kind, bool selectAll)
{
    bytes.NewClass("FieldRepData").Null().Null().Null().Null().Str("Yes,No").Str("Pick");
    return bytes.Int(kind).Int(20).Str("Y,N").Int(3).Int(selectAll ? 1 : 0);
}

struct GatedItems
{
    bool addedBySync;
    bool noneCaption;
    bool internalSearch;
    bool separateRow;
};

// A whole FieldRepData record of a file of version 51 or later: no change handlers, no links,
// one event list of kind 2 and a null data call; the flags from the given items, each written
// only when the version holds it.
ArchiveBytes DataRecord(int version, int kind, bool selectAll, GatedItems items)
{
    ArchiveBytes bytes;
    AppendDataHead(bytes, kind, selectAll).Int(0).Int(6).Int(50).Int(60).Int(0);
    bytes.Int(1).NewClass("EventRecmpFields").Int(EventRecmpFields::OnBlur).Int(0);
    if (version > 66)
        bytes.Int(0);
    if (version > 57)
        bytes.Int(items.addedBySync ? 1 : 0);
    if (version > 59)
        bytes.Int(items.noneCaption ? 1 : 0);
    if (version > 61)
        bytes.Int(items.internalSearch ? 1 : 0);
    if (version > 65)
        bytes.Null();
    if (version > 82)
        bytes.Int(items.separateRow ? 1 : 0);
    return bytes;
}

LinkControl* NewLink(const char* caption)
{
    auto* link = new LinkControl;
    link->SetCaption(caption);
    return link;
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

TEST(FieldRepDataRecordTest, Version24KeepsTheDefaultAreaSizesAndANullSingleLinkGivesNoLinks)
{
    ArchiveBytes bytes;
    AppendDataHead(bytes, 0, false).Int(0).Int(0).Null();
    const auto data = ReadRecordAndSentinel<FieldRepData>(bytes, 24);
    EXPECT_EQ(4, data->GetRows());
    EXPECT_EQ(35, data->GetColumns());
    EXPECT_EQ(40, data->GetWidth());
    EXPECT_TRUE(data->GetLinkControls().empty());
}

TEST(FieldRepDataRecordTest, Version49ReadsLegacyRecomputesAndTheSingleLinkAsOnlyLink)
{
    const FieldRep rep;
    ArchiveBytes bytes;
    AppendDataHead(bytes, 0, true).Int(1).ObjectRef(2).Int(0).Int(5).Int(20).Int(30);
    bytes.NewClass("LinkControl").Int(LinkControl::Center).Null().Str("Back");
    // The control is class 1, object 2 of the archive.
    RecordReader reader(StoredThenHandBuilt({&rep}, bytes));
    std::unique_ptr<FieldRep> loadedRep(reader.Read<FieldRep>(CurrentVersion()));
    std::unique_ptr<FieldRepData> data(reader.Read<FieldRepData>(49));
    EXPECT_EQ(recordSentinel, reader.ReadInt());

    ASSERT_EQ(1u, data->GetLegacyRecomputes().size());
    EXPECT_EQ(loadedRep.get(), data->GetLegacyRecomputes()[0]);
    ASSERT_EQ(1u, data->GetLinkControls().size());
    EXPECT_EQ(CString("Back"), data->GetLinkControls()[0]->GetCaption());
    EXPECT_EQ(LinkControl::Center, data->GetLinkControls()[0]->GetAlignment());
    EXPECT_EQ(5, data->GetRows());
    EXPECT_EQ(35, data->GetColumns()) << "a columns value below 40 becomes 35";
    EXPECT_EQ(30, data->GetWidth());
    EXPECT_TRUE(data->GetSelectAllCaption()) << "only combo boxes are converted";
    EXPECT_FALSE(data->GetNoneCaption());
    EXPECT_TRUE(data->GetEventRecmpFieldsList().empty());
}

TEST(FieldRepDataRecordTest, Version50ReadsLinkListAndConsumesTheRecomputePairs)
{
    ArchiveBytes bytes;
    AppendDataHead(bytes, FieldRepData::MultipleComboBox, true).Int(0).Int(0).Int(4).Int(40);
    // One link with one null map, then two pairs: one with an invocation, one all null.
    bytes.Int(40).Int(1).NewClass("LinkControl").Int(LinkControl::Left).Null().Str("Next");
    bytes.Int(1).Null().Null();
    bytes.Int(2).Null().NewClass("ProcedureInvokation").Null().Int(0).Int(0).Null().Null();
    const auto data = ReadRecordAndSentinel<FieldRepData>(bytes, 50);
    ASSERT_EQ(1u, data->GetLinkControls().size());
    const LinkControl* link = data->GetLinkControls()[0];
    EXPECT_EQ(CString("Next"), link->GetCaption());
    ASSERT_EQ(1u, link->GetVariableMaps().size());
    EXPECT_EQ(nullptr, link->GetVariableMaps()[0]);
    EXPECT_EQ(40, data->GetColumns());
    EXPECT_FALSE(data->GetSelectAllCaption());
    EXPECT_FALSE(data->GetNoneCaption());
    EXPECT_TRUE(data->GetEventRecmpFieldsList().empty());
}

TEST(FieldRepDataRecordTest,
     EveryItemIsReadInPlaceTrailingOnesFromTheirFirstVersionOnAndWrittenBack)
{
    const GatedItems stored{true, true, true, true};
    for (int version : {51, 57, 58, 59, 60, 61, 62, 65, 66, 67, 82, 83, CurrentVersion()})
    {
        const auto data =
            ReadRecordAndSentinel<FieldRepData>(DataRecord(version, 0, true, stored), version);
        ASSERT_NE(nullptr, data);
        EXPECT_EQ(version > 57, data->IsAddedBySync()) << "version " << version;
        EXPECT_EQ(version > 59, data->GetNoneCaption()) << "version " << version;
        EXPECT_EQ(version > 61, data->GetInternalSearch()) << "version " << version;
        EXPECT_EQ(version > 82, data->GetSeparateRow()) << "version " << version;
        EXPECT_TRUE(data->GetSelectAllCaption());
        EXPECT_EQ(CString("Yes,No"), data->GetDisplayTexts());
        EXPECT_EQ(CString("Pick"), data->GetCaption());
        EXPECT_EQ(20, data->GetMaxLength());
        EXPECT_EQ(CString("Y,N"), data->GetStoredValues());
        EXPECT_EQ(3, data->GetRange());
        EXPECT_EQ(6, data->GetRows());
        EXPECT_EQ(50, data->GetColumns());
        EXPECT_EQ(60, data->GetWidth());
        ASSERT_EQ(1u, data->GetEventRecmpFieldsList().size());
        EXPECT_EQ(EventRecmpFields::OnBlur, data->GetEventRecmpFieldsList()[0]->GetEventKind());
        if (version == CurrentVersion())
        {
            const ScopedArchiveVersion current(version);
            EXPECT_EQ(DataRecord(version, 0, true, stored).Get(), SaveObject(data.get()));
        }
    }
}

TEST(FieldRepDataRecordTest, ComboCaptionsAreConvertedBeforeVersion61Only)
{
    const GatedItems stored{false, false, false, false};
    const auto combo60 = ReadRecordAndSentinel<FieldRepData>(
        DataRecord(60, FieldRepData::ComboBox, true, stored), 60);
    EXPECT_FALSE(combo60->GetSelectAllCaption());
    EXPECT_TRUE(combo60->GetNoneCaption());
    const auto multiple60 = ReadRecordAndSentinel<FieldRepData>(
        DataRecord(60, FieldRepData::MultipleComboBox, true, {false, true, false, false}), 60);
    EXPECT_FALSE(multiple60->GetSelectAllCaption());
    EXPECT_FALSE(multiple60->GetNoneCaption());

    const auto combo61 = ReadRecordAndSentinel<FieldRepData>(
        DataRecord(61, FieldRepData::ComboBox, true, stored), 61);
    EXPECT_TRUE(combo61->GetSelectAllCaption());
    EXPECT_FALSE(combo61->GetNoneCaption());
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

TEST(EventRecmpFieldsRecordTest, Version66HasNoClassRecomputes)
{
    ArchiveBytes bytes;
    bytes.NewClass("EventRecmpFields").Int(EventRecmpFields::OnClick).Int(1).Null().Null();
    const auto events = ReadRecordAndSentinel<EventRecmpFields>(bytes, 66);
    EXPECT_EQ(EventRecmpFields::OnClick, events->GetEventKind());
    EXPECT_EQ(1u, events->GetProcedureRecomputes().size());
    EXPECT_TRUE(events->GetClassRecomputes().empty());
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
