#include <gtest/gtest.h>

#include "shell/navigation_history.h"

TEST(NavigationHistoryTest, BackAndForwardMoveAndAVisitDropsWhatLayAhead) {
    NavigationHistory history;
    EXPECT_TRUE(history.Back().isEmpty());
    for (const char* folder : {"\\A", "\\B", "\\b", "\\C"})
        history.Visit(QString::fromLatin1(folder));
    EXPECT_EQ(history.Back(), QStringLiteral("\\B"));
    EXPECT_EQ(history.Back(), QStringLiteral("\\A"));
    EXPECT_TRUE(history.Back().isEmpty());
    EXPECT_EQ(history.Forward(), QStringLiteral("\\B"));
    history.Visit(QStringLiteral("\\D"));
    EXPECT_FALSE(history.CanGoForward());
    EXPECT_EQ(history.Back(), QStringLiteral("\\B"));
    for (int i = 0; i < NavigationHistory::kLimit + 5; ++i)
        history.Visit(QStringLiteral("\\F%1").arg(i));
    int steps = 0;
    while (!history.Back().isEmpty())
        ++steps;
    EXPECT_EQ(steps, NavigationHistory::kLimit - 1);
}
