#include "platform/core/CObject.h"

#include "platform/core/CArchive.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace
{
// Built on first use, so classes registered from any translation unit find it constructed.
std::unordered_map<std::string_view, CRuntimeClass*>& SerialClasses()
{
    static std::unordered_map<std::string_view, CRuntimeClass*> classes;
    return classes;
}
} // namespace

constinit CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), 0xFFFF, nullptr,
                                                 nullptr};

CObject* CRuntimeClass::CreateObject() const
{
    return m_pfnCreateObject != nullptr ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const
{
    for (const CRuntimeClass* runtimeClass = this; runtimeClass != nullptr;
         runtimeClass = runtimeClass->m_pBaseClass)
    {
        if (runtimeClass == base)
            return TRUE;
    }
    return FALSE;
}

CRuntimeClass* CRuntimeClass::FromName(const char* className)
{
    const auto found = SerialClasses().find(className);
    return found != SerialClasses().end() ? found->second : nullptr;
}

void CRuntimeClass::Register(CRuntimeClass* runtimeClass)
{
    SerialClasses().emplace(runtimeClass->m_lpszClassName, runtimeClass);
}

std::vector<CRuntimeClass*> CRuntimeClass::RegisteredClasses()
{
    std::vector<CRuntimeClass*> classes;
    for (const auto& [name, runtimeClass] : SerialClasses())
        classes.push_back(runtimeClass);
    std::ranges::sort(classes, {},
                      [](const CRuntimeClass* runtimeClass)
                      { return std::string_view(runtimeClass->m_lpszClassName); });
    return classes;
}

CRuntimeClass* CObject::GetRuntimeClass() const
{
    return RUNTIME_CLASS(CObject);
}

CObject::~CObject()
{
    CArchive::ForgetDestroyedObject(this);
}

void CObject::Serialize(CArchive&) {}

BOOL CObject::IsKindOf(const CRuntimeClass* runtimeClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(runtimeClass);
}
