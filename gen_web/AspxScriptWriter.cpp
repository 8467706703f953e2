#include "gen_web/AspxScriptWriter.h"

#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/Form.h"
#include "entities/RDLCReport.h"
#include "entities/Transaction.h"
#include "gen_web/CodeBehindFragments.h"
#include "gen_web/FieldRowLayout.h"
#include "gen_web/PageControls.h"
#include "gen_web/PostedValueRead.h"
#include "model/EventRecmpFields.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/TextFile.h"
#include "platform/core/LiteralEscaping.h"

#include <algorithm>

namespace
{
int KindOf(const FieldRep& control)
{
    return GetWrittenControlKind(control);
}

// The control's id in the markup, by which every script line names it.
CString NameOf(const FieldRep& control)
{
    return ControlName(control);
}

CString ScriptText(const CString& text)
{
    return EscapeJavaScriptString(text);
}

// Both controls' data take their value from one back field.
bool HaveSameBackField(const FieldRep& first, const FieldRep& second)
{
    const Field* back = first.GetFieldRepData()->GetBackField();
    return back != nullptr && back == second.GetFieldRepData()->GetBackField();
}

bool IsUsable(const FieldRep* control)
{
    return control != nullptr && control->GetField() != nullptr &&
           control->GetFieldRepData() != nullptr;
}
} // namespace

AspxScriptWriter::AspxScriptWriter(AspFile& pageFile, ForgeonProject& project, TextFile& out)
    : m_pageFile(pageFile), m_project(project), m_out(out)
{
}

void AspxScriptWriter::WriteValidateData(const std::vector<FieldRep*>& controls, int indent)
{
    WriteValidateDataChecks(controls, indent);
    m_out.Write(indent + 1, "return true;\n");
    m_out.Write(indent, "}\n");
}

void AspxScriptWriter::WriteValidateDataChecks(const std::vector<FieldRep*>& controls, int indent)
{
    m_out.Write(indent, "function ValidateData()\n");
    m_out.Write(indent, "{\n");
    m_out.Write(indent + 1, "var formName = document.aspnetForm;\n");
    for (const FieldRep* control : controls)
    {
        switch (MasterRequirement(m_pageFile, *control))
        {
        case ScriptRequirement::text:
        {
            WriteStringCheck(*control, indent + 1);
            const int type = control->GetField()->GetTypeCode();
            if (IsNumberColumnType(type))
                WriteNumericCheck(*control, type, indent + 1);
            else if (type == FieldTypeDateTime)
                WriteDateCheck(*control, indent + 1);
            break;
        }
        case ScriptRequirement::choice:
            if (KindOf(*control) == FieldRepData::EditableComboBox)
                WriteSelectCheck(*control, indent + 1, "_editable", "None");
            else
                WriteSelectCheck(*control, indent + 1, "", "null");
            break;
        case ScriptRequirement::none:
            break;
        }
    }
}

void AspxScriptWriter::WriteAccountValidateDataAdd(const std::vector<FieldRep*>& controls,
                                                   int indent)
{
    WriteAccountValidateData(controls, indent, /*update=*/false);
}

void AspxScriptWriter::WriteAccountValidateDataUpdate(const std::vector<FieldRep*>& controls,
                                                      int indent)
{
    WriteAccountValidateData(controls, indent, /*update=*/true);
}

void AspxScriptWriter::WriteAccountValidateData(const std::vector<FieldRep*>& controls, int indent,
                                                bool update)
{
    m_out.Write(indent, "function ValidateData()\n");
    m_out.Write(indent, "{\n");
    m_out.Write(indent + 1, "var formName = document.aspnetForm;\n");
    CString passwordField;
    CString confirmationField;
    for (const FieldRep* control : controls)
    {
        if (!control->IsMandatory() || (update && !IsControlVisible(*control)))
            continue;
        const CString name = NameOf(*control);
        const ScriptRequirement requirement = MasterRequirement(m_pageFile, *control);
        if (requirement == ScriptRequirement::text)
            WriteStringCheck(*control, indent + 1);
        else if (requirement == ScriptRequirement::choice)
            WriteSelectCheck(*control, indent + 1, "", "null");
        if (name == (update ? "new_password" : "password"))
            passwordField = name;
        if (name == "confirm_password")
            confirmationField = name;
    }
    if (!passwordField.IsEmpty() && !confirmationField.IsEmpty())
    {
        m_out.Write(indent + 1,
                    "if(formName.ctl00_KestraneWeavoContent_%s.value != "
                    "formName.ctl00_KestraneWeavoContent_%s.value)\n",
                    passwordField, confirmationField);
        m_out.Write(indent + 1, "{\n");
        m_out.Write(indent + 2, "alert(\"Confirm password should be matching with password\");\n");
        m_out.Write(indent + 2, "formName.ctl00_KestraneWeavoContent_%s.focus();\n", passwordField);
        m_out.Write(indent + 2, "return false\n");
        m_out.Write(indent + 1, "}\n");
    }
    m_out.Write(indent + 1, "return true;\n");
    m_out.Write(indent, "}\n");
}

