#pragma once

#include "merge/MergeOverwriteSet.h"
#include "merge/PointerLists.h"
#include "model/TextFile.h"
#include "platform/core/CString.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

class ApplicationReport;
class AspFile;
class CObject;
class Class;
class DashBoard;
class DashBoardPage;
class DerivedField;
class Designation;
class Field;
class FieldRep;
class ForgeonProject;
class Form;
class FormInterface;
class Function;
class LinkControl;
class MapForm;
class Menu;
class MergeDependencyCollector;
class MergeReportFiles;
class Module;
class MultiPageReport;
class Parameter;
class Procedure;
class ProcedureFieldInfo;
class RDLCInfo;
class RDLCReport;
class ReportCollector;
class ReportField;
class Table;
class TableAdapter;
class Transaction;
class Variable;
class XSDInfo;

// The objects a collection makes that no entity of either project took as a part. They are
// freed with the collection unless handed over before.
class MergeCreatedObjects
{
public:
    MergeCreatedObjects() = default;
    ~MergeCreatedObjects();
    MergeCreatedObjects(const MergeCreatedObjects&) = delete;
    MergeCreatedObjects& operator=(const MergeCreatedObjects&) = delete;

    template <class T, class... Args> T* Make(Args&&... args)
    {
        auto object = std::make_unique<T>(std::forward<Args>(args)...);
        T* made = object.get();
        Keep(std::move(object));
        return made;
    }
    // Gives the object up to its new owner; false when it is not held here.
    bool HandOver(const CObject* object);
    bool Holds(const CObject* object) const;
    int GetCount() const { return static_cast<int>(m_count); }
    // Each object still held, in no particular order.
    template <class Visit> void VisitHeld(Visit visit) const
    {
        for (const std::unique_ptr<CObject>& owned : m_slots)
        {
            if (owned != nullptr)
                visit(owned.get());
        }
    }

private:
    void Keep(std::unique_ptr<CObject> object);
    // The slot holding the object, else the empty slot that ends its run.
    std::size_t SlotOf(const CObject* object) const;

    // Open addressing by address, at most half the slots taken, so that a look-up reads one
    // stretch of memory; a handed-over object's slot takes back the later objects of its run,
    // so that a look-up ends at the first empty slot.
    std::vector<std::unique_ptr<CObject>> m_slots;
    std::size_t m_count = 0;
    int m_shift = 64;
};

// What every kind collector of one collection shares. The overwrite set is null when the merge
// runs without overwriting.
struct MergeNewContext
{
    MergeDependencyCollector* dependencies = nullptr;
    MergeOverwriteSet* overwrite = nullptr;
    ForgeonProject* first = nullptr;
    ForgeonProject* second = nullptr;
    MergeReportFiles* reportFiles = nullptr;
    MergeCreatedObjects* created = nullptr;
};

template <class T> using MergeNewMap = PointerMap<T, T>;
template <class T> struct MergeNewPartPass;

// One entity-level pass over the lists of a target and a source module: the first walk gives
// each target entity its namesake in the source, the second gives each source entity the
// target lacks a new counterpart.
template <class T> struct MergeNewPass
{
    const std::vector<T*>& targets;
    const std::vector<T*>& sources;
    // The namesake of the entity in the other module: the source one when inSource.
    std::function<T*(const T&, bool inSource)> find;
    std::function<T*(const T&)> make;
    // Whether a target entity without namesake gets a counterpart; null: never, as the pair
    // step would record nothing for it.
    std::function<bool(const T&)> keepsTargetCounterpart;
    // The list of the overwrite set that takes target entities without namesake; null: none.
    std::vector<T*>& (MergeOverwriteSet::*overwrite)();
    const char* firstLine;
    const char* secondLine;
    // The pair step for (a, b) of the first or the second walk.
    std::function<void(T* a, T* b, bool firstWalk)> pair;
};

// The log of one kind collector, opened (truncated) at construction.
class MergeNewKindCollector
{
public:
    MergeNewKindCollector(const MergeNewKindCollector&) = delete;
    MergeNewKindCollector& operator=(const MergeNewKindCollector&) = delete;
    virtual ~MergeNewKindCollector();

