#pragma once

#include "questionnaire.h"

#include <QString>
#include <QStringList>

// The fixed texts of the questionnaire: initial lists, captions and question modes.
namespace questionnaire_lists {

const QStringList &InitialWorkTypes(); // rgTipRabot
const QStringList &InitialObjects();   // rgVidObj before any rule wrote it
const QStringList &InitialMaterials(); // rgMaterial before any rule wrote it
const QStringList &ObjectsAll();       // O8
const QStringList &ObjectsFloor();     // O2
const QStringList &MaterialsAll();     // M14

// Tab caption and question label of a page; page 3's come from its main question.
QString FixedTabCaption(int page);
QString FixedQuestionLabel(int page);

struct MainQuestionTexts {
  QString tabCaption;
  QString label;
  QStringList items; // two, or three for the roof-quality question
};
const MainQuestionTexts &MainQuestionOf(MainQuestion mode);

struct SecondQuestionTexts {
  QString label;
  QStringList items;
};
const SecondQuestionTexts &SecondQuestionOf(SecondQuestion content);

} // namespace questionnaire_lists
