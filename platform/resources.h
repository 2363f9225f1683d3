// The program's own resources: pictures, the disclaimer and the version.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

#include "res/dialog_template.h"

inline constexpr const char* kProductVersion = "1.0.0.1";

QIcon LoadAppIcon(int id);
// The icon image of the given size (16 or 32), drawn sharp at the device pixel ratio asked for.
QPixmap LoadAppIconImage(int id, int size, qreal devicePixelRatio = 1.0);
// A bitmap at the device pixel ratio asked for (2 picks the sharper variant).
QPixmap LoadAppBitmap(int id, qreal devicePixelRatio = 1.0);
// The disclaimer shown in the main window.
QString DisclaimerText();
