#pragma once

#include <string>

namespace halvero {

// A local date and time as the page's "timestamp" meta line shows it.
struct Timestamp {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;
    int hour = 0; // 0..23
    int minute = 0;
    int second = 0;

    // Reads the local clock.
    static Timestamp now();

    // "yyyy/MM/dd" and "HH:MM:SS", zero-padded.
    std::string date() const;
    std::string time() const;
};

} // namespace halvero
