// A child window that its new parent cannot take stays where it was, on both backends: a log
// box moved to a panel that has no form (so no window) keeps its panel and its text.
#include <gtest/gtest.h>

#include <stdexcept>

#include "toolkit/form.h"
#include "toolkit/log_box.h"
#include "toolkit/panel.h"

namespace toolkit {
namespace {

TEST(ChildWindow, ParentThatCannotTakeTheWindowLeavesTheChildWhereItWas) {
  static const Form mainForm{FormOptions{}};  // the first form ends the event loop when closed
  Form form{FormOptions{}};
  Panel placed(form, {0, 0, 100, 50}, graphics::kBtnFaceColor);
  Panel formless(nullptr);
  LogBox box(placed, {4, 4, 90, 40}, graphics::kWindowColor);
  box.appendLine("kept");

  EXPECT_THROW(box.setParent(&formless), std::runtime_error);
  EXPECT_EQ(box.parent(), &placed);
  EXPECT_EQ(box.lines(), std::vector<std::string>{"kept"});

  LogBox unplaced(nullptr);
  EXPECT_THROW(unplaced.setParent(&formless), std::runtime_error);
  EXPECT_EQ(unplaced.parent(), nullptr);
  EXPECT_THROW(unplaced.appendLine("x"), std::runtime_error);
}

}  // namespace
}  // namespace toolkit
