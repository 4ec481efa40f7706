#pragma once

#include <QRect>

#include <array>

// Where every control of the calendar window goes for a window size: the grid
// centred, seven equal columns that share a one-pixel border, the lists as
// high as the window allows. All values in logical pixels.
struct CalendarLayoutInput {
    int width = 0;  // inner width
    int height = 0; // inner height
    int buttonWidth = 75;
    int buttonHeight = 23;
    int buttonTop = 3;
    int frameWidth = 196; // the month and year selector
    int todayHeight = 16; // the Today and Reminder lines
    int reminderWidth = 0;
    int upcomingHeight = 16; // height of the upcoming line's text
};

struct CalendarLayout {
    std::array<QRect, 8> buttons;
    QRect line;     // the separator under the button bar
    QRect frame;    // month and year selector
    QRect today;    // Today line
    QRect reminder; // Reminder line
    std::array<QRect, 7> weekdays;
    std::array<QRect, 42> days;
    std::array<QRect, 42> lists;
    QRect upcoming; // the upcoming line's box (its text is centred in it later)
    int cellWidth = 0;
    int gridLeft = 0;
    int gridWidth = 0;
    int listHeight = 0;
};

CalendarLayout CalculaLayoutCalendario(const CalendarLayoutInput &in);
