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
// The reader knows no component class. Components are created by class name from the registry
// (ComponentClasses.h), in the order listed, as children of the form, and each is stored in the
// form's property of the same name (a Q_PROPERTY of a matching pointer type). Every other key
// sets the Q_PROPERTY of that name that the component's class publishes, or one member of a
// published group ("Font.Height": Height of the gadget Font). A class publishes the properties
// it declares itself under the mark Q_CLASSINFO("Published", "true") (its header lists them);
// those of the Qt classes underneath, and a form's fields, are not for a description. A JSON value
// becomes the property's own type: a number an int (or a uint, not negative), true/false a bool,
// a text a string, a list of texts a string list, a name a value of an enumeration (a list of
// names for a set of flags), the name of a Q_INVOKABLE method of the form taking the sender
// (TObject*) a TNotifyEvent, and the name of another component a pointer to it. Components with
// a TabOrder are then put in that order for the Tab key.
//
// Anything the reader does not know (a class, a property, a value of the wrong type, a name
// outside an enumeration, a property that will not take its value, a component the form has no
// field for, a field left without a component, a handler the form lacks) raises Exception naming
// the description, the component and the key; a half-built form is never handed out.

// Reads the description carried in the executable as the resource named after the form's class
// in capitals (":/TFORM1" for TForm1).
void ReadForm(TCustomForm& Form);
// Reads Description (UTF-8 JSON); Source names it in error messages.
void ReadForm(TCustomForm& Form, const QByteArray& Description, const char* Source);
