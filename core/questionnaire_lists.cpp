#include "questionnaire_lists.h"

#include <array>

namespace questionnaire_lists {

namespace {

// The fourteen materials; the initial list still ends items 9-14 with a full stop.
QStringList Materials(bool withFullStops) {
  const QString stop = withFullStops ? QStringLiteral(".") : QString();
  return {
      QStringLiteral("Бетон, кирпич, штукатурка"),
      QStringLiteral("Дерево, Фанера, OSB (Ориентированно-стружечная плита), ЦСП (Цементно-стружечная плита)"),
      QStringLiteral("Наплавляемые рулонные материалы Типа Рубероид, Технониколь и тп"),
      QStringLiteral("Мягкая черепица типа Шинглас и тп"),
      QStringLiteral("Металлочерепица/Профнастил/Черный металлопрокат"),
      QStringLiteral("Алюминиевый (Дюралиевый) прокат"),
      QStringLiteral("Оцинкованный металлопрокат"),
      QStringLiteral("Шифер"),
      QStringLiteral("Битум и гудрон") + stop,
      QStringLiteral("Асфальт") + stop,
      QStringLiteral("Плитка керамическая и керамогранит") + stop,
      QStringLiteral("Покрытия из резиновой крошки и рулонной резины") + stop,
      QStringLiteral("Натуральный и искусственный камень") + stop,
      QStringLiteral("ПВХ (Поливинилхлорид)") + stop,
  };
}

QString TemperatureLabel() {
  return QStringLiteral("Выберите температуру окружающего воздуха и перейдите \"Далее\":");
}
QString TemperatureCaption() {
  return QStringLiteral("Температура ОВ");
}
QString SummerDegrees() {
  return QStringLiteral("Летнее время (Температура при окрашивании выше 0 градусов)");
}
QString WinterDegrees() {
  return QStringLiteral("Зимнее время (Температура при окрашивании ниже 0 градусов)");
}

} // namespace

const QStringList &InitialWorkTypes() {
  static const QStringList list{
      QStringLiteral("Гидроизоляция (реставрация и создание нового кровельного покрытия, фундаменты, цоколи, плиты "
                     "перекрытия, фасады, полы, стены и потолки, площадки, дорожки, отмостки, бассейны, пруды, "
                     "фонтаны, металлоконструкции)."),
      QStringLiteral("Покрытие для пола, дорожек, площадок, отмосток. Снаружи и внутри помещений."),
      QStringLiteral("Теплоизоляция"),
      QStringLiteral("Огнезащитное окрашивание металлоконструкций и бетона"),
      QStringLiteral("Антикоррозионная обработка металлоконструкций и холодное цинкование"),
  };
  return list;
}

const QStringList &ObjectsAll() {
  static const QStringList list{
      QStringLiteral("Кровля"),
      QStringLiteral("Фундамент/Цоколь/Плиты перекрытия"),
      QStringLiteral("Фасад"),
      QStringLiteral("Пол (внутри помещения)"),
      QStringLiteral("Стены и потолок (внутри помещения)"),
      QStringLiteral("Площадки, дорожки, отмостки (открытый воздух)"),
      QStringLiteral("Бассейны/Пруды/Фонтаны/Гидросооружения"),
      QStringLiteral("Металлоконструкции"),
  };
  return list;
}

const QStringList &InitialObjects() {
  // As designed, the second object carried a trailing blank until a rule rewrote the list.
  static const QStringList list = [] {
    QStringList objects = ObjectsAll();
    objects[1] += QLatin1Char(' ');
    return objects;
  }();
  return list;
}

const QStringList &ObjectsFloor() {
  static const QStringList list{ObjectsAll().at(3), ObjectsAll().at(5)};
  return list;
}

const QStringList &MaterialsAll() {
  static const QStringList list = Materials(false);
  return list;
}

const QStringList &InitialMaterials() {
  static const QStringList list = Materials(true);
  return list;
}

QString FixedTabCaption(int page) {
  static const std::array<QString, kPageCount> captions{
      QStringLiteral("Тип Работ"),   QStringLiteral("Вид Объекта"),         QStringLiteral("Материал Основания"),
      TemperatureCaption(),          QStringLiteral("Площадь поверхности"), QStringLiteral("Цвет"),
      QStringLiteral("Предложение"),
  };
  return page >= 0 && page < kPageCount ? captions[static_cast<std::size_t>(page)] : QString();
}

QString FixedQuestionLabel(int page) {
  static const std::array<QString, kPageCount> labels{
      QStringLiteral("Выберите тип работ по окрашиванию и перейдите \"Далее\":"),
      QStringLiteral("Выберите вид окрашиваемого объекта по окрашиванию и перейдите \"Далее\":"),
      QStringLiteral("Выберите материал основания окрашиваемого объекта по окрашиванию и перейдите \"Далее\":"),
      TemperatureLabel(),
      QStringLiteral("Укажите площадь окрашиваемой поверхности и перейдите \"Далее\":"),
      QString(),
      QString(),
  };
  return page >= 0 && page < kPageCount ? labels[static_cast<std::size_t>(page)] : QString();
}

const MainQuestionTexts &MainQuestionOf(MainQuestion mode) {
  static const std::array<MainQuestionTexts, 5> modes{{
      {TemperatureCaption(),
       TemperatureLabel(),
       {QStringLiteral("Летнее время (Температура при окрашивании выше 0С)"),
        QStringLiteral("Зимнее время (Температура при окрашивании ниже 0С)")}},
      {TemperatureCaption(), TemperatureLabel(), {SummerDegrees(), WinterDegrees()}},
      {QStringLiteral("Прозрачность"),
       QStringLiteral("Хотите ли Вы сохранить фактуру и цвет Вашей кровли ?"),
       {QStringLiteral("Цвет покрытия прозрачный"), QStringLiteral("Цвет покрытия непрозрачный")}},
      {QStringLiteral("Качество кровли"),
       QStringLiteral("Протекает ли Ваша кровля во время дождей и таянья снега ?"),
       {QStringLiteral("Кровля протекает. Количество ржавчины больше 10% площади."),
        QStringLiteral("Кровля протекает. Количество ржавчины незначительное (меньше 10% площади)."),
        QStringLiteral("Кровля не протекает. Нужно только обновить цвет")}},
      {TemperatureCaption(),
       QStringLiteral("Выберите температуру окружающего воздуха и качество кровли:"),
       {SummerDegrees(), WinterDegrees()}},
  }};
  return modes[static_cast<std::size_t>(mode)];
}

const SecondQuestionTexts &SecondQuestionOf(SecondQuestion content) {
  static const std::array<SecondQuestionTexts, 2> contents{{
      {QStringLiteral("Выберите предел огнестойкости:"), {QStringLiteral("R90"), QStringLiteral("R120")}},
      {QStringLiteral("Качество кровли"),
       {QStringLiteral("Кровля протекает."), QStringLiteral("Кровля не протекает. Только обновить цвет.")}},
  }};
  return contents[static_cast<std::size_t>(content)];
}

} // namespace questionnaire_lists
