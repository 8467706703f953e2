// The walk of the strings a project file stores: it sees every string slot of every record class
// as a load reads it, and a payload put into chosen slots is what the loaded objects hold.
#include "tests/support/StoredStrings.h"
#include "model/ForgeonProject.h"
#include "model/ProjectStore.h"
#include "platform/core/CArchive.h"
#include "platform/core/CFile.h"
#include "platform/core/CObject.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "platform/core/Types.h"
#include "tests/model/EveryClassProject.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace
{
std::vector<BYTE> EveryClassFile()
{
    const EveryClassProject built;
    return SaveObject(built.GetProject());
}

// Reads the object the bytes hold with a bare archive and frees what it made.
void ReadAndFree(const std::vector<BYTE>& bytes)
{
    CMemFile file(bytes);
    CArchive ar(&file, CArchive::load);
    ar.ReadObject(nullptr);
    FreeLoadedObjects(ar);
}

// The file of the project that opening the bytes makes, saved again.
std::vector<BYTE> OpenedAndSaved(const std::vector<BYTE>& bytes)
{
    ScriptedMessageBoxes boxes;
    ProjectStore store;
    EXPECT_TRUE(store.RestoreProject(bytes));

    return SaveObject(store.GetProject());
}
} // namespace

TEST(StoredStringsTest, TheProjectOfEveryClassHoldsEveryStringSlotOfEveryRecordClass)
{
    const ScopedArchiveVersion version{CurrentVersion()};
    const std::vector<BYTE> bytes = EveryClassFile();
    const std::set<StringSlot> walked = SlotsOf(ListStoredStrings([&] { ReadAndFree(bytes); }));
    std::set<std::string> classesWithStrings;
    for (const StringSlot& slot : walked)
        classesWithStrings.insert(slot.className);
    EXPECT_GE(classesWithStrings.size(), 30u);

    EXPECT_FALSE(classesWithStrings.contains("")) << "a string outside every record";
    // A default object of each class stores no string its populated objects do not.
    for (const CRuntimeClass* runtimeClass : CRuntimeClass::RegisteredClasses())
    {
        const std::unique_ptr<CObject> object(runtimeClass->CreateObject());
        const std::vector<BYTE> alone = SaveObject(object.get());
        for (const StoredString& string : ListStoredStrings([&] { ReadAndFree(alone); }))
        {
            if (string.slot.className == runtimeClass->m_lpszClassName &&
                classesWithStrings.contains(string.slot.className))
            {
                EXPECT_TRUE(walked.contains(string.slot)) << string.slot.Describe();
            }
        }
    }
}

TEST(StoredStringsTest, APayloadInChosenSlotsIsWhatTheOpenedProjectHoldsThere)
{
    const ScopedArchiveVersion version{CurrentVersion()};
    const std::vector<BYTE> bytes = EveryClassFile();
    const std::vector<StoredString> before = ListStoredStrings([&] { ReadAndFree(bytes); });
    // The form headers and the captions of the controls' settings: texts that reach pages.
    const auto chosen = [](const StringSlot& slot) {
        return slot == StringSlot{"Form", 1} || slot == StringSlot{"FieldRepData", 1};
    };
    const CString payload = "x\"<y>\xE2\x80\xA8z";
    std::vector<BYTE> opened;
    {
        const StoredStringPayload load(chosen, payload);
        opened = OpenedAndSaved(bytes);
    }
    const std::vector<StoredString> after = ListStoredStrings([&] { ReadAndFree(opened); });
    std::set<StringSlot> carrying;
    for (const StoredString& string : after)
    {
        if (string.value == payload.str())
            carrying.insert(string.slot);
    }
    std::set<StringSlot> expected;
    for (const StoredString& string : before)
    {
        if (chosen(string.slot))
            expected.insert(string.slot);
    }
    EXPECT_EQ(2u, expected.size());
    EXPECT_EQ(expected, carrying);
    // Every object's string of those slots carries it.
    EXPECT_EQ(std::count_if(before.begin(), before.end(),
                            [&](const StoredString& string) { return chosen(string.slot); }),
              std::count_if(after.begin(), after.end(),
                            [&](const StoredString& string)
                            { return string.value == payload.str(); }));
}
