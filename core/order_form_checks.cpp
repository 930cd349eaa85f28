#include "order_form_checks.h"

namespace {

bool IsBlankOrControl(QChar ch) {
  return ch == QLatin1Char(' ') || ch.category() == QChar::Other_Control;
}

bool IsEMailChar(QChar ch) {
  const char16_t c = ch.unicode();
  return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'.' || c == u'_' ||
         c == u'-';
}

// The shortest domain that can hold a name, a dot and two letters: "a.bc" is one short.
constexpr qsizetype kMinDomainLength = 5;

} // namespace

QString TrimBlanksAndControls(const QString &text) {
  qsizetype begin = 0;
  qsizetype end = text.size();
  while (begin < end && IsBlankOrControl(text.at(begin)))
    ++begin;
  while (end > begin && IsBlankOrControl(text.at(end - 1)))
    --end;
  return text.mid(begin, end - begin);
}

bool EMailCharsOk(const QString &text) {
  for (const QChar ch : text) {
    if (!IsEMailChar(ch))
      return false;
  }
  return true;
}

bool CheckEMail(const QString &text) {
  const qsizetype at = text.indexOf(QLatin1Char('@'));
  if (at < 0)
    return false;
  const QString local = text.left(at);
  const QString domain = text.mid(at + 1); // a further "@" stays here and fails the character test
  if (local.isEmpty() || domain.size() < kMinDomainLength)
    return false;
  const qsizetype dot = domain.indexOf(QLatin1Char('.'));
  // At least two characters must follow the first dot of the domain.
  if (dot < 0 || dot + 1 > domain.size() - 2)
    return false;
  return EMailCharsOk(local) && EMailCharsOk(domain);
}

bool NameFieldOk(const QString &name) {
  return !TrimBlanksAndControls(name).isEmpty();
}

bool EMailFieldOk(const QString &email) {
  return CheckEMail(email);
}

bool PhoneFieldOk(const QString &phone) {
  return TrimBlanksAndControls(phone).size() >= kPhoneMinLength;
}

bool RequiredFieldsFilled(const OrderFields &fields) {
  return NameFieldOk(fields.name) && !TrimBlanksAndControls(fields.email).isEmpty() && PhoneFieldOk(fields.phone);
}
