#include "FormReader.h"

#include "Exception.h"
#include "FontFamilies.h"
#include "TButton.h"
#include "TCustomForm.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TMemo.h"
#include "TTimer.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

[[noreturn]] void Fail(const QString& Message) {
  throw Exception(Message.toStdString());
}

QString Quoted(const QString& Text) {
  return QLatin1Char('\'') + Text + QLatin1Char('\'');
}

// The colours a description may name, as the roles of the toolkit's palette that play them.
bool ColourRole(const QString& Name, QPalette::ColorRole& Role) {
  static const QHash<QString, QPalette::ColorRole> Roles = {
      {QStringLiteral("clBtnFace"), QPalette::Button},
      {QStringLiteral("clBtnText"), QPalette::ButtonText},
      {QStringLiteral("clWindow"), QPalette::Base},
      {QStringLiteral("clWindowText"), QPalette::WindowText},
  };
  const auto It = Roles.find(Name);
  if (It == Roles.end())
    return false;
  Role = *It;
  return true;
}

class Reader {
public:
  Reader(TCustomForm& Form, const char* Source) : Form_(Form), Source_(QString::fromUtf8(Source)) {}

  void Read(const QByteArray& Description) {
    QJsonParseError Error{};
    const QJsonDocument Document = QJsonDocument::fromJson(Description, &Error);
    if (Error.error != QJsonParseError::NoError)
      Fail(QStringLiteral("%1: not valid JSON at offset %2: %3")
               .arg(Source_)
               .arg(Error.offset)
               .arg(Error.errorString()));
    if (!Document.isObject())
      Fail(Source_ + QStringLiteral(": the description must be a JSON object"));
    const QJsonObject Root = Document.object();

    const QString FormClass = QString::fromLatin1(Form_.metaObject()->className());
    const QString Class = Root.value(QStringLiteral("Class")).toString();
    if (Class != FormClass)
      Fail(QStringLiteral("%1: describes class %2, not %3").arg(Source_, Quoted(Class), FormClass));
    Form_.setObjectName(Root.value(QStringLiteral("Name")).toString());
    Apply(&Form_, Root);

    const QJsonValue Components = Root.value(QStringLiteral("Components"));
    if (!Components.isUndefined() && !Components.isArray())
      Fail(Source_ + QStringLiteral(": 'Components' must be a list"));
    for (const QJsonValue& Component : Components.toArray()) {
      if (!Component.isObject())
        Fail(Source_ + QStringLiteral(": every entry of 'Components' must be an object"));
      Create(Component.toObject());
    }
    ArrangeTabOrder();
    LinkFocusControls();
    CheckEveryFieldBound();
  }

private:
  void Create(const QJsonObject& Description) {
    const QString Name = Description.value(QStringLiteral("Name")).toString();
    const QString Class = Description.value(QStringLiteral("Class")).toString();
    if (Name.isEmpty())
      Fail(QStringLiteral("%1: a component of class %2 has no name").arg(Source_, Quoted(Class)));
    if (Names_.contains(Name))
      Fail(QStringLiteral("%1: two components are named %2").arg(Source_, Quoted(Name)));
    Names_.insert(Name);

    QObject* Component = nullptr;
    if (Class == QLatin1String("TLabel"))
      Component = new TLabel(&Form_);
    else if (Class == QLatin1String("TEdit"))
      Component = new TEdit(&Form_);
    else if (Class == QLatin1String("TMemo"))
      Component = new TMemo(&Form_);
    else if (Class == QLatin1String("TButton"))
      Component = new TButton(&Form_);
    else if (Class == QLatin1String("TTimer"))
      Component = new TTimer(&Form_);
    else
      Fail(QStringLiteral("%1: component %2 has unknown class %3")
               .arg(Source_, Quoted(Name), Quoted(Class)));
    Component->setObjectName(Name);
    BindField(Component);
    Apply(Component, Description);
  }

