#pragma once

#include "platform/ui/Wnd.h"

// A text label or a picture.
class CStatic : public CWnd
{
    DECLARE_DYNAMIC(CStatic)

public:
    // Shows the image in the file; FALSE when it cannot be read.
    BOOL SetPictureFile(LPCTSTR path);
    BOOL HasPicture() const;
};
