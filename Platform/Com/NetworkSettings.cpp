#include "NetworkSettings.h"

#include <charconv>
#include <optional>

#include "Base/Text.h"
#include "ComError.h"
#include "Profile/PrivateProfile.h"
#include "Profile/SettingsReader.h"
#include "Registry.h"
#include "ServerName.h"

namespace com {

namespace {

constexpr std::chrono::milliseconds kDefaultCallWait{30000};

[[noreturn]] void Unusable(const std::string& what) {
    Raise(err::RemoteMachineUnavailable, NetworkSettingsPath() + ": " + what);
}

// The file, read once for all the values a reading takes from it.
using File = std::shared_ptr<const profile::ProfileFile>;

File Read() {
    File file = profile::ReadProfile(NetworkSettingsPath());
    if (!file) Unusable("the file is missing");
    return file;
}

// The value of `key`, "{mod}" replaced; nothing when absent or empty.
std::optional<std::string> Value(const File& file, std::string_view section, std::string_view key) {
    std::optional<std::string> value = file->value(section, key);
    if (!value || value->empty()) return std::nullopt;
    for (size_t at; (at = value->find(profile::kModuleMarker)) != std::string::npos;)
        value->replace(at, profile::kModuleMarker.size(), RegistryFolder());
    return value;
}

std::string Required(const File& file, std::string_view section, std::string_view key) {
    std::optional<std::string> value = Value(file, section, key);
    if (!value) Unusable("[" + std::string(section) + "] " + std::string(key) + " is missing");
    return *value;
}

// A whole number from 0 to `most`, or `fallback` when the key is absent.
uint32_t Number(const File& file, std::string_view section, std::string_view key, uint32_t most,
                uint32_t fallback) {
    const std::optional<std::string> value = Value(file, section, key);
    if (!value) return fallback;
    uint32_t number = 0;
    const auto [end, error] = std::from_chars(value->data(), value->data() + value->size(), number);
    if (error != std::errc() || end != value->data() + value->size() || number > most)
        Unusable("[" + std::string(section) + "] " + std::string(key) + " is not a number up to " +
                 std::to_string(most));
    return number;
}

SecuritySettings ReadSecurity(const File& file) {
    return {Required(file, "Security", "CA"), Required(file, "Security", "Certificate"),
            Required(file, "Security", "Key")};
}

}  // namespace

std::string NetworkSettingsPath() { return RegistryFolder() + "/Network.INI"; }

ClientSettings ReadClientSettings() {
    const File file = Read();
    SecuritySettings security = ReadSecurity(file);
    const uint32_t wait =
        Number(file, "Client", "CallWait", 3600000, static_cast<uint32_t>(kDefaultCallWait.count()));
    if (wait == 0) Unusable("[Client] CallWait must be more than 0");
    return {std::move(security), std::chrono::milliseconds(wait)};
}

ServerSettings ReadServerSettings() {
    const File file = Read();
    ServerSettings settings{ReadSecurity(file), Required(file, "ObjectServer", "Address"),
                            static_cast<uint16_t>(Number(file, "ObjectServer", "Port", 65535, kObjectServerPort)),
                            {}};
    const std::string libraries = Required(file, "ObjectServer", "Libraries");
    std::string_view list = libraries;
    for (size_t comma; !list.empty(); list.remove_prefix(comma == std::string_view::npos ? list.size() : comma + 1)) {
        comma = list.find(',');
        const std::string_view library = base::Trim(list.substr(0, comma));
        if (!library.empty()) settings.libraries.emplace_back(library);
    }
    if (settings.libraries.empty()) Unusable("[ObjectServer] Libraries names none");
    return settings;
}

}  // namespace com