  // Stores Component in the form's field of the same name.
  void BindField(QObject* Component) {
    const QString Name = Component->objectName();
    const QMetaObject* Meta = Form_.metaObject();
    const int Index = Meta->indexOfProperty(Name.toUtf8().constData());
    const QMetaObject* FieldClass =
        Index < 0 ? nullptr : Meta->property(Index).metaType().metaObject();
    if (Index < TCustomForm::staticMetaObject.propertyCount() || !FieldClass)
      Fail(QStringLiteral("%1: %2 has no field for component %3")
               .arg(Source_, QString::fromLatin1(Meta->className()), Quoted(Name)));
    if (!Component->metaObject()->inherits(FieldClass))
      Fail(QStringLiteral("%1: field %2 of %3 holds a %4, not a %5")
               .arg(Source_, Quoted(Name), QString::fromLatin1(Meta->className()),
                    QString::fromLatin1(FieldClass->className()),
                    QString::fromLatin1(Component->metaObject()->className())));
    const QMetaProperty Field = Meta->property(Index);
    if (!Field.write(&Form_, QVariant(Field.metaType(), &Component)))
      Fail(QStringLiteral("%1: cannot store component %2 in its field").arg(Source_, Quoted(Name)));
  }

  // Every component field of the form's own class must have been filled in.
  void CheckEveryFieldBound() {
    const QMetaObject* Meta = Form_.metaObject();
    for (int I = TCustomForm::staticMetaObject.propertyCount(); I < Meta->propertyCount(); ++I) {
      const QMetaProperty Field = Meta->property(I);
      if (!(Field.metaType().flags() & QMetaType::PointerToQObject))
        continue;
      if (!Field.read(&Form_).value<QObject*>())
        Fail(QStringLiteral("%1: no component for field %2 of %3")
                 .arg(Source_, Quoted(QString::fromLatin1(Field.name())),
                      QString::fromLatin1(Meta->className())));
    }
  }

  TNotifyEvent BindHandler(const QString& Where, const QJsonValue& Value) {
    const QString Handler = Value.toString();
    const QMetaObject* Meta = Form_.metaObject();
    for (int I = 0; I < Meta->methodCount(); ++I) {
      const QMetaMethod Method = Meta->method(I);
      if (Method.name() == Handler.toUtf8() && Method.parameterCount() == 1 &&
          Method.parameterMetaType(0) == QMetaType::fromType<TObject*>()) {
        QObject* Target = &Form_;
        // Called straight through the form's generated dispatcher, so an exception from the
        // handler reaches CallEvent without passing through Qt's own code.
        return [Target, I](TObject* Sender) {
          void* Arguments[] = {nullptr, &Sender};
          Target->qt_metacall(QMetaObject::InvokeMetaMethod, I, Arguments);
        };
      }
    }
    Fail(QStringLiteral("%1: %2 names handler %3, which %4 does not have (it must take the sender)")
             .arg(Source_, Where, Quoted(Handler), QString::fromLatin1(Meta->className())));
  }

  void Apply(QObject* Object, const QJsonObject& Description) {
    const QString Where = Object->objectName().isEmpty()
                              ? QString::fromLatin1(Object->metaObject()->className())
                              : Object->objectName();
    // Geometry first, so that a label's size then follows its caption.
    static const QStringList Geometry = {QStringLiteral("Left"), QStringLiteral("Top"),
                                         QStringLiteral("Width"), QStringLiteral("Height")};
    bool HasGeometry = false;
    for (const QString& Key : Geometry)
      HasGeometry = HasGeometry || Description.contains(Key);
    if (HasGeometry) {
      auto* Control = dynamic_cast<TControl*>(Object);
      if (!Control)
        Fail(Unknown(Object, Where, QStringLiteral("Left")));
      auto* Widget = static_cast<QWidget*>(Object);
      const QRect Current = Object == &Form_ ? Widget->frameGeometry() : Widget->geometry();
      auto Value = [&](const QString& Key, int Default) {
        return Description.contains(Key) ? Int(Where, Key, Description.value(Key)) : Default;
      };
      Control->SetBounds(Value(Geometry[0], Current.x()), Value(Geometry[1], Current.y()),
                         Value(Geometry[2], Current.width()), Value(Geometry[3], Current.height()));
    }
    for (auto It = Description.begin(); It != Description.end(); ++It) {
      const QString Key = It.key();
      if (Key == QLatin1String("Name") || Key == QLatin1String("Class") || Geometry.contains(Key) ||
          (Object == &Form_ && Key == QLatin1String("Components")))
        continue;
      ApplyProperty(Object, Where, Key, It.value());
    }
  }

