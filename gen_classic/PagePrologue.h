#pragma once

#include "platform/core/CString.h"

#include <vector>

class AspFile;
class Field;
class FieldRep;
class FormInterface;
class TextFile;
struct FieldVariableMap;

// The pieces with which the classic template page writers begin a page's server script:
// declarations, the names of the page's menu click handlers, the reads of posted values, the
// derived-field queries, the login and connection calls and the main block of action pages.
class PagePrologue
{
public:
    // A default value that the page cannot write goes to the refusals, and the page's writer
    // leaves the page unwritten.
    PagePrologue(AspFile* file, TextFile& out, std::vector<CString>& refusals);

    // Menu names and Dim lines, the recompute reads of the controls' posted values, the
    // Recompute flag of an update page, then the login and connection calls.
    void WritePagePrologue(const std::vector<CString>& names,
                           const std::vector<FieldVariableMap*>& maps,
                           const std::vector<FieldRep*>& reads, int indent);
    void WriteDims(const std::vector<CString>& names, const std::vector<FieldVariableMap*>& maps,
                   int indent);
    // A "Dim" line of the names; on a page that is not an action page the page's top and left
    // menu click handler names.
    void WriteMenuFunctionNames(const std::vector<CString>& names, int indent);
    // The map's variable after "Dim " (first) or ", "; false, and nothing, for a shared
    // variable.
    bool WriteVariableDim(const FieldVariableMap* map, bool first, int indent);
    void WriteFieldRequestBlocks(const std::vector<FieldRep*>& controls, int indent);
    // The variable from its own request value, else from the read control's, else its default.
    void WriteFieldRequestBlock(const FieldVariableMap& map, const FieldRep* read, int indent);
    void WriteLoginCheckCalls();
    // Function ExtractData: every mapped field's value from the request, empty values of
    // fields that allow null made NULL (or 0).
    void WriteExtractDataFunction(const std::vector<FieldVariableMap*>& maps,
                                  const std::vector<Field*>& linkedFields,
                                  const std::vector<FieldRep*>& controls, bool withAction,
                                  int indent);
    void WriteRequestValue(const FieldRep* control, const CString& variable, const CString& request,
                           int indent);
    // The reads of a report's column controls.
    void WriteReportFieldRequestReads(int indent);
    // One query per recompute procedure of the page's event controls, filling the variables
    // of its results.
    void WriteDerivedFieldQueries();
    void WriteActionPageMain(const std::vector<FieldVariableMap*>& maps,
                             const std::vector<CString>& names, bool withRemove, int indent);

private:
    FormInterface* Page() const;
    void WriteDimRun(const std::vector<FieldVariableMap*>& maps, int indent);
    // The {field, variable} results of the recompute procedures of the controls whose field is
    // posted.
    std::vector<const FieldVariableMap*>
    CollectRecomputePairs(const std::vector<FieldRep*>& controls) const;
    static const FieldRep* ControlOfField(const std::vector<FieldRep*>& controls,
                                          const Field* field);
    void WriteRequestRead(const CString& variable, const CString& request, const Field* field,
                          int indent);
    bool IsShortTest(const CString& name) const;
    bool Qualifies(const Field* target) const;

    AspFile* m_file;
    TextFile& m_out;
    std::vector<CString>& m_refusals;
};
