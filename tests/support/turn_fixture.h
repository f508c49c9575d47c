// A dialogue on a small knowledge base in a temporary folder, driven turn by
// turn as the user would drive it.
#pragma once

#include "engine/dialogue.h"
#include "support/engine_fixtures.h"

namespace sob::testing {

class TurnTest : public ::testing::Test {
 protected:
  // Runs one turn for the phrase; returns the reply line it wrote (UTF-8).
  std::string say(std::string_view phrase) {
    host.input = cp(phrase);
    runTurn(dialogue, host, files, random);
    return utf8(dialogue.transcript.line(dialogue.transcript.count() - 1));
  }
  std::vector<std::string> log() const { return utf8Lines(dialogue.logBuffer.lines()); }
  bool closing() const {
    return std::find(host.calls.begin(), host.calls.end(), "startClosingTimer") != host.calls.end();
  }

  DataFolder folder;
  FileStore files = folder.files();
  Dialogue dialogue;
  RecordingHost host;
  ScriptedRandom random;
};

}  // namespace sob::testing
