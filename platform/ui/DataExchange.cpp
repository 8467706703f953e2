#include "platform/ui/DataExchange.h"

#include "platform/core/MessageBox.h"
#include "platform/core/StringFormat.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListBox.h"

#include <QAbstractButton>
#include <QButtonGroup>

#include <cerrno>
#include <cstdlib>
#include <functional>
#include <limits>
#include <string>

namespace
{
// Tells the user and fails the exchange.
[[noreturn]] void Refuse(CDataExchange* pDX, const std::string& message)
{
    AfxMessageBox(message.c_str(), MB_OK | MB_ICONEXCLAMATION);
    pDX->Fail();
}

// Parses a whole decimal number of the range; false for anything else.
bool ParseInteger(const std::string& text, long long minVal, long long maxVal, long long& value)
{
    if (text.empty())
    {
        return false;
    }
    char* end = nullptr;
    errno = 0;
    const long long parsed = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || parsed < minVal || parsed > maxVal)
    {
        return false;
    }
    value = parsed;
    return true;
}

// The radio buttons of the group that starts with first, in order.
QList<QAbstractButton*> RadioGroup(const CWnd& first)
{
    auto* button = qobject_cast<QAbstractButton*>(first.GetSafeHwnd());
    if (button == nullptr)
    {
        return {};
    }
    return button->group() != nullptr ? button->group()->buttons()
                                      : QList<QAbstractButton*>{button};
}

// Prepares the control (as an edit when edit is set) and runs save or load on it, as the
// direction of the exchange asks; nothing when the window has no such control.
template <typename Control, typename Save, typename Load>
void Exchange(CDataExchange* pDX, int id, bool edit, Save save, Load load)
{
    CWnd* control = edit ? pDX->PrepareEditCtrl(id) : pDX->PrepareCtrl(id);
    if (control == nullptr)
    {
        return;
    }
    auto& typed = static_cast<Control&>(*control);
    if (pDX->m_bSaveAndValidate)
    {
        save(typed);
    }
    else
    {
        load(typed);
    }
}

// A number in an edit: loading shows shown; saving hands the trimmed text to parse, which stores
// the value and tells whether the text was valid; invalid text is refused with the message.
void ExchangeNumber(CDataExchange* pDX, int id, const std::string& shown,
                    const std::function<bool(const std::string&)>& parse, const char* message)
{
    Exchange<CWnd>(
        pDX, id, true,
        [&](CWnd& control)
        {
            CString text;
            control.GetWindowText(text);
            if (!parse(text.Trim().str()))
            {
                Refuse(pDX, message);
            }
        },
        [&shown](CWnd& control) { control.SetWindowText(shown.c_str()); });
}
} // namespace

CDataExchange::CDataExchange(CWnd* dlgWnd, BOOL saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dlgWnd)
{
}

CWnd* CDataExchange::PrepareCtrl(int id)
{
    m_idLastControl = id;
    m_bEditLastControl = FALSE;
    return m_pDlgWnd->GetDlgItem(id);
}

CWnd* CDataExchange::PrepareEditCtrl(int id)
{
    CWnd* control = PrepareCtrl(id);
    m_bEditLastControl = TRUE;
    return control;
}

void CDataExchange::Fail()
{
    if (CWnd* control = m_pDlgWnd->GetDlgItem(m_idLastControl))
    {
        control->SetFocus();
        if (m_bEditLastControl && control->IsKindOf(RUNTIME_CLASS(CEdit)))
        {
            static_cast<CEdit*>(control)->SetSel(0, -1);
        }
    }
    throw CUserException();
}

BOOL CWnd::UpdateData(BOOL saveAndValidate)
{
    CDataExchange exchange(this, saveAndValidate);
    try
    {
        DoDataExchange(&exchange);
    }
    catch (const CUserException&)
    {
        return FALSE;
    }
    return TRUE;
}

void DDX_Text(CDataExchange* pDX, int id, CString& value)
{
    Exchange<CWnd>(
        pDX, id, true, [&value](CWnd& control) { control.GetWindowText(value); },
        [&value](CWnd& control) { control.SetWindowText(value); });
}

void DDX_Text(CDataExchange* pDX, int id, int& value)
{
    ExchangeNumber(
        pDX, id, std::to_string(value),
        [&value](const std::string& text)
        {
            long long parsed = 0;
            const bool valid = ParseInteger(text, std::numeric_limits<int>::min(),
                                            std::numeric_limits<int>::max(), parsed);
            value = valid ? static_cast<int>(parsed) : value;
            return valid;
        },
        "Please enter an integer.");
}

