#pragma once

#include "FormReader.h"
#include "TCustomForm.h"

#include <QPointer>
#include <memory>
#include <vector>

class Exception;
class QApplication;
class Translations;

// The application object: starts the toolkit, owns the windows and runs the event loop.
//
// Data flow: Initialize starts Qt; CreateForm builds a window from the form description carried
// in the executable under its class name in capitals (TForm1 -> "TFORM1"), binding components
// and handlers by name, and the first window created becomes the main form; Run shows it and
// dispatches events until it closes. Handlers are called through CallEvent, which reports
// anything they throw with ShowException once Initialize has run.
//
// The application owns its windows. One may still be deleted before the end (a test does, to
// start the next one afresh): the application then forgets it, and the next window created
// becomes the main form if it was that one.
class TApplication {
public:
  TApplication();
  ~TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  // Starts the toolkit, its texts and the program's own in the user's language (Translations.h).
  // Where no display can be opened it says so in a line or three, in that language too, and ends
  // the process with exit status 1.
  void Initialize();

  // Builds a window of class TFormClass and its components from the class's description, and
  // sets Reference to it. Raises Exception, leaving Reference alone, if the description is
  // missing or wrong.
  template <class TFormClass> void CreateForm(TFormClass*& Reference) {
    auto Form = std::make_unique<TFormClass>(nullptr);
    ReadForm(*Form);
    Reference = Form.get();
    AddForm(std::move(Form));
  }

  // Shows the main form and dispatches events until it has closed.
  void Run();
  // Shows E's message in a modal box. Where no box can be made (for want of memory, as a rule),
  // says it and the shortage on standard error instead and ends the program with status 1.
  void ShowException(const Exception& E);
  // Ends Run (and any modal box that is up).
  void Terminate();

  TCustomForm* MainForm() const { return MainForm_.data(); }

  // Destroys the windows, then the toolkit. This happens by itself at exit, after Run or a
  // report outside it; a caller that keeps using the toolkit afterwards (a test runner) calls it
  // itself before it returns from main.
  void Finalize();

private:
  class DispatchScope;

  void AddForm(std::unique_ptr<TCustomForm> Form);
  void FinalizeBeforeStatics();
  static void FinalizeAtExit();
  // Finalize for a process that is ending: when it ends from inside one of our event loops (the
  // toolkit exits by itself when its display has gone away), the windows and the toolkit are left
  // to the system, as tearing them down would run against a dead display in mid-dispatch.
  void FinalizeAtProcessEnd();

  std::unique_ptr<Translations> Translations_;
  std::unique_ptr<QApplication> Toolkit_;
  std::vector<QPointer<TCustomForm>> Forms_;
  QPointer<TCustomForm> MainForm_;
  // How many of our event loops (Run, a report outside it) are running now.
  int Dispatching_ = 0;
};

extern TApplication* Application;