    void CloseLog();
    const TextFile& GetLog() const { return m_log; }

protected:
    MergeNewKindCollector(const MergeNewContext& context, const char* logPath);

    void Log(const char* format, const CString& name) { m_log.Write(0, format, name); }
    template <class T, class... Args> T* Make(Args&&... args)
    {
        return m_context.created->template Make<T>(std::forward<Args>(args)...);
    }
    // Appends to the overwrite set's list when the run has one; with once, unless it is there.
    template <class T>
    void AppendOverwrite(std::vector<T*>& (MergeOverwriteSet::*list)(), T* item, bool once = true)
    {
        if (m_context.overwrite == nullptr)
            return;
        std::vector<T*>& entries = (m_context.overwrite->*list)();
        if (!once || std::ranges::find(entries, item) == entries.end())
            entries.push_back(item);
    }

    // Defined where the entity names are known.
    template <class T> void RunPass(const MergeNewPass<T>& pass);
    template <class T> void RunPartPass(const MergeNewPartPass<T>& pass, bool flag);

    MergeNewContext m_context;
    TextFile m_log{false, false, '=', 60};
};

// Fields of tables, pages and procedures; the tables of functions.
class MergeNewTableEntities : public MergeNewKindCollector
{
public:
    explicit MergeNewTableEntities(const MergeNewContext& context);

    void CollectTables(Module* target, Module* source);
    // The field pass of a table pair; the flag is clear when the second table is a target table.
    void CollectFields(Table* first, Table* second, bool flag);
    // Through the dependency collector's field mapping.
    void PairFields(Field* key, Field* value);

    MergeNewMap<Table>& GetTableMap() { return m_tables; }
    MergeNewMap<Field>& GetFieldMap() { return m_fields; }

private:
    void PairTables(Table* a, Table* b);

    MergeNewMap<Table> m_tables;
    MergeNewMap<Field> m_fields;
};

class MergeNewClassEntities : public MergeNewKindCollector
{
public:
    MergeNewClassEntities(const MergeNewContext& context, MergeNewTableEntities& tables);

    void CollectClasses(Module* target, Module* source);

    MergeNewMap<Class>& GetClassMap() { return m_classes; }
    MergeNewMap<Function>& GetFunctionMap() { return m_functions; }
    MergeNewMap<Parameter>& GetParameterMap() { return m_parameters; }
    MergeNewMap<ProcedureFieldInfo>& GetOutputColumnMap() { return m_outputColumns; }
    MergeNewMap<Field>& GetAliasFieldMap() { return m_aliasFields; }

private:
    void PairClasses(Class* a, Class* b);
    void CollectFunctions(Class* x, Class* y, bool flag);
    void CollectFunctionParts(Function* f, Function* g);
    void CollectParameters(Function* f, Function* g);
    void CollectFunctionTables(Function* f, Function* g);
    void CollectOutputColumns(Function* f, Function* g);
    void CollectAliasFields(Function* f, Function* g);

    MergeNewTableEntities& m_tableCollector;
    MergeNewMap<Class> m_classes;
    MergeNewMap<Function> m_functions;
    MergeNewMap<Parameter> m_parameters;
    MergeNewMap<ProcedureFieldInfo> m_outputColumns;
    MergeNewMap<Field> m_aliasFields;
};

// The parts of one page pair at a time: files, controls, variables, links and derived fields.
class MergeNewFormInterfaceEntities : public MergeNewKindCollector
{
public:
    explicit MergeNewFormInterfaceEntities(const MergeNewContext& context);

    // The page-pair step: the page parts of (a, b) in pass order.
    void CollectPageParts(FormInterface* a, FormInterface* b, bool flag,
                          MergeNewTableEntities& tables);
    // Pairs the variable unless it is a key already.
    void PairVariable(Variable* key, Variable* value) { m_variables.try_emplace(key, value); }
    void PairControl(FieldRep* key, FieldRep* value) { m_controls.try_emplace(key, value); }

