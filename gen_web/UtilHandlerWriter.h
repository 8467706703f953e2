#pragma once

#include "platform/core/CString.h"

class ForgeonProject;
class TextFile;

// Util\UtilHandler.cs: XML escaping, date conversion, the one helper through which request
// values reach SQL (quote doubling and the number check), value-list lookups, file-name
// extraction, the upload check and store, password hashing (a marked scheme beside the first),
// the page guard (with the check of the session's account), the page message kept across a
// redirect and the checks of records that are gone, of combo values and of grid rows.
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
    // Whether a posted detail row belongs to the master record being saved.
    void WriteDetailCheck();
    // The message an answer leaves in the session for the page it redirects to.
    void WritePageMessage();
    // The notice of a record that is gone and the check of a key that a combo posts.
    void WriteRecordChecks();
    void WriteUploadStore();
    void WriteUploadedFileHandler();
    void WriteFieldValues();

    TextFile& m_file;
    CString m_namespace;
};
