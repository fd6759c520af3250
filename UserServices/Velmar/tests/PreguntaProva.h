// The Yes/No questions a test's windows ask: each is kept in `asked` and
// answered with `answer`, for as long as the object lives.
#pragma once

#include <string>
#include <vector>

#include "core/Dialegs.h"

class PreguntaProva {
public:
    PreguntaProva() {
        previous_ = velmar::dialegs::SetPreguntaHandler([this](const std::string& text) {
            asked.push_back(text);
            return answer;
        });
    }
    ~PreguntaProva() { velmar::dialegs::SetPreguntaHandler(previous_); }
    PreguntaProva(const PreguntaProva&) = delete;
    PreguntaProva& operator=(const PreguntaProva&) = delete;

    std::vector<std::string> asked;
    bool answer = true;

private:
    velmar::dialegs::PreguntaHandler previous_;
};
