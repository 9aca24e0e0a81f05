#include <gtest/gtest.h>

#include "app/load_str.h"
#include "app/message.h"
#include "app/wait_cursor.h"
#include "resources/ids.h"
#include "support/qt_printers.h"
#include "support/recording_prompt.h"

TEST(Message, ShowMessageLoadsTextAndCaptionByIdAndReturnsTheAnswer) {
    RecordingPrompt prompt;
    prompt.messageAnswers.push_back(MessageAnswer::No);
    EXPECT_EQ(ShowMessage(prompt, IDS_FOLDER_EXISTS, IDS_APP_TITLE, MessageStyle::Exclamation), MessageAnswer::No);
    ASSERT_EQ(prompt.messages.size(), 1);
    const MessageRequest& m = prompt.messages[0];
    EXPECT_EQ(m.textId, IDS_FOLDER_EXISTS);
    EXPECT_EQ(m.text, LoadStr(IDS_FOLDER_EXISTS));
    EXPECT_EQ(m.caption, "Nuvio File Explorer 中文版");
    EXPECT_EQ(m.style, MessageStyle::Exclamation);
}

TEST(Message, WaitCursorNestsOnceAndPausesForQuestions) {
    int on = 0, off = 0;
    SetWaitCursorHooks([&] { ++on; }, [&] { ++off; });
    BeginWaitCursor();
    BeginWaitCursor();
    EXPECT_EQ(on, 1);
    {
        WaitCursorPause pause;
        EXPECT_FALSE(IsWaitCursorOn());
    }
    EXPECT_TRUE(IsWaitCursorOn());
    EndWaitCursor();
    EndWaitCursor();
    EXPECT_EQ(on, 2);
    EXPECT_EQ(off, 2);
    SetWaitCursorHooks(nullptr, nullptr);
}
