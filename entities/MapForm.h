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

    // Page files of file kinds 5 and 6, created with owner kind 3 when missing.
    void EnsureReportFiles();
    // Takes out of the page's lists the maps and controls of fields of other tables than the
    // mapping table (reference and derived fields stay); nothing is deleted.
    void RemoveForeignEntries();

private:
    static int ms_lastId;

    // A load gives the page records of its own for the master form's maps; the form's records
    // take their places, as SetBottomMasterForm shared them.
    void ShareMasterFormMaps();
    // The field belongs to a reference or derived field of the page.
    bool IsPageField(const Field* field) const;
    // A field set on a table other than the mapping table that is no page field.
    bool IsForeignField(const Field* field) const;

    int m_id;
    Table* m_mappingTable = nullptr;
    Form* m_bottomMasterForm = nullptr;
    CString m_header;
    ApplicationReport* m_report = nullptr;
    std::vector<ReportVariableMap*> m_reportVariableMaps;
    std::vector<Field*> m_topFields;
    std::vector<Field*> m_bottomFields;
    std::vector<FieldRep*> m_topInputFieldReps;
    std::vector<FieldRep*> m_bottomInputFieldReps;
};
