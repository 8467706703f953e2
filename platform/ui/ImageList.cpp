#include "platform/ui/ImageList.h"

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QSize>

#include <vector>

struct CImageList::Images
{
    QSize size{16, 16};
    std::vector<QPixmap> pixmaps;
};

CImageList::CImageList() : m_images(std::make_unique<Images>()) {}

CImageList::~CImageList() = default;

BOOL CImageList::Create(int cx, int cy, UINT, int, int)
{
    if (cx <= 0 || cy <= 0)
    {
        return FALSE;
    }
    m_images->size = QSize(cx, cy);
    m_images->pixmaps.clear();
    return TRUE;
}

int CImageList::Add(const char* imageFile)
{
    QPixmap image;
    if (imageFile == nullptr || !image.load(QString::fromUtf8(imageFile)))
    {
        return -1;
    }
    m_images->pixmaps.push_back(
        image.scaled(m_images->size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return GetImageCount() - 1;
}

int CImageList::AddColor(DWORD rgb)
{
    QPixmap image(m_images->size);
    image.fill(QColor::fromRgb(static_cast<QRgb>(rgb)));
    m_images->pixmaps.push_back(image);
    return GetImageCount() - 1;
}

int CImageList::GetImageCount() const
{
    return static_cast<int>(m_images->pixmaps.size());
}

QIcon CImageList::GetIcon(int index) const
{
    if (index < 0 || index >= GetImageCount())
    {
        return QIcon();
    }
    return QIcon(m_images->pixmaps[static_cast<std::size_t>(index)]);
}
