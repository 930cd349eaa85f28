#include "tls_socket.h"

#include "smtp_error.h"

#include <QFile>

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// The addresses of a name, freed on every path.
struct AddressList {
  addrinfo *head = nullptr;
  ~AddressList() {
    if (head)
      freeaddrinfo(head);
  }
};

QString SystemError(int error) {
  return QString::fromLocal8Bit(std::strerror(error));
}

int RemainingMs(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

// Waits until the socket is ready for `events`; false when the time ran out.
bool WaitFor(int fd, short events, Clock::time_point deadline) {
  for (;;) {
    pollfd entry{fd, events, 0};
    const int rc = ::poll(&entry, 1, RemainingMs(deadline));
    if (rc > 0)
      return true;
    if (rc == 0)
      return false;
    if (errno != EINTR)
      return true; // the following call reports the socket's error
  }
}

QString Seconds(std::chrono::milliseconds timeout) {
  return QString::number(static_cast<double>(timeout.count()) / 1000.0, 'g', 3);
}

bool IsIpLiteral(const QByteArray &host) {
  unsigned char buffer[sizeof(in6_addr)];
  return inet_pton(AF_INET, host.constData(), buffer) == 1 || inet_pton(AF_INET6, host.constData(), buffer) == 1;
}

QString OpenSslReason() {
  const unsigned long error = ERR_peek_last_error();
  if (error == 0)
    return {};
  const char *reason = ERR_reason_error_string(error);
  return reason ? QString::fromUtf8(reason) : QString::number(error, 16);
}

} // namespace

void TlsSocket::SslDeleter::operator()(SSL_CTX *context) const {
  SSL_CTX_free(context);
}
void TlsSocket::SslDeleter::operator()(SSL *ssl) const {
  SSL_free(ssl);
}

TlsSocket::TlsSocket() = default;

TlsSocket::~TlsSocket() {
  release(false);
}

QString TlsSocket::serverName() const {
  return m_endpoint.host + QLatin1Char(':') + QString::number(m_endpoint.port);
}

void TlsSocket::fail(const QString &text) {
  release(false);
  throw SmtpError(SmtpError::Kind::Connection, text);
}

void TlsSocket::open(const TlsEndpoint &endpoint) {
  release(false);
  m_endpoint = endpoint;
  connectTcp();
  startTls();
}

void TlsSocket::connectTcp() {
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  AddressList addresses;
  const QByteArray port = QByteArray::number(m_endpoint.port);
  const int resolved = getaddrinfo(m_endpoint.host.toUtf8().constData(), port.constData(), &hints, &addresses.head);
  if (resolved != 0)
    fail(QStringLiteral("Не удалось найти сервер %1: %2")
             .arg(m_endpoint.host, QString::fromUtf8(gai_strerror(resolved))));

  const Clock::time_point deadline = Clock::now() + m_endpoint.connectTimeout;
  QString lastError;
  for (const addrinfo *address = addresses.head; address; address = address->ai_next) {
    m_fd = ::socket(address->ai_family, address->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, address->ai_protocol);
    if (m_fd < 0) {
      lastError = SystemError(errno);
      continue;
    }
    int error = ::connect(m_fd, address->ai_addr, address->ai_addrlen) == 0 ? 0 : errno;
    if (error == EINPROGRESS) {
      if (!WaitFor(m_fd, POLLOUT, deadline))
        fail(QStringLiteral("Сервер %1 не ответил за %2 с").arg(serverName(), Seconds(m_endpoint.connectTimeout)));
      socklen_t length = sizeof error;
      if (getsockopt(m_fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0)
        error = errno;
    }
    if (error == 0)
      return;
    lastError = SystemError(error);
    ::close(m_fd);
    m_fd = -1;
  }
  fail(QStringLiteral("Не удалось подключиться к серверу %1: %2").arg(serverName(), lastError));
}

void TlsSocket::startTls() {
  m_context.reset(SSL_CTX_new(TLS_client_method()));
  if (!m_context)
    fail(QStringLiteral("Не удалось подготовить TLS: %1").arg(OpenSslReason()));
  SSL_CTX_set_min_proto_version(m_context.get(), TLS1_2_VERSION);
  SSL_CTX_set_verify(m_context.get(), SSL_VERIFY_PEER, nullptr);
  if (SSL_CTX_set_default_verify_paths(m_context.get()) != 1)
    fail(QStringLiteral("Не удалось загрузить системные сертификаты: %1").arg(OpenSslReason()));
  if (!m_endpoint.caFile.isEmpty() &&
      SSL_CTX_load_verify_locations(m_context.get(), QFile::encodeName(m_endpoint.caFile).constData(), nullptr) != 1)
    fail(QStringLiteral("Не удалось прочитать сертификаты из файла %1: %2").arg(m_endpoint.caFile, OpenSslReason()));

  m_ssl.reset(SSL_new(m_context.get()));
  m_input = BIO_new(BIO_s_mem());
  m_output = BIO_new(BIO_s_mem());
  if (!m_ssl || !m_input || !m_output) {
    BIO_free(m_input);
    BIO_free(m_output);
    m_input = m_output = nullptr;
    fail(QStringLiteral("Не удалось подготовить TLS: %1").arg(OpenSslReason()));
  }
  SSL_set_bio(m_ssl.get(), m_input, m_output);

  const QByteArray host = m_endpoint.host.toUtf8();
  const bool hostSet = IsIpLiteral(host)
                           ? X509_VERIFY_PARAM_set1_ip_asc(SSL_get0_param(m_ssl.get()), host.constData()) == 1
                           : SSL_set_tlsext_host_name(m_ssl.get(), host.constData()) == 1 &&
                                 SSL_set1_host(m_ssl.get(), host.constData()) == 1;
  if (!hostSet)
    fail(QStringLiteral("Не удалось подготовить TLS для сервера %1: %2").arg(m_endpoint.host, OpenSslReason()));

  SSL *ssl = m_ssl.get();
  drive([ssl] { return SSL_connect(ssl); }, m_endpoint.readTimeout);
}

template <typename Operation> int TlsSocket::drive(Operation operation, std::chrono::milliseconds waitLimit) {
  for (;;) {
    ERR_clear_error();
    const int rc = operation();
    if (rc > 0) {
      flushOutput();
      return rc;
    }
    const int sslError = SSL_get_error(m_ssl.get(), rc);
    if (sslError != SSL_ERROR_WANT_READ) {
      const QString text = describeTlsFailure(sslError);
      try {
        flushOutput(); // the alert that tells the server why
      } catch (const SmtpError &) {
      }
      fail(text);
    }
    flushOutput();
    receiveInput(waitLimit);
  }
}

QString TlsSocket::describeTlsFailure(int sslError) const {
  const long verification = SSL_get_verify_result(m_ssl.get());
  if (verification != X509_V_OK) {
    return QStringLiteral("Сертификат сервера %1 не прошёл проверку: %2")
        .arg(serverName(), QString::fromUtf8(X509_verify_cert_error_string(verification)));
  }
  const QString reason = OpenSslReason();
  if (sslError == SSL_ERROR_ZERO_RETURN || (sslError == SSL_ERROR_SYSCALL && reason.isEmpty()))
    return QStringLiteral("Сервер %1 закрыл соединение").arg(serverName());
  return QStringLiteral("Ошибка защищённого соединения с сервером %1: %2")
      .arg(serverName(), reason.isEmpty() ? QString::number(sslError) : reason);
}

void TlsSocket::flushOutput() {
  char chunk[16384];
  while (BIO_ctrl_pending(m_output) > 0) {
    const int size = BIO_read(m_output, chunk, sizeof chunk);
    if (size <= 0)
      return;
    sendAll(chunk, size);
  }
}

void TlsSocket::sendAll(const char *data, qsizetype size) {
  while (size > 0) {
    const ssize_t sent = ::send(m_fd, data, static_cast<size_t>(size), MSG_NOSIGNAL);
    if (sent > 0) {
      data += sent;
      size -= sent;
      continue;
    }
    if (sent < 0 && errno == EINTR)
      continue;
    if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      if (!WaitFor(m_fd, POLLOUT, Clock::now() + m_endpoint.writeTimeout))
        fail(QStringLiteral("Сервер %1 не принял данные за %2 с").arg(serverName(), Seconds(m_endpoint.writeTimeout)));
      continue;
    }
    fail(QStringLiteral("Соединение с сервером %1 разорвано: %2").arg(serverName(), SystemError(errno)));
  }
}

