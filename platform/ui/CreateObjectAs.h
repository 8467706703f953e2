#pragma once

#include "platform/core/CObject.h"

#include <memory>

// A new object of the runtime class when it is a T, else null with nothing left over.
template <typename T> std::unique_ptr<T> CreateObjectAs(CRuntimeClass* runtimeClass)
{
    CObject* object = runtimeClass != nullptr ? runtimeClass->CreateObject() : nullptr;
    std::unique_ptr<T> created(dynamic_cast<T*>(object));
    if (!created)
        delete object;
    return created;
}
