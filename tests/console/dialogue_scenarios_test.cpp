// Runs every conversation in tests/fixtures/dialogues: each folder holds a
// small knowledge base and a script of phrases ("> "), the replies expected
// for them ("< "), phrases no turn may answer ("x "), and checks of the
// files after the conversation.
#include <sstream>

#include "app/console/console_front.h"
#include "engine/normalise.h"
#include "support/engine_fixtures.h"

namespace sob {
namespace {

namespace fs = std::filesystem;
using testing::DataFolder;

struct Script {
  std::string input;
  std::vector<std::string> expectedOutput;
  std::vector<std::pair<std::string, std::string>> lastLines;  // file, its expected last line
  int logLines = -1;
};

Script readScript(const fs::path& file) {
  Script script;
  std::ifstream in(file);
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("> ", 0) == 0) {
      script.input += line.substr(2) + "\n";
      script.expectedOutput.push_back("USER:     " + testing::utf8(userLineOf(testing::cp(line.substr(2)))));
    } else if (line.rfind("x ", 0) == 0) {  // sent, but no turn may answer it
      script.input += line.substr(2) + "\n";
    } else if (line.rfind("< ", 0) == 0) {
      script.expectedOutput.push_back("CPU:     " + line.substr(2));
    } else if (line.rfind("last ", 0) == 0) {
      auto colon = line.find(": ");
      script.lastLines.emplace_back(line.substr(5, colon - 5), line.substr(colon + 2));
    } else if (line.rfind("log lines: ", 0) == 0) {
      script.logLines = std::stoi(line.substr(11));
    }
  }
  return script;
}

std::vector<std::string> outputLines(const std::string& out) {
  std::vector<std::string> lines;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(DialogueScenarios, EveryScriptedConversationGoesAsWritten) {
  int scenarios = 0;
  for (const auto& scenario : fs::directory_iterator(fs::path(SOB_FIXTURES) / "dialogues")) {
    SCOPED_TRACE(scenario.path().filename().string());
    ++scenarios;
    DataFolder folder;
    fs::copy(scenario.path() / "Base", folder.path() / "Base", fs::copy_options::overwrite_existing | fs::copy_options::recursive);
    Script script = readScript(scenario.path() / "script.txt");

    FileStore files = folder.files();
    testing::ScriptedRandom random;
    std::istringstream in(script.input);
    std::ostringstream out, err;
    EXPECT_EQ(runConsole(in, out, err, {files, random, [] { return DateTime{"01.01.2026", "12:00:00"}; }}), 0);
    EXPECT_EQ(err.str(), "");

    EXPECT_EQ(outputLines(out.str()), script.expectedOutput);
    for (const auto& [file, last] : script.lastLines) EXPECT_EQ(folder.lines(file).back(), last) << file;
    if (script.logLines >= 0) EXPECT_EQ(static_cast<int>(folder.lines("Log.Tambrel").size()), script.logLines);
  }
  EXPECT_GE(scenarios, 2);
}

}  // namespace
}  // namespace sob