void TlsSocket::receiveInput(std::chrono::milliseconds waitLimit) {
  char chunk[16384];
  for (;;) {
    if (!WaitFor(m_fd, POLLIN, Clock::now() + waitLimit))
      fail(QStringLiteral("Сервер %1 не ответил за %2 с").arg(serverName(), Seconds(waitLimit)));
    const ssize_t received = ::recv(m_fd, chunk, sizeof chunk, 0);
    if (received > 0) {
      BIO_write(m_input, chunk, static_cast<int>(received));
      return;
    }
    if (received == 0)
      fail(QStringLiteral("Сервер %1 закрыл соединение").arg(serverName()));
    if (errno != EINTR && errno != EAGAIN && errno != EWOULDBLOCK)
      fail(QStringLiteral("Соединение с сервером %1 разорвано: %2").arg(serverName(), SystemError(errno)));
  }
}

void TlsSocket::write(const QByteArray &bytes) {
  if (!isOpen())
    throw SmtpError(SmtpError::Kind::Connection, QStringLiteral("Нет соединения с сервером"));
  if (bytes.isEmpty())
    return;
  SSL *ssl = m_ssl.get();
  drive([ssl, &bytes] { return SSL_write(ssl, bytes.constData(), static_cast<int>(bytes.size())); },
        m_endpoint.readTimeout);
}

QByteArray TlsSocket::read() {
  if (!isOpen())
    throw SmtpError(SmtpError::Kind::Connection, QStringLiteral("Нет соединения с сервером"));
  QByteArray buffer(16384, Qt::Uninitialized);
  SSL *ssl = m_ssl.get();
  const int size = drive([ssl, &buffer] { return SSL_read(ssl, buffer.data(), static_cast<int>(buffer.size())); },
                         m_endpoint.readTimeout);
  buffer.truncate(size);
  return buffer;
}

void TlsSocket::close() noexcept {
  release(true);
}

void TlsSocket::release(bool notifyPeer) noexcept {
  if (notifyPeer && m_ssl && m_fd >= 0 && SSL_is_init_finished(m_ssl.get())) {
    ERR_clear_error();
    SSL_shutdown(m_ssl.get());
    char chunk[1024];
    const int size = BIO_read(m_output, chunk, sizeof chunk);
    if (size > 0)
      ::send(m_fd, chunk, static_cast<size_t>(size), MSG_NOSIGNAL | MSG_DONTWAIT);
  }
  ERR_clear_error();
  m_ssl.reset();
  m_context.reset();
  m_input = m_output = nullptr;
  if (m_fd >= 0) {
    ::close(m_fd);
    m_fd = -1;
  }
}
