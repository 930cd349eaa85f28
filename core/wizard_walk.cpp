#include "wizard_walk.h"

#include "area_field.h"
#include "palette.h"

#include <algorithm>
#include <iterator>

namespace {

// Collects the wizard's messages so a refused step can be reported.
class RecordingHost : public WizardHost {
public:
  void showMessage(const QString &text) override { messages << text; }
  void saveRequested() override {}
  QStringList messages;
};

struct HostGuard {
  Wizard &wizard;
  ~HostGuard() { wizard.setHost(nullptr); }
};

QString ChoiceError(const QString &option, int value, const QStringList &items) {
  QString text = QStringLiteral("%1 %2: no such answer; choose 1 to %3:").arg(option).arg(value).arg(items.size());
  for (qsizetype i = 0; i < items.size(); ++i)
    text += QStringLiteral("\n  %1  %2").arg(i + 1).arg(items[i]);
  return text;
}

template <typename W> auto ListOf(W &wizard, int page, bool second) -> decltype(&wizard.pages.rgTipRabot) {
  switch (page) {
  case 0:
    return &wizard.pages.rgTipRabot;
  case 1:
    return &wizard.pages.rgVidObj;
  case 2:
    return &wizard.pages.rgMaterial;
  case 3:
    return second ? &wizard.pages.rgOgneStoi : &wizard.pages.rgTemperature;
  default:
    return nullptr;
  }
}

// Selects a 1-based answer on a page's list; false with an error text when out of range.
bool Select(Wizard &wizard, int page, bool second, const QString &option, const std::optional<int> &choice,
            QString *error) {
  if (!choice)
    return true;
  AnswerList *list = ListOf(wizard, page, second);
  if (*choice < 1 || *choice > list->count()) {
    *error = ChoiceError(option, *choice, list->items());
    return false;
  }
  list->select(*choice - 1);
  return true;
}

bool AnswerPage(Wizard &wizard, int page, const WalkChoices &choices, QString *error) {
  switch (page) {
  case 0:
    return Select(wizard, 0, false, QStringLiteral("--work"), choices.work, error);
  case 1:
    return Select(wizard, 1, false, QStringLiteral("--object"), choices.object, error);
  case 2:
    return Select(wizard, 2, false, QStringLiteral("--material"), choices.material, error);
  case 3:
    return Select(wizard, 3, false, QStringLiteral("--answer"), choices.answer, error) &&
           (!wizard.pages.secondQuestionVisible() ||
            Select(wizard, 3, true, QStringLiteral("--second"), choices.second, error));
  case 4:
    if (FilterAreaText(choices.area) != choices.area) {
      *error = QStringLiteral("--area %1: the area field takes only digits and one decimal comma, e.g. 12,5")
                   .arg(choices.area);
      return false;
    }
    wizard.pages.medSText = choices.area;
    return true;
  case 5:
    if (choices.colour) {
      if (*choices.colour < 1 || *choices.colour > kPaletteSize) {
        *error = QStringLiteral("--colour %1: no such colour; choose 1 to %2:").arg(*choices.colour).arg(kPaletteSize);
        for (int n = 1; n <= kPaletteSize; ++n)
          *error += QStringLiteral("\n  %1  %2").arg(n).arg(QString::fromUtf16(Palette()[n - 1].caption));
        return false;
      }
      wizard.rbColClick(*choices.colour);
    }
    return true;
  default:
    return true;
  }
}

void WarnSkipped(const WalkChoices &choices, const std::vector<int> &visited, bool secondShown, QStringList *warnings) {
  auto seen = [&](int page) { return std::find(visited.begin(), visited.end(), page) != visited.end(); };
  struct Option {
    const char *name;
    int page;
    bool given;
  };
  const Option options[] = {
      {"--object", 1, choices.object.has_value()}, {"--material", 2, choices.material.has_value()},
      {"--answer", 3, choices.answer.has_value()}, {"--second", 3, choices.second.has_value()},
      {"--colour", 5, choices.colour.has_value()},
  };
  for (const Option &option : options) {
    if (!option.given)
      continue;
    const QString name = QString::fromLatin1(option.name);
    if (!seen(option.page))
      *warnings << QStringLiteral("%1 ignored: the walk skips page %2").arg(name).arg(option.page);
    else if (name == QLatin1String("--second") && !secondShown)
      *warnings << QStringLiteral("--second ignored: page 3 asks no second question on this walk");
  }
}

} // namespace

const AnswerList *PageList(const Wizard &wizard, int page, bool second) {
  return ListOf(wizard, page, second);
}

WalkResult WalkToOffer(Wizard &wizard, const WalkChoices &choices, PageVisitor visitor, void *visitorContext) {
  RecordingHost host;
  wizard.setHost(&host);
  const HostGuard guard{wizard};
  WalkResult result;
  bool secondShown = false;
  result.visitedPages.push_back(wizard.shownPage());
  while (wizard.shownPage() != 6) {
    const int page = wizard.shownPage();
    if (visitor)
      visitor(wizard, page, visitorContext);
    if (page == 3)
      secondShown = secondShown || wizard.pages.secondQuestionVisible();
    if (!AnswerPage(wizard, page, choices, &result.error)) {
      result.status = WalkStatus::BadChoice;
      return result;
    }
    host.messages.clear();
    wizard.bbNextClick();
    if (!host.messages.isEmpty()) {
      result.status = WalkStatus::Refused;
      result.error = host.messages.join(QLatin1Char('\n'));
      return result;
    }
    if (wizard.shownPage() == page) { // a step that goes nowhere would loop forever
      result.status = WalkStatus::Refused;
      result.error = QStringLiteral("the wizard did not leave page %1").arg(page);
      return result;
    }
    result.visitedPages.push_back(wizard.shownPage());
  }
  WarnSkipped(choices, result.visitedPages, secondShown, &result.warnings);
  return result;
}

namespace {

using ChoiceField = std::optional<int> WalkChoices::*;

struct ChoiceLevel {
  ChoiceField field;
  const char *option;
};

const ChoiceLevel kChoiceLevels[] = {{&WalkChoices::work, "--work"},
                                     {&WalkChoices::object, "--object"},
                                     {&WalkChoices::material, "--material"},
                                     {&WalkChoices::answer, "--answer"},
                                     {&WalkChoices::second, "--second"}};

void ForEachFrom(WalkChoices choices, size_t level, const std::function<void(const WalkChoices &)> &visit) {
  if (level == std::size(kChoiceLevels)) {
    visit(choices);
    return;
  }
  const ChoiceLevel &choice = kChoiceLevels[level];
  for (int value = 1;; ++value) {
    choices.*choice.field = value;
    Wizard wizard;
    const WalkResult walk = WalkToOffer(wizard, choices);
    if (walk.status == WalkStatus::BadChoice)
      break;
    ForEachFrom(choices, level + 1, visit);
    if (!walk.warnings.filter(QString::fromLatin1(choice.option)).isEmpty())
      break; // the walk never asks this question: one value stands for all
  }
}

} // namespace

void ForEachAnswerCombination(const std::function<void(const WalkChoices &)> &visit) {
  ForEachFrom(WalkChoices{}, 0, visit);
}
