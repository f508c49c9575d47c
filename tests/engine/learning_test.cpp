#include "engine/learning.h"

#include "engine/phrase_line.h"
#include "support/turn_fixture.h"

namespace sob {
namespace {

using testing::cp;
using Lines = std::vector<std::string>;

class Learning : public testing::TurnTest {
 protected:
  void SetUp() override {
    folder.writeStandardBase({"Слова", "ПРИВЕТ^Привет!;", "КАК ТЕБЯ ЗОВУТ?^Собеседник.;", "ДАЛЬШЕ^Ещё.;"});
    folder.write("W1.Dat", {"Не знаю.", "Как тебя зовут?"});
    folder.write("W2.Dat", {"Понятно.", "Я иду домой."});
  }
  Lines words() const { return folder.lines("Words.Dat"); }
};

TEST_F(Learning, TheFirstUnknownStatementOfARunIsLearnedOnlyWhenItIsAKnownAnswer) {
  say("я сплю");
  EXPECT_EQ(words().size(), 4u);
  say("я иду домой");
  EXPECT_EQ(words().back(), "Я ИДУ ДОМОЙ.^");
  EXPECT_EQ(folder.lines("W2.Dat").size(), 2u);
}

TEST_F(Learning, AnAnswerToTheComputersQuestionBecomesAReplyOfThatQuestion) {
  random.next = {0, 1};
  ASSERT_EQ(say("что это?"), "Как тебя зовут?");
  say("не скажу");
  EXPECT_EQ(folder.lines("W1.Dat"), (Lines{"Не знаю.", "Как тебя зовут?", "Не скажу."}));
  EXPECT_EQ(words(), (Lines{"Слова", "ПРИВЕТ^Привет!;", "ДАЛЬШЕ^Ещё.;", "НЕ СКАЖУ.^",
                            "КАК ТЕБЯ ЗОВУТ?^Собеседник.;Не скажу.;"}));
}

TEST_F(Learning, AStatementAnsweringAStatementIsStoredInW2) {
  say("привет");
  say("ты кто");
  EXPECT_EQ(folder.lines("W2.Dat").back(), "Ты кто.");
  EXPECT_EQ(words().back(), "ТЫ КТО.^");
}

TEST_F(Learning, APhraseAlreadyInTheBaseIsNotAddedAgain) {
  say("привет");
  say("новости есть");
  Lines once = words();
  say("дальше");
  say("новости есть");
  EXPECT_EQ(words(), once);
  EXPECT_EQ(folder.lines("W2.Dat").back(), "Новости есть.");
}

TEST_F(Learning, APhraseEndingWithACommaIsAddedEachTime) {
  say("привет");
  say("ой,");
  say("дальше");
  say("ой,");
  Lines lines = words();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "ОЙ.^"), 2);
}

TEST_F(Learning, AnUnansweredPhraseKeepsGettingFallbackReplies) {
  say("привет");
  say("я иду домой");
  say("дальше");
  EXPECT_EQ(say("я иду домой."), "Понятно.");
}

TEST_F(Learning, SelfTalkPhrasesAreLearnedAsOneLineAndKeepTheGrammar) {
  dialogue.selfTalkMode = true;
  host.path = (folder.path() / "talk.txt").string();
  say("привет");  // an empty buffer after the designer list is replaced below
  for (const char* text : {"Я иду домой.\r\n", "Первая строка\r\nвторая\r\n", "\r\n", "Как тебя зовут?\r\n"}) {
    SCOPED_TRACE(text);
    dialogue.abusive.setFileBytes(cp(text));
    runTurn(dialogue, host, files, random);
  }
  Lines lines = words();
  for (std::size_t i = 1; i < lines.size(); ++i) EXPECT_TRUE(isWellFormedPhraseLine(cp(lines[i]))) << lines[i];
  EXPECT_NE(std::find(lines.begin(), lines.end(), "ПЕРВАЯ СТРОКА ВТОРАЯ.^"), lines.end());
  for (const auto& line : folder.lines("W2.Dat")) EXPECT_EQ(line.find('\r'), std::string::npos);
}

TEST_F(Learning, APhraseWithAReservedCharacterIsNotLearned) {
  say("привет");
  Lines before = words();
  say("а;б^в_г");
  EXPECT_EQ(words(), before);
}

TEST_F(Learning, ALongLineMovesToTheEndWhole) {
  std::string replies;
  for (int i = 0; i < 600; ++i) replies += "Ответ номер " + std::to_string(i) + ";";
  folder.write("Words.Dat", {"Слова", "ПОНЯТНО.^" + replies});
  say("привет");
  say("ясно");
  EXPECT_EQ(words().back(), "ПОНЯТНО.^" + replies + "Ясно.;");
}

}  // namespace
}  // namespace sob
