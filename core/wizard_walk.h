#pragma once

#include "wizard.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

// Answers for a walk through the wizard, as a user would give them: 1-based positions in
// the list shown when the walk reaches the page.
struct WalkChoices {
  std::optional<int> work;              // page 0
  std::optional<int> object;            // page 1
  std::optional<int> material;          // page 2
  std::optional<int> answer;            // page 3, main question
  std::optional<int> second;            // page 3, second question
  QString area = QStringLiteral("100"); // page 4, as typed
  std::optional<int> colour;            // page 5, palette button 1..26 (none: no click)
};

enum class WalkStatus { Ok, BadChoice, Refused };

struct WalkResult {
  WalkStatus status = WalkStatus::Ok;
  QString error; // for BadChoice and Refused
  std::vector<int> visitedPages;
  QStringList warnings; // choices for pages the walk skipped
};

// Called on each page the walk shows, before the walk answers it.
using PageVisitor = void (*)(const Wizard &wizard, int page, void *context);

// Walks a fresh or used wizard from its shown page with Next until the offer page,
// answering each page from `choices`. Stops at the first refused step (its message).
WalkResult WalkToOffer(Wizard &wizard, const WalkChoices &choices, PageVisitor visitor = nullptr,
                       void *visitorContext = nullptr);

// The list a page shows at the moment (pages 0-3; nullptr for the pages without one).
const AnswerList *PageList(const Wizard &wizard, int page, bool second = false);

// Calls `visit` once for every combination of page 0-3 answers that the wizard accepts
// (area and colour left at their defaults); a choice for a page the walk skips, or for a
// second question that is not asked, is taken once only.
void ForEachAnswerCombination(const std::function<void(const WalkChoices &)> &visit);
