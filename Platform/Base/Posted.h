// Calls that a member sends to another process without waiting for their
// outcome (the object model posts them to an object server, Com's
// RemoteChannel.h), and where their outcome is learnt.
//
// A call is posted only while a guarded member runs on the thread (Guard.h),
// and the member's edges settle what is outstanding: at its entry what its
// caller posted (a failure there is the caller's), at its exit what it
// posted itself (a failure there is its own, handled by its own handler),
// and when it fails, what was posted before the failure, whose failure then
// comes first. So a posted call fails in the same member, with the same
// trail, as if its caller had waited for it. Posted creations of classes
// the server is known to have can fail only when the server's machine
// fails (as any call can at any moment): they are settled by the next call
// that waits, or at the exit of the thread's outermost member.
#pragma once

namespace base {

struct PostedCalls {
    int members = 0;       // guarded members running on this thread
    bool mayFail = false;  // outstanding calls whose failure a member must see
    bool any = false;      // outstanding calls of any kind
};

// This thread's outstanding calls.
PostedCalls& ThisThreadsPostedCalls();

// What settles them: waits for the outcome of the outstanding calls (all,
// or only those that may fail), raises the first failure among them, and
// updates ThisThreadsPostedCalls. The object model installs it.
using PostedCallsSettler = void (*)(bool all);
void SetPostedCallsSettler(PostedCallsSettler settler);

// Runs the settler, when there is one.
void SettlePostedCalls(bool all);

}  // namespace base
