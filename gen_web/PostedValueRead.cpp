#include "gen_web/PostedValueRead.h"

#include "database/SqlText.h"
#include "entities/AspFile.h"
#include "entities/FormInterface.h"
#include "gen_web/FieldRowLayout.h"
#include "gen_web/PageControls.h"
#include "gen_web/PageFileKinds.h"
#include "gen_web/TransactionGridWriter.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "platform/core/LiteralEscaping.h"

namespace
{
bool IsTextInputKind(int kind)
{
    return kind == FieldRepData::TextBox || kind == FieldRepData::Password ||
           kind == FieldRepData::TextArea;
}

bool IsDisabledKind(int kind)
{
    return kind == FieldRepData::ComboBox || kind == FieldRepData::EditableComboBox ||
           kind == FieldRepData::RadioButton || kind == FieldRepData::CheckBox;
}

bool IsAccountForm(const AspFile& pageFile)
{
    const FormInterface* owner = pageFile.GetOwnerPage();
    const CString formName = owner != nullptr ? owner->GetFormName() : CString();
    return formName == "useraccount_form" || formName == "ChangePassword_form";
}

ScriptRequirement AccountRequirement(const AspFile& pageFile, const FieldRep& control,
                                     bool changePassword)
{
    const bool update = pageFile.GetFileKind() == formUpdateFileKind;
    if (!control.IsMandatory() || (update && GetVisibilityText(pageFile, control) == "Invisible"))
        return ScriptRequirement::none;
    const CString name = control.GetField()->GetFieldName();
    // The server checks the old password; an account without one leaves it empty.
    const bool oldPassword = changePassword && update && name == "password";
    if (name == "personnel_role_id")
        return changePassword ? ScriptRequirement::none : ScriptRequirement::choice;
    if ((update || name != "new_password") && !oldPassword)
        return ScriptRequirement::text;
    return ScriptRequirement::none;
}
} // namespace

ScriptRequirement MasterRequirement(const AspFile& pageFile, const FieldRep& control)
{
    if (IsAccountForm(pageFile))
        return AccountRequirement(pageFile, control,
                                  pageFile.GetOwnerPage()->GetFormName() == "ChangePassword_form");
    const CString visibility = GetVisibilityText(pageFile, control);
    const int kind = GetWrittenControlKind(control);
    if (!control.IsMandatory() || control.GetFieldRepData()->IsAddedBySync() ||
        visibility == "Invisible" || visibility == "ReadOnly" ||
        !IsPostedByPage(control, /*detailRow=*/false))
        return ScriptRequirement::none;
    if (IsTextInputKind(kind) || kind == FieldRepData::DateControl)
        return ScriptRequirement::text;
    if (kind == FieldRepData::ComboBox || kind == FieldRepData::EditableComboBox)
        return ScriptRequirement::choice;
    return ScriptRequirement::none;
}

ScriptRequirement DetailRequirement(const AspFile& pageFile, const FieldRep& control)
{
    const CString visibility = GetVisibilityText(pageFile, control);
    if (!control.IsMandatory() || visibility == "Invisible" || visibility == "ReadOnly" ||
        !IsPostedByPage(control, /*detailRow=*/true))
        return ScriptRequirement::none;
    const int kind = GetWrittenControlKind(control);
    if (IsTextInputKind(kind))
        return ScriptRequirement::text;
    if (kind == FieldRepData::ComboBox)
        return ScriptRequirement::choice;
    return ScriptRequirement::none;
}

bool IsNumberColumnType(int typeCode)
{
    return !IsQuotedSqlType(typeCode);
}

int WholeNumberBits(int typeCode)
{
    switch (typeCode)
    {
    case FieldTypeInt:
        return 32;
    case FieldTypeBigInt:
        return 64;
    default:
        return 0;
    }
}

bool IsPostedByPage(const FieldRep& control, bool detailRow)
{
    return detailRow ? TransactionGridWriter::PostsInRow(control)
                     : FieldRowLayout::WritesCells(GetWrittenControlKind(control));
}

bool MayBeLeftOut(const AspFile& pageFile, const FieldRep& control)
{
    const int kind = GetWrittenControlKind(control);
    return kind == FieldRepData::CheckBox || kind == FieldRepData::RadioButton ||
           (IsDisabledKind(kind) && GetVisibilityText(pageFile, control) == "ReadOnly");
}

bool KeepsStoredWhenLeftOut(const AspFile& pageFile, const FieldRep& control)
{
    return MayBeLeftOut(pageFile, control) &&
           (GetWrittenControlKind(control) != FieldRepData::CheckBox ||
            GetVisibilityText(pageFile, control) == "ReadOnly");
}

CString PostedValueRead(const AspFile& pageFile, const FieldRep& control, const CString& source,
                        const CString& row)
{
    const int kind = GetWrittenControlKind(control);
    const int type = control.GetField()->GetTypeCode();
    // An Update page's stored password has rules of its own, with their own messages: the old one
    // is checked, one left empty stays. The passwords of an Add page and an Update page's new
    // password and its confirmation, fields of the page alone, are required where the page's
    // script requires them.
    const bool pageField = control.GetField()->GetTable() == nullptr;
    const bool ownChecks = IsAccountForm(pageFile) && kind == FieldRepData::Password &&
                           pageFile.GetFileKind() == formUpdateFileKind && !pageField;
    const ScriptRequirement requirement = ownChecks       ? ScriptRequirement::none
                                          : row.IsEmpty() ? MasterRequirement(pageFile, control)
                                                          : DetailRequirement(pageFile, control);
    CString rule;
    const auto add = [&rule](const char* flag)
    { rule += CString(rule.IsEmpty() ? "" : " | ") + "UtilHandler." + flag; };
    if (IsNumberColumnType(type) && kind != FieldRepData::CheckBox)
    {
        add("READ_NUMBER");
        if (const int bits = WholeNumberBits(type); bits != 0)
            add(bits == 32 ? "READ_INT" : "READ_BIGINT");
    }
    if ((type == FieldTypeDateTime && IsTextInputKind(kind) && kind != FieldRepData::Password) ||
        kind == FieldRepData::DateControl)
        add("READ_DATE");
    if (requirement != ScriptRequirement::none)
        add("READ_REQUIRED");
    if (requirement == ScriptRequirement::choice || IsComboControlKind(kind))
        add("READ_CHOICE");
    if (ownChecks || MayBeLeftOut(pageFile, control))
        add("READ_MAY_BE_ABSENT");
    // A control without a caption is named by its field.
    const CString name = control.GetField()->GetFieldName();
    const CString caption = control.GetFieldRepData()->GetCaption();
    return "util.ReadPosted(" + source + ", \"" + EscapeCSharpString(name) + "\", \"" +
           EscapeCSharpString(caption.IsEmpty() ? name : caption) + "\", " +
           (rule.IsEmpty() ? CString("0") : rule) + ", " + (row.IsEmpty() ? CString("null") : row) +
           ")";
}
