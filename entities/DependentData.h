#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <vector>

class CArchive;
class FieldRep;

// A named group of controls held by a control's validation data; the controls are not owned.
class DependentData : public CObject
{
    DECLARE_SERIAL(DependentData)

public:
    // Empty name, kind 1, no controls.
    DependentData() = default;

    // Name, kind, controls; no version gates.
    void Serialize(CArchive& ar) override;

    CString GetFieldName() const { return m_name; }
    void SetName(CString name) { m_name = name; }
    int GetKind() const { return m_kind; }
    void SetKind(int kind) { m_kind = kind; }
    const std::vector<FieldRep*>& GetControls() const { return m_controls; }
    void AddFieldRep(FieldRep* control) { m_controls.push_back(control); }
    bool ContainsFieldRep(const FieldRep* control) const;
    // Erases the first occurrence; the control is not deleted.
    void RemoveFieldRep(const FieldRep* control);

private:
    CString m_name;
    int m_kind = 1;
    std::vector<FieldRep*> m_controls;
};
