#pragma once
// The IP settings dialog: the wireless adapter's address by DHCP or fixed,
// stored in IPconfig.ini.
#include <QDialog>
#include <QMargins>
#include <exception>

#include "dialogs/ip_config_file.h"
#include "ui_IPConfig.h"

class QKeyEvent;
class QMoveEvent;
class QShowEvent;

// Set once the first-octet warning was shown and cleared by the next report of
// 255 or 127; shared by every opening of the dialog.
extern bool FirstOctetWarningShown;

class TIPconfigFrm : public QDialog, public Ui::TIPconfigFrm {
  Q_OBJECT
 public:
  // The outer size, window frame included.
  static constexpr int kOuterWidth = 358;
  static constexpr int kOuterHeight = 253;

  // Runs FormCreate; an error there leaves the constructor.
  explicit TIPconfigFrm(QWidget* parent = nullptr);

  // exec(), raising afterwards the error FormShow ended with (the dialog then
  // closes at once). The result is the modal result.
  int ShowModal();

  void FormCreate();
  void FormShow();
  void FormClose();
  void AutoGetIPRadioClick();
  void AssignIPRadioClick();
  void IPAddressEdtExit();
  void IPAddressEdtFieldChange(int index, int& value);
  void SetIPClick();
  void CancelClick();

  // Every way of closing passes here.
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ApplyDefinitionValues();
  void ConnectHandlers();
  void FitOuterSize();
  void CentreOnScreen();

  std::exception_ptr show_error_;
  QMargins fitted_frame_;
};

// Creates a new dialog without owner, runs it modally and destroys it. An
// error while creating or showing it is dropped: nothing is shown.
void ShowIPConfigDialog() noexcept;
