#pragma once

#include "platform/ui/FormView.h"

class CRecordset;

// Record commands of a record view.
constexpr UINT ID_RECORD_FIRST = 0xE900;
constexpr UINT ID_RECORD_LAST = 0xE901;
constexpr UINT ID_RECORD_NEXT = 0xE902;

// A form view over the rows of a recordset.
class CRecordView : public CFormView
{
    DECLARE_DYNAMIC(CRecordView)

public:
    explicit CRecordView(UINT templateId) : CFormView(templateId) {}

    // The recordset the view moves through; null when it has none.
    virtual CRecordset* OnGetRecordset() = 0;
    // Moves the open recordset by the record command; FALSE when there is none or the command
    // is not a record command.
    virtual BOOL OnMove(UINT command);
};
