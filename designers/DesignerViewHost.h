#pragma once

#include "designers/logic/ReportDesignerHost.h"
#include "editors/ViewEditorHost.h"

#include <memory>

class ForgeonProject;

// The ReportDesignerHost the designer views give their controllers beside the editors' view
// host: the real modal dialogs, and the designers' shell that the main frame installs (without
// one, the tree requests do nothing).
class DesignerViewHost final : public ReportDesignerHost
{
public:
    static DesignerViewHost& Get();
    // A designer of the project on the editors' view host and this one, for a view's
    // ProjectController.
    template <class Designer>
    static std::unique_ptr<Designer> MakeController(ForgeonProject& project)
    {
        return std::make_unique<Designer>(project, ViewEditorHost::Get(), Get());
    }

    void AddApplicationReportItem(Module& module, ApplicationReport& report) override;
    void AddReportCollectorItem(Module& module, ReportCollector& collector) override;

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
