#include "FormReader.h"

#include "Exception.h"
#include "TTestForm.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextDocument>

namespace {

// A form class of another name than TSomething, publishing a property it only lets be read.
class QuizPanel : public TForm {
  Q_OBJECT
  Q_CLASSINFO("Published", "true")
  Q_PROPERTY(int Score READ GetScore)

public:
  explicit QuizPanel(TComponent* Owner) : TForm(Owner) {}
  int GetScore() const { return 0; }
};

// The message ReadForm gives Description, read into a new Form, or "accepted".
template <class Form> std::string Rejection(const QByteArray& Description) {
  try {
    Form Read(nullptr);
    ReadForm(Read, Description, "test description");
    return "accepted";
  } catch (const Exception& E) {
    return E.Message();
  }
}

// The minimal description of TTestForm, with Key of component Index (-1: the form) set to Value;
// without a Key, component Index is left out.
QByteArray With(int Index, const char* Key, const QJsonValue& Value) {
  QJsonObject Parts[7] = {{{"Name", "TestForm"}, {"Class", "TTestForm"}}};
  const QString Names[] = {"Label1", "Label2", "Memo1", "Edit1", "Button1", "Timer1"};
  for (int I = 1; I < 7; ++I)
    Parts[I] = {{"Name", Names[I - 1]}, {"Class", "T" + Names[I - 1].chopped(1)}};
  if (Key)
    Parts[Index + 1][Key] = Value;
  QJsonArray Components;
  for (int I = 1; I < 7; ++I)
    if (Key || I != Index + 1)
      Components.append(Parts[I]);
  Parts[0]["Components"] = Components;
  return QJsonDocument(Parts[0]).toJson();
}

} // namespace

TEST(FormReader, BuildsEveryComponentWithItsProperties) {
  TTestForm Form(nullptr);
  ReadForm(Form);
  EXPECT_EQ(Form.GetText(), "시험 창");
  EXPECT_EQ(Form.size(), QSize(400, 300)); // no window manager, so no frame to take off
  EXPECT_EQ(Form.Label2->geometry().topLeft(), QPoint(100, 10));
  EXPECT_EQ(Form.Edit1->GetText(), "7");
  EXPECT_EQ(Form.Memo1->document()->blockCount(), 2) << "each of Lines a line of its own";
  EXPECT_EQ(Form.Label1->buddy(), Form.Edit1);
  EXPECT_EQ(Form.Timer1->GetInterval(), 1u);
  EXPECT_FALSE(Form.Timer1->GetEnabled());
  // The description's font, with a Korean face (fonts-nanum's, on the machines the tests run on)
  // standing in for one the machine lacks, and the default face last for what it has not.
  EXPECT_EQ(Form.Memo1->font().pixelSize(), 20);
  const QStringList Families = Form.font().families();
  EXPECT_EQ(Families.value(0), "NanumBarunGothic") << Families.join(", ").toStdString();
  EXPECT_EQ(Families.value(Families.size() - 1), "sans-serif");
  EXPECT_TRUE(Form.font().bold());
  EXPECT_EQ(Form.GetFont().Height, -20) << "a member of the group lost to another";
}

TEST(FormReader, KnowsAFormsPropertiesByTheirMarkWhateverItsClassIsCalled) {
  QuizPanel Panel(nullptr);
  ReadForm(Panel, R"({"Name": "Panel1", "Class": "QuizPanel", "Caption": "판", "Left": 7})", "");
  EXPECT_EQ(Panel.GetText(), "판");
  EXPECT_EQ(Panel.GetLeft(), 7);
  EXPECT_EQ(Rejection<QuizPanel>(R"({"Name": "Panel1", "Class": "QuizPanel", "Score": 3})"),
            "test description: Panel1.Score cannot be set");
}

// Each description is the minimal one (which reads, also into a form that has an owner) with one
// fault; the message names the description and the fault.
TEST(FormReader, RejectsADescriptionNamingTheFault) {
  TTestForm Form(nullptr);
  ASSERT_NO_THROW(ReadForm(*new TTestForm(&Form), With(-1, nullptr, {}), "minimal"));
  const std::pair<QByteArray, const char*> Faults[] = {
      {"{\"Name\": ", "not valid JSON"},
      {With(-1, "Class", "TOtherForm"), "TOtherForm"},
      {With(0, "Class", "TListBox"), "TListBox"},
      {With(0, "Colour", "clWindow"), "Label1 (TLabel) has no property 'Colour'"},
      {With(3, "text", "7"), "'text'"},
      {With(-1, "Edit1", "Label1"), "TestForm (TTestForm) has no property 'Edit1'"},
      {With(-1, "Font.Size", 3), "'Font.Size'"},
      {With(3, "Left", "ten"), "Edit1.Left must be a whole number"},
      {With(3, "Width", 1e12), "Edit1.Width must be a whole number"},
      {With(3, "Top", 1.5), "Edit1.Top must be a whole number"},
      {With(5, "Enabled", "false"), "Timer1.Enabled must be true or false"},
      {With(2, "Lines", "첫 줄"), "Memo1.Lines must be a list of texts"},
      {With(-1, "Font.Style", "fsBold"), "Font.Style must be a list"},
      {With(4, "Caption", 5), "Button1.Caption must be a text"},
      {With(3, "Color", "clPurple"), "clPurple"},
      {With(-1, "Font.Style", QJsonArray{"fsShadow"}), "fsShadow"},
      {With(5, "Interval", -1), "Timer1.Interval"},
      {With(0, "Name", "Label9"), "Label9"},
      {With(0, "Class", "TEdit"), "Label1"},
      {With(5, nullptr, {}), "no component for field 'Timer1'"},
      {With(1, "Name", "Label1"), "two components are named 'Label1'"},
      {With(0, "FocusControl", "Timer1"), "Label1.FocusControl"},
      {With(4, "OnClick", "Button1Clik"), "Button1Clik"},
      {With(4, "OnClick", "Refresh"), "Refresh"},
      {With(3, "OnClick", "Button1Click"), "Edit1 (TEdit) has no property 'OnClick'"}};
  for (const auto& [Description, Named] : Faults) {
    const std::string Message = Rejection<TTestForm>(Description);
    EXPECT_TRUE(Message.find(Named) != Message.npos &&
                Message.find("test description") != Message.npos)
        << Message;
  }
}

#include "FormReaderTest.moc"
