// What the dialogs need of the server side: a sample database of the test's
// own (SQLite unless a test asks for another engine) behind Dravik.INI, a collector of the test's own, and the
// message boxes captured instead of shown.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Ado/Connection.h"
#include "core/Dialegs.h"
#include "support/CollectorSandbox.h"
#include "support/DravikSettings.h"
#include "support/Files.h"
#include "support/SampleDatabase.h"

class SessioProva {
public:
    explicit SessioProva(testsupport::Engine engine = testsupport::Engine::SQLite)
        : db_(testsupport::SampleDatabase(engine)) {
        previous_ = velmar::dialegs::SetMissatgeHandler([this](const std::string& text) { shown.push_back(text); });
    }
    ~SessioProva() { velmar::dialegs::SetMissatgeHandler(previous_); }

    void execute(const std::string& sql) {
        ado::Connection c;
        c.Open(db_->connectionString());
        c.Execute(sql);
    }

    std::vector<std::string> shown;

private:
    testsupport::CollectorSandbox collector_;
    std::unique_ptr<testsupport::TestDatabase> db_;
    testsupport::ScopedFile dravikIni_{testsupport::DravikIni(), testsupport::DravikSettings(db_->connectionString())};
    velmar::dialegs::MissatgeHandler previous_;
};
