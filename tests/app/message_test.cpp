#include <gtest/gtest.h>

#include "app/wait_cursor.h"

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
