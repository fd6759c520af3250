#include "RemoteObject.h"

#include "RemoteChannel.h"

namespace com::remote {

RemoteObject::RemoteObject(std::shared_ptr<RemoteChannel> channel, uint64_t id, std::string className)
    : channel_(std::move(channel)), id_(id), className_(std::move(className)) {}

RemoteObject::~RemoteObject() { channel_->proxyEnded(*this); }

std::string RemoteObject::className() const { return channel_->classNameOf(*this); }

Variant RemoteObject::invoke(std::string_view member, CallKind kind, Args args) {
    return channel_->call(*this, member, kind, args);
}

ObjectRef RemoteObject::invokeForObject(std::string_view member, CallKind kind, Args args) {
    return channel_->callForObject(*this, member, kind, args);
}

}  // namespace com::remote
