#pragma once

// Test peers for the mail transport: the Python helpers of this folder run as
// child processes on 127.0.0.1 and report what they see as JSON lines.

#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>

namespace smtp_test {

inline QString SupportFile(const QString &name) {
  return QStringLiteral(TINTORA_TEST_SUPPORT_DIR "/") + name;
}

// Debian's interpreter, which has python3-aiosmtpd, before any other on PATH.
inline QString Python() {
  return QFile::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                           : QStringLiteral("python3");
}

// A CA and two server certificates made with make_certs.sh in a temporary folder.
class Certificates {
public:
  Certificates() {
    QProcess maker;
    maker.start(QStringLiteral("bash"), {SupportFile(QStringLiteral("make_certs.sh")), m_dir.path()});
    m_ok = maker.waitForFinished(60000) && maker.exitStatus() == QProcess::NormalExit && maker.exitCode() == 0;
  }
  bool ok() const { return m_ok; }
  QString path(const QString &name) const { return m_dir.filePath(name); }
  QString ca() const { return path(QStringLiteral("ca.pem")); }
  QString serverCert() const { return path(QStringLiteral("server.pem")); }
  QString serverKey() const { return path(QStringLiteral("server.key")); }
  QString wrongHostCert() const { return path(QStringLiteral("wrong-host.pem")); }
  QString wrongHostKey() const { return path(QStringLiteral("wrong-host.key")); }

private:
  QTemporaryDir m_dir;
  bool m_ok = false;
};

// One helper script as a child process. It ends by itself when this object
// (its standard input) goes away; the destructor also kills it.
class ServerProcess {
public:
  ServerProcess(const QString &script, const QStringList &arguments) {
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start(Python(), QStringList{SupportFile(script)} + arguments);
    if (const std::optional<QJsonObject> listening = waitFor(QStringLiteral("listening"), 30000))
      m_port = static_cast<quint16>(listening->value(QStringLiteral("port")).toInt());
  }
  ~ServerProcess() {
    m_process.closeWriteChannel();
    if (m_process.state() != QProcess::NotRunning) {
      m_process.kill();
      m_process.waitForFinished(10000);
    }
  }
  ServerProcess(const ServerProcess &) = delete;
  ServerProcess &operator=(const ServerProcess &) = delete;

  // 0 when the helper did not start listening.
  quint16 port() const { return m_port; }
  QString errorOutput() { return QString::fromUtf8(m_process.readAllStandardError()); }

  // Every event reported so far.
  QList<QJsonObject> events() {
    readAvailable(0);
    return m_events;
  }

  // The next event of that name (the first not yet returned by waitFor), or
  // nothing when none came within the time.
  std::optional<QJsonObject> waitFor(const QString &name, int timeoutMs = 20000) {
    for (;;) {
      qsizetype seen = 0;
      for (const QJsonObject &event : m_events) {
        if (event.value(QStringLiteral("event")).toString() == name && seen++ == m_taken.value(name)) {
          m_taken[name] = seen;
          return event;
        }
      }
      if (!readAvailable(timeoutMs))
        return std::nullopt;
    }
  }

  // The texts of the "line" events so far: what the peer received, in order.
  QStringList receivedLines() {
    QStringList lines;
    for (const QJsonObject &event : events()) {
      if (event.value(QStringLiteral("event")).toString() == QLatin1String("line"))
        lines.append(event.value(QStringLiteral("text")).toString());
    }
    return lines;
  }

  bool hasEvent(const QString &name) {
    for (const QJsonObject &event : events()) {
      if (event.value(QStringLiteral("event")).toString() == name)
        return true;
    }
    return false;
  }

private:
  // Reads whatever lines arrive within the time; false when none did.
  bool readAvailable(int timeoutMs) {
    if (!m_process.canReadLine() && !m_process.waitForReadyRead(timeoutMs) && !m_process.canReadLine())
      return false;
    while (m_process.canReadLine()) {
      const QJsonDocument document = QJsonDocument::fromJson(m_process.readLine());
      if (document.isObject())
        m_events.append(document.object());
    }
    return true;
  }

  QProcess m_process;
  QList<QJsonObject> m_events;
  QHash<QString, qsizetype> m_taken;
  quint16 m_port = 0;
};

} // namespace smtp_test
