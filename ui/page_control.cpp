#include "page_control.h"

#include <QProxyStyle>
#include <QTabBar>

namespace {

// The style's own tab padding (24 pixels in Fusion) would push the last tab out of
// the window; the captions keep 7 pixels on either side.
constexpr int kTabPadding = 14;

class CompactTabStyle : public QProxyStyle {
public:
  int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override {
    if (metric == PM_TabBarTabHSpace)
      return kTabPadding;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

} // namespace

PageControl::PageControl(QWidget *parent) : QTabWidget(parent) {
  auto *style = new CompactTabStyle;
  style->setParent(tabBar());
  tabBar()->setStyle(style);
  setUsesScrollButtons(false);
}
