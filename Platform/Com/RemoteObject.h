// A proxy: an object of another process, reached over a RemoteChannel.
// Its calls travel to that process and run there; its class name is the
// object's own.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "Object.h"

namespace com::remote {

class RemoteChannel;

class RemoteObject final : public Object {
public:
    RemoteObject(std::shared_ptr<RemoteChannel> channel, uint64_t id, std::string className);
    ~RemoteObject() override;

    std::string className() const override { return className_; }
    Variant invoke(std::string_view member, CallKind kind, Args args) override;

    const RemoteChannel* channel() const { return channel_.get(); }
    uint64_t id() const { return id_; }

private:
    friend class RemoteChannel;
    const std::shared_ptr<RemoteChannel> channel_;
    const uint64_t id_;
    const std::string className_;
    uint32_t references_ = 1;  // given by the peer; guarded by the channel
};

}  // namespace com::remote
