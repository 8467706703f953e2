#pragma once

#include "designers/logic/ReportDesignerHost.h"

#include <memory>

class ForgeonProject;

// The ReportDesignerHost the designer views give their controllers: the editors' view host for
// what the editors share, the real modal dialogs, and the designers' shell that the main frame
// installs (without one, the tree requests do nothing).
class DesignerViewHost final : public ReportDesignerHost
{
public:
    static DesignerViewHost& Get();
    // A designer of the project on this host, for a view's ProjectController.
    template <class Designer>
    static std::unique_ptr<Designer> MakeController(ForgeonProject& project)
    {
        return std::make_unique<Designer>(project, Get());
    }

    void UpdateFieldItemText(const Table& table, const Field& field) override;
    void UpdateTableItemNames(const Table& table) override;
    void UpdateFormItemText(const FormInterface& page) override;
    void RefreshTree() override;
    void ShowStartPage() override;
    void AddProcedureItem(Module& module, Procedure& procedure) override;
    void AddUserFunctionItem(Module& module, Function& function) override;
    void AddTransactionItem(Module& module, Transaction& transaction) override;
    void RenameSelectedItem(const CString& text) override;
    bool ConfirmWarning(const CString& message) override;
    void EditVariables(std::vector<FieldVariableMap*>& maps, FormInterface* page) override;
    bool AssignProcedure(ProcedureAssigner& assigner) override;
    void EditRelations(Procedure& procedure) override;
    void EditOutputFields(Function& function) override;

    void AddApplicationReportItem(Module& module, ApplicationReport& report) override;
    void AddReportCollectorItem(Module& module, ReportCollector& collector) override;
    void RenameItemIfSelected(int id, const CString& text) override;

    bool AssignFunction(FormInterface& page, ClassInvokation& invokation,
                        bool allowChange) override;
    void EditLinkControls(FormInterface& page) override;
    void EditControlSettings(FormInterface& page, FieldRep& control) override;
    void EditReportFilters(ReportGroup& group) override;
    void EditReportColumns(ReportGroup& group) override;
    void EditReportFieldSettings(ReportGroup& group, ReportField& column, Module* module) override;
    bool EditGroupHeader(ReportGroup& group, GroupHeader& header) override;
    bool EditChartData(ApplicationReport& report, int groupIndex, GraphData& chart) override;
};
