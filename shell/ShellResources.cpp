#include "shell/ShellResources.h"

#include "platform/ui/ControlBars.h"
#include "platform/ui/GdiObjects.h"
#include "platform/ui/MenuResource.h"
#include "platform/ui/Messages.h"
#include "shell/ForgeonDoc.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QStyle>

namespace
{
void RegisterMainMenu()
{
    RegisterMenuResource(
        IDR_MAINFRAME,
        {
            MenuPopup("&File", {MenuCommand("&New\tCtrl+N", ID_FILE_NEW),
                                MenuCommand("&Open...\tCtrl+O", ID_FILE_OPEN),
                                MenuCommand("&Save\tCtrl+S", ID_FILE_SAVE),
                                MenuCommand("Save &As...", ID_FILE_SAVE_AS), MenuSeparator(),
                                MenuCommand("Recent File", ID_FILE_MRU_FILE1), MenuSeparator(),
                                MenuCommand("E&xit", ID_APP_EXIT)}),
            MenuPopup("&Project", {MenuCommand("&Project Properties", ID_PROJECT_PROPERTIES)}),
            MenuPopup("&Modules",
                      {MenuCommand("&Add", ID_MODULE_ADD), MenuCommand("&Delete", ID_MODULE_DELETE),
                       MenuCommand("&Rename", ID_MODULE_RENAME)}),
            MenuPopup("&Output", {MenuCommand("Write&All", ID_WRITE_ALL),
                                  MenuCommand("&Sql Query", ID_SQL_QUERY)}),
            MenuPopup("&Tools", {MenuCommand("&Merge Project", ID_MERGE_PROJECT),
                                 MenuCommand("&Sync DB", ID_SYNC_DB)}),
            MenuPopup("&Roles", {MenuCommand("Manage &Roles", ID_MANAGE_ROLES)}),
            MenuPopup("&Help", {MenuCommand("Help", ID_HELP_FILE),
                                MenuCommand("&About KestraneWeavo...", ID_APP_ABOUT)}),
        });
}

void RegisterMainToolBar()
{
    RegisterToolBarResource(IDR_MAINFRAME, {
                                               {ID_FILE_NEW, "New"},
                                               {ID_FILE_OPEN, "Open"},
                                               {ID_FILE_SAVE, "Save"},
                                               {ID_FILE_SAVE_AS, "Save As"},
                                               {ID_PROJECT_PROPERTIES, "Project Properties"},
                                               {ID_SEPARATOR, ""},
                                               {ID_MODULE_ADD, "Add Module"},
                                               {ID_MODULE_DELETE, "Delete Module"},
                                               {ID_MODULE_RENAME, "Rename Module"},
                                               {ID_SEPARATOR, ""},
                                               {ID_WRITE_ALL, "Write All"},
                                               {ID_SQL_QUERY, "Sql Query"},
                                               {ID_SEPARATOR, ""},
                                               {ID_MERGE_PROJECT, "Merge Project"},
                                               {ID_SYNC_DB, "Sync DB"},
                                               {ID_SEPARATOR, ""},
                                               {ID_MANAGE_ROLES, "Manage Roles"},
                                               {ID_SEPARATOR, ""},
                                               {ID_APP_ABOUT, "About"},
                                           });
}

void RegisterAccelerators()
{
    RegisterAcceleratorResource(IDR_MAINFRAME, {
                                                   {FVIRTKEY | FCONTROL, 'N', ID_FILE_NEW},
                                                   {FVIRTKEY | FCONTROL, 'O', ID_FILE_OPEN},
                                                   {FVIRTKEY | FCONTROL, 'S', ID_FILE_SAVE},
                                                   {FVIRTKEY | FCONTROL, 'C', ID_EDIT_COPY},
                                                   {FVIRTKEY | FCONTROL, VK_INSERT, ID_EDIT_COPY},
                                                   {FVIRTKEY | FCONTROL, 'X', ID_EDIT_CUT},
                                                   {FVIRTKEY | FSHIFT, VK_DELETE, ID_EDIT_CUT},
                                                   {FVIRTKEY | FCONTROL, 'V', ID_EDIT_PASTE},
                                                   {FVIRTKEY | FSHIFT, VK_INSERT, ID_EDIT_PASTE},
                                               });
}

// The splash picture: the product name on the program's colour.
void RegisterSplashPicture()
{
    QImage picture(420, 240, QImage::Format_RGB32);
    picture.fill(QColor(32, 72, 112));
    QPainter painter(&picture);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPointSize(22);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(picture.rect(), Qt::AlignCenter, "Kestrane Weavo");
    painter.end();
    RegisterBitmapResource(IDB_SPLASH, picture);
}
// The pictures of the tool-bar buttons in their order, of the size given, from the desktop
// style's standard icons, on light grey; hot pictures have a frame. Black is the mask colour,
// so none is drawn.
QImage ToolBarPicture(int size, bool hot)
{
    const QStyle::StandardPixmap icons[kToolBarImageCount] = {
        QStyle::SP_FileIcon,    QStyle::SP_DialogOpenButton,      QStyle::SP_DialogSaveButton,
        QStyle::SP_DriveFDIcon, QStyle::SP_FileDialogInfoView,    QStyle::SP_FileDialogNewFolder,
        QStyle::SP_TrashIcon,   QStyle::SP_FileLinkIcon,          QStyle::SP_MediaPlay,
        QStyle::SP_DriveHDIcon, QStyle::SP_FileDialogToParent,    QStyle::SP_BrowserReload,
        QStyle::SP_DirHomeIcon, QStyle::SP_MessageBoxInformation,
    };
    const int margin = size / 8;
    QImage picture(size * kToolBarImageCount, size, QImage::Format_RGB32);
    picture.fill(QColor(192, 192, 192));
    QPainter painter(&picture);
    for (int index = 0; index < kToolBarImageCount; ++index)
    {
        const QRect cell(index * size, 0, size, size);
        if (hot)
        {
            painter.setPen(QColor(51, 102, 153));
            painter.drawRect(cell.adjusted(0, 0, -1, -1));
        }
        const QIcon icon = QApplication::style()->standardIcon(icons[index]);
        painter.drawPixmap(cell.adjusted(margin, margin, -margin, -margin),
                           icon.pixmap(size - 2 * margin, size - 2 * margin));
    }
    painter.end();
    for (int y = 0; y < picture.height(); ++y)
    {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
        {
            if ((line[x] & 0xFFFFFF) == 0)
                line[x] = qRgb(1, 1, 1);
        }
    }
    return picture;
}

// A menu: a window with a title strip over three item lines, within a square of the size.
void DrawMenuPicture(QPainter& painter, const QRect& square)
{
    const QColor frame(51, 102, 153);
    const QRect window = square.adjusted(1, 2, -2, -2);
    painter.fillRect(window, QColor(255, 255, 255));
    painter.fillRect(QRect(window.topLeft(), QSize(window.width(), 3)), frame);
    painter.setPen(frame);
    painter.drawRect(window);
    painter.setPen(QColor(96, 96, 96));
    for (int y = window.top() + 5; y < window.bottom() - 1; y += 3)
        painter.drawLine(window.left() + 2, y, window.right() - 3, y);
}

// The pictures of the tree items in image-list order: project, module, then per category its
// node and its items (fields after master tables). Menus have a picture of their own (the
// style's menu button is the toolkit's logo in some styles).
QImage TreeItemPicture()
{
    constexpr QStyle::StandardPixmap kMenuPicture = QStyle::SP_CustomBase;
    const QStyle::StandardPixmap icons[] = {
        QStyle::SP_ComputerIcon,
        QStyle::SP_DirIcon,
        QStyle::SP_DirClosedIcon,
        QStyle::SP_FileDialogDetailedView,
        QStyle::SP_FileDialogListView,
        QStyle::SP_DirClosedIcon,
        QStyle::SP_FileIcon,
        QStyle::SP_DirClosedIcon,
        QStyle::SP_FileDialogDetailedView,
        QStyle::SP_DirClosedIcon,
        QStyle::SP_FileLinkIcon,
        QStyle::SP_DirClosedIcon,
        QStyle::SP_FileDialogContentsView,
        QStyle::SP_DirClosedIcon,
        QStyle::SP_FileDialogInfoView,
        QStyle::SP_DirClosedIcon,
        QStyle::SP_DesktopIcon,
        QStyle::SP_DirClosedIcon,
        QStyle::SP_DriveHDIcon,
        QStyle::SP_DirClosedIcon,
        kMenuPicture,
        QStyle::SP_DirClosedIcon,
        QStyle::SP_CommandLink,
    };
    constexpr int size = kTreeImageSize;
    constexpr int count = static_cast<int>(sizeof(icons) / sizeof(icons[0]));
    QImage picture(size * count, size, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    for (int index = 0; index < count; ++index)
    {
        if (icons[index] == kMenuPicture)
        {
            DrawMenuPicture(painter, QRect(index * size + 1, 1, size - 2, size - 2));
            continue;
        }
        const QIcon icon = QApplication::style()->standardIcon(icons[index]);
        painter.drawPixmap(index * size + 1, 1, icon.pixmap(size - 2, size - 2));
    }
    painter.end();
    return picture;
}
// A white tile with a faint diagonal weave, so that the items stay readable on it.
QImage TreeBackgroundPicture()
{
    QImage picture(64, 64, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(QColor(238, 243, 248));
    for (int offset = -64; offset < 64; offset += 8)
    {
        painter.drawLine(offset, 0, offset + 64, 64);
        painter.drawLine(offset + 64, 0, offset, 64);
    }
    painter.end();
    return picture;
}
} // namespace

void RegisterShellResources()
{
    RegisterMainMenu();
    RegisterMainToolBar();
    RegisterAccelerators();
    RegisterSplashPicture();
    RegisterBitmapResource(IDB_TOOLBAR, ToolBarPicture(kToolBarImageSize, /*hot=*/false));
    RegisterBitmapResource(IDB_TOOLBAR_HOT, ToolBarPicture(kToolBarImageSize, /*hot=*/true));
    RegisterBitmapResource(IDB_MENU_IMAGES, ToolBarPicture(kMenuImageSize, /*hot=*/false));
    RegisterBitmapResource(IDB_TREE_IMAGES, TreeItemPicture());
    RegisterBitmapResource(IDB_TREE_BACKGROUND, TreeBackgroundPicture());
}
