#include "skin/tools/BitmapSheet.h"

#include "platform/ini/ProfileIni.h"
#include "skin/SkinValues.h"
#include "skin/art/PixelFont.h"
#include "skin/default/DefaultSkinArt.h"
#include "skin/default/DefaultSkinDescription.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {
constexpr Rgb Paper = MakeRgb(208, 208, 204);
constexpr Rgb Caption = MakeRgb(40, 40, 40);
constexpr int Margin = 24;
constexpr int SheetWidth = 1500;
constexpr int LongStrip = 40; // the long edges are shown in part

PixelCanvas checker(int w, int h)
{
    PixelCanvas c(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            c.set(x, y, ((x / 6 + y / 6) % 2) ? MakeRgb(232, 232, 232) : MakeRgb(190, 190, 190));
    return c;
}

PixelCanvas crop(const PixelCanvas& source, int w, int h)
{
    PixelCanvas c(std::min(w, source.width()), std::min(h, source.height()));
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            c.set(x, y, source.at(x, y));
    return c;
}

// Places pieces left to right in rows, each with its caption above it.
class Flow {
public:
    explicit Flow(int top) : y_(top) {}

    void place(PixelCanvas& sheet, const PixelCanvas& piece, int scale, const std::string& caption)
    {
        const int w = std::max(piece.width() * scale, TextWidth(caption));
        const int h = piece.height() * scale + GlyphHeight + 6;
        if (x_ + w > SheetWidth - Margin && x_ > Margin) {
            x_ = Margin;
            y_ += rowHeight_ + 18;
            rowHeight_ = 0;
        }
        if (!sheet.contains(0, y_ + h))
            return;
        DrawText(sheet, x_, y_, caption, Caption);
        sheet.blitScaled(piece, x_, y_ + GlyphHeight + 6, scale);
        x_ += w + 24;
        rowHeight_ = std::max(rowHeight_, h);
    }
    int bottom() const { return y_ + rowHeight_; }
    void newRow()
    {
        x_ = Margin;
        y_ = bottom() + 30;
        rowHeight_ = 0;
    }

private:
    int x_ = Margin;
    int y_;
    int rowHeight_ = 0;
};

struct Pictures {
    std::map<std::string, PixelCanvas> byName;
    const PixelCanvas& operator[](const std::string& name) const { return byName.at(name); }
};

// The main window as the description lays it out: the CAT layer, one box
// ticked, one hovered, the close button hovered, label places marked.
PixelCanvas mockMainWindow(const Pictures& art)
{
    const ProfileIni ini = ProfileIni::Parse(DefaultSkinDescription());
    const PixelCanvas& fond = art["fond"];
    const PixelCanvas& mask = art["mainmask"];
    // 5415 x 3045 twips: the window shows 361 x 203 pixels of its picture.
    PixelCanvas c = checker(361, 203);
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (mask.at(x, y) == MakeRgb(0, 0, 0))
                c.set(x, y, fond.at(x, y));
    auto at = [&](const char* control, const PixelCanvas& picture) {
        const SkinPlacement p = ParsePlacement(ini.get("MainPos", control, ""));
        const int w = p.width ? *p.width / 15 : picture.width();
        const int h = p.height ? *p.height / 15 : picture.height();
        c.blit(crop(picture, w, h), p.left / 15, p.top / 15);
    };
    auto label = [&](const char* control, std::string_view text) {
        const SkinPlacement p = ParsePlacement(ini.get("MainPos", control, ""));
        DrawText(c, p.left / 15 + 1, p.top / 15 + 2, text, MakeRgb(220, 220, 220));
    };
    at("BWLayerCat", art["layer_select_cat"]);
    at("BWLayerFind", art["layer_unselect_find"]);
    at("BWLayerLib", art["layer_unselect_lib"]);
    at("CBWRecursive", art["checkedout"]);
    at("CBWSearchZipContent", art["uncheckedin"]);
    at("CBWEnableComment", art["uncheckedout"]);
    at("CBWEjectCD", art["checkedin"]);
    at("BWSearch", art["boutonup"]);
    at("BWStop", art["boutonin"]);
    at("BWExit", art["xin"]);
    at("BWMin", art["xminout"]);
    label("lblTitle", "CORVANEDISK");
    label("lblRecursive", "RECURSIVE");
    label("lblSearchZipContent", "ZIP CONTENT");
    label("lblEnableComment", "COMMENTS");
    label("lblEjectCD", "EJECT");
    label("lblSearch", "CREATE");
    label("lblStop", "STOP");
    const SkinPlacement tree = ParsePlacement(ini.get("MainPos", "FolderTreeview", ""));
    c.fill(tree.left / 15, tree.top / 15, *tree.width / 15, *tree.height / 15, MakeRgb(30, 30, 30));
    return c;
}

// A resizable window of w x h pixels framed by the eight pieces, with its
// title-bar buttons where the frame's layout puts them.
PixelCanvas mockFramedWindow(const Pictures& art, int w, int h)
{
    PixelCanvas c(w, h, MakeRgb(66, 66, 66));
    const PixelCanvas &gh = art["fond_gh"], &hh = art["fond_h"], &dh = art["fond_dh"], &g = art["fond_g"],
                      &d = art["fond_d"], &gb = art["fond_gb"], &b = art["fond_b"], &db = art["fond_db"];
    c.fill(g.width(), hh.height(), w - g.width() - d.width(), h - hh.height() - b.height(), MakeRgb(30, 30, 30));
    c.blit(crop(hh, w - gh.width() - dh.width(), hh.height()), gh.width(), 0);
    c.blit(crop(b, w - gb.width() - db.width(), b.height()), gb.width(), h - b.height());
    c.blit(crop(g, g.width(), h - gh.height() - gb.height()), 0, gh.height());
    c.blit(crop(d, d.width(), h - dh.height() - db.height()), w - d.width(), dh.height());
    c.blit(gh, 0, 0);
    c.blit(gb, 0, h - gb.height());
    c.blit(dh, w - dh.width(), 0);
    c.blit(db, w - db.width(), h - db.height());
    const PixelCanvas &exit = art["xout"], &max = art["xmaxin"];
    c.blit(exit, w - exit.width() - d.width(), hh.height() / 2 - exit.height() / 2);
    c.blit(max, w - max.width() - exit.width() - 2 * d.width(), hh.height() / 2 - max.height() / 2);
    DrawText(c, 5, 5, "SEARCH RESULTS", MakeRgb(220, 220, 220));
    return c;
}

PixelCanvas mockDialog(const Pictures& art, const char* background, const char* section, int w, int h,
                       std::initializer_list<std::pair<const char*, const char*>> pictures)
{
    const ProfileIni ini = ProfileIni::Parse(DefaultSkinDescription());
    PixelCanvas c(w, h, MakeRgb(66, 66, 66));
    c.blit(art[background], 0, 0);
    for (const auto& [control, picture] : pictures) {
        const SkinPlacement p = ParsePlacement(ini.get(section, control, ""));
        c.blit(art[picture], p.left / 15, p.top / 15);
    }
    return c;
}
} // namespace

