#pragma once

// What the solution and project files differ in between the two Visual Studio versions.
// Version code 3 is Visual Studio 2008; every other code gets the Visual Studio 2005 form, as
// the report viewer version does.
struct VisualStudioTarget
{
    bool is2008;
    const char* formatVersion;
    const char* yearLine;
    const char* projectGuid;
    const char* productVersion;
    const char* developmentServerPort;

    static VisualStudioTarget ForVersionCode(int versionCode)
    {
        if (versionCode == 3)
            return {true,        "10.00", "2008", "{F4A4246C-A448-4927-97A7-52B84E78740E}",
                    "9.0.21022", "3292"};
        return {false,       "9.00", "2005", "{496F965A-D730-4BEA-9003-36D52046BDA3}",
                "8.0.50727", "3140"};
    }
};
