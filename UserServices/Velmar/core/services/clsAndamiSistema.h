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

    // The language: the stored number when it is 1, 2 or 5, otherwise 1.
    // Setting it also gives Qt's own dialogs that language.
    int32_t Idioma() const;
    void SetIdioma(int32_t value);
    // The user whose Login is the operating system's login name; 0 when
    // no user has it.
    int32_t Usuari() const { return usuari_; }
    void SetUsuari(int32_t value) { usuari_ = value; }
    // The project selected in the project window; 0 while none is.
    int32_t Projecte() const { return projecte_; }
    void SetProjecte(int32_t value) { projecte_ = value; }

private:
    int32_t idioma_ = 0;
    int32_t usuari_ = 0;
    int32_t projecte_ = 0;
};

}  // namespace velmar
