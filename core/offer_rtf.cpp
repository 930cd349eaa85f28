#include "offer_document.h"

#include "rtf_writer.h"

#include <QDir>
#include <QSaveFile>

namespace {

// The reason a save failed, naming the file the way the user typed it.
QString SaveError(const char *what, const QString &fileName, const QSaveFile &file) {
  return QStringLiteral("%1 \"%2\": %3")
      .arg(QLatin1String(what), QDir::toNativeSeparators(fileName), file.errorString());
}

// Writes until everything is out or the device reports an error. The file is unbuffered:
// QSaveFile::commit() does not notice a failed flush of its own buffer, so a buffered
// write could end in a short file renamed over the old one.
bool WriteFully(QSaveFile &file, const QByteArray &bytes) {
  qint64 written = 0;
  while (written < bytes.size()) {
    const qint64 chunk = file.write(bytes.constData() + written, bytes.size() - written);
    if (chunk <= 0)
      return false;
    written += chunk;
  }
  return true;
}

} // namespace

QByteArray OfferDocument::toRtf() const {
  return WriteOfferRtf(m_lines);
}

// QSaveFile writes a temporary file and renames it over the target only once all of it is on
// disk, so a failed save never leaves a truncated offer in place of an existing file.
bool OfferDocument::saveToFile(const QString &fileName, QString *errorText) const {
  QSaveFile file(fileName);
  const auto fail = [&](const char *what) {
    if (errorText)
      *errorText = SaveError(what, fileName, file);
    return false;
  };
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
    return fail("Cannot create file");
  if (!WriteFully(file, toRtf()))
    return fail("Cannot write file");
  if (!file.commit())
    return fail("Cannot save file");
  return true;
}
