// Learning from an unanswered phrase: the phrase becomes a new unanswered
// line of Words.Dat, the user's answer to the computer's last reply is kept
// in W1.Dat or W2.Dat, and it becomes a reply of the Words.Dat line whose
// key is that last reply.
#pragma once

#include <string>
#include <string_view>

#include "dialogue.h"
#include "file_store.h"

namespace sob {

struct LearningInput {
  std::string_view phrase;        // as the turn read it
  std::string_view userLine;      // the phrase as shown
  std::string& currentPhrase;     // upper case; may get a final "." here
};

// Runs after the fallback reply was drawn, with its file still in the
// learning list. Each change is saved before the
// next step; a FileError ends learning at its step.
void learnFromPhrase(Dialogue& dialogue, const FileStore& files, const LearningInput& input);

}  // namespace sob