void AspxScriptWriter::WriteStringCheck(const FieldRep& control, int indent)
{
    WriteInputStringCheck("formName.ctl00_KestraneWeavoContent_" + NameOf(control),
                          control.GetFieldRepData()->GetCaption(), "", indent);
}

void AspxScriptWriter::WriteInputStringCheck(const CString& element, const CString& caption,
                                             const CString& rowText, int indent)
{
    m_out.Write(indent, "if(!(validateString(%s, \"Please enter %s\"%s)))\n", element,
                ScriptText(caption), rowText);
    m_out.Write(indent, "{\n");
    m_out.Write(indent + 1, "return false\n");
    m_out.Write(indent, "}\n");
}

void AspxScriptWriter::WriteNumericCheck(const FieldRep& control, int typeCode, int indent)
{
    WriteInputNumericCheck("formName.ctl00_KestraneWeavoContent_" + NameOf(control),
                           NameOf(control), typeCode, "", indent);
}

void AspxScriptWriter::WriteInputNumericCheck(const CString& element, const CString& name,
                                              int typeCode, const CString& rowText, int indent)
{
    // An int or bigint column holds whole numbers of its range only (isWholeNumber takes no
    // text that isNumber1 refuses).
    CString test;
    if (const int bits = WholeNumberBits(typeCode); bits != 0)
        test.Format("isWholeNumber(%s.value, %d)", element, bits);
    else
        test = "isNumber1(" + element + ".value)";
    m_out.Write(indent, "if(!(%s))\n", test);
    m_out.Write(indent, "{\n");
    m_out.Write(indent + 1, "alert(\"Please enter valid numeric value for %s\"%s);\n",
                ScriptText(name), rowText);
    m_out.Write(indent + 1, "%s.focus();\n", element);
    m_out.Write(indent + 1, "return false\n");
    m_out.Write(indent, "}\n");
}

void AspxScriptWriter::WriteDateCheck(const FieldRep& control, int indent)
{
    m_out.Write(indent, "if(!(isDate(formName.ctl00_KestraneWeavoContent_%s.value, '%s')))\n",
                NameOf(control), DateFormat());
    m_out.Write(indent, "{\n");
    m_out.Write(indent + 1, "alert(\"Please select valid %s\");\n",
                ScriptText(control.GetFieldRepData()->GetCaption()));
    m_out.Write(indent + 1, "return\n");
    m_out.Write(indent, "}\n");
}

void AspxScriptWriter::WriteSelectCheck(const FieldRep& control, int indent, const char* part,
                                        const char* noChoice)
{
    m_out.Write(indent, "if(formName.ctl00_KestraneWeavoContent_%s%s.value == \"%s\")\n",
                NameOf(control), part, noChoice);
    m_out.Write(indent, "{\n");
    m_out.Write(indent + 1, "alert(\"Please select %s\");\n",
                ScriptText(control.GetFieldRepData()->GetCaption()));
    m_out.Write(indent + 1, "formName.ctl00_KestraneWeavoContent_%s%s.focus();\n", NameOf(control),
                part);
    m_out.Write(indent + 1, "return false;\n");
    m_out.Write(indent, "}\n");
}

void AspxScriptWriter::WriteConfirm(int indent, const char* message)
{
    m_out.Write(indent, "var msg = confirm(\"%s\")\n", message);
    m_out.Write(indent, "if(msg == false)\n");
    m_out.Write(indent, "{\n");
    m_out.Write(indent + 1, "return;\n");
    m_out.Write(indent, "}\n");
}

