#pragma once
// The skin in use: the package applied last, its description and outline,
// and the pictures of the 22 templates (picFond, picBouton, picCheck...)
// from which every window's controls take theirs. A template keeps its
// pictures until a package names it again. Windows read it; LoadSkin fills
// it and then says changed().

#include "platform/ini/ProfileIni.h"
#include "skin/SkinValues.h"

#include <QImage>
#include <QObject>
#include <QPixmap>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Skin : public QObject {
    Q_OBJECT

public:
    explicit Skin(QObject* parent = nullptr);

    // The package's file name ("" until one was applied) and description.
    const std::string& name() const { return name_; }
    const ProfileIni& description() const { return description_; }
    // The main window's outline from "mainmask.bmp"; null when the package has none.
    const QImage& outline() const { return outline_; }

    // A template's picture by property name ("Picture" of picFond,
    // "PictureIn" of picBouton, "CheckedOut" of picCheck...): null when no
    // package gave it or there is no such template or property.
    QPixmap picture(std::string_view templateName, std::string_view property = PicturePropertyName) const;
    // Which pictures the template called name (any case) has; nullopt when
    // there is no such template.
    std::optional<PictureList::Kind> templateKind(std::string_view name) const;
    // Every template's name, in the order they are kept.
    std::vector<std::string_view> templateNames() const;
    // Gives a template its pictures, in the order of its kind's property names.
    void setTemplatePictures(std::string_view name, const std::vector<QPixmap>& pictures);

    void setPackage(std::string name, ProfileIni description, QImage outline);
    void announceChange() { emit changed(); }

signals:
    void changed();

private:
    struct Template {
        const char* name;
        PictureList::Kind kind;
        std::vector<QPixmap> pictures; // in the order of the kind's property names
    };
    // The template's place in templates_; templates_.size() when there is none.
    std::size_t indexOf(std::string_view name) const;

    std::string name_;
    ProfileIni description_;
    QImage outline_;
    std::vector<Template> templates_;
};
