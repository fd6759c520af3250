#include "RecordingClsBD.h"

#include "Com/Registry.h"

namespace quossatest {

namespace {

class RecordingClsBD : public com::Dispatch<RecordingClsBD> {
public:
    static constexpr const char* kClassName = "clsBD";
    explicit RecordingClsBD(Recording& recording) : recording_(recording) {}

    static const com::Members<RecordingClsBD>& Interface() {
        using Self = RecordingClsBD;
        static const com::Members<Self> m =
            com::Members<Self>()
                .property("NumError", [](Self& s) { return com::Variant(s.numError_); })
                .property("UbicacioError", [](Self& s) { return com::Variant(s.trail_); })
                .property("IdTransaccio", [](Self& s) { return com::Variant(s.transaction_); }, {},
                          [](Self& s, const com::Variant& v) { s.transaction_ = v.toObject(); })
                .method("ConsultaXML",
                        [](Self& s, com::Args a) {
                            return s.record("ConsultaXML", a, com::Variant(s.recording_.answer),
                                            com::Variant(std::string()));
                        })
                .method("ExecutaSQL",
                        [](Self& s, com::Args a) {
                            return s.record("ExecutaSQL", a, com::Variant(true), com::Variant(false));
                        })
                .method("UpdateXML",
                        [](Self& s, com::Args a) {
                            return s.record("UpdateXML", a, com::Variant(true), com::Variant(false));
                        })
                .method("BeginTransaction", [](Self& s, com::Args) { return s.transaction("BeginTransaction"); })
                .method("CommitTransaction", [](Self& s, com::Args) { return s.transaction("CommitTransaction"); })
                .method("RollBackTransaction",
                        [](Self& s, com::Args) { return s.transaction("RollBackTransaction"); });
        return m;
    }

private:
    com::Variant record(const char* operation, com::Args args, com::Variant success, com::Variant failure) {
        recording_.sent.push_back({operation, com::Arg(args, 0).toString(), transaction_});
        numError_ = recording_.failWith;
        trail_ = numError_ ? recording_.failTrail : std::string();
        return numError_ ? failure : success;
    }
    com::Variant transaction(const char* operation) {
        recording_.sent.push_back({operation, {}, transaction_});
        numError_ = recording_.failWith;
        trail_ = numError_ ? recording_.failTrail : std::string();
        return com::Variant(numError_ ? com::ObjectRef() : recording_.connection);
    }

    Recording& recording_;
    int32_t numError_ = 0;
    std::string trail_;
    com::ObjectRef transaction_;
};

class Connection : public com::Dispatch<Connection> {
public:
    static constexpr const char* kClassName = "Connection";
    static const com::Members<Connection>& Interface() {
        static const com::Members<Connection> m;
        return m;
    }
};

}  // namespace

std::vector<std::string> Recording::texts() const {
    std::vector<std::string> out;
    for (const Sent& s : sent) out.push_back(s.text);
    return out;
}

RecordingDataLayer::RecordingDataLayer() {
    com::RegisterClass("Dravik.clsBD", [this] { return std::make_shared<RecordingClsBD>(recording); });
}

RecordingDataLayer::~RecordingDataLayer() { com::UnregisterClass("Dravik.clsBD"); }

com::ObjectRef FakeConnection() { return std::make_shared<Connection>(); }

}  // namespace quossatest
