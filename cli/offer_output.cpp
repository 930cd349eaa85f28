#include "offer_output.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QByteArray OfferAsText(const OfferDocument &doc) {
  QByteArray out;
  for (const OfferLine &line : doc.lines()) {
    out += line.text.toUtf8();
    out += '\n';
  }
  return out;
}

QByteArray OfferAsJson(const OfferDocument &doc) {
  QJsonArray lines;
  for (const OfferLine &line : doc.lines()) {
    QJsonObject object;
    object.insert(QStringLiteral("text"), line.text);
    object.insert(QStringLiteral("color"),
                  line.plain
                      ? QJsonValue(QJsonValue::Null)
                      : QJsonValue(QStringLiteral("#%1").arg(line.format.color, 6, 16, QLatin1Char('0')).toUpper()));
    object.insert(QStringLiteral("bold"), line.format.bold);
    object.insert(QStringLiteral("size"), line.format.size);
    lines.append(object);
  }
  return QJsonDocument(lines).toJson(QJsonDocument::Indented);
}
