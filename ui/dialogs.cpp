#include "dialogs.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace Dialogs {

namespace {

Recorder *g_recorder = nullptr;

} // namespace

Recorder::Recorder() : m_previous(g_recorder) {
  g_recorder = this;
}

Recorder::~Recorder() {
  g_recorder = m_previous;
}

void showMessage(QWidget *parent, const QString &text) {
  if (g_recorder) {
    g_recorder->messages.append(text);
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::Ok, parent);
  box.exec();
}

QString withDefaultSuffix(const QString &fileName, const QString &suffix) {
  if (fileName.isEmpty() || !QFileInfo(fileName).suffix().isEmpty())
    return fileName;
  return fileName + QLatin1Char('.') + suffix;
}

QString getSaveFileName(QWidget *parent) {
  QString chosen;
  if (g_recorder) {
    if (!g_recorder->nextFileNames.isEmpty())
      chosen = g_recorder->nextFileNames.takeFirst();
  } else {
    // An open-file kind of dialog: typing a new name is allowed and an existing
    // file is replaced without a question.
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(kDefaultSuffix);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
      chosen = dialog.selectedFiles().constFirst();
  }
  return withDefaultSuffix(chosen, kDefaultSuffix);
}

void openUrl(const QUrl &url) {
  if (g_recorder) {
    g_recorder->openedUrls.append(url);
    return;
  }
  QDesktopServices::openUrl(url);
}

} // namespace Dialogs
