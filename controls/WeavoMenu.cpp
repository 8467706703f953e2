#include "controls/WeavoMenu.h"

#include "platform/ui/ControlBars.h"
#include "platform/ui/DC.h"
#include "platform/ui/MenuResource.h"
#include "platform/ui/QtText.h"
#include "platform/ui/SystemSettings.h"
#include "platform/ui/WinApp.h"

#include <QFontMetrics>
#include <QImage>
#include <QPixmap>

#include <algorithm>
#include <utility>

IMPLEMENT_DYNAMIC(WeavoMenu, CMenu)

namespace
{

constexpr UINT kHiddenToolBarId = 0xE800;
constexpr int kShortcutMargin = 12;

std::vector<HMENU>& PopupList()
{
    static std::vector<HMENU> popups;
    return popups;
}

LOGFONT MenuFont()
{
    NONCLIENTMETRICS metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    return metrics.lfMenuFont;
}

WeavoMenuLayout::Metrics HostMetrics()
{
    WeavoMenuLayout::Metrics metrics;
    metrics.textWidth = [](const CString& text)
    {
        CFont font;
        const LOGFONT menuFont = MenuFont();
        font.CreateFontIndirect(&menuFont);
        return QFontMetrics(font.GetQFont()).horizontalAdvance(ToQString(text));
    };
    metrics.menuBarHeight = GetSystemMetrics(SM_CYMENU);
    return metrics;
}

WeavoMenuLayout::Metrics& CurrentMetrics()
{
    static WeavoMenuLayout::Metrics metrics = HostMetrics();
    return metrics;
}

// The picture at the index, as the one image of a new masked list of the same size.
std::unique_ptr<CImageList> OneImageCopy(const CImageList& images, int index)
{
    int width = 0;
    int height = 0;
    HICON icon = images.ExtractIcon(index);
    if (icon == nullptr || !images.GetIconSize(width, height))
        return nullptr;
    auto copy = std::make_unique<CImageList>();
    const bool made =
        copy->Create(width, height, ILC_COLOR32 | ILC_MASK, 1, 0) && copy->Add(icon) >= 0;
    DestroyIcon(icon);
    return made ? std::move(copy) : nullptr;
}

// The image of the command's button on the tool bar: its image number when above 0, else its
// position; -1 when the command has no button.
int ButtonImageOf(const CToolBar& bar, UINT commandId)
{
    for (int index = 0; index < bar.GetCount(); ++index)
    {
        UINT id = 0;
        UINT style = 0;
        int image = 0;
        bar.GetButtonInfo(index, id, style, image);
        if (id == commandId && id != ID_SEPARATOR)
            return image > 0 ? image : index;
    }
    return -1;
}

bool LoadHiddenToolBar(CToolBar& bar, UINT toolbarId)
{
    CWnd* mainWindow = AfxGetMainWnd();
    return mainWindow != nullptr &&
           bar.CreateEx(mainWindow, TBSTYLE_FLAT, WS_CHILD | CBRS_TOP, kHiddenToolBarId) &&
           bar.LoadToolBar(toolbarId);
}

void FillRect(CDC& dc, int left, int top, int right, int bottom, COLORREF colour)
{
    dc.FillSolidRect(CRect(left, top, right, bottom), colour);
}

void FrameRect(CDC& dc, const CRect& rect, COLORREF colour)
{
    dc.Draw3dRect(rect, colour, colour);
}
} // namespace

WeavoMenu::WeavoMenu() = default;

WeavoMenu::~WeavoMenu()
{
    WeavoMenu::DestroyMenu();
}

const std::vector<HMENU>& WeavoMenu::AllPopups()
{
    return PopupList();
}

WeavoMenuLayout::Metrics WeavoMenu::SetMetrics(WeavoMenuLayout::Metrics metrics)
{
    return std::exchange(CurrentMetrics(), metrics.textWidth ? std::move(metrics) : HostMetrics());
}

WeavoMenuLayout::Metrics WeavoMenu::GetMetrics()
{
    return CurrentMetrics();
}

int WeavoMenu::OsClass()
{
    // Every host here is of the newest class.
    static const int osClass = WeavoMenuLayout::kNewNtClass;
    return osClass;
}

