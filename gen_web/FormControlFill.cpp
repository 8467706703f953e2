#include "gen_web/FormControlFill.h"

#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "gen_web/CodeBehindFragments.h"
#include "gen_web/PageControls.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/Identifiers.h"
#include "model/Table.h"
#include "model/TextFile.h"
#include "platform/core/LiteralEscaping.h"

#include <algorithm>

namespace
{
// The control's data call when its class and function are set.
CString FrontName(const FieldRep& control)
{
    return EscapeCSharpString(control.GetFieldRepData()->GetFrontField()->GetFieldName());
}

CString BackName(const FieldRep& control)
{
    return EscapeCSharpString(control.GetFieldRepData()->GetBackField()->GetFieldName());
}

// The table of the call's class; the class's name when it has none.
CString CallTableName(const ClassInvokation& call)
{
    const Table* table = call.GetClass()->GetTable();
    return CSharpIdentifierPart(table != nullptr ? table->GetTableName()
                                                 : call.GetClass()->GetFieldName());
}
} // namespace

FormControlFill::FormControlFill(FormInterface& page, Table* table, std::vector<FieldRep*> controls,
                                 TextFile& out, CodeBehindFragments& fragments,
                                 const CString& dataObject)
    : m_page(page), m_table(table), m_controls(std::move(controls)), m_out(out),
      m_fragments(fragments), m_dataObject(dataObject)
{
}

std::vector<FieldRep*> FormControlFill::PlacedControls() const
{
    std::vector<FieldRep*> placed;
    for (FieldRep* control : m_controls)
    {
        if (control != nullptr && control->GetField() != nullptr &&
            control->GetFieldRepData() != nullptr && !control->GetFieldRepData()->IsAddedBySync())
            placed.push_back(control);
    }
    return placed;
}

void FormControlFill::WriteInitializeHead(int indent)
{
    m_fragments.ClearDeclaredNames();
    m_out.Write(indent, "void initializeControls()\n");
    m_out.Write(indent, "{\n");
    m_out.Write(indent + 1,
                "//Controls which have defined population method are initialized here\n");
    m_out.Write(indent + 1, "DataTable dataTable = new DataTable();\n");
    m_out.Write(indent + 1, "ControlFieldHandler cntrl = new ControlFieldHandler();\n");
}

void FormControlFill::WriteAddInitializeControls(int indent)
{
    WriteInitializeControls(indent, Fill::CombosAndTexts);
}

void FormControlFill::WriteFilterInitializeControls(int indent)
{
    m_fragments.ClearObjects();
    WriteInitializeControls(indent, Fill::CombosWithZeros);
}

void FormControlFill::WriteComboInitializeControls(int indent)
{
    m_fragments.ClearObjects();
    WriteInitializeControls(indent, Fill::Combos);
}

void FormControlFill::WriteInitializeControls(int indent, Fill fill)
{
    WriteInitializeHead(indent);
    for (FieldRep* control : PlacedControls())
    {
        if (m_page.IsFieldRecomputedOnEvent(control->GetField(), false) &&
            !FormInterface::RecomputesSameBackField(control))
            continue;
        const int kind = ControlKind(*control);
        const ClassInvokation* call = GetUsableDataCall(*control);
        if ((kind == FieldRepData::ComboBox || kind == FieldRepData::EditableComboBox) &&
            call != nullptr)
        {
            m_fragments.WriteCallParameterValues(*call, indent + 1, /*detailRow=*/false);
            if (!HasFrontAndBackFields(*control))
                continue;
            WriteDataObjectDeclaration(*control, indent + 1);
            m_out.Write(indent + 1, "dataTable = m_%s.%s(", CallTableName(*call),
                        CSharpIdentifier(call->GetFunction()->GetFieldName()));
            m_fragments.WriteCallArguments(*call->GetFunction(), fill == Fill::CombosWithZeros);
            m_out.Write(0, ");\n");
            m_out.Write(indent + 1,
                        kind == FieldRepData::ComboBox
                            ? "cntrl.AddItemsToDropDownListFromDataTable(dataTable, %s , \"%s\", "
                              "\"%s\");\n"
                            : "cntrl.AddItemsToEditableDropDownListFromDataTable(dataTable, %s , "
                              "\"%s\", \"%s\");\n",
                        ControlName(*control), FrontName(*control), BackName(*control));
        }
        else if (fill == Fill::CombosAndTexts &&
                 (kind == FieldRepData::TextBox || kind == FieldRepData::TextArea))
            WriteTextFromDataCall(*control, indent + 1);
    }
    m_out.Write(0, "\n");
    m_out.Write(indent, "}\n");
}

