#pragma once
// Drop-down list whose OnChange runs on the user's choice only (also when the
// same item is chosen again), never when code sets the items or the index.
#include <QComboBox>
#include <QStringList>
#include <functional>

namespace platform {

class TComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TComboBox(QWidget* parent = nullptr);

  std::function<void()> OnChange;

  void SetItems(const QStringList& items);  // leaves no item selected
  void SetItemIndex(int index);             // -1, or any index out of range, selects nothing
  int ItemIndex() const;
  QString Text() const;  // the selected item's text, empty when none
};

}  // namespace platform
