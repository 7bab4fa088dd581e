#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QTest>
#include <QVBoxLayout>
#include <vector>

#include "platform/error.h"
#include "platform/qt/TComboBox.h"
#include "platform/qt/message_recorder.h"
#include "test_window.h"

namespace platform {
namespace {

class ComboBoxTest : public testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&window_);
    combo_ = new TComboBox(&window_);
    layout->addWidget(combo_);
    ShowActive(window_);
    combo_->setFocus();
    combo_->OnChange = [this] { changes_.push_back(combo_->ItemIndex()); };
  }

  MessageRecorder recorder_;
  QWidget window_;
  TComboBox* combo_ = nullptr;
  std::vector<int> changes_;  // the index each OnChange saw
};

TEST_F(ComboBoxTest, CodeSetsItemsAndIndexWithoutRunningTheHandler) {
  combo_->SetItems({"OPEN", "SHARED", "WEPAUTO"});
  EXPECT_EQ(combo_->count(), 3);
  EXPECT_EQ(combo_->ItemIndex(), -1);
  EXPECT_EQ(combo_->Text(), "");
  combo_->SetItemIndex(1);
  EXPECT_EQ(combo_->Text(), "SHARED");
  combo_->setCurrentIndex(2);
  EXPECT_EQ(combo_->Text(), "WEPAUTO");
  combo_->SetItems({"NONE", "WEP"});
  EXPECT_EQ(combo_->ItemIndex(), -1);
  const struct {
    int index;
    int expected;
  } indexes[] = {{1, 1}, {-1, -1}, {0, 0}, {2, -1}, {-5, -1}};
  for (const auto& c : indexes) {
    combo_->SetItemIndex(c.index);
    EXPECT_EQ(combo_->ItemIndex(), c.expected) << "index " << c.index;
  }
  EXPECT_TRUE(changes_.empty());
  EXPECT_FALSE(combo_->isEditable());
}

TEST_F(ComboBoxTest, TheUsersKeyboardChoiceRunsTheHandler) {
  combo_->SetItems({"Infrastructrue Model", "Ad-hoc Model"});
  combo_->SetItemIndex(0);
  QTest::keyClick(combo_, Qt::Key_Down);
  QTest::keyClick(combo_, Qt::Key_Down);  // already the last item: no choice
  QTest::keyClick(combo_, Qt::Key_Up);
  EXPECT_EQ(changes_, (std::vector<int>{1, 0}));
}

TEST_F(ComboBoxTest, PickingFromTheListRunsTheHandlerAlsoForTheSameItem) {
  combo_->SetItems({"NONE", "WEP"});
  combo_->SetItemIndex(1);
  for (int pick : {1, 0}) {
    combo_->showPopup();
    QAbstractItemView* view = combo_->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    const QRect item = view->visualRect(view->model()->index(pick, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    QTRY_VERIFY(!view->isVisible());
  }
  EXPECT_EQ(changes_, (std::vector<int>{1, 0}));
}

TEST_F(ComboBoxTest, AFailingHandlerShowsTheError) {
  combo_->SetItems({"a", "b"});
  combo_->OnChange = [] { throw Error("Range check error"); };
  QTest::keyClick(combo_, Qt::Key_Down);
  ASSERT_EQ(recorder_.Boxes().size(), 1u);
  EXPECT_EQ(recorder_.Boxes()[0].text, "Range check error.");
}

}  // namespace
}  // namespace platform
