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

TEST(VersionHistoryTest, CurrentVersionIsTheLastEntry)
{
    EXPECT_EQ(87, VersionHistory().GetCurrentVersion());
    EXPECT_EQ(87, TheVersionHistory().GetCurrentVersion());
    EXPECT_EQ(5, VersionHistory({{1, "a"}, {5, "b"}}).GetCurrentVersion());
}

TEST(VersionHistoryTest, EmptyTableHasNoCurrentVersion)
{
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
    EXPECT_EQ(nullptr, FindEntry(history, 24));
    EXPECT_EQ(nullptr, FindEntry(history, 37));
    EXPECT_EQ(nullptr, FindEntry(history, 39));
}

TEST(VersionHistoryTest, NotesAreKeptVerbatim)
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
}

TEST(VersionHistoryTest, SharedNotesAndDistinctDates)
{
    const VersionHistory history;
    EXPECT_EQ(FindEntry(history, 13)->note, FindEntry(history, 14)->note);
    EXPECT_EQ(FindEntry(history, 25)->note, FindEntry(history, 26)->note);
    EXPECT_EQ(FindEntry(history, 28)->note, FindEntry(history, 29)->note);
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

TEST(VersionHistoryTest, ArchiveVersionIsUnsetUntilSetAndKeepsTheLastValue)
{
    VersionHistory history;
    EXPECT_EQ(-1, history.GetArchiveVersion());
    history.SetArchiveVersion(60);
    EXPECT_EQ(60, history.GetArchiveVersion());
    history.SetArchiveVersion(history.GetCurrentVersion());
    EXPECT_EQ(87, history.GetArchiveVersion());
}

TEST(VersionHistoryTest, GlobalTableIsOneInstance)
{
    EXPECT_EQ(&TheVersionHistory(), &TheVersionHistory());
}
