#include "skin/default/DefaultSkinArt.h"

#include "skin/art/PixelFont.h"
#include "skin/art/Shapes.h"

#include <string_view>

namespace {
// The body matches the windows' background colour in the description (66,66,66).
constexpr Rgb Body = MakeRgb(66, 66, 66);
constexpr Rgb TitleBar = MakeRgb(44, 44, 44);
constexpr Rgb Outline = MakeRgb(20, 20, 20);
constexpr Rgb Light = MakeRgb(100, 100, 100);
constexpr Rgb Shade = MakeRgb(38, 38, 38);
constexpr Rgb Groove = MakeRgb(50, 50, 50);
constexpr Rgb GrooveLight = MakeRgb(84, 84, 84);
constexpr Rgb Accent = MakeRgb(61, 155, 233);
constexpr Rgb AccentLight = MakeRgb(120, 190, 245);
constexpr Rgb AccentDark = MakeRgb(33, 106, 170);
constexpr Rgb AccentDeep = MakeRgb(24, 78, 128);
constexpr Rgb Ink = MakeRgb(240, 240, 240);
constexpr Rgb InkDim = MakeRgb(165, 165, 165);

constexpr BevelColours WindowBevel{Outline, Light, Shade, Body};

// The main window is 5415 x 3045 twips: 361 x 203 pixels of its 362 x 204 picture.
constexpr int MainWidth = 361;
constexpr int MainHeight = 203;
constexpr int TitleHeight = 15; // rows above the accent line

Shape MainOutline()
{
    return RoundedRect(0, 0, MainWidth, MainHeight, 6);
}

// A title bar, its accent line and the shadow under it across the top of a
// window picture. The rows where the title buttons sit are flat, so that
// their pictures meet the bar without a seam.
void PaintTitle(PixelCanvas& c)
{
    c.fill(0, 0, c.width(), TitleHeight, TitleBar);
    c.hline(0, 2, c.width(), MakeRgb(54, 54, 54));
    c.hline(0, 3, c.width(), MakeRgb(50, 50, 50));
    c.hline(0, 4, c.width(), MakeRgb(47, 47, 47));
    c.hline(0, TitleHeight, c.width(), Accent);
    c.hline(0, TitleHeight + 1, c.width(), Shade);
}

// A dialog background: title, body and the window bevel along the picture's edges.
PixelCanvas PaintDialog(int width, int height)
{
    PixelCanvas c(width, height, Body);
    PaintTitle(c);
    return c;
}

void PaintGroove(PixelCanvas& c, int x, int y, int w)
{
    c.hline(x, y, w, Groove);
    c.hline(x, y + 1, w, GrooveLight);
}

PixelCanvas PaintMain()
{
    PixelCanvas c(MainWidth + 1, MainHeight + 1, Outline);
    const Shape window = MainOutline();
    FillShape(c, window, Body);
    PaintTitle(c);
    // The sunken panel that holds the layers' controls.
    c.hline(25, 16, 334, Groove);
    c.vline(25, 16, 185, Groove);
    c.hline(26, 200, 333, GrooveLight);
    c.vline(358, 17, 184, GrooveLight);
    PaintBevel(c, window, WindowBevel);
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (!window(x, y))
                c.set(x, y, Outline);
    return c;
}

PixelCanvas PaintMask()
{
    PixelCanvas c(MainWidth + 1, MainHeight + 1, MakeRgb(255, 255, 255));
    FillShape(c, MainOutline(), MakeRgb(0, 0, 0));
    return c;
}

PixelCanvas PaintSaveBackground()
{
    PixelCanvas c = PaintDialog(183, 204);
    PaintGroove(c, 6, 181, 171);
    PaintBevel(c, Rect(0, 0, c.width(), c.height()), WindowBevel);
    return c;
}

PixelCanvas PaintEditBackground()
{
    PixelCanvas c = PaintDialog(335, 66);
    PaintBevel(c, Rect(0, 0, c.width(), c.height()), WindowBevel);
    return c;
}

// The frame of the resizable windows. Its pieces meet along these lines: the
// outline on the outermost pixel, the bevel on the next, the title bar above
// an accent line on the top 19 rows.
enum class Edge { TopLeft, Top, TopRight, Left, Right, BottomLeft, Bottom, BottomRight };

PixelCanvas PaintFramePiece(Edge edge, int width, int height)
{
    PixelCanvas c(width, height, Body);
    const bool top = edge == Edge::TopLeft || edge == Edge::Top || edge == Edge::TopRight;
    const bool bottom = edge == Edge::BottomLeft || edge == Edge::Bottom || edge == Edge::BottomRight;
    const bool left = edge == Edge::TopLeft || edge == Edge::Left || edge == Edge::BottomLeft;
    const bool right = edge == Edge::TopRight || edge == Edge::Right || edge == Edge::BottomRight;
    if (top) {
        PaintTitle(c);
        c.fill(0, 0, width, 1, Outline);
        c.fill(0, 1, width, 1, Light);
        c.hline(0, 18, width, Shade);
    }
    if (bottom) {
        c.hline(0, height - 2, width, Shade);
        c.hline(0, height - 1, width, Outline);
    }
    if (left) {
        c.vline(1, top ? 1 : 0, top ? 16 : height - (bottom ? 2 : 0), Light);
        if (bottom)
            c.set(1, height - 2, Body);
        c.vline(0, 0, height, Outline);
    }
    if (right) {
        c.vline(width - 2, top ? 2 : 0, height - (top ? 2 : 0) - (bottom ? 1 : 0), Shade);
        if (top)
            c.set(width - 2, 1, Body);
        c.vline(width - 1, 0, height, Outline);
    }
    return c;
}

// The resize grip: the corner of the frame with three rows of raised dots.
PixelCanvas PaintGrip()
{
    PixelCanvas c = PaintFramePiece(Edge::BottomRight, 16, 16);
    for (int row = 0; row < 3; ++row)
        for (int col = 2 - row; col < 3; ++col) {
            const int x = 2 + col * 4, y = 2 + row * 4;
            c.set(x, y, MakeRgb(150, 150, 150));
            c.set(x + 1, y, MakeRgb(110, 110, 110));
            c.set(x, y + 1, MakeRgb(110, 110, 110));
            c.set(x + 1, y + 1, MakeRgb(28, 28, 28));
        }
    return c;
}

enum class Look { Out, In, Down };

// The push button: a small pill with a light slot; hovered and pressed it turns blue.
PixelCanvas PaintPushButton(Look look)
{
    PixelCanvas c(16, 10, Body);
    const Shape pill = RoundedRect(0, 0, 16, 10, 3);
    struct Style {
        Rgb top, bottom, light, shade, slot;
        int slotY;
    };
    const Style s = look == Look::Out ? Style{MakeRgb(118, 118, 118), MakeRgb(80, 80, 80), MakeRgb(150, 150, 150),
                                              MakeRgb(58, 58, 58),    MakeRgb(44, 44, 44), 4}
                    : look == Look::In
                        ? Style{AccentLight, Accent, MakeRgb(175, 215, 248), AccentDark, MakeRgb(236, 246, 255), 4}
                        : Style{AccentDeep, AccentDark, AccentDark, MakeRgb(18, 58, 96), MakeRgb(190, 222, 250), 5};
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 16; ++x)
            if (pill(x, y))
                c.set(x, y, Mix(s.top, s.bottom, y * 256 / 9));
    if (look == Look::Down)
        PaintBevel(c, pill, {Outline, s.shade, s.light, s.bottom});
    else
        PaintBevel(c, pill, {Outline, s.light, s.shade, s.bottom});
    c.fill(5, s.slotY, 6, 2, s.slot);
    return c;
}

