#pragma once

#include "mail_message.h"

#include <QProcessEnvironment>
#include <QString>
#include <chrono>

// How to reach and log in to the SMTP server.
struct MailSettings {
  QString host;
  quint16 port = 465;
  QString user; // empty: no authentication
  QString password;
  bool implicitTls = true; // TLS from the first byte; nothing is ever sent in clear
  QString caFile;          // extra trusted certificates (PEM) besides the system's
  QString localName;       // name sent with EHLO/HELO; empty: this machine's host name
  std::chrono::milliseconds connectTimeout{30000};
  std::chrono::milliseconds readTimeout{30000};
  std::chrono::milliseconds writeTimeout{30000};
};

// Everything the order e-mail needs besides its contents.
struct OrderMailConfig {
  MailSettings transport;
  MailAddress sender;   // the seller's sender account; also the login
  QString orderMailbox; // where orders go
};

// The built-in order account, with the environment's overrides:
// TINTORA_SMTP_HOST, TINTORA_SMTP_PORT and TINTORA_SMTP_CAFILE.
OrderMailConfig OrderMailSettings();
OrderMailConfig OrderMailSettings(const QProcessEnvironment &environment);

// This machine's host name as EHLO wants it ("localhost" when there is none).
QString LocalMachineName();
