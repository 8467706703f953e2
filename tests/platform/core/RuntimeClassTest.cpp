#include "platform/core/CArchive.h"
#include "platform/core/CObject.h"

#include <gtest/gtest.h>

#include <memory>

// Test classes stay outside an unnamed namespace: IMPLEMENT_SERIAL defines their extraction
// operators at global scope.
class RuntimeAnimal : public CObject
{
    DECLARE_SERIAL(RuntimeAnimal)
};

class RuntimeBird : public RuntimeAnimal
{
    DECLARE_SERIAL(RuntimeBird)
};

class RuntimeStone : public CObject
{
    DECLARE_DYNCREATE(RuntimeStone)
};

class RuntimeShadow : public CObject
{
    DECLARE_DYNAMIC(RuntimeShadow)
};

struct RuntimeCellData
{
    virtual ~RuntimeCellData() = default;
    int m_cell = 0;
};

// CObject is not the first base, so a CObject* differs from the object's address.
class RuntimeCell : public RuntimeCellData, public CObject
{
    DECLARE_SERIAL(RuntimeCell)
};

IMPLEMENT_SERIAL(RuntimeAnimal, CObject, 0)
IMPLEMENT_SERIAL(RuntimeBird, RuntimeAnimal, 3)
IMPLEMENT_DYNCREATE(RuntimeStone, CObject)
IMPLEMENT_DYNAMIC(RuntimeShadow, CObject)
IMPLEMENT_SERIAL(RuntimeCell, CObject, 0)

TEST(RuntimeClassTest, SerialClassRecordsNameSizeSchemaAndBase)
{
    const CRuntimeClass* bird = RUNTIME_CLASS(RuntimeBird);
    EXPECT_STREQ("RuntimeBird", bird->m_lpszClassName);
    EXPECT_EQ(static_cast<int>(sizeof(RuntimeBird)), bird->m_nObjectSize);
    EXPECT_EQ(3u, bird->m_wSchema);
    EXPECT_EQ(RUNTIME_CLASS(RuntimeAnimal), bird->m_pBaseClass);
    EXPECT_EQ(RUNTIME_CLASS(CObject), RUNTIME_CLASS(RuntimeAnimal)->m_pBaseClass);
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CObject)->m_pBaseClass);
}

TEST(RuntimeClassTest, FromNameFindsOnlySerialClasses)
{
    EXPECT_EQ(RUNTIME_CLASS(RuntimeBird), CRuntimeClass::FromName("RuntimeBird"));
    EXPECT_EQ(RUNTIME_CLASS(RuntimeCell), CRuntimeClass::FromName("RuntimeCell"));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("RuntimeStone"));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("runtimebird"));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName(""));
}

TEST(RuntimeClassTest, DerivationFollowsTheBaseChain)
{
    EXPECT_TRUE(RUNTIME_CLASS(RuntimeBird)->IsDerivedFrom(RUNTIME_CLASS(RuntimeBird)));
    EXPECT_TRUE(RUNTIME_CLASS(RuntimeBird)->IsDerivedFrom(RUNTIME_CLASS(RuntimeAnimal)));
    EXPECT_TRUE(RUNTIME_CLASS(RuntimeBird)->IsDerivedFrom(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(RUNTIME_CLASS(RuntimeAnimal)->IsDerivedFrom(RUNTIME_CLASS(RuntimeBird)));
    EXPECT_FALSE(RUNTIME_CLASS(RuntimeStone)->IsDerivedFrom(RUNTIME_CLASS(RuntimeAnimal)));
}

TEST(RuntimeClassTest, ObjectReportsItsDynamicClassThroughABasePointer)
{
    const std::unique_ptr<RuntimeAnimal> bird = std::make_unique<RuntimeBird>();
    EXPECT_EQ(RUNTIME_CLASS(RuntimeBird), bird->GetRuntimeClass());
    EXPECT_TRUE(bird->IsKindOf(RUNTIME_CLASS(RuntimeAnimal)));
    EXPECT_FALSE(bird->IsKindOf(RUNTIME_CLASS(RuntimeStone)));
}

TEST(RuntimeClassTest, CreateObjectNeedsAFactory)
{
    const std::unique_ptr<CObject> stone(RUNTIME_CLASS(RuntimeStone)->CreateObject());
    ASSERT_NE(nullptr, stone);
    EXPECT_EQ(RUNTIME_CLASS(RuntimeStone), stone->GetRuntimeClass());
    EXPECT_EQ(nullptr, RUNTIME_CLASS(RuntimeShadow)->CreateObject());
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CObject)->CreateObject());
}

TEST(RuntimeClassTest, CreatedObjectWithCObjectAsSecondBaseCastsBack)
{
    const std::unique_ptr<CObject> object(RUNTIME_CLASS(RuntimeCell)->CreateObject());
    auto* cell = dynamic_cast<RuntimeCell*>(object.get());
    ASSERT_NE(nullptr, cell);
    EXPECT_NE(static_cast<void*>(cell), static_cast<void*>(object.get()));
    EXPECT_EQ(object.get(), static_cast<CObject*>(cell));
    EXPECT_EQ(0, cell->m_cell);
}
