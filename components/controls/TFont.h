#pragma once

#include "Graphics.h"

#include <QString>

class QWidget;

// A component's font, set from a description as Font.Name, Font.Height, Font.Style, Font.Color
// and Font.Charset.
class TFont {
  Q_GADGET
  // The face asked for. Where the machine lacks it, a Korean face stands in (see FontFamilies);
  // empty keeps the face the widget has.
  Q_PROPERTY(QString Name MEMBER Name)
  // Negative: the height of the characters in pixels; positive: of the whole cell, which is near
  // enough the same here; 0 keeps the size the widget has.
  Q_PROPERTY(int Height MEMBER Height)
  Q_PROPERTY(Graphics::TFontStyles Style MEMBER Style)
  Q_PROPERTY(Graphics::TColor Color MEMBER Color)
  Q_PROPERTY(Graphics::TFontCharset Charset MEMBER Charset)

public:
  QString Name;
  int Height = 0;
  Graphics::TFontStyles Style;
  Graphics::TColor Color = Graphics::clWindowText;
  Graphics::TFontCharset Charset = Graphics::DEFAULT_CHARSET;

  // Gives Widget this font (its children that have no font of their own follow), its text drawn
  // in the palette role that plays Color.
  void AssignTo(QWidget& Widget) const;
};