  void ApplyProperty(QObject* Object, const QString& Where, const QString& Key,
                     const QJsonValue& Value) {
    auto* Control = dynamic_cast<TControl*>(Object);
    auto* Widget = qobject_cast<QWidget*>(Object);
    auto* Timer = qobject_cast<TTimer*>(Object);
    auto* Memo = qobject_cast<TMemo*>(Object);
    const bool IsForm = Object == &Form_;

    if (Key == QLatin1String("Caption") &&
        (IsForm || qobject_cast<TLabel*>(Object) || qobject_cast<TButton*>(Object))) {
      Control->SetText(String(Where, Key, Value).toStdString());
    } else if (Key == QLatin1String("Text") && (qobject_cast<TEdit*>(Object) || Memo)) {
      Control->SetText(String(Where, Key, Value).toStdString());
    } else if (Key == QLatin1String("Lines") && Memo) {
      if (!Value.isArray())
        Fail(WrongType(Where, Key, QStringLiteral("a list of texts")));
      QStringList Lines;
      for (const QJsonValue& Line : Value.toArray())
        Lines << String(Where, Key, Line);
      Memo->SetText(Lines.join(QLatin1Char('\n')).toStdString());
    } else if (Key == QLatin1String("Color") && Widget) {
      QPalette::ColorRole Role;
      if (!ColourRole(String(Where, Key, Value), Role))
        Fail(UnknownValue(Where, Key, Value));
      QPalette Palette = Widget->palette();
      Palette.setColor(Widget->backgroundRole(), Palette.color(Role));
      Widget->setPalette(Palette);
    } else if (Key.startsWith(QLatin1String("Font.")) && Widget) {
      ApplyFont(Widget, Where, Key, Value);
    } else if (Key == QLatin1String("TabOrder") && Widget && !IsForm &&
               !qobject_cast<TLabel*>(Object)) {
      TabOrder_.push_back({Int(Where, Key, Value), Widget});
    } else if (Key == QLatin1String("FocusControl") && qobject_cast<TLabel*>(Object)) {
      FocusControls_.push_back({static_cast<TLabel*>(Object), String(Where, Key, Value)});
    } else if (Key == QLatin1String("Interval") && Timer) {
      const int Interval = Int(Where, Key, Value);
      if (Interval < 0)
        Fail(UnknownValue(Where, Key, Value));
      Timer->SetInterval(Interval);
    } else if (Key == QLatin1String("Enabled") && Timer) {
      Timer->SetEnabled(Bool(Where, Key, Value));
    } else if (Key == QLatin1String("OnTimer") && Timer) {
      Timer->SetOnTimer(BindHandler(Where + QStringLiteral(".OnTimer"), Value));
    } else if (Key == QLatin1String("OnClick") && qobject_cast<TButton*>(Object)) {
      static_cast<TButton*>(Object)->OnClick =
          BindHandler(Where + QStringLiteral(".OnClick"), Value);
    } else if (IsForm && Key == QLatin1String("OldCreateOrder")) {
      Bool(Where, Key, Value);
    } else if (IsForm &&
               (Key == QLatin1String("PixelsPerInch") || Key == QLatin1String("TextHeight"))) {
      Int(Where, Key, Value);
    } else {
      Fail(Unknown(Object, Where, Key));
    }
  }

  void ApplyFont(QWidget* Widget, const QString& Where, const QString& Key,
                 const QJsonValue& Value) {
    QFont Font = Widget->font();
    if (Key == QLatin1String("Font.Name")) {
      Font.setFamilies(FontFamilies(String(Where, Key, Value)));
    } else if (Key == QLatin1String("Font.Height")) {
      // Negative: the height of the characters in pixels; positive: of the whole cell, which
      // is near enough the same here. 0 keeps the default size.
      const int Height = Int(Where, Key, Value);
      if (Height != 0)
        Font.setPixelSize(std::abs(Height));
    } else if (Key == QLatin1String("Font.Style")) {
      if (!Value.isArray())
        Fail(WrongType(Where, Key, QStringLiteral("a list of styles")));
      Font.setBold(false);
      Font.setItalic(false);
      Font.setUnderline(false);
      Font.setStrikeOut(false);
      for (const QJsonValue& Style : Value.toArray()) {
        const QString Name = String(Where, Key, Style);
        if (Name == QLatin1String("fsBold"))
          Font.setBold(true);
        else if (Name == QLatin1String("fsItalic"))
          Font.setItalic(true);
        else if (Name == QLatin1String("fsUnderline"))
          Font.setUnderline(true);
        else if (Name == QLatin1String("fsStrikeOut"))
          Font.setStrikeOut(true);
        else
          Fail(UnknownValue(Where, Key, Style));
      }
    } else if (Key == QLatin1String("Font.Color")) {
      QPalette::ColorRole Role;
      if (!ColourRole(String(Where, Key, Value), Role))
        Fail(UnknownValue(Where, Key, Value));
      QPalette Palette = Widget->palette();
      Palette.setColor(Widget->foregroundRole(), Palette.color(Role));
      Widget->setPalette(Palette);
      return;
    } else if (Key == QLatin1String("Font.Charset")) {
      // Text is Unicode throughout; a character set changes nothing.
      static const QStringList Charsets = {QStringLiteral("DEFAULT_CHARSET"),
                                           QStringLiteral("ANSI_CHARSET"),
                                           QStringLiteral("HANGEUL_CHARSET")};
      if (!Charsets.contains(String(Where, Key, Value)))
        Fail(UnknownValue(Where, Key, Value));
      return;
    } else {
      Fail(Unknown(Widget, Where, Key));
    }
    Widget->setFont(Font);
  }

