// Software billboards: the rotation matrix built as three glRotatef calls would build it,
// gluPerspective's projection, bilinear texture sampling and additive blending.
#include "tools/assetgen/SplatCanvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace velmora::assetgen {

namespace {

using Matrix3 = std::array<std::array<double, 3>, 3>;

Matrix3 multiply(const Matrix3& a, const Matrix3& b) {
    Matrix3 r{};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            for (int k = 0; k < 3; ++k) {
                r[i][j] += a[i][k] * b[k][j];
            }
        }
    }
    return r;
}

// The rotation of glRotatef about one coordinate axis (0 x, 1 y, 2 z), row-major.
Matrix3 rotation(double degrees, int axis) {
    const double a = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(a);
    const double s = std::sin(a);
    const int u = (axis + 1) % 3;
    const int v = (axis + 2) % 3;
    Matrix3 r{};
    r[axis][axis] = 1.0;
    r[u][u] = c;
    r[u][v] = -s;
    r[v][u] = s;
    r[v][v] = c;
    return r;
}

// A run switches the display to 16 bits per pixel: 5 bits of red and blue, 6 of green. Every
// blend is stored at that depth, so faint edges keep green where red and blue round away,
// which gives the glow its green rim.
constexpr double kRedLevels = 31.0;
constexpr double kGreenLevels = 63.0;
constexpr double kBlueLevels = 31.0;

// Adds onto a stored channel, saturating at full brightness, and stores at the screen depth.
double blend(double stored, double added, double levels) {
    return std::round(std::min(stored + added, 1.0) * levels) / levels;
}

} // namespace

SplatCanvas::SplatCanvas(int width, int height, const Picture& texture,
                         const scene::Perspective& perspective)
    : width_(width), height_(height), texture_(texture), perspective_(perspective), modelView_{},
      sums_(static_cast<std::size_t>(width * height), Linear{0, 0, 0}) {}

void SplatCanvas::turnTo(const scene::SceneAngles& angles) {
    const Matrix3 m =
        multiply(multiply(rotation(angles.x, 0), rotation(angles.y, 1)), rotation(angles.z, 2));
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            modelView_[column * 4 + row] = static_cast<float>(m[row][column]);
        }
    }
    modelView_[15] = 1.0f;
}

void SplatCanvas::readModelView(float matrix[16]) {
    std::copy_n(modelView_, 16, matrix);
}

SplatCanvas::ScreenPoint SplatCanvas::project(const scene::Vector3& world) const {
    const float* m = modelView_;
    const double x = m[0] * world.x + m[4] * world.y + m[8] * world.z;
    const double y = m[1] * world.x + m[5] * world.y + m[9] * world.z;
    const double depth = -(m[2] * world.x + m[6] * world.y + m[10] * world.z);
    const double f = 1.0 / std::tan(perspective_.fieldOfView * std::numbers::pi / 360.0);
    const double ndcX = f / perspective_.aspect * x / depth;
    const double ndcY = f * y / depth;
    return {(ndcX + 1.0) / 2.0 * width_, (1.0 - ndcY) / 2.0 * height_, depth};
}

void SplatCanvas::drawQuad(const scene::BillboardQuad& quad) {
    // A billboard faces the viewer, so its corners share one depth and project to an upright
    // rectangle.
    const ScreenPoint topLeft = project(quad.topLeft);
    const ScreenPoint bottomRight = project(quad.bottomRight);
    if (topLeft.depth <= perspective_.nearPlane || topLeft.depth >= perspective_.farPlane) {
        return;
    }
    splat(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y, quad);
}

SplatCanvas::Linear SplatCanvas::sampleTexture(double u, double v) const {
    // u runs left to right and v top to bottom across the picture, as the square shows it.
    const int size = texture_.width();
    const double tx = std::clamp(u * size - 0.5, 0.0, size - 1.0);
    const double ty = std::clamp(v * size - 0.5, 0.0, size - 1.0);
    const int x0 = static_cast<int>(tx);
    const int y0 = static_cast<int>(ty);
    const int x1 = std::min(x0 + 1, size - 1);
    const int y1 = std::min(y0 + 1, size - 1);
    const double fx = tx - x0;
    const double fy = ty - y0;
    Linear result{0, 0, 0};
    const auto add = [&](int x, int y, double weight) {
        const Rgba& p = texture_.at(x, y);
        result.red += p.red / 255.0 * weight;
        result.green += p.green / 255.0 * weight;
        result.blue += p.blue / 255.0 * weight;
    };
    add(x0, y0, (1 - fx) * (1 - fy));
    add(x1, y0, fx * (1 - fy));
    add(x0, y1, (1 - fx) * fy);
    add(x1, y1, fx * fy);
    return result;
}

void SplatCanvas::splat(double left, double top, double right, double bottom,
                        const scene::BillboardQuad& quad) {
    const int firstX = std::max(0, static_cast<int>(std::ceil(left - 0.5)));
    const int lastX = std::min(width_ - 1, static_cast<int>(std::floor(right - 0.5)));
    const int firstY = std::max(0, static_cast<int>(std::ceil(top - 0.5)));
    const int lastY = std::min(height_ - 1, static_cast<int>(std::floor(bottom - 0.5)));
    for (int y = firstY; y <= lastY; ++y) {
        const double v = (y + 0.5 - top) / (bottom - top);
        for (int x = firstX; x <= lastX; ++x) {
            const Linear texel = sampleTexture((x + 0.5 - left) / (right - left), v);
            Linear& sum = sums_[static_cast<std::size_t>(y * width_ + x)];
            sum.red = blend(sum.red, texel.red * quad.red * 0.5, kRedLevels);
            sum.green = blend(sum.green, texel.green * quad.green * 0.5, kGreenLevels);
            sum.blue = blend(sum.blue, texel.blue * quad.blue * 0.5, kBlueLevels);
        }
    }
}

Picture SplatCanvas::picture() const {
    Picture out(width_, height_);
    const auto level = [](double value) {
        return static_cast<std::uint8_t>(std::lround(value * 255.0));
    };
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Linear& s = sums_[static_cast<std::size_t>(y * width_ + x)];
            out.at(x, y) = {level(s.red), level(s.green), level(s.blue), 255};
        }
    }
    return out;
}

} // namespace velmora::assetgen
