#include "engine/start/Main.h"
#include "mainwindow/UsageWindow.h"
#include "mainwindow/WindowMode.h"
#include "platform/gui/DialogPrompter.h"
#include "platform/gui/DisplayPlatform.h"
#include "platform/gui/QtThreadsEnd.h"

#include <QApplication>
#include <cstdlib>
#include <memory>

namespace {
std::unique_ptr<QApplication> g_app;

// False when no display can be reached after all (a stale DISPLAY, say): the
// caller then stays on the console instead of aborting.
bool startApplication(char* programName)
{
    if (g_app)
        return true;
    const bool chosen = ChooseDisplayPlatform(true);
    static int qtArgc = 1; // Qt must not read the batch switches
    static char* qtArgv[] = {programName, nullptr};
    g_app = std::make_unique<QApplication>(qtArgc, qtArgv);
    if (chosen && QGuiApplication::platformName() == "offscreen") {
        g_app.reset();
        unsetenv("QT_QPA_PLATFORM");
        return false;
    }
    return true;
}

std::unique_ptr<Prompter> makeDialogPrompter(int, char** argv)
{
    if (!startApplication(argv[0]))
        return nullptr;
    return std::make_unique<DialogPrompter>([](std::string_view text) {
        UsageWindow usage(QString::fromUtf8(text.data(), qsizetype(text.size())));
        usage.exec();
    });
}
} // namespace

int main(int argc, char** argv)
{
    WindowHooks hooks;
    hooks.makeDialogPrompter = makeDialogPrompter;
    hooks.runMainWindow = RunWindowMode;
    int code = Main(argc, argv, hooks);
    g_app.reset();
    WaitForQtPoolThreadsToEnd();
    return code;
}
