// What lies on a panel shows at the density of the form the panel is on, whenever and however it
// got there, and a child window may outlive the list that told it of changes.
#include <gtest/gtest.h>

#include "testing/plain_control.h"
#include "toolkit/form.h"
#include "toolkit/headless/in_process_driver.h"
#include "toolkit/log_box.h"
#include "toolkit/panel.h"

namespace toolkit {
namespace {

struct FormAt {
  explicit FormAt(int dpi) : form((headless::setScreenDensity(dpi), FormOptions{})) {
    headless::setScreenDensity(kDesignDensity);
  }
  Form form;
};

class ChildWindowDensity : public ::testing::Test {
 protected:
  void TearDown() override { headless::resetUi(); }
  // A panel with a log box and a control, as a description gives them.
  void fill(Panel& panel) {
    panel.setDesignBounds({8, 8, 433, 169});
    box.setDesignBounds({16, 16, 409, 113});
    box.setParent(&panel);
    control.setDesignBounds({300, 120, 408, 151});
    control.setParent(&panel);
  }
  void expectAt144(const Panel& panel) const {
    EXPECT_EQ(panel.bounds(), (graphics::Rect{12, 12, 650, 254}));
    EXPECT_EQ(box.bounds(), (graphics::Rect{24, 24, 614, 170}));
    EXPECT_EQ(box.shownFont().height, -17);
    EXPECT_EQ(control.bounds(), (graphics::Rect{450, 180, 612, 227}));
    EXPECT_EQ(control.font().height, -17);
  }

  FormAt at96{96};
  FormAt at144{144};
  LogBox box{nullptr};
  testing::PlainControl control{nullptr};
};

TEST_F(ChildWindowDensity, APanelMovedToAFormOfAnotherDensityTakesEverythingOnItAlong) {
  Panel panel(nullptr);
  panel.setParent(&at96.form);
  fill(panel);
  EXPECT_EQ(box.bounds(), (graphics::Rect{16, 16, 409, 113}));
  panel.setParent(&at144.form);
  expectAt144(panel);
  at96.form.scaleTo(192);  // the form it left no longer moves it
  expectAt144(panel);
}

TEST_F(ChildWindowDensity, APanelFilledBeforeItHasAFormShowsAtTheFormsDensityWhenPlaced) {
  Panel panel(nullptr);
  control.setDesignBounds({300, 120, 408, 151});
  control.setParent(&panel);
  panel.setDesignBounds({8, 8, 433, 169});
  panel.setParent(&at144.form);
  box.setDesignBounds({16, 16, 409, 113});
  box.setParent(&panel);
  expectAt144(panel);
}

TEST_F(ChildWindowDensity, AChildMayOutliveThePanelItWasOn) {
  // Made before its panel by the same owner, the box goes after it.
  auto early = std::make_unique<LogBox>(nullptr);
  {
    Panel panel(at144.form, {0, 0, 100, 50}, graphics::kBtnFaceColor);
    early->setParent(&panel);
  }
  at144.form.scaleTo(96);  // nothing left to tell
  early.reset();           // and nothing to tell it is going
}

}  // namespace
}  // namespace toolkit
