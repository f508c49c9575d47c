// The three keyword lists that come with the main window, each beginning
// with an empty line that no test reads. Entries are upper case; their
// blanks are part of them (" ИМЯ" is not found at the start of a phrase).
#pragma once

#include <string>
#include <vector>

namespace sob {

std::vector<std::string> designerAbusiveList();   // 82 entries after the empty line
std::vector<std::string> designerFarewellList();  // 54 entries
std::vector<std::string> designerPersonalList();  // 79 entries

}  // namespace sob
