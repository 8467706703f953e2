#include "platform/core/CArchive.h"
#include "platform/core/CException.h"
#include "platform/core/CFile.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Writes or reads one int field.
static void ExchangeInt(CArchive& ar, int& value)
{
    if (ar.IsStoring())
        ar << value;
    else
        ar >> value;
}

// Test classes stay outside an unnamed namespace: IMPLEMENT_SERIAL defines their extraction
// operators at global scope.
class ArchivePoint : public CObject
{
    DECLARE_SERIAL(ArchivePoint)
public:
    ArchivePoint() = default;
    ArchivePoint(int x, int y) : m_x(x), m_y(y) {}
    void Serialize(CArchive& ar) override
    {
        ExchangeInt(ar, m_x);
        ExchangeInt(ar, m_y);
    }
    int m_x = 0;
    int m_y = 0;
};

class ArchiveShape : public CObject
{
    DECLARE_SERIAL(ArchiveShape)
};

class ArchiveCircle : public ArchiveShape
{
    DECLARE_SERIAL(ArchiveCircle)
public:
    void Serialize(CArchive& ar) override { ExchangeInt(ar, m_radius); }
    int m_radius = 0;
};

// Owns its children; m_ref is a plain reference to any node of the graph.
class ArchiveNode : public CObject
{
    DECLARE_SERIAL(ArchiveNode)
public:
    ArchiveNode() = default;
    explicit ArchiveNode(const char* name) : m_name(name) {}
    ~ArchiveNode() override
    {
        for (ArchiveNode* child : m_children)
            delete child;
    }
    ArchiveNode* AddChild(const char* name)
    {
        m_children.push_back(new ArchiveNode(name));
        return m_children.back();
    }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
        {
            ar << m_name << static_cast<int>(m_children.size());
            for (ArchiveNode* child : m_children)
                ar << child;
            ar << m_ref;
            return;
        }
        int count = 0;
        ar >> m_name >> count;
        for (int i = 0; i < count; ++i)
        {
            ArchiveNode* child = nullptr;
            ar >> child;
            ar.ClaimObject(child);
            m_children.push_back(child);
        }
        ar >> m_ref;
    }
    CString m_name;
    std::vector<ArchiveNode*> m_children;
    ArchiveNode* m_ref = nullptr;
};

struct ArchiveCellData
{
    virtual ~ArchiveCellData() = default;
    int m_cell = 0;
};

// CObject is not the first base, so its CObject* differs from the object's address.
class ArchiveCell : public ArchiveCellData, public CObject
{
    DECLARE_SERIAL(ArchiveCell)
public:
    void Serialize(CArchive& ar) override { ExchangeInt(ar, m_cell); }
};

class ArchiveUnserialisable : public CObject
{
    DECLARE_DYNCREATE(ArchiveUnserialisable)
};

IMPLEMENT_SERIAL(ArchivePoint, CObject, 1)
IMPLEMENT_SERIAL(ArchiveShape, CObject, 0)
IMPLEMENT_SERIAL(ArchiveCircle, ArchiveShape, 0)
IMPLEMENT_SERIAL(ArchiveNode, CObject, 0)
IMPLEMENT_SERIAL(ArchiveCell, CObject, 0)
IMPLEMENT_DYNCREATE(ArchiveUnserialisable, CObject)

namespace
{
// Expected stream contents, little-endian.
struct Bytes
{
    Bytes& Byte(BYTE value)
    {
        data.push_back(value);
        return *this;
    }
    Bytes& Word(WORD value) { return Byte(value & 0xFF).Byte(value >> 8); }
    Bytes& Dword(DWORD value) { return Word(value & 0xFFFF).Word(value >> 16); }
    Bytes& Text(std::string_view text)
    {
        data.insert(data.end(), text.begin(), text.end());
        return *this;
    }
    Bytes& ClassRecord(WORD schema, std::string_view name)
    {
        return Word(0xFFFF).Word(schema).Word(static_cast<WORD>(name.size())).Text(name);
    }
    std::vector<BYTE> data;
};

template <typename Write> std::vector<BYTE> Stored(Write write, int bufferSize = 4096)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store, bufferSize);
    write(ar);
    ar.Close();
    return file.GetBytes();
}

