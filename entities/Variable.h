#pragma once

#include "platform/core/CArchive.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"

// A named value holder of the generated application: a page or report variable, a value passed
// along a link, or a parameter of a stored procedure. Its owner is the object that created it.
class Variable : public CObject
{
    DECLARE_SERIAL(Variable)

public:
    // A parameter variable a procedure makes from a field, and the login page's variables.
    static constexpr int parameterKind = 0;
    // Variables of page fields and of the editors, and every loaded variable.
    static constexpr int pageKind = 1;
    // A variable that the field parameters and field-variable maps holding it do not delete.
    static constexpr int sharedKind = 2;

    // Empty name and value; the creator sets the kind.
    Variable() = default;
    // Same name, kind and value; a null source gives an empty kind-1 variable.
    explicit Variable(const Variable* source);

    CString GetFieldName() const { return m_name; }
    void SetName(CString name) { m_name = name; }
    int GetKind() const { return m_kind; }
    void SetKind(int kind) { m_kind = kind; }
    CString GetValue() const { return m_value; }
    void SetValue(CString value) { m_value = value; }
    // Set for good once a page file's menu map passes the variable, so that a variable never
    // passed so is not looked for among the maps. Not copied.
    void MarkPassedByMenu() { m_passedByMenu = true; }
    bool IsPassedByMenu() const { return m_passedByMenu; }

    // Name, kind, value. A load ignores the stored kind and makes it pageKind; the value is read
    // after version 9.
    void Serialize(CArchive& ar) override;

private:
    CString m_name;
    int m_kind = pageKind;
    CString m_value;
    bool m_passedByMenu = false;
};
