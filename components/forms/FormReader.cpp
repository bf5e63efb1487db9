#include "FormReader.h"

#include "ComponentClasses.h"
#include "Exception.h"
#include "Quoted.h"
#include "TCustomForm.h"
#include "TNotifyEvent.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaEnum>
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

// Whether a description may set property Index of Meta: only a property that a component class
// declares itself under the mark Q_CLASSINFO("Published", "true"), not one of the Qt classes
// underneath, nor a field of a form (whose class carries no mark).
bool IsPublished(const QMetaObject* Meta, int Index) {
  while (Meta && Index < Meta->propertyOffset())
    Meta = Meta->superClass();
  if (!Meta || Index < 0)
    return false;
  for (int I = Meta->classInfoOffset(); I < Meta->classInfoCount(); ++I)
    if (qstrcmp(Meta->classInfo(I).name(), "Published") == 0 &&
        qstrcmp(Meta->classInfo(I).value(), "true") == 0)
      return true;
  return false;
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
    for (const auto& Component : Components.toArray()) {
      if (!Component.isObject())
        Fail(Source_ + QStringLiteral(": every entry of 'Components' must be an object"));
      Create(Component.toObject());
    }
    ResolveReferences();
    ArrangeTabOrder();
    CheckEveryFieldBound();
  }

