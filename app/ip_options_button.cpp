// The wireless page's "ConfigMachine" button: the IP settings dialog.
#include "app/KestruneMain.h"
#include "dialogs/IPConfig.h"

void TKestrune::IPoptionsBitBClick() { ShowIPConfigDialog(); }
