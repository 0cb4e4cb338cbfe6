// The two hand cursors, built on a 32 x 32 grid of cells: a cell is inside
// the hand (white) or not (transparent); inside cells that touch the outside,
// and the seams between fingers, are drawn black. Black and white only, as
// the clock's cursors are monochrome.

#include "icons.h"

#include <QRect>
#include <cmath>
#include <functional>

namespace tikloom {

namespace {

constexpr int kCursorSize = 32;
const QRgb kBlack = qRgba(0, 0, 0, 255);
const QRgb kWhite = qRgba(255, 255, 255, 255);

// A finger standing on the palm: columns left..left+3 (its two outer columns
// are outlines shared with the neighbours), from row `top` downwards.
struct Finger {
    int left;
    int top;
};

using Inside = std::function<bool(int x, int y)>;
using Seam = std::function<bool(int x, int y)>;

bool inFinger(const Finger& finger, int bottom, int x, int y) {
    if (x < finger.left || x > finger.left + 3 || y < finger.top || y > bottom) {
        return false;
    }
    // Rounded tip: the corner cells of the top row are outside.
    return !(y == finger.top && (x == finger.left || x == finger.left + 3));
}

bool inRoundedRect(const QRect& rect, int x, int y) {
    if (!rect.contains(x, y)) {
        return false;
    }
    const bool cornerX = x == rect.left() || x == rect.right();
    const bool cornerY = y == rect.top() || y == rect.bottom();
    return !(cornerX && cornerY);
}

// Distance of a cell centre from the segment a-b, in cells.
double distanceToSegment(double x, double y, double ax, double ay, double bx, double by) {
    const double dx = bx - ax;
    const double dy = by - ay;
    double t = ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy);
    t = std::fmax(0.0, std::fmin(1.0, t));
    return std::hypot(x - (ax + t * dx), y - (ay + t * dy));
}

QImage drawCursor(const Inside& inside, const Seam& seam) {
    QImage cursor(kCursorSize, kCursorSize, QImage::Format_ARGB32);
    cursor.fill(Qt::transparent);
    for (int y = 0; y < kCursorSize; ++y) {
        for (int x = 0; x < kCursorSize; ++x) {
            if (!inside(x, y)) {
                continue;
            }
            const bool edge =
                !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            cursor.setPixel(x, y, edge || seam(x, y) ? kBlack : kWhite);
        }
    }
    return cursor;
}

} // namespace

QImage openHandCursor() {
    const Finger fingers[] = {{9, 6}, {12, 4}, {15, 5}, {18, 8}};
    const QRect palm(9, 12, 13, 12);
    auto inside = [&](int x, int y) {
        for (const Finger& finger : fingers) {
            if (inFinger(finger, palm.top() + 1, x, y)) {
                return true;
            }
        }
        const bool thumb = distanceToSegment(x, y, 5.5, 11.5, 9.5, 17.5) <= 2.1;
        return thumb || inRoundedRect(palm, x, y);
    };
    auto seam = [&](int x, int y) {
        // Fingers stay apart down to the palm.
        return y < palm.top() + 1 && (x == 12 || x == 15 || x == 18);
    };
    return drawCursor(inside, seam);
}

QImage closedHandCursor() {
    // Folded fingers show as four knuckles above a short, wide palm.
    const Finger knuckles[] = {{9, 9}, {12, 8}, {15, 8}, {18, 9}};
    const QRect palm(9, 11, 13, 12);
    auto inside = [&](int x, int y) {
        for (const Finger& knuckle : knuckles) {
            if (inFinger(knuckle, palm.top() + 1, x, y)) {
                return true;
            }
        }
        const bool thumb = distanceToSegment(x, y, 7.0, 15.5, 10.0, 18.5) <= 2.1;
        return thumb || inRoundedRect(palm, x, y);
    };
    auto seam = [&](int x, int y) {
        // The folded fingers part a little way into the palm.
        return y < palm.top() + 3 && y > 8 && (x == 12 || x == 15 || x == 18);
    };
    return drawCursor(inside, seam);
}

} // namespace tikloom
