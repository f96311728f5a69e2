#include "skin/Skin.h"

#include "platform/text/Ascii.h"

#include <span>

namespace {
using Kind = PictureList::Kind;

struct TemplateKind {
    const char* name;
    Kind kind;
};

// clang-format off
constexpr TemplateKind Templates[] = {
    {"picFond", Kind::Picture}, {"picFondSave", Kind::Picture}, {"picFondEdit", Kind::Picture},
    {"picBouton", Kind::Button}, {"picCheck", Kind::CheckBox}, {"picExit", Kind::Button},
    {"picMin", Kind::Button}, {"picMax", Kind::Button},
    {"picCatSelect", Kind::Picture}, {"picCatUnSelect", Kind::Picture},
    {"picFindSelect", Kind::Picture}, {"picFindUnSelect", Kind::Picture},
    {"picLibSelect", Kind::Picture}, {"picLibUnSelect", Kind::Picture},
    {"picGH", Kind::Picture}, {"picG", Kind::Picture}, {"picGB", Kind::Picture}, {"picB", Kind::Picture},
    {"picDB", Kind::Picture}, {"picD", Kind::Picture}, {"picDH", Kind::Picture}, {"picH", Kind::Picture},
};
// clang-format on

std::span<const char* const> propertyNames(Kind kind)
{
    static constexpr const char* Picture[] = {PicturePropertyName};
    switch (kind) {
    case Kind::Picture:
        return Picture;
    case Kind::Button:
        return ButtonPictureNames;
    case Kind::CheckBox:
        return CheckPictureNames;
    case Kind::Nothing:
        break;
    }
    return {};
}

bool sameName(std::string_view a, std::string_view b)
{
    return AsciiLowerCopy(a) == AsciiLowerCopy(b);
}
} // namespace

Skin::Skin(QObject* parent) : QObject(parent)
{
    for (const TemplateKind& t : Templates)
        templates_.push_back({t.name, t.kind, std::vector<QPixmap>(propertyNames(t.kind).size())});
}

std::vector<std::string_view> Skin::templateNames() const
{
    std::vector<std::string_view> names;
    for (const Template& t : templates_)
        names.push_back(t.name);
    return names;
}

std::size_t Skin::indexOf(std::string_view name) const
{
    std::size_t i = 0;
    while (i < templates_.size() && !sameName(templates_[i].name, name))
        ++i;
    return i;
}

std::optional<PictureList::Kind> Skin::templateKind(std::string_view name) const
{
    const std::size_t i = indexOf(name);
    return i < templates_.size() ? std::optional(templates_[i].kind) : std::nullopt;
}

QPixmap Skin::picture(std::string_view templateName, std::string_view property) const
{
    const std::size_t i = indexOf(templateName);
    if (i == templates_.size())
        return {};
    const Template& t = templates_[i];
    const auto names = propertyNames(t.kind);
    for (std::size_t n = 0; n < names.size(); ++n)
        if (property == names[n])
            return t.pictures[n];
    return {};
}

void Skin::setTemplatePictures(std::string_view name, const std::vector<QPixmap>& pictures)
{
    const std::size_t i = indexOf(name);
    if (i < templates_.size() && pictures.size() == templates_[i].pictures.size())
        templates_[i].pictures = pictures;
}

void Skin::setPackage(std::string name, ProfileIni description, QImage outline)
{
    name_ = std::move(name);
    description_ = std::move(description);
    outline_ = std::move(outline);
}
