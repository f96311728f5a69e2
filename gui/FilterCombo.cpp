#include "gui/FilterCombo.h"

#include "engine/library/LibraryLists.h"

#include <QComboBox>

void LoadFilter(QComboBox& combo)
{
    combo.clear();
    for (const FilterItem& f : LoadFilter()) {
        const QString pattern = QString::fromStdString(f.Pattern);
        combo.addItem(QString::fromStdString(f.Name) + " (" + pattern + ")", pattern);
    }
    if (combo.count() > 0)
        combo.setCurrentIndex(0);
}

QString SelectedPatterns(const QComboBox& combo)
{
    return combo.currentIndex() < 0 ? QString() : combo.currentData().toString().trimmed();
}

void FillList(QComboBox& combo, const std::vector<std::string>& items)
{
    combo.clear();
    for (const std::string& item : items)
        combo.addItem(QString::fromStdString(item));
    combo.setCurrentIndex(combo.count() > 0 ? 0 : -1);
}
