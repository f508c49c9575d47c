// Writes lines as one Rich Text Format document, one paragraph per line.
#pragma once

#include <string>
#include <vector>

namespace sob::rtf {

// An RTF document in code page 1251 holding the given Windows-1251 lines as
// its paragraphs; bytes above 127 are written as \'hh.
std::string writeCp1251Document(const std::vector<std::string>& lines);

}  // namespace sob::rtf
