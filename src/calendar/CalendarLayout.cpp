#include "CalendarLayout.h"

#include "text/TextRoutines.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int px = TwipsPorPixel; // the formulas work in twips, as whole pixels

int snap(long long twips)
{
    return static_cast<int>(twips / px * px);
}

int toPx(long long twips)
{
    return static_cast<int>(twips / px);
}

// Smallest sizes a tiny window still gets, so nothing becomes negative.
constexpr int kMinCellTwips = 8 * px;
constexpr int kMinListTwips = 0;

} // namespace

CalendarLayout CalculaLayoutCalendario(const CalendarLayoutInput &in)
{
    CalendarLayout out;
    const long long W = static_cast<long long>(in.width) * px;
    const long long H = static_cast<long long>(in.height) * px;
    const long long bh = static_cast<long long>(in.buttonHeight) * px;
    const long long bw = static_cast<long long>(in.buttonWidth) * px;
    const long long bTop = static_cast<long long>(in.buttonTop) * px;

    // Heights: the lists share what the bar, the header rows and the upcoming line leave.
    const long long a = H - bh - bh + 2 * px;
    const long long u = (a - 112 * px) / 7;
    long long L = snap((u - 16 * px) / 7 + u);
    L = std::max<long long>(L, kMinListTwips);

    // Widths: seven columns of C, neighbours sharing one pixel, centred.
    long long C = snap(std::llround((W - 32.0 * px) / 7.0)) + px;
    C = std::max<long long>(C, kMinCellTwips);
    const long long G = std::llround((W - 7 * C + 6 * px) / 2.0);
    const long long gridWidth = 7 * snap(C) - 6 * px;

    for (int i = 0; i < 8; ++i)
        out.buttons[i] = QRect(toPx(G + i * bw), toPx(bTop), toPx(bw), toPx(bh));
    const long long lineY = 2 * bTop + bh;
    out.line = QRect(toPx(G), toPx(lineY), toPx(gridWidth), 1);

    const long long frameW = static_cast<long long>(in.frameWidth) * px;
    const long long frameTop = lineY + px;
    out.frame = QRect(toPx(snap((W - frameW) / 2)), toPx(frameTop), in.frameWidth, toPx(bh));

    const long long rowHeight = snap(16 * px);
    const long long headerTop = frameTop + bh;
    long long x = G;
    for (int c = 0; c < 7; ++c) {
        const long long left = snap(x) - c * px;
        out.weekdays[c] = QRect(toPx(left), toPx(headerTop), toPx(snap(C)), toPx(rowHeight));
        const long long dayTop = headerTop + rowHeight - px;
        out.days[c] = QRect(toPx(left), toPx(dayTop), toPx(snap(C)), toPx(rowHeight));
        out.lists[c] = QRect(toPx(left), toPx(dayTop + rowHeight - px), toPx(snap(C)), toPx(L));
        x += snap(C);
    }
    for (int i = 7; i < 42; ++i) {
        const QRect &above = out.lists[i - 7];
        const int dayTop = above.top() + above.height() - 1;
        out.days[i] = QRect(out.weekdays[i % 7].left(), dayTop, toPx(snap(C)), toPx(rowHeight));
        out.lists[i] =
            QRect(out.weekdays[i % 7].left(), dayTop + toPx(rowHeight) - 1, toPx(snap(C)), toPx(L));
    }

    // The Today line sits halfway between the separator and the weekday header.
    const int middle =
        static_cast<int>(std::lround((out.line.top() + out.weekdays[0].top()) / 2.0)) - 1;
    const int todayTop = middle - in.todayHeight / 2;
    out.today = QRect(toPx(G), todayTop, std::max(0, toPx(gridWidth) / 2), in.todayHeight);
    const int lineRight = out.line.left() + out.line.width();
    out.reminder = QRect(lineRight - in.reminderWidth, todayTop, in.reminderWidth, in.todayHeight);

    const QRect &last = out.lists[41];
    const int lastBottom = last.top() + last.height();
    const int upcomingTop =
        lastBottom +
        toPx(snap(static_cast<long long>(in.height - lastBottom - in.upcomingHeight) * px / 2));
    out.upcoming = QRect(toPx(G), upcomingTop, 7 * out.days[0].width() - 6, in.upcomingHeight);

    out.cellWidth = toPx(C);
    out.gridLeft = toPx(G);
    out.gridWidth = toPx(gridWidth);
    out.listHeight = toPx(L);
    return out;
}
