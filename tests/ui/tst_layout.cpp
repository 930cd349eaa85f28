// Every caption of the fixed layouts is fully visible with the fonts that replace
// Tahoma: no button or label text is cut, nothing runs past its window or into the
// next palette column, and the article needs no scroll bar.
#include "support_windows.h"

#include "radio_group.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

namespace {

constexpr int kPushButtonMargins = 8;

QString Describe(const QWidget *widget, const QString &text) {
  return widget->objectName() + QStringLiteral(" \"") + text + QStringLiteral("\"");
}

// Collects a description of every text on `window` that does not fit where it stands.
QStringList ClippedTexts(const QWidget *window) {
  QStringList clipped;
  for (const QWidget *widget : window->findChildren<QWidget *>()) {
    if (!widget->isVisibleTo(window) || !widget->parentWidget())
      continue;
    const int roomRight = widget->parentWidget()->width() - widget->x();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
      if (button->text().isEmpty())
        continue;
      // A push button's size hint has a floor of its own; what counts is its caption.
      const bool push = qobject_cast<const QPushButton *>(button) != nullptr;
      const int needed = push ? button->fontMetrics().horizontalAdvance(button->text()) + kPushButtonMargins
                              : button->sizeHint().width();
      if (needed > button->width() || needed > roomRight)
        clipped.append(Describe(widget, button->text()));
    } else if (const auto *label = qobject_cast<const QLabel *>(widget)) {
      if (label->text().isEmpty())
        continue;
      const bool fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                          : label->sizeHint().width() <= std::min(label->width(), roomRight);
      if (!fits)
        clipped.append(Describe(widget, label->text()));
    }
  }
  return clipped;
}

} // namespace

#define VERIFY_NOTHING_CLIPPED(window)                                                                                 \
  do {                                                                                                                 \
    const QStringList clipped = ClippedTexts(window);                                                                  \
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));                                       \
  } while (false)

class TestLayout : public WindowsTest {
  Q_OBJECT

private slots:
  void everyPageShowsItsTextsWhole();
  void roofQualityQuestionFits();
  void paletteButtonsStayInTheirColumns();
  void pickerAndArticleFit();

private:
};

void TestLayout::everyPageShowsItsTextsWhole() {
  const QTabBar *tabs = w().pcMain->tabBar();
  QVERIFY(tabs->tabRect(tabs->count() - 1).right() < w().pcMain->width());
  for (int page = 0; page <= 6; ++page) {
    QCOMPARE(w().pcMain->currentIndex(), page);
    if (page == 6)
      w().lblHint->show();
    VERIFY_NOTHING_CLIPPED(&w());
    if (page < 6)
      m_ui->next();
  }
  // The offer page with both buttons of the bottom panel (a floor coating shows the picker's).
  QVERIFY(w().btnDop->isVisible());
  w().btnPUColor->show();
  VERIFY_NOTHING_CLIPPED(&w());
}

void TestLayout::roofQualityQuestionFits() {
  m_ui->next();
  m_ui->next();
  m_ui->choose(w().rgMaterial, 4); // profiled metal sheets: the roof-quality question
  m_ui->next();
  QCOMPARE(w().pcMain->tabText(3), QStringLiteral("Качество кровли"));
  QCOMPARE(w().rgTemperature->count(), 3);
  VERIFY_NOTHING_CLIPPED(&w());
  for (int item = 0; item < 3; ++item) {
    const QRadioButton *button = w().rgTemperature->button(item);
    QTRY_VERIFY(button->height() >= button->sizeHint().height());
  }
}

void TestLayout::paletteButtonsStayInTheirColumns() {
  for (int n = 1; n <= kPaletteSize; ++n) {
    const QRadioButton *button = w().rbCol[static_cast<std::size_t>(n - 1)];
    const int textEnd = button->x() + button->sizeHint().width();
    if (n + 9 <= kPaletteSize) {
      const QLabel *nextColumn = w().imgCol[static_cast<std::size_t>(n - 1 + 9)];
      QVERIFY2(textEnd <= nextColumn->x(), qPrintable(button->text()));
    }
  }
}

void TestLayout::pickerAndArticleFit() {
  m_ui->windows->frmPUColor.show();
  QVERIFY(QTest::qWaitForWindowExposed(&m_ui->windows->frmPUColor));
  VERIFY_NOTHING_CLIPPED(&m_ui->windows->frmPUColor);
  m_ui->windows->frmPUColor.hide();

  TfrmAboutArm &about = m_ui->windows->frmAboutArm;
  about.show();
  QVERIFY(QTest::qWaitForWindowExposed(&about));
  VERIFY_NOTHING_CLIPPED(&about);
  QCOMPARE(about.reDop->verticalScrollBar()->maximum(), 0);
  about.hide();
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
