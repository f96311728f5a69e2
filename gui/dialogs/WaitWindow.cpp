#include "gui/dialogs/WaitWindow.h"

#include "gui/WindowState.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

WaitWindow::WaitWindow(std::function<void()> restoreMainOnTop) : restoreMainOnTop_(std::move(restoreMainOnTop))
{
    setObjectName(QStringLiteral("frmWait"));
    setWindowTitle(QStringLiteral("Wait..."));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto* label = new QLabel(QStringLiteral("Please, Wait..."), this);
    label->setObjectName(QStringLiteral("lblText"));
    label->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 16);
    layout->addWidget(label);
    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    show();
}

WaitWindow::~WaitWindow()
{
    FormStayOnTop(this, false);
    if (restoreMainOnTop_)
        restoreMainOnTop_();
}
