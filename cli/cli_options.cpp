#include "cli_options.h"

#include <functional>
#include <map>

const char *const kCliHelp = R"help(Usage: tintora-offer [options]

Walks the Tintora wizard headless, exactly as the program does, choosing the
answers given below and pressing "Далее" until the offer page; then prints the
offer.

Answers are 1-based positions in the list that the page shows when the walk
reaches it (see --list):
  --work N        page 0, type of work
  --object N      page 1, kind of object
  --material N    page 2, base material
  --answer N      page 3, main question (season, transparency or roof condition)
  --second N      page 3, second question (fire resistance or roof condition)
  --area TEXT     page 4, the area as typed: digits and one decimal comma
                  (default "100")
  --colour N      page 5, palette colour 1..26 clicked (omitted: no click)
  --pu-colour N   after the offer, pick polyurethane colour 1..13 in the picker
                  and recompose the offer keeping it

Output:
  --format text|json|rtf  text: each offer line as it stands, UTF-8, one per
                  output line (the product marker U+0001 kept); json: an array
                  of {"text", "color" ("#RRGGBB", null for a plain line),
                  "bold", "size"}; rtf: the file the program saves.
                  Default text.
  --output FILE   write there instead of standard output
  --pages         also print the visited pages, "pages: 0 1 2 3 4 5 6", on
                  standard error
  --list          print each visited page's answers with their numbers instead
                  of an offer
  --help          this text

Ordering (the order form's "Заказать", without windows):
  --order LINE    order the variant around offer line LINE: 0-based, the line
                  the user clicked in the offer view. The same block search,
                  checks and e-mail as the order form.
  --name TEXT, --surname TEXT, --email TEXT, --company TEXT, --address TEXT
                  the form's fields, as typed (default empty)
  --phone TEXT    the phone as typed into the masked field: its digits fill
                  the country's ten digit positions in order (9161234567 gives
                  +7(916)123-4567); a text in the mask's own shape is taken as
                  it stands. Omitted: the field is left untouched.
  --country TEXT  the country box (default "Россия"); "Беларусь", "Россия" and
                  "Украина" choose the phone mask, any other text keeps the
                  Russian one
  --region TEXT   the region box (default "Агинский Бурятский (АО)")
  --print-mail    print the complete message instead of sending it: the header
                  fields, an empty line and the body, as they go after DATA but
                  unencoded and in UTF-8
  Without --print-mail the order is sent to the built-in order account
  (TINTORA_SMTP_HOST, TINTORA_SMTP_PORT and TINTORA_SMTP_CAFILE override the
  server) and the form's outcome message is printed. A check that fails prints
  the form's message on standard error and exits 2: the checks on leaving the
  name, e-mail and phone fields (for those given), the required fields, and a
  click on an offer without a variant to order. A transport error, or a
  connection that did not open, exits 1 with its text on standard error.

An answer, colour or area the wizard cannot take is reported on standard error
with the valid choices; the exit status is then 2 and nothing is printed on
standard output. An option for a page that the walk skips is ignored with a
warning. Numbers in the offer use the decimal separator of the user's locale.
)help";

