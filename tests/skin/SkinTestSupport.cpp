#include "tests/skin/SkinTestSupport.h"

#include "engine/registry/Registry.h"
#include "engine/start/AppFolders.h"
#include "gui/ControlLookup.h"
#include "platform/settings/RegStore.h"
#include "skin/art/BmpFile.h"
#include "tests/skin/SkinTestWindows.h"

#include <QImage>
#include <QPixmap>

#include <sys/stat.h>
#include <zip.h>

#include <filesystem>

void WriteZip(const std::string& path, const std::vector<ZipMember>& members)
{
    int error = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(zip, nullptr);
    for (const ZipMember& m : members) {
        zip_source_t* source = zip_source_buffer(zip, m.data.data(), m.data.size(), 0);
        const zip_int64_t index = zip_file_add(zip, m.name.c_str(), source, ZIP_FL_ENC_RAW);
        ASSERT_GE(index, 0) << m.name;
        if (m.link)
            zip_file_set_external_attributes(zip, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX,
                                             zip_uint32_t(S_IFLNK | 0777) << 16);
    }
    ASSERT_EQ(zip_close(zip), 0);
}

std::string SolidBmp(int width, int height, Rgb colour, int bitsPerPixel)
{
    return EncodeBmp(PixelCanvas(width, height, colour), bitsPerPixel);
}

SkinTest::SkinTest()
{
    SetAppFolders(home.path());
    std::filesystem::create_directories(Folders().SkinPath);
    std::filesystem::create_directories(Folders().TmpPath);
    RegStore::SetInstancePath(home.file("registry.reg"));
    CreateNewKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\CorvaneDisk\\Option\\Pos");
    DefineSkinTestWindows(windows);
    windows.setMadeHook(
        [this](const std::string& name, QWidget& w) { SkinNewWindow(prompter, skin, context, name, w); });
    windows.instance("frmCorvaneDisk"); // the main window applies the skin once it is there
}

SkinTest::~SkinTest()
{
    RegStore::SetInstancePath(RegStore::DefaultPath());
}

void SkinTest::writePackage(const std::string& name, const std::vector<ZipMember>& members)
{
    WriteZip(Folders().SkinPath + name, members);
}

void SkinTest::writeSkin(const std::string& name, const std::string& description,
                         const std::vector<std::pair<std::string, Rgb>>& bitmaps)
{
    std::vector<ZipMember> members{{"CorvaneDisk.ini", description}};
    for (const auto& [base, colour] : bitmaps)
        members.push_back({base + ".bmp", SolidBmp(16, 10, colour)});
    writePackage(name, members);
}

void SkinTest::setPos(const std::string& value, const std::string& data)
{
    SetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\CorvaneDisk\\Option\\Pos", value, data, REG_SZ);
}

void SkinTest::setOption(const std::string& value, const std::string& data)
{
    SetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\CorvaneDisk\\Option", value, data, REG_SZ);
}

void SkinTest::load(const std::string& skinFile, bool atStartup)
{
    LoadSkin(prompter, skin, windows, context, Folders().SkinPath, skinFile, atStartup);
}

QWidget& SkinTest::control(QWidget& window, const char* name)
{
    QWidget* c = FindControl(window, name);
    if (!c)
        throw std::runtime_error(std::string("no control ") + name);
    return *c;
}

std::vector<std::string> SkinTest::takeMessages()
{
    std::vector<std::string> texts;
    for (const auto& box : prompter.boxes)
        texts.push_back(box.text);
    prompter.boxes.clear();
    return texts;
}

Rgb TopLeft(const QPixmap& picture)
{
    return picture.isNull() ? 0 : picture.toImage().pixel(0, 0) & 0xFFFFFF;
}
