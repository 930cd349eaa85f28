#pragma once

#include <QString>
#include <string>

// A QString over text with static storage (a char16_t literal or a table entry): like
// QStringLiteral, it neither copies nor allocates. Never pass text that can go away.
inline QString StaticText(const char16_t *text) {
  return QString::fromRawData(reinterpret_cast<const QChar *>(text),
                              static_cast<qsizetype>(std::char_traits<char16_t>::length(text)));
}
