// Passwords are kept only as a salted, deliberately slow hash (Argon2id,
// in the self-describing text form that carries its salt and cost), never
// as typed.
#pragma once

#include <string>

namespace velmar {

// A new hash of `contrasenya`, with a salt of its own: hashing the same
// password twice gives two different texts. Raises 7 (out of memory) when
// the hash cannot be computed.
std::string HashPassword(const std::string& contrasenya);

// Whether `resum` is a hash made by HashPassword of `contrasenya`;
// false for any text that is no such hash.
bool VerifyPassword(const std::string& resum, const std::string& contrasenya);

}  // namespace velmar
