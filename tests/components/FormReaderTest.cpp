#include "FormReader.h"

#include "Exception.h"
#include "FontFamilies.h"
#include "TTestForm.h"

#include <QFontDatabase>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

TEST(FormReader, BuildsEveryComponentWithItsPropertiesAndBindings) {
  TTestForm Form(nullptr);
  ReadForm(Form);

  EXPECT_EQ(Form.GetText(), "시험 창");
  EXPECT_EQ(Form.objectName(), "TestForm");
  EXPECT_EQ(Form.size(), QSize(400, 300)); // no window manager, so no frame to take off
  ASSERT_TRUE(Form.Label1 && Form.Label2 && Form.Memo1 && Form.Edit1 && Form.Button1 &&
              Form.Timer1);
  EXPECT_EQ(Form.Edit1->parentWidget(), &Form);
  EXPECT_EQ(Form.Edit1->geometry(), QRect(10, 150, 60, 30));
  EXPECT_EQ(Form.Edit1->GetText(), "7");
  EXPECT_EQ(Form.Memo1->GetText(), "첫 줄");
  EXPECT_EQ(Form.Button1->GetText(), "확 인");
  EXPECT_EQ(Form.Label2->pos(), QPoint(100, 10));
  EXPECT_EQ(Form.Timer1->GetInterval(), 1u);
  EXPECT_FALSE(Form.Timer1->GetEnabled());

  // The font is the description's, with a Korean face standing in for one the machine lacks.
  EXPECT_EQ(Form.Memo1->font().pixelSize(), 20);
  EXPECT_EQ(Form.font().families(), FontFamilies("No Such Font"));
  EXPECT_NE(Form.font().families().first(), "No Such Font");

  QTest::mouseClick(Form.Button1, Qt::LeftButton);
  EXPECT_EQ(Form.Clicks, 1);
}

namespace {

// The description of TTestForm with nothing but what it must have.
QJsonObject Minimal() {
  auto Component = [](const char* Name, const char* Class) {
    return QJsonObject{{"Name", Name}, {"Class", Class}};
  };
  return QJsonObject{
      {"Name", "TestForm"},
      {"Class", "TTestForm"},
      {"Components", QJsonArray{Component("Label1", "TLabel"), Component("Label2", "TLabel"),
                                Component("Memo1", "TMemo"), Component("Edit1", "TEdit"),
                                Component("Button1", "TButton"), Component("Timer1", "TTimer")}}};
}

// Changes component Index of Description.
void Edit(QJsonObject& Description, int Index, const std::function<void(QJsonObject&)>& Change) {
  QJsonArray Components = Description["Components"].toArray();
  QJsonObject Component = Components[Index].toObject();
  Change(Component);
  Components[Index] = Component;
  Description["Components"] = Components;
}

struct BadDescription {
  const char* Name;
  std::function<QByteArray()> Make;
  const char* MessageNames; // what the error message must mention
};

QByteArray Json(const QJsonObject& Description) {
  return QJsonDocument(Description).toJson();
}

QByteArray WithComponent(int Index, const char* Key, const QJsonValue& Value) {
  QJsonObject D = Minimal();
  Edit(D, Index, [&](QJsonObject& C) { C[Key] = Value; });
  return Json(D);
}

class FormReaderRejects : public ::testing::TestWithParam<BadDescription> {};

} // namespace

TEST(FormReader, MinimalDescriptionIsAccepted) {
  TTestForm Form(nullptr);
  EXPECT_NO_THROW(ReadForm(Form, Json(Minimal()), "minimal"));
}

TEST_P(FormReaderRejects, WithAMessageNamingTheFault) {
  TTestForm Form(nullptr);
  try {
    ReadForm(Form, GetParam().Make(), "test description");
    FAIL() << "accepted";
  } catch (const Exception& E) {
    EXPECT_NE(E.Message().find(GetParam().MessageNames), std::string::npos) << E.Message();
    EXPECT_NE(E.Message().find("test description"), std::string::npos) << E.Message();
  }
}

INSTANTIATE_TEST_SUITE_P(
    , FormReaderRejects,
    ::testing::Values(
        BadDescription{"BrokenJson", [] { return QByteArray("{\"Name\": "); }, "not valid JSON"},
        BadDescription{"NotAnObject", [] { return QByteArray("[]"); }, "JSON object"},
        BadDescription{"OtherFormClass",
                       [] {
                         QJsonObject D = Minimal();
                         D["Class"] = "TOtherForm";
                         return Json(D);
                       },
                       "TOtherForm"},
        BadDescription{"UnknownClass", [] { return WithComponent(0, "Class", "TListBox"); },
                       "TListBox"},
        BadDescription{"UnknownProperty", [] { return WithComponent(0, "Colour", "clWindow"); },
                       "Colour"},
        BadDescription{"PropertyOfAnotherClass", [] { return WithComponent(0, "Interval", 5); },
                       "Interval"},
        BadDescription{"TextWhereNumberBelongs", [] { return WithComponent(3, "Left", "ten"); },
                       "Edit1.Left"},
        BadDescription{"FractionalNumber", [] { return WithComponent(3, "Top", 1.5); },
                       "Edit1.Top"},
        BadDescription{"UnknownColour", [] { return WithComponent(3, "Color", "clPurple"); },
                       "clPurple"},
        BadDescription{"UnknownFontStyle",
                       [] { return WithComponent(0, "Font.Style", QJsonArray{"fsShadow"}); },
                       "fsShadow"},
        BadDescription{"NegativeInterval", [] { return WithComponent(5, "Interval", -1); },
                       "Interval"},
        BadDescription{"ComponentWithoutField",
                       [] {
                         QJsonObject D = Minimal();
                         QJsonArray C = D["Components"].toArray();
                         C.append(QJsonObject{{"Name", "Label9"}, {"Class", "TLabel"}});
                         D["Components"] = C;
                         return Json(D);
                       },
                       "Label9"},
        BadDescription{"FieldOfAnotherClass", [] { return WithComponent(0, "Class", "TEdit"); },
                       "Label1"},
        BadDescription{"FieldWithoutComponent",
                       [] {
                         QJsonObject D = Minimal();
                         QJsonArray C = D["Components"].toArray();
                         C.removeLast();
                         D["Components"] = C;
                         return Json(D);
                       },
                       "Timer1"},
        BadDescription{"DuplicateName", [] { return WithComponent(1, "Name", "Label1"); },
                       "Label1"},
        BadDescription{"NamelessComponent", [] { return WithComponent(1, "Name", ""); }, "no name"},
        BadDescription{"FocusControlThatIsNoControl",
                       [] { return WithComponent(0, "FocusControl", "Timer1"); }, "Timer1"},
        BadDescription{"UnknownHandler", [] { return WithComponent(4, "OnClick", "Button1Clik"); },
                       "Button1Clik"},
        BadDescription{"HandlerWithoutSender",
                       [] { return WithComponent(4, "OnClick", "Refresh"); }, "Refresh"},
        BadDescription{"EventOfAnotherClass",
                       [] { return WithComponent(3, "OnClick", "Button1Click"); }, "OnClick"}),
    [](const ::testing::TestParamInfo<BadDescription>& Info) { return Info.param.Name; });
