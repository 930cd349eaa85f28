#pragma once

// SMTP servers for the mail, order, window and command-line tests: the Python helpers
// of this folder run as child processes on 127.0.0.1 with implicit TLS and a throw-away
// test CA, and report what they see as JSON lines.

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
#include <memory>
#include <optional>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

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
  // The helper scripts' options that make them serve with the localhost certificate,
  // or with the one for another host.
  QStringList serverOptions(bool wrongHost = false) const {
    return {QStringLiteral("--cert"), wrongHost ? wrongHostCert() : serverCert(), QStringLiteral("--key"),
            wrongHost ? wrongHostKey() : serverKey()};
  }

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

// A helper script serving with its own certificates, for the tests that need nothing
// more than somewhere to send an order: the order, window and command-line tests.
class TestServer {
public:
  // The aiosmtpd server that takes AUTH LOGIN with `user` and `password`.
  bool startServer(const QString &user, const QString &password) {
    return start(QStringLiteral("smtp_server.py"),
                 {QStringLiteral("--user"), user, QStringLiteral("--password"), password});
  }
  // The scripted peer playing one of its scenarios ("recipient_refused", ...).
  bool startPeer(const QString &scenario) {
    return start(QStringLiteral("smtp_peer.py"), {QStringLiteral("--scenario"), scenario});
  }

  quint16 port() const { return m_process ? m_process->port() : 0; }
  // The CA that signed the server's certificate.
  QString caFile() const { return m_certificates.ca(); }
  // Why the start failed.
  QString problem() const { return m_problem; }
  QString errorOutput() { return m_process ? m_process->errorOutput() : m_problem; }
  std::optional<QJsonObject> waitFor(const QString &name, int timeoutMs = 20000) {
    return m_process ? m_process->waitFor(name, timeoutMs) : std::nullopt;
  }

private:
  bool start(const QString &script, const QStringList &arguments) {
    if (!m_certificates.ok()) {
      m_problem = QStringLiteral("make_certs.sh failed");
      return false;
    }
    m_process = std::make_unique<ServerProcess>(script, m_certificates.serverOptions() + arguments);
    if (m_process->port() == 0) {
      m_problem = script + QStringLiteral(" did not start: ") + m_process->errorOutput();
      return false;
    }
    return true;
  }

  Certificates m_certificates;
  std::unique_ptr<ServerProcess> m_process;
  QString m_problem;
};

// A loopback port where nothing listens: a bound socket that does not listen refuses
// connections, and keeps its port from other tests while this object lives.
class ClosedPort {
public:
  ClosedPort() : m_fd(::socket(AF_INET, SOCK_STREAM, 0)) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (m_fd >= 0 && ::bind(m_fd, reinterpret_cast<sockaddr *>(&address), length) == 0 &&
        ::getsockname(m_fd, reinterpret_cast<sockaddr *>(&address), &length) == 0)
      m_port = ntohs(address.sin_port);
  }
  ~ClosedPort() {
    if (m_fd >= 0)
      ::close(m_fd);
  }
  ClosedPort(const ClosedPort &) = delete;
  ClosedPort &operator=(const ClosedPort &) = delete;

  // 0 when no port could be bound.
  quint16 port() const { return m_port; }

private:
  int m_fd;
  quint16 m_port = 0;
};

} // namespace smtp_test
