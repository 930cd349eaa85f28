#include "order_command.h"

#include "main_caption.h"
#include "order_block.h"
#include "order_exchange.h"
#include "order_form_checks.h"
#include "order_lists.h"
#include "order_message.h"

#include <QDate>
#include <QLocale>
#include <optional>

namespace {

const QString kInvalidPhoneInput = QStringLiteral("Invalid input value.  Use escape key to abandon changes");
const QString kDefaultCountry = QStringLiteral("Россия");

// The mask template the country box's text selects; other text keeps the Russian mask.
QString MaskForCountry(const QString &country) {
  const PhoneCountry *chosen = &PhoneCountries()[kDefaultPhoneCountry];
  for (const PhoneCountry &entry : PhoneCountries()) {
    if (country == QString::fromUtf16(entry.name))
      chosen = &entry;
  }
  return MaskTemplate(QString::fromUtf16(chosen->editMask));
}

bool InMaskShape(const QString &typed, const QString &maskTemplate) {
  if (typed.size() != maskTemplate.size())
    return false;
  for (qsizetype i = 0; i < typed.size(); ++i) {
    if (maskTemplate.at(i) != kMaskBlank && typed.at(i) != maskTemplate.at(i))
      return false;
  }
  return true;
}

// The digits of `typed` for the mask's digit positions, as typing them would
// give; nothing when there are more digits than positions.
std::optional<QString> TypedDigitSlots(const QString &typed, const QString &maskTemplate) {
  if (InMaskShape(typed, maskTemplate))
    return DigitSlots(typed, maskTemplate);
  QString digits;
  for (const QChar ch : typed) {
    if (ch >= QLatin1Char('0') && ch <= QLatin1Char('9'))
      digits += ch;
  }
  if (digits.size() > maskTemplate.count(kMaskBlank))
    return std::nullopt;
  return digits;
}

struct FormState {
  OrderFields fields;
  QString refusal; // the form's message when a field may not be left
};

FormState FillTheForm(const CliOrder &order) {
  FormState form;
  OrderFields &f = form.fields;
  f.name = order.name.value_or(QString());
  f.surname = order.surname.value_or(QString());
  f.email = order.email.value_or(QString());
  f.company = order.company.value_or(QString());
  f.country = order.country.value_or(kDefaultCountry);
  f.region = order.region.value_or(OrderRegions().first());
  f.address = order.address.value_or(QString());
  const QString maskTemplate = MaskForCountry(f.country);
  f.phone = FieldTextOf(maskTemplate);

  // Leaving each field given here runs its check, in tab order.
  const auto refuse = [&form](const QString &message) {
    form.refusal = message;
    return form;
  };
  if (order.name && !NameFieldOk(f.name))
    return refuse(kEmptyFieldMessage);
  if (order.email && !EMailFieldOk(f.email))
    return refuse(kBadEMailMessage);
  if (order.phone) {
    const std::optional<QString> slotDigits = TypedDigitSlots(*order.phone, maskTemplate);
    if (!slotDigits)
      return refuse(QStringLiteral("--phone: more digits than the mask %1 holds").arg(maskTemplate));
    f.phone = FieldTextOf(LayDigitSlots(maskTemplate, *slotDigits));
    // A number typed into but not finished: the masked field keeps the focus.
    const bool typedInto = !slotDigits->trimmed().isEmpty();
    if (typedInto && DigitSlots(f.phone, maskTemplate).contains(QLatin1Char(' ')))
      return refuse(kInvalidPhoneInput);
    if (!PhoneFieldOk(f.phone))
      return refuse(kBadPhoneMessage);
  }
  return form;
}

} // namespace

OrderCommandResult RunOrderCommand(const OfferDocument &offer, const CliOptions &options) {
  const FormState form = FillTheForm(options.order);
  if (!form.refusal.isEmpty())
    return {kExitOrderRefused, {}, form.refusal};
  if (!RequiredFieldsFilled(form.fields))
    return {kExitOrderRefused, {}, kRequiredFieldsMessage};
  const std::optional<OrderBlock> block = FindOrderBlock(offer, options.order.line.value_or(0));
  if (!block)
    return {kExitOrderRefused, {}, kNoVariantMessage};

  const OrderMailConfig config = OrderMailSettings();
  const OrderMail order = ComposeOrderMail(form.fields, offer, *block, kMainCaption, QDate::currentDate(), QLocale());
  const MailMessage message = OrderMailMessage(order.subject, order.body, config);
  if (options.printMail)
    return {0, RenderMessageText(message, ComposeOptions()).toUtf8(), {}};

  SmtpClient client;
  const OrderOutcome outcome = RunOrderExchange(client, config.transport, message);
  switch (outcome.kind) {
  case OrderOutcomeKind::Sent:
    return {0, (kOrderSentMessage + QLatin1Char('\n')).toUtf8(), {}};
  case OrderOutcomeKind::NotConnected:
    return {kExitOrderFailed, {}, kOrderNotSentMessage};
  case OrderOutcomeKind::ConnectFailed:
  case OrderOutcomeKind::SendFailed:
    return {kExitOrderFailed, {}, outcome.error};
  }
  return {kExitOrderFailed, {}, outcome.error};
}
