#include "support_cli.h"

#include <QProcess>
#include <QProcessEnvironment>

CliRun RunTintoraOffer(const QStringList &arguments, const QStringList &extraEnv) {
#ifdef TINTORA_OFFER_EXE
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const QString &entry : extraEnv) {
    const qsizetype eq = entry.indexOf(QLatin1Char('='));
    env.insert(entry.left(eq), entry.mid(eq + 1));
  }
  process.setProcessEnvironment(env);
  process.start(QStringLiteral(TINTORA_OFFER_EXE), arguments);
  CliRun run;
  if (!process.waitForFinished(60000)) {
    process.kill();
    process.waitForFinished();
    run.err = "tintora-offer did not finish";
    return run;
  }
  run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = process.readAllStandardOutput();
  run.err = process.readAllStandardError();
  return run;
#else
  Q_UNUSED(arguments);
  Q_UNUSED(extraEnv);
  return CliRun{-1, {}, "TINTORA_OFFER_EXE is not defined for this test"};
#endif
}

testing::AssertionResult Refused(const CliRun &run) {
  if (run.exitCode != 2)
    return testing::AssertionFailure() << "exit status " << run.exitCode
                                       << ", expected 2; stderr: " << run.err.toStdString();
  if (!run.out.isEmpty())
    return testing::AssertionFailure() << "standard output is not empty: " << run.out.toStdString();
  return testing::AssertionSuccess();
}
