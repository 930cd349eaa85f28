#include "mail_settings.h"

#include <QDebug>
#include <QSysInfo>

namespace {

// The order account lives here and nowhere else.
constexpr char kOrderHost[] = "smtp.mail.ru";
constexpr char kOrderAccount[] = "tintora.order@mail.ru";
constexpr char kOrderMailbox[] = "zakaz@tintora.ru";
constexpr char kOrderPassword[] = "dqx4178";

void ApplyPortOverride(const QString &text, MailSettings &settings) {
  bool ok = false;
  const uint port = text.toUInt(&ok);
  if (ok && port >= 1 && port <= 65535) {
    settings.port = static_cast<quint16>(port);
    return;
  }
  qWarning().noquote() << "TINTORA_SMTP_PORT is not a port number, keeping" << settings.port << ":" << text;
}

} // namespace

OrderMailConfig OrderMailSettings(const QProcessEnvironment &environment) {
  OrderMailConfig config;
  config.sender = MailAddress{QString::fromLatin1(kOrderAccount), QString::fromLatin1(kOrderAccount)};
  config.orderMailbox = QString::fromLatin1(kOrderMailbox);

  MailSettings &transport = config.transport;
  const QString hostOverride = environment.value(QStringLiteral("TINTORA_SMTP_HOST")).trimmed();
  transport.host = hostOverride.isEmpty() ? QString::fromLatin1(kOrderHost) : hostOverride;
  transport.port = 465;
  transport.user = QString::fromLatin1(kOrderAccount);
  transport.password = QString::fromLatin1(kOrderPassword);
  transport.implicitTls = true;
  const QString portOverride = environment.value(QStringLiteral("TINTORA_SMTP_PORT")).trimmed();
  if (!portOverride.isEmpty())
    ApplyPortOverride(portOverride, transport);
  transport.caFile = environment.value(QStringLiteral("TINTORA_SMTP_CAFILE"));
  return config;
}

OrderMailConfig OrderMailSettings() {
  return OrderMailSettings(QProcessEnvironment::systemEnvironment());
}

QString LocalMachineName() {
  const QString name = QSysInfo::machineHostName();
  return name.isEmpty() ? QStringLiteral("localhost") : name;
}
