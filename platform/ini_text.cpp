#include "platform/ini_text.h"

#include <algorithm>
#include <optional>
#include <vector>

// QSettings keeps text as UTF-16 and escapes it code unit by code unit, so both directions
// work on UTF-16 and turn it into UTF-8 only at the edges, as QString does.

namespace quintaro {

namespace {

constexpr char16_t replacementCharacter = 0xFFFD;

// Length of the well-formed UTF-8 sequence at text[at], or 0 when none starts there.
std::size_t utf8SequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t n) { return static_cast<unsigned char>(text[at + n]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    } else {
        return 0;
    }
    if (text.size() - at < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t n = 2; n < length; ++n)
        if ((byte(n) & 0xC0) != 0x80)
            return 0;
    return length;
}

bool isValidUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = utf8SequenceLength(text, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

// Like QString::fromUtf8: every byte that starts no well-formed sequence becomes U+FFFD.
void appendUtf16(std::u16string& out, std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = utf8SequenceLength(text, at);
        if (length == 0) {
            out += replacementCharacter;
            ++at;
            continue;
        }
        char32_t code = static_cast<unsigned char>(text[at]);
        if (length > 1)
            code &= 0x3F >> (length - 1);
        for (std::size_t n = 1; n < length; ++n)
            code = code << 6 | (static_cast<unsigned char>(text[at + n]) & 0x3F);
        if (code >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            out += static_cast<char16_t>(code);
        }
        at += length;
    }
}

std::u16string toUtf16(std::string_view text) {
    std::u16string out;
    appendUtf16(out, text);
    return out;
}

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The UTF-8 of text[at], or of the pair starting there (then `at` moves past it). Like
// QString::toUtf8, a surrogate without its partner becomes '?'.
void appendUtf8(std::string& out, std::u16string_view text, std::size_t& at) {
    char32_t code = text[at];
    if (isHighSurrogate(text[at]) && at + 1 < text.size() && isLowSurrogate(text[at + 1])) {
        code = 0x10000 + ((code - 0xD800) << 10) + (text[at + 1] - 0xDC00);
        ++at;
    } else if (isHighSurrogate(text[at]) || isLowSurrogate(text[at])) {
        code = '?';
    }
    const auto put = [&](char32_t bits) { out += static_cast<char>(bits); };
    if (code < 0x80) {
        put(code);
    } else if (code < 0x800) {
        put(0xC0 | code >> 6);
        put(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        put(0xE0 | code >> 12);
        put(0x80 | (code >> 6 & 0x3F));
        put(0x80 | (code & 0x3F));
    } else {
        put(0xF0 | code >> 18);
        put(0x80 | (code >> 12 & 0x3F));
        put(0x80 | (code >> 6 & 0x3F));
        put(0x80 | (code & 0x3F));
    }
}

std::string toUtf8(std::u16string_view text) {
    std::string out;
    for (std::size_t at = 0; at < text.size(); ++at)
        appendUtf8(out, text, at);
    return out;
}

template <typename Char> bool isAsciiSpace(Char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

template <typename Char> std::basic_string_view<Char> trimmed(std::basic_string_view<Char> text) {
    while (!text.empty() && isAsciiSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isAsciiSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

int hexValue(char16_t c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isAsciiAlphanumeric(char16_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool equalsIgnoringAsciiCase(std::string_view text, std::string_view lowercase) {
    return text.size() == lowercase.size() &&
           std::equal(text.begin(), text.end(), lowercase.begin(), [](char a, char b) {
               return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b;
           });
}

void appendEscapedKey(std::string& out, std::u16string_view key) {
    static constexpr char hexDigits[] = "0123456789ABCDEF";
    for (const char16_t c : key) {
        if (c == '/') {
            out += '\\';
        } else if (isAsciiAlphanumeric(c) || c == '_' || c == '-' || c == '.') {
            out += static_cast<char>(c);
        } else if (c <= 0xFF) {
            out += '%';
            out += hexDigits[c >> 4];
            out += hexDigits[c & 0xF];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += hexDigits[(c >> shift) & 0xF];
        }
    }
}

// The number QString::toUShort(&ok, 16) reads from the digits of a key's "%XX" or
// "%UXXXX": it also takes blanks around them, a '+' and a "0x" in front.
std::optional<char16_t> keyEscapeValue(std::u16string_view digits) {
    digits = trimmed(digits);
    if (digits.starts_with(u'+'))
        digits.remove_prefix(1);
    if (digits.starts_with(u"0x") || digits.starts_with(u"0X"))
        digits.remove_prefix(2);
    if (digits.empty())
        return std::nullopt;
    char16_t value = 0;
    for (const char16_t c : digits) {
        if (hexValue(c) < 0)
            return std::nullopt;
        value = static_cast<char16_t>(value * 16 + hexValue(c));
    }
    return value;
}

// A '%' that starts no readable escape stays as it is.
std::u16string unescapedKey(std::string_view escaped) {
    const std::u16string text = toUtf16(escaped);
    std::u16string key;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == '\\') {
            key += u'/';
            ++at;
            continue;
        }
        if (text[at] != '%' || at + 1 == text.size()) {
            key += text[at++];
            continue;
        }
        const bool wide = text[at + 1] == 'U';
        const std::size_t first = at + (wide ? 2 : 1);
        const std::size_t count = wide ? 4 : 2;
        const std::optional<char16_t> unit =
            first + count <= text.size()
                ? keyEscapeValue(std::u16string_view(text).substr(first, count))
                : std::nullopt;
        if (!unit) {
            key += u'%';
            ++at;
            continue;
        }
        key += *unit;
        at = first + count;
    }
    return key;
}

void appendLowercaseHex(std::string& out, unsigned value) {
    static constexpr char hexDigits[] = "0123456789abcdef";
    std::string digits;
    do {
        digits.insert(digits.begin(), hexDigits[value % 16]);
        value /= 16;
    } while (value != 0);
    out += digits;
}

std::optional<char> simpleEscape(char16_t c) {
    switch (c) {
    case 0x07:
        return 'a';
    case '\b':
        return 'b';
    case '\f':
        return 'f';
    case '\n':
        return 'n';
    case '\r':
        return 'r';
    case '\t':
        return 't';
    case '\v':
        return 'v';
    default:
        return std::nullopt;
    }
}

// A string QSettings keeps as a string: one with a NUL in it as @String(...), one that
// starts with '@' with that '@' doubled, so neither reads as another type.
std::u16string storedForm(std::u16string text) {
    if (text.find(u'\0') != std::u16string::npos)
        return u"@String(" + text + u")";
    if (text.starts_with(u'@'))
        text.insert(text.begin(), u'@');
    return text;
}

// After a "\x.." or "\0", a following hex digit is escaped too, or it would be read as part
// of the number. The value is quoted when it holds a separator or starts or ends blank.
void appendEscapedValue(std::string& out, std::u16string_view value) {
    const std::size_t start = out.size();
    bool needsQuotes = false;
    bool escapeNextHexDigit = false;
    for (std::size_t at = 0; at < value.size(); ++at) {
        const char16_t c = value[at];
        if (c == ';' || c == ',' || c == '=')
            needsQuotes = true;
        if (escapeNextHexDigit && hexValue(c) >= 0) {
            out += "\\x";
            appendLowercaseHex(out, c);
            continue;
        }
        escapeNextHexDigit = false;
        if (c == 0) {
            out += "\\0";
            escapeNextHexDigit = true;
        } else if (const std::optional<char> letter = simpleEscape(c)) {
            out += '\\';
            out += *letter;
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c <= 0x1F) {
            out += "\\x";
            appendLowercaseHex(out, c);
            escapeNextHexDigit = true;
        } else {
            appendUtf8(out, value, at);
        }
    }
    if (needsQuotes || (out.size() > start && (out[start] == ' ' || out.back() == ' '))) {
        out.insert(out.begin() + static_cast<std::ptrdiff_t>(start), '"');
        out += '"';
    }
}

std::optional<char16_t> unescapedLetter(char c) {
    switch (c) {
    case 'a':
        return 0x07;
    case 'b':
        return '\b';
    case 'f':
        return '\f';
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    case 'v':
        return '\v';
    case '"':
    case '?':
    case '\'':
    case '\\':
        return c;
    default:
        return std::nullopt;
    }
}

// What QSettings makes of the text after '='. An unquoted comma makes it a list.
struct RawValue {
    std::u16string text;
    std::vector<std::u16string> items;
    bool isList = false;
};

// Unquoted trailing blanks go, back to `limit`, where the last escape or quote ended.
void chopTrailingBlanks(std::u16string& text, std::size_t limit) {
    while (text.size() > limit && (text.back() == ' ' || text.back() == '\t'))
        text.pop_back();
}

// Mirrors QSettings' reading of a value, quirks included: an unknown escape drops the one
// byte after the backslash; numeric escapes wrap at 16 bits; a value ending in a bare
// backslash or "\x" keeps its trailing blanks.
RawValue unescapedValue(std::string_view text) {
    RawValue raw;
    std::u16string& current = raw.text;
    bool inQuotes = false;
    bool currentIsQuoted = false;
    bool chopAtEnd = true;
    std::size_t at = 0;
    const auto skipBlanks = [&] {
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
            ++at;
    };
    const auto readNumber = [&](unsigned base) {
        char16_t number = 0;
        while (at < text.size() && hexValue(text[at]) >= 0 &&
               static_cast<unsigned>(hexValue(text[at])) < base)
            number = static_cast<char16_t>(number * base + hexValue(text[at++]));
        current += number;
    };
    skipBlanks();
    std::size_t chopLimit = 0;
    while (at < text.size()) {
        const char c = text[at];
        if (c == '\\') {
            if (++at == text.size()) {
                chopAtEnd = false;
                break;
            }
            const char escaped = text[at++];
            if (const std::optional<char16_t> letter = unescapedLetter(escaped)) {
                current += *letter;
            } else if (escaped == 'x') {
                if (at == text.size()) {
                    chopAtEnd = false;
                    break;
                }
                if (hexValue(text[at]) >= 0)
                    readNumber(16);
            } else if (escaped >= '0' && escaped <= '7') {
                --at;
                readNumber(8);
            }
            chopLimit = current.size();
        } else if (c == '"') {
            ++at;
            currentIsQuoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipBlanks();
                chopLimit = current.size();
            }
        } else if (c == ',' && !inQuotes) {
            if (!currentIsQuoted)
                chopTrailingBlanks(current, chopLimit);
            raw.isList = true;
            raw.items.push_back(std::move(current));
            current.clear();
            currentIsQuoted = false;
            ++at;
            skipBlanks();
            chopLimit = 0;
        } else {
            const std::size_t end = text.find_first_of("\\\",", at + 1);
            appendUtf16(current, text.substr(at, end - at));
            at = end == std::string_view::npos ? text.size() : end;
        }
    }
    if (chopAtEnd && !currentIsQuoted)
        chopTrailingBlanks(current, chopLimit);
    if (raw.isList)
        raw.items.push_back(std::move(current));
    return raw;
}

// How many arguments QSettings finds in "@Rect(1 2 3 4)", from the '(' at `open` on.
std::size_t argumentCount(std::u16string_view text, std::size_t open) {
    const std::u16string_view arguments = text.substr(open + 1);
    return static_cast<std::size_t>(std::count(arguments.begin(), arguments.end(), u' ') +
                                    std::count(arguments.begin(), arguments.end(), u')'));
}

// The value as text, or nothing when QSettings reads it as another type (a rectangle, a
// byte array, a serialised variant, a list with such an item) or as no value at all.
std::optional<std::u16string> textOf(const RawValue& raw) {
    if (raw.isList) {
        std::u16string joined;
        for (std::size_t n = 0; n < raw.items.size(); ++n) {
            std::u16string_view item = raw.items[n];
            if (item.starts_with(u'@')) {
                if (!item.starts_with(u"@@"))
                    return std::nullopt;
                item.remove_prefix(1);
            }
            if (n != 0)
                joined += u',';
            joined += item;
        }
        return joined;
    }
    std::u16string_view text = raw.text;
    if (text.starts_with(u'@') && text.ends_with(u')')) {
        if (text.starts_with(u"@String("))
            return std::u16string(text.substr(8, text.size() - 9));
        if (text.starts_with(u"@ByteArray(") || text.starts_with(u"@Variant(") ||
            text.starts_with(u"@DateTime(") || text == u"@Invalid()" ||
            (text.starts_with(u"@Rect(") && argumentCount(text, 5) == 4) ||
            (text.starts_with(u"@Size(") && argumentCount(text, 5) == 2) ||
            (text.starts_with(u"@Point(") && argumentCount(text, 6) == 2))
            return std::nullopt;
    }
    if (text.starts_with(u"@@"))
        text.remove_prefix(1);
    return std::u16string(text);
}

// One line as QSettings splits it: its text up to a comment, and its first '=' outside
// quotes.
struct LineShape {
    std::string_view content;
    std::size_t equals = std::string_view::npos;
    // An open quote or a final backslash: QSettings would read on into the next line.
    bool runsOn = false;
};

LineShape shapeOf(std::string_view line) {
    LineShape shape;
    std::size_t start = 0;
    while (start < line.size() && (line[start] == ' ' || line[start] == '\t'))
        ++start;
    bool inQuotes = false;
    std::size_t at = start;
    for (; at < line.size(); ++at) {
        const char c = line[at];
        if (c == '=' && !inQuotes && shape.equals == std::string_view::npos) {
            shape.equals = at - start;
        } else if (c == '\\') {
            if (at + 1 == line.size())
                shape.runsOn = true;
            ++at;
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == ';' && !inQuotes) {
            break;
        }
    }
    shape.runsOn = shape.runsOn || inQuotes;
    shape.content = line.substr(start, std::min(at, line.size()) - start);
    return shape;
}

// The prefix a section gives its keys: none for [General], "Name/" otherwise.
std::u16string groupPrefix(std::string_view section) {
    if (equalsIgnoringAsciiCase(section, "general"))
        return {};
    if (equalsIgnoringAsciiCase(section, "%general"))
        return toUtf16(section.substr(1)) + u'/';
    return unescapedKey(section) + u'/';
}

// Reads one line into `values`; false when it is damaged. `group` is the current section's
// prefix, or nothing after a section line too damaged to name one.
bool readLine(std::string_view line, std::optional<std::u16string>& group, IniValues& values) {
    const bool readable = line.find('\0') == std::string_view::npos && isValidUtf8(line);
    const LineShape shape = shapeOf(line);
    const std::string_view content = shape.content;
    if (content.empty())
        return readable;
    if (content.front() == '[') {
        if (!readable) {
            group.reset();
            return false;
        }
        // Like QSettings, a section line without its ']' still starts that section, so the
        // keys under it do not land in the section before.
        const std::size_t close = content.find(']');
        group = groupPrefix(trimmed(content.substr(1, close - 1)));
        return close != std::string_view::npos && trimmed(content.substr(close + 1)).empty() &&
               !shape.runsOn;
    }
    if (!readable || shape.runsOn || shape.equals == std::string_view::npos || !group)
        return false;
    const std::string_view escapedKey = trimmed(content.substr(0, shape.equals));
    if (escapedKey.empty())
        return false;
    const std::string key = toUtf8(*group + unescapedKey(escapedKey));
    const std::optional<std::u16string> value =
        textOf(unescapedValue(content.substr(shape.equals + 1)));
    if (!value || !isIniKey(key))
        return false;
    values[key] = toUtf8(*value);
    return true;
}

std::string sectionLine(std::u16string_view section) {
    std::string escaped;
    appendEscapedKey(escaped, section);
    if (escaped.empty())
        return "[General]\n";
    // QSettings writes "[%General]" for any casing of the name; the name's own casing reads
    // back the same.
    if (equalsIgnoringAsciiCase(escaped, "general"))
        return "[%" + escaped + "]\n";
    return "[" + escaped + "]\n";
}

} // namespace

bool isIniKey(std::string_view key) {
    return !key.empty() && !key.starts_with('/') && !key.ends_with('/') &&
           key.find("//") == std::string_view::npos;
}

IniReading readIniText(std::string_view text) {
    IniReading reading;
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    std::optional<std::u16string> group = std::u16string();
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\n\r");
        if (!readLine(text.substr(0, end), group, reading.values))
            ++reading.damagedLines;
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return reading;
}

std::string writeIniText(const IniValues& values) {
    struct Entry {
        std::u16string section;
        std::u16string name;
        const std::string* value;
    };
    std::vector<Entry> entries;
    for (const auto& [key, value] : values) {
        if (!isIniKey(key))
            continue;
        std::u16string name = toUtf16(key);
        const std::size_t slash = name.find(u'/');
        std::u16string section;
        if (slash != std::u16string::npos) {
            section = name.substr(0, slash);
            name.erase(0, slash + 1);
        }
        entries.push_back({std::move(section), std::move(name), &value});
    }
    // QSettings orders a new file's sections, and the keys in each, as QString sorts them:
    // by UTF-16 code unit.
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.section != b.section ? a.section < b.section : a.name < b.name;
    });
    std::string text;
    for (std::size_t n = 0; n < entries.size(); ++n) {
        const Entry& entry = entries[n];
        if (n == 0 || entry.section != entries[n - 1].section) {
            if (n != 0)
                text += '\n';
            text += sectionLine(entry.section);
        }
        appendEscapedKey(text, entry.name);
        text += '=';
        appendEscapedValue(text, storedForm(toUtf16(*entry.value)));
        text += '\n';
    }
    return text;
}

} // namespace quintaro
