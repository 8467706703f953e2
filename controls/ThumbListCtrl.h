#pragma once

#include "platform/ui/ImageList.h"
#include "platform/ui/ListCtrl.h"

class QImage;

// A list of pictures shown as thumbnails with a caption each.
class CThumbListCtrl : public CListCtrl
{
public:
    void SetThumbnailSize(int width, int height);
    int GetThumbnailWidth() const { return m_thumbWidth; }
    int GetThumbnailHeight() const { return m_thumbHeight; }

    // The "Filename" column and an empty image list of the thumbnail size, given as both the
    // normal and the small list; the rows show their pictures at that size.
    void InitThumbnails();
    // Appends an item with the text and the thumbnail of the picture file (a cyan one framed red
    // when highlighted); FALSE, adding nothing, when the picture cannot be read. The thumbnail
    // takes the thumbnail height, its width follows the picture's proportions and becomes the
    // thumbnail width.
    BOOL AddThumbnail(const char* path, const char* text, BOOL highlighted);

    const CImageList& GetThumbnails() const { return m_thumbnails; }

    // The width of a thumbnail of that height for a picture of that size.
    static int ScaledWidth(int thumbHeight, int pictureWidth, int pictureHeight);
    // The picture scaled to width x height over a white background, framed silver; over cyan,
    // framed red, when highlighted.
    static QImage MakeThumbnail(const QImage& picture, int width, int height, bool highlighted);

private:
    int m_thumbWidth = 75;
    int m_thumbHeight = 75;
    CImageList m_thumbnails;
};
