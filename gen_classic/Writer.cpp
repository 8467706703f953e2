#include "gen_classic/Writer.h"

#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/FormInterface.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "gen_classic/ClassicText.h"
#include "gen_classic/PageCheck.h"
#include "gen_classic/PageWriteInfo.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/GenerationReport.h"

Writer::Writer(const CString& folder, AspFile* file, GenerationReport& report)
    : m_file(file), m_folder(folder), m_outputPath(folder),
      m_body(/*disabled=*/false, /*flush=*/false, '=', 60), m_report(report)
{
}

Writer::~Writer()
{
    if (m_ownsInfos)
    {
        for (PageWriteInfo* info : m_infos)
            delete info;
    }
}

void Writer::AddPageWriteInfo(PageWriteInfo* info)
{
    m_infos.push_back(info);
    m_current = info;
}

CString Writer::GetParameterValueName(const VariablePair&, FormInterface*)
{
    return {};
}

FieldRep* Writer::GetExtraFieldRep(Field*)
{
    return nullptr;
}

bool Writer::ValidatesNumber(const Field*)
{
    return false;
}

void Writer::GetKeyNames(CString& variableName, CString& fieldName) const
{
    const FieldVariableMap* key = m_current != nullptr ? m_current->keyMap : nullptr;
    if (key == nullptr)
        return;
    if (key->variable != nullptr)
        variableName = VbsVariableName(*key->variable);
    if (key->field != nullptr)
        fieldName = key->field->GetFieldName();
}

void Writer::WriteVariableDims(int indent)
{
    CString keyVariable;
    CString keyField;
    GetKeyNames(keyVariable, keyField);
    if (!keyVariable.IsEmpty())
        m_body.Write(indent, "Dim %s\n", keyVariable);
    if (m_current == nullptr)
        return;
    const CString prefix = CString('\t', indent) + "Dim ";
    for (const bool listA : {true, false})
    {
        bool written = false;
        for (const FieldVariableMap* map : listA ? m_current->listA : m_current->listB)
        {
            if (map == nullptr || map->variable == nullptr || map == m_current->keyMap)
                continue;
            if (!listA && (IsSkippedField(map->field) || !HasControl(map->field)))
                continue;
            m_body.Write(0, "%s%s%s", written ? CString() : prefix,
                         written ? CString(", ") : CString(), VbsVariableName(*map->variable));
            written = true;
        }
        m_body.Write(0, "\n");
    }
}

bool Writer::IsSkippedField(const Field* field) const
{
    if (field == nullptr)
        return false;
    if (field->IsDeletedFlagField())
        return true;
    const FormInterface* page = m_current != nullptr ? m_current->page : nullptr;
    return dynamic_cast<const ApplicationReport*>(page) == nullptr && field->IsKey() &&
           m_current != nullptr && field->GetTable() == m_current->table;
}

FieldRep* Writer::FindFieldRep(Field* field)
{
    if (field == nullptr)
        return nullptr;
    FormInterface* page = m_current != nullptr ? m_current->page : nullptr;
    FieldRep* control = page != nullptr ? page->GetFieldRepForField(field) : nullptr;
    return control != nullptr ? control : GetExtraFieldRep(field);
}

bool Writer::HasControl(Field* field)
{
    return FindFieldRep(field) != nullptr;
}

bool Writer::HasLaterControl(const std::vector<FieldVariableMap*>& list, std::size_t index)
{
    for (std::size_t i = index + 1; i < list.size(); ++i)
    {
        if (list[i] != nullptr && HasControl(list[i]->field))
            return true;
    }
    return false;
}

bool Writer::HasLaterControlA(std::size_t index)
{
    return m_current != nullptr && HasLaterControl(m_current->listA, index);
}

bool Writer::HasLaterControlB(std::size_t index)
{
    return m_current != nullptr && HasLaterControl(m_current->listB, index);
}

void Writer::WriteRequestReads(int indent)
{
    if (m_current != nullptr)
    {
        for (const FieldVariableMap* map : m_current->listA)
        {
            if (map != nullptr && map->variable != nullptr)
                WriteKeyRequestRead(*map, indent);
        }
    }
    WriteActionRequestRead(indent);
    if (m_current != nullptr)
    {
        for (const FieldVariableMap* map : m_current->listB)
        {
            if (map != nullptr && map->variable != nullptr)
                WriteFieldRequestRead(*map, indent);
        }
    }
}

