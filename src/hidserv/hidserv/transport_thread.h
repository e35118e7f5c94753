// Marks the threads a transport runs, so that calls that would wait for those
// threads (End) can refuse when made from one of them, from inside a callback.
#pragma once

namespace quovex::hidserv {

void MarkTransportThread();
bool OnTransportThread();

}  // namespace quovex::hidserv
