#pragma once

#include "platform/core/CArchive.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"

// A named parameter of a user function; owned by the function that lists it.
class Parameter : public CObject
{
    DECLARE_SERIAL(Parameter)

public:
    Parameter() = default;

    CString GetFieldName() const { return m_name; }
    void SetName(CString name) { m_name = name; }

    // The name alone, at every version.
    void Serialize(CArchive& ar) override;

private:
    CString m_name;
};
