#pragma once

// Input for the order tests the way a user gives it.

#include <QString>
#include <QTest>
#include <QWidget>
#include <QWindow>

// A click the way the window system delivers it: to the window first, so that
// the form can hold it back when the focused field may not be left.
inline void ClickInto(QWidget *widget) {
  QWidget *window = widget->window();
  QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                    widget->mapTo(window, widget->rect().center()));
}

// Types `text` key by key, Cyrillic included.
inline void TypeText(QWidget *widget, const QString &text) {
  for (const QChar ch : text) {
    if (ch.unicode() < 0x80) {
      QTest::keyClick(widget, static_cast<char>(ch.unicode()));
      continue;
    }
    QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
  }
}
