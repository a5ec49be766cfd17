// The font every text of the saver's forms is designed with: ＭＳ Ｐゴシック, 9.75 pt, Shift-JIS,
// regular weight. The forms and the button each make their own font record from it.
#pragma once

struct DesignFont {
    const char* face; // UTF-8
    double points;
    int charset;
    int weight;
};

inline constexpr DesignFont kDesignFont{"ＭＳ Ｐゴシック", 9.75, 128, 400};
