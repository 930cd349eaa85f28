// The saved offer read back by a real RTF reader (unrtf), plus the writer's own bytes and
// the failure paths of saving.
#include "document_steps.h"
#include "rtf_writer.h"
#include "test_case_names.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include <sys/resource.h>

// Readable QString values in failure messages.
void PrintTo(const QString &text, std::ostream *out) {
  *out << '"' << text.toStdString() << '"';
}

namespace {

const QChar kMarker(0x0001);

QByteArray ReadAll(const QString &path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString &path, const QByteArray &bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// ---- escaping of body text ----

struct EscapeCase {
  const char *name;
  QString text;
  QByteArray rtf;
};
void PrintTo(const EscapeCase &testCase, std::ostream *out) {
  *out << testCase.name;
}

const EscapeCase kEscapeCases[] = {
    {"ascii", QStringLiteral("Total 100,5 = x"), "Total 100,5 = x"},
    {"backslash", QStringLiteral("C:\\dir\\u1"), "C:\\\\dir\\\\u1"},
    {"braces", QStringLiteral("{a}"), "\\{a\\}"},
    {"cyrillic", QStringLiteral("Пя"), "\\u1055\\'cf\\u1103\\'ff"},
    {"cyrillic outside the letter block", QStringLiteral("Ёё№«»"),
     "\\u1025\\'a8\\u1105\\'b8\\u8470\\'b9\\u171\\'ab\\u187\\'bb"},
    {"product marker", QString(kMarker) + QStringLiteral(" A"), "\\u1\\'01 A"},
    {"tab", QStringLiteral("a\tb"), "a\\tab b"},
    {"no windows-1251 byte", QStringLiteral("×"), "\\u215\\'3f"},
    {"above 32767 is negative", QString(QChar(0xFFFD)), "\\u-3\\'3f"},
    {"outside the BMP as a surrogate pair", QString::fromUtf8("\xF0\x9F\x98\x80"), "\\u-10179\\'3f\\u-8704\\'3f"},
    {"doubled blanks kept", QStringLiteral("a  b "), "a  b "},
    {"digit after a fallback byte", QStringLiteral("П1"), "\\u1055\\'cf1"},
    {"empty", QString(), ""},
};

class RtfEscape : public testing::TestWithParam<EscapeCase> {};

TEST_P(RtfEscape, WritesTextAsAsciiRtf) {
  EXPECT_EQ(RtfEscapedText(GetParam().text), GetParam().rtf);
}

INSTANTIATE_TEST_SUITE_P(Text, RtfEscape, testing::ValuesIn(kEscapeCases),
                         [](const testing::TestParamInfo<EscapeCase> &info) { return TestCaseName(info.param.name); });

// ---- the document's RTF ----

TEST(OfferRtf, SmallDocumentHasTablesAndOneParagraphPerLine) {
  OfferDocument doc;
  doc.addPlainLine(QStringLiteral("a{b}"));
  doc.addColoredLine(QStringLiteral("Итог"), kRed, true, 8);
  doc.addColoredLine(QStringLiteral("x"), kBlue, false, 12);

  const QByteArray expected =
      "{\\rtf1\\ansi\\ansicpg1251\\deff0\\uc1\n"
      "{\\fonttbl{\\f0\\fswiss\\fcharset204 Tahoma;}{\\f1\\fswiss\\fcharset204 MS Sans Serif;}}\n"
      "{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\n"
      "\\pard\\plain\\f0\\fs16\\cf1\\b0 a\\{b\\}\\par\n"
      "\\pard\\plain\\f1\\fs16\\cf2\\b \\u1048\\'c8\\u1090\\'f2\\u1086\\'ee\\u1075\\'e3\\par\n"
      "\\pard\\plain\\f1\\fs24\\cf3\\b x\\par\n"
      "}\n";
  EXPECT_EQ(doc.toRtf(), expected);
}

TEST(OfferRtf, EmptyDocumentIsStillAnRtfDocument) {
  const QByteArray rtf = OfferDocument().toRtf();
  EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1251\\deff0"));
  EXPECT_TRUE(rtf.contains("{\\fonttbl{\\f0\\fswiss\\fcharset204 Tahoma;}}"));
  EXPECT_TRUE(rtf.contains("{\\colortbl;}"));
  EXPECT_FALSE(rtf.contains("\\pard"));
  EXPECT_TRUE(rtf.endsWith("}\n"));
}

// ---- read back with unrtf ----

// One line as unrtf's HTML shows it.
struct HtmlLine {
  QString text;
  QString face;
  QString size; // HTML <font size>: unrtf maps 8 pt to 1, 12 pt to 3
  QString color;
  bool bold = false;
};

struct NamedEntity {
  const char *name;
  char16_t character;
};

// The named entities unrtf writes for the characters these tests use.
constexpr NamedEntity kNamedEntities[] = {
    {"lt", u'<'},        {"gt", u'>'},         {"amp", u'&'},        {"quot", u'"'},
    {"nbsp", u'\u00A0'}, {"laquo", u'\u00AB'}, {"raquo", u'\u00BB'}, {"times", u'\u00D7'},
};

// An unknown entity stays as written, so a comparison shows it.
QString DecodeEntity(const QString &name) {
  if (name.startsWith(u'#'))
    return QChar(static_cast<char16_t>(name.mid(1).toUInt())); // UTF-16 units: surrogate pairs rejoin
  for (const NamedEntity &entity : kNamedEntities) {
    if (name == QLatin1String(entity.name))
      return QChar(entity.character);
  }
  return u'&' + name + u';';
}

QString DecodeEntities(const QString &text) {
  static const QRegularExpression entity(QStringLiteral("&(#[0-9]+|[a-z]+);"));
  QString out;
  qsizetype from = 0;
  for (auto it = entity.globalMatch(text); it.hasNext();) {
    const QRegularExpressionMatch match = it.next();
    out += text.mid(from, match.capturedStart() - from) + DecodeEntity(match.captured(1));
    from = match.capturedEnd();
  }
  return out + text.mid(from);
}

// unrtf folds a run of blanks into one (the RTF keeps them: see the escape cases).
QString FoldBlanks(QString text) {
  static const QRegularExpression blanks(QStringLiteral(" {2,}"));
  return text.replace(blanks, QStringLiteral(" "));
}

QString Attribute(const QString &tag, const QString &name) {
  const QRegularExpression attribute(name + QStringLiteral("=\"([^\"]*)\""));
  return attribute.match(tag).captured(1);
}

// unrtf writes a font face or size only when it changes, so those carry over from earlier
// lines; colour and bold it writes for every paragraph. Each paragraph ends in <br>.
std::vector<HtmlLine> ParseUnrtfHtml(const QString &html) {
  const QString bodyTag = QStringLiteral("<body>");
  const qsizetype bodyStart = html.indexOf(bodyTag) + bodyTag.size();
  const QString body = html.mid(bodyStart, html.indexOf(QStringLiteral("</body>")) - bodyStart);

  static const QRegularExpression token(QStringLiteral("<[^>]*>|[^<]+"));
  std::vector<HtmlLine> lines;
  HtmlLine current;
  for (auto it = token.globalMatch(body); it.hasNext();) {
    const QString piece = it.next().captured();
    if (!piece.startsWith(u'<')) {
      current.text += DecodeEntities(QString(piece).remove(u'\n'));
    } else if (piece == u"<br>") {
      lines.push_back(current);
      current = HtmlLine{QString(), current.face, current.size, QString(), false};
    } else if (piece == u"<b>") {
      current.bold = true;
    } else if (piece.startsWith(QStringLiteral("<font "))) {
      for (auto [name, field] : {std::pair{"face", &HtmlLine::face}, std::pair{"size", &HtmlLine::size},
                                 std::pair{"color", &HtmlLine::color}}) {
        const QString value = Attribute(piece, QLatin1String(name));
        if (!value.isEmpty())
          current.*field = value;
      }
    }
  }
  return lines;
}

QString RunUnrtfHtml(const QString &rtfPath, QString *failure) {
  const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
  if (unrtf.isEmpty()) {
    *failure = QStringLiteral("unrtf not found on PATH: install the Debian package 'unrtf'");
    return QString();
  }
  QProcess process;
  process.start(unrtf, {QStringLiteral("--html"), rtfPath});
  if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
    *failure = QStringLiteral("unrtf failed: ") + process.errorString() + u' ' +
               QString::fromLocal8Bit(process.readAllStandardError());
    return QString();
  }
  return QString::fromUtf8(process.readAllStandardOutput());
}

// A line written to the document, and how unrtf shows it.
struct ReadbackLine {
  DocumentStep step;
  HtmlLine expected;
};

// Regular lines first: bold, once on, stays on for the rest of the document.
const std::vector<ReadbackLine> kReadbackLines = {
    {Plain(QStringLiteral("Предложение {черновик}")),
     {QStringLiteral("Предложение {черновик}"), kTahoma, QStringLiteral("1"), QStringLiteral("#000000"), false}},
    {Colored(QStringLiteral("Путь: C:\\Заказы\\{№ 5}"), kPurple, false, 12),
     {QStringLiteral("Путь: C:\\Заказы\\{№ 5}"), kMsSansSerif, QStringLiteral("3"), QStringLiteral("#800080"), false}},
    {Plain(kMarker + QStringLiteral(" Праймер «Тинтора» 10 кг × 100 = 1000")),
     {kMarker + QStringLiteral(" Праймер «Тинтора» 10 кг × 100 = 1000"), kMsSansSerif, QStringLiteral("3"),
      QStringLiteral("#800080"), false}},
    {Colored(QStringLiteral("Вариант  Первый :"), kBlue, true),
     {QStringLiteral("Вариант  Первый :"), kMsSansSerif, QStringLiteral("1"), QStringLiteral("#0000ff"), true}},
    {Colored(QStringLiteral("Внимание! Ёлки, ёжики"), kRed, false),
     {QStringLiteral("Внимание! Ёлки, ёжики"), kMsSansSerif, QStringLiteral("1"), QStringLiteral("#ff0000"), true}},
    {Plain(QString()), {QString(), kMsSansSerif, QStringLiteral("1"), QStringLiteral("#ff0000"), true}},
    {Colored(QStringLiteral("Итого: 1000 руб. ") + QString::fromUtf8("\xF0\x9F\x98\x80"), kBlack, false),
     {QStringLiteral("Итого: 1000 руб. ") + QString::fromUtf8("\xF0\x9F\x98\x80"), kMsSansSerif, QStringLiteral("1"),
      QStringLiteral("#000000"), true}},
};

OfferDocument ReadbackDocument() {
  std::vector<DocumentStep> steps;
  for (const ReadbackLine &line : kReadbackLines)
    steps.push_back(line.step);
  return DocumentOf(steps);
}

TEST(OfferRtfReadback, UnrtfReadsEveryLineWithItsFormat) {
  const QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath(QStringLiteral("offer.txt")); // the extension does not matter
  QString error;
  ASSERT_TRUE(ReadbackDocument().saveToFile(path, &error)) << error.toStdString();

  const QByteArray saved = ReadAll(path);
  EXPECT_TRUE(saved.startsWith("{\\rtf1"));
  EXPECT_TRUE(std::all_of(saved.begin(), saved.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }));

