#pragma once
// The real quiz window: TForm1 built from its real description, shown and active on the offscreen
// platform. Each test runs in a process of its own, so it starts at the first entry.
#include "QuizProgress.h"
#include "TApplication.h"
#include "TButton.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TMemo.h"
#include "TTimer.h"
#include "Unit1.h"

#include <QTest>
#include <gtest/gtest.h>

class QuizWindowFixture : public ::testing::Test {
protected:
  void SetUp() override {
    Application->CreateForm(Form1);
    Form1->show();
    Form1->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
  }
};
