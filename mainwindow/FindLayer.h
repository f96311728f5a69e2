#pragma once
// The FIND layer: the search text with the recent searches, the catalog, the
// file-type filter and the disk type to search in, how the results come, and
// the Search button.

#include "mainwindow/LayerPanel.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

class ButtonWeb;
class CheckBoxWeb;
class QComboBox;

// What the layer asks to search for.
struct SearchRequest {
    QString text;
    std::optional<std::string> catalog;   // nothing: every catalog
    std::optional<std::string> driveType; // nothing: every disk type
    QString patterns;                     // of the chosen filter; empty: every file
    bool sorted = false;
    bool ignoreMaxHit = false;
};

class FindLayer : public LayerPanel {
    Q_OBJECT
public:
    explicit FindLayer(QWidget& window);

    SearchRequest findRequest() const;

    // The first item of each list is its "all" entry.
    void setCatalogs(const std::vector<std::string>& items);
    void setDiskTypes(const std::vector<std::string>& items);
    void reloadFilters();

    // The searches the settings keep, none of them chosen.
    void setRecentSearches(const QStringList& texts);
    // Puts a new search text first and chooses it; false for an empty or listed one.
    bool addRecentSearch(const QString& text);

    void focusSearchText();

signals:
    // The Search button, or Enter in the search text.
    void searchAsked();
    void ignoreMaxHitToggled(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* searchBox_ = nullptr;
    ButtonWeb* findButton_ = nullptr;
    QComboBox* catalogBox_ = nullptr;
    QComboBox* filterBox_ = nullptr;
    QComboBox* diskTypeBox_ = nullptr;
    CheckBoxWeb* sortBox_ = nullptr;
    CheckBoxWeb* ignoreMaxHitBox_ = nullptr;
};
