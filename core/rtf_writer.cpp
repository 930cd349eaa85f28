#include "rtf_writer.h"

#include "windows1251.h"

#include <algorithm>

namespace {

struct FontFamily {
  const char *name;
  const char *family;
};

// Families of the fonts the offer uses; any other font is written as \fnil.
constexpr FontFamily kFontFamilies[] = {
    {"Tahoma", "\\fswiss"},
    {"MS Sans Serif", "\\fswiss"},
};

constexpr int kCyrillicCharset = 204;
constexpr char kFallbackByte = '?';

const char *FamilyOf(const QString &fontName) {
  for (const FontFamily &font : kFontFamilies) {
    if (fontName == QLatin1String(font.name))
      return font.family;
  }
  return "\\fnil";
}

// Position of `value` in `list`, appending it when it is new.
template <typename T> int IndexIn(std::vector<T> &list, const T &value) {
  const auto found = std::find(list.begin(), list.end(), value);
  if (found != list.end())
    return static_cast<int>(found - list.begin());
  list.push_back(value);
  return static_cast<int>(list.size()) - 1;
}

// Fonts and colours in the order of first use; the document's default font is \f0.
struct RtfTables {
  std::vector<QString> fonts;
  std::vector<LineColor> colors; // \cf1 onwards: \cf0 is the reader's "auto"

  explicit RtfTables(const std::vector<OfferLine> &lines) : fonts{OfferDocument::defaultFormat().fontName} {
    for (const OfferLine &line : lines) {
      fontIndex(line.format.fontName);
      colorIndex(line.format.color);
    }
  }
  int fontIndex(const QString &name) { return IndexIn(fonts, name); }
  int colorIndex(LineColor color) { return IndexIn(colors, color) + 1; }
};

QByteArray Number(int value) {
  return QByteArray::number(value);
}

QByteArray HexByte(unsigned char byte) {
  return QByteArray::number(byte, 16).rightJustified(2, '0');
}

// \uN takes a signed 16-bit value; the fallback byte is what a reader without Unicode shows.
void AppendUnicode(QByteArray &out, char16_t unit) {
  const int signedUnit = unit > 0x7FFF ? static_cast<int>(unit) - 0x10000 : static_cast<int>(unit);
  const unsigned char fallback = Windows1251Byte(unit).value_or(kFallbackByte);
  out += "\\u" + Number(signedUnit) + "\\'" + HexByte(fallback);
}

void AppendEscaped(QByteArray &out, char16_t unit) {
  switch (unit) {
  case u'\\':
  case u'{':
  case u'}':
    out += '\\';
    out += static_cast<char>(unit);
    return;
  case u'\t':
    out += "\\tab ";
    return;
  default:
    break;
  }
  // Control characters (the product marker U+0001 among them) go as \uN too, so readers keep them.
  if (unit >= 0x20 && unit < 0x7F)
    out += static_cast<char>(unit);
  else
    AppendUnicode(out, unit);
}

QByteArray FontTable(const RtfTables &tables) {
  QByteArray out = "{\\fonttbl";
  for (std::size_t i = 0; i < tables.fonts.size(); ++i) {
    const QString &name = tables.fonts[i];
    out += "{\\f" + Number(static_cast<int>(i)) + FamilyOf(name) + "\\fcharset" + Number(kCyrillicCharset) + ' ' +
           RtfEscapedText(name) + ";}";
  }
  return out + "}\n";
}

QByteArray ColorTable(const RtfTables &tables) {
  QByteArray out = "{\\colortbl;";
  for (const LineColor color : tables.colors) {
    out += "\\red" + Number((color >> 16) & 0xFF) + "\\green" + Number((color >> 8) & 0xFF) + "\\blue" +
           Number(color & 0xFF) + ';';
  }
  return out + "}\n";
}

QByteArray Paragraph(const OfferLine &line, RtfTables &tables) {
  const LineFormat &format = line.format;
  return "\\pard\\plain\\f" + Number(tables.fontIndex(format.fontName)) + "\\fs" + Number(2 * format.size) + "\\cf" +
         Number(tables.colorIndex(format.color)) + (format.bold ? "\\b " : "\\b0 ") + RtfEscapedText(line.text) +
         "\\par\n";
}

} // namespace

QByteArray RtfEscapedText(const QString &text) {
  QByteArray out;
  out.reserve(text.size());
  for (const QChar ch : text)
    AppendEscaped(out, ch.unicode());
  return out;
}

QByteArray WriteOfferRtf(const std::vector<OfferLine> &lines) {
  RtfTables tables(lines);
  QByteArray out = "{\\rtf1\\ansi\\ansicpg1251\\deff0\\uc1\n";
  out += FontTable(tables);
  out += ColorTable(tables);
  for (const OfferLine &line : lines)
    out += Paragraph(line, tables);
  out += "}\n";
  return out;
}
