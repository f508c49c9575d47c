// The seven knowledge-base files, as the program spells their paths.
#pragma once

#include <array>
#include <string_view>

namespace sob::kb {

inline constexpr std::string_view kWords = "Base\\Words.Dat";          // phrases, branches, replies
inline constexpr std::string_view kPause = "Base\\Pause.Dat";          // idle remarks
inline constexpr std::string_view kRepeat = "Base\\Povtor.Dat";        // replies to a repeat
inline constexpr std::string_view kAbusive = "Base\\X.Dat";            // replies to rudeness
inline constexpr std::string_view kLongPhrase = "Base\\BigString.Dat"; // replies to a long phrase
inline constexpr std::string_view kQuestions = "Base\\W1.Dat";         // replies to unknown questions
inline constexpr std::string_view kStatements = "Base\\W2.Dat";        // replies to unknown statements

// The six reply files in the order the statistics count them.
inline constexpr std::array<std::string_view, 6> kReplyFiles = {
    kLongPhrase, kPause, kRepeat, kQuestions, kStatements, kAbusive,
};

}  // namespace sob::kb
