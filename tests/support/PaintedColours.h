#pragma once
// Desktop palettes to switch to, and the colours a window really paints with, read from its
// pixels.
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMap>
#include <QScopeGuard>
#include <cmath>
#include <gtest/gtest.h>
#include <string>

struct DesktopPalette {
  const char* Name;
  QColor Window, WindowText, Base, Text, Button, ButtonText;
};

// Fusion-like light, Breeze-like light (buttons lighter than the window) and dark, and a
// high-contrast one.
inline const DesktopPalette LightPalette{"light", "#efefef", "#000", "#fff",
                                         "#000",  "#efefef", "#000"};
inline const DesktopPalette BreezeLightPalette{"breeze light", "#eff0f1", "#232627", "#fff",
                                               "#232627",      "#fcfcfc", "#232627"};
inline const DesktopPalette DarkPalette{"dark",    "#202326", "#fcfcfc", "#141618",
                                        "#fcfcfc", "#31363b", "#fcfcfc"};
inline const DesktopPalette HighContrastPalette{"high contrast", "#000", "#fff", "#000",
                                                "#ff0",          "#000", "#0ff"};

// Puts the application's palette back as it is now, once what it returns goes.
inline auto PaletteKept() {
  return qScopeGuard([Palette = QApplication::palette()] { QApplication::setPalette(Palette); });
}

// Switches the application's palette as a desktop does when its theme changes.
inline void SwitchPalette(const DesktopPalette& P) {
  QPalette Palette(P.Button, P.Window);
  Palette.setColor(QPalette::WindowText, P.WindowText);
  Palette.setColor(QPalette::Base, P.Base);
  Palette.setColor(QPalette::Text, P.Text);
  Palette.setColor(QPalette::ButtonText, P.ButtonText);
  QApplication::setPalette(Palette);
  QApplication::processEvents();
}

// Within a few steps in every channel (a gradient or antialiasing may shade a colour).
inline bool Near(const QColor& A, const QColor& B) {
  return std::abs(A.red() - B.red()) <= 12 && std::abs(A.green() - B.green()) <= 12 &&
         std::abs(A.blue() - B.blue()) <= 12;
}

// What Area of Window shows: its ground, the colour most of its edge has (around a text in the
// middle), and its ink, the one farthest from it in lightness (a text's fully covered pixels).
struct Painted {
  QColor Ground, Ink;
  std::string Text() const {
    return Ink.name().toStdString() + " on " + Ground.name().toStdString();
  }
};
inline Painted PaintedIn(QWidget& Window, const QRect& Area) {
  const QImage Image = Window.grab(Area).toImage().convertToFormat(QImage::Format_RGB32);
  const QRect Inner = Image.rect().adjusted(1, 1, -1, -1);
  QMap<QRgb, int> Count; // of each colour, how many pixels of the edge have it
  for (int Y = 0; Y < Image.height(); ++Y)
    for (int X = 0; X < Image.width(); ++X)
      Count[Image.pixel(X, Y)] += !Inner.contains(X, Y);
  Painted P;
  int Most = 0;
  for (auto It = Count.cbegin(); It != Count.cend(); ++It)
    if (It.value() > Most)
      Most = It.value(), P.Ground = QColor(It.key());
  const auto Apart = [&P](QRgb Colour) { return std::abs(qGray(Colour) - qGray(P.Ground.rgb())); };
  P.Ink = P.Ground;
  for (QRgb Colour : Count.keys())
    if (Apart(Colour) > Apart(P.Ink.rgb()))
      P.Ink = QColor(Colour);
  return P;
}

inline QRect InWindow(const QWidget& Widget) {
  return QRect(Widget.mapTo(Widget.window(), QPoint(0, 0)), Widget.size());
}

// Every text of Window in Palette's colours: labels on the window's face, entry
// boxes and memos on their own ground inside their frames, buttons' captions inside the bevel,
// whose face the style shades. Takes the focus away, lest a text cursor pass for ink.
inline void ExpectPaintedIn(QWidget& Window, const DesktopPalette& Palette) {
  if (QWidget* Focused = QApplication::focusWidget())
    Focused->clearFocus();
  const std::string In = std::string(" under the ") + Palette.Name + " palette";
  EXPECT_EQ(PaintedIn(Window, QRect(0, 0, 8, 8)).Ground, Palette.Window) << "window face" << In;
  for (QWidget* Widget : Window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    QRect Area = InWindow(*Widget);
    QColor Ground = Palette.Window, Ink = Palette.WindowText;
    if (const auto* Scrolled = qobject_cast<QAbstractScrollArea*>(Widget))
      Area = InWindow(*Scrolled->viewport()), Ground = Palette.Base, Ink = Palette.Text;
    else if (qobject_cast<QLineEdit*>(Widget))
      Area.adjust(3, 3, -3, -3), Ground = Palette.Base, Ink = Palette.Text;
    else if (qobject_cast<QAbstractButton*>(Widget))
      Area.adjust(6, 5, -6, -5), Ground = QColor(), Ink = Palette.ButtonText;
    const Painted P = PaintedIn(Window, Area);
    EXPECT_TRUE((!Ground.isValid() || P.Ground == Ground) && Near(P.Ink, Ink))
        << Widget->objectName().toStdString() << " paints " << P.Text() << In;
  }
}
