// The collector class: clients register their transaction connections with
// AfegeixConnexio; the process-level state (ModulPublic) keeps them and
// sweeps them. Creating or releasing a collector object changes nothing of
// that state.
#pragma once

#include <optional>
#include <string>

#include "Com/ErrorProperties.h"
#include "Com/Object.h"
#include "MoruneNames.h"

namespace morune {

class clsDeixalla : public com::Dispatch<clsDeixalla>, public base::ErrorFields {
public:
    static constexpr std::string_view kClassName = names::clsDeixalla;
    static const com::Members<clsDeixalla>& Interface();

    // "Dravik/Dravik.INI" in the folder above the program's own.
    static std::string RutaArxiuIni();
    // Registers `cntConnexio` (a connection, or Empty for none); the first
    // registration of an idle collector reads the settings and sets it up.
    void AfegeixConnexio(const com::Variant& cntConnexio);
    // The same for a connection registered `lngAge` ms ago: its age counts
    // from then. By name it takes two more arguments, by reference, that
    // receive NumError and UbicacioError, so that a registration is one
    // call: how the data access service registers a new transaction, and
    // registers again, with the next collector, the transactions of a
    // collector that went away. A connection registered already stays as
    // it is: registering again is harmless.
    void AddConnectionWithAge(const com::Variant& cntConnexio, int32_t lngAge);
    // The same for a connection whose owner went away inside its
    // transaction (the client of an object server): the next sweep rolls
    // it back and closes it, whatever its age. Reports as
    // AddConnectionWithAge does.
    void AddAbandonedConnection(const com::Variant& cntConnexio);
    // With the collections absent, makes them empty and numbers from 0;
    // otherwise nothing. Reports nothing.
    void InfoClasseDeixalla();
    std::string ConsultaArxiuIni(const std::string& strRutaArxiuIni, const std::string& strSeccio,
                                 const std::string& strClau);

private:
    // `age` in ms, or nothing for a connection already older than the
    // maximum.
    void registerConnection(const com::Variant& cntConnexio, std::optional<int64_t> age, bool again);
    // One of the two settings, read and taken to a whole number of ms.
    int32_t setting(const std::string& key);
};

}  // namespace morune
