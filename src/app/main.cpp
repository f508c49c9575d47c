// Собеседник: the program body. Runs in the folder that holds Base/ and Sound/.
#include <QApplication>
#include <QMessageBox>
#include <QScreen>

#include <filesystem>

#include "engine/file_store.h"
#include "engine/random.h"
#include "qt_dialogs.h"
#include "qt_text.h"
#include "session/ui/tform2.h"
#include "tform1.h"
#include "windows/tform3.h"
#include "windows/tform4.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  sob::FileStore files(std::filesystem::current_path());
  sob::ClockRandom random;
  sob::QtDialogProvider dialogs;

  std::unique_ptr<TForm1> form1;
  try {
    form1 = std::make_unique<TForm1>(files, random, dialogs);
  } catch (const sob::FileError& error) {
    QMessageBox::critical(nullptr, QStringLiteral("Собеседник"),
                          QStringLiteral("Программа не может запуститься: звук не найден.\n") +
                              sob::fromCp1251(error.what()));
    return 1;
  }
  TForm2 form2(*form1);
  TForm3 form3(*form1);
  TForm4 form4(*form1);
  form1->attachWindows(&form2, &form3, &form4);

  form1->show();
  form1->centreWindow();
  // The program ends when the main window closes (TForm1::closeEvent).
  application.setQuitOnLastWindowClosed(false);
  return application.exec();
}
