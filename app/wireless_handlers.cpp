// Connects the wireless page's controls to their handlers.
#include "app/KestruneMain.h"

void TKestrune::ConnectWirelessHandlers() {}
