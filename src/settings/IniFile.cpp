#include "settings/IniFile.h"

#include <charconv>

#include "settings/Cp932Text.h"

namespace {

constexpr size_t kNone = std::string_view::npos;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// No trail byte of code page 932 is a blank (all lie at 0x40 and above), so trimming bytes from
// either end never splits a character.
std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool HasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != kNone;
}

// Offset of part within whole, which it views.
size_t OffsetIn(std::string_view whole, std::string_view part) {
    return static_cast<size_t>(part.data() - whole.data());
}

}  // namespace

// A section line is "[name]" after blanks; the name ends at the first ']' that is not a trail
// byte. A key line has a '=' and does not start with ';' or '['; neither ';' nor '[' nor '=' is
// ever a trail byte, so plain byte searches are safe there.
IniFile::Line::Line(std::string lineText, LineEnd lineEnd) : text(std::move(lineText)), end(lineEnd) {
    const std::string_view whole = text;
    std::string_view start = Trim(whole);
    if (start.empty() || start.front() == ';')
        return;
    std::string_view name;
    if (start.front() == '[') {
        start.remove_prefix(1);
        const size_t close = cp932::FindChar(start, ']');
        if (close == kNone)
            return;
        kind = LineKind::kSection;
        name = Trim(start.substr(0, close));
    } else {
        const size_t equals = whole.find('=');
        if (equals == kNone)
            return;
        kind = LineKind::kKey;
        name = Trim(whole.substr(0, equals));
        valueStart = equals + 1;
    }
    nameStart = OffsetIn(whole, name);
    nameLength = name.size();
}

std::string_view IniFile::Line::Value() const {
    return Trim(std::string_view(text).substr(valueStart));
}

void IniFile::Line::SetValue(std::string_view value) {
    text.replace(valueStart, kNone, value);
}

IniFile::IniFile(std::string_view text) {
    size_t start = 0;
    while (start < text.size()) {
        const size_t textEnd = text.find_first_of("\r\n", start);
        if (textEnd == kNone) {
            m_lines.emplace_back(std::string(text.substr(start)), LineEnd::kNone);
            break;
        }
        const bool crlf = text.compare(textEnd, 2, "\r\n") == 0;
        const LineEnd end = crlf ? LineEnd::kCrLf : text[textEnd] == '\n' ? LineEnd::kLf : LineEnd::kCr;
        m_lines.emplace_back(std::string(text.substr(start, textEnd - start)), end);
        start = textEnd + (crlf ? 2 : 1);
    }
}

std::string IniFile::Text() const {
    std::string text;
    size_t size = 0;
    for (const Line& line : m_lines)
        size += line.text.size() + 2;
    text.reserve(size);
    for (const Line& line : m_lines) {
        text += line.text;
        if (line.end == LineEnd::kCrLf)
            text += "\r\n";
        else if (line.end != LineEnd::kNone)
            text += line.end == LineEnd::kLf ? '\n' : '\r';
    }
    return text;
}

size_t IniFile::FindSection(std::string_view section) const {
    for (size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind == LineKind::kSection && cp932::EqualNoCase(m_lines[i].Name(), section))
            return i;
    }
    return kNone;
}

size_t IniFile::SectionEnd(size_t header) const {
    size_t i = header + 1;
    while (i < m_lines.size() && m_lines[i].kind != LineKind::kSection)
        ++i;
    return i;
}

size_t IniFile::FindKey(size_t header, std::string_view key) const {
    for (size_t i = header + 1; i < m_lines.size() && m_lines[i].kind != LineKind::kSection; ++i) {
        if (m_lines[i].kind == LineKind::kKey && cp932::EqualNoCase(m_lines[i].Name(), key))
            return i;
    }
    return kNone;
}