BOOL WeavoMenu::LoadMenu(UINT resourceId)
{
    const std::vector<BYTE>* bytes = FindMenuResource(resourceId);
    if (bytes == nullptr || GetSafeHmenu() != nullptr || !CreateMenu())
        return FALSE;
    struct Level
    {
        WeavoMenu* menu;
        bool ended;
    };
    std::vector<Level> levels{{this, false}};
    std::size_t at = 4;
    // A resource of the header alone is an empty menu.
    const bool empty = bytes->size() <= at;
    while (!levels.empty() && at < bytes->size())
    {
        MenuResourceEntry entry;
        if (!ReadMenuResourceEntry(*bytes, at, entry))
            break;
        const WORD flags = entry.flags;
        Level& level = levels.back();
        level.ended = (flags & MF_END) != 0;
        const UINT itemFlags = flags & ~MF_END;
        if ((flags & MF_POPUP) != 0)
        {
            auto popup = std::make_unique<WeavoMenu>();
            popup->CreatePopupMenu();
            WeavoMenu* opened = popup.get();
            level.menu->m_popupMenus.push_back(std::move(popup));
            level.menu->AppendODMenu(entry.text, itemFlags,
                                     reinterpret_cast<UINT_PTR>(opened->GetSafeHmenu()), -1);
            levels.push_back({opened, false});
            continue;
        }
        level.menu->AppendODMenu(entry.text, itemFlags, entry.id, -1);
        while (!levels.empty() && levels.back().ended)
        {
            levels.back().menu->AlignAccelerators();
            levels.pop_back();
        }
    }
    if (!levels.empty() && !empty)
    {
        DestroyMenu();
        return FALSE;
    }
    RestoreTopLevelStrings();
    return TRUE;
}

void WeavoMenu::RestoreTopLevelStrings()
{
    for (std::size_t position = 0; position < m_items.size(); ++position)
    {
        const WeavoMenuData& record = *m_items[position];
        const UINT keep = record.flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED);
        if ((record.flags & MF_POPUP) != 0)
            ModifyMenu(static_cast<UINT>(position), MF_BYPOSITION | MF_POPUP | keep,
                       record.commandId, record.text);
        else if ((record.flags & MF_SEPARATOR) == 0)
            ModifyMenu(static_cast<UINT>(position), MF_BYPOSITION | keep, record.commandId,
                       record.text);
    }
}

BOOL WeavoMenu::DestroyMenu()
{
    for (const HMENU popup : m_popups)
        std::erase(PopupList(), popup);
    std::erase(PopupList(), GetSafeHmenu());
    m_popups.clear();
    // The popups go with the menu; their objects then hold no menu.
    const BOOL destroyed = CMenu::DestroyMenu();
    m_popupMenus.clear();
    m_items.clear();
    return destroyed;
}

BOOL WeavoMenu::AppendODMenu(const CString& text, UINT flags, UINT_PTR idOrPopup, int imageIndex)
{
    if (idOrPopup == 0)
        flags = MF_SEPARATOR | MF_OWNERDRAW | (flags & MF_BYPOSITION);
    else
        flags |= MF_OWNERDRAW;
    if ((flags & MF_POPUP) != 0)
    {
        PopupList().push_back(reinterpret_cast<HMENU>(idOrPopup));
        m_popups.push_back(reinterpret_cast<HMENU>(idOrPopup));
    }
    auto record = std::make_unique<WeavoMenuData>();
    record->text = text;
    record->flags = flags;
    record->commandId = idOrPopup;
    if (imageIndex >= 0 && (flags & (MF_POPUP | MF_SEPARATOR)) == 0)
    {
        CToolBar bar;
        CImageList images;
        const int image = LoadHiddenToolBar(bar, static_cast<UINT>(imageIndex))
                              ? ButtonImageOf(bar, static_cast<UINT>(idOrPopup))
                              : -1;
        if (image >= 0 &&
            LoadFaceColouredImages(static_cast<UINT>(imageIndex), m_imageWidth, m_imageHeight,
                                   bar.GetCount(), GetSysColor(COLOR_3DFACE), images))
        {
            record->images = OneImageCopy(images, image);
            record->imageIndex = record->images ? 0 : -1;
            record->globalImageIndex = record->images ? image : -1;
        }
    }
    WeavoMenuData* data = record.get();
    m_items.push_back(std::move(record));
    return AppendMenu(flags, idOrPopup, reinterpret_cast<LPCTSTR>(data));
}

