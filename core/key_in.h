#pragma once

#include <QString>
#include <QStringView>
#include <initializer_list>

// True when the answer key equals one of the listed keys (the questionnaire and the
// wizard test keys against short lists of literals).
inline bool KeyIn(const QString &key, std::initializer_list<const char16_t *> values) {
  for (const char16_t *value : values) {
    if (key == QStringView(value))
      return true;
  }
  return false;
}
