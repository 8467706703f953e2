#include "platform/core/MessageBox.h"
#include "platform/core/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(MessageBoxTest, DefaultButtonIsFirstOfEachSet)
{
    EXPECT_EQ(DefaultMessageBoxButton(MB_OK), IDOK);
    EXPECT_EQ(DefaultMessageBoxButton(MB_OKCANCEL), IDOK);
    EXPECT_EQ(DefaultMessageBoxButton(MB_ABORTRETRYIGNORE), IDABORT);
    EXPECT_EQ(DefaultMessageBoxButton(MB_YESNOCANCEL), IDYES);
    EXPECT_EQ(DefaultMessageBoxButton(MB_YESNO), IDYES);
    EXPECT_EQ(DefaultMessageBoxButton(MB_RETRYCANCEL), IDRETRY);
    EXPECT_EQ(DefaultMessageBoxButton(MB_YESNO | MB_ICONQUESTION), IDYES);
}

TEST(MessageBoxTest, DefButtonFlagsMoveTheDefaultWithinTheSet)
{
    EXPECT_EQ(DefaultMessageBoxButton(MB_OKCANCEL | MB_DEFBUTTON2), IDCANCEL);
    EXPECT_EQ(DefaultMessageBoxButton(MB_YESNO | MB_DEFBUTTON2 | MB_ICONWARNING), IDNO);
    EXPECT_EQ(DefaultMessageBoxButton(MB_YESNOCANCEL | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(DefaultMessageBoxButton(MB_YESNOCANCEL | MB_DEFBUTTON3), IDCANCEL);
    EXPECT_EQ(DefaultMessageBoxButton(MB_ABORTRETRYIGNORE | MB_DEFBUTTON2), IDRETRY);
    EXPECT_EQ(DefaultMessageBoxButton(MB_ABORTRETRYIGNORE | MB_DEFBUTTON3), IDIGNORE);
    EXPECT_EQ(DefaultMessageBoxButton(MB_RETRYCANCEL | MB_DEFBUTTON2), IDCANCEL);
    // A default beyond the last button falls back to the first.
    EXPECT_EQ(DefaultMessageBoxButton(MB_OK | MB_DEFBUTTON2), IDOK);
    EXPECT_EQ(DefaultMessageBoxButton(MB_YESNO | MB_DEFBUTTON3), IDYES);
}

TEST(MessageBoxTest, DefaultHandlerPrintsAndAnswersDefaultButton)
{
    testing::internal::CaptureStderr();
    const int answer = AfxMessageBox("Save changes?", MB_YESNOCANCEL | MB_DEFBUTTON3);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Save changes?\n");
    EXPECT_EQ(answer, IDCANCEL);
}

TEST(MessageBoxTest, InstalledHandlerReceivesTheCallAndPreviousIsReturned)
{
    std::vector<std::string> texts;
    const MessageBoxHandler previous = SetMessageBoxHandler(
        [&](const std::string& text, UINT type, UINT helpId)
        {
            texts.push_back(text);
            return static_cast<int>(type + helpId);
        });
    EXPECT_FALSE(previous);
    EXPECT_EQ(AfxMessageBox("one", MB_OKCANCEL, 40), 41);
    EXPECT_EQ(AfxMessageBox(nullptr), 0);
    EXPECT_EQ(texts, (std::vector<std::string>{"one", ""}));

    EXPECT_TRUE(SetMessageBoxHandler(MessageBoxHandler()));
    testing::internal::CaptureStderr();
    EXPECT_EQ(AfxMessageBox("back", MB_RETRYCANCEL), IDRETRY);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "back\n");
    EXPECT_EQ(texts.size(), 2u);
}

TEST(MessageBoxTest, ScriptedAnswersComeInOrderAndBoxesAreRecorded)
{
    ScriptedMessageBoxes boxes{IDNO, IDCANCEL};
    boxes.Answer(IDRETRY);
    EXPECT_EQ(AfxMessageBox("first", MB_YESNO), IDNO);
    EXPECT_EQ(AfxMessageBox("second", MB_OKCANCEL | MB_ICONERROR, 7), IDCANCEL);
    EXPECT_EQ(AfxMessageBox("third", MB_RETRYCANCEL), IDRETRY);

    ASSERT_EQ(boxes.Shown().size(), 3u);
    EXPECT_EQ(boxes.Shown()[0].text, "first");
    EXPECT_EQ(boxes.Shown()[1].text, "second");
    EXPECT_EQ(boxes.Shown()[1].type, MB_OKCANCEL | MB_ICONERROR);
    EXPECT_EQ(boxes.Shown()[1].helpId, 7u);
    EXPECT_EQ(boxes.Shown()[2].text, "third");
    EXPECT_EQ(boxes.UnscriptedCount(), 0u);
    EXPECT_EQ(boxes.PendingAnswers(), 0u);
}

TEST(MessageBoxTest, UnscriptedBoxGetsDefaultButtonAndIsCounted)
{
    ScriptedMessageBoxes boxes{IDYES};
    EXPECT_EQ(AfxMessageBox("scripted", MB_YESNO), IDYES);
    EXPECT_EQ(AfxMessageBox("left over", MB_YESNOCANCEL | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(AfxMessageBox("again"), IDOK);
    EXPECT_EQ(boxes.UnscriptedCount(), 2u);
    EXPECT_EQ(boxes.Shown().size(), 3u);
}

TEST(MessageBoxTest, ScriptedBoxesRestorePreviousHandlerAfterScope)
{
    ScriptedMessageBoxes outer{IDABORT};
    {
        ScriptedMessageBoxes inner{IDIGNORE};
        EXPECT_EQ(AfxMessageBox("inner", MB_ABORTRETRYIGNORE), IDIGNORE);
    }
    EXPECT_EQ(AfxMessageBox("outer", MB_ABORTRETRYIGNORE), IDABORT);
    ASSERT_EQ(outer.Shown().size(), 1u);
    EXPECT_EQ(outer.Shown()[0].text, "outer");
}

TEST(MessageBoxTest, DefaultHandlerIsBackAfterLastScriptedScope)
{
    {
        ScriptedMessageBoxes boxes;
    }
    EXPECT_FALSE(SetMessageBoxHandler(MessageBoxHandler()));
}
