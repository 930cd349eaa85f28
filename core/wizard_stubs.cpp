#include "answer_list.h"
#include "area_field.h"
#include "palette.h"
#include "questionnaire.h"
#include "wizard.h"

// Placeholder until this part is written.
AnswerList::AnswerList(QStringList items) : m_items(std::move(items)) {}
QString AnswerList::selectedText() const { return {}; }
void AnswerList::select(int) {}
void AnswerList::setItems(const QStringList &) {}
void AnswerList::overwrite(int, const QString &) {}
void AnswerList::append(const QString &) {}
void AnswerList::removeAt(int) {}
Questionnaire::Questionnaire() = default;
QString Questionnaire::tabCaption(int) const { return {}; }
QString Questionnaire::questionLabel(int) const { return {}; }
QString Questionnaire::lblPredelCaption() const { return {}; }
void Questionnaire::setMainQuestion(MainQuestion) {}
void Questionnaire::setSecondQuestion(SecondQuestion) {}
void Questionnaire::pageEntered(int, SelectionState &) {}
void Questionnaire::pageLeft(int, SelectionState &, OfferButtons &) {}
OfferAnswers Questionnaire::answers() const { return {}; }
const QStringList &Questionnaire::objectsAll() { static QStringList l; return l; }
const QStringList &Questionnaire::objectsFloor() { static QStringList l; return l; }
const QStringList &Questionnaire::materialsAll() { static QStringList l; return l; }
bool AreaKeyAccepted(QChar) { return false; }
QString FilterAreaText(const QString &) { return {}; }
std::optional<double> ParseArea(const QString &) { return std::nullopt; }
const std::array<PaletteColour, kPaletteSize> &Palette() { static std::array<PaletteColour, kPaletteSize> p{}; return p; }
const std::array<PUColour, kPUColourCount> &PUColours() { static std::array<PUColour, kPUColourCount> p{}; return p; }
void ApplyPaletteColour(SelectionState &, int) {}
void ApplyPUColour(SelectionState &, int) {}
void MapToPUColor(SelectionState &, const QString &) {}
int PUColourNumberFromControlName(const QString &) { return 0; }
Wizard::Wizard(WizardHost *host) : m_host(host) {}
void Wizard::bbNextClick() {}
void Wizard::bbPrevClick() {}
void Wizard::BeforeChange(int) {}
void Wizard::AfterChange(int) {}
void Wizard::PredZakaz(bool) {}
void Wizard::rbColClick(int) {}
void Wizard::puColourPickerClosed(int) {}
void Wizard::showPage(int) {}
bool Wizard::pageThreeSkipped() const { return false; }
