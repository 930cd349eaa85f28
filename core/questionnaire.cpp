#include "questionnaire.h"

#include "key_in.h"
#include "questionnaire_lists.h"
#include "selection_key.h"

#include <initializer_list>

namespace ql = questionnaire_lists;

namespace {

// Materials offered for an object, as numbers of the full list M14.
struct ObjectMaterials {
  const char16_t *objectKey; // V5
  std::initializer_list<int> materials;
};

QStringList MaterialsNumbered(std::initializer_list<int> numbers) {
  QStringList list;
  for (const int n : numbers)
    list.append(ql::MaterialsAll().at(n - 1));
  return list;
}

QStringList MaterialsForObject(const QString &objectKey) {
  static const ObjectMaterials table[] = {
      {u"ФУНДА", {1, 9, 11}},     {u"ФАСАД", {1, 2, 11, 13}}, {u"ПОЛ (", {1, 2, 5, 10, 11, 12}},
      {u"СТЕНЫ", {1, 2, 11, 13}}, {u"ПЛОЩА", {1, 2}},         {u"БАССЕ", {1, 2, 5, 11, 13, 14}},
      {u"МЕТАЛ", {5, 6, 7}},
  };
  for (const ObjectMaterials &row : table) {
    if (objectKey == QStringView(row.objectKey))
      return MaterialsNumbered(row.materials);
  }
  return ql::MaterialsAll(); // the roof takes every material
}

} // namespace

Questionnaire::Questionnaire()
    : rgTipRabot(ql::InitialWorkTypes()), rgVidObj(ql::InitialObjects()), rgMaterial(ql::InitialMaterials()),
      rgTemperature(ql::MainQuestionOf(MainQuestion::TemperatureInitial).items),
      rgOgneStoi(ql::SecondQuestionOf(SecondQuestion::FireResistance).items) {}

QString Questionnaire::tabCaption(int page) const {
  return page == 3 ? ql::MainQuestionOf(m_mainQuestion).tabCaption : ql::FixedTabCaption(page);
}

QString Questionnaire::questionLabel(int page) const {
  return page == 3 ? ql::MainQuestionOf(m_mainQuestion).label : ql::FixedQuestionLabel(page);
}

QString Questionnaire::lblPredelCaption() const {
  return ql::SecondQuestionOf(m_secondQuestion).label;
}

void Questionnaire::setMainQuestion(MainQuestion mode) {
  m_mainQuestion = mode;
  const QStringList &items = ql::MainQuestionOf(mode).items;
  // Items are rewritten in place so the selected position survives the change.
  rgTemperature.overwrite(0, items.at(0));
  rgTemperature.overwrite(1, items.at(1));
  if (items.size() > 2) {
    rgTemperature.append(items.at(2));
    if (rgTemperature.count() > 3)
      rgTemperature.removeAt(3);
  } else if (rgTemperature.count() > 2) {
    rgTemperature.removeAt(2);
  }
}

void Questionnaire::setSecondQuestion(SecondQuestion content) {
  m_secondQuestion = content;
  rgOgneStoi.setItems(ql::SecondQuestionOf(content).items);
}

void Questionnaire::showTemperatureAndRoof() {
  setMainQuestion(MainQuestion::TemperatureAndRoof);
  if (SelectionKey(rgVidObj.selectedText(), 1, 6) == QStringLiteral("МЕТАЛЛ")) {
    m_secondVisible = false;
  } else {
    m_secondVisible = true;
    setSecondQuestion(SecondQuestion::RoofCondition);
  }
}

void Questionnaire::pageEntered(int page, SelectionState &) {
  if (page == 1) { // PR2
    const QString work = SelectionKey(rgTipRabot.selectedText(), 1, 8);
    if (work == QStringLiteral("ГИДРОИЗО"))
      rgVidObj.setItems(ql::ObjectsAll());
    else if (work == QStringLiteral("ПОКРЫТИЕ"))
      rgVidObj.setItems(ql::ObjectsFloor());
  } else if (page == 3) { // PR5
    if (KeyIn(SelectionKey(rgMaterial.selectedText(), 1, 5), {u"АЛЮМИ", u"ОЦИНК", u"ШИФЕР"}))
      showTemperatureAndRoof();
  }
}

void Questionnaire::pageLeft(int page, SelectionState &state, OfferButtons &buttons) {
  switch (page) {
  case 0: // PR1
    setSecondQuestion(SecondQuestion::FireResistance);
    break;
  case 1: // PR3
    rgMaterial.setItems(MaterialsForObject(SelectionKey(rgVidObj.selectedText(), 1, 5)));
    break;
  case 2: // PR4
    leaveMaterialPage();
    break;
  case 3: // PR6
    state.bHeavyRust = SelectionKey(rgTemperature.selectedText(), 39, 2) == QStringLiteral("БО");
    break;
  case 6: // PR7
    buttons.btnDop = false;
    buttons.btnPUColor = false;
    break;
  default:
    break;
  }
}

void Questionnaire::leaveMaterialPage() {
  const QString material = rgMaterial.selectedText();
  const QString m6 = SelectionKey(material, 1, 6);
  if (KeyIn(m6, {u"МЯГКАЯ", u"ПОКРЫТ"})) {
    setMainQuestion(MainQuestion::Transparency);
  } else if (m6 == QStringLiteral("МЕТАЛЛ") &&
             SelectionKey(rgVidObj.selectedText(), 1, 6) == QStringLiteral("КРОВЛЯ")) {
    setMainQuestion(MainQuestion::RoofQuality);
  } else if (KeyIn(m6, {u"АЛЮМИН", u"ОЦИНКО"}) || SelectionKey(material, 1, 5) == QStringLiteral("ШИФЕР")) {
    showTemperatureAndRoof();
  } else {
    setMainQuestion(MainQuestion::Temperature);
    m_secondVisible = false;
    setSecondQuestion(SecondQuestion::FireResistance);
  }
}

OfferAnswers Questionnaire::answers() const {
  OfferAnswers a;
  a.work = rgTipRabot.selectedText();
  a.object = rgVidObj.selectedText();
  a.material = rgMaterial.selectedText();
  a.mainAnswer = rgTemperature.selectedText();
  a.secondAnswer = rgOgneStoi.selectedText();
  a.secondIndex = rgOgneStoi.selectedIndex();
  a.page3Caption = tabCaption(3);
  a.secondLabel = lblPredelCaption();
  return a;
}

const QStringList &Questionnaire::objectsAll() {
  return ql::ObjectsAll();
}
const QStringList &Questionnaire::objectsFloor() {
  return ql::ObjectsFloor();
}
const QStringList &Questionnaire::materialsAll() {
  return ql::MaterialsAll();
}
