#include "controls/ToolTipDialog.h"

BOOL ToolTipDialog::PreTranslateMessage(MSG* msg)
{
    m_toolTips.RelayEvent(msg);
    return CDialog::PreTranslateMessage(msg);
}
