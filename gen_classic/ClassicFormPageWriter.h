#pragma once

#include "gen_classic/ClassicPageWriter.h"

#include <vector>

class ApplicationReport;
class AspFile;
class FormInterface;
struct FieldVariableMap;

// The base of the classic writers of data-entry pages (master form, map form, transaction):
// the page file being written, the indent of generated lines, and the pieces their pages share.
class ClassicFormPageWriter : public ClassicPageWriter
{
public:
    ClassicFormPageWriter(ForgeonProject* project, GenerationReport& report, FormInterface& page);

protected:
    // The classic template; a missing one is reported and the page holds the generated text.
    void LoadPageTemplate();
    // The address of the page's file of the kind as seen from a module folder; empty without.
    CString RelativeUrlOfKind(int fileKind) const;
    // The report's list section at the indent, inserted at the position; returns the position
    // after it.
    int InsertListSection(ApplicationReport* report, int indent, int position);
    // The ShowOutput_ functions of the report into the collected text.
    void CollectShowOutputFunctions(ApplicationReport* report);
    // The opening of the button row's cell, and its closing. The cell posts each hidden name once.
    void WriteButtonCellOpen(int indent, int span);
    void WriteButtonCellClose(int indent);
    // The name of the map's variable; empty without map or variable.
    static CString VariableName(const FieldVariableMap* map);
    // A hidden input named as the variable carrying its value, unless the cell has one of that
    // name: a name posted twice reaches the action page as both values joined.
    void WriteHiddenValue(int indent, const CString& variable);
    // The opening of an action page's ExecuteQuery function with its record set.
    void WriteExecuteQueryStart();

    AspFile* m_file = nullptr;
    int m_indent = 0;

private:
    std::vector<CString> m_hiddenNames;
};
