// The Yes/No questions a test's windows ask: each is kept in `asked` and
// answered with `answer`, for as long as the object lives.
#pragma once

#include <string>
#include <vector>

#include "core/services/Dialogs.h"

class QuestionFixture {
public:
    QuestionFixture() {
        previous_ = velmar::dialogs::SetYesNoHandler([this](const std::string& text) {
            asked.push_back(text);
            return answer;
        });
    }
    ~QuestionFixture() { velmar::dialogs::SetYesNoHandler(previous_); }
    QuestionFixture(const QuestionFixture&) = delete;
    QuestionFixture& operator=(const QuestionFixture&) = delete;

    std::vector<std::string> asked;
    bool answer = true;

private:
    velmar::dialogs::YesNoHandler previous_;
};
