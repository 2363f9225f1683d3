// The widget of each control kind a template names, as the dialog builder asks for it.
#pragma once

#include "platform/dialog.h"

// Push buttons, check boxes, frames, texts, styled and link labels, edit and number boxes,
// pictures and the report-view list.
const ControlMakers& StandardControlMakers();
