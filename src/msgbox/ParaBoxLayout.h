#pragma once

#include <QRect>

#include <array>
#include <functional>

// The message box sizes itself to its content. This is its arithmetic, in
// logical pixels, apart from any widget: margin m = 10 px, buttons 71 x 21 px.
struct ParaBoxLayoutInput {
    bool icon = false;
    bool heading = false;
    bool message = false;
    bool link = false;
    bool input = false;
    bool check = false;
    int buttonSet = 0;                           // 0..4
    bool help = false;                           // the Help button is shown
    int captionWidth = 0;                        // the caption's width in the window-caption font
    int minimumWidth = 0;                        // LarguraMinima, converted to px
    int inputLength = 0;                         // TamanhoEntrada
    int wWidth = 0;                              // width of "W" in the caption font
    int frameWidth = 0;                          // outer minus inner width
    int frameHeight = 0;                         // outer minus inner height
    std::function<int(int width)> headingHeight; // height of the wrapped heading at a width
    std::function<int(int width)> messageHeight;
    QSize linkSize;
    int inputHeight = 21;
    int checkHeight = 17;
};

struct ParaBoxLayout {
    static constexpr int Margin = 10;
    static constexpr int ButtonWidth = 71;
    static constexpr int ButtonHeight = 21;
    static constexpr int IconSize = 32;

    QSize outer; // the window's outer size
    QRect icon, heading, message, link, input, check;
    std::array<QRect, 4> buttons; // 1, 2, 3 and Help; empty when not shown
};

ParaBoxLayout CalculaLayoutParaBox(const ParaBoxLayoutInput &in);

// Number of answer buttons of a set (Help not counted).
int BotoesDoConjunto(int buttonSet);
