// The real windows of the program on the offscreen platform, in a data
// folder of their own made from a small test knowledge base.
#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <deque>
#include <filesystem>
#include <memory>

#include "app/error_reporter.h"
#include "app/qt_text.h"
#include "app/tform1.h"
#include "engine/random.h"
#include "session/ui/tform2.h"
#include "windows/tform3.h"
#include "windows/tform4.h"

namespace sob::testing {

// Answers the colour and font dialogs in advance; an empty answer cancels.
struct PreparedDialogs : DialogProvider {
  std::deque<std::optional<Color>> colors;
  std::deque<std::optional<Font>> fonts;
  std::optional<Color> chooseColor(const Color&) override {
    auto answer = colors.empty() ? std::nullopt : colors.front();
    if (!colors.empty()) colors.pop_front();
    return answer;
  }
  std::optional<Font> chooseFont(const Font&, bool) override {
    auto answer = fonts.empty() ? std::nullopt : fonts.front();
    if (!fonts.empty()) fonts.pop_front();
    return answer;
  }
};

// Always the last choice: replies are predictable, and every redraw loop
// (the jitter draws again below a bound) ends at once.
struct LastChoiceRandom : Random {
  void reseed() override {}
  int below(int n) override { return n > 0 ? n - 1 : 0; }
};

struct Program {
  Program() {
    namespace fs = std::filesystem;
    fs::path root(dir.path().toStdString());
    fs::path source(SOB_SOURCE_DIR);
    fs::copy(fs::path(SOB_FIXTURES) / "dialogues" / "thread" / "Base", root / "Base", fs::copy_options::recursive);
    fs::copy(source / "Sound", root / "Sound", fs::copy_options::recursive);
    fs::copy(source / "ReadMe.Txt", root / "ReadMe.Txt");
    form1 = std::make_unique<TForm1>(FileStore(root), random, dialogs);
    form2 = std::make_unique<TForm2>(*form1);
    form3 = std::make_unique<TForm3>(*form1);
    form4 = std::make_unique<TForm4>(*form1);
    form1->attachWindows(form2.get(), form3.get(), form4.get());
    for (int i = 1; i <= 8; ++i) form1->timer(i)->stop();  // the tests run the handlers themselves
    form4->Timer1()->stop();
  }
  ~Program() { form1->errors().dismiss(); }

  std::filesystem::path path(const char* relative) const {
    return std::filesystem::path(dir.path().toStdString()) / relative;
  }
  void type(const QString& text) { form1->Edit1()->setText(text); }
  void say(const QString& text) {
    type(text);
    form1->SpeedButton1Click();
  }
  QStringList transcript() const {
    QStringList lines;
    for (int i = 0; i < form1->dialogue().transcript.count(); ++i) {
      lines << fromCp1251(form1->dialogue().transcript.line(i));
    }
    return lines;
  }
  QStringList fileLines(const char* relative) const {
    LineList list(ListKind::Rich);
    form1->files().load(list, relative);
    QStringList lines;
    for (const auto& line : list.lines()) lines << fromCp1251(line);
    return lines;
  }

  QTemporaryDir dir;
  LastChoiceRandom random;
  PreparedDialogs dialogs;
  std::unique_ptr<TForm1> form1;
  std::unique_ptr<TForm2> form2;
  std::unique_ptr<TForm3> form3;
  std::unique_ptr<TForm4> form4;
};

}  // namespace sob::testing