// A failed read frees what the archive created.
template <typename Read> void Load(const std::vector<BYTE>& bytes, Read read)
{
    CMemFile file(bytes);
    CArchive ar(&file, CArchive::load);
    try
    {
        read(ar);
    }
    catch (...)
    {
        ar.DeleteLoadedObjects();
        throw;
    }
}

// The cause of the archive exception that reading raises, or none.
template <typename Read> int LoadFailure(const std::vector<BYTE>& bytes, Read read)
{
    try
    {
        Load(bytes, read);
    }
    catch (const CArchiveException& error)
    {
        return error.m_cause;
    }
    return CArchiveException::none;
}

void ReadAnyObject(CArchive& ar)
{
    std::unique_ptr<CObject> object(ar.ReadObject(nullptr));
}

void ReadShape(CArchive& ar)
{
    ArchiveShape* shape = nullptr;
    ar >> shape;
    delete shape;
}

std::vector<BYTE> OnePointStream()
{
    ArchivePoint point(3, 4);
    return Stored([&](CArchive& ar) { ar << &point; });
}

std::vector<BYTE> WithTail(std::vector<BYTE> head, const Bytes& tail)
{
    head.insert(head.end(), tail.data.begin(), tail.data.end());
    return head;
}
} // namespace

TEST(ArchiveTest, NewObjectWritesClassRecordThenFields)
{
    EXPECT_EQ(Bytes().ClassRecord(1, "ArchivePoint").Dword(3).Dword(4).data, OnePointStream());
}

TEST(ArchiveTest, ClassesAndObjectsShareOneIndexSpace)
{
    ArchivePoint first(1, 2);
    ArchivePoint second(5, 6);
    ArchiveCircle circle;
    circle.m_radius = 9;
    const std::vector<BYTE> bytes = Stored(
        [&](CArchive& ar)
        {
            ar << &first << &circle << &second << &circle << &first;
            ar.WriteObject(nullptr);
        });

    const Bytes expected = Bytes()
                               .ClassRecord(1, "ArchivePoint") // class 1
                               .Dword(1)
                               .Dword(2)                        // object 2
                               .ClassRecord(0, "ArchiveCircle") // class 3
                               .Dword(9)                        // object 4
                               .Word(0x8001)
                               .Dword(5)
                               .Dword(6) // object 5
                               .Word(4)
                               .Word(2)
                               .Word(0);
    EXPECT_EQ(expected.data, bytes);

    Load(bytes,
         [](CArchive& ar)
         {
             std::unique_ptr<CObject> objects[6];
             for (auto& object : objects)
                 object.reset(ar.ReadObject(nullptr));
             // Back-references must not own a second time.
             EXPECT_EQ(objects[1].get(), objects[3].release());
             EXPECT_EQ(objects[0].get(), objects[4].release());
             EXPECT_EQ(nullptr, objects[5]);
             EXPECT_EQ(5, dynamic_cast<ArchivePoint&>(*objects[2]).m_x);
             EXPECT_EQ(9, dynamic_cast<ArchiveCircle&>(*objects[1]).m_radius);
         });
}