namespace {

bool ParseNumber(const QString &option, const QString &text, int *value, QString *error) {
  bool ok = false;
  *value = text.toInt(&ok);
  if (!ok)
    *error = QStringLiteral("%1 needs a whole number, not \"%2\"").arg(option, text);
  return ok;
}

using ValueSetter = std::function<bool(CliOptions *, const QString &, const QString &, QString *)>;

ValueSetter NumberInto(std::optional<int> WalkChoices::*field) {
  return [field](CliOptions *o, const QString &opt, const QString &text, QString *error) {
    int value = 0;
    if (!ParseNumber(opt, text, &value, error))
      return false;
    o->choices.*field = value;
    return true;
  };
}

ValueSetter TextInto(std::optional<QString> CliOrder::*field) {
  return [field](CliOptions *o, const QString &, const QString &text, QString *) {
    o->order.*field = text;
    return true;
  };
}

bool OrderOptionsComplete(const CliOptions &options, QString *error) {
  const CliOrder &order = options.order;
  const bool orderDetails = order.name || order.surname || order.email || order.company || order.phone ||
                            order.country || order.region || order.address || options.printMail;
  if (orderDetails && !order.line) {
    *error = QStringLiteral("the order's fields and --print-mail need --order LINE; see --help");
    return false;
  }
  return true;
}

const std::map<QString, ValueSetter> &ValueOptions() {
  static const std::map<QString, ValueSetter> options = {
      {QStringLiteral("--work"), NumberInto(&WalkChoices::work)},
      {QStringLiteral("--object"), NumberInto(&WalkChoices::object)},
      {QStringLiteral("--material"), NumberInto(&WalkChoices::material)},
      {QStringLiteral("--answer"), NumberInto(&WalkChoices::answer)},
      {QStringLiteral("--second"), NumberInto(&WalkChoices::second)},
      {QStringLiteral("--colour"), NumberInto(&WalkChoices::colour)},
      {QStringLiteral("--area"),
       [](CliOptions *o, const QString &, const QString &text, QString *) {
         o->choices.area = text;
         return true;
       }},
      {QStringLiteral("--pu-colour"),
       [](CliOptions *o, const QString &opt, const QString &text, QString *error) {
         int value = 0;
         if (!ParseNumber(opt, text, &value, error))
           return false;
         o->puColour = value;
         return true;
       }},
      {QStringLiteral("--order"),
       [](CliOptions *o, const QString &opt, const QString &text, QString *error) {
         int value = 0;
         if (!ParseNumber(opt, text, &value, error))
           return false;
         o->order.line = value;
         return true;
       }},
      {QStringLiteral("--name"), TextInto(&CliOrder::name)},
      {QStringLiteral("--surname"), TextInto(&CliOrder::surname)},
      {QStringLiteral("--email"), TextInto(&CliOrder::email)},
      {QStringLiteral("--company"), TextInto(&CliOrder::company)},
      {QStringLiteral("--phone"), TextInto(&CliOrder::phone)},
      {QStringLiteral("--country"), TextInto(&CliOrder::country)},
      {QStringLiteral("--region"), TextInto(&CliOrder::region)},
      {QStringLiteral("--address"), TextInto(&CliOrder::address)},
      {QStringLiteral("--output"),
       [](CliOptions *o, const QString &, const QString &text, QString *) {
         o->outputFile = text;
         return true;
       }},
      {QStringLiteral("--format"),
       [](CliOptions *o, const QString &, const QString &text, QString *error) {
         static const std::map<QString, OutputFormat> formats = {{QStringLiteral("text"), OutputFormat::Text},
                                                                 {QStringLiteral("json"), OutputFormat::Json},
                                                                 {QStringLiteral("rtf"), OutputFormat::Rtf}};
         const auto it = formats.find(text);
         if (it == formats.end()) {
           *error = QStringLiteral("--format takes text, json or rtf, not \"%1\"").arg(text);
           return false;
         }
         o->format = it->second;
         return true;
       }},
  };
  return options;
}

} // namespace

bool ParseCliOptions(const QStringList &arguments, CliOptions *options, QString *error) {
  const std::map<QString, bool CliOptions::*> flags = {{QStringLiteral("--pages"), &CliOptions::printPages},
                                                       {QStringLiteral("--list"), &CliOptions::list},
                                                       {QStringLiteral("--help"), &CliOptions::help},
                                                       {QStringLiteral("--print-mail"), &CliOptions::printMail}};
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    QString name = arguments[i];
    QString value;
    const qsizetype eq = name.indexOf(QLatin1Char('='));
    const bool inlineValue = name.startsWith(QLatin1String("--")) && eq > 0;
    if (inlineValue) {
      value = name.mid(eq + 1);
      name = name.left(eq);
    }
    if (const auto flag = flags.find(name); flag != flags.end() && !inlineValue) {
      options->*(flag->second) = true;
      continue;
    }
    const auto option = ValueOptions().find(name);
    if (option == ValueOptions().end()) {
      *error = QStringLiteral("unknown option \"%1\"; see --help").arg(arguments[i]);
      return false;
    }
    if (!inlineValue) {
      if (i + 1 >= arguments.size()) {
        *error = QStringLiteral("%1 needs a value; see --help").arg(name);
        return false;
      }
      value = arguments[++i];
    }
    if (!option->second(options, name, value, error))
      return false;
  }
  return OrderOptionsComplete(*options, error);
}
