#pragma once

#include "platform/core/CString.h"

class ForgeonProject;
class TextFile;

// Util\UtilHandler.cs: XML escaping, date conversion, the one helper through which request
// values reach SQL (quote doubling and the number check), value-list lookups, file-name
// extraction, the upload check and password hashing.
class UtilHandlerWriter
{
public:
    UtilHandlerWriter(const ForgeonProject& project, TextFile& file);

    void Write();

private:
    void WriteUsings();
    void WriteConvertToXML();
    void WriteConvertDate();
    void WriteGetDateAsMMDDYYYY();
    void WriteSqlHelpers();
    void WriteGetValueOfField();
    void WriteGetValueOfVariable();
    void WriteGetFileName();
    // Uploads the server could run are refused.
    void WriteIsExecutableFile();
    void WriteHashPassword();
    void WritePageGuard();
    void WriteAccountChecks();
    void WriteUploadStore();
    void WriteUploadedFileHandler();
    void WriteFieldValues();

    TextFile& m_file;
    CString m_namespace;
};
