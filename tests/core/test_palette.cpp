#include "palette.h"
#include "wizard.h"
#include "wizard_test_host.h"

#include <gtest/gtest.h>

namespace {

QString Caption(int n) {
  return QString::fromUtf16(Palette()[static_cast<std::size_t>(n - 1)].caption);
}

struct PaletteRow {
  const char16_t *caption;
  double surcharge;
  const char16_t *puName; // what MapToPUColor sets, nullptr for no match
  double puSurcharge;
};

const PaletteRow kPaletteRows[kPaletteSize] = {
    {u"Лист ландыша", 50, u"Зелёный", 20},
    {u"Красный кирпич", 60, u"Красно-коричневый", 20},
    {u"Римские крыши", 150, u"Красный", 30},
    {u"Солнечный день", 60, u"Жёлтый", 30},
    {u"Королевский пурпур", 130, u"Красный", 30},
    {u"Первомай", 130, u"Красный", 30},
    {u"Темный шоколад", 90, u"Тёмно-коричневый", 30},
    {u"Молочный шоколад", 60, u"Коричневый", 20},
    {u"Босфор", 70, u"Синий", 30},
    {u"Весеннее небо", 50, u"Голубой", 10},
    {u"Северный шторм", 85, u"Синий", 30},
    {u"Светлая кожа", 50, u"Жёлтый", 30},
    {u"Нежный персик", 50, u"Красный", 30},
    {u"Сахара", 50, u"Жёлтый", 30},
    {u"Оранж", 60, u"Красный", 30},
    {u"Антрацит", 60, u"Чёрный", 20},
    {u"Морская волна", 50, u"Голубой", 10},
    {u"Литой бетон", 40, u"Серый", 20},
    {u"Благородный серый", 50, u"Серый", 20},
    {u"Сельский дом", 50, u"Жёлтый", 30},
    {u"Фисташка", 70, u"Зелёный", 20},
    {u"Классика", 50, u"Коричневый", 20},
    {u" Белый-База А", 0, nullptr, 0},
    {u"СуперБелый", 80, u"Белый", 0},
    {u"Сиреневый", 60, u"Голубой", 10},
    {u"Темно серый", 50, u"Тёмно-серый", 20},
};

TEST(Palette, CaptionsAndSurchargesOfTheTwentySixColours) {
  for (int n = 1; n <= kPaletteSize; ++n) {
    const PaletteRow &row = kPaletteRows[n - 1];
    SelectionState state;
    ApplyPaletteColour(state, n);
    EXPECT_EQ(state.sColorName, QString::fromUtf16(row.caption)) << n;
    EXPECT_EQ(state.dColorExtra, row.surcharge) << n;
    EXPECT_EQ(Palette()[static_cast<std::size_t>(n - 1)].hasSwatch, n != 23) << n;
  }
  const SwatchRgb first = Palette()[0].swatch;
  EXPECT_EQ((std::array<int, 3>{first.r, first.g, first.b}), (std::array<int, 3>{64, 105, 60}));
}

TEST(Palette, MapToPUColorForEveryPaletteColour) {
  for (int n = 1; n <= kPaletteSize; ++n) {
    const PaletteRow &row = kPaletteRows[n - 1];
    SelectionState state;
    state.sPUColorName = QStringLiteral("before");
    state.dPUColorExtra = 99;
    MapToPUColor(state, Caption(n));
    EXPECT_EQ(state.sPUColorName, row.puName ? QString::fromUtf16(row.puName) : QStringLiteral("before")) << n;
    EXPECT_EQ(state.dPUColorExtra, row.puName ? row.puSurcharge : 99.0) << n;
  }
}

TEST(Palette, MapToPUColorBeyondThePalette) {
  const std::pair<QString, QString> cases[] = {
      {QStringLiteral("Белый"), QStringLiteral("Белый")}, // the roof scenarios' white
      {QStringLiteral("лист"), QString()},                // shorter than the key "ЛИСТ "
      {QString(), QString()},
      {QStringLiteral("Тёмно-серый"), QString()}, // "ТЁМНО" is not "ТЕМНО"
  };
  for (const auto &[name, expected] : cases) {
    SelectionState state;
    MapToPUColor(state, name);
    EXPECT_EQ(state.sPUColorName, expected) << name.toStdString();
  }
}

TEST(Palette, PickerEntriesSetNameAndSurcharge) {
  const std::pair<const char16_t *, double> entries[kPUColourCount] = {
      {u"Зелёный", 20}, {u"Голубой", 10}, {u"Жёлтый", 30},     {u"Коричневый", 20},       {u"Тёмно-Серый", 20},
      {u"Красный", 30}, {u"Серый", 20},   {u"Синий", 30},      {u"Тёмно-коричневый", 30}, {u"Красно-коричневый", 20},
      {u"Чёрный", 20},  {u"Белый", 0},    {u"Прозрачный", 40},
  };
  for (int n = 1; n <= kPUColourCount; ++n) {
    SelectionState state;
    ApplyPUColour(state, n);
    EXPECT_EQ(state.sPUColorName, QString::fromUtf16(entries[n - 1].first)) << n;
    EXPECT_EQ(state.dPUColorExtra, entries[n - 1].second) << n;
  }
  EXPECT_EQ(QString::fromUtf16(PUColours()[4].label), QStringLiteral("Тёмно-серый"));
  EXPECT_EQ(QString::fromUtf16(PUColours()[12].label), QStringLiteral("Прозрачный (Вуалин)"));
}

TEST(Palette, PickerControlNamesGiveTheEntryNumber) {
  const std::pair<QString, int> cases[] = {
      {QStringLiteral("imgCol1"), 1},   {QStringLiteral("imgCol7"), 7},   {QStringLiteral("lblCol9"), 9},
      {QStringLiteral("imgCol10"), 10}, {QStringLiteral("lblCol12"), 12}, {QStringLiteral("lblCol13"), 13},
      {QStringLiteral("imgCol0"), 0},   {QStringLiteral("imgCol14"), 0},  {QStringLiteral("imgCol"), 0},
      {QStringLiteral("bbCancel"), 0},
  };
  for (const auto &[name, number] : cases)
    EXPECT_EQ(PUColourNumberFromControlName(name), number) << name.toStdString();
}

TEST(Palette, ClickOnTheSelectedButtonChangesNothing) {
  Wizard w;
  // "Лист ландыша" is selected at start, though no colour has been set.
  w.rbColClick(1);
  EXPECT_TRUE(w.state.sColorName.isEmpty());
  EXPECT_EQ(w.state.dColorExtra, 0.0);

  w.rbColClick(23);
  EXPECT_EQ(w.selectedPaletteColour(), 23);
  EXPECT_EQ(w.state.sColorName, QStringLiteral(" Белый-База А"));
  EXPECT_EQ(w.state.dColorExtra, 0.0);

  w.rbColClick(1);
  EXPECT_EQ(w.state.sColorName, QStringLiteral("Лист ландыша"));
  EXPECT_EQ(w.state.dColorExtra, 50.0);
}

TEST(Palette, SuperWhiteIsRestoredOnlyAfterAnotherColour) {
  Wizard w;
  w.rbColClick(24);
  // The roof scenarios replace it by plain white.
  w.state.sColorName = QStringLiteral("Белый");
  w.state.dColorExtra = 0;
  w.rbColClick(24);
  EXPECT_EQ(w.state.sColorName, QStringLiteral("Белый"));
  w.rbColClick(3);
  w.rbColClick(24);
  EXPECT_EQ(w.state.sColorName, QStringLiteral("СуперБелый"));
  EXPECT_EQ(w.state.dColorExtra, 80.0);
}

TEST(Palette, ClosingThePickerRecomposesTheOffer) {
  RecordingHost host;
  Wizard w(&host);
  w.puColourPickerClosed(13);
  EXPECT_EQ(w.state.sPUColorName, QStringLiteral("Прозрачный"));
  EXPECT_EQ(w.state.dPUColorExtra, 40.0);
  EXPECT_EQ(host.compositions, 1);

  w.puColourPickerClosed(0); // "Отмена"
  EXPECT_EQ(w.state.sPUColorName, QStringLiteral("Прозрачный"));
  EXPECT_EQ(host.compositions, 2);
}

} // namespace
