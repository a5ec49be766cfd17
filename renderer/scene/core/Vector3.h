// Vector3: the scene's single-precision 3-vector. Every operation yields a new value whose
// components are rounded to float, so the animation is the same on every build.
#pragma once

namespace velmora::scene {

struct Vector3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    constexpr Vector3() = default;
    constexpr Vector3(float xIn, float yIn, float zIn) : x(xIn), y(yIn), z(zIn) {}
};

constexpr Vector3 operator+(const Vector3& a, const Vector3& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

constexpr Vector3 operator-(const Vector3& a, const Vector3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

// The factor multiplies from the left, as the animation's rounding was defined that way.
constexpr Vector3 operator*(const Vector3& a, float s) {
    return {s * a.x, s * a.y, s * a.z};
}

} // namespace velmora::scene
