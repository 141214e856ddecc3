#include "core/shared/drawing.h"

namespace velmora {

std::vector<QPoint> TileOrigins(QSize image, QSize picture) {
    std::vector<QPoint> out;
    // An empty picture would never cover anything.
    if (picture.width() <= 0 || picture.height() <= 0) return out;
    for (int y = 0; y < image.height(); y += picture.height())
        for (int x = 0; x < image.width(); x += picture.width()) out.emplace_back(x, y);
    return out;
}

int RoundHalfEven(long long n, long long d) {
    long long q = n / d;  // truncated toward zero
    long long r = n % d;  // same sign as n
    if (r < 0) {          // floor division
        q -= 1;
        r += d;
    }
    const long long twice = 2 * r;
    if (twice > d || (twice == d && q % 2 != 0)) q += 1;
    return static_cast<int>(q);
}

Rgb GradientColour(Rgb first, Rgb second, int row, int height) {
    if (height <= 0) return first;
    auto part = [&](int a, int b) {
        return a + RoundHalfEven(static_cast<long long>(row) * (b - a), height);
    };
    return {part(first.red, second.red), part(first.green, second.green),
            part(first.blue, second.blue)};
}

}  // namespace velmora
