// The settings of the object model between machines: "Network.INI" beside
// this library, every "{mod}" in a value standing for its folder.
//
//   [Security]      this machine's part in the installation's TLS
//     CA            the installation's certificate authority (PEM), which
//                   signs the certificate of every machine
//     Certificate   this machine's certificate (PEM), which it shows as a
//                   client and as an object server
//     Key           the certificate's private key (PEM), for nobody else
//   [Client]
//     CallWait      how long a call waits for an object server's reply to
//                   begin, in ms (30000 when absent)
//   [ObjectServer]  this machine's object server
//     Address       the one address it listens on
//     Port          its port (kObjectServerPort when absent; 0 for any
//                   free one, which it prints)
//     Libraries     the libraries whose classes it serves, separated by
//                   commas
//
// A client reads the file at every creation on another machine: a
// connection made with other settings is not used for new objects, so that
// new certificates take effect without a restart of the clients (files
// replaced under the same names, once the connection has been idle for a
// while, NetworkClient.h). The object server reads it once, as it starts.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace com {

struct SecuritySettings {
    std::string ca;
    std::string certificate;
    std::string key;
};

struct ClientSettings {
    SecuritySettings security;
    std::chrono::milliseconds callWait;
};

struct ServerSettings {
    SecuritySettings security;
    std::string address;
    uint16_t port;
    std::vector<std::string> libraries;
};

// Where the file is.
std::string NetworkSettingsPath();

// Each raises 462 naming the file and what is missing or wrong in it.
ClientSettings ReadClientSettings();
ServerSettings ReadServerSettings();

}  // namespace com
