#pragma once

#include <QString>

#include <cctype>
#include <string>

// A test name from a case's label: GoogleTest takes letters, digits and '_' only.
inline std::string TestCaseName(std::string label) {
  for (char &c : label) {
    if (!std::isalnum(static_cast<unsigned char>(c)))
      c = '_';
  }
  return label;
}

inline std::string TestCaseName(const char *label) {
  return TestCaseName(std::string(label));
}
inline std::string TestCaseName(const QString &label) {
  return TestCaseName(label.toStdString());
}