void AspxScriptWriter::WriteHandleActionHead(int indent)
{
    m_out.Write(indent, "function HandleAction(formAction, recomputeParentControlName)\n");
    m_out.Write(indent, "{\n");
    m_out.Write(indent + 1, "var formName = document.aspnetForm;\n");
    m_out.Write(indent + 1, "var sBody = getRequestBody(formName, formAction);\n\n");
}

void AspxScriptWriter::WriteSaveBlock(const char* action, const char* message, bool confirm,
                                      int indent)
{
    m_out.Write(indent, "if(formAction == '%s')\n", action);
    m_out.Write(indent, "{\n");
    m_out.Write(indent + 1, "if(!ValidateData())\n");
    m_out.Write(indent + 2, "return;\n");
    if (confirm)
        WriteConfirm(indent + 1, message);
    m_out.Write(indent, "}\n");
}

void AspxScriptWriter::WriteAddHandleAction(const std::vector<FieldRep*>& controls, int indent)
{
    WriteHandleActionHead(indent);
    WriteSaveBlock("ADD", "Do you really want to Add Record?", m_project.GetShowConfirmations(),
                   indent + 1);
    if (HasFileUploadControl(controls))
        WriteFileUploadSubmit(indent + 1);
    WriteRequest(controls, indent + 1);
    m_out.Write(indent, "}\n\n");
}

void AspxScriptWriter::WriteUpdateHandleAction(const std::vector<FieldRep*>& controls, int indent)
{
    const bool confirm = m_project.GetShowConfirmations();
    WriteHandleActionHead(indent);
    if (IsPopUpForm())
        WriteSaveBlock("UPDATE", "Do you really want to Update Record?", true, indent + 1);
    WriteSaveBlock("UPDATE", "Do you really want to Update Record?", confirm, indent + 1);
    m_out.Write(indent + 1, "if(formAction == 'DELETE')\n");
    m_out.Write(indent + 1, "{\n");
    if (confirm)
        WriteConfirm(indent + 2, "Do you really want to Delete Record?");
    m_out.Write(indent + 1, "}\n");
    WriteCancelBlock(indent + 1);
    if (HasFileUploadControl(controls))
        WriteFileUploadSubmit(indent + 1);
    WriteRequest(controls, indent + 1);
    m_out.Write(indent, "}\n\n");
}

void AspxScriptWriter::WriteCancelBlock(int indent)
{
    m_out.Write(indent, "if(formAction == \"Cancel\")\n");
    m_out.Write(indent, "{\n");
    if (IsChangePasswordForm())
        m_out.Write(indent + 1, "window.location = \"Login.aspx\";\n");
    else
        m_out.Write(indent + 1, "window.location = \"../UI/%s\";\n", AddPageName());
    m_out.Write(indent + 1, "return;\n");
    m_out.Write(indent, "}\n");
}

void AspxScriptWriter::WriteHandleAction(const std::vector<FieldRep*>& controls, int indent)
{
    WriteHandleActionHead(indent);
    m_out.Write(indent + 1, "if(formAction == 'SHOW')\n");
    m_out.Write(indent + 1, "{\n");
    m_out.Write(indent + 2, "if(!ValidateData())\n");
    m_out.Write(indent + 3, "return;\n");
    m_out.Write(indent + 1, "}\n");
    WriteRequest(controls, indent + 1);
    m_out.Write(indent, "}\n");
}

void AspxScriptWriter::WriteFileUploadSubmit(int indent)
{
    // The server answers a page with an upload by leading the browser to the Add page, where the
    // message shows: a delete goes with the whole form as a save does.
    if (IsUpdatePage())
        m_out.Write(indent, "if(formAction == 'UPDATE' || formAction == 'DELETE')\n");
    else
        m_out.Write(indent, "if(formAction == 'ADD')\n");
    m_out.Write(indent, "{\n");
    // The values go with the file in the form; the address carries only the Update page's record
    // key, which a reply to a post too large to be read returns to.
    if (IsUpdatePage() && !RecordKeyName().IsEmpty())
        m_out.Write(indent + 1,
                    "submitWithValues(document.aspnetForm, recordPageUrl(\"%s\", \"%s\"), "
                    "sBody);\n",
                    PageFileName(), ScriptText(RecordKeyName()));
    else
        m_out.Write(indent + 1, "submitWithValues(document.aspnetForm, \"%s\", sBody);\n",
                    PageFileName());
    m_out.Write(indent + 1, "return;\n");
    m_out.Write(indent, "}\n");
}