  QString failure;
  const QString html = RunUnrtfHtml(path, &failure);
  ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
  const std::vector<HtmlLine> lines = ParseUnrtfHtml(html);
  ASSERT_EQ(lines.size(), kReadbackLines.size()) << html.toStdString();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "line " << i);
    const HtmlLine &expected = kReadbackLines[i].expected;
    EXPECT_EQ(lines[i].text, FoldBlanks(expected.text));
    EXPECT_EQ(lines[i].face, expected.face);
    EXPECT_EQ(lines[i].size, expected.size);
    EXPECT_EQ(lines[i].color, expected.color);
    EXPECT_EQ(lines[i].bold, expected.bold);
  }
}

// ---- saving ----

TEST(OfferSave, ReplacesAnExistingFile) {
  const QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath(QStringLiteral("offer.rtf"));
  ASSERT_TRUE(WriteAll(path, "old content"));

  const OfferDocument doc = ReadbackDocument();
  QString error;
  ASSERT_TRUE(doc.saveToFile(path, &error)) << error.toStdString();
  EXPECT_EQ(ReadAll(path), doc.toRtf());
  EXPECT_TRUE(error.isEmpty());
}

struct UnwritableCase {
  const char *name;
  const char *target; // below the temporary directory
};
void PrintTo(const UnwritableCase &testCase, std::ostream *out) {
  *out << testCase.name;
}