CString Writer::GetControlVariable(Field* field)
{
    const FieldRep* control = FindFieldRep(field);
    if (control == nullptr || control->GetFieldRepData() == nullptr)
        return {};
    CString prefix;
    switch (control->GetFieldRepData()->GetControlKind())
    {
    case FieldRepData::TextBox:
    case FieldRepData::DateControl:
    case FieldRepData::TextArea:
    case FieldRepData::Password:
        prefix = "txt_";
        break;
    case FieldRepData::ComboBox:
        prefix = "lst_";
        break;
    case FieldRepData::RadioButton:
        prefix = "rad_";
        break;
    case FieldRepData::CheckBox:
    case FieldRepData::MultipleComboBox:
        prefix = "chk_";
        break;
    case FieldRepData::FileUpload:
        prefix = "file_";
        break;
    case FieldRepData::Button:
        prefix = "btn_";
        break;
    default:
        break;
    }
    return control->GetControlName(prefix);
}

void Writer::WriteRequestAssignment(const FieldVariableMap& map, const CString& requestName,
                                    int indent)
{
    const CString variable = VbsVariableName(*map.variable);
    const CString request = requestName.IsEmpty() ? variable : requestName;
    m_body.Write(indent, "if Trim(Request(\"%s\")) <> \"\" then\n", request);
    m_body.Write(indent + 1, "%s = Trim(Request(\"%s\"))\n", variable, request);
    if (!ValidatesNumber(map.field))
        WriteNumericGuard(m_body, indent + 1, map.field, variable);
    CString value = map.variable->GetValue();
    if (value.IsEmpty())
    {
        const FieldRep* control = FindFieldRep(map.field);
        if (control != nullptr && control->GetFieldRepData() != nullptr &&
            control->GetFieldRepData()->GetControlKind() == FieldRepData::RadioButton)
        {
            std::vector<CString> texts;
            std::vector<CString> values;
            control->GetFieldRepData()->GetHardCodedStrings(texts, values);
            if (!texts.empty())
                value = texts.front();
        }
    }
    if (!value.IsEmpty())
    {
        const VbsValue written = VariableValueText(map.field, variable, value);
        if (written.refusal.IsEmpty())
        {
            m_body.Write(indent, "else\n");
            m_body.Write(indent + 1, "%s = %s\n", variable, written.text);
        }
        else
            AddRefusal(m_refusedValues, written.refusal);
    }
    m_body.Write(indent, "end if\n");
}

void Writer::WriteProcedureCallString(const ProcedureInvokation& invokation, const CString& target,
                                      int indent, bool convert)
{
    const Procedure* procedure = invokation.GetProcedure();
    FormInterface* page = m_current != nullptr ? m_current->page : nullptr;
    WriteProcedureCall(
        m_body, indent, target, invokation,
        [procedure](const VariablePair& pair) { return IsQuotedParameter(procedure, pair); },
        [this, convert, page](const VariablePair& pair)
        { return convert ? GetParameterValueName(pair, page) : VbsVariableName(*pair.second); });
}

void Writer::SavePage()
{
    CString address = GetOutputAddress();
    // The address is the module's folder and the file's name, or the name alone.
    const CString fileName = m_file != nullptr ? m_file->GetClassicFileName(FALSE) : CString();
    const CString folder = address.GetLength() > fileName.GetLength() &&
                                   address.Right(fileName.GetLength() + 1) == "/" + fileName
                               ? address.Left(address.GetLength() - fileName.GetLength() - 1)
                               : CString();
    if (const CString refusal = RefusePagePath(folder, fileName); !refusal.IsEmpty())
        m_refusedValues.push_back(refusal);
    address.Replace(' ', '_');
    m_outputPath = m_folder + address;
    SaveClassicPage(m_outputPath, m_body.GetBuffer(), m_report, m_refusedValues);
    m_refusedValues.clear();
}

CString Writer::GetOutputAddress() const
{
    return m_file != nullptr ? m_file->GetClassicRelativeUrl(FALSE, FALSE) : CString();
}
