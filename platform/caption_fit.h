// What a laid-out template needs that Qt's widgets do not do: texts centred on the row of the
// box they stand beside, captions that grow instead of wrapping out of sight, and controls that
// end on whole device pixels at fractional scale factors.
#pragma once

#include <Qt>

class QWidget;

// Each one-line text on a box's row is set to the box's height and centred on it.
void CentreTextsOnBoxRows(QWidget& dialog);

// A one-line caption (or a check box) that would wrap grows sideways, away from its anchor as far
// as its neighbours and its group frame leave room, then towards it; what still does not fit is
// set a little condensed.
void FitCaption(const QWidget& dialog, QWidget& caption, Qt::Alignment alignment);

// A framed control's first and last pixel go to whole device pixels, inwards.
void SnapToDevicePixels(QWidget& dialog);