TEST(ArchiveTest, IndexesFrom0x7FFFUseTheLongForms)
{
    std::vector<std::unique_ptr<ArchivePoint>> points;
    for (int i = 0; i < 0x8000; ++i)
        points.push_back(std::make_unique<ArchivePoint>(i, -i));
    ArchiveCircle firstCircle;
    ArchiveCircle secondCircle;
    const std::vector<BYTE> bytes = Stored(
        [&](CArchive& ar)
        {
            for (const auto& point : points) // class 1, objects 2 to 0x8001
                ar << point.get();
            ar << points[0x7FFC].get() << points[0x7FFD].get(); // objects 0x7FFE and 0x7FFF
            ar << &firstCircle << &secondCircle << &firstCircle;
        });

    const std::size_t pointsSize = 18 + 8 + 0x7FFF * 10;
    const Bytes tail = Bytes()
                           .Word(0x7FFE)
                           .Word(0x7FFF)
                           .Dword(0x7FFF)
                           .ClassRecord(0, "ArchiveCircle") // class 0x8002
                           .Dword(0)                        // object 0x8003
                           .Word(0x7FFF)
                           .Dword(0x80008002)
                           .Dword(0) // object 0x8004
                           .Word(0x7FFF)
                           .Dword(0x8003);
    ASSERT_EQ(pointsSize + tail.data.size(), bytes.size());
    EXPECT_EQ(tail.data, std::vector<BYTE>(bytes.begin() + pointsSize, bytes.end()));

    Load(bytes,
         [](CArchive& ar)
         {
             std::vector<std::unique_ptr<CObject>> loaded;
             for (int i = 0; i < 0x8000; ++i)
                 loaded.emplace_back(ar.ReadObject(RUNTIME_CLASS(ArchivePoint)));
             EXPECT_EQ(0x7FFC, dynamic_cast<ArchivePoint&>(*loaded[0x7FFC]).m_x);
             EXPECT_EQ(loaded[0x7FFC].get(), ar.ReadObject(nullptr));
             EXPECT_EQ(loaded[0x7FFD].get(), ar.ReadObject(nullptr));
             loaded.emplace_back(ar.ReadObject(RUNTIME_CLASS(ArchiveShape)));
             loaded.emplace_back(ar.ReadObject(RUNTIME_CLASS(ArchiveCircle)));
             EXPECT_TRUE(loaded.back()->IsKindOf(RUNTIME_CLASS(ArchiveCircle)));
             EXPECT_EQ(loaded[0x8000].get(), ar.ReadObject(nullptr));
         });
}

TEST(ArchiveTest, StringLengthPrefixesAndRoundTrip)
{
    const struct
    {
        DWORD length;
        Bytes prefix;
    } cases[] = {
        {0, Bytes().Byte(0)},
        {254, Bytes().Byte(0xFE)},
        {255, Bytes().Byte(0xFF).Word(255)},
        {65533, Bytes().Byte(0xFF).Word(0xFFFD)},
        {65534, Bytes().Byte(0xFF).Word(0xFFFF).Dword(65534)},
        {70000, Bytes().Byte(0xFF).Word(0xFFFF).Dword(70000)},
    };
    for (const auto& test : cases)
    {
        std::string text;
        for (DWORD i = 0; i < test.length; ++i)
            text.push_back(static_cast<char>(i % 251));
        const std::vector<BYTE> bytes = Stored([&](CArchive& ar) { ar << CString(text); });
        ASSERT_EQ(test.prefix.data.size() + test.length, bytes.size()) << test.length;
        EXPECT_EQ(test.prefix.data,
                  std::vector<BYTE>(bytes.begin(), bytes.begin() + test.prefix.data.size()))
            << test.length;
        Load(bytes,
             [&](CArchive& ar)
             {
                 CString read;
                 ar >> read;
                 EXPECT_EQ(text, read.str()) << test.length;
             });
    }
}

TEST(ArchiveTest, WideStringIsReadAsBytesWithQuestionMarksAboveLatin1)
{
    Bytes shortWide = Bytes().Byte(0xFF).Word(0xFFFE).Byte(3).Word('A').Word(0xE9).Word(0x43A);
    shortWide.Dword(77);
    Load(shortWide.data,
         [](CArchive& ar)
         {
             CString text;
             int after = 0;
             ar >> text >> after;
             EXPECT_EQ(std::string("A\xE9?"), text.str());
             EXPECT_EQ(77, after);
         });

    Bytes longWide = Bytes().Byte(0xFF).Word(0xFFFE).Byte(0xFF).Word(300);
    for (int i = 0; i < 300; ++i)
        longWide.Word('w');
    Load(longWide.data,
         [](CArchive& ar)
         {
             CString text;
             ar >> text;
             EXPECT_EQ(std::string(300, 'w'), text.str());
         });
}

