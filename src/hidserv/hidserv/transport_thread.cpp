#include "hidserv/transport_thread.h"

namespace quovex::hidserv {
namespace {
thread_local bool on_transport_thread = false;
}  // namespace

void MarkTransportThread() {
    on_transport_thread = true;
}
bool OnTransportThread() {
    return on_transport_thread;
}

}  // namespace quovex::hidserv
