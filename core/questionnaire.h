#pragma once

#include "answer_list.h"
#include "offer_answers.h"
#include "offer_context.h"
#include "selection_state.h"

#include <QString>
#include <QStringList>

inline constexpr int kPageCount = 7;

// Main question of page 3.
enum class MainQuestion { TemperatureInitial, Temperature, Transparency, RoofQuality, TemperatureAndRoof };
// Content of page 3's second question (lblPredel with rgOgneStoi).
enum class SecondQuestion { FireResistance, RoofCondition };

// The seven pages' lists and captions, and the rules that rewrite them when a page
// is entered or left.
class Questionnaire {
public:
  Questionnaire();

  AnswerList rgTipRabot;                    // page 0
  AnswerList rgVidObj;                      // page 1
  AnswerList rgMaterial;                    // page 2
  AnswerList rgTemperature;                 // page 3, main question
  AnswerList rgOgneStoi;                    // page 3, second question
  QString medSText = QStringLiteral("100"); // page 4, the area field

  MainQuestion mainQuestion() const { return m_mainQuestion; }
  SecondQuestion secondQuestion() const { return m_secondQuestion; }
  bool secondQuestionVisible() const { return m_secondVisible; }
  void setSecondQuestionVisible(bool visible) { m_secondVisible = visible; }

  QString tabCaption(int page) const;    // page 3's caption follows the main question
  QString questionLabel(int page) const; // "" for the pages without a question label
  QString lblPredelCaption() const;

  void setMainQuestion(MainQuestion mode);
  void setSecondQuestion(SecondQuestion content);

  // Rules PR1-PR7. PR7 hides the offer buttons.
  void pageEntered(int page, SelectionState &state);
  void pageLeft(int page, SelectionState &state, OfferButtons &buttons);

  OfferAnswers answers() const;

  // Lists the rules write.
  static const QStringList &objectsAll();   // O8
  static const QStringList &objectsFloor(); // O2
  static const QStringList &materialsAll(); // M14

private:
  void leaveMaterialPage();      // PR4
  void showTemperatureAndRoof(); // PR4's third case, also PR5

  MainQuestion m_mainQuestion = MainQuestion::TemperatureInitial;
  SecondQuestion m_secondQuestion = SecondQuestion::FireResistance;
  bool m_secondVisible = false;
};
