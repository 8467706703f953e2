#pragma once

#include "entities/FormInterface.h"

#include <vector>

class ApplicationReport;
class Form;
struct ReportVariableMap;

// A data-entry page over a mapping table, with a top and a bottom part; the bottom part can
// take over the fields and controls of a master form, which then stay the form's own.
class MapForm : public FormInterface
{
    DECLARE_SERIAL(MapForm)

public:
    MapForm();
    MapForm(const MapForm&) = delete;
    MapForm& operator=(const MapForm&) = delete;
    ~MapForm() override;

    bool TakesEntriesOfOtherPages() const override { return true; }
    // Also lets go of the entries of other pages, or of every entry while it is read.
    void LetGoOfUnownedObjects(const CArchive& ar) override;
    void Serialize(CArchive& ar) override;

    int GetId() const { return m_id; }
    Table* GetMappingTable() const { return m_mappingTable; }
    void SetMappingTable(Table* table) { m_mappingTable = table; }
    Form* GetBottomMasterForm() const { return m_bottomMasterForm; }
    // Shares the form's maps and controls with the page, or, for null, drops the shared ones.
    void SetBottomMasterForm(Form* form);
    const CString& GetHeader() const { return m_header; }
    void SetHeader(const CString& header) { m_header = header; }
    ApplicationReport* GetReport() const { return m_report; }
    // A different report first drops the page files of file kinds 5 and 6; then
    // EnsureReportFiles.
    void SetReport(ApplicationReport* report);

    const std::vector<ReportVariableMap*>& GetReportVariableMaps() const
    {
        return m_reportVariableMaps;
    }
    // The page takes ownership.
    void AddReportVariableMap(ReportVariableMap* map) { m_reportVariableMaps.push_back(map); }
    const std::vector<Field*>& GetTopFields() const { return m_topFields; }
    void AddTopField(Field* field) { m_topFields.push_back(field); }
    const std::vector<Field*>& GetBottomFields() const { return m_bottomFields; }
    void AddBottomField(Field* field) { m_bottomFields.push_back(field); }
    const std::vector<FieldRep*>& GetTopInputFieldReps() const { return m_topInputFieldReps; }
    const std::vector<FieldRep*>& GetBottomInputFieldReps() const { return m_bottomInputFieldReps; }

    // Null for a bad index.
    Field* GetTopFieldAt(int index) const;
    Field* GetBottomFieldAt(int index) const;
    FieldRep* GetTopInputFieldRepAt(int index) const;
    FieldRep* GetBottomInputFieldRepAt(int index) const;
    bool HasTopField(const Field* field) const;
    // In the top or the bottom list.
    bool HasField(const Field* field) const;
    // Erase the first occurrence; nothing is deleted.
    void RemoveTopField(Field* field);
    void RemoveBottomField(Field* field);

    // The page takes the control and gives it a page variable.
    void AddTopInputFieldRep(FieldRep* fieldRep);
    void AddBottomInputFieldRep(FieldRep* fieldRep);
    // A page variable mapped to the control's field and named after it, as a load names it;
    // a control without a field gets mapping table + "_" + caption + "_Var" (blanks as "_"),
    // which CreateFieldsForInputControls renames after the field it makes.
    void CreateInputVariable(FieldRep* fieldRep);
    // Takes the control out of its list, drops its map and deletes it.
    void RemoveTopInputFieldRep(FieldRep* fieldRep);
    void RemoveBottomInputFieldRep(FieldRep* fieldRep);
    void MoveTopInputFieldRepUp(FieldRep* fieldRep);
    void MoveTopInputFieldRepDown(FieldRep* fieldRep);
    void DeleteBottomInputFieldReps();
    // The first top, else bottom, input control of the caption (case-sensitive).
    FieldRep* FindInputFieldRepByCaption(const CString& caption) const;
    // The control of the map's field, else the first top input control whose caption occurs in
    // the map's variable name.
    FieldRep* FindFieldRepForFieldVariableMap(const FieldVariableMap* map);
    // Input controls without a field get one, with a reference field over the mapping table,
    // and the map of their variable takes it, its variable named after it.
    void CreateFieldsForInputControls();
    // As a master form's check, then whether the page shows every control of its bottom master
    // form.
    void Validate();
    // Empty out, then the input controls and the controls of the part's fields that have data.
    void GetTopFieldReps(std::vector<FieldRep*>& out);
    void GetBottomFieldReps(std::vector<FieldRep*>& out);

