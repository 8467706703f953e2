#pragma once

#include "platform/core/CString.h"
#include "platform/ui/DialogTemplate.h"

#include <memory>

class CWnd;
class QWidget;

// The Qt widget of a control kind, with its events wired to CWnd::NotifyOwner: clicks of
// buttons (BN_CLICKED), edit changes and focus (EN_CHANGE, EN_SETFOCUS, EN_KILLFOCUS), combo and
// list selections by the user (CBN_SELCHANGE, CBN_KILLFOCUS, LBN_SELCHANGE, LBN_DBLCLK), and the
// notifications of list and tree controls.
QWidget* CreateControlWidget(ControlKind kind, const CString& caption, QWidget* parent);

// A tab control's widget (CTabCtrl).
QWidget* CreateTabWidget(QWidget* parent);

// The window style a control of the kind starts with (its button type).
DWORD ControlStyle(ControlKind kind);

// A new handle of the control class for the kind (CEdit, CButton, CComboBox, ...).
std::unique_ptr<CWnd> CreateControlHandle(ControlKind kind);
