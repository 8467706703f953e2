// Every record class: a load reads exactly the bytes a save wrote, and what it read saves to the
// same bytes again, for default objects, for the objects of a populated project and for the
// values a damaged file can hold where a load branches on them.
#include "entities/BooleanTreeNode.h"
#include "model/FieldFilter.h"
#include "model/ProjectStore.h"
#include "platform/core/CFile.h"
#include "tests/model/EveryClassProject.h"
#include "tests/model/ProjectRecordBytes.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <climits>
#include <exception>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace
{
// What loading a record and saving what loaded gave.
struct Reload
{
    std::vector<BYTE> resaved;
    // Why the load failed or did not read exactly the record; empty when it did.
    std::string failure;
};

// Loads the record (an object of the class or a derived one) followed by a sentinel, expects the
// sentinel and then the end of the bytes, and saves what loaded. Everything the load created
// is freed.
Reload LoadAndSave(const std::vector<BYTE>& record, const CRuntimeClass* requested)
{
    Reload reload;
    CMemFile file(ArchiveBytes(record).Int(recordSentinel).Get());
    CArchive ar(&file, CArchive::load);
    try
    {
        CObject* loaded = ar.ReadObject(requested);
        int trailer = 0;
        ar >> trailer;
        BYTE extra = 0;
        if (trailer != recordSentinel || ar.Read(&extra, 1) != 0)
            reload.failure = "the load did not read exactly the bytes saved";
        reload.resaved = SaveObject(loaded);
    }
    catch (const std::exception& error)
    {
        reload.failure = error.what();
    }
    FreeLoadedObjects(ar);
    return reload;
}

// What a save writes is read exactly and saves to the same bytes.
void ExpectSymmetric(const CObject* object, const std::string& what)
{
    const std::vector<BYTE> saved = SaveObject(object);
    const Reload reload = LoadAndSave(saved, object->GetRuntimeClass());
    EXPECT_EQ("", reload.failure) << what;
    EXPECT_TRUE(saved == reload.resaved) << what << ": " << FirstDifference(saved, reload.resaved);
}

// For a value that a load replaces on purpose: what a save writes is read exactly, and what
// loaded reads exactly and saves to the same bytes again.
void ExpectStableAfterOneLoad(const CObject* object, const std::string& what)
{
    const Reload first = LoadAndSave(SaveObject(object), object->GetRuntimeClass());
    EXPECT_EQ("", first.failure) << what;
    const Reload second = LoadAndSave(first.resaved, object->GetRuntimeClass());
    EXPECT_EQ("", second.failure) << what;
    EXPECT_TRUE(first.resaved == second.resaved)
        << what << ": " << FirstDifference(first.resaved, second.resaved);
}

// The role counter a load raises, put back afterwards.
class RoleCounterSnapshot
{
public:
    RoleCounterSnapshot() = default;
    ~RoleCounterSnapshot() { Designation::SetIdCounter(m_counter); }
    RoleCounterSnapshot(const RoleCounterSnapshot&) = delete;
    RoleCounterSnapshot& operator=(const RoleCounterSnapshot&) = delete;

private:
    int m_counter = Designation::GetIdCounter();
};

std::vector<BYTE> EveryClassProjectFile()
{
    EveryClassProject built;
    // The built project starts in the state the load-time repairs leave.
    ProjectStore::FixUpLoadedProject(built.GetProject());
    return SaveObject(built.GetProject());
}

// The objects of the file of a project of every class, as a load leaves them; freed together.
class LoadedObjects
{
public:
    explicit LoadedObjects(const std::vector<BYTE>& bytes)
        : m_file(bytes), m_archive(&m_file, CArchive::load)
    {
        ForgeonProject* project = nullptr;
        m_archive >> project;
        for (CObject* object : m_archive.GetLoadedObjects())
            m_first.try_emplace(object->GetRuntimeClass()->m_lpszClassName, object);
    }
    ~LoadedObjects() { FreeLoadedObjects(m_archive); }
    LoadedObjects(const LoadedObjects&) = delete;
    LoadedObjects& operator=(const LoadedObjects&) = delete;

    // The first object of the class the file holds, or null.
    CObject* FirstOf(const std::string& className) const
    {
        const auto found = m_first.find(className);
        return found == m_first.end() ? nullptr : found->second;
    }
    // Every object of the class, in file order.
    template <class T> std::vector<T*> All() const
    {
        std::vector<T*> objects;
        for (CObject* object : m_archive.GetLoadedObjects())
        {
            if (auto* typed = dynamic_cast<T*>(object))
                objects.push_back(typed);
        }
        return objects;
    }

private:
    CMemFile m_file;
    CArchive m_archive;
    std::map<std::string, CObject*> m_first;
};

class RecordRoundTripTest : public ::testing::Test
{
protected:
    ScopedArchiveVersion m_version{CurrentVersion()};
    DiagnosticsSnapshot m_diagnostics;
    RoleCounterSnapshot m_roleCounter;
};

// Default objects whose load repairs them, with what it repairs; every other default object
// saves, loads and saves to the same bytes.
const std::map<std::string, std::string> repairedDefaults = {
    {"ForgeonProject", "a project without settings gets new ones"},
    {"MapForm", "a map form gets its report page files"},
    {"Table", "a table gets its key and soft-delete columns"},
    {"Transaction", "a transaction gets its default page files"},
};

// Classes the current layout never writes, so no project file holds them: their objects are
// built here. The page and menu bases stand only for their derived classes.
const std::set<std::string> unwrittenClasses = {"BooleanTreeNode", "FieldFilter", "FormInterface",
                                                "MenuInterface"};

TEST_F(RecordRoundTripTest, DefaultObjectOfEveryRegisteredClassReadsBackExactly)
{
    const std::vector<CRuntimeClass*> classes = CRuntimeClass::RegisteredClasses();
    EXPECT_EQ(62u, classes.size());
    for (const CRuntimeClass* runtimeClass : classes)
    {
        const std::string name = runtimeClass->m_lpszClassName;
        const std::unique_ptr<CObject> object(runtimeClass->CreateObject());
        ASSERT_NE(nullptr, object) << name;
        if (repairedDefaults.contains(name))
            ExpectStableAfterOneLoad(object.get(), name + " (" + repairedDefaults.at(name) + ")");
        else
            ExpectSymmetric(object.get(), name);
    }
}

TEST_F(RecordRoundTripTest, PopulatedObjectOfEveryRegisteredClassReadsBackExactly)
{
    const LoadedObjects loaded(EveryClassProjectFile());
    for (const CRuntimeClass* runtimeClass : CRuntimeClass::RegisteredClasses())
    {
        const std::string name = runtimeClass->m_lpszClassName;
        const CObject* object = loaded.FirstOf(name);
        EXPECT_EQ(unwrittenClasses.contains(name), object == nullptr) << name;
        if (object != nullptr)
            ExpectSymmetric(object, name);
    }

    Field field;
    field.SetFieldName("amount");
    field.SetDisplayName("Amount");
    Variable variable;
    FieldFilter filter;
    filter.SetField(&field);
    filter.SetComparisonKind(3);
    filter.SetVariable(&variable);
    ExpectSymmetric(&filter, "FieldFilter");
    BooleanTreeNode left;
    left.SetFilter(&filter);
    BooleanTreeNode right;
    right.SetOperator(2);
    BooleanTreeNode root;
    root.SetLeft(&left);
    root.SetRight(&right);
    root.SetOperator(1);
    ExpectSymmetric(&root, "BooleanTreeNode");
}

TEST_F(RecordRoundTripTest, PageFileOfAnyOwnerKindReadsBackWithOrWithoutItsPage)
{
    const std::vector<int> ownerKinds = {-1, 0, 1, 2,  3,  4,       5,      6,
                                         7,  8, 9, 10, 11, INT_MIN, INT_MAX};
    Menu menu;
    ReportField reportField;
    AspxFile alone;
    alone.AddLinkingItem(&menu);
    alone.AddLinkingItem(&reportField);
    alone.AddLinkingItem(nullptr);
    for (int kind : ownerKinds)
    {
        alone.SetOwnerKind(kind);
        ExpectSymmetric(&alone, "page file without page, owner kind " + std::to_string(kind));
    }

    // A file of each page class, with its page's owner kind and with kinds no page class has.
    const std::pair<int, const char*> pageClasses[] = {
        {AspFile::formOwner, "Form"},
        {AspFile::transactionOwner, "Transaction"},
        {AspFile::reportOwner, "ApplicationReport"},
        {AspFile::mapFormOwner, "MapForm"},
        {AspFile::dashBoardOwner, "DashBoard"},
        {AspFile::dashBoardPageOwner, "DashBoardPage"},
        {AspFile::loginPageOwner, "LoginPage"},
        {AspFile::multiPageReportOwner, "MultiPageReport"},
        {AspFile::reportCollectorOwner, "ReportCollector"},
        {AspFile::rdlcReportOwner, "RDLCReport"},
    };
    const LoadedObjects loaded(EveryClassProjectFile());
    for (const auto& [ownKind, className] : pageClasses)
    {
        auto* page = dynamic_cast<FormInterface*>(loaded.FirstOf(className));
        ASSERT_NE(nullptr, page) << className;
        if (page->GetAspFiles().empty())
        {
            auto* added = new AspxFile;
            added->SetOwnerKind(ownKind);
            added->SetOwnerPage(page);
            page->AddAspFile(added);
        }
        AspFile* file = page->GetAspFiles().front();
        ASSERT_EQ(ownKind, file->GetOwnerKind()) << className;
        for (int kind : {ownKind, -1, 10, INT_MAX})
        {
            file->SetOwnerKind(kind);
            ExpectSymmetric(file, std::string("page file of a ") + className + ", owner kind " +
                                      std::to_string(kind));
        }
        file->SetOwnerKind(ownKind);
    }
}

TEST_F(RecordRoundTripTest, GridCellOfAnyContentKindReadsBack)
{
    Field field;
    field.SetDisplayName("Amount");
    FieldRep control(&field);
    for (int kind : {GridCell::kFieldRep, GridCell::kDashBoardCellInfo, -1, 2, 99, INT_MAX})
    {
        GridCell empty(1, 2);
        empty.SetCellData(nullptr, kind);
        ExpectSymmetric(&empty, "empty cell, content kind " + std::to_string(kind));
    }
    GridCell withControl(0, 0);
    withControl.SetCellData(&control, GridCell::kFieldRep);
    ExpectSymmetric(&withControl, "cell of a control");
    GridCell withPanel(0, 1);
    withPanel.SetCellData(new DashBoardCellInfo(false), GridCell::kDashBoardCellInfo);
    ExpectSymmetric(&withPanel, "cell of a dashboard panel");
}

TEST_F(RecordRoundTripTest, ReportOfAnyChartTypeReadsBackWithAndWithoutItsChartData)
{
    // The chart data class each chart type reads; a plain GraphData reads as any of them.
    const auto dataFor = [](int type) -> GraphData*
    {
        if (type >= 1 && type <= 3)
            return new ColumnGraphData;
        if (type >= 4 && type <= 6)
            return new PieChartData;
        return new GraphData;
    };
    for (int type : {-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, INT_MAX})
    {
        ApplicationReport report;
        report.SetChartData(type, nullptr);
        ExpectSymmetric(&report, "no chart data, chart type " + std::to_string(type));
        report.SetChartData(type, dataFor(type));
        ExpectSymmetric(&report, "chart data, chart type " + std::to_string(type));
    }
    for (GraphData* data : std::initializer_list<GraphData*>{new ColumnGraphData, new PieChartData})
    {
        ApplicationReport report;
        report.SetChartData(0, data);
        ExpectSymmetric(&report, "chart type 0 with the data of another type");
    }
}

TEST_F(RecordRoundTripTest, ProcedureAndTableOfAnyKindReadBack)
{
    Field field;
    field.SetDisplayName("Amount");
    for (int kind : {Procedure::standardKind, Procedure::customKind, Procedure::derivedKind, -1, 5})
    {
        Procedure procedure;
        procedure.SetKind(kind);
        // A derived procedure does not own its lists.
        auto column = std::make_unique<ProcedureFieldInfo>(&field, ProcedureFieldInfo::noAggregate);
        procedure.AddOutputColumn(column.get());
        if (kind != Procedure::derivedKind)
            column.release();
        ExpectSymmetric(&procedure, "procedure kind " + std::to_string(kind));
    }
    for (int kind : {Table::masterKind, Table::masterDetailKind, Table::mapKind, -1, 9})
    {
        const std::unique_ptr<Table> table(NewTable("orders", kind, {"title"}));
        ExpectSymmetric(table.get(), "table kind " + std::to_string(kind));
    }
}

TEST_F(RecordRoundTripTest, EmptySlotsOfPairListsReadBack)
{
    Variable first;
    first.SetName("first");
    Variable second;
    second.SetName("second");
    ProcedureInvokation call;
    for (VariablePair* pair : std::initializer_list<VariablePair*>{
             nullptr, new VariablePair{&first, nullptr}, new VariablePair{nullptr, &second},
             new VariablePair{nullptr, nullptr}, new VariablePair{&first, &second}})
        call.AddVariablePair(pair);
    ExpectSymmetric(&call, "procedure call");
    LinkControl link;
    link.AddVariableMap(nullptr);
    link.AddVariableMap(new LinkVariableMap{nullptr, &second});
    link.AddVariableMap(new LinkVariableMap{&first, nullptr});
    ExpectSymmetric(&link, "link");
    Form form;
    form.AddReportVariableMap(nullptr);
    form.AddReportVariableMap(new ReportVariableMap{&first, nullptr});
    ExpectSymmetric(&form, "form");
}

// Values that a load replaces on purpose: a variable's kind (always a page variable), a
// control's column count below the minimum, the empty report variable maps of a map form and a
// module's classes without table. What loaded reads back and saves the same again.
TEST_F(RecordRoundTripTest, ValuesALoadReplacesAreStableAfterOneLoad)
{
    for (int kind : {Variable::parameterKind, Variable::pageKind, Variable::sharedKind, -1})
    {
        Variable variable;
        variable.SetKind(kind);
        ExpectStableAfterOneLoad(&variable, "variable kind " + std::to_string(kind));
    }
    for (int columns : {INT_MIN, -1, 0, 1, 2, 3, 40})
    {
        FieldRepData data;
        data.SetColumns(columns);
        ExpectStableAfterOneLoad(&data, "columns " + std::to_string(columns));
    }
    // A map form drops the empty slots of its report variable maps.
    Variable variable;
    MapForm mapForm;
    mapForm.EnsureReportFiles();
    mapForm.AddReportVariableMap(nullptr);
    mapForm.AddReportVariableMap(new ReportVariableMap{&variable, nullptr});
    ExpectStableAfterOneLoad(&mapForm, "map form");
    // A module keeps a class without table only for the references to it.
    Module module("Orders");
    module.Append(new Class);
    ExpectStableAfterOneLoad(&module, "module");
}

} // namespace
