#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

class QMessageBox;

// Answers the modal message boxes that the code under test opens, as a user would. For each box
// it records the text, then asks Ready (if given) whether to press OK yet: Ready may look at the
// world behind the box and return false to leave it up while events, timer ticks included, go
// on. A box still up after ten seconds is closed anyway and counted in Stuck().
class MessageBoxWatcher : public QObject {
public:
  using ReadyFunction = std::function<bool(QMessageBox& Box)>;

  explicit MessageBoxWatcher(ReadyFunction Ready = {});

  const QStringList& Texts() const { return Texts_; }
  int Stuck() const { return Stuck_; }
  void Clear() { Texts_.clear(); }

private:
  void Poll();

  ReadyFunction Ready_;
  QTimer Poll_;
  QStringList Texts_;
  QMessageBox* Current_ = nullptr;
  qint64 UpSince_ = 0;
  int Stuck_ = 0;
};
