#include "controls/ThumbListCtrl.h"

#include "platform/core/HostPath.h"

#include <QImage>
#include <QPainter>
#include <QTreeWidget>

void CThumbListCtrl::SetThumbnailSize(int width, int height)
{
    m_thumbWidth = width;
    m_thumbHeight = height;
}

void CThumbListCtrl::InitThumbnails()
{
    InsertColumn(0, "Filename", LVCFMT_LEFT, 125);
    m_thumbnails.Create(m_thumbWidth, m_thumbHeight, ILC_COLOR32, 0, 1);
    SetImageList(&m_thumbnails, LVSIL_NORMAL);
    SetImageList(&m_thumbnails, LVSIL_SMALL);
    // The rows show the pictures at the thumbnail size.
    if (auto* list = qobject_cast<QTreeWidget*>(GetSafeHwnd()))
        list->setIconSize(QSize(m_thumbWidth, m_thumbHeight));
}

BOOL CThumbListCtrl::AddThumbnail(const char* path, const char* text, BOOL highlighted)
{
    const QImage picture(QString::fromStdString(ToHostPath(path)));
    if (picture.isNull() || picture.height() == 0)
        return FALSE;
    m_thumbWidth = ScaledWidth(m_thumbHeight, picture.width(), picture.height());
    CBitmap thumbnail;
    thumbnail.SetImage(MakeThumbnail(picture, m_thumbWidth, m_thumbHeight, highlighted != FALSE));
    const int image = m_thumbnails.Add(&thumbnail, RGB(0, 0, 0));
    InsertItem(GetItemCount(), text, image);
    return TRUE;
}

int CThumbListCtrl::ScaledWidth(int thumbHeight, int pictureWidth, int pictureHeight)
{
    return static_cast<int>(static_cast<float>(thumbHeight) * static_cast<float>(pictureWidth) /
                            static_cast<float>(pictureHeight));
}

QImage CThumbListCtrl::MakeThumbnail(const QImage& picture, int width, int height, bool highlighted)
{
    QImage thumbnail(width, height, QImage::Format_RGB32);
    thumbnail.fill(highlighted ? QColor(0, 255, 255) : QColor(255, 255, 255));
    QPainter painter(&thumbnail);
    painter.drawImage(QRect(0, 0, width, height), picture);
    // The frame stays visible over the picture, so that a highlighted thumbnail shows as one.
    painter.setPen(highlighted ? QColor(255, 0, 0) : QColor(0xC0, 0xC0, 0xC0));
    painter.drawRect(0, 0, width - 1, height - 1);
    return thumbnail;
}