void AspxScriptWriter::WriteRequest(const std::vector<FieldRep*>& controls, int indent)
{
    m_out.Write(indent, "httpRequest = getXMLHTTPRequest();\n");
    m_out.Write(indent, "httpRequest.onreadystatechange = function()\n");
    m_out.Write(indent, "{\n");
    m_out.Write(indent + 1, "if (httpRequest.readyState == 4)\n");
    m_out.Write(indent + 1, "{\n");
    m_out.Write(indent + 2, "if (httpRequest.status == 200)\n");
    m_out.Write(indent + 2, "{\n");
    m_out.Write(indent + 3, "var doc;\n");
    m_out.Write(indent + 3, "doc = httpRequest.responseXML;\n");
    m_out.Write(indent + 3, "if(doc)\n");
    m_out.Write(indent + 3, "{\n");
    m_out.Write(indent + 4, "if(formAction.search(/RECOMPUTE/) != -1)\n");
    m_out.Write(indent + 4, "{\n");
    WriteRecomputeReplies(controls, indent + 5);
    m_out.Write(indent + 4, "}\n");
    m_out.Write(indent + 4, "else\n");
    m_out.Write(indent + 4, "{\n");
    WriteRecomputeReplies(controls, indent + 5);
    WriteSaveAnswer(indent + 5);
    for (int level = 4; level >= 0; --level)
        m_out.Write(indent + level, "}\n");
    m_out.Write(indent, "httpRequest.open('POST', '%s', true);\n", PageFileName());
    m_out.Write(indent, "httpRequest.setRequestHeader(\"Content-Type\", "
                        "\"application/x-www-form-urlencoded\");\n");
    m_out.Write(indent, "httpRequest.send(sBody);\n");
}

void AspxScriptWriter::WriteSaveAnswer(int indent)
{
    if (IsPopUpForm())
    {
        m_out.Write(indent, "if(!getMessageString(doc, 'messageDiv', 'messageDiv'))\n");
        m_out.Write(indent + 1, "window.close();\n");
        return;
    }
    m_out.Write(indent, "updateReport(httpRequest, 'ctl00_KestraneWeavoContent_reportDiv');\n");
    m_out.Write(indent, "if(!getMessageString(doc, 'messageDiv', 'messageDiv'))\n");
    if (!IsUpdatePage())
        m_out.Write(indent + 1, "resetAllControls();\n");
    else if (IsChangePasswordForm())
        m_out.Write(indent + 1, "window.location = \"Login.aspx\";\n");
    else
        m_out.Write(indent + 1, "window.location = \"%s\";\n", AddPageName());
}

void AspxScriptWriter::WriteRecomputeReplies(const std::vector<FieldRep*>& controls, int indent)
{
    for (FieldRep* parent : controls)
    {
        const FieldRepData& data = *parent->GetFieldRepData();
        if (data.GetEventRecmpFieldsList().empty())
            continue;
        m_out.Write(indent, "if(recomputeParentControlName == '%s')\n",
                    ScriptText(NameOf(*parent)));
        m_out.Write(indent, "{\n");
        std::vector<const FieldRep*> kept;
        bool gridReset = false;
        for (const EventRecmpFields* list : data.GetEventRecmpFieldsList())
        {
            for (FieldRep* target : RecomputeTargets(*list))
            {
                if (!IsUsable(target))
                    continue;
                if (IsGridTarget(*target))
                    gridReset = true;
                else if (IsComboControlKind(KindOf(*target)) && HaveSameBackField(*target, *parent))
                    kept.push_back(target);
                else
                    WriteRecomputeReply(*parent, *target, indent + 1);
            }
        }
        if (gridReset)
            WriteGridReset(indent + 1);
        bool first = true;
        for (const FieldRep* target : kept)
        {
            if (KindOf(*target) != FieldRepData::EditableComboBox)
                continue;
            if (first)
            {
                m_out.Write(0, "\n");
                m_out.Write(indent + 1, "var val = formName.ctl00_KestraneWeavoContent_%s.value;\n",
                            NameOf(*parent));
                first = false;
            }
            m_out.Write(indent + 1, "formName.ctl00_KestraneWeavoContent_%s.value = val;\n",
                        NameOf(*target));
            m_out.Write(
                indent + 1,
                "formName.ctl00_KestraneWeavoContent_%s_editable.value = "
                "getSelctedTextFromEditableCombo(val,formName.ctl00_KestraneWeavoContent_%s);"
                "\n",
                NameOf(*target), NameOf(*target));
        }
        m_out.Write(indent, "}\n");
    }
}