void FormControlFill::WriteTextFromDataCall(const FieldRep& control, int indent)
{
    const ClassInvokation* call = GetUsableDataCall(control);
    if (call == nullptr || control.GetFieldRepData()->GetFrontField() == nullptr)
        return;
    WriteDataObjectDeclaration(control, indent);
    m_out.Write(0, "\n");
    WriteMemberCall(control, indent, /*members=*/false);
    m_out.Write(indent,
                ControlKind(control) == FieldRepData::TextBox
                    ? "this.%s.Text = cntrl.GetValueFromDataTable(dataTable, \"%s\");\n"
                    : "this.%s.Value = cntrl.GetValueFromDataTable(dataTable, \"%s\");\n",
                ControlName(control), FrontName(control));
}

void FormControlFill::WriteUpdateInitializeControls(int indent)
{
    WriteInitializeHead(indent);
    std::vector<const Field*> backFieldsMet;
    for (FieldRep* control : PlacedControls())
    {
        const int kind = ControlKind(*control);
        if ((kind != FieldRepData::ComboBox && kind != FieldRepData::EditableComboBox) ||
            GetUsableDataCall(*control) == nullptr)
            continue;
        if (IsRecomputeTarget(m_page, control))
        {
            m_deferredCombos.push_back(control);
            continue;
        }
        // A shared back field gives the stored value only when a control keeps it in a member.
        const Field* shared = FindSharedBackField(*control, backFieldsMet);
        WriteSelectedComboFill(*control, indent + 1,
                               shared != nullptr && HasValueMemberFor(shared)
                                   ? shared->GetFieldName()
                                   : ControlName(*control));
    }
    m_out.Write(0, "\n");
    m_out.Write(indent, "}\n");
}

void FormControlFill::WriteSelectedComboFill(const FieldRep& control, int indent,
                                             const CString& value)
{
    if (!HasFrontAndBackFields(control))
        return;
    const CString name = ControlName(control);
    WriteDataObjectDeclaration(control, indent);
    WriteMemberCall(control, indent, /*members=*/true);
    if (ControlKind(control) == FieldRepData::ComboBox)
    {
        m_out.Write(indent,
                    "cntrl.AddItemsToDropDownListFromDataTable(dataTable, %s , \"%s\", \"%s\");\n",
                    name, FrontName(control), BackName(control));
        m_out.Write(indent, "cntrl.SetSelectedItemForDropDownList(dataTable, %s, \"%s\");\n", name,
                    BackName(control));
        return;
    }
    m_out.Write(
        indent,
        "cntrl.AddItemsToEditableDropDownListFromDataTable(dataTable, %s,\"%s\", \"%s\");\n", name,
        FrontName(control), BackName(control));
    m_out.Write(indent, "this.%s_editable.Text= ", name);
    m_out.Write(
        0, "cntrl.SetSelectedItemForEditableDropDownList(dataTable, %s , \"%s\", \"%s\",m_%s);\n",
        name, FrontName(control), BackName(control), value);
    m_out.Write(indent, "this.%s.Text= m_%s;\n", name, name);
    m_out.Write(0, "\n");
}

const Field* FormControlFill::FindSharedBackField(const FieldRep& control,
                                                  std::vector<const Field*>& met) const
{
    const Field* back = control.GetFieldRepData()->GetBackField();
    for (const FieldRep* other : PlacedControls())
    {
        if (other == &control || other->GetFieldRepData()->GetBackField() != back ||
            back == nullptr)
            continue;
        if (std::find(met.begin(), met.end(), back) != met.end())
            return back;
        met.push_back(back);
    }
    return nullptr;
}

void FormControlFill::WriteInitAndSetRecomputingCombo(int indent)
{
    // A method of its own: the data objects of initializeControls are not in scope here.
    m_fragments.ClearObjects();
    m_fragments.AddUnique(m_table);
    m_out.Write(indent, "void initAndSetRecomputingCombo()\n");
    m_out.Write(indent, "{\n");
    if (!m_deferredCombos.empty())
    {
        m_out.Write(indent + 1, "DataTable dataTable = new DataTable();\n");
        m_out.Write(indent + 1, "ControlFieldHandler cntrl = new ControlFieldHandler();\n");
    }
    for (const FieldRep* control : m_deferredCombos)
        WriteSelectedComboFill(*control, indent + 1, ControlName(*control));
    for (const FieldRep* control : m_deferredCombos)
        m_out.Write(indent + 1, "this.%s.SelectedValue = this.m_%s;\n", ControlName(*control),
                    ControlName(*control));
    m_out.Write(indent, "}\n");
}