BOOL WeavoMenu::ModifyODMenu(const char* text, UINT commandId, const CImageList* images,
                             int imageIndex)
{
    bool found = false;
    for (const auto& record : m_items)
    {
        if ((record->flags & (MF_POPUP | MF_SEPARATOR)) != 0 || record->commandId != commandId)
            continue;
        found = true;
        if (text != nullptr)
            record->text = text;
        if (images != nullptr && imageIndex >= 0)
        {
            record->images = OneImageCopy(*images, imageIndex);
            record->imageIndex = record->images ? 0 : -1;
            record->globalImageIndex = record->images ? imageIndex : -1;
        }
    }
    for (const auto& popup : m_popupMenus)
        found = popup->ModifyODMenu(text, commandId, images, imageIndex) || found;
    return found;
}

WeavoMenu* WeavoMenu::FindMenuOption(UINT commandId, int& position)
{
    for (std::size_t index = 0; index < m_items.size(); ++index)
    {
        const WeavoMenuData& record = *m_items[index];
        if ((record.flags & MF_POPUP) != 0)
        {
            if (WeavoMenu* popup = GetPopupMenu(static_cast<int>(index)))
            {
                if (WeavoMenu* found = popup->FindMenuOption(commandId, position))
                    return found;
            }
        }
        else if ((record.flags & MF_SEPARATOR) == 0 && record.commandId == commandId)
        {
            position = static_cast<int>(index);
            return this;
        }
    }
    position = -1;
    return nullptr;
}

BOOL WeavoMenu::LoadToolbar(UINT toolbarId, UINT bitmapId)
{
    CToolBar bar;
    CImageList images;
    if (!LoadHiddenToolBar(bar, toolbarId) ||
        !LoadFaceColouredImages(bitmapId, m_imageWidth, m_imageHeight, bar.GetCount(),
                                GetSysColor(COLOR_3DFACE), images))
        return FALSE;
    for (int index = 0; index < bar.GetCount(); ++index)
    {
        const UINT id = bar.GetItemID(index);
        int position = -1;
        if (id != 0 && id != ID_SEPARATOR && FindMenuOption(id, position) != nullptr)
            ModifyODMenu(nullptr, id, &images, ButtonImageOf(bar, id));
    }
    return TRUE;
}

const WeavoMenuData* WeavoMenu::GetItemRecord(int position) const
{
    return position >= 0 && position < static_cast<int>(m_items.size())
               ? m_items[static_cast<std::size_t>(position)].get()
               : nullptr;
}

WeavoMenu* WeavoMenu::GetPopupMenu(int position) const
{
    const WeavoMenuData* record = GetItemRecord(position);
    if (record == nullptr || (record->flags & MF_POPUP) == 0)
        return nullptr;
    for (const auto& popup : m_popupMenus)
    {
        if (reinterpret_cast<UINT_PTR>(popup->GetSafeHmenu()) == record->commandId)
            return popup.get();
    }
    return nullptr;
}

WeavoMenuData* WeavoMenu::RecordOf(DWORD_PTR itemData) const
{
    for (const auto& record : m_items)
    {
        if (reinterpret_cast<DWORD_PTR>(record.get()) == itemData)
            return record.get();
    }
    return nullptr;
}

void WeavoMenu::AlignAccelerators()
{
    std::vector<CString> texts;
    for (const auto& record : m_items)
        texts.push_back(record->text);
    const std::vector<CString> aligned = WeavoMenuLayout::AlignAccelerators(texts, GetMetrics());
    for (std::size_t index = 0; index < m_items.size(); ++index)
        m_items[index]->text = aligned[index];
}