void AspxScriptWriter::WriteRecomputeReply(FieldRep& parent, FieldRep& target, int indent)
{
    const CString name = NameOf(target);
    const int kind = KindOf(target);
    if (&target == &parent)
    {
        m_out.Write(indent, "updateReport(httpRequest, '%s');\n", ReportDivName());
        return;
    }
    if (IsComboControlKind(kind))
    {
        if (kind == FieldRepData::EditableComboBox)
            m_out.Write(indent,
                        "document.aspnetForm.ctl00_KestraneWeavoContent_%s_editable.value = \"\"\n",
                        name);
        const FormInterface* owner = m_pageFile.GetOwnerPage();
        const bool report = dynamic_cast<const ApplicationReport*>(owner) != nullptr ||
                            dynamic_cast<const RDLCReport*>(owner) != nullptr;
        m_out.Write(
            indent,
            report
                ? "FillCombo(doc,'%s', document.aspnetForm.ctl00_KestraneWeavoContent_%s, true);\n"
                : "FillCombo(doc,'%s', document.aspnetForm.ctl00_KestraneWeavoContent_%s, "
                  "false);\n",
            ScriptText(name), name);
        return;
    }
    const char* fill = nullptr;
    if (kind == FieldRepData::TextBox || kind == FieldRepData::TextArea ||
        kind == FieldRepData::DateControl)
        fill = "FillControlFromFunction(doc,%s, %s);\n";
    else if (kind == FieldRepData::CheckBox)
        fill = "FillCheckBoxFromFunction(doc,%s, %s);\n";
    else if (kind == FieldRepData::RadioButton)
        fill = "FillRadioButtonFromFunction(doc,%s, %s);\n";
    if (fill == nullptr)
        return;
    m_out.Write(indent, fill, "'" + ScriptText(name) + "'",
                "document.aspnetForm.ctl00_KestraneWeavoContent_" + name);
    m_out.Write(0, "\n");
}

void AspxScriptWriter::WriteResetAllControls(const std::vector<FieldRep*>& controls, int indent)
{
    m_out.Write(indent, "function resetAllControls()\n");
    m_out.Write(indent, "{\n");
    if (ResetReloadsPage())
        m_out.Write(indent + 1, "window.location = \"%s\";\n", PageFileName());
    else
    {
        m_out.Write(indent + 1, "var formName = document.aspnetForm;\n");
        for (FieldRep* control : controls)
        {
            if (!control->GetFieldRepData()->IsAddedBySync() &&
                VisibilityOf(*control) != "Invisible" &&
                FieldRowLayout::WritesCells(KindOf(*control)))
                WriteResetLine(*control, indent + 1);
        }
        const FieldRep* first = controls.empty() ? nullptr : controls.front();
        if (first != nullptr && KindOf(*first) != FieldRepData::RadioButton &&
            IsControlVisible(*first) && FieldRowLayout::WritesCells(KindOf(*first)))
        {
            m_out.Write(0, "\n");
            m_out.Write(indent + 1, "formName.ctl00_KestraneWeavoContent_%s%s.focus();\n",
                        NameOf(*first),
                        KindOf(*first) == FieldRepData::EditableComboBox ? "_editable" : "");
        }
    }
    m_out.Write(indent, "}\n\n");
}

