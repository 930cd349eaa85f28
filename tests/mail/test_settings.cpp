// The built-in order account and the environment's overrides.
#include "mail_settings.h"

#include <gtest/gtest.h>

namespace {

QProcessEnvironment Environment(std::initializer_list<std::pair<const char *, const char *>> values) {
  QProcessEnvironment environment;
  for (const auto &[name, value] : values)
    environment.insert(QString::fromLatin1(name), QString::fromLatin1(value));
  return environment;
}

TEST(OrderMailSettings, BuiltInAccount) {
  const OrderMailConfig config = OrderMailSettings(QProcessEnvironment());
  EXPECT_EQ(config.transport.host, QStringLiteral("smtp.mail.ru"));
  EXPECT_EQ(config.transport.port, 465);
  EXPECT_TRUE(config.transport.implicitTls);
  EXPECT_EQ(config.transport.user, QStringLiteral("tintora.order@mail.ru"));
  EXPECT_EQ(config.transport.password, QStringLiteral("dqx4178"));
  EXPECT_TRUE(config.transport.caFile.isEmpty());
  EXPECT_EQ(config.transport.connectTimeout, std::chrono::seconds(30));
  EXPECT_EQ(config.transport.readTimeout, std::chrono::seconds(30));
  EXPECT_EQ(config.transport.writeTimeout, std::chrono::seconds(30));
  EXPECT_EQ(config.sender.address, config.transport.user);
  EXPECT_EQ(config.sender.name, config.transport.user);
  EXPECT_EQ(config.orderMailbox, QStringLiteral("zakaz@tintora.ru"));
}

TEST(OrderMailSettings, EnvironmentOverridesHostPortAndCaFile) {
  const OrderMailConfig config = OrderMailSettings(Environment(
      {{"TINTORA_SMTP_HOST", "localhost"}, {"TINTORA_SMTP_PORT", "2465"}, {"TINTORA_SMTP_CAFILE", "/tmp/ca.pem"}}));
  EXPECT_EQ(config.transport.host, QStringLiteral("localhost"));
  EXPECT_EQ(config.transport.port, 2465);
  EXPECT_EQ(config.transport.caFile, QStringLiteral("/tmp/ca.pem"));
  EXPECT_EQ(config.transport.password, QStringLiteral("dqx4178"));
}

TEST(OrderMailSettings, IgnoresEmptyOrInvalidOverrides) {
  for (const char *port : {"0", "65536", "abc", "-1", ""}) {
    const OrderMailConfig config =
        OrderMailSettings(Environment({{"TINTORA_SMTP_HOST", ""}, {"TINTORA_SMTP_PORT", port}}));
    EXPECT_EQ(config.transport.port, 465) << port;
    EXPECT_EQ(config.transport.host, QStringLiteral("smtp.mail.ru"));
  }
}

TEST(LocalMachineName, IsNeverEmpty) {
  EXPECT_FALSE(LocalMachineName().isEmpty());
}

} // namespace
