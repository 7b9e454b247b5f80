#include "scores/score_lists.h"

namespace scores {

void ListBox_Open(fw::ListBox& list) { list.setHeadings("Name\tScore"); }

}  // namespace scores
