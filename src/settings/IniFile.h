// A private-profile ("INI") file held in memory: sections opened by a "[name]" line, each followed
// by "key=value" lines. It behaves like the system's private-profile functions where they can be
// observed, and keeps every byte it does not have to change.
//
// Reading
// - Section and key names match without regard to the case of ASCII letters; the bytes of code
//   page 932 double-byte characters match exactly (see Cp932Text.h).
// - A section line is "[name]" after optional blanks; the name ends at the first ']' that is not a
//   trail byte, blanks inside the brackets are dropped, anything after ']' is ignored.
// - A key line has a '=' and does not start with ';' (a comment) or '['; the key is the text before
//   the first '=' and the value the text after it, both without surrounding blanks (space, tab,
//   CR, VT, FF). Find gives that value as stored; ReadString and ReadInt, like the system's
//   functions, drop one pair of matching quotes ("..." or '...') around the whole of it.
// - Only the first section of a name and, within it, the first key of a name count. Lines before
//   the first section belong to no section.
// - Lines end at CR LF, LF or a CR alone (the system's functions read all three). A last line
//   without an end is a line too.
//
// Writing
// - An existing key keeps its line: the text after the '=' is replaced, so the name's spelling and
//   indentation and the line end stay.
// - A new key goes right after the last non-blank line of its section (comments and other lines
//   included), before any blank lines that end the section; a new section goes at the end of the
//   file, "[name]" then the key, with no blank line before it.
// - New lines end like the first line of the file that has an end (CRLF when there is none); a
//   last line without an end gets one before anything is placed after it.
// - Names and values that could not be read back as written are refused (the write returns false
//   and changes nothing): any CR, LF or NUL byte; an empty name, or one with surrounding blanks; a
//   section name with a ']' or ending in a lead byte (it would take the ']' as its trail byte); a
//   key with a '=' or starting with ';' or '['. A value's surrounding blanks are written but, as
//   with the system's functions, not read back.
//
// Integers (ReadInt): like GetPrivateProfileInt, which reads at most 29 characters of the unquoted
// value: control characters and blanks, an optional sign, then digits, in hexadecimal after "0x",
// octal after "0o", binary after "0b" and decimal otherwise, the rest of the value ignored. A
// missing key or an empty value gives the default; a value that does not start with a number reads
// as 0; values beyond 32 bits wrap around (modulo 2^32), as the system's do. Written integers are
// always decimal.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class IniFile {
  public:
    IniFile() = default;
    // Takes any bytes; Text() gives them back unchanged until something is written.
    explicit IniFile(std::string_view text);

    std::string Text() const;

    // The stored value (without surrounding blanks), or nothing when the section or key is missing.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    int32_t ReadInt(std::string_view section, std::string_view key, int32_t defaultValue) const;

    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    // Written in decimal, with a minus sign when negative.
    bool WriteInt(std::string_view section, std::string_view key, int32_t value);

    // Whether a write has changed the text since it was loaded.
    bool IsModified() const { return m_modified; }
    // Called once the text is saved: later writes count from here.
    void MarkSaved() { m_modified = false; }

  private:
    enum class LineEnd : uint8_t { kNone, kLf, kCrLf, kCr };
    enum class LineKind : uint8_t { kOther, kSection, kKey };
    // A line with its parse kept beside it: lookups compare names without parsing lines again.
    struct Line {
        Line(std::string lineText, LineEnd lineEnd);
        // Replaces the text after a key line's '='.
        void SetValue(std::string_view value);
        std::string_view Name() const { return std::string_view(text).substr(nameStart, nameLength); }
        std::string_view Value() const;

        std::string text;  // without its end
        LineEnd end;
        LineKind kind = LineKind::kOther;
        size_t nameStart = 0;  // the section or key name, without blanks
        size_t nameLength = 0;
        size_t valueStart = 0;  // kKey: just after the '='
    };

    // Index of the section's header line, or npos.
    size_t FindSection(std::string_view section) const;
    // Index of the key's line within the section whose header is at `header`, or npos.
    size_t FindKey(size_t header, std::string_view key) const;
    // Index after the section's last line (the next header or the end of the file).
    size_t SectionEnd(size_t header) const;
    LineEnd NewLineEnd() const;
    // Inserts a line before `at`, first giving the line in front of it an end if it has none.
    void InsertLine(size_t at, Line line);

    std::vector<Line> m_lines;
    bool m_modified = false;
};

// The integer a profile value stands for (see ReadInt above); the value is taken as found, quotes
// and all.
int32_t ParseProfileInt(std::string_view value);
// A value as ReadString gives it: one pair of matching quotes around the whole of it dropped.
std::string_view UnquoteProfileValue(std::string_view value);