PixelCanvas PaintBitmapSheet()
{
    Pictures art;
    std::vector<std::pair<std::string, int>> depth;
    for (const SkinArt& a : PaintDefaultSkin()) {
        art.byName.emplace(a.name, a.picture);
        depth.emplace_back(a.name, a.bitsPerPixel);
    }
    struct Row {
        int scale;
        std::vector<const char*> names;
    };
    const Row rows[] = {
        {8, {"boutonup", "boutonin", "boutondown", "uncheckedout", "uncheckedin", "checkedout", "checkedin"}},
        {8, {"xout", "xin", "xdown", "xmaxout", "xmaxin", "xmaxdown", "xminout", "xminin", "xmindown"}},
        {5,
         {"layer_select_cat", "layer_unselect_cat", "layer_select_find", "layer_unselect_find", "layer_select_lib",
          "layer_unselect_lib"}},
        {6, {"fond_gh", "fond_h", "fond_dh", "fond_g", "fond_d", "fond_gb", "fond_b", "fond_db"}},
        {2, {"fond", "mainmask", "fond_save"}},
        {2, {"fond_edit"}},
    };

    PixelCanvas sheet(SheetWidth, 6000, Paper);
    DrawText(sheet, Margin, 8, "DEFAULT SKIN - EVERY BITMAP ENLARGED, THEN THE WINDOWS AS THE SKIN LAYS THEM OUT",
             Caption);
    Flow flow(Margin + 10);
    for (const Row& row : rows) {
        for (const char* name : row.names) {
            const PixelCanvas& picture = art[name];
            const bool strip = std::max(picture.width(), picture.height()) > 400;
            const int bits = std::find_if(depth.begin(), depth.end(), [&](auto& d) { return d.first == name; })->second;
            std::string caption = std::string(name) + " " + std::to_string(picture.width()) + "X" +
                                  std::to_string(picture.height()) + " " + std::to_string(bits) + "BIT";
            if (strip)
                caption += " (PART)";
            flow.place(sheet, strip ? crop(picture, LongStrip, LongStrip) : picture, row.scale, caption);
        }
        flow.newRow();
    }
    flow.place(sheet, mockMainWindow(art), 3, "MAIN WINDOW (CAT LAYER)");
    flow.place(sheet,
               mockDialog(art, "fond_save", "SavePos", 184, 204,
                          {{"BWExit", "xout"}, {"BWSave", "boutonin"}, {"BWCancel", "boutonup"}}),
               2, "SAVE DIALOG");
    flow.newRow();
    flow.place(sheet, mockFramedWindow(art, 300, 170), 2, "FRAMED WINDOW");
    flow.place(sheet,
               mockDialog(art, "fond_edit", "EditPos", 336, 66,
                          {{"BWExit", "xout"}, {"BWOK", "boutondown"}, {"BWCancel", "boutonup"}}),
               2, "COMMENT DIALOG");
    return crop(sheet, SheetWidth, flow.bottom() + Margin);
}