void DDX_Text(CDataExchange* pDX, int id, UINT& value)
{
    ExchangeNumber(
        pDX, id, std::to_string(value),
        [&value](const std::string& text)
        {
            long long parsed = 0;
            const bool valid = !text.starts_with('-') &&
                               ParseInteger(text, 0, std::numeric_limits<UINT>::max(), parsed);
            value = valid ? static_cast<UINT>(parsed) : value;
            return valid;
        },
        "Please enter a positive integer.");
}

void DDX_Text(CDataExchange* pDX, int id, double& value)
{
    ExchangeNumber(
        pDX, id, FormatString("%.15g", value),
        [&value](const std::string& text)
        {
            char* end = nullptr;
            const double parsed = std::strtod(text.c_str(), &end);
            const bool valid = !text.empty() && *end == '\0';
            value = valid ? parsed : value;
            return valid;
        },
        "Please enter a number.");
}

void DDX_Check(CDataExchange* pDX, int id, int& value)
{
    Exchange<CButton>(
        pDX, id, false, [&value](CButton& box) { value = box.GetCheck(); },
        [&value](CButton& box) { box.SetCheck(value); });
}

void DDX_Radio(CDataExchange* pDX, int id, int& value)
{
    Exchange<CWnd>(
        pDX, id, false,
        [&value](CWnd& first)
        {
            const QList<QAbstractButton*> buttons = RadioGroup(first);
            value = -1;
            for (qsizetype index = 0; index < buttons.size(); ++index)
            {
                value = buttons[index]->isChecked() ? static_cast<int>(index) : value;
            }
        },
        [&value](CWnd& first)
        {
            const QList<QAbstractButton*> buttons = RadioGroup(first);
            for (qsizetype index = 0; index < buttons.size(); ++index)
            {
                CButton button;
                button.Attach(buttons[index]);
                button.SetCheck(index == value ? BST_CHECKED : BST_UNCHECKED);
            }
        });
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    CWnd* item = pDX->PrepareCtrl(id);
    if (item != nullptr && control.GetSafeHwnd() == nullptr)
    {
        control.SubclassWindow(item->GetSafeHwnd());
    }
}

void DDX_CBIndex(CDataExchange* pDX, int id, int& index)
{
    Exchange<CComboBox>(
        pDX, id, false, [&index](CComboBox& combo) { index = combo.GetCurSel(); },
        [&index](CComboBox& combo) { combo.SetCurSel(index); });
}

namespace
{
void ExchangeComboString(CDataExchange* pDX, int id, CString& value, bool exact)
{
    Exchange<CComboBox>(
        pDX, id, true, [&value](CComboBox& combo) { combo.GetWindowText(value); },
        [&value, exact](CComboBox& combo)
        {
            const int found =
                exact ? combo.FindStringExact(-1, value) : combo.FindString(-1, value);
            combo.SetCurSel(found);
            if (found == CB_ERR)
            {
                combo.SetWindowText(value);
            }
        });
}
} // namespace

void DDX_CBString(CDataExchange* pDX, int id, CString& value)
{
    ExchangeComboString(pDX, id, value, false);
}

void DDX_CBStringExact(CDataExchange* pDX, int id, CString& value)
{
    ExchangeComboString(pDX, id, value, true);
}

void DDX_LBIndex(CDataExchange* pDX, int id, int& index)
{
    Exchange<CListBox>(
        pDX, id, false, [&index](CListBox& list) { index = list.GetCurSel(); },
        [&index](CListBox& list) { list.SetCurSel(index); });
}

void DDX_LBString(CDataExchange* pDX, int id, CString& value)
{
    Exchange<CListBox>(
        pDX, id, false,
        [&value](CListBox& list)
        {
            value.Empty();
            list.GetText(list.GetCurSel(), value);
        },
        [&value](CListBox& list) { list.SelectString(-1, value); });
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal))
    {
        Refuse(pDX, FormatString("Please enter an integer between %d and %d.", minVal, maxVal));
    }
}

void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal))
    {
        Refuse(pDX, FormatString("Please enter an integer between %u and %u.", minVal, maxVal));
    }
}

void DDV_MinMaxDouble(CDataExchange* pDX, double value, double minVal, double maxVal)
{
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal))
    {
        Refuse(pDX, FormatString("Please enter a number between %g and %g.", minVal, maxVal));
    }
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int maxChars)
{
    if (!pDX->m_bSaveAndValidate)
    {
        CWnd* control = pDX->m_pDlgWnd->GetDlgItem(pDX->m_idLastControl);
        if (control != nullptr && control->IsKindOf(RUNTIME_CLASS(CEdit)))
        {
            static_cast<CEdit*>(control)->SetLimitText(static_cast<UINT>(maxChars));
        }
        return;
    }
    if (value.GetLength() > maxChars)
    {
        Refuse(pDX, FormatString("Please enter no more than %d characters.", maxChars));
    }
}
