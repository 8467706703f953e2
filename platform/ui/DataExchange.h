#pragma once

#include "platform/core/CException.h"
#include "platform/core/CString.h"
#include "platform/core/Types.h"

class CWnd;

// Thrown by CDataExchange::Fail once the user has been told what is wrong; UpdateData catches it.
class CUserException : public CException
{
};

// One exchange between a window's controls and its members, in one direction.
class CDataExchange
{
public:
    CDataExchange(CWnd* dlgWnd, BOOL saveAndValidate);

    // The control of that id (null when there is none); a failed check that follows puts the
    // focus on it, and on an edit selects its text.
    CWnd* PrepareCtrl(int id);
    CWnd* PrepareEditCtrl(int id);
    // Ends the exchange: focus to the last prepared control, then CUserException.
    [[noreturn]] void Fail();

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    // The control of the last DDX call, and whether it was prepared as an edit.
    int m_idLastControl = 0;
    BOOL m_bEditLastControl = FALSE;
};

// Text of a control (edit, static, combo) and a member. The number forms parse on saving and
// refuse text that is not a number of the kind, with a message.
void DDX_Text(CDataExchange* pDX, int id, CString& value);
void DDX_Text(CDataExchange* pDX, int id, int& value);
void DDX_Text(CDataExchange* pDX, int id, UINT& value);
void DDX_Text(CDataExchange* pDX, int id, double& value);
// A check box's state (BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE).
void DDX_Check(CDataExchange* pDX, int id, int& value);
// The index of the checked radio button of the group that starts at id; -1 when none is.
void DDX_Radio(CDataExchange* pDX, int id, int& value);
// Binds a member handle to the control (once; later exchanges leave it): the member subclasses
// it, so it receives the control's messages and reflected notifications.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
// A combo box's selected index, and its text: loading selects the first item that begins with
// the text (the exact item for DDX_CBStringExact), or for an editable combo sets the text.
void DDX_CBIndex(CDataExchange* pDX, int id, int& index);
void DDX_CBString(CDataExchange* pDX, int id, CString& value);
void DDX_CBStringExact(CDataExchange* pDX, int id, CString& value);
// A list box's selected index and selected text.
void DDX_LBIndex(CDataExchange* pDX, int id, int& index);
void DDX_LBString(CDataExchange* pDX, int id, CString& value);

// Checks made when saving, on the control of the DDX call just before: a message and Fail when
// the value is out of range. DDV_MaxChars limits an edit's length when loading.
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);
void DDV_MinMaxDouble(CDataExchange* pDX, double value, double minVal, double maxVal);
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int maxChars);
