#include "designers/RDLCReportdlg.h"

#include "designers/AssignRDLCDlg.h"
#include "designers/RDLCParamMapDlg.h"
#include "designers/logic/DesignerShell.h"
#include "editors/AdjustFieldRepsDlg.h"
#include "editors/ContextHelp.h"
#include "editors/LinkDialogs.h"
#include "editors/RefFieldDialog.h"
#include "editors/ViewEditorHost.h"
#include "entities/RDLCReport.h"
#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"
#include "model/Table.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"

IMPLEMENT_DYNCREATE(RDLCReportdlg, CFormView)

namespace
{

const DialogTemplateRegistration rdlcReportTemplate{{
    RDLCReportDesigner::IDD,
    "",
    {
        {0, ControlKind::Static, "Name"},
        {RDLCReportDesigner::IDC_NAME, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Header"},
        {RDLCReportDesigner::IDC_HEADER, ControlKind::Edit, ""},
        {RDLCReportDesigner::IDC_SINGLE_COLUMN, ControlKind::RadioButton, "Single Column"},
        {RDLCReportDesigner::IDC_TWO_COLUMNS, ControlKind::RadioButton, "Two Columns"},
        {RDLCReportDesigner::IDC_RDLC_NAME, ControlKind::Static, "RDLC Not assigned."},
        {RDLCReportDesigner::IDC_ASSIGN, ControlKind::PushButton, "Assign"},
        {RDLCReportDesigner::IDC_REMOVE, ControlKind::PushButton, "Remove"},
        {RDLCReportDesigner::IDC_REBUILD, ControlKind::PushButton, "Re-build Report"},
        {RDLCReportDesigner::IDC_SYNCHRONIZE, ControlKind::PushButton, "Synchronize", true},
        {RDLCReportDesigner::IDC_RDLC, ControlKind::ComboBox, "", true},
        {RDLCReportDesigner::IDC_SET_RDLC, ControlKind::PushButton, "Set RDLC", true},
        {RDLCReportDesigner::IDC_ADD_ADAPTER, ControlKind::PushButton, ">", true},
        {RDLCReportDesigner::IDC_REMOVE_ADAPTER, ControlKind::PushButton, "<", true},
        {RDLCReportDesigner::IDC_ADAPTERS, ControlKind::ListCtrl, "", false, false, 300, 160},
        {RDLCReportDesigner::IDC_MAP_PARAMETERS, ControlKind::PushButton, "Map parameters"},
        {RDLCReportDesigner::IDC_REMOVE_MAP, ControlKind::PushButton, "Remove", true},
        {RDLCReportDesigner::IDC_MAP, ControlKind::PushButton, "v", true},
        {RDLCReportDesigner::IDC_FORM_CONTROLS, ControlKind::PushButton, "Form Controls"},
        {RDLCReportDesigner::IDC_REFERENCE_FIELDS, ControlKind::PushButton, "Reference Fields"},
        {RDLCReportDesigner::IDC_LINK_CONTROLS, ControlKind::PushButton, "Link Controls"},
        {RDLCReportDesigner::IDC_OK, ControlKind::PushButton, "OK"},
        {RDLCReportDesigner::IDC_CANCEL, ControlKind::PushButton, "Cancel"},
        {RDLCReportDesigner::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    WS_CHILD,
    Lay::Column({
        Lay::Row(
            {Lay::Field(RDLCReportDesigner::IDC_NAME), Lay::Field(RDLCReportDesigner::IDC_HEADER)}),
        Lay::Row({Lay::Control(RDLCReportDesigner::IDC_SINGLE_COLUMN),
                  Lay::Control(RDLCReportDesigner::IDC_TWO_COLUMNS), Lay::Stretch()}),
        Lay::Row({Lay::Control(RDLCReportDesigner::IDC_RDLC_NAME),
                  Lay::Control(RDLCReportDesigner::IDC_ASSIGN),
                  Lay::Control(RDLCReportDesigner::IDC_REMOVE),
                  Lay::Control(RDLCReportDesigner::IDC_REBUILD), Lay::Stretch()}),
        Lay::Row({Lay::Control(RDLCReportDesigner::IDC_ADAPTERS),
                  Lay::ButtonColumn({RDLCReportDesigner::IDC_MAP_PARAMETERS})}),
        Lay::Buttons({RDLCReportDesigner::IDC_FORM_CONTROLS,
                      RDLCReportDesigner::IDC_REFERENCE_FIELDS,
                      RDLCReportDesigner::IDC_LINK_CONTROLS}),
        Lay::Buttons({RDLCReportDesigner::IDC_OK, RDLCReportDesigner::IDC_CANCEL,
                      RDLCReportDesigner::IDC_HELP_BUTTON}),
    }),
    {{.list = RDLCReportDesigner::IDC_ADAPTERS}},
}};
} // namespace

void RDLCDesignerViewHost::AssignRDLC(RDLCReport& report)
{
    if (ForgeonProject* project = MainFrameAccess::GetProject())
        AssignRDLCDlg(report, *project, m_parent).DoModal();
}

void RDLCDesignerViewHost::EditFormControls(RDLCReport& report)
{
    ForgeonProject* project = MainFrameAccess::GetProject();
    if (project == nullptr)
        return;
    // The fields of the report's table, when it has one, may get controls.
    std::vector<Field*> fields;
    if (const Table* table = report.GetTable())
        fields = table->GetFields();
    AdjustFieldRepsDlg(*project, fields, report, project->GetCurrentModule(), m_parent).DoModal();
}

void RDLCDesignerViewHost::EditReferenceFields(RDLCReport& report, Table* table)
{
    RefFieldDialog(report, table, m_parent).DoModal();
}

void RDLCDesignerViewHost::EditLinkControls(RDLCReport& report)
{
    if (ForgeonProject* project = MainFrameAccess::GetProject())
        LinkControlDlg(*project, report, m_parent).DoModal();
}

void RDLCDesignerViewHost::MapParameters(RDLCReport& report, TableAdapter& adapter)
{
    RDLCParamMapDlg(report, adapter, m_parent).DoModal();
}

void RDLCDesignerViewHost::AddRDLCReportItem(Module& module, RDLCReport& report)
{
    if (DesignerShell* shell = DesignerShell::Get())
        shell->AddRDLCReportItem(module, report);
}

void RDLCDesignerViewHost::UpdateFormItemText(const FormInterface& page)
{
    ViewEditorHost::Get().UpdateFormItemText(page);
}

void RDLCDesignerViewHost::ShowStartPage()
{
    ViewEditorHost::Get().ShowStartPage();
}

RDLCReportdlg::RDLCReportdlg() : CFormView(RDLCReportDesigner::IDD), m_host(this), m_view(*this)
{
    const std::pair<int, void (RDLCReportDesigner::*)()> buttons[] = {
        {RDLCReportDesigner::IDC_SINGLE_COLUMN, &RDLCReportDesigner::SingleColumn},
        {RDLCReportDesigner::IDC_TWO_COLUMNS, &RDLCReportDesigner::TwoColumns},
        {RDLCReportDesigner::IDC_ASSIGN, &RDLCReportDesigner::AssignRDLC},
        {RDLCReportDesigner::IDC_REMOVE, &RDLCReportDesigner::RemoveRDLC},
        {RDLCReportDesigner::IDC_REBUILD, &RDLCReportDesigner::Rebuild},
        {RDLCReportDesigner::IDC_FORM_CONTROLS, &RDLCReportDesigner::FormControls},
        {RDLCReportDesigner::IDC_REFERENCE_FIELDS, &RDLCReportDesigner::ReferenceFields},
        {RDLCReportDesigner::IDC_LINK_CONTROLS, &RDLCReportDesigner::LinkControls},
        {RDLCReportDesigner::IDC_MAP_PARAMETERS, &RDLCReportDesigner::MapParameters},
        {RDLCReportDesigner::IDC_OK, &RDLCReportDesigner::Ok},
        {RDLCReportDesigner::IDC_CANCEL, &RDLCReportDesigner::Cancel},
        {RDLCReportDesigner::IDC_SYNCHRONIZE, &RDLCReportDesigner::Synchronize},
        {RDLCReportDesigner::IDC_SET_RDLC, &RDLCReportDesigner::SetRDLC},
        {RDLCReportDesigner::IDC_ADD_ADAPTER, &RDLCReportDesigner::AddAdapter},
        {RDLCReportDesigner::IDC_REMOVE_ADAPTER, &RDLCReportDesigner::RemoveAdapter},
        {RDLCReportDesigner::IDC_REMOVE_MAP, &RDLCReportDesigner::RemoveAdapter},
        {RDLCReportDesigner::IDC_MAP, &RDLCReportDesigner::MapParameter},
    };
    for (const auto& [id, command] : buttons)
        MapControlRange(BN_CLICKED, id, id, [this, command = command] { Run(command); });
    MapControlRange(EN_KILLFOCUS, RDLCReportDesigner::IDC_NAME, RDLCReportDesigner::IDC_NAME,
                    [this] { Run(&RDLCReportDesigner::LeaveName); });
    MapControlRange(EN_KILLFOCUS, RDLCReportDesigner::IDC_HEADER, RDLCReportDesigner::IDC_HEADER,
                    [this] { Run(&RDLCReportDesigner::LeaveHeader); });
    MapControlRange(BN_CLICKED, RDLCReportDesigner::IDC_CLEAR, RDLCReportDesigner::IDC_CLEAR,
                    [this] { ForgetReport(nullptr); });
    MapControlRange(BN_CLICKED, RDLCReportDesigner::IDC_HELP_BUTTON,
                    RDLCReportDesigner::IDC_HELP_BUTTON,
                    [this] { ShowContextHelp(this, RDLCReportDesigner::IDD); });
    MapNotify(NM_DBLCLK, RDLCReportDesigner::IDC_ADAPTERS, &RDLCReportdlg::OnAdapterDoubleClick);
}

RDLCReportdlg::~RDLCReportdlg() = default;

RDLCReportDesigner* RDLCReportdlg::GetDesigner()
{
    ForgeonProject* project = MainFrameAccess::GetProject();
    if (project != m_project)
    {
        m_designer.reset();
        m_project = project;
        if (project != nullptr)
            m_designer = std::make_unique<RDLCReportDesigner>(*project, m_host);
    }
    return m_designer.get();
}

void RDLCReportdlg::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    if (m_adapters.GetSafeHwnd() != nullptr)
        return;
    m_adapters.SubclassDlgItem(RDLCReportDesigner::IDC_ADAPTERS, this);
    SetListColumns(m_adapters, RDLCReportDesigner::AdapterHeadings());
    LoadRDLCReport(nullptr);
}

void RDLCReportdlg::LoadRDLCReport(RDLCReport* report)
{
    if (RDLCReportDesigner* designer = GetDesigner())
    {
        designer->Load(report);
        Show();
    }
}

void RDLCReportdlg::ForgetReport(RDLCReport* report)
{
    if (RDLCReportDesigner* designer = GetDesigner())
    {
        designer->ForgetReport(report);
        Show();
    }
}

void RDLCReportdlg::ClearPage()
{
    if (m_designer != nullptr)
    {
        m_designer->ClearPage();
        Show();
    }
}

void RDLCReportdlg::ReloadPage() {}

void RDLCReportdlg::Run(void (RDLCReportDesigner::*command)())
{
    RDLCReportDesigner* designer = GetDesigner();
    if (designer == nullptr || designer->GetReport() == nullptr)
        return;
    m_view.ReadTexts(designer->States(),
                     {RDLCReportDesigner::IDC_NAME, RDLCReportDesigner::IDC_HEADER});
    designer->SelectAdapter(m_adapters.GetCurSel());
    if (const auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(RDLCReportDesigner::IDC_RDLC)))
        designer->States().Select(RDLCReportDesigner::IDC_RDLC, combo->GetCurSel());
    (designer->*command)();
    Show();
}

void RDLCReportdlg::OnAdapterDoubleClick(NMHDR*, LRESULT* result)
{
    *result = 0;
    Run(&RDLCReportDesigner::MapParameters);
}

void RDLCReportdlg::Show()
{
    if (m_designer == nullptr || m_adapters.GetSafeHwnd() == nullptr)
        return;
    ShowListRows(m_adapters, m_designer->GetAdapterRows());
    m_view.Show(m_designer->States());
}
