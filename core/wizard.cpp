#include "wizard.h"

#include "area_field.h"
#include "key_in.h"
#include "offer_composer.h"
#include "selection_key.h"

#include <initializer_list>

namespace {

constexpr int kAreaPage = 4;
constexpr int kColourPage = 5;
constexpr int kOfferPage = 6;

} // namespace

Wizard::Wizard(WizardHost *host) : m_host(host) {
  // The window opens on page 0 with the fire-resistance question hidden.
  pages.setSecondQuestionVisible(false);
}

QString Wizard::keyW(int count) const {
  return SelectionKey(pages.rgTipRabot.selectedText(), 1, count);
}
QString Wizard::keyV5() const {
  return SelectionKey(pages.rgVidObj.selectedText(), 1, 5);
}
QString Wizard::keyM5() const {
  return SelectionKey(pages.rgMaterial.selectedText(), 1, 5);
}

bool Wizard::transparentAnswer() const {
  return SelectionKey(pages.rgTemperature.selectedText(), 15, 4) == QStringLiteral("ПРОЗ");
}

bool Wizard::pageThreeSkipped() const {
  const QString m5 = keyM5();
  const QString v5 = keyV5();
  if (KeyIn(m5, {u"БИТУМ", u"АСФАЛ", u"НАТУР", u"ПВХ ("}))
    return true;
  if (m5 == QStringLiteral("ПЛИТК") && !KeyIn(v5, {u"ФАСАД", u"ПОЛ (", u"СТЕНЫ"}))
    return true;
  return m5 == QStringLiteral("МЕТАЛ") && KeyIn(v5, {u"ПОЛ (", u"БАССЕ"});
}

void Wizard::message(const QString &text) {
  if (m_host)
    m_host->showMessage(text);
}

void Wizard::BeforeChange(int activePage) {
  state.bPageOk = true;
  if (activePage != kAreaPage)
    return;
  // A text that is not a number counts as no area at all.
  state.dArea = ParseArea(pages.medSText).value_or(0.0);
  if (state.dArea == 0.0) {
    message(kAreaNotSet);
    state.bPageOk = false;
  }
}

void Wizard::AfterChange(int activePage) {
  state.bPageOk = true;
  if (activePage == 0 || activePage == 1) {
    const QString w8 = keyW(8);
    state.bNoObjectPages = KeyIn(w8, {u"ТЕПЛОИЗО", u"АНТИКОРР"});
    state.bFireProtection = w8 == QStringLiteral("ОГНЕЗАЩИ");
  }
  if (activePage == kColourPage || activePage == kOfferPage)
    PredZakaz(true);
}

void Wizard::bbNextClick() {
  if (m_nextCaption == kSaveCaption) {
    if (m_host)
      m_host->saveRequested();
    return;
  }
  BeforeChange(m_shownPage);
  int &page = state.iCurPage;
  if (page < kOfferPage && state.bPageOk)
    ++page;
  AfterChange(page);
  // Work types without object pages go from page 0 straight to page 3.
  if (state.bNoObjectPages && (page == 1 || page == 2))
    page = 3;
  if (state.bFireProtection && (page == 1 || page == 2))
    page = 3;
  pages.setSecondQuestionVisible(state.bFireProtection);
  if (transparentAnswer() && page == kColourPage)
    page = kOfferPage;
  if (pageThreeSkipped() && page == 3)
    page = kAreaPage;
  if (keyM5() == QStringLiteral("НАТУР") && page == kColourPage)
    page = kOfferPage;
  if (keyW(5) == QStringLiteral("ТЕПЛО") && page == kColourPage)
    page = kOfferPage;
  finishStep();
}

void Wizard::bbPrevClick() {
  BeforeChange(m_shownPage);
  int &page = state.iCurPage;
  if (page > 0 && state.bPageOk)
    --page;
  AfterChange(page);
  if (state.bNoObjectPages && (page == 1 || page == 2))
    page = 0;
  if (state.bFireProtection && (page == 1 || page == 2))
    page = 0;
  pages.setSecondQuestionVisible(state.bFireProtection);
  if (transparentAnswer() && page == kColourPage)
    page = kAreaPage;
  if (pageThreeSkipped() && page == 3)
    page = 2;
  if (keyM5() == QStringLiteral("НАТУР") && page == kColourPage)
    page = kAreaPage;
  if (keyW(5) == QStringLiteral("ТЕПЛО") && page == kColourPage)
    page = kAreaPage;
  finishStep();
}

void Wizard::finishStep() {
  m_nextCaption = state.iCurPage == kOfferPage ? kSaveCaption : kNextCaption;
  showPage(state.iCurPage);
}

// The new page's entering rule runs before the old page's leaving rule.
void Wizard::showPage(int page) {
  if (page == m_shownPage)
    return;
  const int previous = m_shownPage;
  m_shownPage = page;
  pages.pageEntered(page, state);
  pages.pageLeft(previous, state, buttons);
}

void Wizard::PredZakaz(bool bPUColorUpdate) {
  OfferContext ctx{offer, state, buttons};
  ::PredZakaz(ctx, pages.answers(), bPUColorUpdate);
  if (m_host)
    m_host->offerComposed();
}

void Wizard::rbColClick(int n) {
  if (n == m_selectedColour || n < 1 || n > kPaletteSize)
    return;
  m_selectedColour = n;
  ApplyPaletteColour(state, n);
}

void Wizard::puColourPickerClosed(int n) {
  if (n >= 1 && n <= kPUColourCount)
    ApplyPUColour(state, n);
  PredZakaz(false);
}
