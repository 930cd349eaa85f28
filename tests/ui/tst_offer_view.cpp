// The offer view: one paragraph per offer line with the line's format, the hint and
// the hand pointer, liLineNum from the caret, and the order form on a click.
#include "support_windows.h"

#include "offer_view.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

class TestOfferView : public WindowsTest {
  Q_OBJECT

private slots:
  void beforeAnyCompositionTheViewHoldsOneEmptyLine();
  void everyLineIsOneParagraphWithItsFormat();
  void hintAndHandPointerFollowThePointer();
  void clickAnywhereOpensTheOrderFormAndRecordsTheLine();
  void doubleClickAndFurtherClicksOnlyBringTheFormForward();
  void leavingTheOfferPageKeepsTheFormAndTheLine();

private:
  void walkToOffer();
};

void TestOfferView::walkToOffer() {
  m_ui->next(6);
  QCOMPARE(w().pcMain->currentIndex(), 6);
}

void TestOfferView::beforeAnyCompositionTheViewHoldsOneEmptyLine() {
  QCOMPARE(w().reOut->document()->blockCount(), 1);
  QVERIFY(w().reOut->toPlainText().isEmpty());
  QVERIFY(w().reOut->isReadOnly());
  QVERIFY(w().reOut->textInteractionFlags() & Qt::TextSelectableByKeyboard);
  QCOMPARE(w().reOut->lineWrapMode(), QTextEdit::WidgetWidth);
}

void TestOfferView::everyLineIsOneParagraphWithItsFormat() {
  walkToOffer();
  const OfferDocument &offer = m_ui->wizard().offer;
  const QTextDocument &shown = *w().reOut->document();
  QCOMPARE(shown.blockCount(), offer.count() + 1);
  bool someLineWraps = false;
  for (int i = 0; i < offer.count(); ++i) {
    const OfferLine &line = offer.lines()[static_cast<std::size_t>(i)];
    const QTextBlock block = shown.findBlockByNumber(i);
    QCOMPARE(block.text(), line.text);
    if (line.text.isEmpty())
      continue;
    // The last fragment: a priced line's leading marker is drawn invisibly.
    QTextBlock::iterator fragment = block.begin();
    QTextCharFormat chars = fragment.fragment().charFormat();
    for (; !fragment.atEnd(); ++fragment)
      chars = fragment.fragment().charFormat();
    QCOMPARE(chars.foreground().color().rgb() & 0xFFFFFF, static_cast<QRgb>(line.format.color));
    QCOMPARE(qRound(chars.fontPointSize()), line.format.size);
    QCOMPARE(chars.fontWeight() >= QFont::Bold, line.format.bold);
    someLineWraps = someLineWraps || block.layout()->lineCount() > 1;
  }
  // The first line is the coloured summary; a wrapped line still counts as one.
  QVERIFY(someLineWraps);
  QCOMPARE(w().reOut->caretLine(), offer.count());
}

void TestOfferView::hintAndHandPointerFollowThePointer() {
  walkToOffer();
  QVERIFY(w().lblHint->isHidden());
  QCOMPARE(w().lblHint->text(), QStringLiteral("Кликните мышкой на понравившемся Вам варианте для оформления заказа:"));
  const Qt::CursorShape ownPointer = w().reOut->viewport()->cursor().shape();
  QTest::mouseMove(w().reOut->viewport(), QPoint(30, 30));
  QTRY_VERIFY(w().lblHint->isVisible());
  QCOMPARE(w().reOut->viewport()->cursor().shape(), Qt::PointingHandCursor);
  QTest::mouseMove(w().bbPrev, w().bbPrev->rect().center());
  QTRY_VERIFY(w().lblHint->isHidden());
  QCOMPARE(w().reOut->viewport()->cursor().shape(), ownPointer);
}

void TestOfferView::clickAnywhereOpensTheOrderFormAndRecordsTheLine() {
  walkToOffer();
  const OfferDocument &offer = m_ui->wizard().offer;
  // On the summary at the top: the caret moves there, and the line is recorded.
  const QPoint top = PointOnLine(w(), 0);
  QTest::mouseClick(w().reOut->viewport(), Qt::LeftButton, {}, top);
  QCOMPARE(w().liLineNum(), 0);
  QTRY_VERIFY(m_ui->windows->frmZakaz.isVisible());
  m_ui->windows->frmZakaz.hide();

  // Below the last line: the empty paragraph after it.
  const QPoint bottom = PointOnLine(w(), offer.count());
  QTest::mouseClick(w().reOut->viewport(), Qt::LeftButton, {}, bottom + QPoint(0, 2));
  QCOMPARE(w().liLineNum(), offer.count());
  QTRY_VERIFY(m_ui->windows->frmZakaz.isVisible());

  // The keyboard moves the caret; liLineNum follows only at the next pointer movement.
  w().reOut->setFocus();
  QTest::keyClick(w().reOut, Qt::Key_Home, Qt::ControlModifier);
  QCOMPARE(w().reOut->caretLine(), 0);
  QCOMPARE(w().liLineNum(), offer.count());
  QTest::mouseMove(w().reOut->viewport(), QPoint(50, 20));
  QTRY_COMPARE(w().liLineNum(), 0);
}

void TestOfferView::doubleClickAndFurtherClicksOnlyBringTheFormForward() {
  walkToOffer();
  const int line = FindLine(m_ui->wizard().offer, QString(kProductLineMarker));
  QVERIFY(line > 0);
  const QPoint on = PointOnLine(w(), line);
  QTest::mouseDClick(w().reOut->viewport(), Qt::LeftButton, {}, on);
  QTRY_VERIFY(m_ui->windows->frmZakaz.isVisible());
  QCOMPARE(w().liLineNum(), line);
  QTest::mouseClick(w().reOut->viewport(), Qt::LeftButton, {}, on);
  QVERIFY(m_ui->windows->frmZakaz.isVisible());
  QVERIFY(w().isEnabled());
}

void TestOfferView::leavingTheOfferPageKeepsTheFormAndTheLine() {
  walkToOffer();
  const int line = FindLine(m_ui->wizard().offer, QString(kProductLineMarker));
  QTest::mouseClick(w().reOut->viewport(), Qt::LeftButton, {}, PointOnLine(w(), line));
  QTRY_VERIFY(m_ui->windows->frmZakaz.isVisible());
  m_ui->prev();
  QCOMPARE(w().pcMain->currentIndex(), 5);
  QVERIFY(m_ui->windows->frmZakaz.isVisible());
  QCOMPARE(w().liLineNum(), line);
  // A new composition leaves liLineNum alone as well.
  m_ui->next();
  QCOMPARE(w().liLineNum(), line);
}

QTEST_MAIN(TestOfferView)
#include "tst_offer_view.moc"
