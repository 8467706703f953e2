#include "model/VersionHistory.h"

#include <gtest/gtest.h>

#include <set>

namespace
{
const VersionEntry* FindEntry(const VersionHistory& history, int number)
{
    for (const VersionEntry& entry : history.GetEntries())
    {
        if (entry.number == number)
            return &entry;
    }
    return nullptr;
}
} // namespace

TEST(VersionHistoryTest, CurrentVersionIsTheLastEntryOrNoneForAnEmptyTable)
{
    EXPECT_EQ(87, VersionHistory().GetCurrentVersion());
    EXPECT_EQ(87, TheVersionHistory().GetCurrentVersion());
    EXPECT_EQ(5, VersionHistory({{1, "a"}, {5, "b"}}).GetCurrentVersion());
    EXPECT_EQ(-1, VersionHistory(std::vector<VersionEntry>()).GetCurrentVersion());
}

TEST(VersionHistoryTest, TableHas84AscendingEntriesWithoutGaps24_37_39)
{
    const VersionHistory history;
    const auto& entries = history.GetEntries();
    ASSERT_EQ(84u, entries.size());
    EXPECT_EQ(1, entries.front().number);
    for (std::size_t i = 1; i < entries.size(); ++i)
        EXPECT_LT(entries[i - 1].number, entries[i].number) << "at " << i;
    for (int missing : {24, 37, 39})
        EXPECT_EQ(nullptr, FindEntry(history, missing)) << missing;
}

TEST(VersionHistoryTest, NotesAreKeptVerbatimWithSharedNotesAndDistinctEarlyDates)
{
    const VersionHistory history;
    EXPECT_EQ("22Oct05", FindEntry(history, 1)->note);
    EXPECT_EQ("10Feb06", FindEntry(history, 30)->note);
    EXPECT_EQ("13Feb2006 Multipage Report is added", FindEntry(history, 31)->note);
    EXPECT_EQ("20November2006 Event Handeling of the controls of FieldReps",
              FindEntry(history, 51)->note);
    EXPECT_EQ("1December2006", FindEntry(history, 53)->note);
    EXPECT_EQ("RDLC Report added", FindEntry(history, 74)->note);
    EXPECT_EQ("17Oct2008 ProjectSettings modified", FindEntry(history, 87)->note);

    for (int first : {13, 25, 28})
        EXPECT_EQ(FindEntry(history, first)->note, FindEntry(history, first + 1)->note) << first;
    std::set<std::string> earlyNotes;
    for (const VersionEntry& entry : history.GetEntries())
    {
        if (entry.number <= 30)
        {
            EXPECT_EQ(7u, entry.note.size()) << entry.number;
            earlyNotes.insert(entry.note);
        }
    }
    EXPECT_EQ(26u, earlyNotes.size());
}

TEST(VersionHistoryTest, ArchiveVersionIsUnsetUntilSet)
{
    VersionHistory history;
    EXPECT_EQ(-1, history.GetArchiveVersion());
    history.SetArchiveVersion(60);
    EXPECT_EQ(60, history.GetArchiveVersion());
}
