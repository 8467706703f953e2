#include "entities/ReportField.h"

#include "entities/ProcedureFieldInfo.h"
#include "model/ArchiveIO.h"
#include "model/Field.h"

IMPLEMENT_SERIAL(ReportField, MenuInterface, 0)

// Item kind 1 marks a report column among the linking items of a page file.
ReportField::ReportField() : MenuInterface(1) {}

ReportField::~ReportField()
{
    DeleteReportFieldBindings(m_bindings);
    delete m_controlProperty;
}

void ReportField::Serialize(CArchive& ar)
{
    MenuInterface::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteObject(m_fieldInfo);
        ar << m_colNo << m_width << m_alignment;
        ar << GetName();
        WriteReportFieldBindings(ar, m_bindings);
        ar.WriteObject(m_controlProperty);
        WriteBoolInt(ar, m_imageFromFileContent);
        ar << m_imageHeight << m_imageWidth;
        WriteBoolInt(ar, m_money);
        return;
    }
    const int version = ArchiveVersion();
    if (version < 24)
        m_field = ReadRef<Field>(ar);
    else
        m_fieldInfo = ReadRef<ProcedureFieldInfo>(ar);
    ar >> m_colNo >> m_width >> m_alignment;
    CString caption;
    ar >> caption;
    SetName(caption);
    ReadReportFieldBindings(ar, m_bindings, version > 34);
    if (version > 45)
        m_controlProperty = ReadRef<ReportFieldControlProperty>(ar);
    if (version > 59)
    {
        m_imageFromFileContent = ReadBoolInt(ar);
        ar >> m_imageHeight >> m_imageWidth;
    }
    if (version > 64)
        m_money = ReadBoolInt(ar);
}

void ReportField::SetControlProperty(ReportFieldControlProperty* property)
{
    if (property != m_controlProperty)
        delete m_controlProperty;
    m_controlProperty = property;
}
