#include "engine/normalise.h"

#include "support/engine_fixtures.h"

namespace sob {
namespace {

using testing::cp;
using testing::utf8;

TEST(Normalise, UserLineAndCurrentPhrase) {
  struct Case {
    const char* phrase;
    const char* userLine;
    const char* current;
  } cases[] = {
      {"привет", "Привет.", "ПРИВЕТ"},
      {"как дела?", "Как дела?", "КАК ДЕЛА?"},
      {"ну,", "Ну.", "НУ,"},
      {"всё пока", "Всё пока.", "ВСЁ ПОКА"},
      {"ёлка", "Ёлка.", "ЁЛКА"},
      {"hello", "hello.", "hello"},
      {"а", "А.", "А"},
      {"да ", "Да .", "ДА "},
      {"ну...", "Ну...", "НУ..."},
      {"что?!", "Что?!", "ЧТО?!"},
      {"їжак", "їжак.", "їЖАК"},
      {"эй\r\n", "Эй\r\n.", "ЭЙ\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.phrase);
    EXPECT_EQ(utf8(userLineOf(cp(c.phrase))), c.userLine);
    EXPECT_EQ(utf8(upperCyrillic(cp(c.phrase))), c.current);
  }
}

TEST(Normalise, RuleDCompletesTheCurrentPhraseButKeepsItsComma) {
  struct Case {
    const char* before;
    const char* after;
  } cases[] = {{"ПРИВЕТ,", "ПРИВЕТ,."}, {"ПОКА", "ПОКА."}, {"ДА?", "ДА?"}, {"НУ!", "НУ!"}, {"А.", "А."}};
  for (const auto& c : cases) {
    std::string phrase = cp(c.before);
    completeCurrentPhrase(phrase);
    EXPECT_EQ(utf8(phrase), c.after) << c.before;
  }
}

TEST(Normalise, UpperCasingMapsExactlyTheThirtyThreeLetters) {
  for (int byte = 0; byte < 256; ++byte) {
    std::string in(1, static_cast<char>(byte));
    auto out = static_cast<unsigned char>(upperCyrillic(in)[0]);
    int expected = byte >= 0xE0 ? byte - 0x20 : byte == 0xB8 ? 0xA8 : byte;
    EXPECT_EQ(out, expected) << byte;
  }
}

}  // namespace
}  // namespace sob
