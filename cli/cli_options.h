#pragma once

#include "wizard_walk.h"

#include <QString>
#include <QStringList>
#include <optional>

enum class OutputFormat { Text, Json, Rtf };

// Everything the command line asks for.
struct CliOptions {
  WalkChoices choices;
  std::optional<int> puColour;  // picked in the polyurethane picker after the offer
  OutputFormat format = OutputFormat::Text;
  QString outputFile;           // "" = standard output
  bool printPages = false;
  bool list = false;
  bool help = false;
};

// Parses the arguments after the program name; false with `error` on a malformed command line.
bool ParseCliOptions(const QStringList &arguments, CliOptions *options, QString *error);

extern const char *const kCliHelp;