// Failures that hold for root too: permissions alone would not stop the test user.
const UnwritableCase kUnwritableCases[] = {
    {"missing directory", "missing/offer.rtf"},
    {"parent is a regular file", "old.rtf/offer.rtf"},
    {"target is a directory", "folder"},
};

class OfferSaveFailure : public testing::TestWithParam<UnwritableCase> {};

TEST_P(OfferSaveFailure, ReportsTheFileAndLeavesOthersAlone) {
  const QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString existing = dir.filePath(QStringLiteral("old.rtf"));
  ASSERT_TRUE(WriteAll(existing, "old content"));
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));

  const QString target = dir.filePath(QLatin1String(GetParam().target));
  QString error;
  EXPECT_FALSE(ReadbackDocument().saveToFile(target, &error));
  EXPECT_TRUE(error.contains(QDir::toNativeSeparators(target))) << error.toStdString();
  EXPECT_GT(error.size(), QDir::toNativeSeparators(target).size() + 10) << error.toStdString();
  EXPECT_EQ(ReadAll(existing), "old content");
  EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("folder"))).isDir());
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            (QStringList{QStringLiteral("folder"), QStringLiteral("old.rtf")}));
}

INSTANTIATE_TEST_SUITE_P(Targets, OfferSaveFailure, testing::ValuesIn(kUnwritableCases),
                         [](const testing::TestParamInfo<UnwritableCase> &info) {
                           return TestCaseName(info.param.name);
                         });

