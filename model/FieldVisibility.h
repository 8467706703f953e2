#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

class Field;
class VisibilityData;

// Whether a field of a page file is editable, read-only, invisible, or decided by data.
class FieldVisibility : public CObject
{
    DECLARE_SERIAL(FieldVisibility)

public:
    // Visibility kinds.
    static constexpr int Editable = 0;
    static constexpr int ReadOnly = 1;
    static constexpr int Invisible = 2;
    static constexpr int DependsOnData = 3;

    // No field, no data, editable.
    FieldVisibility() = default;
    // That field, editable, no data.
    explicit FieldVisibility(Field* field) : m_field(field) {}
    FieldVisibility(const FieldVisibility&) = delete;
    FieldVisibility& operator=(const FieldVisibility&) = delete;
    // Deletes the visibility data.
    ~FieldVisibility() override;

    // Field, visibility data, visibility kind.
    void Serialize(CArchive& ar) override;

    Field* GetField() const { return m_field; }
    void SetField(Field* field) { m_field = field; }
    VisibilityData* GetVisibilityData() const { return m_visibilityData; }
    // Takes ownership; previous data is deleted.
    void SetVisibilityData(VisibilityData* data);
    int GetVisibilityKind() const { return m_visibilityKind; }
    void SetVisibilityKind(int kind) { m_visibilityKind = kind; }
    // "ReadOnly", "Invisible", "Visibility depends on Data"; "Editable" for any other kind.
    CString GetVisibilityName() const;

private:
    Field* m_field = nullptr;
    VisibilityData* m_visibilityData = nullptr;
    int m_visibilityKind = Editable;
};
