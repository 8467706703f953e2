#include "platform/ui/Dialog.h"

#include "platform/ui/DialogTemplate.h"
#include "platform/ui/QtGeometry.h"
#include "platform/ui/QtText.h"

#include <QCoreApplication>
#include <QDialog>

#include <algorithm>
#include <utility>

namespace
{
ModalHook& InstalledHook()
{
    static ModalHook hook;
    return hook;
}

// Escape, the close button and Enter without a default button reach the dialog as the
// commands IDCANCEL and IDOK. Pressed in a page inside another dialog, they reach that dialog,
// as if pressed on it; a page inside a window that is no dialog lets them go.
class DialogWidget : public QDialog
{
public:
    using QDialog::QDialog;

    void accept() override { Holder().Route(IDOK); }
    void reject() override { Holder().Route(IDCANCEL); }

    // Wide enough for the whole caption beside the title bar's icon and buttons.
    QSize sizeHint() const override
    {
        QSize hint = QDialog::sizeHint();
        if (isWindow() && !windowTitle().isEmpty())
            hint.setWidth(std::max(hint.width(), TitleBarWidth(*this)));
        return hint;
    }

private:
    // The dialog window the keys are meant for: this one, or the one its page is in.
    DialogWidget& Holder()
    {
        auto* holder = dynamic_cast<DialogWidget*>(window());
        return holder != nullptr ? *holder : *this;
    }

    void Route(int command)
    {
        if (!isWindow())
        {
            return;
        }
        if (CWnd* dialog = CWnd::FromHandle(this))
        {
            dialog->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(command), 0));
        }
    }
};
} // namespace

ModalHook SetModalHook(ModalHook hook)
{
    return std::exchange(InstalledHook(), std::move(hook));
}

IMPLEMENT_DYNAMIC(CDialog, CWnd)

CDialog::CDialog(UINT templateId, CWnd* parentWnd)
    : m_templateId(templateId), m_parentWnd(parentWnd)
{
}

CDialog::~CDialog()
{
    ClearMessageMap();
    DestroyWindow();
}

BOOL CDialog::CreateDialogWidget()
{
    const DialogTemplate* dialogTemplate = FindDialogTemplate(m_templateId);
    if (dialogTemplate == nullptr || GetSafeHwnd() != nullptr)
    {
        return FALSE;
    }
    HWND parent = m_parentWnd != nullptr ? m_parentWnd->GetSafeHwnd() : nullptr;
    auto* widget = new DialogWidget(parent);
    if (parent != nullptr && (dialogTemplate->style & WS_CHILD) != 0)
    {
        widget->setWindowFlags(Qt::Widget);
    }
    widget->setWindowTitle(ToQString(dialogTemplate->caption));
    SetOwnedWidget(widget);
    ModifyStyle(0, dialogTemplate->style);
    CreateControls(*dialogTemplate);
    m_result = -1;
    m_ended = false;
    return TRUE;
}

INT_PTR CDialog::DoModal()
{
    if (!CreateDialogWidget())
    {
        return -1;
    }
    OnInitDialog();
    if (const ModalHook& hook = InstalledHook())
    {
        // The script sees the dialog as the user would: laid out at its size, shown, with what
        // its set-up posted already run.
        QWidget* widget = GetSafeHwnd();
        widget->adjustSize();
        widget->show();
        QCoreApplication::sendPostedEvents();
        if (GetSafeHwnd() != nullptr)
        {
            hook(*this);
        }
    }
    else if (!m_ended)
    {
        static_cast<QDialog*>(GetSafeHwnd())->exec();
    }
    const INT_PTR result = m_ended ? m_result : -1;
    DestroyWindow();
    return result;
}

BOOL CDialog::Create(UINT templateId, CWnd* parentWnd)
{
    m_templateId = templateId;
    m_parentWnd = parentWnd;
    if (!CreateDialogWidget())
    {
        return FALSE;
    }
    OnInitDialog();
    if (!m_ended)
    {
        GetSafeHwnd()->show();
    }
    return TRUE;
}

void CDialog::EndDialog(int result)
{
    m_result = result;
    m_ended = true;
    if (auto* widget = static_cast<QDialog*>(GetSafeHwnd()))
    {
        widget->done(result);
    }
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::OnCmdMsg(UINT id, int code)
{
    if (CWnd::OnCmdMsg(id, code))
    {
        return TRUE;
    }
    if (code != BN_CLICKED)
    {
        return FALSE;
    }
    if (id == static_cast<UINT>(IDOK))
    {
        OnOK();
        return TRUE;
    }
    if (id == static_cast<UINT>(IDCANCEL))
    {
        OnCancel();
        return TRUE;
    }
    return FALSE;
}

void CDialog::OnOK()
{
    if (MayClose() && UpdateData(TRUE))
    {
        EndDialog(IDOK);
    }
}

void CDialog::OnCancel()
{
    switch (AskAboutChanges())
    {
    case IDYES:
        OnOK();
        break;
    case IDNO:
        if (MayClose())
            EndDialog(!HasCancelButton() && MadeChanges() ? IDOK : IDCANCEL);
        break;
    default:
        break;
    }
}

bool CDialog::HasCancelButton() const
{
    const DialogTemplate* dialogTemplate = FindDialogTemplate(m_templateId);
    return dialogTemplate != nullptr &&
           std::ranges::any_of(dialogTemplate->controls, [](const DialogControl& control)
                               { return control.id == IDCANCEL && !control.hidden; });
}
