#pragma once

#include "platform/core/Types.h"

#include <algorithm>

// Points, sizes and rectangles in pixels. A rectangle holds the points x in [left, right) and
// y in [top, bottom): its right and bottom edges are exclusive.
struct POINT
{
    LONG x;
    LONG y;
};

struct SIZE
{
    LONG cx;
    LONG cy;
};

struct RECT
{
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

using LPPOINT = POINT*;
using LPRECT = RECT*;
using LPCRECT = const RECT*;

struct CSize : SIZE
{
    constexpr CSize() : SIZE{0, 0} {}
    constexpr CSize(int width, int height) : SIZE{width, height} {}
    constexpr bool operator==(const CSize& other) const { return cx == other.cx && cy == other.cy; }
};

struct CPoint : POINT
{
    constexpr CPoint() : POINT{0, 0} {}
    constexpr CPoint(int pointX, int pointY) : POINT{pointX, pointY} {}
    constexpr CPoint(POINT point) : POINT(point) {}
    constexpr void Offset(int dx, int dy)
    {
        x += dx;
        y += dy;
    }
    constexpr CPoint operator+(CSize size) const { return {x + size.cx, y + size.cy}; }
    constexpr CPoint operator-(CSize size) const { return {x - size.cx, y - size.cy}; }
    constexpr CSize operator-(POINT other) const { return {x - other.x, y - other.y}; }
    constexpr bool operator==(const CPoint& other) const { return x == other.x && y == other.y; }
};

struct CRect : RECT
{
    constexpr CRect() : RECT{0, 0, 0, 0} {}
    constexpr CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    constexpr CRect(const RECT& rect) : RECT(rect) {}
    constexpr CRect(POINT topLeft, SIZE size)
        : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy}
    {
    }

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr CSize Size() const { return {Width(), Height()}; }
    constexpr CPoint TopLeft() const { return {left, top}; }
    constexpr CPoint BottomRight() const { return {right, bottom}; }
    constexpr CPoint CenterPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }
    constexpr BOOL IsRectEmpty() const { return right <= left || bottom <= top; }
    constexpr BOOL IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    // The right and bottom edges are outside.
    constexpr BOOL PtInRect(POINT point) const
    {
        return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
    }

    constexpr void SetRect(int l, int t, int r, int b) { *this = CRect(l, t, r, b); }
    constexpr void SetRectEmpty() { *this = CRect(); }
    constexpr void OffsetRect(int dx, int dy)
    {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    constexpr void OffsetRect(POINT point) { OffsetRect(point.x, point.y); }
    constexpr void InflateRect(int dx, int dy)
    {
        left -= dx;
        right += dx;
        top -= dy;
        bottom += dy;
    }
    constexpr void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
    constexpr void DeflateRect(int l, int t, int r, int b)
    {
        left += l;
        top += t;
        right -= r;
        bottom -= b;
    }
    constexpr void NormalizeRect()
    {
        if (left > right)
            std::swap(left, right);
        if (top > bottom)
            std::swap(top, bottom);
    }
    // Empty (all zero) when the two do not overlap.
    constexpr BOOL IntersectRect(const RECT& a, const RECT& b)
    {
        *this = CRect(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                      std::min(a.bottom, b.bottom));
        if (IsRectEmpty())
        {
            SetRectEmpty();
            return FALSE;
        }
        return TRUE;
    }
    constexpr BOOL UnionRect(const RECT& a, const RECT& b)
    {
        const CRect first(a);
        const CRect second(b);
        if (first.IsRectEmpty())
            *this = second;
        else if (second.IsRectEmpty())
            *this = first;
        else
            *this = CRect(std::min(a.left, b.left), std::min(a.top, b.top),
                          std::max(a.right, b.right), std::max(a.bottom, b.bottom));
        return !IsRectEmpty();
    }
    constexpr bool operator==(const CRect& other) const
    {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom;
    }
    constexpr operator LPRECT() { return this; }
    constexpr operator LPCRECT() const { return this; }
};
