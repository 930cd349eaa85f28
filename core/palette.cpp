#include "palette.h"

#include "selection_key.h"
#include "static_text.h"

#include <QStringList>
#include <algorithm>
#include <initializer_list>

namespace {

struct PUKeyRow {
  std::initializer_list<QStringView> keys; // first five characters of the upper-cased name
  const char16_t *name;
  double surcharge;
};

} // namespace

const std::array<PaletteColour, kPaletteSize> &Palette() {
  static const std::array<PaletteColour, kPaletteSize> palette{{
      {u"Лист ландыша", 50, true, {64, 105, 60}},
      {u"Красный кирпич", 60, true, {179, 88, 62}},
      {u"Римские крыши", 150, true, {190, 63, 46}},
      {u"Солнечный день", 60, true, {248, 213, 0}},
      {u"Королевский пурпур", 130, true, {124, 35, 51}},
      {u"Первомай", 130, true, {171, 5, 16}},
      {u"Темный шоколад", 90, true, {53, 17, 13}},
      {u"Молочный шоколад", 60, true, {126, 74, 47}},
      {u"Босфор", 70, true, {26, 69, 111}},
      {u"Весеннее небо", 50, true, {108, 184, 215}},
      {u"Северный шторм", 85, true, {62, 62, 84}},
      {u"Светлая кожа", 50, true, {230, 222, 175}},
      {u"Нежный персик", 50, true, {238, 190, 170}},
      {u"Сахара", 50, true, {227, 219, 118}},
      {u"Оранж", 60, true, {248, 77, 6}},
      {u"Антрацит", 60, true, {45, 47, 49}},
      {u"Морская волна", 50, true, {93, 198, 196}},
      {u"Литой бетон", 40, true, {172, 180, 169}},
      {u"Благородный серый", 50, true, {87, 109, 122}},
      {u"Сельский дом", 50, true, {220, 164, 113}},
      {u"Фисташка", 70, true, {209, 220, 126}},
      {u"Классика", 50, true, {153, 131, 103}},
      {u" Белый-База А", 0, false, {0, 0, 0}}, // no picture: the page background shows
      {u"СуперБелый", 80, true, {254, 254, 254}},
      {u"Сиреневый", 60, true, {125, 112, 160}},
      {u"Темно серый", 50, true, {74, 79, 82}},
  }};
  return palette;
}

const std::array<PUColour, kPUColourCount> &PUColours() {
  static const std::array<PUColour, kPUColourCount> colours{{
      {u"Зелёный", u"Зелёный", 20, {0, 113, 67}},
      {u"Голубой", u"Голубой", 10, {51, 129, 183}},
      {u"Жёлтый", u"Жёлтый", 30, {243, 224, 59}},
      {u"Коричневый", u"Коричневый", 20, {123, 81, 65}},
      {u"Тёмно-серый", u"Тёмно-Серый", 20, {55, 63, 66}},
      {u"Красный", u"Красный", 30, {204, 51, 52}},
      {u"Серый", u"Серый", 20, {144, 153, 160}},
      {u"Синий", u"Синий", 30, {15, 81, 140}},
      {u"Тёмно-коричневый", u"Тёмно-коричневый", 30, {62, 58, 57}},
      {u"Красно-коричневый", u"Красно-коричневый", 20, {111, 55, 48}},
      {u"Чёрный", u"Чёрный", 20, {40, 44, 46}},
      {u"Белый", u"Белый", 0, {254, 254, 254}},
      {u"Прозрачный (Вуалин)", u"Прозрачный", 40, {212, 212, 212}},
  }};
  return colours;
}

void ApplyPaletteColour(SelectionState &state, int n) {
  if (n < 1 || n > kPaletteSize)
    return;
  const PaletteColour &colour = Palette()[static_cast<std::size_t>(n - 1)];
  state.sColorName = StaticText(colour.caption);
  state.dColorExtra = colour.surcharge;
}

void ApplyPUColour(SelectionState &state, int n) {
  if (n < 1 || n > kPUColourCount)
    return;
  const PUColour &colour = PUColours()[static_cast<std::size_t>(n - 1)];
  state.sPUColorName = StaticText(colour.name);
  state.dPUColorExtra = colour.surcharge;
}

void MapToPUColor(SelectionState &state, const QString &colourName) {
  static const PUKeyRow table[] = {
      {{u"ЛИСТ ", u"ФИСТА"}, u"Зелёный", 20},
      {{u"КРАСН"}, u"Красно-коричневый", 20},
      {{u"РИМСК", u"КОРОЛ", u"ПЕРВО", u"НЕЖНЫ", u"ОРАНЖ"}, u"Красный", 30},
      {{u"СОЛНЕ", u"СВЕТЛ", u"САХАР", u"СЕЛЬС"}, u"Жёлтый", 30},
      {{u"ТЕМНЫ"}, u"Тёмно-коричневый", 30},
      {{u"МОЛОЧ", u"КЛАСС"}, u"Коричневый", 20},
      {{u"БОСФО", u"СЕВЕР"}, u"Синий", 30},
      {{u"ВЕСЕН", u"МОРСК", u"СИРЕН"}, u"Голубой", 10},
      {{u"АНТРА"}, u"Чёрный", 20},
      {{u"ЛИТОЙ", u"БЛАГО"}, u"Серый", 20},
      {{u"БЕЛЫЙ", u"СУПЕР"}, u"Белый", 0},
      {{u"ТЕМНО"}, u"Тёмно-серый", 20},
  };
  // The keys are distinct, so the first match is the only one.
  const QString key = SelectionKey(colourName, 1, 5);
  for (const PUKeyRow &row : table) {
    if (std::find(row.keys.begin(), row.keys.end(), key) != row.keys.end()) {
      state.sPUColorName = StaticText(row.name);
      state.dPUColorExtra = row.surcharge;
      return;
    }
  }
}

// The number follows "imgCol" or "lblCol": one digit when the name is seven
// characters long, otherwise the two digits after the prefix.
int PUColourNumberFromControlName(const QString &name) {
  static const QStringList prefixes{QStringLiteral("imgCol"), QStringLiteral("lblCol")};
  const QString prefix = name.left(6);
  if (!prefixes.contains(prefix) || name.size() < 7)
    return 0;
  bool ok = false;
  const int number = name.mid(6, name.size() == 7 ? 1 : 2).toInt(&ok);
  return ok && number >= 1 && number <= kPUColourCount ? number : 0;
}
