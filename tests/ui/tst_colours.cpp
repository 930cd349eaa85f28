// The colour page and the polyurethane picker on a floor coating: the palette sets
// the colour, the picker overrides the polyurethane colour until the next step.
#include "support_windows.h"

#include "clickable_label.h"
#include "radio_group.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

namespace {

const QString kMappedFromRedBrick = QStringLiteral("( Цвет: Красно-коричневый )");
const QString kPickedClear = QStringLiteral("( Цвет: Прозрачный )");

QColor AverageColour(const QPixmap &pixmap, QSize frame) {
  const QImage image = pixmap.toImage().copy(QRect(QPoint(0, 0), frame));
  long long r = 0, g = 0, b = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      r += c.red();
      g += c.green();
      b += c.blue();
    }
  }
  const long long n = static_cast<long long>(image.width()) * image.height();
  return QColor(static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n));
}

bool Near(const QColor &a, const SwatchRgb &b) {
  return std::abs(a.red() - b.r) <= 3 && std::abs(a.green() - b.g) <= 3 && std::abs(a.blue() - b.b) <= 3;
}

} // namespace

class TestColours : public WindowsTest {
  Q_OBJECT

private slots:
  void paletteShowsTwentySixColoursInThreeColumns();
  void paletteClickSetsTheColour();
  void pickerChoiceIsKeptByTheRecomposedOffer();
  void cancelRecomposesWithThePreviousColour();
  void escapeClosesThePickerLikeCancel();
  void backToTheColourPageRemapsTheColour();
  void pickerLooksAsDesigned();

private:
  void walkFloorCoatingToOffer(int paletteColour);
  void pick(const std::function<void(TfrmPUColor &)> &action);
};

// Floor coating, indoor floor, concrete, summer, 100, then the palette colour n.
void TestColours::walkFloorCoatingToOffer(int paletteColour) {
  m_ui->choose(w().rgTipRabot, 1);
  m_ui->next(5);
  QCOMPARE(w().pcMain->currentIndex(), 5);
  Click(w().rbCol[static_cast<std::size_t>(paletteColour - 1)]);
  m_ui->next();
  QCOMPARE(w().pcMain->currentIndex(), 6);
  QVERIFY(w().btnPUColor->isVisible());
}

void TestColours::pick(const std::function<void(TfrmPUColor &)> &action) {
  bool opened = false;
  WhenModalOpens([&opened, action](QWidget *modal) {
    auto *picker = qobject_cast<TfrmPUColor *>(modal);
    QVERIFY(picker);
    opened = true;
    action(*picker);
  });
  Click(w().btnPUColor);
  QVERIFY(opened);
  QVERIFY(!m_ui->windows->frmPUColor.isVisible());
}

void TestColours::paletteShowsTwentySixColoursInThreeColumns() {
  for (int n = 1; n <= kPaletteSize; ++n) {
    const QRadioButton *button = w().rbCol[static_cast<std::size_t>(n - 1)];
    const QLabel *swatch = w().imgCol[static_cast<std::size_t>(n - 1)];
    const PaletteColour &colour = Palette()[static_cast<std::size_t>(n - 1)];
    QCOMPARE(button->objectName(), QStringLiteral("rbCol%1").arg(n));
    QCOMPARE(button->text(), QString::fromUtf16(colour.caption));
    const int column = (n - 1) / 9;
    QCOMPARE(swatch->geometry(),
             QRect(std::array<int, 3>{3, 167, 335}[static_cast<std::size_t>(column)], 3 + ((n - 1) % 9) * 44, 46, 38));
    QCOMPARE(button->x(), swatch->x() + 52);
    if (!colour.hasSwatch) {
      QVERIFY(swatch->pixmap().isNull());
      continue;
    }
    // The picture is larger than its frame; the part that shows has the table's colour.
    const QPixmap picture = swatch->pixmap();
    QVERIFY(picture.width() > 46 && picture.height() > 38);
    QVERIFY2(Near(AverageColour(picture, QSize(46, 38)), colour.swatch), qPrintable(button->text()));
  }
  QVERIFY(w().imgCol[22]->pixmap().isNull()); // " Белый-База А" has no picture
  QVERIFY(w().rbCol[0]->isChecked());
}

void TestColours::paletteClickSetsTheColour() {
  m_ui->next(5);
  QCOMPARE(w().pcMain->currentIndex(), 5);
  Click(w().rbCol[4]);
  QVERIFY(w().rbCol[4]->isChecked());
  QVERIFY(!w().rbCol[0]->isChecked());
  QCOMPARE(m_ui->wizard().state.sColorName, QStringLiteral("Королевский пурпур"));
  QCOMPARE(m_ui->wizard().state.dColorExtra, 130.0);
  Click(w().rbCol[22]);
  QCOMPARE(m_ui->wizard().state.sColorName, QStringLiteral(" Белый-База А"));
  QCOMPARE(m_ui->wizard().state.dColorExtra, 0.0);
  Click(w().rbCol[0]);
  QCOMPARE(m_ui->wizard().state.dColorExtra, 50.0);
}

