#pragma once
// The standard controls a screen is built from. Each is a plain Qt widget with the few properties and
// events the screens use, named as the screens use them (Caption, Text, Value, ListIndex, BackColor,
// ForeColor, FillColor, Click, KeyPress). Events fire on what the user does (mouse or keyboard), never on
// a property set in code.
//
// Each kind of control has a file of its own; this header names them all.

#include "runtime/clicks.h"
#include "runtime/colors.h"
#include "runtime/commandbutton.h"
#include "runtime/controlcolors.h"
#include "runtime/frame.h"
#include "runtime/label.h"
#include "runtime/lists.h"
#include "runtime/optionbutton.h"
#include "runtime/outlines.h"
#include "runtime/picturebox.h"
#include "runtime/shapes.h"
#include "runtime/textbox.h"
