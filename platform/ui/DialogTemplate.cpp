#include "platform/ui/DialogTemplate.h"

#include "platform/core/MessageBox.h"
#include "platform/ui/ControlWidgets.h"
#include "platform/ui/GdiObjects.h"
#include "platform/ui/Wnd.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
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

bool IsPushButton(const DialogControl& control)
{
    return control.kind == ControlKind::PushButton || control.kind == ControlKind::DefPushButton;
}

bool GoesToButtonRow(const DialogControl& control)
{
    return IsPushButton(control) && (control.id == IDOK || control.id == IDCANCEL);
}

// Help stands after OK and Cancel in the button row.
bool IsHelpButton(const DialogControl& control)
{
    return IsPushButton(control) && control.caption == "Help";
}

// Puts the layout on the container; a container that has one already gets it in a body widget.
void InstallLayout(QWidget* container, QLayout* layout)
{
    if (container->layout() == nullptr)
    {
        container->setLayout(layout);
        return;
    }
    auto* body = new QWidget(container);
    body->setLayout(layout);
    container->layout()->addWidget(body);
}

// A field's label keeps its text on one line beside the field.
void KeepOnOneLine(QWidget* label)
{
    if (auto* text = qobject_cast<QLabel*>(label))
        text->setWordWrap(false);
}

