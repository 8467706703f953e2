#pragma once

#include "gen_web/ProjectFolder.h"
#include "platform/core/HostPath.h"

#include "tests/gen_web/GenWebProject.h"

#include <filesystem>

// The project folder as the shell prepares it before Write All: the support files and the copy
// of the settings' theme and colour scheme.
inline void PrepareProjectFolder(ForgeonProject& project)
{
    const CString program(ProgramFolder().c_str());
    SetUpProjectFolder(project, program);
    CopyProjectTheme(project, program);
}

// The user's own typed data set "sales" of the module "BaseModule", as Visual Studio makes its
// files.
inline void WriteOwnDataSet(const std::filesystem::path& application)
{
    const std::filesystem::path folder = application / "BaseModule" / "DataSets";
    WriteHostFile(folder / "sales.xsd",
                  "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                  "<xs:schema id=\"sales\" xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">\n"
                  "  <xs:element name=\"sales\"/>\n"
                  "</xs:schema>\n");
    WriteHostFile(folder / "sales.Designer.cs",
                  "namespace Shop\n{\n    public partial class sales : System.Data.DataSet\n    {\n"
                  "    }\n}\n");
    for (const char* layout : {"sales.xsc", "sales.xss"})
        WriteHostFile(folder / layout,
                      "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<DataSetUISetting/>\n");
}
