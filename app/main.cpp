#include "engine/start/Main.h"
#include "mainwindow/FrmUsage.h"
#include "platform/gui/DialogPrompter.h"

#include <QApplication>
#include <cstdlib>
#include <memory>

namespace {
std::unique_ptr<QApplication> g_app;

void ensureApplication(int argc, char** argv)
{
    if (g_app)
        return;
    // Frameless windows place themselves, which only X11 allows: use XWayland.
    if (std::getenv("WAYLAND_DISPLAY") && std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    static int qtArgc = 1; // Qt must not read the batch switches
    static char* qtArgv[] = {argv[0], nullptr};
    (void)argc;
    g_app = std::make_unique<QApplication>(qtArgc, qtArgv);
}

std::unique_ptr<Prompter> makeDialogPrompter(int argc, char** argv)
{
    ensureApplication(argc, argv);
    return std::make_unique<DialogPrompter>([](std::string_view text) {
        FrmUsage usage(QString::fromUtf8(text.data(), qsizetype(text.size())));
        usage.exec();
    });
}
} // namespace

int main(int argc, char** argv)
{
    WindowHooks hooks;
    hooks.makeDialogPrompter = makeDialogPrompter;
    int code = Main(argc, argv, hooks);
    g_app.reset();
    return code;
}
