#include "MessageBoxWatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QMessageBox>

MessageBoxWatcher::MessageBoxWatcher(std::function<bool(QMessageBox&)> Ready)
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
