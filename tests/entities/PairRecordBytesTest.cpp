// The records that pair variables (and a field) in every list that holds them: saved they give
// the bytes of tests/data/entities/pair-records, and those bytes load into lists that save to
// the same bytes again.
#include "entities/DashBoardCellInfo.h"
#include "entities/DashBoardPageData.h"
#include "entities/DetailTableReport.h"
#include "entities/Form.h"
#include "entities/LinkControl.h"
#include "entities/MultiPageData.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/ProjectStore.h"
#include "tests/entities/PageTestSupport.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/HostFiles.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <ostream>
#include <string>

namespace
{
namespace fs = std::filesystem;

// Two variables and a field the records point at; the records own none of them.
struct PairTargets
{
    PairTargets()
    {
        first.SetName("customer_id");
        second.SetName("id");
        field.SetFieldName("customer");
        field.SetDisplayName("Customer");
    }

    Variable first;
    Variable second;
    Field field;
};

struct PairRecordCase
{
    const char* name;
    // An object whose pair lists hold a full entry, half-filled ones and, where the list
    // allows it, an empty slot.
    std::function<CObject*(PairTargets&)> make;
    // The entries of the loaded object's lists, null ones counted as such.
    std::function<std::string(const CObject&)> describe;
    const char* loaded;

    friend void PrintTo(const PairRecordCase& pairCase, std::ostream* out)
    {
        *out << pairCase.name;
    }
};

template <class T> std::string Slot(const T* entry)
{
    return entry == nullptr ? "null " : "pair ";
}

template <class List> std::string Slots(const List& list)
{
    std::string text;
    for (const auto* entry : list)
        text += Slot(entry);
    return text;
}

const PairRecordCase pairRecordCases[] = {
    {"ProcedureInvokation",
     [](PairTargets& t) -> CObject*
     {
         auto* call = new ProcedureInvokation;
         call->AddVariablePair(new VariablePair{&t.first, &t.second});
         call->AddVariablePair(nullptr);
         call->AddVariablePair(new VariablePair{nullptr, &t.first});
         call->AddVariablePair(new VariablePair{nullptr, nullptr});
         return call;
     },
     [](const CObject& object)
     { return Slots(static_cast<const ProcedureInvokation&>(object).GetVariablePairs()); },
     "pair null pair null "},
    {"LinkControl",
     [](PairTargets& t) -> CObject*
     {
         auto* link = new LinkControl;
         link->SetCaption("Open");
         link->AddVariableMap(new LinkVariableMap{&t.first, &t.second});
         link->AddVariableMap(nullptr);
         link->AddVariableMap(new LinkVariableMap{&t.second, nullptr});
         return link;
     },
     [](const CObject& object)
     { return Slots(static_cast<const LinkControl&>(object).GetVariableMaps()); },
     "pair null pair "},
    {"DetailTableReport",
     [](PairTargets& t) -> CObject*
     {
         auto* report = new DetailTableReport;
         report->AddVariablePair(new ReportVariableMap{&t.first, &t.second});
         report->AddVariablePair(nullptr);
         report->AddVariablePair(new ReportVariableMap{nullptr, &t.first});
         return report;
     },
     [](const CObject& object)
     { return Slots(static_cast<const DetailTableReport&>(object).GetVariablePairs()); },
     "pair null pair "},
    {"MultiPageData",
     [](PairTargets& t) -> CObject*
     {
         auto* page = new MultiPageData;
         page->AddParameterPair(new VariablePair{&t.first, &t.second});
         page->AddParameterPair(new VariablePair{nullptr, nullptr});
         page->AddFieldMap(new MultiPageFieldMap{&t.first, &t.second, &t.field});
         page->AddFieldMap(new MultiPageFieldMap{nullptr, nullptr, nullptr});
         return page;
     },
     [](const CObject& object)
     {
         const auto& page = static_cast<const MultiPageData&>(object);
         return Slots(page.GetParameterPairs()) + "/ " + Slots(page.GetFieldMaps());
     },
     "pair pair / pair pair "},
    {"DashBoardPageData",
     [](PairTargets& t) -> CObject*
     {
         auto* placement = new DashBoardPageData;
         placement->AddVariablePair(new VariablePair{&t.second, &t.first});
         placement->AddVariablePair(new VariablePair{nullptr, nullptr});
         placement->AddVariableMap(new DashBoardVariableMap{&t.first, nullptr, &t.field});
         placement->AddVariableMap(new DashBoardVariableMap{&t.second, &t.first, nullptr});
         return placement;
     },
     [](const CObject& object)
     {
         const auto& placement = static_cast<const DashBoardPageData&>(object);
         return Slots(placement.GetVariablePairs()) + "/ " + Slots(placement.GetVariableMaps());
     },
     "pair pair / pair pair "},
    {"DashBoardCellInfo",
     [](PairTargets& t) -> CObject*
     {
         auto* cell = new DashBoardCellInfo(false);
         cell->SetCaption("Orders");
         cell->AddVariableMap(new DashBoardVariableMap{&t.first, nullptr, &t.field});
         cell->AddVariableMap(new DashBoardVariableMap{&t.second, &t.first, nullptr});
         cell->AddVariableMap(new DashBoardVariableMap{nullptr, nullptr, nullptr});
         return cell;
     },
     [](const CObject& object)
     { return Slots(static_cast<const DashBoardCellInfo&>(object).GetVariableMaps()); },
     "pair pair pair "},
};

std::vector<BYTE> ExpectedBytes(const std::string& name)
{
    const std::string bytes =
        ReadHostFile(fs::path(WEAVO_TEST_DATA) / "entities" / "pair-records" / (name + ".bin"));
    return {bytes.begin(), bytes.end()};
}

class PairRecordBytesTest : public ::testing::TestWithParam<PairRecordCase>
{
protected:
    ScopedArchiveVersion m_version{CurrentVersion()};
};

TEST_P(PairRecordBytesTest, SavesTheKnownBytesAndReadsThemBackToTheSameBytes)
{
    PairTargets targets;
    const std::unique_ptr<CObject> object(GetParam().make(targets));
    const std::vector<BYTE> saved = SaveObject(object.get());
    const std::vector<BYTE> expected = ExpectedBytes(GetParam().name);
    ASSERT_FALSE(expected.empty());
    EXPECT_TRUE(saved == expected) << FirstDifference(expected, saved);

    CMemFile file(expected);
    CArchive ar(&file, CArchive::load);
    const CObject* loaded = ar.ReadObject(object->GetRuntimeClass());
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(GetParam().describe(*loaded), GetParam().loaded);
    const std::vector<BYTE> resaved = SaveObject(loaded);
    EXPECT_TRUE(resaved == expected) << FirstDifference(expected, resaved);
    FreeLoadedObjects(ar);
}

INSTANTIATE_TEST_SUITE_P(EveryPairList, PairRecordBytesTest, ::testing::ValuesIn(pairRecordCases),
                         [](const ::testing::TestParamInfo<PairRecordCase>& info)
                         { return info.param.name; });

} // namespace
