#pragma once

#include "platform/core/Types.h"

#include <type_traits>
#include <vector>

class CArchive;
class CObject;

// What the program knows of a class at run time: its name, size, archive schema, how to create
// one and its base. A class that is not serialisable has schema 0xFFFF.
struct CRuntimeClass
{
    const char* m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    CObject* (*m_pfnCreateObject)();
    CRuntimeClass* m_pBaseClass;

    // A new object of the class, or null when the class has no factory.
    CObject* CreateObject() const;
    // True for the class itself and for every class derived from base.
    BOOL IsDerivedFrom(const CRuntimeClass* base) const;
    // The serialisable class of that name, or null when none is registered.
    static CRuntimeClass* FromName(const char* className);
    // Adds a serialisable class to the registry that FromName searches.
    static void Register(CRuntimeClass* runtimeClass);
    // Every registered class, by name.
    static std::vector<CRuntimeClass*> RegisteredClasses();
};

// A namespace-scope instance registers a class during static initialisation.
struct CRuntimeClassRegistration
{
    explicit CRuntimeClassRegistration(CRuntimeClass* runtimeClass)
    {
        CRuntimeClass::Register(runtimeClass);
    }
};

// Root of the classes that have runtime classes and can be written to an archive.
class CObject
{
public:
    static CRuntimeClass classCObject;

    // An object destroyed while an archive loads leaves the archive's registry.
    virtual ~CObject();
    virtual CRuntimeClass* GetRuntimeClass() const;
    // Writes or reads the object's fields; CObject has none.
    virtual void Serialize(CArchive& ar);
    BOOL IsKindOf(const CRuntimeClass* runtimeClass) const;

protected:
    CObject() = default;
    // A copy is a new object: it keeps none of the original's archive slots.
    CObject(const CObject&) {}
    CObject& operator=(const CObject&) { return *this; }

private:
    friend class CArchive;

    // The load-map slot the object took in the archive that created it, and its index in the
    // archive that wrote it last; 0 for none. An archive trusts either only when its own list
    // holds this object there.
    DWORD m_loadSlot = 0;
    mutable DWORD m_storeSlot = 0;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                                                                \
public:                                                                                            \
    static CRuntimeClass class##class_name;                                                        \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                                              \
    DECLARE_DYNAMIC(class_name)                                                                    \
    static CObject* CreateObject();

// The extraction operator reads an object of the class or of a class derived from it. A .cpp
// that uses IMPLEMENT_SERIAL includes CArchive.h and expands it in the class's namespace.
#define DECLARE_SERIAL(class_name)                                                                 \
    DECLARE_DYNCREATE(class_name)                                                                  \
    friend CArchive& operator>>(CArchive& ar, class_name*& object);

// The runtime class names a C++ base, so that an object of a kind is an object of that class.
#define WEAVO_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, schema, factory)                 \
    static_assert(std::is_base_of_v<base_class_name, class_name>);                                 \
    constinit CRuntimeClass class_name::class##class_name = {                                      \
        #class_name, sizeof(class_name), schema, factory, RUNTIME_CLASS(base_class_name)};         \
    CRuntimeClass* class_name::GetRuntimeClass() const                                             \
    {                                                                                              \
        return RUNTIME_CLASS(class_name);                                                          \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                             \
    WEAVO_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define WEAVO_IMPLEMENT_CREATABLE(class_name, base_class_name, schema)                             \
    CObject* class_name::CreateObject()                                                            \
    {                                                                                              \
        return new class_name;                                                                     \
    }                                                                                              \
    WEAVO_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, schema, class_name::CreateObject)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                           \
    WEAVO_IMPLEMENT_CREATABLE(class_name, base_class_name, 0xFFFF)

#define IMPLEMENT_SERIAL(class_name, base_class_name, schema)                                      \
    WEAVO_IMPLEMENT_CREATABLE(class_name, base_class_name, schema)                                 \
    static const CRuntimeClassRegistration registration##class_name(RUNTIME_CLASS(class_name));    \
    CArchive& operator>>(CArchive& ar, class_name*& object)                                        \
    {                                                                                              \
        /* ReadObject returns an object of the class or of a class derived from it. */             \
        object = static_cast<class_name*>(ar.ReadObject(RUNTIME_CLASS(class_name)));               \
        return ar;                                                                                 \
    }
