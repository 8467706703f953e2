#include "platform/ui/Static.h"

#include "platform/ui/QtText.h"

#include <QLabel>
#include <QPixmap>

IMPLEMENT_DYNAMIC(CStatic, CWnd)

BOOL CStatic::SetPictureFile(LPCTSTR path)
{
    auto* label = qobject_cast<QLabel*>(GetSafeHwnd());
    QPixmap picture;
    if (label == nullptr || !picture.load(ToQString(path)))
    {
        return FALSE;
    }
    label->setPixmap(picture);
    return TRUE;
}

BOOL CStatic::HasPicture() const
{
    auto* label = qobject_cast<QLabel*>(GetSafeHwnd());
    return label != nullptr && !label->pixmap().isNull();
}
