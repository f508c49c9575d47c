// Drawing a reply from a reply file: every line, the first included, has
// the same chance; an empty file gives an empty reply.
#pragma once

#include <string>

#include "line_list.h"
#include "random.h"

namespace sob {

inline std::string randomLine(const LineList& list, Random& random) { return list.line(random.below(list.count())); }

}  // namespace sob
