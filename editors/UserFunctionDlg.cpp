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
        RegisterBitmapResource(UserFunctionEditor::Picture, picture);
        return true;
    }();
    (void)registered;
}

const DialogTemplateRegistration userFunctionTemplate{{
    UserFunctionEditor::IDD,
    "",
    {
        {UserFunctionEditor::IDC_PICTURE, ControlKind::Picture, "", false, false, 0, 0,
         UserFunctionEditor::Picture},
        {0, ControlKind::Static, "Module"},
        {UserFunctionEditor::IDC_MODULE, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Class"},
        {UserFunctionEditor::IDC_CLASS, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Function"},
        {UserFunctionEditor::IDC_FUNCTION, ControlKind::ComboBox, ""},
        {UserFunctionEditor::IDC_PARAMETERS, ControlKind::ListCtrl, "", false, false, 220, 120},
        {UserFunctionEditor::IDC_UPDATE_PARAMETERS, ControlKind::PushButton,
         "Update Parameter List"},
        {0, ControlKind::Static, "Table Module"},
        {UserFunctionEditor::IDC_TABLE_MODULE, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Dependent Table"},
        {UserFunctionEditor::IDC_DEPENDENT_TABLE, ControlKind::ComboBox, ""},
        {UserFunctionEditor::IDC_ADD_TABLE, ControlKind::PushButton, "Add"},
        {UserFunctionEditor::IDC_DELETE_TABLE, ControlKind::PushButton, "Delete"},
        {UserFunctionEditor::IDC_DEPENDENT_TABLES, ControlKind::ListCtrl, "", false, false, 220,
         120},
        {UserFunctionEditor::IDC_ADD_OUTPUT_FIELDS, ControlKind::PushButton, "Add Output Fields"},
        {UserFunctionEditor::IDC_OUTPUT_FIELDS, ControlKind::ListCtrl, "", false, false, 220, 120},
        {0, ControlKind::Static, "Function Body"},
        {UserFunctionEditor::IDC_BODY, ControlKind::MultiLineEdit, "", false, false, 680, 200},
        {UserFunctionEditor::IDC_OK, ControlKind::PushButton, "OK"},
        {UserFunctionEditor::IDC_CANCEL, ControlKind::PushButton, "Cancel"},
        {UserFunctionEditor::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    WS_CHILD,
    Lay::Column({
        Lay::Row({Lay::Control(UserFunctionEditor::IDC_PICTURE),
                  Lay::Field(UserFunctionEditor::IDC_MODULE),
                  Lay::Field(UserFunctionEditor::IDC_CLASS),
                  Lay::Field(UserFunctionEditor::IDC_FUNCTION), Lay::Stretch()}),
        Lay::Row({Lay::Field(UserFunctionEditor::IDC_TABLE_MODULE),
                  Lay::Field(UserFunctionEditor::IDC_DEPENDENT_TABLE),
                  Lay::Control(UserFunctionEditor::IDC_ADD_TABLE),
                  Lay::Control(UserFunctionEditor::IDC_DELETE_TABLE), Lay::Stretch()}),
        Lay::Row({Lay::Control(UserFunctionEditor::IDC_PARAMETERS),
                  Lay::Control(UserFunctionEditor::IDC_DEPENDENT_TABLES),
                  Lay::Control(UserFunctionEditor::IDC_OUTPUT_FIELDS)}),
        Lay::Buttons(
            {UserFunctionEditor::IDC_UPDATE_PARAMETERS, UserFunctionEditor::IDC_ADD_OUTPUT_FIELDS}),
        Lay::Field(UserFunctionEditor::IDC_BODY),
        Lay::Buttons({UserFunctionEditor::IDC_OK, UserFunctionEditor::IDC_CANCEL,
                      UserFunctionEditor::IDC_HELP_BUTTON}),
    }),
    {{.list = UserFunctionEditor::IDC_PARAMETERS},
     {.list = UserFunctionEditor::IDC_DEPENDENT_TABLES,
      .remove = UserFunctionEditor::IDC_DELETE_TABLE,
      .nameColumn = 1},
     {.list = UserFunctionEditor::IDC_OUTPUT_FIELDS}},
}};
} // namespace

UserFunctionDlg::UserFunctionDlg() : CFormView(UserFunctionEditor::IDD), m_view(*this)
{
    RegisterFunctionPicture();
    const std::pair<int, void (UserFunctionEditor::*)()> buttons[] = {
        {UserFunctionEditor::IDC_ADD_TABLE, &UserFunctionEditor::AddTable},
        {UserFunctionEditor::IDC_DELETE_TABLE, &UserFunctionEditor::DeleteTable},
        {UserFunctionEditor::IDC_UPDATE_PARAMETERS, &UserFunctionEditor::UpdateParameters},
        {UserFunctionEditor::IDC_ADD_OUTPUT_FIELDS, &UserFunctionEditor::AddOutputFields},
        {UserFunctionEditor::IDC_OK, &UserFunctionEditor::Ok},
        {UserFunctionEditor::IDC_CANCEL, &UserFunctionEditor::Cancel},
    };
    for (const auto& [id, command] : buttons)
        MapControlRange(BN_CLICKED, id, id, [this, command] { Run(command); });
    MapControlRange(BN_CLICKED, UserFunctionEditor::IDC_HELP_BUTTON,
                    UserFunctionEditor::IDC_HELP_BUTTON,
                    [this] { ShowContextHelp(this, UserFunctionEditor::HelpContext); });
    const std::pair<int, void (UserFunctionEditor::*)(int)> choices[] = {
        {UserFunctionEditor::IDC_CLASS, &UserFunctionEditor::ChooseClass},
        {UserFunctionEditor::IDC_FUNCTION, &UserFunctionEditor::ChooseMethod},
        {UserFunctionEditor::IDC_DEPENDENT_TABLE, &UserFunctionEditor::ChooseDependentTable},
    };
    for (const auto& [id, command] : choices)
        MapControlRange(CBN_SELCHANGE, id, id,
                        [this, command, id = id] { RunChoice(command, id); });
    MapRowSelection(UserFunctionEditor::IDC_DEPENDENT_TABLES, &UserFunctionDlg::OnTableSelected);
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
    m_tables.SubclassDlgItem(UserFunctionEditor::IDC_DEPENDENT_TABLES, this);
    m_outputs.SubclassDlgItem(UserFunctionEditor::IDC_OUTPUT_FIELDS, this);
    m_parameters.SubclassDlgItem(UserFunctionEditor::IDC_PARAMETERS, this);
    SetListColumns(m_tables, UserFunctionEditor::TableColumns());
    SetListColumns(m_outputs, UserFunctionEditor::OutputColumns());
    SetListColumns(m_parameters, UserFunctionEditor::ParameterColumns());
    if (auto* body = dynamic_cast<CEdit*>(GetDlgItem(UserFunctionEditor::IDC_BODY)))
        body->SetReadOnly();
    LoadFunction(nullptr);
    m_toolTips.Create(this);
    AddToolTips(m_toolTips, *this, UserFunctionEditor::ToolTips());
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

void UserFunctionDlg::OnTableSelected(int row)
{
    if (GetEditor() != nullptr)
        m_editor.Current()->SelectTableRow(row);
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
