// The controls a template names by kind alone, made by the controls layer.
#pragma once

#include "platform/dialog_template.h"

// The template with each styled label, link label and entry field given its maker.
DialogTemplate WithControlMakers(DialogTemplate tmpl);
