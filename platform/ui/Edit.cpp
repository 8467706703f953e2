#include "platform/ui/Edit.h"

#include "platform/ui/QtText.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QValidator>

IMPLEMENT_DYNAMIC(CEdit, CWnd)

void CEdit::SetSel(int start, int end)
{
    if (auto* edit = qobject_cast<QLineEdit*>(GetSafeHwnd()))
    {
        const int length = static_cast<int>(edit->text().size());
        const int last = end < 0 || end > length ? length : end;
        edit->setSelection(start, last - start);
    }
    else if (auto* multiLine = qobject_cast<QPlainTextEdit*>(GetSafeHwnd()))
    {
        QTextCursor cursor = multiLine->textCursor();
        const int length = static_cast<int>(multiLine->toPlainText().size());
        cursor.setPosition(start);
        cursor.setPosition(end < 0 || end > length ? length : end, QTextCursor::KeepAnchor);
        multiLine->setTextCursor(cursor);
    }
}

void CEdit::GetSel(int& start, int& end) const
{
    start = 0;
    end = 0;
    if (auto* edit = qobject_cast<QLineEdit*>(GetSafeHwnd()))
    {
        if (edit->hasSelectedText())
        {
            start = edit->selectionStart();
            end = edit->selectionEnd();
        }
        else
        {
            start = end = edit->cursorPosition();
        }
    }
    else if (auto* multiLine = qobject_cast<QPlainTextEdit*>(GetSafeHwnd()))
    {
        start = multiLine->textCursor().selectionStart();
        end = multiLine->textCursor().selectionEnd();
    }
}

void CEdit::ReplaceSel(LPCTSTR text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(GetSafeHwnd()))
    {
        edit->insert(ToQString(text));
    }
    else if (auto* multiLine = qobject_cast<QPlainTextEdit*>(GetSafeHwnd()))
    {
        multiLine->insertPlainText(ToQString(text));
    }
}

BOOL CEdit::SetReadOnly(BOOL readOnly)
{
    if (auto* edit = qobject_cast<QLineEdit*>(GetSafeHwnd()))
    {
        edit->setReadOnly(readOnly != FALSE);
        return TRUE;
    }
    if (auto* multiLine = qobject_cast<QPlainTextEdit*>(GetSafeHwnd()))
    {
        multiLine->setReadOnly(readOnly != FALSE);
        return TRUE;
    }
    return FALSE;
}

namespace
{
// Refuses typing that makes the text longer than the limit; text set by the program is kept
// whole, and text already too long may still be shortened.
class LengthLimit : public QValidator
{
public:
    LengthLimit(QLineEdit* edit, int limit) : QValidator(edit), m_edit(edit), m_limit(limit) {}

    State validate(QString& input, int&) const override
    {
        const bool grows = input.size() > m_edit->text().size();
        return input.size() > m_limit && grows ? Invalid : Acceptable;
    }

    int Limit() const { return m_limit; }

private:
    QLineEdit* m_edit;
    int m_limit;
};
} // namespace

void CEdit::SetLimitText(UINT maxChars)
{
    auto* edit = qobject_cast<QLineEdit*>(GetSafeHwnd());
    if (edit == nullptr)
    {
        return;
    }
    const QValidator* previous = edit->validator();
    edit->setValidator(maxChars == 0 ? nullptr : new LengthLimit(edit, static_cast<int>(maxChars)));
    delete previous;
}

UINT CEdit::GetLimitText() const
{
    auto* edit = qobject_cast<QLineEdit*>(GetSafeHwnd());
    const auto* limit =
        edit != nullptr ? dynamic_cast<const LengthLimit*>(edit->validator()) : nullptr;
    return limit != nullptr ? static_cast<UINT>(limit->Limit()) : 0;
}
