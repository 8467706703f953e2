#pragma once

#include "platform/ui/DC.h"

#include <QImage>
#include <QPainter>
#include <QTransform>

#include <memory>
#include <vector>

// What a CDC draws on and with.
struct CDC::State
{
    struct Saved
    {
        CPen* pen;
        CBrush* brush;
        CFont* currentFont;
        COLORREF textColour;
        COLORREF bkColour;
        int bkMode;
        CPoint origin;
    };

    Saved Save() const { return {pen, brush, currentFont, textColour, bkColour, bkMode, origin}; }
    void Restore(const Saved& saved)
    {
        pen = saved.pen;
        brush = saved.brush;
        currentFont = saved.currentFont;
        textColour = saved.textColour;
        bkColour = saved.bkColour;
        bkMode = saved.bkMode;
        origin = saved.origin;
    }

    // The image and bitmap go after the painter that draws on them.
    std::unique_ptr<QImage> ownImage;
    CBitmap defaultBitmap;
    std::unique_ptr<QPainter> ownPainter;
    QPainter* painter = nullptr;
    CBitmap* bitmap = nullptr;
    bool memory = false;
    // Null pen and brush are the black pen and the white brush.
    CPen* pen = nullptr;
    CBrush* brush = nullptr;
    CFont font;
    CFont* currentFont = &font;
    COLORREF textColour = RGB(0, 0, 0);
    COLORREF bkColour = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    CPoint origin;
    CPoint deviceOffset;
    // The transform an attached painter came with.
    QTransform base;
    CPoint position;
    std::vector<Saved> saved;
};
