#pragma once

#include <QStringList>
#include <QTimer>
#include <functional>

class QMessageBox;

// Answers the modal message boxes the code under test opens, as a user would: records each
// box's text (marked when it would be read as rich text), then presses OK once Ready (if given)
// returns true; until then events, timer ticks included, go on behind the box. A box still up after
// ten seconds is closed and counted.
class MessageBoxWatcher : public QObject {
public:
  explicit MessageBoxWatcher(std::function<bool(QMessageBox&)> Ready = {});
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
