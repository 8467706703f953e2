#pragma once

#include "entities/MenuInterface.h"
#include "entities/ReportFieldControlProperty.h"

#include <memory>
#include <vector>

class Field;
class FieldRep;
class ProcedureFieldInfo;
class Variable;
class ReferenceList;
class ReportGroup;

// One column or button of a report group: the output column it shows, its layout numbers and,
// through its menu base, the page files it links to with the bindings that feed their
// variables.
class ReportField : public MenuInterface
{
    DECLARE_SERIAL(ReportField)

public:
    ReportField();
    // The defaults, then SetFieldInfo.
    explicit ReportField(ProcedureFieldInfo* fieldInfo);
    ~ReportField() override;
    ReportField(const ReportField&) = delete;
    ReportField& operator=(const ReportField&) = delete;

    void Serialize(CArchive& ar) override;
    // Lists the output column the column shows (released by the group, which drops the
    // column), its page files, then what its bindings and its control refer to, and its
    // control's procedure.
    void ListReferences(ReferenceList& list, ReportGroup& group);
    // The page files of the item; the release of the file the column opens also clears the
    // bindings, which feed variables of that file's page.
    void ListReferences(ReferenceList& list) override;

    Field* GetField() const { return m_field; }
    ProcedureFieldInfo* GetFieldInfo() const { return m_fieldInfo; }
    // Stores the output column; the caption becomes "Button" for null, else the column's.
    void SetFieldInfo(ProcedureFieldInfo* fieldInfo);
    // SetFieldInfo with an output column that the column made for itself and deletes with it.
    void AdoptFieldInfo(ProcedureFieldInfo* fieldInfo);
    int GetColNo() const { return m_colNo; }
    void SetColNo(int colNo) { m_colNo = colNo; }
    int GetWidth() const { return m_width; }
    void SetWidth(int width) { m_width = width; }
    int GetAlignment() const { return m_alignment; }
    void SetAlignment(int alignment) { m_alignment = alignment; }
    // "left", "center", "right"; empty for another value.
    void GetAlignmentText(CString& out) const;
    bool IsImageFromFileContent() const { return m_imageFromFileContent; }
    void SetImageFromFileContent(bool value) { m_imageFromFileContent = value; }
    int GetImageHeight() const { return m_imageHeight; }
    void SetImageHeight(int height) { m_imageHeight = height; }
    int GetImageWidth() const { return m_imageWidth; }
    void SetImageWidth(int width) { m_imageWidth = width; }
    bool IsMoney() const { return m_money; }
    void SetMoney(bool money) { m_money = money; }
    const std::vector<ReportFieldBinding*>& GetBindings() const { return m_bindings; }
    // The column takes the binding.
    void AddBinding(ReportFieldBinding* binding) { m_bindings.push_back(binding); }
    ReportFieldControlProperty* GetControlProperty() const { return m_controlProperty; }
    // The column takes the property and deletes the previous one.
    void SetControlProperty(ReportFieldControlProperty* property);

    // The control of the control property has control kind "Button".
    bool IsButton() const;
    // The control property has a control with data.
    bool HasControl() const;
    // The control of the control property, or null.
    FieldRep* GetControlFieldRep() const;

    // Bindings. Removals delete the binding; an invalid index or a missing one changes nothing.
    // -1 when no binding has the target.
    int FindBindingIndex(Variable* target) const;
    // Replaces the binding of the same target; the column takes the binding.
    void SetBinding(ReportFieldBinding* binding);
    void RemoveBindingAt(int index);
    // Nothing when the column does not hold the binding.
    void RemoveBinding(ReportFieldBinding* binding);
    void RemoveBindingForVariable(Variable* target);
    // The first binding with neither source variable nor source control, or -1.
    int FindRecordIdBindingIndex() const;
    void RemoveRecordIdBinding();
    void ClearBindings();
    // The first binding whose target is named so, or without target whose source column's
    // display name is; both ignoring case.
    ReportFieldBinding* FindBindingByName(const CString& name) const;
    // What feeds the target: the source variable's name, the source control's field name, the
    // source column's display name or "Record Id"; empty without a binding.
    void GetBindingSourceText(CString& out, Variable* target) const;

private:
    Field* m_field = nullptr;
    ProcedureFieldInfo* m_fieldInfo = nullptr;
    int m_colNo = 1;
    int m_width = 10;
    int m_alignment = 0;
    bool m_imageFromFileContent = false;
    int m_imageHeight = 10;
    int m_imageWidth = 10;
    bool m_money = false;
    std::vector<ReportFieldBinding*> m_bindings;
    ReportFieldControlProperty* m_controlProperty = nullptr;
    // An output column made for this column alone (a column of a class function); not stored.
    std::unique_ptr<ProcedureFieldInfo> m_ownFieldInfo;
};
