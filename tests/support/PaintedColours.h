#pragma once
// Desktop palettes to switch to, and the colours a window really paints with, read back from its
// pixels.
#include <QAbstractScrollArea>
#include <QApplication>
#include <QColor>
#include <QImage>
#include <QMap>
#include <QPalette>
#include <QSet>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>

// The colours of one desktop palette that text and its background are painted in.
struct DesktopPalette {
  const char* Name;
  QColor Window, WindowText, Base, Text, Button, ButtonText;

  QPalette ToPalette() const {
    QPalette Palette(Button, Window);
    for (auto [Role, Colour] : {std::pair{QPalette::WindowText, WindowText},
                                {QPalette::Base, Base},
                                {QPalette::Text, Text},
                                {QPalette::ButtonText, ButtonText}})
      Palette.setColor(Role, Colour);
    return Palette;
  }
};

// Fusion-like light, Breeze-like light (buttons lighter than the window), Breeze-like dark, and a
// high-contrast one (white and yellow on black).
inline const DesktopPalette LightPalette{"light",   QColor(239, 239, 239), Qt::black, Qt::white,
                                         Qt::black, QColor(239, 239, 239), Qt::black};
inline const DesktopPalette BreezeLightPalette{
    "breeze light",     QColor(239, 240, 241), QColor(35, 38, 39), Qt::white,
    QColor(35, 38, 39), QColor(252, 252, 252), QColor(35, 38, 39)};
inline const DesktopPalette DarkPalette{"dark",
                                        QColor(32, 35, 38),
                                        QColor(252, 252, 252),
                                        QColor(20, 22, 24),
                                        QColor(252, 252, 252),
                                        QColor(49, 54, 59),
                                        QColor(252, 252, 252)};
inline const DesktopPalette HighContrastPalette{"high contrast",    Qt::black,           Qt::white,
                                                Qt::black,          QColor(255, 255, 0), Qt::black,
                                                QColor(0, 255, 255)};

// WCAG 2 contrast ratio, 1 to 21.
inline double Contrast(const QColor& A, const QColor& B) {
  auto Luminance = [](const QColor& C) {
    auto Linear = [](double V) {
      return V <= 0.04045 ? V / 12.92 : std::pow((V + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * Linear(C.redF()) + 0.7152 * Linear(C.greenF()) + 0.0722 * Linear(C.blueF());
  };
  const double La = Luminance(A), Lb = Luminance(B);
  return (std::max(La, Lb) + 0.05) / (std::min(La, Lb) + 0.05);
}

// Within a few steps of each other in every channel (a gradient or antialiasing may shade them).
inline bool Near(const QColor& A, const QColor& B, int Steps = 12) {
  return std::abs(A.red() - B.red()) <= Steps && std::abs(A.green() - B.green()) <= Steps &&
         std::abs(A.blue() - B.blue()) <= Steps;
}

inline std::string Named(const QColor& C) {
  return C.name().toStdString();
}

// What Area of Window shows: the colour its edges are mostly painted in (the ground, around a text
// in the middle), and of all its colours the one that stands out most from that (the ink: of a
// text, its fully covered pixels).
struct Painted {
  QColor Ground, Ink;
  double Contrast() const { return ::Contrast(Ground, Ink); }
};

inline Painted PaintedIn(QWidget& Window, const QRect& Area) {
  const QImage Image = Window.grab(Area).toImage().convertToFormat(QImage::Format_RGB32);
  {
    static int N = 0;
    if (getenv("DUMP"))
      Image.save(QString("/tmp/wt24probe/g%1.png").arg(N++));
  } // TEMP
  QMap<QRgb, int> OnEdges;
  QSet<QRgb> All;
  for (int Y = 0; Y < Image.height(); ++Y)
    for (int X = 0; X < Image.width(); ++X) {
      All.insert(Image.pixel(X, Y));
      if (X == 0 || Y == 0 || X == Image.width() - 1 || Y == Image.height() - 1)
        ++OnEdges[Image.pixel(X, Y)];
    }
  Painted Result;
  int Most = 0;
  for (auto It = OnEdges.cbegin(); It != OnEdges.cend(); ++It)
    if (It.value() > Most)
      Most = It.value(), Result.Ground = QColor(It.key());
  Result.Ink = Result.Ground;
  for (QRgb Colour : All)
    if (::Contrast(QColor(Colour), Result.Ground) > Result.Contrast())
      Result.Ink = QColor(Colour);
  return Result;
}

// Where Widget stands in its window.
inline QRect InWindow(const QWidget& Widget) {
  return QRect(Widget.mapTo(Widget.window(), QPoint(0, 0)), Widget.size());
}

// Every text of Window in Palette's colours and readable: Labels on the window's face, Fields
// (entry boxes and memos) on their own ground inside their frames, Buttons' captions on their
// faces. Takes the focus off the focused control, lest its text cursor (drawn inverted) pass
// for ink.
inline void ExpectPaintedIn(QWidget& Window, const DesktopPalette& Palette,
                            std::initializer_list<QWidget*> Labels,
                            std::initializer_list<QWidget*> Fields,
                            std::initializer_list<QWidget*> Buttons) {
  if (QWidget* Focused = QApplication::focusWidget())
    Focused->clearFocus();
  const std::string In = std::string(" under the ") + Palette.Name + " palette";
  const QColor Face = PaintedIn(Window, QRect(0, 0, 8, 8)).Ground;
  EXPECT_EQ(Face, Palette.Window) << "the window's face is " << Named(Face) << In;
  auto Expect = [&](const QWidget* Widget, const QRect& Area, const QColor& Ground,
                    const QColor& Ink) {
    const Painted P = PaintedIn(Window, Area);
    EXPECT_TRUE((!Ground.isValid() || P.Ground == Ground) && Near(P.Ink, Ink))
        << Widget->objectName().toStdString() << " paints " << Named(P.Ink) << " on "
        << Named(P.Ground) << In;
    EXPECT_GE(P.Contrast(), 4.5) << Widget->objectName().toStdString() << In;
  };
  for (QWidget* Label : Labels)
    Expect(Label, InWindow(*Label), Palette.Window, Palette.WindowText);
  for (QWidget* Field : Fields) {
    const auto* Scrolled = qobject_cast<QAbstractScrollArea*>(Field);
    Expect(Field,
           Scrolled ? InWindow(*Scrolled->viewport()) : InWindow(*Field).adjusted(3, 3, -3, -3),
           Palette.Base, Palette.Text);
  }
  // Inside the bevel, whose face the style shades.
  for (QWidget* Button : Buttons)
    Expect(Button, InWindow(*Button).adjusted(6, 5, -6, -5), QColor(), Palette.ButtonText);
}

// Switches the application's palette, as a desktop does when its theme changes, and lets the
// windows repaint; the palette the tests found is put back at the end.
class PaletteSwitch : public ::testing::Test {
protected:
  static void SwitchTo(const DesktopPalette& Palette) {
    QApplication::setPalette(Palette.ToPalette());
    QApplication::processEvents();
  }
  void TearDown() override {
    QApplication::setPalette(Original_);
    QApplication::processEvents();
  }

private:
  QPalette Original_ = QApplication::palette();
};
