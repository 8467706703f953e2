#include "designers/logic/DesignerTexts.h"

#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "platform/core/MessageBox.h"

bool AskYesNo(const char* question, UINT icon)
{
    return AfxMessageBox(question, MB_YESNO | icon) == IDYES;
}

CString ControlFieldName(const FieldRep* control)
{
    return FieldNameOrEmpty(control != nullptr ? control->GetField() : nullptr);
}

CString FilterName(const FieldRep& filter)
{
    if (filter.GetField() != nullptr)
        return filter.GetField()->GetFieldName();
    return filter.GetFieldRepData() != nullptr ? filter.GetFieldRepData()->GetCaption() : "";
}
