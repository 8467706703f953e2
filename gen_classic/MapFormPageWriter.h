#pragma once

#include "gen_classic/ClassicFormPageWriter.h"

#include <vector>

class Field;
class FormInterface;
class FieldRep;
class MapForm;
class QueryText;
class Table;
struct FieldVariableMap;

// The classic pages of a map form: the map page, which adds a mapping record or updates the one
// picked from its list, and the action page it posts to.
class MapFormPageWriter : public ClassicFormPageWriter
{
public:
    MapFormPageWriter(ForgeonProject* project, MapForm& form, GenerationReport& report);

    // The map page and its action page into the current module's folder.
    void Write();

private:
    void CollectPostedFields();
    void CollectPageControls();
    std::vector<FieldVariableMap*> CollectKindOneMaps() const;
    // The field refers to the bottom master form's table.
    bool IsBottomMasterLink(const Field* field) const;
    FieldRep* GetFieldControl(Field* field) const;

    void WriteMapPage();
    void WriteServerScript();
    void WriteFormTypeBlock();
    void WriteExtractCalls();
    void WriteExtractData();
    void WriteExtractDataFromRecordSet();
    void WriteRecordAssignment(const CString& variable, const Field* field);
    void WriteRecordPickFunction();
    void WriteButtonRow(int indent, int span);

    void WriteActionPage();
    void WriteExecuteQuery();
    void WriteInsertQuery();
    void WriteUpdateQuery();
    // A term for the field when the form shows it with data and it is neither key nor
    // "Is_Deleted".
    void AddTerm(QueryText& query, const FormInterface& page, Field* field,
                 FieldRep* control) const;
    void WriteRedirect();

    bool HasBottomMaster() const;
    CString KeyVariable() const;
    CString TableName() const;

    MapForm& m_form;
    Table* m_table;
    std::vector<FieldVariableMap*> m_postedMaps;
    std::vector<FieldRep*> m_postedControls;
    std::vector<FieldRep*> m_pageControls;
};
