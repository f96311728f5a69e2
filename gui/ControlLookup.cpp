#include "gui/ControlLookup.h"

#include "platform/text/Ascii.h"

QWidget* FindControl(const QWidget& window, std::string_view name)
{
    if (name.empty())
        return nullptr;
    const std::string wanted = AsciiLowerCopy(name);
    for (QWidget* child : window.findChildren<QWidget*>()) {
        const QByteArray own = child->objectName().toUtf8();
        if (AsciiLowerCopy(std::string_view(own.constData(), std::size_t(own.size()))) == wanted)
            return child;
    }
    return nullptr;
}
