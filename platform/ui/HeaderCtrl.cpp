#include "platform/ui/HeaderCtrl.h"

#include "platform/ui/ImageList.h"
#include "platform/ui/ListCtrlWidgets.h"
#include "platform/ui/QtGeometry.h"
#include "platform/ui/QtText.h"

#include <QHeaderView>
#include <QIcon>
#include <QTreeWidget>
#include <QVariant>

#include <cstring>

IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)

namespace
{
QHeaderView* HeaderOf(const CWnd& wnd)
{
    return qobject_cast<QHeaderView*>(wnd.GetSafeHwnd());
}

// The list's header item, which holds the items' texts and attributes.
QTreeWidgetItem* Headings(const CWnd& wnd, int index)
{
    QTreeWidget* list = ListOfHeader(HeaderOf(wnd));
    return list != nullptr && index >= 0 && index < list->columnCount() ? list->headerItem()
                                                                        : nullptr;
}

Qt::Alignment HeaderAlignmentOf(int format)
{
    switch (format & HDF_JUSTIFYMASK)
    {
    case HDF_RIGHT:
        return Qt::AlignRight | Qt::AlignVCenter;
    case HDF_CENTER:
        return Qt::AlignCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}
} // namespace

int CHeaderCtrl::GetItemCount() const
{
    const QHeaderView* header = HeaderOf(*this);
    return header != nullptr ? header->count() : 0;
}

BOOL CHeaderCtrl::GetItem(int index, HDITEM* item) const
{
    QTreeWidgetItem* headings = Headings(*this, index);
    if (headings == nullptr || item == nullptr)
        return FALSE;
    if ((item->mask & HDI_WIDTH) != 0)
        item->cxy = HeaderOf(*this)->sectionSize(index);
    if ((item->mask & HDI_TEXT) != 0 && item->pszText != nullptr && item->cchTextMax > 0)
    {
        const QByteArray text = headings->text(index).toUtf8();
        const auto length = std::min<qsizetype>(text.size(), item->cchTextMax - 1);
        std::memcpy(item->pszText, text.constData(), static_cast<std::size_t>(length));
        item->pszText[length] = '\0';
    }
    if ((item->mask & HDI_FORMAT) != 0)
        item->fmt = headings->data(index, kHeaderFormatRole).toInt();
    if ((item->mask & HDI_IMAGE) != 0)
        item->iImage = headings->data(index, kHeaderImageRole).toInt();
    if ((item->mask & HDI_BITMAP) != 0)
        item->hbm =
            reinterpret_cast<CBitmap*>(headings->data(index, kHeaderBitmapRole).value<quintptr>());
    if ((item->mask & HDI_LPARAM) != 0)
        item->lParam = static_cast<LPARAM>(headings->data(index, kHeaderDataRole).toLongLong());
    return TRUE;
}

BOOL CHeaderCtrl::SetItem(int index, const HDITEM* item)
{
    QTreeWidgetItem* headings = Headings(*this, index);
    if (headings == nullptr || item == nullptr)
        return FALSE;
    if ((item->mask & HDI_WIDTH) != 0)
        HeaderOf(*this)->resizeSection(index, item->cxy);
    if ((item->mask & HDI_TEXT) != 0)
        headings->setText(index, ToQString(item->pszText));
    if ((item->mask & HDI_FORMAT) != 0)
    {
        headings->setData(index, kHeaderFormatRole, item->fmt);
        headings->setTextAlignment(index, HeaderAlignmentOf(item->fmt));
    }
    if ((item->mask & HDI_IMAGE) != 0)
        headings->setData(index, kHeaderImageRole, item->iImage);
    if ((item->mask & HDI_BITMAP) != 0)
        headings->setData(index, kHeaderBitmapRole,
                          QVariant::fromValue(reinterpret_cast<quintptr>(item->hbm)));
    if ((item->mask & HDI_LPARAM) != 0)
        headings->setData(index, kHeaderDataRole, static_cast<qlonglong>(item->lParam));
    const int format = headings->data(index, kHeaderFormatRole).toInt();
    CImageList* images = GetImageList();
    headings->setIcon(index, (format & HDF_IMAGE) != 0 && images != nullptr
                                 ? images->GetIcon(headings->data(index, kHeaderImageRole).toInt())
                                 : QIcon());
    return TRUE;
}

BOOL CHeaderCtrl::GetItemRect(int index, LPRECT rect) const
{
    const QHeaderView* header = HeaderOf(*this);
    if (header == nullptr || index < 0 || index >= header->count())
        return FALSE;
    const QPoint offset = header->viewport()->mapTo(header, QPoint(0, 0));
    *rect = FromQRect(QRect(header->sectionViewportPosition(index) + offset.x(), 0,
                            header->sectionSize(index), header->height()));
    return TRUE;
}

BOOL CHeaderCtrl::GetOrderArray(int* order, int count) const
{
    const QHeaderView* header = HeaderOf(*this);
    if (header == nullptr || count != header->count())
        return FALSE;
    for (int visual = 0; visual < count; ++visual)
        order[visual] = header->logicalIndex(visual);
    return TRUE;
}

CImageList* CHeaderCtrl::SetImageList(CImageList* images)
{
    QHeaderView* header = HeaderOf(*this);
    if (header == nullptr)
        return nullptr;
    CImageList* previous = GetImageList();
    header->setProperty(kHeaderImagesProperty,
                        QVariant::fromValue(reinterpret_cast<quintptr>(images)));
    return previous;
}

CImageList* CHeaderCtrl::GetImageList() const
{
    const QHeaderView* header = HeaderOf(*this);
    return header != nullptr ? reinterpret_cast<CImageList*>(
                                   header->property(kHeaderImagesProperty).value<quintptr>())
                             : nullptr;
}

void CHeaderCtrl::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CHeaderCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, result);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    return TRUE;
}
