#pragma once

#include "controls/RichToolTipCtrl.h"
#include "platform/ui/Dialog.h"

// A dialog with a tool-tip control of its own: every message the dialog pre-translates goes to
// the tip first, then to the dialog's default pre-translation.
class ToolTipDialog : public CDialog
{
public:
    using CDialog::CDialog;

    const CRichToolTipCtrl& GetToolTips() const { return m_toolTips; }
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    CRichToolTipCtrl m_toolTips;
};
