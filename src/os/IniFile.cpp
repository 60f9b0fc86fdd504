#include "os/IniFile.h"

#include <sys/stat.h>

#include <cerrno>

#include "base/Encoding.h"
#include "os/ExecutablePath.h"
#include "os/FileReplace.h"
#include "os/FileText.h"
#include "os/IniDocument.h"
#include "os/IniNumber.h"

namespace os {
namespace {

// A settings file is small; anything beyond this is not one and reads as empty.
constexpr size_t kMaxSettingsBytes = 16 << 20;

IniDocument LoadDocument(const std::string& path) {
    std::optional<std::string> bytes = ReadFileText(path, kMaxSettingsBytes);
    return IniDocument(bytes ? std::move(*bytes) : std::string());
}

// The document a write starts from. A file that exists but cannot be read whole is
// refused: writing it back from what could be read would lose the rest.
IniDocument LoadDocumentForWrite(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT) return IniDocument();
        throw IniWriteError(path);
    }
    std::optional<std::string> bytes = ReadFileText(path, kMaxSettingsBytes + 1);
    if (!bytes || bytes->size() > kMaxSettingsBytes) throw IniWriteError(path);
    return IniDocument(std::move(*bytes));
}

}  // namespace

IniWriteError::IniWriteError(const std::string& path)
    : std::runtime_error("In " + path + " kann nicht geschrieben werden"), path_(path) {}

std::optional<std::string> IniFile::ReadString(std::string_view section, std::string_view key) const {
    std::optional<std::string> value = LoadDocument(path_).Value(section, key);
    if (!value) return std::nullopt;
    // Blanks trimmed, then at most 2047 characters (not bytes: the file's characters are
    // single bytes, their UTF-8 forms may be longer).
    std::string_view trimmed = *value;
    while (!trimmed.empty() && (trimmed.front() == ' ' || trimmed.front() == '\t')) trimmed.remove_prefix(1);
    while (!trimmed.empty() && (trimmed.back() == ' ' || trimmed.back() == '\t')) trimmed.remove_suffix(1);
    size_t end = 0;
    for (size_t count = 0; count < kIniValueMaxChars && end < trimmed.size(); ++count) base::Utf8Next(trimmed, end);
    return std::string(trimmed.substr(0, end));
}

int32_t IniFile::ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const {
    std::optional<std::string> value = LoadDocument(path_).Value(section, key);
    if (!value) return defaultValue;
    return ParseIniInteger(*value).value_or(defaultValue);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    IniDocument document = LoadDocumentForWrite(path_);
    document.SetValue(section, key, value);
    if (!ReplaceFileContents(path_, document.Bytes())) throw IniWriteError(path_);
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

std::string SettingsFilePath() { return ExecutableFolder() + "Velmora.ini"; }

IniFile SettingsFile() { return IniFile(SettingsFilePath()); }

}  // namespace os
