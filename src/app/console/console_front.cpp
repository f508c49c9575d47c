#include "console_front.h"

#include <istream>
#include <ostream>
#include <string>

#include "engine/cp1251.h"
#include "engine/dialogue.h"
#include "engine/turn.h"
#include "engine/typed_phrase.h"

namespace sob {
namespace {

// The console has no window: no cursor, no sound, no keyboard; a farewell
// ends the conversation after its turn.
class ConsoleHost : public TurnHost {
 public:
  std::string input;
  bool farewell = false;

  std::string inputText() const override { return input; }
  void clearInput() override { input.clear(); }
  std::string selfTalkPath() const override { return {}; }
  void setBusyCursor(bool) override {}
  void play(Sound) override {}
  void disableKeyboardEnter() override {}
  void startClosingTimer() override { farewell = true; }
};

class Console {
 public:
  Console(std::ostream& out, std::ostream& err, ConsoleEnvironment environment)
      : out_(out), err_(err), env_(std::move(environment)) {}

  void converse(std::istream& in) {
    std::string line;
    while (!host_.farewell && std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!line.empty()) turn(line);
    }
    attempt([&] { appendSessionLogEntry(dialogue_, env_.files, env_.now()); });
  }

  int status() const { return failed_ ? 1 : 0; }

 private:
  void turn(const std::string& utf8) {
    TypedPhrase phrase = checkTypedPhrase(utf8);
    if (phrase.problem != TypedPhraseProblem::None) {
      err_ << describe(phrase.problem) << std::endl;
      return;
    }
    host_.input = phrase.text;
    int printed = dialogue_.logBuffer.count();
    attempt([&] { runTurn(dialogue_, host_, env_.files, env_.random); });
    for (; printed < dialogue_.logBuffer.count(); ++printed) {
      out_ << cp1251::toUtf8(dialogue_.logBuffer.line(printed)) << '\n';
    }
    out_.flush();
  }

  template <typename Action>
  void attempt(Action action) {
    try {
      action();
    } catch (const FileError& error) {
      err_ << cp1251::toUtf8(error.what()) << std::endl;
      failed_ = true;
    }
  }

  std::ostream& out_;
  std::ostream& err_;
  ConsoleEnvironment env_;
  Dialogue dialogue_;
  ConsoleHost host_;
  bool failed_ = false;
};

}  // namespace

int runConsole(std::istream& in, std::ostream& out, std::ostream& err, ConsoleEnvironment environment) {
  Console console(out, err, std::move(environment));
  console.converse(in);
  return console.status();
}

const char* consoleHelp() {
  return R"(Собеседник в терминале.

Запуск: sobesednik-console [--help]

Программа запускается в папке, где лежит папка Base с базой знаний.
Она читает фразы со стандартного ввода, по одной в строке (UTF-8,
концы строк LF или CR LF), и на каждую отвечает так же, как окно
программы в режиме Cpu\User по кнопке «Сказать». Программа учится:
незнакомые фразы и ваши ответы записываются в базу знаний.

На стандартный вывод после каждой фразы печатаются две строки
журнала беседы:
  USER:     фраза пользователя
  CPU:     ответ программы

Пустая строка пропускается. Строка с символом, которого нет в
кодировке Windows-1251, с символами «^», «_» или «;», или длиннее
255 символов не принимается: о ней сообщается одной строкой на
стандартный поток ошибок.

После прощания («пока», «до свидания» …) и в конце ввода запись о
беседе добавляется в файл Base\Log.Tambrel, и программа завершается
с кодом 0. Если файл не удалось открыть или записать, сообщение об
этом выводится в поток ошибок, ход прерывается, беседа продолжается,
а в конце программа завершается с кодом 1.
)";
}

}  // namespace sob
