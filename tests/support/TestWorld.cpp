#include "tests/support/TestWorld.h"

#include "engine/start/AppFolders.h"
#include "platform/settings/RegStore.h"
#include "skin/default/DefaultSkinPackage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <chrono>
#include <filesystem>
#include <thread>

TestWorld::TestWorld()
{
    SetAppFolders(home.path() + "/");
    CreateOutputFolders();
    RegStore::SetInstancePath(home.file("registry.reg"));
    home.write("skin/CorvaneDisk.zip", BuildDefaultSkinPackage());
    std::filesystem::create_directories(home.file("language"));
    std::filesystem::copy_file(CORVANE_SOURCE_DIR "/language/CorD_eng.lng", home.file("language/CorD_eng.lng"));
}

TestWorld::~TestWorld()
{
    windows.unloadAll();
}

std::string TestWorld::lib() const
{
    return Folders().LibPath;
}

std::string TestWorld::registryFile() const
{
    return home.file("registry.reg");
}

bool TestWorld::waitFor(const std::function<bool()>& done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

void TestWorld::whenModal(std::function<void(QWidget*)> act)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            act(modal);
        }
    });
    poll->start(10);
}

bool TestWorld::holdJobs(std::atomic<bool>& release, std::function<void()> done)
{
    return jobs.start(
        JobOptions{.owner = &jobs},
        [&release](JobControl&) {
            while (!release)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
        },
        std::move(done));
}
