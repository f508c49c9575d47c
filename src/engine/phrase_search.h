// The knowledge-base search of a turn: threads of branches first, then the
// main phrases of Words.Dat, the first key found in the phrase winning.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "dialogue.h"
#include "file_store.h"
#include "random.h"

namespace sob {

// The reply for the current phrase, or nothing. Updates the thread depth and
// position of the dialogue's engine state; uses the scratch list.
std::optional<std::string> searchPhraseBase(Dialogue& dialogue, const FileStore& files, Random& random,
                                            std::string_view currentPhrase);

}  // namespace sob
