#include "options/ProgramIconFiles.h"

#include "gui/ProgramIconImage.h"
#include "options/DesktopFiles.h"
#include "platform/prompter/ErrorBox.h"

#include <QBuffer>

std::vector<std::string> InstallProgramIcon(const std::string& dataHome)
{
    std::vector<std::string> written;
    for (int size : ProgramIconSizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!ProgramIconImage(size).save(&buffer, "PNG"))
            throw AppError(ErrDeviceIO, "the program's icon could not be drawn");
        const std::string n = std::to_string(size);
        written.push_back(dataHome + "/icons/hicolor/" + n + "x" + n + "/apps/" + ProgramIconName + ".png");
        WriteIntegrationFile(written.back(), std::string_view(png.constData(), std::size_t(png.size())), 0644);
    }
    return written;
}
