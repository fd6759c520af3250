// A data object that records what the entity layer asks of it, registered
// under "Dravik.clsBD" in place of the real one for the life of a
// RecordingDataLayer.
#pragma once

#include <string>
#include <vector>

#include "Com/Object.h"

namespace quossatest {

struct Recording {
    struct Sent {
        std::string operation;        // ConsultaXML, ExecutaSQL, UpdateXML, BeginTransaction, ...
        std::string text;             // the SQL text or change set
        com::ObjectRef transaction;   // IdTransaccio the data object held
    };
    std::vector<Sent> sent;

    // What every data object answers.
    std::string answer = "<xml rows='0'/>";  // text of ConsultaXML
    com::ObjectRef connection;               // result of the transaction operations
    int32_t failWith = 0;                    // NumError after each call; 0: success
    std::string failTrail;                   // UbicacioError when failing

    std::vector<std::string> texts() const;
};

class RecordingDataLayer {
public:
    RecordingDataLayer();
    ~RecordingDataLayer();
    RecordingDataLayer(const RecordingDataLayer&) = delete;
    RecordingDataLayer& operator=(const RecordingDataLayer&) = delete;

    Recording recording;
};

// An object that stands for an open connection.
com::ObjectRef FakeConnection();

}  // namespace quossatest