  // A label names the control it stands for (a screen reader reads the label as its name).
  void LinkFocusControls() {
    for (const auto& [Label, Name] : FocusControls_) {
      auto* Control = Form_.findChild<QWidget*>(Name, Qt::FindDirectChildrenOnly);
      if (!Control || !dynamic_cast<TControl*>(Control))
        Fail(QStringLiteral("%1: %2.FocusControl names %3, which is no control of the form")
                 .arg(Source_, Label->objectName(), Quoted(Name)));
      Label->SetFocusControl(Control);
    }
  }

  void ArrangeTabOrder() {
    std::stable_sort(TabOrder_.begin(), TabOrder_.end(),
                     [](const auto& A, const auto& B) { return A.first < B.first; });
    std::vector<QWidget*> Controls;
    for (const auto& Entry : TabOrder_)
      Controls.push_back(Entry.second);
    Form_.SetTabOrder(Controls);
  }

  QString Unknown(QObject* Object, const QString& Where, const QString& Key) const {
    return QStringLiteral("%1: %2 (%3) has no property %4")
        .arg(Source_, Where, QString::fromLatin1(Object->metaObject()->className()), Quoted(Key));
  }
  QString WrongType(const QString& Where, const QString& Key, const QString& Expected) const {
    return QStringLiteral("%1: %2.%3 must be %4").arg(Source_, Where, Key, Expected);
  }
  QString UnknownValue(const QString& Where, const QString& Key, const QJsonValue& Value) const {
    return QStringLiteral("%1: %2.%3 cannot be %4")
        .arg(Source_, Where, Key,
             QString::fromUtf8(QJsonDocument(QJsonArray{Value}).toJson(QJsonDocument::Compact)));
  }

  int Int(const QString& Where, const QString& Key, const QJsonValue& Value) const {
    const double Number = Value.toDouble(0.5);
    if (!Value.isDouble() || Number != std::floor(Number) || std::abs(Number) > 1e6)
      Fail(WrongType(Where, Key, QStringLiteral("a whole number")));
    return static_cast<int>(Number);
  }
  bool Bool(const QString& Where, const QString& Key, const QJsonValue& Value) const {
    if (!Value.isBool())
      Fail(WrongType(Where, Key, QStringLiteral("true or false")));
    return Value.toBool();
  }
  QString String(const QString& Where, const QString& Key, const QJsonValue& Value) const {
    if (!Value.isString())
      Fail(WrongType(Where, Key, QStringLiteral("a text")));
    return Value.toString();
  }

  TCustomForm& Form_;
  const QString Source_;
  QSet<QString> Names_;
  std::vector<std::pair<int, QWidget*>> TabOrder_;
  std::vector<std::pair<TLabel*, QString>> FocusControls_;
};

} // namespace

void ReadForm(TCustomForm& Form) {
  const QByteArray Name = QByteArray(Form.metaObject()->className()).toUpper();
  QFile File(QStringLiteral(":/") + QString::fromLatin1(Name));
  if (!File.open(QIODevice::ReadOnly))
    Fail(QStringLiteral("the executable carries no form description %1")
             .arg(Quoted(QString::fromLatin1(Name))));
  ReadForm(Form, File.readAll(), Name.constData());
}

void ReadForm(TCustomForm& Form, const QByteArray& Description, const char* Source) {
  Reader(Form, Source).Read(Description);
}
