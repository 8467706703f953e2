#pragma once

#include "entities/AspFile.h"

// The page file of the ASP.NET generator; it shares the record of AspFile and differs only by
// its class, which decides the file's extension and the folder of its URL.
class AspxFile : public AspFile
{
    DECLARE_SERIAL(AspxFile)

public:
    AspxFile() = default;

    bool IsAspxFile() const override { return true; }
};
