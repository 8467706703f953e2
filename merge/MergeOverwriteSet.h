#pragma once

#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "merge/ProjectOwnObjects.h"
#include "model/TextFile.h"
#include "platform/core/CString.h"

#include <vector>

class ApplicationReport;
class Class;
class DashBoard;
class DashBoardPage;
class Designation;
class DerivedField;
class Field;
class ForgeonProject;
class Form;
class Function;
class LinkControl;
class MapForm;
class MergeReportFiles;
class Menu;
class Parameter;
class Procedure;
class ProcedureFieldInfo;
class RefField;
class ReportField;
class Table;
class TableAdapter;
class Transaction;
class Variable;
class XSDInfo;

// The entities of the first project that a merge with "Overwrite Base Module" replaces. The run
// lists them while it merges; ApplyDeletions then removes them kind by kind, parts before their
// owners and tables last, and writes what it removed to the overwrite report. What the project
// holds for itself (ProjectOwnObjects) stays, listed or not.
class MergeOverwriteSet
{
public:
    // The report goes through the run's report files.
    MergeOverwriteSet(ForgeonProject* first, MergeReportFiles& reportFiles);
    MergeOverwriteSet(const MergeOverwriteSet&) = delete;
    MergeOverwriteSet& operator=(const MergeOverwriteSet&) = delete;

    // Keeps the name and opens "C:\temp\Merge_OverwriteReport_<name>.txt", truncating it.
    void OpenReport(const CString& name);
    // Removes everything listed, writing the report, and closes the report. The lists stay.
    void ApplyDeletions();

    const CString& GetName() const { return m_name; }
    // The report's text while no file is open (all of it when the file could not be opened).
    const TextFile& GetReport() const { return m_report; }

    // The lists; the run appends to them, after the membership query where there is one.
    std::vector<Field*>& GetFieldList() { return m_fields; }
    std::vector<Table*>& GetTableList() { return m_tables; }
    std::vector<Procedure*>& GetProcedureList() { return m_procedures; }
    std::vector<Form*>& GetMasterFormList() { return m_masterForms; }
    std::vector<MapForm*>& GetMapFormList() { return m_mapForms; }
    std::vector<Transaction*>& GetTransactionList() { return m_transactions; }
    std::vector<ApplicationReport*>& GetReportList() { return m_reports; }
    std::vector<DashBoard*>& GetDashBoardList() { return m_dashBoards; }
    std::vector<DashBoardPage*>& GetDashBoardPageList() { return m_dashBoardPages; }
    std::vector<Menu*>& GetMenuList() { return m_menus; }
    std::vector<Designation*>& GetDesignationList() { return m_designations; }
    std::vector<DerivedField*>& GetDerivedFieldList() { return m_derivedFields; }
    std::vector<RefField*>& GetRefFieldList() { return m_refFields; }
    std::vector<Variable*>& GetVariableList() { return m_variables; }
    std::vector<LinkControl*>& GetLinkControlList() { return m_linkControls; }
    std::vector<ReportField*>& GetReportFieldList() { return m_reportFields; }
    std::vector<Table*>& GetProcedureDetailTableList() { return m_procedureDetailTables; }
    // The procedures in which output columns and detail tables are searched.
    std::vector<Procedure*>& GetOwnerProcedureList() { return m_ownerProcedures; }
    std::vector<ProcedureFieldInfo*>& GetProcedureColumnList() { return m_procedureColumns; }
    // The classes in which functions are searched.
    std::vector<Class*>& GetOwnerClassList() { return m_ownerClasses; }
    std::vector<Function*>& GetFunctionList() { return m_functions; }
    std::vector<Parameter*>& GetFunctionParameterList() { return m_functionParameters; }
    std::vector<Table*>& GetFunctionTableList() { return m_functionTables; }
    std::vector<ProcedureFieldInfo*>& GetFunctionColumnList() { return m_functionColumns; }
    std::vector<RDLCReport*>& GetRDLCReportList() { return m_rdlcReports; }
    std::vector<RDLCInfo*>& GetRDLCInfoList() { return m_rdlcInfos; }
    std::vector<TableAdapterMap>& GetTableAdapterMapList() { return m_tableAdapterMaps; }
    std::vector<RDLCDataSetEntry>& GetDataSetList() { return m_dataSets; }
    std::vector<XSDInfo*>& GetXSDInfoList() { return m_xsdInfos; }
    std::vector<TableAdapter*>& GetTableAdapterList() { return m_tableAdapters; }

