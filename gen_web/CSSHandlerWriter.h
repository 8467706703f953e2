#pragma once

#include "platform/core/CString.h"

class ForgeonProject;
class TextFile;

// Util\CSSHandler.cs: the HTTP handler that serves style.css and ajaxstyle.css with the
// "@name" constants of the styleconfig.css beside them replaced by their values.
class CSSHandlerWriter
{
public:
    CSSHandlerWriter(const ForgeonProject& project, TextFile& file);

    void Write();

private:
    void WriteHead();
    void WriteProcessRequest();
    void WriteRemoveComments();
    void WriteSearchReplaceConstants();
    void WriteStickContentIntoCache();

    TextFile& m_file;
    CString m_namespace;
};
