#include "support_windows.h"

#include "area_edit.h"
#include "offer_view.h"
#include "radio_group.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

ShownWindows::ShownWindows() : windows(std::make_unique<TintoraWindows>()) {
  main().show();
  if (!QTest::qWaitForWindowExposed(&main()))
    qWarning("the main window was not exposed");
}

ShownWindows::~ShownWindows() = default;

void ShownWindows::next(int presses) {
  for (int press = 0; press < presses; ++press)
    Click(main().bbNext);
}

void ShownWindows::prev() {
  Click(main().bbPrev);
}

void ShownWindows::choose(RadioGroup *group, int index) {
  QRadioButton *button = group->button(index);
  QVERIFY2(button, "no such item");
  Click(button);
}

void ShownWindows::typeArea(const QString &text) {
  AreaEdit *edit = main().medS;
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_End);
  for (int i = 0; i < 20; ++i)
    QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClicks(edit, text);
}

void Click(QAbstractButton *button) {
  QVERIFY2(button->isVisible(), qPrintable(button->objectName() + QStringLiteral(" is not visible")));
  QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

void WhenModalOpens(std::function<void(QWidget *modal)> action) {
  constexpr int kTries = 500;
  auto *poll = new QTimer;
  poll->setInterval(10);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, action, triesLeft = kTries]() mutable {
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal && --triesLeft > 0)
      return;
    poll->stop();
    poll->deleteLater();
    if (modal)
      action(modal);
  });
  poll->start();
}

QStringList BlockTexts(const QTextDocument &document) {
  QStringList texts;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
    texts.append(block.text());
  return texts;
}

QStringList OfferLines(const OfferDocument &offer) {
  QStringList lines;
  for (const OfferLine &line : offer.lines())
    lines.append(line.text);
  return lines;
}

int FindLine(const OfferDocument &offer, const QString &prefix, int from) {
  for (int i = std::max(from, 0); i < offer.count(); ++i) {
    if (offer.lineText(i).startsWith(prefix))
      return i;
  }
  return -1;
}

int FindLineContaining(const OfferDocument &offer, const QString &text, int from) {
  for (int i = std::max(from, 0); i < offer.count(); ++i) {
    if (offer.lineText(i).contains(text))
      return i;
  }
  return -1;
}

QPoint PointOnLine(TfrmMain &frmMain, int line) {
  OfferView *view = frmMain.reOut;
  QTextCursor cursor(view->document()->findBlockByNumber(line));
  view->setTextCursor(cursor);
  view->ensureCursorVisible();
  const QRect caret = view->cursorRect(cursor);
  return QPoint(caret.left() + 12, caret.center().y());
}