void TestColours::pickerChoiceIsKeptByTheRecomposedOffer() {
  walkFloorCoatingToOffer(2); // "Красный кирпич" maps to "Красно-коричневый"
  const OfferDocument &offer = m_ui->wizard().offer;
  QVERIFY(FindLineContaining(offer, kMappedFromRedBrick) > 0);

  pick([](TfrmPUColor &picker) { QTest::mouseClick(picker.lblCol[12], Qt::LeftButton); });
  QCOMPARE(m_ui->wizard().state.sPUColorName, QStringLiteral("Прозрачный"));
  QCOMPARE(m_ui->wizard().state.dPUColorExtra, 40.0);
  QVERIFY(FindLineContaining(offer, kPickedClear) > 0);
  QCOMPARE(FindLineContaining(offer, kMappedFromRedBrick), -1);
  // The view shows the recomposed offer, and the page stays.
  QStringList shown = BlockTexts(*w().reOut->document());
  shown.removeLast();
  QCOMPARE(shown, OfferLines(offer));
  QCOMPARE(w().pcMain->currentIndex(), 6);
  QVERIFY(w().btnPUColor->isVisible());

  // A swatch works as well as its name.
  pick([](TfrmPUColor &picker) { QTest::mouseClick(picker.imgCol[4], Qt::LeftButton); });
  QCOMPARE(m_ui->wizard().state.sPUColorName, QStringLiteral("Тёмно-Серый"));
  QVERIFY(FindLineContaining(offer, QStringLiteral("( Цвет: Тёмно-Серый )")) > 0);
}

void TestColours::cancelRecomposesWithThePreviousColour() {
  walkFloorCoatingToOffer(2);
  pick([](TfrmPUColor &picker) { QTest::mouseClick(picker.lblCol[12], Qt::LeftButton); });
  pick([](TfrmPUColor &picker) { QTest::mouseClick(picker.bbCancel, Qt::LeftButton); });
  QCOMPARE(m_ui->wizard().state.sPUColorName, QStringLiteral("Прозрачный"));
  QVERIFY(FindLineContaining(m_ui->wizard().offer, kPickedClear) > 0);
}

void TestColours::escapeClosesThePickerLikeCancel() {
  walkFloorCoatingToOffer(2);
  pick([](TfrmPUColor &picker) { QTest::keyClick(&picker, Qt::Key_Escape); });
  QCOMPARE(m_ui->wizard().state.sPUColorName, QStringLiteral("Красно-коричневый"));
  QVERIFY(FindLineContaining(m_ui->wizard().offer, kMappedFromRedBrick) > 0);
}

void TestColours::backToTheColourPageRemapsTheColour() {
  walkFloorCoatingToOffer(2);
  pick([](TfrmPUColor &picker) { QTest::mouseClick(picker.lblCol[12], Qt::LeftButton); });
  m_ui->prev();
  QCOMPARE(w().pcMain->currentIndex(), 5);
  QCOMPARE(m_ui->wizard().state.sPUColorName, QStringLiteral("Красно-коричневый"));
  QVERIFY(FindLineContaining(m_ui->wizard().offer, kMappedFromRedBrick) > 0);
  // Leaving the offer page hides the picker button, whatever the composition asked.
  QCOMPARE(w().btnPUColor->isVisible(), m_ui->wizard().buttons.btnPUColor);
  QVERIFY(w().rbCol[1]->isChecked());
}

void TestColours::pickerLooksAsDesigned() {
  TfrmPUColor &picker = m_ui->windows->frmPUColor;
  QVERIFY(picker.windowFlags() & Qt::FramelessWindowHint);
  QCOMPARE(picker.size(), QSize(434, 250)); // 432 x 248 inside a 1-pixel frame
  QCOMPARE(picker.bbCancel->text(), QStringLiteral("Отмена"));
  for (int n = 1; n <= kPUColourCount; ++n) {
    const auto index = static_cast<std::size_t>(n - 1);
    QCOMPARE(picker.imgCol[index]->objectName(), QStringLiteral("imgCol%1").arg(n));
    QCOMPARE(picker.lblCol[index]->objectName(), QStringLiteral("lblCol%1").arg(n));
    QCOMPARE(picker.lblCol[index]->text(), QString::fromUtf16(PUColours()[index].label));
    QCOMPARE(picker.imgCol[index]->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(picker.lblCol[index]->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(picker.imgCol[index]->size(), QSize(46, 38));
    const QPixmap picture = picker.imgCol[index]->pixmap();
    QVERIFY(!picture.isNull());
    QVERIFY2(Near(AverageColour(picture, picture.size()), PUColours()[index].swatch),
             qPrintable(picker.lblCol[index]->text()));
  }
  QVERIFY(picker.imgCol[12]->hasScaledContents());
}

QTEST_MAIN(TestColours)
#include "tst_colours.moc"
