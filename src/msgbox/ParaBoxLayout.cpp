#include "ParaBoxLayout.h"

#include <cmath>

int BotoesDoConjunto(int buttonSet)
{
    switch (buttonSet) {
    case 1:
    case 2:
    case 4:
        return 2;
    case 3:
        return 3;
    default:
        return 1;
    }
}

ParaBoxLayout CalculaLayoutParaBox(const ParaBoxLayoutInput &in)
{
    constexpr int m = ParaBoxLayout::Margin;
    constexpr int bw = ParaBoxLayout::ButtonWidth;
    constexpr int bh = ParaBoxLayout::ButtonHeight;
    ParaBoxLayout out;

    int W = bw + 2 * m;
    int x0 = 0;
    if (in.icon) {
        out.icon = QRect(m, m, ParaBoxLayout::IconSize, ParaBoxLayout::IconSize);
        x0 = m + ParaBoxLayout::IconSize;
    }
    if (in.buttonSet == 3)
        W += 2 * bw + 2 * m;
    else if (in.buttonSet == 1 || in.buttonSet == 2 || in.buttonSet == 4)
        W += bw + m;
    if (in.help)
        W += bw + m;
    if (m + in.captionWidth > W)
        W = m + in.captionWidth;
    if (in.minimumWidth > W)
        W = in.minimumWidth;
    int outerWidth = W;
    const auto inner = [&] { return outerWidth - in.frameWidth; };

    const int labelWidth = std::max(0, W - 2 * m - x0);
    QRect anchor;
    bool anchorIsButton = false;
    if (in.heading && in.message) {
        out.heading = QRect(m + x0, m, labelWidth, in.headingHeight(labelWidth));
        out.message =
            QRect(m + x0, out.heading.bottom() + 1 + m, labelWidth, in.messageHeight(labelWidth));
        anchor = out.message;
        if (inner() < out.message.left() + out.message.width() + m)
            outerWidth = out.message.left() + out.message.width() + m + in.frameWidth;
    } else if (in.heading || in.message) {
        QRect &label = in.heading ? out.heading : out.message;
        const int height = in.heading ? in.headingHeight(labelWidth) : in.messageHeight(labelWidth);
        label = QRect(m + x0, m, labelWidth, height);
        anchor = label;
        const int needed = static_cast<int>(std::lround(label.left() + label.width() + 1.5 * m));
        if (inner() < needed)
            outerWidth = needed + in.frameWidth;
    } else {
        // Nothing to read: the buttons start at the top; a field below them moves them down.
        anchor = QRect(m + x0, m, bw, bh);
        anchorIsButton = true;
    }

    const auto below = [&anchor](int gap) { return anchor.top() + anchor.height() + gap; };
    if (in.link) {
        out.link = QRect(QPoint(anchor.left(), below(m)), in.linkSize);
        anchor = out.link;
        anchorIsButton = false;
    }
    if (in.input) {
        const int width = in.inputLength < 1 ? anchor.width() : in.inputLength * in.wWidth;
        out.input = QRect(anchor.left(), below(m), width, in.inputHeight);
        anchor = out.input;
        anchorIsButton = false;
    }
    if (in.check) {
        out.check =
            QRect(anchor.left(), below(m), std::max(0, inner() - x0 - 2 * m), in.checkHeight);
        anchor = out.check;
        anchorIsButton = false;
    }
    const int buttonTop = anchorIsButton ? m : below(2 * m);

    const int k = BotoesDoConjunto(in.buttonSet) + (in.help ? 1 : 0);
    int left = static_cast<int>(std::lround((inner() - k * bw - (k - 1) * m) / 2.0));
    const int shown[4] = {1, BotoesDoConjunto(in.buttonSet) >= 2, in.buttonSet == 3, in.help};
    for (int i = 0; i < 4; ++i) {
        if (!shown[i])
            continue;
        out.buttons[static_cast<size_t>(i)] = QRect(left, buttonTop, bw, bh);
        left += bw + m;
    }
    out.outer = QSize(outerWidth, buttonTop + bh + m + in.frameHeight);
    return out;
}
