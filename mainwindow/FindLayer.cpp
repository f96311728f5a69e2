#include "mainwindow/FindLayer.h"

#include "gui/FilterCombo.h"
#include "gui/widgets/ButtonWeb.h"
#include "gui/widgets/CheckBoxWeb.h"
#include "mainwindow/MainControls.h"

#include <QKeyEvent>
#include <QLineEdit>

FindLayer::FindLayer(QWidget& window) : LayerPanel(window)
{
    searchBox_ = MainCombo(this, "cboFind", {32, 23, 255, 20}, true);
    findButton_ = MakeControl<ButtonWeb>(this, "BWFind", {295, 30, 16, 10});
    MainLabel(this, "lblFind", {315, 29});
    catalogBox_ = MainCombo(this, "cboListDAT", {32, 67, 170, 20});
    filterBox_ = MainCombo(this, "cboFilter", {32, 111, 170, 20});
    diskTypeBox_ = MainCombo(this, "cboTypeDisk", {32, 155, 170, 20});
    MainLabel(this, "lblListDAT", {33, 54});
    MainLabel(this, "lblFilter", {33, 99});
    MainLabel(this, "lblTypeDisk", {33, 142});
    sortBox_ = MakeControl<CheckBoxWeb>(this, "CBWSort", {214, 74, 16, 10});
    ignoreMaxHitBox_ = MakeControl<CheckBoxWeb>(this, "CBWIgnoreMaxHit", {214, 89, 16, 10});
    MainLabel(this, "lblSort", {234, 72});
    MainLabel(this, "lblIgnoreMaxHit", {234, 87});
    fitLabels();

    // The box searches exactly what was typed: the recent searches are offered
    // by its list only, never completed into the text. Only a search adds to
    // them, never Enter in the box.
    searchBox_->setCompleter(nullptr);
    searchBox_->setInsertPolicy(QComboBox::NoInsert);
    searchBox_->installEventFilter(this);
    searchBox_->lineEdit()->installEventFilter(this);
    connect(findButton_, &ButtonWeb::clicked, this, &FindLayer::searchAsked);
    connect(ignoreMaxHitBox_, &CheckBoxWeb::toggled, this, &FindLayer::ignoreMaxHitToggled);
}

SearchRequest FindLayer::findRequest() const
{
    SearchRequest request;
    request.text = searchBox_->currentText();
    if (catalogBox_->currentIndex() > 0)
        request.catalog = catalogBox_->currentText().toStdString();
    if (diskTypeBox_->currentIndex() > 0)
        request.driveType = diskTypeBox_->currentText().toStdString();
    request.patterns = SelectedPatterns(*filterBox_);
    request.sorted = sortBox_->value();
    request.ignoreMaxHit = ignoreMaxHitBox_->value();
    return request;
}

void FindLayer::setCatalogs(const std::vector<std::string>& items)
{
    FillList(*catalogBox_, items);
}

void FindLayer::setDiskTypes(const std::vector<std::string>& items)
{
    FillList(*diskTypeBox_, items);
}

void FindLayer::reloadFilters()
{
    LoadFilter(*filterBox_);
}

void FindLayer::setRecentSearches(const QStringList& texts)
{
    searchBox_->addItems(texts);
    searchBox_->setCurrentIndex(-1);
}

bool FindLayer::addRecentSearch(const QString& text)
{
    if (text.isEmpty() || searchBox_->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0)
        return false;
    searchBox_->insertItem(0, text);
    searchBox_->setCurrentIndex(0);
    return true;
}

void FindLayer::focusSearchText()
{
    searchBox_->setFocus();
}

bool FindLayer::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && (watched == searchBox_ || watched == searchBox_->lineEdit())) {
        // The search box has no other use for Enter.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit searchAsked();
            return true;
        }
    }
    return LayerPanel::eventFilter(watched, event);
}
