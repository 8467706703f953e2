#pragma once

#include "model/TextFile.h"
#include "platform/core/CString.h"

#include <vector>

class AspFile;
class Field;
class FieldRep;
class FormInterface;
class GenerationReport;
class ProcedureInvokation;
struct FieldVariableMap;
struct PageWriteInfo;
struct VariablePair;

// The base of the classic page writers that build a page from its field-variable lists: the
// page text collects in body, the records of the pages written are added with
// AddPageWriteInfo (the last one added is current), and the shared VBScript pieces (Dim lines,
// request reads, procedure calls) are written from the current record.
class Writer
{
public:
    Writer(const CString& folder, AspFile* file, GenerationReport& report);
    virtual ~Writer();
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    // Appends the record and makes it current; the writer deletes it unless told it borrows it.
    void AddPageWriteInfo(PageWriteInfo* info);
    void SetOwnsInfos(bool owns) { m_ownsInfos = owns; }

    // The value a procedure argument is given when the call converts it; empty here.
    virtual CString GetParameterValueName(const VariablePair& pair, FormInterface* page);

    const CString& GetBody() const { return m_body.GetBuffer(); }
    const CString& GetOutputPath() const { return m_outputPath; }

protected:
    // Reads of one list-A value, of the page's action and key, of one list-B value.
    virtual void WriteKeyRequestRead(const FieldVariableMap& map, int indent) = 0;
    virtual void WriteActionRequestRead(int indent) = 0;
    virtual void WriteFieldRequestRead(const FieldVariableMap& map, int indent) = 0;
    // A control the page does not hold for the field; none here.
    virtual FieldRep* GetExtraFieldRep(Field* field);
    // The page refuses a value of the field that is not a number, so its read needs no guard.
    virtual bool ValidatesNumber(const Field* field);

    // The key variable's and the key field's names; untouched without a key map.
    void GetKeyNames(CString& variableName, CString& fieldName) const;
    // The key "Dim" line, then one "Dim" line of list A and one of list B.
    void WriteVariableDims(int indent);
    // "Is_Deleted", and on a page that is not a report the key column of the page's own table.
    bool IsSkippedField(const Field* field) const;
    bool HasControl(Field* field);
    FieldRep* FindFieldRep(Field* field);
    bool HasLaterControlA(std::size_t index);
    bool HasLaterControlB(std::size_t index);
    // The list-A reads, the action read, the list-B reads.
    void WriteRequestReads(int indent);
    // The control-kind prefix and the field name; empty without a control.
    CString GetControlVariable(Field* field);
    // The variable from the request (the request name, or the variable's own name when empty),
    // else its default value.
    void WriteRequestAssignment(const FieldVariableMap& map, const CString& requestName,
                                int indent);
    // target = "procedure " & arguments..., and a line end (WriteProcedureCall).
    void WriteProcedureCallString(const ProcedureInvokation& invokation, const CString& target,
                                  int indent, bool convert);
    // Writes the body to the folder and the output address (blanks as "_") when the page check
    // passes it (SaveClassicPage); a file that is not written goes to the report.
    void SavePage();
    // The file's classic address below the folder.
    virtual CString GetOutputAddress() const;

    AspFile* m_file;
    CString m_folder;
    // Why values of the page cannot be written; the page is then not written.
    std::vector<CString> m_refusedValues;
    CString m_outputPath;
    TextFile m_body;
    PageWriteInfo* m_current = nullptr;
    std::vector<PageWriteInfo*> m_infos;
    GenerationReport& m_report;

private:
    bool HasLaterControl(const std::vector<FieldVariableMap*>& list, std::size_t index);

    bool m_ownsInfos = true;
};