void WeavoMenu::MeasureItem(LPMEASUREITEMSTRUCT measureItem)
{
    const WeavoMenuData* record = RecordOf(measureItem->itemData);
    if (record == nullptr)
        return;
    const WeavoMenuLayout::ItemSize size =
        (record->flags & MF_SEPARATOR) != 0
            ? WeavoMenuLayout::MeasureSeparator(GetMetrics())
            : WeavoMenuLayout::MeasureItem(record->text, GetMetrics(), OsClass(), m_imageWidth,
                                           m_imageHeight);
    measureItem->itemWidth = static_cast<UINT>(size.width);
    measureItem->itemHeight = static_cast<UINT>(size.height);
}

void WeavoMenu::DrawItem(LPDRAWITEMSTRUCT drawItem)
{
    const WeavoMenuData* record = RecordOf(drawItem->itemData);
    if (record == nullptr || drawItem->hDC == nullptr)
        return;
    const COLORREF menu = GetSysColor(COLOR_MENU);
    const COLORREF face = WeavoMenuLayout::FaceColour(OsClass(), GetSysColor(COLOR_3DFACE), menu);
    // No device here works with a palette.
    if (WeavoMenuLayout::ChooseStyle(face, menu, /*paletteDevice=*/false) ==
        WeavoMenuLayout::Style::Flat)
        DrawFlat(*drawItem->hDC, *drawItem, *record);
    else
        DrawClassic(*drawItem->hDC, *drawItem, *record);
}

void WeavoMenu::DrawClassic(CDC& dc, const DRAWITEMSTRUCT& item, const WeavoMenuData& record)
{
    const CRect rect(item.rcItem);
    const bool newShell = WeavoMenuLayout::IsNewShell(OsClass());
    const COLORREF menu = GetSysColor(COLOR_MENU);
    const COLORREF background =
        WeavoMenuLayout::FaceColour(OsClass(), GetSysColor(COLOR_3DFACE), menu);
    if ((record.flags & MF_SEPARATOR) != 0)
    {
        dc.FillSolidRect(rect, background);
        CRect edge(rect.left, rect.top + rect.Height() / 2, rect.right, rect.bottom);
        dc.DrawEdge(&edge, EDGE_ETCHED, BF_TOP);
        return;
    }
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_GRAYED) != 0;
    const bool checked = (item.itemState & ODS_CHECKED) != 0;
    const bool hasImage = record.images != nullptr;
    const int width = m_imageWidth;
    const int offset = WeavoMenuLayout::ImageOffset(rect.Height(), m_imageHeight);
    const CRect box(rect.left + 1, rect.top + offset + 1, rect.left + width + 3,
                    rect.top + offset + m_imageHeight + 3);
    if (selected)
    {
        const int left = hasImage || checked ? rect.left + width + 5 : rect.left;
        FillRect(dc, left, rect.top, rect.right, rect.bottom, GetSysColor(COLOR_HIGHLIGHT));
        if (hasImage || checked)
            FillRect(dc, rect.left, rect.top, left, rect.bottom, background);
    }
    else
        dc.FillSolidRect(rect, background);
    if (hasImage)
    {
        DrawImage(dc, record, CPoint(box.left + 1, box.top + 1), disabled, background);
        if (!disabled && checked && newShell)
            dc.Draw3dRect(box, GetSysColor(COLOR_3DSHADOW), GetSysColor(COLOR_3DHIGHLIGHT));
        else if (!disabled && selected && !checked)
            dc.Draw3dRect(box, GetSysColor(COLOR_3DHIGHLIGHT), GetSysColor(COLOR_3DSHADOW));
    }
    else if (checked)
    {
        dc.FillSolidRect(box, newShell && !selected ? GetSysColor(COLOR_3DLIGHT) : menu);
        if (newShell)
        {
            CRect edge = box;
            dc.DrawEdge(&edge, BDR_SUNKENOUTER, BF_RECT);
        }
        DrawCheck(dc, CPoint(box.left, box.top), item.itemID, GetSysColor(COLOR_MENUTEXT));
    }
    const CRect text(rect.left + width + 9, rect.top, rect.right, rect.bottom);
    dc.SetBkMode(TRANSPARENT);
    if (disabled && !selected)
    {
        dc.SetTextColor(GetSysColor(COLOR_3DHIGHLIGHT));
        CRect shadow = text;
        shadow.OffsetRect(1, 1);
        DrawText(dc, shadow, record);
        dc.SetTextColor(GetSysColor(COLOR_GRAYTEXT));
    }
    else
        dc.SetTextColor(GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    DrawText(dc, text, record);
}

