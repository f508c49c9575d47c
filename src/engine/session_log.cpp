#include "session_log.h"

#include <clocale>
#include <ctime>
#include <mutex>

#include "cp1251.h"

namespace sob {
namespace {

constexpr std::string_view kPhraseBase = "Base\\Words.dat";

std::string formatNow(const char* format) {
  static std::once_flag localeSet;
  std::call_once(localeSet, [] { std::setlocale(LC_TIME, ""); });
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char buffer[128];
  std::size_t size = std::strftime(buffer, sizeof buffer, format, &local);
  std::string text(buffer, size);
  // The regional formats come in the locale's own encoding, UTF-8 here.
  return cp1251::fromUtf8(text).value_or(text);
}

}  // namespace

DateTime localDateTime() { return {formatNow("%x"), formatNow("%X")}; }

std::vector<std::string> logEntryHeader(int learnedPhrases, const DateTime& when) {
  const std::string blanks(22, ' ');
  return {
      "",
      std::string(80, '-'),
      blanks + std::string(30, '_'),
      blanks + *cp1251::fromUtf8("Дата - ") + when.date + "   |   " + *cp1251::fromUtf8("Время -") + when.time,
      blanks + std::string(30, '~'),
      *cp1251::fromUtf8("//Загружено фраз выученных программой: ") + std::to_string(learnedPhrases),
  };
}

void appendSessionLogEntry(Dialogue& dialogue, const FileStore& files, const DateTime& when) {
  files.load(dialogue.scratch, kSessionLogFile);
  files.load(dialogue.learning, kPhraseBase);
  for (const std::string& line : logEntryHeader(dialogue.learning.count() - 1, when)) dialogue.scratch.add(line);
  // The buffer's whole text ends with a line break, which leaves one empty
  // line after the session's lines: it is taken off again.
  dialogue.scratch.add(dialogue.logBuffer.wholeText());
  dialogue.scratch.remove(dialogue.scratch.count() - 1);
  dialogue.scratch.add(std::string(53, '='));
  files.save(dialogue.scratch, kSessionLogFile);
}

}  // namespace sob