std::optional<std::string_view> IniFile::Find(std::string_view section, std::string_view key) const {
    const size_t header = FindSection(section);
    if (header == kNone)
        return std::nullopt;
    const size_t at = FindKey(header, key);
    if (at == kNone)
        return std::nullopt;
    return m_lines[at].Value();
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const {
    const std::optional<std::string_view> value = Find(section, key);
    return std::string(value ? UnquoteProfileValue(*value) : defaultValue);
}

int32_t IniFile::ReadInt(std::string_view section, std::string_view key, int32_t defaultValue) const {
    // The system reads the value as text into 30 characters first: quotes dropped, the rest cut.
    constexpr size_t kIntChars = 29;
    const std::optional<std::string_view> value = Find(section, key);
    const std::string_view text = value ? UnquoteProfileValue(*value) : std::string_view();
    if (text.empty())
        return defaultValue;
    return ParseProfileInt(text.substr(0, kIntChars));
}

IniFile::LineEnd IniFile::NewLineEnd() const {
    for (const Line& line : m_lines) {
        if (line.end != LineEnd::kNone)
            return line.end;
    }
    return LineEnd::kCrLf;
}

void IniFile::InsertLine(size_t at, Line line) {
    line.end = NewLineEnd();
    if (at > 0 && m_lines[at - 1].end == LineEnd::kNone)
        m_lines[at - 1].end = line.end;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    if (section.empty() || key.empty() || HasLineBreakOrNul(section) || HasLineBreakOrNul(key) ||
        HasLineBreakOrNul(value))
        return false;
    std::string headerText;
    headerText.append(1, '[').append(section).append(1, ']');
    std::string keyText;
    keyText.reserve(key.size() + 1 + value.size());
    keyText.append(key).append(1, '=').append(value);
    Line headerLine(std::move(headerText), LineEnd::kNone);
    Line keyLine(std::move(keyText), LineEnd::kNone);
    // Refuse names that would not read back as themselves: surrounding blanks, a ']' in a section
    // name, a '=' in a key or a key that starts like a comment or a section, or a section name
    // ending in a lead byte that would take the closing bracket as its trail byte.
    if (headerLine.kind != LineKind::kSection || headerLine.Name() != section || keyLine.kind != LineKind::kKey ||
        keyLine.Name() != key)
        return false;

    const size_t header = FindSection(section);
    if (header == kNone) {
        InsertLine(m_lines.size(), std::move(headerLine));
        InsertLine(m_lines.size(), std::move(keyLine));
        m_modified = true;
        return true;
    }
    const size_t at = FindKey(header, key);
    if (at != kNone) {
        Line& line = m_lines[at];
        if (std::string_view(line.text).substr(line.valueStart) != value) {
            line.SetValue(value);
            m_modified = true;
        }
        return true;
    }
    size_t after = SectionEnd(header);
    while (after > header + 1 && Trim(m_lines[after - 1].text).empty())
        --after;
    InsertLine(after, std::move(keyLine));
    m_modified = true;
    return true;
}

bool IniFile::WriteInt(std::string_view section, std::string_view key, int32_t value) {
    char digits[16];
    const std::to_chars_result result = std::to_chars(digits, digits + sizeof digits, value);
    return WriteString(section, key, std::string_view(digits, static_cast<size_t>(result.ptr - digits)));
}

int32_t ParseProfileInt(std::string_view value) {
    size_t i = 0;
    while (i < value.size() && static_cast<unsigned char>(value[i]) <= ' ')
        ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == '-' || value[i] == '+')) {
        negative = value[i] == '-';
        ++i;
    }
    // The prefixes of the system's string-to-integer conversion, lower case only.
    uint32_t base = 10;
    if (i + 1 < value.size() && value[i] == '0') {
        const char prefix = value[i + 1];
        base = prefix == 'x' ? 16 : prefix == 'o' ? 8 : prefix == 'b' ? 2 : 10;
        if (base != 10)
            i += 2;
    }
    uint32_t magnitude = 0;
    for (; i < value.size(); ++i) {
        const char c = value[i];
        const uint32_t digit = c >= '0' && c <= '9'   ? uint32_t(c - '0')
                               : c >= 'a' && c <= 'z' ? uint32_t(c - 'a' + 10)
                               : c >= 'A' && c <= 'Z' ? uint32_t(c - 'A' + 10)
                                                      : 36;
        if (digit >= base)
            break;
        magnitude = magnitude * base + digit;
    }
    // Unsigned arithmetic gives the wrap-around; the conversion back is modular in C++20.
    return static_cast<int32_t>(negative ? 0u - magnitude : magnitude);
}

std::string_view UnquoteProfileValue(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}
