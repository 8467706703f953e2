#pragma once

#include "platform/ui/GdiObjects.h"
#include "platform/ui/Wnd.h"

// A text label or a picture.
class CStatic : public CWnd
{
    DECLARE_DYNAMIC(CStatic)

public:
    // Shows the image in the file; FALSE when it cannot be read.
    BOOL SetPictureFile(LPCTSTR path);
    BOOL HasPicture() const;
    // Shows a copy of the bitmap's pixels at their size (null shows none); returns the bitmap
    // shown before by SetBitmap, null when there was none.
    HBITMAP SetBitmap(HBITMAP bitmap);
    HBITMAP GetBitmap() const;
};
