#include "calculators.h"
#include "scenarios.h"
#include "static_text.h"

// Fire-protective painting: the class decides the consumption of the fire-retardant
// paint; the water-based paint is offered only in summer.

namespace {

struct FireClass {
  const char16_t *heading;
  double rate; // kg/m²
};

constexpr FireClass kR90{u"Огнезащита. Класс огнестойкости R90", 1.85};
constexpr FireClass kR120{u"Огнезащита. Класс огнестойкости R120", 2.82};

} // namespace

void WriteFireProtectionScenario(ScenarioCall &call) {
  const FireClass &fireClass = call.bR90 ? kR90 : kR120;
  const double rate = fireClass.rate;
  const bool summer = call.state().bSummer;
  WriteRows(call, {
                      ScenarioRow::heading(StaticText(fireClass.heading)),
                      ScenarioRow::plain(QString()),
                  });
  if (summer)
    WriteRows(call, {
                        ScenarioRow::variant(1),
                        ScenarioRow::separator(),
                        ScenarioRow::plain(QString()),
                        ScenarioRow::call([rate](ScenarioCall &c) {
                          CalcFireRetardant(c.ctx, c.state().sColorName, true, c.state().dArea, c.state().dColorExtra,
                                            rate);
                        }),
                    });
  // In winter this empty line follows the one above: two stand before the variant.
  WriteRows(call, {
                      ScenarioRow::plain(QString()),
                      ScenarioRow::variant(summer ? 2 : 1),
                      ScenarioRow::separator(),
                      ScenarioRow::plain(QString()),
                      ScenarioRow::call([rate](ScenarioCall &c) {
                        CalcFireRetardant(c.ctx, c.state().sColorName, false, c.state().dArea, c.state().dColorExtra,
                                          rate);
                      }),
                  });
}