    FormInterface* GetFirstPage() const { return m_firstPage; }
    FormInterface* GetSecondPage() const { return m_secondPage; }
    MergeNewMap<AspFile>& GetPageFileMap() { return m_pageFiles; }
    MergeNewMap<FieldRep>& GetControlMap() { return m_controls; }
    MergeNewMap<Variable>& GetVariableMap() { return m_variables; }
    MergeNewMap<LinkControl>& GetLinkControlMap() { return m_linkControls; }
    MergeNewMap<DerivedField>& GetDerivedFieldMap() { return m_derivedFields; }

private:
    void CollectPageFiles();
    void CollectVariables(bool flag);
    void CollectControls();
    void CollectLinkControls(bool flag);
    void CollectRefFields(MergeNewTableEntities& tables);
    void CollectDerivedFields(MergeNewTableEntities& tables);
    AspFile* CopyPageFile(AspFile& file, FormInterface* page, const ForgeonProject* project);

    FormInterface* m_firstPage = nullptr;
    FormInterface* m_secondPage = nullptr;
    MergeNewMap<AspFile> m_pageFiles;
    MergeNewMap<FieldRep> m_controls;
    MergeNewMap<Variable> m_variables;
    MergeNewMap<LinkControl> m_linkControls;
    MergeNewMap<DerivedField> m_derivedFields;
};

class MergeNewProcEntities : public MergeNewKindCollector
{
public:
    MergeNewProcEntities(const MergeNewContext& context, MergeNewFormInterfaceEntities& pageParts,
                         MergeNewTableEntities& tables);

    void CollectDesignations(Module* target, Module* source);
    void CollectProcedures(Module* target, Module* source);

    MergeNewMap<Designation>& GetDesignationMap() { return m_designations; }
    MergeNewMap<Procedure>& GetProcedureMap() { return m_procedures; }

private:
    void PairProcedures(Procedure* a, Procedure* b);
    void CollectProcedureParts(Procedure* x, Procedure* y, bool flag);
    void CollectVariables(const std::vector<Variable*>& xs, const std::vector<Variable*>& ys,
                          Procedure* y, Procedure* x, bool byFieldParameter, bool flag);

    MergeNewFormInterfaceEntities& m_pageParts;
    MergeNewTableEntities& m_tableCollector;
    MergeNewMap<Designation> m_designations;
    MergeNewMap<Procedure> m_procedures;
};

// The shared layout of the collectors of page kinds.
class MergeNewPageKindCollector : public MergeNewKindCollector
{
protected:
    MergeNewPageKindCollector(const MergeNewContext& context, const char* logPath,
                              MergeNewFormInterfaceEntities& pageParts,
                              MergeNewTableEntities& tables);

    void CollectPageParts(FormInterface* a, FormInterface* b, bool flag);

    MergeNewFormInterfaceEntities& m_pageParts;
    MergeNewTableEntities& m_tableCollector;
};

class MergeNewFormEntities : public MergeNewPageKindCollector
{
public:
    MergeNewFormEntities(const MergeNewContext& context, MergeNewFormInterfaceEntities& pageParts,
                         MergeNewTableEntities& tables);

    void CollectMasterForms(Module* target, Module* source);
    void CollectTransactions(Module* target, Module* source);
    void CollectDashBoards(Module* target, Module* source);
    void CollectDashBoardPages(Module* target, Module* source);

    MergeNewMap<Form>& GetMasterFormMap() { return m_masterForms; }
    MergeNewMap<Transaction>& GetTransactionMap() { return m_transactions; }
    MergeNewMap<DashBoard>& GetDashBoardMap() { return m_dashBoards; }
    MergeNewMap<DashBoardPage>& GetDashBoardPageMap() { return m_dashBoardPages; }

private:
    MergeNewMap<Form> m_masterForms;
    MergeNewMap<Transaction> m_transactions;
    MergeNewMap<DashBoard> m_dashBoards;
    MergeNewMap<DashBoardPage> m_dashBoardPages;
};

