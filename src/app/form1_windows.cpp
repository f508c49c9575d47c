// The virtual keyboard and the About window, opened from the menu.
#include "tform1.h"
#include "windows/tform3.h"
#include "windows/tform4.h"

void TForm1::N22Click() {
  suspendForWindow();
  if (form4_) form4_->open();
}

void TForm1::N12Click() {
  suspendForWindow();
  if (form3_) form3_->open();
}
