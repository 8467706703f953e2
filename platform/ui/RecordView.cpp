#include "platform/ui/RecordView.h"

#include "platform/odbc/CRecordset.h"

IMPLEMENT_DYNAMIC(CRecordView, CFormView)

BOOL CRecordView::OnMove(UINT command)
{
    CRecordset* recordset = OnGetRecordset();
    if (recordset == nullptr || !recordset->IsOpen())
        return FALSE;
    switch (command)
    {
    case ID_RECORD_FIRST:
        recordset->MoveFirst();
        return TRUE;
    case ID_RECORD_LAST:
        recordset->MoveLast();
        return TRUE;
    case ID_RECORD_NEXT:
        recordset->MoveNext();
        return TRUE;
    default:
        return FALSE;
    }
}
