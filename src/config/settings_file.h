#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

// How a value is held and written. The 16-bit types touch only the low 16 bits of a wider
// variable; every numeric form is read like scanf and written like printf with the format named.
enum class SettingType : int32_t {
    Word = 1,    // "%d", low 16 bits kept; written "%hd"
    Bool,        // TRUE or FALSE, any letter case
    Short,       // "%hd"
    Long,        // "%ld", 32 bits
    ShortOctal,  // "%ho"
    LongOctal,   // "%lo"
    ShortHex,    // "%hx"
    LongHex,     // "%lx"
    Float,       // "%g"
    Double,      // "%lg"
    String,      // the whole value
};

template <class E>
concept NumberedEnum = std::is_enum_v<E> && std::is_same_v<std::underlying_type_t<E>, int32_t>;

// A variable of an enumeration over 32 bits, read and written as its number.
class EnumTarget {
public:
    template <NumberedEnum E>
    EnumTarget(E* variable)
        : variable_(variable),
          get_([](const void* v) { return int32_t(*static_cast<const E*>(v)); }),
          set_([](void* v, int32_t number) { *static_cast<E*>(v) = E(number); }) {}

    int32_t get() const { return get_(variable_); }
    void set(int32_t number) const { set_(variable_, number); }

private:
    void* variable_;
    int32_t (*get_)(const void*);
    void (*set_)(void*, int32_t);
};

using SettingTarget =
    std::variant<bool*, uint16_t*, int16_t*, int32_t*, uint32_t*, float*, double*, std::string*, EnumTarget>;

// The values a numeric setting may take, both ends included.
struct SettingRange {
    int64_t least = INT64_MIN;
    int64_t most = INT64_MAX;
};

// Binds one key of a section to a variable. Several records may name one variable.
struct SettingBinding {
    const char* key;
    SettingType type;
    SettingTarget target;
    SettingRange range = {};  // numeric: a value read outside it is taken as its nearer end
    size_t maxLength = 0;     // String: characters kept on reading; 0 keeps all
};

// One whole load or one whole save of a settings file of "[Section]" headers and key=value
// lines. The file is UTF-16 little-endian with a byte-order mark and CR LF line ends; a file
// without the mark is read as UTF-16LE when its first line has every second byte zero, else
// as UTF-8 text. A value is everything after the key's "=", further "=" included.
class SettingsFile {
public:
    enum Mode { Read = 0, Write = 1 };

    // Read mode takes the file in whole; a missing or unreadable file reads as empty.
    SettingsFile(const std::string& path, Mode mode);

    bool isOpen() const { return open_; }

    // Stores every value of the section into the bound variables; a key that occurs twice
    // takes the later line. The section is "[Name]", matched case-sensitively at the start of
    // a line, or null for the lines before the first header. Values that do not parse leave
    // their variable as it was; numbers outside a record's range are brought to its nearer end.
    void readSection(std::span<const SettingBinding> table, const char* section);

    // Appends the section: an empty line when it is not the first, the header (unless null),
    // then one key=value line per record in table order.
    void writeSection(std::span<const SettingBinding> table, const char* section);

    // Write mode: replaces the file with what was written, through a temporary file in the
    // same folder that is flushed to disk and renamed over it. On failure the old file stays
    // as it was and the answer is false.
    bool commit();

private:
    std::string path_;
    Mode mode_;
    bool open_ = false;
    std::vector<std::string> lines_;  // Read: the file's lines as UTF-8
    std::string written_;             // Write: the file's text as UTF-8
};
