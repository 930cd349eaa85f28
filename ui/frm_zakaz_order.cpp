// The order form's country box and "Заказать".
#include "frm_zakaz.h"

#include "busy_indicator.h"
#include "dialogs.h"
#include "handler_guard.h"
#include "order_block.h"
#include "order_exchange.h"
#include "order_form_checks.h"
#include "order_lists.h"
#include "order_message.h"
#include "phone_edit.h"

#include <QComboBox>
#include <QDate>
#include <QLocale>

namespace {

const QString kSending = QStringLiteral("Отправка заказа…");

} // namespace

void TfrmZakaz::cbCountryChange() {
  const int index = cbCountry->findText(cbCountry->currentText(), Qt::MatchExactly);
  if (index < 0 || index >= kPhoneCountryCount)
    return; // typed text that names no country keeps the mask
  medTel->setMaskTemplate(MaskTemplate(QString::fromUtf16(PhoneCountries()[static_cast<size_t>(index)].editMask)));
}

void TfrmZakaz::bbNextClick() {
  RunGuarded(this, [this] { placeOrder(); });
}

void TfrmZakaz::report(const QString &text) {
  Dialogs::showMessage(isVisible() ? this : parentWidget(), text);
}

void TfrmZakaz::placeOrder() {
  const OrderFields contact = fields();
  if (!RequiredFieldsFilled(contact)) {
    report(kRequiredFieldsMessage);
    return;
  }
  const OfferDocument &offer = m_origin.offer();
  const std::optional<OrderBlock> block = FindOrderBlock(offer, m_origin.liLineNum());
  if (!block) {
    report(kNoVariantMessage);
    return;
  }
  const OrderMailConfig config = OrderMailSettings();
  const OrderMail order = ComposeOrderMail(contact, offer, *block, m_origin.caption(), QDate::currentDate(), QLocale());
  IdMessage = OrderMailMessage(order.subject, order.body, config);
  const OrderOutcome outcome = RunWhileBusy(
      this, kSending, [this, transport = config.transport] { return RunOrderExchange(IdSMTP, transport, IdMessage); });

  switch (outcome.kind) {
  case OrderOutcomeKind::ConnectFailed:
    report(outcome.error); // nothing went out: the form stays open for another try
    return;
  case OrderOutcomeKind::NotConnected:
    report(kOrderNotSentMessage);
    hide();
    return;
  case OrderOutcomeKind::Sent:
    report(kOrderSentMessage);
    hide();
    return;
  case OrderOutcomeKind::SendFailed:
    hide();
    report(outcome.error);
    return;
  }
}
