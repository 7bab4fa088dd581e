#pragma once
// The 32 by 32 pictures of the wireless page's three buttons, drawn in code.
#include <QPixmap>

QPixmap TestConnectPicture();    // two stations joined by a link
QPixmap ConfigMachinePicture();  // a gear wheel
QPixmap SetPicture();            // a tick
