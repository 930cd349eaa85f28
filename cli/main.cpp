// tintora-offer: the wizard and the offer engine without windows.
#include "cli_options.h"
#include "offer_output.h"
#include "order_command.h"
#include "wizard.h"
#include "wizard_walk.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <cstdio>

namespace {

constexpr int kExitUsage = 2;

void PrintError(const QString &text) {
  const QByteArray bytes = QStringLiteral("tintora-offer: %1\n").arg(text).toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
}

bool WriteOutput(const QString &fileName, const QByteArray &bytes) {
  if (fileName.isEmpty()) {
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    return std::fflush(stdout) == 0;
  }
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    PrintError(QStringLiteral("cannot write %1: %2").arg(fileName, file.errorString()));
    return false;
  }
  return true;
}

void ListPage(const Wizard &wizard, int page, void *context) {
  auto *out = static_cast<QByteArray *>(context);
  const auto listOne = [&](const QString &title, const QStringList &items, int selected) {
    *out += title.toUtf8() + '\n';
    for (qsizetype i = 0; i < items.size(); ++i)
      *out += QStringLiteral("  %1%2  %3\n")
                  .arg(i == selected ? QLatin1Char('*') : QLatin1Char(' '))
                  .arg(i + 1)
                  .arg(items[i])
                  .toUtf8();
  };
  const QString title = QStringLiteral("page %1 %2:").arg(page).arg(wizard.pages.tabCaption(page));
  if (const AnswerList *list = PageList(wizard, page)) {
    const QString label = page == 3 ? QLatin1Char(' ') + wizard.pages.questionLabel(3) : QString();
    listOne(title + label, list->items(), list->selectedIndex());
    if (page == 3 && wizard.pages.secondQuestionVisible()) {
      const AnswerList *second = PageList(wizard, 3, true);
      listOne(QStringLiteral("page 3 (--second) %1").arg(wizard.pages.lblPredelCaption()), second->items(),
              second->selectedIndex());
    }
  } else if (page == 4) {
    *out += (title + QStringLiteral(" area text \"%1\"\n").arg(wizard.pages.medSText)).toUtf8();
  } else if (page == 5) {
    QStringList colours;
    for (const PaletteColour &colour : Palette())
      colours << QString::fromUtf16(colour.caption);
    listOne(title, colours, wizard.selectedPaletteColour() - 1);
  }
}

int Run(const QStringList &arguments) {
  CliOptions options;
  QString error;
  if (!ParseCliOptions(arguments, &options, &error)) {
    PrintError(error);
    return kExitUsage;
  }
  if (options.help) {
    std::fputs(kCliHelp, stdout);
    return 0;
  }

  Wizard wizard;
  QByteArray listing;
  const WalkResult walk =
      WalkToOffer(wizard, options.choices, options.list ? &ListPage : nullptr, options.list ? &listing : nullptr);
  if (walk.status != WalkStatus::Ok) {
    PrintError(walk.error);
    return kExitUsage;
  }
  for (const QString &warning : walk.warnings)
    PrintError(QStringLiteral("warning: %1").arg(warning));
  if (options.printPages) {
    QStringList pages;
    for (int page : walk.visitedPages)
      pages << QString::number(page);
    PrintError(QStringLiteral("pages: %1").arg(pages.join(QLatin1Char(' '))));
  }

  if (options.puColour) {
    if (*options.puColour < 1 || *options.puColour > kPUColourCount) {
      PrintError(QStringLiteral("--pu-colour %1: no such polyurethane colour; choose 1 to %2")
                     .arg(*options.puColour)
                     .arg(kPUColourCount));
      return kExitUsage;
    }
    if (wizard.buttons.btnPUColor)
      wizard.puColourPickerClosed(*options.puColour);
    else
      PrintError(QStringLiteral("warning: --pu-colour ignored: the offer has no polyurethane variant"));
  }

  if (options.list)
    return WriteOutput(options.outputFile, listing) ? 0 : 1;
  if (options.order.line) {
    const OrderCommandResult order = RunOrderCommand(wizard.offer, options);
    if (!order.error.isEmpty())
      PrintError(order.error);
    if (order.exitCode != 0)
      return order.exitCode;
    return WriteOutput(options.outputFile, order.out) ? 0 : 1;
  }
  switch (options.format) {
  case OutputFormat::Text:
    return WriteOutput(options.outputFile, OfferAsText(wizard.offer)) ? 0 : 1;
  case OutputFormat::Json:
    return WriteOutput(options.outputFile, OfferAsJson(wizard.offer)) ? 0 : 1;
  case OutputFormat::Rtf:
    return WriteOutput(options.outputFile, wizard.offer.toRtf()) ? 0 : 1;
  }
  return 0;
}

} // namespace

int main(int argc, char *argv[]) {
  QCoreApplication app(argc, argv);
  QStringList arguments = QCoreApplication::arguments();
  arguments.removeFirst();
  return Run(arguments);
}