TEST(ArchiveTest, NumbersAreLittleEndianAndRoundTrip)
{
    const std::vector<BYTE> bytes = Stored(
        [](CArchive& ar)
        {
            ar << static_cast<BYTE>(0x12) << 'x' << static_cast<WORD>(0x3456)
               << static_cast<short>(-2) << -3 << 0x89ABCDEFu << 1.5f << 2.5;
        });
    const Bytes expected = Bytes()
                               .Byte(0x12)
                               .Byte('x')
                               .Word(0x3456)
                               .Word(0xFFFE)
                               .Dword(0xFFFFFFFD)
                               .Dword(0x89ABCDEF)
                               .Dword(0x3FC00000)
                               .Dword(0)
                               .Dword(0x40040000);
    EXPECT_EQ(expected.data, bytes);

    Load(bytes,
         [](CArchive& ar)
         {
             BYTE byte = 0;
             char ch = 0;
             WORD word = 0;
             short negativeShort = 0;
             int negative = 0;
             unsigned int large = 0;
             float single = 0;
             double twice = 0;
             ar >> byte >> ch >> word >> negativeShort >> negative >> large >> single >> twice;
             EXPECT_EQ(0x12, byte);
             EXPECT_EQ('x', ch);
             EXPECT_EQ(0x3456, word);
             EXPECT_EQ(-2, negativeShort);
             EXPECT_EQ(-3, negative);
             EXPECT_EQ(0x89ABCDEFu, large);
             EXPECT_EQ(1.5f, single);
             EXPECT_EQ(2.5, twice);
         });
}

TEST(ArchiveTest, GraphWithCycleAndSharedObjectsKeepsItsShape)
{
    ArchiveNode root("root");
    ArchiveNode* a = root.AddChild("a");
    ArchiveNode* b = root.AddChild("b");
    ArchiveNode* c = root.AddChild("c");
    a->m_ref = c; // written whole here, a back-reference in the list
    b->m_ref = a;
    c->m_ref = &root;
    root.m_ref = &root;
    const std::vector<BYTE> bytes = Stored([&](CArchive& ar) { ar << &root; });

    Load(bytes,
         [](CArchive& ar)
         {
             ArchiveNode* read = nullptr;
             ar >> read;
             const std::unique_ptr<ArchiveNode> owner(read);
             ASSERT_EQ(3u, read->m_children.size());
             EXPECT_EQ(read, read->m_ref);
             const auto& children = read->m_children;
             EXPECT_EQ("a", children[0]->m_name);
             EXPECT_EQ("b", children[1]->m_name);
             EXPECT_EQ("c", children[2]->m_name);
             EXPECT_EQ(children[2], children[0]->m_ref);
             EXPECT_EQ(children[0], children[1]->m_ref);
             EXPECT_EQ(read, children[2]->m_ref);
         });
}

TEST(ArchiveTest, ObjectWithCObjectAsSecondBaseKeepsOneIdentity)
{
    ArchiveCell cell;
    cell.m_cell = 42;
    const std::vector<BYTE> bytes = Stored(
        [&](CArchive& ar)
        {
            ar << &cell;
            ar.WriteObject(static_cast<CObject*>(&cell));
        });
    EXPECT_EQ(Bytes().ClassRecord(0, "ArchiveCell").Dword(42).Word(2).data, bytes);

    Load(bytes,
         [](CArchive& ar)
         {
             ArchiveCell* first = nullptr;
             ArchiveCell* second = nullptr;
             ar >> first >> second;
             const std::unique_ptr<ArchiveCell> owner(first);
             EXPECT_EQ(first, second);
             EXPECT_EQ(42, first->m_cell);
         });
}

TEST(ArchiveTest, ClassThatIsUnknownOrNotTheRequestedOneIsBadClass)
{
    EXPECT_EQ(CArchiveException::badClass,
              LoadFailure(Bytes().ClassRecord(0, "ArchiveMissing").data, ReadAnyObject));
    EXPECT_EQ(CArchiveException::badClass, LoadFailure(OnePointStream(), ReadShape));

    const std::vector<BYTE> pointTwice = WithTail(OnePointStream(), Bytes().Word(2));
    EXPECT_EQ(CArchiveException::badClass,
              LoadFailure(pointTwice,
                          [](CArchive& ar)
                          {
                              const std::unique_ptr<CObject> point(ar.ReadObject(nullptr));
                              ReadShape(ar);
                          }));
}