// Lays the controls out as they are made: label and field pairs in a two-column grid, other
// controls across both columns, IDOK, IDCANCEL and then Help in a row at the bottom right.
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
        InstallLayout(container, column);
    }

    void AddPair(QWidget* label, QWidget* field)
    {
        KeepOnOneLine(label);
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

// Places the controls of a template without a layout, in template order.
void FlowControls(const DialogTemplate& dialogTemplate, const std::vector<QWidget*>& widgets,
                  QWidget* container)
{
    TemplateLayout layout(container);
    QWidget* pendingLabel = nullptr;
    QWidget* help = nullptr;
    for (std::size_t index = 0; index < widgets.size(); ++index)
    {
        const DialogControl& control = dialogTemplate.controls[index];
        QWidget* widget = widgets[index];
        if (pendingLabel != nullptr && TakesLabel(control.kind))
        {
            layout.AddPair(pendingLabel, widget);
            pendingLabel = nullptr;
            continue;
        }
        if (pendingLabel != nullptr)
        {
            layout.AddWide(pendingLabel);
            pendingLabel = nullptr;
        }
        if (control.kind == ControlKind::Static)
            pendingLabel = widget;
        else if (GoesToButtonRow(control))
            layout.AddButton(widget);
        else if (IsHelpButton(control) && help == nullptr)
            help = widget;
        else
            layout.AddWide(widget);
    }
    if (pendingLabel != nullptr)
        layout.AddWide(pendingLabel);
    if (help != nullptr)
        layout.AddButton(help);
}

void ShowBitmapResource(const DialogTemplate& dialogTemplate, const DialogControl& control,
                        QLabel* picture)
{
    const QImage image = LoadBitmapResource(control.bitmap);
    if (image.isNull())
    {
        qWarning("Dialog %u: the bitmap %u of control %d does not load", dialogTemplate.resourceId,
                 control.bitmap, control.id);
        return;
    }
    picture->setPixmap(QPixmap::fromImage(image));
}

bool Grows(ControlKind kind)
{
    switch (kind)
    {
    case ControlKind::MultiLineEdit:
    case ControlKind::ListBox:
    case ControlKind::ListCtrl:
    case ControlKind::TreeCtrl:
    case ControlKind::TabCtrl:
    case ControlKind::Custom:
        return true;
    default:
        return false;
    }
}

// Builds the Qt layouts of a template's layout description over the widgets made for its
// controls (widgets[i] for controls[i]).
class LayoutBuilder
{
public:
    LayoutBuilder(const DialogTemplate& dialogTemplate, const std::vector<QWidget*>& widgets)
        : m_template(dialogTemplate), m_widgets(widgets), m_placed(widgets.size(), false)
    {
    }

    QBoxLayout* Build()
    {
        const DialogLayout& root = m_template.layout;
        QBoxLayout* box =
            root.kind == DialogLayout::Kind::Row || root.kind == DialogLayout::Kind::Column
                ? BuildBox(root, /*isRoot=*/true).box
                : BuildBox(Lay::Column({root}), /*isRoot=*/true).box;
        for (std::size_t index = 0; index < m_widgets.size(); ++index)
        {
            if (!m_placed[index])
            {
                // A hidden control needs no place; it waits at the bottom unremarked.
                if (!m_template.controls[index].hidden)
                    qWarning("Dialog %u: the layout leaves out control %d; it goes at the bottom",
                             m_template.resourceId, m_template.controls[index].id);
                box->addWidget(m_widgets[index]);
            }
        }
        return box;
    }

private:
    struct Built
    {
        QWidget* widget = nullptr;
        QBoxLayout* box = nullptr;
        bool grows = false;
        bool stretch = false;
    };

    // The first control of the id not placed yet; -1 when there is none.
    int Take(int id)
    {
        for (std::size_t index = 0; index < m_widgets.size(); ++index)
        {
            if (!m_placed[index] && m_template.controls[index].id == id)
            {
                m_placed[index] = true;
                return static_cast<int>(index);
            }
        }
        qWarning("Dialog %u: the layout names control %d, which the template has no more of",
                 m_template.resourceId, id);
        return -1;
    }

    // The label of the field's control at index: the static just before it, when not placed.
    QWidget* TakeLabel(int index)
    {
        const int before = index - 1;
        if (before < 0 || m_placed[static_cast<std::size_t>(before)] ||
            m_template.controls[static_cast<std::size_t>(before)].kind != ControlKind::Static)
            return nullptr;
        m_placed[static_cast<std::size_t>(before)] = true;
        return m_widgets[static_cast<std::size_t>(before)];
    }

    Built Build(const DialogLayout& node)
    {
        switch (node.kind)
        {
        case DialogLayout::Kind::Control:
        {
            const int index = Take(node.id);
            if (index < 0)
                return {};
            const auto at = static_cast<std::size_t>(index);
            return {m_widgets[at], nullptr, Grows(m_template.controls[at].kind)};
        }
        case DialogLayout::Kind::Field:
        {
            auto* row = new QHBoxLayout;
            const bool grows = AddField(node.id,
                                        [row](QWidget* label, QWidget* field)
                                        {
                                            if (label != nullptr)
                                                row->addWidget(label);
                                            row->addWidget(field, 1);
                                        });
            return {nullptr, row, grows};
        }
        case DialogLayout::Kind::Row:
        case DialogLayout::Kind::Column:
            return BuildBox(node, /*isRoot=*/false);
        case DialogLayout::Kind::Group:
        {
            const int index = Take(node.id);
            Built inner = BuildBox(Lay::Column(node.items), /*isRoot=*/false);
            if (index < 0)
                return inner;
            QWidget* group = m_widgets[static_cast<std::size_t>(index)];
            group->setLayout(inner.box);
            return {group, nullptr, inner.grows};
        }
        case DialogLayout::Kind::Buttons:
        case DialogLayout::Kind::ButtonColumn:
        {
            const bool across = node.kind == DialogLayout::Kind::Buttons;
            QBoxLayout* bar = across ? static_cast<QBoxLayout*>(new QHBoxLayout)
                                     : static_cast<QBoxLayout*>(new QVBoxLayout);
            if (across)
                bar->addStretch();
            for (const DialogLayout& button : node.items)
            {
                const int index = Take(button.id);
                if (index >= 0)
                    bar->addWidget(m_widgets[static_cast<std::size_t>(index)]);
            }
            if (!across)
                bar->addStretch();
            return {nullptr, bar, false};
        }
        case DialogLayout::Kind::Stretch:
            return {nullptr, nullptr, true, true};
        }
        return {};
    }

    // Takes the field's control and its label and hands them to place; true when it grows.
    template <typename Place> bool AddField(int id, Place place)
    {
        const int index = Take(id);
        if (index < 0)
            return false;
        QWidget* label = TakeLabel(index);
        KeepOnOneLine(label);
        place(label, m_widgets[static_cast<std::size_t>(index)]);
        return Grows(m_template.controls[static_cast<std::size_t>(index)].kind);
    }

    Built BuildBox(const DialogLayout& node, bool isRoot)
    {
        const bool column = node.kind != DialogLayout::Kind::Row;
        QBoxLayout* box = column ? static_cast<QBoxLayout*>(new QVBoxLayout)
                                 : static_cast<QBoxLayout*>(new QHBoxLayout);
        if (!isRoot)
            box->setContentsMargins(0, 0, 0, 0);
        // A dialog whose controls keep their height keeps them at the top, its buttons at the
        // bottom.
        const bool rootStretch = isRoot && !AnyGrows(node);
        const bool trailingBar =
            !node.items.empty() && node.items.back().kind == DialogLayout::Kind::Buttons;
        bool grows = false;
        QGridLayout* fields = nullptr;
        int fieldRows = 0;
        for (const DialogLayout& item : node.items)
        {
            if (column && item.kind == DialogLayout::Kind::Field)
            {
                if (fields == nullptr)
                {
                    fields = new QGridLayout;
                    fields->setColumnStretch(1, 1);
                    box->addLayout(fields);
                    fieldRows = 0;
                }
                const int row = fieldRows++;
                const bool tall = AddField(item.id,
                                           [fields, row](QWidget* label, QWidget* field)
                                           {
                                               if (label != nullptr)
                                                   fields->addWidget(label, row, 0);
                                               fields->addWidget(field, row, 1);
                                           });
                if (tall)
                {
                    fields->setRowStretch(row, 1);
                    if (QLayoutItem* label = fields->itemAtPosition(row, 0))
                        label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
                    box->setStretchFactor(fields, 1);
                    grows = true;
                }
                continue;
            }
            fields = nullptr;
            if (rootStretch && trailingBar && &item == &node.items.back())
                box->addStretch(1);
            const Built built = Build(item);
            // A stretch in a row widens; only a column's stretch makes its box taller.
            grows = grows || (built.grows && (column || !built.stretch));
            if (built.stretch)
                box->addStretch(1);
            else if (built.widget != nullptr)
                box->addWidget(built.widget, built.grows ? 1 : 0);
            else if (built.box != nullptr)
                box->addLayout(built.box, built.grows ? 1 : 0);
        }
        if (rootStretch && !trailingBar)
            box->addStretch(1);
        return {nullptr, box, grows};
    }

    // Whether any control the node names grows (a look ahead that takes nothing).
    bool AnyGrows(const DialogLayout& node) const
    {
        if (node.kind == DialogLayout::Kind::Stretch)
            return true;
        if (node.kind == DialogLayout::Kind::Control || node.kind == DialogLayout::Kind::Field)
        {
            for (const DialogControl& control : m_template.controls)
                if (control.id == node.id && Grows(control.kind))
                    return true;
        }
        for (const DialogLayout& item : node.items)
            if (AnyGrows(item) &&
                (node.kind != DialogLayout::Kind::Row || item.kind != DialogLayout::Kind::Stretch))
                return true;
        return false;
    }

    const DialogTemplate& m_template;
    const std::vector<QWidget*>& m_widgets;
    std::vector<bool> m_placed;
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

std::vector<const DialogTemplate*> RegisteredDialogTemplates()
{
    std::vector<const DialogTemplate*> templates;
    for (const auto& [id, dialogTemplate] : Templates())
        templates.push_back(&dialogTemplate);
    return templates;
}

void CWnd::CreateControls(const DialogTemplate& dialogTemplate)
{
    CreateControls(dialogTemplate, GetSafeHwnd());
}

void CWnd::CreateControls(const DialogTemplate& dialogTemplate, HWND container)
{
    std::vector<QWidget*> widgets;
    QButtonGroup* radioGroup = nullptr;
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
        if (control.hidden)
        {
            widget->hide();
        }
        if (control.kind == ControlKind::Picture && control.bitmap != 0)
        {
            ShowBitmapResource(dialogTemplate, control, static_cast<QLabel*>(widget));
        }
        widgets.push_back(widget);
    }
    if (dialogTemplate.layout.items.empty())
    {
        FlowControls(dialogTemplate, widgets, container);
    }
    else
    {
        InstallLayout(container, LayoutBuilder(dialogTemplate, widgets).Build());
    }
}
