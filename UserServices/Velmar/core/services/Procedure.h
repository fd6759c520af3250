// The error convention of a window's procedures (Base/Guard.h). A procedure
// runs under base::Guard on the window's fields and holds the window's
// helper (its clsFuncionsCapaInterficie) inside while it runs, so that a
// failure of the helper, of the support object (called through
// com::CallChecked) or of another procedure of the window goes on, with the
// trail gathered so far, to the handler of the procedure that was called
// from outside. That one keeps the
// number and appends "Velmar(exe) - <window> - <procedure>": no line after
// a call tests NumError.
#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "Base/Guard.h"
#include "Com/Object.h"
#include "core/clsFuncionsCapaInterficie/clsFuncionsCapaInterficie.h"

namespace velmar {

// Runs `body` as the procedure `member` of the window `nom`, whose fields
// are `finestra` and whose helper is `ajudant`. Called from outside, it
// clears the fields and, on failure, keeps the number and the trail and
// returns false. Called inside another procedure of the window, its failure
// goes on to that one, with its own entry added.
template <class Body>
bool RunProcedure(base::ErrorFields& finestra, clsFuncionsCapaInterficie& ajudant, std::string_view nom,
                 std::string_view member, Body&& body) {
    return base::Guard(finestra, {base::label::Velmar, nom}, member, false, [&] {
        const base::Nesting dins(ajudant);
        body();
        return true;
    });
}

// Shows the failure that `fallada` holds in the error box, in the session's
// language.
void ShowError(const base::ErrorFields& fallada);

// A procedure that a button or an event runs: a failure is shown once, and
// stays in the window's fields. An event that runs while another procedure
// of the window is under way shows its own failure too, and that procedure
// goes on.
template <class Body>
void RunShownProcedure(base::ErrorFields& finestra, clsFuncionsCapaInterficie& ajudant, std::string_view nom,
                        std::string_view member, Body&& body) {
    try {
        if (RunProcedure(finestra, ajudant, nom, member, std::forward<Body>(body))) return;
    } catch (const base::TrailError& fallada) {
        finestra.NumError = fallada.number();
        finestra.UbicacioError = fallada.trail();
    }
    ShowError(finestra);
}

// Runs `step` on a failure's way out of a procedure (rolling back, binding
// the controls again): a failure of its own is dropped, so that the one
// reported is the one that stopped the procedure.
template <class Step>
void OnExit(Step&& step) noexcept {
    try {
        step();
    } catch (...) {
    }
}

}  // namespace velmar
