#pragma once

#include <QObject>

// The value types a description gives colours and fonts in, under their names there.
namespace Graphics {
Q_NAMESPACE

// The system colours a component may be painted in; SystemColors names the palette roles that
// play them.
enum TColor { clBtnFace, clBtnText, clWindow, clWindowText };
Q_ENUM_NS(TColor)

// Text is Unicode throughout, so a character set changes nothing; it is accepted for fidelity.
enum TFontCharset { DEFAULT_CHARSET, ANSI_CHARSET, HANGEUL_CHARSET };
Q_ENUM_NS(TFontCharset)

enum TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_FLAG_NS(TFontStyles)

} // namespace Graphics

Q_DECLARE_OPERATORS_FOR_FLAGS(Graphics::TFontStyles)
