#pragma once

#include "entities/AspFile.h"
#include "entities/FormInterface.h"

#include <vector>

// The file kinds of the page's files, in list order.
inline std::vector<int> FileKindsOf(const FormInterface& page)
{
    std::vector<int> kinds;
    for (const AspFile* file : page.GetAspFiles())
        kinds.push_back(file->GetFileKind());
    return kinds;
}
