#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

class QWidget;

// Every modal box, the file dialog and the browser go through here, so that the
// windows can be driven by tests without anything blocking or leaving the process.
namespace Dialogs {

inline const QString kDefaultSuffix = QStringLiteral("rtf");

// A modal box with the text and an OK button.
void showMessage(QWidget *parent, const QString &text);
// The file-name dialog of the save step: no filter, no title of its own, and
// "rtf" appended to a name typed without an extension. "" when cancelled.
QString getSaveFileName(QWidget *parent);
// The shell's "open" action for a web address; a failure is not reported.
void openUrl(const QUrl &url);

// `fileName` with ".suffix" appended when its last component has no extension.
QString withDefaultSuffix(const QString &fileName, const QString &suffix);

// While one exists, the functions above record instead of showing anything:
// messages are collected, file names are taken from the front of nextFileNames
// ("" or an empty queue means the user cancelled), addresses are collected.
class Recorder {
public:
  Recorder();
  ~Recorder();
  Recorder(const Recorder &) = delete;
  Recorder &operator=(const Recorder &) = delete;

  QStringList messages;
  QStringList nextFileNames;
  QList<QUrl> openedUrls;

private:
  Recorder *m_previous;
};

} // namespace Dialogs