private:
  // A property naming another component of the form, set once all of them exist.
  struct Reference {
    QObject* Object;
    QMetaProperty Property;
    QString Where;
    QString Name;
  };

  void Create(const QJsonObject& Description) {
    const QString Name = Description.value(QStringLiteral("Name")).toString();
    const QString ClassName = Description.value(QStringLiteral("Class")).toString();
    if (Name.isEmpty())
      Fail(QStringLiteral("%1: a component of class %2 has no name")
               .arg(Source_, Quoted(ClassName)));
    if (Names_.contains(Name))
      Fail(QStringLiteral("%1: two components are named %2").arg(Source_, Quoted(Name)));
    Names_.insert(Name);

    const QMetaObject* Class = FindComponentClass(ClassName);
    if (!Class)
      Fail(QStringLiteral("%1: component %2 has unknown class %3")
               .arg(Source_, Quoted(Name), Quoted(ClassName)));
    QObject* Component = Class->newInstance(Q_ARG(TComponent*, &Form_));
    if (!Component)
      Fail(QStringLiteral("%1: cannot create component %2 of class %3")
               .arg(Source_, Quoted(Name), ClassName));
    Component->setObjectName(Name);
    BindField(Component);
    Apply(Component, Description);
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
          void* Arguments[] = {nullptr, static_cast<void*>(&Sender)};
          Target->qt_metacall(QMetaObject::InvokeMetaMethod, I, Arguments);
        };
      }
    }
    Fail(QStringLiteral("%1: %2 names handler %3, which %4 does not have (it must take the sender)")
             .arg(Source_, Where, Quoted(Handler), QString::fromLatin1(Meta->className())));
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
    if (!Field.write(&Form_, QVariant(Field.metaType(), static_cast<const void*>(&Component))))
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

  void Apply(QObject* Object, const QJsonObject& Description) {
    const QString Where = Object->objectName().isEmpty()
                              ? QString::fromLatin1(Object->metaObject()->className())
                              : Object->objectName();
    Groups_.clear();
    for (auto It = Description.begin(); It != Description.end(); ++It) {
      const QString Key = It.key();
      if (Key == QLatin1String("Name") || Key == QLatin1String("Class") ||
          (Object == &Form_ && Key == QLatin1String("Components")))
        continue;
      SetProperty(Object, Where, Key, It.value());
    }
    // A group (the font) is written once with all its members, not once per member.
    for (const auto& [Property, Values] : Groups_)
      if (!Property.write(Object, Values))
        Fail(CannotSet(Where, QString::fromLatin1(Property.name())));
  }

  // Key is a published property of Object ("Caption"), or one member of a published group
  // ("Font.Height": the member Height of the gadget Font).
  void SetProperty(QObject* Object, const QString& Where, const QString& Key,
                   const QJsonValue& Value) {
    const QString Head = Key.section(QLatin1Char('.'), 0, 0);
    const QString Member = Key.section(QLatin1Char('.'), 1);
    const QMetaObject* Meta = Object->metaObject();
    const int Index = Meta->indexOfProperty(Head.toUtf8().constData());
    if (!IsPublished(Meta, Index))
      Fail(Unknown(Object, Where, Key));
    const QMetaProperty Property = Meta->property(Index);
    const bool IsGroup = Property.metaType().flags() & QMetaType::IsGadget;
    if (IsGroup == Member.isEmpty())
      Fail(Unknown(Object, Where, Key));
    if (!IsGroup) {
      const QVariant Converted = Convert(Object, Property, Where, Key, Value);
      if (Converted.isValid() && !Property.write(Object, Converted))
        Fail(CannotSet(Where, Key));
      return;
    }
    const QMetaObject* Members = Property.metaType().metaObject();
    const QMetaProperty Inner =
        Members->property(Members->indexOfProperty(Member.toUtf8().constData()));
    if (!Inner.isValid())
      Fail(Unknown(Object, Where, Key));
    auto Group = std::find_if(Groups_.begin(), Groups_.end(), [&](const auto& G) {
      return G.first.propertyIndex() == Property.propertyIndex();
    });
    if (Group == Groups_.end())
      Group = Groups_.insert(Group, {Property, Property.read(Object)});
    const QVariant Converted = Convert(Object, Inner, Where, Key, Value);
    if (!Inner.writeOnGadget(Group->second.data(), Converted))
      Fail(CannotSet(Where, Key));
  }

  // Value as the property's own type. A reference to another component comes back invalid and
  // is set once every component exists.
  QVariant Convert(QObject* Object, const QMetaProperty& Property, const QString& Where,
                   const QString& Key, const QJsonValue& Value) {
    const QMetaType Type = Property.metaType();
    if (Property.isEnumType()) {
      const QMetaEnum Enum = Property.enumerator();
      const QJsonArray Names = Enum.isFlag()
                                   ? List(Where, Key, Value, QStringLiteral("a list of names"))
                                   : QJsonArray{Value};
      int Bits = 0;
      for (const auto& Name : Names) {
        bool Known = false;
        const int Bit = Enum.keyToValue(String(Where, Key, Name).toUtf8().constData(), &Known);
        if (!Known)
          Fail(UnknownValue(Where, Key, Name));
        Bits |= Bit;
      }
      return QVariant(Type, &Bits);
    }
    switch (Type.id()) {
    case QMetaType::Int:
      return Int(Where, Key, Value);
    case QMetaType::UInt: {
      const int Number = Int(Where, Key, Value);
      if (Number < 0)
        Fail(WrongType(Where, Key, QStringLiteral("a whole number, 0 or more")));
      return QVariant(static_cast<uint>(Number));
    }
    case QMetaType::Bool:
      return Bool(Where, Key, Value);
    case QMetaType::QString:
      return String(Where, Key, Value);
    case QMetaType::QStringList: {
      QStringList Texts;
      for (const auto& Text : List(Where, Key, Value, QStringLiteral("a list of texts")))
        Texts << String(Where, Key, Text);
      return Texts;
    }
    default:
      break;
    }
    if (Type == QMetaType::fromType<AnsiString>())
      return QVariant::fromValue(String(Where, Key, Value).toStdString());
    if (Type == QMetaType::fromType<TNotifyEvent>())
      return QVariant::fromValue(BindHandler(Where + QLatin1Char('.') + Key, Value));
    if (Type.flags() & QMetaType::PointerToQObject) {
      References_.push_back(
          {Object, Property, Where + QLatin1Char('.') + Key, String(Where, Key, Value)});
      return QVariant();
    }
    Fail(QStringLiteral("%1: %2.%3 is of a type a description cannot give (%4)")
             .arg(Source_, Where, Key, QString::fromLatin1(Type.name())));
  }

  void ResolveReferences() {
    for (const Reference& R : References_) {
      QObject* Target = Form_.findChild<QObject*>(R.Name, Qt::FindDirectChildrenOnly);
      const QMetaObject* Class = R.Property.metaType().metaObject();
      if (!Target || !Names_.contains(R.Name) || !Target->metaObject()->inherits(Class))
        Fail(QStringLiteral("%1: %2 names %3, which is no %4 of the form")
                 .arg(Source_, R.Where, Quoted(R.Name), QString::fromLatin1(Class->className())));
      if (!R.Property.write(R.Object,
                            QVariant(R.Property.metaType(), static_cast<const void*>(&Target))))
        Fail(QStringLiteral("%1: %2 cannot be set").arg(Source_, R.Where));
    }
  }

  // Tab moves through the components that have a TabOrder, lowest first.
  void ArrangeTabOrder() {
    std::vector<std::pair<int, QWidget*>> Order;
    for (QWidget* Control : Form_.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      const QVariant Place = Control->property("TabOrder");
      if (Place.isValid() && Place.toInt() >= 0)
        Order.emplace_back(Place.toInt(), Control);
    }
    std::stable_sort(Order.begin(), Order.end(),
                     [](const auto& A, const auto& B) { return A.first < B.first; });
    std::vector<QWidget*> Controls;
    Controls.reserve(Order.size());
    for (const auto& Entry : Order)
      Controls.push_back(Entry.second);
    Form_.SetTabOrder(Controls);
  }

  QString Unknown(QObject* Object, const QString& Where, const QString& Key) const {
    return QStringLiteral("%1: %2 (%3) has no property %4")
        .arg(Source_, Where, QString::fromLatin1(Object->metaObject()->className()), Quoted(Key));
  }
  QString CannotSet(const QString& Where, const QString& Key) const {
    return QStringLiteral("%1: %2.%3 cannot be set").arg(Source_, Where, Key);
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
  QJsonArray List(const QString& Where, const QString& Key, const QJsonValue& Value,
                  const QString& Expected) const {
    if (!Value.isArray())
      Fail(WrongType(Where, Key, Expected));
    return Value.toArray();
  }
  QString String(const QString& Where, const QString& Key, const QJsonValue& Value) const {
    if (!Value.isString())
      Fail(WrongType(Where, Key, QStringLiteral("a text")));
    return Value.toString();
  }

  TCustomForm& Form_;
  const QString Source_;
  QSet<QString> Names_;
  std::vector<Reference> References_;
  std::vector<std::pair<QMetaProperty, QVariant>> Groups_; // of the component being read
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
