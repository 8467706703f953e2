#pragma once

#include "entities/MenuInterface.h"
#include "entities/ReportFieldControlProperty.h"

#include <vector>

class Field;
class ProcedureFieldInfo;

// One column or button of a report group: the output column it shows, its layout numbers and,
// through its menu base, the page files it links to with the bindings that feed their
// variables.
class ReportField : public MenuInterface
{
    DECLARE_SERIAL(ReportField)

public:
    ReportField();
    ~ReportField() override;
    ReportField(const ReportField&) = delete;
    ReportField& operator=(const ReportField&) = delete;

    void Serialize(CArchive& ar) override;

    Field* GetField() const { return m_field; }
    ProcedureFieldInfo* GetFieldInfo() const { return m_fieldInfo; }
    int GetColNo() const { return m_colNo; }
    void SetColNo(int colNo) { m_colNo = colNo; }
    int GetWidth() const { return m_width; }
    void SetWidth(int width) { m_width = width; }
    int GetAlignment() const { return m_alignment; }
    void SetAlignment(int alignment) { m_alignment = alignment; }
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
};
