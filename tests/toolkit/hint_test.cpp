// Which control's hint shows under the pointer: the hint properties and their inheritance.
#include <gtest/gtest.h>

#include "testing/plain_control.h"
#include "toolkit/form.h"
#include "toolkit/panel.h"

namespace toolkit {
namespace {

using testing::PlainControl;

TEST(Hint, ShowsForTheControlUnderThePointerWhenItOrItsParentShowsHints) {
  FormOptions options;
  options.clientWidth = 200;
  options.clientHeight = 100;
  Form form(options);
  Panel panel(form, {0, 0, 200, 100}, 0x00C0C0C0);
  PlainControl below(&form);
  PlainControl above(&form);
  below.setParent(&panel);
  below.setBounds({10, 10, 110, 40});
  below.setHint("Below");
  above.setParent(&panel);
  above.setBounds({60, 10, 160, 40});
  above.setHint("Above");
  const graphics::Point onBoth{80, 20};

  EXPECT_FALSE(below.showHint()) << "follows the panel, off by default";
  EXPECT_EQ(panel.hintControlAt(onBoth), nullptr);
  panel.setShowHint(true);
  EXPECT_EQ(panel.hintControlAt(onBoth), &above) << "the last one added is on top";
  EXPECT_EQ(panel.hintControlAt({20, 20}), &below);
  EXPECT_EQ(panel.hintControlAt({190, 90}), nullptr);

  above.setEnabled(false);
  EXPECT_EQ(panel.hintControlAt(onBoth), &above) << "a disabled control still explains itself";
  above.setVisible(false);
  EXPECT_EQ(panel.hintControlAt(onBoth), &below);
  above.setVisible(true);
  above.setShowHint(false);
  EXPECT_FALSE(above.parentShowHint());
  EXPECT_EQ(panel.hintControlAt(onBoth), nullptr) << "its own setting hides it and covers the one below";
  above.setParentShowHint(true);
  EXPECT_EQ(panel.hintControlAt(onBoth), &above);

  panel.setShowHint(false);
  below.setShowHint(true);
  EXPECT_EQ(panel.hintControlAt({20, 20}), &below) << "its own setting shows it";
  below.setParentShowHint(false);
  EXPECT_TRUE(below.showHint()) << "turning the inheritance off keeps what it showed";
  below.setHint("");
  EXPECT_EQ(panel.hintControlAt({20, 20}), nullptr) << "no text, no hint";
}

}  // namespace
}  // namespace toolkit
