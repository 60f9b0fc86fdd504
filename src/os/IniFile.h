#pragma once
// The settings file: integer and Boolean values in sections of an INI file.
//
// Every call opens the file, reads or writes it and closes it again; nothing is kept
// between calls, so a write takes effect at once and two running programs share the file.
// A missing file, section, key or a value that is no number gives the default. A write
// the system refuses throws IniWriteError with the text
// "In <path> kann nicht geschrieben werden"; a caller writing several values lets the
// exception end its batch.
//
// Will derive from the component base once the framework exists; for now a plain class.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace os {

class IniWriteError : public std::runtime_error {
public:
    explicit IniWriteError(const std::string& path);
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

class IniFile {
public:
    explicit IniFile(std::string path) : path_(std::move(path)) {}

    const std::string& Path() const { return path_; }

    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const;
    // An integer read with the default 1 or 0; true when it is not 0.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
    // The value text, blanks trimmed and cut to 2047 characters; nullopt when missing.
    std::optional<std::string> ReadString(std::string_view section, std::string_view key) const;

    void WriteInteger(std::string_view section, std::string_view key, int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);  // "1" / "0"
    void WriteString(std::string_view section, std::string_view key, std::string_view value);

private:
    std::string path_;
};

// Velmora.ini in the executable's folder.
std::string SettingsFilePath();
IniFile SettingsFile();

}  // namespace os
