#pragma once

#include "merge/MergeNewKinds.h"

#include <memory>

class MenuInterface;

// Decides, before any reference is re-pointed, which entity of the first project (the target)
// stands for each entity of the second (the source) within the module pair of the merge, makes
// an empty counterpart where the target lacks one and logs each such entity. The engine then
// asks it kind by kind for the recorded entities and their counterparts.
//
// The made objects that no entity took as a part are owned here until handed over (HandOver);
// the rest are freed with the collector, which must therefore go before both projects.
class MergeNewEntities
{
public:
    // The report files must outlive the collector.
    MergeNewEntities(ForgeonProject* first, ForgeonProject* second, MergeReportFiles& reportFiles);
    MergeNewEntities(const MergeNewEntities&) = delete;
    MergeNewEntities& operator=(const MergeNewEntities&) = delete;
    ~MergeNewEntities();

    void SetDependencyCollector(MergeDependencyCollector* dependencies);
    // Null when the merge runs without overwriting.
    void SetOverwriteSet(MergeOverwriteSet* overwrite);

    void Collect();

    // The module pair.
    int GetModulePairCount() const { return static_cast<int>(m_modules.size()); }
    Module* GetSourceModuleAt(int index) const;
    Module* GetTargetModule(Module* source) const;

    // A new object of the collection that its new owner takes; false when not held here.
    bool HandOver(const CObject* object) { return m_created.HandOver(object); }
    bool OwnsCreated(const CObject* object) const { return m_created.Holds(object); }
    int GetCreatedCount() const { return m_created.GetCount(); }
    const MergeCreatedObjects& GetCreated() const { return m_created; }

    int GetTableCount() const;
    Table* GetTableAt(int index) const;
    Table* GetTableCounterpart(Table* table) const;
    // The field itself when it is a key, else null.
    Field* FindFieldKey(Field* field) const;
    Field* GetFieldCounterpart(Field* field) const;
    int GetClassCount() const;
    Class* GetClassAt(int index) const;
    Class* GetClassCounterpart(Class* dataClass) const;
    Function* GetFunctionCounterpart(Function* function) const;
    Parameter* GetParameterCounterpart(Parameter* parameter) const;
    int GetDesignationCount() const;
    Designation* GetDesignationAt(int index) const;
    Designation* GetDesignationCounterpart(Designation* designation) const;
    Procedure* GetProcedureCounterpart(Procedure* procedure) const;
    Variable* GetVariableCounterpart(Variable* variable) const;
    DerivedField* GetDerivedFieldCounterpart(DerivedField* derivedField) const;
    AspFile* GetPageFileCounterpart(AspFile* file) const;
    FieldRep* GetControlCounterpart(FieldRep* control) const;
    LinkControl* GetLinkControlCounterpart(LinkControl* link) const;
    int GetMasterFormCount() const;
    Form* GetMasterFormAt(int index) const;
    Form* GetMasterFormCounterpart(Form* form) const;
    int GetTransactionCount() const;
    Transaction* GetTransactionAt(int index) const;
    Transaction* GetTransactionCounterpart(Transaction* transaction) const;
    int GetDashBoardCount() const;
    DashBoard* GetDashBoardAt(int index) const;
    DashBoard* GetDashBoardCounterpart(DashBoard* dashBoard) const;
    int GetDashBoardPageCount() const;
    DashBoardPage* GetDashBoardPageAt(int index) const;
    DashBoardPage* GetDashBoardPageCounterpart(DashBoardPage* page) const;
    MapForm* GetMapFormCounterpart(MapForm* mapForm) const;
    MultiPageReport* GetMultiPageReportCounterpart(MultiPageReport* report) const;
    ReportCollector* GetReportCollectorCounterpart(ReportCollector* collector) const;
    int GetReportCount() const;
    ApplicationReport* GetReportAt(int index) const;
    ApplicationReport* GetReportCounterpart(ApplicationReport* report) const;
    int GetRDLCReportCount() const;
    RDLCReport* GetRDLCReportAt(int index) const;
    RDLCReport* GetRDLCReportCounterpart(RDLCReport* report) const;
    ReportField* GetReportFieldCounterpart(ReportField* column) const;
    int GetMenuCount() const;
    Menu* GetMenuAt(int index) const;
    Menu* GetMenuCounterpart(Menu* menu) const;
    int GetXSDInfoCount() const;
    XSDInfo* GetXSDInfoAt(int index) const;
    XSDInfo* GetXSDInfoCounterpart(XSDInfo* info) const;
    int GetRDLCInfoCount() const;
    RDLCInfo* GetRDLCInfoAt(int index) const;
    RDLCInfo* GetRDLCInfoCounterpart(RDLCInfo* info) const;

    // By the page's class; null when its kind recorded no counterpart.
    FormInterface* GetPageCounterpart(FormInterface* page) const;
    // A menu's counterpart, else a report field's.
    MenuInterface* GetMenuItemCounterpart(MenuInterface* item) const;

    // The kind collectors, null before Collect.
    MergeNewTableEntities* GetTableCollector() const { return m_tables.get(); }
    MergeNewClassEntities* GetClassCollector() const { return m_classes.get(); }
    MergeNewProcEntities* GetProcCollector() const { return m_procs.get(); }
    MergeNewFormInterfaceEntities* GetPagePartsCollector() const { return m_pageParts.get(); }
    MergeNewFormEntities* GetFormCollector() const { return m_forms.get(); }
    MergeNewTempFormEntities* GetTempFormCollector() const { return m_tempForms.get(); }
    MergeNewReportEntities* GetReportCollector() const { return m_reports.get(); }
    MergeNewMenuEntities* GetMenuCollector() const { return m_menus.get(); }
    MergeNewProjEntities* GetProjCollector() const { return m_proj.get(); }
    const TextFile& GetLog() const { return m_log; }

private:
    void CollectModules(Module* target, Module* source);
    void CloseLogs();

    ForgeonProject* m_first;
    ForgeonProject* m_second;
    MergeDependencyCollector* m_dependencies = nullptr;
    MergeOverwriteSet* m_overwrite = nullptr;
    MergeReportFiles& m_reportFiles;
    PointerMap<Module, Module> m_modules;
    // Declared before the kind collectors, which hold pointers into it.
    MergeCreatedObjects m_created;
    std::unique_ptr<MergeNewProcEntities> m_procs;
    std::unique_ptr<MergeNewTableEntities> m_tables;
    std::unique_ptr<MergeNewFormInterfaceEntities> m_pageParts;
    std::unique_ptr<MergeNewFormEntities> m_forms;
    std::unique_ptr<MergeNewTempFormEntities> m_tempForms;
    std::unique_ptr<MergeNewReportEntities> m_reports;
    std::unique_ptr<MergeNewMenuEntities> m_menus;
    std::unique_ptr<MergeNewClassEntities> m_classes;
    std::unique_ptr<MergeNewProjEntities> m_proj;
    TextFile m_log{false, false, '=', 60};
};
