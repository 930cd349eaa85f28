#pragma once

#include "offer_context.h"
#include "offer_document.h"
#include "palette.h"
#include "questionnaire.h"
#include "selection_state.h"

#include <QString>

// What the wizard asks of its owner (a window, or the command-line tool).
class WizardHost {
public:
  virtual ~WizardHost() = default;
  virtual void showMessage(const QString &text) = 0; // a modal box with an OK button
  virtual void saveRequested() = 0;                  // "Сохранить": ask for a file name and save the offer
  virtual void offerComposed() {}                    // the offer and the button requests were rebuilt
};

inline const QString kNextCaption = QStringLiteral("Далее");
inline const QString kSaveCaption = QStringLiteral("Сохранить");
inline const QString kAreaNotSet = QStringLiteral("Значение не задано");

// The wizard: the pages, the selection state, navigation with page skipping, the
// palette, and the offer it composes. Windows display it and feed it clicks.
class Wizard {
public:
  explicit Wizard(WizardHost *host = nullptr);

  void setHost(WizardHost *host) { m_host = host; }

  SelectionState state;
  Questionnaire pages;
  OfferDocument offer;
  OfferButtons buttons;

  int shownPage() const { return m_shownPage; }
  QString nextCaption() const { return m_nextCaption; }

  void bbNextClick();
  void bbPrevClick();
  void BeforeChange(int activePage);
  void AfterChange(int activePage);
  void PredZakaz(bool bPUColorUpdate);

  // Palette button n (1..26) became selected; a click on the selected one changes nothing.
  void rbColClick(int n);
  int selectedPaletteColour() const { return m_selectedColour; }
  // The polyurethane picker closed: n is the chosen entry 1..13, or 0 for "Отмена".
  void puColourPickerClosed(int n);

private:
  void showPage(int page);
  void finishStep(); // caption of bbNext, then show page iCurPage
  bool pageThreeSkipped() const;
  bool transparentAnswer() const; // T15 = "ПРОЗ"
  QString keyW(int count) const;  // W5, W8
  QString keyV5() const;
  QString keyM5() const;
  void message(const QString &text);

  WizardHost *m_host = nullptr;
  int m_shownPage = 0;
  QString m_nextCaption = kNextCaption;
  int m_selectedColour = kDefaultPaletteColour;
};
