#pragma once

#include "wizard_walk.h"

#include <QString>
#include <QStringList>
#include <optional>

enum class OutputFormat { Text, Json, Rtf };

// An order from the offer, as the order form would place it: the line the user
// clicked and the form's fields as typed (a field not given stays untouched).
struct CliOrder {
  std::optional<int> line;
  std::optional<QString> name;
  std::optional<QString> surname;
  std::optional<QString> email;
  std::optional<QString> company;
  std::optional<QString> phone;
  std::optional<QString> country;
  std::optional<QString> region;
  std::optional<QString> address;
};

// Everything the command line asks for.
struct CliOptions {
  WalkChoices choices;
  std::optional<int> puColour; // picked in the polyurethane picker after the offer
  OutputFormat format = OutputFormat::Text;
  QString outputFile; // "" = standard output
  bool printPages = false;
  bool list = false;
  bool help = false;
  CliOrder order;
  bool printMail = false; // print the order e-mail instead of sending it
};

// Parses the arguments after the program name; false with `error` on a malformed command line.
bool ParseCliOptions(const QStringList &arguments, CliOptions *options, QString *error);

extern const char *const kCliHelp;
