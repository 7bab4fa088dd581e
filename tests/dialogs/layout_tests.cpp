// The dialog as created: window, controls, tab order.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include "dialog_fixture.h"

namespace dialogs_tests {
namespace {

TEST_F(DialogTest, WindowIsAFixedCentredDialogOfTheOuterSize) {
  TIPconfigFrm& dialog = Open();
  EXPECT_EQ(dialog.windowTitle(), "ConfigMachine");
  EXPECT_EQ(dialog.frameGeometry().size(), QSize(358, 253));
  // The client is what the platform's frame leaves of the outer size; the
  // headless platform reports a frame of 2 pixels on each side.
  const QMargins frame = dialog.windowHandle()->frameMargins();
  EXPECT_EQ(dialog.size(), QSize(358, 253).shrunkBy(frame));
  if (frame == QMargins(2, 2, 2, 2)) {
    EXPECT_EQ(dialog.size(), QSize(354, 249));
  }
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());

  const QRect screen = dialog.screen()->geometry();
  EXPECT_LE(std::abs(dialog.frameGeometry().center().x() - screen.center().x()), 1);
  EXPECT_LE(std::abs(dialog.frameGeometry().center().y() - screen.center().y()), 1);

  EXPECT_EQ(dialog.backgroundRole(), QPalette::Button);
  EXPECT_TRUE(dialog.autoFillBackground());
  EXPECT_EQ(dialog.font().families().value(0), QString::fromUtf8("宋体"));
  EXPECT_EQ(dialog.font().pixelSize(), 13);
  EXPECT_TRUE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowContextHelpButtonHint);
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
}

struct ControlCase {
  const char* name;
  const char* parent;
  QRect geometry;
  const char* caption;
  bool enabled;  // own state, whatever the group's
  bool visible;
};

TEST_F(DialogTest, ControlsAsCreated) {
  TIPconfigFrm& dialog = Open();
  const ControlCase cases[] = {
      {"AutoGetIPRadio", "TIPconfigFrm", {9, 11, 132, 17}, "DHCP", true, true},
      {"AssignIPGroup", "TIPconfigFrm", {12, 50, 325, 135}, "", false, true},
      {"SetIP", "TIPconfigFrm", {128, 195, 75, 23}, "OK", true, true},
      {"Cancel", "TIPconfigFrm", {232, 195, 75, 23}, "Cancel", true, false},
      {"AssignIPRadio", "TIPconfigFrm", {9, 32, 176, 17}, "Config IP Address", true, true},
      {"Label1", "AssignIPGroup", {46, 26, 0, 0}, "IP Address", true, true},
      {"Label2", "AssignIPGroup", {39, 64, 0, 0}, "Subnet Mask", true, true},
      {"Label3", "AssignIPGroup", {13, 102, 0, 0}, "Default Gateway", true, true},
      {"IPAddressEdt", "AssignIPGroup", {128, 22, 161, 21}, "", false, true},
      {"SubnetMaskEdt", "AssignIPGroup", {128, 60, 161, 21}, "", false, true},
      {"GateWayEdt", "AssignIPGroup", {128, 98, 161, 21}, "", false, true},
  };
  for (const ControlCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto* control = dialog.findChild<QWidget*>(c.name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->parentWidget()->objectName(), c.parent);
    if (c.geometry.width() > 0) {
      EXPECT_EQ(control->geometry(), c.geometry);
    } else {  // labels size to their text; their position is fixed
      EXPECT_EQ(control->pos(), c.geometry.topLeft());
      EXPECT_GE(control->width(), control->sizeHint().width());
    }
    QString caption;
    if (auto* button = qobject_cast<QAbstractButton*>(control)) caption = button->text();
    if (auto* label = qobject_cast<QLabel*>(control)) caption = label->text();
    if (auto* group = qobject_cast<QGroupBox*>(control)) caption = group->title();
    EXPECT_EQ(caption, c.caption);
    EXPECT_EQ(!control->testAttribute(Qt::WA_ForceDisabled), c.enabled);
    EXPECT_EQ(control->isVisibleTo(&dialog), c.visible);
  }
  EXPECT_TRUE(dialog.AutoGetIPRadio->Checked());
  EXPECT_FALSE(dialog.AssignIPRadio->Checked());
  EXPECT_TRUE(dialog.SetIP->isDefault());
  EXPECT_FALSE(dialog.SetIP->icon().isNull());
  EXPECT_FALSE(dialog.Cancel->icon().isNull());
}

TEST_F(DialogTest, AddressControlsStartBlank) {
  TIPconfigFrm& dialog = Open();
  for (platform::TJvIPAddress* edit :
       {dialog.IPAddressEdt, dialog.SubnetMaskEdt, dialog.GateWayEdt}) {
    SCOPED_TRACE(edit->objectName().toStdString());
    for (int i = 0; i < platform::TJvIPAddress::kFieldCount; ++i)
      EXPECT_EQ(edit->Field(i)->text(), "");
  }
}

TEST_F(DialogTest, TabOrderOfTheControls) {
  TIPconfigFrm& dialog = Open();
  // The focus chain as defined (an address control counts by its first
  // field). Qt gives Tab to the checked radio button of a group only, as the
  // original does, so the chain is read rather than walked for the radios.
  QStringList chain;
  for (QWidget* widget = dialog.nextInFocusChain(); widget != &dialog;
       widget = widget->nextInFocusChain()) {
    if (widget->focusPolicy() == Qt::NoFocus) continue;
    QWidget* control = widget->parentWidget();
    const QString name =
        (qobject_cast<platform::TJvIPAddress*>(control) ? control : widget)->objectName();
    if (!name.isEmpty() && !chain.contains(name)) chain << name;
  }
  EXPECT_EQ(chain, QStringList({"AutoGetIPRadio", "IPAddressEdt", "SubnetMaskEdt", "GateWayEdt",
                                "SetIP", "Cancel", "AssignIPRadio"}))
      << chain.join(' ').toStdString();

  // Tab walks it for real, passing over the hidden Cancel button.
  dialog.AssignIPRadio->SetChecked(true);  // so the address controls take the focus
  dialog.AutoGetIPRadio->setFocus(Qt::TabFocusReason);
  const QWidget* expected[] = {dialog.IPAddressEdt->Field(0), dialog.SubnetMaskEdt->Field(0),
                               dialog.GateWayEdt->Field(0), dialog.SetIP};
  for (const QWidget* next : expected) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next)
        << "got " << QApplication::focusWidget()->objectName().toStdString();
  }
}

TEST_F(DialogTest, EscapeLeavesTheDialogOpen) {
  // Escape acts through the Cancel button, which is hidden.
  TIPconfigFrm& dialog = Open();
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(SettingsFileContent(), "<none>");
}

}  // namespace
}  // namespace dialogs_tests
