#pragma once

// Answers picked by their place in the wizard's full lists, for the questionnaire and
// navigation tests.

#include "questionnaire.h"

#include <gtest/gtest.h>

#include <vector>

// Entry `number` (1-based) of the full object list.
inline QString Object(int number) {
  return Questionnaire::objectsAll().at(number - 1);
}

// Entry `number` (1-based) of the full material list.
inline QString Material(int number) {
  return Questionnaire::materialsAll().at(number - 1);
}

inline QStringList Materials(const std::vector<int> &numbers) {
  QStringList materials;
  for (const int n : numbers)
    materials.append(Material(n));
  return materials;
}

// Selects the item with exactly this text; a test failure when the list lacks it.
inline void SelectText(AnswerList &list, const QString &text) {
  const int index = static_cast<int>(list.items().indexOf(text));
  ASSERT_GE(index, 0) << text.toStdString();
  list.select(index);
}
