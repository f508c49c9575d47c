#include "dialogue_mode.h"

#include "engine/cp1251.h"

namespace sob {
namespace {

void writeServiceLine(Dialogue& dialogue, ModeHost& host, const char* mode) {
  dialogue.transcript.attributes().color = kTeal;
  host.setModeIndicator(*cp1251::fromUtf8(std::string("Режим ") + mode));
  dialogue.transcript.add(*cp1251::fromUtf8(std::string("Сервис:   // Режим диалога ") + mode + "."));
}

}  // namespace

void selectUserMode(Dialogue& dialogue, ModeHost& host) {
  writeServiceLine(dialogue, host, "Cpu\\User");
  dialogue.transcript.add("");
  dialogue.selfTalkMode = false;
  host.showModeChecks(false);
}

void selectSelfTalkMode(Dialogue& dialogue, ModeHost& host) {
  writeServiceLine(dialogue, host, "Cpu\\Cpu");
  dialogue.selfTalkMode = true;
  host.showModeChecks(true);
}

void selfTalkTick(Dialogue& dialogue, const FileStore& files, Random& random, SelfTalkHost& host) {
  files.load(dialogue.abusive, host.selfTalkPath());
  host.setSelfTalkTimerInterval(host.selfTalkInterval());
  runTurn(dialogue, host, files, random);
}

}  // namespace sob