// Fills a shape with a gradient from its top row to its bottom row.
void FillGradient(PixelCanvas& c, const Shape& shape, int top, int bottom, Rgb from, Rgb to)
{
    for (int y = top; y <= bottom; ++y)
        for (int x = 0; x < c.width(); ++x)
            if (shape(x, y))
                c.set(x, y, Mix(from, to, bottom > top ? (y - top) * 256 / (bottom - top) : 0));
}

// The check box as a switch: a dark track with a grey knob on the left, or a
// blue track with a white knob on the right. Under the pointer the track
// gets a blue rim and the knob lightens.
PixelCanvas PaintSwitch(bool checked, bool hovered)
{
    PixelCanvas c(16, 10, Body);
    const Shape track =
        PatternShape(0, 0,
                     {"   ##########", " ##############", " ##############", "################", "################",
                      "################", "################", " ##############", " ##############", "   ##########"});
    const Rgb rim = hovered ? AccentLight : Outline;
    if (checked) {
        FillGradient(c, track, 0, 9, hovered ? AccentLight : Accent, hovered ? Accent : AccentDark);
        PaintBevel(c, track, {rim, AccentDeep, hovered ? AccentLight : Accent, AccentDark});
    } else {
        FillShape(c, track, MakeRgb(32, 32, 32));
        PaintBevel(c, track, {rim, MakeRgb(24, 24, 24), MakeRgb(54, 54, 54), MakeRgb(32, 32, 32)});
    }
    const int knobX = checked ? 8 : 2;
    const Shape knob = PatternShape(knobX, 2, {" #### ", "######", "######", "######", "######", " #### "});
    const Rgb top = checked ? MakeRgb(255, 255, 255) : (hovered ? MakeRgb(215, 215, 215) : MakeRgb(160, 160, 160));
    const Rgb bottom = checked ? MakeRgb(200, 212, 226) : (hovered ? MakeRgb(150, 150, 150) : MakeRgb(100, 100, 100));
    FillGradient(c, knob, 2, 7, top, bottom);
    return c;
}

