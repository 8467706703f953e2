#include "designers/WeavoDashBoardDlg.h"

#include "designers/DesignerPictures.h"
#include "designers/logic/DesignerShell.h"
#include "editors/ControlStatesView.h"
#include "model/MainFrameAccess.h"
#include "platform/ui/DialogTemplate.h"

IMPLEMENT_DYNCREATE(WeavoDashBoardDlg, CFormView)

namespace
{
constexpr COLORREF kWhite = RGB(255, 255, 255);

const DialogTemplateRegistration startPageTemplate{
    []
    {
        DialogTemplate page{StartPage::IDD, "", {}, WS_CHILD};
        page.controls.push_back({StartPage::IDC_PICTURE, ControlKind::Picture, "", false, false, 0,
                                 0, StartPage::IDB_PICTURE});
        std::vector<int> ids;
        for (const StartButton& button : StartPage::Buttons())
        {
            page.controls.push_back({button.controlId, ControlKind::OwnerDrawButton, button.toolTip,
                                     false, false, 150, 56});
            ids.push_back(button.controlId);
        }
        const std::vector<int> firstRow(ids.begin(), ids.begin() + 5);
        const std::vector<int> secondRow(ids.begin() + 5, ids.end());
        std::vector<DialogLayout> top;
        std::vector<DialogLayout> bottom;
        for (int id : firstRow)
            top.push_back(Lay::Control(id));
        for (int id : secondRow)
            bottom.push_back(Lay::Control(id));
        top.push_back(Lay::Stretch());
        bottom.push_back(Lay::Stretch());
        page.layout = Lay::Column({Lay::Control(StartPage::IDC_PICTURE), Lay::Row(std::move(top)),
                                   Lay::Row(std::move(bottom)), Lay::Stretch()});
        return page;
    }()};
} // namespace

// The start page's requests go to the shell the main frame installed.
class WeavoDashBoardDlg::ShellForwarder final : public StartPageHost
{
public:
    void EditNew(NewEntity entity) override
    {
        if (DesignerShell* shell = DesignerShell::Get())
            shell->EditNew(entity);
    }
    void EditForm(Form& form) override
    {
        if (DesignerShell* shell = DesignerShell::Get())
            shell->EditForm(form);
    }
};

WeavoDashBoardDlg::WeavoDashBoardDlg()
    : CFormView(StartPage::IDD), m_shell(std::make_unique<ShellForwarder>()),
      m_page(std::make_unique<StartPage>(*m_shell))
{
    RegisterDesignerPictures();
    for (const StartButton& button : StartPage::Buttons())
        MapControlRange(BN_CLICKED, button.controlId, button.controlId,
                        [this, id = button.controlId] { ClickButton(id); });
}

WeavoDashBoardDlg::~WeavoDashBoardDlg() = default;

void WeavoDashBoardDlg::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    if (m_picture.GetSafeHwnd() == nullptr)
    {
        std::size_t index = 0;
        for (const StartButton& button : StartPage::Buttons())
        {
            ColorButton& picture = m_buttons[index++];
            picture.SubclassDlgItem(button.controlId, this);
            picture.SetBitmaps(static_cast<int>(button.normalBitmap), kWhite,
                               static_cast<int>(button.secondBitmap), kWhite);
        }
        m_picture.SubclassDlgItem(StartPage::IDC_PICTURE, this);
    }
    if (m_page->TakeToolTipSetUp())
    {
        m_toolTips.Create(this);
        AddToolTips(m_toolTips, *this, StartPage::ToolTips());
    }
    m_picture.SetBitmap(StartPage::IDB_PICTURE);
}

void WeavoDashBoardDlg::ClickButton(int controlId)
{
    m_page->Click(controlId, MainFrameAccess::GetProject());
}
