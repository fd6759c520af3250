#include "core/services/PasswordHash.h"

#include <sodium.h>

#include "Com/ComError.h"

namespace velmar {
namespace {

void Start() {
    static const bool ready = sodium_init() >= 0;
    if (!ready) com::Raise(com::err::OutOfMemory);
}

}  // namespace

std::string HashPassword(const std::string& contrasenya) {
    Start();
    char resum[crypto_pwhash_STRBYTES];
    // The interactive limits: a fraction of a second and 64 MiB on a
    // desktop, as a dialog the user waits on allows.
    if (crypto_pwhash_str(resum, contrasenya.data(), contrasenya.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        com::Raise(com::err::OutOfMemory);
    return resum;
}

bool VerifyPassword(const std::string& resum, const std::string& contrasenya) {
    Start();
    // The hash must fit the buffer the library reads it from, terminator
    // included.
    if (resum.size() >= crypto_pwhash_STRBYTES) return false;
    return crypto_pwhash_str_verify(resum.c_str(), contrasenya.data(), contrasenya.size()) == 0;
}

}  // namespace velmar