TEST(ArchiveTest, DifferentSchemaIsBadSchema)
{
    EXPECT_EQ(
        CArchiveException::badSchema,
        LoadFailure(Bytes().ClassRecord(2, "ArchivePoint").Dword(0).Dword(0).data, ReadAnyObject));
}

TEST(ArchiveTest, ReferenceToAnUnseenIndexOrTheWrongKindIsBadIndex)
{
    const auto readTwo = [](CArchive& ar)
    {
        const std::unique_ptr<CObject> point(ar.ReadObject(nullptr));
        ReadAnyObject(ar);
    };
    EXPECT_EQ(CArchiveException::badIndex, LoadFailure(Bytes().Word(5).data, ReadAnyObject));
    EXPECT_EQ(CArchiveException::badIndex,
              LoadFailure(Bytes().Word(0x7FFF).Dword(0x80000009).data, ReadAnyObject));
    // Index 1 is the point's class, index 2 the point.
    EXPECT_EQ(CArchiveException::badIndex,
              LoadFailure(WithTail(OnePointStream(), Bytes().Word(1)), readTwo));
    EXPECT_EQ(CArchiveException::badIndex,
              LoadFailure(WithTail(OnePointStream(), Bytes().Word(0x8002)), readTwo));
}

TEST(ArchiveTest, EveryTruncationOfAStreamIsEndOfFile)
{
    ArchiveNode root("root");
    ArchiveNode* a = root.AddChild(std::string(300, 'a').c_str());
    root.AddChild("b")->m_ref = a;
    a->AddChild("a1")->m_ref = &root;
    root.AddChild("")->m_ref = a->m_children[0];
    const std::vector<BYTE> bytes = Stored([&](CArchive& ar) { ar << &root; });

    const auto readNode = [](CArchive& ar)
    {
        ArchiveNode* node = nullptr;
        ar >> node;
        delete node;
    };
    ASSERT_EQ(CArchiveException::none, LoadFailure(bytes, readNode));
    for (std::size_t cut = 0; cut < bytes.size(); ++cut)
    {
        const std::vector<BYTE> truncated(bytes.begin(), bytes.begin() + cut);
        EXPECT_EQ(CArchiveException::endOfFile, LoadFailure(truncated, readNode)) << cut;
    }
}

TEST(ArchiveTest, WritingAnObjectOfANonSerialClassIsBadClass)
{
    ArchiveUnserialisable object;
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    try
    {
        ar << &object;
        FAIL() << "no exception";
    }
    catch (const CArchiveException& error)
    {
        EXPECT_EQ(CArchiveException::badClass, error.m_cause);
    }
}

TEST(ArchiveTest, WrongDirectionOrClosedArchiveRaises)
{
    CMemFile file(std::vector<BYTE>(8, 0));
    CArchive loading(&file, CArchive::load);
    try
    {
        loading << 1;
        FAIL() << "no exception";
    }
    catch (const CArchiveException& error)
    {
        EXPECT_EQ(CArchiveException::readOnly, error.m_cause);
    }

    CMemFile output;
    CArchive storing(&output, CArchive::store);
    int value = 0;
    try
    {
        storing >> value;
        FAIL() << "no exception";
    }
    catch (const CArchiveException& error)
    {
        EXPECT_EQ(CArchiveException::writeOnly, error.m_cause);
    }

    storing.Close();
    EXPECT_EQ(nullptr, storing.GetFile());
    EXPECT_THROW(storing << 1, CArchiveException);
}