void WeavoMenu::DrawFlat(CDC& target, const DRAWITEMSTRUCT& item, const WeavoMenuData& record)
{
    const CRect rect(item.rcItem);
    const COLORREF menu = GetSysColor(COLOR_MENU);
    const COLORREF face = WeavoMenuLayout::FaceColour(OsClass(), GetSysColor(COLOR_3DFACE), menu);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    const WeavoMenuLayout::FlatColours colours =
        WeavoMenuLayout::FlatColoursOf(face, menu, highlight, GetSysColor(COLOR_GRAYTEXT));
    const int width = m_imageWidth;
    const int columnRight = rect.left + width + 5;
    if ((record.flags & MF_SEPARATOR) != 0)
    {
        target.FillSolidRect(rect, colours.textArea);
        FillRect(target, rect.left, rect.top, columnRight, rect.bottom, colours.imageColumn);
        CRect edge(columnRight + 4, rect.top + rect.Height() / 2, rect.right, rect.bottom);
        target.DrawEdge(&edge, EDGE_ETCHED, BF_TOP);
        return;
    }
    const bool disabled = (item.itemState & ODS_GRAYED) != 0;
    // A disabled item is never shown selected, and is drawn off-screen.
    const bool selected = (item.itemState & ODS_SELECTED) != 0 && !disabled;
    const bool checked = (item.itemState & ODS_CHECKED) != 0;
    std::unique_ptr<WeavoMenuBufferDC> buffer;
    if (disabled)
    {
        buffer = std::make_unique<WeavoMenuBufferDC>(&target, rect);
        if (CFont* font = target.GetCurrentFont())
            buffer->SelectObject(font);
    }
    CDC& dc = buffer ? static_cast<CDC&>(*buffer) : target;
    if (selected)
    {
        dc.FillSolidRect(rect, colours.selection);
        FrameRect(dc, rect, highlight);
    }
    else
    {
        dc.FillSolidRect(rect, colours.textArea);
        FillRect(dc, rect.left, rect.top, columnRight, rect.bottom, colours.imageColumn);
    }
    const int offset = WeavoMenuLayout::ImageOffset(rect.Height(), m_imageHeight);
    if (record.images != nullptr)
    {
        if (checked)
        {
            const CRect box(rect.left + 1, rect.top + offset + 1, rect.left + width + 4,
                            rect.top + offset + m_imageHeight + 3);
            dc.FillSolidRect(box, colours.checkedBox);
            FrameRect(dc, box, highlight);
        }
        DrawImage(dc, record,
                  disabled ? CPoint(rect.left + 2, rect.top + offset + 2)
                           : CPoint(rect.left + 3, rect.top + offset + 2),
                  disabled, colours.imageColumn);
    }
    else if (checked)
    {
        const CRect box(rect.left + 2, rect.top + offset + 2, rect.left + width + 2,
                        rect.top + offset + m_imageHeight + 2 + (face != menu ? 1 : 0));
        dc.FillSolidRect(box, colours.checkedBox);
        FrameRect(dc, box, highlight);
        DrawCheck(dc, CPoint(box.left, box.top), item.itemID, GetSysColor(COLOR_MENUTEXT));
    }
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(disabled ? colours.disabledText : GetSysColor(COLOR_MENUTEXT));
    DrawText(dc, CRect(rect.left + width + 9, rect.top, rect.right, rect.bottom), record);
}

