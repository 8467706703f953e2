#pragma once

#include "platform/core/CString.h"

#include <vector>

class CodeBehindFragments;
class Field;
class FieldRep;
class FormInterface;
class Table;
class TextFile;

// The methods of a form page (or a master-detail page's master part) that give its controls their
// content on a first request: initializeControls fills combos (and on the Add page text controls)
// from their data calls; on the Update page fillControls copies the stored record into the controls
// and initAndSetRecomputingCombo fills the combos that other controls recompute.
class FormControlFill
{
public:
    // controls are the page's controls of the table in control order, skip flag included.
    FormControlFill(FormInterface& page, Table* table, std::vector<FieldRep*> controls,
                    TextFile& out, CodeBehindFragments& fragments, const CString& dataObject);

    void WriteAddInitializeControls(int indent);
    // A search report's filters: combos filled by their data call with "0" for every parameter.
    void WriteFilterInitializeControls(int indent);
    // An RDLC report's parameter controls: combos filled by their data call with the request
    // values of its parameters.
    void WriteComboInitializeControls(int indent);
    void WriteUpdateInitializeControls(int indent);
    // After WriteUpdateInitializeControls, which defers the recomputed combos to it.
    void WriteInitAndSetRecomputingCombo(int indent);
    void WriteFillControls(int indent);

private:
    // What initializeControls fills: combos and text controls from calls with request values,
    // combos only with "0" arguments, or combos only with request values.
    enum class Fill
    {
        CombosAndTexts,
        CombosWithZeros,
        Combos,
    };

    void WriteInitializeHead(int indent);
    void WriteInitializeControls(int indent, Fill fill);
    // "C m_T = new C(); " unless the call's table already has its object in this method.
    void WriteDataObjectDeclaration(const FieldRep& control, int indent);
    // "dataTable = m_T.Fn(" with an argument per mapped field: the member of the control of that
    // field when the page has one (Update page), else the posted value of the field.
    void WriteMemberCall(const FieldRep& control, int indent, bool members);
    // A placed control shows the field and keeps its value in a member on the Update page.
    bool HasValueMemberFor(const Field* field) const;
    void WriteTextFromDataCall(const FieldRep& control, int indent);
    // The data call's rows into a combo with its stored value selected; value names the
    // member holding the stored value of an editable combo.
    void WriteSelectedComboFill(const FieldRep& control, int indent, const CString& value);
    void WriteColumnFills(int indent);
    // The back field, when another control with the same back field was met before.
    const Field* FindSharedBackField(const FieldRep& control, std::vector<const Field*>& met) const;

    // The controls without the skip flag.
    std::vector<FieldRep*> PlacedControls() const;

    FormInterface& m_page;
    Table* m_table;
    std::vector<FieldRep*> m_controls;
    TextFile& m_out;
    CodeBehindFragments& m_fragments;
    CString m_dataObject;
    std::vector<FieldRep*> m_deferredCombos;
};
