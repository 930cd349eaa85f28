#pragma once

#include <QString>
#include <QStringList>
#include <array>

// The countries the order form offers and the phone mask each one selects,
// written in the masked-edit notation: "0" a required digit, "\" makes the
// next character a literal, "!" concerns optional positions only, and the
// suffix ";1;_" keeps the literals in the text and shows "_" for a digit not
// yet typed. Every other character stands for itself.
struct PhoneCountry {
  const char16_t *name;
  const char16_t *editMask;
};

inline constexpr int kPhoneCountryCount = 3;
inline constexpr int kDefaultPhoneCountry = 1; // "Россия"

const std::array<PhoneCountry, kPhoneCountryCount> &PhoneCountries();
QStringList PhoneCountryNames();

// The blank character that the masks show for a digit not yet typed.
inline constexpr QChar kMaskBlank = QLatin1Char('_');

// The mask as the empty field shows it, "+7(___)___-____": its literals, and
// kMaskBlank at every digit position.
QString MaskTemplate(const QString &editMask);

// The characters at the template's digit positions, in order: digits, or
// blanks where none was typed. Characters past the text's end read as blanks.
QString DigitSlots(const QString &text, const QString &maskTemplate);
// The template with `slotDigits` laid into its digit positions in order; a slot that
// is not a digit, or missing, leaves the position blank (kMaskBlank).
QString LayDigitSlots(const QString &maskTemplate, const QString &slotDigits);
// The field's text as the checks and the e-mail read it: a blank (" ") for
// every digit position not yet typed.
QString FieldTextOf(const QString &shownText);

// The region list of the form: 93 entries, three with a trailing blank and the
// last two empty; the same whatever the country.
const QStringList &OrderRegions();
