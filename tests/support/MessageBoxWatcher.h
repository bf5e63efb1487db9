#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// Answers the modal message boxes the code under test opens, as a user would: records each box's
// text (marked if it shows as an error or as rich text), then presses OK once Ready (if given)
// returns true; events and ticks go on behind the box meanwhile. A box up for ten seconds fails
// the test and is closed.
class MessageBoxWatcher : public QObject {
public:
  explicit MessageBoxWatcher(std::function<bool(QMessageBox&)> Ready = {}) {
    connect(&Poll_, &QTimer::timeout, this, [this, Ready = std::move(Ready)] {
      auto* Box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!Box || !Box->isVisible())
        return;
      if (Box != Current_) {
        Current_ = Box, Up_.start();
        Texts_ << QString(Box->icon() == QMessageBox::Critical ? "(error) " : "") +
                      (Box->textFormat() == Qt::PlainText ? "" : "(as rich text) ") + Box->text();
      }
      const bool TooLong = Up_.elapsed() > 10000;
      EXPECT_FALSE(TooLong) << "a box stayed up: " << Box->text().toStdString();
      if (TooLong || !Ready || Ready(*Box))
        Current_ = nullptr, Box->button(QMessageBox::Ok)->click();
    });
    Poll_.start(2);
  }
  const QStringList& Texts() const { return Texts_; }

private:
  QTimer Poll_;
  QStringList Texts_;
  QMessageBox* Current_ = nullptr;
  QElapsedTimer Up_;
};
