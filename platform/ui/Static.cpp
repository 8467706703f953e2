#include "platform/ui/Static.h"

#include "platform/ui/QtText.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QVariant>

IMPLEMENT_DYNAMIC(CStatic, CWnd)

namespace
{
constexpr const char* kBitmapProperty = "weavoBitmap";
} // namespace

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

HBITMAP CStatic::SetBitmap(HBITMAP bitmap)
{
    auto* label = qobject_cast<QLabel*>(GetSafeHwnd());
    if (label == nullptr)
        return nullptr;
    const HBITMAP previous = GetBitmap();
    const QImage* image = bitmap != nullptr ? bitmap->GetImage() : nullptr;
    label->setPixmap(image != nullptr ? QPixmap::fromImage(*image) : QPixmap());
    label->setProperty(kBitmapProperty, QVariant::fromValue(reinterpret_cast<quintptr>(bitmap)));
    return previous;
}

HBITMAP CStatic::GetBitmap() const
{
    const QWidget* label = GetSafeHwnd();
    return label != nullptr
               ? reinterpret_cast<HBITMAP>(label->property(kBitmapProperty).value<quintptr>())
               : nullptr;
}
