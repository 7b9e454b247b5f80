#pragma once
// The two score lists: one per mode, each shown in a list box.

#include "framework/list_box.h"

namespace scores {

// Open handler of either list: its "Name" and "Score" headings.
void ListBox_Open(fw::ListBox& list);

}  // namespace scores
