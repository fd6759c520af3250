// What the dialogs need of the server side: a sample database of the
// test's own behind Dravik.INI (SQLite, or PostgreSQL where a test asks), a
// collector of the test's own, and the message boxes captured instead of
// shown.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Ado/Connection.h"
#include "core/services/Dialogs.h"
#include "support/CollectorSandbox.h"
#include "support/DravikSettings.h"
#include "support/Files.h"
#include "support/SampleDatabase.h"

class SessionFixture {
public:
    explicit SessionFixture(testsupport::Engine engine = testsupport::Engine::SQLite)
        : db_(testsupport::SampleDatabase(engine)),
          dravikIni_(testsupport::DravikIni(), testsupport::DravikSettings(db_->connectionString())) {
        previous_ = velmar::dialogs::SetMessageHandler([this](const std::string& text, const std::string& more) {
            shown.push_back(text);
            detalls.push_back(more);
        });
    }
    ~SessionFixture() { velmar::dialogs::SetMessageHandler(previous_); }

    void execute(const std::string& sql) {
        ado::Connection c;
        c.Open(db_->connectionString());
        c.Execute(sql);
    }

    const std::string& connectionString() const { return db_->connectionString(); }

    // The boxes shown: their texts, and what each showed only when asked.
    std::vector<std::string> shown;
    std::vector<std::string> detalls;

private:
    testsupport::CollectorSandbox collector_;
    std::unique_ptr<testsupport::TestDatabase> db_;
    testsupport::ScopedFile dravikIni_;
    velmar::dialogs::MessageHandler previous_;
};