class MergeNewTempFormEntities : public MergeNewPageKindCollector
{
public:
    MergeNewTempFormEntities(const MergeNewContext& context,
                             MergeNewFormInterfaceEntities& pageParts,
                             MergeNewTableEntities& tables);

    void CollectMapForms(Module* target, Module* source);
    void CollectMultiPageReports(Module* target, Module* source);
    void CollectReportCollectors(Module* target, Module* source);

    MergeNewMap<MapForm>& GetMapFormMap() { return m_mapForms; }
    MergeNewMap<MultiPageReport>& GetMultiPageReportMap() { return m_multiPageReports; }
    MergeNewMap<ReportCollector>& GetReportCollectorMap() { return m_reportCollectors; }

private:
    void CollectMapFormControls(MapForm* x, MapForm* y);
    void CollectMapFormControlList(const std::vector<FieldRep*>& xs,
                                   const std::vector<FieldRep*>& ys);

    MergeNewMap<MapForm> m_mapForms;
    MergeNewMap<MultiPageReport> m_multiPageReports;
    MergeNewMap<ReportCollector> m_reportCollectors;
};

class MergeNewReportEntities : public MergeNewPageKindCollector
{
public:
    MergeNewReportEntities(const MergeNewContext& context, MergeNewFormInterfaceEntities& pageParts,
                           MergeNewTableEntities& tables);

    void CollectReports(Module* target, Module* source);
    void CollectRDLCReports(Module* target, Module* source);

    MergeNewMap<ApplicationReport>& GetReportMap() { return m_reports; }
    MergeNewMap<ReportField>& GetReportFieldMap() { return m_reportFields; }
    MergeNewMap<RDLCReport>& GetRDLCReportMap() { return m_rdlcReports; }
    MergeNewMap<RDLCInfo>& GetRDLCInfoMap() { return m_rdlcInfos; }
    MergeNewMap<TableAdapter>& GetTableAdapterMap() { return m_tableAdapters; }

private:
    void CollectReportParts(ApplicationReport* x, ApplicationReport* y, bool flag);
    void CollectReportGroups(ApplicationReport* x, ApplicationReport* y, bool secondWalk,
                             bool flag);
    void CollectRDLCParts(RDLCReport* x, RDLCReport* y);
    void CollectTableAdapterMaps(RDLCReport* x, RDLCReport* y);

    MergeNewMap<ApplicationReport> m_reports;
    MergeNewMap<ReportField> m_reportFields;
    MergeNewMap<RDLCReport> m_rdlcReports;
    MergeNewMap<RDLCInfo> m_rdlcInfos;
    MergeNewMap<TableAdapter> m_tableAdapters;
};

class MergeNewMenuEntities : public MergeNewKindCollector
{
public:
    explicit MergeNewMenuEntities(const MergeNewContext& context);

    void CollectMenus(Module* target, Module* source);

    MergeNewMap<Menu>& GetMenuMap() { return m_menus; }

private:
    // The other module's menus by full name.
    void Visit(Menu* menu, const std::map<CString, Menu*>& other, bool flag);

    MergeNewMap<Menu> m_menus;
};

// The report descriptions of the two projects.
class MergeNewProjEntities : public MergeNewKindCollector
{
public:
    explicit MergeNewProjEntities(const MergeNewContext& context);

    void CollectXSDInfos(ForgeonProject* first, ForgeonProject* second);
    void CollectRDLCInfos(ForgeonProject* first, ForgeonProject* second);

    MergeNewMap<XSDInfo>& GetXSDInfoMap() { return m_xsdInfos; }
    MergeNewMap<RDLCInfo>& GetRDLCInfoMap() { return m_rdlcInfos; }
    MergeNewMap<TableAdapter>& GetTableAdapterMap() { return m_tableAdapters; }

private:
    void CollectTableAdapters(XSDInfo* x, XSDInfo* y);

    MergeNewMap<XSDInfo> m_xsdInfos;
    MergeNewMap<RDLCInfo> m_rdlcInfos;
    MergeNewMap<TableAdapter> m_tableAdapters;
};
