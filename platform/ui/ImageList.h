#pragma once

#include "platform/core/Types.h"

#include <memory>

class QIcon;

constexpr UINT ILC_COLOR32 = 0x20;
constexpr UINT ILC_MASK = 0x1;

// A numbered list of images of one size, shown by tree and list controls.
class CImageList
{
public:
    CImageList();
    ~CImageList();
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    // Empties the list and sets the image size.
    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    // The index of the image read from the file, or -1 when it cannot be read.
    int Add(const char* imageFile);
    // The index of a new image filled with one colour (0xRRGGBB).
    int AddColor(DWORD rgb);
    int GetImageCount() const;
    // The image at index scaled to the list's size; a null icon for a bad index.
    QIcon GetIcon(int index) const;

private:
    struct Images;
    std::unique_ptr<Images> m_images;
};
