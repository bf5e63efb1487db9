#pragma once

#include "Graphics.h"

#include <QPalette>

// The role of the desktop's palette that plays a system colour. A component keeps the role, never
// the colour it had at one moment, so that it follows the palette when the desktop changes it
// (a switch to a dark theme while the program runs).
//
// clBtnFace is the face of a dialog: the window background. Buttons are drawn by the style in the
// palette's own button colours, so they stand out wherever the desktop draws them apart.
// clWindow and clWindowText are the field and the text on the window; clBtnText is the text on
// a button.
QPalette::ColorRole SystemColorRole(Graphics::TColor Color);