void FormControlFill::WriteFillControls(int indent)
{
    const int i = indent;
    m_out.Write(i, "void fillControls(string id)\n");
    m_out.Write(i, "{\n");
    m_out.Write(i + 1, "DataTable dataTable = %s.SelectRecord(id);\n", m_dataObject);
    m_out.Write(i + 1, "int numColumns = dataTable.Columns.Count;\n");
    m_out.Write(i + 1, "int numRows = dataTable.Rows.Count;\n");
    m_out.Write(i + 1, "for (int i = 0; i < numRows; i++)\n");
    m_out.Write(i + 1, "{\n");
    m_out.Write(i + 2, "DataRow r = dataTable.Rows[i];\n");
    m_out.Write(i + 2, "for (int j = 0; j < numColumns; j++)\n");
    m_out.Write(i + 2, "{\n");
    m_out.Write(i + 3, "String columnName = dataTable.Columns[j].ColumnName.ToString();\n");
    WriteColumnFills(i + 3);
    m_out.Write(i + 2, "}\n");
    m_out.Write(i + 1, "}\n");
    m_out.Write(i + 1, "if (numRows == 0)\n");
    m_out.Write(i + 2, "new UtilHandler().ShowRecordMissing(this);\n");
    m_out.Write(i, "}\n");
}

void FormControlFill::WriteColumnFills(int indent)
{
    for (const FieldRep* control : m_controls)
    {
        if (control == nullptr || control->GetField() == nullptr ||
            control->GetFieldRepData() == nullptr)
            continue;
        if (control->GetFieldRepData()->IsAddedBySync())
            return;
        switch (ControlKind(*control))
        {
        case FieldRepData::TextBox:
            m_fragments.WriteTextColumnFill(*control, indent);
            break;
        case FieldRepData::ComboBox:
            m_fragments.WriteComboColumnFill(*control, indent);
            break;
        case FieldRepData::DateControl:
            m_fragments.WriteDateColumnFill(*control, indent);
            break;
        case FieldRepData::RadioButton:
            m_fragments.WriteRadioColumnFill(*control, indent);
            break;
        case FieldRepData::CheckBox:
            m_fragments.WriteCheckBoxColumnFill(*control, indent);
            break;
        case FieldRepData::TextArea:
            m_fragments.WriteValueColumnFill(*control, indent);
            break;
        case FieldRepData::FileUpload:
            m_fragments.WriteFileColumnFill(*control, indent);
            break;
        case FieldRepData::EditableComboBox:
            m_fragments.WriteEditableComboColumnFill(*control, indent);
            break;
        default:
            break;
        }
    }
}

void FormControlFill::WriteDataObjectDeclaration(const FieldRep& control, int indent)
{
    const ClassInvokation& call = *GetUsableDataCall(control);
    const Table* table = call.GetClass()->GetTable();
    if (m_fragments.AddUnique(table != nullptr ? static_cast<const void*>(table) : call.GetClass()))
        return;
    const CString className = CSharpIdentifier(call.GetClass()->GetFieldName());
    m_out.Write(indent, "%s m_%s = new %s(); \n", className, CallTableName(call), className);
}

void FormControlFill::WriteMemberCall(const FieldRep& control, int indent, bool members)
{
    const ClassInvokation& call = *GetUsableDataCall(control);
    m_out.Write(indent, "dataTable = m_%s.%s(", CallTableName(call),
                CSharpIdentifier(call.GetFunction()->GetFieldName()));
    const char* separator = "";
    for (const ClassParameterMap* map : call.GetParameterMaps())
    {
        if (map == nullptr || map->m_field == nullptr)
            continue;
        const CString field = map->m_field->GetFieldName();
        if (members && HasValueMemberFor(map->m_field))
            m_out.Write(0, "%sthis.m_%s", separator, field);
        else
            m_out.Write(0, "%sthis.Request.Params[\"%s\"]", separator, EscapeCSharpString(field));
        separator = ",";
    }
    m_out.Write(0, ");\n");
}

bool FormControlFill::HasValueMemberFor(const Field* field) const
{
    const std::vector<FieldRep*> placed = PlacedControls();
    return std::ranges::any_of(placed,
                               [field](const FieldRep* control) {
                                   return control->GetField() == field && HasValueMember(*control);
                               });
}
