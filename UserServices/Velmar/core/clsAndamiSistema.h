// The session: the state the whole program shares. It holds the
// language, user and project numbers the windows read, and the transaction
// object through which every window's database transaction runs, so that
// all windows share one transaction.
#pragma once

#include <cstdint>

#include "Com/Object.h"

namespace velmar {

class clsAndamiSistema final : public com::Dispatch<clsAndamiSistema> {
public:
    static constexpr const char* kClassName = "clsAndamiSistema";
    static const com::Members<clsAndamiSistema>& Interface();

    // The session of the program, created on first use.
    static clsAndamiSistema& Instance();
    static com::ObjectRef InstanceRef();

    clsAndamiSistema();
    ~clsAndamiSistema() override;

    // The session's transaction object ("SVrTransaccions" of the support
    // layer), reached by member name.
    com::ObjectRef SySSessio;

    // Each reads back the stored number only when it is 1, 2 or 5; any
    // other gives the number of the installation's default.
    int32_t Idioma() const;
    int32_t Usuari() const;
    int32_t Projecte() const;
    void SetIdioma(int32_t value) { idioma_ = value; }
    void SetUsuari(int32_t value) { usuari_ = value; }
    void SetProjecte(int32_t value) { projecte_ = value; }

private:
    int32_t idioma_ = 0;
    int32_t usuari_ = 0;
    int32_t projecte_ = 0;
};

}  // namespace velmar