// A layer tab: stacked letters; the selected tab is blue and open toward the panel.
PixelCanvas PaintTab(std::string_view letters, bool selected)
{
    constexpr int Visible = 19; // the description's tabs are 285 twips wide
    constexpr int TabHeight = 46;
    PixelCanvas c(21, 47, Body);
    const Shape tab =
        selected ? RoundedRect(0, 0, Visible + 4, TabHeight, 3) : RoundedRect(0, 0, Visible, TabHeight, 3);
    const Rgb top = selected ? AccentLight : MakeRgb(60, 60, 60);
    const Rgb bottom = selected ? AccentDark : MakeRgb(46, 46, 46);
    for (int y = 0; y < TabHeight; ++y)
        for (int x = 0; x < Visible; ++x)
            if (tab(x, y))
                c.set(x, y, Mix(top, bottom, y * 256 / (TabHeight - 1)));
    if (selected)
        PaintBevel(c, tab, {Outline, MakeRgb(160, 208, 248), AccentDeep, Accent});
    else
        PaintBevel(c, tab, {Outline, MakeRgb(84, 84, 84), MakeRgb(34, 34, 34), MakeRgb(52, 52, 52)});
    c.fill(Visible, 0, c.width() - Visible, c.height(), Body);

    const int n = int(letters.size());
    const int textHeight = n * GlyphHeight + (n - 1) * 2;
    int y = (TabHeight - textHeight) / 2;
    const int x = (Visible - GlyphWidth) / 2;
    for (char letter : letters) {
        DrawGlyph(c, x + 1, y + 1, letter, selected ? AccentDeep : MakeRgb(30, 30, 30));
        DrawGlyph(c, x, y, letter, selected ? MakeRgb(255, 255, 255) : InkDim);
        y += GlyphHeight + 2;
    }
    return c;
}

// The small buttons of a title bar: a pale sign on the bar, a blue chip
// under the pointer, a darker chip while pressed.
PixelCanvas PaintTitleButton(int width, int chipWidth, std::initializer_list<const char*> sign, Look look)
{
    PixelCanvas c(width, 7, TitleBar);
    if (look != Look::Out)
        c.fill(0, 0, chipWidth, 7, look == Look::In ? Accent : AccentDark);
    c.stamp(0, 0, sign, look == Look::Out ? InkDim : look == Look::In ? Ink : MakeRgb(200, 226, 250));
    return c;
}

PixelCanvas PaintClose(Look look)
{
    return PaintTitleButton(7, 7, {"", " #   #", "  # #", "   #", "  # #", " #   #"}, look);
}

PixelCanvas PaintMaximise(Look look)
{
    return PaintTitleButton(9, 9, {"", " #######", " #######", " #     #", " #     #", " #######"}, look);
}

// Drawn within 7 columns: the main window shows 105 twips of it.
PixelCanvas PaintMinimise(Look look)
{
    return PaintTitleButton(9, 7, {"", "", "", "", " #####", " #####"}, look);
}
} // namespace

std::vector<SkinArt> PaintDefaultSkin()
{
    std::vector<SkinArt> art;
    auto add = [&art](std::string name, PixelCanvas picture, int bits = 8) {
        art.push_back({std::move(name), bits, std::move(picture)});
    };
    add("boutondown", PaintPushButton(Look::Down));
    add("boutonin", PaintPushButton(Look::In));
    add("boutonup", PaintPushButton(Look::Out));
    add("fond", PaintMain());
    add("fond_b", PaintFramePiece(Edge::Bottom, 1248, 4));
    add("fond_d", PaintFramePiece(Edge::Right, 4, 1024));
    add("fond_db", PaintGrip(), 24);
    add("fond_dh", PaintFramePiece(Edge::TopRight, 6, 19));
    add("fond_g", PaintFramePiece(Edge::Left, 5, 1024));
    add("fond_gb", PaintFramePiece(Edge::BottomLeft, 7, 5));
    add("fond_gh", PaintFramePiece(Edge::TopLeft, 5, 19));
    add("fond_h", PaintFramePiece(Edge::Top, 1248, 19));
    add("fond_save", PaintSaveBackground());
    add("checkedin", PaintSwitch(true, true));
    add("checkedout", PaintSwitch(true, false));
    add("uncheckedin", PaintSwitch(false, true));
    add("uncheckedout", PaintSwitch(false, false));
    add("layer_select_cat", PaintTab("CAT", true));
    add("layer_select_find", PaintTab("FIND", true));
    add("layer_select_lib", PaintTab("LIB", true));
    add("layer_unselect_cat", PaintTab("CAT", false));
    add("layer_unselect_find", PaintTab("FIND", false));
    add("layer_unselect_lib", PaintTab("LIB", false));
    add("xdown", PaintClose(Look::Down));
    add("xin", PaintClose(Look::In));
    add("xmaxdown", PaintMaximise(Look::Down));
    add("xmaxin", PaintMaximise(Look::In));
    add("xmaxout", PaintMaximise(Look::Out));
    add("xmindown", PaintMinimise(Look::Down));
    add("xminin", PaintMinimise(Look::In));
    add("xminout", PaintMinimise(Look::Out));
    add("xout", PaintClose(Look::Out));
    add("fond_edit", PaintEditBackground());
    add("mainmask", PaintMask(), 1);
    return art;
}