    // Membership by pointer.
    bool HasVariable(const Variable* variable) const;
    bool HasFunction(const Function* function) const;
    bool HasFunctionParameter(const Parameter* parameter) const;
    bool HasFunctionTable(const Table* table) const;
    bool HasFunctionColumn(const ProcedureFieldInfo* column) const;
    bool HasRDLCInfo(const RDLCInfo* info) const;
    bool HasXSDInfo(const XSDInfo* info) const;
    bool HasTableAdapter(const TableAdapter* adapter) const;
    // A data-set record of the table name (exact).
    bool HasDataSet(const CString& tableName) const;

private:
    // The steps of ApplyDeletions, in order.
    void DeleteVariables();
    void DeleteProcedureColumns();
    void DeleteFunctionColumns();
    void DeleteFunctionParameters();
    void DeleteDashBoards();
    void DeletePageParts();
    void DeleteReportFields();
    void DeleteLinkControls();
    void DeleteProcedureDetailTables();
    void DeleteFunctionTables();
    void DeleteMenus();
    // The kept items that open the project's own objects leave the menus about to be deleted for
    // the nearest menu above them that stays, or the top level of their module; true when one
    // moved. The menus deleted are those DeleteMenus deletes (Deletes with held).
    template <class Held> bool MoveKeptMenuItemsOut(Held held);
    void DeletePages();
    void DeleteReportDescriptions();
    void DeleteTableAdapterMaps(const std::vector<CString>& adapterNames);
    void DeleteReports();
    void DeleteLoginPage();
    void DeleteDesignations();
    void DeleteProcedures();
    void DeleteFunctions();
    void DeleteTables();

    // Whether the removals of a kind take the entity of their list: it is there, the first
    // project holds it (held) and does not keep it for itself.
    template <class T, class Held> bool Deletes(const T* entity, Held held) const;
    // The removals of one kind under its heading: each entity Deletes takes is written with the
    // name it gives, then deleted.
    template <class T, class Name, class Holds, class Remove>
    void DeleteHeld(const char* heading, const std::vector<T*>& list, Name name, Holds holds,
                    Remove remove);
    // As DeleteHeld, each entity written as it is taken, once; those taken are then removed
    // together by removeAll.
    template <class T, class Name, class Held, class RemoveAll>
    void DeleteHeldTogether(const char* heading, const std::vector<T*>& list, Name name, Held held,
                            RemoveAll removeAll);
    // DeleteHeld for pages, written with their names and removed by the project's deletion, one
    // by one or (removeAll) together.
    template <class Page, class ModuleList>
    void DeletePageList(const char* heading, const std::vector<Page*>& list, ModuleList moduleList,
                        bool (ForgeonProject::*remove)(Page*));
    template <class Page, class ModuleList>
    void DeletePageList(const char* heading, const std::vector<Page*>& list, ModuleList moduleList,
                        int (ForgeonProject::*removeAll)(const std::vector<Page*>&));
    // The derived or reference fields under their heading: each leaves the first page holding
    // it, written with the name of its field.
    template <class Part, class Parts, class Remove>
    void DeleteFieldParts(const char* heading, const std::vector<Part*>& list, Parts parts,
                          Remove remove);
    // The line of one removed entity.
    void WriteName(const CString& name);
    // The variable leaves the page or procedures that hold it; false when none does.
    bool RemoveVariable(Variable* variable);

    ForgeonProject* m_first;
    MergeReportFiles& m_reportFiles;

    std::vector<Field*> m_fields;
    std::vector<Table*> m_tables;
    std::vector<Procedure*> m_procedures;
    std::vector<Form*> m_masterForms;
    std::vector<MapForm*> m_mapForms;
    std::vector<Transaction*> m_transactions;
    std::vector<ApplicationReport*> m_reports;
    std::vector<DashBoard*> m_dashBoards;
    std::vector<DashBoardPage*> m_dashBoardPages;
    std::vector<Menu*> m_menus;
    std::vector<Designation*> m_designations;
    std::vector<DerivedField*> m_derivedFields;
    std::vector<RefField*> m_refFields;
    std::vector<Variable*> m_variables;
    std::vector<LinkControl*> m_linkControls;
    std::vector<ReportField*> m_reportFields;
    std::vector<Table*> m_procedureDetailTables;
    std::vector<Procedure*> m_ownerProcedures;
    std::vector<ProcedureFieldInfo*> m_procedureColumns;
    std::vector<Class*> m_ownerClasses;
    std::vector<Function*> m_functions;
    std::vector<Parameter*> m_functionParameters;
    std::vector<Table*> m_functionTables;
    std::vector<ProcedureFieldInfo*> m_functionColumns;
    std::vector<RDLCReport*> m_rdlcReports;
    std::vector<RDLCInfo*> m_rdlcInfos;
    std::vector<TableAdapterMap> m_tableAdapterMaps;
    std::vector<RDLCDataSetEntry> m_dataSets;
    std::vector<XSDInfo*> m_xsdInfos;
    std::vector<TableAdapter*> m_tableAdapters;

    // What the first project holds for itself, found when the deletions start.
    ProjectOwnObjects m_kept;
    TextFile m_report{false, false, '=', 60};
    CString m_name;
};
