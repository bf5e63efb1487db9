#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>
#include <functional>

// Answers the modal message boxes the code under test opens, as a user would: records each
// box's text (marked when it would be read as rich text), then presses OK once Ready (if given)
// returns true; until then events, timer ticks included, go on behind the box. A box still up after
// ten seconds is closed and counted.
class MessageBoxWatcher : public QObject {
public:
  explicit MessageBoxWatcher(std::function<bool(QMessageBox&)> Ready = {})
      : Ready_(std::move(Ready)) {
    connect(&Poll_, &QTimer::timeout, this, [this] {
      auto* Box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!Box || !Box->isVisible())
        return;
      const qint64 Now = QDateTime::currentMSecsSinceEpoch();
      if (Box != Current_) {
        Current_ = Box;
        UpSince_ = Now;
        Texts_ << (Box->textFormat() == Qt::PlainText ? "" : "(as rich text) ") + Box->text();
      }
      const bool TooLong = Now - UpSince_ > 10000;
      Stuck_ += TooLong;
      if (TooLong || !Ready_ || Ready_(*Box)) {
        Current_ = nullptr;
        Box->button(QMessageBox::Ok)->click();
      }
    });
    Poll_.start(2);
  }
  const QStringList& Texts() const { return Texts_; }
  int Stuck() const { return Stuck_; }
  void Clear() { Texts_.clear(); }

private:
  std::function<bool(QMessageBox&)> Ready_;
  QTimer Poll_;
  QStringList Texts_;
  QMessageBox* Current_ = nullptr;
  qint64 UpSince_ = 0;
  int Stuck_ = 0;
};
