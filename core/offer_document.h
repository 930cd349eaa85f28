#pragma once

#include "line_color.h"

#include <QString>
#include <vector>

// The character format a line is drawn with.
struct LineFormat {
  LineColor color = kBlack;
  int size = 8; // points
  bool bold = false;
  QString fontName = QStringLiteral("Tahoma");

  bool operator==(const LineFormat &other) const {
    return color == other.color && size == other.size && bold == other.bold && fontName == other.fontName;
  }
};

// One logical line (paragraph) of the offer: a view that wraps it still counts it as one line.
struct OfferLine {
  QString text;
  LineFormat format;  // the effective format the line was appended with
  bool plain = false; // appended without a format of its own
};

// The offer: an append-only list of formatted lines, read back by index and saved as RTF.
//
// Formatting follows a rich-text view appending at its end: addColoredLine sets colour,
// size and font and can switch bold on but never off; a plain line takes whatever format
// stands at the end of the document. clear() returns to the view's default format.
class OfferDocument {
public:
  static LineFormat defaultFormat(); // Tahoma 8 pt, window-text black, regular

  void addColoredLine(QString text, LineColor color, bool bold, int size);
  void addPlainLine(QString text);
  void clear();

  int count() const { return static_cast<int>(m_lines.size()); }
  // The text of line `index`; "" for an index outside the document.
  QString lineText(int index) const;
  const std::vector<OfferLine> &lines() const { return m_lines; }

  // The whole document as RTF text (ASCII only).
  QByteArray toRtf() const;
  // Writes toRtf() atomically: on failure an existing file stays untouched and
  // `errorText` (if given) receives the reason.
  bool saveToFile(const QString &fileName, QString *errorText = nullptr) const;

private:
  void append(QString &&text, bool plain);

  std::vector<OfferLine> m_lines;
  LineFormat m_current = defaultFormat();
};
