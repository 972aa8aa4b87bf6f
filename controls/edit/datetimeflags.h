#pragma once

// The option bits of the date and time rules, in the one set of option bits that a date-and-time
// rule's date and time parts share.
enum DateTimeFlags : unsigned {
    DateOnly = 0x0100,       // date-and-time: the date alone
    TimeOnly = 0x0200,       // date-and-time: the time alone
    DayFirst = 0x1000,       // the day before the month
    TwentyFourHour = 0x2000, // no AM/PM symbol
    ShowSeconds = 0x4000,    // the seconds are part of the text
};
