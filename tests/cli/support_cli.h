#pragma once

#include <QByteArray>
#include <QStringList>
#include <gtest/gtest.h>

// The outcome of one run of tintora-offer.
struct CliRun {
  int exitCode = -1;
  QByteArray out;
  QByteArray err;
};

// Runs the tintora-offer binary with `arguments` and `extraEnv` ("NAME=value") added.
CliRun RunTintoraOffer(const QStringList &arguments, const QStringList &extraEnv = {});

// A refused command line: exit status 2 and nothing on standard output.
testing::AssertionResult Refused(const CliRun &run);