void AspxScriptWriter::WriteResetLine(FieldRep& control, int indent)
{
    const CString name = NameOf(control);
    switch (KindOf(control))
    {
    case FieldRepData::ComboBox:
        m_out.Write(indent, "formName.ctl00_KestraneWeavoContent_%s.value = null;\n", name);
        return;
    case FieldRepData::EditableComboBox:
        m_out.Write(indent, "formName.ctl00_KestraneWeavoContent_%s.value = null;\n", name);
        m_out.Write(indent, "formName.ctl00_KestraneWeavoContent_%s_editable.value = \"None\";\n",
                    name);
        return;
    case FieldRepData::RadioButton:
    {
        const std::size_t count = GetRadioItems(*control.GetFieldRepData()).size();
        for (std::size_t i = 0; i < count; ++i)
            m_out.Write(indent,
                        i == 0 ? "formName.ctl00_KestraneWeavoContent_%s_%d.checked = true;\n"
                               : "formName.ctl00_KestraneWeavoContent_%s_%d.checked = false;\n",
                        name, static_cast<int>(i));
        return;
    }
    case FieldRepData::CheckBox:
        m_out.Write(indent, "formName.ctl00_KestraneWeavoContent_%s.checked = false;\n", name);
        return;
    default:
        break;
    }
    if (control.GetField()->GetTypeCode() != FieldTypeDateTime)
    {
        m_out.Write(indent, "formName.ctl00_KestraneWeavoContent_%s.value = \"\";\n", name);
        return;
    }
    CString format = m_project.GetDateFormat();
    format.MakeLower();
    m_out.Write(indent, "var dt = new Date();\n");
    if (format == "mm/dd/yyyy")
        m_out.Write(indent, "var currentDate = (dt.getMonth()+1) +\"/\"+ dt.getDate() +\"/\"+ "
                            "dt.getFullYear();\n");
    else if (format == "dd/mm/yyyy")
        m_out.Write(indent, "var currentDate = dt.getDate() +\"/\"+ (dt.getMonth()+1) +\"/\"+ "
                            "dt.getFullYear();\n");
    m_out.Write(indent, "formName.ctl00_KestraneWeavoContent_%s.value = currentDate;\n", name);
}

bool AspxScriptWriter::ResetReloadsPage() const
{
    const FormInterface* owner = m_pageFile.GetOwnerPage();
    return owner != nullptr && owner->HasFileUploadControl();
}

bool AspxScriptWriter::IsUpdatePage() const
{
    return m_pageFile.GetFileKind() == 7;
}

// The class-recompute entries, which a loaded project and the control editor hold, then the
// procedure-recompute entries; each control once.
std::vector<FieldRep*> AspxScriptWriter::RecomputeTargets(const EventRecmpFields& list) const
{
    std::vector<FieldRep*> targets;
    for (const EventClassRecompute* entry : list.GetClassRecomputes())
        targets.push_back(entry->fieldRep);
    for (const EventProcedureRecompute* entry : list.GetProcedureRecomputes())
        if (std::ranges::find(targets, entry->fieldRep) == targets.end())
            targets.push_back(entry->fieldRep);
    return targets;
}

CString AspxScriptWriter::ReportDivName() const
{
    return "ctl00_KestraneWeavoContent_reportDiv";
}

bool AspxScriptWriter::HasFileUploadControl(const std::vector<FieldRep*>& controls)
{
    for (const FieldRep* control : controls)
    {
        if (KindOf(*control) == FieldRepData::FileUpload)
            return true;
    }
    return false;
}

bool AspxScriptWriter::IsControlVisible(const FieldRep& control) const
{
    return VisibilityOf(control) != "Invisible";
}

CString AspxScriptWriter::VisibilityOf(const FieldRep& control) const
{
    return GetVisibilityText(m_pageFile, control);
}

CString AspxScriptWriter::PageFileName() const
{
    return ScriptText(m_pageFile.GetFileName(FALSE));
}

CString AspxScriptWriter::RecordKeyName() const
{
    const FormInterface* owner = m_pageFile.GetOwnerPage();
    if (const auto* form = dynamic_cast<const Form*>(owner))
        return GetPrimaryKeyName(form->GetTable());
    if (const auto* transaction = dynamic_cast<const Transaction*>(owner))
        return GetPrimaryKeyName(transaction->GetBasicTable());
    return CString();
}

CString AspxScriptWriter::AddPageName() const
{
    const FormInterface* owner = m_pageFile.GetOwnerPage();
    CString baseName;
    if (const auto* form = dynamic_cast<const Form*>(owner))
        baseName = GetPageBaseName(*form);
    else if (const auto* transaction = dynamic_cast<const Transaction*>(owner))
        baseName = GetFormNameStem(*transaction);
    return ScriptText(baseName + "Add.aspx");
}

CString AspxScriptWriter::DateFormat() const
{
    CString format = m_project.GetDateFormat();
    format.MakeLower();
    return ScriptText(format);
}

bool AspxScriptWriter::IsPopUpForm() const
{
    const auto* form = dynamic_cast<const Form*>(m_pageFile.GetOwnerPage());
    return form != nullptr && form->GetDisplayType() == 1;
}

bool AspxScriptWriter::IsChangePasswordForm() const
{
    const FormInterface* owner = m_pageFile.GetOwnerPage();
    return owner != nullptr && owner->GetFormName() == "ChangePassword_form";
}
