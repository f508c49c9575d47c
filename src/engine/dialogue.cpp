#include "dialogue.h"

#include "keyword_lists.h"

namespace sob {

Dialogue::Dialogue()
    : abusive(ListKind::Plain, designerAbusiveList()),
      farewells(ListKind::Plain, designerFarewellList()),
      personal(ListKind::Plain, designerPersonalList()) {}

}  // namespace sob
