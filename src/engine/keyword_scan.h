// The occurrence test of keywords and knowledge-base keys in a phrase.
#pragma once

#include <string_view>

namespace sob {

// Reads the text once, counting the entry's characters matched so far; a
// mismatch starts the count again at the next character without stepping
// back. So "ПАПУ" is found in "МОЙ ПАПУ" but not in "ПАПАПУ": the words and
// keys of the knowledge base are written for exactly this test. An empty
// entry is never found. Bytes are compared exactly.
bool keywordFound(std::string_view entry, std::string_view text);

}  // namespace sob
