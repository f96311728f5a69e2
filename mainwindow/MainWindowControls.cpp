// The main window's controls with their names and their places when no skin
// places them (the default skin's places, in pixels).
#include "mainwindow/MainWindow.h"

#include "gui/AppIcons.h"
#include "gui/widgets/ButtonWeb.h"
#include "mainwindow/CatLayer.h"
#include "mainwindow/FindLayer.h"
#include "mainwindow/LibLayer.h"
#include "mainwindow/MainControls.h"

namespace {

LayerTab* Tab(QWidget* parent, const char* name, const char* caption, int top)
{
    auto* t = MakeControl<LayerTab>(parent, name, {6, top, 19, 47});
    t->setText(QLatin1String(caption));
    return t;
}

} // namespace

void MainWindow::buildControls()
{
    setWindowTitle(QStringLiteral("CorvaneDisk"));
    setWindowIcon(ProgramIcon());
    setFixedSize(361, 203);

    programIcon_ = MakeControl<QLabel>(this, "imgIcon", {3, 1, 16, 16});
    programIcon_->setPixmap(ProgramIcon().pixmap(16, 16));
    programIcon_->setCursor(Qt::PointingHandCursor);
    titleLabel_ = MainLabel(this, "lblTitle", {22, 2});
    titleLabel_->setText(QStringLiteral("CorvaneDisk"));
    titleLabel_->adjustSize();
    minimizeButton_ = MakeControl<ButtonWeb>(this, "BWMin", {338, 5, 7, 7});
    closeButton_ = MakeControl<ButtonWeb>(this, "BWExit", {350, 5, 7, 7});
    catTab_ = Tab(this, "BWLayerCat", "CAT", 19);
    findTab_ = Tab(this, "BWLayerFind", "FIND", 66);
    libTab_ = Tab(this, "BWLayerLib", "LIB", 113);

    cat_ = new CatLayer(*this);
    find_ = new FindLayer(*this);
    lib_ = new LibLayer(*this, app_);
}
