#include "offer_document.h"

LineFormat OfferDocument::defaultFormat() { return LineFormat{}; }

void OfferDocument::addColoredLine(const QString &text, LineColor color, bool bold, int size) {
  m_current.color = color;
  m_current.size = size;
  if (bold)
    m_current.bold = true;  // a view's "set style to bold" never switches it off again
  m_current.fontName = QStringLiteral("MS Sans Serif");
  m_lines.push_back(OfferLine{text, m_current, false});
}

void OfferDocument::addPlainLine(const QString &text) { m_lines.push_back(OfferLine{text, m_current, true}); }

void OfferDocument::clear() {
  m_lines.clear();
  m_current = defaultFormat();
}

QString OfferDocument::lineText(int index) const {
  if (index < 0 || index >= count())
    return QString();
  return m_lines[static_cast<size_t>(index)].text;
}
