#pragma once

#include "platform/core/CString.h"

class ForgeonProject;
class TextFile;

// web.config of the generated application: the connection string "m_connectionString", the
// report viewer's handler, assemblies and build provider, the style-sheet handler, Windows
// authentication and the files never served. Every value from the project is XML-escaped.
class WebConfigWriter
{
public:
    WebConfigWriter(const ForgeonProject& project, TextFile& file);

    void Write();

private:
    void WriteConnectionStrings();
    void WriteHttpHandlers();
    void WriteCompilation();
    void WriteDataFolder();

    TextFile& m_file;
    CString m_connectionString;
    // The project name as the namespace of the site's types.
    CString m_projectName;
    CString m_reportViewerVersion;
};