    // Clears the report link, deletes the report-variable maps and drops the table-flags record
    // of the mapping table.
    void RemoveReport();
    // The first field-variable map whose field has the key flag; null when none.
    FieldVariableMap* GetKeyFieldVariableMap() const;
    // Erases every occurrence of the control from the page's controls without deleting it.
    void DetachFieldRep(FieldRep* fieldRep);

    // Page files of file kinds 5 and 6, created with owner kind 3 when missing.
    void EnsureReportFiles();
    // Takes out of the page's lists the maps and controls of fields of other tables than the
    // mapping table (reference and derived fields stay); nothing is deleted.
    void RemoveForeignEntries();

    bool IsFieldRepUsedElsewhere(FieldRep* fieldRep) override;
    bool IsFieldRepMappedToReportVariable(FieldRep* fieldRep) override;
    // The page's control, else the first top, then bottom, input control of the field.
    FieldRep* GetFieldRepForField(Field* field) override;
    // The page's event controls, then the input controls with recomputes.
    void GetEventFieldReps(std::vector<FieldRep*>& out) override;
    // The control shows the last top field.
    bool IsEventFieldRep(FieldRep* fieldRep) override;
    // Its mapping table, top and bottom fields, the input controls of its own (each goes with its
    // field, its references first), then the page's references.
    void ListReferences(ReferenceList& list) override;
    // The page's deletion, then the control leaves the input lists and is deleted.
    void DeleteFieldRep(FieldRep* fieldRep) override;
    void CollectReportVariableUsage(Variable* variable, CString& list) override;
    FieldRepData* FindExtraFieldRepDataUsingField(Field* field) override;
    void ClearExtraFrontBackField(Field* field) override;
    void RemoveClassRecomputeOf(FieldRep* fieldRep) override;
    CString GetClassName() override { return "MapForm"; }
    void VisitDefaultEventRecmpFields() override;
    // With a linked report: a table-flags record for the mapping table when it has none.
    void SyncTableFlags() override;

private:
    static int ms_lastId;

    // A load gives the page records of its own for the master form's maps; the form's records
    // take their places, as SetBottomMasterForm shared them. Maps of other tables that are not
    // the form's, and maps of the form that are not of another table, are dropped.
    void ShareMasterFormMaps();
    // The top input controls, then the bottom ones.
    std::vector<FieldRep*> InputFieldReps() const;
    // Takes the control out of the input list, drops its map and deletes it.
    void RemoveInputFieldRep(std::vector<FieldRep*>& list, FieldRep* fieldRep);
    // Appends the controls of the fields that have data.
    void AppendControlsWithData(const std::vector<Field*>& fields, std::vector<FieldRep*>& out);
    // The field belongs to a reference or derived field of the page.
    bool IsPageField(const Field* field) const;
    // A field set on a table other than the mapping table that is no page field.
    bool IsForeignField(const Field* field) const;
    // A map of a field of another table, which the master form owns.
    bool IsForeignMap(const FieldVariableMap* map) const;
    // After a load: claims the controls and the variables of the page's own entries.
    void ClaimOwnEntries(CArchive& ar);

    int m_id;
    Table* m_mappingTable = nullptr;
    Form* m_bottomMasterForm = nullptr;
    CString m_header;
    // While the page is read: its controls and variables are not claimed yet.
    bool m_readingEntries = false;
    // The lists hold only entries of the page's own.
    bool m_onlyOwnEntries = false;
    ApplicationReport* m_report = nullptr;
    std::vector<ReportVariableMap*> m_reportVariableMaps;
    std::vector<Field*> m_topFields;
    std::vector<Field*> m_bottomFields;
    std::vector<FieldRep*> m_topInputFieldReps;
    std::vector<FieldRep*> m_bottomInputFieldReps;
};
