#pragma once

#include "platform/ui/GdiObjects.h"

// Plain colours the drawing tests paint with and look for.
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 128, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
