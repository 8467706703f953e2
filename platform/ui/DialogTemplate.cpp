#include "platform/ui/DialogTemplate.h"

#include "platform/core/MessageBox.h"
#include "platform/ui/ControlWidgets.h"
#include "platform/ui/Wnd.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QWidget>

#include <map>
#include <memory>
#include <utility>

namespace
{
std::map<UINT, DialogTemplate>& Templates()
{
    static std::map<UINT, DialogTemplate> templates;
    return templates;
}

bool TakesLabel(ControlKind kind)
{
    switch (kind)
    {
    case ControlKind::Edit:
    case ControlKind::MultiLineEdit:
    case ControlKind::ComboBox:
    case ControlKind::EditComboBox:
    case ControlKind::ListBox:
    case ControlKind::ListCtrl:
    case ControlKind::TreeCtrl:
    case ControlKind::Custom:
        return true;
    default:
        return false;
    }
}

bool GoesToButtonRow(const DialogControl& control)
{
    return (control.kind == ControlKind::PushButton ||
            control.kind == ControlKind::DefPushButton) &&
           (control.id == IDOK || control.id == IDCANCEL);
}

// Lays the controls out as they are made: label and field pairs in a two-column grid, other
// controls across both columns, IDOK and IDCANCEL in a row at the bottom right.
class TemplateLayout
{
public:
    explicit TemplateLayout(QWidget* container)
        : m_grid(new QGridLayout), m_buttons(new QHBoxLayout)
    {
        auto* column = new QVBoxLayout;
        column->addLayout(m_grid);
        column->addStretch();
        m_buttons->addStretch();
        column->addLayout(m_buttons);
        if (container->layout() == nullptr)
        {
            container->setLayout(column);
        }
        else
        {
            auto* body = new QWidget(container);
            body->setLayout(column);
            container->layout()->addWidget(body);
        }
    }

    void AddPair(QWidget* label, QWidget* field)
    {
        m_grid->addWidget(label, m_row, 0);
        m_grid->addWidget(field, m_row, 1);
        ++m_row;
    }
    void AddWide(QWidget* widget) { m_grid->addWidget(widget, m_row++, 0, 1, 2); }
    void AddButton(QWidget* button) { m_buttons->addWidget(button); }

private:
    QGridLayout* m_grid;
    QHBoxLayout* m_buttons;
    int m_row = 0;
};
} // namespace

void RegisterDialogTemplate(const DialogTemplate& dialogTemplate)
{
    Templates().insert_or_assign(dialogTemplate.resourceId, dialogTemplate);
}

const DialogTemplate* FindDialogTemplate(UINT resourceId)
{
    const auto it = Templates().find(resourceId);
    return it != Templates().end() ? &it->second : nullptr;
}

void CWnd::CreateControls(const DialogTemplate& dialogTemplate)
{
    QWidget* container = GetSafeHwnd();
    TemplateLayout layout(container);
    QButtonGroup* radioGroup = nullptr;
    QWidget* pendingLabel = nullptr;
    for (const DialogControl& control : dialogTemplate.controls)
    {
        QWidget* widget = CreateControlWidget(control.kind, control.caption, container);
        std::unique_ptr<CWnd> handle = CreateControlHandle(control.kind);
        handle->Attach(widget);
        handle->ModifyStyle(0, ControlStyle(control.kind) | WS_CHILD | WS_VISIBLE);
        if (control.width > 0 || control.height > 0)
        {
            widget->setMinimumSize(control.width, control.height);
        }
        AddDlgItem(control.id, std::move(handle));
        if (control.kind == ControlKind::RadioButton)
        {
            if (radioGroup == nullptr || control.group)
            {
                radioGroup = new QButtonGroup(container);
            }
            radioGroup->addButton(static_cast<QAbstractButton*>(widget));
        }
        else
        {
            radioGroup = nullptr;
        }

        if (pendingLabel != nullptr && TakesLabel(control.kind))
        {
            layout.AddPair(pendingLabel, widget);
            pendingLabel = nullptr;
        }
        else
        {
            if (pendingLabel != nullptr)
            {
                layout.AddWide(pendingLabel);
                pendingLabel = nullptr;
            }
            if (control.kind == ControlKind::Static)
            {
                pendingLabel = widget;
            }
            else if (GoesToButtonRow(control))
            {
                layout.AddButton(widget);
            }
            else
            {
                layout.AddWide(widget);
            }
        }
        if (control.hidden)
        {
            widget->hide();
        }
    }
    if (pendingLabel != nullptr)
    {
        layout.AddWide(pendingLabel);
    }
}
