// A proxy: an object of another process, reached over a RemoteChannel.
// Its calls travel to that process and run there; its class name is the
// object's own.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "Object.h"

namespace com::remote {

class RemoteChannel;

class RemoteObject final : public Object {
public:
    // `className` is empty for an object that this side named before the
    // peer made it (a posted call's result): it is asked for when needed.
    RemoteObject(std::shared_ptr<RemoteChannel> channel, uint64_t id, std::string className);
    ~RemoteObject() override;

    std::string className() const override;
    Variant invoke(std::string_view member, CallKind kind, Args args) override;
    ObjectRef invokeForObject(std::string_view member, CallKind kind, Args args) override;

    const RemoteChannel* channel() const { return channel_.get(); }
    uint64_t id() const { return id_; }

private:
    friend class RemoteChannel;
    const std::shared_ptr<RemoteChannel> channel_;
    const uint64_t id_;
    // Guarded by the channel, as everything below.
    mutable std::string className_;
    uint32_t references_ = 1;  // given by the peer
    // NumError and UbicacioError as the reply to the last call on it found
    // them, while the channel has sent nothing since (`sent`).
    struct ErrorFieldsSeen {
        int32_t number;
        std::string trail;
        uint64_t sent;
    };
    std::optional<ErrorFieldsSeen> errorFieldsSeen_;
};

}  // namespace com::remote