// Caps the size of files this process may write, so writing fails even for root.
class FileSizeLimit {
public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &m_saved);
    m_savedHandler = std::signal(SIGXFSZ, SIG_IGN); // fail the write with EFBIG instead of dying
    rlimit limited = m_saved;
    limited.rlim_cur = bytes;
    m_active = setrlimit(RLIMIT_FSIZE, &limited) == 0;
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_savedHandler);
  }
  FileSizeLimit(const FileSizeLimit &) = delete;
  FileSizeLimit &operator=(const FileSizeLimit &) = delete;
  bool active() const { return m_active; }

private:
  rlimit m_saved{};
  void (*m_savedHandler)(int) = SIG_DFL;
  bool m_active = false;
};

TEST(OfferSave, FailedWriteKeepsTheExistingFile) {
  const QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath(QStringLiteral("offer.rtf"));
  ASSERT_TRUE(WriteAll(path, "old content"));

  QString error;
  bool saved = true;
  {
    const FileSizeLimit limit(64); // far below the document's size
    ASSERT_TRUE(limit.active());
    saved = ReadbackDocument().saveToFile(path, &error);
  }
  EXPECT_FALSE(saved);
  EXPECT_TRUE(error.contains(QDir::toNativeSeparators(path))) << error.toStdString();
  EXPECT_EQ(ReadAll(path), "old content");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("offer.rtf")});
}

} // namespace
