#pragma once

class QByteArray;
class TCustomForm;

// Builds a form's components from its description and binds them to the form by name.
//
// A description is a JSON object that reads like a table of components:
//
//   { "Name": "Form1", "Class": "TForm1", "Left": 192, "Caption": "...", "Font.Height": -20,
//     "Components": [ { "Name": "Button1", "Class": "TButton", "Left": 136, ...,
//                       "OnClick": "Button1Click" }, ... ] }
//
// Components are created in the order listed, as children of the form, and each is stored in
// the form's property of the same name (a Q_PROPERTY of a matching pointer type). An event
// (OnClick, OnTimer) names a Q_INVOKABLE method of the form taking the sender (TObject*).
// Properties: Left, Top, Width, Height, Caption (form, label, button), Text (edit, memo), Lines
// (memo), Color, Font.Name, Font.Height (negative: character height in pixels), Font.Style,
// Font.Color, Font.Charset, TabOrder (edit, memo, button), FocusControl (label: the control it
// names for a screen reader), Interval and Enabled (timer), and the form's OldCreateOrder,
// PixelsPerInch and TextHeight, which change nothing here.
//
// Anything the reader does not know (a class, a property, a value of the wrong type, a component
// the form has no field for, a field left without a component, a handler the form lacks) raises
// Exception naming it; a half-built form is never handed out.

// Reads the description carried in the executable as the resource named after the form's class
// in capitals (":/TFORM1" for TForm1).
void ReadForm(TCustomForm& Form);
// Reads Description (UTF-8 JSON); Source names it in error messages.
void ReadForm(TCustomForm& Form, const QByteArray& Description, const char* Source);
