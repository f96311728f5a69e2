#pragma once
// The main window's lists. A file-type filter list: each item shows the
// filter's name and patterns and carries the patterns, which a scan or a
// search takes.

#include <string>
#include <vector>

class QComboBox;
class QString;

// Refills combo from the named filters of the settings; the first is chosen.
void LoadFilter(QComboBox& combo);
// The patterns of the chosen filter ("" when none is chosen).
QString SelectedPatterns(const QComboBox& combo);
// Refills combo with items, the first chosen.
void FillList(QComboBox& combo, const std::vector<std::string>& items);
