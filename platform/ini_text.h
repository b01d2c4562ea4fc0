#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

namespace quintaro {

// Every value of one settings file by its key as QSettings names it: "Group/Sub/Name";
// a key outside any group has no slash. Keys and values are UTF-8.
using IniValues = std::map<std::string, std::string>;

struct IniReading {
    IniValues values;
    // Lines that could not be read and were left out.
    std::size_t damagedLines = 0;
};

// Never fails: every line that parses is kept; every other line is counted and skipped.
// A line Qt would join with the next one (an open quote, a final backslash) counts as
// damaged, and so does a value QSettings reads as something other than text (@Rect(...)).
IniReading readIniText(std::string_view text);

// The whole file's text, in the dialect QSettings (IniFormat, Qt 6) reads and writes.
// Keys that isIniKey refuses are left out: they could not be read back.
std::string writeIniText(const IniValues& values);

// Whether QSettings could name the key: not empty, and no empty part between slashes.
bool isIniKey(std::string_view key);

} // namespace quintaro
