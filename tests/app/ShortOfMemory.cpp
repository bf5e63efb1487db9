// Preloaded into the program: the window icon and message boxes cannot be made, for want of memory,
// as happens at random when its address space runs out while it starts.
#include <QIcon>
#include <QMessageBox>
#include <new>

namespace {
QWidget* NoRoom() {
  throw std::bad_alloc();
}
} // namespace

QIcon::QIcon(const QString& /*FileName*/) : d(nullptr) {
  NoRoom();
}

QMessageBox::QMessageBox(Icon /*Kind*/, const QString& /*Title*/, const QString& /*Text*/,
                         StandardButtons /*Buttons*/, QWidget* /*Parent*/,
                         Qt::WindowFlags /*Flags*/)
    : QDialog(NoRoom()) {}
