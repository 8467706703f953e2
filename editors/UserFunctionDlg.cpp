#include "editors/UserFunctionDlg.h"

#include "editors/ContextHelp.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GdiObjects.h"
#include "platform/ui/ListCtrl.h"

#include <QColor>
#include <QImage>
#include <QPainter>

IMPLEMENT_DYNCREATE(UserFunctionDlg, CFormView)

namespace
{
using U = UserFunctionEditor;

// A page of code: a frame with indented lines.
void RegisterFunctionPicture()
{
    static const bool registered = []
    {
        QImage picture(40, 40, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.setPen(QColor(64, 64, 64));
        painter.drawRect(6, 3, 27, 33);
        painter.setPen(QColor(32, 72, 112));
        const int indents[] = {10, 14, 14, 18, 14, 10};
        for (int line = 0; line < 6; ++line)
            painter.drawLine(indents[line], 8 + line * 5, 29, 8 + line * 5);
        painter.end();
        RegisterBitmapResource(U::Picture, picture);
        return true;
    }();
    (void)registered;
}

const DialogTemplateRegistration userFunctionTemplate{{
    U::IDD,
    "",
    {
        {U::IDC_PICTURE, ControlKind::Picture, "", false, false, 0, 0, U::Picture},
        {0, ControlKind::Static, "Module"},
        {U::IDC_MODULE, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Class"},
        {U::IDC_CLASS, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Function"},
        {U::IDC_FUNCTION, ControlKind::ComboBox, ""},
        {U::IDC_PARAMETERS, ControlKind::ListCtrl, "", false, false, 220, 120},
        {U::IDC_UPDATE_PARAMETERS, ControlKind::PushButton, "Update Parameter List"},
        {0, ControlKind::Static, "Table Module"},
        {U::IDC_TABLE_MODULE, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Dependent Table"},
        {U::IDC_DEPENDENT_TABLE, ControlKind::ComboBox, ""},
        {U::IDC_ADD_TABLE, ControlKind::PushButton, "Add"},
        {U::IDC_DELETE_TABLE, ControlKind::PushButton, "Delete"},
        {U::IDC_DEPENDENT_TABLES, ControlKind::ListCtrl, "", false, false, 220, 120},
        {U::IDC_ADD_OUTPUT_FIELDS, ControlKind::PushButton, "Add Output Fields"},
        {U::IDC_OUTPUT_FIELDS, ControlKind::ListCtrl, "", false, false, 220, 120},
        {0, ControlKind::Static, "Function Body"},
        {U::IDC_BODY, ControlKind::MultiLineEdit, "", false, false, 680, 200},
        {U::IDC_OK, ControlKind::PushButton, "OK"},
        {U::IDC_CANCEL, ControlKind::PushButton, "Cancel"},
        {U::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    WS_CHILD,
    Lay::Column({
        Lay::Row({Lay::Control(U::IDC_PICTURE), Lay::Field(U::IDC_MODULE), Lay::Field(U::IDC_CLASS),
                  Lay::Field(U::IDC_FUNCTION), Lay::Stretch()}),
        Lay::Row({Lay::Field(U::IDC_TABLE_MODULE), Lay::Field(U::IDC_DEPENDENT_TABLE),
                  Lay::Control(U::IDC_ADD_TABLE), Lay::Control(U::IDC_DELETE_TABLE),
                  Lay::Stretch()}),
        Lay::Row({Lay::Control(U::IDC_PARAMETERS), Lay::Control(U::IDC_DEPENDENT_TABLES),
                  Lay::Control(U::IDC_OUTPUT_FIELDS)}),
        Lay::Buttons({U::IDC_UPDATE_PARAMETERS, U::IDC_ADD_OUTPUT_FIELDS}),
        Lay::Field(U::IDC_BODY),
        Lay::Buttons({U::IDC_OK, U::IDC_CANCEL, U::IDC_HELP_BUTTON}),
    }),
}};
} // namespace

UserFunctionDlg::UserFunctionDlg() : CFormView(U::IDD), m_view(*this)
{
    RegisterFunctionPicture();
    const std::pair<int, void (U::*)()> buttons[] = {
        {U::IDC_ADD_TABLE, &U::AddTable},
        {U::IDC_DELETE_TABLE, &U::DeleteTable},
        {U::IDC_UPDATE_PARAMETERS, &U::UpdateParameters},
        {U::IDC_ADD_OUTPUT_FIELDS, &U::AddOutputFields},
        {U::IDC_OK, &U::Ok},
        {U::IDC_CANCEL, &U::Cancel},
    };
    for (const auto& [id, command] : buttons)
        MapControlRange(BN_CLICKED, id, id, [this, command] { Run(command); });
    MapControlRange(BN_CLICKED, U::IDC_HELP_BUTTON, U::IDC_HELP_BUTTON,
                    [this] { ShowContextHelp(this, U::HelpContext); });
    const std::pair<int, void (U::*)(int)> choices[] = {
        {U::IDC_CLASS, &U::ChooseClass},
        {U::IDC_FUNCTION, &U::ChooseMethod},
        {U::IDC_DEPENDENT_TABLE, &U::ChooseDependentTable},
    };
    for (const auto& [id, command] : choices)
        MapControlRange(CBN_SELCHANGE, id, id,
                        [this, command, id = id] { RunChoice(command, id); });
    MapNotify(NM_CLICK, U::IDC_DEPENDENT_TABLES, &UserFunctionDlg::OnTableClick);
}

UserFunctionDlg::~UserFunctionDlg() = default;

UserFunctionEditor* UserFunctionDlg::GetEditor()
{
    return m_editor.Get();
}

void UserFunctionDlg::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    if (m_tables.GetSafeHwnd() != nullptr)
        return;
    m_tables.SubclassDlgItem(U::IDC_DEPENDENT_TABLES, this);
    m_outputs.SubclassDlgItem(U::IDC_OUTPUT_FIELDS, this);
    m_parameters.SubclassDlgItem(U::IDC_PARAMETERS, this);
    SetListColumns(m_tables, U::TableColumns());
    SetListColumns(m_outputs, U::OutputColumns());
    SetListColumns(m_parameters, U::ParameterColumns());
    if (auto* body = dynamic_cast<CEdit*>(GetDlgItem(U::IDC_BODY)))
        body->SetReadOnly();
    LoadFunction(nullptr);
    m_toolTips.Create(this);
    AddToolTips(m_toolTips, *this, U::ToolTips());
}

void UserFunctionDlg::LoadFunction(Function* function)
{
    if (UserFunctionEditor* editor = GetEditor())
    {
        editor->LoadFunction(function);
        Show();
    }
}

void UserFunctionDlg::ForgetFunction(Function* function)
{
    if (UserFunctionEditor* editor = GetEditor())
    {
        editor->ForgetFunction(function);
        Show();
    }
}

void UserFunctionDlg::ClearPage()
{
    ForgetFunction(nullptr);
}

void UserFunctionDlg::ReloadPage()
{
    LoadFunction(nullptr);
}

void UserFunctionDlg::Run(void (UserFunctionEditor::*command)())
{
    if (GetEditor() == nullptr)
        return;
    (m_editor.Current()->*command)();
    Show();
}

void UserFunctionDlg::RunChoice(void (UserFunctionEditor::*command)(int), int combo)
{
    if (GetEditor() == nullptr)
        return;
    const auto* box = dynamic_cast<CComboBox*>(GetDlgItem(combo));
    (m_editor.Current()->*command)(box != nullptr ? box->GetCurSel() : -1);
    Show();
}

void UserFunctionDlg::OnTableClick(NMHDR* header, LRESULT* result)
{
    *result = 0;
    if (GetEditor() != nullptr)
        m_editor.Current()->SelectTableRow(reinterpret_cast<NMITEMACTIVATE*>(header)->iItem);
}

void UserFunctionDlg::Show()
{
    if (m_editor.Current() == nullptr || m_tables.GetSafeHwnd() == nullptr)
        return;
    ShowListRows(m_tables, m_editor.Current()->GetTableRows());
    ShowListRows(m_outputs, m_editor.Current()->GetOutputRows());
    ShowListRows(m_parameters, m_editor.Current()->GetParameterRows());
    m_view.Show(m_editor.Current()->States());
}
