#pragma once

#include <QChar>
#include <QString>
#include <optional>

// The area field of page 4 takes digits and one decimal comma, under every locale.
bool AreaKeyAccepted(QChar typed);           // ',' or '0'..'9'
QString FilterAreaText(const QString &text); // pasted text: keeps digits and commas
// The area in square metres, or nothing when the text does not parse.
std::optional<double> ParseArea(const QString &text);