void WeavoMenu::DrawText(CDC& dc, const CRect& rect, const WeavoMenuData& record) const
{
    CRect area = rect;
    dc.DrawText(WeavoMenuLayout::LeadingPart(record.text), &area,
                DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    const CString accelerator = WeavoMenuLayout::AcceleratorPart(record.text);
    if (accelerator.IsEmpty())
        return;
    // A margin after the shortcut, clear of the menu's frame.
    area = rect;
    area.right -= kShortcutMargin;
    dc.DrawText(accelerator.Mid(1), &area, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
}

void WeavoMenu::DrawCheck(CDC& dc, CPoint at, UINT commandId, COLORREF colour) const
{
    MENUITEMINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    const bool radio =
        GetMenuItemInfo(commandId, &info, FALSE) && (info.fType & MFT_RADIOCHECK) != 0;
    CPen pen(PS_SOLID, 1, colour);
    CBrush brush(colour);
    CPen* oldPen = dc.SelectObject(&pen);
    CBrush* oldBrush = dc.SelectObject(&brush);
    if (radio)
    {
        const CRect dot(at.x + 5, at.y + 4, at.x + 11, at.y + 10);
        dc.Ellipse(&dot);
    }
    else
    {
        // A tick of seven short strokes.
        constexpr int drop[7] = {2, 3, 4, 3, 2, 1, 0};
        for (int column = 0; column < 7; ++column)
        {
            dc.MoveTo(at.x + 4 + column, at.y + 4 + drop[column]);
            dc.LineTo(at.x + 4 + column, at.y + 7 + drop[column]);
        }
    }
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
}

void WeavoMenu::DrawImage(CDC& dc, const WeavoMenuData& record, CPoint at, bool disabled,
                          COLORREF background) const
{
    if (!disabled)
    {
        record.images->Draw(&dc, record.imageIndex, at, ILD_TRANSPARENT);
        return;
    }
    // Embossed: the picture's shape, where pixels of the face or the highlight colour count as
    // background, in the highlight colour one pixel right and down, then in the shadow colour.
    dc.FillSolidRect(CRect(at, CSize(m_imageWidth, m_imageHeight)), background);
    HICON icon = record.images->ExtractIcon(record.imageIndex);
    if (icon == nullptr)
        return;
    const QImage picture = icon->toImage().convertToFormat(QImage::Format_ARGB32);
    DestroyIcon(icon);
    const COLORREF highlight = GetSysColor(COLOR_3DHIGHLIGHT);
    const auto rgbOf = [](COLORREF colour)
    { return qRgb(GetRValue(colour), GetGValue(colour), GetBValue(colour)); };
    const QRgb faceRgb = rgbOf(GetSysColor(COLOR_3DFACE));
    const QRgb highlightRgb = rgbOf(highlight);
    std::vector<CPoint> shape;
    for (int y = 0; y < picture.height(); ++y)
    {
        for (int x = 0; x < picture.width(); ++x)
        {
            const QRgb pixel = picture.pixel(x, y);
            const QRgb rgb = qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
            if (qAlpha(pixel) != 0 && rgb != faceRgb && rgb != highlightRgb)
                shape.emplace_back(at.x + x, at.y + y);
        }
    }
    for (const CPoint& point : shape)
        dc.SetPixel(point.x + 1, point.y + 1, highlight);
    const COLORREF shadow = GetSysColor(COLOR_3DSHADOW);
    for (const CPoint& point : shape)
        dc.SetPixel(point.x, point.y, shadow);
}

bool LoadFaceColouredImages(UINT bitmapId, int width, int height, int count, COLORREF mask,
                            CImageList& images)
{
    const std::unique_ptr<CBitmap> bitmap(
        LoadImage(bitmapId, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap || bitmap->GetImage() == nullptr)
        return false;
    QImage picture = bitmap->GetImage()->convertToFormat(QImage::Format_RGB32);
    const COLORREF face = GetSysColor(COLOR_3DFACE);
    const QRgb lightGrey = qRgb(192, 192, 192);
    const QRgb faceColour = qRgb(GetRValue(face), GetGValue(face), GetBValue(face));
    for (int y = 0; y < picture.height(); ++y)
    {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        std::replace(line, line + picture.width(), lightGrey, faceColour);
    }
    bitmap->SetImage(picture);
    return images.Create(width, height, ILC_COLOR32 | ILC_MASK, count, 0) &&
           images.Add(bitmap.get(), mask) >= 0;
}
