#pragma once
// A viewed file read as a picture, in any format Qt reads, recognised by its
// content. A picture too large to hold is refused before it is decoded.

#include <QImage>

#include <string>

struct ViewerPicture {
    enum class Outcome {
        Loaded,
        NotAPicture, // no format Qt reads: the file is text to the viewer
        Broken,      // a picture format, but it does not decode or is too large
    };
    Outcome outcome = Outcome::NotAPicture;
    QImage image;
};

ViewerPicture LoadPicture(const std::string& path);
