#pragma once

#include "model/ProjectSettings.h"
#include "platform/core/CArchive.h"

// Settings that write a stray int after their record: the file then holds bytes after the
// project, and a save of it does not read back.
class TrailingSettings : public ProjectSettings
{
public:
    void Serialize(CArchive& ar) override
    {
        ProjectSettings::Serialize(ar);
        if (ar.IsStoring())
            ar << 0;
    }
};
