#include "Exception.h"
#include "TApplication.h"
#include "Unit1.h"

int main() {
  try {
    Application->Initialize();
    Application->CreateForm(Form1);
    Application->Run();
  } catch (const Exception& E) {
    Application->ShowException(E);
  } catch (...) {
    try {
      throw Exception("");
    } catch (const Exception& E) {
      Application->ShowException(E);
    }
  }
  return 0;
}
