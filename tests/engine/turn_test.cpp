#include "engine/turn.h"

#include "support/turn_fixture.h"

namespace sob {
namespace {

using testing::cp;
using testing::utf8;
using Lines = std::vector<std::string>;

class Turn : public testing::TurnTest {
 protected:
  void SetUp() override {
    folder.writeStandardBase({
        "Слова",
        "КАК ДЕЛА?^Хорошо.;А у тебя?;",
        "_ХОРОШО^Что нового?;",
        "__НИЧЕГО^Жаль.;",
        "_ПЛОХО^Не грусти.;",
        "__ОЧЕНЬ^Держись.;",
        "ПРИВЕТ^Привет!;",
        "ПОКА^До встречи!;",
        "ЗОВУТ^Меня зовут Собеседник.;",
    });
  }
};

TEST_F(Turn, WritesTheUserLineAndTheReplyInTheirAttributesAndFinishesTheStep) {
  dialogue.held.user = {255, 0, 0};
  dialogue.held.userFont = {"Arial", 12, {.bold = true}};
  dialogue.held.reply = {0, 0, 255};
  dialogue.state.idleCounter = 42;
  EXPECT_EQ(say("привет"), "Привет!");
  ASSERT_EQ(dialogue.transcript.count(), 2);
  EXPECT_EQ(utf8(dialogue.transcript.line(0)), "Привет.");
  EXPECT_EQ(dialogue.transcript.at(0).attributes, (TextAttributes{{255, 0, 0}, {"Arial", 12, {.bold = true}}}));
  EXPECT_EQ(dialogue.transcript.at(1).attributes, (TextAttributes{{0, 0, 255}, Font{}}));
  EXPECT_EQ(log(), (Lines{"USER:     Привет.", "CPU:     Привет!"}));
  EXPECT_EQ(host.calls, (Lines{"busy", "play Sound\\Button3.wav", "play Sound\\CpuSound.wav", "idle", "clearInput"}));
  EXPECT_EQ(utf8(dialogue.state.previousReply), "Привет!");
  EXPECT_EQ(dialogue.state.idleCounter, 0);
  EXPECT_EQ(random.reseeds, 1);
}

TEST_F(Turn, AnEmptyPhraseStartsNoTurn) {
  say("");
  EXPECT_EQ(dialogue.transcript.count(), 0);
  EXPECT_TRUE(host.calls.empty());
}

TEST_F(Turn, UnknownQuestionsAndStatementsGetTheirFallbackFiles) {
  random.next = {0, 1};
  EXPECT_EQ(say("сколько стоит хлеб?"), "А ты как думаешь?");
  random.next = {0, 1};
  EXPECT_EQ(say("небо голубое"), "Расскажи ещё.");
}

TEST_F(Turn, AMissingFallbackFileEndsTheTurnAfterTheUserLine) {
  std::filesystem::remove(folder.path() / "Base" / "W2.Dat");
  say("привет");
  host.calls.clear();
  host.input = cp("абракадабра");
  try {
    runTurn(dialogue, host, files, random);
    FAIL() << "no error";
  } catch (const FileError& error) {
    EXPECT_STREQ(error.what(), "Cannot open file Base\\W2.Dat");
  }
  EXPECT_EQ(log().back(), "USER:     Абракадабра.");
  EXPECT_EQ(dialogue.transcript.count(), 3);
  EXPECT_EQ(host.calls, (Lines{"busy", "play Sound\\Button3.wav"}));
  EXPECT_EQ(utf8(host.input), "абракадабра");
  EXPECT_EQ(utf8(dialogue.state.reply), "Привет!");
  EXPECT_EQ(utf8(dialogue.state.previousReplyKey), "ПРИВЕТ!");
}

TEST_F(Turn, ARepeatedUserLineGetsARepeatReply) {
  say("привет");
  EXPECT_EQ(say("Привет"), "Ты повторяешься.");
  say("привет");
  EXPECT_NE(say("ПРИВЕТ"), "Ты повторяешься.");
}

TEST_F(Turn, RudenessComesBeforeAPersonalTopic) {
  EXPECT_EQ(say("мама говорит ты дурак"), "Не груби.");
}

TEST_F(Turn, APersonalTopicWithoutAnAnswerRepeatsTheLastReply) {
  EXPECT_EQ(say("хочу спать"), "");
  EXPECT_EQ(log().back(), "CPU:     ");
  say("привет");
  EXPECT_EQ(say("я устал"), "Привет!");
  EXPECT_EQ(say("меня зовут Петя"), "Меня зовут Собеседник.");
  EXPECT_EQ(folder.lines("Words.Dat").size(), 9u);
}

TEST_F(Turn, ALongPhraseGetsALongPhraseReplyTwoTimesInThree) {
  std::string phrase(109, 'x');  // with its "." the user line is 110 long
  for (int r = 1; r <= 6; ++r) {
    SCOPED_TRACE(r);
    random.next = {r - 1};
    bool longReply = say(phrase) == "Слишком длинно.";
    EXPECT_EQ(longReply, r != 2 && r != 6);
    dialogue.transcript.clear();
  }
  random.next = {0};
  EXPECT_NE(say(std::string(108, 'y')), "Слишком длинно.");
}

TEST_F(Turn, FollowsAThreadLevelByLevel) {
  random.next = {0, 1};
  EXPECT_EQ(say("как дела?"), "А у тебя?");
  EXPECT_EQ(say("плохо, очень"), "Не грусти.");
  EXPECT_EQ(dialogue.state.threadDepth, 2);
  EXPECT_EQ(say("очень"), "Держись.");
  EXPECT_EQ(say("очень-очень"), "Понятно.");
  EXPECT_EQ(dialogue.state.threadDepth, 0);
}

TEST_F(Turn, ABranchIsNotFoundOutsideItsThread) {
  EXPECT_EQ(say("хорошо"), "Понятно.");
}

TEST_F(Turn, AfterALevelOneBranchALevelTwoBranchOfALaterBranchStillAnswers) {
  say("как дела?");
  EXPECT_EQ(say("хорошо"), "Что нового?");
  EXPECT_EQ(say("очень"), "Держись.");
}

TEST_F(Turn, ARepeatInTheMiddleOfAThreadLeavesItOpen) {
  say("как дела?");
  EXPECT_EQ(say("Как дела?"), "Ты повторяешься.");
  EXPECT_EQ(say("хорошо"), "Что нового?");
}

TEST_F(Turn, AFarewellStartsTheClosingAfterTheReply) {
  EXPECT_EQ(say("пока"), "До встречи!");
  EXPECT_TRUE(closing());
  EXPECT_EQ(host.calls.back(), "startClosingTimer");
  EXPECT_EQ(host.calls[host.calls.size() - 2], "disableKeyboardEnter");
}

TEST_F(Turn, AFarewellIsAnExactPhraseOfTheList) {
  struct Case {
    const char* words;
    const char* phrase;
    bool closes;
  } cases[] = {
      {"ЧТО-ТО^Да.;", "пока", true},     // learned: the current phrase becomes "ПОКА."
      {"ЧТО-ТО^Да.;", "бывай", false},   // the list holds "БЫВАЙ" only without its "."
      {"БЫВАЙ^Счастливо!;", "бывай", true},
      {"ЧТО-ТО^Да.;", "ну пока, друг", false},
      {"BY^Bye!;", "by", false},
      {"BY^Bye!;", "BY", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.phrase);
    folder.write("Words.Dat", {"Слова", c.words});
    host.calls.clear();
    dialogue.state.previousReply = cp("Понятно.");  // so that an unknown phrase is learned
    say(c.phrase);
    EXPECT_EQ(closing(), c.closes);
  }
}

TEST_F(Turn, SelfTalkAnswersTheBufferAndWritesTheReplyBack) {
  dialogue.selfTalkMode = true;
  host.path = (folder.path() / "talk.txt").string();
  dialogue.abusive.setFileBytes(cp("как дела?\r\n"));
  host.input = cp("этого не видно");
  random.next = {0, 0};
  runTurn(dialogue, host, files, random);
  Lines shown;
  for (int i = 0; i < dialogue.transcript.count(); ++i) shown.push_back(utf8(dialogue.transcript.line(i)));
  EXPECT_EQ(shown, (Lines{"Как дела?", ".", "Хорошо."}));
  EXPECT_EQ(log(), (Lines{"USER:     Как дела?", ".", "CPU:     Хорошо."}));
  std::ifstream file(folder.path() / "talk.txt", std::ios::binary);
  std::string saved((std::istreambuf_iterator<char>(file)), {});
  EXPECT_EQ(saved, cp("Хорошо.\r\n"));
  EXPECT_EQ(testing::utf8Lines(dialogue.abusive.lines()), Lines{"Хорошо."});
}

TEST_F(Turn, AMalformedPhraseBaseIsPassedOverWithoutHarm) {
  folder.write("Words.Dat", {"Слова", "", "БЕЗ КРЮЧКА", "___^Подчёркивания.;", "ОТВЕТ БЕЗ ТОЧКИ С ЗАПЯТОЙ^Ответ",
                             "^Нет ключа.;", "ДЕЛА^Нормально.;"});
  for (const char* phrase : {"без крючка", "___", "ответ без точки с запятой", "как дела", "что-то новое"}) {
    SCOPED_TRACE(phrase);
    EXPECT_NO_THROW(say(phrase));
  }
  EXPECT_EQ(say("ну как дела"), "Нормально.");
}

}  // namespace
}  // namespace sob
