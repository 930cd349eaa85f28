#pragma once

#include "cli_options.h"
#include "offer_document.h"

#include <QByteArray>
#include <QString>

// What an order from the command line ends in.
struct OrderCommandResult {
  int exitCode = 0;
  QByteArray out; // the printed message, or the form's success message
  QString error;  // for standard error
};

inline constexpr int kExitOrderRefused = 2; // a check of the form failed
inline constexpr int kExitOrderFailed = 1;  // the transport failed

// Places the order of `options.order` on `offer` as the order form would, or
// renders its message when options.printMail is set.
OrderCommandResult RunOrderCommand(const OfferDocument &offer, const CliOptions &options);
