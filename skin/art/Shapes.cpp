#include "skin/art/Shapes.h"

#include <algorithm>

Shape RoundedRect(int left, int top, int width, int height, int radius)
{
    return [=](int x, int y) {
        if (x < left || y < top || x >= left + width || y >= top + height)
            return false;
        // The nearest corner circle's centre, doubled to stay in integers.
        const int cx = std::clamp(2 * x + 1, 2 * (left + radius), 2 * (left + width - radius));
        const int cy = std::clamp(2 * y + 1, 2 * (top + radius), 2 * (top + height - radius));
        const int dx = 2 * x + 1 - cx, dy = 2 * y + 1 - cy;
        return dx * dx + dy * dy <= 4 * radius * radius;
    };
}

Shape Rect(int left, int top, int width, int height)
{
    return RoundedRect(left, top, width, height, 0);
}

Shape PatternShape(int left, int top, std::vector<std::string> rows)
{
    return [left, top, rows = std::move(rows)](int x, int y) {
        x -= left;
        y -= top;
        return y >= 0 && y < int(rows.size()) && x >= 0 && x < int(rows[std::size_t(y)].size()) &&
               rows[std::size_t(y)][std::size_t(x)] == '#';
    };
}

namespace {
// The shape sampled once over the canvas and a margin of reach pixels.
class Sampled {
public:
    Sampled(const Shape& inside, int width, int height, int reach)
        : width_(width + 2 * reach), reach_(reach), cells_(std::size_t(width_) * std::size_t(height + 2 * reach))
    {
        for (int y = -reach; y < height + reach; ++y)
            for (int x = -reach; x < width + reach; ++x)
                cells_[index(x, y)] = inside(x, y);
    }
    bool operator()(int x, int y) const { return cells_[index(x, y)]; }

private:
    std::size_t index(int x, int y) const
    {
        return std::size_t(y + reach_) * std::size_t(width_) + std::size_t(x + reach_);
    }
    int width_, reach_;
    std::vector<char> cells_;
};

// The outside pixels within reach of x, y, summed as offsets: which way the
// outline is nearest. found is false when there are none.
struct Outward {
    bool found = false;
    int dx = 0, dy = 0;
};

Outward outward(const Sampled& inside, int x, int y, int reach)
{
    Outward o;
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            if (!inside(x + dx, y + dy)) {
                o.found = true;
                o.dx += dx;
                o.dy += dy;
            }
    return o;
}
} // namespace

void PaintBevel(PixelCanvas& canvas, const Shape& shape, const BevelColours& colours)
{
    const Sampled inside(shape, canvas.width(), canvas.height(), 2);
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            if (!inside(x, y))
                continue;
            if (outward(inside, x, y, 1).found) {
                canvas.set(x, y, colours.outline);
                continue;
            }
            const Outward o = outward(inside, x, y, 2);
            if (!o.found)
                continue;
            const int facing = o.dx + o.dy; // below 0: up or left
            canvas.set(x, y, facing < 0 ? colours.light : facing > 0 ? colours.shade : colours.corner);
        }
    }
}

void FillShape(PixelCanvas& canvas, const Shape& inside, Rgb colour)
{
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (inside(x, y))
                canvas.set(x, y, colour);
}
