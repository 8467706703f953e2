#pragma once

#include "platform/core/CString.h"

#include <QString>

// Text crosses between CString bytes and Qt as UTF-8.
inline QString ToQString(const char* text)
{
    return QString::fromUtf8(text != nullptr ? text : "");
}
inline QString ToQString(const CString& text)
{
    return QString::fromUtf8(text.GetString(), text.GetLength());
}
inline CString FromQString(const QString& text)
{
    return CString(text.toUtf8().toStdString());
}
