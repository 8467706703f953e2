#pragma once

#include "platform/core/CString.h"

class ForgeonProject;
class TextFile;

// Util\UtilHandler.cs: XML escaping, date conversion, the one helper through which request
// values reach SQL (quote doubling and the number check), value-list lookups, file-name
// extraction, the upload check and store, password hashing (a marked scheme beside the first),
// the page guard (with the check of the session's account), the page message kept across a
// redirect, the checks of records that are gone, of combo values and of grid rows, and the
// printed reports; and the handler that sends uploaded files.
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
    // The one reading of a posted field before it reaches the data class: numbers and dates in
    // the page's forms, required values, fields a post may leave out; a refusal names the field.
    // Beside it the stored dates shown in the page's form.
    void WritePostedValueReader();
    void WriteGetValueOfField();
    void WriteGetValueOfVariable();
    void WriteGetFileName();
    // Uploads the server could run, by their names or their short names, are refused, and so are
    // names that the file system cannot store.
    void WriteIsExecutableFile();
    void WriteHashPassword();
    void WritePageGuard();
    void WriteAccountChecks();
    // Whether a posted detail row belongs to the master record being saved, held locked by the
    // save once found.
    void WriteDetailCheck();
    // The message an answer leaves in the session for the page it redirects to.
    void WritePageMessage();
    // The notice of a record that is gone and the check of a key that a combo posts.
    void WriteRecordChecks();
    // Whether a post numbers a grid's rows as its page does, each row once.
    void WriteRowNumberCheck();
    // The upload check and store, and the removal of files whose record was not saved.
    void WriteUploadStore();
    // The check for the characters of the program's own name rule that end a line or turn the
    // text around, which no stored upload name holds.
    void WriteControlCharacterCheck();
    // The characters that no XML document carries: refused in a posted text, shown as U+FFFD
    // where a stored text goes into an XML answer.
    void WriteXmlCharacterCheck();
    // Printed reports kept for the session that printed them until they are sent.
    void WritePrintedReports();
    void WriteApplicationModule();
    void WriteUploadedFileHandler();
    void WriteUploadColumns();
    void WriteFieldValues();
    // The exception that ends a save which cannot be done whole.
    void WriteSaveRefusedException();

    const ForgeonProject& m_project;
    TextFile& m_file;
    CString m_namespace;
};