TEST(ArchiveTest, StoredBytesReachTheFileWhenTheBufferIsFullOrFlushed)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store, 4);
    ar << 0x01020304;
    EXPECT_TRUE(file.GetBytes().empty());
    ar << static_cast<BYTE>(5);
    EXPECT_EQ(4u, file.GetBytes().size());
    ar.Flush();
    EXPECT_EQ(5u, file.GetBytes().size());
    ar << static_cast<BYTE>(6);
    ar.Close();
    EXPECT_EQ((std::vector<BYTE>{4, 3, 2, 1, 5, 6}), file.GetBytes());
}

TEST(ArchiveTest, CallerBufferCollectsTheBytes)
{
    BYTE buffer[8] = {};
    CMemFile file;
    CArchive ar(&file, CArchive::store, sizeof buffer, buffer);
    ar << 0x0A0B0C0D;
    EXPECT_EQ(0x0D, buffer[0]);
    EXPECT_EQ(0x0A, buffer[3]);
    ar.Close();
    EXPECT_EQ((std::vector<BYTE>{0x0D, 0x0C, 0x0B, 0x0A}), file.GetBytes());
}

TEST(ArchiveTest, DestructorFlushesUnlessTold)
{
    CMemFile flushed;
    {
        CArchive ar(&flushed, CArchive::store);
        ar << 7;
    }
    EXPECT_EQ(4u, flushed.GetBytes().size());

    CMemFile dropped;
    {
        CArchive ar(&dropped, CArchive::store | CArchive::bNoFlushOnDelete);
        ar << 7;
    }
    EXPECT_TRUE(dropped.GetBytes().empty());
}

TEST(ArchiveTest, ClosingALoadingArchiveLeavesTheFileAfterWhatWasRead)
{
    CMemFile file(std::vector<BYTE>(100, 1));
    CArchive ar(&file, CArchive::load);
    WORD word = 0;
    ar >> word;
    EXPECT_EQ(100u, file.GetPosition());
    ar.Close();
    EXPECT_EQ(2u, file.GetPosition());
}

TEST(ArchiveTest, RegistryClaimsReleasesAndForgetsEachObjectByItsOwnSlot)
{
    ArchiveNode root("root");
    root.AddChild("child");
    ArchivePoint loose(1, 2);
    const std::vector<BYTE> bytes = Stored([&](CArchive& ar) { ar << &root << &loose << &loose; });
    CMemFile file(bytes);
    CArchive ar(&file, CArchive::load);
    std::unique_ptr<ArchiveNode> readRoot(dynamic_cast<ArchiveNode*>(ar.ReadObject(nullptr)));
    ASSERT_NE(nullptr, readRoot);
    ASSERT_EQ(1u, readRoot->m_children.size());
    ArchiveNode* readChild = readRoot->m_children[0];
    auto readLoose = std::unique_ptr<CObject>(ar.ReadObject(nullptr));
    ArchivePoint foreign;
    const ArchivePoint copy(dynamic_cast<ArchivePoint&>(*readLoose));

    EXPECT_EQ((std::vector<CObject*>{readRoot.get(), readChild, readLoose.get()}),
              ar.GetLoadedObjects());
    EXPECT_EQ((std::vector<CObject*>{readRoot.get(), readLoose.get()}), ar.GetUnclaimedObjects());
    // Objects the archive did not create, a copy among them, are let be.
    const CObject* others[] = {&foreign, &copy};
    for (const CObject* other : others)
    {
        EXPECT_FALSE(ar.IsUnclaimed(other));
        EXPECT_NO_THROW(ar.ClaimObject(other));
    }
    EXPECT_TRUE(ar.IsUnclaimed(readLoose.get()));
    ar.ClaimObject(readLoose.get());
    EXPECT_FALSE(ar.IsUnclaimed(readLoose.get()));
    EXPECT_THROW(ar.ClaimObject(readLoose.get()), CArchiveException);
    EXPECT_THROW(ar.ClaimObject(readChild), CArchiveException);
    ar.ReleaseClaim(readLoose.get());
    EXPECT_TRUE(ar.IsUnclaimed(readLoose.get()));

    // A destroyed object leaves the registry, and a later reference to it is refused.
    readLoose.reset();
    EXPECT_EQ((std::vector<CObject*>{readRoot.get(), readChild}), ar.GetLoadedObjects());
    try
    {
        ar.ReadObject(nullptr);
        ADD_FAILURE() << "a reference to a destroyed object was read";
    }
    catch (const CArchiveException& error)
    {
        EXPECT_EQ(CArchiveException::badIndex, error.m_cause);
    }
}

