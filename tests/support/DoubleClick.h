#pragma once

#include <QTest>
#include <QWidget>

// A double click as the X server delivers it: press, release, double click,
// release. QTest::mouseDClick alone sends the double-click event only.
inline void doubleClick(QWidget *widget, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(widget, button);
    QTest::mouseRelease(widget, button);
    QTest::mouseDClick(widget, button);
    QTest::mouseRelease(widget, button);
}
