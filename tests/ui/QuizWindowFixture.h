#pragma once
// The real quiz window, shown and active at the first entry: a new one for each test, which
// leaves no window, timer or quiz state behind, so that the tests run in any order in one process.
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
    CurrentQuestion = 0;
    Application->CreateForm(Form1);
    Form1->show();
    Form1->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
  }
  void TearDown() override {
    delete Form1;
    Form1 = nullptr;
    CurrentQuestion = 0;
  }
};
