#pragma once

// The reviewed offers of tests/golden: <name>.txt holds one offer, a document line a text
// line; <group>.cases lists its cases as "<name> | <tintora-offer options>", '#' starting
// a comment. The core, command-line and order tests all read them through here.

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <ostream>
#include <vector>

struct GoldenCase {
  QString name;
  QStringList options; // the tintora-offer arguments, in order
  QString line;        // the case as written, for messages
};

// Test messages show the case as written.
inline void PrintTo(const GoldenCase &c, std::ostream *os) {
  *os << c.line.toStdString();
}

// The text split into lines; a final line break ends the last line and adds none.
inline QStringList SplitLines(QString text) {
  if (text.endsWith(QLatin1Char('\n')))
    text.chop(1);
  return text.split(QLatin1Char('\n'));
}

inline std::vector<GoldenCase> ReadCasesFile(const QString &path) {
  std::vector<GoldenCase> cases;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return cases;
  static const QRegularExpression blanks(QStringLiteral("\\s+"));
  for (const QString &raw : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
    const QString line = raw.section(QLatin1Char('#'), 0, 0).trimmed();
    if (line.isEmpty())
      continue;
    cases.push_back(GoldenCase{line.section(QLatin1Char('|'), 0, 0).trimmed(),
                               line.section(QLatin1Char('|'), 1).split(blanks, Qt::SkipEmptyParts), line});
  }
  return cases;
}

// The cases of tests/golden/<group>.cases; none when the file is missing.
inline std::vector<GoldenCase> ReadGoldenCases(const QString &group) {
  return ReadCasesFile(QStringLiteral(TINTORA_GOLDEN_DIR "/") + group + QStringLiteral(".cases"));
}

// The cases of every .cases file, the files in name order.
inline std::vector<GoldenCase> ReadAllGoldenCases() {
  std::vector<GoldenCase> cases;
  const QDir dir(QStringLiteral(TINTORA_GOLDEN_DIR));
  for (const QString &fileName : dir.entryList({QStringLiteral("*.cases")}, QDir::Files, QDir::Name)) {
    const std::vector<GoldenCase> group = ReadCasesFile(dir.filePath(fileName));
    cases.insert(cases.end(), group.begin(), group.end());
  }
  return cases;
}

// The case names of tests/golden/<group>.cases, in order.
inline QStringList GoldenCaseNames(const QString &group) {
  QStringList names;
  for (const GoldenCase &c : ReadGoldenCases(group))
    names << c.name;
  return names;
}

// Reads tests/golden/<name>.txt as lines (UTF-8); a missing file reads as one line saying so.
inline QStringList ReadGolden(const QString &name) {
  QFile file(QStringLiteral(TINTORA_GOLDEN_DIR "/") + name + QStringLiteral(".txt"));
  if (!file.open(QIODevice::ReadOnly))
    return {QStringLiteral("<missing golden file %1>").arg(file.fileName())};
  return SplitLines(QString::fromUtf8(file.readAll()));
}

// A readable line-by-line difference ("" when equal) for failure messages.
inline QString DescribeDifference(const QStringList &expected, const QStringList &actual) {
  QString out;
  const qsizetype n = std::max(expected.size(), actual.size());
  for (qsizetype i = 0; i < n; ++i) {
    const QString e = i < expected.size() ? expected[i] : QStringLiteral("<none>");
    const QString a = i < actual.size() ? actual[i] : QStringLiteral("<none>");
    if (e != a)
      out += QStringLiteral("line %1:\n  expected: [%2]\n  actual:   [%3]\n").arg(i).arg(e, a);
  }
  return out;
}
