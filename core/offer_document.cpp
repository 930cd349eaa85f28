#include "offer_document.h"

LineFormat OfferDocument::defaultFormat() {
  return LineFormat{};
}

namespace {

// An offer has some tens of lines; one reservation spares the vector's early regrowths.
constexpr size_t kTypicalLineCount = 128;

} // namespace

void OfferDocument::addColoredLine(QString text, LineColor color, bool bold, int size) {
  m_current.color = color;
  m_current.size = size;
  if (bold)
    m_current.bold = true; // a view's "set style to bold" never switches it off again
  m_current.fontName = QStringLiteral("MS Sans Serif");
  append(std::move(text), false);
}

void OfferDocument::addPlainLine(QString text) {
  append(std::move(text), true);
}

void OfferDocument::append(QString &&text, bool plain) {
  if (m_lines.capacity() == 0)
    m_lines.reserve(kTypicalLineCount);
  m_lines.push_back(OfferLine{std::move(text), m_current, plain});
}

void OfferDocument::clear() {
  m_lines.clear(); // keeps the capacity for the next composition
  m_current = defaultFormat();
}

QString OfferDocument::lineText(int index) const {
  if (index < 0 || index >= count())
    return QString();
  return m_lines[static_cast<size_t>(index)].text;
}
