#pragma once

#include "platform/core/Types.h"

class QCursor;

// A cursor; the standard ones live as long as the process.
using HCURSOR = const QCursor*;

// The standard cursors of LoadCursor.
inline const LPCTSTR IDC_ARROW = reinterpret_cast<LPCTSTR>(32512);
inline const LPCTSTR IDC_IBEAM = reinterpret_cast<LPCTSTR>(32513);
inline const LPCTSTR IDC_WAIT = reinterpret_cast<LPCTSTR>(32514);
inline const LPCTSTR IDC_CROSS = reinterpret_cast<LPCTSTR>(32515);
inline const LPCTSTR IDC_SIZEWE = reinterpret_cast<LPCTSTR>(32644);
inline const LPCTSTR IDC_SIZENS = reinterpret_cast<LPCTSTR>(32645);
inline const LPCTSTR IDC_SIZEALL = reinterpret_cast<LPCTSTR>(32646);
inline const LPCTSTR IDC_NO = reinterpret_cast<LPCTSTR>(32648);
inline const LPCTSTR IDC_HAND = reinterpret_cast<LPCTSTR>(32649);

// A standard cursor (the instance is ignored); null for an unknown one.
HCURSOR LoadCursor(void* instance, LPCTSTR name);
// Shows the cursor over the window whose message is being handled (else over the active
// window) and returns the cursor set before; null shows the window's own cursor again.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
