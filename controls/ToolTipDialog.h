#pragma once

#include "controls/RichToolTipCtrl.h"
#include "platform/ui/Dialog.h"

// A dialog with a tool-tip control of its own, which the dialog relays its input to once the
// tip is created.
class ToolTipDialog : public CDialog
{
public:
    using CDialog::CDialog;

    const CRichToolTipCtrl& GetToolTips() const { return m_toolTips; }

protected:
    CRichToolTipCtrl m_toolTips;
};
