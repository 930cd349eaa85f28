#include "mail_message.h"

void MailMessage::setContentType(const QString &value) {
  const QStringList parts = value.split(QLatin1Char(';'));
  contentType = parts.value(0).trimmed();
  for (qsizetype i = 1; i < parts.size(); ++i) {
    const QString parameter = parts[i].trimmed();
    const QString key = parameter.section(QLatin1Char('='), 0, 0).trimmed();
    if (key.compare(QLatin1String("charset"), Qt::CaseInsensitive) == 0) {
      QString name = parameter.section(QLatin1Char('='), 1).trimmed();
      if (name.size() >= 2 && name.startsWith(QLatin1Char('"')) && name.endsWith(QLatin1Char('"')))
        name = name.mid(1, name.size() - 2);
      charset = name;
    }
  }
}
