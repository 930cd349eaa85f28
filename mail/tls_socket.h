#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>
#include <memory>

typedef struct ssl_ctx_st SSL_CTX;
typedef struct ssl_st SSL;
typedef struct bio_st BIO;

// Where and how long to wait.
struct TlsEndpoint {
  QString host;
  quint16 port = 0;
  QString caFile; // trusted besides the system's certificates; empty: none
  std::chrono::milliseconds connectTimeout{30000};
  std::chrono::milliseconds readTimeout{30000};
  std::chrono::milliseconds writeTimeout{30000};
};

// A TLS client connection over a TCP socket (IPv4): TLS 1.2 or newer, the
// server's certificate chain checked against the system's trust store (and
// the endpoint's CA file) and its name against the host, SNI sent.
//
// OpenSSL works on memory buffers and this class moves the bytes between them
// and a non-blocking socket, so every wait is bounded by a time-out and a
// peer that went away never raises SIGPIPE. Every failure throws SmtpError
// (kind Connection) and closes the connection first.
class TlsSocket {
public:
  TlsSocket();
  ~TlsSocket();
  TlsSocket(const TlsSocket &) = delete;
  TlsSocket &operator=(const TlsSocket &) = delete;

  void open(const TlsEndpoint &endpoint);
  bool isOpen() const { return m_fd >= 0; }

  void write(const QByteArray &bytes);
  // Waits for data and returns at least one byte.
  QByteArray read();

  // Sends the TLS close notification if it can do so at once, then closes the socket.
  void close() noexcept;

private:
  struct SslDeleter {
    void operator()(SSL_CTX *context) const;
    void operator()(SSL *ssl) const;
  };

  void connectTcp();
  void startTls();
  template <typename Operation> int drive(Operation operation, std::chrono::milliseconds waitLimit);
  void flushOutput();
  void receiveInput(std::chrono::milliseconds waitLimit);
  void sendAll(const char *data, qsizetype size);
  // Closes the connection (abruptly after a failure) and throws.
  [[noreturn]] void fail(const QString &text);
  void release(bool notifyPeer) noexcept;
  QString describeTlsFailure(int sslError) const;
  QString serverName() const;

  TlsEndpoint m_endpoint;
  int m_fd = -1;
  std::unique_ptr<SSL_CTX, SslDeleter> m_context;
  std::unique_ptr<SSL, SslDeleter> m_ssl;
  BIO *m_input = nullptr;  // owned by m_ssl
  BIO *m_output = nullptr; // owned by m_ssl
};
