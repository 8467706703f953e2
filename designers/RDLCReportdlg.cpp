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
#include "platform/ui/DialogTemplate.h"

IMPLEMENT_DYNCREATE(RDLCReportdlg, CFormView)

namespace
{
using D = RDLCReportDesigner;

const DialogTemplateRegistration rdlcReportTemplate{{
    D::IDD,
    "",
    {
        {0, ControlKind::Static, "Name"},
        {D::IDC_NAME, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Header"},
        {D::IDC_HEADER, ControlKind::Edit, ""},
        {D::IDC_SINGLE_COLUMN, ControlKind::RadioButton, "Single Column"},
        {D::IDC_TWO_COLUMNS, ControlKind::RadioButton, "Two Columns"},
        {D::IDC_RDLC_NAME, ControlKind::Static, "RDLC Not assigned."},
        {D::IDC_ASSIGN, ControlKind::PushButton, "Assign"},
        {D::IDC_REMOVE, ControlKind::PushButton, "Remove"},
        {D::IDC_REBUILD, ControlKind::PushButton, "Re-build Report"},
        {D::IDC_SYNCHRONIZE, ControlKind::PushButton, "Synchronize", true},
        {D::IDC_RDLC, ControlKind::ComboBox, "", true},
        {D::IDC_SET_RDLC, ControlKind::PushButton, "Set RDLC", true},
        {D::IDC_ADD_ADAPTER, ControlKind::PushButton, ">", true},
        {D::IDC_REMOVE_ADAPTER, ControlKind::PushButton, "<", true},
        {D::IDC_ADAPTERS, ControlKind::ListCtrl, "", false, false, 300, 160},
        {D::IDC_MAP_PARAMETERS, ControlKind::PushButton, "Map parameters"},
        {D::IDC_REMOVE_MAP, ControlKind::PushButton, "Remove", true},
        {D::IDC_MAP, ControlKind::PushButton, "v", true},
        {D::IDC_FORM_CONTROLS, ControlKind::PushButton, "Form Controls"},
        {D::IDC_REFERENCE_FIELDS, ControlKind::PushButton, "Reference Fields"},
        {D::IDC_LINK_CONTROLS, ControlKind::PushButton, "Link Controls"},
        {D::IDC_OK, ControlKind::PushButton, "OK"},
        {D::IDC_CANCEL, ControlKind::PushButton, "Cancel"},
        {D::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    WS_CHILD,
    Lay::Column({
        Lay::Row({Lay::Field(D::IDC_NAME), Lay::Field(D::IDC_HEADER)}),
        Lay::Row(
            {Lay::Control(D::IDC_SINGLE_COLUMN), Lay::Control(D::IDC_TWO_COLUMNS), Lay::Stretch()}),
        Lay::Row({Lay::Control(D::IDC_RDLC_NAME), Lay::Control(D::IDC_ASSIGN),
                  Lay::Control(D::IDC_REMOVE), Lay::Control(D::IDC_REBUILD), Lay::Stretch()}),
        Lay::Row({Lay::Control(D::IDC_ADAPTERS), Lay::ButtonColumn({D::IDC_MAP_PARAMETERS})}),
        Lay::Buttons({D::IDC_FORM_CONTROLS, D::IDC_REFERENCE_FIELDS, D::IDC_LINK_CONTROLS}),
        Lay::Buttons({D::IDC_OK, D::IDC_CANCEL, D::IDC_HELP_BUTTON}),
    }),
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

RDLCReportdlg::RDLCReportdlg() : CFormView(D::IDD), m_host(this), m_view(*this)
{
    const std::pair<int, void (D::*)()> buttons[] = {
        {D::IDC_SINGLE_COLUMN, &D::SingleColumn},
        {D::IDC_TWO_COLUMNS, &D::TwoColumns},
        {D::IDC_ASSIGN, &D::AssignRDLC},
        {D::IDC_REMOVE, &D::RemoveRDLC},
        {D::IDC_REBUILD, &D::Rebuild},
        {D::IDC_FORM_CONTROLS, &D::FormControls},
        {D::IDC_REFERENCE_FIELDS, &D::ReferenceFields},
        {D::IDC_LINK_CONTROLS, &D::LinkControls},
        {D::IDC_MAP_PARAMETERS, &D::MapParameters},
        {D::IDC_OK, &D::Ok},
        {D::IDC_CANCEL, &D::Cancel},
    };
    for (const auto& [id, command] : buttons)
        MapControlRange(BN_CLICKED, id, id, [this, command = command] { Run(command); });
    MapControlRange(EN_KILLFOCUS, D::IDC_NAME, D::IDC_NAME, [this] { Run(&D::LeaveName); });
    MapControlRange(EN_KILLFOCUS, D::IDC_HEADER, D::IDC_HEADER, [this] { Run(&D::LeaveHeader); });
    MapControlRange(BN_CLICKED, D::IDC_CLEAR, D::IDC_CLEAR, [this] { ForgetReport(nullptr); });
    MapControlRange(BN_CLICKED, D::IDC_HELP_BUTTON, D::IDC_HELP_BUTTON,
                    [this] { ShowContextHelp(this, D::IDD); });
    MapNotify(NM_DBLCLK, D::IDC_ADAPTERS, &RDLCReportdlg::OnAdapterDoubleClick);
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
    m_adapters.SubclassDlgItem(D::IDC_ADAPTERS, this);
    SetListColumns(m_adapters, D::AdapterHeadings());
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
    m_view.ReadTexts(designer->States(), {D::IDC_NAME, D::IDC_HEADER});
    designer->SelectAdapter(m_adapters.GetCurSel());
    (designer->*command)();
    Show();
}

void RDLCReportdlg::OnAdapterDoubleClick(NMHDR*, LRESULT* result)
{
    *result = 0;
    Run(&D::MapParameters);
}

void RDLCReportdlg::Show()
{
    if (m_designer == nullptr || m_adapters.GetSafeHwnd() == nullptr)
        return;
    ShowListRows(m_adapters, m_designer->GetAdapterRows());
    m_view.Show(m_designer->States());
}
