// "Сохранить" on the offer page: the file dialog, the RTF file, the messages.
#include "support_windows.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

class TestSave : public WindowsTest {
  Q_OBJECT

private slots:
  void init();
  void cleanup();
  void savesRtfWhateverTheExtension_data();
  void savesRtfWhateverTheExtension();
  void anExistingFileIsReplaced();
  void aFailedWriteReportsAndKeepsTheOffer();
  void cancelWritesNothing();

private:
  std::unique_ptr<QTemporaryDir> m_tempDir;
  QTemporaryDir &dir() { return *m_tempDir; }
};

void TestSave::init() {
  m_tempDir = std::make_unique<QTemporaryDir>();
  WindowsTest::init();
  m_ui->next(6);
  QCOMPARE(m_ui->main().bbNext->text(), QStringLiteral("Сохранить"));
}

void TestSave::cleanup() {
  WindowsTest::cleanup();
  m_tempDir.reset();
}

void TestSave::savesRtfWhateverTheExtension_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("written");
  QTest::newRow("no extension: .rtf appended") << QStringLiteral("offer") << QStringLiteral("offer.rtf");
  QTest::newRow("rtf") << QStringLiteral("offer.rtf") << QStringLiteral("offer.rtf");
  QTest::newRow("txt stays txt") << QStringLiteral("offer.txt") << QStringLiteral("offer.txt");
}

void TestSave::savesRtfWhateverTheExtension() {
  QFETCH(QString, typed);
  QFETCH(QString, written);
  m_ui->dialogs.nextFileNames = QStringList{dir().filePath(typed)};
  m_ui->next();
  QCOMPARE(m_ui->dialogs.messages, QStringList{QStringLiteral("Файл сохранен.")});
  QFile file(dir().filePath(written));
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray content = file.readAll();
  QVERIFY(content.startsWith("{\\rtf1"));
  QCOMPARE(content, m_ui->wizard().offer.toRtf());
  QCOMPARE(m_ui->main().pcMain->currentIndex(), 6);
  QCOMPARE(m_ui->main().bbNext->text(), QStringLiteral("Сохранить"));
}

void TestSave::anExistingFileIsReplaced() {
  const QString path = dir().filePath(QStringLiteral("old.rtf"));
  QFile old(path);
  QVERIFY(old.open(QIODevice::WriteOnly));
  old.write("old content");
  old.close();
  m_ui->dialogs.nextFileNames = QStringList{path};
  m_ui->next();
  QCOMPARE(m_ui->dialogs.messages, QStringList{QStringLiteral("Файл сохранен.")});
  QVERIFY(old.open(QIODevice::ReadOnly));
  QCOMPARE(old.readAll(), m_ui->wizard().offer.toRtf());
}

void TestSave::aFailedWriteReportsAndKeepsTheOffer() {
  const QStringList before = OfferLines(m_ui->wizard().offer);
  m_ui->dialogs.nextFileNames = QStringList{dir().filePath(QStringLiteral("missing-folder/offer.rtf"))};
  m_ui->next();
  QCOMPARE(m_ui->dialogs.messages.size(), 1);
  QVERIFY(!m_ui->dialogs.messages.constFirst().isEmpty());
  QVERIFY(m_ui->dialogs.messages.constFirst() != QStringLiteral("Файл сохранен."));
  QCOMPARE(OfferLines(m_ui->wizard().offer), before);
  QCOMPARE(m_ui->main().pcMain->currentIndex(), 6);

  // The offer is still there to be saved elsewhere.
  m_ui->dialogs.nextFileNames = QStringList{dir().filePath(QStringLiteral("offer"))};
  m_ui->next();
  QCOMPARE(m_ui->dialogs.messages.constLast(), QStringLiteral("Файл сохранен."));
  QVERIFY(QFile::exists(dir().filePath(QStringLiteral("offer.rtf"))));
}

void TestSave::cancelWritesNothing() {
  m_ui->next(); // no file name: the user cancelled
  QVERIFY(m_ui->dialogs.messages.isEmpty());
  QVERIFY(QDir(dir().path()).isEmpty());
}

QTEST_MAIN(TestSave)
#include "tst_save.moc"
