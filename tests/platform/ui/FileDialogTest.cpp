#include "platform/ui/FileDialog.h"
#include "platform/core/MessageBox.h"
#include "platform/core/ScriptedMessageBoxes.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <optional>

TEST(FileFilterTest, PairsBecomeQtFilters)
{
    EXPECT_EQ(ConvertFileFilter("Project Files (*.wvt)|*.wvt|All Files (*.*)|*.*||"),
              "Project Files (*.wvt);;All Files (*)");
    EXPECT_EQ(ConvertFileFilter("Pictures|*.png;*.jpg||"), "Pictures (*.png *.jpg)");
    EXPECT_EQ(ConvertFileFilter(""), "");
}

TEST(FileDialogTest, SaveAddsTheDefaultExtensionWhenTheNameHasNone)
{
    ScriptedFileChooser chooser;
    chooser.Answer("/home/ada/projects/shop");
    chooser.Answer("/home/ada/projects/shop.old");
    CFileDialog dialog(FALSE, "wvt", "shop", OFN_OVERWRITEPROMPT, "Projects|*.wvt||");
    dialog.m_ofn.lpstrTitle = "Save project";
    dialog.m_ofn.lpstrInitialDir = "/home/ada/projects";

    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetPathName(), "/home/ada/projects/shop.wvt");
    EXPECT_EQ(dialog.GetFileName(), "shop.wvt");
    EXPECT_EQ(dialog.GetFileExt(), "wvt");
    EXPECT_EQ(dialog.GetFileTitle(), "shop");
    EXPECT_EQ(dialog.GetFolderPath(), "/home/ada/projects");
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetPathName(), "/home/ada/projects/shop.old");

    ASSERT_EQ(chooser.Requests().size(), 2u);
    const FileChoice& request = chooser.Requests()[0];
    EXPECT_EQ(request.kind, FileChoice::Kind::SaveFile);
    EXPECT_EQ(request.title, "Save project");
    EXPECT_EQ(request.initialFolder, "/home/ada/projects");
    EXPECT_EQ(request.fileName, "shop");
    EXPECT_EQ(request.filter, "Projects (*.wvt)");
    EXPECT_TRUE(request.confirmOverwrite);
}

TEST(FileDialogTest, OpenKeepsTheNameAsChosen)
{
    ScriptedFileChooser chooser;
    chooser.Answer("/data/.hidden/README");
    CFileDialog dialog(TRUE, "wvt", nullptr, OFN_FILEMUSTEXIST);

    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetPathName(), "/data/.hidden/README");
    EXPECT_EQ(dialog.GetFileExt(), "");
    EXPECT_EQ(dialog.GetFileTitle(), "README");
    EXPECT_EQ(chooser.Requests()[0].kind, FileChoice::Kind::OpenFile);
    EXPECT_FALSE(chooser.Requests()[0].confirmOverwrite);
}

TEST(FileDialogTest, CancelAndUnscriptedRequestsGiveIdCancel)
{
    ScriptedFileChooser chooser;
    chooser.Cancel();
    CFileDialog dialog(TRUE);

    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(chooser.UnscriptedCount(), 0u);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(chooser.UnscriptedCount(), 1u);
    EXPECT_EQ(dialog.GetPathName(), "");
}

TEST(FileDialogTest, FolderBrowserStartsFromTheGivenFolder)
{
    ScriptedFileChooser chooser;
    chooser.Answer("/srv/output");
    CString folder = "/srv";

    EXPECT_TRUE(BrowseForFolder(nullptr, "Output folder", folder));
    EXPECT_EQ(folder, "/srv/output");
    EXPECT_FALSE(BrowseForFolder(nullptr, "Output folder", folder));
    EXPECT_EQ(folder, "/srv/output");
    ASSERT_EQ(chooser.Requests().size(), 2u);
    EXPECT_EQ(chooser.Requests()[0].kind, FileChoice::Kind::Folder);
    EXPECT_EQ(chooser.Requests()[0].initialFolder, "/srv");
    EXPECT_EQ(chooser.Requests()[1].initialFolder, "/srv/output");
}

TEST(FileDialogTest, ANameWithABackslashIsRefusedAndAskedForAgain)
{
    ScriptedFileChooser chooser;
    ScriptedMessageBoxes boxes;
    chooser.Answer("/srv/a\\b");
    chooser.Answer("/srv/ab");
    CString folder = "/srv";
    EXPECT_TRUE(BrowseForFolder(nullptr, "Output folder", folder));
    EXPECT_EQ(folder, "/srv/ab");
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, "/srv/a\\b\nFile and folder names with a \"\\\" cannot be "
                                     "used here. Please choose another name.");
    EXPECT_EQ(boxes.Shown()[0].type, MB_OK | MB_ICONWARNING);
    EXPECT_EQ(chooser.Requests().size(), 2u);
}

TEST(FileDialogTest, ScriptedChooserRestoresThePreviousOne)
{
    FileChooser* before = &GetFileChooser();
    {
        ScriptedFileChooser outer;
        {
            ScriptedFileChooser inner;
            EXPECT_EQ(&GetFileChooser(), &inner);
        }
        EXPECT_EQ(&GetFileChooser(), &outer);
    }
    EXPECT_EQ(&GetFileChooser(), before);
    EXPECT_NE(dynamic_cast<QtFileChooser*>(before), nullptr);
}

TEST(QtFileChooserTest, ChoosesTheFileTheUserAcceptsAndNothingOnCancel)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("shop.wvt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    QtFileChooser chooser;
    FileChoice choice;
    choice.initialFolder = folder.path().toUtf8().constData();
    choice.filter = "Projects (*.wvt)";
    const auto answer = [](const QString& chosen)
    {
        QTimer::singleShot(0,
                           [chosen]
                           {
                               auto* dialog =
                                   qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                               ASSERT_NE(dialog, nullptr);
                               if (chosen.isEmpty())
                               {
                                   dialog->reject();
                                   return;
                               }
                               dialog->selectFile(chosen);
                               QMetaObject::invokeMethod(dialog, "accept");
                           });
    };

    answer(path);
    const std::optional<CString> chosen = chooser.Choose(choice, nullptr);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, CString(path.toUtf8().constData()));

    answer(QString());
    EXPECT_FALSE(chooser.Choose(choice, nullptr).has_value());
}