TEST(ArchiveTest, RegistryRefusesAnObjectThatWouldOwnItsOwner)
{
    ArchiveNode root("root");
    ArchiveNode* child = root.AddChild("child");
    child->m_children.push_back(&root);
    const std::vector<BYTE> bytes = Stored([&](CArchive& ar) { ar << &root; });
    child->m_children.clear();

    EXPECT_EQ(CArchiveException::badIndex, LoadFailure(bytes, ReadAnyObject));
}

TEST(ArchiveTest, RegistryNeverTakesAnotherArchivesObjectForOneOfItsOwn)
{
    // Each stream puts its point in slot 2.
    const std::vector<BYTE> bytes = OnePointStream();
    CMemFile earlierFile(bytes);
    auto earlierArchive = std::make_unique<CArchive>(&earlierFile, CArchive::load);
    std::unique_ptr<CObject> earlier(earlierArchive->ReadObject(nullptr));
    earlierArchive.reset();
    CMemFile outerFile(bytes);
    CArchive outer(&outerFile, CArchive::load);
    std::unique_ptr<CObject> outerPoint(outer.ReadObject(nullptr));
    CMemFile innerFile(bytes);
    CArchive inner(&innerFile, CArchive::load);
    std::unique_ptr<CObject> innerPoint(inner.ReadObject(nullptr));

    const struct
    {
        CArchive* archive;
        CObject* own;
        std::vector<CObject*> others;
    } cases[] = {
        {&outer, outerPoint.get(), {earlier.get(), innerPoint.get()}},
        {&inner, innerPoint.get(), {earlier.get(), outerPoint.get()}},
    };
    for (const auto& test : cases)
    {
        for (CObject* other : test.others)
        {
            EXPECT_FALSE(test.archive->IsUnclaimed(other));
            test.archive->ClaimObject(other);
            test.archive->ReleaseClaim(other);
        }
        EXPECT_TRUE(test.archive->IsUnclaimed(test.own));
    }

    // A destroyed object leaves the archive that created it, and only that one.
    earlier.reset();
    outerPoint.reset();
    EXPECT_TRUE(outer.GetLoadedObjects().empty());
    EXPECT_EQ(std::vector<CObject*>{innerPoint.get()}, inner.GetLoadedObjects());
    inner.ClaimObject(innerPoint.get());
    EXPECT_TRUE(inner.GetUnclaimedObjects().empty());
}

TEST(ArchiveTest, ArchivesStoringOneObjectAtTheSameTimeEachKeepTheirOwnIndex)
{
    ArchivePoint shared(1, 2);
    ArchivePoint other(3, 4);
    CMemFile firstFile;
    CMemFile secondFile;
    {
        CArchive first(&firstFile, CArchive::store);
        CArchive second(&secondFile, CArchive::store);
        first << &shared;
        second << &other << &shared;
        first << &shared;
        second << &shared << &other;
    }
    const Bytes pointsOneTwo = Bytes().ClassRecord(1, "ArchivePoint").Dword(1).Dword(2);
    EXPECT_EQ(Bytes(pointsOneTwo).Word(2).data, firstFile.GetBytes());
    const Bytes expectedSecond = Bytes()
                                     .ClassRecord(1, "ArchivePoint")
                                     .Dword(3)
                                     .Dword(4)
                                     .Word(0x8001)
                                     .Dword(1)
                                     .Dword(2)
                                     .Word(3)
                                     .Word(2);
    EXPECT_EQ(expectedSecond.data, secondFile.GetBytes());
    // A later archive writes the object anew, whatever index it kept from before.
    EXPECT_EQ(pointsOneTwo.data, Stored([&](CArchive& ar) { ar << &shared; }));
}
