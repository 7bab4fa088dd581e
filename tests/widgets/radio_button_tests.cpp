#include <gtest/gtest.h>

#include <QTest>
#include <QVBoxLayout>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/qt/TRadioButton.h"
#include "platform/qt/message_recorder.h"
#include "test_window.h"

namespace platform {
namespace {

// Two radio groups: three buttons in one parent, one in another.
class RadioButtonTest : public testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&window_);
    auto* group = new QWidget(&window_);
    auto* group_layout = new QVBoxLayout(group);
    for (int i = 0; i < 3; ++i) {
      radios_[i] = new TRadioButton(group);
      radios_[i]->setText(QStringLiteral("Radio %1 with a long caption").arg(i));
      group_layout->addWidget(radios_[i]);
    }
    other_ = new TRadioButton(&window_);
    layout->addWidget(group);
    layout->addWidget(other_);
    other_->setChecked(true);
    for (int i = 0; i < 3; ++i) {
      radios_[i]->OnClick = [this, i] {
        clicks_.push_back(i);
        EXPECT_TRUE(radios_[i]->Checked()) << "the handler sees its button checked";
      };
    }
    other_->OnClick = [this] { clicks_.push_back(9); };
    ShowActive(window_);
  }

  // Clicks beside the indicator, not in the middle of the wide caption.
  void Click(TRadioButton* radio) {
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(8, radio->height() / 2));
  }

  std::string Checked() const {
    std::string state;
    for (auto* r : radios_) state += r->Checked() ? '1' : '0';
    return state + (other_->Checked() ? "+1" : "+0");
  }

  MessageRecorder recorder_;
  QWidget window_;
  TRadioButton* radios_[3] = {};
  TRadioButton* other_ = nullptr;
  std::vector<int> clicks_;
};

TEST_F(RadioButtonTest, AUserClickChecksTheButtonAndRunsItsHandlerOnce) {
  Click(radios_[1]);
  EXPECT_EQ(Checked(), "010+1");
  Click(radios_[2]);
  EXPECT_EQ(Checked(), "001+1");
  Click(radios_[2]);  // already checked: nothing changes
  EXPECT_EQ(clicks_, (std::vector<int>{1, 2}));
}

TEST_F(RadioButtonTest, TheKeyboardChecksAndRunsTheHandlerToo) {
  radios_[0]->setFocus();
  QTest::keyClick(radios_[0], Qt::Key_Space);
  EXPECT_EQ(Checked(), "100+1");
  EXPECT_EQ(clicks_, std::vector<int>{0});
}

TEST_F(RadioButtonTest, CheckingFromCodeRunsTheHandlerWhenTheStateChanges) {
  radios_[0]->SetChecked(true);
  EXPECT_EQ(Checked(), "100+1");
  radios_[2]->SetChecked(true);
  EXPECT_EQ(Checked(), "001+1");
  radios_[2]->SetChecked(true);  // no change, no handler
  EXPECT_EQ(clicks_, (std::vector<int>{0, 2}));
}

TEST_F(RadioButtonTest, ClearingFromCodeClearsTheCheckedButtonSilently) {
  radios_[1]->SetChecked(true);
  clicks_.clear();
  radios_[1]->SetChecked(false);
  EXPECT_EQ(Checked(), "000+1");
  radios_[0]->SetChecked(false);  // not checked: nothing happens
  EXPECT_TRUE(clicks_.empty());
  // The group is exclusive again afterwards.
  Click(radios_[0]);
  Click(radios_[1]);
  EXPECT_EQ(Checked(), "010+1");
  EXPECT_TRUE(radios_[1]->autoExclusive());
}

TEST_F(RadioButtonTest, AFailingHandlerShowsTheErrorAndTheButtonStaysChecked) {
  radios_[0]->OnClick = [] { throw std::runtime_error("Range check error"); };
  Click(radios_[0]);
  radios_[1]->OnClick = radios_[0]->OnClick;
  radios_[1]->SetChecked(true);
  EXPECT_EQ(Checked(), "010+1");
  EXPECT_EQ(recorder_.Boxes().size(), 2u);
}

}  // namespace
}  // namespace platform
