#pragma once

#include <QTest>

// Handles events until the condition holds or five seconds have passed, and
// leaves the verdict to the QCOMPARE or QVERIFY that follows, which says what
// was seen. It takes the place of QTRY_COMPARE and QTRY_VERIFY: in Qt 6.8 those
// narrow the timeout's 64-bit count into an int wherever they are used, with
// any form of timeout, and -Wconversion reports each use. QTest::qWaitFor with
// its default timeout reads the same on Qt 6.4 and 6.8.
template <typename Condition> void waitUntil(Condition condition)
{
    // Not holding in time is what the check after the wait reports.
    static_cast<void>(QTest::qWaitFor(condition));
}
