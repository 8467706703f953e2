#pragma once

#include "gen_classic/ClassicFormPageWriter.h"

#include <vector>

class Field;
class FieldRep;
class Form;
class Table;
struct FieldVariableMap;

// The classic pages of a master form: the add and update pages with their action pages, each
// also in the variant that shows the linked report's list under the form.
class MasterFormPageWriter : public ClassicFormPageWriter
{
public:
    MasterFormPageWriter(ForgeonProject* project, Form& form, GenerationReport& report);

    // Every page file of the form into the current module's folder.
    void Write();

private:
    bool IsReportVariant() const;
    bool IsUpdatePage() const;
    void CollectFieldLists();
    // The add page (update false) or the update page, plain or with the list section.
    void WriteFormPage(bool update);
    void WriteServerScript(bool update);
    void WriteRecordRead();
    void WriteFieldLookups();
    void WriteButtonRow(int indent, int span);
    void WriteAddActionPage();
    void WriteUpdateActionPage();
    // Page directive, reads, the server-side checks returning to the add page.
    void WriteActionPageStart(const std::vector<CString>& names, bool update);
    // The insert text (update false) or the update text with the key.
    void WriteQuery(bool update);
    void WriteAddRedirect();
    void WriteUpdateRedirect();
    // "&name=value" for each combo box of the form, then the line end.
    void WriteComboValues();
    CString AddPageUrl() const;
    CString VariableOf(Field* field) const;
    CString KeyVariable() const;
    CString TableName() const;

    Form& m_form;
    Table* m_table;
    // The posted maps and the controls of their fields; every control of the form.
    std::vector<FieldVariableMap*> m_maps;
    std::vector<FieldRep*> m_reads;
    std::vector<FieldRep*> m_controls;
};
