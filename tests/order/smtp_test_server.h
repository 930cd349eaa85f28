#pragma once

// A real SMTP server on loopback for the order tests: the support scripts
// (aiosmtpd, or the scripted peer) with implicit TLS and a throw-away test CA.
// Header-only, so that the order, window and command-line tests share it.

#include <QByteArray>
#include <QDeadlineTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <memory>
#include <optional>

class SmtpTestServer {
public:
  SmtpTestServer() = default;
  SmtpTestServer(const SmtpTestServer &) = delete;
  SmtpTestServer &operator=(const SmtpTestServer &) = delete;
  ~SmtpTestServer() { stop(); }

  // The aiosmtpd server that takes AUTH LOGIN with `user` and `password`.
  bool startServer(const QString &user, const QString &password) {
    return start(QStringLiteral("smtp_server.py"), {QStringLiteral("--user"), user, QStringLiteral("--password"), password});
  }
  // The scripted peer playing one of its scenarios ("recipient_refused", ...).
  bool startPeer(const QString &scenario) {
    return start(QStringLiteral("smtp_peer.py"), {QStringLiteral("--scenario"), scenario});
  }

  quint16 port() const { return m_port; }
  QString caFile() const { return m_certs ? m_certs->filePath(QStringLiteral("ca.pem")) : QString(); }
  // Why start failed, or what the script said on standard error.
  QString problem() const { return m_problem; }

  // The next reported event named `name`, waiting for it at most `waitMs`.
  std::optional<QJsonObject> waitFor(const QString &name, int waitMs = 30000) {
    QDeadlineTimer deadline(waitMs);
    for (;;) {
      takeLines();
      while (!m_pending.isEmpty()) {
        const QJsonObject event = m_pending.takeFirst();
        if (event.value(QStringLiteral("event")).toString() == name)
          return event;
      }
      if (!m_process || m_process->state() != QProcess::Running || deadline.hasExpired())
        return std::nullopt;
      m_process->waitForReadyRead(static_cast<int>(std::max<qint64>(deadline.remainingTime(), 1)));
    }
  }
  void stop() {
    if (!m_process)
      return;
    m_process->closeWriteChannel();  // the scripts end when their input closes
    if (!m_process->waitForFinished(5000)) {
      m_process->kill();
      m_process->waitForFinished(5000);
    }
    m_process.reset();
  }

  // A Python that has aiosmtpd: Debian's own, when the PATH offers another one.
  static QString python() {
    const QString system = QStringLiteral("/usr/bin/python3");
    return QFile::exists(system) ? system : QStandardPaths::findExecutable(QStringLiteral("python3"));
  }

private:
  static QString supportDir() { return QStringLiteral(TINTORA_TEST_SUPPORT_DIR); }

  bool makeCertificates() {
    m_certs = std::make_unique<QTemporaryDir>();
    QProcess make;
    make.start(QStringLiteral("bash"), {supportDir() + QStringLiteral("/make_certs.sh"), m_certs->path()});
    if (!make.waitForFinished(60000) || make.exitCode() != 0) {
      m_problem = QStringLiteral("make_certs.sh failed: ") + QString::fromUtf8(make.readAllStandardError());
      return false;
    }
    return true;
  }

  bool start(const QString &script, const QStringList &arguments) {
    if (!makeCertificates())
      return false;
    m_process = std::make_unique<QProcess>();
    m_process->setProcessChannelMode(QProcess::SeparateChannels);
    m_process->start(python(), QStringList{supportDir() + QLatin1Char('/') + script, QStringLiteral("--cert"),
                                           m_certs->filePath(QStringLiteral("server.pem")), QStringLiteral("--key"),
                                           m_certs->filePath(QStringLiteral("server.key"))} +
                                   arguments);
    if (!m_process->waitForStarted(30000)) {
      m_problem = script + QStringLiteral(" could not be run: ") + m_process->errorString();
      return false;
    }
    const std::optional<QJsonObject> listening = waitFor(QStringLiteral("listening"), 30000);
    if (!listening) {
      m_problem = QStringLiteral("%1 did not start: %2").arg(script, QString::fromUtf8(m_process->readAllStandardError()));
      return false;
    }
    m_port = static_cast<quint16>(listening->value(QStringLiteral("port")).toInt());
    return true;
  }

  void takeLines() {
    if (!m_process)
      return;
    m_buffer += m_process->readAllStandardOutput();
    for (qsizetype end = m_buffer.indexOf('\n'); end >= 0; end = m_buffer.indexOf('\n')) {
      const QByteArray line = m_buffer.left(end);
      m_buffer.remove(0, end + 1);
      const QJsonDocument document = QJsonDocument::fromJson(line);
      if (document.isObject())
        m_pending.append(document.object());
    }
  }

  std::unique_ptr<QTemporaryDir> m_certs;
  std::unique_ptr<QProcess> m_process;
  QByteArray m_buffer;
  QList<QJsonObject> m_pending;
  quint16 m_port = 0;
  QString m_problem;
};
