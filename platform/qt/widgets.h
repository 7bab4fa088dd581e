#pragma once
// Controls with the events and properties the windows rely on. Handlers are
// plain callbacks; each runs under RunGuarded.
#include "platform/qt/TComboBox.h"
#include "platform/qt/TEdit.h"
#include "platform/qt/TJvIPAddress.h"
#include "platform/qt/TRadioButton.h"
