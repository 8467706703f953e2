#include "model/VisibilityData.h"

#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/Ownership.h"

#include <algorithm>
#include <array>

IMPLEMENT_SERIAL(VisibilityData, CObject, 0)

namespace
{
constexpr std::array<const char*, 6> relationTexts = {"=", "<=", ">=", "<>", "<", ">"};
} // namespace

VisibilityData::~VisibilityData()
{
    RemoveProcedure();
    DeleteAll(m_values);
}

void VisibilityData::RemoveProcedure()
{
    if (m_dataProcedure == nullptr)
        return;
    delete m_dataProcedure;
    m_dataProcedure = nullptr;
    m_resultField = nullptr;
    DeleteAll(m_values);
}

void VisibilityData::ClearVariable()
{
    m_variable = nullptr;
    DeleteAll(m_values);
}

bool VisibilityData::ContainsValue(const VisibilityValue* value) const
{
    if (value == nullptr)
        return false;
    return std::any_of(m_values.begin(), m_values.end(),
                       [value](const VisibilityValue* present)
                       {
                           return present->layoutStatus == value->layoutStatus &&
                                  present->value.CompareNoCase(value->value) == 0;
                       });
}

void VisibilityData::RemoveValue(VisibilityValue* value)
{
    EraseAndDelete(m_values, value);
}

CString VisibilityData::GetValueStatusName(const VisibilityValue* value)
{
    const int status = value != nullptr ? value->layoutStatus : 0;
    if (status == 1)
        return "ReadOnly";
    if (status == 2)
        return "Invisible";
    return "Editable";
}

CString VisibilityData::GetOperatorText(const VisibilityValue* value)
{
    if (value == nullptr || value->relation < 0 ||
        value->relation >= static_cast<int>(relationTexts.size()))
        return CString();
    return relationTexts[static_cast<std::size_t>(value->relation)];
}

void VisibilityData::SetDataProcedure(ProcedureInvokation* invokation)
{
    ReplaceOwned(m_dataProcedure, invokation);
}

void VisibilityData::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteObject(m_dataProcedure);
        ar.WriteObject(m_resultField);
        ar.WriteObject(m_variable);
        ar << static_cast<int>(m_values.size());
        for (const VisibilityValue* value : m_values)
            ar << value->layoutStatus << value->value << value->relation;
        ar << m_reserved;
        return;
    }

    const int version = ArchiveVersion();
    m_dataProcedure = ReadOwned<ProcedureInvokation>(ar);
    m_resultField = ReadRef<ProcedureFieldInfo>(ar);
    m_variable = ReadRef<Variable>(ar);
    const int count = ReadCount(ar);
    for (int i = 0; i < count; ++i)
    {
        auto* value = new VisibilityValue;
        m_values.push_back(value);
        ar >> value->layoutStatus >> value->value;
        if (version > 56)
            ar >> value->relation;
    }
    if (version > 54)
    {
        int reserved = 0;
        ar >> reserved;
    }
}
